#include "TzynImagePanel.h"

TzynImagePanel::TzynImagePanel(QWidget *parent)
    : TzynCustomPanel(parent)
{
    setBorderWidth(0);
    setAlignment(Fw::taCenter);
    setColor(Colors::clBtnFace);
    setTabStop(false);
}
