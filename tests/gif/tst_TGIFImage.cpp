// Reading GIF streams: the data model, tolerance of damaged data, errors, drawing,
// registration and the clipboard.
#include "Exception.h"
#include "GifStreamBuilder.h"
#include "TBitmap.h"
#include "TGIFImage.h"
#include "TPicture.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QtTest>

namespace {

const QList<QRgb> kFour
    = { qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255) };

std::vector<uchar> ramp(int count, int modulo)
{
    std::vector<uchar> pixels(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        pixels[size_t(i)] = uchar(i % modulo);
    return pixels;
}

// A 4 x 3 frame with the four-colour global table and pixels 0,1,2,3,0,1...
QByteArray simpleGif(const char *signature = "GIF89a")
{
    return GifStreamBuilder()
        .header(signature)
        .screen(4, 3, kFour)
        .frame(0, 0, 4, 3, GifStreamBuilder::lzw(ramp(12, 4), 2))
        .trailer()
        .bytes();
}

TGIFImage::Options strictOptions()
{
    TGIFImage::Options options;
    options.acceptDamaged = false;
    return options;
}

QString loadError(const QByteArray &bytes, bool accept = true)
{
    TGIFImage image;
    if (!accept)
        image.setOptions(strictOptions());
    QString message;
    try {
        image.loadFromBytes(bytes);
    } catch (const EInvalidGraphicOperation &e) {
        message = e.message();
    }
    return message;
}

int pixelAt(TGIFFrame *frame, int x, int y)
{
    return frame->bitmap().pixelIndex(x, y);
}

// The codes of a two-generation stream whose second generation walks a cycle of stale table
// entries: generation 1 leaves entry 7 with prefix 6; generation 2 starts with the damaged
// code 7, then a literal makes entry 6 with prefix 7, and code 6 walks 6 -> 7 -> 6 ...
QByteArray cyclicCodes()
{
    return GifStreamBuilder::codes(
        2, { { 4, 3 }, { 0, 3 }, { 6, 3 }, { 0, 3 }, { 4, 4 }, { 7, 3 }, { 0, 3 }, { 6, 3 } });
}

} // namespace

class TestTGIFImage : public QObject {
    Q_OBJECT
private Q_SLOTS:

    void signatures_data();
    void signatures();
    void dataModel();
    void zeroBytesBetweenBlocksAreSkipped();
    void missingTrailer();
    void strayBytesEndTheRead();
    void unexpectedSeparatorFails();
    void loopExtension_data();
    void loopExtension();
    void extensionRuns();
    void widthZeroTakesScreenSize();
    void noColorTable();
    void transparentIndex_data();
    void transparentIndex();
    void interlacedRowOrder();
    void oneBitAndFourBitFrames();
    void damagedData_data();
    void damagedData();
    void damageIsNeverReportedAsSuccess_data();
    void damageIsNeverReportedAsSuccess();
    void dataAfterTheLastPixelIsHarmless();
    void errorMessages_data();
    void errorMessages();
    void hugeFrameIsRefused();
    void decodedPixelsAreBudgeted();
    void lazyDecoding();
    void copiesShareData();
    void drawStretched();
    void drawLeavesOutTransparentColour();
    void layoutPictureData();
    void registration();
    void clipboard();
    void progress();
    void logo();
};

void TestTGIFImage::signatures_data()
{
    QTest::addColumn<QByteArray>("signature");
    QTest::addColumn<int>("version");
    QTest::addColumn<bool>("ok");
    QTest::newRow("GIF89a") << QByteArray("GIF89a") << int(TGIFImage::Version89a) << true;
    QTest::newRow("GIF87a") << QByteArray("GIF87a") << int(TGIFImage::Version87a) << true;
    QTest::newRow("gif89A case-insensitive")
        << QByteArray("gif89A") << int(TGIFImage::Version89a) << true;
    QTest::newRow("Gif87A") << QByteArray("Gif87A") << int(TGIFImage::Version87a) << true;
    QTest::newRow("GIF88a") << QByteArray("GIF88a") << 0 << false;
    QTest::newRow("PNG") << QByteArray("\x89PNG\r\n") << 0 << false;
}

void TestTGIFImage::signatures()
{
    QFETCH(QByteArray, signature);
    QFETCH(int, version);
    QFETCH(bool, ok);
    TGIFImage image;
    try {
        image.loadFromBytes(simpleGif(signature.constData()));
        QVERIFY(ok);
        QCOMPARE(int(image.version()), version);
        QCOMPARE(image.frameCount(), 1);
    } catch (const EInvalidGraphicOperation &e) {
        QVERIFY(!ok);
        QCOMPARE(e.message(), QStringLiteral("Unknown GIF version"));
    }
}

