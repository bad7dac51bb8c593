#pragma once

#include "TCollection.h"

class TzynTitleBar;
class TzynTitleBarSection;

// The title bar's sections in drawing order. Any change of an item repaints the bar.
// A stored collection in a layout replaces the items the bar made for itself.
class TzynTitleBarSections : public TCollection {
    Q_OBJECT
public:
    explicit TzynTitleBarSections(TzynTitleBar *owner);

    TzynTitleBar *Owner() const { return m_owner; }
    TzynTitleBarSection *Items(int index) const;
    TzynTitleBarSection *Add();
    void Assign(const TzynTitleBarSections *source);

protected:
    QObject *createItem() override;

private:
    TzynTitleBar *m_owner;
};
