// The skinned track bar and scroll bar: the integer geometry at its limits, OnChange only on a
// real change, page steps toward the pointer every 500 ms, dragging by the grab offset, the
// thumb's length, the arrows' 100 ms repeat and the parts' arrangement in both orientations.

#include "TBitmap.h"
#include "TzynImageButton.h"
#include "TzynImagePanel.h"
#include "TzynScrollBar.h"
#include "TzynScrollTrackBar.h"
#include "TzynTrackBar.h"

#include <QSignalSpy>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include <limits>
#include <memory>

using S = TzynUIStyle;
using E = TzynThemeEntry;
using G = TzynTrackBar::Geometry;

namespace {

// Mouse input through the window, as the platform delivers it: Qt then sends the moves and the
// release of a press to the widget that took the press.
struct Pointer {
    QWidget *top;
    QPoint at(QWidget *w, QPoint p) const { return w->mapTo(top, p); }
    void press(QWidget *w, QPoint p) const
    {
        QTest::mousePress(top->windowHandle(), Qt::LeftButton, {}, at(w, p));
    }
    void move(QWidget *w, QPoint p) const { QTest::mouseMove(top->windowHandle(), at(w, p)); }
    void release(QWidget *w, QPoint p) const
    {
        QTest::mouseRelease(top->windowHandle(), Qt::LeftButton, {}, at(w, p));
    }
};

} // namespace

class tst_TrackBar : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> form;

    // A horizontal DeepBlue track bar 211 pixels long (slider 11 wide): 200 pixels of travel.
    TzynTrackBar *trackBar()
    {
        auto *bar = make<TzynTrackBar>();
        bar->setGeometry(10, 10, 211, 30);
        return bar;
    }

    // Controls added to a form on the screen are shown, as the layout loader's are.
    template <class T> T *make()
    {
        auto *control = new T(form.get());
        control->show();
        return control;
    }

private Q_SLOTS:
    void init()
    {
        form = std::make_unique<QWidget>();
        form->resize(500, 400);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup() { form.reset(); }

    void geometryAtTheLimits();
    void minEqualToMaxKeepsTheSliderAtTheStart();
    void positionIsClampedAndReportedOnce();
    void pageSizeOutsideItsRangeIsIgnored();
    void pressOnTheBarStepsTowardThePointer();
    void pageSizeZeroDoesNotMove();
    void leavingTheBarStopsStepping();
    void dragFollowsTheGrabOffsetAndReportsEachNewPosition();
    void styleGivesPicturesColourAndThickness();
    void customKeepsTheUsersPictures();

    void thumbLengthFollowsPageSize_data();
    void thumbLengthFollowsPageSize();
    void lineButtonIsAtLeastEighteen();
    void verticalTrackIsOnePixelShorter();
    void horizontalTrackFillsTheSpace();
    void holdingAnArrowStepsEveryHundredMilliseconds();
    void shortPressOnAnArrowStepsOnce();
    void widestRangeNeitherOverflowsNorWraps();
    void positionOutsideTheRangeKeepsTheSliderOnTheTrack();
    void arrowsStopAtTheLimits();
    void scrollBarForwardsToItsTrack();
    void realHoldMovesAFewSteps();
};

