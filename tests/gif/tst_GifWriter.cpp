// Writing GIF streams: layout, extensions, the LZW encoder's code sizes and reset, exact
// rewriting of what was read, and encode-then-decode round trips.
#include "Exception.h"
#include "GifLzwEncoder.h"
#include "GifReferenceDecoder.h"
#include "GifReferenceEncoder.h"
#include "GifStreamBuilder.h"
#include "TBitmap.h"
#include "TGIFImage.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QtTest>

namespace {

std::vector<uchar> streamPixels(const QImage &image)
{
    std::vector<uchar> pixels;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            pixels.push_back(uchar(image.pixelIndex(x, y)));
    return pixels;
}

QImage randomIndexed(int w, int h, int colors, quint32 seed)
{
    QRandomGenerator rng(seed);
    QImage image;
    if (colors == 2) {
        image = QImage(w, h, QImage::Format_Mono);
        image.setColorTable({ qRgb(10, 20, 30), qRgb(200, 100, 50) });
    } else {
        image = QImage(w, h, QImage::Format_Indexed8);
        QList<QRgb> table;
        for (int i = 0; i < colors; ++i)
            table.append(qRgb(int(rng.bounded(256)), int(rng.bounded(256)), i));
        image.setColorTable(table);
    }
    // Runs of repeated pixels mixed with noise, so that long strings and table resets occur.
    int value = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (rng.bounded(4) == 0)
                value = int(rng.bounded(colors));
            image.setPixel(x, y, uint(value));
        }
    return image;
}

// Reads the codes of a frame's compressed data with the decoder's width rules and returns
// the number of codes between successive clear codes, and the widths of the clear codes.
void codeRuns(const QByteArray &data, QList<int> &runs, QList<int> &clearWidths)
{
    const int min = data.at(0);
    QByteArray bytes;
    for (int p = 1; p < data.size();) {
        const int len = quint8(data.at(p));
        if (len == 0)
            break;
        bytes += data.mid(p + 1, len);
        p += 1 + len;
    }
    const int clear = 1 << min, end = clear + 1;
    int width = min + 1, next = clear + 2, run = -1;
    bool first = true;
    qint64 bit = 0;
    while (bit + width <= qint64(bytes.size()) * 8) {
        int code = 0;
        for (int i = 0; i < width; ++i, ++bit)
            code |= ((quint8(bytes.at(int(bit >> 3))) >> (bit & 7)) & 1) << i;
        if (code == end)
            break;
        if (code == clear) {
            if (run >= 0)
                runs.append(run);
            clearWidths.append(width);
            run = 0;
            width = min + 1;
            next = clear + 2;
            first = true;
            continue;
        }
        ++run;
        if (first) {
            first = false;
            continue;
        }
        if (next < 4096 && ++next == (1 << width) && width < 12)
            ++width;
    }
}

} // namespace

class TestGifWriter : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void noFramesFails();
    void emptyBitmapFails();
    void twoColoursUseCodeSizeTwo();
    void resetAt4094();
    void encoderWritesThePlainEncodersBytes();
    void singleFrameLoopIsNotWritten();
    void loopWithSeveralFrames();
    void longCommentLines();
    void graphicControlIsBroughtUpToDate();
    void rewriteIsByteIdentical();
    void storedDataIsCopiedNotReencoded();
    void truncatedFrameIsWrittenReadable();
    void screenKeepsItsSize();
    void roundTrip_data();
    void roundTrip();
    void deepBitmaps_data();
    void deepBitmaps();
    void cancelledEncodingEmptiesFrame();
    void savingAConstImageLeavesItAsItWas();
};

void TestGifWriter::noFramesFails()
{
    TGIFImage image;
    try {
        image.saveToBytes();
        QFAIL("no error");
    } catch (const EInvalidGraphicOperation &e) {
        QCOMPARE(e.message(), QStringLiteral("No GIF Data to write"));
    }
}