void TestTGIFImage::dataModel()
{
    const QByteArray bytes = GifStreamBuilder()
                                 .header()
                                 .screen(10, 8, kFour, 2, 49)
                                 .frame(3, 2, 4, 3, GifStreamBuilder::lzw(ramp(12, 4), 2))
                                 .trailer()
                                 .bytes();
    TGIFImage image;
    QVERIFY(image.transparent());
    QCOMPARE(image.currentFrame(), -1);
    QCOMPARE(image.repeatCount(), quint16(1));
    QVERIFY(image.isEmpty());
    image.loadFromBytes(bytes);
    QCOMPARE(image.screenWidth(), 10);
    QCOMPARE(image.screenHeight(), 8);
    QCOMPARE(image.backgroundColor(), TColor(0xFF0000)); // blue as 0x00BBGGRR
    QCOMPARE(image.data().aspectRatio, quint8(49));
    QCOMPARE(image.data().bitsPerPixel, 2);
    QCOMPARE(image.data().colorTable.count, 4u);
    QCOMPARE(image.currentFrame(), 0);
    QVERIFY(!image.looping());
    QVERIFY(!image.corrupted());
    QVERIFY(!image.isEmpty());
    // The frame's own size, not the screen's.
    QCOMPARE(image.width(), 4);
    QCOMPARE(image.height(), 3);
    TGIFFrame *f = image.frame(0);
    QCOMPARE(f->left, 3);
    QCOMPARE(f->top, 2);
    QVERIFY(!f->localTable);
    QCOMPARE(f->transparentColor, Colors::clNone);
    QCOMPARE(f->bitmap().format(), QImage::Format_Indexed8);
    QCOMPARE(f->bitmap().colorCount(), 16);
    QCOMPARE(f->bitmap().color(3), qRgb(255, 255, 255));
    QCOMPARE(f->bitmap().color(4), qRgb(0x80, 0x80, 0x80));
    for (int i = 0; i < 12; ++i)
        QCOMPARE(pixelAt(f, i % 4, i / 4), i % 4);
    QCOMPARE(image.palette().size(), 16);
}

void TestTGIFImage::zeroBytesBetweenBlocksAreSkipped()
{
    const QByteArray bytes = GifStreamBuilder()
                                 .header()
                                 .screen(4, 3, kFour)
                                 .raw(QByteArray(5, '\0'))
                                 .graphicControl(7)
                                 .raw(QByteArray(3, '\0'))
                                 .frame(0, 0, 4, 3, GifStreamBuilder::lzw(ramp(12, 4), 2))
                                 .raw(QByteArray(2, '\0'))
                                 .frame(0, 0, 4, 3, GifStreamBuilder::lzw(ramp(12, 3), 2))
                                 .raw(QByteArray(4, '\0'))
                                 .trailer()
                                 .bytes();
    TGIFImage image;
    image.loadFromBytes(bytes);
    QCOMPARE(image.frameCount(), 2);
    QCOMPARE(image.frame(0)->delay, quint16(70));
    QCOMPARE(pixelAt(image.frame(1), 3, 0), 0);
}

void TestTGIFImage::missingTrailer()
{
    QByteArray bytes = simpleGif();
    bytes.chop(1);
    TGIFImage image;
    image.loadFromBytes(bytes);
    QCOMPARE(image.frameCount(), 1);
    QVERIFY(!image.frame(0)->corrupted);
    QCOMPARE(pixelAt(image.frame(0), 3, 2), 3);
}

void TestTGIFImage::strayBytesEndTheRead()
{
    const QByteArray data = GifStreamBuilder::lzw(ramp(12, 4), 2);
    const QByteArray bytes = GifStreamBuilder()
                                 .header()
                                 .screen(4, 3, kFour)
                                 .frame(0, 0, 4, 3, data)
                                 .raw("xyz")
                                 .frame(0, 0, 4, 3, data)
                                 .trailer()
                                 .bytes();
    TGIFImage image;
    image.loadFromBytes(bytes);
    QCOMPARE(image.frameCount(), 1);
}

void TestTGIFImage::unexpectedSeparatorFails()
{
    // Before any frame there is no frame to end the read after.
    QCOMPARE(loadError(GifStreamBuilder().header().screen(4, 3, kFour).raw("x;").bytes()),
        QStringLiteral("Stream read error"));
    // The same after an extension run that kept nothing.
    QCOMPARE(loadError(GifStreamBuilder().header().screen(4, 3, kFour).loop(2).raw("x;").bytes()),
        QStringLiteral("Stream read error"));
}

void TestTGIFImage::loopExtension_data()
{
    QTest::addColumn<QByteArray>("id");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("looping");
    QTest::addColumn<int>("repeat");
    QTest::newRow("zero means forever") << QByteArray("NETSCAPE2.0") << 0 << true << 0;
    QTest::newRow("five") << QByteArray("NETSCAPE2.0") << 5 << true << 5;
    QTest::newRow("capped at 30000") << QByteArray("NETSCAPE2.0") << 40000 << true << 30000;
    QTest::newRow("ANIMEXTS") << QByteArray("ANIMEXTS1.0") << 3 << true << 3;
    QTest::newRow("other application") << QByteArray("XMP DataXMP") << 3 << false << 1;
}

