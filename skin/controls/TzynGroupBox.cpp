#include "TzynGroupBox.h"

TzynGroupBox::TzynGroupBox(QWidget *parent)
    : TCustomPanel(parent)
{
    setBevelOuter(Fw::bvNone);
}

void TzynGroupBox::setTransparent(bool value)
{
    if (m_transparent == value)
        return;
    m_transparent = value;
    update();
}

void TzynGroupBox::setBorderColor(TColor color)
{
    if (m_borderColor == color)
        return;
    m_borderColor = color;
    update();
}
