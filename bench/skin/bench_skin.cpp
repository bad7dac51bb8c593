// Per-paint cost of the theme drawing rules: each style's push button by the nine-slice rule
// onto a 96x73 face (the main window's toolbar buttons), and a full title bar's three
// sections (left cap, stretched middle, right cap) at a typical window width.

#include "ZYNDraw.h"
#include "ZYNThemes.h"

#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

void nineSliceButton(benchmark::State &state)
{
    const auto style = TzynUIStyle(state.range(0));
    const QImage picture = ThemeImage(GetThemeResName(style, TzynThemeEntry::ButtonNormalImage));
    QImage face(96, 73, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter canvas(&face);
        DrawNineSliceBitmap(picture, canvas, face.rect(), true);
        canvas.end();
        benchmark::DoNotOptimize(face.constBits());
    }
    state.SetLabel(ThemeStyleName(style).toStdString());
}
BENCHMARK(nineSliceButton)->DenseRange(1, 5)->Unit(benchmark::kMicrosecond);

// The title bar's sections as it lays them out, into one off-screen image of the bar.
void titleBar(benchmark::State &state)
{
    const auto style = TzynUIStyle(state.range(0));
    const int width = int(state.range(1));
    const QImage left = ThemeImage(GetThemeResName(style, TzynThemeEntry::TitleLeftImage));
    const QImage client = ThemeImage(GetThemeResName(style, TzynThemeEntry::TitleClientImage));
    const QImage right = ThemeImage(GetThemeResName(style, TzynThemeEntry::TitleRightImage));
    QImage bar(width, left.height(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter canvas(&bar);
        canvas.drawImage(QPoint(0, 0), left);
        canvas.drawImage(QPoint(width - right.width(), 0), right);
        canvas.drawImage(
            QRect(left.width(), 0, width - left.width() - right.width(), bar.height()), client);
        canvas.end();
        benchmark::DoNotOptimize(bar.constBits());
    }
    state.SetLabel(ThemeStyleName(style).toStdString());
}
BENCHMARK(titleBar)->ArgsProduct({ { 1, 2, 3, 4, 5 }, { 800 } })->Unit(benchmark::kMicrosecond);

// The same bar through the three-slice rule (a three-cell picture built from the sections), as
// tabs and track bars use it at full title-bar size.
void threeSliceTitleSized(benchmark::State &state)
{
    const QImage left = ThemeImage(QStringLiteral("MACOS_TITLE_LEFT"));
    const QImage client = ThemeImage(QStringLiteral("MACOS_TITLE_CLIENT"));
    const QImage right = ThemeImage(QStringLiteral("MACOS_TITLE_RIGHT"));
    const int cell = left.width();
    QImage cells(3 * cell, left.height(), QImage::Format_RGB32);
    {
        QPainter p(&cells);
        p.drawImage(0, 0, left);
        p.drawImage(QRect(cell, 0, cell, left.height()), client);
        p.drawImage(2 * cell, 0, right);
    }
    QImage bar(800, left.height(), QImage::Format_RGB32);
    const bool keyed = state.range(0) != 0;
    for (auto _ : state) {
        QPainter canvas(&bar);
        DrawThreeSliceBitmap(cells, canvas, bar.rect(), keyed);
        canvas.end();
        benchmark::DoNotOptimize(bar.constBits());
    }
    state.SetLabel(keyed ? "keyed caps" : "opaque");
}
BENCHMARK(threeSliceTitleSized)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
