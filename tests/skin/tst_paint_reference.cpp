// Whole-window and per-control pictures compared pixel for pixel with references: the main
// window's frame in every style at two sizes, and a sheet of every skinned control class in
// every style. The references were drawn by the straightforward painting (every tile drawn on
// its own, full-size off-screen images everywhere), so any faster painting must draw the very
// same pixels. Partial repaints, repaints after a resize and after a style change are compared
// too, since those are where cached pictures go stale.
//
// The same test runs a second time at a device pixel ratio of 2 (QT_SCALE_FACTOR=2), where the
// pictures' twins for high-density screens are drawn: its references carry "@2x" in their names.
// At both ratios every widget must keep the same logical geometry (one list of geometries serves
// both), and at ratio 2 the pictures' edges must not come out pixel-doubled.
//
// The control sheets are kept as PNG files; the window pictures, at some 130 KB each, only as
// a checksum of their pixels. To look at them, or to redraw the references after a deliberate
// change of the look, run
//     SKIN_REFERENCE_WRITE=1 QT_QPA_PLATFORM=offscreen FONTCONFIG_FILE=$PWD/scripts/fonts.conf
//         build/tests/skin/tst_paint_reference
// (and again with QT_SCALE_FACTOR=2 for the references at ratio 2) from the source folder, under
// the test run's font configuration as scripts/test.sh runs it, which writes the sheets and the
// checksums into tests/skin/reference/ and the window pictures into the temporary folder (and then
// checks nothing). A mismatch leaves the picture drawn (and for a sheet a mask of the differing
// pixels) in the temporary folder, named in the failure.

#include "MainWindowLayout.h"
#include "TApplication.h"
#include "TLayoutLoader.h"
#include "TzynForm.h"
#include "TzynImagePanel.h"
#include "TzynTitleBar.h"
#include "ZYNStylePropagation.h"
#include "ZYNThemes.h"

#include <QCryptographicHash>

#include <QDir>
#include <QtTest>
#include <algorithm>
#include <cmath>

namespace {

const QString referenceDir = QStringLiteral(GUIDE_SOURCE_DIR "/tests/skin/reference/");

// The device pixel ratio of the run, and the names' mark for references at ratio 2.
qreal ratio()
{
    return qApp->devicePixelRatio();
}

QString densityMark()
{
    return ratio() > 1 ? QStringLiteral("@2x") : QString();
}

QString checksumFile()
{
    return referenceDir + QStringLiteral("window-checksums") + densityMark()
        + QStringLiteral(".txt");
}

// A logical rectangle in a grab's pixels.
QRect devicePixels(const QRect &rect)
{
    const qreal r = ratio();
    return QRect(QPoint(qRound(rect.x() * r), qRound(rect.y() * r)),
        QSize(qRound(rect.width() * r), qRound(rect.height() * r)));
}

bool writingReferences()
{
    return qEnvironmentVariableIsSet("SKIN_REFERENCE_WRITE");
}

QString keptPicture(const QString &name)
{
    return QDir::tempPath() + QStringLiteral("/skin-paint-") + name;
}

QString styleName(TzynUIStyle style)
{
    return style == TzynUIStyle::Custom ? QStringLiteral("Custom") : ThemeStyleName(style);
}

const QList<TzynUIStyle> allStyles = { TzynUIStyle::MacOS, TzynUIStyle::WinXP,
    TzynUIStyle::DeepBlue, TzynUIStyle::Protein, TzynUIStyle::BlueGlass, TzynUIStyle::Custom };

// Compares with the reference picture of that name, or writes it. On a mismatch the picture
// and a mask of the differing pixels are kept for a look, and the first difference is reported.
void compareWithReference(const QImage &actual, const QString &name)
{
    const QString path = referenceDir + name + densityMark() + QStringLiteral(".png");
    if (writingReferences()) {
        QDir().mkpath(referenceDir);
        QVERIFY2(actual.save(path), qPrintable(path));
        return;
    }
    const QImage expected = QImage(path).convertToFormat(QImage::Format_RGB32);
    QVERIFY2(!expected.isNull(), qPrintable(QStringLiteral("no reference ") + path));
    QCOMPARE(actual.size(), expected.size());
    if (actual == expected)
        return;
    QImage mask(actual.size(), QImage::Format_RGB32);
    mask.fill(Qt::black);
    QPoint first(-1, -1);
    int count = 0;
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            if (actual.pixel(x, y) != expected.pixel(x, y)) {
                mask.setPixel(x, y, qRgb(255, 255, 255));
                if (count++ == 0)
                    first = QPoint(x, y);
            }
        }
    }
    const QString keep = keptPicture(name + densityMark());
    actual.save(keep + QStringLiteral("-actual.png"));
    mask.save(keep + QStringLiteral("-diff.png"));
    QFAIL(qPrintable(QStringLiteral("%1 pixels differ, first at (%2, %3): %4 instead of %5; "
                                    "see %6-actual.png and -diff.png")
                         .arg(count)
                         .arg(first.x())
                         .arg(first.y())
                         .arg(actual.pixel(first), 8, 16, QLatin1Char('0'))
                         .arg(expected.pixel(first), 8, 16, QLatin1Char('0'))
                         .arg(keep)));
}

