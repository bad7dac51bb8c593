#pragma once

#include "Exception.h"

#include <QHash>
#include <QMetaProperty>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <type_traits>

class QObject;
class QWidget;

// A layout description that cannot be applied: names the file, the line and the item.
class ELayoutError : public Exception {
public:
    ELayoutError(const QString &file, int line, const QString &item, const QString &message);

    QString file() const { return m_file; }
    int line() const { return m_line; }

private:
    QString m_file;
    int m_line;
};

// Builds a window from its layout description, a human-readable text file:
//
//     object Form1: TForm1            // the root: the window being loaded
//       Caption = 'Text'              // 'quoted', '' for a quote; 'a' + 'b' joins
//       Anchors = [akLeft, akTop]     // a set of flags
//       Font.Height = -14             // a property of a sub-object
//       Color = clMoneyGreen          // a colour name or number
//       Images = ImageList1           // another component, by name (also one further down)
//       Tabs = ('One' 'Two')          // a list of texts
//       Picture = TGIFImage 'logo/logo.gif'   // a picture class and a resource file
//       OnClick = Image1Click         // an event wired to a handler of the root
//       Items = <                     // a collection: each item is added, then filled in
//         item
//           Text = 'Entry'
//         end>
//       object Image1: TImage         // a component, created in file order
//       end
//       object MainMenu1: TMainMenu   // components inside a component that holds
//         object File1: TMenuItem     // components (TComponentHolder) are handed to it
//           Caption = '&File'
//         end
//       end
//     end
//
// Objects and collection items nest at most 100 levels deep. Components are created by their
// registered class name and take the enclosing object as their parent (non-visual ones are
// owned by the root, unless the enclosing component is a TComponentHolder and takes them).
// Properties are applied in file order through Qt's property system. An enumerated property
// takes the names of its type, and further names where the component's class declares an
// enumeration (Q_ENUM) called after the property with "Keys" appended (AlignKeys for Align)
// whose values are values of the property's type. Anything unknown is an
// error, never skipped. A component that is a TLayoutStatus is told Loading() before its first
// property, and Loaded() in creation order once the whole file is applied.
class TLayoutLoader {
public:
    // Creates a component of a class; parent is the enclosing widget, owner the root.
    using Factory = std::function<QObject *(QObject *owner, QWidget *parent)>;

    static void registerClass(const QString &className, Factory factory);
    static bool isClassRegistered(const QString &className);
    // The registered class names, and a new component of one of them (null for an unknown
    // name), for checks that go over every class a layout may name.
    static QStringList registeredClasses();
    static QObject *create(const QString &className, QObject *owner, QWidget *parent);
    // Whether a layout can give the property a value: enumerations, sets, numbers, texts,
    // Booleans and components (sub-objects and references).
    static bool canLoad(const QMetaProperty &property);

    template <class T> static void registerClass(const QString &className)
    {
        registerClass(className, [](QObject *owner, QWidget *parent) -> QObject * {
            if constexpr (std::is_base_of_v<QWidget, T>)
                return new T(parent);
            else
                return new T(owner);
        });
    }

    // Registers the framework's own component classes.
    static void registerFrameworkClasses();

    // Resource files named by picture values are looked up under this prefix.
    void setResourcePrefix(const QString &prefix) { m_resourcePrefix = prefix; }

    // Loads a file (a Qt resource path or a file name) onto an existing root object. A file
    // that starts with a UTF-8 byte order mark is read without it; a UTF-16 file is refused.
    void load(QObject *root, const QString &fileName);
    void loadFromText(QObject *root, const QString &text, const QString &fileName);

    // Whether someone can answer a box while a layout loads: set by the program before its
    // windows are built. Without a user (tests, tools) a component's report of a misuse while
    // loading makes the load fail with the report instead of waiting on a modal box.
    static void setUserPresent(bool present);
    static bool userPresent();
    // "file:line" of what the load in progress is applying, empty outside a load.
    static QString currentPosition();
    // For a component that reports a misuse: true when a load without a user is in progress,
    // which then fails with the message at the current line (the caller shows no box).
    static bool failLoad(const QString &message);
    // Input quoted in a message, cut short: a 100 MB name must not make a 100 MB message.
    static QString excerpt(const QString &text, int limit = 80);

private:
    QString m_resourcePrefix = QStringLiteral(":/");
};
