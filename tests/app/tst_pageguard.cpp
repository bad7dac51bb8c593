// The page view kept to the guide and kept alive, on the real main window: local pages read
// and show only the guide's files, links leave the view only as they should, and a page that
// hangs or whose render process dies ends in a notice, after which the tree works as before.
// Everything that involves the page view is waited for on its signals or script callbacks.

#include "GuidePaths.h"
#include "LinkRecorder.h"
#include "Startup.h"
#include "TApplication.h"
#include "TWebBrowser.h"
#include "TWebPage.h"
#include "TzynTreeView.h"
#include "Unit1.h"

#include <QDeadlineTimer>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <functional>

#include "PageViewWaits.h"

using namespace PageViewWaits;

namespace {

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// A page whose whole body is one link, so that a click anywhere follows it.
QByteArray linkPage(const QString &href)
{
    return "<html><head><title>link</title></head><body style='margin:0'>"
           "<a id='link' href='"
        + href.toUtf8() + "' style='display:block;width:100vw;height:100vh'>link</a></body></html>";
}
} // namespace

class TestPageGuard : public QObject {
    Q_OBJECT

private:
    TForm1 *form = nullptr;
    TWebBrowser *view = nullptr;
    TWebPage *page = nullptr;
    QTemporaryDir root;
    LinkRecorder links;

    QString guide(const QString &name) const
    {
        return root.filePath(QStringLiteral("data/") + name);
    }
    QString outside(const QString &name) const
    {
        return root.filePath(QStringLiteral("outside/") + name);
    }
    QString fileUrl(const QString &path) const
    {
        return QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
    }

    // Navigates to a page of the test guide and waits until it has loaded.
    bool show(const QString &path)
    {
        const QUrl url = QUrl::fromLocalFile(path);
        QSignalSpy finished(view, &QWebEngineView::loadFinished);
        view->Navigate(path);
        return waitUntil(view, &QWebEngineView::loadFinished,
                   [&] { return !finished.isEmpty() && view->url() == url; })
            && scriptBecomes(
                view, QStringLiteral("document.readyState"), QStringLiteral("complete"));
    }

    // Waits for the view to show a page with the title (a notice, or a page of the guide).
    bool titleBecomes(const QString &title)
    {
        return waitUntil(view, &QWebEngineView::titleChanged, [&] {
            return view->title() == title;
        }) && scriptBecomes(view, QStringLiteral("document.title"), title);
    }

    void clickPage()
    {
        QWidget *input = inputWidget(view);
        QVERIFY(input);
        QTest::mouseClick(input, Qt::LeftButton, {}, QPoint(30, 30));
    }

    void clickTree(const QString &text)
    {
        const QList<QTreeWidgetItem *> found
            = form->TreeView1->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        QVERIFY(!found.isEmpty());
        form->TreeView1->scrollToItem(found.first());
        const QRect r = form->TreeView1->visualItemRect(found.first());
        QTest::mouseClick(form->TreeView1->viewport(), Qt::LeftButton, {}, r.center());
    }

    // A click on a chapter in the tree shows that chapter, as it did before trouble.
    void treeClickLoadsNormally()
    {
        const QString chapter = QStringLiteral("第二章：会计要素与会计科目");
        const QUrl url = QUrl::fromLocalFile(ChapterPagePath(chapter));
        QSignalSpy finished(view, &QWebEngineView::loadFinished);
        clickTree(chapter);
        QVERIFY(waitUntil(view, &QWebEngineView::loadFinished, [&] {
            return !finished.isEmpty() && finished.last().first().toBool() && view->url() == url;
        }));
        QVERIFY(
            scriptBecomes(view, QStringLiteral("document.readyState"), QStringLiteral("complete")));
        QVERIFY(runScript(view, QStringLiteral("document.body.innerText"))
                    .toString()
                    .contains(QStringLiteral("会计要素")));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &links, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &links, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("evilscheme"), &links, "open");
        QVERIFY(root.isValid());
        QVERIFY(QDir(root.path()).mkpath(QStringLiteral("data")));
        QVERIFY(QDir(root.path()).mkpath(QStringLiteral("outside")));
        writeFile(outside(QStringLiteral("secret.txt")), "SECRET");
        writeFile(outside(QStringLiteral("page.htm")),
            "<html><head><title>outside</title></head><body>SECRET</body></html>");
        writeFile(guide(QStringLiteral("inside.txt")), "INSIDE");
        writeFile(guide(QStringLiteral("plain.htm")),
            "<html><head><title>plain</title></head><body><p id='x'>plain page</p></body></html>");
        // A link inside the guide folder that points out of it is judged by where it leads.
        QVERIFY(
            QFile::link(outside(QStringLiteral("secret.txt")), guide(QStringLiteral("link.txt"))));

