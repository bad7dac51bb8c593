#include "TGIFImage.h"

#include "Exception.h"
#include "TBitmap.h"
#include "TPicture.h"

#include <QIODevice>
#include <QMimeData>
#include <QPainter>
#include <QtEndian>

bool AcceptDamagedGif = true;
qint64 GifMaxFramePixels = qint64(1) << 26;
qint64 GifMaxDecodedPixels = qint64(1) << 28;

namespace {

const QString kStreamReadError = QStringLiteral("Stream read error");

EInvalidGraphicOperation streamReadError()
{
    return EInvalidGraphicOperation(kStreamReadError);
}

// A cursor over the in-memory copy of the stream. Fixed-size pieces that run past the end
// fail with the stream-read error.
class GifReader {
public:
    explicit GifReader(const QByteArray &bytes)
        : m_data(reinterpret_cast<const uchar *>(bytes.constData()))
        , m_size(bytes.size())
    {
    }

    bool atEnd() const { return m_pos >= m_size; }
    qsizetype pos() const { return m_pos; }
    qsizetype remaining() const { return m_size - m_pos; }
    const uchar *here() const { return m_data + m_pos; }
    void skip(qsizetype n) { m_pos += n; }
    void toEnd() { m_pos = m_size; }

    const uchar *take(qsizetype n)
    {
        if (n > remaining())
            throw streamReadError();
        const uchar *p = m_data + m_pos;
        m_pos += n;
        return p;
    }
    quint8 byte() { return *take(1); }
    quint16 word() { return qFromLittleEndian<quint16>(take(2)); }

    // Skips zero bytes and takes the first other byte; 0 at the end of the data.
    quint8 separator()
    {
        while (m_pos < m_size) {
            const quint8 b = m_data[m_pos++];
            if (b != 0)
                return b;
        }
        return 0;
    }

    // Data sub-blocks, one string each, until a zero length or the end of the data.
    QByteArrayList subBlocks()
    {
        QByteArrayList lines;
        while (!atEnd()) {
            const int len = byte();
            if (len == 0)
                break;
            lines.append(QByteArray(reinterpret_cast<const char *>(take(len)), len));
        }
        return lines;
    }