void TestTGIFImage::loopExtension()
{
    QFETCH(QByteArray, id);
    QFETCH(int, count);
    QFETCH(bool, looping);
    QFETCH(int, repeat);
    const QByteArray bytes = GifStreamBuilder()
                                 .header()
                                 .screen(4, 3, kFour)
                                 .loop(count, id.constData())
                                 .frame(0, 0, 4, 3, GifStreamBuilder::lzw(ramp(12, 4), 2))
                                 .trailer()
                                 .bytes();
    TGIFImage image;
    image.loadFromBytes(bytes);
    QCOMPARE(image.looping(), looping);
    QCOMPARE(int(image.repeatCount()), repeat);
    QCOMPARE(image.frameCount(), 1);
    QVERIFY(image.frame(0)->extensions.isEmpty());
}

void TestTGIFImage::extensionRuns()
{
    const QByteArray data = GifStreamBuilder::lzw(ramp(12, 4), 2);
    const QByteArray bytes = GifStreamBuilder()
                                 .header()
                                 .screen(4, 3, kFour)
                                 // Kept with frame 0: two graphic controls and a comment.
                                 .graphicControl(3, -1, 1)
                                 .comment({ "frame", "note" })
                                 .graphicControl(2, 1, 2)
                                 .frame(0, 0, 4, 3, data)
                                 // A plain-text block throws away what came before it.
                                 .comment({ "dropped" })
                                 .plainText("hello")
                                 .graphicControl(0)
                                 .frame(0, 0, 4, 3, data)
                                 // A trailing run becomes the image comment.
                                 .comment({ "first" })
                                 .comment({ "second", "third" })
                                 .trailer()
                                 .bytes();
    TGIFImage image;
    image.loadFromBytes(bytes);
    QCOMPARE(image.frameCount(), 2);
    const TGIFFrame *f0 = image.frame(0);
    QCOMPARE(f0->extensions.size(), 3);
    QCOMPARE(f0->extensions[1].kind(), TExtension::Comment);
    QCOMPARE(f0->extensions[1].lines, QByteArrayList({ "frame", "note" }));
    QCOMPARE(f0->delay, quint16(30)); // the largest delay
    QCOMPARE(f0->disposal, 2); // the last extension's
    QCOMPARE(f0->transparentColor, TColor(0x00FF00));
    const TGIFFrame *f1 = image.frame(1);
    QCOMPARE(f1->extensions.size(), 1);
    QCOMPARE(f1->extensions[0].kind(), TExtension::GraphicControl);
    QCOMPARE(image.comment(), QByteArrayList({ "first", "\r\n\r\n", "second", "third" }));
}

void TestTGIFImage::widthZeroTakesScreenSize()
{
    const QByteArray bytes = GifStreamBuilder()
                                 .header()
                                 .screen(4, 3, kFour)
                                 .frame(0, 0, 0, 0, GifStreamBuilder::lzw(ramp(12, 4), 2))
                                 .trailer()
                                 .bytes();
    TGIFImage image;
    image.loadFromBytes(bytes);
    QCOMPARE(image.width(), 4);
    QCOMPARE(image.height(), 3);
    QCOMPARE(pixelAt(image.frame(0), 1, 2), 1);
}

void TestTGIFImage::noColorTable()
{
    const QByteArray bytes = GifStreamBuilder()
                                 .header()
                                 .screen(4, 3)
                                 .frame(0, 0, 4, 3, GifStreamBuilder::lzw(ramp(12, 4), 2))
                                 .trailer()
                                 .bytes();
    TGIFImage image;
    QVERIFY_THROWS_EXCEPTION(EInvalidGraphicOperation, image.loadFromBytes(bytes));
    QCOMPARE(loadError(bytes), QStringLiteral("Wrong number of colors; must be a power of 2"));
    // The forced read leaves no frame 0.
    QCOMPARE(image.frameCount(), 0);
    QVERIFY(image.isEmpty());
    // Read without forcing, the frame stays until it is decoded.
    QMimeData mime;
    QByteArray counted(4, '\0');
    qToLittleEndian<quint32>(quint32(bytes.size()), counted.data());
    mime.setData(TGIFImage::clipboardMimeType(), counted + bytes);
    image.loadFromClipboard(mime);
    QCOMPARE(image.frameCount(), 1);
    QVERIFY_THROWS_EXCEPTION(EInvalidGraphicOperation, image.frame(0)->bitmap());
}

void TestTGIFImage::transparentIndex_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<TColor>("colour");
    QTest::newRow("none") << -1 << Colors::clNone;
    QTest::newRow("index 2") << 2 << TColor(0xFF0000);
    QTest::newRow("last entry") << 3 << TColor(0xFFFFFF);
    QTest::newRow("beyond the table") << 4 << Colors::clNone;
    QTest::newRow("far beyond") << 200 << Colors::clNone;
}

