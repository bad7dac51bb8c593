// The reader's comforts on the real main window and its real page view: find in page, zoom,
// print, history by keys and mouse buttons, Enter on tree entries, the notice for a missing
// page, and the right-click filter still in force with the find bar open. Everything that
// involves the page view is waited for on its signals or script callbacks, never by sleeping.

#include "GuidePaths.h"
#include "LinkRecorder.h"
#include "Links.h"
#include "PageFindBar.h"
#include "PageZoom.h"
#include "ReaderShortcuts.h"
#include "Startup.h"
#include "TApplication.h"
#include "TWebBrowser.h"
#include "TzynButton.h"
#include "TzynGroupBox.h"
#include "TzynTreeView.h"
#include "Unit1.h"

#include <QDeadlineTimer>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWebEngineHistory>
#include <QWebEnginePage>

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
} // namespace

class TestReader : public QObject {
    Q_OBJECT

private:
    TForm1 *form = nullptr;
    ReaderShortcuts *reader = nullptr;
    PageFindBar *bar = nullptr;
    TWebBrowser *view = nullptr;
    QTemporaryDir pages;
    LinkRecorder links;

    QUrl pageUrl(const QString &name) const
    {
        return QUrl::fromLocalFile(pages.filePath(name + QStringLiteral(".htm")));
    }

    // Navigates and waits until the page has loaded and its script has run. A refused request
    // (the notice for a missing file follows it) also ends in a load, a failed one.
    bool show(const QUrl &url)
    {
        QSignalSpy finished(view, &QWebEngineView::loadFinished);
        view->Navigate(url.toLocalFile());
        return waitUntil(view, &QWebEngineView::loadFinished,
                   [&] {
                       return !finished.isEmpty() && finished.last().first().toBool()
                           && view->url() == url;
                   })
            && scriptBecomes(
                view, QStringLiteral("document.readyState"), QStringLiteral("complete"));
    }

    bool waitForUrl(const QUrl &url)
    {
        return waitUntil(view, &QWebEngineView::urlChanged, [&] { return view->url() == url; })
            && scriptBecomes(
                view, QStringLiteral("location.href"), url.toString(QUrl::FullyEncoded));
    }

