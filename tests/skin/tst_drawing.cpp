// The drawing helpers: nine-slice and three-slice geometry pixel for pixel, keyed drawing,
// tiling, rotations, the window frame and the geometry helpers.

#include "TBitmap.h"
#include "ZYNDraw.h"

#include <QPainter>
#include <QWidget>
#include <QtTest>

namespace {

constexpr QRgb canvasColour = 0xFF102030;

// Every pixel of the source tells where it came from.
QImage coordinateImage(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x, y, 0x80));
    return image;
}

QImage blankCanvas(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(canvasColour);
    return image;
}

// A piece of the rule written out as literal rectangles (exclusive right and bottom).
struct Piece {
    int dl, dt, dr, db; // destination
    int sl, st, sr, sb; // source
};

// The expected picture: the last piece covering a pixel decides, the source pixel chosen by
// the stretched copy's mapping.
QImage expectedNineSlice(const QImage &source, int w, int h, const std::vector<Piece> &pieces)
{
    QImage out = blankCanvas(w, h);
    for (const Piece &p : pieces) {
        const int dw = p.dr - p.dl, dh = p.db - p.dt, sw = p.sr - p.sl, sh = p.sb - p.st;
        for (int y = p.dt; y < p.db; ++y)
            for (int x = p.dl; x < p.dr; ++x)
                out.setPixel(
                    x, y, source.pixel(p.sl + (x - p.dl) * sw / dw, p.st + (y - p.dt) * sh / dh));
    }
    return out;
}

QImage drawNine(const QImage &source, int w, int h, bool cornersKeyed)
{
    QImage canvas = blankCanvas(w, h);
    QPainter painter(&canvas);
    DrawNineSliceBitmap(source, painter, QRect(0, 0, w, h), cornersKeyed);
    painter.end();
    return canvas;
}

} // namespace

class tst_Drawing : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void nineSliceWorkedExample();
    void nineSliceIdentityIsNotACopy();
    void nineSliceKeying();
    void nineSliceFollowsChangedPicture();
    void threeSlice();
    void threeSliceCapsOverhangANarrowLowDestination();
    void threeSliceKeyedCapsOpaqueMiddle();
    void tileFromOrigin();
    void tilesLikeStampedPictures_data();
    void tilesLikeStampedPictures();
    void rotations();
    void rotateBitmapObject();
    void inclusiveRects_data();
    void inclusiveRects();
    void windowFrame();
    void moveAndBounds();
    void workArea();
};

