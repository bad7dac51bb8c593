#include "TLayoutLoader.h"

#include "TApplicationEvents.h"
#include "TColor.h"
#include "TComponentHolder.h"
#include "TControlCore.h"
#include "TCustomPanel.h"
#include "TImage.h"
#include "TImageList.h"
#include "TLayoutStatus.h"
#include "TMainMenu.h"
#include "TMenuItem.h"
#include "TPicture.h"
#include "TStrings.h"
#include "TToolBar.h"
#include "TToolButton.h"
#include "TTreeView.h"

#include <QFile>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QPointer>
#include <QWidget>

#include <limits>

ELayoutError::ELayoutError(
    const QString &file, int line, const QString &item, const QString &message)
    : Exception(QStringLiteral("%1:%2: %3: %4")
                    .arg(file)
                    .arg(line)
                    .arg(TLayoutLoader::excerpt(item), TLayoutLoader::excerpt(message, 400)))
    , m_file(file)
    , m_line(line)
{
}

namespace {

// Objects nested deeper than this are refused: real layouts stay within a dozen levels, and
// every level costs stack in the loader and in Qt's own walks up the widget tree.
constexpr int kMaxNesting = 100;

bool s_userPresent = false;

QHash<QString, TLayoutLoader::Factory> &classes()
{
    static QHash<QString, TLayoutLoader::Factory> table;
    return table;
}

// --- Tokens ----------------------------------------------------------------------------------

struct Token {
    enum Kind { End, Ident, Number, String, Symbol } kind = End;
    QString text;
    qint64 number = 0;
    int line = 0;
};

class Lexer {
public:
    Lexer(const QString &text, const QString &file)
        : m_text(text)
        , m_file(file)
    {
        advance();
    }

    const Token &peek() const { return m_token; }
    Token take()
    {
        Token t = m_token;
        advance();
        return t;
    }
    [[noreturn]] void fail(const QString &item, const QString &message, int line = -1) const
    {
        throw ELayoutError(m_file, line < 0 ? m_token.line : line, item, message);
    }
    const QString &file() const { return m_file; }
    bool isSymbol(QChar c) const { return m_token.kind == Token::Symbol && m_token.text == c; }
    bool isIdent(const char *word) const
    {
        return m_token.kind == Token::Ident
            && m_token.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
    }
    void expectSymbol(QChar c, const QString &item)
    {
        if (!isSymbol(c))
            fail(item, QStringLiteral("expected '%1'").arg(c));
        advance();
    }
    QString expectIdent(const QString &item)
    {
        if (m_token.kind != Token::Ident)
            fail(item, QStringLiteral("expected a name"));
        return take().text;
    }

private:
    void advance()
    {
        skipSpace();
        m_token = Token();
        m_token.line = m_line;
        if (m_pos >= m_text.size())
            return;
        const QChar c = m_text[m_pos];
        if (c.isLetter() || c == QLatin1Char('_')) {
            const int start = m_pos;
            while (m_pos < m_text.size()
                && (m_text[m_pos].isLetterOrNumber() || m_text[m_pos] == QLatin1Char('_')))
                ++m_pos;
            m_token.kind = Token::Ident;
            m_token.text = m_text.mid(start, m_pos - start);
        } else if (c.isDigit()
            || (c == QLatin1Char('-') && m_pos + 1 < m_text.size() && m_text[m_pos + 1].isDigit())
            || c == QLatin1Char('$')) {
            readNumber();
        } else if (c == QLatin1Char('\'')) {
            readString();
        } else {
            m_token.kind = Token::Symbol;
            m_token.text = c;
            ++m_pos;
        }
    }

    void skipSpace()
    {
        while (m_pos < m_text.size()) {
            const QChar c = m_text[m_pos];
            if (c == QLatin1Char('\n')) {
                ++m_line;
                ++m_pos;
            } else if (c.isSpace()) {
                ++m_pos;
            } else if (c == QLatin1Char('/') && m_pos + 1 < m_text.size()
                && m_text[m_pos + 1] == QLatin1Char('/')) {
                while (m_pos < m_text.size() && m_text[m_pos] != QLatin1Char('\n'))
                    ++m_pos;
            } else {
                break;
            }
        }
    }

