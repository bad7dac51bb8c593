#pragma once

#include "ZYNThemes.h"

#include <QColor>
#include <QImage>
#include <QRect>

class QPainter;

// The outline of a push button's picture, as far as marks drawn over it need it: how round its
// ends are, where a focus rectangle fits inside them and where the default button's frame goes.
// Rounded and pill-shaped pictures keep their ends unscaled (nine slices), so the radius of
// the picture is the radius of the button at any size.
class TzynButtonShape {
public:
    // The radius of the picture's rounded corners: known for the built-in styles, measured
    // from the picture otherwise (the run of the corner's background colour along the top
    // row, which the curve leaves uncovered).
    static int CornerRadius(TzynUIStyle style, const QImage &picture);
    // Where the dotted focus rectangle goes in a button of that picture rectangle: inside the
    // border, and clear of rounded ends by their radius.
    static QRect FocusRect(const QRect &picture, int radius);
    // The default button's mark: a 1-pixel dark outline one pixel inside the picture's edge,
    // following its rounded corners.
    static void DrawDefaultFrame(QPainter &canvas, const QRect &picture, int radius);
    static QColor DefaultFrameColor() { return QColor(0x10, 0x10, 0x10); }
};
