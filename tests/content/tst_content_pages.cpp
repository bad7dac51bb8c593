// Every page of the chapter tree exists in the data folder, loads in the real page view at the
// window's smallest width without a script error, fits that width, and asks for nothing
// outside the folder.
#include "RecordingPage.h"
#include "RequestRecorder.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <QtTest>

namespace {

const int kLoadTimeoutMs = 60000;

QString dataDir()
{
    return QDir(QStringLiteral(GUIDE_DATA_DIR)).absolutePath();
}

// The 20 page entries of the chapter tree, in tree order.
QStringList pageEntries()
{
    QStringList pages { QStringLiteral("2014考试指南") };
    pages << QStringLiteral("第一章：总论") << QStringLiteral("第二章：会计要素与会计科目")
          << QStringLiteral("第三章：会计等式与复式记账") << QStringLiteral("第四章：会计凭证")
          << QStringLiteral("第五章：会计账簿") << QStringLiteral("第六章：账务处理程序")
          << QStringLiteral("第七章：财产清查") << QStringLiteral("第八章：财务会计报告")
          << QStringLiteral("第九章：会计档案")
          << QStringLiteral("第十章：主要经济业务事项账务处理");
    const QStringList numbers { "一", "二", "三", "四", "五", "六", "七", "八" };
    for (const QString &n : numbers)
        pages << QStringLiteral("历年真题和答案(%1)").arg(n);
    pages << QStringLiteral("联系我们");
    return pages;
}

} // namespace

class tst_content_pages : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void everyEntryHasItsFile();
    void pageLoadsCleanly_data();
    void pageLoadsCleanly();

private:
    QWebEngineProfile *m_profile = nullptr;
    RequestRecorder *m_recorder = nullptr;
    RecordingPage *m_page = nullptr;
    QWebEngineView *m_view = nullptr;
};

void tst_content_pages::initTestCase()
{
    m_profile = new QWebEngineProfile(this); // off the record: nothing written to disk
    m_recorder = new RequestRecorder(this);
    m_profile->setUrlRequestInterceptor(m_recorder);
    m_page = new RecordingPage(m_profile, this);
    // Local pages may not reach remote addresses by default, which would hide a page's outside
    // references from the recorder; let them try, and the recorder blocks them.
    m_page->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
    m_view = new QWebEngineView;
    m_view->setPage(m_page);
    // The page view's width when the main window is at its smallest.
    m_view->resize(690, 560);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view));
}

void tst_content_pages::cleanupTestCase()
{
    delete m_view;
    delete m_page;
}

void tst_content_pages::everyEntryHasItsFile()
{
    const QStringList pages = pageEntries();
    QCOMPARE(pages.size(), 20);
    for (const QString &name : pages) {
        const QFileInfo file(dataDir() + QLatin1Char('/') + name + QStringLiteral(".htm"));
        QVERIFY2(file.isFile() && file.size() > 0, qPrintable(file.filePath()));
    }
    QVERIFY(QFileInfo(dataDir() + QStringLiteral("/guide.css")).isFile());
    QVERIFY(QFileInfo(dataDir() + QStringLiteral("/paper.js")).isFile());
}

void tst_content_pages::pageLoadsCleanly_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : pageEntries())
        QTest::newRow(name.toUtf8().constData()) << name;
}

void tst_content_pages::pageLoadsCleanly()
{
    QFETCH(QString, name);
    const QString path = dataDir() + QLatin1Char('/') + name + QStringLiteral(".htm");
    m_page->clearMessages();
    m_recorder->clear();

    QSignalSpy finished(m_page, &QWebEnginePage::loadFinished);
    m_page->load(QUrl::fromLocalFile(path));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, kLoadTimeoutMs);
    QVERIFY2(finished.first().first().toBool(), qPrintable(path));

    // The document is the guide's page with the shared look. Its title is the entry's text,
    // except that a practice paper calls itself one and shows the entry's text as its directory
    // name: "会计基础练习卷（一）", directory name "历年真题和答案(一)".
    const QString title = m_page->evaluate(QStringLiteral("document.title")).toString();
    const QString heading =
        m_page->evaluate(QStringLiteral("document.querySelector('h1').textContent")).toString();
    static const QRegularExpression paper(QStringLiteral("^历年真题和答案\\((.)\\)$"));
    const QRegularExpressionMatch match = paper.match(name);
    if (match.hasMatch()) {
        const QString practice = QStringLiteral("会计基础练习卷（%1）").arg(match.captured(1));
        QCOMPARE(heading, practice);
        QCOMPARE(title, practice + QStringLiteral("（目录名：%1）").arg(name));
        const QString dirname = m_page->evaluate(QStringLiteral(
            "document.querySelector('.masthead .dirname').textContent")).toString();
        QVERIFY2(dirname.startsWith(QStringLiteral("目录名：") + name), qPrintable(dirname));
        QVERIFY2(dirname.contains(QStringLiteral("不是官方")), qPrintable(dirname));
    } else {
        QCOMPARE(title, name);
        QCOMPARE(heading, name);
    }
    QCOMPARE(
        m_page->evaluate(QStringLiteral("getComputedStyle(document.body).maxWidth")).toString(),
        QStringLiteral("864px"));
    QVERIFY(
        m_page->evaluate(QStringLiteral("document.querySelector('main').innerText.length")).toInt()
        > 500);

    // Nothing is wider than the page view: no sideways scrolling at the smallest window.
    const QVariant overflow = m_page->evaluate(QStringLiteral(
        "document.documentElement.scrollWidth - document.documentElement.clientWidth"));
    QVERIFY2(overflow.isValid() && overflow.toInt() <= 0,
        qPrintable(QStringLiteral("overflows by %1 px").arg(overflow.toInt())));

    // No amount is split across two lines.
    QCOMPARE(m_page->evaluate(QStringLiteral(
                 "Array.from(document.querySelectorAll('.num'))"
                 ".filter(e => e.getClientRects().length > 1).length")).toInt(),
        0);

    // The papers' script has set itself up: one check button per question and the grade bar.
    if (name.startsWith(QStringLiteral("历年真题和答案"))) {
        QCOMPARE(
            m_page->evaluate(QStringLiteral("document.querySelectorAll('.q').length")).toInt(), 70);
        QTRY_COMPARE_WITH_TIMEOUT(
            m_page->evaluate(QStringLiteral("document.querySelectorAll('.check-one').length"))
                .toInt(),
            70, 10000);
        QCOMPARE(m_page->evaluate(QStringLiteral("document.querySelectorAll('.grade-all').length"))
                     .toInt(),
            1);
    }

    QVERIFY2(m_page->errors().isEmpty(), qPrintable(m_page->errors().join(QLatin1Char('\n'))));

    // Every request the page made is a file of the data folder.
    const QList<QUrl> requests = m_recorder->requests();
    QVERIFY(!requests.isEmpty());
    const QString root = dataDir() + QLatin1Char('/');
    for (const QUrl &url : requests) {
        QVERIFY2(url.isLocalFile(), qPrintable(url.toString()));
        const QString file = QFileInfo(url.toLocalFile()).absoluteFilePath();
        QVERIFY2(file.startsWith(root) && QFileInfo(file).isFile(), qPrintable(file));
    }
}

QTEST_MAIN(tst_content_pages)
#include "tst_content_pages.moc"
