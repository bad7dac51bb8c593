// Reading GIF streams as they arrive: from a device that delivers its bytes in pieces, and cut
// short at any point (where the data ended, and what strict and lenient reads make of it);
// the read options that each image keeps for itself.
#include "Exception.h"
#include "GifStreamBuilder.h"
#include "TGIFImage.h"

#include <QIODevice>
#include <QtTest>

#include <cstring>

namespace {

// A sequential device that has nothing at first and hands out its bytes a piece at a time,
// each time the reader waits for more; after endAt bytes it reports its end, as a pipe whose
// writer has gone does.
class PieceDevice : public QIODevice {
public:
    PieceDevice(const QByteArray &bytes, int piece, qsizetype endAt = -1)
        : m_bytes(bytes)
        , m_piece(piece)
        , m_end(endAt < 0 ? bytes.size() : endAt)
    {
        open(QIODevice::ReadOnly);
    }

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override
    {
        return m_delivered - m_read + QIODevice::bytesAvailable();
    }
    bool waitForReadyRead(int) override
    {
        if (m_delivered >= m_end)
            return false;
        m_delivered = qMin<qsizetype>(m_delivered + m_piece, m_end);
        ++m_pieces;
        emit readyRead();
        return true;
    }
    int pieces() const { return m_pieces; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 n = qMin<qint64>(maxSize, m_delivered - m_read);
        if (n == 0)
            return m_delivered >= m_end ? -1 : 0;
        std::memcpy(data, m_bytes.constData() + m_read, size_t(n));
        m_read += n;
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_bytes;
    int m_piece;
    qsizetype m_end;
    qsizetype m_delivered = 0;
    qsizetype m_read = 0;
    int m_pieces = 0;
};

const QList<QRgb> kFour
    = { qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255) };

std::vector<uchar> noise(int count, int colours)
{
    std::vector<uchar> pixels(size_t(count), 0);
    quint32 x = 2463534242u; // xorshift: no pattern for the compressor to find
    for (uchar &p : pixels) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        p = uchar(x % quint32(colours));
    }
    return pixels;
}

// Three frames with what a stream may hold between them: a loop extension, graphic controls,
// a local table, an interlaced frame of noise (so that the stream passes 1,000 bytes) and a
// closing comment.
QByteArray animation()
{
    return GifStreamBuilder()
        .header()
        .screen(40, 60, kFour, 1)
        .loop(3)
        .graphicControl(5, 2, 1)
        .frame(0, 0, 4, 3, GifStreamBuilder::lzw(noise(12, 4), 2))
        .comment({ "between" })
        .graphicControl(7)
        .frame(2, 1, 40, 60, GifStreamBuilder::lzw(noise(2400, 16), 4),
            GifStreamBuilder::greyTable(16), true)
        .frame(0, 0, 3, 2, GifStreamBuilder::lzw({ 3, 2, 1, 0, 1, 2 }, 2))
        .comment({ "end", "of stream" })
        .trailer()
        .bytes();
}

TGIFImage::Options strictOptions()
{
    TGIFImage::Options options;
    options.acceptDamaged = false;
    return options;
}

// Everything a read gives, decoded frames included, as text that QCOMPARE can show.
QByteArray describe(TGIFImage &image)
{
    QByteArray out = QByteArray::number(image.version()) + ' '
        + QByteArray::number(image.screenWidth()) + 'x' + QByteArray::number(image.screenHeight())
        + " bg=" + QByteArray::number(image.backgroundColor())
        + " loop=" + QByteArray::number(image.looping()) + '/'
        + QByteArray::number(image.repeatCount()) + " comment=" + image.comment().join('|')
        + " current=" + QByteArray::number(image.currentFrame()) + '\n';
    for (int i = 0; i < image.frameCount(); ++i) {
        TGIFFrame *f = image.frame(i);
        const QImage bitmap = f->bitmap().convertToFormat(QImage::Format_Indexed8);
        QByteArray pixels;
        for (int y = 0; y < bitmap.height(); ++y)
            pixels += QByteArray(
                reinterpret_cast<const char *>(bitmap.constScanLine(y)), bitmap.width());
        out += QByteArray::number(f->left) + ',' + QByteArray::number(f->top) + ' '
            + QByteArray::number(f->width()) + 'x' + QByteArray::number(f->height()) + " corrupted="
            + QByteArray::number(f->corrupted) + " delay=" + QByteArray::number(f->delay)
            + " transparent=" + QByteArray::number(f->transparentColor)
            + " extensions=" + QByteArray::number(f->extensions.size())
            + " data=" + f->compressedData().toHex() + " pixels=" + pixels.toHex() + '\n';
    }
    return out;
}

