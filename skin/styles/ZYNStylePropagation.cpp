#include "ZYNStylePropagation.h"

#include "Exception.h"
#include "TControlCore.h"
#include "TFont.h"

#include <QPointer>
#include <QVariant>
#include <QWidget>

#include <iterator>
#include <vector>

namespace {

using A = TzynStyleAction;
using C = TzynStyleClass;

// One line per class; the order is the order in which rows are applied to a child.
constexpr TzynStyleRow styleRows[] = {
    { "TzynRadioButton", C::RadioButton, A::AssignUIStyleUnlessCustom },
    { "TzynCheckBox", C::CheckBox, A::AssignUIStyleUnlessCustom },
    { "TzynProgressBar", C::ProgressBar, A::AssignUIStyleUnlessCustom },
    { "TzynButton", C::Button, A::AssignUIStyleUnlessCustom },
    { "TzynListBox", C::ListBox, A::BorderColor },
    { "TzynGroupBox", C::GroupBox, A::GroupBoxColors },
    { "TzynEdit", C::Edit, A::BorderColor },
    { "TzynMemo", C::Memo, A::BorderColor },
    { "TzynCheckListBox", C::CheckListBox, A::AssignUIStyle },
    { "TzynSideChannel", C::SideChannel, A::SideChannelColors },
    { "TzynCheckGroup", C::CheckGroup, A::AssignUIStyle },
    { "TzynComboBox", C::ComboBox, A::AssignUIStyle },
    { "TzynColorBox", C::ColorBox, A::AssignUIStyle, true },
    { "TzynFontComboBox", C::FontComboBox, A::AssignUIStyle, true },
    { "TzynFontSizeComboBox", C::FontSizeComboBox, A::AssignUIStyle, true },
    { "TzynListView", C::ListView, A::BorderColor },
    { "TzynTreeView", C::TreeView, A::BorderColor },
    { "TzynTabControl", C::TabControl, A::AssignUIStyle },
    { "TzynTrackBar", C::TrackBar, A::AssignUIStyle },
    { "TzynToolBar", C::ToolBar, A::AssignUIStyle },
    { "TzynPageControl", C::PageControl, A::AssignUIStyle },
    { "TzynScrollBar", C::ScrollBar, A::AssignUIStyle },
    { "TzynDrawGrid", C::DrawGrid, A::AssignUIStyle, true },
    { "TzynStringGrid", C::StringGrid, A::AssignUIStyle, true },
};

[[noreturn]] void refuse(const QObject *child, const TzynStyleRow &row, const char *what)
{
    throw Exception(QStringLiteral("%1 is pushed a style as a %2 but %3")
                        .arg(QString::fromLatin1(child->metaObject()->className()),
                            QString::fromLatin1(row.className), QString::fromLatin1(what)));
}

template <class Interface>
Interface *require(QObject *child, const TzynStyleRow &row, const char *what)
{
    auto *result = dynamic_cast<Interface *>(child);
    if (!result)
        refuse(child, row, what);
    return result;
}

TControlCore *requireCore(QWidget *child, const TzynStyleRow &row)
{
    TControlCore *core = TControlCore::of(child);
    if (!core)
        refuse(child, row, "is no framework control");
    return core;
}

void applyRow(QWidget *child, const TzynStyleRow &row, TzynUIStyle style)
{
    using E = TzynThemeEntry;
    switch (row.action) {
    case A::AssignUIStyleUnlessCustom: {
        auto *styleable = require<TzynStyleable>(child, row, "follows no style");
        if (styleable->UIStyle() != TzynUIStyle::Custom)
            styleable->setUIStyle(style);
        break;
    }
    case A::AssignUIStyle:
        require<TzynStyleable>(child, row, "follows no style")->setUIStyle(style);
        break;
    case A::BorderColor:
        require<TzynBorderColored>(child, row, "has no border colour")
            ->setBorderColor(GetThemeColor(style, E::ControlBorderColor));
        break;
    case A::GroupBoxColors: {
        auto *bordered = require<TzynBorderColored>(child, row, "has no border colour");
        TControlCore *core = requireCore(child, row);
        bordered->setBorderColor(GetThemeColor(style, E::ControlBorderColor));
        core->fontObject()->setColor(GetThemeColor(style, E::GroupBoxFontColor));
        core->setColorValue(GetThemeColor(style, E::ControlColor));
        break;
    }
    case A::SideChannelColors: {
        auto *sideBar = require<TzynSideBarColored>(child, row, "has no side bar colour");
        requireCore(child, row)->setColorValue(GetThemeColor(style, E::ControlColor));
        sideBar->setSideBarColor(GetThemeColor(style, E::ControlColor));
        break;
    }
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

TzynStyleClasses styleClassesOf(const QObject *child)
{
    const auto *skinned = dynamic_cast<const TzynSkinnedControl *>(child);
    return skinned ? skinned->StyleClasses() : TzynStyleClasses();
}

} // namespace

const TzynStyleRow *StylePropagationTable(int *count)
{
    if (count)
        *count = int(std::size(styleRows));
    return styleRows;
}

bool StyleRowMatches(const TzynStyleRow &row, const QObject *child)
{
    if (!child)
        return false;
    if (row.byName)
        return child->inherits(row.className);
    return styleClassesOf(child).testFlag(row.styleClass);
}

void ApplyUIStyleToChildren(QWidget *container, TzynUIStyle style)
{
    if (!container || style == TzynUIStyle::Custom)
        return;
    for (const QPointer<QWidget> &child : childControls(container)) {
        for (const TzynStyleRow &row : styleRows) {
            if (child && StyleRowMatches(row, child))
                applyRow(child, row, style);
        }
    }
}

void ApplyUIStyleToContainers(QWidget *form, TzynUIStyle style)
{
    if (!form || style == TzynUIStyle::Custom)
        return;
    auto containerOf = [](QWidget *child, const char *className) {
        auto *container = dynamic_cast<TzynStyleContainer *>(child);
        if (!container)
            throw Exception(QStringLiteral("%1 reports itself a %2 but passes no style on")
                                .arg(QString::fromLatin1(child->metaObject()->className()),
                                    QString::fromLatin1(className)));
        return container;
    };
    // A test may replace or remove the child: each one looks again.
    auto is = [](const QPointer<QWidget> &child, C styleClass) {
        return child && styleClassesOf(child).testFlag(styleClass);
    };
    for (const QPointer<QWidget> &child : childControls(form)) {
        if (is(child, C::ImagePanel))
            containerOf(child, "TzynImagePanel")->UpdateUIStyle(style);
        if (is(child, C::GroupBox))
            containerOf(child, "TzynGroupBox")->UpdateChildrenUIStyle(style);
        if (is(child, C::TabControl))
            containerOf(child, "TzynTabControl")->UpdateChildrenUIStyle(style);
        if (is(child, C::TabSheet))
            ApplyUIStyleToChildren(child, style);
    }
}
