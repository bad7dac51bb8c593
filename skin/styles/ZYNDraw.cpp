#include "ZYNDraw.h"

#include "TApplication.h"
#include "TBitmap.h"
#include "TControlCore.h"
#include "TPicture.h"
#include "TPictureTwin.h"

#include <QCache>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QSet>
#include <QWidget>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr QRgb nineSliceKey = 0x00FF00FF;

// A rectangle given by its exclusive edges, as the slicing rules state them.
QRect ltrb(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

// Copies src into dst of the layer, stretching by nearest neighbour with the mapping of the
// desktop's stretched block copy (source index = destination index * source size / destination
// size, from the top-left), and leaves out the key colour when keyed. The layer is ARGB and
// starts transparent, so a keyed pixel keeps what an earlier piece (or, finally, the canvas)
// shows there.
void blit(
    QImage &layer, const QImage &source, const QRect &src, const QRect &dst, bool keyed, QRgb key)
{
    if (src.width() <= 0 || src.height() <= 0 || dst.width() <= 0 || dst.height() <= 0)
        return;
    const QRect visible = dst & layer.rect();
    if (visible.isEmpty())
        return;
    // The source column of each destination column, computed once per piece.
    std::vector<int> columns(size_t(visible.width()));
    for (int x = visible.left(); x <= visible.right(); ++x)
        columns[size_t(x - visible.left())]
            = src.x() + int(qint64(x - dst.x()) * src.width() / dst.width());
    for (int y = visible.top(); y <= visible.bottom(); ++y) {
        const int sy = src.y() + int(qint64(y - dst.y()) * src.height() / dst.height());
        if (sy < 0 || sy >= source.height())
            continue;
        const auto *in = reinterpret_cast<const QRgb *>(source.constScanLine(sy));
        auto *out = reinterpret_cast<QRgb *>(layer.scanLine(y)) + visible.left();
        for (const int sx : columns) {
            if (sx >= 0 && sx < source.width()) {
                const QRgb c = in[sx] & 0x00FFFFFFu;
                if (!keyed || c != key)
                    *out = c | 0xFF000000u;
            }
            ++out;
        }
    }
}

QImage asRgb32(const QImage &image)
{
    return image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
        ? image
        : image.convertToFormat(QImage::Format_RGB32);
}

// The piece of source in src as its own image, stretched to size; key-coloured pixels become
// fully transparent when keyed.
QImage piece(const QImage &source, const QRect &src, const QSize &size, bool keyed, QRgb key)
{
    QImage out(size, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    blit(out, source, src, QRect(QPoint(0, 0), size), keyed, key);
    return out;
}

// The textured fill copies one tile width at a time, so a small picture (the frames' 8 x 8
// backgrounds) is first repeated side by side to a few hundred pixels. The pixels and their
// format stay as they are and the width is a whole number of tiles, so the pattern and its
// blending come out exactly the same.
// What a kept drawing was made from: the picture (its cache key changes whenever its pixels
// do), the size and place it was drawn at, and how it was treated. Built and hashed without a
// string on every paint.
struct DrawingKey {
    qint64 picture = 0;
    int x = 0, y = 0, w = 0, h = 0;
    int treatment = 0;

    friend bool operator==(const DrawingKey &a, const DrawingKey &b)
    {
        return a.picture == b.picture && a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h
            && a.treatment == b.treatment;
    }
    friend size_t qHash(const DrawingKey &k, size_t seed = 0)
    {
        return qHashMulti(seed, k.picture, k.x, k.y, k.w, k.h, k.treatment);
    }
};

QImage widenedTile(const QImage &picture)
{
    constexpr int wideEnough = 256;
    const int w = picture.width();
    if (w >= wideEnough || picture.depth() != 32)
        return picture;
    // Backgrounds are tiled on every paint of every panel: the widened copy is made once per
    // picture.
    static QCache<qint64, QImage> widened(1024); // in KiB
    if (const QImage *found = widened.object(picture.cacheKey()))
        return *found;
    const int times = (wideEnough + w - 1) / w;
    QImage wide(w * times, picture.height(), picture.format());
    const size_t rowBytes = size_t(w) * 4;
    for (int y = 0; y < picture.height(); ++y) {
        const uchar *row = picture.constScanLine(y);
        uchar *out = wide.scanLine(y);
        for (int i = 0; i < times; ++i)
            std::memcpy(out + i * rowBytes, row, rowBytes);
    }
    widened.insert(picture.cacheKey(), new QImage(wide), int(wide.sizeInBytes() / 1024 + 1));
    return wide;
}

// The parents that DrawParentBackground is rendering at the moment.
QSet<const QWidget *> &parentsRendering()
{
    static QSet<const QWidget *> parents;
    return parents;
}

} // namespace

void DrawNineSliceBitmap(
    const QImage &sourceImage, QPainter &canvas, const QRect &dest, bool cornersKeyed)
{
    // A button repaints with the same picture at the same size over and over (every hover
    // and press does it): the composed layer is kept and drawn again. The image's cache key
    // changes whenever its pixels do.
    static QCache<DrawingKey, QImage> layers(4096); // in KiB
    // On a high-density canvas the pieces come from the picture's twin: the same slices at
    // twice the pixels, so the layer has the logical size and twice the resolution.
    const QImage twin = TPictureTwin::forPainter(canvas, sourceImage);
    const int k = twin.cacheKey() == sourceImage.cacheKey() ? 1 : 2;
    const DrawingKey layerKey { sourceImage.cacheKey(), dest.x(), dest.y(), dest.width(),
        dest.height(), int(cornersKeyed) + 2 * k };
    const auto show = [&canvas, k](const QImage &layer) {
        if (k == 1)
            canvas.drawImage(0, 0, layer);
        else
            TPictureTwin::drawTwin(
                canvas, QRect(QPoint(0, 0), layer.size() / k), layer, layer.rect());
    };
    if (const QImage *layer = layers.object(layerKey)) {
        show(*layer);
        return;
    }
    const QImage source = asRgb32(sourceImage);
    const QImage pixels = k == 1 ? source : asRgb32(twin);
    const int W = source.width(), H = source.height();
    const int hw = W / 2, hh = H / 2;
    const int DW = dest.width(), DH = dest.height();
    const int dw = DW / 2, dh = DH / 2;
    const int R = dest.x() + DW, B = dest.y() + DH;
    if (source.isNull() || R <= 0 || B <= 0)
        return;
    QImage layer(R * k, B * k, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    const QRgb key = nineSliceKey;
    // Every piece is cut and placed in the picture's pixels, then copied at the layer's scale.
    const auto blit = [&pixels, k](QImage &into, const QImage &, const QRect &src, const QRect &dst,
                          bool keyed, QRgb key) {
        ::blit(into, pixels, QRect(src.topLeft() * k, src.size() * k),
            QRect(dst.topLeft() * k, dst.size() * k), keyed, key);
    };

    // Corners: never stretched, cut to the part against the outer corner.
    const int tlW = std::max(0, std::min(hw, dw)), tlH = std::max(0, std::min(hh, dh));
    const QRect TL(0, 0, tlW, tlH);
    blit(layer, source, QRect(0, 0, tlW, tlH), TL, cornersKeyed, key);

    const int blW = std::max(0, std::min(hw, dw)), blH = std::max(0, std::min(hh - 1, dh - 1));
    const QRect BL = ltrb(0, B - blH, blW, B);
    blit(layer, source, QRect(0, H - blH, blW, blH), BL, cornersKeyed, key);

    // Left edge: rows hh to H - hh, keeping the left columns when narrower.
    {
        const QRect dst = ltrb(0, TL.y() + TL.height(), TL.x() + TL.width(), BL.y());
        const QRect src = ltrb(0, hh, std::min(hw, dst.width()), H - hh);
        blit(layer, source, src, dst, true, key);
    }

    const int trW = std::max(0, std::min(hw - 1, dw - 1)), trH = std::max(0, std::min(hh, dh));
    const QRect TR = ltrb(R - trW, 0, R, trH);
    blit(layer, source, QRect(W - trW, 0, trW, trH), TR, cornersKeyed, key);

    const int brW = std::max(0, std::min(hw - 1, dw - 1)),
              brH = std::max(0, std::min(hh - 1, dh - 1));
    const QRect BR = ltrb(R - brW, B - brH, R, B);
    blit(layer, source, QRect(W - brW, H - brH, brW, brH), BR, cornersKeyed, key);

    const int tlRight = TL.x() + TL.width(), tlBottom = TL.y() + TL.height();
    const int trBottom = TR.y() + TR.height();

    // Right edge: rows H - hh to hh + 2 (the row below the left edge's for odd heights),
    // keeping the right columns when narrower.
    {
        const QRect dst = ltrb(TR.x(), trBottom, R, BR.y());
        const int srcWidth = std::min(hw - 1, dst.width());
        const QRect src = ltrb(W - srcWidth, H - hh, W, hh + 2);
        blit(layer, source, src, dst, true, key);
    }
    // Top edge, keeping the top rows when lower.
    {
        const QRect dst = ltrb(tlRight, 0, TR.x(), tlBottom);
        const QRect src = ltrb(hw, 0, W - hw + 1, std::min(hh, dst.height()));
        blit(layer, source, src, dst, true, key);
    }
    // Centre: never cut; it ends one row above the bottom-right corner.
    blit(layer, source, ltrb(hw, hh, W - hw + 1, H - hh),
        ltrb(tlRight, tlBottom, TR.x(), BR.y() - 1), true, key);
    // Bottom edge, drawn last: one row higher and one column further left than the corners
    // around it, keeping the bottom rows when lower.
    {
        const QRect dst = ltrb(tlRight - 1, BL.y() - 1, BR.x(), B);
        const int srcHeight = std::min(hh, dst.height());
        const QRect src = ltrb(hw, H - srcHeight, W - hw + 1, H);
        blit(layer, source, src, dst, true, key);
    }
    show(layer);
    layers.insert(layerKey, new QImage(layer), int(layer.sizeInBytes() / 1024 + 1));
}

void DrawThreeSliceBitmap(
    const QImage &sourceImage, QPainter &canvas, const QRect &dest, bool keyed)
{
    if (dest.width() <= 0 || dest.height() <= 0)
        return;
    // Composed once per picture, size and keying, like the nine-slice layers.
    static QCache<DrawingKey, QImage> layers(2048); // in KiB
    // On a high-density canvas the pieces come from the picture's twin, as in the nine-slice.
    const QImage twin = TPictureTwin::forPainter(canvas, sourceImage);
    const int k = twin.cacheKey() == sourceImage.cacheKey() ? 1 : 2;
    const DrawingKey layerKey { sourceImage.cacheKey(), 0, 0, dest.width(), dest.height(),
        int(keyed) + 2 * k };
    // The caps keep their full size even where the destination is narrower or lower, so the
    // layer reaches as far as they do.
    const int capsWidth = sourceImage.width() / 3;
    const QPoint origin(std::min(0, dest.width() - capsWidth), 0);
    const auto show = [&canvas, k, at = dest.topLeft() + origin](const QImage &layer) {
        if (k == 1)
            canvas.drawImage(at, layer);
        else
            TPictureTwin::drawTwin(canvas, QRect(at, layer.size() / k), layer, layer.rect());
    };
    if (const QImage *layer = layers.object(layerKey)) {
        show(*layer);
        return;
    }
    const QImage source = asRgb32(k == 1 ? sourceImage : twin);
    if (source.isNull())
        return;
    const int cell = sourceImage.width() / 3, H = sourceImage.height();
    if (cell <= 0)
        return;
    const QRgb key = source.pixel(0, 0) & 0x00FFFFFFu;
    const int W = dest.width();
    // A piece of the source in the picture's pixels, made at the layer's scale.
    const auto cut = [&source, k, keyed, key](const QRect &src, const QSize &size, bool keyOut) {
        QImage out = piece(
            source, QRect(src.topLeft() * k, src.size() * k), size * k, keyed && keyOut, key);
        out.setDevicePixelRatio(k);
        return out;
    };
    // Keyed pixels are fully transparent and the rest opaque, so drawing the pieces into a
    // clear layer and the layer over the canvas gives what drawing them in turn would.
    QImage layer((std::max(W, cell) - origin.x()) * k, std::max(dest.height(), H) * k,
        QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(k);
    layer.fill(Qt::transparent);
    {
        QPainter p(&layer);
        p.translate(-origin);
        p.drawImage(0, 0, cut(QRect(0, 0, cell, H), { cell, H }, true));
        p.drawImage(W - cell, 0, cut(QRect(2 * cell, 0, cell, H), { cell, H }, true));
        const QRect middle = ltrb(cell, 0, W - cell, dest.height());
        if (middle.width() > 0 && middle.height() > 0)
            p.drawImage(middle.topLeft(), cut(QRect(cell, 0, cell, H), middle.size(), false));
    }
    show(layer);
    layers.insert(layerKey, new QImage(layer), int(layer.sizeInBytes() / 1024 + 1));
}

QImage WidgetBuffer(const QWidget *widget, QImage::Format format, const QColor &fill)
{
    const qreal ratio = widget->devicePixelRatioF();
    QImage buffer(widget->size() * ratio, format);
    buffer.setDevicePixelRatio(ratio);
    buffer.fill(fill);
    return buffer;
}

QRgb TopLeftKey(const QImage &image)
{
    return image.isNull() ? 0 : image.pixel(0, 0) & 0x00FFFFFFu;
}

QImage GreyedImage(const QImage &image)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb c = line[x];
            if (qAlpha(c) == 0)
                continue;
            // Half way between the pixel's grey value and the light grey of a button face.
            const int g = (qGray(c) + 0xC0) / 2 + 0x10;
            const int v = g > 0xFF ? 0xFF : g;
            line[x] = qRgba(v, v, v, qAlpha(c));
        }
    }
    return out;
}