void TestGifWriter::emptyBitmapFails()
{
    TGIFImage image;
    image.addFrame(TBitmap(QImage()));
    try {
        image.saveToBytes();
        QFAIL("no error");
    } catch (const EInvalidGraphicOperation &e) {
        QCOMPARE(e.message(), QStringLiteral("No GIF Data to write"));
    }
}

void TestGifWriter::twoColoursUseCodeSizeTwo()
{
    TGIFImage image;
    image.addFrame(TBitmap(randomIndexed(9, 5, 2, 1)));
    const QByteArray bytes = image.saveToBytes();
    // Header, screen descriptor with a 2-entry global table, image descriptor.
    QCOMPARE(bytes.left(6), QByteArray("GIF87a"));
    QCOMPARE(quint8(bytes.at(10)), quint8(0x80));
    const int descriptor = 13 + 6;
    QCOMPARE(bytes.at(descriptor), ',');
    QCOMPARE(quint8(bytes.at(descriptor + 9)), quint8(0)); // no local table
    QCOMPARE(int(bytes.at(descriptor + 10)), 2);
    QCOMPARE(image.frame(0)->bitsPerPixel(), 1);
    QVERIFY(!image.frame(0)->localTable);
}

void TestGifWriter::resetAt4094()
{
    // Noise at 8 bits: every code adds a table entry, so the table fills quickly.
    QImage image = randomIndexed(300, 200, 256, 7);
    TGIFImage gif;
    gif.addFrame(TBitmap(image));
    gif.saveToBytes();
    QList<int> runs, clearWidths;
    codeRuns(gif.frame(0)->compressedData(), runs, clearWidths);
    QVERIFY(runs.size() >= 3);
    // After a clear, codes 258..4094 are handed out, each after one code, plus the prefix
    // written before the next clear: 4094 - 256 codes in every full run.
    for (int run : qAsConst(runs))
        QCOMPARE(run, 4094 - 256);
    QCOMPARE(clearWidths.first(), 9);
    for (int i = 1; i < clearWidths.size(); ++i)
        QCOMPARE(clearWidths[i], 12);
    std::vector<uchar> decoded;
    const QByteArray &data = gif.frame(0)->compressedData();
    const GifLzwResult r = gifReferenceDecode(
        reinterpret_cast<const uchar *>(data.constData()), data.size(), 8, decoded, 300 * 200);
    QVERIFY(!r.damaged());
    QVERIFY(decoded == streamPixels(image));
}

void TestGifWriter::encoderWritesThePlainEncodersBytes()
{
    // Noise, runs and flat areas at every code size, from a single pixel to several table
    // resets, and an empty frame; a reset that falls on the very last pixel is among them.
    QRandomGenerator rng(61);
    for (int i = 0; i < 400; ++i) {
        const int minCode = 2 + int(rng.bounded(7));
        const int colors = 1 << (minCode == 2 && rng.bounded(2) ? 1 : minCode);
        const int count = i == 0 ? 0 : 1 + int(rng.bounded(i < 350 ? 5000 : 300000));
        const int runLength = 1 + int(rng.bounded(i % 3 == 0 ? 2 : 200));
        std::vector<uchar> pixels(static_cast<size_t>(count));
        int value = 0;
        for (uchar &p : pixels) {
            if (rng.bounded(runLength) == 0)
                value = int(rng.bounded(colors));
            p = uchar(value);
        }
        QByteArray fast;
        gifLzwEncode(pixels.data(), count, minCode, fast);
        QVERIFY2(fast == gifReferenceEncode(pixels.data(), count, minCode),
            qPrintable(
                QStringLiteral("case %1: %2 pixels, code size %3").arg(i).arg(count).arg(minCode)));
    }
    // 8-bit noise fills the table after about 3,900 pixels: every length around there, so
    // that the reset falls on the last pixel, next to it, and just before it.
    std::vector<uchar> noise(4300);
    for (uchar &p : noise)
        p = uchar(rng.bounded(256));
    for (int count = 3700; count <= 4300; ++count) {
        QByteArray fast;
        gifLzwEncode(noise.data(), count, 8, fast);
        QVERIFY2(
            fast == gifReferenceEncode(noise.data(), count, 8), qPrintable(QString::number(count)));
    }
}