// The size and the colour of every pixel, nothing else (no padding, no file format).
QByteArray pixelChecksum(const QImage &image)
{
    const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(QByteArray::number(pixels.width()) + 'x' + QByteArray::number(pixels.height()));
    for (int y = 0; y < pixels.height(); ++y)
        hash.addData(QByteArrayView(
            reinterpret_cast<const char *>(pixels.constScanLine(y)), pixels.width() * 4));
    return hash.result().toHex();
}

QMap<QString, QByteArray> &writtenChecksums()
{
    static QMap<QString, QByteArray> sums;
    return sums;
}

// Compares the picture's checksum with the one recorded under that name, or records it and
// keeps the picture for a look.
void compareWithChecksum(const QImage &actual, const QString &name)
{
    const QByteArray sum = pixelChecksum(actual);
    if (writingReferences()) {
        writtenChecksums().insert(name, sum);
        QVERIFY(actual.save(keptPicture(name + densityMark()) + QStringLiteral(".png")));
        return;
    }
    QFile file(checksumFile());
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(checksumFile()));
    QByteArray expected;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() == 2 && fields[0] == name.toUtf8())
            expected = fields[1];
    }
    QVERIFY2(!expected.isEmpty(), qPrintable(QStringLiteral("no checksum for ") + name));
    if (sum != expected) {
        actual.save(keptPicture(name + densityMark()) + QStringLiteral("-actual.png"));
        QFAIL(qPrintable(QStringLiteral("the pixels differ from the reference; see %1-actual.png")
                             .arg(keptPicture(name + densityMark()))));
    }
}

// Among the aligned 2 x 2 blocks of an area that lie on an edge (somewhere in the block and
// the ring of pixels around it two colours differ by more than a faint texture does), how many
// have their four pixels of one colour. A picture drawn at half the pixels and magnified has
// nearly every such block of one colour; one drawn for the pixels it has, far fewer (straight
// edges on whole logical pixels, as boxes have, stay of one colour in both).
struct EdgeBlocks {
    int edges = 0, uniform = 0;
    EdgeBlocks &operator+=(const EdgeBlocks &o)
    {
        edges += o.edges;
        uniform += o.uniform;
        return *this;
    }
    double share() const { return edges ? double(uniform) / edges : 0.0; }
};

EdgeBlocks edgeBlocks(const QImage &image, const QRect &area)
{
    const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    const auto apart = [](QRgb a, QRgb b) {
        return std::max({ std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                   std::abs(qBlue(a) - qBlue(b)) })
            > 24;
    };
    const QRect inside = area & pixels.rect().adjusted(1, 1, -1, -1);
    EdgeBlocks blocks;
    for (int y = (inside.top() + 1) & ~1; y + 2 <= inside.bottom(); y += 2) {
        for (int x = (inside.left() + 1) & ~1; x + 2 <= inside.right(); x += 2) {
            const QRgb c = pixels.pixel(x, y);
            bool edge = false;
            for (int dy = -1; dy <= 2 && !edge; ++dy)
                for (int dx = -1; dx <= 2 && !edge; ++dx)
                    edge = apart(pixels.pixel(x + dx, y + dy), c);
            if (!edge)
                continue;
            ++blocks.edges;
            const QRgb block = c & 0xFFFFFF;
            if ((pixels.pixel(x + 1, y) & 0xFFFFFF) == block
                && (pixels.pixel(x, y + 1) & 0xFFFFFF) == block
                && (pixels.pixel(x + 1, y + 1) & 0xFFFFFF) == block)
                ++blocks.uniform;
        }
    }
    return blocks;
}

