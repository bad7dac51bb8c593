#include "GuideSearchPage.h"

#include <QUrl>

#include <algorithm>

namespace {
const QString kTitlePrefix = QStringLiteral("全部页面查找：");

// The guide's own colours and faces, written out here: the results must look right even when
// the guide's stylesheet is the very file that is missing.
const char kStyle[]
    = "*{box-sizing:border-box}"
      "html{background:#eef1f5}"
      "body{margin:0 auto;max-width:54rem;min-height:100vh;padding:0 1.5rem 2rem;"
      "background:#fdfdfb;color:#1f2329;box-shadow:0 0 0 1px #dde3ea;"
      "font-family:\"SimSun\",\"AR PL UMing CN\",\"Noto Serif CJK SC\",serif;"
      "font-size:16px;line-height:1.8}"
      "h1,h2,.kicker,.where,.count{font-family:\"SimHei\",\"Noto Sans CJK SC\","
      "\"WenQuanYi Micro Hei\",\"AR PL UMing CN\",sans-serif}"
      ".masthead{margin:0 -1.5rem 1rem;padding:1.1rem 1.5rem .9rem;"
      "background:linear-gradient(#24578f,#1d4f8c 60%,#173f70);color:#fff}"
      ".masthead h1{margin:.1rem 0 .2rem;font-size:1.6rem;line-height:1.35;letter-spacing:.05em;"
      "overflow-wrap:anywhere}"
      ".masthead .kicker{margin:0;font-size:.82rem;color:#cfe0f5;letter-spacing:.08em}"
      ".masthead .lead{margin:.3rem 0 0;color:#e9f1fb;font-size:.95rem}"
      "h2{margin:1.6rem 0 .5rem;padding:.15rem 0 .2rem .6rem;border-left:5px solid #1d4f8c;"
      "border-bottom:1px solid #c9d3df;font-size:1.15rem;line-height:1.4}"
      "h2 a{color:#1d4f8c;text-decoration:none}"
      "h2 a:hover{text-decoration:underline}"
      "h2 .count{margin-left:.5em;font-size:.8rem;color:#5b6470;font-weight:normal}"
      "ol.hits{list-style:none;margin:.3rem 0;padding:0}"
      "ol.hits li{margin:.25rem 0}"
      "ol.hits a{display:block;padding:.25rem .6rem;border:1px solid #dde4ec;border-radius:4px;"
      "background:#fff;color:#1f2329;text-decoration:none;overflow-wrap:anywhere}"
      "ol.hits a:hover,ol.hits a:focus{border-color:#1d4f8c;background:#e8eff8}"
      ".where{display:inline-block;margin-right:.6em;padding:0 .45em;border-radius:3px;"
      "background:#e8eff8;color:#173f70;font-size:.85em}"
      "mark{background:#ffe27a;color:inherit;padding:0 .1em;border-radius:2px}"
      ".also{margin-left:.4em;color:#5b6470;font-size:.85em;white-space:nowrap}"
      ".more{margin:.2rem 0 0 .6rem;color:#5b6470;font-size:.9rem}"
      ".none{margin:1.5rem 0;padding:.7rem 1rem;background:#e8eff8;border-left:4px solid #1d4f8c;"
      "border-radius:4px}"
      ".unread{margin:1.5rem 0;padding:.5rem .8rem;background:#fff8e8;border:1px solid #e4c77a;"
      "border-radius:4px}"
      ".unread h2{margin:0 0 .3rem;border:0;padding:0;color:#8a5b00}"
      ".unread ul{margin:.3rem 0;padding-left:1.6em}";

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

QString pageLink(const QString &path, const QString &anchor)
{
    QUrl url = QUrl::fromLocalFile(path);
    if (!anchor.isEmpty())
        url.setFragment(anchor);
    return escaped(url.toString(QUrl::FullyEncoded));
}
} // namespace

QString GuideSearchPage::title(const QString &query)
{
    return kTitlePrefix + query;
}

QString GuideSearchPage::queryOfTitle(const QString &title)
{
    return title.startsWith(kTitlePrefix) ? title.sliced(kTitlePrefix.size()) : QString();
}

QString GuideSearchPage::html(const GuideSearchResult &result)
{
    QString lead;
    if (result.hits > 0)
        lead = QStringLiteral("共找到 <span id=\"total\">%1</span> 处，在 %2 个页面中。"
                              "选择一处即打开该页面并标出它，按 Alt+← 回到这里。")
                   .arg(result.hits)
                   .arg(result.pages.size());
    else
        lead = QStringLiteral("共找到 <span id=\"total\">0</span> 处。");

    QString body;
    if (result.hits == 0)
        body += QStringLiteral("<p class=\"none\" id=\"none\">在全部页面中都没有找到“%1”。"
                               "请换一个说法，或者只输入其中的一两个关键字再试。</p>")
                    .arg(escaped(result.query));
    for (const GuideSearchResult::Page &page : result.pages) {
        body += QStringLiteral("<section class=\"page\" data-name=\"%1\" data-hits=\"%2\">"
                               "<h2><a href=\"%3\">%4</a><span class=\"count\">%2 处</span></h2>"
                               "<ol class=\"hits\">")
                    .arg(escaped(page.name), QString::number(page.hits),
                        pageLink(page.path, QString()), escaped(page.name));
        const int shown = std::min(int(page.lines.size()), kLinesPerPage);
        for (int i = 0; i < shown; ++i) {
            const GuideSearchResult::Line &line = page.lines[i];
            const QString where = line.label.isEmpty()
                ? QString()
                : QStringLiteral("<span class=\"where\">%1</span>").arg(escaped(line.label));
            const QString also = line.hits > 1
                ? QStringLiteral("<span class=\"also\">（此处共 %1 处）</span>").arg(line.hits)
                : QString();
            body += QStringLiteral("<li><a href=\"%1\">%2%3<mark>%4</mark>%5%6</a></li>")
                        .arg(pageLink(page.path, line.anchor), where, escaped(line.before),
                            escaped(line.match), escaped(line.after), also);
        }
        body += QStringLiteral("</ol>");
        int rest = 0;
        for (int i = shown; i < page.lines.size(); ++i)
            rest += page.lines[i].hits;
        if (rest > 0)
            body += QStringLiteral("<p class=\"more\">本页另有 %1 处，打开页面后在查找栏中按 "
                                   "Enter 逐个查看。</p>")
                        .arg(rest);
        body += QStringLiteral("</section>");
    }
    if (!result.unreadable.isEmpty()) {
        body += QStringLiteral("<section class=\"unread\" id=\"unreadable\"><h2>未能查找的页面</h2>"
                               "<p>以下页面的文件不存在或无法读取，没有参加这次查找：</p><ul>");
        for (const QString &name : result.unreadable)
            body += QStringLiteral("<li>%1.htm</li>").arg(escaped(name));
        body += QStringLiteral("</ul></section>");
    }

    return QStringLiteral("<!DOCTYPE html><html lang=\"zh-CN\"><head><meta charset=\"utf-8\">"
                          "<title>%1</title><style>%2</style></head><body>"
                          "<header class=\"masthead\"><p class=\"kicker\">会计基础 · 全部页面查找"
                          "</p><h1 id=\"query\">“%3”</h1><p class=\"lead\">%4</p></header>"
                          "<main>%5</main></body></html>")
        .arg(
            escaped(title(result.query)), QLatin1String(kStyle), escaped(result.query), lead, body);
}
