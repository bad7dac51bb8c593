// The main window as a user meets it: start-up state, every tree entry, the eight buttons and
// the logo, the page view's right-click filter and the anchors. Runs the real window with the
// real page view on a display; addresses handed to the desktop are caught by URL handlers.

#include "GuidePaths.h"
#include "LinkRecorder.h"
#include "Links.h"
#include "Startup.h"
#include "TApplication.h"
#include "TImage.h"
#include "TImageList.h"
#include "TWebBrowser.h"
#include "TzynButton.h"
#include "TzynForm.h"
#include "TzynGroupBox.h"
#include "TzynTitleBarButton.h"
#include "TzynTitleBarButtons.h"
#include "TzynTitleBarSection.h"
#include "TzynTitleBarSections.h"
#include "TzynTreeView.h"
#include "Unit1.h"
#include "ZYNDraw.h"

#include <QDesktopServices>
#include <QFile>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEnginePage>

namespace {
constexpr int kLoadTimeout = 60000;

QVariant runScript(QWebEngineView *view, const QString &script)
{
    QVariant result;
    bool done = false;
    view->page()->runJavaScript(script, [&](const QVariant &value) {
        result = value;
        done = true;
    });
    if (!QTest::qWaitFor([&] { return done; }, kLoadTimeout))
        return QVariant(QStringLiteral("script timed out"));
    return result;
}

// A published value of a component as the layout writes it: enumerations and sets by name,
// components by name, other values as text. The path may go through sub-objects ("Font.Name").
QString publishedValue(QObject *root, const QString &component, const QString &path)
{
    QObject *object
        = component == root->objectName() ? root : root->findChild<QObject *>(component);
    if (!object)
        return QStringLiteral("<no component %1>").arg(component);
    const QStringList parts = path.split(QLatin1Char('.'));
    for (int i = 0; i < parts.size(); ++i) {
        const QMetaObject *meta = object->metaObject();
        const int index = meta->indexOfProperty(parts[i].toLatin1().constData());
        if (index < 0)
            return QStringLiteral("<no property %1>").arg(parts[i]);
        const QMetaProperty prop = meta->property(index);
        const QVariant value = prop.read(object);
        if (prop.metaType().flags().testFlag(QMetaType::PointerToQObject)) {
            QObject *sub = value.value<QObject *>();
            if (i + 1 < parts.size()) {
                object = sub;
                if (!object)
                    return QStringLiteral("<null %1>").arg(parts[i]);
                continue;
            }
            return sub ? sub->objectName() : QStringLiteral("<null>");
        }
        if (prop.isEnumType()) {
            const QMetaEnum e = prop.enumerator();
            const int v = value.toInt();
            return e.isFlag() ? QString::fromLatin1(e.valueToKeys(v))
                              : QString::fromLatin1(e.valueToKey(v));
        }
        return value.toString();
    }
    return QString();
}

QWidget *inputWidget(QWebEngineView *view)
{
    if (view->focusProxy())
        return view->focusProxy();
    const QList<QWidget *> children = view->findChildren<QWidget *>();
    return children.isEmpty() ? nullptr : children.first();
}
} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private:
    TForm1 *form = nullptr;
    LinkRecorder links;

    QTreeWidgetItem *entry(const QString &text) const
    {
        const QList<QTreeWidgetItem *> found
            = form->TreeView1->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.first();
    }

    void clickEntry(const QString &text, Qt::MouseButton button = Qt::LeftButton)
    {
        QTreeWidgetItem *item = entry(text);
        QVERIFY2(item, qPrintable(text));
        const QRect r = form->TreeView1->visualItemRect(item);
        QVERIFY(!r.isEmpty());
        QTest::mouseClick(form->TreeView1->viewport(), button, {}, r.center());
    }

    QUrl pageUrl(const QString &name) const { return QUrl::fromLocalFile(ChapterPagePath(name)); }

