// The one list of the gallery's control families, one page each. A new family is a class
// derived from GalleryFamily (in families/), its layout (layouts/<name>.layout) and one row
// below.
#include "GalleryFamilies.h"

#include "GalleryButtonsGroup.h"
#include "GalleryFocusGroup.h"
#include "GalleryGroupBoxesGroup.h"
#include "GalleryPanelsGroup.h"
#include "GalleryScrollingGroup.h"
#include "GalleryTabsGroup.h"
#include "GalleryTitleBarGroup.h"
#include "GalleryToolBarsGroup.h"
#include "GalleryViewsGroup.h"

namespace {

template <class Family> GalleryFamily *make(QWidget *frame)
{
    return new Family(frame);
}

} // namespace

const std::vector<GalleryFamilyRow> &GalleryFamilies()
{
    // In the order of the pages: the push buttons first, as the window opens on them.
    static const std::vector<GalleryFamilyRow> rows = {
        { "Buttons", "Buttons", make<GalleryButtonsGroup> },
        { "Focus", "Focus", make<GalleryFocusGroup> },
        { "Panels", "Panels", make<GalleryPanelsGroup> },
        { "Views", "Views", make<GalleryViewsGroup> },
        { "GroupBoxes", "Group boxes", make<GalleryGroupBoxesGroup> },
        { "TitleBar", "Title bar", make<GalleryTitleBarGroup> },
        { "Scrolling", "Scrolling", make<GalleryScrollingGroup> },
        { "ToolBars", "Tool bars", make<GalleryToolBarsGroup> },
        { "Tabs", "Tabs", make<GalleryTabsGroup> },
    };
    return rows;
}
