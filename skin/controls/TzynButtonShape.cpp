#include "TzynButtonShape.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

int TzynButtonShape::CornerRadius(TzynUIStyle style, const QImage &picture)
{
    switch (style) {
    case TzynUIStyle::MacOS:
        return 11;
    case TzynUIStyle::Protein:
        return 10;
    case TzynUIStyle::BlueGlass:
        return 5;
    case TzynUIStyle::WinXP:
        return 3;
    case TzynUIStyle::DeepBlue:
        return 1;
    case TzynUIStyle::Custom:
        break;
    }
    if (picture.width() < 2 || picture.height() < 2)
        return 0;
    // A circle leaves about two thirds of its radius uncovered along the top row.
    const QRgb corner = picture.pixel(0, 0);
    int run = 0;
    while (run < picture.width() / 2 && picture.pixel(run, 0) == corner)
        ++run;
    if (run <= 1)
        return run;
    return std::min((run * 3 + 1) / 2, picture.height() / 2);
}

QRect TzynButtonShape::FocusRect(const QRect &picture, int radius)
{
    // Three pixels from the top and bottom keep the dots off any border up to two pixels
    // wide; the sides start where the rounded ends have straightened out.
    constexpr int vertical = 3;
    const int horizontal = std::max(vertical, radius);
    return picture.adjusted(horizontal, vertical, -horizontal, -vertical);
}

void TzynButtonShape::DrawDefaultFrame(QPainter &canvas, const QRect &picture, int radius)
{
    if (picture.width() < 4 || picture.height() < 4)
        return;
    canvas.save();
    // The pen runs through pixel centres one pixel in from the edge.
    const QRectF line = QRectF(picture).adjusted(1.5, 1.5, -1.5, -1.5);
    QPen pen(DefaultFrameColor());
    pen.setWidth(1);
    canvas.setPen(pen);
    canvas.setBrush(Qt::NoBrush);
    const qreal r
        = std::min<qreal>(std::max(0, radius - 1), std::min(line.width(), line.height()) / 2);
    if (r <= 1) {
        canvas.setRenderHint(QPainter::Antialiasing, false);
        canvas.drawRect(picture.adjusted(1, 1, -2, -2));
    } else {
        canvas.setRenderHint(QPainter::Antialiasing, true);
        QPainterPath path;
        path.addRoundedRect(line, r, r);
        canvas.drawPath(path);
    }
    canvas.restore();
}
