// Draws the study guide's own icons: the thirteen 16 x 16 images of the chapter tree (one
// strip, 32-bit colour with a one-bit mask), the program's icon, a row of standing books,
// at 32 x 32 and 16 x 16 in 16 colours, and the same row of books in full colour for the
// desktop's menus at 16, 32, 48, 64, 128 and 256 pixels, each drawn for its size. Every picture
// has its twin for high-density screens (NAME@2x.png), drawn by the same code at twice the pixels:
// the tree strip, the program's icon (a 64 x 64 PNG beside the icon file) and each desktop icon,
// whose detail stays that of its logical size.

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtEndian>

#include <cmath>

#include <cstdio>

namespace {

constexpr int kIcon = 16;

QColor rgb(unsigned v)
{
    return QColor((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

void book(QPainter &p, QRectF r, QColor cover, bool band = true)
{
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, cover.lighter(135));
    g.setColorAt(0.5, cover);
    g.setColorAt(1, cover.darker(140));
    p.setPen(QPen(cover.darker(200), 0.8));
    p.setBrush(g);
    p.drawRoundedRect(r, 0.8, 0.8);
    if (band) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 230, 140));
        p.drawRect(QRectF(r.left() + 0.6, r.top() + r.height() * 0.22, r.width() - 1.2, 1.0));
        p.drawRect(
            QRectF(r.left() + 0.6, r.bottom() - r.height() * 0.22 - 1, r.width() - 1.2, 1.0));
    }
}

void rowOfBooks(QPainter &p, double scale, bool alternate)
{
    p.save();
    p.scale(scale, scale);
    const unsigned colours[] = { 0xD23A3A, 0x2F6FD6, 0x2FA84F, 0xE8A020, 0x8A4FC8 };
    const double heights[] = { 13, 11, 14, 12, 13 };
    double x = 0.8;
    for (int i = 0; i < 4; ++i) {
        const int c = alternate ? (i + 2) % 5 : i;
        const double h = alternate ? heights[(i + 1) % 5] : heights[i];
        book(p, QRectF(x, 15.2 - h, 3.4, h), rgb(colours[c]));
        x += 3.7;
    }
    if (alternate) {
        // The last volume leans on the row.
        p.translate(x + 0.5, 15.2);
        p.rotate(-18);
        book(p, QRectF(0, -12, 3.2, 12), rgb(colours[4]));
    }
    p.restore();
}

void stackOfBooks(QPainter &p)
{
    const unsigned colours[] = { 0x2F6FD6, 0xD23A3A, 0x2FA84F, 0xE8A020 };
    for (int i = 0; i < 4; ++i) {
        const double y = 12.5 - i * 3.4;
        const double indent = (i % 2) ? 1.2 : 0.2;
        QRectF r(1 + indent, y, 13.4 - indent, 3.0);
        QColor c = rgb(colours[i]);
        p.setPen(QPen(c.darker(200), 0.8));
        p.setBrush(c);
        p.drawRoundedRect(r, 0.8, 0.8);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 248, 235));
        p.drawRect(QRectF(r.right() - 2.2, r.top() + 0.7, 1.6, r.height() - 1.4));
    }
}

void documentWithE(QPainter &p)
{
    QPainterPath page;
    page.moveTo(2.5, 0.5);
    page.lineTo(10.5, 0.5);
    page.lineTo(13.5, 3.5);
    page.lineTo(13.5, 15.5);
    page.lineTo(2.5, 15.5);
    page.closeSubpath();
    p.setPen(QPen(QColor(110, 110, 120), 1));
    p.setBrush(QColor(250, 250, 252));
    p.drawPath(page);
    p.setPen(QPen(QColor(190, 195, 205), 1));
    for (int y = 4; y <= 6; y += 2)
        p.drawLine(QPointF(4, y + 0.5), QPointF(9, y + 0.5));
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(215, 30, 30));
    p.drawText(QRectF(3, 5, 11, 11), Qt::AlignCenter, QStringLiteral("e"));
}

