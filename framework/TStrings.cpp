#include "TStrings.h"

#include "Exception.h"

#include <QRegularExpression>

#include <algorithm>

TStrings::TStrings(QObject *parent, Store store)
    : QObject(parent)
    , m_store(std::move(store))
{
}

TStrings::TStrings(QObject *parent, Reader read, Writer write)
    : QObject(parent)
{
    m_store.count = [read] { return int(read().size()); };
    m_store.get = [read](int index) { return read().value(index); };
    m_store.insert = [read, write](int index, const QStringList &lines) {
        QStringList all = read();
        for (int i = 0; i < lines.size(); ++i)
            all.insert(index + i, lines[i]);
        write(all);
        return index;
    };
    m_store.remove = [read, write](int index, int count) {
        QStringList all = read();
        all.remove(index, count);
        write(all);
    };
    m_store.assign = write;
}

void TStrings::checkIndex(int index, int count) const
{
    if (index < 0 || index >= count)
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
}

QStringList TStrings::lines() const
{
    const int n = Count();
    QStringList all;
    all.reserve(n);
    for (int i = 0; i < n; ++i)
        all << m_store.get(i);
    return all;
}

void TStrings::setLines(const QStringList &lines)
{
    if (m_store.assign) {
        m_store.assign(lines);
    } else {
        if (const int n = Count())
            m_store.remove(0, n);
        if (!lines.isEmpty())
            m_store.insert(0, lines);
    }
    Q_EMIT Changed(Assigned, 0, int(lines.size()));
}

QString TStrings::Strings(int index) const
{
    return index >= 0 && index < Count() ? m_store.get(index) : QString();
}

void TStrings::setStrings(int index, const QString &line)
{
    checkIndex(index, Count());
    if (m_store.put) {
        m_store.put(index, line);
    } else {
        m_store.remove(index, 1);
        m_store.insert(index, { line });
    }
    Q_EMIT Changed(Replaced, index, 1);
}

int TStrings::IndexOf(const QString &line) const
{
    const int n = Count();
    for (int i = 0; i < n; ++i) {
        if (m_store.get(i) == line)
            return i;
    }
    return -1;
}

int TStrings::Add(const QString &line)
{
    const int index = m_store.insert(Count(), { line });
    Q_EMIT Changed(Inserted, index, 1);
    return index;
}

void TStrings::AddStrings(const QStringList &lines)
{
    if (lines.isEmpty())
        return;
    const int index = m_store.insert(Count(), lines);
    Q_EMIT Changed(Inserted, index, int(lines.size()));
}

void TStrings::Insert(int index, const QString &line)
{
    checkIndex(index, Count() + 1);
    const int at = m_store.insert(index, { line });
    Q_EMIT Changed(Inserted, at, 1);
}

void TStrings::Delete(int index)
{
    checkIndex(index, Count());
    m_store.remove(index, 1);
    Q_EMIT Changed(Deleted, index, 1);
}

void TStrings::moveLine(int from, int to)
{
    if (m_store.move) {
        m_store.move(from, to);
        return;
    }
    const QString line = m_store.get(from);
    m_store.remove(from, 1);
    m_store.insert(to, { line });
}

void TStrings::Exchange(int index1, int index2)
{
    const int n = Count();
    checkIndex(index1, n);
    checkIndex(index2, n);
    if (index1 == index2)
        return;
    // Two moves: the later line up to the earlier place, then the earlier one (now one
    // further down) to the later place.
    const int low = std::min(index1, index2);
    const int high = std::max(index1, index2);
    moveLine(high, low);
    moveLine(low + 1, high);
    Q_EMIT Changed(Exchanged, index1, index2);
}

void TStrings::Move(int curIndex, int newIndex)
{
    const int n = Count();
    checkIndex(curIndex, n);
    checkIndex(newIndex, n);
    if (curIndex == newIndex)
        return;
    moveLine(curIndex, newIndex);
    Q_EMIT Changed(Moved, curIndex, newIndex);
}

void TStrings::Clear()
{
    const int n = Count();
    if (n == 0)
        return;
    m_store.remove(0, n);
    Q_EMIT Changed(Cleared, 0, n);
}

QString TStrings::Text() const
{
    return lines().join(QLatin1Char('\n'));
}

void TStrings::setText(const QString &text)
{
    if (text.isEmpty()) {
        setLines({});
        return;
    }
    static const QRegularExpression breaks(QStringLiteral("\r\n|\n|\r"));
    QStringList all = text.split(breaks);
    // A final line break ends the last line; it starts no new one.
    if (all.size() > 1 && all.last().isEmpty())
        all.removeLast();
    setLines(all);
}
QString TStrings::CommaText() const
{
    QStringList quoted;
    for (QString line : lines()) {
        if (line.isEmpty() || line.contains(QLatin1Char(',')) || line.contains(QLatin1Char('"'))
            || std::any_of(
                line.cbegin(), line.cend(), [](QChar c) { return c.unicode() <= 0x20; })) {
            line.replace(QLatin1String("\""), QLatin1String("\"\""));
            line = QLatin1Char('"') + line + QLatin1Char('"');
        }
        quoted << line;
    }
    return quoted.join(QLatin1Char(','));
}

void TStrings::setCommaText(const QString &text)
{
    setLines(SplitCommaText(text));
}

QStringList TStrings::SplitCommaText(const QString &text)
{
    QStringList result;
    const int n = text.size();
    auto blank = [&](int i) { return text.at(i).unicode() <= 0x20; };
    int i = 0;
    while (i < n && blank(i))
        ++i;
    while (i < n) {
        QString item;
        if (text.at(i) == QLatin1Char('"')) {
            ++i;
            while (i < n) {
                if (text.at(i) == QLatin1Char('"')) {
                    if (i + 1 < n && text.at(i + 1) == QLatin1Char('"')) {
                        item += QLatin1Char('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item += text.at(i++);
            }
        } else {
            while (i < n && text.at(i) != QLatin1Char(',') && !blank(i))
                item += text.at(i++);
        }
        result << item;
        while (i < n && blank(i))
            ++i;
        if (i < n && text.at(i) == QLatin1Char(',')) {
            ++i;
            while (i < n && blank(i))
                ++i;
        }
    }
    return result;
}
