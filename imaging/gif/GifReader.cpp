#include "GifReader.h"

#include "TGIFImage.h"

#include <QIODevice>
#include <QtEndian>

#include <cstring>

namespace {

constexpr quint8 kExtensionIntroducer = '!';
constexpr quint8 kImageSeparator = ',';
constexpr quint8 kTrailer = ';';

constexpr quint8 kGraphicControlLabel = 0xF9;
constexpr quint8 kCommentLabel = 0xFE;
constexpr quint8 kPlainTextLabel = 0x01;
constexpr quint8 kApplicationLabel = 0xFF;

// Fixed bytes after the label, the block-size byte included.
constexpr int kGraphicControlSize = 6;
constexpr int kPlainTextSize = 13;
constexpr int kApplicationSize = 12;

constexpr int kHeaderSize = 6;
constexpr quint16 kMaxRepeatCount = 30000;

// A read of a device that gives nothing this many times in a row although the device said
// more had come is taken as its end, so that a misbehaving device cannot spin the read.
constexpr int kMaxEmptyReads = 100;

bool isLoopExtension(const QByteArray &header, const QByteArrayList &lines)
{
    if (lines.isEmpty())
        return false;
    const int n = qMin(int(quint8(header.at(0))), 11);
    const QByteArray id = header.mid(1, n);
    if (id != QByteArray("NETSCAPE2.0").left(n) && id != QByteArray("ANIMEXTS1.0").left(n))
        return false;
    const QByteArray &first = lines.first();
    return first.size() >= 3 && first.at(0) == 1;
}

// Appends up to want bytes (all there are when want is negative) of device to out, waiting
// for a sequential device to deliver more until it reports its end.
void appendFromDevice(QIODevice &device, QByteArray &out, qint64 want)
{
    constexpr qint64 kChunk = 64 * 1024;
    if (!device.isSequential())
        out.reserve(want < 0 ? device.bytesAvailable() : qMin(want, device.bytesAvailable()));
    int emptyReads = 0;
    while (want < 0 || out.size() < want) {
        const qint64 ask = want < 0 ? kChunk : qMin(kChunk, want - out.size());
        const qsizetype old = out.size();
        out.resize(old + ask);
        const qint64 got = device.read(out.data() + old, ask);
        out.resize(old + qMax<qint64>(got, 0));
        if (got > 0) {
            emptyReads = 0;
            continue;
        }
        // -1: a sequential device that has closed, or an error. 0 from a random-access
        // device: its end. 0 from a sequential one: nothing yet.
        if (got < 0 || !device.isSequential() || ++emptyReads > kMaxEmptyReads)
            break;
        if (device.bytesAvailable() == 0 && !device.waitForReadyRead(GifReader::kDeviceWaitMs))
            break;
    }
}

} // namespace

GifReader::GifReader(TGIFImage &image, const QByteArray &bytes)
    : m_image(image)
    , m_bytes(bytes)
    , m_data(reinterpret_cast<const uchar *>(bytes.constData()))
    , m_size(bytes.size())
    , m_strict(!image.options().acceptDamaged)
{
}

QByteArray GifReader::readDevice(QIODevice &device)
{
    QByteArray bytes;
    appendFromDevice(device, bytes, -1);
    return bytes;
}

QByteArray GifReader::readDevice(QIODevice &device, qint64 count)
{
    QByteArray bytes;
    appendFromDevice(device, bytes, count);
    if (bytes.size() != count)
        throw gifError(GifError::StreamRead);
    return bytes;
}

void GifReader::read()
{
    if (m_size == 0) {
        // An empty stream is an empty picture (a layout may store one), but it holds no GIF.
        if (m_strict)
            throw gifError(GifError::EmptyStream);
        return;
    }
    readHeader();
    readScreen();
    readBlocks();
}

void GifReader::readHeader()
{
    const uchar *sig = take(kHeaderSize, GifPiece::Header);
    const QByteArray signature = QByteArray(reinterpret_cast<const char *>(sig), 3).toUpper();
    const QByteArray version = QByteArray(reinterpret_cast<const char *>(sig) + 3, 3).toLower();
    if (signature != "GIF")
        throw gifError(GifError::UnknownVersion);
    if (version == "87a")
        m_image.m_version = TGIFImage::Version87a;
    else if (version == "89a")
        m_image.m_version = TGIFImage::Version89a;
    else
        throw gifError(GifError::UnknownVersion);
}

