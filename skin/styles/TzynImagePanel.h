#pragma once

#include "TPicture.h"
#include "TzynCustomPanel.h"

// A panel that shows a picture: the published form of the skinned panel. The track bar uses
// one as its slider.
class TzynImagePanel : public TzynCustomPanel, public TzynSkinnedControl {
    Q_OBJECT
    Q_PROPERTY(TPicture *Picture READ Picture WRITE setPicture)
    Q_PROPERTY(bool Transparent READ Transparent WRITE setTransparent)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE setAutoSize)
    Q_PROPERTY(zyn::TzynDrawStyle DrawStyle READ DrawStyle WRITE setDrawStyle)
public:
    explicit TzynImagePanel(QWidget *parent = nullptr);

    // A panel has no style of its own: it only passes one on to its children.
    void InitialStyle(TzynUIStyle) override { }
};
