// The real main window under a window manager (Xvfb with openbox), driven by the real pointer
// through xdotool: it opens maximised into the work area, double-clicking the title bar
// restores it to its construction bounds and maximises it again, dragging the title bar moves
// it, dragging its edge resizes it, the minimum size holds, and hover works after a drag.

#include "PaintCounter.h"
#include "RealPointer.h"
#include "Startup.h"
#include "TApplication.h"
#include "TzynForm.h"
#include "TzynTitleBar.h"
#include "Unit1.h"

#include <QProcess>
#include <QScreen>
#include <QtTest>

namespace {

constexpr int kTimeout = 15000;

} // namespace

class tst_FrameWindow : public QObject {
    Q_OBJECT

    TForm1 *form = nullptr;

    QRect workArea() const { return form->screen()->availableGeometry(); }
    QPoint onTitleBar(int x) const { return form->geometry().topLeft() + QPoint(x, 11); }

    void doubleClickTitleBar()
    {
        const QPoint p = onTitleBar(300);
        QVERIFY(xdotool({ QStringLiteral("mousemove"), QString::number(p.x()),
            QString::number(p.y()), QStringLiteral("sleep"), QStringLiteral("0.2"),
            QStringLiteral("click"), QStringLiteral("--repeat"), QStringLiteral("2"),
            QStringLiteral("--delay"), QStringLiteral("80"), QStringLiteral("1") }));
    }

    void ensureNormal()
    {
        if (form->isMaximized()) {
            doubleClickTitleBar();
            QTRY_VERIFY_WITH_TIMEOUT(!form->isMaximized(), kTimeout);
        }
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(QProcess::execute(QStringLiteral("xdotool"), { QStringLiteral("version") }) == 0,
            "xdotool is needed");
        form = new TForm1;
        // Before it is shown, the frame's stored size has sized the window.
        QCOMPARE(form->size(), QSize(983, 633));
        form->Show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }

    void cleanupTestCase() { delete form; }

