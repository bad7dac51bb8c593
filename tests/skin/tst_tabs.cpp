// The tab control, the page control and their sheets: tab widths and clicks on the strip,
// OnChanging asked for clicks only, hidden tabs, pages joining and leaving with renumbering,
// hiding the shown page, the WinXP strip and body, the style handed on to the contents, and a
// page control loaded from a layout in the order its "Pages" names.

#include "Exception.h"
#include "SkinClasses.h"
#include "TFont.h"
#include "TForm.h"
#include "TLayoutLoader.h"
#include "TzynButton.h"
#include "TzynPageControl.h"
#include "TzynTabControl.h"
#include "TzynTabControlTopPanel.h"
#include "TzynTabSheet.h"

#include <QSignalSpy>
#include <QtTest>

using S = TzynUIStyle;
using Strip = TzynTabControlTopPanel;

namespace {

QImage shot(QWidget *w)
{
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QRgb rgb(TColor c)
{
    return ColorToRGB(c) | 0xFF000000u;
}

// The left edge of each tab as the strip lays them out.
QList<int> tabLefts(TzynTab *tab)
{
    const Strip *strip = tab->Strip();
    QList<int> lefts;
    int x = strip->LeftMargin();
    const QList<int> widths = Strip::TabWidths(
        strip->Tabs(),
        [&] {
            QList<bool> v;
            for (int i = 0; i < strip->Tabs().size(); ++i)
                v << strip->TabVisible(i);
            return v;
        }(),
        QFontMetrics(tab->TabFont()->toQFont()));
    for (int w : widths) {
        lefts << x;
        x += w;
    }
    return lefts;
}

TzynTabSheet *addSheet(TzynPageControl *control, const QString &caption)
{
    auto *sheet = new TzynTabSheet(control);
    sheet->setCaption(caption);
    return sheet;
}

} // namespace

class TabTestForm : public TForm {
    Q_OBJECT
public:
    using TForm::TForm;
};

class tst_Tabs : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void tabWidths();
    void clicksHitStrictlyInsideATab();
    void onChangingIsAskedForClicksOnly();
    void hiddenTabTakesNoRoom();
    void stripKeepsAtMost64Tabs();
    void winXPStripAndWhiteBody();
    void pagesJoinAndLeaveWithRenumbering();
    void pageIndexAndCaptionRebuildTheTabs();
    void hidingTheShownPage();
    void clickOnATabShowsItsPage();
    void styleReachesTheContents();
    void pagesFollowTheTabRowAfterAStyleChange();
    void tabsThatDoNotFitScrollByTheArrows();
    void loadsPagesInTheOrderNamed();
    void sheetRefusesAPageControlInsideItself();
};

void tst_Tabs::initTestCase()
{
    TLayoutLoader::registerFrameworkClasses();
    registerSkinClasses();
    TLayoutLoader::registerClass<TabTestForm>(QStringLiteral("TabTestForm"));
}

void tst_Tabs::tabWidths()
{
    const QFont font = TFont().toQFont();
    const QFontMetrics metrics(font);
    const QList<int> widths
        = Strip::TabWidths({ "Alpha", "", "i", "Beta" }, { true, true, true, false }, metrics);
    QCOMPARE(widths.size(), 4);
    QCOMPARE(widths[0], metrics.horizontalAdvance(QStringLiteral("Alpha")) + 20);
    QCOMPARE(widths[1], 80);
    QCOMPARE(widths[2], std::max(15, metrics.horizontalAdvance(QStringLiteral("i")) + 20));
    QCOMPARE(widths[3], 0);
}

