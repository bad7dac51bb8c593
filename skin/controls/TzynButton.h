#pragma once

#include "TzynCustomButton.h"

// The skinned push button: the three button pictures of its UI style stretched over the
// button by the nine-slice rule (or, in Custom, the named pictures unscaled), an optional glyph
// placed with the caption by Layout and Spacing, and the focus shown by the style's mark.
class TzynButton : public TzynCustomButton {
    Q_OBJECT
    Q_PROPERTY(bool Cancel READ Cancel WRITE setCancel)
    Q_PROPERTY(bool Default READ Default WRITE setDefault)
    Q_PROPERTY(bool Transparent READ Transparent WRITE setTransparent)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE setModalResult)
    Q_PROPERTY(TPicture *Glyph READ Glyph WRITE setGlyph)
    Q_PROPERTY(TButtonLayout Layout READ Layout WRITE setLayout)
    Q_PROPERTY(int Spacing READ Spacing WRITE setSpacing)
    Q_PROPERTY(uint ResHandle READ ResHandle WRITE setResHandle)
    Q_PROPERTY(QString PicNormalResName READ PicNormalResName WRITE setPicNormalResName)
    Q_PROPERTY(QString PicMouseOnResName READ PicMouseOnResName WRITE setPicMouseOnResName)
    Q_PROPERTY(QString PicMouseDownResName READ PicMouseDownResName WRITE setPicMouseDownResName)
    Q_PROPERTY(int MouseContinuouslyDownInterval READ MouseContinuouslyDownInterval WRITE
            setMouseContinuouslyDownInterval)
    Q_PROPERTY(TCustomAction *Action READ Action WRITE setAction)
public:
    enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
    Q_ENUM(TButtonLayout)

    explicit TzynButton(QWidget *parent = nullptr);

    TPicture *Glyph() const { return m_glyph; }
    void setGlyph(const TPicture *glyph);
    TButtonLayout Layout() const { return m_layout; }
    void setLayout(TButtonLayout layout);
    int Spacing() const { return m_spacing; }
    void setSpacing(int spacing);
    // Where the caption's top-left corner goes beside the glyph at the present size, font and
    // state (one pixel down and right while pressed).
    QPoint CaptionPos() const;

    // Styled buttons keep no names of their own: reading gives the empty string unless the
    // style is Custom, and setting a name turns the style to Custom.
    QString PicNormalResName() const override;
    void setPicNormalResName(const QString &name) override;
    QString PicMouseOnResName() const override;
    void setPicMouseOnResName(const QString &name) override;
    QString PicMouseDownResName() const override;
    void setPicMouseDownResName(const QString &name) override;

    // Where the glyph and the caption go in a button of that size (integer division
    // truncating toward zero, negative results kept). A glyph exactly twice as wide as high
    // holds two images and counts as one of them.
    struct GlyphPlacement {
        QPoint glyph;
        QPoint caption;
        QSize glyphSize;
    };
    static GlyphPlacement PlaceGlyph(TButtonLayout layout, const QSize &button, const QSize &glyph,
        const QSize &text, int spacing);

protected:
    void UIStyleChanged() override;
    void ApplyUIStylePictures(TzynUIStyle style) override;
    QImage StatePicture(TzynPictureState state) const override;
    void initButtonOption(TzynButtonOption &option) const override;
    void PaintPicture(QPainter &canvas, const TzynButtonOption &option) const override;
    void PaintCaption(QPainter &canvas, const TzynButtonOption &option) const override;
    void PaintFocus(QPainter &canvas, const TzynButtonOption &option) const override;
    QRect PictureRect(const TzynButtonOption &option) const override;
    void ActionChange() override;

private:
    QImage glyphImage() const;
    GlyphPlacement placement(const QFont &font, const QString &caption) const;

    TPicture *m_glyph;
    TButtonLayout m_layout = blGlyphLeft;
    int m_spacing = 4;
};
