#include "TzynComboBox.h"

TzynComboBox::TzynComboBox(QWidget *parent)
    : TzynCustomComboBox(parent)
{
}
