#include "TzynListBox.h"

#include "ZYNControlUtils.h"

TzynListBox::TzynListBox(QWidget *parent)
    : TzynCustomListBox(parent)
{
    setBorderStyle(Fw::bsNone);
    setBorderWidth(2);
    TakeOwnerStyle(ControlOwner(parent));
}

void TzynListBox::setBorderStyle(Fw::TBorderStyle style)
{
    m_borderStyle = style;
    border().reapply();
}
