#include "TzynComboBox.h"

#include "ZYNControlUtils.h"

TzynComboBox::TzynComboBox(QWidget *parent)
    : TzynCustomComboBox(parent)
{
    TakeOwnerStyle(ControlOwner(parent));
}
