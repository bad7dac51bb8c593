// The one keying rule, as transparent bitmaps use it: exactly the key colour goes, its alpha
// not counted; near colours stay; the key is the bottom-left pixel unless one is set.

#include "TBitmap.h"

#include <QPainter>
#include <QtTest>

class tst_Bitmap : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void keyedImage();
    void transparentBitmapKeysItsColour();
};

void tst_Bitmap::keyedImage()
{
    QImage image(3, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(255, 0, 255));
    image.setPixel(1, 0, qRgb(254, 0, 255)); // near the key: kept
    image.setPixel(2, 0, qRgb(10, 20, 30));
    // The key's alpha does not count.
    const QImage keyed = KeyedImage(image, qRgba(255, 0, 255, 0));
    QCOMPARE(keyed.format(), QImage::Format_ARGB32);
    QCOMPARE(keyed.pixel(0, 0), QRgb(0));
    QCOMPARE(keyed.pixel(1, 0), qRgb(254, 0, 255));
    QCOMPARE(keyed.pixel(2, 0), qRgb(10, 20, 30));
    QVERIFY(KeyedImage(QImage(), 0).isNull());
}

void tst_Bitmap::transparentBitmapKeysItsColour()
{
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(qRgb(1, 2, 3));
    image.setPixel(0, 1, qRgb(0, 255, 0)); // bottom-left
    TBitmap bitmap(image);
    QCOMPARE(bitmap.toImage().pixel(0, 1), qRgb(0, 255, 0)); // opaque: nothing keyed
    bitmap.setTransparent(true);
    QCOMPARE(bitmap.toImage().pixel(0, 1), QRgb(0));
    QCOMPARE(bitmap.toImage().pixel(1, 1), qRgb(1, 2, 3));
    bitmap.setTransparentColor(qRgb(1, 2, 3));
    QCOMPARE(bitmap.toImage().pixel(0, 1), qRgb(0, 255, 0));
    QCOMPARE(bitmap.toImage().pixel(1, 1), QRgb(0));

    // Drawn over red, the keyed pixels show the red.
    QImage canvas(2, 2, QImage::Format_RGB32);
    canvas.fill(qRgb(255, 0, 0));
    QPainter painter(&canvas);
    bitmap.draw(painter, canvas.rect());
    painter.end();
    QCOMPARE(canvas.pixel(1, 0), qRgb(255, 0, 0));
    QCOMPARE(canvas.pixel(0, 1), qRgb(0, 255, 0));
}

QTEST_MAIN(tst_Bitmap)
#include "tst_bitmap.moc"
