#include "TzynTreeView.h"

#include "TProperty.h"
#include "TzynBorderOverlay.h"
#include "ZYNControlUtils.h"
#include "ZYNThemes.h"

#include <algorithm>

TzynTreeView::TzynTreeView(QWidget *parent)
    : TTreeView(parent)
{
    // The band between the lines and the viewport shows the control's colour.
    setAutoFillBackground(true);
    setBorderStyle(Fw::bsNone);
    setBorderWidth(2);
    m_border = new TzynBorderOverlay(this, [this] { return std::pair(m_borderColor, Color()); });
    TakeOwnerStyle(ControlOwner(parent));
}

void TzynTreeView::setBorderColor(TColor color)
{
    if (!AssignIfChanged(m_borderColor, color))
        return;
    update();
    m_border->update();
}

void TzynTreeView::setBorderWidth(int width)
{
    m_borderWidth = std::max(0, width);
    ApplyBorderBand(this, m_borderWidth);
}

void TzynTreeView::setBorderStyle(Fw::TBorderStyle style)
{
    TTreeView::setBorderStyle(style);
    // The skinned border replaces the platform's edge in every style.
    ApplyBorderBand(this, m_borderWidth);
}

bool TzynTreeView::event(QEvent *event)
{
    const bool result = TTreeView::event(event);
    // The scroll area's own paint (not the viewport's) covers the band: the lines go over it.
    if (event->type() == QEvent::Paint)
        FillBorderBand(this, Color());
    return result;
}
