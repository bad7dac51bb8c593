#include "TzynListView.h"

#include "TProperty.h"
#include "TzynBorderOverlay.h"
#include "ZYNControlUtils.h"
#include "ZYNThemes.h"

#include <QMouseEvent>

#include <algorithm>

TzynListView::TzynListView(QWidget *parent)
    : TControlBase<QListWidget>(parent)
{
    setAutoFillBackground(true);
    setColorValue(Colors::clWindow);
    setBorderStyle(Fw::bsNone);
    setBorderWidth(2);
    m_border = new TzynBorderOverlay(this, [this] { return std::pair(m_borderColor, Color()); });
    TakeOwnerStyle(ControlOwner(parent));
}

void TzynListView::setBorderColor(TColor color)
{
    if (!AssignIfChanged(m_borderColor, color))
        return;
    update();
    m_border->update();
}

void TzynListView::setBorderWidth(int width)
{
    m_borderWidth = std::max(0, width);
    ApplyBorderBand(this, m_borderWidth);
}

void TzynListView::setBorderStyle(Fw::TBorderStyle style)
{
    // The skinned border replaces the platform's edge in every style.
    m_borderStyle = style;
    ApplyBorderBand(this, m_borderWidth);
}

void TzynListView::colorChanged()
{
    QPalette pal = palette();
    pal.setColor(QPalette::Base, toQColor(Color()));
    pal.setColor(QPalette::Window, toQColor(Color()));
    setPalette(pal);
    update();
}

void TzynListView::fontChanged()
{
    QPalette pal = palette();
    pal.setColor(QPalette::Text, Font()->qColor());
    setPalette(pal);
}

void TzynListView::mouseReleaseEvent(QMouseEvent *event)
{
    QListWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        Q_EMIT OnClick(this);
}

void TzynListView::mouseDoubleClickEvent(QMouseEvent *event)
{
    QListWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        Q_EMIT OnDblClick(this);
}

bool TzynListView::viewportEvent(QEvent *event)
{
    // Mouse input arrives at the viewport: the published events give control coordinates.
    if (raiseInputEvent(event, viewport()->pos()))
        return true;
    return QListWidget::viewportEvent(event);
}

bool TzynListView::event(QEvent *event)
{
    const bool result = TControlBase<QListWidget>::event(event);
    if (event->type() == QEvent::Paint)
        FillBorderBand(this, Color());
    return result;
}
