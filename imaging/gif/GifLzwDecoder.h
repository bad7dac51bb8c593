#pragma once

#include <QtGlobal>

#include <functional>
#include <memory>

// What decoding a frame's compressed data found besides the pixels.
struct GifLzwResult {
    bool codeSizeOutOfRange = false; // minimum code size outside 2..9, clamped into range
    bool stackOverflow = false; // a code walked back more than 4096 values (damaged codes)
    bool dataEnded = false; // the data ran out before the end code and the last pixel
    bool endedEarly = false; // the end code came before the last pixel
    bool unknownCode = false; // a code named no table entry yet (beyond the next free one)
    qsizetype pixels = 0; // pixels decoded; the rest of the output was set to 0

    bool damaged() const
    {
        return codeSizeOutOfRange || stackOverflow || dataEnded || endedEarly || unknownCode;
    }
    bool operator==(const GifLzwResult &o) const
    {
        return codeSizeOutOfRange == o.codeSizeOutOfRange && stackOverflow == o.stackOverflow
            && dataEnded == o.dataEnded && endedEarly == o.endedEarly
            && unknownCode == o.unknownCode && pixels == o.pixels;
    }
};

// Room the decoder may write beyond pixelCount: it writes whole strings (at most 4096
// values) and copies them in 16-byte steps.
constexpr qsizetype GifLzwOutputSlack = 4096 + 64;

// Decodes variable-length LZW data as a GIF frame stores it: the minimum code size byte
// followed by data sub-blocks. Writes pixelCount pixel values in stream order (rows are not
// reordered for interlacing) to out, which must hold pixelCount + GifLzwOutputSlack bytes;
// that sum must fit in 31 bits.
// Pixel values are codes masked with 2^bitsPerPixel - 1. Never reads beyond size bytes.
//
// Damaged data is decoded exactly as the plain table-walking decoder would: literals are the
// codes below the clear code, any other code is walked back through prefix and suffix tables
// that start at zero and are not cleared by a clear code, a code beyond the next free one
// repeats the previous string plus its first pixel, and a walk of more than 4096 values stops
// decoding. Such a code, and a code other than a literal right after a clear code, is reported
// as unknownCode; decoding goes on as described. An end code before the last pixel is
// reported as endedEarly. Data after the last pixel is never looked at. Strings whose table chain
// is known to be intact are copied from where they were output before instead of being walked,
// which is what makes this decoder fast: on well-formed data every string is a copy, and codes
// come from a 64-bit buffer refilled a word at a time.
//
// progress, when set, is called with the percentage of the data consumed whenever it grows.
//
// A decoder owns its string tables (about 40 KB), made on its first decode and reused by the
// next ones without being cleared; decoders share nothing, so each thread may use its own.
class GifLzwDecoder {
public:
    GifLzwDecoder();
    ~GifLzwDecoder();
    GifLzwDecoder(const GifLzwDecoder &) = delete;
    GifLzwDecoder &operator=(const GifLzwDecoder &) = delete;

    GifLzwResult decode(const uchar *data, qsizetype size, int bitsPerPixel, uchar *out,
        qsizetype pixelCount, const std::function<void(int)> &progress = {});

private:
    struct Tables;
    std::unique_ptr<Tables> m_tables;
};

// One decode with a decoder of its own.
GifLzwResult gifLzwDecode(const uchar *data, qsizetype size, int bitsPerPixel, uchar *out,
    qsizetype pixelCount, const std::function<void(int)> &progress = {});
