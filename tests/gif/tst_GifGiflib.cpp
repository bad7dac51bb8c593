// Pixel-exact agreement with giflib: GIFs made at test time by other programs (ImageMagick,
// giflib's own tools, Python's PIL) decode to the same colour-table indices and colours as
// giflib decodes them, and giflib reads what our encoder writes.
#include "TBitmap.h"
#include "TGIFImage.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <gif_lib.h>

namespace {

struct Generator {
    QString program;
    QStringList args;
    QByteArray stdinData;
};

bool runTool(const Generator &g, QString *error)
{
    QString program = g.program;
    if (!QFileInfo(program).isAbsolute())
        program = QStandardPaths::findExecutable(program);
    if (program.isEmpty() || !QFileInfo::exists(program)) {
        *error = g.program + QStringLiteral(" is not installed");
        return false;
    }
    QProcess p;
    p.start(program, g.args);
    p.waitForStarted();
    if (!g.stdinData.isEmpty())
        p.write(g.stdinData);
    p.closeWriteChannel();
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        *error = g.program + QStringLiteral(" failed: ")
            + QString::fromLocal8Bit(p.readAllStandardError());
        return false;
    }
    return true;
}

// Compares every frame of a file as giflib and our decoder see it.
void compareWithGiflib(const QString &path, int *framesCompared)
{
    int err = 0;
    GifFileType *gif = DGifOpenFileName(path.toLocal8Bit().constData(), &err);
    QVERIFY2(gif, GifErrorString(err));
    const int slurp = DGifSlurp(gif);
    QVERIFY2(slurp == GIF_OK, GifErrorString(gif->Error));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    TGIFImage image;
    image.loadFromBytes(file.readAll());
    QCOMPARE(image.frameCount(), gif->ImageCount);
    QCOMPARE(image.screenWidth(), int(gif->SWidth));
    QCOMPARE(image.screenHeight(), int(gif->SHeight));
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage &saved = gif->SavedImages[i];
        TGIFFrame *frame = image.frame(i);
        QCOMPARE(frame->left, int(saved.ImageDesc.Left));
        QCOMPARE(frame->top, int(saved.ImageDesc.Top));
        QCOMPARE(frame->interlaced, bool(saved.ImageDesc.Interlace));
        const ColorMapObject *map
            = saved.ImageDesc.ColorMap ? saved.ImageDesc.ColorMap : gif->SColorMap;
        QVERIFY(map);
        const QImage bitmap = frame->bitmap();
        QVERIFY(!frame->corrupted);
        QCOMPARE(bitmap.width(), int(saved.ImageDesc.Width));
        QCOMPARE(bitmap.height(), int(saved.ImageDesc.Height));
        for (int y = 0; y < bitmap.height(); ++y)
            for (int x = 0; x < bitmap.width(); ++x) {
                const int expected = saved.RasterBits[y * bitmap.width() + x];
                const int got = bitmap.pixelIndex(x, y);
                if (got != expected)
                    QFAIL(qPrintable(QStringLiteral("frame %1 pixel (%2, %3): %4, giflib %5")
                                         .arg(i)
                                         .arg(x)
                                         .arg(y)
                                         .arg(got)
                                         .arg(expected)));
                if (expected < map->ColorCount) {
                    const GifColorType c = map->Colors[expected];
                    QCOMPARE(bitmap.color(got), qRgb(c.Red, c.Green, c.Blue));
                }
            }
        ++*framesCompared;
    }
    DGifCloseFile(gif, &err);
}

QByteArray randomRgb(int w, int h, quint32 seed)
{
    QRandomGenerator rng(seed);
    QByteArray rgb;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            rgb.append(char(x * 255 / w));
            rgb.append(char(y * 255 / h));
            rgb.append(char(rng.bounded(64) + 96));
        }
    return rgb;
}

} // namespace

class TestGifGiflib : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void otherPrograms_data();
    void otherPrograms();
    void giflibReadsOurOutput_data();
    void giflibReadsOurOutput();

private:
    QTemporaryDir m_dir;
};