    void colorTable(TGIFColorTable &table, int bits)
    {
        table.count = 1u << bits;
        std::memcpy(table.rgb.data(), take(3 * qsizetype(table.count)), 3 * table.count);
    }

private:
    const uchar *m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
};

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
    , d(other.d)
{
    setTransparent(other.transparent());
    copyFrom(other);
}

TGIFImage &TGIFImage::operator=(const TGIFImage &other)
{
    if (&other != this) {
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

qint64 TGIFImage::decodedPixels() const
{
    qint64 sum = 0;
    for (const auto &f : m_frames)
        sum += f->m_bitmapPixels;
    return sum;
}

void TGIFImage::setWidth(int)
{
    throw EInvalidGraphicOperation(QStringLiteral("Cannot change the Size of a GIF image"));
}

void TGIFImage::setHeight(int)
{
    throw EInvalidGraphicOperation(QStringLiteral("Cannot change the Size of a GIF image"));
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
    loadFromBytes(stream.readAll(), true);
}

void TGIFImage::readData(QIODevice &stream)
{
    char count[4];
    if (stream.read(count, 4) != 4)
        throw streamReadError();
    const quint32 n = qFromLittleEndian<quint32>(count);
    const QByteArray bytes = stream.read(n);
    if (quint32(bytes.size()) != n)
        throw streamReadError();
    loadFromBytes(bytes, true);
}

void TGIFImage::loadFromBytes(const QByteArray &bytes, bool forceFrame0)
{
    try {
        readGif(bytes, forceFrame0);
    } catch (...) {
        changed();
        throw;
    }
    changed();
}

void TGIFImage::readGif(const QByteArray &bytes, bool forceFrame0)
{
    resetImage();
    if (bytes.isEmpty())
        return;
    GifReader in(bytes);

    const uchar *sig = in.take(6);
    const QByteArray signature = QByteArray(reinterpret_cast<const char *>(sig), 3).toUpper();
    const QByteArray version = QByteArray(reinterpret_cast<const char *>(sig) + 3, 3).toLower();
    if (signature != "GIF")
        throw EInvalidGraphicOperation(QStringLiteral("Unknown GIF version"));
    if (version == "87a")
        m_version = Version87a;
    else if (version == "89a")
        m_version = Version89a;
    else
        throw EInvalidGraphicOperation(QStringLiteral("Unknown GIF version"));

    TGIFData &header = *d;
    m_screenWidth = in.word();
    m_screenHeight = in.word();
    const quint8 packed = in.byte();
    const quint8 backgroundIndex = in.byte();
    header.aspectRatio = in.byte();
    header.bitsPerPixel = (packed & 7) + 1;
    header.colorResolution = ((packed >> 4) & 7) + 1;
    if (packed & 0x80) {
        in.colorTable(header.colorTable, header.bitsPerPixel);
        header.backgroundIndex = backgroundIndex;
        if (backgroundIndex < header.colorTable.count)
            m_backgroundColor = header.colorTable.color(backgroundIndex);
    }

    quint8 sep = in.separator();
    while (sep != ';' && sep != 0 && !in.atEnd()) {
        QList<TExtension> run;
        bool keptAny = false;
        while (sep == '!') {
            const quint8 label = in.byte();
            switch (label) {
            case 0xF9: {
                TExtension ext(TExtension::GraphicControl);
                ext.header = QByteArray(reinterpret_cast<const char *>(in.take(6)), 6);
                run.append(ext);
                keptAny = true;
                break;
            }
            case 0xFE: {
                TExtension ext(TExtension::Comment);
                ext.lines = in.subBlocks();
                run.append(ext);
                keptAny = true;
                break;
            }
            case 0x01:
                in.take(13);
                in.subBlocks();
                run.clear();
                break;
            case 0xFF: {
                const QByteArray appHeader(reinterpret_cast<const char *>(in.take(12)), 12);
                const QByteArrayList lines = in.subBlocks();
                if (isLoopExtension(appHeader, lines)) {
                    m_looping = true;
                    const QByteArray &first = lines.first();
                    m_repeatCount
                        = qMin<quint16>(quint8(first.at(1)) | (quint8(first.at(2)) << 8), 30000);
                }
                break;
            }
            default:
                throw EInvalidGraphicOperation(QStringLiteral("Unrecognized extension block: %1")
                                                   .arg(uint(label), 2, 16, QLatin1Char('0')));
            }
            sep = in.atEnd() ? quint8(';') : in.separator();
        }
        // A run that kept nothing (only plain text and application blocks) yields no list.
        if (run.isEmpty())
            keptAny = false;

        if (sep == ',') {
            auto frame = std::make_unique<TGIFFrame>(this);
            TGIFItem &item = frame->itemForWrite();
            if (header.colorTable.count > 0) {
                item.bitsPerPixel = gifTableBits(header.colorTable.count);
                if (item.bitsPerPixel == 0)
                    throw EInvalidGraphicOperation(
                        QStringLiteral("Wrong number of colors; must be a power of 2"));
            }
            frame->extensions = run;

            frame->left = in.word();
            frame->top = in.word();
            item.width = in.word();
            item.height = in.word();
            item.packed = in.byte();
            if (item.width == 0)
                item.width = m_screenWidth;
            if (item.height == 0)
                item.height = m_screenHeight;
            frame->interlaced = item.packed & 0x40;
            if (item.packed & 0x80) {
                item.bitsPerPixel = (item.packed & 7) + 1;
                in.colorTable(item.colorTable, item.bitsPerPixel);
                frame->localTable = true;
            } else {
                item.colorTable = header.colorTable;
            }

            const qsizetype start = in.pos();
            in.take(1); // minimum code size
            while (!in.atEnd()) {
                const int len = in.byte();
                if (len == 0)
                    break;
                if (len > in.remaining()) {
                    frame->corrupted = true;
                    in.toEnd();
                    break;
                }
                in.skip(len);
            }
            if (frame->corrupted && !AcceptDamagedGif)
                throw streamReadError();
            // The bytes as read; a block cut short keeps what the stream holds of it.
            item.data = QByteArray(bytes.constData() + start, in.pos() - start);
            if (frame->corrupted)
                m_corrupted = true;
            frame->applyExtensions();
            m_frames.push_back(std::move(frame));

            sep = in.atEnd() ? quint8(';') : in.separator();
            if (sep != '!' && sep != ',' && sep != ';')
                sep = 0;
        } else if (header.comment.isEmpty() && keptAny) {
            bool first = true;
            for (const TExtension &ext : qAsConst(run)) {
                if (ext.kind() != TExtension::Comment)
                    continue;
                if (!first)
                    header.comment.append(QByteArrayLiteral("\r\n\r\n"));
                header.comment.append(ext.lines);
                first = false;
            }
        } else if (sep != 0 && sep != ';') {
            throw streamReadError();
        }
    }

    if (!m_frames.empty()) {
        m_current = 0;
        if (forceFrame0) {
            try {
                m_frames.front()->bitmap();
            } catch (...) {
                m_frames.erase(m_frames.begin());
                if (m_frames.empty())
                    m_current = -1;
                throw;
            }
        }
    }
}

// ---- Writing ----------------------------------------------------------------------------

void TGIFImage::saveToStream(QIODevice &stream) const
{
    // Writing encodes frames that only have a bitmap and brings the graphic-control
    // extensions up to date: preparation that changes no picture, so it is allowed on a
    // const image.
    QByteArray out;
    const_cast<TGIFImage *>(this)->writeGif(out);
    if (stream.write(out) != out.size())
        throw EInvalidGraphicOperation(QStringLiteral("Stream write error"));
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
        throw EInvalidGraphicOperation(QStringLiteral("Stream write error"));
}

void TGIFImage::writeGif(QByteArray &out)
{
    if (m_frames.empty())
        throw EInvalidGraphicOperation(QStringLiteral("No GIF Data to write"));
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
            throw EInvalidGraphicOperation(
                QStringLiteral("Wrong number of colors; must be a power of 2"));
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
            throw streamReadError();
        const quint32 n = qFromLittleEndian<quint32>(bytes.constData());
        if (n > quint32(bytes.size() - 4))
            throw streamReadError();
        try {
            readGif(bytes.mid(4, n), false);
            if (!m_frames.empty()) {
                m_current = 0;
                if (mime.hasImage())
                    m_frames.front()->replaceBitmap(qvariant_cast<QImage>(mime.imageData()));
            }
        } catch (...) {
            changed();
            throw;
        }
        changed();
        return;
    }
    if (!mime.hasImage())
        throw EInvalidGraphicOperation(QStringLiteral("Unsupported clipboard format"));
    const QImage image = qvariant_cast<QImage>(mime.imageData());
    resetImage();
    TBitmap bitmap(image);
    addFrame(bitmap);
}

void TGIFImage::saveToClipboard(QMimeData &mime)
{
    if (m_frames.empty())
        throw EInvalidGraphicOperation(QStringLiteral("No GIF Data to write"));
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
