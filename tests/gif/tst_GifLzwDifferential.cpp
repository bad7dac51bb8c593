// The fast LZW decoder against the plain reference decoder: both must give the same pixels
// and report the same damage on every input, valid, mutated or random; and a damaged file
// never reads as intact.
#include "Exception.h"
#include "GifLzwDecoder.h"
#include "GifReferenceDecoder.h"
#include "GifStreamBuilder.h"
#include "TGIFImage.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

QString flags(const GifLzwResult &r)
{
    return QStringLiteral("size %1 overflow %2 data-ended %3 ended-early %4 unknown %5 pixels %6")
        .arg(r.codeSizeOutOfRange)
        .arg(r.stackOverflow)
        .arg(r.dataEnded)
        .arg(r.endedEarly)
        .arg(r.unknownCode)
        .arg(r.pixels);
}

// Returns an empty string when both decoders agree, otherwise what differs.
QString compare(const QByteArray &data, int bpp, qsizetype count)
{
    std::vector<uchar> fast(size_t(count + GifLzwOutputSlack), 0xCD);
    std::vector<uchar> reference;
    const auto *bytes = reinterpret_cast<const uchar *>(data.constData());
    const GifLzwResult a = gifLzwDecode(bytes, data.size(), bpp, fast.data(), count);
    const GifLzwResult b = gifReferenceDecode(bytes, data.size(), bpp, reference, count);
    if (!(a == b))
        return QStringLiteral("flags fast %1, reference %2").arg(flags(a), flags(b));
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

// Codes a decoder accepts as well-formed (literals, entries below the next free one, the next
// free one itself), chosen at random while following the decoder's table and width rules, so
// that tables fill up and freeze unless clear codes come; at damageAt one code is replaced by
// damage: a code beyond the next free one, a table code right after a clear code, or an end
// code.
QByteArray validCodes(QRandomGenerator &rng, int minCode, int count, int clearOdds, int damageAt)
{
    const int clear = 1 << minCode;
    int width = minCode + 1, freeCode = clear + 2, maxCode = 1 << width;
    bool first = true, frozen = false;
    QList<QPair<int, int>> codes { { clear, width } };
    for (int k = 0; k < count; ++k) {
        if (clearOdds > 0 && rng.bounded(clearOdds) == 0) {
            codes.append({ clear, width });
            width = minCode + 1;
            freeCode = clear + 2;
            maxCode = 1 << width;
            first = true;
            frozen = false;
            continue;
        }
        int code;
        const int pick = int(rng.bounded(100));
        if (first || pick < 40 || freeCode == clear + 2)
            code = int(rng.bounded(clear));
        else if (pick < 95 || frozen)
            code = clear + 2 + int(rng.bounded(freeCode - clear - 2));
        else
            code = freeCode;
        if (k == damageAt) {
            if (first)
                code = clear + 2;
            else if (pick % 2 == 0 && freeCode + 1 < maxCode)
                code = freeCode + 1;
            else
                code = clear + 1;
        }
        codes.append({ code, width });
        if (!first && !frozen && ++freeCode >= maxCode) {
            if (width < 12) {
                ++width;
                maxCode <<= 1;
            } else {
                frozen = true;
            }
        }
        first = false;
    }
    return GifStreamBuilder::codes(minCode, codes);
}

} // namespace

class TestGifLzwDifferential : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void validStreams();
    void mutatedStreams();
    void randomCodes();
    void handMadeDamage();
    void damageAfterLongValidRuns();
    void damagedFilesAreMarked();
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

void TestGifLzwDifferential::damageAfterLongValidRuns()
{
    // Damage after thousands of well-formed codes, with and without clear codes (a table that
    // freezes at 4096 entries), and in streams that are never damaged.
    QRandomGenerator rng(53);
    for (int i = 0; i < 300; ++i) {
        const int minCode = 2 + int(rng.bounded(8));
        const int count = 500 + int(rng.bounded(8000));
        const int clearOdds = i % 3 == 0 ? 0 : 200 + int(rng.bounded(5000));
        const int damageAt = i % 4 == 0 ? -1 : int(rng.bounded(count));
        const QByteArray data = validCodes(rng, minCode, count, clearOdds, damageAt);
        const int bpp = qMax(1, minCode - int(rng.bounded(2)));
        const QString diff = compare(data, bpp, 1 + int(rng.bounded(400000)));
        QVERIFY2(diff.isEmpty(), qPrintable(QStringLiteral("case %1: %2").arg(i).arg(diff)));
    }
}

void TestGifLzwDifferential::damagedFilesAreMarked()
{
    // Whole files, mutated: every frame whose data the reference decoder finds damaged must
    // come back marked when read leniently, and must fail when read strictly.
    QRandomGenerator rng(41);
    int damagedFrames = 0;
    for (int i = 0; i < 1500; ++i) {
        GifStreamBuilder builder;
        const int bpp = 1 + int(rng.bounded(8));
        builder.header().screen(64, 64, GifStreamBuilder::greyTable(1 << bpp));
        const int frames = 1 + int(rng.bounded(3));
        for (int f = 0; f < frames; ++f) {
            const int w = 1 + int(rng.bounded(60)), h = 1 + int(rng.bounded(60));
            const std::vector<uchar> px = pixels(rng, w * h, 1 << bpp, 1 + int(rng.bounded(20)));
            builder.frame(
                0, 0, w, h, GifStreamBuilder::lzw(px, qMax(2, bpp)), {}, rng.bounded(2) == 0);
        }
        const QByteArray file = mutate(rng, builder.trailer().bytes());

        TGIFImage lenient;
        TGIFImage strict;
        TGIFImage::Options strictOptions;
        strictOptions.acceptDamaged = false;
        strict.setOptions(strictOptions);
        try {
            lenient.loadFromBytes(file, false);
        } catch (const Exception &) {
        }
        try {
            strict.loadFromBytes(file, false);
        } catch (const Exception &) {
        }
        for (int f = 0; f < lenient.frameCount(); ++f) {
            TGIFFrame *frame = lenient.frame(f);
            const int bits = frame->bitsPerPixel();
            // Frames without a table or too large to decode are refused before decoding.
            const qint64 count = qint64(frame->width()) * frame->height();
            if (bits < 1 || bits > 8 || count == 0 || count > (1 << 20))
                continue;
            const QByteArray &data = frame->compressedData();
            std::vector<uchar> reference;
            const GifLzwResult r
                = gifReferenceDecode(reinterpret_cast<const uchar *>(data.constData()), data.size(),
                    bits, reference, count);
            bool strictFailed = f >= strict.frameCount();
            if (!strictFailed) {
                try {
                    strict.frame(f)->bitmap();
                } catch (const Exception &) {
                    strictFailed = true;
                }
            }
            frame->bitmap();
            if (!r.damaged())
                continue;
            ++damagedFrames;
            QVERIFY2(frame->corrupted,
                qPrintable(QStringLiteral("file %1 frame %2: %3").arg(i).arg(f).arg(flags(r))));
            QVERIFY2(strictFailed, qPrintable(QStringLiteral("file %1 frame %2").arg(i).arg(f)));
        }
    }
    // The mutations must actually have damaged a good share of the frames.
    QVERIFY(damagedFrames > 300);
}

QTEST_GUILESS_MAIN(TestGifLzwDifferential)
#include "tst_GifLzwDifferential.moc"
