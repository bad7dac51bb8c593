#pragma once

#include "TCustomPanel.h"
#include "TzynSkinnedControl.h"
#include "ZYNDraw.h"
#include "ZYNThemes.h"

#include <QImage>

class TPicture;

// The skinned container that skinned group boxes and check groups derive from: a panel that
// paints every pixel of what it exposes (the parent's background when transparent, then its
// picture plain, stretched or tiled, or its colour, then its caption) and is never erased
// separately. It paints straight into the window's backing store where it can, and through an
// image of its own only when it is see-through over a parent that must be rendered. It is also
// the entry point by which a UI style is pushed to the skinned controls inside it.
class TzynCustomPanel : public TCustomPanel, public TzynCanvasPainting, public TzynStyleContainer {
    Q_OBJECT
public:
    explicit TzynCustomPanel(QWidget *parent = nullptr);
    ~TzynCustomPanel() override;

    TPicture *Picture() const { return m_picture; }
    void setPicture(const TPicture *value);
    bool Transparent() const { return m_transparent; }
    virtual void setTransparent(bool value);
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool value);
    TzynDrawStyle DrawStyle() const { return m_drawStyle; }
    void setDrawStyle(TzynDrawStyle value);

    // Pushes the style to the skinned controls placed directly on this panel.
    void UpdateUIStyle(TzynUIStyle style) override;
    // The same push; containers that take colours of their own override it.
    void UpdateChildrenUIStyle(TzynUIStyle style) override;

    // An opaque panel can always be painted onto another canvas; a see-through one when its
    // parent can.
    bool CanPaintOnto() const override;
    void PaintOnto(QPainter &canvas, const QRect &area) override;

protected:
    // Reaction to a change of Picture.
    virtual void PictureUpdated();

    void ApplyPictureSize();
    void ApplyPictureTransparency();

    void captionChanged() override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

    // Paints the panel into the canvas (the off-screen image of the panel's size), which may be
    // clipped to the part being repainted.
    virtual void paintPanel(QPainter &canvas);

private:
    TPicture *m_picture;
    bool m_transparent = false;
    bool m_autoSize = false;
    TzynDrawStyle m_drawStyle = zynNormal;
    // The off-screen image of the panel's size, kept from paint to paint, for a see-through
    // panel whose parent can only be rendered.
    QImage m_buffer;
};
