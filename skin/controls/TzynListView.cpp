#include "TzynListView.h"

#include "ZYNControlUtils.h"
#include "ZYNDraw.h"
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
    m_borderColor = FindFormBorderColor(ControlOwner(parent));
}

void TzynListView::setBorderColor(TColor color)
{
    m_borderColor = color;
    update();
}

void TzynListView::setBorderWidth(int width)
{
    m_borderWidth = std::max(0, width);
    setContentsMargins(m_borderWidth, m_borderWidth, m_borderWidth, m_borderWidth);
    update();
}

void TzynListView::setBorderStyle(Fw::TBorderStyle style)
{
    m_borderStyle = style;
    setFrameShape(style == Fw::bsNone ? QFrame::NoFrame : QFrame::StyledPanel);
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

bool TzynListView::event(QEvent *event)
{
    const bool result = TControlBase<QListWidget>::event(event);
    if (event->type() == QEvent::Paint)
        DrawWindowFrame(this, m_borderColor, Color());
    return result;
}
