#include "TGIFColorTable.h"

#include <cstring>

void TGIFColorTable::setColor(int index, TColor color)
{
    quint8 *p = rgb.data() + 3 * index;
    p[0] = quint8(color);
    p[1] = quint8(color >> 8);
    p[2] = quint8(color >> 16);
}

int TGIFColorTable::indexOf(TColor color) const
{
    if (color == Colors::clNone)
        return -1;
    for (quint32 i = 0; i < count && i < 256; ++i) {
        if (this->color(int(i)) == color)
            return int(i);
    }
    return -1;
}

QList<QRgb> TGIFColorTable::toRgbList(int size, QRgb pad) const
{
    QList<QRgb> list(size, pad);
    QRgb *out = list.data(); // detached once, not per entry
    const int n = qMin<int>(size, qMin<quint32>(count, 256));
    const quint8 *in = rgb.data();
    for (int i = 0; i < n; ++i, in += 3)
        out[i] = qRgb(in[0], in[1], in[2]);
    return list;
}

bool TGIFColorTable::operator==(const TGIFColorTable &other) const
{
    const quint32 n = qMin<quint32>(count, 256);
    return count == other.count && std::memcmp(rgb.data(), other.rgb.data(), 3 * n) == 0;
}

int gifTableBits(quint32 count)
{
    for (int n = 1; n <= 8; ++n) {
        if (count == (1u << n))
            return n;
    }
    return 0;
}
