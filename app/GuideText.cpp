#include "GuideText.h"

namespace {
bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Invisible characters that pages use for line breaking only.
bool isInvisible(char16_t c)
{
    return c == u'\u00AD' || c == u'\u200B' || c == u'\u200C' || c == u'\u200D' || c == u'\uFEFF';
}

QChar foldChar(QChar c)
{
    char16_t u = c.unicode();
    // Full-width forms of the ASCII characters (letters, digits, punctuation).
    if (u >= 0xFF01 && u <= 0xFF5E)
        u = char16_t(u - 0xFEE0);
    return QChar(u).toCaseFolded();
}
} // namespace

void GuideText::append(QStringView text)
{
    for (const QChar c : text) {
        const int at = int(m_plain.size());
        m_plain.append(c);
        if (c.isSpace() || c == QChar(kBreak)) {
            m_pendingGap = true;
            continue;
        }
        if (isInvisible(c.unicode()))
            continue;
        m_folded.append(foldChar(c));
        m_origin.push_back(at);
        m_gapBefore.push_back(m_pendingGap);
        m_pendingGap = false;
    }
}

void GuideText::appendBreak()
{
    if (!m_folded.isEmpty() && m_folded.back() == QChar(kBreak))
        return;
    m_origin.push_back(int(m_plain.size()));
    m_plain.append(QChar(kBreak));
    m_folded.append(QChar(kBreak));
    m_gapBefore.push_back(m_pendingGap);
    m_pendingGap = false;
}

void GuideText::finish()
{
    // A comma is a thousands separator when a digit stands right before it and exactly three
    // digits right after it ("1,000", "12,345,678"), with no space on either side.
    const int n = int(m_folded.size());
    int out = 0;
    for (int i = 0; i < n; ++i) {
        const bool separator = m_folded[i] == u',' && i > 0 && isDigit(m_folded[i - 1])
            && !m_gapBefore[i] && i + 3 < n && isDigit(m_folded[i + 1]) && !m_gapBefore[i + 1]
            && isDigit(m_folded[i + 2]) && !m_gapBefore[i + 2] && isDigit(m_folded[i + 3])
            && !m_gapBefore[i + 3]
            && (i + 4 == n || !isDigit(m_folded[i + 4]) || m_gapBefore[i + 4]);
        if (separator)
            continue;
        m_folded[out] = m_folded[i];
        m_origin[out] = m_origin[i];
        m_gapBefore[out] = m_gapBefore[i];
        ++out;
    }
    m_folded.truncate(out);
    m_origin.resize(out);
    m_gapBefore.resize(out);
}

QList<GuideText::Match> GuideText::find(const QString &foldedQuery) const
{
    QList<Match> matches;
    const int length = int(foldedQuery.size());
    if (length == 0)
        return matches;
    const int n = int(m_folded.size());
    const bool numberFirst = isDigit(foldedQuery.front());
    const bool numberLast = isDigit(foldedQuery.back());
    qsizetype from = 0;
    while (true) {
        const qsizetype at = m_folded.indexOf(foldedQuery, from);
        if (at < 0)
            break;
        const int start = int(at);
        const int end = start + length;
        const bool cutsNumberBefore
            = numberFirst && start > 0 && isDigit(m_folded[start - 1]) && !m_gapBefore[start];
        const bool cutsNumberAfter
            = numberLast && end < n && isDigit(m_folded[end]) && !m_gapBefore[end];
        if (cutsNumberBefore || cutsNumberAfter) {
            from = at + 1;
            continue;
        }
        matches.append({ m_origin[start], m_origin[end - 1] + 1 });
        from = end;
    }
    return matches;
}

QString GuideText::fold(QStringView query)
{
    GuideText text;
    text.append(query);
    text.finish();
    return text.m_folded;
}
