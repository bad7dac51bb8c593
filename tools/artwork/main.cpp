// theme-artwork: paints the theme bitmaps of the five UI styles and writes them as BMP files,
// each with its twin for high-density screens (NAME@2x.bmp, painted by the same code at twice the
// size), plus a contact sheet (every bitmap of every style, scaled up, with a title-bar and button
// preview per style) for checking the set by eye.
//
//   theme-artwork --out resources/themes --sheet resources/themes/contact-sheet.png

#include "StylePictures.h"
#include "ZYNLooks.h"
#include "ZYNThemes.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImageWriter>
#include <QMap>
#include <QPainter>

#include <cstdio>
#include <vector>

namespace {

struct Entry {
    QString name;
    QImage image;
};

QImage keyed(const QImage &img, QRgb key)
{
    QImage out = img.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            if ((out.pixel(x, y) | 0xFF000000u) == (key | 0xFF000000u))
                out.setPixel(x, y, 0);
    return out;
}

// A title bar as the title bar lays it out: left cap, right cap, stretched middle and the
// right-hand buttons close, maximise and minimise, the control box at the left. Offsets,
// button top and transparency come from the style's theme record, the caption colour from its
// look, as the library takes them.
QImage titlePreview(const QMap<QString, QImage> &set, TzynUIStyle style, int width)
{
    using E = TzynThemeEntry;
    const QString prefix = ThemeStyleName(style);
    const int top = GetThemeInt(style, E::TitleButtonTop);
    const int leftOffset = GetThemeInt(style, E::TitleLeftBtnXOffset);
    const int rightOffset = GetThemeInt(style, E::TitleRightBtnXOffset);
    const bool transparentButtons = GetThemeBool(style, E::TitleButtonTransparent) != 0;
    const QImage left = set.value(prefix + "_TITLE_LEFT");
    const QImage client = set.value(prefix + "_TITLE_CLIENT");
    const QImage right = set.value(prefix + "_TITLE_RIGHT");
    QImage bar(width, left.height(), QImage::Format_RGB32);
    QPainter p(&bar);
    p.drawImage(QRect(left.width(), 0, width - left.width() - right.width(), bar.height()), client);
    p.drawImage(0, 0, left);
    p.drawImage(width - right.width(), 0, right);
    auto button = [&](const QString &kind, int x) {
        const QImage b = set.value(prefix + "_TITLEBTN_" + kind + "_NORMAL");
        p.drawImage(x, top, transparentButtons ? keyed(b, b.pixel(0, b.height() - 1)) : b);
        return b.width();
    };
    int x = width + 1 + rightOffset;
    for (const char *kind : { "CLOSE", "MAX", "MIN" }) {
        const QImage b = set.value(prefix + "_TITLEBTN_" + kind + "_NORMAL");
        x -= b.width() + 1;
        button(QString::fromLatin1(kind), x);
    }
    button(QStringLiteral("CTLBOX"), leftOffset);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(11);
    p.setFont(font);
    // The bar's own font is white; a style's look may name another caption colour.
    p.setPen(toQColor(StyleLook(style).titleCaptionColor.value_or(Colors::clWhite)));
    p.drawText(QRect(leftOffset + 24, 0, width, bar.height()), Qt::AlignVCenter,
        QStringLiteral("会计基础 Accounting"));
    return bar;
}

// A simple nine-part stretch for the preview (the library's rule is exact; this only shows
// how a picture grows).
QImage buttonPreview(const QImage &src, int w, int h, const QString &caption)
{
    QImage out(w, h, QImage::Format_RGB32);
    out.fill(QColor(0xE7E7E7));
    const QImage k = keyed(src, 0xFF00FF);
    const int hw = src.width() / 2, hh = src.height() / 2;
    QPainter p(&out);
    const int sx[4] = { 0, hw, src.width() - hw + 1, src.width() };
    const int sy[4] = { 0, hh, src.height() - hh + 1, src.height() };
    const int dx[4] = { 0, hw, w - (hw - 1), w };
    const int dy[4] = { 0, hh, h - (hh - 1), h };
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            p.drawImage(QRect(dx[i], dy[j], dx[i + 1] - dx[i], dy[j + 1] - dy[j]), k,
                QRect(sx[i], sy[j], sx[i + 1] - sx[i], sy[j + 1] - sy[j]));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(out.rect(), Qt::AlignCenter, caption);
    return out;
}

QImage contactSheet(
    const QMap<QString, std::vector<Entry>> &byStyle, const QMap<QString, QImage> &all)
{
    const int sheetWidth = 1900, margin = 16, gap = 14, labelHeight = 26;
    QFont labelFont(QStringLiteral("DejaVu Sans"));
    labelFont.setPixelSize(10);
    QFont headFont(QStringLiteral("DejaVu Sans"));
    headFont.setPixelSize(22);
    headFont.setBold(true);

    struct Placed {
        QImage image;
        QString label;
        QPoint at;
        int scale;
    };
    std::vector<Placed> placed;
    std::vector<std::pair<QString, int>> heads;
    int y = margin;
    const QStringList order = { "MACOS", "WINXP", "DEEPBLUE", "PROTEIN", "BLUEGLASS", "SHARED" };
    QMap<QString, TzynUIStyle> titles;
    for (const TzynUIStyle style : { TzynUIStyle::MacOS, TzynUIStyle::WinXP, TzynUIStyle::DeepBlue,
             TzynUIStyle::Protein, TzynUIStyle::BlueGlass })
        titles.insert(ThemeStyleName(style), style);
    for (const QString &style : order) {
        if (!byStyle.contains(style))
            continue;
        heads.emplace_back(style, y);
        y += 34;
        int x = margin, rowHeight = 0;
        auto place = [&](const QImage &img, const QString &label, int scale) {
            const int w = qMax(img.width() * scale, 150), h = img.height() * scale + labelHeight;
            if (x + w > sheetWidth - margin) {
                x = margin;
                y += rowHeight + gap;
                rowHeight = 0;
            }
            placed.push_back({ img, label, QPoint(x, y), scale });
            x += w + gap;
            rowHeight = qMax(rowHeight, h);
        };
        if (titles.contains(style)) {
            place(titlePreview(all, titles.value(style), 560),
                QStringLiteral("preview: title bar 560 wide"), 2);
            for (const char *state : { "NORMAL", "MOUSEON", "MOUSEDOWN" })
                place(buttonPreview(
                          all.value(style + "_BUTTON_" + state), 96, 73, QStringLiteral("按钮")),
                    QStringLiteral("preview: %1 at 96x73")
                        .arg(QString::fromLatin1(state).toLower()),
                    2);
            x = sheetWidth;
        }
        for (const Entry &e : byStyle.value(style)) {
            const int big = qMax(e.image.width(), e.image.height());
            const int scale = big <= 24 ? 5 : big <= 60 ? 3 : big <= 200 ? 2 : 1;
            QString label = e.name;
            label.remove(style + QLatin1Char('_'));
            place(e.image,
                QStringLiteral("%1  %2x%3").arg(label).arg(e.image.width()).arg(e.image.height()),
                scale);
        }
        y += rowHeight + 2 * gap;
    }
    QImage sheet(sheetWidth, y + margin, QImage::Format_RGB32);
    sheet.fill(QColor(0xF6F6F6));
    QPainter p(&sheet);
    p.setFont(headFont);
    p.setPen(QColor(0x303030));
    for (const auto &h : heads) {
        p.drawText(QPoint(margin, h.second + 24), h.first);
        p.fillRect(margin, h.second + 30, sheetWidth - 2 * margin, 1, QColor(0xC0C0C0));
    }
    p.setFont(labelFont);
    for (const Placed &pl : placed) {
        const QSize size = pl.image.size() * pl.scale;
        // A checkerboard would hide key colours; a plain frame shows the exact extent.
        p.drawImage(QRect(pl.at, size), pl.image);
        p.setPen(QColor(0xA0A0A0));
        p.drawRect(QRect(pl.at - QPoint(1, 1), size + QSize(1, 1)));
        p.setPen(QColor(0x404040));
        const int labelWidth = qMax(size.width(), 150);
        p.drawText(QRect(pl.at.x(), pl.at.y() + size.height() + 3, labelWidth, 20),
            Qt::AlignLeft | Qt::AlignTop,
            QFontMetrics(labelFont).elidedText(pl.label, Qt::ElideMiddle, labelWidth));
    }
    return sheet;
}

} // namespace

