#pragma once

// UI styles and their theme records: for each built-in style one constant row of values that
// name the bitmaps of every skinned element and give the colours and sizes that go with them.

#include "TColor.h"

#include <QImage>
#include <QObject>
#include <QString>

class TBitmap;

namespace zyn {
Q_NAMESPACE

// One byte wide, as stored in layouts. Custom means "no theme": the component keeps its own
// pictures, colours and sizes.
enum class TzynUIStyle : quint8 {
    Custom = 0,
    MacOS = 1,
    WinXP = 2,
    DeepBlue = 3,
    Protein = 4,
    BlueGlass = 5
};
Q_ENUM_NS(TzynUIStyle)

// How a panel draws its picture.
enum TzynDrawStyle { zynNormal = 0, zynStretch = 1, zynTile = 2 };
Q_ENUM_NS(TzynDrawStyle)

// Shared by the progress bar, the track bar and the scroll bar.
enum TzynProgressBarOrientation { zynHorizontal = 0, zynVertical = 1 };
Q_ENUM_NS(TzynProgressBarOrientation)

// The edge of its parent a side channel docks to, and what slides it out.
enum TzynSideChannelAlign { zynLeft = 0, zynRight = 1 };
Q_ENUM_NS(TzynSideChannelAlign)
enum TzynSideChannelPopupMode { zynMouseOn = 0, zynMouseClick = 1 };
Q_ENUM_NS(TzynSideChannelPopupMode)

} // namespace zyn

using TzynUIStyle = zyn::TzynUIStyle;
using TzynDrawStyle = zyn::TzynDrawStyle;
using zyn::zynNormal;
using zyn::zynStretch;
using zyn::zynTile;
using TzynProgressBarOrientation = zyn::TzynProgressBarOrientation;
using TzynSideChannelAlign = zyn::TzynSideChannelAlign;
using TzynSideChannelPopupMode = zyn::TzynSideChannelPopupMode;
using zyn::zynHorizontal;
using zyn::zynVertical;

// The kind belongs to the entry, not to the style.
enum class TzynThemeValueKind : quint8 { Integer = 0, Color = 1, ResName = 2, Flag = 3 };

// Entry numbers are stable identifiers (1 to 95). Entries 1, 5, 14 and 19 are part of every
// record but nothing reads them, so they have no name here.
enum class TzynThemeEntry : int {
    FormBorderColor = 2,
    FormColor = 3,
    FormBorderWidth = 4,
    FormMinWidth = 6,
    TitleRoundCorner = 7,
    ControlBorderColor = 8,
    ControlColor = 9,
    GroupBoxFontColor = 10,
    MainMenuSelectedBorderColor = 11,
    MainMenuSelectedColor = 12,
    MainMenuSelectedFontColor = 13,
    MainMenuColor = 15,
    MainMenuFontColor = 16,
    MainMenuBarColor = 17,
    MainMenuSeparatorColor = 18,
    MainMenuItemHeight = 20,
    MainMenuSeparatorHeight = 21,
    MainMenuBarWidth = 22,
    MenuCheckedImage = 23,
    ButtonNormalImage = 24,
    ButtonMouseOnImage = 25,
    ButtonMouseDownImage = 26,
    CheckBoxDisabledCheckedImage = 27,
    CheckBoxDisabledUncheckedImage = 28,
    CheckBoxCheckedImage = 29,
    CheckBoxUncheckedImage = 30,
    CheckBoxMouseOnCheckedImage = 31,
    CheckBoxMouseOnUncheckedImage = 32,
    CheckBoxMouseDownCheckedImage = 33,
    CheckBoxMouseDownUncheckedImage = 34,
    RadioDisabledCheckedImage = 35,
    RadioDisabledUncheckedImage = 36,
    RadioCheckedImage = 37,
    RadioUncheckedImage = 38,
    RadioMouseOnCheckedImage = 39,
    RadioMouseOnUncheckedImage = 40,
    RadioMouseDownCheckedImage = 41,
    RadioMouseDownUncheckedImage = 42,
    ProgressBarImage = 43,
    ProgressBarVerticalImage = 44,
    TitleLeftImage = 45,
    TitleClientImage = 46,
    TitleRightImage = 47,
    TitleCloseNormalImage = 48,
    TitleCloseMouseOnImage = 49,
    TitleCloseMouseDownImage = 50,
    TitleMaxNormalImage = 51,
    TitleMaxMouseOnImage = 52,
    TitleMaxMouseDownImage = 53,
    TitleMinNormalImage = 54,
    TitleMinMouseOnImage = 55,
    TitleMinMouseDownImage = 56,
    TitleHelpNormalImage = 57,
    TitleHelpMouseOnImage = 58,
    TitleHelpMouseDownImage = 59,
    TitleControlBoxNormalImage = 60,
    TitleControlBoxMouseOnImage = 61,
    TitleControlBoxMouseDownImage = 62,
    TitleRestoreNormalImage = 63,
    TitleRestoreMouseOnImage = 64,
    TitleRestoreMouseDownImage = 65,
    TitleButtonTransparent = 66,
    TitleLeftBtnXOffset = 67,
    TitleRightBtnXOffset = 68,
    TitleButtonTop = 69,
    TabActiveImage = 70,
    TabInactiveImage = 71,
    TabLineImage = 72,
    TabHeight = 73,
    ComboBoxButtonColor = 74,
    TrackBarBarImage = 75,
    TrackBarSliderImage = 76,
    TrackBarVerticalBarImage = 77,
    TrackBarVerticalSliderImage = 78,
    TrackBarColor = 79,
    ToolBarButtonBorderColor = 80,
    ToolBarButtonColor = 81,
    ToolBarButtonDownColor = 82,
    ToolBarColor = 83,
    ScrollBarColor = 84,
    ScrollBarTopButtonNormalImage = 85,
    ScrollBarTopButtonMouseOnImage = 86,
    ScrollBarTopButtonMouseDownImage = 87,
    ScrollBarBottomButtonNormalImage = 88,
    ScrollBarBottomButtonMouseOnImage = 89,
    ScrollBarBottomButtonMouseDownImage = 90,
    ScrollBarTrackImage = 91,
    CheckListDisabledCheckedImage = 92,
    CheckListDisabledUncheckedImage = 93,
    CheckListCheckedImage = 94,
    CheckListUncheckedImage = 95,
};

