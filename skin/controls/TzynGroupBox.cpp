#include "TzynGroupBox.h"

TzynGroupBox::TzynGroupBox(QWidget *parent)
    : TzynCustomGroupBox(parent)
{
}
