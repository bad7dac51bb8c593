#pragma once

#include "TControl.h"

// The window frame drawn by the skin library. It covers its host window's client area and is
// the parent of everything visible on it; the host keeps a minimum height of 50 and may not
// grow beyond the desktop work area.
class TzynForm : public TControl {
    Q_OBJECT
    T_CAPTION_PROPERTY
    Q_PROPERTY(TColor BorderColor READ BorderColor WRITE setBorderColor)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE setBorderWidth)
public:
    explicit TzynForm(QWidget *parent = nullptr);

    TColor BorderColor() const { return m_borderColor; }
    void setBorderColor(TColor color);
    int BorderWidth() const { return m_borderWidth; }
    void setBorderWidth(int width);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void attachToHost();
    void coverHost();

    QWidget *m_host = nullptr;
    TColor m_borderColor = Colors::clBlack;
    int m_borderWidth = 1;
};
