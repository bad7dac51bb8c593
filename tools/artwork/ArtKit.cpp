#include "ArtKit.h"

#include <QFont>

namespace art {

namespace {
int paintScale = 1;
} // namespace

int scale()
{
    return paintScale;
}

void setScale(int s)
{
    paintScale = s;
}

QImage layer(int w, int h)
{
    QImage img(w * paintScale, h * paintScale, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(paintScale);
    img.fill(Qt::transparent);
    return img;
}

void clearPixel(QImage &img, int x, int y)
{
    setPixel(img, x, y, 0);
}

void setPixel(QImage &img, int x, int y, QRgb color)
{
    const int s = qRound(img.devicePixelRatio());
    for (int dy = 0; dy < s; ++dy)
        for (int dx = 0; dx < s; ++dx)
            img.setPixel(x * s + dx, y * s + dy, color);
}

void copyRow(QImage &img, int from, int to)
{
    const int s = qRound(img.devicePixelRatio());
    for (int dy = 0; dy < s; ++dy)
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, to * s + dy, img.pixel(x, from * s + dy));
}

QSize pictureSize(const QImage &img)
{
    const int s = qRound(img.devicePixelRatio());
    return QSize(img.width() / s, img.height() / s);
}

void begin(QPainter &p, QImage &img)
{
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
}

QLinearGradient vgrad(qreal y0, qreal y1, Stops stops)
{
    QLinearGradient g(0, y0, 0, y1);
    for (const auto &s : stops)
        g.setColorAt(s.first, s.second);
    return g;
}

QLinearGradient hgrad(qreal x0, qreal x1, Stops stops)
{
    QLinearGradient g(x0, 0, x1, 0);
    for (const auto &s : stops)
        g.setColorAt(s.first, s.second);
    return g;
}

QPainterPath roundRect(const QRectF &r, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

QPainterPath roundTopRect(const QRectF &r, qreal radius)
{
    QPainterPath path;
    path.moveTo(r.left(), r.bottom());
    path.lineTo(r.left(), r.top() + radius);
    path.arcTo(QRectF(r.left(), r.top(), 2 * radius, 2 * radius), 180, -90);
    path.lineTo(r.right() - radius, r.top());
    path.arcTo(QRectF(r.right() - 2 * radius, r.top(), 2 * radius, 2 * radius), 90, -90);
    path.lineTo(r.right(), r.bottom());
    path.closeSubpath();
    return path;
}

namespace {

QRgb over(QRgb premul, QRgb under)
{
    const int a = qAlpha(premul);
    const auto ch = [&](int s, int d) { return qBound(0, s + d * (255 - a) / 255, 255); };
    return qRgb(ch(qRed(premul), qRed(under)), ch(qGreen(premul), qGreen(under)),
        ch(qBlue(premul), qBlue(under)));
}

QRgb nudged(QRgb c, QRgb key)
{
    if ((c | 0xFF000000u) != (key | 0xFF000000u))
        return c | 0xFF000000u;
    const int b = qBlue(c);
    return qRgb(qRed(c), qGreen(c), b > 0 ? b - 1 : 1);
}

QImage compose(
    const QImage &layerImage, const QImage *bgImage, QColor bg, bool keyed, QRgb key, int threshold)
{
    const QImage src = layerImage.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage out(src.size(), QImage::Format_RGB32);
    out.setDevicePixelRatio(src.devicePixelRatio());
    for (int y = 0; y < src.height(); ++y) {
        const auto *s = reinterpret_cast<const QRgb *>(src.constScanLine(y));
        auto *d = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            const QRgb under = bgImage ? bgImage->pixel(x, y) : bg.rgb();
            if (keyed && qAlpha(s[x]) < threshold) {
                d[x] = key | 0xFF000000u;
                continue;
            }
            const QRgb c = over(s[x], under);
            d[x] = keyed ? nudged(c, key) : (c | 0xFF000000u);
        }
    }
    return out;
}

} // namespace

QImage flatten(const QImage &l, QColor background, QRgb key, int threshold)
{
    return compose(l, nullptr, background, true, key, threshold);
}

QImage flattenOver(const QImage &l, const QImage &background, QRgb key, int threshold)
{
    return compose(l, &background, QColor(), true, key, threshold);
}

QImage opaque(const QImage &l, QColor background)
{
    return compose(l, nullptr, background, false, 0, 0);
}

QImage opaqueOver(const QImage &l, const QImage &background)
{
    return compose(l, &background, QColor(), false, 0, 0);
}

QImage stripOf(const QImage &picture, int top, int w, int h)
{
    const int s = qRound(picture.devicePixelRatio());
    QImage out(w * s, h * s, QImage::Format_RGB32);
    out.setDevicePixelRatio(s);
    const int column = picture.width() / 2;
    for (int y = 0; y < out.height(); ++y) {
        const QRgb c = picture.pixel(column, qBound(0, top * s + y, picture.height() - 1));
        for (int x = 0; x < out.width(); ++x)
            out.setPixel(x, y, c);
    }
    return out;
}

void glyphCross(QPainter &p, const QRectF &b, const QPen &pen)
{
    p.setPen(pen);
    p.drawLine(b.topLeft(), b.bottomRight());
    p.drawLine(b.topRight(), b.bottomLeft());
}

void glyphMinus(QPainter &p, const QRectF &b, const QPen &pen)
{
    p.setPen(pen);
    p.drawLine(QPointF(b.left(), b.center().y()), QPointF(b.right(), b.center().y()));
}

void glyphPlus(QPainter &p, const QRectF &b, const QPen &pen)
{
    glyphMinus(p, b, pen);
    p.drawLine(QPointF(b.center().x(), b.top()), QPointF(b.center().x(), b.bottom()));
}

void glyphMaximize(QPainter &p, const QRectF &b, const QPen &pen)
{
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(b);
    QPen thick = pen;
    thick.setCapStyle(Qt::FlatCap);
    p.drawLine(QPointF(b.left(), b.top() + pen.widthF() * 0.5),
        QPointF(b.right(), b.top() + pen.widthF() * 0.5));
}

void glyphRestore(QPainter &p, const QRectF &b, const QPen &pen)
{
    const qreal s = b.width() * 0.7;
    const QRectF back(b.right() - s, b.top(), s, s);
    const QRectF front(b.left(), b.bottom() - s, s, s);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    QPainterPath backPath;
    backPath.moveTo(back.left(), front.top());
    backPath.lineTo(back.left(), back.top());
    backPath.lineTo(back.right(), back.top());
    backPath.lineTo(back.right(), back.bottom());
    backPath.lineTo(front.right(), back.bottom());
    p.drawPath(backPath);
    p.drawRect(front);
}

void glyphHelp(QPainter &p, const QRectF &b, const QColor &color, qreal pixelSize)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(qRound(pixelSize));
    p.setFont(font);
    p.setPen(color);
    p.drawText(b, Qt::AlignCenter, QStringLiteral("?"));
}