void tst_Tabs::clicksHitStrictlyInsideATab()
{
    QCOMPARE(Strip::TabAt({ 11, 5 }, 10, { 40, 50 }, 17), 0);
    QCOMPARE(Strip::TabAt({ 10, 5 }, 10, { 40, 50 }, 17), -1); // the left edge itself
    QCOMPARE(Strip::TabAt({ 50, 5 }, 10, { 40, 50 }, 17), -1); // between two tabs
    QCOMPARE(Strip::TabAt({ 51, 5 }, 10, { 40, 50 }, 17), 1);
    QCOMPARE(Strip::TabAt({ 30, 0 }, 10, { 40, 50 }, 17), -1); // top row
    QCOMPARE(Strip::TabAt({ 30, 17 }, 10, { 40, 50 }, 17), -1); // the tab line
    QCOMPARE(Strip::TabAt({ 30, 16 }, 10, { 40, 50 }, 17), 0);
    // Only the first 63 tabs are clickable.
    const QList<int> many(64, 10);
    QCOMPARE(Strip::TabAt({ 10 + 62 * 10 + 5, 5 }, 10, many, 17), 62);
    QCOMPARE(Strip::TabAt({ 10 + 63 * 10 + 5, 5 }, 10, many, 17), -1);
}

void tst_Tabs::onChangingIsAskedForClicksOnly()
{
    QWidget form;
    form.resize(400, 200);
    auto *tabs = new TzynTabControl(&form);
    tabs->setGeometry(0, 0, 300, 100);
    tabs->setTabs({ "One", "Two", "Three" });
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    bool allow = false;
    int asked = 0;
    connect(tabs, &TzynTab::OnChanging, [&](QObject *, bool &AllowChange) {
        ++asked;
        AllowChange = allow;
    });
    QSignalSpy active(tabs, &TzynTab::OnTabActive);
    QSignalSpy changed(tabs, &TzynTab::OnChange);

    const QList<int> lefts = tabLefts(tabs);
    const QPoint onTwo(lefts[1] + 5, 5);
    QTest::mouseClick(tabs->Strip(), Qt::LeftButton, {}, onTwo);
    QCOMPARE(asked, 1);
    QCOMPARE(tabs->TabIndex(), 0);
    QCOMPARE(active.count(), 0);
    QCOMPARE(changed.count(), 0);

    // A program's own change is not asked about.
    tabs->setTabIndex(2);
    QCOMPARE(asked, 1);
    QCOMPARE(tabs->TabIndex(), 2);
    QCOMPARE(active.count(), 1);
    QCOMPARE(active.at(0).at(1).toInt(), 2);
    QCOMPARE(changed.count(), 1);

    allow = true;
    QTest::mouseClick(tabs->Strip(), Qt::RightButton, {}, onTwo); // any button selects
    QCOMPARE(asked, 2);
    QCOMPARE(tabs->TabIndex(), 1);
    QCOMPARE(changed.count(), 2);

    // Out of range only repaints; -1 selects nothing.
    tabs->setTabIndex(7);
    QCOMPARE(tabs->TabIndex(), 1);
    tabs->setTabIndex(-1);
    QCOMPARE(tabs->TabIndex(), -1);
    tabs->setTabs({});
    tabs->setTabIndex(0);
    QCOMPARE(tabs->TabIndex(), -1);
}

void tst_Tabs::hiddenTabTakesNoRoom()
{
    QWidget form;
    form.resize(400, 200);
    auto *tabs = new TzynTabControl(&form);
    tabs->setGeometry(0, 0, 300, 100);
    tabs->setTabs({ "One", "Two", "Three" });
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QList<int> before = tabLefts(tabs);
    tabs->Strip()->setTabVisible(1, false);
    const QList<int> after = tabLefts(tabs);
    QCOMPARE(after[2], before[1]);
    // A click where the hidden tab was selects the one that moved there.
    QTest::mouseClick(tabs->Strip(), Qt::LeftButton, {}, QPoint(before[1] + 3, 5));
    QCOMPARE(tabs->TabIndex(), 2);
    shot(tabs);
    QCOMPARE(tabs->Strip()->TabWidth(1), 0);
}