QImage PreparedPicture(const QImage &image, bool keyed, QRgb key, bool greyed)
{
    if (image.isNull() || (!keyed && !greyed))
        return image;
    struct Prepared {
        QImage image;
    };
    // Pictures of controls are small: a few megabytes hold every state of every control.
    static QCache<DrawingKey, Prepared> cache(4 * 1024 * 1024);
    // The treatment: the key colour (or none) and whether the picture is greyed.
    const DrawingKey id { image.cacheKey(), int(image.sizeInBytes() >> 32),
        int(image.sizeInBytes() & 0x7FFFFFFF), 0, 0,
        (keyed ? int(key & 0xFFFFFFu) : -1) * 2 + int(greyed) };
    if (const Prepared *found = cache.object(id))
        return found->image;
    const auto treat = [keyed, key, greyed](const QImage &picture) {
        QImage out = keyed ? KeyedImage(picture, key) : picture;
        return greyed ? GreyedImage(out) : out;
    };
    // The twin for high-density screens is prepared alike and goes with the prepared picture.
    const QImage out = TPictureTwin::derive(treat(image), image, treat);
    cache.insert(id, new Prepared { out }, int(std::min<qsizetype>(out.sizeInBytes(), 1 << 30)));
    return out;
}

void TilePicture(QPainter &canvas, const QImage &picture, const QRect &rect)
{
    const int w = picture.width(), h = picture.height();
    if (w <= 0 || h <= 0)
        return;
    // The tiles are stamped at x = 0, w, 2w, ... while x < w + rect's width (rows likewise):
    // they cover this rectangle exactly and never overlap, so one fill with the picture as a
    // texture anchored at the origin lays down the same pixels as a drawing per tile, in one
    // pass over the pixels that the canvas's clip leaves.
    const int columns = (w + rect.width() + w - 1) / w, rows = (h + rect.height() + h - 1) / h;
    if (columns <= 0 || rows <= 0)
        return;
    canvas.save();
    canvas.setBrushOrigin(0, 0);
    const QImage twin = TPictureTwin::forPainter(canvas, picture);
    if (twin.cacheKey() == picture.cacheKey()) {
        canvas.fillRect(QRect(0, 0, columns * w, rows * h), QBrush(widenedTile(picture)));
    } else {
        // The twin's pixels are half a logical pixel each: the same tiles at twice the detail,
        // laid in the twin's own pixels (at ratio 2 those are the device's, the fast plain fill).
        QImage texture = widenedTile(twin);
        texture.setDevicePixelRatio(1);
        canvas.scale(0.5, 0.5);
        canvas.setBrushOrigin(0, 0);
        canvas.setRenderHint(QPainter::SmoothPixmapTransform, TPictureTwin::ratio(canvas) != 2.0);
        canvas.fillRect(QRect(0, 0, columns * w * 2, rows * h * 2), QBrush(texture));
    }
    canvas.restore();
}

