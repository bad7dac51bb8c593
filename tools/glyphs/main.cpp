// Draws the glyphs of the main window's eight buttons: 32 x 32 pictures on black, each with its
// 64 x 64 twin for high-density screens (NAME@2x.bmp) drawn by the same code, the colour
// that the button keys out (its top-left pixel). Seven are stored in the sixteen colours of the
// standard palette, the contact glyph in 24-bit colour. Black is the key, so nothing inside a
// picture is black: outlines use the dark palette colours.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtEndian>

#include <cmath>
#include <cstdio>
#include <functional>

namespace {

constexpr int kSize = 32;
constexpr int kScale = 8; // drawn at 256 x 256, then reduced

// The sixteen colours of the standard palette, in their usual order.
const QRgb kPalette[16] = {
    0x000000,
    0x800000,
    0x008000,
    0x808000,
    0x000080,
    0x800080,
    0x008080,
    0xC0C0C0,
    0x808080,
    0xFF0000,
    0x00FF00,
    0xFFFF00,
    0x0000FF,
    0xFF00FF,
    0x00FFFF,
    0xFFFFFF,
};

QColor pal(int index)
{
    return QColor::fromRgb(kPalette[index]);
}

enum : int {
    Black,
    Maroon,
    Green,
    Olive,
    Navy,
    Purple,
    Teal,
    Silver,
    Gray,
    Red,
    Lime,
    Yellow,
    Blue,
    Fuchsia,
    Aqua,
    White
};

// Renders at kScale times the size on a transparent ground and reduces by averaging, so that
// edges are smooth before the colours are chosen. The drawing is in the 32 x 32 picture's
// coordinates; `scale` 2 gives the twin at twice the size.
QImage render(const std::function<void(QPainter &)> &draw, int scale)
{
    const int size = kSize * scale;
    QImage big(size * kScale, size * kScale, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(kScale * scale, kScale * scale);
        draw(p);
    }
    QImage out(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            long r = 0, g = 0, b = 0, a = 0;
            for (int sy = 0; sy < kScale; ++sy) {
                const auto *line
                    = reinterpret_cast<const QRgb *>(big.constScanLine(y * kScale + sy));
                for (int sx = 0; sx < kScale; ++sx) {
                    const QRgb c = line[x * kScale + sx];
                    r += qRed(c);
                    g += qGreen(c);
                    b += qBlue(c);
                    a += qAlpha(c);
                }
            }
            const int n = kScale * kScale;
            if (a == 0) {
                out.setPixel(x, y, 0);
                continue;
            }
            // Un-premultiply: the colour of the covered part.
            out.setPixel(
                x, y, qRgba(int(r * 255 / a), int(g * 255 / a), int(b * 255 / a), int(a / n)));
        }
    }
    return out;
}

// The background becomes black; any covered pixel takes a colour that is not black, so that
// keying leaves no holes. 24-bit pictures keep their colours (near-black lifted); 16-colour
// ones take the nearest palette colour, with a light ordered dither for gradients.
QImage flatten(const QImage &art, bool sixteen)
{
    static const int bayer[4][4]
        = { { 0, 8, 2, 10 }, { 12, 4, 14, 6 }, { 3, 11, 1, 9 }, { 15, 7, 13, 5 } };
    QImage out(art.size(), QImage::Format_RGB32);
    for (int y = 0; y < art.height(); ++y) {
        for (int x = 0; x < art.width(); ++x) {
            const QRgb c = art.pixel(x, y);
            if (qAlpha(c) < 110) {
                out.setPixel(x, y, 0xFF000000);
                continue;
            }
            int r = qRed(c), g = qGreen(c), b = qBlue(c);
            if (!sixteen) {
                if (r + g + b < 24)
                    r = g = b = 8;
                out.setPixel(x, y, qRgb(r, g, b));
                continue;
            }
            const int d = (bayer[y % 4][x % 4] - 8) * 3;
            r = qBound(0, r + d, 255);
            g = qBound(0, g + d, 255);
            b = qBound(0, b + d, 255);
            int best = 1;
            long bestDist = -1;
            for (int i = 1; i < 16; ++i) {
                const long dr = r - qRed(kPalette[i]), dg = g - qGreen(kPalette[i]),
                           db = b - qBlue(kPalette[i]);
                const long dist = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
                if (bestDist < 0 || dist < bestDist) {
                    bestDist = dist;
                    best = i;
                }
            }
            out.setPixel(x, y, kPalette[best] | 0xFF000000);
        }
    }
    return out;
}

