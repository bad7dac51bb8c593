#pragma once

#include "TCustomPanel.h"

// The skin library's group box: a frame around other controls.
class TzynGroupBox : public TCustomPanel {
    Q_OBJECT
    Q_PROPERTY(bool Transparent READ Transparent WRITE setTransparent)
    Q_PROPERTY(TColor BorderColor READ BorderColor WRITE setBorderColor)
public:
    explicit TzynGroupBox(QWidget *parent = nullptr);

    bool Transparent() const { return m_transparent; }
    void setTransparent(bool value);
    TColor BorderColor() const { return m_borderColor; }
    void setBorderColor(TColor color);

private:
    bool m_transparent = false;
    TColor m_borderColor = Colors::clBlack;
};
