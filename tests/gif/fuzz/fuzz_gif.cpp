// Fuzz target. The first byte chooses what the rest is:
//  - even: a GIF stream, read lenient and strict; every frame is decoded; what was read is
//    written back and read again, and must give the same pixels;
//  - odd: LZW data for the fast and the reference decoder, which must agree (the byte also
//    picks the frame's bits per pixel and pixel count).
#include "Exception.h"
#include "GifLzwDecoder.h"
#include "GifReferenceDecoder.h"
#include "TGIFImage.h"

#include <QByteArray>

#include <cstdlib>
#include <vector>

namespace {

void readAndRewrite(const QByteArray &bytes, bool strict)
{
    AcceptDamagedGif = !strict;
    TGIFImage image;
    try {
        image.loadFromBytes(bytes, true);
    } catch (const Exception &) {
    }
    std::vector<QImage> decoded;
    for (int i = 0; i < image.frameCount(); ++i) {
        try {
            decoded.push_back(image.frame(i)->bitmap());
        } catch (const Exception &) {
            return; // such a frame cannot be written back either
        }
    }
    if (image.frameCount() == 0)
        return;
    QByteArray written;
    try {
        written = image.saveToBytes();
    } catch (const Exception &) {
        return; // e.g. a frame without a colour table
    }
    AcceptDamagedGif = true;
    TGIFImage again;
    again.loadFromBytes(written, false);
    if (again.frameCount() != image.frameCount())
        std::abort();
    for (int i = 0; i < again.frameCount(); ++i) {
        // A frame of zero width or height is written with that 0, which a reader takes for
        // the screen's size; the screen may have grown to hold the other frames.
        if (decoded[size_t(i)].isNull())
            continue;
        if (again.frame(i)->bitmap() != decoded[size_t(i)])
            std::abort();
    }
}

void differential(const uchar *data, size_t size, uchar selector)
{
    const int bpp = 1 + (selector >> 1) % 8;
    const qsizetype count = 1 + qsizetype(selector >> 4) * 997 + qsizetype(size) * 3;
    std::vector<uchar> fast(size_t(count + GifLzwOutputSlack));
    std::vector<uchar> reference;
    const GifLzwResult a = gifLzwDecode(data, qsizetype(size), bpp, fast.data(), count);
    const GifLzwResult b = gifReferenceDecode(data, qsizetype(size), bpp, reference, count);
    if (a.codeSizeOutOfRange != b.codeSizeOutOfRange || a.stackOverflow != b.stackOverflow
        || a.dataEnded != b.dataEnded || a.pixels != b.pixels)
        std::abort();
    for (qsizetype i = 0; i < count; ++i)
        if (fast[size_t(i)] != reference[size_t(i)])
            std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    // Keep single inputs cheap: 4 Mpixel frames at most.
    GifMaxFramePixels = qint64(1) << 22;
    const uchar selector = data[0];
    if (selector & 1) {
        differential(data + 1, size - 1, selector);
    } else {
        const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
        readAndRewrite(bytes, false);
        readAndRewrite(bytes, true);
    }
    return 0;
}
