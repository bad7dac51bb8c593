// Pictures on high-density canvases: a picture's twin (twice its size) is found, carried
// through the treatments that have one, and drawn over the picture's logical rectangle where the
// canvas's device pixel ratio is above 1; at ratio 1 the picture itself is drawn, as before.
// Pictures and twins are painted in different colours here, so every pixel tells which was drawn.

#include "TBitmap.h"
#include "TGIFImage.h"
#include "TImageList.h"
#include "TPictureTwin.h"
#include "ZYNDraw.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

class tst_PictureDensity : public QObject {
    Q_OBJECT

private slots:
    void twinPathSitsBesideThePicture();
    void twinMustBeTwiceTheSize();
    void changedPictureLosesItsTwin();
    void drawingPicksByRatio_data();
    void drawingPicksByRatio();
    void sliceRulesKeepLogicalEdges();
    void preparedPictureKeepsItsTwin();
    void filesBringTheirTwins();
    void imageListCellsHaveTwins();
};

namespace {

const QRgb one = qRgb(200, 0, 0), two = qRgb(0, 0, 200), key = qRgb(255, 0, 255);

QImage plain(int w, int h, QRgb colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// A canvas of the logical size at that device pixel ratio, white.
QImage canvas(QSize logical, qreal ratio)
{
    QImage image(logical * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    return image;
}

} // namespace

void tst_PictureDensity::twinPathSitsBesideThePicture()
{
    QCOMPARE(TPictureTwin::twinPath(QStringLiteral("a/b.bmp")), QStringLiteral("a/b@2x.bmp"));
    QCOMPARE(TPictureTwin::twinPath(QStringLiteral(":/logo/logo.gif")),
        QStringLiteral(":/logo/logo@2x.gif"));
    QCOMPARE(
        TPictureTwin::twinPath(QStringLiteral("dir.v2/name")), QStringLiteral("dir.v2/name@2x"));
}

void tst_PictureDensity::twinMustBeTwiceTheSize()
{
    const QImage picture = plain(5, 3, one);
    TPictureTwin::attach(picture, plain(9, 6, two));
    QVERIFY(TPictureTwin::of(picture).isNull());
    TPictureTwin::attach(picture, plain(10, 6, two));
    const QImage twin = TPictureTwin::of(picture);
    QCOMPARE(twin.size(), QSize(10, 6));
    QCOMPARE(twin.devicePixelRatio(), 2.0);
    // A copy shares the picture and its twin.
    const QImage copy = picture;
    QCOMPARE(TPictureTwin::of(copy).pixel(0, 0), two);
}

void tst_PictureDensity::changedPictureLosesItsTwin()
{
    // Whatever is done to a picture without its twin must not draw the untreated twin.
    QImage picture = plain(4, 4, one);
    TPictureTwin::attach(picture, plain(8, 8, two));
    QImage changed = picture;
    changed.setPixel(0, 0, key);
    QVERIFY(TPictureTwin::of(changed).isNull());
    QVERIFY(TPictureTwin::of(picture.mirrored()).isNull());
    // derive carries the treatment over to the twin.
    const auto mirrored = [](const QImage &image) { return image.mirrored(true, false); };
    QImage marked = picture;
    marked.setPixel(0, 0, key);
    TPictureTwin::attach(marked, [] {
        QImage twin = plain(8, 8, two);
        twin.setPixel(0, 0, key);
        return twin;
    }());
    const QImage derived = TPictureTwin::derive(mirrored(marked), marked, mirrored);
    QCOMPARE(derived.pixel(3, 0), key);
    QCOMPARE(TPictureTwin::of(derived).pixel(7, 0), key);
    QCOMPARE(TPictureTwin::of(derived).pixel(0, 0), two);
}

void tst_PictureDensity::drawingPicksByRatio_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QRgb>("expected");
    QTest::newRow("1") << 1.0 << one;
    QTest::newRow("1.25") << 1.25 << two;
    QTest::newRow("1.5") << 1.5 << two;
    QTest::newRow("2") << 2.0 << two;
}

void tst_PictureDensity::drawingPicksByRatio()
{
    QFETCH(qreal, ratio);
    QFETCH(QRgb, expected);
    const QImage picture = plain(6, 4, one);
    TPictureTwin::attach(picture, plain(12, 8, two));
    QImage target = canvas(QSize(20, 10), ratio);
    {
        QPainter p(&target);
        TPictureTwin::draw(p, QPoint(2, 3), picture);
    }
    // The same logical rectangle at every ratio, covered in full and nothing beyond it.
    const auto at = [&](qreal x, qreal y) { return target.pixel(int(x * ratio), int(y * ratio)); };
    // (Pixels across the rectangle's edges blend at ratios other than whole numbers.)
    QCOMPARE(at(2.5, 3.5), expected);
    QCOMPARE(at(7.5, 6.5), expected);
    QCOMPARE(at(1.5, 3.5), qRgb(255, 255, 255));
    QCOMPARE(at(8.5, 5), qRgb(255, 255, 255));
    QCOMPARE(at(5, 7.5), qRgb(255, 255, 255));
}

void tst_PictureDensity::sliceRulesKeepLogicalEdges()
{
    // A 9 x 9 button picture whose corners are key-coloured: stretched to 30 x 20 at ratio 2 it
    // is drawn from its twin (18 x 18), corners still left out over exactly one logical pixel.
    QImage picture = plain(9, 9, one);
    QImage twin = plain(18, 18, two);
    picture.setPixel(0, 0, key);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x)
            twin.setPixel(x, y, key);
    TPictureTwin::attach(picture, twin);
    QImage target = canvas(QSize(30, 20), 2);
    {
        QPainter p(&target);
        DrawNineSliceBitmap(picture, p, QRect(0, 0, 30, 20), true);
    }
    QCOMPARE(target.pixel(0, 0), qRgb(255, 255, 255));
    QCOMPARE(target.pixel(1, 1), qRgb(255, 255, 255));
    QCOMPARE(target.pixel(2, 0), two);
    QCOMPARE(target.pixel(59, 39), two);
    // The three-slice rule likewise: caps unstretched at the ends, the middle stretched.
    QImage bar = plain(12, 4, one);
    bar.setPixel(0, 0, key);
    QImage barTwin = plain(24, 8, two);
    barTwin.fill(two);
    barTwin.setPixel(0, 0, key);
    TPictureTwin::attach(bar, barTwin);
    QImage strip = canvas(QSize(40, 4), 2);
    {
        QPainter p(&strip);
        DrawThreeSliceBitmap(bar, p, QRect(0, 0, 40, 4), true);
    }
    QCOMPARE(strip.pixel(0, 0), qRgb(255, 255, 255));
    QCOMPARE(strip.pixel(1, 0), two);
    QCOMPARE(strip.pixel(79, 7), two);
    // At ratio 1 the picture itself, exactly as before.
    QImage flat = canvas(QSize(30, 20), 1);
    {
        QPainter p(&flat);
        DrawNineSliceBitmap(picture, p, QRect(0, 0, 30, 20), true);
    }
    QCOMPARE(flat.pixel(0, 0), qRgb(255, 255, 255));
    QCOMPARE(flat.pixel(1, 0), one);
}

