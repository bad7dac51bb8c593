#include "TGIFImage.h"

#include "GifErrors.h"
#include "GifLzwDecoder.h"
#include "GifReader.h"
#include "TBitmap.h"
#include "TPicture.h"
#include "TPictureTwin.h"

#include <QFile>
#include <QIODevice>
#include <QMimeData>
#include <QPainter>
#include <QtEndian>

bool AcceptDamagedGif = TGIFImage::Options().acceptDamaged;
qint64 GifMaxFramePixels = TGIFImage::Options().maxFramePixels;
qint64 GifMaxDecodedPixels = TGIFImage::Options().maxDecodedPixels;

TGIFImage::Options TGIFImage::Options::defaults()
{
    Options options;
    options.acceptDamaged = AcceptDamagedGif;
    options.maxFramePixels = GifMaxFramePixels;
    options.maxDecodedPixels = GifMaxDecodedPixels;
    return options;
}

namespace {

void putWord(QByteArray &out, int value)
{
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

void putColorTable(QByteArray &out, const TGIFColorTable &table, quint32 entries)
{
    const quint32 stored = qMin<quint32>(table.count, entries);
    out.append(reinterpret_cast<const char *>(table.rgb.data()), int(3 * stored));
    out.append(QByteArray(int(3 * (entries - stored)), '\0'));
}

void putSubBlocks(QByteArray &out, const QByteArrayList &lines)
{
    for (const QByteArray &line : lines) {
        if (line.isEmpty())
            continue;
        const int len = int(qMin<qsizetype>(line.size(), 255));
        out.append(char(len));
        out.append(line.constData(), len);
    }
    out.append('\0');
}

// The frame's compressed data as it should be written: unchanged when it is complete;
// otherwise (data cut short when it was read) the blocks that are there, the last one
// shortened to what it holds, and a terminator, so that the written stream stays readable.
QByteArray writableData(const QByteArray &data)
{
    const qsizetype size = data.size();
    qsizetype p = 1;
    while (p < size) {
        const int len = quint8(data.at(p));
        if (len == 0 && p == size - 1)
            return data;
        if (len == 0 || p + 1 + len > size)
            break;
        p += 1 + len;
    }
    QByteArray fixed = data.left(1);
    for (p = 1; p < size;) {
        const int len = quint8(data.at(p));
        if (len == 0)
            break;
        const int avail = int(qMin<qsizetype>(len, size - p - 1));
        if (avail > 0) {
            fixed.append(char(avail));
            fixed.append(data.constData() + p + 1, avail);
        }
        p += 1 + len;
    }
    fixed.append('\0');
    return fixed;
}

int bitsFor(quint32 count)
{
    int n = 1;
    while ((1u << n) < count && n < 8)
        ++n;
    return n;
}

} // namespace

TGIFImage::TGIFImage()
    : d(new TGIFData)
{
    setTransparent(true);
}

TGIFImage::TGIFImage(const TGIFImage &other)
    : TGraphic()
    , m_options(other.m_options)
    , d(other.d)
{
    setTransparent(other.transparent());
    copyFrom(other);
}

TGIFImage &TGIFImage::operator=(const TGIFImage &other)
{
    if (&other != this) {
        m_options = other.m_options;
        d = other.d;
        copyFrom(other);
        setTransparent(other.transparent());
        changed();
    }
    return *this;
}

TGIFImage::~TGIFImage() = default;

void TGIFImage::copyFrom(const TGIFImage &other)
{
    m_twin = other.m_twin;
    m_frames.clear();
    for (const auto &source : other.m_frames) {
        auto frame = std::make_unique<TGIFFrame>(this);
        frame->assign(*source);
        m_frames.push_back(std::move(frame));
    }
    m_current = other.m_current;
    m_version = other.m_version;
    m_backgroundColor = other.m_backgroundColor;
    m_repeatCount = other.m_repeatCount;
    m_looping = other.m_looping;
    m_corrupted = other.m_corrupted;
    m_screenWidth = other.m_screenWidth;
    m_screenHeight = other.m_screenHeight;
}

std::unique_ptr<TGraphic> TGIFImage::clone() const
{
    return std::make_unique<TGIFImage>(*this);
}

bool TGIFImage::isEmpty() const
{
    if (m_frames.empty())
        return true;
    const int index = qMax(m_current, 0);
    if (index >= frameCount())
        return true;
    const TGIFFrame &f = *m_frames[size_t(index)];
    if (f.hasBitmap())
        return false;
    return f.compressedData().isEmpty();
}

// The current frame's own size. A frame's bitmap always has the frame's size, so this does
// not need to decode it.
int TGIFImage::width() const
{
    if (m_current < 0 || m_current >= frameCount())
        return 0;
    const TGIFFrame &f = *m_frames[size_t(m_current)];
    if (f.hasBitmap())
        return f.m_bitmap.width();
    return f.compressedData().isEmpty() ? 0 : f.width();
}

int TGIFImage::height() const
{
    if (m_current < 0 || m_current >= frameCount())
        return 0;
    const TGIFFrame &f = *m_frames[size_t(m_current)];
    if (f.hasBitmap())
        return f.m_bitmap.height();
    return f.compressedData().isEmpty() ? 0 : f.height();
}

void TGIFImage::setWidth(int)
{
    throw gifError(GifError::CannotResize);
}

void TGIFImage::setHeight(int)
{
    throw gifError(GifError::CannotResize);
}

bool TGIFImage::isTransparent() const
{
    if (!transparent())
        return false;
    return std::any_of(m_frames.cbegin(), m_frames.cend(),
        [](const auto &f) { return f->transparentColor != Colors::clNone; });
}

QList<QRgb> TGIFImage::palette() const
{
    if (m_current < 0 || m_current >= frameCount())
        return {};
    return m_frames[size_t(m_current)]->bitmap().colorTable();
}

void TGIFImage::draw(QPainter &painter, const QRect &rect) const
{
    if (m_current < 0 || m_current >= frameCount())
        return;
    TGIFFrame &f = *m_frames[size_t(m_current)];
    if (m_twin && TPictureTwin::ratio(painter) > 1.0 && m_current < m_twin->frameCount()) {
        const QImage &twin = m_twin->m_frames[size_t(m_current)]->drawImage(isTransparent());
        if (!twin.isNull()) {
            TPictureTwin::drawTwin(painter, rect, twin, twin.rect());
            return;
        }
    }
    const QImage &image = f.drawImage(isTransparent());
    if (image.isNull())
        return;
    // Stretched exactly over the rectangle, nearest pixel, like a plain stretched blit.
    const bool smooth = painter.testRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(rect, image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
}

QImage TGIFImage::toImage() const
{
    if (m_current < 0 || m_current >= frameCount())
        return QImage();
    TGIFFrame &f = *m_frames[size_t(m_current)];
    const QImage &image = f.drawImage(isTransparent());
    return image.convertToFormat(QImage::Format_ARGB32);
}

void TGIFImage::progress(ProgressStage stage, int percent, const QString &message)
{
    if (m_onProgress)
        m_onProgress(stage, percent, message);
}

void TGIFImage::growScreen(int right, int bottom)
{
    m_screenWidth = qBound(m_screenWidth, right, 0xFFFF);
    m_screenHeight = qBound(m_screenHeight, bottom, 0xFFFF);
}

int TGIFImage::indexOf(const TGIFFrame *frame) const
{
    for (size_t i = 0; i < m_frames.size(); ++i) {
        if (m_frames[i].get() == frame)
            return int(i);
    }
    return -1;
}

GifLzwDecoder &TGIFImage::decoder()
{
    if (!m_decoder)
        m_decoder = std::make_unique<GifLzwDecoder>();
    return *m_decoder;
}

void TGIFImage::setCurrentFrame(int index)
{
    if (index == m_current)
        return;
    m_current = index;
    changed();
}

void TGIFImage::setComment(const QByteArrayList &lines)
{
    d->comment = lines;
}

void TGIFImage::deleteFrame(int index)
{
    m_frames.erase(m_frames.begin() + index);
    if (m_current >= frameCount())
        m_current = frameCount() - 1;
    changed();
}

void TGIFImage::clear()
{
    resetImage();
    changed();
}

void TGIFImage::resetImage()
{
    d = QSharedDataPointer<TGIFData>(new TGIFData);
    m_frames.clear();
    m_current = -1;
    m_version = VersionNone;
    m_backgroundColor = Colors::clNone;
    m_repeatCount = 1;
    m_looping = false;
    m_corrupted = false;
    m_screenWidth = 0;
    m_screenHeight = 0;
}

// ---- Reading ----------------------------------------------------------------------------

void TGIFImage::loadFromStream(QIODevice &stream)
{
    loadFromBytes(GifReader::readDevice(stream), true);
    m_twin.reset();
    if (!twinFile().isEmpty()) {
        // A twin that cannot be read only leaves the picture without one.
        QFile file(twinFile());
        auto twin = std::make_shared<TGIFImage>();
        try {
            if (file.open(QIODevice::ReadOnly)) {
                twin->loadFromStream(file);
                if (twin->width() == 2 * width() && twin->height() == 2 * height()
                    && twin->frameCount() == frameCount())
                    m_twin = std::move(twin);
            }
        } catch (const std::exception &) {
            m_twin.reset();
        }
    }
}

void TGIFImage::readData(QIODevice &stream)
{
    const QByteArray count = GifReader::readDevice(stream, 4);
    loadFromBytes(
        GifReader::readDevice(stream, qFromLittleEndian<quint32>(count.constData())), true);
}

void TGIFImage::loadFromBytes(const QByteArray &bytes, bool forceFrame0)
{
    try {
        readGif(bytes);
        if (forceFrame0)
            decodeFirstFrame();
    } catch (...) {
        changed();
        throw;
    }
    changed();
}

// Replaces the content with the stream's; frame 0 becomes current when there is one.
void TGIFImage::readGif(const QByteArray &bytes)
{
    resetImage();
    GifReader(*this, bytes).read();
    if (!m_frames.empty())
        m_current = 0;
}

// A frame 0 that cannot be decoded is removed.
void TGIFImage::decodeFirstFrame()
{
    if (m_frames.empty())
        return;
    try {
        m_frames.front()->bitmap();
    } catch (...) {
        m_frames.erase(m_frames.begin());
        if (m_frames.empty())
            m_current = -1;
        throw;
    }
}

// ---- Writing ----------------------------------------------------------------------------

void TGIFImage::saveToStream(QIODevice &stream) const
{
    // Writing encodes frames that only have a bitmap and brings the graphic-control
    // extensions up to date. A const image is written through a copy, which shares the
    // frames' data, so that the image itself stays as it was.
    TGIFImage copy(*this);
    copy.m_onProgress = m_onProgress;
    const QByteArray out = copy.saveToBytes();
    if (stream.write(out) != out.size())
        throw gifError(GifError::StreamWrite);
}

QByteArray TGIFImage::saveToBytes()
{
    QByteArray out;
    writeGif(out);
    return out;
}

void TGIFImage::writeData(QIODevice &stream)
{
    QByteArray out(4, '\0');
    writeGif(out);
    qToLittleEndian<quint32>(quint32(out.size() - 4), out.data());
    if (stream.write(out) != out.size())
        throw gifError(GifError::StreamWrite);
}

void TGIFImage::writeGif(QByteArray &out)
{
    if (m_frames.empty())
        throw gifError(GifError::NoData);
    for (const auto &frame : m_frames) {
        if (frame->compressedData().isEmpty())
            frame->encode();
        frame->updateExtensions();
    }
    if (!d->comment.isEmpty())
        m_version = Version89a;

    const TGIFData &header = *d;
    out.append("GIF");
    out.append(m_version == Version89a ? "89a" : "87a");

    // Never smaller than what was read: the screen may deliberately be larger than the frames.
    for (const auto &frame : m_frames)
        growScreen(frame->left + frame->width(), frame->top + frame->height());
    putWord(out, m_screenWidth);
    putWord(out, m_screenHeight);
    const quint32 globalCount = header.colorTable.count;
    if (globalCount > 0) {
        const int n = gifTableBits(globalCount);
        if (n == 0)
            throw gifError(GifError::ColorCount);
        const int bpp
            = header.bitsPerPixel >= 1 && header.bitsPerPixel <= 8 ? header.bitsPerPixel : n;
        out.append(char(0x80 | ((n - 1) << 4) | (bpp - 1)));
        int background = 0;
        if (m_backgroundColor != Colors::clNone) {
            if (header.backgroundIndex >= 0 && quint32(header.backgroundIndex) < globalCount
                && header.colorTable.color(header.backgroundIndex) == m_backgroundColor)
                background = header.backgroundIndex;
            else
                background = qMax(header.colorTable.indexOf(m_backgroundColor), 0);
        }
        out.append(char(background));
        out.append(char(header.aspectRatio));
        putColorTable(out, header.colorTable, globalCount);
    } else {
        out.append('\0');
        out.append('\0');
        out.append(char(header.aspectRatio));
    }

    if (m_looping && m_frames.size() > 1) {
        out.append("\x21\xFF\x0B", 3);
        out.append("NETSCAPE2.0");
        out.append("\x03\x01", 2);
        putWord(out, m_repeatCount);
        out.append('\0');
    }

    for (const auto &frame : m_frames) {
        for (const TExtension &ext : qAsConst(frame->extensions)) {
            out.append('!');
            out.append(char(ext.label()));
            out.append(ext.header);
            if (ext.kind() != TExtension::GraphicControl)
                putSubBlocks(out, ext.lines);
        }
        out.append(',');
        putWord(out, frame->left);
        putWord(out, frame->top);
        putWord(out, frame->width());
        putWord(out, frame->height());
        quint8 packed = frame->interlaced ? 0x40 : 0;
        const TGIFColorTable &table = frame->colorTable();
        int localBits = 0;
        if (frame->localTable) {
            localBits = bitsFor(table.count);
            packed |= 0x80 | (localBits - 1);
        }
        out.append(char(packed));
        if (frame->localTable)
            putColorTable(out, table, 1u << localBits);
        out.append(writableData(frame->compressedData()));
    }

    if (!header.comment.isEmpty()) {
        out.append("\x21\xFE", 2);
        putSubBlocks(out, header.comment);
    }
    out.append(';');
}

// ---- Other pictures and the clipboard -----------------------------------------------------

int TGIFImage::addFrame(const TGraphic &picture)
{
    QImage image;
    TColor transparentColor = Colors::clNone;
    if (const auto *bitmap = dynamic_cast<const TBitmap *>(&picture)) {
        image = bitmap->image();
        if (picture.transparent()) {
            const QRgb c = bitmap->transparentColor();
            transparentColor = TColor(qRed(c) | (qGreen(c) << 8) | (qBlue(c) << 16));
        }
    } else {
        image = QImage(picture.width(), picture.height(), QImage::Format_RGB32);
        image.fill(qRgb(0xFF, 0x00, 0xFF));
        QPainter painter(&image);
        picture.draw(painter, image.rect());
        painter.end();
        if (picture.transparent())
            transparentColor = Colors::clFuchsia;
    }
    auto frame = std::make_unique<TGIFFrame>(this);
    frame->setBitmap(image);
    frame->transparentColor = transparentColor;
    growScreen(image.width(), image.height());
    m_frames.push_back(std::move(frame));
    if (m_version == VersionNone)
        m_version = Version87a;
    if (m_frames.size() > 1)
        m_version = Version89a;
    if (m_current < 0)
        m_current = 0;
    changed();
    return frameCount() - 1;
}

QString TGIFImage::clipboardMimeType()
{
    return QStringLiteral("application/x-qt-windows-mime;value=\"GIF Image\"");
}

void TGIFImage::loadFromClipboard(const QMimeData &mime)
{
    const QString format = clipboardMimeType();
    if (mime.hasFormat(format)) {
        const QByteArray bytes = mime.data(format);
        if (bytes.size() < 4)
            throw gifError(GifError::StreamRead);
        const quint32 n = qFromLittleEndian<quint32>(bytes.constData());
        if (n > quint32(bytes.size() - 4))
            throw gifError(GifError::StreamRead);
        try {
            readGif(bytes.mid(4, n));
            if (!m_frames.empty() && mime.hasImage())
                m_frames.front()->replaceBitmap(qvariant_cast<QImage>(mime.imageData()));
        } catch (...) {
            changed();
            throw;
        }
        changed();
        return;
    }
    if (!mime.hasImage())
        throw gifError(GifError::UnsupportedClipboard);
    const QImage image = qvariant_cast<QImage>(mime.imageData());
    resetImage();
    TBitmap bitmap(image);
    addFrame(bitmap);
}

void TGIFImage::saveToClipboard(QMimeData &mime)
{
    if (m_frames.empty())
        throw gifError(GifError::NoData);
    mime.setImageData(m_frames.front()->bitmap());
    const bool allEncoded = std::all_of(m_frames.cbegin(), m_frames.cend(),
        [](const auto &f) { return !f->compressedData().isEmpty(); });
    if (!allEncoded)
        return;
    QByteArray out(4, '\0');
    writeGif(out);
    qToLittleEndian<quint32>(quint32(out.size() - 4), out.data());
    mime.setData(clipboardMimeType(), out);
}

// ---- Registration -------------------------------------------------------------------------

void RegisterGifFormat()
{
    TPicture::registerGraphicClass(
        QStringLiteral("TGIFImage"), [] { return std::make_unique<TGIFImage>(); });
    TPicture::registerFileFormat(
        QStringLiteral("gif"), QStringLiteral("CompuServe GIF Image"), QStringLiteral("TGIFImage"));
}

void UnregisterGifFormat()
{
    TPicture::unregisterGraphicClass(QStringLiteral("TGIFImage"));
}
