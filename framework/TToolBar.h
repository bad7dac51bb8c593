#pragma once

#include "TControl.h"

#include <QList>
#include <QPainter>
#include <QPointer>

#include "TImageList.h"
class TToolButton;

// A row of flat tool buttons (TToolButton) placed left to right in their order on the bar.
// Buttons are as high as ButtonHeight and as wide as ButtonWidth, or as their contents when
// auto-sized. The bar paints its background and each button through two hooks (CustomDraw and
// CustomDrawButton, published as OnCustomDraw and OnCustomDrawButton) that may take the
// drawing over; what they leave is drawn the framework's way: plain buttons flat, a hot one
// raised, a pressed or checked one sunken.
class TToolBar : public TControl {
    Q_OBJECT
    Q_PROPERTY(bool Flat READ Flat WRITE setFlat)
    Q_PROPERTY(bool ShowCaptions READ ShowCaptions WRITE setShowCaptions)
    Q_PROPERTY(bool Transparent READ Transparent WRITE setTransparent)
    Q_PROPERTY(TImageList *Images READ Images WRITE setImages)
    Q_PROPERTY(TImageList *HotImages READ HotImages WRITE setHotImages)
    Q_PROPERTY(int ButtonWidth READ ButtonWidth WRITE setButtonWidth)
    Q_PROPERTY(int ButtonHeight READ ButtonHeight WRITE setButtonHeight)
    Q_PROPERTY(int Indent READ Indent WRITE setIndent)
    Q_PROPERTY(Fw::TEdgeBorders EdgeBorders READ EdgeBorders WRITE setEdgeBorders)
public:
    explicit TToolBar(QWidget *parent = nullptr);
    ~TToolBar() override;

    bool Flat() const { return m_flat; }
    void setFlat(bool value);
    bool ShowCaptions() const { return m_showCaptions; }
    void setShowCaptions(bool value);
    // The bar leaves its parent's background under it instead of filling with Color.
    bool Transparent() const { return m_transparent; }
    void setTransparent(bool value);
    TImageList *Images() const { return m_images.data(); }
    void setImages(TImageList *images);
    // The images of hot buttons; Images while none are set.
    TImageList *HotImages() const { return m_hotImages.data(); }
    void setHotImages(TImageList *images);
    int ButtonWidth() const { return m_buttonWidth; }
    void setButtonWidth(int width);
    int ButtonHeight() const { return m_buttonHeight; }
    void setButtonHeight(int height);
    int Indent() const { return m_indent; }
    void setIndent(int indent);
    Fw::TEdgeBorders EdgeBorders() const { return m_edgeBorders; }
    void setEdgeBorders(Fw::TEdgeBorders borders);

    int ButtonCount() const;
    TToolButton *Buttons(int index) const;
    int IndexOf(const TToolButton *button) const;
    // Puts a button of this bar at a place in the row (index 0 is the leftmost).
    void InsertButton(TToolButton *button, int index);
    void RemoveButton(TToolButton *button);
    // Places the buttons again; called whenever one changes size.
    void ArrangeButtons();
    // The images a button in a state draws from.
    TImageList *ImagesFor(Fw::TCustomDrawState state) const;

    // Called by a button to paint itself: the hook first, then the default drawing.
    void PaintButton(TToolButton *button, QPainter &canvas);
    // The framework's drawing of a button, in the canvas's font and pen colour.
    void DefaultDrawButton(TToolButton *button, QPainter &canvas, Fw::TCustomDrawState state);

Q_SIGNALS:
    void OnCustomDraw(TToolBar *Sender, QPainter *Canvas, const QRect &ARect, bool &DefaultDraw);
    void OnCustomDrawButton(TToolBar *Sender, TToolButton *Button, QPainter *Canvas,
        Fw::TCustomDrawState State, bool &DefaultDraw);

protected:
    // Before the background is painted; false suppresses the default drawing.
    virtual bool CustomDraw(QPainter &canvas, const QRect &rect);
    // Before a button is painted; false suppresses the default drawing.
    virtual bool CustomDrawButton(
        TToolButton *button, QPainter &canvas, Fw::TCustomDrawState state);
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void fontChanged() override;

private:
    bool m_flat = false;
    bool m_showCaptions = false;
    bool m_transparent = false;
    QPointer<TImageList> m_images;
    QPointer<TImageList> m_hotImages;
    int m_buttonWidth = 23;
    int m_buttonHeight = 22;
    int m_indent = 0;
    Fw::TEdgeBorders m_edgeBorders = Fw::ebTop;
    QList<QPointer<TToolButton>> m_buttons;
};
