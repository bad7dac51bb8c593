// Where the title bar puts its buttons, its icon and its caption, without drawing anything;
// the resize zones the bar and the form frame share; and the bar's height rule.

#include "TzynEdgeZones.h"
#include "TzynForm.h"
#include "TzynTitleBar.h"
#include "TzynTitleBarLayout.h"

#include <QtTest>

using namespace TzynTitleBarLayout;

namespace {

ButtonInput button(int w, int h, int top, bool controlBox = false, bool visible = true)
{
    return { visible, controlBox, QSize(w, h), top };
}

// The four buttons a bar starts with: control box, close, maximise, minimise.
QList<ButtonInput> standardButtons(int side, int top)
{
    return { button(side, side, top, true), button(side, side, top), button(side, side, top),
        button(side, side, top) };
}

struct Place {
    int index;
    QRect rect;
};

} // namespace

Q_DECLARE_METATYPE(QList<ButtonInput>)
Q_DECLARE_METATYPE(QList<Place>)

class tst_TitleBarLayout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void layout_data();
    void layout();
    void hit_data();
    void hit();
    void edgeZones_data();
    void edgeZones();
    void autoSizeOffKeepsTheHeight();
};

void tst_TitleBarLayout::layout_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QList<ButtonInput>>("buttons");
    QTest::addColumn<int>("leftOffset");
    QTest::addColumn<int>("rightOffset");
    QTest::addColumn<int>("interval");
    QTest::addColumn<bool>("icon");
    QTest::addColumn<QList<Place>>("places");
    QTest::addColumn<QRect>("iconRect");
    QTest::addColumn<int>("captionLeft");
    QTest::addColumn<int>("captionRight");

    // The MacOS bar: 17-pixel buttons at y 4, offsets 3 and -2.
    QTest::newRow("macos 600") << 600 << standardButtons(17, 4) << 3 << -2 << 0 << false
                               << QList<Place> { { 1, QRect(581, 4, 17, 17) },
                                      { 2, QRect(563, 4, 17, 17) }, { 3, QRect(545, 4, 17, 17) },
                                      { 0, QRect(3, 4, 17, 17) } }
                               << QRect() << 25 << 545;
    QTest::newRow("interval") << 300 << standardButtons(19, 2) << 0 << 0 << 2 << false
                              << QList<Place> { { 1, QRect(279, 2, 19, 19) },
                                     { 2, QRect(257, 2, 19, 19) }, { 3, QRect(235, 2, 19, 19) },
                                     { 0, QRect(0, 2, 19, 19) } }
                              << QRect() << 24 << 235;
    // The icon takes the control box's place for the mouse and 21 pixels of room.
    QTest::newRow("app icon") << 600 << standardButtons(17, 4) << 3 << -2 << 0 << true
                              << QList<Place> { { 1, QRect(581, 4, 17, 17) },
                                     { 2, QRect(563, 4, 17, 17) }, { 3, QRect(545, 4, 17, 17) },
                                     { 0, QRect(3, 4, 17, 17) } }
                              << QRect(6, 4, 16, 16) << 24 << 545;
    // Hidden buttons take no room; a caption with nothing at its left starts at 6.
    QTest::newRow("hidden") << 200
                            << QList<ButtonInput> { button(17, 17, 4, true, false),
                                   button(17, 17, 4), button(17, 17, 4, false, false) }
                            << 0 << 0 << 0 << false << QList<Place> { { 1, QRect(183, 4, 17, 17) } }
                            << QRect() << 6 << 183;
    QTest::newRow("control box ends at 0")
        << 200 << QList<ButtonInput> { button(17, 17, 4, true) } << -22 << 0 << 0 << false
        << QList<Place> { { 0, QRect(-22, 4, 17, 17) } } << QRect() << 6 << 201;
    // Narrower than its buttons: they run off the left edge and the caption has no room.
    QTest::newRow("narrow") << 30 << QList<ButtonInput> { button(21, 21, 5), button(21, 21, 5) }
                            << 2 << -2 << 0 << false
                            << QList<Place> { { 0, QRect(7, 5, 21, 21) },
                                   { 1, QRect(-15, 5, 21, 21) } }
                            << QRect() << 2 << -15;
}

