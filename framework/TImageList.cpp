#include "TImageList.h"
#include "TBitmap.h"
#include "TPictureTwin.h"

#include <QPixmap>

TImageList::TImageList(QObject *owner)
    : QObject(owner)
    , m_bitmap(new TPicture(this))
{
    connect(m_bitmap, &TPicture::OnChange, this, &TImageList::splitBitmap);
}

void TImageList::setWidth(int width)
{
    if (m_width == width || width <= 0)
        return;
    m_width = width;
    splitBitmap();
}

void TImageList::setHeight(int height)
{
    if (m_height == height || height <= 0)
        return;
    m_height = height;
    splitBitmap();
}

void TImageList::splitBitmap()
{
    m_images.clear();
    if (const TGraphic *graphic = m_bitmap->graphic()) {
        const QImage strip = graphic->toImage().convertToFormat(QImage::Format_ARGB32);
        // A strip loaded with its twin for high-density screens gives each image its twin.
        QImage twinStrip;
        if (const auto *bitmap = dynamic_cast<const TBitmap *>(graphic)) {
            twinStrip = TPictureTwin::of(bitmap->image());
            if (!twinStrip.isNull() && bitmap->transparent())
                twinStrip = KeyedImage(twinStrip, bitmap->transparentColor());
            twinStrip = twinStrip.convertToFormat(QImage::Format_ARGB32);
        }
        for (int y = 0; y + m_height <= strip.height(); y += m_height) {
            for (int x = 0; x + m_width <= strip.width(); x += m_width) {
                const QImage cell = strip.copy(x, y, m_width, m_height);
                if (!twinStrip.isNull())
                    TPictureTwin::attach(
                        cell, twinStrip.copy(2 * x, 2 * y, 2 * m_width, 2 * m_height));
                m_images.append(cell);
            }
        }
    }
    Q_EMIT OnChange(this);
}

QImage TImageList::image(int index) const
{
    return index >= 0 && index < m_images.size() ? m_images[index] : QImage();
}

QIcon TImageList::icon(int index, int selectedIndex) const
{
    QIcon icon;
    const QImage normal = image(index);
    // Each with its twin, which the icon gives where the screen's device pixel ratio is 2.
    const auto add = [&icon](const QImage &picture, QIcon::Mode mode) {
        if (picture.isNull())
            return;
        icon.addPixmap(QPixmap::fromImage(picture), mode);
        if (const QImage twin = TPictureTwin::of(picture); !twin.isNull())
            icon.addPixmap(QPixmap::fromImage(twin), mode);
    };
    add(normal, QIcon::Normal);
    add(image(selectedIndex), QIcon::Selected);
    return icon;
}

void TImageList::Add(const QImage &image)
{
    const int w = m_width, h = m_height;
    m_images.append(TPictureTwin::derive(image.scaled(w, h).convertToFormat(QImage::Format_ARGB32),
        image, [w, h](const QImage &twin) {
            return twin.scaled(2 * w, 2 * h).convertToFormat(QImage::Format_ARGB32);
        }));
    Q_EMIT OnChange(this);
}

void TImageList::Clear()
{
    m_images.clear();
    Q_EMIT OnChange(this);
}
