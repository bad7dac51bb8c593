// Cost of filling a bound list one line at a time: single Items()->Add calls on a list box (and
// a check list box) with a skinned scroll bar bound, on a shown form, then the layout and the
// bar's synchronisation that follow when the event loop runs again.
//
//     QT_QPA_PLATFORM=offscreen bench_listadd [lines] [runs]

#include "TzynCheckListBox.h"
#include "TzynListBox.h"
#include "TzynScrollBar.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

template <class List> void run(const char *name, int lines, int runs)
{
    for (int r = 0; r < runs; ++r) {
        QWidget form;
        form.resize(400, 640);
        auto *list = new List(&form);
        list->setGeometry(10, 10, 300, 620);
        auto *bar = new TzynScrollBar(&form);
        list->setVScrollBar(bar);
        form.show();
        QApplication::processEvents();

        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < lines; ++i)
            list->Items()->Add(QStringLiteral("item %1").arg(i));
        const qint64 adds = clock.nsecsElapsed();
        QApplication::processEvents();
        const qint64 total = clock.nsecsElapsed();

        if (list->count() != lines || bar->Max() != list->verticalScrollBar()->maximum()) {
            std::fprintf(stderr, "%s: the list or its bar is not as filled\n", name);
            std::exit(1);
        }
        std::printf("%-16s %7d Adds: %8.1f ms; with the layout and the bar's sync: %8.1f ms\n",
            name, lines, double(adds) / 1e6, double(total) / 1e6);
    }
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int lines = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100000;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    run<TzynListBox>("TzynListBox", lines, runs);
    run<TzynCheckListBox>("TzynCheckListBox", lines, runs);
    return 0;
}
