#include "TzynViewBorder.h"

#include "TProperty.h"
#include "TzynBorderOverlay.h"
#include "ZYNControlUtils.h"

#include <QEvent>
#include <QFrame>

#include <algorithm>

TzynViewBorder::TzynViewBorder(QFrame *view, std::function<TColor()> viewColor)
    : m_view(view)
    , m_viewColor(std::move(viewColor))
    , m_overlay(new TzynBorderOverlay(view, [this] { return std::pair(m_color, m_viewColor()); }))
{
}

void TzynViewBorder::setColor(TColor color)
{
    if (!AssignIfChanged(m_color, color))
        return;
    m_view->update();
    m_overlay->update();
}

void TzynViewBorder::setWidth(int width)
{
    if (!AssignIfChanged(m_width, std::max(0, width)))
        return;
    reapply();
}

void TzynViewBorder::reapply()
{
    ApplyBorderBand(m_view, m_width);
}

void TzynViewBorder::viewEvent(QEvent *event)
{
    if (event->type() == QEvent::Paint)
        FillBorderBand(m_view, m_viewColor());
}