// The message of a read of bytes (frame 0 decoded, as a picture is), empty when it succeeds.
QString readMessage(TGIFImage &image, const QByteArray &bytes)
{
    try {
        image.loadFromBytes(bytes, true);
    } catch (const EInvalidGraphicOperation &e) {
        return e.message();
    }
    return QString();
}

QString offsetText(qint64 offset)
{
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(offset);
}

} // namespace

class TestGifReader : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void deviceInPiecesReadsLikeWholeBytes();
    void layoutDataFromDeviceInPieces();
    void deviceThatEndsEarlyIsTruncated();
    void truncatedStreams_data();
    void truncatedStreams();
    void everyCutFailsStrictly();
    void optionsBelongToTheImage();
};

void TestGifReader::deviceInPiecesReadsLikeWholeBytes()
{
    const QByteArray gif = animation();
    QVERIFY2(gif.size() > 1000, qPrintable(QString::number(gif.size())));
    TGIFImage whole;
    whole.loadFromBytes(gif, true);
    QCOMPARE(whole.frameCount(), 3);

    PieceDevice device(gif, 7);
    TGIFImage pieces;
    pieces.loadFromStream(device);
    QVERIFY(device.pieces() >= gif.size() / 7);
    QVERIFY(!pieces.corrupted());
    QCOMPARE(describe(pieces), describe(whole));
}

void TestGifReader::layoutDataFromDeviceInPieces()
{
    // A count, the stream, and what follows in the layout, which must stay unread.
    const QByteArray gif = animation();
    QByteArray stored(4, '\0');
    qToLittleEndian<quint32>(quint32(gif.size()), stored.data());
    stored += gif + "next";
    PieceDevice device(stored, 7);
    TGIFImage image;
    image.readData(device);
    TGIFImage whole;
    whole.loadFromBytes(gif, true);
    QCOMPARE(describe(image), describe(whole));
    while (device.waitForReadyRead(0)) { }
    QCOMPARE(device.readAll(), QByteArray("next"));
}

void TestGifReader::deviceThatEndsEarlyIsTruncated()
{
    const QByteArray gif = animation();
    // Inside the data of the second, large frame.
    const qsizetype cut = 700;

    PieceDevice lenientDevice(gif, 7, cut);
    TGIFImage lenient;
    lenient.loadFromStream(lenientDevice);
    QCOMPARE(lenient.frameCount(), 2);
    QVERIFY(!lenient.frame(0)->corrupted);
    QVERIFY(lenient.frame(1)->corrupted);
    QVERIFY(lenient.corrupted());

    PieceDevice strictDevice(gif, 7, cut);
    TGIFImage strict;
    strict.setOptions(strictOptions());
    try {
        strict.loadFromStream(strictDevice);
        QFAIL("a stream that ends inside a frame was read strictly");
    } catch (const EInvalidGraphicOperation &e) {
        QCOMPARE(e.message(), QStringLiteral("frame 1 at byte 700: data ends inside the image"));
    }
    QCOMPARE(strict.frameCount(), 1);

    // The layout's count promises more than the device delivers.
    QByteArray stored(4, '\0');
    qToLittleEndian<quint32>(quint32(gif.size()), stored.data());
    PieceDevice layoutDevice(stored + gif, 7, 4 + cut);
    TGIFImage fromLayout;
    QVERIFY_THROWS_EXCEPTION(EInvalidGraphicOperation, fromLayout.readData(layoutDevice));
}

void TestGifReader::truncatedStreams_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("lenientMessage");
    QTest::addColumn<int>("lenientFrames");
    QTest::addColumn<QString>("strictMessage");

    const QByteArray data = GifStreamBuilder::lzw(noise(12, 4), 2);
    // Header, screen descriptor and four-colour table.
    const QByteArray screen = GifStreamBuilder().header().screen(4, 3, kFour).bytes();
    QCOMPARE(screen.size(), 25);
    const QByteArray oneFrame = screen + GifStreamBuilder().frame(0, 0, 4, 3, data).bytes();
    const qsizetype end = oneFrame.size();
    const QString noTrailer = QStringLiteral("at byte %1: data ends before the trailer");
    const QString insideImage = QStringLiteral("frame 0 at byte %1: data ends inside the image");

    // An empty stream is an empty picture to a lenient read, but it is not a GIF.
    QTest::newRow("empty") << QByteArray() << QString() << 0
                           << "at byte 0: the stream is empty, there is no GIF header";
    QTest::newRow("inside the header")
        << QByteArray("GIF8") << "at byte 4: data ends inside the header" << 0
        << "at byte 4: data ends inside the header";
    // Header and screen, then nothing: no frame and no trailer.
    QTest::newRow("after the screen") << screen << QString() << 0 << noTrailer.arg(25);
    // A comment whose sub-blocks stop at a block boundary, without their terminator.
    QTest::newRow("comment without terminator")
        << screen + QByteArray("!\xFE\x02hi", 5) << QString() << 0
        << "at byte 30: data ends inside the extension block";
    QTest::newRow("separator as last byte")
        << oneFrame + ',' << QString() << 1
        << QStringLiteral("frame 1 at byte %1: data ends inside the image descriptor").arg(end + 1);
    // Sub-blocks complete but no terminator: the decoder judges the pixels, a strict read
    // refuses the frame.
    QTest::newRow("frame data without terminator")
        << oneFrame.left(end - 1) << QString() << 1 << insideImage.arg(end - 1);
    QTest::newRow("frame data cut inside a block")
        << oneFrame.left(end - 3) << QString() << 1 << insideImage.arg(end - 3);
    // A complete frame, then the end: a missing trailer.
    QTest::newRow("no trailer") << oneFrame << QString() << 1 << noTrailer.arg(end);
    QTest::newRow("zero bytes, then the end")
        << oneFrame + QByteArray(3, '\0') << QString() << 1 << noTrailer.arg(end + 3);
}

