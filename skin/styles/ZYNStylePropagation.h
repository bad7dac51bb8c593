#pragma once

// Pushing a UI style from a container to the skinned controls on it. The push works by class:
// each direct child is tested against a fixed table of skinned classes, in table order, and
// for each class it is an instance of, either its own UIStyle is assigned (through its
// ordinary property setter) or a few theme colours are copied into its colour properties.
//
// A row names its class as moc does, and a child is matched to it through Qt's meta-object
// system (QObject::inherits, which walks the child's meta-object chain), so this module
// depends on no control class and a control needs no flag of its own to be found. The row's
// action reaches the child through the skinned-control contract's typed operations; a
// matched child that lacks what its row's action needs is refused loudly. The table keeps
// rows for the library's grids, colour box and font combo boxes, which this library does not
// build: they match nothing here, and whatever class of those names a program adds.

#include "TzynSkinnedControl.h"
#include "ZYNThemes.h"

class QWidget;

// What a row of the class table does to a child of its class.
enum class TzynStyleAction {
    AssignUIStyleUnlessCustom, // UIStyle := style, unless the child's own style is Custom
    AssignUIStyle, // UIStyle := style
    BorderColor, // BorderColor := ControlBorderColor
    GroupBoxColors, // BorderColor, Font.Color := GroupBoxFontColor, Color := ControlColor
    SideChannelColors, // Color and SideBarColor := ControlColor
};

struct TzynStyleRow {
    const char *className;
    TzynStyleAction action;
};

// The class table in its order.
const TzynStyleRow *StylePropagationTable(int *count);

// Whether the child is an instance of the row's class.
bool StyleRowMatches(const TzynStyleRow &row, const QObject *child);

// Pushes the style to the direct children of the container by the class table. Not recursive.
// Custom has no theme to push and changes nothing. Raises Exception for a matched child that
// cannot take what its row gives.
void ApplyUIStyleToChildren(QWidget *container, TzynUIStyle style);

// For each direct child of the form frame that is a skinned container, that container's own
// push into its children: image panels, group boxes, tab controls, tab sheets.
void ApplyUIStyleToContainers(QWidget *form, TzynUIStyle style);
