#pragma once

// The look of each built-in style beyond its theme record: the per-style facts that are not
// entries (which pictures have keyed corners, how focus shows, where and in which colour the
// title caption goes, the form frame's background), and for each kind of picture control the
// theme entry that gives its picture in each state. Controls read them at paint time or when
// their style changes, so that a style's quirks are stated here once, as data, and nowhere
// as a branch on the style.

#include "ZYNThemes.h"

#include <QImage>

class QWidget;

#include <optional>

struct TzynStyleLook {
    // The push button pictures have keyed corners that let the background through, so a
    // button of the style is transparent.
    bool buttonTransparent = false;
    // Focus shows as a bold caption instead of the dotted rectangle.
    bool focusAsBoldCaption = false;
    // Check boxes and radio buttons show their parent's background; nullopt leaves a
    // control's own setting alone.
    std::optional<bool> checkBoxTransparent;
    // The title caption's colour while the form is active; nullopt is the bar's font colour.
    std::optional<TColor> titleCaptionColor;
    // The title caption's top; nullopt centres it on the bar.
    std::optional<int> titleCaptionTop;
    // The theme bitmap tiled over the form frame's client area; null fills it with Color.
    const char *formBackground = nullptr;
    // The maximise button changes to the restore pictures as its click maximises or
    // restores the window.
    bool maxButtonShowsRestore = false;
    // Menus and the menu bar are drawn from pictures instead of colour fills: the bar
    // picture behind items, separators and the menu bar, the selection picture behind the
    // selected item and a hot bar button; null draws them in the menu's colours.
    const char *menuBarPicture = nullptr;
    const char *menuSelectPicture = nullptr;
    // Menu item and separator heights are the theme's and cannot be changed.
    bool menuHeightsFixed = false;
    // Tool bars show their parent's background instead of their colour.
    bool toolBarTransparent = false;
    // The body of a tab or page control; nullopt is the theme's control colour.
    std::optional<TColor> tabBodyColor;
    // The combo box's drop-down button shows this theme bitmap instead of ButtonColor.
    const char *comboBoxButton = nullptr;
};

// The look of a style; Custom has the look of no style: no keyed corners, the dotted focus,
// the font colour, a centred caption, a plain background, and its check boxes keep theirs.
const TzynStyleLook &StyleLook(TzynUIStyle style);

// The states a picture control is drawn in, in the order they win: disabled over pressed over
// under the mouse over normal.
enum class TzynPictureState { Normal, MouseOn, MouseDown, Disabled };

TzynPictureState PictureState(bool enabled, bool mouseDown, bool mouseOn);

// The kinds of control whose pictures come from the theme by state.
enum class TzynPictureKind { Button, CheckBox, RadioButton };

// The theme entry that holds the picture of a control kind in a state, checked or not (the
// push button has one picture per state, checked or not).
TzynThemeEntry PictureEntry(TzynPictureKind kind, TzynPictureState state, bool checked);

// The one lookup of a state picture: the theme bitmap of the kind's entry for the state, the
// normal picture where the style has none for the state, and a null image where the style
// has no picture of the kind at all (the control then draws none). Decoded once per style,
// kind, state and check, and never raises.
QImage ThemePicture(TzynUIStyle style, TzynPictureKind kind, TzynPictureState state, bool checked);

// The picture a theme bitmap without state entries of its own (a thumb, a slider, a tab, the
// combo box's button) shows in a state: the bitmap named "<name>_MOUSEON" or "<name>_MOUSEDOWN"
// beside it, the normal one where there is none (and for the normal and disabled states). Null
// when not even the normal picture exists; never raises.
QImage ThemeStateImage(const QString &name, TzynPictureState state);

// One selection highlight per style, the one its menus use: the selected item's colour and
// its text colour. Lists, trees, check lists and the combo box's list take it into their
// palette (both for the active and the inactive window); Custom gives the application's own.
void ApplyStyleHighlight(QWidget *widget, TzynUIStyle style);