void TestTGIFImage::transparentIndex()
{
    QFETCH(int, index);
    QFETCH(TColor, colour);
    const QByteArray bytes = GifStreamBuilder()
                                 .header()
                                 .screen(4, 3, kFour)
                                 .graphicControl(0, index)
                                 .frame(0, 0, 4, 3, GifStreamBuilder::lzw(ramp(12, 4), 2))
                                 .trailer()
                                 .bytes();
    TGIFImage image;
    image.loadFromBytes(bytes);
    QCOMPARE(image.frame(0)->transparentColor, colour);
    QCOMPARE(image.isTransparent(), colour != Colors::clNone);
}

void TestTGIFImage::interlacedRowOrder()
{
    // Ten rows of one pixel; the stream carries them in pass order and each pixel holds its
    // position in the stream.
    std::vector<uchar> pixels = ramp(10, 256);
    const QByteArray bytes = GifStreamBuilder()
                                 .header()
                                 .screen(1, 10, GifStreamBuilder::greyTable(256))
                                 .frame(0, 0, 1, 10, GifStreamBuilder::lzw(pixels, 8), {}, true)
                                 .trailer()
                                 .bytes();
    TGIFImage image;
    image.loadFromBytes(bytes);
    const int expectedRowOfStreamRow[10] = { 0, 8, 4, 2, 6, 1, 3, 5, 7, 9 };
    for (int r = 0; r < 10; ++r)
        QCOMPARE(pixelAt(image.frame(0), 0, expectedRowOfStreamRow[r]), r);
}

void TestTGIFImage::oneBitAndFourBitFrames()
{
    const QList<QRgb> two = { qRgb(0, 0, 0), qRgb(255, 255, 0) };
    const QList<QRgb> eight = GifStreamBuilder::greyTable(8);
    const QByteArray bytes = GifStreamBuilder()
                                 .header()
                                 .screen(11, 2, two)
                                 .frame(0, 0, 11, 2, GifStreamBuilder::lzw(ramp(22, 2), 2))
                                 .frame(0, 0, 5, 2, GifStreamBuilder::lzw(ramp(10, 8), 3), eight)
                                 .trailer()
                                 .bytes();
    TGIFImage image;
    image.loadFromBytes(bytes);
    QImage mono = image.frame(0)->bitmap();
    QCOMPARE(mono.format(), QImage::Format_Mono);
    QCOMPARE(mono.color(1), qRgb(255, 255, 0));
    for (int i = 0; i < 22; ++i)
        QCOMPARE(mono.pixelIndex(i % 11, i / 11), i % 2);
    QVERIFY(image.frame(1)->localTable);
    QImage four = image.frame(1)->bitmap();
    QCOMPARE(four.colorCount(), 16);
    QCOMPARE(four.color(7), qRgb(255, 255, 255));
    QCOMPARE(four.color(8), qRgb(0x80, 0x80, 0x80));
    QCOMPARE(four.pixelIndex(4, 1), 9 % 8);
}

void TestTGIFImage::damagedData_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("trailer");
    QTest::addColumn<QString>("strictMessage");
    QTest::addColumn<QList<int>>("firstPixels");

    // Header, screen descriptor and four-colour table: 25 bytes; the frame's data then starts
    // after the 10-byte image descriptor.
    const QByteArray good = GifStreamBuilder::lzw(ramp(64, 4), 2);
    // Cut inside the first sub-block: the block claims more bytes than the stream has.
    QTest::newRow("truncated block")
        << good.left(6) << false << QStringLiteral("frame 0 at byte 41: data ends inside the image")
        << QList<int>({ 0, 1, 2, 3 });
    // A complete block but no end code and no terminator: the codes run out early.
    QByteArray shortBlock = good.left(1);
    shortBlock.append(char(2));
    shortBlock.append(good.mid(2, 2));
    QTest::newRow("codes run out")
        << shortBlock << false << QStringLiteral("frame 0 at byte 39: data ends inside the image")
        << QList<int>({ 0, 1, 2 });
    QByteArray wideCodeSize = good;
    wideCodeSize[0] = char(12);
    QTest::newRow("code size 12") << wideCodeSize << true
                                  << QStringLiteral("GIF code size not in range 2 to 9")
                                  << QList<int>();
    QTest::newRow("table cycle") << cyclicCodes() << true
                                 << QStringLiteral("GIF encoded data is corrupt")
                                 << QList<int>({ 0, 0, 0, 0, 3, 0, 0, 0 });
}

void TestTGIFImage::damagedData()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, trailer);
    QFETCH(QString, strictMessage);
    QFETCH(QList<int>, firstPixels);
    GifStreamBuilder builder;
    builder.header().screen(8, 8, kFour).frame(0, 0, 8, 8, data);
    if (trailer)
        builder.trailer();
    const QByteArray bytes = builder.bytes();

    QCOMPARE(loadError(bytes, false), strictMessage);

    TGIFImage image;
    image.loadFromBytes(bytes);
    QCOMPARE(image.frameCount(), 1);
    QVERIFY(image.frame(0)->corrupted);
    QVERIFY(image.corrupted());
    QCOMPARE(image.width(), 8);
    for (int i = 0; i < firstPixels.size(); ++i)
        QCOMPARE(pixelAt(image.frame(0), i % 8, i / 8), firstPixels[i]);
    // Pixels that were not decoded stay 0.
    QCOMPARE(pixelAt(image.frame(0), 7, 7), 0);
}

