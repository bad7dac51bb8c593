#include "TzynViewBorder.h"

#include "TProperty.h"
#include "TzynBorderOverlay.h"
#include "ZYNControlUtils.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QFrame>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOption>

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

bool TzynViewBorder::paintView(QEvent *event)
{
    if (event->type() != QEvent::Paint)
        return false;
    QPainter canvas(m_view);
    // The corner between two scroll bars, as the scroll area paints it.
    auto *area = qobject_cast<QAbstractScrollArea *>(m_view);
    if (area && !area->cornerWidget()) {
        const QScrollBar *horizontal = area->horizontalScrollBar();
        const QScrollBar *vertical = area->verticalScrollBar();
        if (horizontal->isVisibleTo(m_view) && vertical->isVisibleTo(m_view)) {
            const QPoint v = vertical->mapTo(m_view, QPoint());
            const QPoint h = horizontal->mapTo(m_view, QPoint());
            QStyleOption option;
            option.initFrom(m_view);
            option.rect = QRect(v.x(), h.y(), vertical->width(), horizontal->height());
            m_view->style()->drawPrimitive(
                QStyle::PE_PanelScrollAreaCorner, &option, &canvas, m_view);
        }
    }
    const QColor color = toQColor(m_viewColor());
    for (const QRect &r : QRegion(m_view->rect()) - QRegion(m_view->contentsRect()))
        canvas.fillRect(r, color);
    return true;
}
