#pragma once

// Pushing a UI style from a container to the skinned controls on it. The push works by class:
// each direct child is tested against a fixed table of skinned classes, in table order, and
// for each class it is an instance of, either its own UIStyle is assigned (through its
// ordinary property setter) or a few theme colours are copied into its colour properties.
// Classes are recognised by name (QObject::inherits) and reached through their published
// properties, so this module depends on none of them, and a class that lands later is already
// in the table when its name and properties are right.

#include "ZYNThemes.h"

class QWidget;

// Implemented by the skinned containers that pass a style on to their own children: the group
// boxes and the tab controls.
class TzynStyleContainer {
public:
    virtual ~TzynStyleContainer();
    virtual void UpdateChildrenUIStyle(TzynUIStyle style) = 0;
};

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

// Pushes the style to the direct children of the container by the class table. Not recursive.
// Custom has no theme to push and changes nothing.
void ApplyUIStyleToChildren(QWidget *container, TzynUIStyle style);

// For each direct child of the form frame that is a skinned container, that container's own
// push into its children: image panels, group boxes, tab controls, tab sheets.
void ApplyUIStyleToContainers(QWidget *form, TzynUIStyle style);