void tst_Tabs::stripKeepsAtMost64Tabs()
{
    QWidget form;
    auto *tabs = new TzynTabControl(&form);
    QStringList many;
    for (int i = 0; i < 70; ++i)
        many << QString::number(i);
    tabs->setTabs(many);
    QCOMPARE(tabs->Tabs().size(), 64);
    tabs->setTabIndex(63);
    QCOMPARE(tabs->TabIndex(), 63);
    shot(tabs);
    QCOMPARE(tabs->Strip()->TabWidth(62) > 0, true);
    QCOMPARE(tabs->Strip()->TabWidth(63), -1); // never measured, never clicked

    auto *pages = new TzynPageControl(&form);
    for (int i = 0; i < 64; ++i)
        addSheet(pages, QString::number(i));
    QVERIFY_THROWS_EXCEPTION(Exception, new TzynTabSheet(pages));
    QCOMPARE(pages->PageCount(), 64);
}

void tst_Tabs::winXPStripAndWhiteBody()
{
    QWidget form;
    auto *tabs = new TzynTabControl(&form);
    tabs->setGeometry(0, 0, 200, 80);
    tabs->setUIStyle(S::WinXP);
    QCOMPARE(tabs->Strip()->height(), 19);
    QCOMPARE(tabs->Color(), TColor(0xFFFFFF));
    const TColor border = GetThemeColor(S::WinXP, TzynThemeEntry::ControlBorderColor);
    QCOMPARE(tabs->BorderColor(), border);
    const QImage image = shot(tabs);
    const QRgb white = qRgb(0xFF, 0xFF, 0xFF);
    QCOMPARE(image.pixel(100, 40), white);
    QCOMPARE(image.pixel(1, 19), white);
    // The body's frame: left, bottom and right, no top line.
    for (int y = 19; y < 80; ++y) {
        QCOMPARE(image.pixel(0, y), rgb(border));
        QCOMPARE(image.pixel(199, y), rgb(border));
    }
    for (int x = 0; x < 200; ++x)
        QCOMPARE(image.pixel(x, 79), rgb(border));

    // Custom is ignored; the other styles take their strip height.
    tabs->setUIStyle(S::Custom);
    QCOMPARE(tabs->UIStyle(), S::WinXP);
    tabs->setUIStyle(S::MacOS);
    QCOMPARE(tabs->Strip()->height(), 34);
    QCOMPARE(tabs->Color(), GetThemeColor(S::MacOS, TzynThemeEntry::ControlColor));
    tabs->setUIStyle(S::Protein);
    QCOMPARE(tabs->Strip()->height(), 22);
}

void tst_Tabs::pagesJoinAndLeaveWithRenumbering()
{
    QWidget form;
    form.resize(400, 300);
    auto *pages = new TzynPageControl(&form);
    pages->setGeometry(0, 0, 300, 200);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(pages->PageCount(), 0);
    QCOMPARE(pages->Strip()->TabIndex(), -1);

    QSignalSpy changed(pages, &TzynTab::OnChange);
    auto *a = addSheet(pages, QStringLiteral("A"));
    auto *b = addSheet(pages, QStringLiteral("B"));
    auto *c = addSheet(pages, QStringLiteral("C"));
    QCOMPARE(pages->PageCount(), 3);
    QCOMPARE(a->PageIndex(), 0);
    QCOMPARE(c->PageIndex(), 2);
    QCOMPARE(pages->Strip()->Tabs(), QStringList({ "A", "B", "C" }));
    // The newest page is shown, over the whole body below the strip.
    QCOMPARE(pages->ActivePage(), c);
    QVERIFY(c->isVisible() && !a->isVisible() && !b->isVisible());
    QCOMPARE(
        c->geometry(), QRect(0, pages->Strip()->height(), 300, 200 - pages->Strip()->height()));
    QCOMPARE(pages->Color(), c->Color());
    QCOMPARE(pages->BorderColor(), c->BorderColor());

    // One OnShow and one OnChange per activation.
    QSignalSpy shown(a, &TzynTabSheet::OnShow);
    changed.clear();
    pages->setActivePage(a);
    QCOMPARE(shown.count(), 1);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(pages->CurrentTabIndex(), 0);

    // Removing the middle page renumbers and shows the page before it.
    delete b;
    QCOMPARE(pages->PageCount(), 2);
    QCOMPARE(c->PageIndex(), 1);
    QCOMPARE(pages->Strip()->Tabs(), QStringList({ "A", "C" }));
    QCOMPARE(pages->ActivePage(), a);

    // Removing the first page shows the new first page, not an empty body.
    a->setParent(&form);
    QCOMPARE(a->PageIndex(), -1);
    QCOMPARE(pages->ActivePage(), c);
    QCOMPARE(c->PageIndex(), 0);
    QVERIFY(c->isVisible());

    // Moving a sheet onto the control through its PageControl property adds it last.
    a->setPageControl(pages);
    QCOMPARE(a->parentWidget(), pages);
    QCOMPARE(a->PageIndex(), 1);
    QCOMPARE(pages->ActivePage(), a);

    delete c;
    delete a;
    QCOMPARE(pages->PageCount(), 0);
    QCOMPARE(pages->ActivePage(), nullptr);
    QCOMPARE(pages->Strip()->Tabs(), QStringList());
}

