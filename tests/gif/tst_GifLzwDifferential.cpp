// The fast LZW decoder against the plain reference decoder: both must give the same pixels
// and report the same damage on every input, valid, mutated or random.
#include "GifLzwDecoder.h"
#include "GifReferenceDecoder.h"
#include "GifStreamBuilder.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

// Returns an empty string when both decoders agree, otherwise what differs.
QString compare(const QByteArray &data, int bpp, qsizetype count)
{
    std::vector<uchar> fast(size_t(count + GifLzwOutputSlack), 0xCD);
    std::vector<uchar> reference;
    const auto *bytes = reinterpret_cast<const uchar *>(data.constData());
    const GifLzwResult a = gifLzwDecode(bytes, data.size(), bpp, fast.data(), count);
    const GifLzwResult b = gifReferenceDecode(bytes, data.size(), bpp, reference, count);
    if (a.codeSizeOutOfRange != b.codeSizeOutOfRange || a.stackOverflow != b.stackOverflow
        || a.dataEnded != b.dataEnded || a.pixels != b.pixels)
        return QStringLiteral("flags fast %1%2%3 %4, reference %5%6%7 %8")
            .arg(a.codeSizeOutOfRange)
            .arg(a.stackOverflow)
            .arg(a.dataEnded)
            .arg(a.pixels)
            .arg(b.codeSizeOutOfRange)
            .arg(b.stackOverflow)
            .arg(b.dataEnded)
            .arg(b.pixels);
    for (qsizetype i = 0; i < count; ++i) {
        if (fast[size_t(i)] != reference[size_t(i)])
            return QStringLiteral("pixel %1: fast %2, reference %3")
                .arg(i)
                .arg(fast[size_t(i)])
                .arg(reference[size_t(i)]);
    }
    return QString();
}

std::vector<uchar> pixels(QRandomGenerator &rng, int count, int colors, int runLength)
{
    std::vector<uchar> out(static_cast<size_t>(count));
    int value = 0;
    for (int i = 0; i < count; ++i) {
        if (int(rng.bounded(runLength)) == 0)
            value = int(rng.bounded(colors));
        out[size_t(i)] = uchar(value);
    }
    return out;
}

QByteArray mutate(QRandomGenerator &rng, QByteArray data)
{
    const int kind = int(rng.bounded(5));
    const int n = 1 + int(rng.bounded(8));
    for (int k = 0; k < n && !data.isEmpty(); ++k) {
        const int at = int(rng.bounded(int(data.size())));
        switch (kind) {
        case 0: // bit flips
            data[at] = char(data.at(at) ^ (1 << rng.bounded(8)));
            break;
        case 1: // random bytes
            data[at] = char(rng.bounded(256));
            break;
        case 2: // truncation
            data.truncate(at);
            break;
        case 3: // repeated stretch
            data.insert(at, data.mid(at, int(rng.bounded(40))));
            break;
        default: // deleted stretch
            data.remove(at, int(rng.bounded(20)));
            break;
        }
    }
    return data;
}

} // namespace

class TestGifLzwDifferential : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void validStreams();
    void mutatedStreams();
    void randomCodes();
    void handMadeDamage();
};

void TestGifLzwDifferential::validStreams()
{
    QRandomGenerator rng(11);
    for (int i = 0; i < 300; ++i) {
        const int bpp = 1 + int(rng.bounded(8));
        const int count = 1 + int(rng.bounded(i < 280 ? 3000 : 200000));
        const std::vector<uchar> px = pixels(rng, count, 1 << bpp, 1 + int(rng.bounded(30)));
        const int minCode = qMax(2, bpp);
        const QByteArray data = GifStreamBuilder::lzw(px, minCode);
        // Frames claiming fewer, exactly as many and more pixels than the data holds.
        for (qsizetype claimed :
            { qsizetype(count), qsizetype(count / 2 + 1), qsizetype(count + 77) }) {
            const QString diff = compare(data, bpp, claimed);
            QVERIFY2(diff.isEmpty(), qPrintable(QStringLiteral("case %1: %2").arg(i).arg(diff)));
        }
        std::vector<uchar> out;
        gifReferenceDecode(
            reinterpret_cast<const uchar *>(data.constData()), data.size(), bpp, out, count);
        QVERIFY(out == px);
    }
}

void TestGifLzwDifferential::mutatedStreams()
{
    QRandomGenerator rng(23);
    for (int i = 0; i < 4000; ++i) {
        const int bpp = 1 + int(rng.bounded(8));
        const int count = 1 + int(rng.bounded(6000));
        const std::vector<uchar> px = pixels(rng, count, 1 << bpp, 1 + int(rng.bounded(50)));
        const QByteArray data = mutate(rng, GifStreamBuilder::lzw(px, qMax(2, bpp)));
        // The frame's colour table may be smaller or larger than the code size says.
        const int frameBpp = rng.bounded(4) == 0 ? 1 + int(rng.bounded(8)) : bpp;
        const QString diff = compare(data, frameBpp, count);
        QVERIFY2(diff.isEmpty(), qPrintable(QStringLiteral("case %1: %2").arg(i).arg(diff)));
    }
}

void TestGifLzwDifferential::randomCodes()
{
    // Random bits after a valid code size byte: walks through stale and zero table entries,
    // codes far beyond the next free one, cycles.
    QRandomGenerator rng(37);
    for (int i = 0; i < 3000; ++i) {
        const int minCode = 2 + int(rng.bounded(8));
        QList<QPair<int, int>> codes;
        int width = minCode + 1;
        const int n = 10 + int(rng.bounded(3000));
        for (int k = 0; k < n; ++k) {
            // Mostly codes of the current width; clear codes now and then.
            int code = int(rng.bounded(1 << width));
            if (rng.bounded(200) == 0)
                code = 1 << minCode;
            codes.append({ code, width });
            if (code == (1 << minCode))
                width = minCode + 1;
            else if (rng.bounded(16) == 0 && width < 12)
                ++width;
        }
        const QByteArray data = GifStreamBuilder::codes(minCode, codes);
        const QString diff = compare(data, 1 + int(rng.bounded(8)), 1 + int(rng.bounded(20000)));
        QVERIFY2(diff.isEmpty(), qPrintable(QStringLiteral("case %1: %2").arg(i).arg(diff)));
    }
}

void TestGifLzwDifferential::handMadeDamage()
{
    // A stale-entry cycle (see the reader tests), code size bytes out of range, empty data.
    const QByteArray cycle = GifStreamBuilder::codes(
        2, { { 4, 3 }, { 0, 3 }, { 6, 3 }, { 0, 3 }, { 4, 4 }, { 7, 3 }, { 0, 3 }, { 6, 3 } });
    QVERIFY(compare(cycle, 2, 64).isEmpty());
    for (int size : { 0, 1, 10, 11, 255 }) {
        QByteArray data = GifStreamBuilder::lzw(std::vector<uchar>(500, 1), 2);
        data[0] = char(size);
        QVERIFY(compare(data, 2, 500).isEmpty());
    }
    QVERIFY(compare(QByteArray(), 8, 10).isEmpty());
    QVERIFY(compare(QByteArray(1, 8), 8, 10).isEmpty());
}

QTEST_GUILESS_MAIN(TestGifLzwDifferential)
#include "tst_GifLzwDifferential.moc"
