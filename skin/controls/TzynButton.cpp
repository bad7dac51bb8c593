#include "TzynButton.h"

#include <QPainter>

TzynButton::TzynButton(QWidget *parent)
    : TControl(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void TzynButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(Colors::clBtnFace));
    painter.fillRect(QRect(0, 0, width(), 1), toQColor(Colors::clBtnHighlight));
    painter.fillRect(QRect(0, 0, 1, height()), toQColor(Colors::clBtnHighlight));
    painter.fillRect(QRect(0, height() - 1, width(), 1), toQColor(Colors::clBtnShadow));
    painter.fillRect(QRect(width() - 1, 0, 1, height()), toQColor(Colors::clBtnShadow));
    painter.setFont(Font()->toQFont());
    painter.setPen(Font()->qColor());
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, Caption());
}