void tst_Tabs::pageIndexAndCaptionRebuildTheTabs()
{
    QWidget form;
    auto *pages = new TzynPageControl(&form);
    auto *a = addSheet(pages, QStringLiteral("A"));
    auto *b = addSheet(pages, QStringLiteral("B"));
    auto *c = addSheet(pages, QStringLiteral("C"));
    c->setPageIndex(0);
    QCOMPARE(pages->Strip()->Tabs(), QStringList({ "C", "A", "B" }));
    QCOMPARE(a->PageIndex(), 1);
    QCOMPARE(pages->ActivePage(), c);
    b->setPageIndex(5); // outside: kept
    QCOMPARE(b->PageIndex(), 2);
    b->setPageIndex(-1);
    QCOMPARE(b->PageIndex(), 2);
    a->setCaption(QStringLiteral("Alpha"));
    QCOMPARE(pages->Strip()->Tabs(), QStringList({ "C", "Alpha", "B" }));
    QCOMPARE(pages->PageNames().size(), 3);
    // Showing a sheet as a child is activating it.
    b->show();
    QCOMPARE(pages->ActivePage(), b);
    QCOMPARE(pages->CurrentTabIndex(), 2);
}

void tst_Tabs::hidingTheShownPage()
{
    QWidget form;
    auto *pages = new TzynPageControl(&form);
    auto *a = addSheet(pages, QStringLiteral("A"));
    auto *b = addSheet(pages, QStringLiteral("B"));
    auto *c = addSheet(pages, QStringLiteral("C"));

    // The nearest visible page before it.
    a->setTabVisible(false);
    QCOMPARE(pages->ActivePage(), c); // hiding another tab moves nothing
    QVERIFY(!pages->Strip()->TabVisible(0));
    c->setTabVisible(false);
    QCOMPARE(pages->ActivePage(), b);
    // None visible before it: the first visible one after it.
    c->setTabVisible(true);
    QCOMPARE(pages->ActivePage(), c);
    pages->setActivePage(b);
    b->setTabVisible(false);
    QCOMPARE(pages->ActivePage(), c);
    // Hiding the only visible page leaves the active page as it was, shown.
    QSignalSpy changes(pages, &TzynTab::OnChange);
    c->setTabVisible(false);
    QCOMPARE(pages->ActivePage(), c);
    QVERIFY(c->isVisibleTo(pages));
    QCOMPARE(pages->CurrentTabIndex(), 2);
    QVERIFY(!pages->Strip()->TabVisible(2));
    QCOMPARE(changes.count(), 0);
    // Showing a tab shows its page.
    a->setTabVisible(true);
    QCOMPARE(pages->ActivePage(), a);
    QVERIFY(a->isVisibleTo(pages));
    QVERIFY(!c->isVisibleTo(pages));
}