QImage GraphicImage(const TGraphic &picture)
{
    if (const auto *bitmap = dynamic_cast<const TBitmap *>(&picture);
        bitmap && !bitmap->transparent())
        return bitmap->image();
    return picture.toImage();
}

void TilePicture(QPainter &canvas, const TGraphic &picture, const QRect &rect)
{
    const int w = picture.width(), h = picture.height();
    if (w <= 0 || h <= 0)
        return;
    // Decode (and key) once, then stamp the same image.
    QImage image = GraphicImage(picture);
    if (image.size() != QSize(w, h))
        image = image.scaled(w, h);
    TilePicture(canvas, image, rect);
}

void TilePicture(QPainter &canvas, const TPicture &picture, const QRect &rect)
{
    if (picture.graphic())
        TilePicture(canvas, *picture.graphic(), rect);
}

TzynCanvasPainting::~TzynCanvasPainting() = default;

namespace {

TzynCanvasPainting *canvasPainting(const QWidget *widget)
{
    auto *painting = dynamic_cast<TzynCanvasPainting *>(const_cast<QWidget *>(widget));
    return painting && painting->CanPaintOnto() ? painting : nullptr;
}

} // namespace

void DrawParentBackground(QPainter &canvas, const QWidget *control)
{
    if (!control)
        return;
    QWidget *parent = control->parentWidget();
    if (!parent)
        return;
    // A parent that is being rendered already (a transparent child asking while its parent
    // renders it) is not asked again.
    if (parentsRendering().contains(parent))
        return;
    QRegion source = QRegion(control->geometry()) & QRegion(parent->rect());
    // Only what the canvas can still show is asked for: a control that repaints a small part
    // of itself does not have its parent paint everything under it.
    if (canvas.hasClipping() && canvas.transform().type() <= QTransform::TxTranslate)
        source &= QRegion(canvas.clipBoundingRect().toAlignedRect().translated(control->pos()));
    if (source.isEmpty())
        return;
    parentsRendering().insert(parent);
    canvas.save();
    if (TzynCanvasPainting *painting = canvasPainting(parent)) {
        canvas.translate(-control->pos());
        canvas.setClipRegion(source, Qt::IntersectClip);
        painting->PaintOnto(canvas, source.boundingRect());
    } else {
        parent->render(&canvas, source.boundingRect().topLeft() - control->pos(), source,
            QWidget::DrawWindowBackground);
    }
    canvas.restore();
    parentsRendering().remove(parent);
}