int main(int argc, char *argv[])
{
    // A painting tool: it needs fonts but no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Paints the theme bitmaps of the UI styles."));
    parser.addHelpOption();
    QCommandLineOption outOption(
        QStringLiteral("out"), QStringLiteral("Folder for the BMP files."), QStringLiteral("dir"));
    QCommandLineOption sheetOption(QStringLiteral("sheet"),
        QStringLiteral("Contact sheet PNG to write."), QStringLiteral("file"));
    parser.addOption(outOption);
    parser.addOption(sheetOption);
    parser.process(app);

    QMap<QString, std::vector<Entry>> byStyle;
    QMap<QString, QImage> all;
    paintAllPictures([&](const QString &style, const QString &name, const QImage &image) {
        if (all.contains(name)) {
            std::fprintf(stderr, "duplicate picture %s\n", qPrintable(name));
            std::exit(1);
        }
        byStyle[style].push_back({ name, image });
        all.insert(name, image);
    });
    QMap<QString, QImage> twins;
    paintAllPictures(
        [&](const QString &, const QString &name, const QImage &image) {
            if (!all.contains(name) || image.size() != all.value(name).size() * 2) {
                std::fprintf(
                    stderr, "picture %s has no twin of twice its size\n", qPrintable(name));
                std::exit(1);
            }
            twins.insert(name + QStringLiteral("@2x"), image);
        },
        2);
    if (twins.size() != all.size()) {
        std::fprintf(stderr, "%d pictures but %d twins\n", int(all.size()), int(twins.size()));
        return 1;
    }

    if (parser.isSet(outOption)) {
        const QDir dir(parser.value(outOption));
        if (!QDir().mkpath(dir.path())) {
            std::fprintf(stderr, "cannot create %s\n", qPrintable(dir.path()));
            return 1;
        }
        QMap<QString, QImage> files = all;
        files.insert(twins);
        for (auto it = files.cbegin(); it != files.cend(); ++it) {
            // 24-bit bitmaps: no alpha, so key colours stay exact.
            QImageWriter writer(dir.filePath(it.key() + QStringLiteral(".bmp")), "bmp");
            if (!writer.write(it.value().convertToFormat(QImage::Format_RGB888))) {
                std::fprintf(
                    stderr, "%s: %s\n", qPrintable(it.key()), qPrintable(writer.errorString()));
                return 1;
            }
        }
        std::printf("wrote %d bitmaps and their twins at twice the size to %s\n", int(all.size()),
            qPrintable(dir.path()));
    }
    if (parser.isSet(sheetOption)) {
        const QString file = parser.value(sheetOption);
        QDir().mkpath(QFileInfo(file).absolutePath());
        if (!contactSheet(byStyle, all).save(file, "png")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
        std::printf("wrote contact sheet %s\n", qPrintable(file));
    }
    return 0;
}
