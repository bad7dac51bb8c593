#include "TStrings.h"

#include <QRegularExpression>

#include <algorithm>

TStrings::TStrings(QObject *parent, Reader read, Writer write)
    : QObject(parent)
    , m_read(std::move(read))
    , m_write(std::move(write))
{
}

void TStrings::Add(const QString &line)
{
    QStringList all = lines();
    all << line;
    setLines(all);
}

QString TStrings::Text() const
{
    return lines().join(QLatin1Char('\n'));
}

void TStrings::setText(const QString &text)
{
    if (text.isEmpty()) {
        Clear();
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