void GifReader::readScreen()
{
    TGIFData &header = *m_image.d;
    m_image.m_screenWidth = word(GifPiece::ScreenDescriptor);
    m_image.m_screenHeight = word(GifPiece::ScreenDescriptor);
    const quint8 packed = byte(GifPiece::ScreenDescriptor);
    const quint8 backgroundIndex = byte(GifPiece::ScreenDescriptor);
    header.aspectRatio = byte(GifPiece::ScreenDescriptor);
    header.bitsPerPixel = (packed & 7) + 1;
    header.colorResolution = ((packed >> 4) & 7) + 1;
    if (packed & 0x80) {
        colorTable(header.colorTable, header.bitsPerPixel, GifPiece::GlobalColorTable);
        header.backgroundIndex = backgroundIndex;
        if (backgroundIndex < header.colorTable.count)
            m_image.m_backgroundColor = header.colorTable.color(backgroundIndex);
    }
}

void GifReader::readBlocks()
{
    quint8 sep = nextBlock();
    while (sep != kTrailer && sep != 0) {
        if (atEnd()) {
            // A block's first byte is the last byte of the data.
            if (m_strict && sep == kExtensionIntroducer)
                dataEnds(GifPiece::Extension);
            if (m_strict && sep == kImageSeparator) {
                m_frame = m_image.frameCount();
                dataEnds(GifPiece::ImageDescriptor);
            }
            break;
        }
        QList<TExtension> run;
        if (sep == kExtensionIntroducer)
            sep = readExtensionRun(run);

        if (sep == kImageSeparator) {
            readFrame(run);
            sep = nextBlock();
            // Anything but another block or the trailer ends the read without error.
            if (sep != kExtensionIntroducer && sep != kImageSeparator && sep != kTrailer)
                sep = 0;
        } else if (m_image.d->comment.isEmpty() && !run.isEmpty()) {
            keepComment(run);
        } else if (sep != 0 && sep != kTrailer) {
            throw gifError(GifError::StreamRead);
        }
    }
}

quint8 GifReader::readExtensionRun(QList<TExtension> &run)
{
    quint8 sep = kExtensionIntroducer;
    while (sep == kExtensionIntroducer) {
        const quint8 label = byte(GifPiece::Extension);
        switch (label) {
        case kGraphicControlLabel: {
            TExtension ext(TExtension::GraphicControl);
            ext.header = bytes(kGraphicControlSize, GifPiece::Extension);
            run.append(ext);
            break;
        }
        case kCommentLabel: {
            TExtension ext(TExtension::Comment);
            ext.lines = subBlocks();
            run.append(ext);
            break;
        }
        case kPlainTextLabel:
            // Text drawn over the picture is not kept, and neither is what came before it.
            take(kPlainTextSize, GifPiece::Extension);
            subBlocks();
            run.clear();
            break;
        case kApplicationLabel:
            readApplicationExtension();
            break;
        default:
            throw gifError(GifError::UnknownExtension,
                QStringLiteral("%1").arg(uint(label), 2, 16, QLatin1Char('0')));
        }
        sep = nextBlock();
    }
    return sep;
}

// Only inspected for a loop count.
void GifReader::readApplicationExtension()
{
    const QByteArray header = bytes(kApplicationSize, GifPiece::Extension);
    const QByteArrayList lines = subBlocks();
    if (!isLoopExtension(header, lines))
        return;
    m_image.m_looping = true;
    const QByteArray &first = lines.first();
    m_image.m_repeatCount
        = qMin<quint16>(quint8(first.at(1)) | (quint8(first.at(2)) << 8), kMaxRepeatCount);
}