        form = new TForm1;
        view = form->WebBrowser1;
        page = qobject_cast<TWebPage *>(view->page());
        QVERIFY(page);
        view->setLocalFolders({ ProgramDirectory() + QStringLiteral("data"), guide(QString()) });
        QSignalSpy loaded(view, &QWebEngineView::loadFinished);
        form->Show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QVERIFY(waitUntil(view, &QWebEngineView::loadFinished, [&] { return !loaded.isEmpty(); }));
    }

    void cleanupTestCase()
    {
        delete form;
        for (const char *scheme : { "http", "mailto", "evilscheme" })
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }

    // fetch, XMLHttpRequest and frames of a guide page reach the guide's files and no others.
    void pagesReadOnlyGuideFiles()
    {
        const QString script = QStringLiteral(R"(
window.out = {};
function note(k, v) { window.out[k] = v; }
function get(k, url) {
  fetch(url).then(r => r.text()).then(t => note(k, t), () => note(k, 'refused'));
}
get('fetchInside', '%1');
get('fetchOutside', '%2');
get('fetchDotted', '%3');
var x = new XMLHttpRequest();
x.onload = () => note('xhrOutside', x.responseText);
x.onerror = () => note('xhrOutside', 'refused');
x.open('GET', '%2'); x.send();
)")
                                   .arg(fileUrl(guide(QStringLiteral("inside.txt"))),
                                       fileUrl(outside(QStringLiteral("secret.txt"))),
                                       fileUrl(guide(QStringLiteral("x")))
                                           + QStringLiteral("/../../outside/secret.txt"));
        writeFile(guide(QStringLiteral("reader.htm")),
            "<html><head><title>reader</title></head><body><iframe id='f' src='"
                + fileUrl(outside(QStringLiteral("page.htm"))).toUtf8() + "'></iframe><script>"
                + script.toUtf8() + "</script></body></html>");
        QSignalSpy refused(page, &TWebPage::refused);
        QVERIFY(show(guide(QStringLiteral("reader.htm"))));
        QVERIFY(scriptBecomes(view, QStringLiteral("Object.keys(window.out).length"), 4));
        QCOMPARE(runScript(view, QStringLiteral("window.out.fetchInside")).toString(),
            QStringLiteral("INSIDE"));
        QCOMPARE(runScript(view, QStringLiteral("window.out.fetchOutside")).toString(),
            QStringLiteral("refused"));
        QCOMPARE(runScript(view, QStringLiteral("window.out.fetchDotted")).toString(),
            QStringLiteral("refused"));
        QCOMPARE(runScript(view, QStringLiteral("window.out.xhrOutside")).toString(),
            QStringLiteral("refused"));
        // The frame's request is refused; the frame never holds the outside page.
        const QUrl framed = QUrl::fromLocalFile(outside(QStringLiteral("page.htm")));
        QVERIFY(waitUntil(page, &TWebPage::refused, [&] {
            for (const QList<QVariant> &args : std::as_const(refused)) {
                if (args.first().toUrl() == framed)
                    return true;
            }
            return false;
        }));
        const QString frameText = runScript(view,
            QStringLiteral("(function(){try{return document.getElementById('f')"
                           ".contentDocument.body.innerText}catch(e){return 'no access'}})()"))
                                      .toString();
        QVERIFY2(!frameText.contains(QStringLiteral("SECRET")), qPrintable(frameText));
        QCOMPARE(view->url(), QUrl::fromLocalFile(guide(QStringLiteral("reader.htm"))));
    }

    // A link, a meta refresh and a script cannot take the view to a local file outside the
    // guide: the view shows the notice instead.
    void navigationOutOfTheGuideShowsTheNotice_data()
    {
        QTest::addColumn<QByteArray>("html");
        QTest::addColumn<bool>("click");
        const QByteArray target
            = QUrl::fromLocalFile(root.filePath(QStringLiteral("outside/page.htm")))
                  .toString(QUrl::FullyEncoded)
                  .toUtf8();
        QTest::newRow("link") << linkPage(QString::fromUtf8(target)) << true;
        QTest::newRow("meta refresh") << QByteArray(
            "<html><head><title>meta</title><meta http-equiv='refresh' content='0;url=" + target
            + "'></head><body>meta</body></html>")
                                      << false;
        QTest::newRow("script") << QByteArray(
            "<html><head><title>script</title></head><body><script>"
            "setTimeout(() => { location.href = '"
            + target + "'; }, 0);</script></body></html>")
                                << false;
    }

    void navigationOutOfTheGuideShowsTheNotice()
    {
        QFETCH(QByteArray, html);
        QFETCH(bool, click);
        writeFile(guide(QStringLiteral("leave.htm")), html);
        QVERIFY(show(guide(QStringLiteral("plain.htm"))));
        QSignalSpy refused(page, &TWebPage::refused);
        view->Navigate(guide(QStringLiteral("leave.htm")));
        if (click) {
            QVERIFY(titleBecomes(QStringLiteral("link")));
            clickPage();
        }
        QVERIFY(titleBecomes(QStringLiteral("不能显示这个页面")));
        QVERIFY(!refused.isEmpty());
        QCOMPARE(runScript(view, QStringLiteral("document.getElementById('file').textContent"))
                     .toString(),
            QDir::toNativeSeparators(outside(QStringLiteral("page.htm"))));
        QVERIFY(!runScript(view, QStringLiteral("document.body.innerText"))
                     .toString()
                     .contains(QStringLiteral("SECRET")));
        // Typed in as well (a tree entry whose file lies elsewhere).
        view->Navigate(outside(QStringLiteral("secret.txt")));
        QVERIFY(scriptBecomes(view, QStringLiteral("document.getElementById('file').textContent"),
            QDir::toNativeSeparators(outside(QStringLiteral("secret.txt")))));
    }

    // A clicked http link is followed by the view, a mailto: link goes to the desktop, and a
    // made-up scheme goes nowhere.
    void linksLeaveTheViewOnlyAsTheyShould()
    {
        // Port 9 (discard) is closed on test machines: the view follows the link and shows
        // its own error page for it; nothing goes to the desktop.
        writeFile(
            guide(QStringLiteral("web.htm")), linkPage(QStringLiteral("http://127.0.0.1:9/x")));
        QVERIFY(show(guide(QStringLiteral("web.htm"))));
        clickPage();
        QVERIFY(waitUntil(view, &QWebEngineView::urlChanged,
            [&] { return view->url() == QUrl(QStringLiteral("http://127.0.0.1:9/x")); }));
        QVERIFY(links.opened.isEmpty());

        writeFile(
            guide(QStringLiteral("mail.htm")), linkPage(QStringLiteral("mailto:kefu@example.com")));
        QVERIFY(show(guide(QStringLiteral("mail.htm"))));
        clickPage();
        QVERIFY(
            waitUntil(&links, &LinkRecorder::wasOpened, [&] { return !links.opened.isEmpty(); }));
        QCOMPARE(links.opened, QStringList({ "mailto:kefu@example.com" }));
        QCOMPARE(view->url(), QUrl::fromLocalFile(guide(QStringLiteral("mail.htm"))));

        writeFile(
            guide(QStringLiteral("evil.htm")), linkPage(QStringLiteral("evilscheme://payload")));
        QVERIFY(show(guide(QStringLiteral("evil.htm"))));
        QSignalSpy refused(page, &TWebPage::refused);
        clickPage();
        QVERIFY(waitUntil(page, &TWebPage::refused, [&] { return !refused.isEmpty(); }));
        QCOMPARE(refused.last().first().toUrl(), QUrl(QStringLiteral("evilscheme://payload")));
        // A mailto: click after it is the only thing the desktop has seen since.
        writeFile(
            guide(QStringLiteral("mail2.htm")), linkPage(QStringLiteral("mailto:b@example.com")));
        QVERIFY(show(guide(QStringLiteral("mail2.htm"))));
        clickPage();
        QVERIFY(
            waitUntil(&links, &LinkRecorder::wasOpened, [&] { return links.opened.size() == 2; }));
        QCOMPARE(links.opened, QStringList({ "mailto:kefu@example.com", "mailto:b@example.com" }));
    }

    // A page shown from text with a base inside the guide (a notice, a results page) may link
    // to the guide's pages, fragments included.
    void pagesFromTextLinkIntoTheGuide()
    {
        const QUrl target = QUrl::fromLocalFile(guide(QStringLiteral("plain.htm")));
        QUrl withFragment = target;
        withFragment.setFragment(QStringLiteral("x"));
        QSignalSpy finished(view, &QWebEngineView::loadFinished);
        view->page()->setHtml(QStringLiteral("<html><head><title>results</title></head><body>"
                                             "<a id='l' href='%1'>plain</a></body></html>")
                                  .arg(withFragment.toString(QUrl::FullyEncoded)),
            QUrl::fromLocalFile(guide(QStringLiteral("results.htm"))));
        QVERIFY(titleBecomes(QStringLiteral("results")));
        runScript(view, QStringLiteral("document.getElementById('l').click()"));
        QVERIFY(titleBecomes(QStringLiteral("plain")));
        QCOMPARE(view->url(), withFragment);
    }

    // A script that never ends is stopped after a few seconds; the view names the page, and
    // the tree works as before.
    void pageThatHangsIsStopped()
    {
        writeFile(guide(QStringLiteral("hang.htm")),
            "<html><head><title>hang</title></head><body><p>before</p>"
            "<script>for (;;) {}</script></body></html>");
        QSignalSpy stopped(page, &TWebPage::pageStopped);
        view->Navigate(guide(QStringLiteral("hang.htm")));
        QVERIFY(titleBecomes(QStringLiteral("页面停止响应")));
        QCOMPARE(stopped.size(), 1);
        QCOMPARE(runScript(view, QStringLiteral("document.getElementById('page').textContent"))
                     .toString(),
            QStringLiteral("hang"));
        treeClickLoadsNormally();
    }

    // A render process that dies (out of memory, a crash) leaves a notice, not a grey view.
    void pageWhoseRendererDiesIsNamed()
    {
        QVERIFY(show(guide(QStringLiteral("plain.htm"))));
        const qint64 pid = page->renderProcessPid();
        QVERIFY(pid > 0);
        QSignalSpy stopped(page, &TWebPage::pageStopped);
        QCOMPARE(::kill(pid_t(pid), SIGKILL), 0);
        QVERIFY(titleBecomes(QStringLiteral("页面无法显示")));
        QCOMPARE(runScript(view, QStringLiteral("document.getElementById('page').textContent"))
                     .toString(),
            QStringLiteral("plain"));
        QVERIFY(stopped.isEmpty());
        treeClickLoadsNormally();
    }
};

int main(int argc, char *argv[])
{
    PrepareProcess();
    TApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    InitializeApplication(app);
    TestPageGuard test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_pageguard.moc"
