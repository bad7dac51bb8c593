#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

// A list of text lines published by a control (a list box's Items, a memo's Lines) and kept by
// the control itself: the object reads and writes the control's lines through two functions.
// A layout fills it as one text: Text (lines separated by line breaks) or CommaText (items
// separated by commas or blanks, an item with blanks, commas or quotes in double quotes, a
// quote inside doubled).
class TStrings : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text WRITE setText)
    Q_PROPERTY(QString CommaText READ CommaText WRITE setCommaText)
public:
    using Reader = std::function<QStringList()>;
    using Writer = std::function<void(const QStringList &)>;

    TStrings(QObject *parent, Reader read, Writer write);

    QStringList lines() const { return m_read(); }
    void setLines(const QStringList &lines) { m_write(lines); }
    int Count() const { return lines().size(); }
    QString Strings(int index) const { return lines().value(index); }
    void Add(const QString &line);
    void Clear() { setLines({}); }

    QString Text() const;
    void setText(const QString &text);
    QString CommaText() const;
    void setCommaText(const QString &text);

    static QStringList SplitCommaText(const QString &text);

private:
    Reader m_read;
    Writer m_write;
};
