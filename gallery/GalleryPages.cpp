#include "GalleryPages.h"

#include "TControlCore.h"
#include "TzynTabSheet.h"
#include "ZYNStylePropagation.h"

GalleryPages::GalleryPages(QWidget *parent)
    : TzynPageControl(parent)
{
}

void GalleryPages::UpdateChildrenUIStyle(TzynUIStyle style)
{
    // The pages show the frame's colour, as the families had around them on the frame: check
    // boxes that are opaque in a style paint their colour, which follows the family's.
    if (TControlCore *frame = TControlCore::of(parentWidget()))
        setColor(frame->color());
    for (int i = 0; i < PageCount(); ++i) {
        TzynTabSheet *page = Page(i);
        page->setColor(Color());
        page->setBorderColor(BorderColor());
        ApplyUIStyleToContainers(page, style);
        ApplyUIStyleToChildren(page, style);
    }
}
