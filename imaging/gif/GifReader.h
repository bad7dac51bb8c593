#pragma once

#include "GifErrors.h"
#include "TExtension.h"

#include <QByteArray>
#include <QList>

class QIODevice;
class TGIFFrame;
class TGIFImage;
struct TGIFColorTable;

// Reads one GIF stream, held whole in memory, into an image, a stage at a time: the header,
// the logical screen, then the blocks up to the trailer (extension runs, frames, a trailing
// comment). A stream that ends inside a piece fails with where it ended; a strict read (the
// image's acceptDamaged option off) also fails for a frame's data or an extension cut short
// and for a stream that ends before its trailer, which a lenient read takes as they are.
class GifReader {
public:
    GifReader(TGIFImage &image, const QByteArray &bytes);

    // Fills the freshly reset image. On failure the frames read so far stay.
    void read();

    // The rest of a device. A sequential device may deliver its bytes in pieces: this waits
    // for more until the device reports its end (or stays silent for kDeviceWaitMs).
    static QByteArray readDevice(QIODevice &device);
    // Exactly count bytes of a device, waiting for pieces as readDevice does; fails with the
    // stream-read error when the device ends before.
    static QByteArray readDevice(QIODevice &device, qint64 count);

    static constexpr int kDeviceWaitMs = 30000;

private:
    void readHeader();
    void readScreen();
    void readBlocks();
    // Extensions from "!" on; returns the separator after them. Kept extensions go to run.
    quint8 readExtensionRun(QList<TExtension> &run);
    void readApplicationExtension();
    void readFrame(const QList<TExtension> &extensions);
    void readFrameData(TGIFFrame &frame);
    void keepComment(const QList<TExtension> &run);

    // The first byte of the next block, zero bytes skipped. Where the data ends instead, a
    // lenient read takes it for the trailer and a strict one fails.
    quint8 nextBlock();

    bool atEnd() const { return m_pos >= m_size; }
    qsizetype remaining() const { return m_size - m_pos; }
    // n bytes of the piece being read; fails with where the data ends when they are not there.
    const uchar *take(qsizetype n, GifPiece piece);
    quint8 byte(GifPiece piece) { return *take(1, piece); }
    quint16 word(GifPiece piece);
    QByteArray bytes(qsizetype n, GifPiece piece);
    // Data sub-blocks, one string each, until a zero length or the end of the data.
    QByteArrayList subBlocks();
    void colorTable(TGIFColorTable &table, int bits, GifPiece piece);
    [[noreturn]] void dataEnds(GifPiece piece) const;

    TGIFImage &m_image;
    const QByteArray &m_bytes;
    const uchar *m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
    bool m_strict;
    int m_frame = -1; // index of the frame being read, for messages
};
