// The list of lines a control publishes: each edit reaches the control as the one change it
// makes (never a rewrite of every line), indexes outside the list are refused, Exchange and
// Move work over any store, and a layout fills the list from a list of quoted lines.

#include "Exception.h"
#include "TCustomPanel.h"
#include "TForm.h"
#include "TLayoutLoader.h"
#include "TStrings.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

// A control's side of a list: its lines and a note of each change it was asked to make.
struct Lines {
    QStringList lines;
    QStringList calls;

    TStrings::Store store(bool withMove)
    {
        TStrings::Store s;
        s.count = [this] { return int(lines.size()); };
        s.get = [this](int i) { return lines.at(i); };
        s.insert = [this](int i, const QStringList &added) {
            calls << QStringLiteral("insert %1 %2").arg(i).arg(added.join(QLatin1Char('|')));
            for (int k = 0; k < added.size(); ++k)
                lines.insert(i + k, added[k]);
            return i;
        };
        s.remove = [this](int i, int n) {
            calls << QStringLiteral("remove %1 %2").arg(i).arg(n);
            lines.remove(i, n);
        };
        if (withMove) {
            s.move = [this](int from, int to) {
                calls << QStringLiteral("move %1 %2").arg(from).arg(to);
                lines.move(from, to);
            };
        }
        return s;
    }
};

} // namespace

class TStringsHolder : public TCustomPanel {
    Q_OBJECT
    Q_PROPERTY(TStrings *Items READ Items)
public:
    explicit TStringsHolder(QWidget *parent = nullptr)
        : TCustomPanel(parent)
        , m_items(new TStrings(this, m_lines.store(true)))
    {
    }
    TStrings *Items() const { return m_items; }
    Lines m_lines;

private:
    TStrings *m_items;
};

class TTestForm : public TForm {
    Q_OBJECT
public:
    using TForm::TForm;
};

class tst_Strings : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        TLayoutLoader::registerFrameworkClasses();
        TLayoutLoader::registerClass<TStringsHolder>(QStringLiteral("TStringsHolder"));
    }

    void eachEditIsOneChangeOfTheControl()
    {
        Lines owner;
        TStrings strings(nullptr, owner.store(true));
        QSignalSpy changed(&strings, &TStrings::Changed);
        QCOMPARE(strings.Add(QStringLiteral("a")), 0);
        QCOMPARE(strings.Add(QStringLiteral("c")), 1);
        strings.Insert(1, QStringLiteral("b"));
        strings.Insert(3, QStringLiteral("d"));
        QCOMPARE(owner.lines, QStringList({ "a", "b", "c", "d" }));
        strings.Delete(0);
        strings.Move(0, 2);
        QCOMPARE(owner.lines, QStringList({ "c", "d", "b" }));
        strings.Exchange(2, 0);
        QCOMPARE(owner.lines, QStringList({ "b", "d", "c" }));
        strings.Clear();
        QCOMPARE(owner.calls,
            QStringList({ "insert 0 a", "insert 1 c", "insert 1 b", "insert 3 d", "remove 0 1",
                "move 0 2", "move 2 0", "move 1 2", "remove 0 3" }));
        QCOMPARE(changed.count(), 8);
        QCOMPARE(changed.at(2).at(0).value<TStrings::TChangeKind>(), TStrings::Inserted);
        QCOMPARE(changed.at(2).at(1).toInt(), 1);
        QCOMPARE(changed.last().at(0).value<TStrings::TChangeKind>(), TStrings::Cleared);
        // Clearing an empty list changes nothing.
        strings.Clear();
        QCOMPARE(changed.count(), 8);
    }

    void moveAndExchangeWorkWithoutAMoveOfTheControl()
    {
        Lines owner;
        owner.lines = QStringList({ "0", "1", "2", "3", "4" });
        TStrings strings(nullptr, owner.store(false));
        strings.Move(4, 1);
        QCOMPARE(owner.lines, QStringList({ "0", "4", "1", "2", "3" }));
        strings.Move(0, 4);
        QCOMPARE(owner.lines, QStringList({ "4", "1", "2", "3", "0" }));
        strings.Exchange(0, 3);
        QCOMPARE(owner.lines, QStringList({ "3", "1", "2", "4", "0" }));
        strings.setStrings(2, QStringLiteral("two"));
        QCOMPARE(strings.lines(), QStringList({ "3", "1", "two", "4", "0" }));
        QCOMPARE(strings.IndexOf(QStringLiteral("4")), 3);
        QCOMPARE(strings.IndexOf(QStringLiteral("none")), -1);
    }

    void indexesOutsideTheListAreRefused()
    {
        Lines owner;
        owner.lines = QStringList({ "a", "b" });
        TStrings strings(nullptr, owner.store(true));
        QVERIFY_THROWS_EXCEPTION(EListError, strings.Insert(3, QStringLiteral("x")));
        QVERIFY_THROWS_EXCEPTION(EListError, strings.Insert(-1, QStringLiteral("x")));
        QVERIFY_THROWS_EXCEPTION(EListError, strings.Delete(2));
        QVERIFY_THROWS_EXCEPTION(EListError, strings.Move(0, 2));
        QVERIFY_THROWS_EXCEPTION(EListError, strings.Exchange(-1, 0));
        QVERIFY_THROWS_EXCEPTION(EListError, strings.setStrings(2, QStringLiteral("x")));
        QCOMPARE(owner.lines, QStringList({ "a", "b" }));
        QVERIFY(owner.calls.isEmpty());
        // Reading outside the list gives an empty line; an edit in place of itself is none.
        QCOMPARE(strings.Strings(5), QString());
        strings.Move(1, 1);
        strings.Exchange(0, 0);
        QVERIFY(owner.calls.isEmpty());
    }

    void aControlThatOnlyReadsAndWritesEverything()
    {
        QStringList kept { "x", "y" };
        TStrings strings(
            nullptr, [&] { return kept; }, [&](const QStringList &all) { kept = all; });
        strings.Insert(1, QStringLiteral("m"));
        strings.Add(QStringLiteral("z"));
        strings.Delete(0);
        strings.Exchange(0, 2);
        QCOMPARE(kept, QStringList({ "z", "y", "m" }));
        strings.setCommaText(QStringLiteral("one,\"two words\""));
        QCOMPARE(kept, QStringList({ "one", "two words" }));
    }

    void aLayoutFillsTheListFromQuotedLines()
    {
        TTestForm form;
        TLayoutLoader().loadFromText(&form, QStringLiteral(R"(object Form1: TTestForm
  object H: TStringsHolder
    Items = ('first' 'sec' + 'ond')
  end
end
)"),
            QStringLiteral("strings"));
        auto *holder = form.findChild<TStringsHolder *>(QStringLiteral("H"));
        QVERIFY(holder);
        QCOMPARE(holder->Items()->lines(), QStringList({ "first", "second" }));
    }
};

QTEST_MAIN(tst_Strings)
#include "tst_strings.moc"
