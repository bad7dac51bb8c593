#pragma once

#include "TGraphic.h"

// The picture with exactly the key colour made fully transparent (alpha and colour 0); near
// colours stay. The colour is compared without its alpha. The one keying rule of the system:
// transparent bitmaps, glyphs, check marks and title-bar buttons all use it.
QImage KeyedImage(const QImage &image, QRgb key);

// A plain raster picture. Transparent bitmaps key out their transparent colour, which by
// default is the colour of the bottom-left pixel.
class TBitmap : public TGraphic {
public:
    TBitmap() = default;
    explicit TBitmap(QImage image);

    const char *className() const override { return "TBitmap"; }
    std::unique_ptr<TGraphic> clone() const override;

    bool isEmpty() const override { return m_image.isNull(); }
    int width() const override { return m_image.width(); }
    int height() const override { return m_image.height(); }

    void draw(QPainter &painter, const QRect &rect) const override;
    void loadFromStream(QIODevice &stream) override;
    void saveToStream(QIODevice &stream) const override;
    QImage toImage() const override;

    const QImage &image() const { return m_image; }
    void setImage(QImage image);

    // The key colour while transparent: the bottom-left pixel unless set explicitly.
    QRgb transparentColor() const;
    void setTransparentColor(QRgb color);

private:
    QImage m_image;
    bool m_fixedTransparentColor = false;
    QRgb m_transparentColor = 0;
};