void tst_TrackBar::geometryAtTheLimits()
{
    G g;
    g.length = 211;
    g.thickness = 30;
    g.sliderLength = 11;
    g.sliderThickness = 20;
    g.min = 0;
    g.max = 100;
    QCOMPARE(g.SliderAcross(), 5);
    QCOMPARE(g.SliderAlong(0), 0);
    QCOMPARE(g.SliderAlong(100), 200);
    QCOMPARE(g.SliderAlong(33), 66);
    // Truncating: 1 x 200 / 3 is 66.67.
    g.max = 3;
    QCOMPARE(g.SliderAlong(1), 66);
    g.max = 100;
    // The pointer stands for the slider's centre and is not clamped.
    QCOMPARE(g.PositionFrom(5), 0);
    QCOMPARE(g.PositionFrom(105), 50);
    QCOMPARE(g.PositionFrom(0), -2);
    QCOMPARE(g.PositionFrom(300), 147);
    // A negative range truncates toward zero.
    QCOMPARE(g.PositionFrom(4), 0);
    g.min = 10;
    g.max = 20;
    QCOMPARE(g.PositionFrom(105), 15);
    // A slider thicker than the control sits at 0 across.
    g.thickness = 10;
    QCOMPARE(g.SliderAcross(), 0);
    // A slider as long as the control or longer leaves nothing to choose and cannot travel.
    g.sliderLength = 211;
    QCOMPARE(g.PositionFrom(100), 0);
    QCOMPARE(g.Travel(), 0);
    g.sliderLength = 300;
    QCOMPARE(g.PositionFrom(100), 0);
    QCOMPARE(g.Travel(), 0);
    // Positions of a 100,000-pixel text over a long track do not overflow.
    g.sliderLength = 11;
    g.length = 2011;
    g.min = 0;
    g.max = 2000000;
    QCOMPARE(g.SliderAlong(2000000), 2000);
}

void tst_TrackBar::minEqualToMaxKeepsTheSliderAtTheStart()
{
    TzynTrackBar *bar = trackBar();
    bar->setMax(0);
    bar->setPosition(0);
    QCOMPARE(bar->Slider()->x(), 0);
    QCOMPARE(bar->geometryNow().PositionFrom(150), 0);
    QCOMPARE(bar->geometryNow().PositionFrom(0), 0);
}

void tst_TrackBar::positionIsClampedAndReportedOnce()
{
    TzynTrackBar *bar = trackBar();
    QSignalSpy changes(bar, &TzynTrackBar::OnChange);
    bar->setPosition(150);
    QCOMPARE(bar->Position(), 100);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(bar->Slider()->x(), 200);
    bar->setPosition(100);
    bar->setPosition(150);
    QCOMPARE(changes.count(), 1);
    bar->setPosition(-5);
    QCOMPARE(bar->Position(), 0);
    QCOMPARE(changes.count(), 2);
    // Min and Max are stored as given; the position is not clamped again.
    bar->setPosition(50);
    bar->setMax(20);
    QCOMPARE(bar->Max(), 20);
    QCOMPARE(bar->Position(), 50);
    QCOMPARE(changes.count(), 3);
}

void tst_TrackBar::pageSizeOutsideItsRangeIsIgnored()
{
    TzynTrackBar *bar = trackBar();
    bar->setPageSize(120);
    QCOMPARE(bar->PageSize(), 10);
    bar->setPageSize(-1);
    QCOMPARE(bar->PageSize(), 10);
    bar->setPageSize(100);
    QCOMPARE(bar->PageSize(), 100);
    bar->setPageSize(0);
    QCOMPARE(bar->PageSize(), 0);
}

void tst_TrackBar::pressOnTheBarStepsTowardThePointer()
{
    TzynTrackBar *bar = trackBar();
    QSignalSpy changes(bar, &TzynTrackBar::OnChange);
    const Pointer pointer { form.get() };
    // Pointer at 65 stands for position 30: steps of 10 stop there.
    pointer.press(bar, QPoint(65, 15));
    QCOMPARE(bar->Position(), 10);
    QVERIFY(bar->Stepping());
    // Held, it steps on toward the pointer and stops there: the slider then covers it.
    QTRY_COMPARE_WITH_TIMEOUT(bar->Position(), 30, 10000);
    QCOMPARE(changes.count(), 3);
    pointer.release(bar, QPoint(65, 15));
    QVERIFY(!bar->Stepping());
    // A press where the slider already covers the pointer: the step never carries it past.
    pointer.press(bar, QPoint(65, 15));
    QCOMPARE(bar->Position(), 30);
    pointer.release(bar, QPoint(65, 15));
    QCOMPARE(changes.count(), 3);

    // Back toward a pointer before the slider, no further than the pointer's position.
    bar->setPageSize(50);
    pointer.press(bar, QPoint(20, 15));
    QCOMPARE(bar->Position(), 7);
    pointer.release(bar, QPoint(20, 15));
    // The right button pages nothing.
    QTest::mousePress(
        form->windowHandle(), Qt::RightButton, {}, bar->mapTo(form.get(), QPoint(180, 15)));
    QCOMPARE(bar->Position(), 7);
    QVERIFY(!bar->Stepping());
    QTest::mouseRelease(
        form->windowHandle(), Qt::RightButton, {}, bar->mapTo(form.get(), QPoint(180, 15)));
}

