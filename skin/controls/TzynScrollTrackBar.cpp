#include "TzynScrollTrackBar.h"

TzynScrollTrackBar::TzynScrollTrackBar(QWidget *parent)
    : TzynTrackBar(parent)
{
}
