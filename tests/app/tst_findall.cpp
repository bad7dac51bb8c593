// Search over every page on the real main window and its real page view: Ctrl+Shift+F and
// Enter list the pages with hits in tree order with their counts, choosing a hit (a real click)
// opens the page at it with the find bar on it, Alt+Left returns to the results, "1000" finds
// "1,000", a query with no hit says so, and a missing page is named at the end. The pages are
// a small folder written by the test inside the guide's data folder (the page view keeps to
// that folder); the last test searches the guide's own pages through the tree's own list.
// Keys and the click go through the X server (xdotool), as a student's would. Everything that
// involves the page view is waited for on its signals or script callbacks, never by sleeping.

#include "GuidePaths.h"
#include "GuideSearch.h"
#include "GuideSearchPage.h"
#include "LinkRecorder.h"
#include "PageFindBar.h"
#include "ReaderShortcuts.h"
#include "Startup.h"
#include "TApplication.h"
#include "TWebBrowser.h"
#include "TzynButton.h"
#include "TzynCheckBox.h"
#include "Unit1.h"

#include <QDeadlineTimer>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

#include "PageViewWaits.h"

using namespace PageViewWaits;

namespace {

// Runs one xdotool command, the event loop going on meanwhile.
bool xdotool(const QStringList &arguments)
{
    QProcess process;
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    QTimer::singleShot(kTimeout, &loop, &QEventLoop::quit);
    process.start(QStringLiteral("xdotool"), arguments);
    if (process.state() != QProcess::NotRunning)
        loop.exec();
    return process.state() == QProcess::NotRunning && process.exitStatus() == QProcess::NormalExit
        && process.exitCode() == 0;
}

QString stem(int number, const QString &text)
{
    return QStringLiteral("<div class=\"q\" id=\"q%1\"><p class=\"stem\"><span class=\"num\">%1."
                          "</span>%2</p><details class=\"ans\"><summary>答案与解析</summary>"
                          "<p>解析%1。</p></details></div><div style=\"height:700px\"></div>")
        .arg(number)
        .arg(text);
}
} // namespace

class TestFindAll : public QObject {
    Q_OBJECT

private:
    TForm1 *form = nullptr;
    TWebBrowser *view = nullptr;
    PageFindBar *bar = nullptr;
    GuideSearch *search = nullptr;
    QTemporaryDir pages { ProgramDirectory() + QStringLiteral("data/tst_findall-XXXXXX") };
    LinkRecorder links;
    // Tree order, on purpose not the order of the names' characters.
    const QStringList names { QStringLiteral("第一篇"), QStringLiteral("第二篇"),
        QStringLiteral("练习卷"), QStringLiteral("缺页"), QStringLiteral("第三篇") };

    void writePage(const QString &name, const QString &body)
    {
        QFile file(pages.filePath(name + QStringLiteral(".htm")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("<!DOCTYPE html><html lang=\"zh-CN\"><head><meta charset="
                                  "\"utf-8\"><title>%1</title></head><body><main>%2</main>"
                                  "</body></html>")
                       .arg(name, body)
                       .toUtf8());
    }

    QUrl pageUrl(const QString &name) const
    {
        return QUrl::fromLocalFile(pages.filePath(name + QStringLiteral(".htm")));
    }

    QString listed() const
    {
        return runScript(view,
            QStringLiteral("Array.from(document.querySelectorAll('section.page')).map("
                           "s => s.dataset.name + ':' + s.dataset.hits).join('|')"))
            .toString();
    }

    // Ctrl+Shift+F, the query typed, Enter: the keys through the X server to the active window.
    void searchAll(const QString &query)
    {
        if (!form->isActiveWindow()) {
            form->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(form));
        }
        view->setFocus();
        QSignalSpy shown(search, &GuideSearch::resultsShown);
        QVERIFY(xdotool({ QStringLiteral("key"), QStringLiteral("ctrl+shift+f") }));
        QTRY_VERIFY_WITH_TIMEOUT(bar->isVisible() && bar->allPages()
                && form->focusWidget() == bar->edit()
                && bar->edit()->selectedText() == bar->edit()->text(),
            kTimeout);
        // The text arrives as an input method commits it, replacing the selected old one.
        QInputMethodEvent typed;
        typed.setCommitString(query);
        QApplication::sendEvent(bar->edit(), &typed);
        QCOMPARE(bar->edit()->text(), query);
        QVERIFY(xdotool({ QStringLiteral("key"), QStringLiteral("Return") }));
        QVERIFY(waitUntil(search, &GuideSearch::resultsShown,
            [&] { return !shown.isEmpty() && shown.last().first().toString() == query; }));
        QCOMPARE(view->url(), search->resultsUrl());
        QVERIFY(
            scriptBecomes(view, QStringLiteral("document.readyState"), QStringLiteral("complete")));
    }

