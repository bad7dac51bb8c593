// The one list of the gallery's control families. A new family is a class derived from
// GalleryFamily (in families/), its layout (layouts/<name>.layout) and one row below; each
// family of controls to come has its own place, so that families added side by side do not
// touch the same lines.
#include "GalleryFamilies.h"

#include "GalleryButtonsGroup.h"
#include "GalleryGroupBoxesGroup.h"
#include "GalleryPanelsGroup.h"
#include "GalleryTitleBarGroup.h"
#include "GalleryViewsGroup.h"
// Scroll bars, track bars, lists, memo and edit:
#include "GalleryScrollingGroup.h"

// Menus and tool bars:
#include "GalleryToolBarsGroup.h"

// Tabs, page control, check group, combo box, progress bar and side channel:
#include "GalleryTabsGroup.h"

namespace {

template <class Family> GalleryFamily *make(QWidget *frame)
{
    return new Family(frame);
}

} // namespace

const std::vector<GalleryFamilyRow> &GalleryFamilies()
{
    // One row per line, and an empty line under each place for families to come.
    // clang-format off
    static const std::vector<GalleryFamilyRow> rows = {
        { "Buttons", make<GalleryButtonsGroup> },
        { "Panels", make<GalleryPanelsGroup> },
        { "Views", make<GalleryViewsGroup> },
        { "GroupBoxes", make<GalleryGroupBoxesGroup> },
        { "TitleBar", make<GalleryTitleBarGroup> },
        // Scroll bars, track bars, lists, memo and edit:
        { "Scrolling", make<GalleryScrollingGroup> },

        // Menus and tool bars:
        { "ToolBars", make<GalleryToolBarsGroup> },

        // Tabs, page control, check group, combo box, progress bar and side channel:
        { "Tabs", make<GalleryTabsGroup> },

    };
    // clang-format on
    return rows;
}