bool ParentPaintsOntoAnyCanvas(const QWidget *control)
{
    const QWidget *parent = control ? control->parentWidget() : nullptr;
    return parent && !parentsRendering().contains(parent) && canvasPainting(parent);
}

bool ParentBackgroundIsOpaque(const QWidget *control)
{
    const QWidget *parent = control ? control->parentWidget() : nullptr;
    return parent && !parentsRendering().contains(parent)
        && parent->testAttribute(Qt::WA_OpaquePaintEvent)
        && parent->rect().contains(control->geometry());
}

void DrawWindowFrame(QPainter &canvas, const QSize &size, TColor outerColor, TColor innerColor)
{
    auto frame = [&canvas](const QRect &r, const QColor &c) {
        if (r.width() <= 0 || r.height() <= 0)
            return;
        canvas.fillRect(QRect(r.x(), r.y(), r.width(), 1), c);
        canvas.fillRect(QRect(r.x(), r.y() + r.height() - 1, r.width(), 1), c);
        canvas.fillRect(QRect(r.x(), r.y(), 1, r.height()), c);
        canvas.fillRect(QRect(r.x() + r.width() - 1, r.y(), 1, r.height()), c);
    };
    const QRect r(QPoint(0, 0), size);
    frame(r, toQColor(outerColor));
    frame(r.adjusted(1, 1, -1, -1), toQColor(innerColor));
}

