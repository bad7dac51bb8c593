#pragma once

#include "TControlBase.h"

// A control that paints itself: the base of the framework's and the skin library's own
// widgets. Left clicks released inside the control raise OnClick.
class TControl : public TControlBase<QWidget> {
    Q_OBJECT
    T_CONTROL_PROPERTIES
public:
    explicit TControl(QWidget *parent = nullptr);

Q_SIGNALS:
    void OnClick(QObject *Sender);
    void OnDblClick(QObject *Sender);
    void OnResize(QObject *Sender);
    T_CONTROL_EVENTS

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    // Called for a completed left click; raises OnClick.
    virtual void Click();

private:
    bool m_leftDown = false;
};
