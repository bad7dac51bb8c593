#include "TBitmap.h"

#include "Exception.h"
#include "TPictureTwin.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

TBitmap::TBitmap(QImage image)
    : m_image(std::move(image))
{
}

std::unique_ptr<TGraphic> TBitmap::clone() const
{
    return std::make_unique<TBitmap>(*this);
}

void TBitmap::setImage(QImage image)
{
    m_image = std::move(image);
    changed();
}

QRgb TBitmap::transparentColor() const
{
    if (m_fixedTransparentColor || m_image.isNull())
        return m_transparentColor;
    return m_image.pixel(0, m_image.height() - 1);
}

void TBitmap::setTransparentColor(QRgb color)
{
    m_fixedTransparentColor = true;
    m_transparentColor = color;
    changed();
}

QImage TBitmap::toImage() const
{
    if (transparent() && !m_image.isNull())
        return KeyedImage(m_image, transparentColor());
    return m_image.convertToFormat(QImage::Format_ARGB32);
}

void TBitmap::draw(QPainter &painter, const QRect &rect) const
{
    if (m_image.isNull())
        return;
    const QImage twin = TPictureTwin::ratio(painter) > 1.0 ? TPictureTwin::of(m_image) : QImage();
    if (!twin.isNull()) {
        const QImage shown = transparent() ? KeyedImage(twin, transparentColor()) : twin;
        TPictureTwin::drawTwin(painter, rect, shown, shown.rect());
        return;
    }
    painter.drawImage(rect, transparent() ? toImage() : m_image);
}

void TBitmap::loadFromStream(QIODevice &stream)
{
    QImageReader reader(&stream);
    QImage image = reader.read();
    if (image.isNull())
        throw EInvalidGraphicOperation(QStringLiteral("Bitmap image is not valid"));
    // The twin is attached before anyone hears of the new picture, so that what they make
    // of it can have its twin too.
    if (!twinFile().isEmpty())
        TPictureTwin::attach(image, QImageReader(twinFile()).read());
    setImage(std::move(image));
}

void TBitmap::saveToStream(QIODevice &stream) const
{
    QImageWriter writer(&stream, "bmp");
    if (!writer.write(m_image))
        throw EInvalidGraphicOperation(writer.errorString());
}

QImage KeyedImage(const QImage &image, QRgb key)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb rgbKey = key & 0x00FFFFFFu;
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if ((line[x] & 0x00FFFFFFu) == rgbKey)
                line[x] = 0;
        }
    }
    return out;
}
