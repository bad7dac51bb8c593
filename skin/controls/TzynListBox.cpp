#include "TzynListBox.h"

#include "TProperty.h"
#include "ZYNControlUtils.h"

TzynListBox::TzynListBox(QWidget *parent)
    : TzynSkinned(parent)
{
    setBorderStyle(Fw::bsNone);
    setBorderWidth(2);
}

void TzynListBox::setBorderStyle(Fw::TBorderStyle style)
{
    if (!AssignIfChanged(m_borderStyle, style))
        return;
    border().reapply();
}
