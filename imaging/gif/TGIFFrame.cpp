#include "TGIFFrame.h"

#include "GifColorReducer.h"
#include "GifErrors.h"
#include "GifLzwDecoder.h"
#include "GifLzwEncoder.h"
#include "TGIFImage.h"

#include <climits>
#include <cstdlib>
#include <memory>

namespace {

// Stream row of every decoded row: straight, or the four interlace passes.
std::vector<int> rowOrder(int height, bool interlaced)
{
    std::vector<int> rows;
    rows.reserve(size_t(height));
    if (!interlaced) {
        for (int y = 0; y < height; ++y)
            rows.push_back(y);
        return rows;
    }
    static const int start[4] = { 0, 4, 2, 1 };
    static const int step[4] = { 8, 8, 4, 2 };
    for (int pass = 0; pass < 4; ++pass) {
        for (int y = start[pass]; y < height; y += step[pass])
            rows.push_back(y);
    }
    return rows;
}

// 1, 4 or 8 for the palette formats the encoder takes directly, 0 otherwise.
int paletteDepth(const QImage &image)
{
    switch (image.format()) {
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB:
        return 1;
    case QImage::Format_Indexed8:
        return image.colorCount() <= 16 ? 4 : 8;
    default:
        return 0;
    }
}

} // namespace

TGIFFrame::TGIFFrame(TGIFImage *owner)
    : m_owner(owner)
    , m_item(new TGIFItem)
{
}

TGIFFrame::~TGIFFrame()
{
    m_owner->m_decodedPixels -= m_bitmapPixels;
}

void TGIFFrame::assign(const TGIFFrame &other)
{
    if (&other == this)
        return;
    m_item = other.m_item;
    setBitmapImage(other.m_bitmap);
    m_drawImage = QImage();
    extensions = other.extensions;
    left = other.left;
    top = other.top;
    interlaced = other.interlaced;
    corrupted = other.corrupted;
    grayscale = other.grayscale;
    transparentColor = other.transparentColor;
    delay = other.delay;
    disposal = other.disposal;
    localTable = other.localTable;
}

const QImage &TGIFFrame::bitmap()
{
    if (m_bitmap.isNull())
        buildBitmap();
    return m_bitmap;
}

void TGIFFrame::setBitmap(const QImage &image)
{
    TGIFItem &item = *m_item;
    item.data.clear();
    item.streamOffset = -1;
    item.width = image.width();
    item.height = image.height();
    setBitmapImage(image);
    m_drawImage = QImage();
}

void TGIFFrame::setBitmapImage(const QImage &image)
{
    m_bitmap = image;
    const qint64 pixels = qint64(image.width()) * image.height();
    m_owner->m_decodedPixels += pixels - m_bitmapPixels;
    m_bitmapPixels = pixels;
}

void TGIFFrame::releaseBitmap()
{
    if (m_item->data.isEmpty())
        return;
    setBitmapImage(QImage());
    m_drawImage = QImage();
}

void TGIFFrame::replaceBitmap(const QImage &image)
{
    setBitmapImage(image);
    m_drawImage = QImage();
}

void TGIFFrame::applyExtensions()
{
    delay = 0;
    for (const TExtension &ext : qAsConst(extensions)) {
        if (ext.kind() != TExtension::GraphicControl)
            continue;
        delay = quint16(qMax<int>(delay, qMin(ext.delay() * 10, 0xFFFF)));
        disposal = ext.disposal();
        if (ext.hasTransparency()) {
            if (ext.transparentIndex() < m_item->colorTable.count)
                transparentColor = m_item->colorTable.color(ext.transparentIndex());
        } else {
            transparentColor = Colors::clNone;
        }
    }
}

