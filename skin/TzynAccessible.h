#pragma once

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

// What a screen reader learns of a skinned control that draws itself: its role from its kind
// (push, check or radio button, slider, scroll bar, progress bar, page, group, tool bar, tab
// row, label), its name (the caption, else the accessible name or the hint), its hint as the
// description, its state (focus, checked, pressed, disabled) and, for bars, the value.
// Controls built on Qt's own editors, lists, trees and combo boxes keep Qt's interfaces, which
// read their entries and text; the framework gives them the hint as their name.
class TzynAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit TzynAccessible(QWidget *widget);

    // Makes every skinned control answer through this class. Once per program; further calls
    // do nothing.
    static void install();
    // The role a skinned control reports, or NoRole for one that is not this class's.
    static QAccessible::Role RoleOf(const QWidget *widget);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant &value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    bool hasValue() const;
};
