// Measures, in fresh processes, the time from main() to the main window shown and to the
// start page loaded, for the guide and for a bare window holding only a page view that loads
// the same page. Runs both alternately and prints medians and the ratio.
//
//   bench_startup [runs]        driver (default 7 runs of each)
//   bench_startup --guide       one measured start of the guide
//   bench_startup --bare        one measured start of the bare window

#include "GuidePaths.h"
#include "Startup.h"
#include "TApplication.h"
#include "TWebBrowser.h"
#include "Unit1.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <QVBoxLayout>
#include <QWebEngineView>

#include <algorithm>
#include <cstdio>

namespace {
QElapsedTimer clock_;

int report(QWidget *window, QWebEngineView *view, bool *loaded)
{
    if (!QTest::qWaitForWindowExposed(window, 60000))
        return 2;
    const qint64 shown = clock_.elapsed();
    if (!QTest::qWaitFor([&] { return *loaded; }, 60000))
        return 3;
    std::printf("%lld %lld\n", shown, clock_.elapsed());
    Q_UNUSED(view);
    return 0;
}

int runGuide(int argc, char *argv[])
{
    PrepareProcess();
    TApplication app(argc, argv);
    InitializeApplication(app);
    TForm1 form;
    bool loaded = false;
    QObject::connect(form.WebBrowser1, &QWebEngineView::loadFinished, [&] { loaded = true; });
    form.Show();
    return report(&form, form.WebBrowser1, &loaded);
}

int runBare(int argc, char *argv[])
{
    PrepareProcess();
    QApplication app(argc, argv);
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *view = new QWebEngineView(&window);
    layout->addWidget(view);
    bool loaded = false;
    QObject::connect(view, &QWebEngineView::loadFinished, [&] { loaded = true; });
    view->load(QUrl::fromLocalFile(ChapterPagePath(QStringLiteral("2014考试指南"))));
    window.showMaximized();
    return report(&window, view, &loaded);
}

double median(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : v[v.size() / 2];
}
} // namespace

int main(int argc, char *argv[])
{
    clock_.start();
    if (argc == 2 && qstrcmp(argv[1], "--guide") == 0)
        return runGuide(argc, argv);
    if (argc == 2 && qstrcmp(argv[1], "--bare") == 0)
        return runBare(argc, argv);

    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
    QList<double> guideShown, guideLoaded, bareShown, bareLoaded;
    for (int i = 0; i < runs; ++i) {
        for (const char *mode : { "--bare", "--guide" }) {
            QProcess child;
            child.start(QCoreApplication::applicationFilePath(), { QString::fromLatin1(mode) });
            if (!child.waitForFinished(120000) || child.exitCode() != 0) {
                std::fprintf(
                    stderr, "%s run failed: %s\n", mode, child.readAllStandardError().constData());
                return 1;
            }
            const QList<QByteArray> parts = child.readAllStandardOutput().trimmed().split(' ');
            if (parts.size() != 2)
                return 1;
            auto &shown = qstrcmp(mode, "--guide") == 0 ? guideShown : bareShown;
            auto &loaded = qstrcmp(mode, "--guide") == 0 ? guideLoaded : bareLoaded;
            shown << parts[0].toDouble();
            loaded << parts[1].toDouble();
        }
    }
    std::printf("median of %d runs (ms)    shown   loaded\n", runs);
    std::printf("bare window + page view  %6.0f   %6.0f\n", median(bareShown), median(bareLoaded));
    std::printf(
        "study guide              %6.0f   %6.0f\n", median(guideShown), median(guideLoaded));
    std::printf("ratio guide / bare        %5.2f    %5.2f\n",
        median(guideShown) / median(bareShown), median(guideLoaded) / median(bareLoaded));
    return 0;
}