    // Sends a key to the window as the keyboard would, to whatever has the focus in it. The
    // window's shortcuts work while it is the active one: another program on the same display
    // may have taken that, so it is taken back first.
    void key(Qt::Key k, Qt::KeyboardModifiers mods = {})
    {
        if (!form->isActiveWindow()) {
            form->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(form));
        }
        QWidget *target = form->focusWidget() ? form->focusWidget() : form;
        QTest::keyClick(target, k, mods);
    }

    // Waits for the find bar to show the answer to the search just started.
    QPair<int, int> searchResult(const std::function<void()> &start)
    {
        QSignalSpy shown(bar, &PageFindBar::resultShown);
        start();
        if (!waitUntil(bar, &PageFindBar::resultShown, [&] { return !shown.isEmpty(); }))
            return { -1, -1 };
        return { shown.last().at(0).toInt(), shown.last().at(1).toInt() };
    }

    QTreeWidgetItem *entry(const QString &text) const
    {
        const QList<QTreeWidgetItem *> found
            = form->TreeView1->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.first();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &links, "open");
        QVERIFY(pages.isValid());
        // A long page with three matches of "debit", the last far below the first screen.
        writeFile(pages.filePath(QStringLiteral("long.htm")),
            "<html><head><title>long</title></head><body style='margin:0'>"
            "<p>debit one</p><div style='height:3000px'></div><p>Debit two</p>"
            "<div style='height:3000px'></div><p id='last'>debit three 借方</p>"
            "<script>window.downs={0:0,1:0,2:0,3:0,4:0};window.menus=0;"
            "document.addEventListener('mousedown',e=>window.downs[e.button]++,true);"
            "document.addEventListener('contextmenu',e=>window.menus++,true);</script>"
            "</body></html>");
        for (const char *name : { "a", "b", "c" })
            writeFile(pages.filePath(QString::fromLatin1(name) + QStringLiteral(".htm")),
                QByteArray("<html><body style='margin:0;height:100%'><p>page ") + name
                    + "</p></body></html>");

        form = new TForm1;
        view = form->WebBrowser1;
        // The test pages are shown as the guide's own.
        view->setLocalFolders({ ProgramDirectory() + QStringLiteral("data"), pages.path() });
        reader = form->findChild<ReaderShortcuts *>();
        QVERIFY(reader);
        bar = reader->findBar();
        QVERIFY(bar);
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

    void findBarOpensBelowThePageAndCounts()
    {
        QVERIFY(show(pageUrl(QStringLiteral("long"))));
        QVERIFY(bar->isHidden());
        QCOMPARE(view->geometry(), QRect(QPoint(0, 0), form->GroupBox1->size()));

        view->setFocus();
        key(Qt::Key_F, Qt::ControlModifier);
        QVERIFY(bar->isVisible());
        QCOMPARE(form->focusWidget(), bar->edit());
        // Below the page view, across the whole box; the page gives up the bar's height.
        QCOMPARE(bar->geometry(),
            QRect(0, form->GroupBox1->height() - bar->height(), form->GroupBox1->width(),
                bar->height()));
        QCOMPARE(view->geometry(),
            QRect(0, 0, form->GroupBox1->width(), form->GroupBox1->height() - bar->height()));

        // Typing searches at once, case-insensitively, and the first match is the active one.
        QCOMPARE(searchResult([&] { QTest::keyClicks(bar->edit(), QStringLiteral("debit")); }),
            qMakePair(1, 3));
        QCOMPARE(bar->countText(), QStringLiteral("第 1 项，共 3 项"));
        QCOMPARE(searchResult([&] { key(Qt::Key_Return); }), qMakePair(2, 3));
        QCOMPARE(searchResult([&] { key(Qt::Key_Return); }), qMakePair(3, 3));
        // The active match is scrolled into view: the third one lies 6000 pixels down.
        QVERIFY(scriptBecomes(view, QStringLiteral("window.scrollY > 5000"), true));
        // Past the last it wraps; Shift+Enter goes back.
        QCOMPARE(searchResult([&] { key(Qt::Key_Return); }), qMakePair(1, 3));
        QCOMPARE(searchResult([&] { key(Qt::Key_Return, Qt::ShiftModifier); }), qMakePair(3, 3));
        QCOMPARE(searchResult([&] { key(Qt::Key_Enter, Qt::ShiftModifier); }), qMakePair(2, 3));
        // The buttons do the same.
        QCOMPARE(searchResult([&] { QTest::mouseClick(bar->nextButton(), Qt::LeftButton); }),
            qMakePair(3, 3));
        QCOMPARE(searchResult([&] { QTest::mouseClick(bar->previousButton(), Qt::LeftButton); }),
            qMakePair(2, 3));
        QCOMPARE(form->focusWidget(), bar->edit());

        // Chinese text is found as well, and a text that is not there says so.
        QCOMPARE(
            searchResult([&] { bar->edit()->setText(QStringLiteral("借方")); }), qMakePair(1, 1));
        QCOMPARE(
            searchResult([&] { bar->edit()->setText(QStringLiteral("credit")); }), qMakePair(0, 0));
        QCOMPARE(bar->countText(), QStringLiteral("无匹配"));

        // Escape closes the bar, gives the page back its height and the keyboard.
        QCOMPARE(
            searchResult([&] { bar->edit()->setText(QStringLiteral("three")); }), qMakePair(1, 1));
        key(Qt::Key_Escape);
        QVERIFY(bar->isHidden());
        QCOMPARE(view->geometry(), QRect(QPoint(0, 0), form->GroupBox1->size()));
        QVERIFY(view->isAncestorOf(form->focusWidget()) || form->focusWidget() == view);
        // The engine ends the search with the active match selected, so that it was the
        // page's own find that ran, on the page's own text.
        QVERIFY(scriptBecomes(
            view, QStringLiteral("window.getSelection().toString()"), QStringLiteral("three")));

        // Opened again, the bar keeps its text, selected, and searches again at once.
        QCOMPARE(searchResult([&] { key(Qt::Key_F, Qt::ControlModifier); }), qMakePair(1, 1));
        QCOMPARE(bar->edit()->selectedText(), QStringLiteral("three"));
        // A new page drops the count of the old one.
        QVERIFY(show(pageUrl(QStringLiteral("a"))));
        QVERIFY(bar->countText().isEmpty());
        bar->dismiss();
    }

    void findBarLeavesTheRightClickFilterAlone()
    {
        QVERIFY(show(pageUrl(QStringLiteral("long"))));
        key(Qt::Key_F, Qt::ControlModifier);
        QVERIFY(bar->isVisible());
        QWidget *input = inputWidget(view);
        QVERIFY(input && input != view && view->isAncestorOf(input));

        // Any menu that opens is noted and closed, so that a fault cannot hang the test.
        int menusOpened = 0;
        QTimer watcher;
        connect(&watcher, &QTimer::timeout, [&] {
            if (QWidget *popup = QApplication::activePopupWidget()) {
                ++menusOpened;
                popup->close();
            }
        });
        watcher.start(50);

        QTest::mouseClick(input, Qt::RightButton, {}, QPoint(100, 100));
        QTest::mouseClick(bar->edit(), Qt::RightButton, {}, QPoint(5, 5));
        // The page has seen neither press nor context menu; a left press does reach it, and
        // after it the earlier right press would have been counted too.
        QTest::mouseClick(input, Qt::LeftButton, {}, QPoint(100, 100));
        QVERIFY(scriptBecomes(view, QStringLiteral("window.downs[0]"), 1));
        QCOMPARE(runScript(view, QStringLiteral("window.downs[2]")).toInt(), 0);
        QCOMPARE(runScript(view, QStringLiteral("window.menus")).toInt(), 0);
        QCoreApplication::processEvents();
        QCOMPARE(menusOpened, 0);

        // The side buttons of the mouse, which go back and forward, are not right presses: the
        // filter leaves them to the page view.
        TMsg msg;
        bool handled = true;
        QMouseEvent back(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::BackButton,
            Qt::BackButton, Qt::NoModifier);
        msg.receiver = input;
        msg.event = &back;
        form->ApplicationEvents1Message(msg, handled);
        QVERIFY(!handled);
        bar->dismiss();
    }

    void zoomSteps()
    {
        PageZoom *zoom = reader->zoom();
        QVERIFY(show(pageUrl(QStringLiteral("a"))));
        QCOMPARE(view->zoomFactor(), 1.0);
        key(Qt::Key_Equal, Qt::ControlModifier);
        QCOMPARE(view->zoomFactor(), 1.1);
        key(Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(view->zoomFactor(), 1.25);
        key(Qt::Key_Minus, Qt::ControlModifier);
        key(Qt::Key_Minus, Qt::ControlModifier);
        key(Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(view->zoomFactor(), 0.9);
        key(Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(view->zoomFactor(), 1.0);
        // The steps end at 50 % and 300 %.
        for (int i = 0; i < 20; ++i)
            key(Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(view->zoomFactor(), 0.5);
        for (int i = 0; i < 20; ++i)
            key(Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(view->zoomFactor(), 3.0);
        key(Qt::Key_0, Qt::ControlModifier);

        // Ctrl+wheel over the page: a notch is a step, half notches add up, and the wheel
        // without Ctrl leaves the zoom alone.
        QWidget *input = inputWidget(view);
        QVERIFY(input);
        auto wheel = [&](int delta, Qt::KeyboardModifiers mods) {
            const QPointF at(50, 50);
            QWheelEvent event(at, input->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                mods, Qt::NoScrollPhase, false);
            QApplication::sendEvent(input, &event);
        };
        wheel(120, Qt::ControlModifier);
        QCOMPARE(view->zoomFactor(), 1.1);
        wheel(60, Qt::ControlModifier);
        QCOMPARE(view->zoomFactor(), 1.1);
        wheel(60, Qt::ControlModifier);
        QCOMPARE(view->zoomFactor(), 1.25);
        wheel(-240, Qt::ControlModifier);
        QCOMPARE(view->zoomFactor(), 1.0);
        wheel(-120, Qt::NoModifier);
        QCOMPARE(view->zoomFactor(), 1.0);

        // The page itself is laid out at the new scale, and the factor holds on the next page.
        key(Qt::Key_Plus, Qt::ControlModifier);
        key(Qt::Key_Plus, Qt::ControlModifier);
        key(Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(zoom->factor(), 1.5);
        const QString scaledWidth
            = QStringLiteral("Math.abs(window.innerWidth * 1.5 - %1) <= 2").arg(view->width());
        QVERIFY(scriptBecomes(view, scaledWidth, true));
        QVERIFY(show(pageUrl(QStringLiteral("b"))));
        QCOMPARE(view->zoomFactor(), 1.5);
        QVERIFY(scriptBecomes(view, scaledWidth, true));
        // Also on the notice for a missing page, which the engine loads as a page of its own.
        QVERIFY(show(pageUrl(QStringLiteral("missing"))));
        QCOMPARE(view->zoomFactor(), 1.5);
        QVERIFY(scriptBecomes(view, scaledWidth, true));
        key(Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(zoom->factor(), 1.0);
    }

    void historyByKeysAndMouseButtons()
    {
        QVERIFY(show(pageUrl(QStringLiteral("a"))));
        QVERIFY(show(pageUrl(QStringLiteral("b"))));
        QVERIFY(show(pageUrl(QStringLiteral("c"))));
        key(Qt::Key_Left, Qt::AltModifier);
        QVERIFY(waitForUrl(pageUrl(QStringLiteral("b"))));
        key(Qt::Key_Right, Qt::AltModifier);
        QVERIFY(waitForUrl(pageUrl(QStringLiteral("c"))));

        // The mouse's side buttons: one press is one step, not two.
        QWidget *input = inputWidget(view);
        QVERIFY(input);
        QTest::mouseClick(input, Qt::BackButton, {}, QPoint(20, 20));
        QVERIFY(waitForUrl(pageUrl(QStringLiteral("b"))));
        QTest::mouseClick(inputWidget(view), Qt::BackButton, {}, QPoint(20, 20));
        QVERIFY(waitForUrl(pageUrl(QStringLiteral("a"))));
        QTest::mouseClick(inputWidget(view), Qt::ForwardButton, {}, QPoint(20, 20));
        QVERIFY(waitForUrl(pageUrl(QStringLiteral("b"))));
        QCOMPARE(view->history()->currentItemIndex(), view->history()->count() - 2);
    }

    void missingPageIsNamedInChinese()
    {
        QVERIFY(show(pageUrl(QStringLiteral("a"))));
        // A page of the guide whose file is not there: the notice names the file and the
        // guide's own data folder, and the view still reports the address asked for.
        const QString missing = ChapterPagePath(QStringLiteral("第十一章：不存在"));
        QVERIFY(!QFile::exists(missing));
        QVERIFY(show(QUrl::fromLocalFile(missing)));
        QCOMPARE(runScript(view, QStringLiteral("document.title")).toString(),
            QStringLiteral("找不到页面"));
        QCOMPARE(runScript(view, QStringLiteral("document.getElementById('file').textContent"))
                     .toString(),
            QStringLiteral("第十一章：不存在.htm"));
        QCOMPARE(runScript(view, QStringLiteral("document.getElementById('folder').textContent"))
                     .toString(),
            ProgramDirectory() + QStringLiteral("data"));
        QVERIFY(runScript(view, QStringLiteral("document.body.innerText"))
                    .toString()
                    .contains(QStringLiteral("这个文件夹里没有这个页面的文件")));

        // Back leaves the notice for the page before it: the notice is not a trap.
        key(Qt::Key_Left, Qt::AltModifier);
        QVERIFY(waitForUrl(pageUrl(QStringLiteral("a"))));

        // A missing data folder is named as missing.
        const QString noFolder = pages.filePath(QStringLiteral("没有的/data/第一章：总论.htm"));
        QVERIFY(show(QUrl::fromLocalFile(noFolder)));
        QCOMPARE(runScript(view, QStringLiteral("document.getElementById('folder').textContent"))
                     .toString(),
            QDir::toNativeSeparators(pages.filePath(QStringLiteral("没有的/data"))));
        QVERIFY(runScript(view, QStringLiteral("document.body.innerText"))
                    .toString()
                    .contains(QStringLiteral("这个文件夹不存在")));
        // Special characters of HTML in a name stay text.
        const QString odd = pages.filePath(QStringLiteral("<b>&x.htm"));
        QVERIFY(show(QUrl::fromLocalFile(odd)));
        QCOMPARE(runScript(view, QStringLiteral("document.getElementById('file').textContent"))
                     .toString(),
            QStringLiteral("<b>&x.htm"));
    }

    void enterOnTreeEntryActsLikeAClick()
    {
        TzynTreeView *tree = form->TreeView1;
        tree->setFocus();
        // Made current without being selected, as the arrow keys may leave it: Enter selects
        // it and then does what a click does.
        const QString chapter = QStringLiteral("第三章：会计等式与复式记账");
        tree->setCurrentItem(entry(chapter), 0, QItemSelectionModel::NoUpdate);
        key(Qt::Key_Return);
        QCOMPARE(tree->Selected()->Text(), chapter);
        QVERIFY(waitUntil(view, &QWebEngineView::loadFinished,
            [&] { return view->url() == QUrl::fromLocalFile(ChapterPagePath(chapter)); }));

        // Space on a link entry opens the link, as a click does.
        const int before = links.opened.size();
        tree->setCurrentItem(entry(QStringLiteral("在线咨询")));
        key(Qt::Key_Space);
        QCOMPARE(links.opened.size(), before + 1);
        QCOMPARE(links.opened.last(), Links::consultation());

        // The arrow keys still move without acting.
        key(Qt::Key_Up);
        QCOMPARE(links.opened.size(), before + 1);
    }

    void tabOrderIsTheLayouts()
    {
        // The find bar, closed, is not in the Tab chain; the tree and the eight buttons keep
        // their order.
        QList<QWidget *> chain;
        QWidget *w = form->TreeView1;
        do {
            if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
                chain << w;
            w = w->nextInFocusChain();
        } while (w != form->TreeView1);
        for (QWidget *child : bar->findChildren<QWidget *>())
            QVERIFY(!chain.contains(child));
        int last = chain.indexOf(form->TreeView1);
        for (TzynButton *button : form->zynButtons) {
            const int at = chain.indexOf(button);
            QVERIFY2(at > last, qPrintable(button->objectName()));
            last = at;
        }
    }

    void printOpensTheDialog()
    {
        QVERIFY(show(pageUrl(QStringLiteral("a"))));
        view->setFocus();
        key(Qt::Key_P, Qt::ControlModifier);
        QPrintDialog *dialog = nullptr;
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (auto *found = qobject_cast<QPrintDialog *>(top); found && found->isVisible())
                dialog = found;
        }
        QVERIFY(dialog);
        QCOMPARE(dialog->parentWidget(), form);
        QSignalSpy printed(view, &QWebEngineView::printFinished);
        dialog->reject();
        QCoreApplication::processEvents();
        QCOMPARE(printed.count(), 0);
    }
};

int main(int argc, char *argv[])
{
    PrepareProcess();
    TApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    InitializeApplication(app);
    TestReader test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_reader.moc"
