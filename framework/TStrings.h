#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

// A list of text lines published by a control (a list box's Items, a memo's Lines, a check
// group's Items) and kept by the control itself. Every edit reaches the control as the one
// change it makes, through the control's Store: an Add is one line inserted at the end, a
// Delete one line removed, a Move one line carried with what the control keeps beside it (a
// check mark, a selection). So a control changes what it shows in place and keeps its current
// row, marks, caret and scroll position; nothing is cleared and refilled but by the edits that
// replace every line (Text, CommaText, setLines). Changed reports each edit afterwards.
//
// A layout fills it as one text: Text (lines separated by line breaks) or CommaText (items
// separated by commas or blanks, an item with blanks, commas or quotes in double quotes, a
// quote inside doubled), or as a list of quoted lines.
class TStrings : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text WRITE setText)
    Q_PROPERTY(QString CommaText READ CommaText WRITE setCommaText)
    Q_PROPERTY(int Count READ Count)
public:
    // How the control keeps its lines. count, get, insert and remove are required; a missing
    // move, put or assign is made of the others.
    struct Store {
        std::function<int()> count;
        std::function<QString(int index)> get;
        // Inserts the lines before index (index = count appends); returns where the first one
        // went (a sorted control chooses its place).
        std::function<int(int index, const QStringList &lines)> insert;
        std::function<void(int index, int count)> remove;
        // Carries line from to index to, with what the control keeps beside it.
        std::function<void(int from, int to)> move;
        // Replaces the text of one line.
        std::function<void(int index, const QString &line)> put;
        // Replaces every line.
        std::function<void(const QStringList &lines)> assign;
    };

    enum TChangeKind { Inserted, Deleted, Moved, Exchanged, Replaced, Assigned, Cleared };
    Q_ENUM(TChangeKind)

    using Reader = std::function<QStringList()>;
    using Writer = std::function<void(const QStringList &)>;

    TStrings(QObject *parent, Store store);
    // For a control that can only read and write all its lines at once: every edit rewrites
    // them.
    TStrings(QObject *parent, Reader read, Writer write);

    QStringList lines() const;
    // Replaces every line.
    void setLines(const QStringList &lines);
    int Count() const { return m_store.count(); }
    // The line at index; empty outside the list.
    QString Strings(int index) const;
    void setStrings(int index, const QString &line);
    int IndexOf(const QString &line) const;

    // Appends a line; returns its index.
    int Add(const QString &line);
    void AddStrings(const QStringList &lines);
    // Inserts before index (0..Count).
    void Insert(int index, const QString &line);
    void Delete(int index);
    void Exchange(int index1, int index2);
    void Move(int curIndex, int newIndex);
    void Clear();

    QString Text() const;
    void setText(const QString &text);
    QString CommaText() const;
    void setCommaText(const QString &text);

    static QStringList SplitCommaText(const QString &text);

Q_SIGNALS:
    // After an edit: what it did, at which index (the first line, or the line moved from),
    // and how many lines (for a move or an exchange, the other index).
    void Changed(TStrings::TChangeKind kind, int index, int count);

private:
    void checkIndex(int index, int count) const;
    void moveLine(int from, int to);

    Store m_store;
};
