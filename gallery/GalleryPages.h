#pragma once

#include "TzynPageControl.h"

// The gallery's page control: one page per family of controls. A page control passes a style
// to the controls placed on its pages; the families on these pages are group boxes, so, as the
// frame does with the group boxes on it, the pages first let each group box pass the style on
// to its own controls and then give the group box its colours. Every family's controls thus
// follow the frame's style on their page just as they did standing on the frame, over the
// frame's colour.
class GalleryPages : public TzynPageControl {
    Q_OBJECT
public:
    explicit GalleryPages(QWidget *parent = nullptr);

    void UpdateChildrenUIStyle(TzynUIStyle style) override;
};
