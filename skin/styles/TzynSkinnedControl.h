#pragma once

// The contract of a skinned control: the first style it takes from the form frame of its
// owner, and the typed operations through which a style push reaches it. The style push and
// the contract test work through these interfaces only, so a control that does not implement
// what its table row asks of it is found by the compiler or by the contract test, never
// skipped in silence.

#include "TColor.h"
#include "ZYNThemes.h"

class QObject;

// Implemented by every skinned control.
class TzynSkinnedControl {
public:
    virtual ~TzynSkinnedControl();

    // Takes what a new control takes from the style of the form frame among its owner's
    // children (InitialStyle); from then on the control has its first style, and polishing it
    // takes none.
    void TakeInitialStyle(TzynUIStyle style)
    {
        m_firstStyleTaken = true;
        InitialStyle(style);
    }
    // Whether the first style has been taken or given.
    bool FirstStyleTaken() const { return m_firstStyleTaken; }

protected:
    virtual void InitialStyle(TzynUIStyle style) = 0;
    // A layout or program gave the control its look before it was polished: the first style
    // is not taken over it.
    void markFirstStyleTaken() { m_firstStyleTaken = true; }

    // Takes the first style now from the first skinned form frame among the owner's child
    // controls, DeepBlue without one: for a part that a frame makes for itself. Controls take
    // it when they are polished (TzynSkinned).
    void TakeOwnerStyle(const QObject *owner);

private:
    bool m_firstStyleTaken = false;
};

// The two kinds below share the contract as a virtual base, so that a control of both kinds (a
// check group: a bordered group box with a style of its own) is still one skinned control; it
// says itself what its first style gives it.

// A skinned control that follows a UI style of its own (published as UIStyle).
class TzynStyleable : public virtual TzynSkinnedControl {
public:
    virtual TzynUIStyle UIStyle() const = 0;
    // Stores the style and, unless it is Custom, takes the style's theme entries through the
    // control's ordinary setters.
    virtual void setUIStyle(TzynUIStyle style) = 0;

    void InitialStyle(TzynUIStyle style) override { setUIStyle(style); }
};

// A skinned control without a style of its own that takes the theme's control border colour.
class TzynBorderColored : public virtual TzynSkinnedControl {
public:
    virtual TColor BorderColor() const = 0;
    virtual void setBorderColor(TColor color) = 0;
    // A style given to the control (its first one, or one pushed over its container): a
    // control that selects rows takes the style's highlight here.
    virtual void StyleHighlight(TzynUIStyle) { }

    void InitialStyle(TzynUIStyle style) override;
};

// A skinned control with a side bar of its own colour (the side channel): a style push gives
// bar and control the theme's control colour. Its first colour is the owner's form colour,
// which it takes itself, so the first style gives it nothing.
class TzynSideBarColored : public virtual TzynSkinnedControl {
public:
    virtual TColor SideBarColor() const = 0;
    virtual void setSideBarColor(TColor color) = 0;
    // The line round the bar and the slid-out panel: the theme's control border colour.
    virtual void setSideBarEdgeColor(TColor) { }

    void InitialStyle(TzynUIStyle) override { }
};

// The skinned form frame as new controls see it: the first one among the owner's children
// gives them their first style and colours. Recognised by type, so a frame class of another
// name (or a control merely named like one) cannot be mistaken for it.
class TzynFormFrame {
public:
    virtual ~TzynFormFrame();
    virtual TzynUIStyle FrameStyle() const = 0;
    virtual TColor FrameColor() const = 0;
};

// Implemented by the skinned containers that pass a style on to their own children: the
// skinned panels (and with them the group boxes) and the tab controls.
class TzynStyleContainer {
public:
    virtual ~TzynStyleContainer();
    // The panel's push into the controls placed directly on it.
    virtual void UpdateUIStyle(TzynUIStyle style) = 0;
    // The container's push into its children; containers that take colours of their own or
    // restyle pages override it.
    virtual void UpdateChildrenUIStyle(TzynUIStyle style) = 0;
};
