#include "GuidePageText.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace {
// Elements whose content is not the page's reading matter.
const QSet<QString> &skippedElements()
{
    static const QSet<QString> names { QStringLiteral("head"), QStringLiteral("script"),
        QStringLiteral("style"), QStringLiteral("noscript"), QStringLiteral("template"),
        QStringLiteral("title"), QStringLiteral("summary"), QStringLiteral("button"),
        QStringLiteral("nav"), QStringLiteral("footer"), QStringLiteral("select"),
        QStringLiteral("textarea"), QStringLiteral("svg"), QStringLiteral("iframe"),
        QStringLiteral("object") };
    return names;
}

// Elements that flow within a line; every other element is a block of its own.
const QSet<QString> &inlineElements()
{
    static const QSet<QString> names { QStringLiteral("a"), QStringLiteral("abbr"),
        QStringLiteral("b"), QStringLiteral("bdi"), QStringLiteral("bdo"), QStringLiteral("cite"),
        QStringLiteral("code"), QStringLiteral("data"), QStringLiteral("dfn"), QStringLiteral("em"),
        QStringLiteral("font"), QStringLiteral("i"), QStringLiteral("input"), QStringLiteral("kbd"),
        QStringLiteral("mark"), QStringLiteral("q"), QStringLiteral("rp"), QStringLiteral("rt"),
        QStringLiteral("ruby"), QStringLiteral("s"), QStringLiteral("samp"),
        QStringLiteral("small"), QStringLiteral("span"), QStringLiteral("strong"),
        QStringLiteral("sub"), QStringLiteral("sup"), QStringLiteral("time"), QStringLiteral("u"),
        QStringLiteral("var"), QStringLiteral("wbr"), QStringLiteral("img") };
    return names;
}

bool isVoid(const QString &name)
{
    static const QSet<QString> names { QStringLiteral("area"), QStringLiteral("base"),
        QStringLiteral("br"), QStringLiteral("col"), QStringLiteral("embed"), QStringLiteral("hr"),
        QStringLiteral("img"), QStringLiteral("input"), QStringLiteral("link"),
        QStringLiteral("meta"), QStringLiteral("param"), QStringLiteral("source"),
        QStringLiteral("track"), QStringLiteral("wbr") };
    return names.contains(name);
}

// Elements whose content is raw text up to their end tag.
bool isRawText(const QString &name)
{
    return name == u"script" || name == u"style" || name == u"textarea" || name == u"title";
}

bool isSectionHeading(const QString &name)
{
    return name.size() == 2 && name[0] == u'h' && name[1] >= u'2' && name[1] <= u'6';
}

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'-' || c == u'_' || c == u':';
}

const QHash<QString, QString> &namedReferences()
{
    static const QHash<QString, QString> names {
        { QStringLiteral("amp"), QStringLiteral("&") },
        { QStringLiteral("lt"), QStringLiteral("<") },
        { QStringLiteral("gt"), QStringLiteral(">") },
        { QStringLiteral("quot"), QStringLiteral("\"") },
        { QStringLiteral("apos"), QStringLiteral("'") },
        { QStringLiteral("nbsp"), QStringLiteral("\u00A0") },
        { QStringLiteral("ensp"), QStringLiteral("\u2002") },
        { QStringLiteral("emsp"), QStringLiteral("\u2003") },
        { QStringLiteral("thinsp"), QStringLiteral("\u2009") },
        { QStringLiteral("shy"), QStringLiteral("\u00AD") },
        { QStringLiteral("times"), QStringLiteral("×") },
        { QStringLiteral("divide"), QStringLiteral("÷") },
        { QStringLiteral("plusmn"), QStringLiteral("±") },
        { QStringLiteral("minus"), QStringLiteral("−") },
        { QStringLiteral("le"), QStringLiteral("≤") },
        { QStringLiteral("ge"), QStringLiteral("≥") },
        { QStringLiteral("ne"), QStringLiteral("≠") },
        { QStringLiteral("yen"), QStringLiteral("¥") },
        { QStringLiteral("middot"), QStringLiteral("·") },
        { QStringLiteral("mdash"), QStringLiteral("—") },
        { QStringLiteral("ndash"), QStringLiteral("–") },
        { QStringLiteral("hellip"), QStringLiteral("…") },
        { QStringLiteral("ldquo"), QStringLiteral("“") },
        { QStringLiteral("rdquo"), QStringLiteral("”") },
        { QStringLiteral("lsquo"), QStringLiteral("‘") },
        { QStringLiteral("rsquo"), QStringLiteral("’") },
        { QStringLiteral("rarr"), QStringLiteral("→") },
        { QStringLiteral("larr"), QStringLiteral("←") },
        { QStringLiteral("deg"), QStringLiteral("°") },
        { QStringLiteral("permil"), QStringLiteral("‰") },
        { QStringLiteral("copy"), QStringLiteral("©") },
    };
    return names;
}