// --- BMP files ---------------------------------------------------------------------------------

void put16(QByteArray &b, int v)
{
    b.append(char(v & 0xFF));
    b.append(char((v >> 8) & 0xFF));
}

void put32(QByteArray &b, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        b.append(char((v >> (8 * i)) & 0xFF));
}

QByteArray bmp(const QImage &image, bool sixteen)
{
    const int w = image.width(), h = image.height();
    const int bits = sixteen ? 4 : 24;
    const int rowBytes = ((w * bits + 31) / 32) * 4;
    const int paletteBytes = sixteen ? 16 * 4 : 0;
    const int offset = 14 + 40 + paletteBytes;
    QByteArray b;
    b.append("BM");
    put32(b, quint32(offset + rowBytes * h));
    put32(b, 0);
    put32(b, quint32(offset));
    put32(b, 40);
    put32(b, quint32(w));
    put32(b, quint32(h));
    put16(b, 1);
    put16(b, bits);
    put32(b, 0); // no compression
    put32(b, quint32(rowBytes * h));
    put32(b, 3780); // 96 pixels per inch
    put32(b, 3780);
    put32(b, sixteen ? 16 : 0);
    put32(b, 0);
    if (sixteen) {
        for (QRgb c : kPalette) {
            b.append(char(qBlue(c)));
            b.append(char(qGreen(c)));
            b.append(char(qRed(c)));
            b.append(char(0));
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row;
        for (int x = 0; x < w; ++x) {
            const QRgb c = image.pixel(x, y) & 0x00FFFFFF;
            if (sixteen) {
                int index = 0;
                for (int i = 0; i < 16; ++i)
                    if (kPalette[i] == c)
                        index = i;
                if (x % 2 == 0)
                    row.append(char(index << 4));
                else
                    row[row.size() - 1] = char(row.at(row.size() - 1) | index);
            } else {
                row.append(char(qBlue(c)));
                row.append(char(qGreen(c)));
                row.append(char(qRed(c)));
            }
        }
        row.resize(rowBytes, '\0');
        b.append(row);
    }
    return b;
}

// --- the pictures ------------------------------------------------------------------------------

QPen outline(int index, double width = 0.9)
{
    QPen pen(pal(index), width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

// A box seen from the front-right and above: front face, lighter top, darker side.
void bar3d(QPainter &p, double x, double base, double w, double h, int light, int face, int dark)
{
    const double dx = 4.0, dy = 3.0;
    const QRectF front(x, base - h, w, h);
    QPolygonF top { { x, base - h }, { x + dx, base - h - dy }, { x + w + dx, base - h - dy },
        { x + w, base - h } };
    QPolygonF side { { x + w, base - h }, { x + w + dx, base - h - dy }, { x + w + dx, base - dy },
        { x + w, base } };
    p.setPen(outline(Gray, 0.6));
    p.setBrush(pal(face));
    p.drawRect(front);
    p.setBrush(pal(light));
    p.drawPolygon(top);
    p.setBrush(pal(dark));
    p.drawPolygon(side);
}

void barChart(QPainter &p)
{
    // Floor and axis.
    p.setPen(Qt::NoPen);
    p.setBrush(pal(Silver));
    p.drawPolygon(QPolygonF { { 2, 29 }, { 6, 26 }, { 31, 26 }, { 27, 29 } });
    p.setPen(outline(White, 1.2));
    p.drawLine(QPointF(3, 3), QPointF(3, 29.5));
    p.drawLine(QPointF(2.5, 29.5), QPointF(28, 29.5));
    bar3d(p, 5.5, 28, 5.5, 10, Lime, Green, Teal);
    bar3d(p, 12.5, 28, 5.5, 17, Yellow, Red, Maroon);
    bar3d(p, 19.5, 28, 5.5, 22, Aqua, Blue, Navy);
}

void jewel(QPainter &p)
{
    // A pentagonal cut stone seen from above: a table in the middle, facets around it.
    const QPointF c(16, 16.5);
    QPolygonF outer, inner;
    for (int i = 0; i < 5; ++i) {
        const double a = -M_PI / 2 + i * 2 * M_PI / 5;
        outer << c + QPointF(14.5 * std::cos(a), 14.5 * std::sin(a));
        inner << c + QPointF(7.5 * std::cos(a + M_PI / 5), 7.5 * std::sin(a + M_PI / 5));
    }
    const int facetColours[10] = { Aqua, Teal, Blue, Navy, Teal, Blue, Aqua, White, Aqua, Teal };
    p.setPen(outline(Navy, 0.5));
    for (int i = 0; i < 5; ++i) {
        // Two triangles per edge: outer corner, inner corner, next outer corner.
        const QPointF o0 = outer[i], o1 = outer[(i + 1) % 5], in = inner[i];
        const QPointF prevIn = inner[(i + 4) % 5];
        p.setBrush(pal(facetColours[2 * i]));
        p.drawPolygon(QPolygonF { o0, o1, in });
        p.setBrush(pal(facetColours[2 * i + 1]));
        p.drawPolygon(QPolygonF { o0, in, prevIn });
    }
    p.setBrush(pal(Aqua));
    p.drawPolygon(inner);
    // Sparkle.
    p.setPen(outline(White, 1.1));
    p.drawLine(QPointF(11, 11), QPointF(15, 9.5));
    p.drawLine(QPointF(24, 4), QPointF(24, 9));
    p.drawLine(QPointF(21.5, 6.5), QPointF(26.5, 6.5));
}

void videoCamera(QPainter &p)
{
    // Tape reels on top.
    p.setPen(outline(Gray, 0.7));
    p.setBrush(pal(Silver));
    p.drawEllipse(QPointF(10, 8), 5, 5);
    p.drawEllipse(QPointF(20, 8), 5, 5);
    p.setBrush(pal(Gray));
    p.drawEllipse(QPointF(10, 8), 1.6, 1.6);
    p.drawEllipse(QPointF(20, 8), 1.6, 1.6);
    // Body.
    p.setPen(outline(Gray, 0.8));
    p.setBrush(pal(Navy));
    p.drawRoundedRect(QRectF(2.5, 13, 21, 13), 2, 2);
    p.setBrush(pal(Blue));
    p.drawRoundedRect(QRectF(4, 14.5, 18, 4), 1, 1);
    // Lens hood at the front, pointing right.
    p.setBrush(pal(Silver));
    p.drawPolygon(QPolygonF { { 23.5, 16.5 }, { 30.5, 13 }, { 30.5, 27 }, { 23.5, 23.5 } });
    p.setBrush(pal(Aqua));
    p.drawEllipse(QPointF(29, 20), 1.6, 5);
    // Record lamp and strap.
    p.setPen(Qt::NoPen);
    p.setBrush(pal(Red));
    p.drawEllipse(QPointF(6.5, 22.5), 1.5, 1.5);
    p.setPen(outline(Olive, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(8, 21, 12, 9), 200 * 16, 140 * 16);
}

void openBook(QPainter &p)
{
    // Cover behind the pages.
    p.setPen(outline(Navy, 0.7));
    p.setBrush(pal(Blue));
    QPainterPath cover;
    cover.moveTo(1, 10);
    cover.lineTo(16, 12.5);
    cover.lineTo(31, 10);
    cover.lineTo(31, 27);
    cover.lineTo(16, 29.5);
    cover.lineTo(1, 27);
    cover.closeSubpath();
    p.drawPath(cover);
    // Two pages that curve up from the spine.
    p.setPen(outline(Gray, 0.7));
    p.setBrush(pal(White));
    QPainterPath left;
    left.moveTo(16, 11);
    left.cubicTo(12, 7, 6, 7, 2.5, 8.5);
    left.lineTo(2.5, 25.5);
    left.cubicTo(6, 24, 12, 24, 16, 27.5);
    left.closeSubpath();
    p.drawPath(left);
    QPainterPath right;
    right.moveTo(16, 11);
    right.cubicTo(20, 7, 26, 7, 29.5, 8.5);
    right.lineTo(29.5, 25.5);
    right.cubicTo(26, 24, 20, 24, 16, 27.5);
    right.closeSubpath();
    p.setBrush(pal(Silver).lighter(112));
    p.drawPath(right);
    // Lines of text.
    p.setPen(outline(Gray, 0.8));
    for (int i = 0; i < 5; ++i) {
        const double y = 12.5 + i * 2.6;
        p.drawLine(QPointF(5, y - 0.6), QPointF(13, y + 0.4));
        p.drawLine(QPointF(19, y + 0.4), QPointF(27, y - 0.6));
    }
    // A red ribbon bookmark.
    p.setPen(Qt::NoPen);
    p.setBrush(pal(Red));
    p.drawPolygon(
        QPolygonF { { 22, 9 }, { 24.5, 8.6 }, { 24.5, 21 }, { 23.25, 19.5 }, { 22, 21 } });
}

void magnifierOverForm(QPainter &p)
{
    // The form: a sheet with a title bar and filled-in lines.
    p.setPen(outline(Gray, 0.8));
    p.setBrush(pal(White));
    p.drawRect(QRectF(3.5, 2.5, 19, 25));
    p.setPen(Qt::NoPen);
    p.setBrush(pal(Blue));
    p.drawRect(QRectF(4, 3, 18, 3.5));
    p.setBrush(pal(Silver));
    for (int i = 0; i < 5; ++i)
        p.drawRect(QRectF(6, 9 + i * 3.4, i % 2 ? 10 : 13, 1.6));
    p.setBrush(pal(Green));
    p.drawRect(QRectF(6, 25.2, 6, 1.2));
    // The magnifying glass.
    p.setPen(outline(Maroon, 3.4));
    p.drawLine(QPointF(23.5, 23.5), QPointF(29.5, 29.5));
    p.setPen(outline(Olive, 1.2));
    p.drawLine(QPointF(24.2, 24.2), QPointF(29, 29));
    p.setPen(outline(Gray, 2.2));
    p.setBrush(pal(Aqua));
    p.drawEllipse(QPointF(18.5, 18.5), 7, 7);
    p.setPen(outline(Teal, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(14.5, 18), QPointF(22.5, 18));
    p.drawLine(QPointF(14.5, 21), QPointF(20.5, 21));
    p.setPen(outline(White, 1.2));
    p.drawArc(QRectF(13.5, 13.5, 10, 10), 100 * 16, 70 * 16);
}

void smilingFace(QPainter &p)
{
    p.setPen(outline(Olive, 1.0));
    p.setBrush(pal(Yellow));
    p.drawEllipse(QPointF(16, 16), 14, 14);
    // Eyes.
    p.setPen(Qt::NoPen);
    p.setBrush(pal(Maroon));
    p.drawEllipse(QPointF(11, 12), 2, 3);
    p.drawEllipse(QPointF(21, 12), 2, 3);
    p.setBrush(pal(White));
    p.drawEllipse(QPointF(11.6, 11), 0.7, 0.9);
    p.drawEllipse(QPointF(21.6, 11), 0.7, 0.9);
    // Smile and cheeks.
    p.setPen(outline(Maroon, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(8, 9, 16, 14), 200 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(pal(Red));
    p.drawEllipse(QPointF(7.5, 18.5), 1.8, 1.2);
    p.drawEllipse(QPointF(24.5, 18.5), 1.8, 1.2);
    p.setBrush(pal(White));
    p.drawEllipse(QPointF(10, 6.5), 2.5, 1.5);
}

void personAtComputer(QPainter &p)
{
    // The monitor behind.
    QLinearGradient caseGrad(0, 2, 0, 22);
    caseGrad.setColorAt(0, QColor(236, 236, 230));
    caseGrad.setColorAt(1, QColor(176, 176, 168));
    p.setPen(QPen(QColor(110, 110, 105), 0.8));
    p.setBrush(caseGrad);
    p.drawRoundedRect(QRectF(6, 1.5, 25, 19), 1.8, 1.8);
    QLinearGradient screen(0, 4, 0, 18);
    screen.setColorAt(0, QColor(70, 150, 245));
    screen.setColorAt(1, QColor(18, 60, 170));
    p.setPen(QPen(QColor(60, 60, 70), 0.6));
    p.setBrush(screen);
    p.drawRect(QRectF(8.5, 4, 20, 13.5));
    // A window on the screen.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 244, 255));
    p.drawRect(QRectF(18, 6, 8.5, 6));
    p.setBrush(QColor(255, 170, 40));
    p.drawRect(QRectF(18, 6, 8.5, 1.4));
    // Stand.
    p.setBrush(QColor(150, 150, 144));
    p.drawRect(QRectF(16, 20.5, 6, 3));
    p.drawRoundedRect(QRectF(12.5, 23, 13, 2.2), 1, 1);
    // The person in front, seen from behind at the left.
    QRadialGradient shirt(QPointF(9, 24), 12);
    shirt.setColorAt(0, QColor(230, 70, 60));
    shirt.setColorAt(1, QColor(150, 25, 25));
    p.setPen(QPen(QColor(90, 20, 20), 0.7));
    p.setBrush(shirt);
    QPainterPath body;
    body.moveTo(0.8, 31.5);
    body.cubicTo(0.8, 22, 4, 19.5, 9.5, 19.5);
    body.cubicTo(15, 19.5, 18, 22, 18, 31.5);
    body.closeSubpath();
    p.drawPath(body);
    QRadialGradient skin(QPointF(8, 11), 7);
    skin.setColorAt(0, QColor(255, 222, 186));
    skin.setColorAt(1, QColor(214, 160, 120));
    p.setPen(QPen(QColor(150, 100, 70), 0.6));
    p.setBrush(skin);
    p.drawEllipse(QPointF(9.5, 13.5), 5, 5.6);
    // Hair.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 45, 25));
    QPainterPath hair;
    hair.moveTo(4.3, 13);
    hair.cubicTo(4, 6.5, 15, 6, 14.8, 12.5);
    hair.cubicTo(12, 10, 8, 10.5, 4.3, 13);
    p.drawPath(hair);
}

void questionMark(QPainter &p)
{
    p.setPen(outline(Gray, 1.0));
    QRadialGradient face(QPointF(12, 10), 18);
    face.setColorAt(0, Qt::white);
    face.setColorAt(1, Qt::white);
    p.setBrush(face);
    p.drawEllipse(QPointF(16, 16), 14.5, 14.5);
    p.setPen(outline(Silver, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(3, 3, 26, 26), 200 * 16, 160 * 16);
    // The question mark, red and heavy.
    QPen mark(pal(Red), 4.2);
    mark.setCapStyle(Qt::FlatCap);
    mark.setJoinStyle(Qt::RoundJoin);
    p.setPen(mark);
    QPainterPath q;
    q.moveTo(10.5, 12);
    q.cubicTo(10.5, 6, 21.5, 6, 21.5, 11.5);
    q.cubicTo(21.5, 15.5, 16, 15.5, 16, 20);
    p.drawPath(q);
    p.setPen(Qt::NoPen);
    p.setBrush(pal(Red));
    p.drawEllipse(QPointF(16, 25.2), 2.4, 2.4);
}

struct Glyph {
    const char *file;
    bool sixteen;
    void (*draw)(QPainter &);
};

const Glyph kGlyphs[] = {
    { "zynButton1.bmp", true, barChart },
    { "zynButton2.bmp", true, jewel },
    { "zynButton3.bmp", true, videoCamera },
    { "zynButton4.bmp", true, openBook },
    { "zynButton5.bmp", true, magnifierOverForm },
    { "zynButton6.bmp", true, smilingFace },
    { "zynButton7.bmp", false, personAtComputer },
    { "zynButton8.bmp", true, questionMark },
};

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: guide-glyphs <output directory> [contact sheet.png]\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(dir.path()))
        return 1;
    QImage sheet(8 * 80, 80, QImage::Format_RGB32);
    sheet.fill(QColor(0xE7, 0xE7, 0xE7));
    int i = 0;
    for (const Glyph &glyph : kGlyphs) {
        const QImage image = flatten(render(glyph.draw, 1), glyph.sixteen);
        const QImage twin = flatten(render(glyph.draw, 2), glyph.sixteen);
        const QString name = QString::fromLatin1(glyph.file);
        const QString twinName = name.chopped(4) + QStringLiteral("@2x.bmp");
        for (const auto &[fileName, picture] :
            { std::pair(name, image), std::pair(twinName, twin) }) {
            QFile file(dir.filePath(fileName));
            if (!file.open(QIODevice::WriteOnly) || file.write(bmp(picture, glyph.sixteen)) < 0) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
                return 1;
            }
        }
        QPainter(&sheet).drawImage(QRect(i * 80 + 8, 8, 64, 64), image);
        ++i;
    }
    if (argc > 2)
        sheet.save(QString::fromLocal8Bit(argv[2]));
    return 0;
}