void TGIFFrame::buildBitmap()
{
    const TGIFItem &item = *m_item;
    if (item.data.isEmpty()) {
        setBitmapImage(QImage());
        return;
    }
    const int bpp = item.bitsPerPixel;
    if (bpp < 1 || bpp > 8)
        throw gifError(GifError::ColorCount);
    const int depth = bpp == 1 ? 1 : bpp <= 4 ? 4 : 8;
    const int w = item.width, h = item.height;
    if (w == 0 || h == 0) {
        setBitmapImage(QImage());
        return;
    }
    const TGIFImage::Options &options = m_owner->options();
    // The decoder keeps output positions in 32 bits.
    if (qint64(w) * h > qMin<qint64>(options.maxFramePixels, INT_MAX - GifLzwOutputSlack))
        throw gifError(GifError::FrameTooLarge, QString::number(w), QString::number(h));
    if (m_owner->decodedPixels() + qint64(w) * h > options.maxDecodedPixels)
        throw gifError(GifError::DecodedBudget, QString::number(options.maxDecodedPixels));
    const uchar codeSize = uchar(item.data.at(0));
    if (!options.acceptDamaged && (codeSize < 2 || codeSize > 9))
        throw gifError(GifError::CodeSizeRange);

    const qsizetype count = qsizetype(w) * h;
    // malloc'ed so that a straight 8-bit frame can hand the buffer to its QImage uncopied.
    std::unique_ptr<uchar, decltype(&std::free)> pixels(
        static_cast<uchar *>(std::malloc(size_t(count + GifLzwOutputSlack))), &std::free);
    if (!pixels)
        throw std::bad_alloc();
    m_owner->progress(TGIFImage::ProgressStage::Starting, 0);
    GifLzwResult result;
    try {
        std::function<void(int)> running;
        if (m_owner->m_onProgress)
            running = [this](int percent) {
                m_owner->progress(TGIFImage::ProgressStage::Running, percent);
            };
        result = m_owner->decoder().decode(reinterpret_cast<const uchar *>(item.data.constData()),
            item.data.size(), bpp, pixels.get(), count, running);
        if (!options.acceptDamaged)
            throwIfIncomplete(result);
    } catch (const Exception &e) {
        m_owner->progress(TGIFImage::ProgressStage::Ending, 0, e.message());
        throw;
    }
    if (result.damaged()) {
        corrupted = true;
        m_owner->m_corrupted = true;
    }

    QImage image;
    const std::vector<int> rows = rowOrder(h, interlaced);
    if (depth == 1) {
        image = QImage(w, h, QImage::Format_Mono);
        image.setColorTable(item.colorTable.toRgbList(2, qRgb(0x80, 0x80, 0x80)));
        for (int r = 0; r < h; ++r) {
            const uchar *src = pixels.get() + qsizetype(r) * w;
            uchar *dst = image.scanLine(rows[size_t(r)]);
            std::fill(dst, dst + image.bytesPerLine(), 0);
            for (int x = 0; x < w; ++x)
                dst[x >> 3] |= uchar((src[x] & 1) << (7 - (x & 7)));
        }
    } else if (!interlaced) {
        // Rows of w bytes one after the other are already the image.
        uchar *buffer = pixels.release();
        image = QImage(
            buffer, w, h, w, QImage::Format_Indexed8, [](void *p) { std::free(p); }, buffer);
        image.setColorTable(item.colorTable.toRgbList(1 << depth, qRgb(0x80, 0x80, 0x80)));
    } else {
        image = QImage(w, h, QImage::Format_Indexed8);
        image.setColorTable(item.colorTable.toRgbList(1 << depth, qRgb(0x80, 0x80, 0x80)));
        for (int r = 0; r < h; ++r)
            std::memcpy(
                image.scanLine(rows[size_t(r)]), pixels.get() + qsizetype(r) * w, size_t(w));
    }
    setBitmapImage(image);
    m_drawImage = QImage();
    m_owner->progress(TGIFImage::ProgressStage::Ending, 100);
}

void TGIFFrame::throwIfIncomplete(const GifLzwResult &result) const
{
    if (result.stackOverflow || result.unknownCode)
        throw gifError(GifError::CorruptData);
    if (!result.dataEnded && !result.endedEarly)
        return;
    // Looked up only now: finding the frame's index walks the frame list.
    const int index = m_owner->indexOf(this);
    const qint64 offset = m_item->streamOffset;
    // The codes ran out where the frame's data ends.
    if (result.dataEnded)
        throw gifDataEnds(GifPiece::Image, offset < 0 ? -1 : offset + m_item->data.size(), index);
    throw gifError(GifError::EndCodeEarly, gifWhere(index, offset));
}

const QImage &TGIFFrame::drawImage(bool keyTransparent)
{
    const QImage &source = bitmap();
    if (m_drawImage.isNull() || m_drawKeyed != keyTransparent) {
        m_drawKeyed = keyTransparent;
        if (source.isNull()) {
            m_drawImage = QImage();
        } else if (!keyTransparent || transparentColor == Colors::clNone) {
            m_drawImage = source.convertToFormat(QImage::Format_RGB32);
        } else {
            // Keyed by colour, not by index: every entry of that colour is left out.
            QImage indexed = source.convertToFormat(QImage::Format_Indexed8);
            QList<QRgb> table = indexed.colorTable();
            const QRgb key = ColorToRGB(transparentColor) & 0xFFFFFFu;
            for (QRgb &c : table) {
                if ((c & 0xFFFFFFu) == key)
                    c = 0;
            }
            indexed.setColorTable(table);
            m_drawImage = indexed.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        }
    }
    return m_drawImage;
}

