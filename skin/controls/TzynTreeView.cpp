#include "TzynTreeView.h"

#include "ZYNControlUtils.h"
#include "ZYNThemes.h"

TzynTreeView::TzynTreeView(QWidget *parent)
    : TzynSkinned(parent)
    , m_border(this, [this] { return Color(); })
{
    // The band between the lines and the viewport shows the control's colour.
    setAutoFillBackground(true);
    setBorderStyle(Fw::bsNone);
    setBorderWidth(2);
}

void TzynTreeView::setBorderColor(TColor color)
{
    m_border.setColor(color);
}

void TzynTreeView::setBorderWidth(int width)
{
    m_border.setWidth(width);
}

void TzynTreeView::setBorderStyle(Fw::TBorderStyle style)
{
    if (style == BorderStyle())
        return;
    TTreeView::setBorderStyle(style);
    // The skinned border replaces the platform's edge in every style.
    m_border.reapply();
}

bool TzynTreeView::event(QEvent *event)
{
    if (m_border.paintView(event))
        return true;
    return TzynSkinned::event(event);
}
