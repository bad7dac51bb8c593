#pragma once

// Drawing helpers shared by every skinned component: the nine-slice and three-slice rules for
// theme pictures, tiling, faked transparency over the parent, the two-colour window frame,
// quarter-turn rotations and a few geometry and window-state helpers.
//
// Rectangles follow QRect's x/y/width/height; where the rules speak of Right and Bottom they
// mean the exclusive edges x + width and y + height.

#include "TColor.h"

#include <QImage>
#include <QPoint>
#include <QRect>

class QPainter;
class QWidget;
class TBitmap;
class TGraphic;
class TPicture;

// An off-screen image for drawing the widget at its screen's density: the widget's size in
// logical pixels, times the device pixel ratio in pixels, filled with `fill`.
QImage WidgetBuffer(const QWidget *widget, QImage::Format format, const QColor &fill);

// Paints a button picture over dest by the nine-slice rule. Pieces on the left and top are
// placed at x = 0 and y = 0, those on the right and bottom against dest's right and bottom
// edges; callers pass their client rectangle. Corners are never stretched and are keyed on
// fuchsia only with cornersKeyed; edges and centre are always keyed on fuchsia.
void DrawNineSliceBitmap(
    const QImage &source, QPainter &canvas, const QRect &dest, bool cornersKeyed);

// Left cap and right cap (cells of width W / 3) unstretched at dest's ends, the middle cell
// stretched between them and drawn opaque. With keyed, the caps leave out the colour of the
// source's top-left pixel.
void DrawThreeSliceBitmap(const QImage &source, QPainter &canvas, const QRect &dest, bool keyed);

// The colour of the top-left pixel, the key of glyphs and user pictures.
QRgb TopLeftKey(const QImage &image);
// The greyed rendering of a disabled picture: grey shades, lightened; transparency is kept.
QImage GreyedImage(const QImage &image);

// A picture as controls draw it: keyed on `key` (every pixel of exactly that colour made
// transparent) when `keyed`, then greyed when `greyed`. Prepared once per picture, key and
// treatment and kept (the picture's cache key changes whenever its pixels do), so painting a
// control does not re-key and re-grey its pictures every time.
QImage PreparedPicture(const QImage &image, bool keyed, QRgb key, bool greyed);

// The picture's pixels for drawing: an opaque bitmap as it is stored (the same image every
// time, so that what is prepared from it is kept), anything else as it renders itself.
QImage GraphicImage(const TGraphic &picture);

// Tiles the picture from the canvas origin (not from rect's corner) over one tile more than
// rect's width and height. The picture must have a non-zero size.
void TilePicture(QPainter &canvas, const TGraphic &picture, const QRect &rect);
void TilePicture(QPainter &canvas, const TPicture &picture, const QRect &rect);
void TilePicture(QPainter &canvas, const QImage &picture, const QRect &rect);

// A skinned container that paints itself onto any canvas in its own coordinates, without going
// through Qt's widget rendering. DrawParentBackground asks such a parent directly: that is
// cheaper than rendering it, and unlike rendering it also works on a canvas that is a widget's
// own painter, so that see-through children need no off-screen image of their own.
class TzynCanvasPainting {
public:
    virtual ~TzynCanvasPainting();
    // Whether PaintOnto can paint now; a see-through container says so only when whatever
    // shows through it can be painted the same way.
    virtual bool CanPaintOnto() const = 0;
    // Paints every pixel of area, in the container's coordinates, as its paint event would.
    virtual void PaintOnto(QPainter &canvas, const QRect &area) = 0;
};

// Paints the part of the control's parent that lies under the control into the canvas, in the
// control's coordinates: the parent's own background and painting, no sibling widgets.
void DrawParentBackground(QPainter &canvas, const QWidget *control);
// Whether DrawParentBackground paints the parent without rendering it (the parent is a
// TzynCanvasPainting that can paint now), so that the canvas may be the control's own painter.
bool ParentPaintsOntoAnyCanvas(const QWidget *control);
// Whether DrawParentBackground paints every pixel under the control: the control lies within
// its parent, the parent promises to paint all of itself (Qt::WA_OpaquePaintEvent) and is not
// being rendered already.
bool ParentBackgroundIsOpaque(const QWidget *control);

// Two nested one-pixel frames on the outer edge of the control. Call it from the control's own
// paint handling, after the standard painting, so that the frame lies over it.
void DrawWindowFrame(QWidget *control, TColor outerColor, TColor innerColor);
void DrawWindowFrame(QPainter &canvas, const QSize &size, TColor outerColor, TColor innerColor);

// Quarter turns: left is counter-clockwise, right is clockwise; width and height swap.
void RotateBitmapLeft(QImage &bitmap);
void RotateBitmapRight(QImage &bitmap);
void RotateBitmapLeft(TBitmap &bitmap);
void RotateBitmapRight(TBitmap &bitmap);

// Right and bottom edges count as inside.
bool XYInRectInclusive(int x, int y, const QRect &rect);
bool PtInRectInclusive(const QPoint &point, const QRect &rect);

// The desktop work area (the screen without panels) of the primary screen.
QRect GetWorkAreaRect();
void GetWorkAreaRect(QRect &rect);

// Sets Left to X, then Top to Y.
void MoveControlTo(QWidget *control, const QPoint &point);
// Left, Top, Width and Height from the rectangle.
void SetFormBoundsRect(QWidget *form, const QRect &rect);

// Whether the form counts as the application's active form: never while the application is
// inactive; always for no form or the application's main form (the first form created);
// otherwise the form's own active state.
bool IsFormActive(const QWidget *form);

// Blanks and control characters do not count as text: a caption of only those draws nothing.
bool HasVisibleText(const QString &text);
