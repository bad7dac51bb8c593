// Draws the skin gallery's sample Custom skin: the pictures that the gallery hands, by resource
// name, to the controls that take pictures in the Custom style. Its colours are its own, a
// meadow green with amber, so that Custom never looks like one of the built-in styles. Every
// picture is a 24-bit bitmap named like the theme bitmaps ("GALLERY_..."); a push button in
// Custom draws its picture unscaled from its top-left corner, so the button pictures come in the
// sizes of the gallery's buttons.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <functional>

namespace {

// The skin's colours.
const QColor kLeafDark(0x1F, 0x4D, 0x2C);
const QColor kLeaf(0x2F, 0x7A, 0x45);
const QColor kLeafLight(0x9F, 0xD8, 0x9F);
const QColor kMeadow(0xE4, 0xF4, 0xDC);
const QColor kAmber(0xF2, 0xB3, 0x3D);
const QColor kAmberLight(0xFF, 0xD9, 0x80);
const QColor kAmberDark(0xC2, 0x7C, 0x12);
// The key colour of the title-bar buttons: their cells leave it out (the bottom-left pixel).
const QColor kKey(0xFF, 0x00, 0xFF);

// The scale the pictures are drawn at: 1, or 2 for the twins of high-density screens, drawn
// by the same code in twice the pixels.
int g_scale = 1;

enum class State { Normal, MouseOn, MouseDown };
const char *stateName(State state)
{
    switch (state) {
    case State::MouseOn:
        return "MOUSEON";
    case State::MouseDown:
        return "MOUSEDOWN";
    case State::Normal:
        break;
    }
    return "NORMAL";
}

bool save(const QDir &dir, const QString &name, const QImage &image)
{
    const QString twin = g_scale == 2 ? QStringLiteral("@2x") : QString();
    const QString file = dir.filePath(name + twin + QStringLiteral(".bmp"));
    if (!image.convertToFormat(QImage::Format_RGB888).save(file, "BMP")) {
        std::fprintf(stderr, "gallery-skin: cannot write %s\n", qPrintable(file));
        return false;
    }
    return true;
}

QImage draw(int w, int h, const QColor &fill, const std::function<void(QPainter &)> &paint)
{
    QImage image(w * g_scale, h * g_scale, QImage::Format_RGB32);
    image.fill(fill);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(g_scale, g_scale);
    paint(p);
    return image;
}

// A push button: a rounded leaf-green face, lighter under the pointer, darker and sunk when
// pressed, on the meadow colour of the gallery's pages.
QImage button(int w, int h, State state)
{
    return draw(w, h, kMeadow, [&](QPainter &p) {
        const QRectF face(0.5, 0.5, w - 1.0, h - 1.0);
        QLinearGradient g(0, 0, 0, h);
        const QColor top = state == State::MouseDown
            ? kLeaf
            : kLeafLight.lighter(state == State::MouseOn ? 112 : 100);
        const QColor bottom = state == State::MouseDown
            ? kLeafLight
            : kLeaf.lighter(state == State::MouseOn ? 150 : 135);
        g.setColorAt(0, top);
        g.setColorAt(1, bottom);
        p.setBrush(g);
        p.setPen(QPen(state == State::MouseOn ? kAmberDark : kLeafDark, 1));
        p.drawRoundedRect(face, 4, 4);
        // An amber line along the bottom marks the hot and pressed looks.
        if (state != State::Normal) {
            p.setPen(QPen(kAmber, 2));
            p.drawLine(QPointF(5, h - 2.5), QPointF(w - 5, h - 2.5));
        }
    });
}

// The title bar: a left cap, a middle that is stretched, a right cap, all of one gradient with
// an amber line beneath (the caption and the buttons stand on them, so nothing else is drawn).
QImage titlePiece(int w, int h)
{
    return draw(w, h, kLeafDark, [&](QPainter &p) {
        QLinearGradient g(0, 0, 0, h);
        g.setColorAt(0, kLeaf.lighter(120));
        g.setColorAt(0.55, kLeaf);
        g.setColorAt(1, kLeafDark);
        p.fillRect(QRect(0, 0, w, h), g);
        p.setPen(QPen(kAmber, 2));
        p.drawLine(QPointF(0, h - 1.0), QPointF(w, h - 1.0));
    });
}

// A title-bar button: an amber disc with a dark sign, on the key colour.
QImage titleButton(const QString &type, State state)
{
    constexpr int s = 19;
    return draw(s, s, kKey, [&](QPainter &p) {
        p.setRenderHint(QPainter::Antialiasing, false);
        QColor face = state == State::MouseOn ? kAmberLight
            : state == State::MouseDown       ? kAmberDark
                                              : kAmber;
        p.setPen(kLeafDark);
        p.setBrush(face);
        p.drawEllipse(QRect(1, 1, s - 3, s - 3));
        p.setPen(QPen(kLeafDark, 2));
        const int o = state == State::MouseDown ? 1 : 0;
        if (type == QLatin1String("CLOSE")) {
            p.drawLine(6 + o, 6 + o, 12 + o, 12 + o);
            p.drawLine(12 + o, 6 + o, 6 + o, 12 + o);
        } else if (type == QLatin1String("MAX")) {
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRect(6 + o, 6 + o, 6, 6));
        } else if (type == QLatin1String("MIN")) {
            p.drawLine(6 + o, 12 + o, 12 + o, 12 + o);
        } else if (type == QLatin1String("HELP")) {
            QFont font(QStringLiteral("DejaVu Sans"));
            font.setPixelSize(12);
            font.setBold(true);
            p.setFont(font);
            p.drawText(QRect(o, o, s - 1, s - 1), Qt::AlignCenter, QStringLiteral("?"));
        } else {
            // The control box: three lines of a menu.
            for (int y : { 6, 9, 12 })
                p.drawLine(6 + o, y + o, 12 + o, y + o);
        }
    });
}