    void readNumber()
    {
        const int start = m_pos;
        bool negative = false;
        int base = 10;
        if (m_text[m_pos] == QLatin1Char('-')) {
            negative = true;
            ++m_pos;
        }
        if (m_pos < m_text.size() && m_text[m_pos] == QLatin1Char('$')) {
            base = 16;
            ++m_pos;
        }
        const int digits = m_pos;
        while (m_pos < m_text.size()
            && (base == 16 ? isxdigit(m_text[m_pos].toLatin1()) : m_text[m_pos].isDigit()))
            ++m_pos;
        bool ok = false;
        const qint64 value = m_text.mid(digits, m_pos - digits).toLongLong(&ok, base);
        if (!ok) {
            // Named by what was read, never by the character after it (a line break would
            // split the message).
            const QString read = m_text.mid(start, m_pos - start);
            throw ELayoutError(m_file, m_line, read,
                m_pos == digits ? QStringLiteral("a number needs digits")
                                : QStringLiteral("the number is too large"));
        }
        m_token.kind = Token::Number;
        m_token.number = negative ? -value : value;
        m_token.text = m_text.mid(start, m_pos - start);
    }

    void readString()
    {
        QString value;
        ++m_pos;
        for (;;) {
            if (m_pos >= m_text.size() || m_text[m_pos] == QLatin1Char('\n'))
                throw ELayoutError(m_file, m_line, value, QStringLiteral("unterminated string"));
            if (m_text[m_pos] == QLatin1Char('\'')) {
                if (m_pos + 1 < m_text.size() && m_text[m_pos + 1] == QLatin1Char('\'')) {
                    value += QLatin1Char('\'');
                    m_pos += 2;
                    continue;
                }
                ++m_pos;
                break;
            }
            value += m_text[m_pos++];
        }
        m_token.kind = Token::String;
        m_token.text = value;
    }

    QString m_text;
    QString m_file;
    int m_pos = 0;
    int m_line = 1;
    Token m_token;
};

// --- Applying --------------------------------------------------------------------------------

class Loader {
public:
    Loader(Lexer &lexer, QObject *root, const QString &prefix)
        : m_lex(lexer)
        , m_root(root)
        , m_prefix(prefix)
        , m_outer(s_current)
    {
        s_current = this;
    }
    ~Loader() { s_current = m_outer; }
    Loader(const Loader &) = delete;
    Loader &operator=(const Loader &) = delete;

    // The load in progress on this thread (the innermost one when a load starts another).
    static Loader *current() { return s_current; }
    QString position() const { return QStringLiteral("%1:%2").arg(m_lex.file()).arg(m_line); }
    void noteMisuse(const QString &message)
    {
        if (m_misuse.isEmpty())
            m_misuse = message;
    }

    void run()
    {
        if (!m_lex.isIdent("object"))
            m_lex.fail(QStringLiteral("object"), QStringLiteral("a layout starts with 'object'"));
        m_lex.take();
        const int line = m_lex.peek().line;
        m_line = line;
        const QString name = m_lex.expectIdent(QStringLiteral("object"));
        m_lex.expectSymbol(QLatin1Char(':'), name);
        const QString className = m_lex.expectIdent(name);
        if (!m_root->inherits(className.toLatin1().constData()))
            m_lex.fail(name,
                QStringLiteral("the root is a %1, not a %2")
                    .arg(QString::fromLatin1(m_root->metaObject()->className()), className),
                line);
        m_root->setObjectName(name);
        // Names are looked up in a table, not by walking the tree for each one: the walk made a
        // layout of many components quadratic.
        const QList<QObject *> existing = m_root->findChildren<QObject *>();
        for (QObject *object : existing) {
            if (!object->objectName().isEmpty() && !m_names.contains(object->objectName()))
                m_names.insert(object->objectName(), object);
        }
        body(m_root, name);
        if (m_lex.peek().kind != Token::End)
            m_lex.fail(m_lex.peek().text, QStringLiteral("text after the end of the layout"));
        resolveForwardReferences();
        // Only now is every component in place: each one may put its parts in order (a menu
        // with all its items, a page control sorting its pages by the names it read), in
        // creation order.
        for (const QPointer<QObject> &component : std::as_const(m_created)) {
            if (auto *status = dynamic_cast<TLayoutStatus *>(component.data()))
                status->Loaded();
        }
        // The Tab key follows TabOrder, which each control took as it was read: with every
        // control in place, the chain is laid once over the whole of what was loaded.
        if (auto *widget = qobject_cast<QWidget *>(m_root))
            TControlCore::applyTabOrder(widget);
    }

private:
    // Properties and nested objects up to 'end'.
    void body(QObject *target, const QString &targetName)
    {
        if (++m_depth > kMaxNesting)
            m_lex.fail(targetName,
                QStringLiteral("objects and items are nested more than %1 levels deep")
                    .arg(kMaxNesting));
        for (;;) {
            if (m_lex.peek().kind == Token::End)
                m_lex.fail(targetName, QStringLiteral("missing 'end'"));
            if (m_lex.isIdent("end")) {
                m_lex.take();
                --m_depth;
                return;
            }
            if (m_lex.isIdent("object")) {
                m_lex.take();
                child(target);
                continue;
            }
            property(target, targetName);
        }
    }