void tst_TrackBar::pageSizeZeroDoesNotMove()
{
    TzynTrackBar *bar = trackBar();
    bar->setPageSize(0);
    bar->setPosition(40);
    const Pointer pointer { form.get() };
    QSignalSpy changes(bar, &TzynTrackBar::OnChange);
    pointer.press(bar, QPoint(180, 15));
    QCOMPARE(bar->Position(), 40);
    pointer.release(bar, QPoint(180, 15));
    QCOMPARE(changes.count(), 0);
}

void tst_TrackBar::leavingTheBarStopsStepping()
{
    TzynTrackBar *bar = trackBar();
    const Pointer pointer { form.get() };
    pointer.press(bar, QPoint(180, 15));
    QVERIFY(bar->Stepping());
    pointer.move(bar, QPoint(150, 15));
    QVERIFY(bar->Stepping());
    pointer.move(bar, QPoint(150, 60));
    QVERIFY(!bar->Stepping());
    pointer.release(bar, QPoint(150, 60));
}

void tst_TrackBar::dragFollowsTheGrabOffsetAndReportsEachNewPosition()
{
    TzynTrackBar *bar = trackBar();
    QSignalSpy changes(bar, &TzynTrackBar::OnChange);
    const Pointer pointer { form.get() };
    TzynImagePanel *slider = bar->Slider();
    pointer.press(slider, QPoint(3, 5));
    QVERIFY(bar->Dragging());
    QCOMPARE(bar->GrabOffset(), 3);
    QVERIFY(!bar->Stepping());

    // The position is the one the slider's place stands for (42 of 200 pixels), not the one a
    // slider centred on the pointer would have (20): placing the slider again keeps it there.
    pointer.move(bar, QPoint(45, 15));
    QCOMPARE(slider->x(), 42);
    QCOMPARE(bar->Position(), 21);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(bar->geometryNow().SliderAlong(bar->Position()), 42);
    // A move within the same position reports nothing.
    pointer.move(bar, QPoint(46, 15));
    QCOMPARE(slider->x(), 43);
    QCOMPARE(bar->Position(), 21);
    QCOMPARE(changes.count(), 1);
    // Past the end: the slider stops at the end of its travel, the position at Max.
    pointer.move(bar, QPoint(400, 15));
    QCOMPARE(slider->x(), 200);
    QCOMPARE(bar->Position(), 100);
    QCOMPARE(changes.count(), 2);
    pointer.move(bar, QPoint(-50, 15));
    QCOMPARE(slider->x(), 0);
    QCOMPARE(bar->Position(), 0);
    QCOMPARE(changes.count(), 3);
    QCOMPARE(bar->LastReportedPosition(), 0);
    pointer.release(bar, QPoint(-50, 15));
    QVERIFY(!bar->Dragging());
    // After the drag, moves change nothing.
    pointer.move(bar, QPoint(100, 15));
    QCOMPARE(bar->Position(), 0);
}

