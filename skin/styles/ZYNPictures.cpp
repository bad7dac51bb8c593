#include "ZYNPictures.h"

#include "TBitmap.h"

#include <QCache>

#include <algorithm>

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
    static QCache<QString, Prepared> cache(4 * 1024 * 1024);
    const QString id = QStringLiteral("%1/%2/%3/%4")
                           .arg(image.cacheKey())
                           .arg(keyed ? int(key & 0xFFFFFFu) : -1)
                           .arg(greyed)
                           .arg(image.sizeInBytes());
    if (const Prepared *found = cache.object(id))
        return found->image;
    QImage out = keyed ? KeyedImage(image, key) : image;
    if (greyed)
        out = GreyedImage(out);
    cache.insert(id, new Prepared { out }, int(std::min<qsizetype>(out.sizeInBytes(), 1 << 30)));
    return out;
}
