#include "TzynListBox.h"

#include "ZYNControlUtils.h"

TzynListBox::TzynListBox(QWidget *parent)
    : TzynSkinned(parent)
{
    setBorderStyle(Fw::bsNone);
    setBorderWidth(2);
}

void TzynListBox::setBorderStyle(Fw::TBorderStyle style)
{
    m_borderStyle = style;
    border().reapply();
}
