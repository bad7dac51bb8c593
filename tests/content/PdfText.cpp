#include "PdfText.h"

#include <QList>
#include <QRegularExpression>
#include <QtEndian>
#include <algorithm>
#include <cctype>

namespace {

QByteArray inflate(const QByteArray &data)
{
    // qUncompress wants the expected size in front; it grows its buffer when the guess is short.
    QByteArray framed(4, '\0');
    qToBigEndian<quint32>(quint32(data.size() * 8 + 1024), framed.data());
    return qUncompress(framed + data);
}

QList<int> references(const QByteArray &text)
{
    QList<int> out;
    static const QRegularExpression ref(QStringLiteral("(\\d+) 0 R"));
    auto it = ref.globalMatch(QString::fromLatin1(text));
    while (it.hasNext())
        out << it.next().captured(1).toInt();
    return out;
}

// The text between the "<<" that follows key and its matching ">>".
QByteArray subDict(const QByteArray &dict, const QByteArray &key)
{
    const int at = dict.indexOf(key);
    if (at < 0)
        return QByteArray();
    int i = dict.indexOf("<<", at);
    const int ref = dict.indexOf(" R", at);
    if (i < 0 || (ref >= 0 && ref < i && dict.mid(at, ref - at).count('/') == 1))
        return QByteArray();
    int depth = 0;
    for (int k = i; k + 1 < dict.size(); ++k) {
        if (dict.at(k) == '<' && dict.at(k + 1) == '<') {
            ++depth;
            ++k;
        } else if (dict.at(k) == '>' && dict.at(k + 1) == '>') {
            if (--depth == 0)
                return dict.mid(i + 2, k - i - 2);
            ++k;
        }
    }
    return QByteArray();
}

} // namespace

PdfText::PdfText(const QByteArray &pdf)
{
    readObjects(pdf);
    QList<int> pages = m_objects.keys();
    std::sort(pages.begin(), pages.end());
    for (int n : std::as_const(pages)) {
        const QByteArray &dict = m_objects.value(n).dict;
        if (!dict.contains("/Type /Page") || dict.contains("/Type /Pages"))
            continue;
        ++m_pages;
        QByteArray resources = subDict(dict, "/Resources");
        if (resources.isEmpty()) {
            static const QRegularExpression ref(QStringLiteral("/Resources (\\d+) 0 R"));
            const auto m = ref.match(QString::fromLatin1(dict));
            if (m.hasMatch())
                resources = m_objects.value(m.captured(1).toInt()).dict;
        }
        const QHash<QByteArray, int> fonts = fontsOf(resources);
        static const QRegularExpression contents(
            QStringLiteral("/Contents\\s*(\\[[^\\]]*\\]|\\d+ 0 R)"));
        const auto m = contents.match(QString::fromLatin1(dict));
        if (!m.hasMatch())
            continue;
        for (int c : references(m.captured(1).toLatin1()))
            m_text += decode(m_objects.value(c).stream, fonts) + QLatin1Char('\n');
    }
}

void PdfText::readObjects(const QByteArray &pdf)
{
    int from = 0;
    while (true) {
        const int mark = pdf.indexOf(" 0 obj", from);
        if (mark < 0)
            break;
        int digits = mark;
        while (digits > 0 && std::isdigit(static_cast<unsigned char>(pdf.at(digits - 1))))
            --digits;
        const int at = mark + 6;
        const int end = pdf.indexOf("endobj", at);
        if (end < 0)
            break;
        from = end + 6;
        if (digits == mark)
            continue;
        Object o;
        const QByteArray body = pdf.mid(at, end - at);
        const int s = body.indexOf("stream");
        if (s >= 0) {
            o.dict = body.left(s);
            int start = s + 6;
            if (body.mid(start, 2) == "\r\n")
                start += 2;
            else if (start < body.size() && body.at(start) == '\n')
                start += 1;
            const int stop = body.lastIndexOf("endstream");
            QByteArray data = body.mid(start, stop - start);
            if (o.dict.contains("/FlateDecode"))
                data = inflate(data);
            o.stream = data;
        } else {
            o.dict = body;
        }
        m_objects.insert(pdf.mid(digits, mark - digits).toInt(), o);
    }
}

