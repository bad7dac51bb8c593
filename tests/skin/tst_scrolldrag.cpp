// A real drag of a skinned thumb on a window of the display: the pointer pressed on the thumb
// of a bar bound to a 200-item list box (and to a long memo) and moved down the track scrolls
// the view step by step, and the bar ends where the pointer left the thumb. With the real
// pointer of the display (xdotool): a quick click on an arrow steps once, and a long thumb
// grabbed near its end keeps that point under the pointer, the list in step with it.

#include "RealPointer.h"
#include "TzynImageButton.h"
#include "TzynImagePanel.h"
#include "TzynListBox.h"
#include "TzynMemo.h"
#include "TzynScrollBar.h"
#include "TzynScrollTrackBar.h"

#include <QScrollBar>
#include <QWindow>
#include <QtTest>

#include <memory>

namespace {

constexpr int kTimeout = 15000;

QStringList moveTo(const QPoint &p)
{
    return { QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y()),
        QStringLiteral("sleep"), QStringLiteral("0.2") };
}

QPoint onScreen(const QWidget *w, const QPoint &p)
{
    return w->mapToGlobal(p);
}

} // namespace

class tst_ScrollDrag : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> form;

    void showForm()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }

    // Presses on the middle of the thumb, moves down the track in steps and back to the top,
    // checking the view after each step.
    void dragThumb(TzynScrollBar *bar, QScrollBar *native)
    {
        QWindow *window = form->windowHandle();
        TzynImagePanel *thumb = bar->Track()->Slider();
        QVERIFY(thumb->isVisible());
        auto at = [&](QWidget *w, QPoint p) { return w->mapTo(form.get(), p); };
        const QPoint grab(thumb->width() / 2, thumb->height() / 2);
        QTest::mousePress(window, Qt::LeftButton, {}, at(thumb, grab));
        QVERIFY(bar->Track()->Dragging());
        int last = native->value();
        const int trackHeight = bar->Track()->height();
        for (int y = grab.y(); y <= trackHeight + 20; y += 7) {
            QTest::mouseMove(window, at(bar->Track(), QPoint(grab.x(), y)));
            QCOMPARE(native->value(), bar->Position());
            QVERIFY(native->value() >= last);
            last = native->value();
        }
        QCOMPARE(native->value(), native->maximum());
        QCOMPARE(thumb->y(), trackHeight - thumb->height());
        QTest::mouseMove(window, at(bar->Track(), QPoint(grab.x(), -30)));
        QCOMPARE(native->value(), 0);
        QTest::mouseRelease(window, Qt::LeftButton, {}, at(bar->Track(), QPoint(grab.x(), -30)));
        QVERIFY(!bar->Track()->Dragging());
        // A page press below the thumb scrolls the view by the bar's page.
        QTest::mouseClick(
            window, Qt::LeftButton, {}, at(bar->Track(), QPoint(grab.x(), trackHeight - 3)));
        QCOMPARE(native->value(), bar->Position());
        QVERIFY(native->value() > 0);
    }

private Q_SLOTS:
    void quickClickOnAnArrowStepsOnce();
    void longThumbGrabbedNearItsEndStaysUnderThePointer();

    void init()
    {
        form = std::make_unique<QWidget>();
        form->resize(520, 360);
    }
    void cleanup() { form.reset(); }

    void draggingTheThumbScrollsA200ItemList()
    {
        auto *list = new TzynListBox(form.get());
        list->setGeometry(20, 20, 200, 300);
        for (int i = 0; i < 200; ++i)
            list->Items()->Add(QStringLiteral("item %1").arg(i));
        auto *bar = new TzynScrollBar(form.get());
        list->setVScrollBar(bar);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QTRY_VERIFY(bar->isVisible());
        QCOMPARE(bar->Max(), list->verticalScrollBar()->maximum());
        QVERIFY(bar->Max() > 150);
        dragThumb(bar, list->verticalScrollBar());
        // The list shows the rows the bar says.
        QTRY_COMPARE(list->indexAt(QPoint(5, 5)).row(), list->verticalScrollBar()->value());
    }

    void draggingTheThumbScrollsALongMemo()
    {
        auto *memo = new TzynMemo(form.get());
        memo->setGeometry(20, 20, 300, 300);
        QStringList lines;
        for (int i = 0; i < 400; ++i)
            lines << QStringLiteral("line %1").arg(i);
        memo->Lines()->setText(lines.join(QLatin1Char('\n')));
        auto *bar = new TzynScrollBar(form.get());
        memo->setVScrollBar(bar);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QTRY_VERIFY(bar->isEnabled());
        QCOMPARE(bar->Max(), memo->verticalScrollBar()->maximum());
        dragThumb(bar, memo->verticalScrollBar());
        const int topLine = memo->cursorForPosition(QPoint(4, 4)).blockNumber();
        QVERIFY(topLine > 0);
        QCOMPARE(topLine, memo->verticalScrollBar()->value());
    }
};