void certificate(QPainter &p)
{
    p.setPen(QPen(QColor(120, 78, 30), 1));
    p.setBrush(QColor(196, 142, 66));
    p.drawRect(QRectF(0.5, 1.5, 15, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 252, 236));
    p.drawRect(QRectF(2.5, 3.5, 11, 8));
    p.setPen(QPen(QColor(80, 90, 120), 0.8));
    p.drawLine(QPointF(4, 5.5), QPointF(12, 5.5));
    p.drawLine(QPointF(4, 7.5), QPointF(10, 7.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 40, 40));
    p.drawEllipse(QPointF(11, 10), 2.2, 2.2);
    p.drawPolygon(QPolygonF({ QPointF(10, 11.5), QPointF(9.5, 15.5), QPointF(11, 14.5),
        QPointF(12.5, 15.5), QPointF(12, 11.5) }));
}

void openBook(QPainter &p)
{
    for (int side = 0; side < 2; ++side) {
        QPainterPath leaf;
        const double s = side ? -1 : 1;
        leaf.moveTo(8, 4);
        leaf.cubicTo(8 - s * 3, 2, 8 - s * 6, 2.5, 8 - s * 7.5, 3.5);
        leaf.lineTo(8 - s * 7.5, 13.5);
        leaf.cubicTo(8 - s * 6, 12.5, 8 - s * 3, 12.5, 8, 14.5);
        leaf.closeSubpath();
        p.setPen(QPen(QColor(40, 90, 170), 1));
        p.setBrush(QColor(255, 255, 255));
        p.drawPath(leaf);
        p.setPen(QPen(QColor(150, 175, 215), 0.8));
        for (int i = 0; i < 3; ++i)
            p.drawLine(QPointF(8 - s * 2, 6 + i * 2.2), QPointF(8 - s * 6, 5.5 + i * 2.2));
    }
    p.setPen(QPen(QColor(40, 90, 170), 1.2));
    p.drawLine(QPointF(8, 4), QPointF(8, 14.5));
}

void bookSpines(QPainter &p)
{
    const unsigned colours[] = { 0x8A4FC8, 0xE8A020, 0x2FA84F, 0xD23A3A, 0x2F6FD6, 0x17A0A8 };
    for (int i = 0; i < 6; ++i)
        book(p, QRectF(0.4 + i * 2.55, 1 + (i % 3), 2.4, 14 - (i % 3)), rgb(colours[i]), false);
}

void lettersAndCalendar(QPainter &p)
{
    p.setPen(QPen(QColor(150, 40, 40), 1));
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(QRectF(5.5, 3.5, 10, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(215, 45, 45));
    p.drawRect(QRectF(6, 4, 9.5, 3));
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(7);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(30, 30, 30));
    p.drawText(QRectF(6, 7, 9.5, 8), Qt::AlignCenter, QStringLiteral("14"));
    f.setPixelSize(9);
    p.setFont(f);
    p.setPen(QColor(30, 80, 190));
    p.drawText(QRectF(0, 0, 8, 9), Qt::AlignCenter, QStringLiteral("A"));
    p.setPen(QColor(30, 140, 60));
    p.drawText(QRectF(0, 7, 6, 9), Qt::AlignCenter, QStringLiteral("b"));
}

void colouredArrows(QPainter &p)
{
    auto arrow = [&](QPointF from, double angle, QColor c) {
        p.save();
        p.translate(from);
        p.rotate(angle);
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawPolygon(QPolygonF({ QPointF(0, -1.3), QPointF(5, -1.3), QPointF(5, -3.2),
            QPointF(8.5, 0), QPointF(5, 3.2), QPointF(5, 1.3), QPointF(0, 1.3) }));
        p.restore();
    };
    arrow(QPointF(1, 4), 0, QColor(220, 50, 50));
    arrow(QPointF(7, 1), 90, QColor(40, 150, 60));
    arrow(QPointF(15, 12), 180, QColor(40, 100, 210));
}