void DrawWindowFrame(QWidget *control, TColor outerColor, TColor innerColor)
{
    if (!control)
        return;
    QPainter canvas(control);
    DrawWindowFrame(canvas, control->size(), outerColor, innerColor);
}

void RotateBitmapLeft(QImage &bitmap)
{
    if (bitmap.isNull())
        return;
    const QImage src = bitmap.hasAlphaChannel() ? bitmap.convertToFormat(QImage::Format_ARGB32)
                                                : bitmap.convertToFormat(QImage::Format_RGB32);
    const int W = src.width(), H = src.height();
    QImage out(H, W, src.format());
    for (int y = 0; y < H; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(src.constScanLine(y));
        for (int x = 0; x < W; ++x)
            reinterpret_cast<QRgb *>(out.scanLine(W - 1 - x))[y] = line[x];
    }
    bitmap = out;
}

void RotateBitmapRight(QImage &bitmap)
{
    if (bitmap.isNull())
        return;
    const QImage src = bitmap.hasAlphaChannel() ? bitmap.convertToFormat(QImage::Format_ARGB32)
                                                : bitmap.convertToFormat(QImage::Format_RGB32);
    const int W = src.width(), H = src.height();
    QImage out(H, W, src.format());
    for (int y = 0; y < W; ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < H; ++x)
            line[x] = reinterpret_cast<const QRgb *>(src.constScanLine(H - 1 - x))[y];
    }
    bitmap = out;
}