void TestGifGiflib::otherPrograms_data()
{
    QTest::addColumn<QList<Generator>>("steps");
    QTest::addColumn<QString>("file");
    const QString d = m_dir.path() + QLatin1Char('/');
    const QString convert = QStringLiteral("convert");
    const QString python = QFileInfo::exists(QStringLiteral("/usr/bin/python3"))
        ? QStringLiteral("/usr/bin/python3")
        : QStringLiteral("python3");

    auto im = [&](const char *name, const QStringList &args) {
        QTest::newRow(name) << QList<Generator>({ { convert, args + QStringList(d + name), {} } })
                            << d + name;
    };
    im("im-photo-256.gif",
        { "-size", "160x120", "-seed", "7", "plasma:fractal", "-colors", "256" });
    im("im-gradient-16.gif", { "-size", "97x61", "gradient:navy-gold", "-colors", "16" });
    im("im-checker-2-interlaced.gif",
        { "-size", "64x48", "pattern:checkerboard", "-interlace", "GIF" });
    im("im-photo-interlaced.gif",
        { "-size", "123x77", "-seed", "3", "plasma:", "-interlace", "GIF" });
    im("im-transparent.gif",
        { "-size", "33x17", "xc:white", "-fill", "red", "-draw", "circle 16,8 16,2", "-transparent",
            "white" });
    im("im-odd-5-colours.gif", { "-size", "301x7", "-seed", "5", "plasma:", "-colors", "5" });
    im("im-animation.gif",
        { "-delay", "20", "-loop", "3", "-size", "40x30", "-seed", "9", "plasma:", "-size", "40x30",
            "gradient:red-blue", "-size", "40x30", "xc:green" });

    // giflib's own tools: RGB to GIF with its quantiser, then interlaced with giftool.
    QFile rgb(d + QStringLiteral("in.rgb"));
    if (rgb.open(QIODevice::WriteOnly)) {
        rgb.write(randomRgb(150, 100, 4));
        rgb.close();
    }
    // gif2rgb writes the GIF to standard output when it converts RGB.
    const Generator gif2rgb { QStringLiteral("sh"),
        { "-c", "gif2rgb -1 -c 8 -s 150 100 '" + d + "in.rgb' > '" + d + "giflib-quantised.gif'" },
        {} };
    QTest::newRow("giflib-quantised.gif")
        << QList<Generator>({ gif2rgb }) << d + "giflib-quantised.gif";
    QTest::newRow("giflib-interlaced.gif") << QList<Generator>({ gif2rgb,
        { QStringLiteral("sh"),
            { "-c",
                "giftool -i 1 < '" + d + "giflib-quantised.gif' > '" + d
                    + "giflib-interlaced.gif'" },
            {} } }) << d + "giflib-interlaced.gif";

    // Python's PIL.
    auto pil = [&](const char *name, const QString &script) {
        QTest::newRow(name) << QList<Generator>({ { python, { "-c", script, d + name }, {} } })
                            << d + name;
    };
    pil("pil-palette.gif",
        "import sys, random\nfrom PIL import Image\nrandom.seed(1)\n"
        "im = Image.new('P', (211, 143))\n"
        "im.putpalette([random.randrange(256) for _ in range(768)])\n"
        "im.putdata([((x * y) // 7 + random.randrange(3)) % 256 for y in range(143) for x in "
        "range(211)])\n"
        "im.save(sys.argv[1])\n");
    pil("pil-grey.gif",
        "import sys\nfrom PIL import Image\n"
        "im = Image.linear_gradient('L').resize((90, 70))\n"
        "im.save(sys.argv[1], interlace=False)\n");
    pil("pil-animation.gif",
        "import sys\nfrom PIL import Image, ImageDraw\nframes = []\n"
        "for i in range(5):\n"
        "    im = Image.new('RGB', (64, 40), (255, 255, 255))\n"
        "    d = ImageDraw.Draw(im)\n"
        "    d.ellipse((i * 8, 5, i * 8 + 24, 30), fill=(200, 40 * i, 20))\n"
        "    frames.append(im.convert('P', palette=Image.ADAPTIVE, colors=32))\n"
        "frames[0].save(sys.argv[1], save_all=True, append_images=frames[1:], duration=80, loop=0,"
        " transparency=0, disposal=2, optimize=False)\n");
}

void TestGifGiflib::otherPrograms()
{
    QFETCH(QList<Generator>, steps);
    QFETCH(QString, file);
    for (const Generator &g : steps) {
        QString error;
        if (!runTool(g, &error))
            QSKIP(qPrintable(error));
    }
    int frames = 0;
    compareWithGiflib(file, &frames);
    QVERIFY(frames >= 1);
}

void TestGifGiflib::giflibReadsOurOutput_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("deep");
    QTest::addColumn<bool>("interlaced");
    QTest::newRow("1x1") << 1 << 1 << false << false;
    QTest::newRow("odd, interlaced") << 37 << 23 << false << true;
    QTest::newRow("photo-like, reduced") << 320 << 240 << true << false;
    QTest::newRow("photo-like, reduced, interlaced") << 321 << 17 << true << true;
}

void TestGifGiflib::giflibReadsOurOutput()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(bool, deep);
    QFETCH(bool, interlaced);
    const QByteArray rgb = randomRgb(width, height, 8);
    QImage image(reinterpret_cast<const uchar *>(rgb.constData()), width, height, width * 3,
        QImage::Format_RGB888);
    image = image.copy();
    if (!deep)
        image = image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    TGIFImage gif;
    gif.addFrame(TBitmap(image));
    gif.addFrame(TBitmap(image.mirrored()));
    gif.frame(0)->interlaced = interlaced;
    gif.frame(1)->interlaced = interlaced;
    const QString path
        = m_dir.filePath(QStringLiteral("ours-%1x%2-%3.gif").arg(width).arg(height).arg(deep));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(gif.saveToBytes());
    file.close();
    int frames = 0;
    compareWithGiflib(path, &frames);
    QCOMPARE(frames, 2);
}

QTEST_MAIN(TestGifGiflib)
#include "tst_GifGiflib.moc"