void tst_Drawing::nineSliceWorkedExample()
{
    // A BlueGlass-sized 77x27 picture on a 96x73 button.
    const QImage source = coordinateImage(77, 27);
    const std::vector<Piece> pieces = {
        { 0, 0, 38, 13, 0, 0, 38, 13 }, // top-left corner
        { 0, 61, 38, 73, 0, 15, 38, 27 }, // bottom-left corner: bottom 12 rows
        { 0, 13, 38, 61, 0, 13, 38, 14 }, // left edge: row 13
        { 59, 0, 96, 13, 40, 0, 77, 13 }, // top-right corner: right 37 columns
        { 59, 61, 96, 73, 40, 15, 77, 27 }, // bottom-right corner
        { 59, 13, 96, 61, 40, 14, 77, 15 }, // right edge: row 14
        { 38, 0, 59, 13, 38, 0, 40, 13 }, // top edge
        { 38, 13, 59, 60, 38, 13, 40, 14 }, // centre
        { 37, 60, 59, 73, 38, 14, 40, 27 }, // bottom edge, last
    };
    const QImage actual = drawNine(source, 96, 73, true);
    const QImage expected = expectedNineSlice(source, 96, 73, pieces);
    for (int y = 0; y < 73; ++y)
        for (int x = 0; x < 96; ++x)
            QVERIFY2(actual.pixel(x, y) == expected.pixel(x, y),
                qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
}

void tst_Drawing::nineSliceIdentityIsNotACopy()
{
    const QImage source = coordinateImage(77, 27);
    const QImage actual = drawNine(source, 77, 27, true);
    auto from = [&](int x, int y) {
        return QPoint(qRed(actual.pixel(x, y)), qGreen(actual.pixel(x, y)));
    };
    // Rows 13 and 14 of the left part both show source row 13, of the right part row 14.
    for (int x = 0; x < 37; ++x) {
        QCOMPARE(from(x, 13), QPoint(x, 13));
        QCOMPARE(from(x, 14), QPoint(x, 13));
    }
    for (int x = 40; x < 77; ++x) {
        QCOMPARE(from(x, 13), QPoint(x, 14));
        QCOMPARE(from(x, 14), QPoint(x, 14));
    }
    // The bottom edge stretches source columns 38 and 39 over columns 37 to 39, rows 14 to 26.
    for (int y = 14; y < 27; ++y) {
        QCOMPARE(from(37, y), QPoint(38, y));
        QCOMPARE(from(38, y), QPoint(38, y));
        QCOMPARE(from(39, y), QPoint(39, y));
    }
    // Elsewhere the picture is unchanged.
    QCOMPARE(from(10, 5), QPoint(10, 5));
    QCOMPARE(from(70, 20), QPoint(70, 20));
}

void tst_Drawing::nineSliceKeying()
{
    QImage source = coordinateImage(21, 21);
    source.setPixel(0, 0, 0xFFFF00FF); // in the top-left corner
    source.setPixel(10, 10, 0xFFFF00FF); // the centre
    source.setPixel(1, 0, 0xFFFE00FF); // a near colour is not the key

    const QImage opaqueCorners = drawNine(source, 21, 21, false);
    QCOMPARE(opaqueCorners.pixel(0, 0), 0xFFFF00FFu);
    QCOMPARE(opaqueCorners.pixel(10, 10), canvasColour);
    QCOMPARE(opaqueCorners.pixel(1, 0), 0xFFFE00FFu);

    const QImage keyedCorners = drawNine(source, 21, 21, true);
    QCOMPARE(keyedCorners.pixel(0, 0), canvasColour);
    QCOMPARE(keyedCorners.pixel(10, 10), canvasColour);
    QCOMPARE(keyedCorners.pixel(1, 0), 0xFFFE00FFu);
}

void tst_Drawing::nineSliceFollowsChangedPicture()
{
    // Drawings are kept for reuse; a picture changed in place, or another size, is drawn anew.
    QImage source = coordinateImage(21, 21);
    QCOMPARE(drawNine(source, 30, 25, false).pixel(12, 12), qRgb(10, 10, 0x80));
    source.setPixel(10, 10, qRgb(1, 2, 3));
    QCOMPARE(drawNine(source, 30, 25, false).pixel(12, 12), qRgb(1, 2, 3));
    const QImage larger = drawNine(source, 40, 30, false);
    QCOMPARE(larger.pixel(39, 29), qRgb(20, 20, 0x80));
    QCOMPARE(larger, drawNine(source, 40, 30, false));
}

void tst_Drawing::threeSlice()
{
    // Three cells of 3 columns; the destination starts away from the origin.
    const QImage source = coordinateImage(9, 4);
    QImage canvas = blankCanvas(40, 10);
    QPainter painter(&canvas);
    DrawThreeSliceBitmap(source, painter, QRect(5, 2, 20, 4), false);
    painter.end();
    auto from = [&](int x, int y) {
        return QPoint(qRed(canvas.pixel(x, y)), qGreen(canvas.pixel(x, y)));
    };
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 3; ++x) {
            QCOMPARE(from(5 + x, 2 + y), QPoint(x, y)); // left cap
            QCOMPARE(from(22 + x, 2 + y), QPoint(6 + x, y)); // right cap
        }
        for (int x = 8; x < 22; ++x) {
            // The middle cell (columns 3 to 5) stretched over 14 columns.
            QCOMPARE(from(x, 2 + y), QPoint(3 + (x - 8) * 3 / 14, y));
        }
    }
    QCOMPARE(canvas.pixel(4, 3), canvasColour);
    QCOMPARE(canvas.pixel(25, 3), canvasColour);
    QCOMPARE(canvas.pixel(10, 1), canvasColour);
}

void tst_Drawing::threeSliceCapsOverhangANarrowLowDestination()
{
    // Two caps of 3 columns in 4 columns and one row: the caps keep their size and the right
    // one lies over the left; drawn again (from the kept layer) it comes out the same.
    const QImage source = coordinateImage(9, 4);
    auto draw = [&] {
        QImage canvas = blankCanvas(20, 10);
        QPainter painter(&canvas);
        DrawThreeSliceBitmap(source, painter, QRect(5, 2, 4, 1), false);
        return canvas;
    };
    const QImage canvas = draw();
    auto from = [&](int x, int y) {
        return QPoint(qRed(canvas.pixel(x, y)), qGreen(canvas.pixel(x, y)));
    };
    QCOMPARE(from(5, 2), QPoint(0, 0));
    QCOMPARE(from(6, 2), QPoint(6, 0));
    QCOMPARE(from(8, 5), QPoint(8, 3));
    QCOMPARE(canvas.pixel(4, 2), canvasColour);
    QCOMPARE(canvas.pixel(9, 2), canvasColour);
    QCOMPARE(canvas.pixel(6, 6), canvasColour);
    QCOMPARE(draw(), canvas);
}

