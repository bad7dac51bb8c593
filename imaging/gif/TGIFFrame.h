#pragma once

#include "TExtension.h"
#include "TGIFItem.h"

#include <QImage>
#include <QList>
#include <QSharedDataPointer>

class TGIFImage;
struct GifLzwResult;

// One image of a GIF stream: its place on the logical screen, its attributes, its shared
// compressed data and colour table, and its palette bitmap, decoded on first use.
class TGIFFrame {
public:
    explicit TGIFFrame(TGIFImage *owner);
    virtual ~TGIFFrame();
    TGIFFrame(const TGIFFrame &) = delete;
    TGIFFrame &operator=(const TGIFFrame &) = delete;

    // Takes over other's content; the compressed data and colour table are shared.
    virtual void assign(const TGIFFrame &other);
    virtual void assignTo(TGIFFrame &target) const { target.assign(*this); }

    TGIFImage *owner() const { return m_owner; }

    const TGIFItem &item() const { return *m_item; }
    // Detaches the item from other frames that share it.
    TGIFItem &itemForWrite() { return *m_item; }

    int width() const { return m_item->width; }
    int height() const { return m_item->height; }
    int bitsPerPixel() const { return m_item->bitsPerPixel; }
    const TGIFColorTable &colorTable() const { return m_item->colorTable; }
    const QByteArray &compressedData() const { return m_item->data; }

    // The decoded palette bitmap (Format_Mono for 1-bit frames, Format_Indexed8 with 16 or
    // 256 palette entries otherwise; rows top-down). Built on first use; a frame without
    // compressed data gives a null image. Throws EInvalidGraphicOperation.
    const QImage &bitmap();
    bool hasBitmap() const { return !m_bitmap.isNull(); }
    // Drops a decoded bitmap to free its memory; it is decoded again when next needed. A
    // bitmap that is the frame's only content (not yet encoded) is kept.
    void releaseBitmap();
    // Gives the frame new content: the bitmap is encoded when the image is next written.
    void setBitmap(const QImage &image);

    // Sets delay, disposal and transparent colour from the graphic-control extensions, as a
    // read does.
    void applyExtensions();

    // The bitmap as drawn, with pixels of the transparent colour at alpha 0 when keyed.
    const QImage &drawImage(bool keyTransparent);

    QList<TExtension> extensions;
    int left = 0;
    int top = 0;
    bool interlaced = false;
    bool corrupted = false;
    bool grayscale = false; // writing: reduce deep bitmaps to grey levels
    TColor transparentColor = 0x1FFFFFFF; // clNone
    quint16 delay = 0; // milliseconds
    int disposal = 0;
    bool localTable = false;

private:
    friend class TGIFImage;

    void buildBitmap();
    // A strict read refuses data that decoded incomplete or damaged, saying where.
    void throwIfIncomplete(const GifLzwResult &result) const;
    // Fills the compressed data from the bitmap.
    void encode();
    // Makes the graphic-control extension say what the frame's fields say.
    void updateExtensions();
    void replaceBitmap(const QImage &image);
    // Every change of the bitmap goes through here, which keeps its pixel count at hand.
    void setBitmapImage(const QImage &image);

    TGIFImage *m_owner;
    QSharedDataPointer<TGIFItem> m_item;
    QImage m_bitmap;
    qint64 m_bitmapPixels = 0;
    QImage m_drawImage;
    bool m_drawKeyed = false;
};
