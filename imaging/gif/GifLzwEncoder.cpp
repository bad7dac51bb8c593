#include "GifLzwEncoder.h"

#include <cstring>
#include <memory>

namespace {

constexpr int kHashSize = 17777;
constexpr int kResetCode = 4094;

// Packs codes least-significant bit first into a flat byte run; the run is cut into
// 255-byte sub-blocks at the end, which gives the same bytes as flushing a 255-byte block
// whenever 2,040 bits have gathered.
class CodePacker {
public:
    explicit CodePacker(qsizetype expected) { m_bytes.reserve(expected); }

    void put(int code, int width)
    {
        m_acc |= quint64(code) << m_bits;
        m_bits += width;
        if (m_bits >= 32) {
            const quint32 low = quint32(m_acc);
            const char b[4] = { char(low), char(low >> 8), char(low >> 16), char(low >> 24) };
            m_bytes.append(b, 4);
            m_acc >>= 32;
            m_bits -= 32;
        }
    }

    void finish(QByteArray &out)
    {
        while (m_bits > 0) {
            m_bytes.append(char(m_acc & 0xFF));
            m_acc >>= 8;
            m_bits -= 8;
        }
        const qsizetype n = m_bytes.size();
        out.reserve(out.size() + n + n / 255 + 2);
        for (qsizetype p = 0; p < n; p += 255) {
            const int len = int(qMin<qsizetype>(255, n - p));
            out.append(char(len));
            out.append(m_bytes.constData() + p, len);
        }
        out.append('\0');
    }

private:
    QByteArray m_bytes;
    quint64 m_acc = 0;
    int m_bits = 0;
};

} // namespace

void gifLzwEncode(const uchar *pixels, qsizetype count, int minCodeSize, QByteArray &out,
    int rowWidth, const std::function<void(int)> &rowDone)
{
    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;
    const int initialWidth = minCodeSize + 1;

    // A slot holds (prefix << 8 | pixel) + 1, 0 when empty; the node's code sits beside it.
    std::unique_ptr<quint32[]> slotKey(new quint32[kHashSize]());
    std::unique_ptr<quint16[]> slotCode(new quint16[kHashSize]);

    CodePacker packer(count / 2 + 16);
    out.append(char(minCodeSize));

    int width = initialWidth;
    int capacity = 1 << width;
    int nextCode = endCode;
    int prefix = 0;
    int counter = 0;
    qint32 hash = 0;
    packer.put(clearCode, width);

    qsizetype rowEnd = rowWidth > 0 && rowDone ? rowWidth : -1;
    int rows = 0;
    for (qsizetype i = 0; i < count; ++i) {
        const int p = pixels[i];
        if (i == rowEnd) {
            rowDone(++rows);
            rowEnd += rowWidth;
        }
        if (++counter == 1) {
            prefix = p;
            hash = (p + 3) * 301;
            continue;
        }
        hash = ((p + counter + 4) * hash) % kHashSize;
        const quint32 key = (quint32(prefix) << 8 | quint32(p)) + 1;
        int slot = hash;
        while (slotKey[slot] != 0 && slotKey[slot] != key)
            slot = slot == kHashSize - 1 ? 0 : slot + 1;
        if (slotKey[slot] == key) {
            prefix = slotCode[slot];
            continue;
        }
        packer.put(prefix, width);
        ++nextCode;
        slotKey[slot] = key;
        slotCode[slot] = quint16(nextCode);
        prefix = p;
        hash = (p + 3) * 301;
        counter = 1;
        if (nextCode == capacity) {
            capacity <<= 1;
            ++width;
        } else if (nextCode >= kResetCode) {
            packer.put(prefix, width);
            packer.put(clearCode, width);
            counter = 0;
            nextCode = endCode;
            width = initialWidth;
            capacity = 1 << width;
            std::memset(slotKey.get(), 0, sizeof(quint32) * kHashSize);
        }
    }
    if (rowEnd == count)
        rowDone(++rows);
    // After a reset on the very last pixel that pixel has already been written.
    if (counter > 0)
        packer.put(prefix, width);
    packer.put(endCode, width);
    packer.finish(out);
}
