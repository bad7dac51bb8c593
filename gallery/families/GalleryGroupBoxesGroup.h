#pragma once

#include "GalleryFamily.h"

// Group boxes with and without a caption, opaque and see-through.
class GalleryGroupBoxesGroup : public GalleryFamily {
    Q_OBJECT
public:
    explicit GalleryGroupBoxesGroup(QWidget *parent = nullptr);
};
