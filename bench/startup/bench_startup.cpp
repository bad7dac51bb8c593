// Start-up of the guide against a bare window that holds only a page view loading the same
// page, each in fresh processes started alternately. For each start it records, from the moment
// the driver launched the process:
//   exposed  the window is exposed on the display,
//   loaded   the start page has finished loading,
//   painted  the page view painted the page's first contents (the page's own paint timing),
// and the peak resident memory of the whole process tree (the page view runs helper
// processes), as the sum of each process's high-water mark.
//
//   bench_startup [runs]        driver (default 11 runs of each)
//   bench_startup --guide       one measured start of the guide
//   bench_startup --bare        one measured start of the bare window
//
// Everything waits in the event loop on signals and events: the page view's engine only makes
// progress while the loop runs, so sleeping between event passes would stretch every load.

#include "GuidePaths.h"
#include "Startup.h"
#include "TApplication.h"
#include "TWebBrowser.h"
#include "Unit1.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>

namespace {
constexpr int kTimeoutMs = 60000;

double epochMs()
{
    using namespace std::chrono;
    return duration<double, std::milli>(system_clock::now().time_since_epoch()).count();
}

// Sum of VmHWM (kB) over this process and every process descended from it.
qint64 processTreePeakKb()
{
    QHash<qint64, qint64> parentOf;
    const QStringList pids = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString &name : pids) {
        bool ok = false;
        const qint64 pid = name.toLongLong(&ok);
        if (!ok)
            continue;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = stat.readAll();
        // The command name is in parentheses and may hold spaces; the parent follows the state.
        const QList<QByteArray> rest = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (rest.size() > 1)
            parentOf.insert(pid, rest[1].toLongLong());
    }
    const qint64 self = QCoreApplication::applicationPid();
    qint64 total = 0;
    for (auto it = parentOf.cbegin(); it != parentOf.cend(); ++it) {
        qint64 p = it.key();
        while (p > 1 && p != self)
            p = parentOf.value(p, 0);
        if (p != self)
            continue;
        QFile status(QStringLiteral("/proc/%1/status").arg(it.key()));
        if (!status.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray &l : status.readAll().split('\n')) {
            if (l.startsWith("VmHWM:"))
                total += l.mid(6).trimmed().split(' ').first().toLongLong();
        }
    }
    return total;
}

// Notices the window's first expose as it arrives, without polling.
class ExposeWatch : public QObject {
public:
    explicit ExposeWatch(QWidget *window)
        : m_window(window)
    {
        qApp->installEventFilter(this);
    }
    double exposedAt = 0;

    // Returns once the window has been exposed (at once if it already was); false on timeout.
    bool wait()
    {
        if (exposedAt != 0)
            return true;
        QTimer::singleShot(kTimeoutMs, &m_loop, &QEventLoop::quit);
        m_loop.exec();
        return exposedAt != 0;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (exposedAt == 0 && event->type() == QEvent::Expose && watched == m_window->windowHandle()
            && m_window->windowHandle()->isExposed()) {
            exposedAt = epochMs();
            m_loop.quit();
        }
        return false;
    }

private:
    QWidget *m_window;
    QEventLoop m_loop;
};

// Waits for the page's first contentful paint as the page itself timed it, asking again on
// each pass of the event loop until the engine has recorded it.
double firstPaint(QWebEnginePage *page)
{
    const QString script = QStringLiteral(
        "(function() { var e = performance.getEntriesByName('first-contentful-paint');"
        " return e.length ? performance.timeOrigin + e[0].startTime : 0; })()");
    QEventLoop loop;
    double result = 0;
    std::function<void()> ask = [&] {
        page->runJavaScript(script, [&](const QVariant &value) {
            result = value.toDouble();
            if (result > 0)
                loop.quit();
            else
                QTimer::singleShot(5, &loop, ask);
        });
    };
    ask();
    QTimer::singleShot(kTimeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return result;
}

int measure(QWidget *window, QWebEngineView *view, ExposeWatch &watch)
{
    double loadedAt = 0;
    QEventLoop loop;
    QObject::connect(view, &QWebEngineView::loadFinished, &loop, [&](bool ok) {
        loadedAt = ok ? epochMs() : -1;
        loop.quit();
    });
    QTimer::singleShot(kTimeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    if (loadedAt <= 0)
        return 3;
    if (!watch.wait())
        return 2;
    const double paintedAt = firstPaint(view->page());
    if (paintedAt <= 0)
        return 4;
    std::printf("%.3f %.3f %.3f %lld\n", watch.exposedAt, loadedAt, paintedAt,
        static_cast<long long>(processTreePeakKb()));
    Q_UNUSED(window);
    return 0;
}

int runGuide(int argc, char *argv[])
{
    PrepareProcess();
    TApplication app(argc, argv);
    InitializeApplication(app);
    TForm1 form;
    ExposeWatch watch(&form);
    form.Show();
    return measure(&form, form.WebBrowser1, watch);
}

int runBare(int argc, char *argv[])
{
    PrepareProcess();
    QApplication app(argc, argv);
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *view = new QWebEngineView(&window);
    layout->addWidget(view);
    view->load(QUrl::fromLocalFile(ChapterPagePath(QStringLiteral("2014考试指南"))));
    ExposeWatch watch(&window);
    window.showMaximized();
    return measure(&window, view, watch);
}

double median(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : v[v.size() / 2];
}

struct Series {
    QList<double> exposed, loaded, painted, peakMb;
};
} // namespace

int main(int argc, char *argv[])
{
    if (argc == 2 && qstrcmp(argv[1], "--guide") == 0)
        return runGuide(argc, argv);
    if (argc == 2 && qstrcmp(argv[1], "--bare") == 0)
        return runBare(argc, argv);

    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 11;
    Series guide, bare;
    for (int i = 0; i < runs; ++i) {
        for (const char *mode : { "--bare", "--guide" }) {
            QProcess child;
            const double launchedAt = epochMs();
            child.start(QCoreApplication::applicationFilePath(), { QString::fromLatin1(mode) });
            if (!child.waitForFinished(120000) || child.exitCode() != 0) {
                std::fprintf(stderr, "%s run failed (%d): %s\n", mode, child.exitCode(),
                    child.readAllStandardError().constData());
                return 1;
            }
            const QList<QByteArray> parts = child.readAllStandardOutput().trimmed().split(' ');
            if (parts.size() != 4)
                return 1;
            Series &s = qstrcmp(mode, "--guide") == 0 ? guide : bare;
            s.exposed << parts[0].toDouble() - launchedAt;
            s.loaded << parts[1].toDouble() - launchedAt;
            s.painted << parts[2].toDouble() - launchedAt;
            s.peakMb << parts[3].toDouble() / 1024.0;
        }
    }
    std::printf(
        "medians of %d runs, from launch  exposed   loaded  painted  peak RSS of tree\n", runs);
    auto row = [](const char *name, const Series &s) {
        std::printf("%-32s %6.0f ms %6.0f ms %6.0f ms  %6.0f MB\n", name, median(s.exposed),
            median(s.loaded), median(s.painted), median(s.peakMb));
    };
    row("bare window + page view", bare);
    row("study guide", guide);
    std::printf("%-32s %6.2f    %6.2f    %6.2f     %6.2f\n", "ratio guide / bare",
        median(guide.exposed) / median(bare.exposed), median(guide.loaded) / median(bare.loaded),
        median(guide.painted) / median(bare.painted), median(guide.peakMb) / median(bare.peakMb));
    return 0;
}
