#include "GalleryGroupBoxesGroup.h"

GalleryGroupBoxesGroup::GalleryGroupBoxesGroup(QWidget *parent)
    : GalleryFamily(parent)
{
}