constexpr int zynThemeEntryCount = 95;

// The raw lookup result. For a resource-name entry `name` holds the name and `value` is 0.
struct TzynThemeValue {
    qint32 value = -1;
    TzynThemeValueKind kind = TzynThemeValueKind::Integer;
    const char *name = nullptr;
};

// Only the low seven bits of the style count. Custom (and any style number outside 1 to 5, and
// any entry outside 1 to 95) gives the value -1 of kind integer.
TzynThemeValue GetThemeValue(TzynUIStyle style, TzynThemeEntry entry);
TzynThemeValueKind GetThemeKind(TzynThemeEntry entry);

// Typed accessors; each returns its fallback when the entry is of another kind:
// the empty string, -1, 0 and 0 (black).
QString GetThemeResName(TzynUIStyle style, TzynThemeEntry entry);
int GetThemeInt(TzynUIStyle style, TzynThemeEntry entry);
int GetThemeBool(TzynUIStyle style, TzynThemeEntry entry);
TColor GetThemeColor(TzynUIStyle style, TzynThemeEntry entry);

// The prefix of a built-in style's bitmap names ("MACOS", "WINXP", ...); empty for Custom.
QString ThemeStyleName(TzynUIStyle style);

// Every bitmap name among the program's theme resources, sorted.
QStringList ThemeBitmapNames();

// The decoded theme bitmap of that name (names are matched without regard to case, as
// resource names are). Theme bitmaps are immutable, so each is decoded once and shared; the
// returned image is an implicitly shared copy in Format_RGB32. Raises EResNotFound
// ("Resource NAME not found") for a name that is not among the resources.
QImage ThemeImage(const QString &name);
// The same, or a null image where ThemeImage raises: for paints, which raise nothing.
QImage ThemeImageOrNull(const QString &name);

// Replaces the contents of the bitmap with the theme bitmap of that name.
void LoadThemeBitmap(TBitmap &bitmap, const QString &name);

// The initial-style rule of a new component: the first TzynForm among the owner's child
// controls gives the style (DeepBlue without one), its control border colour (black without
// one) and its colour (clBtnFace without one). The frame is recognised by class name and read
// through its UIStyle and Color properties, so this module does not depend on the frame.
TzynUIStyle FindFormUIStyle(const QObject *owner);
TColor FindFormColor(const QObject *owner);
TColor FindFormBorderColor(const QObject *owner);
