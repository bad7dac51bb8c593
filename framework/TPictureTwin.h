#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include <functional>

class QPainter;

// Pictures for high-density screens. A picture of w x h pixels may have a twin of 2w x 2h,
// painted by the same artwork tool and stored beside it as NAME@2x.ext. Where the screen's
// device pixel ratio is above 1 the twin is drawn in the picture's place, over the same
// logical rectangle, so that every geometry stays in logical pixels; at ratio 1 nothing changes.
//
// A twin belongs to one image (its cache key): an image changed in any way, or made from
// another, has no twin unless one is attached to it, and is drawn as before, only magnified.
class TPictureTwin {
public:
    // The path of the twin of the picture at path ("a/b.bmp" gives "a/b@2x.bmp").
    static QString twinPath(const QString &path);

    // Attaches the twin (exactly twice the picture's size, else ignored) to the picture.
    // The twin is given a device pixel ratio of 2.
    static void attach(const QImage &picture, const QImage &twin);
    // The twin of the picture (device pixel ratio 2), or a null image.
    static QImage of(const QImage &picture);
    // Gives `derived` (made from `picture` by `treat`) the twin made by the same treatment from
    // picture's twin, when picture has one; returns derived.
    static QImage derive(const QImage &derived, const QImage &picture,
        const std::function<QImage(const QImage &)> &treat);

    // The device pixel ratio of what the painter paints on.
    static qreal ratio(const QPainter &painter);
    // The picture to draw on that painter: the twin where the ratio is above 1 and there is
    // one, else the picture itself.
    static QImage forPainter(const QPainter &painter, const QImage &picture);

    // Draws source (in the picture's own pixels) of the picture into target (logical), from
    // the twin where the ratio is above 1. Ratios between 1 and 2 scale the twin down smoothly.
    static void draw(
        QPainter &painter, const QRect &target, const QImage &picture, const QRect &source);
    static void draw(QPainter &painter, const QPoint &at, const QImage &picture);
    static void draw(QPainter &painter, const QRect &target, const QImage &picture);
    // Draws source (in the twin's own pixels) of a twin into target (logical).
    static void drawTwin(
        QPainter &painter, const QRect &target, const QImage &twin, const QRect &source);
};