void RotateBitmapLeft(TBitmap &bitmap)
{
    QImage image = bitmap.image();
    RotateBitmapLeft(image);
    bitmap.setImage(image);
}

void RotateBitmapRight(TBitmap &bitmap)
{
    QImage image = bitmap.image();
    RotateBitmapRight(image);
    bitmap.setImage(image);
}

bool XYInRectInclusive(int x, int y, const QRect &rect)
{
    return x >= rect.x() && x <= rect.x() + rect.width() && y >= rect.y()
        && y <= rect.y() + rect.height();
}

bool PtInRectInclusive(const QPoint &point, const QRect &rect)
{
    return XYInRectInclusive(point.x(), point.y(), rect);
}

QRect GetWorkAreaRect()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

void GetWorkAreaRect(QRect &rect)
{
    rect = GetWorkAreaRect();
}

void MoveControlTo(QWidget *control, const QPoint &point)
{
    if (!control)
        return;
    // Through the framework's bounds setter where there is one, so anchors follow.
    if (TControlCore *core = TControlCore::of(control)) {
        core->setBoundsRect(QRect(point.x(), control->y(), control->width(), control->height()));
        core->setBoundsRect(QRect(point.x(), point.y(), control->width(), control->height()));
        return;
    }
    control->move(point.x(), control->y());
    control->move(point.x(), point.y());
}

void SetFormBoundsRect(QWidget *form, const QRect &rect)
{
    if (!form)
        return;
    // One geometry request: on X11 four separate ones would each be a round trip to the
    // window manager, and only the final bounds are seen.
    if (TControlCore *core = TControlCore::of(form))
        core->setBoundsRect(rect);
    else
        form->setGeometry(rect);
}

bool IsFormActive(const QWidget *form)
{
    if (QGuiApplication::applicationState() != Qt::ApplicationActive)
        return false;
    const TApplication *app = TApplication::instance();
    if (!form || (app && form == app->MainForm()))
        return true;
    return form->isActiveWindow();
}

bool HasVisibleText(const QString &text)
{
    for (const QChar ch : text) {
        if (ch.unicode() > 0x20)
            return true;
    }
    return false;
}
