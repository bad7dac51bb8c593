// Search over every page without the page view: how a page's source becomes searchable text,
// how a student's typing is matched, what a search over a folder of pages finds and in which
// order, and the results page made from it. Pages are small files written by the test.

#include "GuidePageText.h"
#include "GuideSearchIndex.h"
#include "GuideSearchPage.h"
#include "GuideText.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
int count(const QString &text, const QString &query)
{
    GuideText t;
    t.append(text);
    t.finish();
    return int(t.find(GuideText::fold(query)).size());
}

QString pageText(const QString &html)
{
    QString plain = GuidePageText::fromHtml(html).text().plain();
    plain.replace(QChar(GuideText::kBreak), u'|');
    return plain.simplified();
}

void writePage(const QTemporaryDir &dir, const QString &name, const QString &body)
{
    QFile file(dir.filePath(name + QStringLiteral(".htm")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("<!DOCTYPE html><html><head><title>%1</title></head><body>%2"
                              "</body></html>")
                   .arg(name, body)
                   .toUtf8());
}
} // namespace

class TestGuideSearch : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void matchesAsAStudentTypes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("query");
        QTest::addColumn<int>("hits");
        QTest::newRow("one Chinese character") << "借方和贷方，借记"
                                               << "借" << 2;
        QTest::newRow("thousands separator in the page") << "银行存款 1,000 元"
                                                         << "1000" << 1;
        QTest::newRow("thousands separator in the query") << "银行存款 1000 元"
                                                          << "1,000" << 1;
        QTest::newRow("full-width digits and comma") << "共１，０００元"
                                                     << "1000" << 1;
        QTest::newRow("full-width query") << "除9法"
                                          << "除９法" << 1;
        QTest::newRow("case and full-width letters") << "ＶＡＴ and vat"
                                                     << "Vat" << 2;
        QTest::newRow("millions") << "12,345,678"
                                  << "12345678" << 1;
        QTest::newRow("a number is whole: not inside a larger one") << "10,000 和 21000"
                                                                    << "1000" << 0;
        QTest::newRow("a number is whole: not the start of one") << "10001"
                                                                 << "1000" << 0;
        QTest::newRow("a number ends at a space") << "第 2 1000 元"
                                                  << "1000" << 1;
        QTest::newRow("a decimal part does not continue it") << "1,000.50"
                                                             << "1000" << 1;
        QTest::newRow("a comma in a list is no separator") << "1,2,3"
                                                           << "123" << 0;
        QTest::newRow("four digits after a comma is no separator") << "1,0000"
                                                                   << "10000" << 0;
        QTest::newRow("white space is ignored") << "固定资产 处置"
                                                << "固定 资产处置" << 1;
        QTest::newRow("blank query finds nothing") << "会计"
                                                   << "   " << 0;
        QTest::newRow("matches do not overlap") << "aaaa"
                                                << "aa" << 2;
    }

    void matchesAsAStudentTypes()
    {
        QFETCH(QString, text);
        QFETCH(QString, query);
        QFETCH(int, hits);
        QCOMPARE(count(text, query), hits);
    }

    void noMatchAcrossBlocks()
    {
        GuideText text;
        text.append(u"固定资产");
        text.appendBreak();
        text.append(u"处置");
        text.finish();
        QVERIFY(text.find(GuideText::fold(u"固定资产处置")).isEmpty());
        QCOMPARE(text.find(GuideText::fold(u"处置")).size(), 1);
    }

    void matchKnowsWhereItIsWritten()
    {
        GuideText text;
        text.append(u"收到  1,000 元");
        text.finish();
        const QList<GuideText::Match> found = text.find(GuideText::fold(u"1000元"));
        QCOMPARE(found.size(), 1);
        QCOMPARE(text.plain().mid(found[0].plainStart, found[0].plainEnd - found[0].plainStart),
            QStringLiteral("1,000 元"));
    }

    void pageSourceBecomesReadingText()
    {
        // Markup goes, inline elements join, blocks part, references are decoded.
        QCOMPARE(pageText(QStringLiteral("<p>固定<strong>资产</strong>&amp;&#x4E00;&#20108;"
                                         "&nbsp;&unknown;</p><p>b</p>")),
            QStringLiteral("|固定资产&一二 &unknown;|b|"));
        // What is not reading matter is left out.
        const QString skipped = pageText(QStringLiteral(
            "<head><title>题目</title><style>p{}</style></head>"
            "<nav class=toc><a href='#s1'>目录甲</a></nav><!-- 注释 -->"
            "<p>正文</p><script>var s = '<p>脚本</p>';</script><noscript>无脚本</noscript>"
            "<details class=ans><summary>答案与解析</summary><p>解析正文</p></details>"
            "<button>核对本题</button><p hidden>隐藏</p><p hidden=until-found>可找到</p>"
            "<footer>页脚</footer>"));
        for (const char *absent : { "题目", "目录甲", "注释", "脚本", "无脚本", "答案与解析",
                 "核对本题", "隐藏", "页脚", "p{}" })
            QVERIFY2(!skipped.contains(QString::fromUtf8(absent)), absent);
        for (const char *present : { "正文", "解析正文", "可找到" })
            QVERIFY2(skipped.contains(QString::fromUtf8(present)), present);
        // Tolerant of what browsers tolerate: a stray "<", an unclosed element, a stray end tag.
        QCOMPARE(pageText(QStringLiteral("<p>a < b</span><div>c")), QStringLiteral("|a < b|c|"));
    }

    void placesAndLabels()
    {
        const GuidePageText page = GuidePageText::fromHtml(QStringLiteral(
            "<header><h1>练习卷</h1><p>甲材料</p></header>"
            "<form id=paper><h2>一、单项选择题</h2>"
            "<div class=q id=q1><p>1. 甲材料的成本</p></div>"
            "<div class=q id=q12><p>12. 甲材料入库</p><details><summary>答案</summary>"
            "<p>甲材料解析</p></details></div>"
            "<h3>案例一</h3><p>甲材料资料</p></form>"));
        const QString &plain = page.text().plain();
        auto at = [&](const QString &text, int nth) {
            qsizetype from = -1;
            for (int i = 0; i <= nth; ++i)
                from = plain.indexOf(text, from + 1);
            return int(from);
        };
        const QString material = QStringLiteral("甲材料");
        QCOMPARE(page.anchorAt(at(material, 0)), QString());
        QCOMPARE(page.labelAt(at(material, 0)), QString());
        QCOMPARE(page.anchorAt(at(material, 1)), QStringLiteral("q1"));
        QCOMPARE(page.labelAt(at(material, 1)), QStringLiteral("第 1 题"));
        QCOMPARE(page.anchorAt(at(material, 3)), QStringLiteral("q12"));
        QCOMPARE(page.labelAt(at(material, 3)), QStringLiteral("第 12 题"));
        // After a question has ended, the heading last begun names the place; the page opens
        // after the last element with an id.
        QCOMPARE(page.labelAt(at(material, 4)), QStringLiteral("案例一"));
        QCOMPARE(page.anchorAt(at(material, 4)), QStringLiteral("q12"));
    }

    void searchesPagesInTreeOrder()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        writePage(
            dir, QStringLiteral("乙"), QStringLiteral("<h2 id=s1>一、要素</h2><p>资产 资产</p>"));
        writePage(dir, QStringLiteral("甲"), QStringLiteral("<p>负债</p>"));
        writePage(dir, QStringLiteral("丙"),
            QStringLiteral("<div class=q id=q1><p>资产</p></div><div class=q id=q2><p>资产，"
                           "资产</p></div><div class=q id=q3><p>资产</p></div>"
                           "<div class=q id=q4><p>资产</p></div>"));
        GuideSearchIndex index;
        index.setPages(dir.path(),
            { QStringLiteral("丙"), QStringLiteral("缺"), QStringLiteral("甲"),
                QStringLiteral("乙") });
        QVERIFY(!index.isBuilt());
        const GuideSearchResult result = index.search(QStringLiteral("资产"));
        QVERIFY(index.isBuilt());
        QCOMPARE(result.hits, 7);
        QCOMPARE(result.pages.size(), 2);
        QCOMPARE(result.pages[0].name, QStringLiteral("丙"));
        QCOMPARE(result.pages[0].hits, 5);
        QCOMPARE(result.pages[1].name, QStringLiteral("乙"));
        QCOMPARE(result.pages[1].hits, 2);
        // One line per place: q2's two hits are one line.
        QCOMPARE(result.pages[0].lines.size(), 4);
        QCOMPARE(result.pages[0].lines[1].anchor, QStringLiteral("q2"));
        QCOMPARE(result.pages[0].lines[1].hits, 2);
        QCOMPARE(result.pages[0].lines[1].label, QStringLiteral("第 2 题"));
        QCOMPARE(result.pages[0].lines[1].after, QStringLiteral("，资产"));
        QCOMPARE(result.pages[1].lines[0].label, QStringLiteral("一、要素"));
        QCOMPARE(result.pages[1].lines[0].anchor, QStringLiteral("s1"));
        QCOMPARE(result.pages[1].lines[0].after, QStringLiteral(" 资产"));
        // The missing page is named, and only once however often one searches.
        QCOMPARE(result.unreadable, QStringList { QStringLiteral("缺") });
        QCOMPARE(index.search(QStringLiteral("负债")).unreadable, result.unreadable);
        QCOMPARE(index.search(QStringLiteral("负债")).pages[0].name, QStringLiteral("甲"));
        // A query with nothing to look for finds nothing but still names the missing page.
        const GuideSearchResult blank = index.search(QStringLiteral(" "));
        QCOMPARE(blank.hits, 0);
        QCOMPARE(blank.unreadable, result.unreadable);
    }

    void contextIsCutAtTheBlockAndAtItsLength()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString longBefore(60, u'前');
        writePage(dir, QStringLiteral("页"),
            QStringLiteral("<p>上一段</p><p>%1 目标 后文</p><p>下一段</p>").arg(longBefore));
        GuideSearchIndex index;
        index.setPages(dir.path(), { QStringLiteral("页") });
        const GuideSearchResult::Line line = index.search(QStringLiteral("目标")).pages[0].lines[0];
        QCOMPARE(line.match, QStringLiteral("目标"));
        QCOMPARE(line.after, QStringLiteral(" 后文"));
        QVERIFY(line.before.startsWith(QStringLiteral("…")));
        QVERIFY(line.before.endsWith(QStringLiteral("前 ")));
        QVERIFY(line.before.size() <= GuideSearchIndex::kContext + 1);
    }

    void resultsPageInChinese()
    {
        GuideSearchResult none;
        none.query = QStringLiteral("<b>无</b>");
        none.unreadable = QStringList { QStringLiteral("第十一章") };
        const QString html = GuideSearchPage::html(none);
        QVERIFY(html.contains(QStringLiteral("在全部页面中都没有找到“&lt;b&gt;无&lt;/b&gt;”")));
        QVERIFY(html.contains(QStringLiteral("<li>第十一章.htm</li>")));
        QVERIFY(!html.contains(QStringLiteral("<b>无</b>")));
        QCOMPARE(GuideSearchPage::queryOfTitle(GuideSearchPage::title(none.query)), none.query);
        QCOMPARE(GuideSearchPage::queryOfTitle(QStringLiteral("第一章：总论")), QString());

        // More places than lines shown: the rest are counted, not listed.
        GuideSearchResult many;
        many.query = QStringLiteral("资产");
        GuideSearchResult::Page page;
        page.name = QStringLiteral("第一章：总论");
        page.path = QStringLiteral("/guide/data/第一章：总论.htm");
        for (int i = 1; i <= 5; ++i) {
            GuideSearchResult::Line line;
            line.anchor = QStringLiteral("s%1").arg(i);
            line.match = many.query;
            line.hits = i;
            page.lines << line;
            page.hits += i;
        }
        many.pages << page;
        many.hits = page.hits;
        const QString listed = GuideSearchPage::html(many);
        QCOMPARE(listed.count(QStringLiteral("<mark>")), GuideSearchPage::kLinesPerPage);
        QVERIFY(listed.contains(QStringLiteral("本页另有 9 处")));
        QVERIFY(listed.contains(QStringLiteral("#s3\"")));
        QVERIFY(!listed.contains(QStringLiteral("#s4\"")));
    }
};

QTEST_GUILESS_MAIN(TestGuideSearch)
#include "tst_guidesearch.moc"