// The filled part of a progress bar: amber stripes across the bar, stretched along it.
QImage progress(bool vertical)
{
    const int w = vertical ? 10 : 1, h = vertical ? 1 : 10;
    QImage image(w, h, QImage::Format_RGB32);
    const QColor rows[10] = { kAmberLight, kAmberLight, kAmber, kAmber, kAmber, kAmber, kAmberDark,
        kAmberDark, kLeafDark, kLeafDark };
    for (int i = 0; i < 10; ++i)
        image.setPixelColor(vertical ? i : 0, vertical ? 0 : i, rows[i]);
    return image.scaled(image.size() * g_scale);
}

// The title bar's custom button (an arrow pointing up): a light square face with rounded
// corners and a dark edge on the key colour. The face's edge is drawn without smoothing, so
// that no pixel of it mixes with the key colour: the corners the cell leaves out are exactly
// the key, and on a dark bar no light fringe stays behind.
QImage customTitleButton(State state)
{
    constexpr int s = 17;
    return draw(s, s, kKey, [&](QPainter &p) {
        p.setRenderHint(QPainter::Antialiasing, false);
        QLinearGradient g(0, 0, 0, s);
        const QColor top = state == State::MouseDown ? QColor(0xB8, 0xC8, 0xDC)
            : state == State::MouseOn                ? QColor(0xFF, 0xFF, 0xFF)
                                                     : QColor(0xF4, 0xF7, 0xFB);
        const QColor bottom = state == State::MouseDown ? QColor(0xE4, 0xEB, 0xF4)
            : state == State::MouseOn                   ? QColor(0xC9, 0xDD, 0xF6)
                                                        : QColor(0xC8, 0xD3, 0xE1);
        g.setColorAt(0, top);
        g.setColorAt(1, bottom);
        p.setBrush(g);
        p.setPen(QPen(QColor(0x2B, 0x3A, 0x4F), 1));
        p.drawRoundedRect(QRect(0, 0, s - 1, s - 1), 3, 3);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x17, 0x34, 0x66));
        const qreal o = state == State::MouseDown ? 1 : 0;
        QPainterPath arrow;
        arrow.moveTo(8.5 + o, 5 + o);
        arrow.lineTo(13 + o, 11 + o);
        arrow.lineTo(4 + o, 11 + o);
        arrow.closeSubpath();
        p.drawPath(arrow);
    });
}

// A tile for the tiled panel: a light linen of small diamonds that repeats without a seam. Its
// rows all have the same brightness within a few levels, so no line runs across the panel or
// through its caption wherever the tiles meet.
QImage tile()
{
    constexpr int s = 16;
    return draw(s, s, QColor(0xEC, 0xEF, 0xE6), [&](QPainter &p) {
        p.setPen(Qt::NoPen);
        for (const QPointF &centre : { QPointF(4, 4), QPointF(12, 12) }) {
            QPainterPath diamond;
            diamond.moveTo(centre + QPointF(0, -3));
            diamond.lineTo(centre + QPointF(3, 0));
            diamond.lineTo(centre + QPointF(0, 3));
            diamond.lineTo(centre + QPointF(-3, 0));
            diamond.closeSubpath();
            p.setBrush(QColor(0xDD, 0xE6, 0xD3));
            p.drawPath(diamond);
        }
    });
}

} // namespace

// Every picture of the skin at the present scale.
bool drawAll(const QDir &dir)
{
    bool ok = true;
    // The sizes of the gallery's push buttons.
    const QList<QSize> buttonSizes
        = { { 74, 25 }, { 84, 23 }, { 84, 25 }, { 96, 25 }, { 138, 66 } };
    for (State state : { State::Normal, State::MouseOn, State::MouseDown }) {
        for (const QSize &size : buttonSizes)
            ok &= save(dir,
                QStringLiteral("GALLERY_BUTTON_%1X%2_%3")
                    .arg(size.width())
                    .arg(size.height())
                    .arg(QLatin1String(stateName(state))),
                button(size.width(), size.height(), state));
        for (const char *type : { "CLOSE", "MAX", "MIN", "HELP", "CTLBOX" })
            ok &= save(dir,
                QStringLiteral("GALLERY_TITLEBTN_%1_%2")
                    .arg(QLatin1String(type), QLatin1String(stateName(state))),
                titleButton(QLatin1String(type), state));
        ok &= save(dir,
            QStringLiteral("GALLERY_TITLEBTN_CUSTOM_%1").arg(QLatin1String(stateName(state))),
            customTitleButton(state));
    }
    ok &= save(dir, QStringLiteral("GALLERY_TITLE_LEFT"), titlePiece(97, 32));
    ok &= save(dir, QStringLiteral("GALLERY_TITLE_CLIENT"), titlePiece(98, 32));
    ok &= save(dir, QStringLiteral("GALLERY_TITLE_RIGHT"), titlePiece(97, 32));
    ok &= save(dir, QStringLiteral("GALLERY_PROGRESSBAR"), progress(false));
    ok &= save(dir, QStringLiteral("GALLERY_PROGRESSBAR_V"), progress(true));
    ok &= save(dir, QStringLiteral("GALLERY_TILE"), tile());
    return ok;
}

int main(int argc, char *argv[])
{
    // Drawing needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: gallery-skin <folder>\n");
        return 2;
    }
    QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral(".")))
        return 1;
    bool ok = true;
    for (int scale : { 1, 2 }) {
        g_scale = scale;
        ok &= drawAll(dir);
    }
    return ok ? 0 : 1;
}
