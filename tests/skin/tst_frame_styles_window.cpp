// A skinned window under a window manager (Xvfb with openbox): choosing styles one after
// another leaves the window's outer size as it was (the border's width changes inside it), and
// a user's resize by the real pointer stops at the form's own Constraints, whichever style the
// frame has (its title bar asks for a smaller minimum of its own).

#include "RealPointer.h"
#include "TConstraints.h"
#include "TForm.h"
#include "TzynForm.h"

#include <QtTest>

#include <memory>

namespace {

constexpr int kTimeout = 15000;

const QList<TzynUIStyle> kStyles { TzynUIStyle::MacOS, TzynUIStyle::WinXP, TzynUIStyle::DeepBlue,
    TzynUIStyle::Protein, TzynUIStyle::BlueGlass, TzynUIStyle::Custom, TzynUIStyle::WinXP };

} // namespace

class tst_FrameStylesWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<TForm> host;
    TzynForm *frame = nullptr;

    // The host's own limits are set before the frame is placed on it, as a layout does.
    void open(const QSize &min, const QSize &max)
    {
        host.reset(new TForm);
        host->Constraints()->setMinWidth(min.width());
        host->Constraints()->setMinHeight(min.height());
        host->Constraints()->setMaxWidth(max.width());
        host->Constraints()->setMaxHeight(max.height());
        host->setGeometry(60, 60, 800, 560);
        frame = new TzynForm(host.get());
        host->show();
        QVERIFY(QTest::qWaitForWindowExposed(host.get()));
        QTRY_COMPARE_WITH_TIMEOUT(host->size(), QSize(800, 560), kTimeout);
    }

    QPoint rightEdge() const
    {
        const QRect g = host->geometry();
        return QPoint(g.x() + g.width() - 1, g.y() + g.height() / 2);
    }
    QPoint bottomEdge() const
    {
        const QRect g = host->geometry();
        return QPoint(g.x() + g.width() / 2, g.y() + g.height() - 1);
    }

private Q_SLOTS:
    void cleanup() { host.reset(); }

    // WinXP's border is 3 pixels wide, the others' 1: the frame inside gives way, the window
    // keeps its size through two rounds of every style.
    void aStyleChangeKeepsTheWindowsOuterSize()
    {
        open(QSize(0, 0), QSize(0, 0));
        const QRect outer = host->geometry();
        for (int round = 0; round < 2; ++round) {
            for (TzynUIStyle style : kStyles) {
                frame->setUIStyle(style);
                QCoreApplication::processEvents();
                QCOMPARE(host->geometry(), outer);
                const int b = frame->BorderWidth();
                QCOMPARE(frame->geometry(), QRect(b, 0, outer.width() - 2 * b, outer.height() - b));
            }
        }
        // Writing the border's width itself still keeps the frame's size and sizes the window.
        frame->setUIStyle(TzynUIStyle::DeepBlue);
        const QSize inner = frame->size();
        frame->setBorderWidth(4);
        QCOMPARE(frame->size(), inner);
        QTRY_COMPARE_WITH_TIMEOUT(host->size(), inner + QSize(8, 4), kTimeout);
    }

    // The form asks for at least 640 x 480 and at most 1000 x 700; the frame's own minimum
    // (the style's, 130 to 270 pixels) and maximum (the work area) do not loosen that.
    void aUsersResizeStopsAtTheFormsConstraints()
    {
        open(QSize(640, 480), QSize(1000, 700));
        for (TzynUIStyle style : { TzynUIStyle::BlueGlass, TzynUIStyle::MacOS }) {
            frame->setUIStyle(style);
            QCOMPARE(host->minimumSize(), QSize(640, 480));
            QCOMPARE(host->maximumSize(), QSize(1000, 700));
            // Far in from the right and from the bottom edge.
            QVERIFY(xdotool(pointerDrag(rightEdge(), rightEdge() - QPoint(500, 0))));
            QTRY_COMPARE_WITH_TIMEOUT(host->width(), 640, kTimeout);
            QVERIFY(xdotool(pointerDrag(bottomEdge(), bottomEdge() - QPoint(0, 400))));
            QTRY_COMPARE_WITH_TIMEOUT(host->height(), 480, kTimeout);
            // Far out again.
            QVERIFY(xdotool(pointerDrag(rightEdge(), rightEdge() + QPoint(500, 0))));
            QTRY_COMPARE_WITH_TIMEOUT(host->width(), 1000, kTimeout);
            QVERIFY(xdotool(pointerDrag(bottomEdge(), bottomEdge() + QPoint(0, 300))));
            QTRY_COMPARE_WITH_TIMEOUT(host->height(), 700, kTimeout);
            QTRY_COMPARE_WITH_TIMEOUT(frame->width(), 1000 - 2 * frame->BorderWidth(), kTimeout);
        }
    }
};

QTEST_MAIN(tst_FrameStylesWindow)
#include "tst_frame_styles_window.moc"
