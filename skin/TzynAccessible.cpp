#include "TzynAccessible.h"

#include "TzynCheckBox.h"
#include "TzynCheckGroup.h"
#include "TzynCustomButton.h"
#include "TzynCustomButtonEx.h"
#include "TzynCustomGroupBox.h"
#include "TzynForm.h"
#include "TzynImagePanel.h"
#include "TzynProgressBar.h"
#include "TzynRadioButton.h"
#include "TzynScrollBar.h"
#include "TzynScrollTrackBar.h"
#include "TzynSideChannel.h"
#include "TzynTab.h"
#include "TzynTabControlTopPanel.h"
#include "TzynTabSheet.h"
#include "TzynTitleBar.h"
#include "TzynToolBar.h"
#include "TzynTrackBar.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

QString withoutAccelerator(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return text.trimmed();
}

QAccessibleInterface *skinFactory(const QString &className, QObject *object)
{
    // Asked once per class of the object's ancestry: answer at its own class only.
    if (!object || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget || TzynAccessible::RoleOf(widget) == QAccessible::NoRole)
        return nullptr;
    return new TzynAccessible(widget);
}

} // namespace

TzynAccessible::TzynAccessible(QWidget *widget)
    : QAccessibleWidget(widget, RoleOf(widget))
{
}

void TzynAccessible::install()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(skinFactory);
}

QAccessible::Role TzynAccessible::RoleOf(const QWidget *widget)
{
    // Qt's own editors, lists, trees and combo boxes read their contents better than a
    // plain widget could.
    if (qobject_cast<const QAbstractItemView *>(widget) || qobject_cast<const QLineEdit *>(widget)
        || qobject_cast<const QPlainTextEdit *>(widget) || qobject_cast<const QComboBox *>(widget))
        return QAccessible::NoRole;
    if (qobject_cast<const TzynRadioButton *>(widget))
        return QAccessible::RadioButton;
    if (qobject_cast<const TzynCheckBox *>(widget))
        return QAccessible::CheckBox;
    if (qobject_cast<const TzynCustomButton *>(widget))
        return QAccessible::Button;
    if (qobject_cast<const TzynTrackBar *>(widget)
        || qobject_cast<const TzynScrollTrackBar *>(widget))
        return QAccessible::Slider;
    if (qobject_cast<const TzynScrollBar *>(widget))
        return QAccessible::ScrollBar;
    if (qobject_cast<const TzynProgressBar *>(widget))
        return QAccessible::ProgressBar;
    if (qobject_cast<const TzynTabSheet *>(widget))
        return QAccessible::PropertyPage;
    if (qobject_cast<const TzynTab *>(widget))
        return QAccessible::PageTabList;
    if (qobject_cast<const TzynTabControlTopPanel *>(widget))
        return QAccessible::PageTabList;
    if (qobject_cast<const TzynCheckGroup *>(widget)
        || qobject_cast<const TzynCustomGroupBox *>(widget))
        return QAccessible::Grouping;
    if (qobject_cast<const TzynToolBar *>(widget))
        return QAccessible::ToolBar;
    if (qobject_cast<const TzynTitleBar *>(widget))
        return QAccessible::TitleBar;
    if (qobject_cast<const TzynForm *>(widget) || qobject_cast<const TzynSideChannel *>(widget))
        return QAccessible::Pane;
    if (qobject_cast<const TzynImagePanel *>(widget))
        return QAccessible::StaticText;
    return QAccessible::NoRole;
}

QString TzynAccessible::text(QAccessible::Text t) const
{
    const QWidget *w = widget();
    switch (t) {
    case QAccessible::Name: {
        // The tab row is named by its selected tab.
        if (const auto *strip = qobject_cast<const TzynTabControlTopPanel *>(w)) {
            const QString tab = strip->Tabs().value(strip->TabIndex());
            if (!tab.isEmpty())
                return withoutAccelerator(tab);
        }
        const QString caption = withoutAccelerator(w->property("Caption").toString());
        if (!caption.isEmpty())
            return caption;
        if (!w->accessibleName().isEmpty())
            return w->accessibleName();
        return w->toolTip();
    }
    case QAccessible::Description:
        return w->accessibleDescription().isEmpty() ? w->toolTip() : w->accessibleDescription();
    case QAccessible::Value:
        return hasValue() ? currentValue().toString() : QString();
    default:
        return QAccessibleWidget::text(t);
    }
}

QAccessible::State TzynAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    if (const auto *button = qobject_cast<const TzynCustomButton *>(widget()))
        s.pressed = button->MouseDown();
    if (const auto *box = qobject_cast<const TzynCustomButtonEx *>(widget())) {
        s.checkable = true;
        s.checked = box->Checked();
    }
    if (const auto *strip = qobject_cast<const TzynTabControlTopPanel *>(widget()))
        s.focusable = strip->focusPolicy() != Qt::NoFocus;
    return s;
}

void *TzynAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface && hasValue())
        return static_cast<QAccessibleValueInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

bool TzynAccessible::hasValue() const
{
    const QAccessible::Role r = role();
    return r == QAccessible::Slider || r == QAccessible::ScrollBar || r == QAccessible::ProgressBar;
}

QVariant TzynAccessible::currentValue() const
{
    return widget()->property("Position");
}

void TzynAccessible::setCurrentValue(const QVariant &value)
{
    widget()->setProperty("Position", value);
}

QVariant TzynAccessible::maximumValue() const
{
    return widget()->property("Max");
}

QVariant TzynAccessible::minimumValue() const
{
    return widget()->property("Min");
}

QVariant TzynAccessible::minimumStepSize() const
{
    const QVariant step = widget()->property("SmallChange");
    return step.isValid() ? step : QVariant(1);
}