// Decodes the character references of a run of text; an unknown one stays as written.
QString decodeText(QStringView raw)
{
    if (!raw.contains(u'&'))
        return raw.toString();
    QString out;
    out.reserve(raw.size());
    qsizetype i = 0;
    while (i < raw.size()) {
        if (raw[i] != u'&') {
            out.append(raw[i++]);
            continue;
        }
        const qsizetype semicolon = raw.indexOf(u';', i + 1);
        if (semicolon < 0 || semicolon - i > 12) {
            out.append(raw[i++]);
            continue;
        }
        const QStringView name = raw.sliced(i + 1, semicolon - i - 1);
        QString decoded;
        if (name.startsWith(u'#')) {
            bool ok = false;
            const uint code = (name.size() > 1 && (name[1] == u'x' || name[1] == u'X'))
                ? name.sliced(2).toUInt(&ok, 16)
                : name.sliced(1).toUInt(&ok, 10);
            if (ok && code > 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF)) {
                const char32_t c = code;
                decoded = QString::fromUcs4(&c, 1);
            }
        } else {
            decoded = namedReferences().value(name.toString());
        }
        if (decoded.isEmpty()) {
            out.append(raw[i++]);
            continue;
        }
        out.append(decoded);
        i = semicolon + 1;
    }
    return out;
}
} // namespace

// Reads a page's source once, front to back, keeping a stack of the open elements. Pages that
// leave elements open are read as browsers read them closely enough for searching: an end tag
// closes the nearest open element of its name, and one with no open element is ignored.
class GuidePageTextReader {
public:
    explicit GuidePageTextReader(QStringView html)
        : m_html(html)
    {
    }

    GuidePageText read()
    {
        const qsizetype n = m_html.size();
        qsizetype i = 0;
        while (i < n) {
            const qsizetype lt = m_html.indexOf(u'<', i);
            const qsizetype textEnd = lt < 0 ? n : lt;
            if (textEnd > i && m_skipping == 0)
                m_page.m_text.append(decodeText(m_html.sliced(i, textEnd - i)));
            if (lt < 0)
                break;
            i = tag(lt);
        }
        while (!m_open.isEmpty())
            close(m_open.size() - 1);
        m_page.m_text.finish();
        return m_page;
    }

private:
    struct Open {
        QString name;
        bool skip = false;
        bool block = false;
        int question = -1;
        int heading = -1;
        int headingStart = 0;
    };

    int plainPos() const { return int(m_page.m_text.plain().size()); }

    qsizetype endOf(QStringView what, qsizetype from) const
    {
        const qsizetype at = m_html.indexOf(what, from);
        return at < 0 ? m_html.size() : at + what.size();
    }

    // Reads the markup at `at` (a "<") and returns where the text goes on.
    qsizetype tag(qsizetype at)
    {
        const qsizetype n = m_html.size();
        if (m_html.sliced(at).startsWith(u"<!--"))
            return endOf(u"-->", at + 4);
        if (at + 1 >= n)
            return n;
        const QChar next = m_html[at + 1];
        if (next == u'!' || next == u'?')
            return endOf(u">", at + 1);
        const bool closing = next == u'/';
        qsizetype i = at + (closing ? 2 : 1);
        const qsizetype nameStart = i;
        while (i < n && isNameChar(m_html[i]))
            ++i;
        if (i == nameStart || !m_html[nameStart].isLetter()) {
            // A "<" that opens no tag is text.
            if (m_skipping == 0)
                m_page.m_text.append(u"<");
            return at + 1;
        }
        const QString name = m_html.sliced(nameStart, i - nameStart).toString().toLower();
        QString id;
        bool hidden = false;
        bool selfClosing = false;
        // Attributes, up to the ">" that is not inside a quoted value.
        while (i < n && m_html[i] != u'>') {
            if (m_html[i].isSpace() || m_html[i] == u'/') {
                selfClosing = m_html[i] == u'/';
                ++i;
                continue;
            }
            selfClosing = false;
            const qsizetype attrStart = i;
            while (i < n && !m_html[i].isSpace() && m_html[i] != u'=' && m_html[i] != u'>'
                && m_html[i] != u'/')
                ++i;
            const QString attr = m_html.sliced(attrStart, i - attrStart).toString().toLower();
            QString value;
            while (i < n && m_html[i].isSpace())
                ++i;
            if (i < n && m_html[i] == u'=') {
                ++i;
                while (i < n && m_html[i].isSpace())
                    ++i;
                if (i < n && (m_html[i] == u'"' || m_html[i] == u'\'')) {
                    const QChar quote = m_html[i];
                    const qsizetype close = m_html.indexOf(quote, i + 1);
                    const qsizetype valueEnd = close < 0 ? n : close;
                    value = decodeText(m_html.sliced(i + 1, valueEnd - i - 1));
                    i = close < 0 ? n : close + 1;
                } else {
                    const qsizetype valueStart = i;
                    while (i < n && !m_html[i].isSpace() && m_html[i] != u'>')
                        ++i;
                    value = decodeText(m_html.sliced(valueStart, i - valueStart));
                }
            }
            if (attr == u"id")
                id = value.trimmed();
            else if (attr == u"hidden" && value.compare(u"until-found", Qt::CaseInsensitive) != 0)
                hidden = true;
        }
        const qsizetype after = i < n ? i + 1 : n;
        if (closing) {
            for (qsizetype k = m_open.size() - 1; k >= 0; --k) {
                if (m_open[k].name == name) {
                    while (m_open.size() > k)
                        close(m_open.size() - 1);
                    break;
                }
            }
            return after;
        }
        open(name, id, hidden, selfClosing);
        if (isRawText(name) && !selfClosing) {
            // Its content is not markup: skip to its end tag, whatever it holds.
            const QString endTag = QStringLiteral("</") + name;
            const qsizetype end = m_html.indexOf(endTag, after, Qt::CaseInsensitive);
            if (!m_open.isEmpty() && m_open.last().name == name)
                close(m_open.size() - 1);
            return end < 0 ? n : endOf(u">", end);
        }
        return after;
    }