void tst_Drawing::threeSliceKeyedCapsOpaqueMiddle()
{
    QImage source(9, 2, QImage::Format_RGB32);
    source.fill(0xFF00FF00);
    const QRgb key = 0xFFABCDEF;
    source.setPixel(0, 0, key); // the top-left pixel names the key
    source.setPixel(7, 1, key); // in the right cap
    source.setPixel(4, 0, key); // in the middle, which is drawn opaque
    QImage canvas = blankCanvas(12, 2);
    QPainter painter(&canvas);
    DrawThreeSliceBitmap(source, painter, QRect(0, 0, 12, 2), true);
    painter.end();
    QCOMPARE(canvas.pixel(0, 0), canvasColour);
    QCOMPARE(canvas.pixel(1, 0), 0xFF00FF00u);
    QCOMPARE(canvas.pixel(10, 1), canvasColour);
    // Middle columns 3 to 8 show source columns 3, 3, 4, 4, 5, 5: the key stays.
    QCOMPARE(canvas.pixel(4, 0), 0xFF00FF00u);
    QCOMPARE(canvas.pixel(5, 0), key);
    QCOMPARE(canvas.pixel(6, 0), key);
}

void tst_Drawing::tileFromOrigin()
{
    QImage tile(4, 4, QImage::Format_RGB32);
    tile.fill(0xFF0000FF);
    QImage canvas = blankCanvas(40, 40);
    QPainter painter(&canvas);
    TilePicture(painter, tile, QRect(20, 20, 10, 10));
    painter.end();
    // Tiles at 0, 4, 8 and 12 in each direction: from the origin, one beyond the size.
    QCOMPARE(canvas.pixel(0, 0), 0xFF0000FFu);
    QCOMPARE(canvas.pixel(15, 15), 0xFF0000FFu);
    QCOMPARE(canvas.pixel(16, 0), canvasColour);
    QCOMPARE(canvas.pixel(0, 16), canvasColour);
    QCOMPARE(canvas.pixel(20, 20), canvasColour);

    // The same through a graphic.
    TBitmap bitmap(tile);
    QImage canvas2 = blankCanvas(40, 40);
    QPainter painter2(&canvas2);
    TilePicture(painter2, static_cast<const TGraphic &>(bitmap), QRect(20, 20, 10, 10));
    painter2.end();
    QCOMPARE(canvas2, canvas);
}

void tst_Drawing::tilesLikeStampedPictures_data()
{
    QTest::addColumn<bool>("keyed");
    QTest::addColumn<QPoint>("origin");
    QTest::addColumn<QRect>("clip");
    QTest::newRow("opaque") << false << QPoint(0, 0) << QRect();
    QTest::newRow("keyed") << true << QPoint(0, 0) << QRect();
    QTest::newRow("shifted canvas") << true << QPoint(-13, -6) << QRect();
    QTest::newRow("clipped") << true << QPoint(0, 0) << QRect(7, 9, 23, 11);
    QTest::newRow("shifted and clipped") << false << QPoint(-5, -3) << QRect(2, 1, 9, 30);
}

void tst_Drawing::tilesLikeStampedPictures()
{
    // The picture laid as a texture gives the pixels of stamping it at every tile position,
    // also through a shifted canvas (a control painting its parent's part) and a clip.
    QFETCH(bool, keyed);
    QFETCH(QPoint, origin);
    QFETCH(QRect, clip);
    QImage tile(coordinateImage(5, 3).convertToFormat(QImage::Format_ARGB32));
    if (keyed) {
        tile.setPixel(1, 1, 0);
        tile.setPixel(4, 0, 0);
    }
    const QRect rect(3, 2, 31, 17);
    auto paint = [&](bool stamped) {
        QImage canvas = blankCanvas(40, 30);
        QPainter painter(&canvas);
        painter.translate(origin);
        if (!clip.isNull())
            painter.setClipRect(clip);
        if (stamped) {
            for (int x = 0; x < tile.width() + rect.width(); x += tile.width())
                for (int y = 0; y < tile.height() + rect.height(); y += tile.height())
                    painter.drawImage(x, y, tile);
        } else {
            TilePicture(painter, tile, rect);
        }
        return canvas;
    };
    QCOMPARE(paint(false), paint(true));
}

