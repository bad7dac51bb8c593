#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

// The text of a PDF as the page view prints it, enough to tell what a printout holds: the
// pages' content streams decoded through each font's ToUnicode map. Only what the page view
// writes is read: compressed streams, composite fonts with two-byte codes, hex strings.
class PdfText {
public:
    explicit PdfText(const QByteArray &pdf);

    QString text() const { return m_text; }
    int pageCount() const { return m_pages; }

private:
    struct Object {
        QByteArray dict;
        QByteArray stream;
    };
    using CMap = QHash<quint32, QString>;

    void readObjects(const QByteArray &pdf);
    QHash<QByteArray, int> fontsOf(const QByteArray &dict) const;
    CMap cmapOf(int fontObject);
    QString decode(const QByteArray &content, const QHash<QByteArray, int> &fonts);

    QHash<int, Object> m_objects;
    QHash<int, CMap> m_cmaps;
    QString m_text;
    int m_pages = 0;
};
