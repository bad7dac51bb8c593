#include "GifReferenceDecoder.h"

namespace {

// Reads codes least-significant bit first, refilling from one sub-block at a time.
class CodeReader {
public:
    CodeReader(const uchar *data, qsizetype size)
        : m_data(data)
        , m_size(size)
    {
    }

    // False when the data holds fewer than width more bits.
    bool read(int width, int &code)
    {
        while (m_bits < width) {
            if (m_blockLeft == 0) {
                if (m_done || m_pos >= m_size)
                    return false;
                m_blockLeft = m_data[m_pos++];
                if (m_blockLeft == 0) {
                    m_done = true;
                    return false;
                }
            }
            if (m_pos >= m_size)
                return false;
            m_buffer |= quint32(m_data[m_pos++]) << m_bits;
            m_bits += 8;
            --m_blockLeft;
        }
        code = int(m_buffer & ((1u << width) - 1));
        m_buffer >>= width;
        m_bits -= width;
        return true;
    }

private:
    const uchar *m_data;
    qsizetype m_size;
    qsizetype m_pos = 1;
    int m_blockLeft = 0;
    bool m_done = false;
    quint32 m_buffer = 0;
    int m_bits = 0;
};

} // namespace

GifLzwResult gifReferenceDecode(const uchar *data, qsizetype size, int bitsPerPixel,
    std::vector<uchar> &out, qsizetype pixelCount)
{
    GifLzwResult result;
    out.assign(size_t(pixelCount), 0);
    if (size < 1) {
        result.dataEnded = pixelCount > 0;
        return result;
    }
    int minCodeSize = data[0];
    if (minCodeSize < 2 || minCodeSize > 9) {
        result.codeSizeOutOfRange = true;
        minCodeSize = minCodeSize < 2 ? 2 : 9;
    }
    std::vector<quint16> prefix(4096, 0), suffix(4096, 0), stack(4097, 0);
    const int clear = 1 << minCodeSize, end = clear + 1, mask = (1 << bitsPerPixel) - 1;
    int width = minCodeSize + 1, freeCode = clear + 2, maxCode = 1 << width;
    bool frozen = false, haveOld = false;
    int oldCode = 0, firstChar = 0;
    qsizetype pos = 0;
    CodeReader reader(data, size);

    auto emit = [&](int pixel) {
        if (pos < pixelCount)
            out[size_t(pos)] = uchar(pixel);
        ++pos;
    };

    while (pos < pixelCount) {
        int code;
        if (!reader.read(width, code)) {
            result.dataEnded = true;
            break;
        }
        if (code == end) {
            result.endedEarly = true;
            break;
        }
        if (code == clear) {
            width = minCodeSize + 1;
            freeCode = clear + 2;
            maxCode = 1 << width;
            frozen = false;
            haveOld = false;
            continue;
        }
        if (!haveOld) {
            if (code > end)
                result.unknownCode = true;
            firstChar = code & mask;
            emit(firstChar);
            oldCode = code;
            haveOld = true;
            continue;
        }
        const int inCode = code;
        int sp = 0;
        bool overflow = false;
        auto push = [&](int v) {
            if (sp >= 4096) {
                overflow = true;
                return;
            }
            stack[size_t(sp++)] = quint16(v);
        };
        if (code > freeCode)
            result.unknownCode = true;
        if (code >= freeCode) {
            push(firstChar);
            code = oldCode;
        }
        while (code >= clear && !overflow) {
            push(suffix[size_t(code)]);
            code = prefix[size_t(code)];
        }
        if (!overflow)
            push(code & mask);
        if (overflow) {
            result.stackOverflow = true;
            break;
        }
        firstChar = code & mask;
        if (!frozen) {
            prefix[size_t(freeCode)] = quint16(oldCode);
            suffix[size_t(freeCode)] = quint16(firstChar);
            ++freeCode;
            if (freeCode >= maxCode) {
                if (width < 12) {
                    ++width;
                    maxCode <<= 1;
                } else {
                    frozen = true;
                }
            }
        }
        oldCode = inCode;
        while (sp > 0 && pos < pixelCount)
            emit(stack[size_t(--sp)]);
    }
    result.pixels = pos < pixelCount ? pos : pixelCount;
    return result;
}