// Every widget's geometry under the root, in the root's logical coordinates, one per line.
QStringList geometries(const QWidget *root)
{
    QStringList lines;
    for (const QWidget *widget : root->findChildren<QWidget *>()) {
        if (widget->isWindow() || !widget->isVisibleTo(root))
            continue;
        const QRect r(widget->mapTo(root, QPoint(0, 0)), widget->size());
        lines << QStringLiteral("%1 %2 %3,%4 %5x%6")
                     .arg(QString::fromLatin1(widget->metaObject()->className()),
                         widget->objectName().isEmpty() ? QStringLiteral("-")
                                                        : widget->objectName())
                     .arg(r.x())
                     .arg(r.y())
                     .arg(r.width())
                     .arg(r.height());
    }
    lines.sort();
    return lines;
}

// Compares with the geometry list of that name, which the run at ratio 1 writes.
void compareWithGeometry(const QStringList &actual, const QString &name)
{
    const QString path = referenceDir + name + QStringLiteral(".txt");
    if (writingReferences()) {
        if (ratio() == 1) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(actual.join(QLatin1Char('\n')).toUtf8() + '\n');
        }
        return;
    }
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    const QStringList expected
        = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (int i = 0; i < std::max(actual.size(), expected.size()); ++i)
        QCOMPARE(actual.value(i), expected.value(i));
}

QImage grabOf(QWidget *widget, const QRect &rect = QRect(QPoint(0, 0), QSize(-1, -1)))
{
    return widget->grab(rect).toImage().convertToFormat(QImage::Format_RGB32);
}

// Every skinned control class on a frame: pictures tiled, stretched, keyed over the parent,
// group boxes with and without their parent showing through, buttons with and without
// glyphs and transparency, check and radio boxes and a tree.
const char *const controlSheet = R"(
object Sheet: TForm
  Width = 460
  Height = 420
  object Frame: TzynForm
    object Tiled: TzynImagePanel
      Left = 8
      Top = 30
      Width = 130
      Height = 50
      Caption = 'Tiled'
      Picture = TBitmap 'themes/PROTEIN_FORM_BACKGROUND.bmp'
    end
    object SeeThrough: TzynImagePanel
      Left = 146
      Top = 30
      Width = 130
      Height = 50
      Transparent = True
      Picture = TBitmap 'glyphs/zynButton2.bmp'
    end
    object Stretched: TzynImagePanel
      Left = 284
      Top = 30
      Width = 160
      Height = 50
      Caption = 'Stretched'
      Picture = TBitmap 'themes/MACOS_TITLE_LEFT.bmp'
    end
    object Plain: TzynImagePanel
      Left = 8
      Top = 88
      Width = 130
      Height = 30
      Caption = 'Colour'
      Color = clMoneyGreen
    end
    object Clear: TzynImagePanel
      Left = 146
      Top = 88
      Width = 130
      Height = 30
      Caption = 'See-through'
      Transparent = True
    end
    object Group: TzynGroupBox
      Left = 8
      Top = 126
      Width = 200
      Height = 90
      Caption = 'Group'
      Transparent = True
      object Check: TzynCheckBox
        Left = 10
        Top = 20
        Width = 120
        Height = 20
        Caption = 'Check'
        Checked = True
      end
      object Radio: TzynRadioButton
        Left = 10
        Top = 50
        Width = 120
        Height = 20
        Caption = 'Radio'
      end
    end
    object Solid: TzynGroupBox
      Left = 216
      Top = 126
      Width = 228
      Height = 90
      Caption = 'Solid'
      object Unchecked: TzynCheckBox
        Left = 10
        Top = 30
        Width = 120
        Height = 20
        Caption = 'Unchecked'
        Transparent = True
      end
    end
    object GlyphButton: TzynButton
      Left = 8
      Top = 224
      Width = 96
      Height = 73
      Caption = 'Glyph'
      Transparent = True
      Layout = blGlyphTop
      Spacing = 4
      Glyph = TBitmap 'glyphs/zynButton1.bmp'
    end
    object PlainButton: TzynButton
      Left = 112
      Top = 240
      Width = 80
      Height = 25
      Caption = 'OK'
    end
    object Tree: TzynTreeView
      Left = 200
      Top = 224
      Width = 244
      Height = 96
      Items = <
        item
          Text = 'One'
          Items = <
            item
              Text = 'One one'
            end>
        end
        item
          Text = 'Two'
        end>
    end
    object OffGlyphButton: TzynButton
      Left = 8
      Top = 330
      Width = 96
      Height = 73
      Caption = 'Off'
      Enabled = False
      Transparent = True
      Layout = blGlyphTop
      Spacing = 4
      Glyph = TBitmap 'glyphs/zynButton3.bmp'
    end
    object OffButton: TzynButton
      Left = 112
      Top = 346
      Width = 80
      Height = 25
      Caption = 'Off'
      Enabled = False
    end
    object OffGroup: TzynGroupBox
      Left = 200
      Top = 330
      Width = 244
      Height = 80
      Caption = 'Off group'
      Enabled = False
      object OffCheck: TzynCheckBox
        Left = 10
        Top = 24
        Width = 120
        Height = 20
        Caption = 'Off check'
        Enabled = False
      end
    end
  end