void TestGifWriter::singleFrameLoopIsNotWritten()
{
    TGIFImage image;
    image.addFrame(TBitmap(randomIndexed(4, 4, 16, 2)));
    image.setLooping(true);
    image.setRepeatCount(3);
    QVERIFY(!image.saveToBytes().contains("NETSCAPE2.0"));
}

void TestGifWriter::loopWithSeveralFrames()
{
    TGIFImage image;
    image.addFrame(TBitmap(randomIndexed(4, 4, 16, 2)));
    image.addFrame(TBitmap(randomIndexed(6, 2, 16, 3)));
    image.setLooping(true);
    image.setRepeatCount(0);
    const QByteArray bytes = image.saveToBytes();
    QCOMPARE(bytes.left(6), QByteArray("GIF89a"));
    QVERIFY(bytes.contains(QByteArray("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19)));
    TGIFImage back;
    back.loadFromBytes(bytes);
    QVERIFY(back.looping());
    QCOMPARE(back.repeatCount(), quint16(0));
    QCOMPARE(back.screenWidth(), 6);
    QCOMPARE(back.screenHeight(), 4);
    QVERIFY(back.frame(1)->localTable);
}

void TestGifWriter::longCommentLines()
{
    TGIFImage image;
    image.addFrame(TBitmap(randomIndexed(4, 4, 16, 2)));
    const QByteArray longLine(300, 'c');
    image.setComment({ longLine, QByteArray(), "short" });
    const QByteArray bytes = image.saveToBytes();
    QCOMPARE(bytes.left(6), QByteArray("GIF89a"));
    const QByteArray expected
        = QByteArray("\x21\xFE\xFF", 3) + QByteArray(255, 'c') + QByteArray("\x05short\x00;", 8);
    QVERIFY(bytes.endsWith(expected));
    TGIFImage back;
    back.loadFromBytes(bytes);
    QCOMPARE(back.comment(), QByteArrayList({ QByteArray(255, 'c'), "short" }));
}

void TestGifWriter::graphicControlIsBroughtUpToDate()
{
    QImage bitmap = randomIndexed(4, 4, 16, 5);
    TGIFImage image;
    image.addFrame(TBitmap(bitmap));
    image.frame(0)->delay = 250;
    image.frame(0)->disposal = 2;
    image.frame(0)->transparentColor = fromQColor(QColor::fromRgb(bitmap.color(9)));
    image.frame(0)->extensions.append(TExtension(TExtension::Comment)); // empty: dropped
    const QByteArray bytes = image.saveToBytes();
    QCOMPARE(bytes.left(6), QByteArray("GIF89a"));
    TGIFImage back;
    back.loadFromBytes(bytes);
    const TGIFFrame *f = back.frame(0);
    QCOMPARE(f->extensions.size(), 1);
    QCOMPARE(f->extensions[0].kind(), TExtension::GraphicControl);
    QCOMPARE(f->delay, quint16(250));
    QCOMPARE(f->disposal, 2);
    QCOMPARE(f->extensions[0].transparentIndex(), quint8(9));
    QVERIFY(f->extensions[0].hasTransparency());
    QCOMPARE(f->transparentColor, image.frame(0)->transparentColor);

    // Transparency switched off clears the bit.
    back.frame(0)->transparentColor = Colors::clNone;
    TGIFImage again;
    again.loadFromBytes(back.saveToBytes());
    QVERIFY(!again.frame(0)->extensions[0].hasTransparency());
    QCOMPARE(again.frame(0)->transparentColor, Colors::clNone);
}

void TestGifWriter::rewriteIsByteIdentical()
{
    const QList<QRgb> four = GifStreamBuilder::greyTable(4);
    QList<QRgb> doubled = GifStreamBuilder::greyTable(4);
    doubled[2] = doubled[0]; // the transparent and background entries have twins before them
    const QByteArray bytes
        = GifStreamBuilder()
              .header()
              .screen(20, 10, doubled, 2, 0)
              .loop(7)
              .graphicControl(12, 2, 1)
              .comment({ "about", "frame 0" })
              .frame(0, 0, 20, 10, GifStreamBuilder::lzw(std::vector<uchar>(200, 1), 2))
              .graphicControl(5)
              .frame(3, 4, 5, 6, GifStreamBuilder::lzw(std::vector<uchar>(30, 3), 3),
                  GifStreamBuilder::greyTable(8), true)
              .comment({ "image", "comment" })
              .trailer()
              .bytes();
    TGIFImage image;
    image.loadFromBytes(bytes);
    image.frame(1)->bitmap();
    QCOMPARE(image.saveToBytes(), bytes);
    Q_UNUSED(four);
}

void TestGifWriter::storedDataIsCopiedNotReencoded()
{
    // A legal but unusual code stream: a clear code before every pixel, which our encoder
    // would never write.
    QList<QPair<int, int>> codes;
    for (int i = 0; i < 12; ++i) {
        codes.append({ 4, 3 });
        codes.append({ i % 4, 3 });
    }
    codes.append({ 5, 3 });
    const QByteArray data = GifStreamBuilder::codes(2, codes);
    const QByteArray bytes = GifStreamBuilder()
                                 .header("GIF87a")
                                 .screen(4, 3, GifStreamBuilder::greyTable(4))
                                 .frame(0, 0, 4, 3, data)
                                 .trailer()
                                 .bytes();
    TGIFImage image;
    image.loadFromBytes(bytes);
    QCOMPARE(image.frame(0)->bitmap().pixelIndex(3, 2), 3);
    QCOMPARE(image.saveToBytes(), bytes);
}

void TestGifWriter::truncatedFrameIsWrittenReadable()
{
    const QByteArray data = GifStreamBuilder::lzw(std::vector<uchar>(400, 2), 2);
    const QByteArray bytes = GifStreamBuilder()
                                 .header()
                                 .screen(20, 20, GifStreamBuilder::greyTable(4))
                                 .frame(0, 0, 20, 20, data.left(data.size() - 3))
                                 .bytes();
    TGIFImage image;
    image.loadFromBytes(bytes);
    QVERIFY(image.frame(0)->corrupted);
    const QImage decoded = image.frame(0)->bitmap();
    TGIFImage back;
    back.loadFromBytes(image.saveToBytes());
    QCOMPARE(back.frameCount(), 1);
    QCOMPARE(back.frame(0)->bitmap(), decoded);
}

void TestGifWriter::screenKeepsItsSize()
{
    const QByteArray bytes
        = GifStreamBuilder()
              .header()
              .screen(50, 40, GifStreamBuilder::greyTable(4))
              .frame(2, 3, 4, 3, GifStreamBuilder::lzw(std::vector<uchar>(12, 1), 2))
              .trailer()
              .bytes();
    TGIFImage image;
    image.loadFromBytes(bytes);
    image.addFrame(TBitmap(randomIndexed(60, 5, 16, 1)));
    TGIFImage back;
    back.loadFromBytes(image.saveToBytes());
    QCOMPARE(back.screenWidth(), 60);
    QCOMPARE(back.screenHeight(), 40);
}

void TestGifWriter::roundTrip_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("colors");
    QTest::addColumn<bool>("interlaced");
    const int sizes[][2]
        = { { 1, 1 }, { 7, 3 }, { 33, 17 }, { 1000, 1 }, { 1, 300 }, { 641, 479 } };
    for (int colors : { 2, 16, 256 })
        for (const auto &s : sizes)
            for (bool interlaced : { false, true })
                QTest::addRow(
                    "%dx%d %d colours%s", s[0], s[1], colors, interlaced ? " interlaced" : "")
                    << s[0] << s[1] << colors << interlaced;
}

void TestGifWriter::roundTrip()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, colors);
    QFETCH(bool, interlaced);
    const QImage source
        = randomIndexed(width, height, colors, quint32(width * 131 + height + colors));
    TGIFImage image;
    image.addFrame(TBitmap(source));
    image.frame(0)->interlaced = interlaced;
    const QByteArray bytes = image.saveToBytes();
    TGIFImage back;
    back.loadFromBytes(bytes);
    QCOMPARE(back.frame(0)->interlaced, interlaced);
    QVERIFY(!back.frame(0)->corrupted);
    const QImage decoded = back.frame(0)->bitmap();
    QCOMPARE(decoded.size(), source.size());
    QCOMPARE(decoded.colorTable().mid(0, colors), source.colorTable());
    QVERIFY(streamPixels(decoded) == streamPixels(source));
}

