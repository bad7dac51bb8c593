#include "ZYNControlUtils.h"

#include "ZYNDraw.h"

#include <QCache>
#include <QFrame>
#include <QPainter>
#include <QWidget>

#include <algorithm>

void DrawCaption(QPainter &canvas, const QRect &rect, int flags, const QString &caption,
    const QColor &color, CaptionLook look)
{
    canvas.setBrush(Qt::NoBrush);
    switch (look) {
    case CaptionLook::Enabled:
        canvas.setPen(color);
        break;
    case CaptionLook::DisabledEmbossed:
        canvas.setPen(QColor(Qt::white));
        canvas.drawText(rect.translated(1, 1), flags, caption);
        canvas.setPen(QColor::fromRgb(kDisabledTextColor));
        break;
    case CaptionLook::DisabledGrey:
        canvas.setPen(QColor::fromRgb(kDisabledTextColor));
        break;
    }
    canvas.drawText(rect, flags, caption);
}

void DrawFocusRect(QPainter &canvas, const QRect &rect)
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    const int l = rect.x(), t = rect.y();
    const int r = rect.x() + rect.width() - 1, b = rect.y() + rect.height() - 1;
    canvas.save();
    canvas.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    const QColor white(Qt::white);
    auto dot = [&](int x, int y) {
        if (((x - l) + (y - t)) % 2 == 0)
            canvas.fillRect(QRect(x, y, 1, 1), white);
    };
    for (int x = l; x <= r; ++x) {
        dot(x, t);
        if (b != t)
            dot(x, b);
    }
    for (int y = t + 1; y < b; ++y) {
        dot(l, y);
        if (r != l)
            dot(r, y);
    }
    canvas.restore();
}

bool IsAccel(QChar ch, const QString &caption)
{
    for (int i = 0; i + 1 < caption.size(); ++i) {
        if (caption.at(i) != QLatin1Char('&'))
            continue;
        const QChar next = caption.at(i + 1);
        if (next == QLatin1Char('&')) {
            ++i; // "&&" shows an ampersand
            continue;
        }
        return next.toUpper() == ch.toUpper();
    }
    return false;
}

void ApplyBorderBand(QFrame *view, int width)
{
    // A plain box frame is the band the scroll area lays its children out in.
    view->setFrameShape(width > 0 ? QFrame::Box : QFrame::NoFrame);
    view->setFrameShadow(QFrame::Plain);
    view->setLineWidth(width);
    view->setMidLineWidth(0);
    view->update();
}

void DrawLinePath(QPainter &canvas, const QColor &color, std::initializer_list<QPoint> points)
{
    if (points.size() < 2)
        return;
    QPoint at = *points.begin();
    for (auto it = points.begin() + 1; it != points.end(); ++it) {
        const QPoint to = *it;
        const int dx = (to.x() > at.x()) - (to.x() < at.x());
        const int dy = (to.y() > at.y()) - (to.y() < at.y());
        if ((dx != 0) != (dy != 0)) {
            const QPoint last = to - QPoint(dx, dy);
            canvas.fillRect(QRect(QPoint(std::min(at.x(), last.x()), std::min(at.y(), last.y())),
                                QPoint(std::max(at.x(), last.x()), std::max(at.y(), last.y()))),
                color);
        }
        at = to;
    }
}