void tst_TrackBar::styleGivesPicturesColourAndThickness()
{
    TzynTrackBar *bar = trackBar();
    QCOMPARE(bar->UIStyle(), S::DeepBlue);
    bar->setUIStyle(S::WinXP);
    QCOMPARE(bar->Color(), GetThemeColor(S::WinXP, E::TrackBarColor));
    // WinXP: bar 45x8, slider 11x21.
    QCOMPARE(bar->height(), 21);
    QCOMPARE(bar->Slider()->size(), QSize(11, 21));
    QCOMPARE(bar->BarBitmap().size(), QSize(211, 8));
    // The off-screen desktop's pointer may rest on the new slider: the normal picture is
    // asked for with the pointer gone.
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(bar->Slider(), &leave);
    QCOMPARE(bar->SliderState(), TzynPictureState::Normal);
    QCOMPARE(bar->SliderImage()->graphic()->toImage().convertToFormat(QImage::Format_RGB32),
        ThemeImage("WINXP_TRACKBAR_SLIDER").convertToFormat(QImage::Format_RGB32));
    // The bar keeps its caps unstretched at both ends.
    const QImage source = ThemeImage("WINXP_TRACKBAR_BAR");
    QCOMPARE(bar->BarBitmap().copy(0, 0, 15, 8), source.copy(0, 0, 15, 8));
    QCOMPARE(bar->BarBitmap().copy(196, 0, 15, 8), source.copy(30, 0, 15, 8));

    bar->setOrientation(zynVertical);
    bar->resize(bar->width(), 150);
    // Vertical: the bar turned upright, the upright slider (22x11), the width fitted.
    QCOMPARE(bar->BarBitmap().size(), QSize(8, 150));
    QCOMPARE(bar->Slider()->size(), QSize(22, 11));
    QCOMPARE(bar->width(), 22);
    bar->setPosition(100);
    QCOMPARE(bar->Slider()->pos(), QPoint(0, 139));
    // The paint centres the bar across the thickness on the theme's colour.
    const QImage shot = bar->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shot.pixel(0, 5), toQColor(bar->Color()).rgb());
    QCOMPARE(shot.pixel(7, 5), bar->BarBitmap().pixel(0, 5));
    // A style that does not change does nothing.
    bar->setColor(Colors::clRed);
    bar->setUIStyle(S::WinXP);
    QCOMPARE(bar->Color(), Colors::clRed);
}

void tst_TrackBar::customKeepsTheUsersPictures()
{
    TzynTrackBar *bar = trackBar();
    bar->setUIStyle(S::Custom);
    QImage barPicture(30, 6, QImage::Format_RGB32);
    barPicture.fill(Qt::green);
    TPicture picture;
    picture.setGraphic(std::make_unique<TBitmap>(barPicture));
    bar->setBarImage(&picture);
    // Custom draws the bar at its own size.
    QCOMPARE(bar->BarBitmap().size(), QSize(30, 6));
    QImage sliderPicture(9, 25, QImage::Format_RGB32);
    sliderPicture.fill(Qt::blue);
    bar->setSliderImage(sliderPicture);
    QCOMPARE(bar->Slider()->size(), QSize(9, 25));
    bar->setOrientation(zynVertical);
    QCOMPARE(bar->BarBitmap().size(), QSize(6, 30));
    QCOMPARE(bar->Slider()->size(), QSize(9, 25));
}

void tst_TrackBar::thumbLengthFollowsPageSize_data()
{
    QTest::addColumn<int>("pageSize");
    QTest::addColumn<int>("percent");
    QTest::newRow("5 counts as 10") << 5 << 10;
    QTest::newRow("150 is refused, 10 stays") << 150 << 10;
    QTest::newRow("50") << 50 << 50;
    QTest::newRow("100") << 100 << 100;
}

void tst_TrackBar::thumbLengthFollowsPageSize()
{
    QFETCH(int, pageSize);
    QFETCH(int, percent);
    auto *bar = make<TzynScrollBar>();
    bar->setOrientation(zynVertical);
    bar->setGeometry(10, 10, 20, 233);
    bar->setPageSize(pageSize);
    const int track = bar->Track()->height();
    QCOMPARE(bar->Track()->Slider()->height(), percent * track / 100);
    QCOMPARE(bar->ThumbLength(), percent * track / 100);
}

