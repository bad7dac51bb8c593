#include "GuideSearchIndex.h"

#include <QFile>
#include <QFileInfo>

namespace {
// Text on one side of a hit, within the hit's block and at most the given span, with white space
// as one space (kept next to the hit where the page has it) and "…" where the block goes on.
QString context(const QString &plain, int from, int to, bool leading)
{
    QStringView piece = QStringView(plain).sliced(from, to - from);
    bool shortened = leading ? from > 0 : to < plain.size();
    const qsizetype cut = leading ? piece.lastIndexOf(QChar(GuideText::kBreak))
                                  : piece.indexOf(QChar(GuideText::kBreak));
    if (cut >= 0) {
        piece = leading ? piece.sliced(cut + 1) : piece.first(cut);
        shortened = false;
    }
    QString text;
    bool space = false;
    for (const QChar c : piece) {
        if (c.isSpace()) {
            space = true;
            continue;
        }
        if (space && (!text.isEmpty() || !leading))
            text.append(u' ');
        space = false;
        text.append(c);
    }
    if (space && leading && !text.isEmpty())
        text.append(u' ');
    if (shortened && !text.trimmed().isEmpty())
        text = leading ? QStringLiteral("…") + text : text + QStringLiteral("…");
    return text;
}

QString asWritten(const QString &plain, int from, int to)
{
    return plain.mid(from, to - from).simplified();
}
} // namespace

void GuideSearchIndex::setPages(const QString &folder, const QStringList &names)
{
    m_folder = folder;
    m_names = names;
    m_pages.clear();
    m_built = false;
}

void GuideSearchIndex::build()
{
    m_pages.clear();
    m_pages.reserve(m_names.size());
    for (const QString &name : m_names) {
        Page page;
        page.name = name;
        page.path = m_folder + QStringLiteral("/") + name + QStringLiteral(".htm");
        QFile file(page.path);
        if (QFileInfo(page.path).isFile() && file.open(QIODevice::ReadOnly)) {
            page.readable = true;
            page.text = GuidePageText::fromHtml(QString::fromUtf8(file.readAll()));
        }
        m_pages.push_back(std::move(page));
    }
    m_built = true;
}

GuideSearchResult GuideSearchIndex::search(const QString &query)
{
    if (!m_built)
        build();
    GuideSearchResult result;
    result.query = query.simplified();
    const QString folded = GuideText::fold(query);
    for (const Page &page : m_pages) {
        if (!page.readable) {
            result.unreadable << page.name;
            continue;
        }
        if (folded.isEmpty())
            continue;
        const QString &plain = page.text.text().plain();
        const QList<GuideText::Match> matches = page.text.text().find(folded);
        if (matches.isEmpty())
            continue;
        GuideSearchResult::Page found;
        found.name = page.name;
        found.path = page.path;
        found.hits = int(matches.size());
        for (const GuideText::Match &match : matches) {
            const QString anchor = page.text.anchorAt(match.plainStart);
            if (!found.lines.isEmpty() && found.lines.last().anchor == anchor) {
                ++found.lines.last().hits;
                continue;
            }
            GuideSearchResult::Line line;
            line.anchor = anchor;
            line.label = page.text.labelAt(match.plainStart);
            line.before
                = context(plain, std::max(0, match.plainStart - kContext), match.plainStart, true);
            line.match = asWritten(plain, match.plainStart, match.plainEnd);
            line.after = context(plain, match.plainEnd,
                std::min(int(plain.size()), match.plainEnd + kContext), false);
            line.hits = 1;
            found.lines.append(line);
        }
        result.hits += found.hits;
        result.pages.append(found);
    }
    return result;
}
