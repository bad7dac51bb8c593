#pragma once

// Small helpers shared by the skinned controls: the owner rule for a new control, the caption
// looks, the dotted focus rectangle and the accelerator rule of captions. Keyed and greyed
// pictures are the styles layer's (ZYNDraw), which the frame draws with too.

#include <QImage>
#include <QRect>
#include <QString>

#include <initializer_list>

#include "TColor.h"
#include "ZYNDraw.h" // TopLeftKey, GreyedImage, PreparedPicture

class QFrame;
class QPainter;
class QWidget;

// How a caption is drawn: in its colour; disabled and embossed (a white copy one pixel down
// and right under the grey text, as push buttons show it); or disabled in plain grey (as check
// boxes and group boxes show it).
enum class CaptionLook { Enabled, DisabledEmbossed, DisabledGrey };
// The grey of disabled caption text.
constexpr QRgb kDisabledTextColor = 0xFF808080u;
// Draws a caption with Qt's text flags in `rect` (for the embossed look the white copy goes
// to `rect` moved by one pixel each way).
void DrawCaption(QPainter &canvas, const QRect &rect, int flags, const QString &caption,
    const QColor &color, CaptionLook look);

// The platform's focus rectangle: every second pixel of the rectangle's outline inverted, so
// that drawing it twice restores the picture. rect is exclusive of its right and bottom edges.
void DrawFocusRect(QPainter &canvas, const QRect &rect);

// Whether ch is the accelerator of the caption: the character after a single "&" ("&&" is an
// ampersand), compared without regard to case.
bool IsAccel(QChar ch, const QString &caption);

// The band of a bordered scroll view: BorderWidth pixels all round, inside which the viewport
// and the scroll bars are placed.
void ApplyBorderBand(QFrame *view, int width);

// A pen moved from the first point through the others the way the platform draws a connected
// line: each segment leaves out its end point. Horizontal and vertical segments only.
void DrawLinePath(QPainter &canvas, const QColor &color, std::initializer_list<QPoint> points);
