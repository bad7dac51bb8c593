#include "GifLzwDecoder.h"

#include <QtEndian>

#include <cstring>
#include <memory>

namespace {

constexpr int kMaxCodes = 4096;
constexpr int kMaxStack = 4096;

inline quint64 load64(const uchar *p)
{
    quint64 v;
    std::memcpy(&v, p, 8);
    return qFromLittleEndian(v);
}

inline quint32 load32(const uchar *p)
{
    quint32 v;
    std::memcpy(&v, p, 4);
    return qFromLittleEndian(v);
}

// Copies a string of n bytes that was output before: src + n <= dst, so the first 16 bytes can
// be moved in one load and one store whatever the distance, and a longer string lies at least
// 16 bytes back. The bytes written past the string are overwritten by what follows.
inline void copyString(uchar *dst, const uchar *src, int n)
{
    uchar chunk[16];
    std::memcpy(chunk, src, 16);
    std::memcpy(dst, chunk, 16);
    for (int i = 16; i < n; i += 16)
        std::memcpy(dst + i, src + i, 16);
}

// An entry of the string table, in one word so that making one is a single store: where its
// string was output (bits 0-31), its length (32-47; 0 when it is not a run of the output, on
// damaged data, and the tables must be walked instead) and the plain decoder's prefix code
// (48-63). Every string of well-formed data is a run of the output: the previous code's string
// followed by the first pixel of the code after it.
using Entry = quint64;

inline Entry makeEntry(qsizetype offset, int length, int prefix)
{
    return quint64(quint32(offset)) | quint64(length) << 32 | quint64(prefix) << 48;
}
inline quint32 entryOffset(Entry e)
{
    return quint32(e);
}
inline int entryLength(Entry e)
{
    return int(quint16(e >> 32));
}
inline int entryPrefix(Entry e)
{
    return int(e >> 48);
}

// Where decoding stands; handed from the fast loop to the careful one.
struct State {
    int width;
    quint32 codeMask;
    int freeCode; // clearCode + 1 right after a clear code: the next code starts afresh
    int maxCode;
    int oldCode;
    qsizetype oldPos;
    int oldLength;
    bool oldIntact; // the previous code's string is a run of the output
    qsizetype pos;
    quint64 bitPos;
    int written; // entries [clearCode + 2, written) hold data of this decode
    int percent; // of the data consumed, last reported
};

// What both loops read.
struct Input {
    const uchar *in; // the data, eight zero bytes after its end
    qsizetype totalBytes;
    int minCodeSize;
    uchar mask; // 2^bitsPerPixel - 1
    uchar *out;
    qsizetype pixelCount;
    Entry *entry;
    uchar *suffix;
    uchar *stack;
    const std::function<void(int)> *progress;
};

// Well-formed data: literals, table codes below the next free one, the next free one
// itself, clear codes. It stops at anything else (damage, an end code) and when fewer than
// 16 bytes of data are left; the careful loop below takes over from there. Codes come
// from a 64-bit buffer refilled a word at a time.
Q_NEVER_INLINE void decodeFast(const Input &input, State &s)
{
    const uchar *const in = input.in;
    const qsizetype totalBytes = input.totalBytes;
    const int minCodeSize = input.minCodeSize;
    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;
    const uchar mask = input.mask;
    uchar *const out = input.out;
    const qsizetype pixelCount = input.pixelCount;
    Entry *const entry = input.entry;
    const std::function<void(int)> &progress = *input.progress;
    const uchar *p = in;
    quint64 buf = 0;
    int bits = 0;
    int width = s.width;
    int freeCode = s.freeCode;
    int maxCode = s.maxCode; // 2^width; the code mask is one less
    int written = s.written;
    Entry pending = 0; // the entry the next code makes
    qsizetype pos = 0;
    // Refills past this point check for the end of the data and report progress.
    const uchar *const safeEnd = in + qMax<qsizetype>(totalBytes - 16, 0);
    const uchar *nextProgress = progress ? in + totalBytes / 100 + 1 : safeEnd;
    const uchar *checkAt = qMin(safeEnd, nextProgress);

    while (pos < pixelCount) {
        if (bits < width) {
            if (p >= checkAt) {
                if (p >= safeEnd)
                    break;
                s.percent = int(qint64(p - in) * 100 / totalBytes);
                progress(s.percent);
                nextProgress = in + (qint64(s.percent) + 1) * totalBytes / 100 + 1;
                checkAt = qMin(safeEnd, nextProgress);
            }
            buf |= load64(p) << bits;
            p += (63 - bits) >> 3;
            bits |= 56;
        }
        const int code = int(buf) & (maxCode - 1);
        int n;
        if (code < clearCode) {
            out[pos] = uchar(code) & mask;
            n = 1;
        } else if (code < freeCode && code > endCode) {
            const Entry e = entry[code];
            n = entryLength(e);
            copyString(out + pos, out + entryOffset(e), n);
        } else if (code == freeCode && code != endCode) {
            // The string about to be made: the previous one and its own first pixel.
            const int oldLength = entryLength(pending) - 1;
            const qsizetype oldPos = entryOffset(pending);
            n = oldLength + 1;
            copyString(out + pos, out + oldPos, oldLength);
            out[pos + oldLength] = out[oldPos];
        } else if (code == clearCode) {
            buf >>= width;
            bits -= width;
            written = qMax(written, freeCode);
            width = minCodeSize + 1;
            freeCode = endCode;
            maxCode = 1 << width;
            continue;
        } else {
            break; // the end code, or damage
        }
        buf >>= width;
        bits -= width;
        // Right after a clear code this fills the unused entry of the end code.
        entry[freeCode] = pending;
        if (++freeCode >= maxCode) {
            if (width < 12) {
                ++width;
                maxCode <<= 1;
            } else {
                freeCode = kMaxCodes; // full: no more entries until a clear code
            }
        }
        pending = makeEntry(pos, n + 1, code);
        pos += n;
    }
    s.width = width;
    s.codeMask = quint32(maxCode - 1);
    s.freeCode = freeCode;
    s.maxCode = maxCode;
    s.written = qMax(written, qMin(freeCode, kMaxCodes));
    s.oldCode = freeCode == endCode ? -1 : entryPrefix(pending);
    s.oldPos = entryOffset(pending);
    s.oldLength = entryLength(pending) - 1;
    s.pos = pos;
    s.bitPos = quint64(p - in) * 8 - quint64(bits);
}

// Every code, checked: the end of the data, the end code, damage. Damaged data is decoded
// as the plain table walk does: strings that are runs of the output are still copied,
// others are walked back through the prefix and suffix tables.
void decodeCareful(const Input &input, State &s, GifLzwResult &result)
{
    const uchar *const in = input.in;
    const quint64 totalBits = quint64(input.totalBytes) * 8;
    const int minCodeSize = input.minCodeSize;
    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;
    const int firstFree = clearCode + 2;
    const uchar mask = input.mask;
    uchar *const out = input.out;
    const qsizetype pixelCount = input.pixelCount;
    Entry *const entry = input.entry;
    const std::function<void(int)> &progress = *input.progress;
    uchar *const suffix = input.suffix;
    uchar *const stack = input.stack;

    int width = s.width;
    quint32 codeMask = s.codeMask;
    bool frozen = s.freeCode >= kMaxCodes;
    int freeCode = s.oldCode < 0 ? firstFree : qMin(s.freeCode, kMaxCodes);
    int maxCode = s.maxCode;
    int oldCode = s.oldCode;
    bool oldIntact = s.oldIntact;
    qsizetype oldPos = s.oldPos;
    int oldLength = s.oldLength;
    uchar firstChar = oldCode >= 0 ? out[oldPos] : 0;
    int written = s.written;
    qsizetype pos = s.pos;
    quint64 bitPos = s.bitPos;
    int percent = s.percent;
    quint64 nextProgressBit = progress ? (quint64(percent) + 1) * totalBits / 100 + 1 : ~quint64(0);

    while (pos < pixelCount) {
        if (bitPos + quint64(width) > totalBits) {
            result.dataEnded = true;
            break;
        }
        const int code = int((load32(in + (bitPos >> 3)) >> (bitPos & 7)) & codeMask);
        bitPos += quint64(width);
        if (bitPos >= nextProgressBit) {
            percent = int(bitPos * 100 / totalBits);
            progress(percent);
            nextProgressBit = (quint64(percent) + 1) * totalBits / 100 + 1;
        }

        if (code == endCode) {
            result.endedEarly = true;
            break;
        }
        if (code == clearCode) {
            width = minCodeSize + 1;
            codeMask = (1u << width) - 1;
            freeCode = firstFree;
            maxCode = 1 << width;
            frozen = false;
            oldCode = -1;
            continue;
        }
        if (oldCode < 0) {
            if (code > endCode)
                result.unknownCode = true;
            const uchar pixel = uchar(code) & mask;
            out[pos] = pixel;
            oldPos = pos++;
            oldLength = 1;
            oldCode = code;
            oldIntact = code < clearCode;
            firstChar = pixel;
            continue;
        }

        int n;
        if (code < clearCode) {
            out[pos] = uchar(code) & mask;
            n = 1;
        } else if (code < freeCode && entryLength(entry[code]) != 0) {
            n = entryLength(entry[code]);
            copyString(out + pos, out + entryOffset(entry[code]), n);
        } else if (code == freeCode && oldIntact) {
            n = oldLength + 1;
            copyString(out + pos, out + oldPos, oldLength);
            out[pos + oldLength] = firstChar;
        } else {
            if (code > freeCode)
                result.unknownCode = true;
            int sp = 0;
            int c = code;
            if (c >= freeCode) {
                stack[sp++] = firstChar;
                c = oldCode;
            }
            bool overflow = false;
            while (c >= clearCode) {
                if (sp == kMaxStack) {
                    overflow = true;
                    break;
                }
                if (c >= firstFree && c < written) {
                    // The suffix of a string that is a run of the output is its last
                    // pixel; only other entries keep theirs in the suffix table.
                    const Entry e = entry[c];
                    stack[sp++] = entryLength(e) != 0 ? out[entryOffset(e) + entryLength(e) - 1]
                                                      : suffix[c];
                    c = entryPrefix(e);
                } else {
                    stack[sp++] = 0;
                    c = 0;
                }
            }
            if (overflow || sp == kMaxStack) {
                result.stackOverflow = true;
                break;
            }
            stack[sp++] = uchar(c) & mask;
            n = sp;
            uchar *dst = out + pos;
            while (sp > 0)
                *dst++ = stack[--sp];
        }

        const uchar first = out[pos];
        if (!frozen) {
            entry[freeCode] = makeEntry(oldPos, oldIntact ? oldLength + 1 : 0, oldCode);
            if (!oldIntact)
                suffix[freeCode] = first;
            written = qMax(written, freeCode + 1);
            if (++freeCode >= maxCode) {
                if (width < 12) {
                    ++width;
                    codeMask = (1u << width) - 1;
                    maxCode <<= 1;
                } else {
                    frozen = true;
                }
            }
        }
        oldIntact = code < clearCode || (code < freeCode && entryLength(entry[code]) != 0);
        oldPos = pos;
        oldLength = n;
        oldCode = code;
        firstChar = first;
        pos += n;
    }
    s.pos = pos;
}

} // namespace

