#pragma once

#include "TToolBar.h"
#include "TzynSkinned.h"

class TToolButton;

// The skinned tool bar: hot, pressed and checked buttons are drawn by the bar in three
// colours of its style (the up look, and the down look for a hot button being pressed);
// buttons in their plain state keep the framework's drawing. In a style whose tool bars are
// see-through it shows its parent's background.
class TzynToolBar : public TzynStyled<TzynSkinned<TToolBar>> {
    Q_OBJECT
    Q_PROPERTY(zyn::TzynUIStyle UIStyle READ UIStyle WRITE setUIStyle)
    Q_PROPERTY(TColor ButtonColor READ ButtonColor WRITE setButtonColor)
    Q_PROPERTY(TColor ButtonBorderColor READ ButtonBorderColor WRITE setButtonBorderColor)
    Q_PROPERTY(TColor ButtonDownColor READ ButtonDownColor WRITE setButtonDownColor)
public:
    explicit TzynToolBar(QWidget *parent = nullptr);

    TColor ButtonColor() const { return m_buttonColor; }
    void setButtonColor(TColor color);
    TColor ButtonBorderColor() const { return m_buttonBorderColor; }
    void setButtonBorderColor(TColor color);
    TColor ButtonDownColor() const { return m_buttonDownColor; }
    void setButtonDownColor(TColor color);

protected:
    void ApplyUIStyle(TzynUIStyle style) override;
    bool CustomDraw(QPainter &canvas, const QRect &rect) override;
    bool CustomDrawButton(
        TToolButton *button, QPainter &canvas, Fw::TCustomDrawState state) override;

private:
    // The up look (ButtonColor) or the down look (ButtonDownColor, contents one pixel lower).
    void drawLook(TToolButton *button, QPainter &canvas, bool down);
    void updateButtons();

    TColor m_buttonColor = Colors::clBtnFace;
    TColor m_buttonBorderColor = Colors::clBtnShadow;
    TColor m_buttonDownColor = Colors::clBtnShadow;
};