void glyphMenu(QPainter &p, const QRectF &b, const QPen &pen)
{
    p.setPen(pen);
    for (int i = 0; i < 3; ++i) {
        const qreal y = b.top() + b.height() * (0.2 + 0.3 * i);
        p.drawLine(QPointF(b.left(), y), QPointF(b.right(), y));
    }
}

void glyphCheck(QPainter &p, const QRectF &b, const QPen &pen)
{
    QPainterPath path;
    path.moveTo(b.left(), b.top() + b.height() * 0.55);
    path.lineTo(b.left() + b.width() * 0.38, b.bottom());
    path.lineTo(b.right(), b.top());
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void glyphArrow(QPainter &p, const QRectF &b, const QColor &color, bool up)
{
    QPainterPath path;
    if (up) {
        path.moveTo(b.left(), b.bottom());
        path.lineTo(b.center().x(), b.top());
        path.lineTo(b.right(), b.bottom());
    } else {
        path.moveTo(b.left(), b.top());
        path.lineTo(b.center().x(), b.bottom());
        path.lineTo(b.right(), b.top());
    }
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(path);
}

QColor mix(const QColor &a, const QColor &b, qreal t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
        a.greenF() + (b.greenF() - a.greenF()) * t, a.blueF() + (b.blueF() - a.blueF()) * t);
}

} // namespace art
