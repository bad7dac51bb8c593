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

protected:
    QObject *createItem() override;

private:
    TzynTitleBar *m_owner;
};