void TestTGIFImage::damageIsNeverReportedAsSuccess_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QString>("strictMessage");
    QTest::addColumn<QList<int>>("pixels");

    // Clear 4, end 5, first free code 6, codes 3 bits wide at first.
    // The frame's data starts at byte 35.
    QTest::newRow("end code before the last pixel")
        << GifStreamBuilder::lzw(ramp(6, 4), 2) << 4 << 2
        << QStringLiteral("frame 0 at byte 35: the image ends before its last pixel")
        << QList<int>({ 0, 1, 2, 3, 0, 1, 0, 0 });
    // Complete sub-blocks and their terminator, but neither an end code nor enough codes;
    // the last byte's padding bits still make one 4-bit code 0.
    QTest::newRow("codes end at a block boundary")
        << GifStreamBuilder::codes(2, { { 4, 3 }, { 0, 3 }, { 1, 3 }, { 2, 3 } }) << 3 << 2
        << QStringLiteral("frame 0 at byte 40: data ends inside the image")
        << QList<int>({ 0, 1, 2, 0, 0, 0 });
    // Code 7 while 6 is the next free entry: decoded as the previous string and its first
    // pixel, as the plain decoder does, and marked.
    QTest::newRow("code beyond the next free entry")
        << GifStreamBuilder::codes(2, { { 4, 3 }, { 1, 3 }, { 7, 3 } }) << 3 << 1
        << QStringLiteral("GIF encoded data is corrupt") << QList<int>({ 1, 1, 1 });
    // After a clear code the table is empty, so only a literal can follow.
    QTest::newRow("table code right after a clear code")
        << GifStreamBuilder::codes(2, { { 4, 3 }, { 6, 3 }, { 0, 3 } }) << 2 << 1
        << QStringLiteral("GIF encoded data is corrupt") << QList<int>({ 2, 0 });
}

void TestTGIFImage::damageIsNeverReportedAsSuccess()
{
    QFETCH(QByteArray, data);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QString, strictMessage);
    QFETCH(QList<int>, pixels);
    const QByteArray bytes = GifStreamBuilder()
                                 .header()
                                 .screen(width, height, kFour)
                                 .frame(0, 0, width, height, data)
                                 .trailer()
                                 .bytes();

    QCOMPARE(loadError(bytes, false), strictMessage);

    TGIFImage image;
    image.loadFromBytes(bytes);
    QVERIFY(image.frame(0)->corrupted);
    QVERIFY(image.corrupted());
    QList<int> decoded;
    for (int i = 0; i < width * height; ++i)
        decoded.append(pixelAt(image.frame(0), i % width, i / width));
    QCOMPARE(decoded, pixels);
}

void TestTGIFImage::dataAfterTheLastPixelIsHarmless()
{
    // Codes for 64 pixels in a frame of 12, and codes that fill the frame exactly but stop
    // without an end code: neither is damage.
    const QByteArray tooMuch = GifStreamBuilder::lzw(ramp(64, 4), 2);
    const QByteArray noEndCode
        = GifStreamBuilder::codes(2, { { 4, 3 }, { 0, 3 }, { 1, 3 }, { 2, 3 }, { 3, 4 } });
    for (const QByteArray &data : { tooMuch, noEndCode }) {
        const QByteArray bytes = GifStreamBuilder()
                                     .header()
                                     .screen(4, 1, kFour)
                                     .frame(0, 0, 4, 1, data)
                                     .trailer()
                                     .bytes();
        QCOMPARE(loadError(bytes, false), QString());
        TGIFImage image;
        image.loadFromBytes(bytes);
        QVERIFY(!image.frame(0)->corrupted);
        QVERIFY(!image.corrupted());
        for (int x = 0; x < 4; ++x)
            QCOMPARE(pixelAt(image.frame(0), x, 0), x);
    }
}

void TestTGIFImage::errorMessages_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    const QByteArray data = GifStreamBuilder::lzw(ramp(12, 4), 2);
    QTest::newRow("short header") << QByteArray("GIF8") << "at byte 4: data ends inside the header";
    QTest::newRow("short screen descriptor") << QByteArray("GIF89a\x04\x00", 8)
                                             << "at byte 8: data ends inside the logical screen "
                                                "descriptor";
    QTest::newRow("short colour table")
        << GifStreamBuilder().header().screen(4, 3, kFour).bytes().left(20)
        << "at byte 20: data ends inside the global colour table";
    QTest::newRow("unknown extension")
        << GifStreamBuilder().header().screen(4, 3, kFour).raw("!\x3A").bytes()
        << "Unrecognized extension block: 3a";
    QTest::newRow("short graphic control")
        << GifStreamBuilder().header().screen(4, 3, kFour).raw("!\xF9\x04").bytes()
        << "at byte 28: data ends inside the extension block";
    QTest::newRow("missing code size")
        << GifStreamBuilder().header().screen(4, 3, kFour).frame(0, 0, 4, 3, {}).bytes()
        << "frame 0 at byte 35: data ends inside the image";
    QTest::newRow("short image descriptor")
        << GifStreamBuilder().header().screen(4, 3, kFour).raw(",\x01\x00").bytes()
        << "frame 0 at byte 27: data ends inside the image descriptor";
}

