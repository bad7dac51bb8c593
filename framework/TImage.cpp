#include "TImage.h"

#include <QPainter>

TImage::TImage(QWidget *parent)
    : TControl(parent)
    , m_picture(new TPicture(this))
{
    connect(m_picture, &TPicture::OnChange, this, &TImage::pictureChanged);
}

void TImage::pictureChanged()
{
    if (TGraphic *graphic = m_picture->graphic()) {
        if (graphic->transparent() != m_transparent && m_transparent)
            graphic->setTransparent(true);
    }
    update();
}

void TImage::setStretch(bool value)
{
    if (m_stretch == value)
        return;
    m_stretch = value;
    update();
}

void TImage::setCenter(bool value)
{
    if (m_center == value)
        return;
    m_center = value;
    update();
}

void TImage::setTransparent(bool value)
{
    if (m_transparent == value)
        return;
    m_transparent = value;
    pictureChanged();
}

QRect TImage::destRect() const
{
    if (m_stretch)
        return rect();
    const QSize size(m_picture->width(), m_picture->height());
    if (m_center)
        return QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    return QRect(QPoint(0, 0), size);
}

void TImage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (const TGraphic *graphic = m_picture->graphic(); graphic && !graphic->isEmpty())
        graphic->draw(painter, destRect());
}
