// Fuzz target. The first byte chooses what the rest is:
//  - even: a GIF stream, read lenient and strict; every frame is decoded and held, within the
//    image's budget; a frame whose data the reference decoder finds damaged must be marked
//    (lenient) or fail (strict); what was read is written back and read again, and must give
//    the same pixels;
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

// The plain decoder's verdict on a frame's data: damage must never come back unmarked.
bool referenceFindsDamage(const TGIFFrame &frame)
{
    const QByteArray &data = frame.compressedData();
    std::vector<uchar> pixels;
    const GifLzwResult r = gifReferenceDecode(reinterpret_cast<const uchar *>(data.constData()),
        data.size(), frame.bitsPerPixel(), pixels, qsizetype(frame.width()) * frame.height());
    return r.damaged();
}

// Keep single inputs cheap: 4 Mpixel frames at most, 16 Mpixel held by an image. Runs add
// -rss_limit_mb and -malloc_limit_mb, which an image beyond its budget would break.
TGIFImage::Options fuzzOptions(bool strict)
{
    TGIFImage::Options options;
    options.acceptDamaged = !strict;
    options.maxFramePixels = qint64(1) << 22;
    options.maxDecodedPixels = qint64(1) << 24;
    return options;
}

void readAndRewrite(const QByteArray &bytes, bool strict)
{
    TGIFImage image;
    image.setOptions(fuzzOptions(strict));
    try {
        image.loadFromBytes(bytes, true);
    } catch (const Exception &) {
    }
    // Every frame held decoded at once, as a viewer stepping through an animation would:
    // however many large frames the input asks for, the image stays within its budget.
    bool allDecoded = true;
    for (int i = 0; i < image.frameCount(); ++i) {
        try {
            image.frame(i)->bitmap();
        } catch (const Exception &) {
            allDecoded = false;
        }
        if (image.decodedPixels() > image.options().maxDecodedPixels)
            std::abort();
    }
    for (int i = 0; i < image.frameCount(); ++i) {
        TGIFFrame &frame = *image.frame(i);
        // A frame that decoded from damaged data must say so; read strictly, it must fail.
        if (frame.hasBitmap() && referenceFindsDamage(frame) && (strict || !frame.corrupted))
            std::abort();
    }
    if (!allDecoded || image.frameCount() == 0)
        return; // a frame that cannot be decoded cannot be written back either
    QByteArray written;
    try {
        written = image.saveToBytes();
    } catch (const Exception &) {
        return; // e.g. a frame without a colour table
    }
    TGIFImage again;
    again.setOptions(fuzzOptions(false));
    again.loadFromBytes(written, false);
    if (again.frameCount() != image.frameCount())
        std::abort();
    for (int i = 0; i < again.frameCount(); ++i) {
        // A frame of zero width or height is written with that 0, which a reader takes for
        // the screen's size; the screen may have grown to hold the other frames.
        if (!image.frame(i)->hasBitmap())
            continue;
        if (again.frame(i)->bitmap() != image.frame(i)->bitmap())
            std::abort();
        again.frame(i)->releaseBitmap();
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
    if (!(a == b))
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