    void child(QObject *parent)
    {
        const int line = m_lex.peek().line;
        m_line = line;
        const QString name = m_lex.expectIdent(QStringLiteral("object"));
        m_lex.expectSymbol(QLatin1Char(':'), name);
        const QString className = m_lex.expectIdent(name);
        const auto factory = classes().constFind(className);
        if (factory == classes().constEnd())
            m_lex.fail(name,
                QStringLiteral("unknown class %1").arg(TLayoutLoader::excerpt(className)), line);
        if (m_names.contains(name) || m_root->objectName() == name)
            m_lex.fail(name,
                QStringLiteral("a component named %1 already exists")
                    .arg(TLayoutLoader::excerpt(name)),
                line);
        QObject *object = (*factory)(m_root, qobject_cast<QWidget *>(parent));
        object->setObjectName(name);
        m_names.insert(name, object);
        m_created.append(object);
        // A control takes what it takes from its owner (a skinned control its first style)
        // when it is polished: before the layout's first property, which then overrides it.
        if (auto *widget = qobject_cast<QWidget *>(object))
            widget->ensurePolished();
        // A component that behaves differently while it is being loaded learns it before its
        // first property.
        if (auto *status = dynamic_cast<TLayoutStatus *>(object))
            status->Loading();
        if (auto *widget = qobject_cast<QWidget *>(object);
            widget && !qobject_cast<QWidget *>(parent))
            m_lex.fail(name, QStringLiteral("a control needs a control to hold it"), line);
        // A component written inside a component that holds components of its own (a menu
        // item inside a menu or another item) is handed to it; it decides what it takes.
        if (auto *holder = dynamic_cast<TComponentHolder *>(parent);
            holder && parent != m_root && !qobject_cast<QWidget *>(parent)) {
            if (!holder->InsertComponent(object))
                m_lex.fail(name,
                    QStringLiteral("%1 cannot hold a %2")
                        .arg(QString::fromLatin1(parent->metaObject()->className()), className),
                    line);
        }
        body(object, name);
    }

    void property(QObject *target, const QString &targetName)
    {
        const int line = m_lex.peek().line;
        m_line = line;
        QString path = m_lex.expectIdent(targetName);
        QObject *object = target;
        QString item = targetName + QLatin1Char('.') + path;
        while (m_lex.isSymbol(QLatin1Char('.'))) {
            m_lex.take();
            object = subObject(object, path, item, line);
            path = m_lex.expectIdent(item);
            item += QLatin1Char('.') + path;
        }
        m_lex.expectSymbol(QLatin1Char('='), item);
        const QByteArray name = path.toLatin1();
        const QMetaObject *meta = object->metaObject();
        const int index = meta->indexOfProperty(name.constData());
        if (index < 0) {
            if (path.startsWith(QLatin1String("On")) && hasSignal(meta, name)) {
                connectEvent(object, name, item, line);
                return;
            }
            m_lex.fail(item,
                QStringLiteral("unknown property %1 of %2")
                    .arg(path, QString::fromLatin1(meta->className())),
                line);
        }
        assign(object, meta->property(index), item, line);
    }

