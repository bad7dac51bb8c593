#include "TzynToolBar.h"
#include "TPictureTwin.h"

#include "TFont.h"
#include "TImageList.h"
#include "TProperty.h"
#include "TToolButton.h"
#include "ZYNControlUtils.h"
#include "ZYNDraw.h"
#include "ZYNLooks.h"
#include "ZYNMenu.h"

#include <QPainter>

TzynToolBar::TzynToolBar(QWidget *parent)
    : TzynStyled(parent)
{
    setFlat(true);
    setTransparent(false);
}

void TzynToolBar::ApplyUIStyle(TzynUIStyle style)
{
    using E = TzynThemeEntry;
    if (style == TzynUIStyle::Custom)
        return;
    m_buttonBorderColor = GetThemeColor(style, E::ToolBarButtonBorderColor);
    m_buttonColor = GetThemeColor(style, E::ToolBarButtonColor);
    m_buttonDownColor = GetThemeColor(style, E::ToolBarButtonDownColor);
    setColor(GetThemeColor(style, E::ToolBarColor));
    setTransparent(StyleLook(style).toolBarTransparent);
    setEdgeBorders({});
    update();
    updateButtons();
}

void TzynToolBar::setButtonColor(TColor color)
{
    if (AssignIfChanged(m_buttonColor, color))
        updateButtons();
}

void TzynToolBar::setButtonBorderColor(TColor color)
{
    if (AssignIfChanged(m_buttonBorderColor, color))
        updateButtons();
}

void TzynToolBar::setButtonDownColor(TColor color)
{
    if (AssignIfChanged(m_buttonDownColor, color))
        updateButtons();
}

void TzynToolBar::updateButtons()
{
    for (int i = 0; i < ButtonCount(); ++i) {
        if (TToolButton *button = Buttons(i))
            button->update();
    }
}

bool TzynToolBar::CustomDraw(QPainter &canvas, const QRect &rect)
{
    if (Transparent() && ParentPaintsOntoAnyCanvas(this))
        DrawParentBackground(canvas, this);
    return TToolBar::CustomDraw(canvas, rect);
}

bool TzynToolBar::CustomDrawButton(
    TToolButton *button, QPainter &canvas, Fw::TCustomDrawState state)
{
    if (!TToolBar::CustomDrawButton(button, canvas, state))
        return false;
    const QRect r = button->rect();
    if (state & Fw::cdsHot) {
        drawLook(button, canvas, state & Fw::cdsSelected);
        if (button->Style() == Fw::tbsDropDown) {
            // The arrow and the line that parts it from the button.
            const int right = r.width(), m = r.height() / 2;
            const QColor black(Qt::black);
            canvas.fillRect(QRect(right - 9, m, 5, 1), black);
            canvas.fillRect(QRect(right - 8, m + 1, 3, 1), black);
            canvas.fillRect(QRect(right - 7, m + 2, 1, 1), black);
            canvas.fillRect(QRect(right - 14, 0, 1, r.height()), black);
        }
        return false;
    }
    if (state & (Fw::cdsSelected | Fw::cdsChecked)) {
        drawLook(button, canvas, false);
        return false;
    }
    return true;
}

void TzynToolBar::drawLook(TToolButton *button, QPainter &canvas, bool down)
{
    const QRect r = button->rect();
    FillColorRect(canvas, r, down ? m_buttonDownColor : m_buttonColor);
    FrameColorRect(canvas, r, m_buttonBorderColor);
    const TImageList *images = HotImages() ? HotImages() : Images();
    int captionTop = down ? 5 : 4;
    if (images) {
        TPictureTwin::draw(canvas,
            QPoint(r.left() + (r.width() - images->Width()) / 2, down ? 3 : 2),
            images->image(button->ImageIndex()));
        captionTop = images->Height() + 4;
    }
    if (ShowCaptions()) {
        canvas.setPen(Font()->qColor());
        canvas.drawText(QRect(r.left(), captionTop, r.width(), r.height() - captionTop),
            Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic,
            button->Caption());
    }
}
