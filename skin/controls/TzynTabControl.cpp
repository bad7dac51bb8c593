#include "TzynTabControl.h"

#include "TzynTabControlTopPanel.h"
#include "ZYNControlUtils.h"

TzynTabControl::TzynTabControl(QWidget *parent)
    : TzynTab(parent)
{
    AttachStrip(new TzynTabControlTopPanel(this));
}

QStringList TzynTabControl::Tabs() const
{
    return Strip()->Tabs();
}

void TzynTabControl::setTabs(const QStringList &tabs)
{
    Strip()->setTabs(tabs);
}