    QObject *subObject(QObject *object, const QString &name, const QString &item, int line)
    {
        const QMetaObject *meta = object->metaObject();
        const int index = meta->indexOfProperty(name.toLatin1().constData());
        if (index < 0)
            m_lex.fail(item,
                QStringLiteral("unknown property %1 of %2")
                    .arg(name, QString::fromLatin1(meta->className())),
                line);
        const QMetaProperty prop = meta->property(index);
        QObject *sub = prop.metaType().flags().testFlag(QMetaType::PointerToQObject)
            ? prop.read(object).value<QObject *>()
            : nullptr;
        if (!sub)
            m_lex.fail(item, QStringLiteral("%1 has no properties of its own").arg(name), line);
        return sub;
    }

    static bool hasSignal(const QMetaObject *meta, const QByteArray &name)
    {
        for (int i = 0; i < meta->methodCount(); ++i) {
            const QMetaMethod m = meta->method(i);
            if (m.methodType() == QMetaMethod::Signal && m.name() == name)
                return true;
        }
        return false;
    }

    void connectEvent(QObject *sender, const QByteArray &signalName, const QString &item, int line)
    {
        const QString handler = m_lex.expectIdent(item);
        const QMetaObject *smeta = sender->metaObject();
        const QMetaObject *rmeta = m_root->metaObject();
        for (int i = 0; i < smeta->methodCount(); ++i) {
            const QMetaMethod signal = smeta->method(i);
            if (signal.methodType() != QMetaMethod::Signal || signal.name() != signalName)
                continue;
            for (int j = 0; j < rmeta->methodCount(); ++j) {
                const QMetaMethod slot = rmeta->method(j);
                if (slot.name() != handler.toLatin1() || slot.methodType() == QMetaMethod::Signal)
                    continue;
                if (!QMetaObject::checkConnectArgs(signal, slot))
                    m_lex.fail(item,
                        QStringLiteral("handler %1 does not take the arguments of %2")
                            .arg(handler, QString::fromLatin1(signal.methodSignature())),
                        line);
                QObject::connect(sender, signal, m_root, slot, Qt::DirectConnection);
                return;
            }
        }
        m_lex.fail(item, QStringLiteral("unknown handler %1").arg(handler), line);
    }