    void open(const QString &name, const QString &id, bool hidden, bool selfClosing)
    {
        const bool block = !inlineElements().contains(name);
        if (isVoid(name) || selfClosing) {
            if (m_skipping == 0 && block)
                m_page.m_text.appendBreak();
            return;
        }
        Open element;
        element.name = name;
        element.block = block;
        element.skip = hidden || skippedElements().contains(name);
        if (m_skipping == 0 && !element.skip) {
            if (block)
                m_page.m_text.appendBreak();
            if (!id.isEmpty()) {
                m_page.m_anchors.append({ plainPos(), id });
                static const QRegularExpression questionId(QStringLiteral("^q([0-9]{1,4})$"));
                const QRegularExpressionMatch question = questionId.match(id);
                if (question.hasMatch()) {
                    element.question = int(m_page.m_questions.size());
                    m_page.m_questions.append(
                        { plainPos(), plainPos(), question.captured(1).toInt() });
                }
            }
            if (isSectionHeading(name)) {
                element.heading = int(m_page.m_headings.size());
                element.headingStart = plainPos();
                m_page.m_headings.append({ plainPos(), QString() });
            }
        }
        if (element.skip)
            ++m_skipping;
        m_open.append(element);
    }

    void close(qsizetype index)
    {
        const Open element = m_open.takeAt(index);
        if (element.skip)
            --m_skipping;
        if (m_skipping > 0)
            return;
        if (element.question >= 0)
            m_page.m_questions[element.question].plainEnd = plainPos();
        if (element.heading >= 0) {
            QString text = m_page.m_text.plain().sliced(element.headingStart);
            text.replace(QChar(GuideText::kBreak), u' ');
            m_page.m_headings[element.heading].text = text.simplified();
        }
        if (element.block)
            m_page.m_text.appendBreak();
    }

    QStringView m_html;
    GuidePageText m_page;
    QList<Open> m_open;
    int m_skipping = 0;
};

GuidePageText GuidePageText::fromHtml(QStringView html)
{
    return GuidePageTextReader(html).read();
}

QString GuidePageText::anchorAt(int plainPos) const
{
    const auto after = std::upper_bound(m_anchors.cbegin(), m_anchors.cend(), plainPos,
        [](int pos, const Anchor &anchor) { return pos < anchor.plainPos; });
    return after == m_anchors.cbegin() ? QString() : std::prev(after)->id;
}

QString GuidePageText::labelAt(int plainPos) const
{
    // Questions do not nest; the last one begun at or before the position is the only
    // candidate.
    const auto question = std::upper_bound(m_questions.cbegin(), m_questions.cend(), plainPos,
        [](int pos, const Question &q) { return pos < q.plainStart; });
    if (question != m_questions.cbegin() && plainPos < std::prev(question)->plainEnd)
        return QStringLiteral("第 %1 题").arg(std::prev(question)->number);
    const auto heading = std::upper_bound(m_headings.cbegin(), m_headings.cend(), plainPos,
        [](int pos, const Heading &h) { return pos < h.plainPos; });
    return heading == m_headings.cbegin() ? QString() : std::prev(heading)->text;
}
