#pragma once

#include "TzynTab.h"

#include <QStringList>

// The plain tab control: a list of tab captions and the selected index; what the tabs stand
// for is up to the program, told through OnChanging, OnTabActive and OnChange.
class TzynTabControl : public TzynTab {
    Q_OBJECT
    Q_PROPERTY(QStringList Tabs READ Tabs WRITE setTabs)
    Q_PROPERTY(int TabIndex READ TabIndex WRITE setTabIndex)
public:
    explicit TzynTabControl(QWidget *parent = nullptr);

    QStringList Tabs() const;
    void setTabs(const QStringList &tabs);
    int TabIndex() const { return CurrentTabIndex(); }
    void setTabIndex(int index) { SetTabIndex(index); }
};