void tst_Tabs::clickOnATabShowsItsPage()
{
    QWidget form;
    form.resize(400, 300);
    auto *pages = new TzynPageControl(&form);
    pages->setGeometry(0, 0, 300, 200);
    auto *a = addSheet(pages, QStringLiteral("First"));
    auto *b = addSheet(pages, QStringLiteral("Second"));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QSignalSpy shownA(a, &TzynTabSheet::OnShow);
    QTest::mouseClick(pages->Strip(), Qt::LeftButton, {}, QPoint(tabLefts(pages)[0] + 4, 6));
    QCOMPARE(pages->ActivePage(), a);
    QCOMPARE(shownA.count(), 1);
    QVERIFY(a->isVisible() && !b->isVisible());
}

void tst_Tabs::styleReachesTheContents()
{
    QWidget form;
    auto *tabs = new TzynTabControl(&form);
    auto *onTabs = new TzynButton(tabs);
    auto *custom = new TzynButton(tabs);
    custom->setUIStyle(S::Custom);
    auto *pages = new TzynPageControl(&form);
    auto *sheet = addSheet(pages, QStringLiteral("P"));
    auto *onPage = new TzynButton(sheet);

    tabs->setUIStyle(S::WinXP);
    QCOMPARE(onTabs->UIStyle(), S::WinXP);
    QCOMPARE(custom->UIStyle(), S::Custom);

    pages->setUIStyle(S::Protein);
    QCOMPARE(onPage->UIStyle(), S::Protein);
    QCOMPARE(sheet->Color(), pages->Color());
    QCOMPARE(sheet->BorderColor(), GetThemeColor(S::Protein, TzynThemeEntry::ControlBorderColor));

    // Custom is not passed on.
    pages->setUIStyle(S::Custom);
    QCOMPARE(onPage->UIStyle(), S::Protein);

    pages->setBorderColor(Colors::clRed);
    QCOMPARE(sheet->BorderColor(), Colors::clRed);
    pages->setColor(Colors::clYellow);
    QCOMPARE(sheet->Color(), Colors::clYellow);
}

// The tab row's height differs between styles (34 in MacOS, 19 in WinXP, 22 elsewhere): the
// shown page starts right under it, whichever style came before, without a tab being clicked.
void tst_Tabs::pagesFollowTheTabRowAfterAStyleChange()
{
    const QList<S> styles { S::DeepBlue, S::MacOS, S::WinXP, S::MacOS, S::Protein, S::WinXP,
        S::BlueGlass, S::DeepBlue };
    for (bool shown : { false, true }) {
        QWidget form;
        form.resize(400, 300);
        auto *pages = new TzynPageControl(&form);
        pages->setGeometry(0, 0, 300, 200);
        auto *a = addSheet(pages, QStringLiteral("First"));
        addSheet(pages, QStringLiteral("Second"));
        pages->setActivePage(a);
        if (shown) {
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
        }
        for (S style : styles) {
            pages->setUIStyle(style);
            const int row = GetThemeInt(style, TzynThemeEntry::TabHeight);
            QCOMPARE(pages->Strip()->height(), row);
            QVERIFY2(a->geometry() == QRect(0, row, 300, 200 - row),
                qPrintable(QStringLiteral("%1 %2: page at %3,%4 %5x%6")
                               .arg(shown ? "shown" : "hidden")
                               .arg(int(style))
                               .arg(a->x())
                               .arg(a->y())
                               .arg(a->width())
                               .arg(a->height())));
        }
    }
}

