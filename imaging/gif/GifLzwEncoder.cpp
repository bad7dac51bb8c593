#include "GifLzwEncoder.h"

#include <QtEndian>

#include <cstring>
#include <memory>

namespace {

constexpr int kResetCode = 4094;

// The string table of pictures of up to 16 colours: the code of (prefix, pixel) sits at
// prefix << minCodeSize | pixel, so a lookup is one load and the chain from one pixel's lookup
// to the next is short. The table is never cleared: an entry counts only when its code has
// been handed out since the last reset and was handed out for this very (prefix, pixel).
class DirectTable {
public:
    DirectTable(int minCodeSize, qsizetype count)
        : m_shift(minCodeSize)
        , m_firstFree((1 << minCodeSize) + 2)
    {
        // Prefixes stay below 4095 and below the number of codes the frame can make.
        const qsizetype prefixes = qMin<qsizetype>(4095, (1 << minCodeSize) + 2 + count);
        m_child.reset(new quint16[size_t(prefixes << minCodeSize)]());
    }

    int find(int prefix, int pixel, int nextCode)
    {
        m_index = quint32(prefix) << m_shift | quint32(pixel);
        const int code = m_child[m_index];
        // Handed out since the last reset: firstFree <= code <= nextCode.
        const bool current = unsigned(code - m_firstFree) < unsigned(nextCode - m_firstFree + 1);
        return current && m_key[code] == m_index ? code : -1;
    }
    // Enters the (prefix, pixel) of the last unsuccessful find.
    void insert(int code)
    {
        m_child[m_index] = quint16(code);
        m_key[code] = m_index;
    }
    void clear() { }

private:
    const int m_shift;
    const int m_firstFree;
    std::unique_ptr<quint16[]> m_child;
    quint32 m_key[4096]; // index of the entry each code was handed out for; read once written
    quint32 m_index = 0;
};

// The string table of deeper pictures: open addressing over a power-of-two number of slots,
// never more than a quarter full (a frame of n pixels makes fewer than n strings; a table
// holds at most 4094). A slot holds (key + 1) << 12 | code with key = prefix << 8 | pixel, 0
// when empty; prefixes stay below 4095, so key + 1 fits in 20 bits.
class HashTable {
public:
    explicit HashTable(qsizetype count)
    {
        int bits = 6;
        while (bits < 14 && (qsizetype(1) << bits) < 4 * count)
            ++bits;
        m_mask = (1u << bits) - 1;
        m_shift = 32 - bits;
        m_slots.reset(new quint32[size_t(m_mask) + 1]());
    }

    int find(int prefix, int pixel, int)
    {
        const quint32 key = quint32(prefix) << 8 | quint32(pixel);
        m_tag = (key + 1) << 12;
        quint32 slot = (key * 0x9E3779B1u) >> m_shift;
        for (;;) {
            const quint32 v = m_slots[slot];
            if ((v & ~0xFFFu) == m_tag) // v != 0: m_tag is not 0
                return int(v & 0xFFF);
            if (v == 0) {
                m_slot = slot;
                return -1;
            }
            slot = (slot + 1) & m_mask;
        }
    }
    void insert(int code) { m_slots[m_slot] = m_tag | quint32(code); }
    void clear() { std::memset(m_slots.get(), 0, sizeof(quint32) * (size_t(m_mask) + 1)); }

private:
    std::unique_ptr<quint32[]> m_slots;
    quint32 m_mask = 0;
    int m_shift = 0;
    quint32 m_tag = 0;
    quint32 m_slot = 0;
};

// Cuts a run of packed codes into 255-byte sub-blocks, which gives the same bytes as flushing a
// 255-byte block whenever 2,040 bits have gathered, and a terminator.
void appendSubBlocks(QByteArray &out, const uchar *bytes, qsizetype n)
{
    out.reserve(out.size() + n + n / 255 + 2);
    for (qsizetype p = 0; p < n; p += 255) {
        const int len = int(qMin<qsizetype>(255, n - p));
        out.append(char(len));
        out.append(reinterpret_cast<const char *>(bytes) + p, len);
    }
    out.append('\0');
}

template <typename Table>
void encode(Table &table, const uchar *pixels, qsizetype count, int minCodeSize, QByteArray &out,
    int rowWidth, const std::function<void(int)> &rowDone)
{
    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;
    const int initialWidth = minCodeSize + 1;

    // Codes are packed least-significant bit first into whole words: at most one code of at
    // most 12 bits per pixel, a clear code per table of more than 1,000 codes, the first
    // clear code and the end code.
    const qsizetype words = (count + count / 1000 + 8) * 12 / 32 + 4;
    std::unique_ptr<quint32[]> packed(new quint32[size_t(words)]);
    quint32 *word = packed.get();
    quint64 acc = 0;
    int bits = 0;
    auto put = [&](int code, int width) {
        acc |= quint64(code) << bits;
        bits += width;
        if (bits >= 32) {
            *word++ = qToLittleEndian(quint32(acc));
            acc >>= 32;
            bits -= 32;
        }
    };

    out.append(char(minCodeSize));
    int width = initialWidth;
    int capacity = 1 << width;
    int nextCode = endCode; // the last code handed out
    int prefix = -1; // none: the next pixel starts a string
    put(clearCode, width);

    // Rows only matter to the progress callback; without one the pixels are one run.
    const bool reportRows = rowWidth > 0 && rowDone;
    const qsizetype step = reportRows ? rowWidth : qMax<qsizetype>(count, 1);
    int rows = 0;
    for (qsizetype start = 0; start < count; start += step) {
        const uchar *p = pixels + start;
        const uchar *const end = pixels + qMin(count, start + step);
        if (prefix < 0 && p < end)
            prefix = *p++;
        while (p < end) {
            const int pixel = *p++;
            const int code = table.find(prefix, pixel, nextCode);
            if (code >= 0) {
                prefix = code;
                continue;
            }
            put(prefix, width);
            table.insert(++nextCode);
            prefix = pixel;
            if (nextCode == capacity) {
                capacity <<= 1;
                ++width;
            } else if (nextCode >= kResetCode) {
                // The pixel that did not fit is written alone, then the table starts over.
                put(prefix, width);
                put(clearCode, width);
                nextCode = endCode;
                width = initialWidth;
                capacity = 1 << width;
                table.clear();
                prefix = p < end ? *p++ : -1;
            }
        }
        if (reportRows)
            rowDone(++rows);
    }
    if (prefix >= 0)
        put(prefix, width);
    put(endCode, width);
    auto *tail = reinterpret_cast<uchar *>(word);
    for (; bits > 0; bits -= 8, acc >>= 8)
        *tail++ = uchar(acc);
    const qsizetype n = tail - reinterpret_cast<const uchar *>(packed.get());
    appendSubBlocks(out, reinterpret_cast<const uchar *>(packed.get()), n);
}

} // namespace

void gifLzwEncode(const uchar *pixels, qsizetype count, int minCodeSize, QByteArray &out,
    int rowWidth, const std::function<void(int)> &rowDone)
{
    // The direct table of a small frame would cost more to set up than it saves.
    if (minCodeSize <= 4 && count >= 65536) {
        auto table = std::make_unique<DirectTable>(minCodeSize, count);
        encode(*table, pixels, count, minCodeSize, out, rowWidth, rowDone);
    } else {
        HashTable table(count);
        encode(table, pixels, count, minCodeSize, out, rowWidth, rowDone);
    }
}
