// The whole main window, page view included, is the same pixel for pixel whether the machine
// has only the faces the guide depends on or also the CJK faces of a Chinese desktop. The test
// runs itself twice as the program, once under the test run's font configuration and once under
// one that admits every installed face with the machine's own rules, and compares what the
// window shows once the start page has been drawn.

#include "../WideFontConfig.h"
#include "Startup.h"
#include "TApplication.h"
#include "TWebBrowser.h"
#include "Unit1.h"

#include <QEventLoop>
#include <QFontDatabase>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {
constexpr int kLoadTimeout = 90000;
const char *kChildArgument = "--render-window";

// Grabs the window until two grabs in a row agree: the page view draws in its own time.
QImage settledPicture(QWidget *window)
{
    QImage last;
    QImage picture;
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        picture = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        if (!last.isNull() && picture == last)
            loop.quit();
        last = picture;
    });
    QTimer::singleShot(kLoadTimeout, &loop, &QEventLoop::quit);
    poll.start(500);
    loop.exec();
    return picture;
}

// Runs in the child: the program's window with its start page, saved to the file.
int renderWindow(int argc, char *argv[], const QString &file)
{
    PrepareProcess();
    TApplication app(argc, argv);
    InitializeApplication(app);
    TForm1 form;
    QSignalSpy loaded(form.WebBrowser1, &QWebEngineView::loadFinished);
    form.Show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 2;
    if (loaded.isEmpty() && !loaded.wait(kLoadTimeout))
        return 3;
    // Drawn twice over, so the page has had a frame of its own.
    QEventLoop drawn;
    form.WebBrowser1->page()->runJavaScript(
        QStringLiteral("new Promise(r => requestAnimationFrame(() => requestAnimationFrame(r)))"),
        [&drawn](const QVariant &) { drawn.quit(); });
    QTimer::singleShot(kLoadTimeout, &drawn, &QEventLoop::quit);
    drawn.exec();
    if (!settledPicture(&form).save(file))
        return 4;
    const QStringList families = QFontDatabase::families();
    std::printf("families %lld\n", static_cast<long long>(families.size()));
    return 0;
}

struct Rendered {
    QImage image;
    int families = 0;
};

Rendered renderUnder(const QString &fontConfig, const QString &file)
{
    Rendered result;
    const QString printed = runSelfUnder(fontConfig, { QLatin1String(kChildArgument), file });
    if (printed.isNull())
        return result;
    const auto m = QRegularExpression(QStringLiteral("families (\\d+)")).match(printed);
    result.families = m.captured(1).toInt();
    result.image = QImage(file).convertToFormat(QImage::Format_RGB32);
    return result;
}
} // namespace

class TestWindowFonts : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void windowIsTheSameWithOtherFacesInstalled()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString own = ownFontConfig();
        const QString wideFile = writeWideFontConfig(QDir(dir.path()));
        QVERIFY(!wideFile.isEmpty());

        const Rendered narrow = renderUnder(own, dir.filePath(QStringLiteral("own.png")));
        const Rendered all = renderUnder(wideFile, dir.filePath(QStringLiteral("wide.png")));
        QVERIFY(!narrow.image.isNull());
        QVERIFY(!all.image.isNull());
        QVERIFY2(all.families > narrow.families,
            qPrintable(
                QStringLiteral("%1 against %2 families").arg(all.families).arg(narrow.families)));
        QCOMPARE(all.image.size(), narrow.image.size());
        if (all.image != narrow.image) {
            const QString keep = QDir::tempPath() + QStringLiteral("/window-fonts-");
            narrow.image.save(keep + QStringLiteral("own.png"));
            all.image.save(keep + QStringLiteral("wide.png"));
            QFAIL(qPrintable(
                QStringLiteral("the window differs; see %1own.png and %1wide.png").arg(keep)));
        }
    }
};

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], kChildArgument) == 0)
        return renderWindow(argc, argv, QString::fromLocal8Bit(argv[2]));
    QApplication app(argc, argv);
    TestWindowFonts test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_window_fonts.moc"
