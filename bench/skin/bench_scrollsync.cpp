// Cost of keeping a skinned scroll bar in step with a long list: a drag of the bound thumb over
// a 10,000-item list box, timing each pointer move (thumb, list scroll and the bar's
// synchronisation that follows) and each synchronisation on its own.
//
//     QT_QPA_PLATFORM=offscreen bench_scrollsync [passes]

#include "TzynImagePanel.h"
#include "TzynListBox.h"
#include "TzynScrollBar.h"
#include "TzynScrollTrackBar.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Figures {
    double median = 0, mean = 0, worst = 0;
};

Figures summarise(std::vector<qint64> ns)
{
    Figures f;
    if (ns.empty())
        return f;
    std::sort(ns.begin(), ns.end());
    double sum = 0;
    for (qint64 v : ns)
        sum += double(v);
    f.median = double(ns[ns.size() / 2]) / 1e6;
    f.mean = sum / double(ns.size()) / 1e6;
    f.worst = double(ns.back()) / 1e6;
    return f;
}

void sendMove(QWidget *thumb, QPoint trackPoint, QWidget *track)
{
    const QPoint local = thumb->mapFrom(track, trackPoint);
    QMouseEvent move(QEvent::MouseMove, QPointF(local), QPointF(thumb->mapToGlobal(local)),
        Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(thumb, &move);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int passes = argc > 1 ? std::max(1, atoi(argv[1])) : 5;

    QWidget form;
    form.resize(400, 640);
    auto *list = new TzynListBox(&form);
    list->setGeometry(10, 10, 300, 620);
    QStringList items;
    for (int i = 0; i < 10000; ++i)
        items << QStringLiteral("item %1").arg(i);
    list->Items()->setLines(items);
    auto *bar = new TzynScrollBar(&form);
    list->setVScrollBar(bar);
    form.show();
    QApplication::processEvents();

    TzynScrollTrackBar *track = bar->Track();
    TzynImagePanel *thumb = track->Slider();
    QScrollBar *native = list->verticalScrollBar();
    const int x = thumb->width() / 2;
    const QPoint grab(x, thumb->height() / 2);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(grab), QPointF(thumb->mapToGlobal(grab)),
        Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(thumb, &press);

    std::vector<qint64> moves;
    QElapsedTimer clock;
    for (int pass = 0; pass < passes; ++pass) {
        for (int y = 0; y <= track->height(); ++y) {
            const int ty = pass % 2 ? track->height() - y : y;
            clock.start();
            sendMove(thumb, QPoint(x, ty), track);
            moves.push_back(clock.nsecsElapsed());
            if (native->value() != bar->Position()) {
                std::fprintf(
                    stderr, "out of step: list %d, bar %d\n", native->value(), bar->Position());
                return 1;
            }
        }
        // The list repaints between passes, as it would on the screen.
        QApplication::processEvents();
    }
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(grab),
        QPointF(thumb->mapToGlobal(grab)), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(thumb, &release);

    std::vector<qint64> syncs;
    for (int i = 0; i <= native->maximum(); i += 7) {
        native->setValue(i);
        clock.start();
        list->Binding()->Synchronise();
        syncs.push_back(clock.nsecsElapsed());
    }

    const Figures m = summarise(moves);
    const Figures s = summarise(syncs);
    std::printf("list of %d items, track %d px, thumb %d px, range 0..%d\n", list->count(),
        track->height(), thumb->height(), native->maximum());
    std::printf("drag move (thumb, list scroll, synchronisation): %zu moves, median %.4f ms, "
                "mean %.4f ms, worst %.4f ms\n",
        moves.size(), m.median, m.mean, m.worst);
    std::printf("synchronisation alone: %zu runs, median %.4f ms, mean %.4f ms, worst %.4f ms\n",
        syncs.size(), s.median, s.mean, s.worst);
    return 0;
}
