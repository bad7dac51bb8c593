#include "ZYNStylePropagation.h"

#include "TFont.h"
#include "TzynImagePanel.h"

#include <QMetaProperty>
#include <QPointer>
#include <QVariant>
#include <QWidget>

#include <iterator>
#include <vector>

TzynStyleContainer::~TzynStyleContainer() = default;

namespace {

using A = TzynStyleAction;

// One line per class; the order is the order in which rows are applied to a child.
constexpr TzynStyleRow styleRows[] = {
    { "TzynRadioButton", A::AssignUIStyleUnlessCustom },
    { "TzynCheckBox", A::AssignUIStyleUnlessCustom },
    { "TzynProgressBar", A::AssignUIStyleUnlessCustom },
    { "TzynButton", A::AssignUIStyleUnlessCustom },
    { "TzynListBox", A::BorderColor },
    { "TzynGroupBox", A::GroupBoxColors },
    { "TzynEdit", A::BorderColor },
    { "TzynMemo", A::BorderColor },
    { "TzynCheckListBox", A::AssignUIStyle },
    { "TzynSideChannel", A::SideChannelColors },
    { "TzynCheckGroup", A::AssignUIStyle },
    { "TzynComboBox", A::AssignUIStyle },
    { "TzynColorBox", A::AssignUIStyle },
    { "TzynFontComboBox", A::AssignUIStyle },
    { "TzynFontSizeComboBox", A::AssignUIStyle },
    { "TzynListView", A::BorderColor },
    { "TzynTreeView", A::BorderColor },
    { "TzynTabControl", A::AssignUIStyle },
    { "TzynTrackBar", A::AssignUIStyle },
    { "TzynToolBar", A::AssignUIStyle },
    { "TzynPageControl", A::AssignUIStyle },
    { "TzynScrollBar", A::AssignUIStyle },
    { "TzynDrawGrid", A::AssignUIStyle },
    { "TzynStringGrid", A::AssignUIStyle },
};

// Writes a published property; a class without it is left alone (setProperty would silently
// create a dynamic property instead).
void writeProperty(QObject *object, const char *name, const QVariant &value)
{
    const QMetaObject *meta = object->metaObject();
    const int index = meta->indexOfProperty(name);
    if (index >= 0)
        meta->property(index).write(object, value);
}

QVariant readProperty(const QObject *object, const char *name)
{
    const QMetaObject *meta = object->metaObject();
    const int index = meta->indexOfProperty(name);
    return index >= 0 ? meta->property(index).read(object) : QVariant();
}

QVariant styleValue(TzynUIStyle style)
{
    return QVariant::fromValue(style);
}

void applyRow(QWidget *child, TzynStyleAction action, TzynUIStyle style)
{
    using E = TzynThemeEntry;
    switch (action) {
    case A::AssignUIStyleUnlessCustom: {
        const QVariant own = readProperty(child, "UIStyle");
        if (own.isValid() && own.value<TzynUIStyle>() != TzynUIStyle::Custom)
            writeProperty(child, "UIStyle", styleValue(style));
        break;
    }
    case A::AssignUIStyle:
        writeProperty(child, "UIStyle", styleValue(style));
        break;
    case A::BorderColor:
        writeProperty(child, "BorderColor", GetThemeColor(style, E::ControlBorderColor));
        break;
    case A::GroupBoxColors: {
        writeProperty(child, "BorderColor", GetThemeColor(style, E::ControlBorderColor));
        if (auto *font = readProperty(child, "Font").value<TFont *>())
            font->setColor(GetThemeColor(style, E::GroupBoxFontColor));
        writeProperty(child, "Color", GetThemeColor(style, E::ControlColor));
        break;
    }
    case A::SideChannelColors:
        writeProperty(child, "Color", GetThemeColor(style, E::ControlColor));
        writeProperty(child, "SideBarColor", GetThemeColor(style, E::ControlColor));
        break;
    }
}

// The child controls as they stand when the push starts; a setter that adds or removes
// children does not change which ones are visited.
std::vector<QPointer<QWidget>> childControls(const QWidget *container)
{
    std::vector<QPointer<QWidget>> result;
    for (QObject *child : container->children()) {
        if (child->isWidgetType())
            result.emplace_back(static_cast<QWidget *>(child));
    }
    return result;
}

} // namespace

const TzynStyleRow *StylePropagationTable(int *count)
{
    if (count)
        *count = int(std::size(styleRows));
    return styleRows;
}

void ApplyUIStyleToChildren(QWidget *container, TzynUIStyle style)
{
    if (!container || style == TzynUIStyle::Custom)
        return;
    for (const QPointer<QWidget> &child : childControls(container)) {
        for (const TzynStyleRow &row : styleRows) {
            if (child && child->inherits(row.className))
                applyRow(child, row.action, style);
        }
    }
}

void ApplyUIStyleToContainers(QWidget *form, TzynUIStyle style)
{
    if (!form || style == TzynUIStyle::Custom)
        return;
    for (const QPointer<QWidget> &child : childControls(form)) {
        if (child && child->inherits("TzynImagePanel"))
            static_cast<TzynImagePanel *>(child.data())->UpdateUIStyle(style);
        if (child && child->inherits("TzynGroupBox")) {
            if (auto *container = dynamic_cast<TzynStyleContainer *>(child.data()))
                container->UpdateChildrenUIStyle(style);
        }
        if (child && child->inherits("TzynTabControl")) {
            if (auto *container = dynamic_cast<TzynStyleContainer *>(child.data()))
                container->UpdateChildrenUIStyle(style);
        }
        if (child && child->inherits("TzynTabSheet"))
            ApplyUIStyleToChildren(child, style);
    }
}