void tst_PictureDensity::preparedPictureKeepsItsTwin()
{
    // Keyed and greyed alike: the twin's key-coloured pixels become transparent too.
    QImage picture = plain(4, 4, one);
    picture.setPixel(0, 0, key);
    QImage twin = plain(8, 8, two);
    twin.setPixel(0, 0, key);
    TPictureTwin::attach(picture, twin);
    const QImage prepared = PreparedPicture(picture, true, key, true);
    const QImage preparedTwin = TPictureTwin::of(prepared);
    QVERIFY(!preparedTwin.isNull());
    QCOMPARE(qAlpha(preparedTwin.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(preparedTwin.pixel(1, 1)), 255);
    QCOMPARE(qRed(preparedTwin.pixel(1, 1)), qGreen(preparedTwin.pixel(1, 1)));
}

void tst_PictureDensity::filesBringTheirTwins()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(plain(3, 2, one).save(dir.filePath("p.bmp")));
    QVERIFY(plain(6, 4, two).save(dir.filePath("p@2x.bmp")));
    TBitmap bitmap;
    bitmap.loadFromFile(dir.filePath("p.bmp"));
    QCOMPARE(TPictureTwin::of(bitmap.image()).pixel(5, 3), two);
    QImage target = canvas(QSize(3, 2), 2);
    {
        QPainter p(&target);
        bitmap.draw(p, QRect(0, 0, 3, 2));
    }
    QCOMPARE(target.pixel(5, 3), two);
    // Without a twin beside it a bitmap has none.
    QVERIFY(plain(3, 2, one).save(dir.filePath("q.bmp")));
    TBitmap single;
    single.loadFromFile(dir.filePath("q.bmp"));
    QVERIFY(TPictureTwin::of(single.image()).isNull());

    // A GIF's twin is decoded by the same codec and drawn in its place.
    const auto writeGif = [&](const QString &name, const QImage &image) {
        TGIFImage gif;
        gif.addFrame(TBitmap(image));
        QFile file(dir.filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(gif.saveToBytes()) > 0;
    };
    QVERIFY(writeGif("g.gif", plain(4, 3, one)));
    QVERIFY(writeGif("g@2x.gif", plain(8, 6, two)));
    TGIFImage gif;
    gif.loadFromFile(dir.filePath("g.gif"));
    QCOMPARE(QSize(gif.width(), gif.height()), QSize(4, 3));
    for (const qreal ratio : { 1.0, 2.0 }) {
        QImage shown = canvas(QSize(4, 3), ratio);
        {
            QPainter p(&shown);
            gif.clone()->draw(p, QRect(0, 0, 4, 3));
        }
        QCOMPARE(shown.pixel(shown.width() - 1, shown.height() - 1), ratio > 1 ? two : one);
    }
    // A twin of the wrong size is not taken.
    QVERIFY(writeGif("h.gif", plain(4, 3, one)));
    QVERIFY(writeGif("h@2x.gif", plain(8, 5, two)));
    TGIFImage odd;
    odd.loadFromFile(dir.filePath("h.gif"));
    QImage shown = canvas(QSize(4, 3), 2);
    {
        QPainter p(&shown);
        odd.draw(p, QRect(0, 0, 4, 3));
    }
    QCOMPARE(shown.pixel(7, 5), one);
    // Nor one that is not a GIF at all; the picture itself still loads.
    QVERIFY(writeGif("k.gif", plain(4, 3, one)));
    {
        QFile broken(dir.filePath("k@2x.gif"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("GIF89a not really");
    }
    TGIFImage damaged;
    damaged.loadFromFile(dir.filePath("k.gif"));
    QCOMPARE(damaged.width(), 4);
    QImage plainShown = canvas(QSize(4, 3), 2);
    {
        QPainter p(&plainShown);
        damaged.draw(p, QRect(0, 0, 4, 3));
    }
    QCOMPARE(plainShown.pixel(7, 5), one);
}

void tst_PictureDensity::imageListCellsHaveTwins()
{
    // A strip added to an image list gives every cell its twin, and the icon both sizes.
    QImage strip = plain(4, 2, one);
    TPictureTwin::attach(strip, plain(8, 4, two));
    TImageList list;
    list.setWidth(4);
    list.setHeight(2);
    list.Add(strip);
    QCOMPARE(TPictureTwin::of(list.image(0)).size(), QSize(8, 4));
    const QIcon icon = list.icon(0, -1);
    QCOMPARE(icon.availableSizes().size(), 2);
}

QTEST_MAIN(tst_PictureDensity)
#include "tst_picture_density.moc"
