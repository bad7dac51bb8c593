// Time of a search over every page of the guide, as the program does it: the first search
// reads every page into memory (timed apart), then each query is searched and its results page
// made. The pages are the data folder beside this program, in file-name order (the order does
// not change the work). For each query: hits, pages, and the median, 95th percentile and worst
// time of `runs` repetitions (on a shared machine the worst one is mostly other programs).
//
//   bench_find [runs]      (default 200)

#include "GuidePaths.h"
#include "GuideSearchIndex.h"
#include "GuideSearchPage.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 200;
    const QString folder = ProgramDirectory() + QStringLiteral("data");
    QStringList names;
    for (const QString &file : QDir(folder).entryList({ QStringLiteral("*.htm") }, QDir::Files))
        names << file.chopped(4);
    if (names.isEmpty()) {
        std::fprintf(stderr, "no pages in %s\n", qPrintable(folder));
        return 1;
    }

    GuideSearchIndex index;
    index.setPages(folder, names);
    QElapsedTimer clock;
    clock.start();
    index.build();
    const double buildMs = clock.nsecsElapsed() / 1e6;
    std::printf("%lld pages read and indexed in %.2f ms (first search only)\n",
        static_cast<long long>(names.size()), buildMs);

    const QStringList queries { QStringLiteral("会"), QStringLiteral("会计"),
        QStringLiteral("固定资产处置"), QStringLiteral("除9法"), QStringLiteral("1000"),
        QStringLiteral("５０，０００"), QStringLiteral("借方"), QStringLiteral("a"),
        QStringLiteral("没有这样的词语") };
    std::printf("%-16s %6s %6s %10s %10s %10s\n", "query", "hits", "pages", "median ms", "p95 ms",
        "max ms");
    double worst = 0;
    for (const QString &query : queries) {
        std::vector<double> times;
        GuideSearchResult result;
        qsizetype bytes = 0;
        for (int i = 0; i < runs; ++i) {
            clock.restart();
            result = index.search(query);
            bytes += GuideSearchPage::html(result).size();
            times.push_back(clock.nsecsElapsed() / 1e6);
        }
        std::sort(times.begin(), times.end());
        worst = std::max(worst, times.back());
        std::printf("%-16s %6d %6lld %10.3f %10.3f %10.3f\n", qPrintable(query), result.hits,
            static_cast<long long>(result.pages.size()), times[times.size() / 2],
            times[times.size() * 95 / 100], times.back());
        Q_UNUSED(bytes);
    }
    std::printf("slowest single run: %.3f ms (target: under 20 ms)\n", worst);
    return 0;
}
