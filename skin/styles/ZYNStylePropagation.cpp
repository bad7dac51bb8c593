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
    case A::BorderColor: {
        auto *bordered = require<TzynBorderColored>(child, row, "has no border colour");
        bordered->setBorderColor(GetThemeColor(style, E::ControlBorderColor));
        bordered->StyleHighlight(style);
        break;
    }
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
        sideBar->setSideBarEdgeColor(GetThemeColor(style, E::ControlBorderColor));
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

} // namespace

const TzynStyleRow *StylePropagationTable(int *count)
{
    if (count)
        *count = int(std::size(styleRows));
    return styleRows;
}

bool StyleRowMatches(const TzynStyleRow &row, const QObject *child)
{
    return child && child->inherits(row.className);
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
    auto is = [](const QPointer<QWidget> &child, const char *className) {
        return child && child->inherits(className);
    };
    for (const QPointer<QWidget> &child : childControls(form)) {
        if (is(child, "TzynImagePanel"))
            containerOf(child, "TzynImagePanel")->UpdateUIStyle(style);
        if (is(child, "TzynGroupBox"))
            containerOf(child, "TzynGroupBox")->UpdateChildrenUIStyle(style);
        if (is(child, "TzynTabControl"))
            containerOf(child, "TzynTabControl")->UpdateChildrenUIStyle(style);
        if (is(child, "TzynTabSheet"))
            ApplyUIStyleToChildren(child, style);
    }
}