end
)";

} // namespace

class tst_PaintReference : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowLayout> window;

    std::unique_ptr<TForm> makeSheet(TzynUIStyle style)
    {
        auto sheet = std::make_unique<TForm>();
        TLayoutLoader loader;
        loader.setResourcePrefix(QStringLiteral(GUIDE_SOURCE_DIR "/resources/"));
        loader.loadFromText(sheet.get(), QString::fromUtf8(controlSheet), QStringLiteral("sheet"));
        // The layout language has no drawing styles.
        sheet->findChild<TzynImagePanel *>(QStringLiteral("Tiled"))->setDrawStyle(zynTile);
        sheet->findChild<TzynImagePanel *>(QStringLiteral("SeeThrough"))->setDrawStyle(zynTile);
        sheet->findChild<TzynImagePanel *>(QStringLiteral("Stretched"))->setDrawStyle(zynStretch);
        auto *frame = sheet->findChild<TzynForm *>(QStringLiteral("Frame"));
        frame->setUIStyle(style);
        ApplyUIStyleToContainers(frame, style);
        ApplyUIStyleToChildren(frame, style);
        sheet->show();
        QApplication::processEvents();
        if (QWidget *focused = QApplication::focusWidget())
            focused->clearFocus();
        frame->TitleBar()->setFormActive(true);
        QApplication::processEvents();
        return sheet;
    }

private Q_SLOTS:
    void initTestCase() { window = std::make_unique<MainWindowLayout>(); }
    void cleanupTestCase()
    {
        window.reset();
        if (writingReferences()) {
            QFile file(checksumFile());
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            for (auto it = writtenChecksums().cbegin(); it != writtenChecksums().cend(); ++it)
                file.write(it.key().toUtf8() + ' ' + it.value() + '\n');
        }
    }

    void mainWindow_data();
    void mainWindow();
    void partialRepaintMatchesWhole();
    void screenShowsWhatGrabsShow();
    void controls_data();
    void controls();
    void logicalGeometry_data();
    void logicalGeometry();
    void picturesAreSharp_data();
    void picturesAreSharp();
};

void tst_PaintReference::mainWindow_data()
{
    QTest::addColumn<TzynUIStyle>("style");
    QTest::addColumn<QSize>("size");
    // Sizes alternate and styles change from row to row, so every row repaints after a
    // resize or a style change.
    for (const TzynUIStyle style : allStyles) {
        for (const QSize size : { QSize(991, 660), QSize(760, 540) }) {
            const QString name = QStringLiteral("window-%1-%2x%3")
                                     .arg(styleName(style))
                                     .arg(size.width())
                                     .arg(size.height());
            QTest::newRow(qPrintable(name)) << style << size;
        }
    }
}