    // A real click on the first link whose address ends so, scrolled into view first.
    bool clickLink(const QString &hrefEnd)
    {
        const QVariantList at = runScript(view,
            QStringLiteral("(function(){var a = Array.from(document.querySelectorAll('a'))"
                           ".find(a => decodeURIComponent(a.href).endsWith(%1));"
                           "if (!a) return [];a.scrollIntoView({block:'center'});"
                           "var r = a.getBoundingClientRect();"
                           "return [r.left + Math.min(40, r.width / 2), r.top + r.height / 2];})()")
                .arg(QStringLiteral("'%1'").arg(hrefEnd)))
                                    .toList();
        if (at.size() != 2)
            return false;
        QWidget *input = inputWidget(view);
        const QPoint global = input->mapToGlobal(QPoint(at[0].toInt(), at[1].toInt()));
        return xdotool({ QStringLiteral("mousemove"), QString::number(global.x()),
            QString::number(global.y()), QStringLiteral("click"), QStringLiteral("1") });
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(QProcess::execute(QStringLiteral("xdotool"), { QStringLiteral("version") }) == 0,
            "xdotool is needed");
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &links, "open");
        QVERIFY(pages.isValid());
        writePage(names[0], QStringLiteral("<h2 id=\"s1\">一、概述</h2><p>固定资产的取得。</p>"));
        writePage(names[1],
            QStringLiteral("<h2 id=\"s1\">一、处置</h2><p>固定资产处置的核算。</p>"
                           "<h2 id=\"s2\">二、清理</h2><p>通过“固定资产清理”归集固定资产处置"
                           "的损益。</p>"));
        writePage(names[2],
            stem(1, QStringLiteral("下列属于资产的是（  ）。"))
                + stem(2, QStringLiteral("固定资产处置净损失计入（  ）。"))
                + stem(3, QStringLiteral("收到投资 <span class=\"num\">10,000</span> 元。"))
                + stem(4, QStringLiteral("本题不相关。"))
                + QStringLiteral("<div class=\"q\" id=\"q5\"><p class=\"stem\"><span class=\"num\">"
                                 "5.</span>出售设备属于固定资产处置。</p><details class=\"ans\">"
                                 "<summary>答案与解析</summary><p>固定资产处置通过清理科目核算。"
                                 "</p></details></div><div style=\"height:1500px\"></div>"));
        writePage(names[4],
            QStringLiteral("<p>收到 <span class=\"num\">1,000</span> 元押金。</p>"
                           "<p>报废也是固定资产处置的一种。</p>"));