void GifReader::readFrame(const QList<TExtension> &extensions)
{
    m_frame = m_image.frameCount();
    auto frame = std::make_unique<TGIFFrame>(&m_image);
    TGIFItem &item = frame->itemForWrite();
    const TGIFData &header = *m_image.d;
    if (header.colorTable.count > 0) {
        item.bitsPerPixel = gifTableBits(header.colorTable.count);
        if (item.bitsPerPixel == 0)
            throw gifError(GifError::ColorCount);
    }
    frame->extensions = extensions;

    frame->left = word(GifPiece::ImageDescriptor);
    frame->top = word(GifPiece::ImageDescriptor);
    item.width = word(GifPiece::ImageDescriptor);
    item.height = word(GifPiece::ImageDescriptor);
    item.packed = byte(GifPiece::ImageDescriptor);
    if (item.width == 0)
        item.width = m_image.m_screenWidth;
    if (item.height == 0)
        item.height = m_image.m_screenHeight;
    frame->interlaced = item.packed & 0x40;
    if (item.packed & 0x80) {
        item.bitsPerPixel = (item.packed & 7) + 1;
        colorTable(item.colorTable, item.bitsPerPixel, GifPiece::LocalColorTable);
        frame->localTable = true;
    } else {
        item.colorTable = header.colorTable;
    }

    readFrameData(*frame);
    if (frame->corrupted)
        m_image.m_corrupted = true;
    frame->applyExtensions();
    m_image.m_frames.push_back(std::move(frame));
    m_frame = -1;
}

// The frame's compressed data as read: the code size byte and the sub-blocks, the terminator
// included when there is one. A block cut short keeps what the stream holds of it and marks
// the frame corrupted; data that stops at a block boundary is left to the decoder to judge.
void GifReader::readFrameData(TGIFFrame &frame)
{
    const qsizetype start = m_pos;
    take(1, GifPiece::Image); // minimum code size
    bool terminated = false;
    while (!atEnd()) {
        const int len = m_data[m_pos++];
        if (len == 0) {
            terminated = true;
            break;
        }
        if (len > remaining()) {
            frame.corrupted = true;
            m_pos = m_size;
            break;
        }
        m_pos += len;
    }
    if (!terminated && m_strict)
        dataEnds(GifPiece::Image);
    TGIFItem &item = frame.itemForWrite();
    item.data = QByteArray(m_bytes.constData() + start, m_pos - start);
    item.streamOffset = start;
}

void GifReader::keepComment(const QList<TExtension> &run)
{
    QByteArrayList &comment = m_image.d->comment;
    bool first = true;
    for (const TExtension &ext : run) {
        if (ext.kind() != TExtension::Comment)
            continue;
        if (!first)
            comment.append(QByteArrayLiteral("\r\n\r\n"));
        comment.append(ext.lines);
        first = false;
    }
}

quint8 GifReader::nextBlock()
{
    while (m_pos < m_size) {
        const quint8 b = m_data[m_pos++];
        if (b != 0)
            return b;
    }
    if (m_strict)
        throw gifError(GifError::NoTrailer, gifOffsetText(m_size));
    return kTrailer;
}

const uchar *GifReader::take(qsizetype n, GifPiece piece)
{
    if (n > remaining())
        dataEnds(piece);
    const uchar *p = m_data + m_pos;
    m_pos += n;
    return p;
}

quint16 GifReader::word(GifPiece piece)
{
    return qFromLittleEndian<quint16>(take(2, piece));
}

QByteArray GifReader::bytes(qsizetype n, GifPiece piece)
{
    return QByteArray(reinterpret_cast<const char *>(take(n, piece)), n);
}

QByteArrayList GifReader::subBlocks()
{
    QByteArrayList lines;
    while (!atEnd()) {
        const int len = byte(GifPiece::Extension);
        if (len == 0)
            return lines;
        lines.append(bytes(len, GifPiece::Extension));
    }
    if (m_strict)
        dataEnds(GifPiece::Extension);
    return lines;
}

void GifReader::colorTable(TGIFColorTable &table, int bits, GifPiece piece)
{
    table.count = 1u << bits;
    std::memcpy(table.rgb.data(), take(3 * qsizetype(table.count), piece), 3 * table.count);
}

void GifReader::dataEnds(GifPiece piece) const
{
    throw gifDataEnds(piece, m_size, m_frame);
}