void TestTGIFImage::errorMessages()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QCOMPARE(loadError(bytes), message);

    TGIFImage image;
    try {
        image.setWidth(3);
        QFAIL("no error");
    } catch (const EInvalidGraphicOperation &e) {
        QCOMPARE(e.message(), QStringLiteral("Cannot change the Size of a GIF image"));
    }
    QVERIFY_THROWS_EXCEPTION(EInvalidGraphicOperation, image.setHeight(3));
}

void TestTGIFImage::hugeFrameIsRefused()
{
    // Twenty-odd bytes that ask for 65535 x 65535 pixels.
    const QByteArray bytes = GifStreamBuilder()
                                 .header()
                                 .screen(65535, 65535, kFour)
                                 .frame(0, 0, 65535, 65535, GifStreamBuilder::lzw(ramp(4, 4), 2))
                                 .trailer()
                                 .bytes();
    QCOMPARE(loadError(bytes), QStringLiteral("GIF frame of 65535 x 65535 pixels is too large"));
}

void TestTGIFImage::decodedPixelsAreBudgeted()
{
    // Three 4 x 3 frames against a budget of 30 pixels: two fit, the third only once another
    // has been released.
    const QByteArray data = GifStreamBuilder::lzw(ramp(12, 4), 2);
    const QByteArray bytes = GifStreamBuilder()
                                 .header()
                                 .screen(4, 3, kFour)
                                 .frame(0, 0, 4, 3, data)
                                 .frame(0, 0, 4, 3, data)
                                 .frame(0, 0, 4, 3, data)
                                 .trailer()
                                 .bytes();
    TGIFImage image;
    TGIFImage::Options options;
    options.maxDecodedPixels = 30;
    image.setOptions(options);
    image.loadFromBytes(bytes);
    image.frame(1)->bitmap();
    QCOMPARE(image.decodedPixels(), 24);
    try {
        image.frame(2)->bitmap();
        QFAIL("no error");
    } catch (const EInvalidGraphicOperation &e) {
        QCOMPARE(e.message(),
            QStringLiteral("GIF frames of more than 30 pixels in total cannot be held decoded"));
    }
    QVERIFY(!image.frame(2)->hasBitmap());

    image.frame(0)->releaseBitmap();
    QVERIFY(!image.frame(0)->hasBitmap());
    QCOMPARE(pixelAt(image.frame(2), 3, 2), 3);
    QCOMPARE(image.decodedPixels(), 24);
    // A released frame decodes again to the same pixels.
    image.frame(2)->releaseBitmap();
    QCOMPARE(pixelAt(image.frame(0), 1, 0), 1);

    // The total follows frames that go and images that are copied or read again.
    image.deleteFrame(2);
    QCOMPARE(image.decodedPixels(), 24);
    TGIFImage copy;
    copy = image;
    QCOMPARE(copy.decodedPixels(), 24);
    copy.deleteFrame(0);
    QCOMPARE(copy.decodedPixels(), 12);
    QCOMPARE(image.decodedPixels(), 24);
    image.loadFromBytes(bytes);
    QCOMPARE(image.decodedPixels(), 12);
    image.clear();
    QCOMPARE(image.decodedPixels(), 0);

    // A frame whose bitmap is its only content keeps it.
    TGIFImage made;
    QImage picture(2, 2, QImage::Format_Indexed8);
    picture.setColorTable({ qRgb(0, 0, 0), qRgb(255, 255, 255) });
    picture.fill(1);
    made.addFrame(TBitmap(picture));
    made.frame(0)->releaseBitmap();
    QVERIFY(made.frame(0)->hasBitmap());
}

void TestTGIFImage::lazyDecoding()
{
    const QByteArray data = GifStreamBuilder::lzw(ramp(12, 4), 2);
    const QByteArray bytes = GifStreamBuilder()
                                 .header()
                                 .screen(4, 3, kFour)
                                 .frame(0, 0, 4, 3, data)
                                 .frame(0, 0, 4, 3, data)
                                 .trailer()
                                 .bytes();
    TGIFImage image;
    image.loadFromBytes(bytes);
    QVERIFY(image.frame(0)->hasBitmap());
    QVERIFY(!image.frame(1)->hasBitmap());
    QCOMPARE(image.frame(1)->compressedData(), data);
    image.setCurrentFrame(1);
    QCOMPARE(image.width(), 4);
    QImage target(4, 3, QImage::Format_RGB32);
    QPainter painter(&target);
    image.draw(painter, target.rect());
    QVERIFY(image.frame(1)->hasBitmap());
}

