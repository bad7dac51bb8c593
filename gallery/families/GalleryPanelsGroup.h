#pragma once

#include "GalleryFamily.h"

// The panel family: opaque and see-through panels, pictures drawn plain, stretched and
// tiled, and a panel sized to its picture.
class GalleryPanelsGroup : public GalleryFamily {
    Q_OBJECT
public:
    explicit GalleryPanelsGroup(QWidget *parent = nullptr);
};