// Tabs wider than the strip: two arrow buttons at its right end scroll the row a tab at a
// time, so that a click reaches every page; the row never scrolls past its last tab, a page
// chosen in code is brought into view, and a strip wide enough shows no arrows.
void tst_Tabs::tabsThatDoNotFitScrollByTheArrows()
{
    QWidget form;
    form.resize(400, 300);
    auto *pages = new TzynPageControl(&form);
    pages->setUIStyle(S::WinXP);
    pages->setGeometry(0, 0, 200, 150);
    QList<TzynTabSheet *> sheets;
    for (int i = 0; i < 8; ++i)
        sheets << addSheet(pages, QStringLiteral("Page %1").arg(i));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    Strip *strip = pages->Strip();
    QVERIFY(strip->TabsOverflow());
    const QRect back = strip->ScrollArrowRect(0), forth = strip->ScrollArrowRect(1);
    QVERIFY(!back.isEmpty() && !forth.isEmpty());
    // Side by side at the right end, inside the tab row.
    QCOMPARE(back.right() + 1, forth.left());
    QCOMPARE(forth.right(), strip->width() - 3);
    QVERIFY(back.top() >= 0 && back.bottom() < strip->StripHeight());

    // The last page was activated when it joined: it is in view, the row scrolled to its end.
    QCOMPARE(pages->ActivePage(), sheets[7]);
    const int last = strip->FirstTab();
    QVERIFY(last > 0);
    // The arrow towards the end can go no further.
    QTest::mouseClick(strip, Qt::LeftButton, {}, forth.center());
    QCOMPARE(strip->FirstTab(), last);
    // Back to the start, a click per tab; then one more changes nothing.
    for (int i = last; i > 0; --i) {
        QTest::mouseClick(strip, Qt::LeftButton, {}, back.center());
        QCOMPARE(strip->FirstTab(), i - 1);
    }
    QTest::mouseClick(strip, Qt::LeftButton, {}, back.center());
    QCOMPARE(strip->FirstTab(), 0);
    QCOMPARE(pages->ActivePage(), sheets[7]);

    // Every page is reachable by the mouse: scroll until its tab shows whole, click it.
    const QList<int> widths = Strip::TabWidths(
        strip->Tabs(), QList<bool>(8, true), QFontMetrics(pages->TabFont()->toQFont()));
    for (int target : { 7, 0, 5 }) {
        const auto leftOf = [&] {
            int x = strip->LeftMargin();
            for (int i = strip->FirstTab(); i < target; ++i)
                x += widths[i];
            return target < strip->FirstTab() ? -1 : x;
        };
        int guard = 0;
        while (leftOf() < 0 || leftOf() + widths[target] > back.left() - 2) {
            QTest::mouseClick(strip, Qt::LeftButton, {}, (leftOf() < 0 ? back : forth).center());
            QVERIFY(++guard < 10);
        }
        QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(leftOf() + widths[target] / 2, 8));
        QCOMPARE(pages->ActivePage(), sheets[target]);
    }
    // A click on a tab's part under the arrows selects nothing.
    const int before = pages->CurrentTabIndex();
    strip->ScrollTabs(-10);
    QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(back.left() - 1, 8));
    QCOMPARE(pages->CurrentTabIndex(), before);

    // A page chosen in code is brought into view.
    pages->setActivePage(sheets[6]);
    int right = strip->LeftMargin();
    for (int i = strip->FirstTab(); i <= 6; ++i)
        right += widths[i];
    QVERIFY(strip->FirstTab() > 0 && right <= back.left() - 2);

    // The arrows are drawn in the style's colours: the control colour framed in the border's.
    const QImage image = shot(strip);
    QCOMPARE(image.pixel(QPoint(forth.center().x(), forth.bottom())), rgb(pages->BorderColor()));
    QCOMPARE(image.pixel(forth.topLeft() + QPoint(1, 1)), rgb(strip->Color()));

    // Wide enough: no arrows, the row back at its first tab.
    pages->setGeometry(0, 0, 1200, 150);
    QVERIFY(!strip->TabsOverflow());
    QVERIFY(strip->ScrollArrowRect(0).isEmpty());
    QCOMPARE(strip->FirstTab(), 0);
}

