#pragma once

#include "TzynCustomGroupBox.h"

// The published group box.
class TzynGroupBox : public TzynCustomGroupBox {
    Q_OBJECT
    Q_PROPERTY(TColor BorderColor READ BorderColor WRITE setBorderColor)
public:
    explicit TzynGroupBox(QWidget *parent = nullptr);
};