void tst_Drawing::rotations()
{
    const QImage source = coordinateImage(3, 2);
    QImage left = source;
    RotateBitmapLeft(left);
    QCOMPARE(left.size(), QSize(2, 3));
    QCOMPARE(left.pixel(0, 0), source.pixel(2, 0)); // the top-right pixel
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            QCOMPARE(left.pixel(y, 2 - x), source.pixel(x, y));

    QImage right = source;
    RotateBitmapRight(right);
    QCOMPARE(right.size(), QSize(2, 3));
    QCOMPARE(right.pixel(0, 0), source.pixel(0, 1)); // the bottom-left pixel
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 2; ++x)
            QCOMPARE(right.pixel(x, y), source.pixel(y, 1 - x));

    RotateBitmapLeft(right);
    QCOMPARE(right, source);
}

void tst_Drawing::rotateBitmapObject()
{
    TBitmap bitmap(coordinateImage(5, 3));
    RotateBitmapLeft(bitmap);
    QCOMPARE(QSize(bitmap.width(), bitmap.height()), QSize(3, 5));
    RotateBitmapRight(bitmap);
    QCOMPARE(bitmap.image(), coordinateImage(5, 3));
}

void tst_Drawing::inclusiveRects_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<bool>("inside");
    QTest::newRow("bottom-right corner counts") << QPoint(10, 5) << true;
    QTest::newRow("origin") << QPoint(0, 0) << true;
    QTest::newRow("right of it") << QPoint(11, 5) << false;
    QTest::newRow("below it") << QPoint(10, 6) << false;
    QTest::newRow("left of it") << QPoint(-1, 0) << false;
}

void tst_Drawing::inclusiveRects()
{
    QFETCH(QPoint, point);
    QFETCH(bool, inside);
    const QRect rect(0, 0, 10, 5);
    QCOMPARE(PtInRectInclusive(point, rect), inside);
    QCOMPARE(XYInRectInclusive(point.x(), point.y(), rect), inside);
}

void tst_Drawing::windowFrame()
{
    QImage canvas = blankCanvas(6, 5);
    QPainter painter(&canvas);
    DrawWindowFrame(painter, canvas.size(), 0x0000FF, Colors::clWindow);
    painter.end();
    const QRgb outer = 0xFFFF0000, inner = 0xFFFFFFFF;
    for (int x = 0; x < 6; ++x) {
        QCOMPARE(canvas.pixel(x, 0), outer);
        QCOMPARE(canvas.pixel(x, 4), outer);
    }
    for (int y = 0; y < 5; ++y) {
        QCOMPARE(canvas.pixel(0, y), outer);
        QCOMPARE(canvas.pixel(5, y), outer);
    }
    for (int x = 1; x < 5; ++x) {
        QCOMPARE(canvas.pixel(x, 1), inner);
        QCOMPARE(canvas.pixel(x, 3), inner);
    }
    QCOMPARE(canvas.pixel(1, 2), inner);
    QCOMPARE(canvas.pixel(4, 2), inner);
    QCOMPARE(canvas.pixel(2, 2), canvasColour);
    QCOMPARE(canvas.pixel(3, 2), canvasColour);
}

void tst_Drawing::moveAndBounds()
{
    QWidget parent;
    QWidget child(&parent);
    child.setGeometry(1, 2, 30, 40);
    MoveControlTo(&child, QPoint(7, 9));
    QCOMPARE(child.geometry(), QRect(7, 9, 30, 40));

    QWidget form;
    SetFormBoundsRect(&form, QRect(QPoint(10, 20), QPoint(209, 119)));
    QCOMPARE(form.geometry(), QRect(10, 20, 200, 100));
}

void tst_Drawing::workArea()
{
    QRect area;
    GetWorkAreaRect(area);
    QVERIFY(!area.isEmpty());
    QCOMPARE(area, GetWorkAreaRect());
}

QTEST_MAIN(tst_Drawing)
#include "tst_drawing.moc"
