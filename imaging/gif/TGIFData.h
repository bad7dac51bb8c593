#pragma once

#include "TGIFColorTable.h"

#include <QByteArrayList>
#include <QSharedData>

// Header data of a GIF image, shared between copies of the image.
class TGIFData : public QSharedData {
public:
    QByteArrayList comment;
    quint8 aspectRatio = 0;
    int bitsPerPixel = 0; // of the global colour table, 1..8
    int colorResolution = 0;
    TGIFColorTable colorTable;
    // The background index as read; kept so that an unchanged image is written back with the
    // same index when several entries share the background colour.
    int backgroundIndex = -1;
};
