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
    // The click is this control's: Qt would otherwise pass an ignored press and release on to
    // the parent, which would then raise a click of its own.
    if (event->button() == Qt::LeftButton)
        event->accept();
}

void TControl::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_leftDown && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        m_leftDown = false;
    QWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        event->accept();
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
    if (event->button() == Qt::LeftButton)
        event->accept();
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