// Kept between decodes without being cleared: entries are written in order from the first
// free code, so anything at or above the highest entry written in this decode reads as the
// zero the plain decoder's fresh tables would hold.
struct GifLzwDecoder::Tables {
    Entry entry[kMaxCodes + 1]; // the last one takes the writes of a full table
    uchar suffix[kMaxCodes];
    uchar stack[kMaxStack];
};

GifLzwDecoder::GifLzwDecoder() = default;
GifLzwDecoder::~GifLzwDecoder() = default;

GifLzwResult gifLzwDecode(const uchar *data, qsizetype size, int bitsPerPixel, uchar *out,
    qsizetype pixelCount, const std::function<void(int)> &progress)
{
    return GifLzwDecoder().decode(data, size, bitsPerPixel, out, pixelCount, progress);
}

GifLzwResult GifLzwDecoder::decode(const uchar *data, qsizetype size, int bitsPerPixel, uchar *out,
    qsizetype pixelCount, const std::function<void(int)> &progress)
{
    GifLzwResult result;
    if (size < 1) {
        result.dataEnded = pixelCount > 0;
        std::memset(out, 0, size_t(pixelCount));
        return result;
    }
    int minCodeSize = data[0];
    if (minCodeSize < 2 || minCodeSize > 9) {
        result.codeSizeOutOfRange = true;
        minCodeSize = qBound(2, minCodeSize, 9);
    }

    // Join the sub-blocks into one run of bytes; a block cut short by the end of the data
    // contributes the bytes that are there. Eight zero bytes after the run let the code reader
    // load whole words.
    std::unique_ptr<uchar[]> bytes(new uchar[size_t(size) + 8]);
    qsizetype totalBytes = 0;
    for (qsizetype p = 1; p < size;) {
        const int len = data[p++];
        if (len == 0)
            break;
        const qsizetype avail = qMin<qsizetype>(len, size - p);
        std::memcpy(bytes.get() + totalBytes, data + p, size_t(avail));
        totalBytes += avail;
        p += avail;
    }
    std::memset(bytes.get() + totalBytes, 0, 8);
    const uchar *in = bytes.get();

    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;
    const int firstFree = clearCode + 2;
    const uchar mask = uchar((1 << bitsPerPixel) - 1);

    if (!m_tables)
        m_tables.reset(new Tables); // left uninitialised: see Tables

    State s;
    s.width = minCodeSize + 1;
    s.codeMask = (1u << s.width) - 1;
    s.freeCode = endCode;
    s.maxCode = 1 << s.width;
    s.oldCode = 0;
    s.oldPos = 0;
    s.oldLength = 0;
    s.oldIntact = true;
    s.pos = 0;
    s.bitPos = 0;
    s.written = firstFree;
    s.percent = 0;

    const Input input { in, totalBytes, minCodeSize, mask, out, pixelCount, m_tables->entry,
        m_tables->suffix, m_tables->stack, &progress };
    decodeFast(input, s);
    if (s.pos < pixelCount)
        decodeCareful(input, s, result);

    result.pixels = qMin(s.pos, pixelCount);
    std::memset(out + result.pixels, 0, size_t(pixelCount - result.pixels));
    return result;
}
