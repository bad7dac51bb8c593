// The start page is found from the program's own directory, whatever the working directory
// and whatever characters the directory's name holds. The test copies itself and the pages
// into a directory with a Chinese name and runs the copy from another working directory; the
// copy builds the real main window and reports whether the start page finished loading.

#include "GuidePaths.h"
#include "Startup.h"
#include "TApplication.h"
#include "TWebBrowser.h"
#include "TzynTreeView.h"
#include "Unit1.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {
constexpr int kLoadTimeout = 90000;
const char *kChildArgument = "--as-copied-program";

// Runs in the copy: exit code 0 when the start page loaded from the copy's own directory.
int runAsCopiedProgram(int argc, char *argv[])
{
    PrepareProcess();
    TApplication app(argc, argv);
    InitializeApplication(app);
    TForm1 form;
    QSignalSpy loaded(form.WebBrowser1, &QWebEngineView::loadFinished);
    form.Show();
    if (!QTest::qWaitFor([&] { return loaded.count() > 0; }, kLoadTimeout))
        return 3;
    const QUrl expected
        = QUrl::fromLocalFile(ProgramDirectory() + QStringLiteral("data/2014考试指南.htm"));
    std::printf("dir=%s url=%s ok=%d\n", qPrintable(ProgramDirectory()),
        qPrintable(form.WebBrowser1->url().toLocalFile()), loaded.first().first().toBool());
    if (form.WebBrowser1->url() != expected)
        return 4;
    if (!loaded.first().first().toBool())
        return 5;
    // The exit entry closes the window, and the program ends with code 0.
    QTimer::singleShot(0, &form, [&form] {
        const auto found = form.TreeView1->findItems(QStringLiteral("退出"), Qt::MatchExactly);
        if (!found.isEmpty())
            QTest::mouseClick(form.TreeView1->viewport(), Qt::LeftButton, {},
                form.TreeView1->visualItemRect(found.first()).center());
    });
    QTimer::singleShot(kLoadTimeout, &app, [] { QCoreApplication::exit(7); });
    return app.exec();
}

bool copyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    QDirIterator it(
        from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(path);
        if (it.fileInfo().isDir()) {
            QDir().mkpath(target);
        } else if (!QFile::copy(path, target)) {
            return false;
        }
    }
    return true;
}
} // namespace

class TestStartDirectory : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startPageFoundFromChineseDirectory_data()
    {
        QTest::addColumn<QString>("directory");
        QTest::newRow("plain") << QStringLiteral("guide");
        QTest::newRow("chinese") << QStringLiteral("会计 资料/学习指南");
    }

    void startPageFoundFromChineseDirectory()
    {
        QFETCH(QString, directory);
        QTemporaryDir root;
        QVERIFY(root.isValid());
        const QString programDir = root.filePath(directory);
        QVERIFY(QDir().mkpath(programDir));
        const QString program = programDir + QStringLiteral("/study-guide");
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), program));
        QFile::setPermissions(program, QFile::permissions(program) | QFileDevice::ExeUser);
        QVERIFY(copyTree(
            ProgramDirectory() + QStringLiteral("data"), programDir + QStringLiteral("/data")));

        QProcess child;
        child.setWorkingDirectory(QDir::rootPath());
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(program, { QString::fromLatin1(kChildArgument) });
        QVERIFY(child.waitForStarted());
        QVERIFY(child.waitForFinished(kLoadTimeout + 30000));
        const QByteArray output = child.readAll();
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
            output.constData());
        QVERIFY2(output.contains(programDir.toUtf8()), output.constData());
    }
};

int main(int argc, char *argv[])
{
    if (argc == 2 && qstrcmp(argv[1], kChildArgument) == 0)
        return runAsCopiedProgram(argc, argv);
    QCoreApplication app(argc, argv);
    TestStartDirectory test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startdir.moc"
