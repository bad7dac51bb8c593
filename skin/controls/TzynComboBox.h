#pragma once

#include "TzynCustomComboBox.h"

// The skinned combo box as layouts place it.
class TzynComboBox : public TzynCustomComboBox {
    Q_OBJECT
    T_CONTROL_PROPERTIES
    Q_PROPERTY(zyn::TzynUIStyle UIStyle READ UIStyle WRITE setUIStyle)
    Q_PROPERTY(TColor BorderColor READ BorderColor WRITE setBorderColor)
    Q_PROPERTY(TColor ButtonColor READ ButtonColor WRITE setButtonColor)
    Q_PROPERTY(TColor ArrowColor READ ArrowColor WRITE setArrowColor)
    Q_PROPERTY(TzynCustomComboBox::TComboBoxStyle Style READ Style WRITE setStyle)
    Q_PROPERTY(TzynCustomComboBox::TEditCharCase CharCase READ CharCase WRITE setCharCase)
    Q_PROPERTY(int DropDownCount READ DropDownCount WRITE setDropDownCount)
    Q_PROPERTY(int ItemHeight READ ItemHeight WRITE setItemHeight)
    Q_PROPERTY(TStrings *Items READ Items)
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE setItemIndex)
    Q_PROPERTY(QString Text READ Text WRITE setText)
public:
    explicit TzynComboBox(QWidget *parent = nullptr);
};
