#include "TzynTreeView.h"

TzynTreeView::TzynTreeView(QWidget *parent)
    : TTreeView(parent)
{
}
