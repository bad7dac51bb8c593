#pragma once

#include "TCollection.h"

class TzynTitleBar;
class TzynTitleBarButton;

// The title bar's buttons. Right-hand buttons are laid out from the right edge in collection
// order; the control box sits on the left. Any change of an item repaints the bar.
// A stored collection in a layout replaces the items the bar made for itself.
class TzynTitleBarButtons : public TCollection {
    Q_OBJECT
public:
    explicit TzynTitleBarButtons(TzynTitleBar *owner);

    TzynTitleBar *Owner() const { return m_owner; }
    TzynTitleBarButton *Items(int index) const;
    TzynTitleBarButton *Add();
    void Assign(const TzynTitleBarButtons *source);

    // Whether the bar's window is maximised, as the bar last told it: the maximise button
    // shows its restore pictures then.
    bool WindowMaximized() const { return m_windowMaximized; }
    void setWindowMaximized(bool value) { m_windowMaximized = value; }

Q_SIGNALS:
    // A button asked for its action.
    void ButtonTriggered(TzynTitleBarButton *button);

protected:
    QObject *createItem() override;

private:
    TzynTitleBar *m_owner;
    bool m_windowMaximized = false;
};
