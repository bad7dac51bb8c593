#pragma once

#include "TzynCustomButton.h"

// The base of the check box and the radio button: an indicator picture at the left and the
// caption beside it; a click toggles Checked. With AutoSize the control fits indicator and
// caption whenever its size, caption or font changes.
class TzynCustomButtonEx : public TzynCustomButton {
    Q_OBJECT
    Q_PROPERTY(bool Checked READ Checked WRITE setChecked)
    Q_PROPERTY(bool Transparent READ Transparent WRITE setTransparent)
public:
    explicit TzynCustomButtonEx(QWidget *parent = nullptr);

    bool Checked() const { return m_checked; }
    void setChecked(bool value);
    // The rectangle the caption is drawn in (from its top-left corner).
    QRect CaptionRect() const;
    // Where the focus rectangle goes around a caption in that font.
    QRect FocusRect(const QFont &font, const QString &caption) const;

    virtual int PictureWidth() const = 0;
    virtual int PictureHeight() const = 0;
    // Space toggles; Enter is the form's default button's.
    bool TakesEnter() const override { return false; }

protected:
    virtual void Toggle() { }
    virtual void CheckedChanged() { }

    void AutoSizeToPicture() override;
    void CaptionChanged() override;
    void FontUpdated() override;
    void UIStyleChanged() override;
    void PaintPicture(QPainter &canvas, const TzynButtonOption &option) const override;
    void PaintCaption(QPainter &canvas, const TzynButtonOption &option) const override;
    void PaintFocus(QPainter &canvas, const TzynButtonOption &option) const override;
    void Click() override;
    void resizeEvent(QResizeEvent *event) override;

private:
    int fontPixelHeight() const;

    bool m_checked = false;
    bool m_sizing = false;
};