        form = new TForm1;
        view = form->WebBrowser1;
        auto *reader = form->findChild<ReaderShortcuts *>();
        QVERIFY(reader);
        bar = reader->findBar();
        search = reader->guideSearch();
        QVERIFY(bar && search);
        search->setPages(QDir::cleanPath(pages.path()), names);
        QSignalSpy loaded(view, &QWebEngineView::loadFinished);
        form->Show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QVERIFY(waitUntil(view, &QWebEngineView::loadFinished, [&] { return !loaded.isEmpty(); }));
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
    }

    void cleanupTestCase()
    {
        delete form;
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    }

    void resultsListPagesInTreeOrderWithCounts()
    {
        const QString query = QStringLiteral("固定资产处置");
        searchAll(query);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(view->title(), GuideSearchPage::title(query));
        QCOMPARE(listed(), QStringLiteral("第二篇:2|练习卷:3|第三篇:1"));
        QCOMPARE(runScript(view, QStringLiteral("document.getElementById('total').textContent"))
                     .toString(),
            QStringLiteral("6"));
        QCOMPARE(bar->countText(), QStringLiteral("共 6 处，3 个页面"));
        // In the paper each line names its question and links to it; the hit is marked.
        QCOMPARE(runScript(view,
                     QStringLiteral("Array.from(document.querySelectorAll("
                                    "'section[data-name=\"练习卷\"] li')).map(li => "
                                    "li.querySelector('.where').textContent + '>' + "
                                    "decodeURIComponent(li.querySelector('a').hash) + '>' + "
                                    "li.querySelector('mark').textContent).join('|')"))
                     .toString(),
            QStringLiteral("第 2 题>#q2>固定资产处置|第 5 题>#q5>固定资产处置"));
        // The page whose file is missing is named after the pages with hits.
        QCOMPARE(
            runScript(view, QStringLiteral("document.querySelector('main').lastElementChild.id"))
                .toString(),
            QStringLiteral("unreadable"));
        QVERIFY(runScript(view, QStringLiteral("document.getElementById('unreadable').innerText"))
                    .toString()
                    .contains(QStringLiteral("缺页.htm")));
    }

    void choosingAHitInAPaperOpensItAtTheQuestion()
    {
        QVERIFY(search->showsResults());
        QSignalSpy hit(search, &GuideSearch::hitShown);
        QSignalSpy counted(bar, &PageFindBar::resultShown);
        QVERIFY(clickLink(QStringLiteral("练习卷.htm#q5")));
        QVERIFY(waitUntil(bar, &PageFindBar::resultShown, [&] { return !counted.isEmpty(); }));
        QCOMPARE(hit.size(), 1);
        QCOMPARE(
            view->url(), pageUrl(QStringLiteral("练习卷")).resolved(QUrl(QStringLiteral("#q5"))));
        // The find bar is open on the hit, in this page; the active match is the question's,
        // the second of the page's three.
        QVERIFY(bar->isVisible());
        QVERIFY(!bar->allPages());
        QVERIFY(!bar->allPagesSwitch()->Checked());
        QCOMPARE(bar->edit()->text(), QStringLiteral("固定资产处置"));
        QCOMPARE(counted.last().at(0).toInt(), 2);
        QCOMPARE(counted.last().at(1).toInt(), 3);
        QVERIFY(scriptBecomes(view,
            QStringLiteral(
                "(function(){var r = document.getElementById('q5')"
                ".getBoundingClientRect(); return r.bottom > 0 && r.top < innerHeight;})()"),
            true));
        // Enter goes on to the next match, in the question's folded answer, which opens.
        QCOMPARE(form->focusWidget(), bar->edit());
        counted.clear();
        QVERIFY(xdotool({ QStringLiteral("key"), QStringLiteral("Return") }));
        QVERIFY(waitUntil(bar, &PageFindBar::resultShown, [&] { return !counted.isEmpty(); }));
        QCOMPARE(counted.last().at(0).toInt(), 3);
        QVERIFY(scriptBecomes(
            view, QStringLiteral("document.querySelector('#q5 details').open"), true));
    }

    void altLeftReturnsToTheResults()
    {
        QSignalSpy shown(search, &GuideSearch::resultsShown);
        QVERIFY(xdotool({ QStringLiteral("key"), QStringLiteral("alt+Left") }));
        QVERIFY(waitUntil(search, &GuideSearch::resultsShown, [&] { return !shown.isEmpty(); }));
        QCOMPARE(view->url(), search->resultsUrl());
        QCOMPARE(view->title(), GuideSearchPage::title(QStringLiteral("固定资产处置")));
        QCOMPARE(listed(), QStringLiteral("第二篇:2|练习卷:3|第三篇:1"));
        // The bar is back on the search over every page.
        QVERIFY(bar->allPages());
        QCOMPARE(bar->edit()->text(), QStringLiteral("固定资产处置"));
        QCOMPARE(bar->countText(), QStringLiteral("共 6 处，3 个页面"));
    }

    void numbersMatchWithoutThousandsSeparators()
    {
        searchAll(QStringLiteral("1000"));
        if (QTest::currentTestFailed())
            return;
        // "1,000" is found; "10,000" is another number.
        QCOMPARE(listed(), QStringLiteral("第三篇:1"));
        QCOMPARE(runScript(view, QStringLiteral("document.querySelector('mark').textContent"))
                     .toString(),
            QStringLiteral("1,000"));
        QSignalSpy counted(bar, &PageFindBar::resultShown);
        QVERIFY(clickLink(QStringLiteral("第三篇.htm")));
        QVERIFY(waitUntil(bar, &PageFindBar::resultShown, [&] { return !counted.isEmpty(); }));
        QCOMPARE(view->url(), pageUrl(QStringLiteral("第三篇")));
        // The page's own find looks for the number as the page writes it.
        QCOMPARE(bar->edit()->text(), QStringLiteral("1,000"));
        QCOMPARE(counted.last().at(1).toInt(), 1);
    }

    void noHitSaysSoInChinese()
    {
        searchAll(QStringLiteral("除9法"));
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(listed(), QString());
        QCOMPARE(runScript(view, QStringLiteral("document.getElementById('none').textContent"))
                     .toString(),
            QStringLiteral(
                "在全部页面中都没有找到“除9法”。请换一个说法，或者只输入其中的一两个关键字再试。"));
        QCOMPARE(bar->countText(), QStringLiteral("无匹配"));
        // The missing page is still named.
        QVERIFY(runScript(view, QStringLiteral("document.getElementById('unreadable').innerText"))
                    .toString()
                    .contains(QStringLiteral("缺页.htm")));
    }

    void switchTurnsEveryPageOnAndOff()
    {
        QVERIFY(search->showsResults());
        QVERIFY(bar->allPages());
        // Off: the bar searches the page shown, previous and next step through it.
        QTest::mouseClick(bar->allPagesSwitch(), Qt::LeftButton, {}, QPoint(6, 6));
        QVERIFY(!bar->allPages());
        QVERIFY(!bar->allPagesSwitch()->Checked());
        QVERIFY(bar->nextButton()->isEnabled());
        QCOMPARE(form->focusWidget(), bar->edit());
        // On again with a text: the search over every page runs at once.
        QSignalSpy shown(search, &GuideSearch::resultsShown);
        QTest::mouseClick(bar->allPagesSwitch(), Qt::LeftButton, {}, QPoint(6, 6));
        QVERIFY(bar->allPages());
        QVERIFY(!bar->nextButton()->isEnabled());
        QVERIFY(waitUntil(search, &GuideSearch::resultsShown, [&] { return !shown.isEmpty(); }));
        QCOMPARE(shown.last().first().toString(), bar->edit()->text());
    }

    void theGuidesOwnPagesInTreeOrder()
    {
        // The program's own list: every tree entry that shows a page, in tree order.
        const QStringList entries = form->PageEntries();
        QCOMPARE(entries.size(), 20);
        QCOMPARE(entries.first(), QStringLiteral("2014考试指南"));
        QCOMPARE(entries.at(1), QStringLiteral("第一章：总论"));
        QCOMPARE(entries.last(), QStringLiteral("联系我们"));
        for (const char *notAPage :
            { "重点总结和考点精讲", "习题精练与模拟考试", "视频课程学习", "在线咨询", "退出" })
            QVERIFY(!entries.contains(QString::fromUtf8(notAPage)));

        search->setPages(ProgramDirectory() + QStringLiteral("data"), entries);
        searchAll(QStringLiteral("会计"));
        if (QTest::currentTestFailed())
            return;
        const QStringList found = listed().split(u'|');
        QVERIFY(found.size() > 1);
        int total = 0;
        qsizetype last = -1;
        for (const QString &page : found) {
            const qsizetype at = entries.indexOf(page.section(u':', 0, 0));
            QVERIFY2(at > last, qPrintable(page));
            last = at;
            total += page.section(u':', 1).toInt();
        }
        QCOMPARE(runScript(view, QStringLiteral("document.getElementById('total').textContent"))
                     .toString()
                     .toInt(),
            total);
        QCOMPARE(runScript(view, QStringLiteral("document.getElementById('unreadable') === null"))
                     .toBool(),
            true);
    }
};

int main(int argc, char *argv[])
{
    PrepareProcess();
    TApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    InitializeApplication(app);
    TestFindAll test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_findall.moc"
