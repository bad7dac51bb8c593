#include "GifReferenceEncoder.h"

#include <cstring>
#include <vector>

namespace {

constexpr int kHashSize = 17777;

class BitBuffer {
public:
    explicit BitBuffer(QByteArray &out)
        : m_out(out)
    {
    }

    void put(int code, int width)
    {
        for (int k = 0; k < width; ++k, ++m_bit) {
            if ((code >> k) & 1)
                m_buffer[m_bit >> 3] |= uchar(1 << (m_bit & 7));
        }
        if (m_bit >= 2040) {
            m_out.append(char(255));
            m_out.append(reinterpret_cast<const char *>(m_buffer), 255);
            uchar rest[5];
            std::memcpy(rest, m_buffer + 255, 5);
            std::memset(m_buffer, 0, sizeof m_buffer);
            std::memcpy(m_buffer, rest, 5);
            m_bit -= 2040;
        }
    }

    void flush()
    {
        const int bytes = (m_bit + 7) / 8;
        if (bytes > 0) {
            m_out.append(char(bytes));
            m_out.append(reinterpret_cast<const char *>(m_buffer), bytes);
        }
        m_out.append('\0');
    }

private:
    QByteArray &m_out;
    uchar m_buffer[260] = {};
    int m_bit = 0;
};

struct Node {
    int prefix, code, suffix;
};

} // namespace

QByteArray gifReferenceEncode(const uchar *pixels, qsizetype count, int minCodeSize)
{
    QByteArray out(1, char(minCodeSize));
    BitBuffer bits(out);
    const int clear = 1 << minCodeSize, end = clear + 1, initialWidth = minCodeSize + 1;
    std::vector<int> slotNode(kHashSize, -1); // node index, -1 when empty
    std::vector<Node> nodes;
    int width = initialWidth, capacity = 1 << width, nextCode = end;
    int prefix = 0, counter = 0;
    qint64 hash = 0;
    bits.put(clear, width);
    for (qsizetype i = 0; i < count; ++i) {
        const int p = pixels[i];
        if (++counter == 1) {
            prefix = p;
            hash = (p + 3) * 301;
            continue;
        }
        hash = ((p + counter + 4) * hash) % kHashSize;
        int slot = int(hash);
        while (slotNode[size_t(slot)] >= 0) {
            const Node &n = nodes[size_t(slotNode[size_t(slot)])];
            if (n.prefix == prefix && n.suffix == p)
                break;
            slot = slot == kHashSize - 1 ? 0 : slot + 1;
        }
        if (slotNode[size_t(slot)] >= 0) {
            prefix = nodes[size_t(slotNode[size_t(slot)])].code;
            continue;
        }
        bits.put(prefix, width);
        ++nextCode;
        slotNode[size_t(slot)] = int(nodes.size());
        nodes.push_back({ prefix, nextCode, p });
        prefix = p;
        hash = (p + 3) * 301;
        counter = 1;
        if (nextCode == capacity) {
            capacity <<= 1;
            ++width;
        } else if (nextCode >= 4094) {
            bits.put(prefix, width);
            bits.put(clear, width);
            counter = 0;
            nextCode = end;
            width = initialWidth;
            capacity = 1 << width;
            slotNode.assign(kHashSize, -1);
            nodes.clear();
        }
    }
    if (counter > 0)
        bits.put(prefix, width);
    bits.put(end, width);
    bits.flush();
    return out;
}
