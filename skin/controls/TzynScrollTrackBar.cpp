#include "TzynScrollTrackBar.h"

TzynScrollTrackBar::TzynScrollTrackBar(QWidget *parent)
    : TzynTrackBar(parent)
{
    // The scroll bar around it takes the focus and the keys.
    setFocusPolicy(Qt::NoFocus);
}