void smilingFace(QPainter &p)
{
    QRadialGradient g(QPointF(6, 5), 9);
    g.setColorAt(0, QColor(255, 245, 120));
    g.setColorAt(1, QColor(235, 170, 20));
    p.setPen(QPen(QColor(170, 110, 10), 1));
    p.setBrush(g);
    p.drawEllipse(QRectF(1, 1, 14, 14));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 40, 10));
    p.drawEllipse(QRectF(5, 5, 1.8, 2.4));
    p.drawEllipse(QRectF(9.2, 5, 1.8, 2.4));
    p.setPen(QPen(QColor(60, 40, 10), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(4.5, 5, 7, 6), 200 * 16, 140 * 16);
}

void filmClip(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 48));
    p.drawRoundedRect(QRectF(0.5, 2.5, 15, 11), 1, 1);
    p.setBrush(QColor(235, 235, 235));
    for (int i = 0; i < 5; ++i) {
        p.drawRect(QRectF(1.5 + i * 3, 3.3, 1.6, 1.3));
        p.drawRect(QRectF(1.5 + i * 3, 11.4, 1.6, 1.3));
    }
    QLinearGradient g(0, 5, 0, 11);
    g.setColorAt(0, QColor(120, 190, 255));
    g.setColorAt(1, QColor(40, 110, 200));
    p.setBrush(g);
    p.drawRect(QRectF(1.5, 5.3, 6, 5.4));
    p.drawRect(QRectF(8.5, 5.3, 6, 5.4));
    p.setBrush(QColor(255, 255, 255));
    p.drawPolygon(QPolygonF({ QPointF(3.5, 6.3), QPointF(6.3, 8), QPointF(3.5, 9.7) }));
}

void returnArrow(QPainter &p)
{
    QPainterPath path;
    path.moveTo(13.5, 2);
    path.lineTo(13.5, 8);
    path.cubicTo(13.5, 10.5, 12, 11, 10, 11);
    path.lineTo(5, 11);
    QPen pen(QColor(30, 120, 60), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 150, 70));
    p.drawPolygon(QPolygonF({ QPointF(1, 11), QPointF(6.5, 6.5), QPointF(6.5, 15.5) }));
}

void penguin(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(25, 25, 30));
    p.drawEllipse(QRectF(3, 1, 10, 14));
    p.setBrush(QColor(250, 250, 250));
    p.drawEllipse(QRectF(5, 5, 6, 9.5));
    p.drawEllipse(QRectF(5, 2.5, 2.6, 3));
    p.drawEllipse(QRectF(8.4, 2.5, 2.6, 3));
    p.setBrush(QColor(20, 20, 20));
    p.drawEllipse(QRectF(6.2, 3.5, 1.2, 1.5));
    p.drawEllipse(QRectF(8.6, 3.5, 1.2, 1.5));
    p.setBrush(QColor(250, 170, 20));
    p.drawPolygon(QPolygonF({ QPointF(6.8, 5.6), QPointF(9.2, 5.6), QPointF(8, 7.2) }));
    p.drawEllipse(QRectF(3.5, 13.6, 4, 2));
    p.drawEllipse(QRectF(8.5, 13.6, 4, 2));
}

// Renders one drawing and reduces its alpha to a one-bit mask.
QImage renderIcon(const std::function<void(QPainter &)> &draw, int scale)
{
    const int size = kIcon * scale;
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(scale, scale);
    draw(p);
    p.end();
    for (int y = 0; y < size; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size; ++x) {
            const QRgb c = line[x];
            if (qAlpha(c) < 128) {
                line[x] = 0;
            } else {
                const int a = qAlpha(c);
                line[x] = qRgb(qRed(c) * 255 / a, qGreen(c) * 255 / a, qBlue(c) * 255 / a);
            }
        }
    }
    return image;
}