void tst_PaintReference::mainWindow()
{
    QFETCH(TzynUIStyle, style);
    QFETCH(QSize, size);
    // The layout's own style first, as the program starts, then the one under test.
    window->frame()->setUIStyle(TzynUIStyle::MacOS);
    window->frame()->setUIStyle(style);
    window->showAt(size);
    QCOMPARE(window->size(), size);
    compareWithChecksum(window->grabFrame(), QString::fromLatin1(QTest::currentDataTag()));
}

void tst_PaintReference::partialRepaintMatchesWhole()
{
    // Pieces of the window drawn on their own look exactly like the same pieces of the whole:
    // tiles stay anchored to the frame's corner, and see-through controls show the right part
    // of what lies under them.
    for (const TzynUIStyle style : { TzynUIStyle::MacOS, TzynUIStyle::WinXP }) {
        window->frame()->setUIStyle(style);
        window->showAt(QSize(1001, 667));
        const QImage whole = window->grabFrame();
        const QSize frame = window->frame()->size();
        for (const QRect piece : { QRect(3, 5, 17, 13), QRect(280, 100, 333, 211),
                 QRect(301, 20, 97, 90), QRect(0, 0, frame.width(), 40),
                 QRect(500, 400, frame.width() - 500, frame.height() - 400) }) {
            const QImage part = grabOf(window->frame(), piece);
            QVERIFY2(part == whole.copy(devicePixels(piece)),
                qPrintable(QStringLiteral("%1: piece at (%2, %3) %4x%5")
                               .arg(styleName(style))
                               .arg(piece.x())
                               .arg(piece.y())
                               .arg(piece.width())
                               .arg(piece.height())));
        }
    }
}

void tst_PaintReference::screenShowsWhatGrabsShow()
{
    // On screen the controls paint into the window's backing store, which is not what a grab
    // paints into; both must come out the same, after a full repaint and after partial ones.
    if (ratio() != 1)
        QSKIP("the offscreen platform's screen grab covers only the window's logical size in "
              "pixels at other ratios");
    for (const TzynUIStyle style : { TzynUIStyle::MacOS, TzynUIStyle::Custom }) {
        window->frame()->setUIStyle(style);
        window->showAt(QSize(1003, 671));
        auto onScreen = [&] {
            QApplication::processEvents();
            const QImage screen
                = QGuiApplication::primaryScreen()->grabWindow(window->winId()).toImage();
            return screen.copy(devicePixels(window->frame()->geometry()))
                .convertToFormat(QImage::Format_RGB32);
        };
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        // Opaque children are not repainted with their parent: every widget is asked.
        for (QWidget *widget : window->findChildren<QWidget *>())
            widget->update();
        QCOMPARE(onScreen(), window->grabFrame());
        window->frame()->update(QRect(250, 90, 400, 300));
        QWidget *group = window->findChild<QWidget *>(QStringLiteral("GroupBox1"));
        group->update(QRect(5, 5, 60, 40));
        window->findChild<QWidget *>(QStringLiteral("zynButton3"))->update();
        QCOMPARE(onScreen(), window->grabFrame());
    }
}

void tst_PaintReference::controls_data()
{
    QTest::addColumn<TzynUIStyle>("style");
    for (const TzynUIStyle style : allStyles)
        QTest::newRow(qPrintable(QStringLiteral("controls-") + styleName(style))) << style;
}

void tst_PaintReference::controls()
{
    QFETCH(TzynUIStyle, style);
    const auto sheet = makeSheet(style);
    auto *frame = sheet->findChild<TzynForm *>(QStringLiteral("Frame"));
    QVERIFY(frame);
    const QImage before = grabOf(frame);
    compareWithReference(before, QString::fromLatin1(QTest::currentDataTag()));
    // Pieces across the see-through panels, the group boxes and the buttons on them.
    for (const QRect piece : { QRect(150, 33, 61, 40), QRect(0, 100, 230, 130),
             QRect(20, 140, 50, 20), QRect(100, 230, 200, 50) })
        QVERIFY2(grabOf(frame, piece) == before.copy(devicePixels(piece)),
            qPrintable(QStringLiteral("piece at (%1, %2)").arg(piece.x()).arg(piece.y())));
    // A resize redraws from scratch: smaller, then back, it shows the same picture again.
    sheet->resize(sheet->size() - QSize(37, 23));
    const QImage smaller = grabOf(frame);
    sheet->resize(sheet->size() + QSize(37, 23));
    QVERIFY(smaller.size() != before.size());
    QCOMPARE(grabOf(frame), before);
}

