// A real drag of a skinned thumb on a window of the display: the pointer pressed on the thumb
// of a bar bound to a 200-item list box (and to a long memo) and moved down the track scrolls
// the view step by step, and the bar ends where the pointer left the thumb. With the real
// pointer of the display (xdotool): a quick click on an arrow steps once, and a long thumb
// grabbed near its end keeps that point under the pointer, the list in step with it. With the
// display's keyboard and wheel: a track bar and a free scroll bar take the focus and step by
// the keys and the wheel; a bar bound to a list leaves the focus with the list.

#include "RealPointer.h"
#include "TzynImageButton.h"
#include "TzynImagePanel.h"
#include "TzynListBox.h"
#include "TzynMemo.h"
#include "TzynScrollBar.h"
#include "TzynScrollTrackBar.h"
#include "TzynTrackBar.h"

#include <QScrollBar>
#include <QWindow>
#include <QtTest>

#include <memory>

namespace {

constexpr int kTimeout = 15000;

QPoint onScreen(const QWidget *w, const QPoint &p)
{
    return w->mapToGlobal(p);
}

bool key(const QString &name)
{
    return xdotool({ QStringLiteral("key"), name });
}

// Turns the wheel one notch: button 4 away from the user, 5 toward.
bool wheel(bool towardUser)
{
    return xdotool(
        { QStringLiteral("click"), towardUser ? QStringLiteral("5") : QStringLiteral("4") });
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
    void trackBarAnswersTheKeysAndTheWheelAndShowsTheFocus();
    void freeScrollBarTakesTheFocusAndTheKeys();
    void boundBarLeavesTheFocusWithItsList();

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
    QVERIFY(xdotool(pointerMoveTo(onScreen(bar->IncButton(), QPoint(5, 5)))));
    QTRY_VERIFY_WITH_TIMEOUT(bar->IncButton()->MouseOn(), kTimeout);
    QVERIFY(xdotool({ QStringLiteral("click"), QStringLiteral("1") }));
    QTRY_VERIFY_WITH_TIMEOUT(bar->Position() >= 5, kTimeout);
    QTRY_VERIFY_WITH_TIMEOUT(!bar->IncButton()->Repeating(), kTimeout);
    QCOMPARE(bar->Position() % 5, 0);
    const int reached = bar->Position();
    QVERIFY(xdotool(pointerMoveTo(onScreen(bar->DecButton(), QPoint(5, 5)))));
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
    QVERIFY(xdotool(pointerMoveTo(start)
        << QStringLiteral("mousedown") << QStringLiteral("1") << QStringLiteral("sleep")
        << QStringLiteral("0.2") << pointerMoveTo(start + QPoint(0, travel / 4))
        << pointerMoveTo(start + QPoint(0, travel / 2))));
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
    QVERIFY(xdotool(pointerMoveTo(start + QPoint(0, travel))
        << QStringLiteral("mouseup") << QStringLiteral("1")));
    QTRY_VERIFY_WITH_TIMEOUT(!track->Dragging(), kTimeout);
    QCOMPARE(thumb->y(), travel);
    QCOMPARE(native->value(), native->maximum());
    // Placed again for its position, the thumb stays where it was let go.
    track->UpdateLayout();
    QCOMPARE(thumb->y(), travel);
}

void tst_ScrollDrag::trackBarAnswersTheKeysAndTheWheelAndShowsTheFocus()
{
    auto *bar = new TzynTrackBar(form.get());
    bar->setGeometry(20, 20, 211, 30);
    bar->setSmallChange(5);
    auto *other = new TzynTrackBar(form.get());
    other->setGeometry(20, 80, 211, 30);
    showForm();
    QCOMPARE(bar->focusPolicy(), Qt::StrongFocus);
    other->setFocus();
    const QImage unfocused = bar->grab().toImage();
    // A click on the slider gives the bar the focus and moves nothing.
    QVERIFY(xdotool(pointerMoveTo(onScreen(bar->Slider(), QPoint(4, 4)))
        << QStringLiteral("click") << QStringLiteral("1")));
    QTRY_VERIFY_WITH_TIMEOUT(bar->hasFocus(), kTimeout);
    QCOMPARE(bar->Position(), 0);
    // The dotted rectangle round the bar, beside the slider.
    const QImage focused = bar->grab().toImage();
    int changed = 0;
    for (int x = 40; x < 200; ++x)
        changed += focused.pixel(x, 0) != unfocused.pixel(x, 0);
    QVERIFY(changed > 20);

    const struct {
        const char *key;
        int position;
    } steps[]
        = { { "Right", 5 }, { "Down", 10 }, { "Left", 5 }, { "Up", 0 }, { "Up", 0 }, { "Next", 10 },
              { "Next", 20 }, { "Prior", 10 }, { "End", 100 }, { "Right", 100 }, { "Home", 0 } };
    for (const auto &step : steps) {
        QVERIFY(key(QString::fromLatin1(step.key)));
        QTRY_COMPARE_WITH_TIMEOUT(bar->Position(), step.position, kTimeout);
    }
    QVERIFY(other->hasFocus() == false);

    // The wheel over the bar: toward the user toward Max, by the desktop's lines per notch.
    const int notch = QApplication::wheelScrollLines() * 5;
    QVERIFY(xdotool(pointerMoveTo(onScreen(bar, QPoint(150, 15)))));
    QVERIFY(wheel(true));
    QTRY_COMPARE_WITH_TIMEOUT(bar->Position(), notch, kTimeout);
    QVERIFY(wheel(false));
    QTRY_COMPARE_WITH_TIMEOUT(bar->Position(), 0, kTimeout);
}

void tst_ScrollDrag::freeScrollBarTakesTheFocusAndTheKeys()
{
    auto *bar = new TzynScrollBar(form.get());
    bar->setGeometry(20, 20, 240, 20);
    bar->setMax(50);
    bar->setSmallChange(2);
    bar->setLargeChange(7);
    showForm();
    // A click on the track pages toward the pointer and focuses the bar, not the track.
    QVERIFY(xdotool(pointerMoveTo(onScreen(bar->Track(), QPoint(bar->Track()->width() - 5, 5)))
        << QStringLiteral("click") << QStringLiteral("1")));
    QTRY_VERIFY_WITH_TIMEOUT(bar->hasFocus(), kTimeout);
    QTRY_COMPARE_WITH_TIMEOUT(bar->Position(), 7, kTimeout);
    const struct {
        const char *key;
        int position;
    } steps[] = { { "Right", 9 }, { "Left", 7 }, { "End", 50 }, { "Prior", 43 }, { "Home", 0 },
        { "Next", 7 } };
    for (const auto &step : steps) {
        QVERIFY(key(QString::fromLatin1(step.key)));
        QTRY_COMPARE_WITH_TIMEOUT(bar->Position(), step.position, kTimeout);
    }
    // The wheel over an arrow moves the bar as well.
    QVERIFY(xdotool(pointerMoveTo(onScreen(bar->IncButton(), QPoint(4, 4)))));
    QVERIFY(wheel(true));
    QTRY_COMPARE_WITH_TIMEOUT(bar->Position(), 7 + 2 * QApplication::wheelScrollLines(), kTimeout);
}

void tst_ScrollDrag::boundBarLeavesTheFocusWithItsList()
{
    auto *list = new TzynListBox(form.get());
    list->setGeometry(20, 20, 200, 300);
    for (int i = 0; i < 200; ++i)
        list->Items()->Add(QStringLiteral("item %1").arg(i));
    auto *bar = new TzynScrollBar(form.get());
    list->setVScrollBar(bar);
    showForm();
    list->setFocus();
    QTRY_VERIFY(bar->isVisible());
    QVERIFY(xdotool(pointerMoveTo(onScreen(bar->IncButton(), QPoint(4, 4)))));
    QTRY_VERIFY_WITH_TIMEOUT(bar->IncButton()->MouseOn(), kTimeout);
    QVERIFY(xdotool({ QStringLiteral("click"), QStringLiteral("1") }));
    QTRY_VERIFY_WITH_TIMEOUT(list->verticalScrollBar()->value() >= 1, kTimeout);
    QVERIFY(list->hasFocus());
    // The keys still scroll the list, which moves the bar.
    QVERIFY(key(QStringLiteral("End")));
    QTRY_COMPARE_WITH_TIMEOUT(bar->Position(), list->verticalScrollBar()->maximum(), kTimeout);
    // The bar hidden (nothing to scroll), released or destroyed: the list keeps the focus.
    list->Items()->Clear();
    QTRY_VERIFY(bar->isHidden());
    QVERIFY(list->hasFocus());
    list->setVScrollBar(nullptr);
    QVERIFY(list->hasFocus());
    list->setVScrollBar(bar);
    delete bar;
    QVERIFY(list->hasFocus());
}

QTEST_MAIN(tst_ScrollDrag)
#include "tst_scrolldrag.moc"