// The 16 colours of the standard 4-bit palette.
const QRgb kVga[16] = { 0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080,
    0xFF008080, 0xFFC0C0C0, 0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF,
    0xFF00FFFF, 0xFFFFFFFF };

int nearestVga(QRgb c)
{
    int best = 0;
    int bestDistance = INT_MAX;
    for (int i = 0; i < 16; ++i) {
        const int dr = qRed(c) - qRed(kVga[i]);
        const int dg = qGreen(c) - qGreen(kVga[i]);
        const int db = qBlue(c) - qBlue(kVga[i]);
        const int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

QImage mainIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Pure palette colours, so that the 16-colour reduction keeps the drawing.
    const QColor covers[] = { QColor(0xFF0000), QColor(0x0000FF), QColor(0x008000),
        QColor(0xFFFF00), QColor(0x800080) };
    const double s = size / 32.0;
    const double heights[] = { 26, 22, 28, 24, 27 };
    double x = 1.5;
    for (int i = 0; i < 5; ++i) {
        const QRectF r(x * s, (30 - heights[i]) * s, 5.6 * s, heights[i] * s);
        p.setPen(QPen(Qt::black, std::max(1.0, s)));
        p.setBrush(covers[i]);
        p.drawRect(r);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xFFFFFF));
        p.drawRect(
            QRectF(r.left() + s, r.top() + 4 * s, r.width() - 2 * s, std::max(1.0, 1.5 * s)));
        x += 6;
    }
    p.setPen(QPen(QColor(0x808080), std::max(1.0, 1.5 * s)));
    p.drawLine(QPointF(0.5 * s, 30.5 * s), QPointF(31.5 * s, 30.5 * s));
    p.end();
    return image;
}

