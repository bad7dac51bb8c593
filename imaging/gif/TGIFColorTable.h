#pragma once

#include "TColor.h"

#include <array>

// A GIF colour table: up to 256 RGB triples in file order and the number of entries in use
// (0 when there is no table).
struct TGIFColorTable {
    quint32 count = 0;
    std::array<quint8, 768> rgb {};

    TColor color(int index) const
    {
        const quint8 *p = rgb.data() + 3 * index;
        return TColor(p[0] | (p[1] << 8) | (p[2] << 16));
    }
    void setColor(int index, TColor color);
    // First entry holding exactly this colour, -1 when there is none (or color is clNone).
    int indexOf(TColor color) const;
    // The table as Qt colour-table entries, padded to size entries with pad.
    QList<QRgb> toRgbList(int size, QRgb pad) const;

    bool operator==(const TGIFColorTable &other) const;
    bool operator!=(const TGIFColorTable &other) const { return !(*this == other); }
};

// n with 2^n == count for the counts a GIF table may have (2..256), 0 otherwise.
int gifTableBits(quint32 count);
