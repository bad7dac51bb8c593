#pragma once

// Drawing routines of the skinned menus: item backgrounds, separator lines, the pictures of
// styles that draw menus from pictures, the flat border of an open menu, and the desktop's
// menu font. Rectangles are QRects; where the rules name Right and Bottom they mean the
// exclusive edges x + width and y + height.

#include "TColor.h"
#include "ZYNThemes.h"

#include <QRect>

class QPainter;
class TFont;

// A one-pixel frame along the inside of the rectangle, in the colour.
void FrameColorRect(QPainter &canvas, const QRect &rect, TColor color);
void FillColorRect(QPainter &canvas, const QRect &rect, TColor color);
// The line of a separator: from (left + bar width + 4, top + 2) to (right - 2, top + 2), the
// end pixel left out.
void DrawSeparatorLine(QPainter &canvas, const QRect &rect, TColor color, int barWidth);

// A picture cut to its top rows and stretched over the rectangle: the separator (12 rows of
// the bar picture), the selection (20 rows of the selection picture) and the item background
// (20 rows of the bar picture) of styles that draw menus from pictures.
void DrawMenuPicture(QPainter &canvas, const QRect &rect, const char *picture, int rows);
void DrawMacSeparator(QPainter &canvas, const QRect &rect, const char *barPicture);
void DrawMacSelection(QPainter &canvas, const QRect &rect, const char *selectPicture);
void DrawMacItem(QPainter &canvas, const QRect &rect, const char *barPicture);

// The background of a menu row in a style: the selection (its picture, or its colour framed)
// when selected, else the bar picture of a style that draws menus from pictures. False where
// neither applies and the caller's plain background belongs.
bool DrawMenuRowBackground(QPainter &canvas, const QRect &rect, TzynUIStyle style, bool selected);

// The flat frame over the edge of an open menu whose outer rectangle is `window`: the border
// colour outside, white inside it, and the inner colour over the bottom row, the right
// column and the top row.
void DrawFlatMenuBorder(
    QPainter &canvas, const QRect &window, TColor borderColor, TColor innerColor);

// Makes the font the desktop's menu font in clMenuText. Without a desktop to ask (no
// application, or no font from it) the font is left as it was and the result is false.
bool UseSystemMenuFont(TFont &font);