void tst_TitleBarLayout::layout()
{
    QFETCH(int, width);
    QFETCH(QList<ButtonInput>, buttons);
    QFETCH(int, leftOffset);
    QFETCH(int, rightOffset);
    QFETCH(int, interval);
    QFETCH(bool, icon);
    QFETCH(QList<Place>, places);
    QFETCH(QRect, iconRect);
    QFETCH(int, captionLeft);
    QFETCH(int, captionRight);

    const Layout result = LayoutButtons(width, buttons, leftOffset, rightOffset, interval, icon);
    QCOMPARE(result.buttons.size(), places.size());
    for (int i = 0; i < places.size(); ++i) {
        QCOMPARE(result.buttons.at(i).index, places.at(i).index);
        QCOMPARE(result.buttons.at(i).rect, places.at(i).rect);
    }
    QCOMPARE(result.appIcon, iconRect);
    QCOMPARE(result.captionLeft, captionLeft);
    QCOMPARE(result.captionRight, captionRight);
}

void tst_TitleBarLayout::hit_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("hot");
    // Close at (581, 4) and maximise at (563, 4), both 17 square; the right and bottom edges
    // count, so x 580 is maximise's right edge and x 581 close's left edge.
    QTest::newRow("close") << QPoint(590, 10) << 1;
    QTest::newRow("close bottom-right") << QPoint(598, 21) << 1;
    QTest::newRow("maximise right edge") << QPoint(580, 10) << 2;
    QTest::newRow("shared edge") << QPoint(581, 4) << 1;
    QTest::newRow("below") << QPoint(590, 22) << -1;
    QTest::newRow("control box") << QPoint(3, 4) << 0;
    QTest::newRow("caption") << QPoint(300, 10) << -1;
}

void tst_TitleBarLayout::hit()
{
    QFETCH(QPoint, point);
    QFETCH(int, hot);
    const Layout layout = LayoutButtons(600, standardButtons(17, 4), 3, -2, 0, false);
    QCOMPARE(HitButton(layout, point), hot);

    // Where two rectangles overlap, the one drawn later is under the mouse.
    Layout overlapping;
    overlapping.buttons = { { 5, QRect(0, 0, 10, 10) }, { 7, QRect(5, 5, 10, 10) } };
    QCOMPARE(HitButton(overlapping, QPoint(7, 7)), 7);
    QCOMPARE(HitButton(overlapping, QPoint(2, 2)), 5);
}

void tst_TitleBarLayout::edgeZones_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<int>("edges");
    QTest::addColumn<int>("cursor"); // -1 for none
    // A 200 x 100 window: zones are x < 5, x > 195, y < 5, y > 95.
    const int L = Qt::LeftEdge, R = Qt::RightEdge, T = Qt::TopEdge, B = Qt::BottomEdge;
    QTest::newRow("top-left") << QPoint(4, 4) << (L | T) << int(Qt::SizeFDiagCursor);
    QTest::newRow("top-right") << QPoint(196, 0) << (R | T) << int(Qt::SizeBDiagCursor);
    QTest::newRow("bottom-right") << QPoint(199, 99) << (R | B) << int(Qt::SizeFDiagCursor);
    QTest::newRow("bottom-left") << QPoint(0, 96) << (L | B) << int(Qt::SizeBDiagCursor);
    QTest::newRow("left") << QPoint(0, 50) << L << int(Qt::SizeHorCursor);
    QTest::newRow("right at its line") << QPoint(196, 50) << R << int(Qt::SizeHorCursor);
    QTest::newRow("right short of it") << QPoint(195, 50) << 0 << -1;
    QTest::newRow("top") << QPoint(100, 4) << T << int(Qt::SizeVerCursor);
    QTest::newRow("bottom") << QPoint(100, 96) << B << int(Qt::SizeVerCursor);
    QTest::newRow("inside") << QPoint(5, 5) << 0 << -1;
}

void tst_TitleBarLayout::edgeZones()
{
    QFETCH(QPoint, pos);
    QFETCH(int, edges);
    QFETCH(int, cursor);
    const Qt::Edges hit = TzynEdgeZones::Hit(pos, 200, 100);
    QCOMPARE(int(hit), edges);
    const std::optional<Qt::CursorShape> shape = TzynEdgeZones::CursorFor(hit);
    QCOMPARE(shape ? int(*shape) : -1, cursor);
}

void tst_TitleBarLayout::autoSizeOffKeepsTheHeight()
{
    TzynTitleBar bar;
    bar.setUIStyle(TzynUIStyle::WinXP);
    QCOMPARE(bar.height(), 29); // the WinXP left picture
    bar.setHeight(40);
    bar.setAutoSize(false);
    QVERIFY(!bar.AutoSize());
    QCOMPARE(bar.height(), 40);
    bar.setAutoSize(true);
    QCOMPARE(bar.height(), 29);
}

QTEST_MAIN(tst_TitleBarLayout)
#include "tst_titlebar_layout.moc"
