#include "TzynPageControlTopPanel.h"

TzynPageControlTopPanel::TzynPageControlTopPanel(TzynTab *owner)
    : TzynTabControlTopPanel(owner)
{
}
