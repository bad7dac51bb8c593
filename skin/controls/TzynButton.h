#pragma once

#include "TControl.h"

// The skin library's push button.
class TzynButton : public TControl {
    Q_OBJECT
    T_CAPTION_PROPERTY
public:
    explicit TzynButton(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