    void opensMaximisedIntoTheWorkArea()
    {
        QVERIFY(form->windowFlags() & Qt::FramelessWindowHint);
        QTRY_VERIFY_WITH_TIMEOUT(form->isMaximized(), kTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(form->geometry(), workArea(), kTimeout);
        // The test scripts give the window manager a top margin, as a desktop panel would:
        // then the maximised window leaves it free instead of covering the whole screen.
        if (workArea() != form->screen()->geometry())
            QVERIFY(!form->geometry().contains(form->screen()->geometry()));
        TzynForm *frame = form->zynForm1;
        QTRY_COMPARE_WITH_TIMEOUT(
            frame->geometry(), QRect(1, 0, form->width() - 2, form->height() - 1), kTimeout);
        QCOMPARE(frame->TitleBar()->height(), 23);
        QCOMPARE(frame->TitleBar()->UIStyle(), TzynUIStyle::MacOS);
    }

    void doubleClickRestoresThenMaximises()
    {
        QTRY_VERIFY_WITH_TIMEOUT(form->isMaximized(), kTimeout);
        doubleClickTitleBar();
        // The first restore returns to the bounds of the layout.
        QTRY_VERIFY_WITH_TIMEOUT(!form->isMaximized(), kTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(form->geometry(), QRect(22, 71, 991, 660), kTimeout);
        doubleClickTitleBar();
        QTRY_VERIFY_WITH_TIMEOUT(form->isMaximized(), kTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(form->geometry(), workArea(), kTimeout);
        // It stays there: the bookkeeping does not feed back into itself. What the window
        // manager sent meanwhile has arrived by the window's next paint.
        QVERIFY(flushPaints(form));
        QCOMPARE(form->geometry(), workArea());
        QVERIFY(form->isMaximized());
    }

    void draggingTheTitleBarMoves()
    {
        ensureNormal();
        QTRY_COMPARE_WITH_TIMEOUT(form->geometry().size(), QSize(991, 660), kTimeout);
        const QPoint before = form->pos();
        const QPoint from = onTitleBar(300);
        QVERIFY(xdotool(pointerDrag(from, from + QPoint(100, 60))));
        // The move starts at the first movement after the press, so the window follows the
        // pointer from there: the whole drag less its first steps (one step, 100 / 8 and
        // 60 / 8, when the machine keeps up; half the drag leaves room for a loaded one).
        const auto moved = [&] { return form->pos() - before; };
        QTRY_VERIFY_WITH_TIMEOUT(moved().x() >= 50 && moved().y() >= 30, kTimeout);
        QVERIFY(moved().x() <= 100 && moved().y() <= 60);
        QCOMPARE(form->size(), QSize(991, 660));
        // Hover is not stuck on the press: the close button lights up under the pointer.
        TzynTitleBar *bar = form->zynForm1->TitleBar();
        const QPoint close = form->geometry().topLeft() + QPoint(1 + bar->width() - 19 + 8, 12);
        QVERIFY(xdotool(
            { QStringLiteral("mousemove"), QString::number(close.x()), QString::number(close.y()),
                QStringLiteral("sleep"), QStringLiteral("0.1"), QStringLiteral("mousemove"),
                QString::number(close.x() + 1), QString::number(close.y()) }));
        QTRY_COMPARE_WITH_TIMEOUT(bar->HotButtonIndex(), 1, kTimeout);
        QVERIFY(!bar->MouseIsDown());
    }

    // The title bar repaints only when what it shows changes: the pointer moving along the
    // caption paints nothing of it; moving onto a button does.
    void movingOverTheCaptionPaintsNothing()
    {
        ensureNormal();
        TzynTitleBar *bar = form->zynForm1->TitleBar();
        const QPoint start = onTitleBar(300);
        const auto n = [](int v) { return QString::number(v); };
        QVERIFY(xdotool({ QStringLiteral("mousemove"), n(start.x()), n(start.y()) }));
        QTRY_COMPARE_WITH_TIMEOUT(bar->HotButtonIndex(), -1, kTimeout);
        PaintCounter counter;
        counter.watch(bar);
        QVERIFY(flushPaints(form));
        counter.paints.clear();
        QStringList moves;
        for (int i = 1; i <= 20; ++i)
            moves << QStringLiteral("mousemove") << n(start.x() + 6 * i) << n(start.y() + i % 4)
                  << QStringLiteral("sleep") << QStringLiteral("0.02");
        QVERIFY(xdotool(moves));
        QVERIFY(flushPaints(form));
        QCOMPARE(counter.of(bar), 0);
        const QPoint close = form->geometry().topLeft() + QPoint(1 + bar->width() - 19 + 8, 12);
        QVERIFY(xdotool({ QStringLiteral("mousemove"), n(close.x()), n(close.y()) }));
        QTRY_VERIFY_WITH_TIMEOUT(counter.of(bar) > 0, kTimeout);
        QCOMPARE(bar->HotButtonIndex(), 1);
    }

    void draggingTheEdgeResizes()
    {
        ensureNormal();
        const QRect before = form->geometry();
        // The one-pixel border strip on the right.
        const QPoint from(before.x() + before.width() - 1, before.y() + 300);
        QVERIFY(xdotool(pointerDrag(from, from + QPoint(80, 0))));
        QTRY_COMPARE_WITH_TIMEOUT(form->width(), before.width() + 80, kTimeout);
        QCOMPARE(form->pos(), before.topLeft());
        QTRY_COMPARE_WITH_TIMEOUT(form->zynForm1->width(), before.width() + 78, kTimeout);
        // Far to the left: the minimum width holds.
        const QPoint edge(form->x() + form->width() - 1, before.y() + 300);
        QVERIFY(xdotool(pointerDrag(edge, QPoint(form->x() + 20, edge.y()))));
        QTRY_COMPARE_WITH_TIMEOUT(form->width(), 130, kTimeout);
        // The bottom strip, far up: the minimum height holds.
        const QPoint bottom(form->x() + 60, form->y() + form->height() - 1);
        QVERIFY(xdotool(pointerDrag(bottom, QPoint(bottom.x(), form->y() + 5))));
        QTRY_COMPARE_WITH_TIMEOUT(form->height(), 50, kTimeout);
    }
};

int main(int argc, char *argv[])
{
    PrepareProcess();
    TApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    InitializeApplication(app);
    tst_FrameWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_frame_window.moc"