void tst_ScrollDrag::quickClickOnAnArrowStepsOnce()
{
    auto *bar = new TzynScrollBar(form.get());
    bar->setGeometry(20, 20, 240, 20);
    bar->setSmallChange(5);
    showForm();
    // Down and up with nothing between: shorter than the repeat's interval. The pointer is
    // first seen over the arrow, so that the click cannot land before the window is in place.
    QVERIFY(xdotool(moveTo(onScreen(bar->IncButton(), QPoint(5, 5)))));
    QTRY_VERIFY_WITH_TIMEOUT(bar->IncButton()->MouseOn(), kTimeout);
    QVERIFY(xdotool({ QStringLiteral("click"), QStringLiteral("1") }));
    QTRY_VERIFY_WITH_TIMEOUT(bar->Position() >= 5, kTimeout);
    QTRY_VERIFY_WITH_TIMEOUT(!bar->IncButton()->Repeating(), kTimeout);
    QCOMPARE(bar->Position() % 5, 0);
    const int reached = bar->Position();
    QVERIFY(xdotool(moveTo(onScreen(bar->DecButton(), QPoint(5, 5)))));
    QTRY_VERIFY_WITH_TIMEOUT(bar->DecButton()->MouseOn(), kTimeout);
    QVERIFY(xdotool({ QStringLiteral("click"), QStringLiteral("1") }));
    QTRY_VERIFY_WITH_TIMEOUT(bar->Position() < reached, kTimeout);
}

void tst_ScrollDrag::longThumbGrabbedNearItsEndStaysUnderThePointer()
{
    auto *list = new TzynListBox(form.get());
    list->setGeometry(20, 20, 200, 300);
    for (int i = 0; i < 30; ++i)
        list->Items()->Add(QStringLiteral("item %1").arg(i));
    auto *bar = new TzynScrollBar(form.get());
    list->setVScrollBar(bar);
    showForm();
    QTRY_VERIFY(bar->isVisible());
    QScrollBar *native = list->verticalScrollBar();
    TzynScrollTrackBar *track = bar->Track();
    TzynImagePanel *thumb = track->Slider();
    // A long thumb: a few rows to scroll, many pixels of thumb.
    QVERIFY(thumb->height() > track->height() / 3);
    const int travel = track->geometryNow().Travel();
    QVERIFY(travel > 20);
    QVERIFY(native->maximum() > 2);
    // One position is this many pixels of travel at most.
    const int pitch = (travel + native->maximum() - 1) / native->maximum();

    const QPoint grab(thumb->width() / 2, 4);
    const QPoint start = onScreen(thumb, grab);
    QVERIFY(xdotool(moveTo(start) << QStringLiteral("mousedown") << QStringLiteral("1")
                                  << QStringLiteral("sleep") << QStringLiteral("0.2")
                                  << moveTo(start + QPoint(0, travel / 4))
                                  << moveTo(start + QPoint(0, travel / 2))));
    QTRY_VERIFY_WITH_TIMEOUT(track->Dragging(), kTimeout);
    QTRY_COMPARE_WITH_TIMEOUT(thumb->y(), travel / 2, kTimeout);
    // The list shows what the thumb's place says, not what a thumb centred on the pointer
    // would say.
    const int placed = track->geometryNow().SliderAlong(native->value());
    QVERIFY2(placed <= thumb->y() && thumb->y() - placed <= pitch,
        qPrintable(QStringLiteral("thumb at %1, value %2 places it at %3")
                       .arg(thumb->y())
                       .arg(native->value())
                       .arg(placed)));
    QCOMPARE(bar->Position(), native->value());

    // To the end of the track: the list is at its last row.
    QVERIFY(xdotool(
        moveTo(start + QPoint(0, travel)) << QStringLiteral("mouseup") << QStringLiteral("1")));
    QTRY_VERIFY_WITH_TIMEOUT(!track->Dragging(), kTimeout);
    QCOMPARE(thumb->y(), travel);
    QCOMPARE(native->value(), native->maximum());
    // Placed again for its position, the thumb stays where it was let go.
    track->UpdateLayout();
    QCOMPARE(thumb->y(), travel);
}

QTEST_MAIN(tst_ScrollDrag)
#include "tst_scrolldrag.moc"
