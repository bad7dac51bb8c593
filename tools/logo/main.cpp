// Draws the 180 x 66 logo: the brand in large letters, each in its own colour, above the
// web address, on white. Written as one frame with a 256-colour global table, not
// interlaced, without extension blocks, by the program's own encoder. Its twin for
// high-density screens (NAME@2x.gif, 360 x 132) is drawn by the same code at twice the pixels.
#include "TBitmap.h"
#include "TGIFImage.h"

#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

constexpr int kWidth = 180, kHeight = 66;

// The drawing is in the logo's own 180 x 66 pixels; `scale` 2 gives the twin.
QImage drawLogo(int scale)
{
    QImage image(kWidth * scale, kHeight * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const QString brand = QStringLiteral("Lumora");
    // Top and bottom colour of each letter: a warm-to-cool run across the word.
    const QColor colours[][2] = {
        { QColor(0x2F, 0x80, 0xED), QColor(0x1A, 0x4F, 0xA8) }, // L blue
        { QColor(0x27, 0xAE, 0x60), QColor(0x17, 0x7A, 0x41) }, // u green
        { QColor(0xF2, 0xA0, 0x1D), QColor(0xD0, 0x6A, 0x0C) }, // m amber
        { QColor(0xEB, 0x4D, 0x4B), QColor(0xB3, 0x25, 0x2C) }, // o red
        { QColor(0x9B, 0x51, 0xE0), QColor(0x65, 0x2C, 0xA8) }, // r violet
        { QColor(0x12, 0xB5, 0xB0), QColor(0x0B, 0x7C, 0x80) }, // a teal
    };

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(40);
    font.setLetterSpacing(QFont::AbsoluteSpacing, -1);
    const QFontMetrics fm(font);
    const int textWidth = fm.horizontalAdvance(brand);
    const qreal baseline = 40;
    qreal x = (kWidth - textWidth) / 2.0;

    for (int i = 0; i < brand.size(); ++i) {
        QPainterPath glyph;
        glyph.addText(QPointF(x, baseline), font, brand.mid(i, 1));
        // A soft shadow one pixel down and right, then the letter with its gradient.
        p.fillPath(glyph.translated(1.2, 1.6), QColor(0, 0, 0, 40));
        QLinearGradient gradient(0, baseline - 30, 0, baseline);
        gradient.setColorAt(0, colours[i][0].lighter(115));
        gradient.setColorAt(1, colours[i][1]);
        p.fillPath(glyph, gradient);
        // A thin highlight along the top half gives the letters a little gloss.
        p.save();
        p.setClipRect(QRectF(0, 0, kWidth, baseline - 16));
        p.fillPath(glyph, QColor(255, 255, 255, 55));
        p.restore();
        x += fm.horizontalAdvance(brand.at(i)) - 1;
    }

    // A rule in the letters' colours between brand and address.
    const qreal ruleY = 47.5;
    const qreal ruleLeft = 22, ruleRight = kWidth - 22;
    QLinearGradient rule(ruleLeft, 0, ruleRight, 0);
    for (int i = 0; i < 6; ++i)
        rule.setColorAt(i / 5.0, colours[i][0]);
    p.setPen(QPen(QBrush(rule), 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(ruleLeft, ruleY), QPointF(ruleRight, ruleY));

    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(11);
    small.setLetterSpacing(QFont::PercentageSpacing, 104);
    p.setFont(small);
    p.setPen(QColor(0x55, 0x5B, 0x66));
    p.drawText(QRect(0, 50, kWidth, 14), Qt::AlignHCenter | Qt::AlignVCenter,
        QStringLiteral("www.example.com"));
    p.end();
    image.setDevicePixelRatio(1);
    return image;
}

QByteArray encode(const QImage &logo)
{
    TBitmap bitmap(logo);
    bitmap.setTransparent(false);
    TGIFImage gif;
    gif.addFrame(bitmap);
    gif.setBackgroundColor(Colors::clWhite);
    return gif.saveToBytes();
}

bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "Cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s: %lld bytes\n", qPrintable(path), qint64(bytes.size()));
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM",
        qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString output = args.value(1, QStringLiteral(LOGO_DEFAULT_OUTPUT));

    const QByteArray bytes = encode(drawLogo(1));
    const QString twin = output.endsWith(QLatin1String(".gif"))
        ? output.chopped(4) + QStringLiteral("@2x.gif")
        : output + QStringLiteral("@2x");
    if (!write(output, bytes) || !write(twin, encode(drawLogo(2))))
        return 1;
    if (args.size() > 2) {
        TGIFImage gif;
        gif.loadFromBytes(bytes);
        gif.frame(0)->bitmap().save(args[2]);
    }
    return 0;
}
