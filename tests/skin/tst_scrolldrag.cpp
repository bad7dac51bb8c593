// A real drag of a skinned thumb on a window of the display: the pointer pressed on the thumb
// of a bar bound to a 200-item list box (and to a long memo) and moved down the track scrolls
// the view step by step, and the bar ends where the pointer left the thumb.

#include "TzynImagePanel.h"
#include "TzynListBox.h"
#include "TzynMemo.h"
#include "TzynScrollBar.h"
#include "TzynScrollTrackBar.h"

#include <QScrollBar>
#include <QWindow>
#include <QtTest>

#include <memory>

class tst_ScrollDrag : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> form;

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

QTEST_MAIN(tst_ScrollDrag)
#include "tst_scrolldrag.moc"