void TestGifReader::truncatedStreams()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, lenientMessage);
    QFETCH(int, lenientFrames);
    QFETCH(QString, strictMessage);

    TGIFImage lenient;
    QCOMPARE(readMessage(lenient, bytes), lenientMessage);
    QCOMPARE(lenient.frameCount(), lenientFrames);

    TGIFImage strict;
    strict.setOptions(strictOptions());
    QCOMPARE(readMessage(strict, bytes), strictMessage);
}

void TestGifReader::everyCutFailsStrictly()
{
    // Wherever the stream ends before its trailer, a strict read fails and says where the
    // data ended; a lenient read either takes what is there or fails saying the same.
    const QByteArray gif = animation();
    for (qsizetype length = 0; length < gif.size(); ++length) {
        const QByteArray cut = gif.left(length);
        const QString where = QStringLiteral("at byte %1: ").arg(offsetText(length));

        TGIFImage strict;
        strict.setOptions(strictOptions());
        const QString message = readMessage(strict, cut);
        QVERIFY2(message.contains(where), qPrintable(QString::number(length) + ": " + message));

        TGIFImage lenient;
        const QString lenientMessage = readMessage(lenient, cut);
        QVERIFY2(lenientMessage.isEmpty() || lenientMessage.contains(where),
            qPrintable(QString::number(length) + ": " + lenientMessage));
    }
    TGIFImage strict;
    strict.setOptions(strictOptions());
    QCOMPARE(readMessage(strict, gif), QString());
}

void TestGifReader::optionsBelongToTheImage()
{
    // Data that ends before its last pixel: damage that a lenient image marks and a strict
    // one refuses.
    const QByteArray damaged = GifStreamBuilder()
                                   .header()
                                   .screen(4, 3, kFour)
                                   .frame(0, 0, 4, 3, GifStreamBuilder::lzw(noise(6, 4), 2))
                                   .frame(0, 0, 4, 3, GifStreamBuilder::lzw(noise(12, 4), 2))
                                   .trailer()
                                   .bytes();
    const TGIFImage::Options defaults = TGIFImage::Options::defaults();
    QVERIFY(defaults.acceptDamaged);

    TGIFImage strict;
    TGIFImage::Options options = strictOptions();
    options.maxDecodedPixels = 12;
    strict.setOptions(options);
    TGIFImage lenient;
    QVERIFY(lenient.options().acceptDamaged);
    QCOMPARE(lenient.options().maxDecodedPixels, defaults.maxDecodedPixels);

    QVERIFY(!readMessage(strict, damaged).isEmpty());
    QCOMPARE(readMessage(lenient, damaged), QString());
    QVERIFY(lenient.frame(0)->corrupted);
    // The small budget is the strict image's alone: the lenient one holds both frames.
    lenient.frame(1)->bitmap();
    QCOMPARE(lenient.decodedPixels(), 24);

    // A copy reads as its source does.
    TGIFImage copy(strict);
    QVERIFY(!copy.options().acceptDamaged);
    TGIFImage assigned;
    assigned = strict;
    QCOMPARE(assigned.options().maxDecodedPixels, 12);

    // Changing the module defaults reaches new images only.
    const bool saved = AcceptDamagedGif;
    AcceptDamagedGif = false;
    TGIFImage later;
    AcceptDamagedGif = saved;
    QVERIFY(!later.options().acceptDamaged);
    QCOMPARE(readMessage(lenient, damaged), QString());
}

QTEST_GUILESS_MAIN(TestGifReader)
#include "tst_GifReader.moc"