void TestTGIFImage::copiesShareData()
{
    TGIFImage image;
    image.loadFromBytes(simpleGif());
    TGIFImage copy(image);
    QVERIFY(copy == image);
    QVERIFY(&copy.frame(0)->item() == &image.frame(0)->item());
    QVERIFY(copy.frame(0) != image.frame(0));
    QCOMPARE(copy.frame(0)->owner(), &copy);

    TGIFImage other;
    QVERIFY(!(other == image));
    other = image;
    QVERIFY(other == image);
    QCOMPARE(other.frameCount(), 1);

    std::unique_ptr<TGraphic> clone = image.clone();
    QCOMPARE(QByteArray(clone->className()), QByteArray("TGIFImage"));
    QVERIFY(*static_cast<TGIFImage *>(clone.get()) == image);

    // Changing the copy's frame data leaves the source alone.
    copy.frame(0)->itemForWrite().data.clear();
    QVERIFY(!image.frame(0)->compressedData().isEmpty());
}

void TestTGIFImage::drawStretched()
{
    // 2 x 1: red, green; drawn into 4 x 2 and 3 x 3 without keeping proportions.
    const QByteArray bytes = GifStreamBuilder()
                                 .header()
                                 .screen(2, 1, kFour)
                                 .frame(0, 0, 2, 1, GifStreamBuilder::lzw({ 0, 1 }, 2))
                                 .trailer()
                                 .bytes();
    TGIFImage image;
    image.loadFromBytes(bytes);
    QImage target(6, 3, QImage::Format_RGB32);
    target.fill(Qt::black);
    QPainter painter(&target);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    image.draw(painter, QRect(1, 1, 4, 2));
    painter.end();
    QCOMPARE(target.pixel(0, 1), qRgb(0, 0, 0));
    QCOMPARE(target.pixel(1, 1), qRgb(255, 0, 0));
    QCOMPARE(target.pixel(2, 2), qRgb(255, 0, 0));
    QCOMPARE(target.pixel(3, 1), qRgb(0, 255, 0));
    QCOMPARE(target.pixel(4, 2), qRgb(0, 255, 0));
    QCOMPARE(target.pixel(5, 2), qRgb(0, 0, 0));
    QCOMPARE(target.pixel(1, 0), qRgb(0, 0, 0));

    TGIFImage empty;
    QPainter p2(&target);
    empty.draw(p2, target.rect()); // current index -1: nothing
}

void TestTGIFImage::drawLeavesOutTransparentColour()
{
    const QByteArray bytes = GifStreamBuilder()
                                 .header()
                                 .screen(3, 1, kFour)
                                 .graphicControl(0, 1)
                                 .frame(0, 0, 3, 1, GifStreamBuilder::lzw({ 0, 1, 2 }, 2))
                                 .trailer()
                                 .bytes();
    TGIFImage image;
    image.loadFromBytes(bytes);
    QImage target(3, 1, QImage::Format_RGB32);
    target.fill(qRgb(9, 9, 9));
    {
        QPainter painter(&target);
        image.draw(painter, target.rect());
    }
    QCOMPARE(target.pixel(0, 0), qRgb(255, 0, 0));
    QCOMPARE(target.pixel(1, 0), qRgb(9, 9, 9));
    QCOMPARE(target.pixel(2, 0), qRgb(0, 0, 255));
    QCOMPARE(qAlpha(image.toImage().pixel(1, 0)), 0);

    image.setTransparent(false);
    {
        QPainter painter(&target);
        image.draw(painter, target.rect());
    }
    QCOMPARE(target.pixel(1, 0), qRgb(0, 255, 0));
}

void TestTGIFImage::layoutPictureData()
{
    const QByteArray gif = simpleGif();
    QByteArray stored(4, '\0');
    qToLittleEndian<quint32>(quint32(gif.size()), stored.data());
    stored += gif;
    stored += "tail";
    QBuffer buffer(&stored);
    buffer.open(QIODevice::ReadOnly);
    TGIFImage image;
    image.readData(buffer);
    QCOMPARE(image.frameCount(), 1);
    QVERIFY(image.frame(0)->hasBitmap());
    QCOMPARE(buffer.pos(), qint64(4 + gif.size()));

    QByteArray written;
    QBuffer out(&written);
    out.open(QIODevice::WriteOnly);
    image.writeData(out);
    QCOMPARE(qFromLittleEndian<quint32>(written.constData()), quint32(written.size() - 4));

    // A count larger than the data is a short stream.
    QByteArray lying = stored.left(4 + 10);
    QBuffer shortBuffer(&lying);
    shortBuffer.open(QIODevice::ReadOnly);
    QVERIFY_THROWS_EXCEPTION(EInvalidGraphicOperation, image.readData(shortBuffer));

    // A count of 0 gives an empty image.
    QByteArray zero(4, '\0');
    QBuffer zeroBuffer(&zero);
    zeroBuffer.open(QIODevice::ReadOnly);
    image.readData(zeroBuffer);
    QVERIFY(image.isEmpty());
    QCOMPARE(image.frameCount(), 0);
}

