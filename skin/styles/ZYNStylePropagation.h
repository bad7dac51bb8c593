#pragma once

// Pushing a UI style from a container to the skinned controls on it. The push works by class:
// each direct child is tested against a fixed table of skinned classes, in table order, and
// for each class it is an instance of, either its own UIStyle is assigned (through its
// ordinary property setter) or a few theme colours are copied into its colour properties.
//
// A child is matched to a row by the classes it reports through the skinned-control contract
// (TzynSkinnedControl), and the row's action reaches it through the contract's typed
// operations, so this module depends on no control class. Only the rows of the library's
// grids, colour box and font combo boxes match by class name; a control matched by name that
// does not follow a style is refused loudly. So is any matched control that lacks what its
// row's action needs.

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
    TzynStyleClass styleClass;
    TzynStyleAction action;
    // The row matches by class name (QObject::inherits) rather than by the classes a control
    // reports: only for the library classes whose behaviour is not laid down further.
    bool byName = false;
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