// The desktop icon at one size. Edges are snapped to whole pixels of that size, and detail is
// added only where there are pixels for it: small sizes keep flat, outlined spines; from 48
// the spines are shaded and banded, a last volume leans on the row, and from 128 the spines
// carry labels and the shelf casts a shadow.
// `size` is the icon's logical size and chooses the detail; `scale` 2 gives its twin.
QImage desktopIcon(int size, int scale)
{
    const int pixels = size * scale;
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, size >= 32);
    const double unit = pixels / 32.0;
    auto snap = [&](double v) { return std::round(v * unit); };
    const double line = std::max(1.0, std::round(unit * 0.75));

    struct Book {
        double x, width, height;
        unsigned colour;
    };
    const QList<Book> books = size <= 16
        ? QList<Book> { { 1, 6, 22, 0xD23A3A }, { 8, 6, 18, 0x2F6FD6 }, { 15, 6, 24, 0x2FA84F },
              { 22, 6, 20, 0xE8A020 } }
        : QList<Book> { { 1.5, 5, 21, 0xD23A3A }, { 7, 5, 17.5, 0x2F6FD6 },
              { 12.5, 5, 23, 0x2FA84F }, { 18, 5, 19.5, 0xE8A020 } };
    const double shelfTop = size <= 16 ? 26 : 26.5;

    if (size >= 128) {
        QRadialGradient shadow(
            QPointF(16 * unit, 30.5 * unit), 16 * unit, QPointF(16 * unit, 30.5 * unit));
        shadow.setColorAt(0, QColor(0, 0, 0, 70));
        shadow.setColorAt(1, QColor(0, 0, 0, 0));
        p.fillRect(QRectF(0, 28 * unit, pixels, 4 * unit), shadow);
    }

    auto spine = [&](const QRectF &r, QColor cover) {
        if (size >= 48) {
            QLinearGradient g(r.topLeft(), r.topRight());
            g.setColorAt(0, cover.lighter(140));
            g.setColorAt(0.35, cover);
            g.setColorAt(1, cover.darker(150));
            p.setBrush(g);
        } else {
            p.setBrush(cover);
        }
        p.setPen(QPen(cover.darker(210), line));
        const double inset = line / 2;
        const double radius = size >= 64 ? unit * 0.8 : 0;
        p.drawRoundedRect(r.adjusted(inset, inset, -inset, -inset), radius, radius);
        if (size >= 32) {
            const double band = std::max(1.0, snap(1));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0xFF, 0xDE, 0x85));
            for (double at : { 0.14, 0.82 }) {
                const double y = std::round(r.top() + r.height() * at);
                p.drawRect(QRectF(r.left() + line, y, r.width() - 2 * line, band));
            }
        }
        if (size >= 64) {
            // A pale label between the bands, with lines of title on the largest sizes.
            const QRectF label(r.left() + r.width() * 0.22, r.top() + r.height() * 0.3,
                r.width() * 0.56, r.height() * 0.36);
            p.setBrush(QColor(0xFB, 0xF6, 0xE6));
            p.drawRect(label);
            if (size >= 128) {
                p.setPen(QPen(cover.darker(160), unit * 0.35));
                for (int i = 0; i < 3; ++i) {
                    const double y = label.top() + label.height() * (0.25 + i * 0.25);
                    p.drawLine(QPointF(label.left() + label.width() * 0.2, y),
                        QPointF(label.right() - label.width() * 0.2, y));
                }
                p.setPen(Qt::NoPen);
            }
        }
    };

    for (const Book &b : books) {
        const double left = snap(b.x);
        const double right = snap(b.x + b.width);
        const double bottom = snap(shelfTop);
        spine(QRectF(left, bottom - snap(b.height), right - left, snap(b.height)), rgb(b.colour));
    }
    if (size >= 32) {
        // The last volume leans on the row.
        p.save();
        p.translate(snap(30.5), snap(shelfTop));
        p.rotate(-20);
        const double w = snap(5);
        const double h = snap(21);
        spine(QRectF(-w, -h, w, h), rgb(0x8A4FC8));
        p.restore();
    }

    // The shelf.
    const QRectF shelf(snap(0.5), snap(shelfTop), pixels - 2 * snap(0.5),
        std::max(2.0, snap(size <= 16 ? 4 : 3.5)));
    QLinearGradient wood(shelf.topLeft(), shelf.bottomLeft());
    wood.setColorAt(0, QColor(0xC8, 0x8E, 0x4E));
    wood.setColorAt(1, QColor(0x86, 0x56, 0x2A));
    p.setPen(Qt::NoPen);
    p.setBrush(size >= 32 ? QBrush(wood) : QBrush(QColor(0xA0, 0x6A, 0x36)));
    p.drawRect(shelf);
    if (size >= 32) {
        p.setBrush(QColor(0xE9, 0xBE, 0x84));
        p.drawRect(QRectF(shelf.left(), shelf.top(), shelf.width(), std::max(1.0, snap(0.6))));
    }
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// One icon image of an .ico file: 4 bits per pixel with the standard palette, then the mask.
QByteArray icoImage(const QImage &image)
{
    const int w = image.width();
    const int h = image.height();
    const int xorStride = ((w * 4 + 31) / 32) * 4;
    const int andStride = ((w + 31) / 32) * 4;
    QByteArray data;
    auto put32 = [&](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        data.append(b, 4);
    };
    auto put16 = [&](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        data.append(b, 2);
    };
    put32(40);
    put32(w);
    put32(h * 2);
    put16(1);
    put16(4);
    put32(0);
    put32(quint32((xorStride + andStride) * h));
    put32(0);
    put32(0);
    put32(16);
    put32(0);
    for (QRgb c : kVga) {
        data.append(char(qBlue(c)));
        data.append(char(qGreen(c)));
        data.append(char(qRed(c)));
        data.append(char(0));
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(xorStride, 0);
        for (int x = 0; x < w; ++x) {
            const QRgb c = image.pixel(x, y);
            const int index = qAlpha(c) < 128 ? 0 : nearestVga(c);
            row[x / 2] = char(row[x / 2] | (x % 2 ? index : index << 4));
        }
        data.append(row);
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(andStride, 0);
        for (int x = 0; x < w; ++x) {
            if (qAlpha(image.pixel(x, y)) < 128)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        }
        data.append(row);
    }
    return data;
}

