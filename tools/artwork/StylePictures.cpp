#include "StylePictures.h"

#include "ArtKit.h"
#include "ZYNLooks.h"

#include <QFont>
#include <QPainterPath>
#include <QRandomGenerator>

#include <array>

using namespace art;

namespace {

enum Style { MacOS, WinXP, DeepBlue, Protein, BlueGlass };
enum State { Normal, MouseOn, MouseDown };

// Sizes that fix the geometry of the skinned elements, and the surroundings each picture is
// drawn for (the colours of the theme records), so that edges blend into what lies under them.
struct StyleArt {
    QString prefix;
    QSize button, check, radio, checkList { 11, 11 }, progress, progressV;
    QSize titleLeft, titleClient, titleRight;
    int titleButton, titleButtonTop;
    bool titleButtonTransparent;
    QSize tab, tabLine, trackBar, slider, sliderV, scrollButton, scrollTrack;
    QColor form, control, track, scroll;
};

const std::array<StyleArt, 5> styleArt = { {
    { "MACOS", { 84, 23 }, { 15, 17 }, { 16, 17 }, { 11, 11 }, { 13, 10 }, { 13, 13 }, { 48, 23 },
        { 49, 23 }, { 48, 23 }, 17, 4, false, { 18, 27 }, { 17, 7 }, { 45, 5 }, { 11, 20 },
        { 19, 11 }, { 16, 22 }, { 16, 33 }, QColor(0xE7E7E7), QColor(0xE7E7E7), QColor(0xEEEEEE),
        QColor(0xC9C9C9) },
    { "WINXP", { 18, 21 }, { 13, 13 }, { 13, 13 }, { 11, 11 }, { 6, 10 }, { 10, 6 }, { 35, 29 },
        { 37, 29 }, { 35, 29 }, 21, 5, false, { 9, 18 }, { 8, 1 }, { 45, 8 }, { 11, 21 },
        { 22, 11 }, { 16, 17 }, { 16, 21 }, QColor(0xEFEBDE), QColor(0xEFEBDE), QColor(0xEFEBDE),
        QColor(0xF9F9F9) },
    { "DEEPBLUE", { 74, 21 }, { 13, 13 }, { 13, 13 }, { 11, 11 }, { 1, 10 }, { 10, 1 }, { 97, 32 },
        { 98, 32 }, { 97, 32 }, 19, 2, false, { 6, 17 }, { 5, 5 }, { 45, 4 }, { 11, 20 },
        { 18, 11 }, { 16, 16 }, { 16, 21 }, QColor(0xE8E8E8), QColor(0xE8E8E8), QColor(0xE8E8E8),
        QColor(0xF5F5F5) },
    { "PROTEIN", { 74, 21 }, { 13, 13 }, { 13, 13 }, { 11, 11 }, { 1, 10 }, { 10, 1 }, { 441, 23 },
        { 1, 23 }, { 1, 23 }, 19, 2, true, { 9, 17 }, { 10, 5 }, { 45, 4 }, { 11, 20 }, { 18, 11 },
        { 16, 16 }, { 16, 21 }, QColor(0xFBFBFB), QColor(0xFBFBFB), QColor(0xFBFBFB),
        QColor(0xF5F5F5) },
    { "BLUEGLASS", { 77, 27 }, { 13, 13 }, { 13, 13 }, { 11, 11 }, { 1, 10 }, { 10, 1 },
        { 162, 33 }, { 179, 33 }, { 101, 33 }, 19, 6, true, { 9, 17 }, { 10, 5 }, { 45, 4 },
        { 11, 20 }, { 18, 11 }, { 17, 16 }, { 16, 21 }, QColor(0xE7E7E7), QColor(0xE7E7E7),
        QColor(0xE7E7E7), QColor(0xF4F4F4) },
} };

QColor c(QRgb rgb)
{
    return QColor::fromRgb(rgb);
}

// The hover and pressed shades of a picture drawn from colour stops (thumbs, sliders, tabs,
// the combo button): under the pointer a colour leans toward a light hover blue, pressed it
// darkens, so either state reads at a glance on every style's surroundings.
QColor shade(const QColor &color, State st)
{
    if (st == MouseOn)
        return QColor::fromRgb(qRgb((color.red() * 60 + 0x8E * 40) / 100,
            (color.green() * 60 + 0xBE * 40) / 100, (color.blue() * 60 + 0xF0 * 40) / 100));
    if (st == MouseDown)
        return color.darker(125);
    return color;
}

// ---------------------------------------------------------------- push buttons (nine-slice)

QImage buttonPicture(Style s, State st)
{
    const StyleArt &sp = styleArt[s];
    const int w = sp.button.width(), h = sp.button.height();
    QImage img = layer(w, h);
    QPainter p;
    begin(p, img);
    QRectF r(0.5, 0.5, w - 1, h - 1);
    qreal radius = 3;
    QColor border;
    QLinearGradient fill;
    qreal gloss = 0;
    switch (s) {
    case MacOS:
        r = QRectF(0.5, 0.5, w - 1, h - 2);
        radius = (h - 2) / 2.0;
        border = st == MouseDown ? c(0x3D6FA8) : st == MouseOn ? c(0x6A8DB8) : c(0x8A8A8A);
        fill = st == MouseDown ? vgrad(0, h,
                   { { 0, c(0xA9CBF4) }, { 0.5, c(0x6FA5EA) }, { 0.52, c(0x4B8BE0) },
                       { 1, c(0xA6D0FA) } })
            : st == MouseOn    ? vgrad(0, h,
                     { { 0, c(0xFAFCFF) }, { 0.5, c(0xDCE9F8) }, { 0.52, c(0xC7DCF4) },
                         { 1, c(0xEAF3FD) } })
                               : vgrad(0, h,
                                   { { 0, c(0xFFFFFF) }, { 0.5, c(0xEFEFEF) }, { 0.52, c(0xE0E0E0) },
                                       { 1, c(0xF7F7F7) } });
        gloss = 0.55;
        // A soft shadow under the pill.
        p.setPen(QPen(QColor(0, 0, 0, 40), 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(roundRect(r.translated(0, 1), radius));
        break;
    case WinXP:
        radius = 3;
        border = c(0x003C74);
        fill = st == MouseDown
            ? vgrad(0, h, { { 0, c(0xE3E2DA) }, { 0.8, c(0xEFEEE8) }, { 1, c(0xF4F3EE) } })
            : vgrad(0, h, { { 0, c(0xFFFFFF) }, { 0.85, c(0xF1F0EA) }, { 1, c(0xD8D2C6) } });
        break;
    case DeepBlue:
        radius = 2;
        border = st == MouseDown ? c(0x141E33) : st == MouseOn ? c(0x2D4C84) : c(0x26334F);
        fill = st == MouseDown ? vgrad(0, h, { { 0, c(0x9AA9BF) }, { 1, c(0xC9D2DE) } })
            : st == MouseOn
            ? vgrad(0, h, { { 0, c(0xFFFFFF) }, { 0.5, c(0xDCE6F3) }, { 1, c(0xB3C6E0) } })
            : vgrad(0, h, { { 0, c(0xF6F8FB) }, { 0.5, c(0xD6DDE7) }, { 1, c(0xAEB9C9) } });
        break;
    case Protein:
        radius = 9;
        border = st == MouseOn ? c(0x6F7F93) : st == MouseDown ? c(0x6A6A6A) : c(0x9C9C9C);
        fill = st == MouseDown ? vgrad(0, h, { { 0, c(0xCFCFCF) }, { 1, c(0xF3F3F3) } })
            : st == MouseOn    ? vgrad(0, h,
                     { { 0, c(0xFFFFFF) }, { 0.5, c(0xEAF0F7) }, { 0.55, c(0xD9E3EF) },
                         { 1, c(0xF2F6FB) } })
                               : vgrad(0, h,
                                   { { 0, c(0xFFFFFF) }, { 0.5, c(0xF0F0F0) }, { 0.55, c(0xE0E0E0) },
                                       { 1, c(0xF6F6F6) } });
        gloss = 0.6;
        break;
    case BlueGlass:
        radius = 6;
        border = st == MouseDown ? c(0x2A5A96) : st == MouseOn ? c(0x2E86C8) : c(0x4A7FBF);
        fill = st == MouseDown ? vgrad(0, h,
                   { { 0, c(0x9FC6EC) }, { 0.5, c(0x6EA5DD) }, { 0.52, c(0x5690D3) },
                       { 1, c(0x8CBDEB) } })
            : st == MouseOn    ? vgrad(0, h,
                     { { 0, c(0xF2FAFF) }, { 0.5, c(0xC8E8FC) }, { 0.52, c(0xA3D7F8) },
                         { 1, c(0xD6F1FF) } })
                               : vgrad(0, h,
                                   { { 0, c(0xEDF5FD) }, { 0.5, c(0xC4DEF7) }, { 0.52, c(0xA6CCF0) },
                                       { 1, c(0xCDE4FA) } });
        gloss = 0.7;
        break;
    }
    const QPainterPath shape = roundRect(r, radius);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(shape);
    if (gloss > 0 && st != MouseDown) {
        QRectF g = r.adjusted(2, 1.5, -2, -r.height() / 2);
        p.setBrush(vgrad(g.top(), g.bottom(),
            { { 0, QColor(255, 255, 255, int(gloss * 255)) }, { 1, QColor(255, 255, 255, 20) } }));
        p.drawPath(roundRect(g, qMin(radius, g.height() / 2)));
    }
    if (s == WinXP && st == MouseOn) {
        // The hot look: a warm inner ring.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QBrush(vgrad(0, h, { { 0, c(0xFFF0CF) }, { 1, c(0xE5971F) } })), 2));
        p.drawPath(roundRect(r.adjusted(1.5, 1.5, -1.5, -1.5), 2));
    }
    if (s == DeepBlue && st != MouseDown) {
        p.setPen(QPen(QColor(255, 255, 255, 170), 1));
        p.drawLine(QPointF(2, 1.5), QPointF(w - 2, 1.5));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(border, 1));
    p.drawPath(shape);
    p.end();
    // Styles that draw their buttons without keyed corners show the corners as they are: they
    // must be the colour of the form, not the key.
    const TzynUIStyle style = TzynUIStyle(int(s) + 1);
    QImage out = StyleLook(style).buttonTransparent ? flatten(img, sp.form, fuchsia, 96)
                                                    : opaque(img, sp.form);
    // A taller button repeats the centre row in its middle and left edge but the row below it
    // in its right edge: the two rows must be alike, or the right end of a tall button shows as
    // a band of another shade.
    const int hh = h / 2;
    copyRow(out, hh, h - hh);
    return out;
}

// ---------------------------------------------------------------- check boxes, radios, marks

struct MarkLook {
    QColor border, top, bottom, mark;
    QColor ring; // hover ring (WinXP)
};

MarkLook markLook(Style s, bool checked, bool disabled, State st)
{
    if (disabled)
        return { c(0xB4B4B4), c(0xF4F4F4), c(0xE2E2E2), c(0xA8A8A8), QColor() };
    switch (s) {
    case MacOS:
        if (st == MouseDown)
            return checked
                ? MarkLook { c(0x2F4F7A), c(0x6FA5EA), c(0x2A5FAE), c(0xFFFFFF), QColor() }
                : MarkLook { c(0x5A5A5A), c(0xC9C9C9), c(0xEFEFEF), c(0x000000), QColor() };
        if (checked)
            return { c(0x4A6E9C), c(0xB9D6F8), c(0x3C7CD6), c(0xFFFFFF),
                st == MouseOn ? c(0x9CC8FA) : QColor() };
        return { st == MouseOn ? c(0x4A7FC4) : c(0x7C7C7C), c(0xFFFFFF), c(0xD9D9D9), c(0x000000),
            st == MouseOn ? c(0x9CC8FA) : QColor() };
    case WinXP:
        if (st == MouseDown)
            return { c(0x1C5180), c(0xB0B0A7), c(0xE3E1D5), c(0x21A121), QColor() };
        return { c(0x1C5180), c(0xDCDCD7), c(0xFFFFFF), c(0x21A121),
            st == MouseOn ? c(0xF8B330) : QColor() };
    case DeepBlue:
        if (st == MouseDown)
            return { c(0x22304D), c(0xA9B6CA), c(0xE6EBF2), c(0x15264A), QColor() };
        return { c(0x22304D), c(0xF7F9FC), c(0xC3CDDB), c(0x15264A),
            st == MouseOn ? c(0x4F7BC4) : QColor() };
    case Protein:
        if (st == MouseDown)
            return { c(0x5E5E5E), c(0xC8C8C8), c(0xEEEEEE), c(0x2F2F2F), QColor() };
        return { st == MouseOn ? c(0x3F6FB0) : c(0x8C8C8C), c(0xFFFFFF), c(0xD6D6D6), c(0x2F2F2F),
            st == MouseOn ? c(0x9EC3EE) : QColor() };
    case BlueGlass:
        if (st == MouseDown)
            return { c(0x2E5F9E), c(0x8DBDEB), c(0xD2E8FC), c(0x0D3D7A), QColor() };
        return { c(0x3F78BE), c(0xF4F9FF), c(0xB3D5F5), c(0x0D3D7A),
            st == MouseOn ? c(0x5EB6F2) : QColor() };
    }
    return {};
}

// A list's mark (listMark) is a plain square box in every style, a pixel inside its picture: in
// the list's small cell the rounder box of a check box would read as a radio button.
QImage checkPicture(Style s, QSize size, QColor bg, bool checked, bool disabled, State st,
    bool round, bool listMark = false)
{
    const int w = size.width(), h = size.height();
    QImage img = layer(w, h);
    QPainter p;
    begin(p, img);
    // The MacOS box stands a pixel high over its shadow. A list's mark keeps a pixel of the
    // list's colour around it, so that it does not touch the list's border.
    const bool shadowed = s == MacOS && !listMark;
    const qreal side = qMin(w, h) - 1 - (shadowed || listMark ? 2 : 0);
    QRectF box(0.5 + (w - 1 - side) / 2.0, 0.5 + (shadowed ? 1 : (h - 1 - side) / 2.0), side, side);
    const MarkLook look = markLook(s, checked, disabled, st);
    QPainterPath shape;
    if (round)
        shape.addEllipse(box);
    else
        shape = roundRect(box, s == WinXP ? 1 : (s == DeepBlue || listMark ? 1.5 : 2.5));
    if (shadowed && !disabled) {
        p.setPen(QPen(QColor(0, 0, 0, 45), 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(shape.translated(0, 1));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(s == WinXP ? QBrush(QLinearGradient(box.topLeft(), box.bottomRight())) : QBrush());
    QLinearGradient g = s == WinXP ? QLinearGradient(box.topLeft(), box.bottomRight())
                                   : vgrad(box.top(), box.bottom(), {});
    g.setColorAt(0, look.top);
    g.setColorAt(1, look.bottom);
    p.setBrush(g);
    p.drawPath(shape);
    if ((s == MacOS || s == BlueGlass || s == Protein) && !disabled) {
        QRectF gl = box.adjusted(1.5, 1, -1.5, -box.height() / 2);
        p.setBrush(vgrad(gl.top(), gl.bottom(),
            { { 0, QColor(255, 255, 255, 170) }, { 1, QColor(255, 255, 255, 30) } }));
        if (round)
            p.drawEllipse(gl);
        else
            p.drawPath(roundRect(gl, 1.5));
    }
    if (look.ring.isValid()) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(look.ring, 1.5));
        if (round)
            p.drawEllipse(box.adjusted(1.5, 1.5, -1.5, -1.5));
        else
            p.drawRect(box.adjusted(1.5, 1.5, -1.5, -1.5));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(look.border, 1));
    p.drawPath(shape);
    if (checked) {
        if (round) {
            const qreal d = side * 0.42;
            QRectF dot(box.center().x() - d / 2, box.center().y() - d / 2, d, d);
            p.setPen(Qt::NoPen);
            QRadialGradient rg(dot.center() - QPointF(d * 0.2, d * 0.2), d * 0.8);
            rg.setColorAt(0, mix(look.mark, Qt::white, 0.45));
            rg.setColorAt(1, look.mark);
            p.setBrush(rg);
            p.drawEllipse(dot);
        } else {
            QRectF m = box.adjusted(side * 0.22, side * 0.24, -side * 0.2, -side * 0.26);
            QPen pen(look.mark, side > 11 ? 2.0 : 1.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
            glyphCheck(p, m, pen);
        }
    }
    p.end();
    // Marks are drawn through their top-left colour: that corner is always surroundings.
    clearPixel(img, 0, 0);
    return flatten(img, bg, bg.rgb(), 64);
}

// ---------------------------------------------------------------- progress bars

QLinearGradient progressFill(Style s, qreal a0, qreal a1, bool vertical)
{
    auto g = [&](Stops stops) { return vertical ? hgrad(a0, a1, stops) : vgrad(a0, a1, stops); };
    switch (s) {
    case MacOS:
        return g({ { 0, c(0xC4DEFA) }, { 0.45, c(0x6FA6EC) }, { 0.5, c(0x3E7ED9) },
            { 1, c(0x8CC0F7) } });
    case WinXP:
        return g({ { 0, c(0xAEF3AE) }, { 0.4, c(0x4FCB4F) }, { 0.75, c(0x2AAE2A) },
            { 1, c(0x6CD86C) } });
    case DeepBlue:
        return g({ { 0, c(0x8FA3C8) }, { 0.45, c(0x34508A) }, { 1, c(0x1A2C55) } });
    case Protein:
        return g({ { 0, c(0xF2F2F2) }, { 0.45, c(0xB9BEC6) }, { 0.5, c(0x9AA1AC) },
            { 1, c(0xC8CDD4) } });
    case BlueGlass:
        return g({ { 0, c(0xD9EDFF) }, { 0.45, c(0x7DBBF3) }, { 0.5, c(0x3F8FE0) },
            { 1, c(0x8FCBFA) } });
    }
    return {};
}

QImage progressPicture(Style s, bool vertical)
{
    const StyleArt &sp = styleArt[s];
    const QSize size = vertical ? sp.progressV : sp.progress;
    QImage img = layer(size.width(), size.height());
    QPainter p;
    begin(p, img);
    p.setRenderHint(QPainter::Antialiasing, false);
    const qreal len = vertical ? size.width() : size.height();
    p.fillRect(img.rect(), progressFill(s, 0, len, vertical));
    if (s == WinXP) {
        // Segment gaps of the classic block bar.
        const QColor gap(0xFF, 0xFF, 0xFF, 150);
        if (vertical)
            p.fillRect(0, 0, size.width(), 1, gap);
        else
            p.fillRect(size.width() - 1, 0, 1, size.height(), gap);
    }
    if (s == MacOS) {
        // Barber-pole sheen.
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 55));
        QPainterPath band;
        const qreal n = vertical ? size.height() : size.width();
        if (vertical) {
            band.moveTo(0, n * 0.1);
            band.lineTo(size.width(), n * 0.5);
            band.lineTo(size.width(), n * 0.9);
            band.lineTo(0, n * 0.5);
        } else {
            band.moveTo(n * 0.1, 0);
            band.lineTo(n * 0.5, 0);
            band.lineTo(n * 0.9, size.height());
            band.lineTo(n * 0.5, size.height());
        }
        p.drawPath(band);
    }
    p.end();
    return opaque(img, sp.control);
}

// ---------------------------------------------------------------- title bars

// A deterministic brushed texture: one grey offset per row.
int brushOffset(int row)
{
    static const int offsets[] = { 0, 2, -1, 1, -2, 1, 0, 2, -1, 0, 1, -2, 2, 0, -1, 1, -1, 2, 0,
        -2, 1, 0, -1, 1, 2, 0, -1, 1, 0, -2, 1, 0, 2 };
    return offsets[row % int(std::size(offsets))];
}

void titleBase(QPainter &p, Style s, int w, int h)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    switch (s) {
    case MacOS:
        for (int y = 0; y < h; ++y) {
            const qreal t = qreal(y) / (h - 1);
            int v = int(0xF6 - t * 0x2E) + brushOffset(y);
            p.fillRect(0, y, w, 1, QColor(v, v, v));
        }
        p.fillRect(0, 0, w, 1, c(0xFDFDFD));
        p.fillRect(0, h - 1, w, 1, c(0x8E8E8E));
        break;
    case WinXP:
        p.fillRect(0, 0, w, h,
            vgrad(0, h,
                { { 0, c(0x0A5FE8) }, { 0.1, c(0x3D95FF) }, { 0.22, c(0x0A66F5) },
                    { 0.5, c(0x0058EE) }, { 0.85, c(0x0054E3) }, { 0.93, c(0x0A61E5) },
                    { 1, c(0x0041C2) } }));
        break;
    case DeepBlue:
        p.fillRect(0, 0, w, h,
            vgrad(0, h, { { 0, c(0x33486F) }, { 0.45, c(0x1C2D52) }, { 1, c(0x0D1833) } }));
        p.fillRect(0, 0, w, 1, c(0x8FA3C4));
        p.fillRect(0, h - 3, w, 1, c(0x5C6E8F));
        p.fillRect(0, h - 2, w, 1, c(0x3A4966));
        p.fillRect(0, h - 1, w, 1, c(0x070D1C));
        break;
    case Protein:
        p.fillRect(0, 0, w, h,
            vgrad(0, h,
                { { 0, c(0xFFFFFF) }, { 0.5, c(0xF4F4F4) }, { 0.55, c(0xEBEBEB) },
                    { 1, c(0xDCDCDC) } }));
        p.fillRect(0, h - 1, w, 1, c(0xA6A6A6));
        break;
    case BlueGlass:
        p.fillRect(0, 0, w, h,
            vgrad(0, h,
                { { 0, c(0xA6D1F7) }, { 0.48, c(0x6EADEA) }, { 0.5, c(0x2F78D0) },
                    { 1, c(0x5A9FE6) } }));
        p.fillRect(0, 0, w, 1, c(0xDDEEFF));
        p.fillRect(0, h - 1, w, 1, c(0x1D56A2));
        break;
    }
    p.setRenderHint(QPainter::Antialiasing, true);
}

// Outside a rounded top corner: the frame's border colour, which the window mask cuts away.
void roundCorner(QImage &img, Style s, int radius, bool left)
{
    const QColor outside = s == WinXP ? c(0x002CC8) : c(0x000000);
    const QSize size = pictureSize(img);
    QImage mask = layer(size.width(), size.height());
    QPainter p;
    begin(p, mask);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    const qreal x = left ? 0 : size.width() - 2 * radius;
    QPainterPath outsidePath;
    outsidePath.addRect(QRectF(x, 0, 2 * radius, 2 * radius));
    QPainterPath circle;
    circle.addEllipse(QRectF(x, 0, 2 * radius, 2 * radius));
    QPainterPath keep;
    keep.addRect(QRectF(x, radius, 2 * radius, radius));
    keep.addRect(QRectF(left ? x + radius : x, 0, radius, 2 * radius));
    p.drawPath(outsidePath.subtracted(circle.united(keep)));
    p.end();
    for (int y = 0; y < radius * scale(); ++y)
        for (int xx = 0; xx < img.width(); ++xx) {
            const int a = qAlpha(mask.pixel(xx, y));
            if (a > 0) {
                const QColor under = img.pixelColor(xx, y);
                img.setPixelColor(xx, y, mix(under, outside, a / 255.0));
            }
        }
    // A light rim just inside the curve.
    QPainter rim(&img);
    rim.setRenderHint(QPainter::Antialiasing);
    rim.setPen(QPen(QColor(255, 255, 255, s == WinXP ? 110 : 150), 1));
    rim.setBrush(Qt::NoBrush);
    rim.drawArc(QRectF(x + 0.5, 0.5, 2 * radius - 1, 2 * radius - 1), left ? 90 * 16 : 0, 90 * 16);
}

QImage titleClient(Style s)
{
    const StyleArt &sp = styleArt[s];
    QImage img = layer(sp.titleClient.width(), sp.titleClient.height());
    QPainter p(&img);
    titleBase(p, s, sp.titleClient.width(), sp.titleClient.height());
    return img.convertToFormat(QImage::Format_RGB32);
}

QImage titleLeft(Style s)
{
    const StyleArt &sp = styleArt[s];
    QImage img = layer(sp.titleLeft.width(), sp.titleLeft.height());
    const int w = sp.titleLeft.width(), h = sp.titleLeft.height();
    QPainter p(&img);
    titleBase(p, s, w, h);
    p.setRenderHint(QPainter::Antialiasing);
    switch (s) {
    case MacOS:
        break;
    case WinXP:
        p.end();
        roundCorner(img, s, 7, true);
        p.begin(&img);
        p.fillRect(0, 7, 1, h - 7, c(0x1B64D8));
        break;
    case DeepBlue: {
        // A steel plate behind the icon and the start of the caption, fading into the navy.
        QPainterPath plate;
        plate.moveTo(0, 1);
        plate.lineTo(w * 0.62, 1);
        plate.cubicTo(w * 0.8, 1, w * 0.75, h - 3, w, h - 3);
        plate.lineTo(0, h - 3);
        plate.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(hgrad(0, w,
            { { 0, QColor(0x93, 0xA6, 0xC6, 150) }, { 0.5, QColor(0x5A, 0x70, 0x98, 90) },
                { 1, QColor(0x3A, 0x50, 0x78, 0) } }));
        p.drawPath(plate);
        p.setBrush(vgrad(
            1, h / 2.0, { { 0, QColor(255, 255, 255, 70) }, { 1, QColor(255, 255, 255, 0) } }));
        p.drawRect(QRectF(0, 1, w * 0.7, h / 2.0 - 1));
        break;
    }
    case Protein: {
        // The long silver cap: a brushed capsule that ends in a soft curve and fades into white.
        // It is a deep enough silver for the white caption drawn over it to stay readable.
        QPainterPath cap;
        const qreal end = w - 28;
        cap.moveTo(0, 2);
        cap.lineTo(end - 40, 2);
        cap.cubicTo(end - 10, 2, end - 20, h - 3, end + 15, h - 3);
        cap.lineTo(0, h - 3);
        cap.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(vgrad(2, h - 3,
            { { 0, c(0xA9AEB6) }, { 0.5, c(0x858B94) }, { 0.55, c(0x70767F) },
                { 1, c(0x8E949C) } }));
        p.drawPath(cap);
        // The gloss fades out before the curve instead of ending in an edge.
        p.setBrush(hgrad(3, end - 30,
            { { 0, QColor(255, 255, 255, 90) }, { 0.8, QColor(255, 255, 255, 60) },
                { 1, QColor(255, 255, 255, 0) } }));
        p.drawRect(QRectF(3, 3, end - 33, h / 2.0 - 3));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(c(0x666C75), 1));
        p.drawPath(cap);
        // Fade the right end of the cap into the plain bar so the client section continues it.
        QImage plain = layer(w, h);
        {
            QPainter q(&plain);
            titleBase(q, s, w, h);
        }
        p.end();
        const int k = scale();
        for (int x = (w - 24) * k; x < w * k; ++x) {
            const qreal t = qreal(x - (w - 24) * k) / (23.0 * k);
            for (int y = 0; y < h * k; ++y)
                img.setPixelColor(x, y, mix(img.pixelColor(x, y), plain.pixelColor(x, y), t));
        }
        p.begin(&img);
        break;
    }
    case BlueGlass: {
        p.end();
        roundCorner(img, s, 6, true);
        p.begin(&img);
        p.setRenderHint(QPainter::Antialiasing);
        // A glass highlight sweeping over the left cap.
        QRadialGradient glow(QPointF(24, -6), 70);
        glow.setColorAt(0, QColor(255, 255, 255, 130));
        glow.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawRect(QRectF(1, 1, w - 1, h / 2.0));
        break;
    }
    }
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

QImage titleRight(Style s)
{
    const StyleArt &sp = styleArt[s];
    QImage img = layer(sp.titleRight.width(), sp.titleRight.height());
    const int w = sp.titleRight.width(), h = sp.titleRight.height();
    QPainter p(&img);
    titleBase(p, s, w, h);
    p.end();
    switch (s) {
    case WinXP:
        roundCorner(img, s, 7, false);
        p.begin(&img);
        p.fillRect(w - 1, 7, 1, h - 7, c(0x0A3DAE));
        p.end();
        break;
    case BlueGlass:
        roundCorner(img, s, 6, false);
        break;
    case DeepBlue: {
        p.begin(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(hgrad(
            0, w, { { 0, QColor(0x3A, 0x50, 0x78, 0) }, { 1, QColor(0x5A, 0x70, 0x98, 110) } }));
        p.drawRect(QRectF(0, 1, w, h - 4));
        p.end();
        break;
    }
    default:
        break;
    }
    return img.convertToFormat(QImage::Format_RGB32);
}

// ---------------------------------------------------------------- title-bar buttons

enum TitleKind { Close, Max, Min, Help, CtlBox, Restore };

QImage titleButton(Style s, TitleKind kind, State st, const QImage &client)
{
    const StyleArt &sp = styleArt[s];
    const int n = sp.titleButton;
    QImage img = layer(n, n);
    QPainter p;
    begin(p, img);
    const QRectF full(0.5, 0.5, n - 1, n - 1);
    switch (s) {
    case MacOS: {
        // Round lozenges: red close, amber minimise, green maximise, graphite for the rest.
        // Help is blue so that its white "?" reads as a live button, not a disabled one.
        QColor base = kind == Close            ? c(0xE2463F)
            : kind == Min                      ? c(0xE9A928)
            : (kind == Max || kind == Restore) ? c(0x4BB244)
            : kind == Help                     ? c(0x2F7BE0)
                                               : c(0x8D96A3);
        if (st == MouseOn && (kind == Help || kind == CtlBox))
            base = base.lighter(118);
        if (st == MouseDown)
            base = base.darker(135);
        const QRectF b = full.adjusted(1, 1, -1, -1);
        QRadialGradient g(b.center() + QPointF(0, b.height() * 0.3), b.width() * 0.7);
        g.setColorAt(0, mix(base, Qt::white, 0.45));
        g.setColorAt(1, base);
        p.setPen(QPen(base.darker(150), 1));
        p.setBrush(g);
        p.drawEllipse(b);
        QRectF gl(b.left() + b.width() * 0.2, b.top() + 1, b.width() * 0.6, b.height() * 0.42);
        p.setPen(Qt::NoPen);
        p.setBrush(vgrad(gl.top(), gl.bottom(),
            { { 0, QColor(255, 255, 255, 210) }, { 1, QColor(255, 255, 255, 30) } }));
        p.drawEllipse(gl);
        if (st != Normal || kind == Help || kind == CtlBox || kind == Restore) {
            const QColor ink = st == MouseDown ? QColor(40, 0, 0, 220) : QColor(70, 20, 10, 200);
            const QRectF gb = b.adjusted(
                b.width() * 0.3, b.height() * 0.3, -b.width() * 0.3, -b.height() * 0.3);
            QPen pen(kind == Help || kind == CtlBox ? QColor(255, 255, 255, 230) : ink, 1.6,
                Qt::SolidLine, Qt::RoundCap);
            switch (kind) {
            case Close:
                glyphCross(p, gb, pen);
                break;
            case Min:
                glyphMinus(p, gb, pen);
                break;
            case Max:
                glyphPlus(p, gb, pen);
                break;
            case Restore:
                glyphRestore(p, gb.adjusted(-0.5, -0.5, 0.5, 0.5), QPen(ink, 1.1));
                break;
            case Help:
                glyphHelp(p, b.translated(0, 0.5), QColor(255, 255, 255, 250), 11);
                break;
            case CtlBox:
                glyphMenu(p, gb.adjusted(-0.5, 0, 0.5, 0), QPen(QColor(255, 255, 255, 235), 1.2));
                break;
            }
        }
        break;
    }
    case WinXP: {
        const bool close = kind == Close;
        QColor base = close ? c(0xD9532C) : c(0x2A6CF0);
        if (st == MouseOn)
            base = close ? c(0xF0704A) : c(0x4C8BFA);
        if (st == MouseDown)
            base = close ? c(0xB33A18) : c(0x1A4FBF);
        const QRectF b = full;
        p.setPen(QPen(c(0xFFFFFF), 1));
        QLinearGradient g(b.topLeft(), b.bottomRight());
        g.setColorAt(0, mix(base, Qt::white, st == MouseDown ? 0.0 : 0.45));
        g.setColorAt(0.5, base);
        g.setColorAt(1, base.darker(st == MouseDown ? 110 : 125));
        p.setBrush(g);
        p.drawPath(roundRect(b, 3));
        const QRectF gb = b.adjusted(6, 6, -6, -6);
        QPen pen(Qt::white, 2.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
        switch (kind) {
        case Close:
            glyphCross(p, gb.adjusted(0.5, 0.5, -0.5, -0.5),
                QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
            break;
        case Min:
            p.fillRect(QRectF(gb.left(), gb.bottom() - 2, gb.width() * 0.6, 3), Qt::white);
            break;
        case Max:
            glyphMaximize(p, gb, QPen(Qt::white, 1.2));
            p.fillRect(QRectF(gb.left(), gb.top(), gb.width(), 2.5), Qt::white);
            break;
        case Restore:
            glyphRestore(p, gb, QPen(Qt::white, 1.2));
            break;
        case Help:
            glyphHelp(p, b, Qt::white, 13);
            break;
        case CtlBox:
            glyphMenu(p, gb, QPen(Qt::white, 1.5));
            break;
        }
        break;
    }
    case DeepBlue: {
        const QRectF b = full;
        QLinearGradient g = vgrad(0, n,
            st == MouseDown ? Stops { { 0, c(0x6A7C9C) }, { 1, c(0x9AA9C2) } }
                : st == MouseOn
                ? Stops { { 0, c(0xF2F6FC) }, { 0.5, c(0xC3D0E4) }, { 1, c(0x8EA2C2) } }
                : Stops { { 0, c(0xD9E0EA) }, { 0.5, c(0xA9B6CA) }, { 1, c(0x7D8CA6) } });
        p.setPen(QPen(c(0x0B1428), 1));
        p.setBrush(g);
        p.drawPath(roundRect(b, 2));
        p.setPen(QPen(QColor(255, 255, 255, 140), 1));
        p.drawLine(QPointF(2, 1.5), QPointF(n - 2, 1.5));
        const QColor ink = (kind == Close && st != Normal) ? c(0xB0201C) : c(0x15264A);
        const QRectF gb = b.adjusted(5, 5, -5, -5);
        QPen pen(ink, 1.8, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
        switch (kind) {
        case Close:
            glyphCross(p, gb, QPen(ink, 2.0, Qt::SolidLine, Qt::RoundCap));
            break;
        case Min:
            p.fillRect(QRectF(gb.left(), gb.bottom() - 2, gb.width(), 2), ink);
            break;
        case Max:
            glyphMaximize(p, gb, QPen(ink, 1.1));
            p.fillRect(QRectF(gb.left(), gb.top(), gb.width(), 2), ink);
            break;
        case Restore:
            glyphRestore(p, gb, QPen(ink, 1.1));
            break;
        case Help:
            glyphHelp(p, b, ink, 12);
            break;
        case CtlBox:
            glyphMenu(p, gb, QPen(ink, 1.5));
            break;
        }
        break;
    }
    case Protein:
    case BlueGlass: {
        // The round button keeps a pixel clear of the picture's edges: an outline touching them
        // leaves single keyed pixels standing out at north, east, south and west.
        const QRectF b = full.adjusted(1, 1, -1, -1);
        QColor base;
        if (s == Protein)
            base = kind == Close && st != Normal ? c(0xD6504A) : c(0xC9CCD1);
        else
            base = kind == Close ? c(0xD9483B) : c(0x3F8BE0);
        if (st == MouseOn)
            base = s == Protein && kind != Close ? c(0x9EC3EE) : base.lighter(118);
        if (st == MouseDown)
            base = base.darker(130);
        QRadialGradient g(b.center() + QPointF(0, b.height() * 0.35), b.width() * 0.75);
        g.setColorAt(0, mix(base, Qt::white, 0.55));
        g.setColorAt(0.6, base);
        g.setColorAt(1, base.darker(115));
        p.setPen(QPen(s == Protein ? c(0x7E838B) : base.darker(170), 1));
        p.setBrush(g);
        p.drawEllipse(b);
        QRectF gl(b.left() + b.width() * 0.18, b.top() + 1, b.width() * 0.64, b.height() * 0.45);
        p.setPen(Qt::NoPen);
        p.setBrush(vgrad(gl.top(), gl.bottom(),
            { { 0, QColor(255, 255, 255, 220) }, { 1, QColor(255, 255, 255, 25) } }));
        p.drawEllipse(gl);
        const QColor ink
            = s == Protein && !(kind == Close && st != Normal) ? c(0x3A3E45) : c(0xFFFFFF);
        const QRectF gb = b.adjusted(5, 5, -5, -5);
        switch (kind) {
        case Close:
            glyphCross(p, gb, QPen(ink, 1.8, Qt::SolidLine, Qt::RoundCap));
            break;
        case Min:
            glyphMinus(p, gb, QPen(ink, 1.8, Qt::SolidLine, Qt::RoundCap));
            break;
        case Max:
            glyphPlus(p, gb, QPen(ink, 1.8, Qt::SolidLine, Qt::RoundCap));
            break;
        case Restore:
            glyphRestore(p, gb.adjusted(-0.5, -0.5, 0.5, 0.5), QPen(ink, 1.2));
            break;
        case Help:
            glyphHelp(p, b.translated(0, 0.5), ink, 11);
            break;
        case CtlBox:
            glyphMenu(p, gb.adjusted(-0.5, 0, 0.5, 0), QPen(ink, 1.3));
            break;
        }
        break;
    }
    }
    p.end();
    const QImage under = stripOf(client, sp.titleButtonTop, n, n);
    if (sp.titleButtonTransparent) {
        // Keyed on the bottom-left pixel, which the round shape leaves uncovered.
        clearPixel(img, 0, n - 1);
        return flattenOver(img, under, fuchsia, 80);
    }
    return opaqueOver(img, under);
}

// ---------------------------------------------------------------- tabs

QImage tabPicture(Style s, bool active, State st = Normal)
{
    const StyleArt &sp = styleArt[s];
    const int w = sp.tab.width(), h = sp.tab.height();
    const int cell = w / 3;
    QImage img = layer(w, h);
    QPainter p;
    begin(p, img);
    const qreal radius = qMin<qreal>(cell - 0.5, s == MacOS ? 5 : 2.5);
    const qreal top = active ? 0.5 : 2.5;
    QRectF r(0.5, top, w - 1, h - top + (active ? 1 : -0.5));
    QColor border;
    QLinearGradient fill;
    switch (s) {
    case MacOS:
        border = c(0x7F7F7F);
        fill = active ? vgrad(0, h,
                   { { 0, c(0xC4DDF8) }, { 0.5, c(0x86B5EC) }, { 0.52, c(0x6BA2E6) },
                       { 1, c(0xE7E7E7) } })
                      : vgrad(0, h,
                          { { 0, c(0xFBFBFB) }, { 0.5, c(0xE8E8E8) }, { 0.52, c(0xDCDCDC) },
                              { 1, c(0xD2D2D2) } });
        break;
    case WinXP:
        border = c(0x919B9C);
        fill = active ? vgrad(0, h, { { 0, c(0xFFFFFF) }, { 1, c(0xFFFFFF) } })
                      : vgrad(0, h, { { 0, c(0xFFFFFF) }, { 1, c(0xECEBE5) } });
        break;
    case DeepBlue:
        border = c(0x000000);
        fill = active ? vgrad(0, h, { { 0, c(0xFFFFFF) }, { 1, c(0xE8E8E8) } })
                      : vgrad(0, h, { { 0, c(0xC9D3E2) }, { 1, c(0x9AA9C0) } });
        break;
    case Protein:
        border = c(0x8A8A8A);
        fill = active
            ? vgrad(0, h, { { 0, c(0xFFFFFF) }, { 1, c(0xFBFBFB) } })
            : vgrad(0, h, { { 0, c(0xF2F2F2) }, { 0.5, c(0xE2E2E2) }, { 1, c(0xD0D0D0) } });
        break;
    case BlueGlass:
        border = c(0x3F78BE);
        fill = active
            ? vgrad(0, h,
                { { 0, c(0xE9F4FE) }, { 0.5, c(0xBBDBF7) }, { 0.52, c(0xA3CDF2) },
                    { 1, c(0xE7E7E7) } })
            : vgrad(0, h, { { 0, c(0xF3F6FA) }, { 0.5, c(0xDDE4EC) }, { 1, c(0xCBD5E1) } });
        break;
    }
    QGradientStops stops = fill.stops();
    for (QGradientStop &stop : stops)
        stop.second = shade(stop.second, st);
    fill.setStops(stops);
    const QPainterPath shape = roundTopRect(r, radius);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(shape);
    if (s == WinXP && active) {
        p.setBrush(c(0xFFC83C));
        p.drawPath(roundTopRect(QRectF(0.5, 0.5, w - 1, 3), 2).intersected(shape));
        p.fillRect(QRectF(0.5, 0.5, w - 1, 1), c(0xE68B2C));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(border, 1));
    p.drawPath(shape);
    p.end();
    clearPixel(img, 0, 0);
    QImage out = flatten(img, sp.control, fuchsia, 90);
    // The middle cell is stretched and drawn opaque: above a lower inactive tab it shows the
    // strip's colour, never the key.
    const QRgb strip = sp.control.rgb() | 0xFF000000u;
    for (int y = 0; y < h * scale(); ++y)
        for (int x = cell * scale(); x < 2 * cell * scale(); ++x)
            if ((out.pixel(x, y) | 0xFF000000u) == (fuchsia | 0xFF000000u))
                out.setPixel(x, y, strip);
    return out;
}

QImage tabLine(Style s)
{
    const StyleArt &sp = styleArt[s];
    const int w = sp.tabLine.width(), h = sp.tabLine.height();
    QImage img = layer(w, h);
    QPainter p(&img);
    switch (s) {
    case MacOS:
        p.fillRect(0, 0, w, h,
            vgrad(0, h, { { 0, c(0x6BA2E6) }, { 0.3, c(0x8CB8EC) }, { 1, c(0xE7E7E7) } }));
        p.fillRect(0, 0, w, 1, c(0x5A86BF));
        break;
    case WinXP:
        p.fillRect(0, 0, w, h, c(0x919B9C));
        break;
    case DeepBlue:
        p.fillRect(0, 0, w, h, vgrad(0, h, { { 0, c(0x3A5283) }, { 1, c(0x15264A) } }));
        p.fillRect(0, 0, w, 1, c(0x000000));
        break;
    case Protein:
        p.fillRect(0, 0, w, h, vgrad(0, h, { { 0, c(0xFFFFFF) }, { 1, c(0xD6D6D6) } }));
        p.fillRect(0, 0, w, 1, c(0x8A8A8A));
        break;
    case BlueGlass:
        p.fillRect(0, 0, w, h,
            vgrad(0, h, { { 0, c(0xA3CDF2) }, { 0.5, c(0x5F9EE4) }, { 1, c(0x3F78BE) } }));
        break;
    }
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

// ---------------------------------------------------------------- track bar

QImage trackBarBar(Style s)
{
    const StyleArt &sp = styleArt[s];
    const int w = sp.trackBar.width(), h = sp.trackBar.height();
    QImage img = layer(w, h);
    QPainter p;
    begin(p, img);
    QRectF groove(0.5, 0.5, w - 1, h - 1);
    if (s == WinXP)
        groove = QRectF(0.5, 2.5, w - 1, 3);
    const qreal radius = groove.height() / 2;
    QColor border;
    QLinearGradient fill;
    switch (s) {
    case MacOS:
        border = c(0x8A8A8A);
        fill = vgrad(groove.top(), groove.bottom(), { { 0, c(0xB8B8B8) }, { 1, c(0xF4F4F4) } });
        break;
    case WinXP:
        border = c(0x9D9C99);
        fill = vgrad(groove.top(), groove.bottom(), { { 0, c(0xE3E2DB) }, { 1, c(0xFFFFFF) } });
        break;
    case DeepBlue:
        border = c(0x15264A);
        fill = vgrad(groove.top(), groove.bottom(), { { 0, c(0x24365E) }, { 1, c(0x5C6E8F) } });
        break;
    case Protein:
        border = c(0x9A9A9A);
        fill = vgrad(groove.top(), groove.bottom(), { { 0, c(0xCDCDCD) }, { 1, c(0xFFFFFF) } });
        break;
    case BlueGlass:
        border = c(0x3F78BE);
        fill = vgrad(groove.top(), groove.bottom(), { { 0, c(0x5F9EE4) }, { 1, c(0xCDE6FB) } });
        break;
    }
    p.setPen(QPen(border, 1));
    p.setBrush(fill);
    p.drawPath(roundRect(groove, radius));
    p.end();
    return opaque(img, sp.track);
}

QImage trackBarSlider(Style s, bool vertical, State st = Normal)
{
    const StyleArt &sp = styleArt[s];
    const QSize size = vertical ? sp.sliderV : sp.slider;
    // Drawn upright, then turned for the vertical slider so both share one look.
    const int w = vertical ? size.height() : size.width();
    const int h = vertical ? size.width() : size.height();
    QImage img = layer(w, h);
    QPainter p;
    begin(p, img);
    QColor border, top, bottom;
    switch (s) {
    case MacOS:
        border = c(0x5F7FA8);
        top = c(0xEAF3FD);
        bottom = c(0x6FA5EA);
        break;
    case WinXP:
        border = c(0x1C5180);
        top = c(0xFFFFFF);
        bottom = c(0xE3E2DB);
        break;
    case DeepBlue:
        border = c(0x0B1428);
        top = c(0xD9E0EA);
        bottom = c(0x7D8CA6);
        break;
    case Protein:
        border = c(0x7E7E7E);
        top = c(0xFFFFFF);
        bottom = c(0xC6C6C6);
        break;
    case BlueGlass:
        border = c(0x2E5F9E);
        top = c(0xE6F3FE);
        bottom = c(0x5C9BE0);
        break;
    }
    top = shade(top, st);
    bottom = shade(bottom, st);
    QPainterPath shape;
    const QRectF r(0.5, 0.5, w - 1, h - 1);
    if (s == WinXP || s == DeepBlue) {
        // A pointer: a square top and a point towards the scale.
        const qreal tip = w / 2.0 + 0.5;
        shape.moveTo(r.left() + 1.5, r.top());
        shape.lineTo(r.right() - 1.5, r.top());
        shape.quadTo(r.right(), r.top(), r.right(), r.top() + 1.5);
        shape.lineTo(r.right(), r.bottom() - tip);
        shape.lineTo(r.center().x(), r.bottom());
        shape.lineTo(r.left(), r.bottom() - tip);
        shape.lineTo(r.left(), r.top() + 1.5);
        shape.quadTo(r.left(), r.top(), r.left() + 1.5, r.top());
    } else {
        shape = roundRect(r, w / 2.0 - 0.5);
    }
    p.setPen(QPen(border, 1));
    p.setBrush(hgrad(0, w, { { 0, top }, { 0.45, mix(top, bottom, 0.35) }, { 1, bottom } }));
    p.drawPath(shape);
    if (s != WinXP && s != DeepBlue) {
        p.setPen(Qt::NoPen);
        p.setBrush(hgrad(
            1, w / 2.0, { { 0, QColor(255, 255, 255, 170) }, { 1, QColor(255, 255, 255, 0) } }));
        p.drawPath(roundRect(QRectF(1.5, 2, w / 2.0 - 1, h - 4), (w / 2.0 - 1) / 2));
    }
    // Grip lines across the middle.
    p.setPen(QPen(QColor(border.red(), border.green(), border.blue(), 120), 1));
    const qreal mid = (s == WinXP || s == DeepBlue) ? (h - w / 2.0) / 2 : h / 2.0;
    for (int i = -1; i <= 1; ++i)
        p.drawLine(QPointF(3, mid + 2 * i + 0.5), QPointF(w - 3, mid + 2 * i + 0.5));
    p.end();
    clearPixel(img, 0, 0);
    if (vertical) {
        // Turn clockwise so that the point faces the scale on the right.
        QImage turned = layer(h, w);
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                turned.setPixel(img.height() - 1 - y, x, img.pixel(x, y));
        clearPixel(turned, 0, 0);
        return flatten(turned, sp.track, sp.track.rgb(), 64);
    }
    return flatten(img, sp.track, sp.track.rgb(), 64);
}

// ---------------------------------------------------------------- scroll bar

void scrollColours(Style s, State st, QColor &border, QColor &a, QColor &b, QColor &arrow)
{
    switch (s) {
    case MacOS:
        border = c(0x8A8A8A);
        a = c(0xFBFBFB);
        b = c(0xD4D4D4);
        arrow = c(0x4A4A4A);
        if (st == MouseOn) {
            a = c(0xF3F8FE);
            b = c(0xBFD7F3);
        }
        if (st == MouseDown) {
            a = c(0x6FA5EA);
            b = c(0xA9CBF4);
            arrow = c(0x1F2F4F);
        }
        break;
    case WinXP:
        border = c(0xFFFFFF);
        a = c(0xC8D6FB);
        b = c(0xB4C8F6);
        arrow = c(0x4D6185);
        if (st == MouseOn) {
            a = c(0xDDE8FF);
            b = c(0xC3D6FD);
        }
        if (st == MouseDown) {
            a = c(0x8DA8E8);
            b = c(0xA6BEF3);
        }
        break;
    case DeepBlue:
        border = c(0x22304D);
        a = c(0xE6EBF2);
        b = c(0xA9B6CA);
        arrow = c(0x15264A);
        if (st == MouseOn) {
            a = c(0xF8FAFD);
            b = c(0xBCCBE0);
        }
        if (st == MouseDown) {
            a = c(0x8E9DB6);
            b = c(0xB4BFD0);
        }
        break;
    case Protein:
        border = c(0x9A9A9A);
        a = c(0xFFFFFF);
        b = c(0xD8D8D8);
        arrow = c(0x3F3F3F);
        if (st == MouseOn) {
            a = c(0xFFFFFF);
            b = c(0xCFDCEB);
        }
        if (st == MouseDown) {
            a = c(0xC8C8C8);
            b = c(0xEEEEEE);
        }
        break;
    case BlueGlass:
        border = c(0x3F78BE);
        a = c(0xEAF4FE);
        b = c(0xA6CCF0);
        arrow = c(0x0F3E78);
        if (st == MouseOn) {
            a = c(0xF5FBFF);
            b = c(0xA9DAF9);
        }
        if (st == MouseDown) {
            a = c(0x8DBDEB);
            b = c(0x5E9AD9);
            arrow = c(0xFFFFFF);
        }
        break;
    }
}

QImage scrollButton(Style s, bool top, State st)
{
    const StyleArt &sp = styleArt[s];
    const int w = sp.scrollButton.width(), h = sp.scrollButton.height();
    QImage img = layer(w, h);
    QPainter p;
    begin(p, img);
    QColor border, a, b, arrow;
    scrollColours(s, st, border, a, b, arrow);
    const QRectF r(0.5, 0.5, w - 1, h - 1);
    p.setPen(QPen(border, 1));
    p.setBrush(hgrad(0, w, { { 0, a }, { 1, b } }));
    p.drawPath(roundRect(r, s == WinXP || s == DeepBlue ? 2 : 3));
    if (s == MacOS || s == BlueGlass || s == Protein) {
        p.setPen(Qt::NoPen);
        p.setBrush(hgrad(
            1, w / 2.0, { { 0, QColor(255, 255, 255, 150) }, { 1, QColor(255, 255, 255, 0) } }));
        p.drawRect(QRectF(1.5, 1.5, w / 2.0 - 1, h - 3));
    }
    const qreal aw = 7, ah = 4;
    const QRectF ab(w / 2.0 - aw / 2, h / 2.0 - ah / 2, aw, ah);
    glyphArrow(p, ab, arrow, top);
    p.end();
    clearPixel(img, 0, 0);
    return flatten(img, sp.scroll, sp.scroll.rgb(), 64);
}

QImage scrollTrack(Style s, State st = Normal)
{
    // The thumb, upright: top cap, body and bottom cap stacked in equal thirds.
    const StyleArt &sp = styleArt[s];
    const int w = sp.scrollTrack.width(), h = sp.scrollTrack.height();
    QImage img = layer(w, h);
    QPainter p;
    begin(p, img);
    QColor border, a, b, arrow;
    scrollColours(s, Normal, border, a, b, arrow);
    if (s == MacOS) {
        border = c(0x3D6FA8);
        a = c(0xB9D6F8);
        b = c(0x3C7CD6);
    } else if (s == BlueGlass) {
        a = c(0xD2E8FC);
        b = c(0x5C9BE0);
    }
    a = shade(a, st);
    b = shade(b, st);
    const QRectF r(1.5, 0.5, w - 3, h - 1);
    p.setPen(QPen(border, 1));
    p.setBrush(hgrad(r.left(), r.right(), { { 0, a }, { 0.5, mix(a, b, 0.5) }, { 1, b } }));
    p.drawPath(roundRect(r, qMin<qreal>(h / 3.0 - 1, (w - 3) / 2.0)));
    p.setPen(Qt::NoPen);
    p.setBrush(hgrad(r.left(), r.center().x(),
        { { 0, QColor(255, 255, 255, 140) }, { 1, QColor(255, 255, 255, 0) } }));
    p.drawRect(QRectF(r.left() + 1, r.top() + h / 3.0 - 1, r.width() / 2 - 1, h / 3.0 + 2));
    p.end();
    return opaque(img, sp.scroll);
}

// ---------------------------------------------------------------- pictures outside the records

QImage menuChecked()
{
    QImage img = layer(16, 16);
    QPainter p;
    begin(p, img);
    glyphCheck(p, QRectF(4, 4.5, 8, 7),
        QPen(c(0x202020), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.end();
    return flatten(img, Qt::white, 0xFFFFFFFF, 40);
}

QImage macMenuBar()
{
    QImage img = layer(1, 22);
    for (int y = 0; y < 22; ++y) {
        const int v = 0xFB - y * 0x14 / 21;
        setPixel(img, 0, y, qRgb(v, v, v));
    }
    setPixel(img, 0, 21, qRgb(0xB8, 0xB8, 0xB8));
    return img.convertToFormat(QImage::Format_RGB32);
}

QImage macMenuSelect()
{
    QImage img = layer(1, 21);
    QPainter p(&img);
    p.fillRect(
        img.rect(), vgrad(0, 21, { { 0, c(0x6F9DEB) }, { 0.5, c(0x3D72D8) }, { 1, c(0x2758C0) } }));
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

QImage macFormBackground()
{
    // Fine horizontal pinstripes with a faint brushed grain; rows repeat every 8 pixels.
    static const int rows[8] = { 0xE9, 0xE5, 0xE8, 0xE4, 0xE9, 0xE6, 0xE8, 0xE5 };
    QImage img = layer(8, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const int v = rows[y] + ((x * 5 + y * 3) % 7 == 0 ? 1 : 0);
            setPixel(img, x, y, qRgb(v, v, v));
        }
    return img.convertToFormat(QImage::Format_RGB32);
}

QImage proteinFormBackground()
{
    // White with a faint diamond lattice of silver dots.
    QImage img = layer(8, 8);
    img.fill(qRgb(0xFB, 0xFB, 0xFB));
    setPixel(img, 0, 0, qRgb(0xEE, 0xEE, 0xEE));
    setPixel(img, 4, 4, qRgb(0xEE, 0xEE, 0xEE));
    setPixel(img, 1, 0, qRgb(0xF6, 0xF6, 0xF6));
    setPixel(img, 5, 4, qRgb(0xF6, 0xF6, 0xF6));
    return img.convertToFormat(QImage::Format_RGB32);
}

QImage macComboButton(State st)
{
    QImage img = layer(16, 17);
    QPainter p;
    begin(p, img);
    p.setPen(QPen(c(0x8A8A8A), 1));
    p.setBrush(vgrad(0, 17,
        { { 0, shade(c(0xFFFFFF), st) }, { 0.5, shade(c(0xEDEDED), st) },
            { 0.52, shade(c(0xDCDCDC), st) }, { 1, shade(c(0xF4F4F4), st) } }));
    p.drawPath(roundRect(QRectF(0.5, 0.5, 15, 16), 2));
    p.end();
    return opaque(img, c(0xE7E7E7));
}

QImage sideChannelBar(bool hot)
{
    const int w = 8, h = 172;
    const QColor bg = c(0xE7E7E7);
    QImage img = layer(w, h);
    QPainter p;
    begin(p, img);
    p.setPen(QPen(hot ? c(0x3D6FA8) : c(0x8A8A8A), 1));
    // At rest the face is left clear, so it comes out in the key colour that the strip's
    // button leaves out: the strip shows the style's colour through it. Under the pointer it
    // lights up blue.
    if (hot)
        p.setBrush(hgrad(0, w, Stops { { 0, c(0xEAF3FD) }, { 1, c(0x7FB0EC) } }));
    else
        p.setBrush(Qt::NoBrush);
    p.drawPath(roundRect(QRectF(0.5, 0.5, w - 1, h - 1), 3));
    // A grip of dots in the middle and a small arrow pointing out.
    p.setPen(Qt::NoPen);
    for (int i = -4; i <= 4; ++i) {
        p.setBrush(QColor(255, 255, 255, 230));
        p.drawEllipse(QRectF(3, h / 2.0 + i * 4 + 0.5, 2, 2));
        p.setBrush(hot ? c(0x2F5E9C) : c(0x7A7A7A));
        p.drawEllipse(QRectF(2.5, h / 2.0 + i * 4, 2, 2));
    }
    QPainterPath arrow;
    arrow.moveTo(2.5, 14);
    arrow.lineTo(5.5, 17);
    arrow.lineTo(2.5, 20);
    arrow.closeSubpath();
    p.setBrush(hot ? c(0x2F5E9C) : c(0x6A6A6A));
    p.drawPath(arrow);
    p.drawPath(arrow.translated(0, h - 34));
    p.end();
    clearPixel(img, 0, 0);
    return flatten(img, bg, bg.rgb(), 64);
}

QImage sideChannelPin(bool onTop)
{
    const int n = 12;
    const QColor bg = c(0xE7E7E7);
    QImage img = layer(n, n);
    QPainter p;
    begin(p, img);
    p.translate(n / 2.0, n / 2.0);
    if (!onTop)
        p.rotate(90);
    // A drawing pin: round head, collar, needle.
    p.setPen(QPen(c(0x303030), 1));
    p.drawLine(QPointF(0, 1), QPointF(0, 5.5));
    p.setBrush(vgrad(-5, 1, { { 0, c(0xF07A6E) }, { 1, c(0xB8261B) } }));
    p.setPen(QPen(c(0x7A1810), 1));
    p.drawRoundedRect(QRectF(-2.5, -5.5, 5, 5), 1, 1);
    p.setPen(QPen(c(0x303030), 1));
    p.drawLine(QPointF(-4, 0.5), QPointF(4, 0.5));
    p.end();
    clearPixel(img, 0, 0);
    clearPixel(img, 0, n - 1);
    return flatten(img, bg, fuchsia, 64);
}

QImage fontComboPicture(bool trueType)
{
    const int w = 20, h = 12;
    QImage img = layer(w, h);
    QPainter p;
    begin(p, img);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setBold(true);
    font.setPixelSize(11);
    p.setFont(font);
    if (trueType) {
        p.setPen(c(0x8C8C8C));
        p.drawText(QRectF(1, -1, 12, 12), Qt::AlignCenter, QStringLiteral("T"));
        p.setPen(c(0x1E4FA0));
        p.drawText(QRectF(6, 1, 12, 12), Qt::AlignCenter, QStringLiteral("T"));
    } else {
        // A small printer for device fonts.
        p.setPen(QPen(c(0x3A3A3A), 1));
        p.setBrush(c(0xF4F4F4));
        p.drawRect(QRectF(6.5, 0.5, 7, 4));
        p.setBrush(vgrad(4, 10, { { 0, c(0xD9D9D9) }, { 1, c(0x9A9A9A) } }));
        p.drawRoundedRect(QRectF(3.5, 4.5, 13, 5), 1, 1);
        p.setBrush(c(0xF4F4F4));
        p.drawRect(QRectF(6.5, 8.5, 7, 3));
        p.setPen(c(0x3FAF3F));
        p.drawPoint(QPointF(14, 6));
    }
    p.end();
    clearPixel(img, 0, 0);
    return flatten(img, Qt::white, 0xFFFFFFFF, 48);
}

} // namespace

void paintAllPictures(const PictureSink &sink, int pictureScale)
{
    const int previousScale = scale();
    setScale(pictureScale);
    const char *const stateNames[] = { "NORMAL", "MOUSEON", "MOUSEDOWN" };
    for (int si = 0; si < int(styleArt.size()); ++si) {
        const Style s = Style(si);
        const StyleArt &sp = styleArt[si];
        const QString style = sp.prefix;
        auto put = [&](const QString &suffix, const QImage &img) {
            sink(style, sp.prefix + QLatin1Char('_') + suffix, img);
        };

        const QImage client = titleClient(s);
        put(QStringLiteral("TITLE_LEFT"), titleLeft(s));
        put(QStringLiteral("TITLE_CLIENT"), client);
        put(QStringLiteral("TITLE_RIGHT"), titleRight(s));
        const std::pair<TitleKind, const char *> kinds[] = { { Close, "CLOSE" }, { Max, "MAX" },
            { Min, "MIN" }, { Help, "HELP" }, { CtlBox, "CTLBOX" } };
        for (const auto &k : kinds)
            for (int st = 0; st < 3; ++st)
                put(QStringLiteral("TITLEBTN_%1_%2")
                        .arg(QLatin1String(k.second), QLatin1String(stateNames[st])),
                    titleButton(s, k.first, State(st), client));
        for (int st = 0; st < 3; ++st)
            put(QStringLiteral("TITLEBTN_RST_%1").arg(QLatin1String(stateNames[st])),
                titleButton(s, Restore, State(st), client));

        for (int st = 0; st < 3; ++st)
            put(QStringLiteral("BUTTON_%1").arg(QLatin1String(stateNames[st])),
                buttonPicture(s, State(st)));

        for (const bool round : { false, true }) {
            const QString kind = round ? QStringLiteral("RADIOBUTTON") : QStringLiteral("CHECKBOX");
            const QSize size = round ? sp.radio : sp.check;
            for (const bool checked : { true, false }) {
                const QString mark = checked ? QStringLiteral("CHECK") : QStringLiteral("UNCHECK");
                put(kind + QStringLiteral("_DISABLE_") + mark,
                    checkPicture(s, size, sp.control, checked, true, Normal, round));
                // WinXP names its normal picture by state too; the others keep the plain name
                // for it and add their hover and pressed pictures beside it.
                for (int st = 0; st < 3; ++st) {
                    const QString name = s != WinXP && st == Normal
                        ? kind + QLatin1Char('_') + mark
                        : QStringLiteral("%1_%2_%3").arg(kind, QLatin1String(stateNames[st]), mark);
                    put(name, checkPicture(s, size, sp.control, checked, false, State(st), round));
                }
            }
        }
        for (const bool checked : { true, false }) {
            const QString mark = checked ? QStringLiteral("CHECK") : QStringLiteral("UNCHECK");
            put(QStringLiteral("CHECKLIST_") + mark,
                checkPicture(s, sp.checkList, Qt::white, checked, false, Normal, false, true));
            put(QStringLiteral("CHECKLIST_DISABLE_") + mark,
                checkPicture(s, sp.checkList, Qt::white, checked, true, Normal, false, true));
        }

        put(QStringLiteral("PROGRESSBAR"), progressPicture(s, false));
        put(QStringLiteral("PROGRESSBAR_V"), progressPicture(s, true));
        put(QStringLiteral("TAB_ACTIVE"), tabPicture(s, true));
        put(QStringLiteral("TAB_INACTIVE"), tabPicture(s, false));
        put(QStringLiteral("TAB_INACTIVE_MOUSEON"), tabPicture(s, false, MouseOn));
        put(QStringLiteral("TAB_LINE"), tabLine(s));
        put(QStringLiteral("TRACKBAR_BAR"), trackBarBar(s));
        put(QStringLiteral("TRACKBAR_SLIDER"), trackBarSlider(s, false));
        put(QStringLiteral("TRACKBAR_SLIDER_V"), trackBarSlider(s, true));
        // The thumbs under the pointer and held: "<normal name>_MOUSEON" and "_MOUSEDOWN".
        for (int st = 1; st < 3; ++st) {
            const QString state = QLatin1Char('_') + QLatin1String(stateNames[st]);
            put(QStringLiteral("TRACKBAR_SLIDER") + state, trackBarSlider(s, false, State(st)));
            put(QStringLiteral("TRACKBAR_SLIDER_V") + state, trackBarSlider(s, true, State(st)));
            put(QStringLiteral("SCROLLBAR_TRACK") + state, scrollTrack(s, State(st)));
        }
        for (int st = 0; st < 3; ++st) {
            put(QStringLiteral("SCROLLBAR_TOPBUTTON_%1").arg(QLatin1String(stateNames[st])),
                scrollButton(s, true, State(st)));
            put(QStringLiteral("SCROLLBAR_BTMBUTTON_%1").arg(QLatin1String(stateNames[st])),
                scrollButton(s, false, State(st)));
        }
        put(QStringLiteral("SCROLLBAR_TRACK"), scrollTrack(s));

        if (s == MacOS) {
            put(QStringLiteral("MENU_BAR"), macMenuBar());
            put(QStringLiteral("MENU_SELECT"), macMenuSelect());
            put(QStringLiteral("FORM_BACKGROUND"), macFormBackground());
            put(QStringLiteral("COMBOBOX_BUTTON"), macComboButton(Normal));
            put(QStringLiteral("COMBOBOX_BUTTON_MOUSEON"), macComboButton(MouseOn));
            put(QStringLiteral("COMBOBOX_BUTTON_MOUSEDOWN"), macComboButton(MouseDown));
        }
        if (s == Protein)
            put(QStringLiteral("FORM_BACKGROUND"), proteinFormBackground());
    }
    const QString shared = QStringLiteral("SHARED");
    sink(shared, QStringLiteral("MENU_CHECKED"), menuChecked());
    sink(shared, QStringLiteral("SIDECHANNEL_BAR_NORMAL"), sideChannelBar(false));
    sink(shared, QStringLiteral("SIDECHANNEL_BAR_MOUSEON"), sideChannelBar(true));
    sink(shared, QStringLiteral("SIDECHANNEL_BTN_ONTOP"), sideChannelPin(true));
    sink(shared, QStringLiteral("SIDECHANNEL_BTN_NOONTOP"), sideChannelPin(false));
    sink(shared, QStringLiteral("FONTCOMBO_TRUETYPE_FNT"), fontComboPicture(true));
    sink(shared, QStringLiteral("FONTCOMBO_DEVICE_FNT"), fontComboPicture(false));
    setScale(previousScale);
}