void TestGifWriter::deepBitmaps_data()
{
    QTest::addColumn<int>("distinct");
    QTest::addColumn<bool>("grayscale");
    QTest::newRow("200 colours come back exactly") << 200 << false;
    QTest::newRow("256 colours come back exactly") << 256 << false;
    QTest::newRow("photo-like, median cut") << 0 << false;
    QTest::newRow("grey levels") << 0 << true;
}

void TestGifWriter::deepBitmaps()
{
    QFETCH(int, distinct);
    QFETCH(bool, grayscale);
    QImage rgb(97, 61, QImage::Format_RGB32);
    QRandomGenerator rng(3);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x) {
            if (distinct > 0) {
                const int i = (x + y * rgb.width()) % distinct;
                rgb.setPixel(x, y, qRgb(i, 255 - i, (i * 7) & 0xFF));
            } else {
                rgb.setPixel(x, y, qRgb(x * 2 + int(rng.bounded(8)), y * 4, (x + y) & 0xFF));
            }
        }
    TGIFImage image;
    image.addFrame(TBitmap(rgb));
    image.frame(0)->grayscale = grayscale;
    TGIFImage back;
    back.loadFromBytes(image.saveToBytes());
    const QImage decoded = back.frame(0)->bitmap().convertToFormat(QImage::Format_RGB32);
    QVERIFY(image.frame(0)->grayscale == grayscale);
    if (distinct > 0) {
        QCOMPARE(decoded, rgb);
        return;
    }
    // Lossy: close on average.
    qint64 error = 0;
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb a = rgb.pixel(x, y), b = decoded.pixel(x, y);
            if (grayscale)
                error += qAbs(qGray(a) - qRed(b));
            else
                error += qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b))
                    + qAbs(qBlue(a) - qBlue(b));
        }
    QVERIFY2(error / (rgb.width() * rgb.height()) < 12, qPrintable(QString::number(error)));
}