void tst_TrackBar::lineButtonIsAtLeastEighteen()
{
    auto *bar = make<TzynScrollBar>();
    bar->setLineButton(5);
    QCOMPARE(bar->LineButton(), 18);
    QCOMPARE(bar->Track()->Slider()->width(), 18);
    bar->setLineButton(40);
    QCOMPARE(bar->Track()->Slider()->width(), 40);
    bar->setLineButton(0);
    QCOMPARE(bar->Track()->Slider()->width(), 10 * bar->Track()->width() / 100);
}

void tst_TrackBar::verticalTrackIsOnePixelShorter()
{
    auto *bar = make<TzynScrollBar>();
    bar->setUIStyle(S::WinXP);
    bar->setOrientation(zynVertical);
    bar->setGeometry(10, 10, 50, 200);
    // WinXP arrows are 16x17; the thumb's upright parts are 16 wide.
    QCOMPARE(bar->width(), 16);
    QCOMPARE(bar->DecButton()->geometry(), QRect(0, 0, 16, 17));
    QCOMPARE(bar->IncButton()->geometry(), QRect(0, 183, 16, 17));
    QCOMPARE(bar->Track()->geometry(), QRect(0, 17, 16, 200 - 17 - 17 - 1));
    QCOMPARE(bar->Track()->Orientation(), zynVertical);
    QCOMPARE(bar->ThumbStart().width(), 16);
}

void tst_TrackBar::horizontalTrackFillsTheSpace()
{
    auto *bar = make<TzynScrollBar>();
    bar->setUIStyle(S::WinXP);
    bar->setGeometry(10, 10, 200, 50);
    // Horizontal: the arrows turned (17x16), the bar as high as they are.
    QCOMPARE(bar->height(), 16);
    QCOMPARE(bar->DecButton()->geometry(), QRect(0, 0, 17, 16));
    QCOMPARE(bar->IncButton()->geometry(), QRect(183, 0, 17, 16));
    QCOMPARE(bar->Track()->geometry(), QRect(17, 0, 200 - 17 - 17, 16));
    QCOMPARE(bar->Color(), GetThemeColor(S::WinXP, E::ScrollBarColor));
    QCOMPARE(bar->Track()->Color(), bar->Color());
    QVERIFY(bar->Track()->BarImage()->isEmpty());
    // A new scroll bar is horizontal and takes its height from the arrows.
    auto *fresh = make<TzynScrollBar>();
    QCOMPARE(fresh->Orientation(), zynHorizontal);
    QCOMPARE(fresh->height(), fresh->DecButton()->height());
}

void tst_TrackBar::holdingAnArrowStepsEveryHundredMilliseconds()
{
    auto *bar = make<TzynScrollBar>();
    bar->setGeometry(10, 10, 200, 20);
    bar->setSmallChange(3);
    QSignalSpy changes(bar, &TzynScrollBar::OnChange);
    const Pointer pointer { form.get() };
    pointer.press(bar->IncButton(), QPoint(4, 4));
    QVERIFY(bar->IncButton()->Repeating());
    QCOMPARE(bar->IncButton()->MouseContinuouslyDownInterval(), 100);
    // The press takes the first step itself.
    QCOMPARE(bar->Position(), 3);
    // Every tick of the held arrow is one step of SmallChange.
    QTRY_VERIFY_WITH_TIMEOUT(bar->Position() >= 9, 10000);
    pointer.release(bar->IncButton(), QPoint(4, 4));
    QVERIFY(!bar->IncButton()->Repeating());
    const int reached = bar->Position();
    QCOMPARE(reached % 3, 0);
    QCOMPARE(changes.count(), reached / 3);

    pointer.press(bar->DecButton(), QPoint(4, 4));
    QTRY_VERIFY_WITH_TIMEOUT(bar->Position() < reached, 10000);
    pointer.release(bar->DecButton(), QPoint(4, 4));
    QCOMPARE((reached - bar->Position()) % 3, 0);
    QVERIFY(!bar->DecButton()->TabStop());
}

