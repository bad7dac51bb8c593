#pragma once

#include <QObject>

// Enumerations published by the framework's components. They live in one namespace with a
// meta-object, so that the layout loader can turn the names written in a layout description
// ("alClient", "[akLeft, akTop]") into values through Qt's property system.
namespace Fw {
Q_NAMESPACE

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
Q_ENUM_NS(TAlign)

enum TAnchorKind { akLeft = 0x1, akTop = 0x2, akRight = 0x4, akBottom = 0x8 };
Q_DECLARE_FLAGS(TAnchors, TAnchorKind)
Q_FLAG_NS(TAnchors)

enum TFontStyle { fsBold = 0x1, fsItalic = 0x2, fsUnderline = 0x4, fsStrikeOut = 0x8 };
Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
Q_FLAG_NS(TFontStyles)

enum TFontCharset {
    ANSI_CHARSET = 0,
    DEFAULT_CHARSET = 1,
    SYMBOL_CHARSET = 2,
    GB2312_CHARSET = 134,
    OEM_CHARSET = 255
};
Q_ENUM_NS(TFontCharset)

// Cursor identifiers with the values that stored layouts use.
enum TCursor {
    crDefault = 0,
    crNone = -1,
    crArrow = -2,
    crCross = -3,
    crIBeam = -4,
    crSizeNESW = -6,
    crSizeNS = -7,
    crSizeNWSE = -8,
    crSizeWE = -9,
    crUpArrow = -10,
    crHourGlass = -11,
    crNo = -18,
    crHandPoint = -21,
    crSizeAll = -22
};
Q_ENUM_NS(TCursor)

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
Q_ENUM_NS(TAlignment)

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
Q_ENUM_NS(TBevelCut)

enum TBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
Q_ENUM_NS(TBorderStyle)

// Which of its own scroll bars a memo shows.
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
Q_ENUM_NS(TScrollStyle)

enum TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};
Q_ENUM_NS(TPosition)

enum TWindowState { wsNormal, wsMinimized, wsMaximized };
Q_ENUM_NS(TWindowState)

enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
Q_ENUM_NS(TBiDiMode)

enum TMouseButton { mbLeft, mbRight, mbMiddle };
Q_ENUM_NS(TMouseButton)

// Keys and buttons held during an input event.
enum TShiftStateFlag {
    ssShift = 0x1,
    ssAlt = 0x2,
    ssCtrl = 0x4,
    ssLeft = 0x8,
    ssRight = 0x10,
    ssMiddle = 0x20,
    ssDouble = 0x40
};
Q_DECLARE_FLAGS(TShiftState, TShiftStateFlag)
Q_FLAG_NS(TShiftState)

enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };
Q_ENUM_NS(TDragState)

// How a tool button behaves: a push button, a check button (Down stays until clicked again;
// grouped check buttons release one another), a button with a drop-down menu, or a gap
// (separator) or line (divider) between groups.
enum TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };
Q_ENUM_NS(TToolButtonStyle)

// The state a custom-drawn item is drawn in; a tool button under the pointer is hot, one
// being pressed is selected.
enum TCustomDrawStateFlag {
    cdsSelected = 0x1,
    cdsGrayed = 0x2,
    cdsDisabled = 0x4,
    cdsChecked = 0x8,
    cdsFocused = 0x10,
    cdsDefault = 0x20,
    cdsHot = 0x40,
    cdsMarked = 0x80,
    cdsIndeterminate = 0x100
};
Q_DECLARE_FLAGS(TCustomDrawState, TCustomDrawStateFlag)
Q_FLAG_NS(TCustomDrawState)

// The edges of a tool bar that carry a line.
enum TEdgeBorder { ebLeft = 0x1, ebTop = 0x2, ebRight = 0x4, ebBottom = 0x8 };
Q_DECLARE_FLAGS(TEdgeBorders, TEdgeBorder)
Q_FLAG_NS(TEdgeBorders)

} // namespace Fw

Q_DECLARE_OPERATORS_FOR_FLAGS(Fw::TAnchors)
Q_DECLARE_OPERATORS_FOR_FLAGS(Fw::TFontStyles)
Q_DECLARE_OPERATORS_FOR_FLAGS(Fw::TShiftState)
Q_DECLARE_OPERATORS_FOR_FLAGS(Fw::TCustomDrawState)
Q_DECLARE_OPERATORS_FOR_FLAGS(Fw::TEdgeBorders)