private Q_SLOTS:
    void initTestCase()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &links, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &links, "open");
        form = new TForm1;
        QSignalSpy loaded(form->WebBrowser1, &QWebEngineView::loadFinished);
        form->Show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QTRY_VERIFY_WITH_TIMEOUT(loaded.count() > 0, kLoadTimeout);
        QVERIFY(loaded.last().first().toBool());
    }

    void cleanupTestCase()
    {
        delete form;
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    }

    void startPageIsShown()
    {
        QCOMPARE(form->WebBrowser1->url(), pageUrl(QStringLiteral("2014考试指南")));
        QCOMPARE(TApplication::instance()->Title(), QStringLiteral("Veltrix考试Lumora"));
        QVERIFY(form->isMaximized());
    }

    void taskBarShowsTheTitleAndTheTitleBarTheCaption()
    {
        const QString caption
            = QStringLiteral("会计从业资格考试-会计基础Lumora(重点总结+习题集) 2014版 Build 0705");
        QCOMPARE(form->windowTitle(), QStringLiteral("Veltrix考试Lumora"));
        QCOMPARE(form->windowHandle()->title(), QStringLiteral("Veltrix考试Lumora"));
        QCOMPARE(form->Caption(), caption);
        QCOMPARE(form->zynForm1->Caption(), caption);
    }

    void theWindowIsTheMainForm()
    {
        QCOMPARE(TApplication::instance()->MainForm(), form);
        // The main form counts as active whenever the application is.
        form->activateWindow();
        QTRY_COMPARE(QGuiApplication::applicationState(), Qt::ApplicationActive);
        QVERIFY(IsFormActive(form));
        QVERIFY(IsFormActive(nullptr));
    }

    void loadedValues_data()
    {
        QTest::addColumn<QString>("component");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("value");
        const QString caption
            = QStringLiteral("会计从业资格考试-会计基础Lumora(重点总结+习题集) 2014版 Build 0705");
        const QString btnFace = QString::number(Colors::clBtnFace);
        const QString windowText = QString::number(Colors::clWindowText);
        auto row = [](const QString &c, const QString &p, const QString &v) {
            QTest::newRow(qPrintable(c + QLatin1Char(' ') + p)) << c << p << v;
        };
        // The main window.
        row("Form1", "Caption", caption);
        row("Form1", "Color", btnFace);
        row("Form1", "Font.Name", "MS Sans Serif");
        row("Form1", "Font.Height", "-11");
        row("Form1", "Font.Style", "");
        row("Form1", "Font.Color", windowText);
        row("Form1", "Font.Charset", "DEFAULT_CHARSET");
        row("Form1", "Position", "poDesktopCenter");
        row("Form1", "WindowState", "wsMaximized");
        row("Form1", "Constraints.MinWidth", "130");
        row("Form1", "Constraints.MinHeight", "50");
        row("Form1", "PixelsPerInch", "96");
        row("Form1", "TextHeight", "13");
        // The frame.
        row("zynForm1", "UIStyle", "MacOS");
        row("zynForm1", "UIStyleAutoUpdateSub", "false");
        row("zynForm1", "BorderColor", "8355711");
        row("zynForm1", "BorderWidth", "1");
        row("zynForm1", "Color", "15198183");
        row("zynForm1", "Caption", caption);
        row("zynForm1", "Font.Name", "Tahoma");
        row("zynForm1", "Font.Height", "-11");
        row("zynForm1", "Font.Style", "fsBold");
        row("zynForm1", "Font.Color", QString::number(0xFFFFFF));
        row("zynForm1", "Font.Charset", "DEFAULT_CHARSET");
        row("zynForm1", "TitleBarDrawAppIcon", "false");
        row("zynForm1", "MenuBarColor", "15198183");
        row("zynForm1", "MenuBarHeight", "22");
        row("zynForm1", "RoundCorner", "0");
        // The logo.
        row("Image1", "Cursor", "crHandPoint");
        row("Image1", "Anchors", "akLeft|akTop|akRight");
        row("Image1", "Stretch", "true");
        row("Image1", "Transparent", "true");
        // The chapter tree.
        row("TreeView1", "Cursor", "crHandPoint");
        row("TreeView1", "Anchors", "akLeft|akTop|akBottom");
        row("TreeView1", "AutoExpand", "true");
        row("TreeView1", "ReadOnly", "true");
        row("TreeView1", "BorderStyle", "bsNone");
        row("TreeView1", "BorderWidth", "2");
        row("TreeView1", "BorderColor", "8355711");
        row("TreeView1", "Color", QString::number(0xC0DCC0));
        row("TreeView1", "Font.Name", "宋体");
        row("TreeView1", "Font.Height", "-14");
        row("TreeView1", "Font.Style", "fsBold");
        row("TreeView1", "Font.Color", "0");
        row("TreeView1", "Font.Charset", "ANSI_CHARSET");
        row("TreeView1", "ParentFont", "false");
        row("TreeView1", "Images", "ImageList1");
        row("TreeView1", "Indent", "19");
        row("TreeView1", "TabOrder", "1");
        // The page view's frame and the page view.
        row("GroupBox1", "Caption", "");
        row("GroupBox1", "Transparent", "true");
        row("GroupBox1", "ParentColor", "true");
        row("GroupBox1", "Color", "15198183");
        row("GroupBox1", "BorderColor", "8355711");
        row("GroupBox1", "Anchors", "akLeft|akTop|akRight|akBottom");
        row("GroupBox1", "Font.Name", "MS Sans Serif");
        row("GroupBox1", "Font.Height", "-11");
        row("GroupBox1", "Font.Color", "0");
        row("GroupBox1", "Font.Charset", "DEFAULT_CHARSET");
        row("GroupBox1", "ParentFont", "false");
        row("WebBrowser1", "Align", "alClient");
        row("WebBrowser1", "TabOrder", "0");
        // The eight buttons.
        const QStringList captions { "考试动态", "考试指南", "视频课程", "考试题库", "模拟考场",
            "论坛交流", "联系我们", "在线咨询" };
        for (int i = 0; i < 8; ++i) {
            const QString b = QStringLiteral("zynButton%1").arg(i + 1);
            row(b, "Caption", captions[i]);
            row(b, "TabOrder", QString::number(i + 3));
            row(b, "Cursor", "crHandPoint");
            row(b, "UIStyle", "BlueGlass");
            row(b, "AutoSize", "false");
            row(b, "Transparent", "true");
            row(b, "ModalResult", "0");
            row(b, "Layout", "blGlyphTop");
            row(b, "Spacing", "4");
            row(b, "ResHandle", "0");
            row(b, "MouseContinuouslyDownInterval", "100");
            row(b, "Font.Name", "宋体");
            row(b, "Font.Height", "-14");
            row(b, "Font.Style", "");
            row(b, "Font.Color", windowText);
            row(b, "Font.Charset", "ANSI_CHARSET");
            row(b, "ParentFont", "false");
        }
    }

    void loadedValues()
    {
        QFETCH(QString, component);
        QFETCH(QString, property);
        QFETCH(QString, value);
        QCOMPARE(publishedValue(form, component, property), value);
    }

    void titleBarCollectionsAsLoaded()
    {
        TzynTitleBarButtons *buttons = form->zynForm1->TitleBarButtons();
        QCOMPARE(buttons->Count(), 4);
        const QStringList types { "zynControlBox", "zynClose", "zynMax", "zynMin" };
        for (int i = 0; i < 4; ++i) {
            QObject *item = buttons->Items(i);
            QCOMPARE(publishedValue(item, item->objectName(), "ButtonType"), types[i]);
            QCOMPARE(item->property("Top").toInt(), 4);
            QCOMPARE(item->property("Transparent").toBool(), false);
            QCOMPARE(publishedValue(item, item->objectName(), "UIStyle"), QStringLiteral("MacOS"));
        }
        TzynTitleBarSections *sections = form->zynForm1->TitleBarSections();
        QCOMPARE(sections->Count(), 3);
        const QStringList aligns { "zynLeft", "zynRight", "zynClient" };
        for (int i = 0; i < 3; ++i) {
            QObject *item = sections->Items(i);
            QCOMPARE(publishedValue(item, item->objectName(), "Align"), aligns[i]);
            QCOMPARE(item->property("AutoSize").toBool(), i < 2);
            QCOMPARE(item->property("Stretch").toBool(), i == 2);
        }
    }

    void programIconIsARowOfBooks()
    {
        // MAINICON: 32 x 32 and 16 x 16, 16 colours (4 bits per pixel in the icon file).
        const QList<QSize> sizes = form->windowIcon().availableSizes();
        QVERIFY(sizes.contains(QSize(32, 32)));
        QVERIFY(sizes.contains(QSize(16, 16)));
        QFile ico(QStringLiteral(":/icons/MAINICON.ico"));
        QVERIFY(ico.open(QIODevice::ReadOnly));
        const QByteArray data = ico.readAll();
        const int count = quint8(data[4]) | quint8(data[5]) << 8;
        QCOMPARE(count, 2);
        for (int i = 0; i < count; ++i) {
            const char *entry = data.constData() + 6 + 16 * i;
            QCOMPARE(quint8(entry[2]), quint8(16)); // colours in the palette
            QCOMPARE(quint8(entry[6]), quint8(4)); // bits per pixel
        }
    }

    void treeAfterStartUp()
    {
        TTreeNodes *items = form->TreeView1->Items();
        QCOMPARE(items->Count(), 25);
        QVERIFY(form->TreeView1->selectedItems().isEmpty());
        QVERIFY(!form->TreeView1->Selected());
        // Nothing is marked either: no current entry drawn with the focus.
        QVERIFY2(!form->TreeView1->currentItem(),
            qPrintable(form->TreeView1->currentItem() ? form->TreeView1->currentItem()->text(0)
                                                      : QString()));
        for (int i = 0; i < items->Count(); ++i) {
            TTreeNode *node = items->Item(i);
            const QRect r = form->TreeView1->visualItemRect(node->item());
            QVERIFY2(!r.isEmpty() && form->TreeView1->viewport()->rect().contains(r),
                qPrintable(node->Text()));
        }
        // A click below the last entry, with nothing selected, does nothing.
        const QUrl before = form->WebBrowser1->url();
        QTest::mouseClick(form->TreeView1->viewport(), Qt::LeftButton, {},
            QPoint(40, form->TreeView1->viewport()->height() - 3));
        QVERIFY(!form->TreeView1->Selected());
        QCOMPARE(form->WebBrowser1->url(), before);
        QVERIFY(links.opened.isEmpty());
    }

    void treeIcons_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("selectedIcon");
        QTest::newRow("guide") << QStringLiteral("2014考试指南") << 7 << 0;
        QTest::newRow("summaries") << QStringLiteral("重点总结和考点精讲") << 1 << 0;
        QTest::newRow("chapter") << QStringLiteral("第一章：总论") << 0 << 5;
        QTest::newRow("exercises") << QStringLiteral("习题精练与模拟考试") << 2 << 0;
        QTest::newRow("paper") << QStringLiteral("历年真题和答案(八)") << 4 << 5;
        QTest::newRow("courses") << QStringLiteral("视频课程学习") << 10 << 0;
        QTest::newRow("consultation") << QStringLiteral("在线咨询") << 12 << 0;
        QTest::newRow("contact") << QStringLiteral("联系我们") << 9 << 0;
        QTest::newRow("exit") << QStringLiteral("退出") << 11 << 0;
    }

    void treeIcons()
    {
        QFETCH(QString, text);
        QFETCH(int, icon);
        QFETCH(int, selectedIcon);
        QCOMPARE(form->ImageList1->Count(), 13);
        QTreeWidgetItem *item = entry(text);
        QVERIFY(item);
        const QIcon shown = item->icon(0);
        QCOMPARE(
            shown.pixmap(16, 16, QIcon::Normal).toImage().convertToFormat(QImage::Format_ARGB32),
            form->ImageList1->image(icon));
        QCOMPARE(
            shown.pixmap(16, 16, QIcon::Selected).toImage().convertToFormat(QImage::Format_ARGB32),
            form->ImageList1->image(selectedIcon));
    }

    void treeEntries_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("action"); // page, link:<address>, nothing
        const QStringList pages = {
            QStringLiteral("2014考试指南"),
            QStringLiteral("第一章：总论"),
            QStringLiteral("第二章：会计要素与会计科目"),
            QStringLiteral("第三章：会计等式与复式记账"),
            QStringLiteral("第四章：会计凭证"),
            QStringLiteral("第五章：会计账簿"),
            QStringLiteral("第六章：账务处理程序"),
            QStringLiteral("第七章：财产清查"),
            QStringLiteral("第八章：财务会计报告"),
            QStringLiteral("第九章：会计档案"),
            QStringLiteral("第十章：主要经济业务事项账务处理"),
        };
        QTest::newRow("0") << pages[0] << "page";
        QTest::newRow("1 heading") << QStringLiteral("重点总结和考点精讲") << "nothing";
        for (int i = 1; i < pages.size(); ++i)
            QTest::newRow(qPrintable(QString::number(i + 1))) << pages[i] << "page";
        QTest::newRow("12 heading") << QStringLiteral("习题精练与模拟考试") << "nothing";
        const QString numbers = QStringLiteral("一二三四五六七八");
        for (int i = 0; i < numbers.size(); ++i)
            QTest::newRow(qPrintable(QString::number(13 + i)))
                << QStringLiteral("历年真题和答案(%1)").arg(numbers[i]) << "page";
        QTest::newRow("21 courses") << QStringLiteral("视频课程学习")
                                    << QStringLiteral("link:http://" GUIDE_LINK_HOST "/?@kjz2");
        QTest::newRow("22 consultation") << QStringLiteral(
            "在线咨询") << QStringLiteral("link:http://" GUIDE_LINK_HOST "/?@vtrbdq");
        QTest::newRow("23 contact") << QStringLiteral("联系我们") << "page";
    }

    void treeEntries()
    {
        QFETCH(QString, text);
        QFETCH(QString, action);
        const QUrl before = form->WebBrowser1->url();
        const int linksBefore = links.opened.size();
        QSignalSpy started(form->WebBrowser1, &QWebEngineView::loadStarted);
        QSignalSpy finished(form->WebBrowser1, &QWebEngineView::loadFinished);
        clickEntry(text);
        QCOMPARE(form->TreeView1->Selected()->Text(), text);
        if (action == QLatin1String("page")) {
            QTRY_COMPARE_WITH_TIMEOUT(form->WebBrowser1->url(), pageUrl(text), kLoadTimeout);
            QVERIFY(QFile::exists(ChapterPagePath(text)));
            QTRY_VERIFY_WITH_TIMEOUT(finished.count() >= 1, kLoadTimeout);
            QVERIFY(finished.last().first().toBool());
            // A second click on the selected entry asks for the page again.
            QSignalSpy again(form->WebBrowser1, &QWebEngineView::loadStarted);
            QSignalSpy finishedAgain(form->WebBrowser1, &QWebEngineView::loadFinished);
            clickEntry(text);
            QTRY_VERIFY_WITH_TIMEOUT(again.count() >= 1, kLoadTimeout);
            QTRY_VERIFY_WITH_TIMEOUT(finishedAgain.count() >= 1, kLoadTimeout);
            QCOMPARE(links.opened.size(), linksBefore);
        } else if (action.startsWith(QLatin1String("link:"))) {
            QCOMPARE(links.opened.size(), linksBefore + 1);
            QCOMPARE(links.opened.last(), action.mid(5));
            QCOMPARE(form->WebBrowser1->url(), before);
        } else {
            QTest::qWait(200);
            QCOMPARE(started.count(), 0);
            QCOMPARE(form->WebBrowser1->url(), before);
            QCOMPARE(links.opened.size(), linksBefore);
        }
    }

    void buttons_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("action");
        QTest::newRow("1") << 1 << "考试动态"
                           << "link:http://" GUIDE_LINK_HOST "/?@kjz";
        QTest::newRow("2") << 2 << "考试指南"
                           << "page:2014考试指南";
        QTest::newRow("3") << 3 << "视频课程"
                           << "link:http://" GUIDE_LINK_HOST "/?@kjz2";
        QTest::newRow("4") << 4 << "考试题库"
                           << "link:http://" GUIDE_LINK_HOST "/?@kjz2";
        QTest::newRow("5") << 5 << "模拟考场"
                           << "link:http://" GUIDE_LINK_HOST "/?@kjz2";
        QTest::newRow("6") << 6 << "论坛交流"
                           << "link:http://" GUIDE_LINK_HOST "/?@kjz";
        QTest::newRow("7") << 7 << "联系我们"
                           << "page:联系我们";
        QTest::newRow("8") << 8 << "在线咨询"
                           << "link:http://" GUIDE_LINK_HOST "/?@vtrbdq";
    }

    void buttons()
    {
        QFETCH(int, button);
        QFETCH(QString, caption);
        QFETCH(QString, action);
        TzynButton *b = form->zynButtons[button - 1];
        QCOMPARE(b->Caption(), caption);
        if (action.startsWith(QLatin1String("page:"))) {
            // Start elsewhere so that the page request is visible.
            form->WebBrowser1->Navigate(ChapterPagePath(QStringLiteral("第九章：会计档案")));
            QTRY_COMPARE_WITH_TIMEOUT(form->WebBrowser1->url(),
                pageUrl(QStringLiteral("第九章：会计档案")), kLoadTimeout);
            QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
            QTRY_COMPARE_WITH_TIMEOUT(
                form->WebBrowser1->url(), pageUrl(action.mid(5)), kLoadTimeout);
        } else {
            const int before = links.opened.size();
            // Twice: nothing is remembered between clicks.
            QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
            QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
            QCOMPARE(links.opened.size(), before + 2);
            QCOMPARE(links.opened.at(before), action.mid(5));
            QCOMPARE(links.opened.at(before + 1), action.mid(5));
        }
    }

    void logoShowsTheDecodedGif()
    {
        const TGraphic *logo = form->Image1->Picture()->graphic();
        QVERIFY(logo);
        QCOMPARE(QByteArray(logo->className()), QByteArray("TGIFImage"));
        QCOMPARE(QSize(logo->width(), logo->height()), QSize(180, 66));
        // Stretched over the whole control, whatever its width.
        QVERIFY(form->Image1->Stretch());
        QCOMPARE(form->Image1->destRect(), form->Image1->rect());
        QImage shot(form->Image1->size(), QImage::Format_RGB32);
        shot.fill(Qt::black);
        form->Image1->render(&shot);
        const QImage expected
            = logo->toImage().scaled(shot.size()).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shot.pixel(0, 0), expected.pixel(0, 0));
        QCOMPARE(shot.pixel(shot.width() - 1, shot.height() - 1), expected.pixel(0, 0));
        QVERIFY(shot != QImage(shot.size(), QImage::Format_RGB32));
    }

    void logoOpensHomePage()
    {
        const int before = links.opened.size();
        QTest::mouseClick(form->Image1, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(links.opened.size(), before + 1);
        // No path is added to the home page's address.
        QCOMPARE(links.opened.last(), QStringLiteral("http://" GUIDE_HOME_HOST));
        QCOMPARE(Links::homePage(), QStringLiteral("http://" GUIDE_HOME_HOST));
    }

    void rightClickOnPageIsSwallowed()
    {
        QTemporaryDir dir;
        QFile page(dir.filePath(QStringLiteral("page.htm")));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write(
            "<html><body style='margin:0;height:2000px'>"
            "<a id='next' href='next.htm' style='display:block;width:300px;height:80px'>next</a>"
            "<script>window.downs={0:0,1:0,2:0};window.menus=0;"
            "document.addEventListener('mousedown',e=>window.downs[e.button]++,true);"
            "document.addEventListener('contextmenu',e=>window.menus++,true);</script>"
            "</body></html>");
        page.close();
        QFile next(dir.filePath(QStringLiteral("next.htm")));
        QVERIFY(next.open(QIODevice::WriteOnly));
        next.write("<html><body>next page</body></html>");
        next.close();

        TWebBrowser *view = form->WebBrowser1;
        // The test's pages are shown as the guide's own.
        view->setLocalFolders({ ProgramDirectory() + QStringLiteral("data"), dir.path() });
        QSignalSpy loaded(view, &QWebEngineView::loadFinished);
        view->Navigate(page.fileName());
        QTRY_VERIFY_WITH_TIMEOUT(loaded.count() > 0, kLoadTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(runScript(view, QStringLiteral("typeof window.downs")).toString(),
            QStringLiteral("object"), kLoadTimeout);
        QWidget *input = inputWidget(view);
        QVERIFY(input);
        QVERIFY(input != view && view->isAncestorOf(input));

        // Right button: neither press, release nor context menu reach the page.
        const QPoint blank(200, 400);
        QTest::mouseClick(input, Qt::RightButton, {}, blank);
        QTest::qWait(500);
        QCOMPARE(runScript(view, QStringLiteral("window.downs[2]")).toInt(), 0);
        QCOMPARE(runScript(view, QStringLiteral("window.menus")).toInt(), 0);
        QVERIFY(!QApplication::activePopupWidget());
        QVERIFY(
            view->findChildren<QMenu *>().isEmpty() || !view->findChild<QMenu *>()->isVisible());
        QCOMPARE(view->url(), QUrl::fromLocalFile(page.fileName()));

        // Left button: reaches the page, and a link is followed.
        QTest::mouseClick(input, Qt::LeftButton, {}, blank);
        QTRY_COMPARE_WITH_TIMEOUT(
            runScript(view, QStringLiteral("window.downs[0]")).toInt(), 1, kLoadTimeout);
        QTest::mouseClick(input, Qt::LeftButton, {}, QPoint(50, 40));
        QTRY_COMPARE_WITH_TIMEOUT(view->url(), QUrl::fromLocalFile(next.fileName()), kLoadTimeout);
    }

    void rightClickOutsideThePageIsUntouched()
    {
        // The filter leaves the tree, the buttons and the page view's own widget alone.
        TMsg msg;
        bool handled = false;
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::RightButton,
            Qt::RightButton, Qt::NoModifier);
        for (QWidget *w : { static_cast<QWidget *>(form->TreeView1->viewport()),
                 static_cast<QWidget *>(form->zynButtons[0]),
                 static_cast<QWidget *>(form->WebBrowser1),
                 static_cast<QWidget *>(form->GroupBox1) }) {
            msg.receiver = w;
            msg.event = &press;
            handled = false;
            form->ApplicationEvents1Message(msg, handled);
            QVERIFY(!handled);
        }
        // Inside the page view: right press and context menu are taken, a right double-click
        // and a left press are not.
        msg.receiver = inputWidget(form->WebBrowser1);
        form->ApplicationEvents1Message(msg, handled);
        QVERIFY(handled);
        QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(5, 5), QPointF(5, 5), Qt::RightButton,
            Qt::RightButton, Qt::NoModifier);
        msg.event = &dbl;
        form->ApplicationEvents1Message(msg, handled);
        QVERIFY(!handled);
        QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
        msg.event = &menu;
        form->ApplicationEvents1Message(msg, handled);
        QVERIFY(handled);
        QMouseEvent left(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
            Qt::LeftButton, Qt::NoModifier);
        msg.event = &left;
        form->ApplicationEvents1Message(msg, handled);
        QVERIFY(!handled);

        // A real right-click on the tree selects nothing (the desktop's tree selects with the
        // left button only) and opens nothing.
        const int before = links.opened.size();
        TTreeNode *selected = form->TreeView1->Selected();
        clickEntry(QStringLiteral("在线咨询"), Qt::RightButton);
        QCOMPARE(form->TreeView1->Selected(), selected);
        QCOMPARE(links.opened.size(), before);
    }

    void anchorsFollowTheFrame()
    {
        // Measured against the frame's design size 981 x 632: the tree stretches down, the
        // group box both ways, the logo to the right, the buttons stay.
        TzynForm *frame = form->zynForm1;
        const QSize size = frame->size();
        const int dw = size.width() - 981;
        const int dh = size.height() - 632;
        QCOMPARE(form->TreeView1->geometry(), QRect(8, 107, 267, 518 + dh));
        QCOMPARE(form->GroupBox1->geometry(), QRect(282, 107, 692 + dw, 519 + dh));
        QCOMPARE(form->Image1->geometry(), QRect(830, 31, 144 + dw, 67));
        QCOMPARE(form->WebBrowser1->geometry(), QRect(QPoint(0, 0), form->GroupBox1->size()));
        const int lefts[] = { 8, 110, 213, 316, 419, 522, 625, 728 };
        for (int i = 0; i < 8; ++i)
            QCOMPARE(form->zynButtons[i]->geometry(), QRect(lefts[i], 28, 96, 73));
    }

    void exitEntryClosesTheWindow()
    {
        // That the program then ends with code 0 is shown by tst_startdir's copied program.
        clickEntry(QStringLiteral("退出"));
        QTRY_VERIFY(!form->isVisible());
    }
};

int main(int argc, char *argv[])
{
    PrepareProcess();
    TApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    InitializeApplication(app);
    TestMainWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwindow.moc"
