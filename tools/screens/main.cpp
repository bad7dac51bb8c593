// Starts the study guide's main window as the program does, then sets its frame to each of
// the five built-in UI styles in turn and saves what the screen shows, one PNG per style;
// then, in the program's own style, the find bar at work, the results of a search over every
// page and the notice for a missing page.

#include "GuidePaths.h"
#include "GuideSearch.h"
#include "PageFindBar.h"
#include "ReaderShortcuts.h"
#include "Startup.h"
#include "TApplication.h"
#include "TWebBrowser.h"
#include "TzynForm.h"
#include "Unit1.h"

#include <QCommandLineParser>
#include <QDir>
#include <QLineEdit>
#include <QMetaEnum>
#include <QScreen>
#include <QTest>
#include <QWebEngineView>

#include <cstdio>

int main(int argc, char *argv[])
{
    PrepareProcess();
    TApplication app(argc, argv);
    InitializeApplication(app);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("Output folder."),
        QStringLiteral("dir"), QStringLiteral("."));
    parser.addOption(outOption);
    parser.process(app);
    const QDir out(parser.value(outOption));
    QDir().mkpath(out.path());

    TForm1 form;
    bool loaded = false;
    QObject::connect(form.WebBrowser1, &QWebEngineView::loadFinished, [&] { loaded = true; });
    form.Show();
    if (!QTest::qWaitForWindowExposed(&form)
        || !QTest::qWaitFor([&] { return form.isMaximized(); }))
        return 1;
    if (!QTest::qWaitFor([&] { return loaded; }, 30000))
        std::fprintf(stderr, "the start page did not finish loading\n");
    QTest::qWait(1500);

    const QMetaEnum styles = QMetaEnum::fromType<TzynUIStyle>();
    const TzynUIStyle order[] = { TzynUIStyle::MacOS, TzynUIStyle::WinXP, TzynUIStyle::DeepBlue,
        TzynUIStyle::Protein, TzynUIStyle::BlueGlass };
    for (const TzynUIStyle style : order) {
        form.zynForm1->setUIStyle(style);
        QTest::qWait(700);
        const QString name = QString::fromLatin1(styles.valueToKey(int(style)));
        const QImage shot = form.screen()->grabWindow(0).toImage();
        const QString file = out.filePath(QStringLiteral("frame-%1.png").arg(name));
        if (!shot.save(file))
            return 1;
        std::printf("%s %dx%d window %d,%d %dx%d\n", qPrintable(file), shot.width(), shot.height(),
            form.x(), form.y(), form.width(), form.height());
    }
    form.zynForm1->setUIStyle(TzynUIStyle::MacOS);

    auto save = [&](const QString &name) {
        QTest::qWait(1000);
        const QString file = out.filePath(name);
        if (!form.screen()->grabWindow(0).toImage().save(file))
            return false;
        std::printf("%s\n", qPrintable(file));
        return true;
    };
    const ReaderShortcuts *reader = form.findChild<ReaderShortcuts *>();
    if (!reader)
        return 1;
    PageFindBar *bar = reader->findBar();
    bar->open();
    bar->edit()->setText(QStringLiteral("会计"));
    bar->findNext();
    if (!save(QStringLiteral("find-bar.png")))
        return 1;
    bar->dismiss();
    loaded = false;
    bar->openAllPages();
    bar->edit()->setText(QStringLiteral("除9法"));
    reader->guideSearch()->search(bar->edit()->text());
    if (!QTest::qWaitFor([&] { return loaded; }, 30000))
        std::fprintf(stderr, "the results did not finish loading\n");
    if (!save(QStringLiteral("find-all.png")))
        return 1;
    bar->dismiss();
    loaded = false;
    form.WebBrowser1->Navigate(ChapterPagePath(QStringLiteral("第十一章：会计电算化")));
    if (!QTest::qWaitFor([&] { return loaded; }, 30000))
        std::fprintf(stderr, "the notice did not finish loading\n");
    if (!save(QStringLiteral("missing-page.png")))
        return 1;
    return 0;
}
