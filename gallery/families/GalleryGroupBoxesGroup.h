#pragma once

#include "GalleryFamily.h"

class TzynImagePanel;

// Group boxes with and without a caption, opaque and see-through, on a tiled picture that the
// see-through one lets show.
class GalleryGroupBoxesGroup : public GalleryFamily {
    Q_OBJECT
public:
    explicit GalleryGroupBoxesGroup(QWidget *parent = nullptr);

    // The boxes stand on the picture, one level further in than a family's push reaches: the
    // family passes the style on to them too.
    void UpdateChildrenUIStyle(TzynUIStyle style) override;

protected:
    void Loaded() override;

private:
    TzynImagePanel *m_backdrop = nullptr;
};
