#include "GalleryPanelsGroup.h"

GalleryPanelsGroup::GalleryPanelsGroup(QWidget *parent)
    : GalleryFamily(parent)
{
}
