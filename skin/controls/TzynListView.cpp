#include "TzynListView.h"

#include "TProperty.h"
#include "ZYNControlUtils.h"
#include "ZYNThemes.h"

#include <QMouseEvent>

TzynListView::TzynListView(QWidget *parent)
    : TzynSkinned(parent)
    , m_border(this, [this] { return Color(); })
{
    setAutoFillBackground(true);
    setColorValue(Colors::clWindow);
    setBorderStyle(Fw::bsNone);
    setBorderWidth(2);
}

void TzynListView::setBorderColor(TColor color)
{
    m_border.setColor(color);
}

void TzynListView::setBorderWidth(int width)
{
    m_border.setWidth(width);
}

void TzynListView::setBorderStyle(Fw::TBorderStyle style)
{
    // The skinned border replaces the platform's edge in every style.
    if (!AssignIfChanged(m_borderStyle, style))
        return;
    m_border.reapply();
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
    if (m_border.paintView(event))
        return true;
    return TzynSkinned::event(event);
}
