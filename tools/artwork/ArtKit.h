#pragma once

// Small painting kit of the theme-artwork generator: layers, key-colour flattening and the
// shapes and glyphs that several styles share.

#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <initializer_list>
#include <utility>

namespace art {

constexpr QRgb fuchsia = 0xFFFF00FF;

using Stops = std::initializer_list<std::pair<qreal, QColor>>;

// Every picture is painted twice from the same code: once for ordinary screens and once at twice
// the size for high-density ones. Drawing code works in the picture's own (1x) pixels: the images
// made here carry the scale as their device pixel ratio, so a painter on them scales by itself.
// Code that reads or writes pixels directly works in device pixels (width() * scale()).
int scale();
void setScale(int scale);

// A transparent ARGB layer of w x h picture pixels to draw on, and a painter with antialiasing
// set up for it.
QImage layer(int w, int h);
void begin(QPainter &p, QImage &img);
// The picture pixel (x, y) made fully transparent (all scale x scale device pixels of it).
void clearPixel(QImage &img, int x, int y);
// The picture pixel (x, y) of an opaque picture set to one colour.
void setPixel(QImage &img, int x, int y, QRgb color);
// Picture row `from` copied over row `to` (every device row of it).
void copyRow(QImage &img, int from, int to);
// The picture's size in picture pixels.
QSize pictureSize(const QImage &img);

QLinearGradient vgrad(qreal y0, qreal y1, Stops stops);
QLinearGradient hgrad(qreal x0, qreal x1, Stops stops);

QPainterPath roundRect(const QRectF &r, qreal radius);
QPainterPath roundTopRect(const QRectF &r, qreal radius);

// Composes the layer over a background colour or image into an opaque picture. Pixels that the
// layer leaves (nearly) uncovered become exactly `key`; every other pixel that happens to equal
// the key is nudged by one step of blue so that keyed drawing removes nothing that must show.
QImage flatten(const QImage &layer, QColor background, QRgb key, int threshold = 64);
QImage flattenOver(const QImage &layer, const QImage &background, QRgb key, int threshold = 64);
// Fully opaque composition: every pixel shows.
QImage opaque(const QImage &layer, QColor background);
QImage opaqueOver(const QImage &layer, const QImage &background);

// A horizontal strip of the background picture (rows top..top+h) stretched to w columns,
// used under the title buttons of styles whose buttons are not transparent.
QImage stripOf(const QImage &picture, int top, int w, int h);

// Glyphs drawn in a box; `pen` width scales with the box.
void glyphCross(QPainter &p, const QRectF &box, const QPen &pen);
void glyphMinus(QPainter &p, const QRectF &box, const QPen &pen);
void glyphPlus(QPainter &p, const QRectF &box, const QPen &pen);
void glyphMaximize(QPainter &p, const QRectF &box, const QPen &pen);
void glyphRestore(QPainter &p, const QRectF &box, const QPen &pen);
void glyphHelp(QPainter &p, const QRectF &box, const QColor &color, qreal pixelSize);
void glyphMenu(QPainter &p, const QRectF &box, const QPen &pen);
void glyphCheck(QPainter &p, const QRectF &box, const QPen &pen);
void glyphArrow(QPainter &p, const QRectF &box, const QColor &color, bool up);

QColor mix(const QColor &a, const QColor &b, qreal t);

} // namespace art