QHash<QByteArray, int> PdfText::fontsOf(const QByteArray &resources) const
{
    QHash<QByteArray, int> fonts;
    QByteArray dict = subDict(resources, "/Font");
    if (dict.isEmpty()) {
        static const QRegularExpression ref(QStringLiteral("/Font (\\d+) 0 R"));
        const auto m = ref.match(QString::fromLatin1(resources));
        if (m.hasMatch())
            dict = m_objects.value(m.captured(1).toInt()).dict;
    }
    static const QRegularExpression entry(QStringLiteral("/([^\\s/<>\\[\\]]+)\\s+(\\d+) 0 R"));
    auto it = entry.globalMatch(QString::fromLatin1(dict));
    while (it.hasNext()) {
        const auto m = it.next();
        fonts.insert(m.captured(1).toLatin1(), m.captured(2).toInt());
    }
    return fonts;
}

PdfText::CMap PdfText::cmapOf(int fontObject)
{
    if (m_cmaps.contains(fontObject))
        return m_cmaps.value(fontObject);
    CMap map;
    static const QRegularExpression ref(QStringLiteral("/ToUnicode (\\d+) 0 R"));
    const auto m = ref.match(QString::fromLatin1(m_objects.value(fontObject).dict));
    if (m.hasMatch()) {
        const QString cmap = QString::fromLatin1(m_objects.value(m.captured(1).toInt()).stream);
        auto unicode = [](const QString &hex) {
            QString s;
            for (int i = 0; i + 4 <= hex.size(); i += 4)
                s += QChar(char16_t(hex.mid(i, 4).toUShort(nullptr, 16)));
            return s;
        };
        static const QRegularExpression block(QStringLiteral("begin(bfchar|bfrange)(.*?)end\\1"),
            QRegularExpression::DotMatchesEverythingOption);
        auto blocks = block.globalMatch(cmap);
        while (blocks.hasNext()) {
            const auto b = blocks.next();
            if (b.captured(1) == QLatin1String("bfchar")) {
                static const QRegularExpression pair(
                    QStringLiteral("<([0-9A-Fa-f]+)>\\s*<([0-9A-Fa-f]+)>"));
                auto it = pair.globalMatch(b.captured(2));
                while (it.hasNext()) {
                    const auto p = it.next();
                    map.insert(p.captured(1).toUInt(nullptr, 16), unicode(p.captured(2)));
                }
            } else {
                static const QRegularExpression range(
                    QStringLiteral("<([0-9A-Fa-f]+)>\\s*<([0-9A-Fa-f]+)>\\s*<([0-9A-Fa-f]+)>"));
                auto it = range.globalMatch(b.captured(2));
                while (it.hasNext()) {
                    const auto r = it.next();
                    const quint32 lo = r.captured(1).toUInt(nullptr, 16);
                    const quint32 hi = r.captured(2).toUInt(nullptr, 16);
                    const QString first = unicode(r.captured(3));
                    for (quint32 c = lo; c <= hi && !first.isEmpty(); ++c) {
                        QString s = first;
                        s[s.size() - 1] = QChar(char16_t(first.back().unicode() + (c - lo)));
                        map.insert(c, s);
                    }
                }
            }
        }
    }
    m_cmaps.insert(fontObject, map);
    return map;
}

QString PdfText::decode(const QByteArray &content, const QHash<QByteArray, int> &fonts)
{
    QString out;
    CMap cmap;
    int width = 2;
    QByteArray lastName;
    for (int i = 0; i < content.size(); ++i) {
        const char c = content.at(i);
        if (c == '/') {
            int j = i + 1;
            while (j < content.size() && !QByteArray(" \n\r\t/[]<>()").contains(content.at(j)))
                ++j;
            lastName = content.mid(i + 1, j - i - 1);
            i = j - 1;
        } else if (c == 'T' && i + 1 < content.size() && content.at(i + 1) == 'f'
            && !lastName.isEmpty()) {
            const int font = fonts.value(lastName, -1);
            cmap = font >= 0 ? cmapOf(font) : CMap();
            width = m_objects.value(font).dict.contains("/Type0") ? 2 : 1;
        } else if (c == '<' && i + 1 < content.size() && content.at(i + 1) != '<') {
            const int j = content.indexOf('>', i);
            const QByteArray hex = content.mid(i + 1, j - i - 1);
            for (int k = 0; k + 2 * width <= hex.size(); k += 2 * width)
                out += cmap.value(hex.mid(k, 2 * width).toUInt(nullptr, 16));
            i = j;
        } else if (c == '<') {
            ++i;
        } else if (c == 'E' && i + 1 < content.size() && content.at(i + 1) == 'T') {
            out += QLatin1Char(' ');
        }
    }
    return out;
}