void TestGifWriter::cancelledEncodingEmptiesFrame()
{
    TGIFImage image;
    image.addFrame(TBitmap(randomIndexed(50, 50, 256, 1)));
    image.setOnProgress([](TGIFImage::ProgressStage stage, int percent, const QString &) {
        if (stage == TGIFImage::ProgressStage::Running && percent >= 50)
            throw EAbort();
    });
    QVERIFY_THROWS_EXCEPTION(EAbort, image.saveToBytes());
    QVERIFY(!image.frame(0)->hasBitmap());
    QVERIFY(image.frame(0)->compressedData().isEmpty());
}

QTEST_MAIN(TestGifWriter)
void TestGifWriter::savingAConstImageLeavesItAsItWas()
{
    // A frame made from a bitmap gets its data and a graphic control when it is written.
    TGIFImage image;
    QImage picture(3, 2, QImage::Format_Indexed8);
    picture.setColorTable({ qRgb(0, 0, 0), qRgb(255, 255, 255) });
    picture.fill(1);
    image.addFrame(TBitmap(picture));
    image.frame(0)->delay = 50;

    const TGIFImage &constImage = image;
    QByteArray written;
    QBuffer buffer(&written);
    buffer.open(QIODevice::WriteOnly);
    constImage.saveToStream(buffer);

    QVERIFY(image.frame(0)->compressedData().isEmpty());
    QVERIFY(image.frame(0)->extensions.isEmpty());
    QCOMPARE(image.version(), TGIFImage::Version87a);
    TGIFImage copy(image);
    QCOMPARE(written, copy.saveToBytes());
    QCOMPARE(copy.version(), TGIFImage::Version89a);
}

#include "tst_GifWriter.moc"
