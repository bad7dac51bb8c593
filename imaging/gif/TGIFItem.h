#pragma once

#include "TGIFColorTable.h"

#include <QByteArray>
#include <QSharedData>

// Per-frame data shared between copies of a frame: the compressed pixels exactly as read
// (minimum code size byte, then the data sub-blocks, terminator included when present) and
// the frame's colour table.
class TGIFItem : public QSharedData {
public:
    QByteArray data;
    // Where data began in the stream it was read from, for messages; -1 for data made here.
    qint64 streamOffset = -1;
    int bitsPerPixel = 0;
    int width = 0;
    int height = 0;
    quint8 packed = 0; // image descriptor's packed fields as read
    TGIFColorTable colorTable;
};
