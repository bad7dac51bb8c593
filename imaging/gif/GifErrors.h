#pragma once

#include "Exception.h"

#include <QString>

// Every message the GIF code raises, named, with its text kept once in GifErrors.cpp. The
// failures are of the framework's invalid-graphic-operation kind.
enum class GifError {
    StreamRead, // shorter than its own count says; a stray byte where a block must start
    StreamWrite,
    UnknownVersion,
    UnknownExtension, // %1: the label as two hexadecimal digits
    CodeSizeRange,
    CorruptData,
    ColorCount,
    CannotResize,
    NoData,
    Encoding,
    FrameTooLarge, // %1 x %2 pixels
    DecodedBudget, // %1: the image's budget of decoded pixels
    UnsupportedClipboard,
    EmptyStream,
    DataEnds, // %1: where (gifWhere), %2: the piece (a GifPiece)
    NoTrailer, // %1: offset
    EndCodeEarly, // %1: where: the frame and the offset of its image data
    Count
};

// The pieces of a stream that a truncation can cut, as named in DataEnds.
enum class GifPiece {
    Header,
    ScreenDescriptor,
    GlobalColorTable,
    Extension,
    ImageDescriptor,
    LocalColorTable,
    Image,
    Count
};

QString gifMessage(GifError error);

EInvalidGraphicOperation gifError(GifError error);
EInvalidGraphicOperation gifError(GifError error, const QString &a);
EInvalidGraphicOperation gifError(GifError error, const QString &a, const QString &b);

// The stream ended inside a piece. frame is the index of the frame being read, or -1 when
// the piece belongs to no frame; offset is where the data ends.
EInvalidGraphicOperation gifDataEnds(GifPiece piece, qint64 offset, int frame = -1);

// "frame 3 at byte 1,204", either part left out when frame or offset is negative.
QString gifWhere(int frame, qint64 offset);

// A byte offset as the messages write it: 1,204.
QString gifOffsetText(qint64 offset);