void TGIFFrame::encode()
{
    if (m_bitmap.isNull() || m_bitmap.width() == 0 || m_bitmap.height() == 0)
        throw gifError(GifError::NoData);
    QImage image = m_bitmap;
    int depth = paletteDepth(image);
    if (depth == 0) {
        image = gifReduceColors(image, grayscale);
        depth = 8;
    }
    if (image.format() == QImage::Format_MonoLSB)
        image = image.convertToFormat(QImage::Format_Mono);
    if (depth != 1 && depth != 4 && depth != 8)
        throw gifError(GifError::Encoding);

    const int entries = 1 << depth;
    TGIFColorTable table;
    QList<QRgb> colors = image.colorTable();
    if (depth == 1 && colors.size() < 2)
        colors = { qRgb(0, 0, 0), qRgb(255, 255, 255) };
    table.count = quint32(entries);
    for (int i = 0; i < entries && i < colors.size(); ++i)
        table.setColor(i, fromQColor(QColor::fromRgb(colors[i])));

    const int w = image.width(), h = image.height();
    const qsizetype count = qsizetype(w) * h;
    std::unique_ptr<uchar[]> pixels(new uchar[size_t(count)]);
    const std::vector<int> rows = rowOrder(h, interlaced);
    const uchar mask = uchar(entries - 1);
    for (int r = 0; r < h; ++r) {
        const uchar *src = image.constScanLine(rows[size_t(r)]);
        uchar *dst = pixels.get() + qsizetype(r) * w;
        if (depth == 1) {
            for (int x = 0; x < w; ++x)
                dst[x] = (src[x >> 3] >> (7 - (x & 7))) & 1;
        } else {
            for (int x = 0; x < w; ++x)
                dst[x] = src[x] & mask;
        }
    }

    QByteArray data;
    m_owner->progress(TGIFImage::ProgressStage::Starting, 0);
    try {
        gifLzwEncode(pixels.get(), count, depth == 1 ? 2 : depth, data, w, [this, h](int done) {
            m_owner->progress(TGIFImage::ProgressStage::Running, int(qint64(done) * 100 / h));
        });
    } catch (const Exception &e) {
        TGIFItem &item = *m_item;
        item.data.clear();
        item.width = item.height = 0;
        setBitmapImage(QImage());
        m_drawImage = QImage();
        m_owner->progress(TGIFImage::ProgressStage::Ending, 0, e.message());
        throw;
    }
    m_owner->progress(TGIFImage::ProgressStage::Ending, 100);

    TGIFItem &item = *m_item;
    item.data = data;
    item.streamOffset = -1;
    item.bitsPerPixel = depth;
    item.colorTable = table;
    item.width = w;
    item.height = h;
    TGIFData &global = *m_owner->d;
    if (global.colorTable.count == 0) {
        global.colorTable = table;
        global.bitsPerPixel = depth;
        localTable = false;
    } else {
        localTable = true;
    }
    setBitmapImage(image);
    m_drawImage = QImage();
    m_owner->growScreen(left + w, top + h);
}

void TGIFFrame::updateExtensions()
{
    auto isGce = [](const TExtension &e) { return e.kind() == TExtension::GraphicControl; };
    const bool hasGce = std::any_of(extensions.cbegin(), extensions.cend(), isGce);
    if (!hasGce && (delay != 0 || transparentColor != Colors::clNone || disposal != 0))
        extensions.append(TExtension(TExtension::GraphicControl));
    for (auto it = extensions.rbegin(); it != extensions.rend(); ++it) {
        if (!isGce(*it))
            continue;
        TExtension &gce = *it;
        gce.setDelay(quint16(delay / 10));
        quint8 packed = gce.packed();
        const TGIFColorTable &table = m_item->colorTable;
        int index = -1;
        if (transparentColor != Colors::clNone) {
            // Keep the stored index while it still names the colour, so that an unchanged
            // frame is written back as it was read.
            if (gce.transparentIndex() < table.count
                && table.color(gce.transparentIndex()) == transparentColor)
                index = gce.transparentIndex();
            else
                index = table.indexOf(transparentColor);
        }
        if (index >= 0) {
            packed |= 1;
            gce.setTransparentIndex(quint8(index));
        } else {
            packed &= ~1;
        }
        packed = quint8((packed & ~0x1C) | ((disposal & 7) << 2));
        gce.setPacked(packed);
        break;
    }
    extensions.erase(std::remove_if(extensions.begin(), extensions.end(),
                         [](const TExtension &e) {
                             return e.kind() == TExtension::Comment && e.lines.isEmpty();
                         }),
        extensions.end());
    if (!extensions.isEmpty())
        m_owner->m_version = TGIFImage::Version89a;
}
