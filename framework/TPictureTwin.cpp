#include "TPictureTwin.h"

#include <QCache>
#include <QFileInfo>
#include <QPaintDevice>
#include <QPainter>

namespace {

struct Twin {
    QImage picture; // held, so that its cache key is not given to another image
    QImage twin;
};

// Twins of pictures loaded from the resources and of the prepared pictures made from them.
// Bounded: a twin pushed out only means its picture is drawn magnified again.
QCache<qint64, Twin> &twins()
{
    static QCache<qint64, Twin> cache(96 * 1024); // in KiB
    return cache;
}

} // namespace

QString TPictureTwin::twinPath(const QString &path)
{
    const QFileInfo info(path);
    const QString suffix = info.suffix();
    if (suffix.isEmpty())
        return path + QStringLiteral("@2x");
    return path.chopped(suffix.size() + 1) + QStringLiteral("@2x.") + suffix;
}

void TPictureTwin::attach(const QImage &picture, const QImage &twin)
{
    if (picture.isNull() || twin.isNull() || twin.size() != picture.size() * 2)
        return;
    QImage scaled = twin;
    scaled.setDevicePixelRatio(2);
    const int cost = int((picture.sizeInBytes() + scaled.sizeInBytes()) / 1024 + 1);
    twins().insert(picture.cacheKey(), new Twin { picture, scaled }, cost);
}

QImage TPictureTwin::of(const QImage &picture)
{
    if (picture.isNull())
        return QImage();
    const Twin *found = twins().object(picture.cacheKey());
    return found ? found->twin : QImage();
}

QImage TPictureTwin::derive(const QImage &derived, const QImage &picture,
    const std::function<QImage(const QImage &)> &treat)
{
    const QImage twin = of(picture);
    if (!twin.isNull() && derived.cacheKey() != picture.cacheKey()) {
        QImage plain = twin;
        plain.setDevicePixelRatio(1);
        attach(derived, treat(plain));
    }
    return derived;
}

qreal TPictureTwin::ratio(const QPainter &painter)
{
    const QPaintDevice *device = painter.device();
    return device ? device->devicePixelRatio() : 1.0;
}

QImage TPictureTwin::forPainter(const QPainter &painter, const QImage &picture)
{
    if (ratio(painter) <= 1.0)
        return picture;
    const QImage twin = of(picture);
    return twin.isNull() ? picture : twin;
}

void TPictureTwin::draw(
    QPainter &painter, const QRect &target, const QImage &picture, const QRect &source)
{
    const qreal r = ratio(painter);
    const QImage twin = r > 1.0 ? of(picture) : QImage();
    if (twin.isNull()) {
        painter.drawImage(target, picture, source);
        return;
    }
    drawTwin(painter, target, twin,
        QRect(source.x() * 2, source.y() * 2, source.width() * 2, source.height() * 2));
}

void TPictureTwin::drawTwin(
    QPainter &painter, const QRect &target, const QImage &twin, const QRect &source)
{
    // At ratio 2 the twin's pixels are the screen's; at other ratios they are resampled.
    const bool smooth = ratio(painter) != 2.0;
    const bool wasSmooth = painter.testRenderHint(QPainter::SmoothPixmapTransform);
    if (smooth != wasSmooth)
        painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
    painter.drawImage(target, twin, source);
    if (smooth != wasSmooth)
        painter.setRenderHint(QPainter::SmoothPixmapTransform, wasSmooth);
}

void TPictureTwin::draw(QPainter &painter, const QPoint &at, const QImage &picture)
{
    draw(painter, QRect(at, picture.size()), picture, picture.rect());
}

void TPictureTwin::draw(QPainter &painter, const QRect &target, const QImage &picture)
{
    draw(painter, target, picture, picture.rect());
}