void tst_TrackBar::shortPressOnAnArrowStepsOnce()
{
    auto *bar = make<TzynScrollBar>();
    bar->setGeometry(10, 10, 200, 20);
    bar->setSmallChange(4);
    QSignalSpy changes(bar, &TzynScrollBar::OnChange);
    const Pointer pointer { form.get() };
    pointer.press(bar->IncButton(), QPoint(4, 4));
    pointer.release(bar->IncButton(), QPoint(4, 4));
    QCOMPARE(bar->Position(), 4);
    QCOMPARE(changes.count(), 1);
    // A double click is two presses: two steps.
    QTest::mouseDClick(
        form->windowHandle(), Qt::LeftButton, {}, pointer.at(bar->DecButton(), QPoint(4, 4)));
    QCOMPARE(bar->Position(), 0);
    // The right button steps nothing; a disabled bar neither.
    QTest::mouseClick(
        form->windowHandle(), Qt::RightButton, {}, pointer.at(bar->IncButton(), QPoint(4, 4)));
    QCOMPARE(bar->Position(), 0);
    bar->setEnabled(false);
    pointer.press(bar->IncButton(), QPoint(4, 4));
    pointer.release(bar->IncButton(), QPoint(4, 4));
    QCOMPARE(bar->Position(), 0);
}

void tst_TrackBar::widestRangeNeitherOverflowsNorWraps()
{
    constexpr int lowest = std::numeric_limits<int>::min();
    constexpr int highest = std::numeric_limits<int>::max();
    G g;
    g.length = 211;
    g.thickness = 30;
    g.sliderLength = 11;
    g.sliderThickness = 20;
    g.min = lowest;
    g.max = highest;
    // Position - Min spans 2^32: the middle of the range is the middle of the travel.
    QCOMPARE(g.SliderAlong(0), 100);
    QCOMPARE(g.SliderAlong(lowest), 0);
    QCOMPARE(g.SliderAlong(highest), 200);
    QCOMPARE(g.PositionAt(0), qint64(lowest));
    QCOMPARE(g.PositionAt(200), qint64(highest));
    QCOMPARE(g.PositionFrom(105), qint64(-1));

    TzynTrackBar *bar = trackBar();
    bar->setMin(lowest);
    bar->setMax(highest);
    bar->setPosition(0);
    QCOMPARE(bar->Slider()->x(), 100);
    // A page step and an arrow key at the end stay there instead of wrapping to Min.
    bar->setPosition(highest);
    bar->setPageSize(100);
    const Pointer pointer { form.get() };
    pointer.press(bar, QPoint(5, 15));
    pointer.release(bar, QPoint(5, 15));
    QCOMPARE(bar->Position(), highest - 100);
    bar->setPosition(highest);
    QVERIFY(bar->StepForKey(Qt::Key_PageDown));
    QCOMPARE(bar->Position(), highest);
    QVERIFY(bar->StepForKey(Qt::Key_Right));
    QCOMPARE(bar->Position(), highest);
    bar->setPosition(lowest);
    QVERIFY(bar->StepForKey(Qt::Key_PageUp));
    QCOMPARE(bar->Position(), lowest);
    // Dragging over the whole track reaches both ends.
    pointer.press(bar->Slider(), QPoint(2, 5));
    pointer.move(bar, QPoint(202, 15));
    QCOMPARE(bar->Position(), highest);
    pointer.move(bar, QPoint(2, 15));
    QCOMPARE(bar->Position(), lowest);
    pointer.release(bar, QPoint(2, 15));

    // A held arrow of a scroll bar at Max stays at Max.
    auto *scroll = make<TzynScrollBar>();
    scroll->setGeometry(10, 100, 200, 20);
    scroll->setMin(lowest);
    scroll->setMax(highest);
    scroll->setSmallChange(32767);
    scroll->setPosition(highest - 1);
    pointer.press(scroll->IncButton(), QPoint(4, 4));
    pointer.release(scroll->IncButton(), QPoint(4, 4));
    QCOMPARE(scroll->Position(), highest);
    pointer.press(scroll->IncButton(), QPoint(4, 4));
    pointer.release(scroll->IncButton(), QPoint(4, 4));
    QCOMPARE(scroll->Position(), highest);
}

