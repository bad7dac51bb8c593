#include "TImageList.h"

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
        for (int y = 0; y + m_height <= strip.height(); y += m_height) {
            for (int x = 0; x + m_width <= strip.width(); x += m_width)
                m_images.append(strip.copy(x, y, m_width, m_height));
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
    if (!normal.isNull())
        icon.addPixmap(QPixmap::fromImage(normal), QIcon::Normal);
    const QImage selected = image(selectedIndex);
    if (!selected.isNull())
        icon.addPixmap(QPixmap::fromImage(selected), QIcon::Selected);
    return icon;
}

void TImageList::Add(const QImage &image)
{
    m_images.append(image.scaled(m_width, m_height).convertToFormat(QImage::Format_ARGB32));
    Q_EMIT OnChange(this);
}

void TImageList::Clear()
{
    m_images.clear();
    Q_EMIT OnChange(this);
}