void tst_Tabs::loadsPagesInTheOrderNamed()
{
    TabTestForm form;
    TLayoutLoader().loadFromText(&form, QStringLiteral(R"(
object Form1: TabTestForm
  Width = 400
  Height = 300
  object PageControl1: TzynPageControl
    Left = 0
    Top = 0
    Width = 300
    Height = 200
    ActivePage = Second
    Pages = ('Second' 'First' 'Third')
    UIStyle = WinXP
    object First: TzynTabSheet
      PageControl = PageControl1
      Caption = 'One'
    end
    object Second: TzynTabSheet
      PageControl = PageControl1
      Caption = 'Two'
      TabVisible = False
    end
    object Third: TzynTabSheet
      PageControl = PageControl1
      Caption = 'Three'
    end
  end
end
)"),
        QStringLiteral("pages.layout"));
    auto *pages = form.findChild<TzynPageControl *>(QStringLiteral("PageControl1"));
    QVERIFY(pages);
    QCOMPARE(pages->PageCount(), 3);
    QCOMPARE(pages->PageNames(), QStringList({ "Second", "First", "Third" }));
    QCOMPARE(pages->Strip()->Tabs(), QStringList({ "Two", "One", "Three" }));
    QCOMPARE(pages->Page(0)->objectName(), QStringLiteral("Second"));
    QCOMPARE(pages->Page(1)->PageIndex(), 1);
    QVERIFY(!pages->Strip()->TabVisible(0));
    QVERIFY(pages->Strip()->TabVisible(1));
    QCOMPARE(pages->ActivePage()->objectName(), QStringLiteral("Second"));
    QCOMPARE(pages->CurrentTabIndex(), 0);
    QCOMPARE(pages->Page(1)->Color(), TColor(0xFFFFFF));

    // Once loaded, tab changes are reported again.
    QSignalSpy changed(pages, &TzynTab::OnChange);
    pages->setActivePage(pages->Page(2));
    QCOMPARE(changed.count(), 1);

    // Names that do not match the pages in number leave the order alone.
    TabTestForm other;
    TLayoutLoader().loadFromText(&other, QStringLiteral(R"(
object Form1: TabTestForm
  object PageControl1: TzynPageControl
    Pages = ('B')
    object A: TzynTabSheet
      Caption = 'A'
    end
    object B: TzynTabSheet
      Caption = 'B'
    end
  end
end
)"),
        QStringLiteral("short.layout"));
    auto *two = other.findChild<TzynPageControl *>(QStringLiteral("PageControl1"));
    QCOMPARE(two->PageNames(), QStringList({ "A", "B" }));
}

// A sheet moved onto a page control inside itself made the widget tree a loop, and
// QWidget::window() never returned.
void tst_Tabs::sheetRefusesAPageControlInsideItself()
{
    TabTestForm form;
    auto *outer = new TzynPageControl(&form);
    TzynTabSheet *sheet = addSheet(outer, QStringLiteral("S"));
    auto *inner = new TzynPageControl(sheet);
    inner->setObjectName(QStringLiteral("Inner"));
    QVERIFY_THROWS_EXCEPTION(Exception, sheet->setPageControl(inner));
    QCOMPARE(sheet->PageControl(), outer);
    QCOMPARE(sheet->parentWidget(), outer);
    QCOMPARE(sheet->window(), &form);

    TabTestForm loaded;
    try {
        TLayoutLoader().loadFromText(&loaded, QStringLiteral(R"(object Form1: TabTestForm
  object Panel1: TzynPageControl
    object Sheet1: TzynTabSheet
      PageControl = Inner1
      object Inner1: TzynPageControl
      end
    end
  end
end
)"),
            QStringLiteral("loop.layout"));
        QFAIL("accepted");
    } catch (const ELayoutError &error) {
        QCOMPARE(error.message(),
            QStringLiteral("loop.layout:4: Sheet1.PageControl: A tab sheet cannot be a page of "
                           "Inner1, which lies inside the sheet"));
    }
}

QTEST_MAIN(tst_Tabs)
#include "tst_tabs.moc"