void TestTGIFImage::registration()
{
    UnregisterGifFormat();
    QVERIFY(!TPicture::isGraphicClassRegistered(QStringLiteral("TGIFImage")));
    RegisterGifFormat();
    QVERIFY(TPicture::isGraphicClassRegistered(QStringLiteral("TGIFImage")));
    QCOMPARE(TPicture::classForExtension(QStringLiteral("GIF")), QStringLiteral("TGIFImage"));
    QCOMPARE(TPicture::descriptionForExtension(QStringLiteral("gif")),
        QStringLiteral("CompuServe GIF Image"));

    // The layout loader's path: create by class name, then load the stream.
    std::unique_ptr<TGraphic> graphic = TPicture::createGraphic(QStringLiteral("TGIFImage"));
    QVERIFY(graphic);
    QByteArray bytes = simpleGif();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    graphic->loadFromStream(buffer);
    QCOMPARE(graphic->width(), 4);

    TPicture picture;
    QSignalSpy changed(&picture, &TPicture::OnChange);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("x.gif"));
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();
    picture.loadFromFile(file);
    QCOMPARE(QByteArray(picture.graphic()->className()), QByteArray("TGIFImage"));
    QVERIFY(changed.count() >= 1);

    UnregisterGifFormat();
    QVERIFY(!TPicture::isGraphicClassRegistered(QStringLiteral("TGIFImage")));
    QVERIFY(TPicture::classForExtension(QStringLiteral("gif")).isEmpty());
    RegisterGifFormat();
}

void TestTGIFImage::clipboard()
{
    TGIFImage image;
    image.loadFromBytes(simpleGif());
    auto *mime = new QMimeData;
    image.saveToClipboard(*mime);
    QVERIFY(mime->hasImage());
    QVERIFY(mime->hasFormat(TGIFImage::clipboardMimeType()));
    QGuiApplication::clipboard()->setMimeData(mime);

    TGIFImage pasted;
    pasted.loadFromClipboard(*QGuiApplication::clipboard()->mimeData());
    QCOMPARE(pasted.frameCount(), 1);
    QCOMPARE(pasted.currentFrame(), 0);
    QCOMPARE(pasted.width(), 4);
    QCOMPARE(pasted.frame(0)->compressedData(), image.frame(0)->compressedData());

    // A plain bitmap on the clipboard becomes a one-frame image.
    QMimeData plain;
    QImage red(5, 2, QImage::Format_RGB32);
    red.fill(Qt::red);
    plain.setImageData(red);
    pasted.loadFromClipboard(plain);
    QCOMPARE(pasted.frameCount(), 1);
    QCOMPARE(pasted.width(), 5);
    QVERIFY(!pasted.frame(0)->compressedData().isEmpty() || pasted.frame(0)->hasBitmap());
}

void TestTGIFImage::progress()
{
    TGIFImage image;
    QList<QPair<int, int>> events;
    image.setOnProgress([&](TGIFImage::ProgressStage stage, int percent, const QString &) {
        events.append({ int(stage), percent });
    });
    image.loadFromBytes(GifStreamBuilder()
                            .header()
                            .screen(100, 100, GifStreamBuilder::greyTable(256))
                            .frame(0, 0, 100, 100, GifStreamBuilder::lzw(ramp(10000, 251), 8))
                            .bytes());
    QVERIFY(events.size() >= 3);
    QCOMPARE(events.first(), qMakePair(int(TGIFImage::ProgressStage::Starting), 0));
    QCOMPARE(events.last(), qMakePair(int(TGIFImage::ProgressStage::Ending), 100));
    int last = 0;
    for (const auto &e : events) {
        QVERIFY(e.second >= last || e.first == int(TGIFImage::ProgressStage::Ending));
        last = e.second;
    }
}

void TestTGIFImage::logo()
{
    QFile file(QStringLiteral(GIF_LOGO_FILE));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    TGIFImage image;
    image.loadFromBytes(bytes);
    QCOMPARE(image.frameCount(), 1);
    QCOMPARE(image.width(), 180);
    QCOMPARE(image.height(), 66);
    QCOMPARE(image.data().colorTable.count, 256u);
    const TGIFFrame *f = image.frame(0);
    QVERIFY(!f->corrupted);
    QVERIFY(!f->interlaced);
    QVERIFY(!f->localTable);
    QVERIFY(f->extensions.isEmpty());
    // No transparent colour: drawn opaque although the picture's switch is on.
    QVERIFY(image.transparent());
    QVERIFY(!image.isTransparent());
    QCOMPARE(image.toImage().pixel(0, 0), qRgb(255, 255, 255));
    QImage target(144, 67, QImage::Format_RGB32);
    target.fill(Qt::black);
    QPainter painter(&target);
    image.draw(painter, target.rect());
    painter.end();
    QCOMPARE(target.pixel(0, 0), qRgb(255, 255, 255));
    QCOMPARE(target.pixel(143, 66), qRgb(255, 255, 255));
}

QTEST_MAIN(TestTGIFImage)
#include "tst_TGIFImage.moc"