void tst_PaintReference::logicalGeometry_data()
{
    QTest::addColumn<TzynUIStyle>("style");
    for (const TzynUIStyle style : allStyles)
        QTest::newRow(qPrintable(styleName(style))) << style;
}

void tst_PaintReference::logicalGeometry()
{
    // Whatever the density, every control sits where it sits at ratio 1, and a grab has the
    // ratio's pixels for each logical one.
    QFETCH(TzynUIStyle, style);
    window->frame()->setUIStyle(style);
    window->showAt(QSize(991, 660));
    const QImage grab = window->grabFrame();
    QCOMPARE(grab.size(), window->frame()->size() * ratio());
    compareWithGeometry(
        geometries(window->frame()), QStringLiteral("geometry-window-") + styleName(style));
    const auto sheet = makeSheet(style);
    auto *frame = sheet->findChild<TzynForm *>(QStringLiteral("Frame"));
    QCOMPARE(grabOf(frame).size(), frame->size() * ratio());
    compareWithGeometry(geometries(frame), QStringLiteral("geometry-controls-") + styleName(style));
}

void tst_PaintReference::picturesAreSharp_data()
{
    QTest::addColumn<TzynUIStyle>("style");
    for (const TzynUIStyle style : allStyles)
        if (style != TzynUIStyle::Custom) // drawn without pictures
            QTest::newRow(qPrintable(styleName(style))) << style;
}

void tst_PaintReference::picturesAreSharp()
{
    if (ratio() != 2)
        QSKIP("measured at a device pixel ratio of 2");
    QFETCH(TzynUIStyle, style);
    // The areas drawn from pictures: the title bar's buttons at its right end, the push
    // buttons, and on the sheet the marks of the check and radio boxes.
    // Each area's blocks are counted, and the shares of all of them together judged: a single
    // small box with straight edges says little on its own.
    const auto measure = [](const QImage &grab, const QList<QRect> &areas, const QString &what) {
        EdgeBlocks sharp, coarse;
        for (const QRect &area : areas) {
            const QRect pixels = devicePixels(area);
            sharp += edgeBlocks(grab, pixels);
            // The measure itself: the same area at half the pixels, magnified, is found out.
            const QImage magnified
                = grab.copy(pixels)
                      .scaled(pixels.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                      .scaled(pixels.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
            coarse += edgeBlocks(magnified, magnified.rect());
        }
        qInfo("%s: %d edge blocks, %.2f of them of one colour (magnified: %.2f)", qPrintable(what),
            sharp.edges, sharp.share(), coarse.share());
        QVERIFY(sharp.edges > 200);
        QVERIFY(coarse.share() > 0.9);
        QVERIFY2(sharp.share() < 0.6, qPrintable(what));
    };
    window->frame()->setUIStyle(style);
    window->showAt(QSize(991, 660));
    const QImage grab = window->grabFrame();
    const QRect bar = window->frame()->TitleBar()->geometry();
    QList<QRect> areas = { QRect(bar.right() - 80, bar.top(), 80, bar.height()) };
    for (const char *name : { "zynButton1", "zynButton5" }) {
        const QWidget *button = window->findChild<QWidget *>(QString::fromLatin1(name));
        areas << QRect(button->mapTo(window->frame(), QPoint(0, 0)), button->size());
    }
    measure(grab, areas, QStringLiteral("window"));

    const auto sheet = makeSheet(style);
    auto *frame = sheet->findChild<TzynForm *>(QStringLiteral("Frame"));
    const QImage sheetGrab = grabOf(frame);
    QList<QRect> marks;
    for (const QWidget *box : frame->findChildren<QWidget *>())
        if (QByteArray(box->metaObject()->className()).contains("Check")
            || QByteArray(box->metaObject()->className()).contains("Radio"))
            marks << QRect(box->mapTo(frame, QPoint(0, 0)), QSize(18, box->height()));
    QVERIFY(!marks.isEmpty());
    measure(sheetGrab, marks, QStringLiteral("controls"));
}

int main(int argc, char *argv[])
{
    UseLargeOffscreenScreen();
    TApplication app(argc, argv);
    tst_PaintReference test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_paint_reference.moc"
