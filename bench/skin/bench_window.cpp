// Repaint cost of the main window's skinned frame, built from the program's layout with the
// page view left out: a full repaint (a grab of the frame with everything on it) and a resize
// of the window followed by a full repaint, at two window sizes. The page view's place is
// measured two ways: covered, as in the program (the view paints itself, so only the skin's
// painting around it is timed), and empty, the frame's background painted there.
// Prints the median and the fastest of N runs of each (40 unless given). Run by hand, on the
// offscreen platform:
//
//     QT_QPA_PLATFORM=offscreen build/bench/skin/bench_window [runs] [style]
//
// and with QT_SCALE_FACTOR=2 for a high-density screen (device pixel ratio 2: four times the
// pixels, the pictures' twins drawn); the window sizes stay the same in logical pixels.
//
// where style is one of MacOS (the program's, the default), WinXP, DeepBlue, Protein,
// BlueGlass or Custom.

#include "MainWindowLayout.h"
#include "TApplication.h"
#include "TzynForm.h"
#include "ZYNThemes.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Stats {
    double median;
    double fastest;
};

Stats stats(std::vector<qint64> samples)
{
    std::sort(samples.begin(), samples.end());
    const size_t n = samples.size();
    const double median = n % 2 ? double(samples[n / 2])
                                : (double(samples[n / 2 - 1]) + double(samples[n / 2])) / 2;
    return { median / 1e6, double(samples.front()) / 1e6 };
}

} // namespace

int main(int argc, char *argv[])
{
    // The screen has room for the largest window at the scale asked for.
    const double scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
        ? std::max(1.0, qEnvironmentVariable("QT_SCALE_FACTOR").toDouble())
        : 1.0;
    UseLargeOffscreenScreen(QSize(2560, 1600) * scale);
    TApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 40;
    TzynUIStyle style = TzynUIStyle::MacOS;
    const auto styleName = [](TzynUIStyle s) {
        return s == TzynUIStyle::Custom ? QStringLiteral("Custom") : ThemeStyleName(s);
    };
    if (argc > 2) {
        for (int s = 0; s <= 5; ++s) {
            if (styleName(TzynUIStyle(s))
                    .compare(QString::fromLocal8Bit(argv[2]), Qt::CaseInsensitive)
                == 0)
                style = TzynUIStyle(s);
        }
    }

    MainWindowLayout window;
    window.frame()->setUIStyle(style);
    std::printf("style %s, device pixel ratio %.2f, %d runs, times in ms (median / fastest)\n",
        qPrintable(styleName(style)), app.devicePixelRatio(), runs);
    std::printf("%-11s %-7s %-21s %-21s\n", "window", "page", "full repaint", "resize + repaint");
    const QSize sizes[] = { QSize(1280, 800), QSize(1920, 1080) };
    for (const bool page : { true, false }) {
        for (const QSize size : sizes) {
            window.setPageShown(page);
            window.showAt(size);
            for (int i = 0; i < 3; ++i)
                window.frame()->grab();

            std::vector<qint64> full, resized;
            QElapsedTimer timer;
            for (int i = 0; i < runs; ++i) {
                QApplication::processEvents();
                timer.start();
                const QPixmap image = window.frame()->grab();
                full.push_back(timer.nsecsElapsed());
            }
            // A live resize: the window steps by a few pixels at a time, back and forth.
            for (int i = 0; i < runs; ++i) {
                const QSize next = size - QSize(8, 6) * (i % 2 ? 0 : 1);
                QApplication::processEvents();
                timer.start();
                window.resize(next);
                const QPixmap image = window.frame()->grab();
                resized.push_back(timer.nsecsElapsed());
                if (window.size() != next) {
                    std::fprintf(stderr, "the window did not take the size %dx%d\n", next.width(),
                        next.height());
                    return 1;
                }
            }
            const Stats f = stats(full), r = stats(resized);
            std::printf("%4dx%-6d %-7s %7.2f / %-11.2f %7.2f / %-11.2f\n", size.width(),
                size.height(), page ? "covered" : "empty", f.median, f.fastest, r.median,
                r.fastest);
        }
    }
    return 0;
}