    void assign(QObject *object, const QMetaProperty &prop, const QString &item, int line)
    {
        const Token value = m_lex.peek();
        QVariant v;
        const QMetaType type = prop.metaType();
        if (type.flags().testFlag(QMetaType::PointerToQObject)) {
            assignObject(object, prop, item, line);
            return;
        }
        if (!prop.isWritable())
            m_lex.fail(item,
                QStringLiteral("%1 is read-only").arg(QString::fromLatin1(prop.name())), line);
        if (prop.isFlagType()) {
            v = QVariant(flagValue(prop, item));
        } else if (prop.isEnumType()) {
            const QString key = m_lex.expectIdent(item);
            bool ok = false;
            int e = prop.enumerator().keyToValue(key.toLatin1().constData(), &ok);
            // A class may give an enumerated property further names: an enumeration of its own
            // named after the property with "Keys" appended, whose values are the property's.
            if (!ok) {
                const QMetaObject *meta = object->metaObject();
                const int keys = meta->indexOfEnumerator(QByteArray(prop.name()) + "Keys");
                if (keys >= 0)
                    e = meta->enumerator(keys).keyToValue(key.toLatin1().constData(), &ok);
            }
            if (!ok)
                m_lex.fail(item,
                    QStringLiteral("%1 is not a value of %2")
                        .arg(key, QString::fromLatin1(prop.enumerator().name())),
                    line);
            v = QVariant(e);
        } else if (type.id() == QMetaType::Bool) {
            if (value.kind != Token::Ident)
                m_lex.fail(item, QStringLiteral("expected True or False"), line);
            const QString word = m_lex.take().text;
            if (word.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
                v = true;
            else if (word.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
                v = false;
            else
                m_lex.fail(item, QStringLiteral("%1 is not True or False").arg(word), line);
        } else if (type.id() == QMetaType::Int || type.id() == QMetaType::LongLong
            || type.id() == QMetaType::UInt) {
            if (value.kind == Token::Number) {
                // A number the property cannot hold is refused, never cut to its low bits.
                const qint64 lowest = type.id() == QMetaType::Int ? std::numeric_limits<int>::min()
                    : type.id() == QMetaType::UInt                ? 0
                                                   : std::numeric_limits<qint64>::min();
                const qint64 highest = type.id() == QMetaType::Int ? std::numeric_limits<int>::max()
                    : type.id() == QMetaType::UInt ? qint64(std::numeric_limits<uint>::max())
                                                   : std::numeric_limits<qint64>::max();
                if (value.number < lowest || value.number > highest)
                    m_lex.fail(item,
                        QStringLiteral("%1 is out of range for %2")
                            .arg(value.number)
                            .arg(QString::fromLatin1(prop.name())),
                        line);
                m_lex.take();
                v = QVariant(value.number);
                v.convert(type);
            } else if (value.kind == Token::Ident) {
                TColor color;
                if (!identToColor(value.text, &color))
                    m_lex.fail(item,
                        QStringLiteral("%1 is not a number or a colour name").arg(value.text),
                        line);
                m_lex.take();
                v = QVariant(int(color));
            } else {
                m_lex.fail(item, QStringLiteral("expected a number"), line);
            }
        } else if (type.id() == QMetaType::QString) {
            v = stringValue(item);
        } else if (type.id() == QMetaType::QStringList) {
            v = stringListValue(item);
        } else if (type.id() == QMetaType::Double) {
            if (value.kind != Token::Number)
                m_lex.fail(item, QStringLiteral("expected a number"), line);
            m_lex.take();
            v = double(value.number);
        } else {
            m_lex.fail(item,
                QStringLiteral("properties of type %1 cannot be loaded")
                    .arg(QString::fromLatin1(type.name())),
                line);
        }
        write(object, prop, v, item, line);
    }

    // Writes a value. A setter that refuses it with an error, or reports a misuse while
    // nobody is there to answer a box, makes the load fail at this line.
    void write(QObject *object, const QMetaProperty &prop, const QVariant &value,
        const QString &item, int line)
    {
        bool written = false;
        try {
            written = prop.write(object, value);
        } catch (const ELayoutError &) {
            throw;
        } catch (const Exception &error) {
            m_lex.fail(item, error.message(), line);
        }
        if (!m_misuse.isEmpty())
            m_lex.fail(item, m_misuse, line);
        if (!written)
            m_lex.fail(item, QStringLiteral("the value was refused"), line);
    }

    QString stringValue(const QString &item)
    {
        if (m_lex.peek().kind != Token::String)
            m_lex.fail(item, QStringLiteral("expected a quoted text"));
        QString text = m_lex.take().text;
        while (m_lex.isSymbol(QLatin1Char('+'))) {
            m_lex.take();
            if (m_lex.peek().kind != Token::String)
                m_lex.fail(item, QStringLiteral("expected a quoted text after '+'"));
            text += m_lex.take().text;
        }
        return text;
    }

    // ( 'line one' 'line two' ), each line a quoted text that may be joined with '+'.
    QStringList stringListValue(const QString &item)
    {
        const int line = m_lex.peek().line;
        m_lex.expectSymbol(QLatin1Char('('), item);
        QStringList lines;
        while (!m_lex.isSymbol(QLatin1Char(')'))) {
            // An unclosed list is reported where it starts, not where the next item begins.
            if (m_lex.peek().kind != Token::String)
                m_lex.fail(item, QStringLiteral("expected a quoted text or ')'"), line);
            lines << stringValue(item);
        }
        m_lex.take();
        return lines;
    }

    int flagValue(const QMetaProperty &prop, const QString &item)
    {
        m_lex.expectSymbol(QLatin1Char('['), item);
        int flags = 0;
        while (!m_lex.isSymbol(QLatin1Char(']'))) {
            const QString key = m_lex.expectIdent(item);
            bool ok = false;
            const int f = prop.enumerator().keyToValue(key.toLatin1().constData(), &ok);
            if (!ok)
                m_lex.fail(item,
                    QStringLiteral("%1 is not a value of %2")
                        .arg(key, QString::fromLatin1(prop.enumerator().name())));
            flags |= f;
            if (m_lex.isSymbol(QLatin1Char(',')))
                m_lex.take();
            else if (!m_lex.isSymbol(QLatin1Char(']')))
                m_lex.fail(item, QStringLiteral("expected ',' or ']'"));
        }
        m_lex.take();
        return flags;
    }

    void assignObject(QObject *object, const QMetaProperty &prop, const QString &item, int line)
    {
        const Token value = m_lex.peek();
        QObject *current = prop.read(object).value<QObject *>();
        // A list of lines held by the control (a list box's Items, a check group's Items).
        if (auto *strings = qobject_cast<TStrings *>(current);
            strings && m_lex.isSymbol(QLatin1Char('('))) {
            const QStringList lines = stringListValue(item);
            try {
                strings->setLines(lines);
            } catch (const Exception &error) {
                m_lex.fail(item, error.message(), line);
            }
            return;
        }
        if (m_lex.isSymbol(QLatin1Char('<'))) {
            m_lex.take();
            if (!current || current->metaObject()->indexOfMethod("add()") < 0)
                m_lex.fail(item,
                    QStringLiteral("%1 is not a collection").arg(QString::fromLatin1(prop.name())),
                    line);
            collection(current, item);
            return;
        }
        if (value.kind != Token::Ident)
            m_lex.fail(
                item, QStringLiteral("expected a component name, a picture or a collection"), line);
        const QString word = m_lex.take().text;
        if (m_lex.peek().kind == Token::String) {
            picture(qobject_cast<TPicture *>(current), word, item, line);
            return;
        }
        // A reference to another component of the root. One that comes later in the file (a
        // page control's active page, written before the pages) is set once all are created.
        QObject *component = m_names.value(word);
        if (!component) {
            m_forward.append({ object, prop, word, item, line });
            return;
        }
        setReference(object, prop, component, word, item, line);
    }

    void setReference(QObject *object, const QMetaProperty &prop, QObject *component,
        const QString &word, const QString &item, int line)
    {
        const QMetaObject *wanted = prop.metaType().metaObject();
        if (wanted && !component->metaObject()->inherits(wanted))
            m_lex.fail(item,
                QStringLiteral("%1 is not a %2")
                    .arg(word, QString::fromLatin1(wanted->className())),
                line);
        if (!prop.isWritable())
            m_lex.fail(item, QStringLiteral("the value was refused"), line);
        write(object, prop, QVariant::fromValue(component), item, line);
    }

    void resolveForwardReferences()
    {
        for (const ForwardReference &ref : std::as_const(m_forward)) {
            if (!ref.object)
                continue;
            QObject *component = m_names.value(ref.name);
            if (!component)
                component = m_root->findChild<QObject *>(ref.name);
            if (!component)
                m_lex.fail(
                    ref.item, QStringLiteral("no component named %1").arg(ref.name), ref.line);
            setReference(ref.object, ref.prop, component, ref.name, ref.item, ref.line);
        }
        m_forward.clear();
    }

    void picture(TPicture *target, const QString &className, const QString &item, int line)
    {
        const QString file = m_lex.take().text;
        if (!target)
            m_lex.fail(item, QStringLiteral("this property does not hold a picture"), line);
        auto graphic = TPicture::createGraphic(className);
        if (!graphic)
            m_lex.fail(item, QStringLiteral("unknown picture class %1").arg(className), line);
        try {
            graphic->loadFromFile(m_prefix + file);
        } catch (const Exception &error) {
            m_lex.fail(item, error.message(), line);
        }
        target->setGraphic(std::move(graphic));
    }

    void collection(QObject *items, const QString &item)
    {
        while (!m_lex.isSymbol(QLatin1Char('>'))) {
            if (!m_lex.isIdent("item"))
                m_lex.fail(item, QStringLiteral("expected 'item' or '>'"));
            m_lex.take();
            QObject *entry = nullptr;
            QMetaObject::invokeMethod(
                items, "add", Qt::DirectConnection, Q_RETURN_ARG(QObject *, entry));
            if (!entry)
                m_lex.fail(item, QStringLiteral("the collection refused a new item"));
            body(entry, item + QLatin1String(".item"));
        }
        m_lex.take();
    }

    struct ForwardReference {
        QPointer<QObject> object;
        QMetaProperty prop;
        QString name;
        QString item;
        int line;
    };

    static inline Loader *s_current = nullptr;

    Lexer &m_lex;
    QObject *m_root;
    QString m_prefix;
    Loader *m_outer;
    QList<QPointer<QObject>> m_created;
    QHash<QString, QPointer<QObject>> m_names;
    QList<ForwardReference> m_forward;
    int m_depth = 0;
    int m_line = 0;
    QString m_misuse;
};

} // namespace

void TLayoutLoader::registerClass(const QString &className, Factory factory)
{
    classes().insert(className, std::move(factory));
}

bool TLayoutLoader::isClassRegistered(const QString &className)
{
    return classes().contains(className);
}

QStringList TLayoutLoader::registeredClasses()
{
    QStringList names = classes().keys();
    names.sort();
    return names;
}

QObject *TLayoutLoader::create(const QString &className, QObject *owner, QWidget *parent)
{
    const auto factory = classes().constFind(className);
    return factory == classes().constEnd() ? nullptr : (*factory)(owner, parent);
}

bool TLayoutLoader::canLoad(const QMetaProperty &property)
{
    const QMetaType type = property.metaType();
    if (type.flags().testFlag(QMetaType::PointerToQObject))
        return true;
    if (property.isEnumType() || property.isFlagType())
        return true;
    switch (type.id()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::QString:
    case QMetaType::QStringList:
    case QMetaType::Double:
        return true;
    default:
        return false;
    }
}

void TLayoutLoader::registerFrameworkClasses()
{
    registerClass<TImageList>(QStringLiteral("TImageList"));
    registerClass<TApplicationEvents>(QStringLiteral("TApplicationEvents"));
    registerClass<TImage>(QStringLiteral("TImage"));
    registerClass<TTreeView>(QStringLiteral("TTreeView"));
    registerClass<TControl>(QStringLiteral("TControl"));
    registerClass<TCustomPanel>(QStringLiteral("TPanel"));
    registerClass<TMainMenu>(QStringLiteral("TMainMenu"));
    registerClass<TMenuItem>(QStringLiteral("TMenuItem"));
    registerClass<TToolBar>(QStringLiteral("TToolBar"));
    registerClass<TToolButton>(QStringLiteral("TToolButton"));
}

void TLayoutLoader::load(QObject *root, const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw ELayoutError(fileName, 0, root->objectName(), file.errorString());
    QByteArray bytes = file.readAll();
    // A layout saved as UTF-16 would otherwise be read as text full of NULs and fail on its
    // first character with a message that says nothing of the cause.
    const bool bomLE = bytes.startsWith("\xFF\xFE");
    const bool bomBE = bytes.startsWith("\xFE\xFF");
    const bool zeroes = bytes.size() >= 2 && (bytes[0] == '\0' || bytes[1] == '\0');
    if (bomLE || bomBE || zeroes)
        throw ELayoutError(fileName, 1, root->objectName(),
            QStringLiteral("the file is UTF-16 text (%1); layouts are read as UTF-8")
                .arg(bomBE || (zeroes && bytes[0] == '\0') ? QStringLiteral("big-endian")
                                                           : QStringLiteral("little-endian")));
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    loadFromText(root, QString::fromUtf8(bytes), fileName);
}

void TLayoutLoader::setUserPresent(bool present)
{
    s_userPresent = present;
}

bool TLayoutLoader::userPresent()
{
    return s_userPresent;
}

QString TLayoutLoader::currentPosition()
{
    Loader *loader = Loader::current();
    return loader ? loader->position() : QString();
}

bool TLayoutLoader::failLoad(const QString &message)
{
    Loader *loader = Loader::current();
    if (!loader || s_userPresent)
        return false;
    loader->noteMisuse(message);
    return true;
}

QString TLayoutLoader::excerpt(const QString &text, int limit)
{
    if (text.size() <= limit)
        return text;
    int cut = limit - 20;
    if (text[cut].isLowSurrogate())
        --cut;
    return text.left(cut) + QStringLiteral("... (%1 characters)").arg(text.size());
}

void TLayoutLoader::loadFromText(QObject *root, const QString &text, const QString &fileName)
{
    Lexer lexer(text, fileName);
    Loader loader(lexer, root, m_resourcePrefix);
    loader.run();
}