QByteArray icoFile(const QList<QImage> &images)
{
    QByteArray header;
    auto put16 = [&](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        header.append(b, 2);
    };
    auto put32 = [&](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        header.append(b, 4);
    };
    put16(0);
    put16(1);
    put16(quint16(images.size()));
    QList<QByteArray> bodies;
    for (const QImage &image : images)
        bodies.append(icoImage(image));
    quint32 offset = 6 + 16 * quint32(images.size());
    for (int i = 0; i < images.size(); ++i) {
        header.append(char(images[i].width()));
        header.append(char(images[i].height()));
        header.append(char(16));
        header.append(char(0));
        put16(1);
        put16(4);
        put32(quint32(bodies[i].size()));
        put32(offset);
        offset += quint32(bodies[i].size());
    }
    for (const QByteArray &body : bodies)
        header.append(body);
    return header;
}

QImage quantised(const QImage &image)
{
    QImage out = image;
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            const QRgb c = out.pixel(x, y);
            out.setPixel(x, y, qAlpha(c) < 128 ? 0 : kVga[nearestVga(c)]);
        }
    return out;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: guide-icons OUTPUT-DIRECTORY [ENLARGED-STRIP.png]\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const std::function<void(QPainter &)> drawings[] = {
        [](QPainter &p) { rowOfBooks(p, 1.0, false); },
        [](QPainter &p) { rowOfBooks(p, 1.0, true); },
        stackOfBooks,
        documentWithE,
        certificate,
        openBook,
        bookSpines,
        lettersAndCalendar,
        colouredArrows,
        smilingFace,
        filmClip,
        returnArrow,
        penguin,
    };
    const auto makeStrip = [&](int scale) {
        const int size = kIcon * scale;
        QImage strip(size * int(std::size(drawings)), size, QImage::Format_ARGB32);
        strip.fill(Qt::transparent);
        QPainter sp(&strip);
        for (int i = 0; i < int(std::size(drawings)); ++i)
            sp.drawImage(i * size, 0, renderIcon(drawings[i], scale));
        return strip;
    };
    const QImage strip = makeStrip(1);
    if (!strip.save(out.filePath(QStringLiteral("tree-icons.png")))
        || !makeStrip(2).save(out.filePath(QStringLiteral("tree-icons@2x.png"))))
        return 1;
    // The strip four times enlarged, for looking at the icons, only where it is asked for.
    if (argc == 3
        && !strip.scaled(strip.size() * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                .save(QString::fromLocal8Bit(argv[2])))
        return 1;

    const QImage big = quantised(mainIcon(32));
    const QImage small = quantised(mainIcon(16));
    QFile ico(out.filePath(QStringLiteral("MAINICON.ico")));
    if (!ico.open(QIODevice::WriteOnly) || ico.write(icoFile({ big, small })) < 0)
        return 1;
    // The icon file keeps its two classic images; the window takes this one as well.
    if (!quantised(mainIcon(64)).save(out.filePath(QStringLiteral("MAINICON@2x.png"))))
        return 1;
    const QDir desktop(out.filePath(QStringLiteral("desktop")));
    QDir().mkpath(desktop.path());
    for (int size : { 16, 32, 48, 64, 128, 256 }) {
        if (!desktopIcon(size, 1).save(desktop.filePath(QStringLiteral("guide-%1.png").arg(size)))
            || !desktopIcon(size, 2).save(
                desktop.filePath(QStringLiteral("guide-%1@2x.png").arg(size))))
            return 1;
    }
    std::printf("wrote %s\n", qPrintable(out.path()));
    return 0;
}
