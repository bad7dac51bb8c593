#include "GifLzwDecoder.h"

#include <QtEndian>

#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr int kMaxCodes = 4096;
constexpr int kMaxStack = 4096;

inline quint32 load32(const uchar *p)
{
    quint32 v;
    std::memcpy(&v, p, 4);
    return qFromLittleEndian(v);
}

// Copies n bytes forward in 8-byte steps. The source always lies before the destination, so
// bytes read past the source's end were written earlier and only land beyond the string.
inline void copyString(uchar *dst, const uchar *src, int n)
{
    if (dst - src >= 8) {
        for (int i = 0; i < n; i += 8)
            std::memcpy(dst + i, src + i, 8);
    } else {
        std::memmove(dst, src, size_t(n));
    }
}

} // namespace

GifLzwResult gifLzwDecode(const uchar *data, qsizetype size, int bitsPerPixel, uchar *out,
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
    // contributes the bytes that are there.
    std::vector<uchar> bytes;
    bytes.reserve(size_t(size) + 8);
    for (qsizetype p = 1; p < size;) {
        const int len = data[p++];
        if (len == 0)
            break;
        const qsizetype avail = qMin<qsizetype>(len, size - p);
        bytes.insert(bytes.end(), data + p, data + p + avail);
        p += avail;
    }
    const quint64 totalBits = quint64(bytes.size()) * 8;
    bytes.resize(bytes.size() + 8, 0);
    const uchar *in = bytes.data();

    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;
    const int mask = (1 << bitsPerPixel) - 1;

    // Tables of the plain decoder, used for strings whose chain is not known to be intact,
    // and where intact strings were output. They are reused between decodes without being
    // cleared: entries are written in order from the first free code, so anything at or
    // above the highest entry written in this decode reads as the zero it would hold.
    struct Tables {
        quint16 prefix[kMaxCodes];
        uchar suffix[kMaxCodes];
        quint32 offset[kMaxCodes];
        quint16 length[kMaxCodes]; // 0 = walk the tables instead
        uchar stack[kMaxStack];
    };
    static thread_local std::unique_ptr<Tables> scratch;
    if (!scratch)
        scratch.reset(new Tables);
    quint16 *const prefix = scratch->prefix;
    uchar *const suffix = scratch->suffix;
    quint32 *const offset = scratch->offset;
    quint16 *const length = scratch->length;
    uchar *const stack = scratch->stack;
    int written = clearCode + 2; // entries [clearCode + 2, written) hold data of this decode

    int width = minCodeSize + 1;
    quint32 codeMask = (1u << width) - 1;
    int freeCode = clearCode + 2;
    int maxCode = 1 << width;
    bool frozen = false;
    int oldCode = -1; // none: the next code is output directly
    bool oldIntact = false;
    qsizetype oldPos = 0;
    int oldLength = 0;
    uchar firstChar = 0;

    quint64 bitPos = 0;
    qsizetype pos = 0;

    int percent = 0;
    quint64 nextProgressBit = progress ? totalBits / 100 + 1 : ~quint64(0);

    while (pos < pixelCount) {
        if (bitPos + quint64(width) > totalBits) {
            result.dataEnded = true;
            break;
        }
        const int code = int((load32(in + (bitPos >> 3)) >> (bitPos & 7)) & codeMask);
        bitPos += quint64(width);
        if (bitPos >= nextProgressBit) {
            const int p = int(bitPos * 100 / totalBits);
            if (p > percent) {
                percent = p;
                progress(p);
            }
            nextProgressBit = (quint64(percent) + 1) * totalBits / 100 + 1;
        }

        if (code == endCode) {
            result.endedEarly = true;
            break;
        }
        if (code == clearCode) {
            width = minCodeSize + 1;
            codeMask = (1u << width) - 1;
            freeCode = clearCode + 2;
            maxCode = 1 << width;
            frozen = false;
            oldCode = -1;
            continue;
        }
        if (oldCode < 0) {
            if (code > endCode)
                result.unknownCode = true;
            const uchar pixel = uchar(code & mask);
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
            out[pos] = uchar(code & mask);
            n = 1;
        } else if (code < freeCode && length[code] != 0) {
            n = length[code];
            copyString(out + pos, out + offset[code], n);
        } else if (code == freeCode && oldIntact) {
            n = oldLength + 1;
            copyString(out + pos, out + oldPos, oldLength);
            out[pos + oldLength] = firstChar;
        } else {
            int sp = 0;
            int c = code;
            if (c > freeCode)
                result.unknownCode = true;
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
                if (c >= clearCode + 2 && c < written) {
                    stack[sp++] = suffix[c];
                    c = prefix[c];
                } else {
                    stack[sp++] = 0;
                    c = 0;
                }
            }
            if (!overflow && sp == kMaxStack)
                overflow = true;
            if (overflow) {
                result.stackOverflow = true;
                break;
            }
            stack[sp++] = uchar(c & mask);
            n = sp;
            uchar *dst = out + pos;
            while (sp > 0)
                *dst++ = stack[--sp];
        }

        const uchar first = out[pos];
        if (!frozen) {
            prefix[freeCode] = quint16(oldCode);
            suffix[freeCode] = first;
            if (oldIntact) {
                offset[freeCode] = quint32(oldPos);
                length[freeCode] = quint16(oldLength + 1);
            } else {
                length[freeCode] = 0;
            }
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
        oldIntact = code < clearCode || (code < freeCode && length[code] != 0);
        oldPos = pos;
        oldLength = n;
        oldCode = code;
        firstChar = first;
        pos += n;
    }

    result.pixels = qMin(pos, pixelCount);
    std::memset(out + result.pixels, 0, size_t(pixelCount - result.pixels));
    return result;
}
