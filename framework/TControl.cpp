#include "TControl.h"

#include <QMouseEvent>

TControl::TControl(QWidget *parent)
    : TControlBase<QWidget>(parent)
{
}

void TControl::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_leftDown = true;
    QWidget::mousePressEvent(event);
}

void TControl::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_leftDown && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        m_leftDown = false;
    QWidget::mouseReleaseEvent(event);
    if (click)
        Click();
}

void TControl::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_leftDown = true;
        Q_EMIT OnDblClick(this);
    }
    QWidget::mouseDoubleClickEvent(event);
}

void TControl::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Q_EMIT OnResize(this);
}

void TControl::Click()
{
    Q_EMIT OnClick(this);
}