void tst_TrackBar::positionOutsideTheRangeKeepsTheSliderOnTheTrack()
{
    // Min and Max do not clamp the position again, but the slider stays on the track.
    TzynTrackBar *bar = trackBar();
    bar->setPosition(100);
    bar->setMax(20);
    QCOMPARE(bar->Position(), 100);
    QCOMPARE(bar->Slider()->x(), 200);
    bar->setMin(150);
    bar->setMax(300);
    QCOMPARE(bar->Slider()->x(), 0);
}

void tst_TrackBar::arrowsStopAtTheLimits()
{
    auto *bar = make<TzynScrollBar>();
    bar->setGeometry(10, 10, 200, 20);
    bar->setMax(5);
    bar->setSmallChange(2);
    QSignalSpy changes(bar, &TzynScrollBar::OnChange);
    const Pointer pointer { form.get() };
    pointer.press(bar->IncButton(), QPoint(4, 4));
    QTRY_COMPARE_WITH_TIMEOUT(bar->Position(), 5, 10000);
    pointer.release(bar->IncButton(), QPoint(4, 4));
    QCOMPARE(bar->Position(), 5);
    QCOMPARE(changes.count(), 3);
    bar->setSmallChange(0);
    QCOMPARE(bar->SmallChange(), 2);
    bar->setSmallChange(40000);
    QCOMPARE(bar->SmallChange(), 2);
}

void tst_TrackBar::scrollBarForwardsToItsTrack()
{
    auto *bar = make<TzynScrollBar>();
    bar->setGeometry(10, 10, 200, 20);
    bar->setMin(10);
    bar->setMax(60);
    bar->setPosition(70);
    QCOMPARE(bar->Track()->Min(), 10);
    QCOMPARE(bar->Track()->Max(), 60);
    QCOMPARE(bar->Position(), 60);
    // LargeChange pages without resizing the thumb; PageSize does both.
    const int thumb = bar->Track()->Slider()->width();
    bar->setLargeChange(50);
    QCOMPARE(bar->Track()->PageSize(), 50);
    QCOMPARE(bar->Track()->Slider()->width(), thumb);
    bar->setPageSize(50);
    QCOMPARE(bar->Track()->Slider()->width(), 50 * bar->Track()->width() / 100);
    // A colour given to the bar reaches the track.
    bar->setColor(Colors::clLime);
    QCOMPARE(bar->Track()->Color(), Colors::clLime);
}

void tst_TrackBar::realHoldMovesAFewSteps()
{
    // Held for real: the press steps at once, the repeat follows one interval later and every
    // interval after. A slow machine may take fewer steps, never the third before two
    // intervals are over.
    auto *bar = make<TzynScrollBar>();
    bar->setGeometry(10, 10, 200, 20);
    const Pointer pointer { form.get() };
    QElapsedTimer held;
    held.start();
    pointer.press(bar->IncButton(), QPoint(4, 4));
    QCOMPARE(bar->Position(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(bar->Position() >= 3, 10000);
    QVERIFY(held.elapsed() >= 150);
    pointer.release(bar->IncButton(), QPoint(4, 4));
    QVERIFY(!bar->IncButton()->Repeating());
}

QTEST_MAIN(tst_TrackBar)
#include "tst_trackbar.moc"
