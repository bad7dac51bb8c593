// Editing the lines of a list box, check list box, memo and check group one at a time: an edit
// elsewhere leaves the marks, the current row, the selection, the rows in view, the caret and
// the undo history where the person left them, and moves them along with their items.

#include "TzynCheckBox.h"
#include "TzynCheckGroup.h"
#include "TzynCheckListBox.h"
#include "TzynComboBox.h"
#include "TzynListBox.h"
#include "TzynMemo.h"
#include "TzynScrollBar.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QtTest>

#include <memory>

namespace {

QStringList numbered(const QString &stem, int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << stem.arg(i);
    return lines;
}

QList<int> checkedRows(const TzynCheckListBox *list)
{
    QList<int> rows;
    for (int i = 0; i < list->count(); ++i) {
        if (list->Checked(i))
            rows << i;
    }
    return rows;
}

QList<int> selectedRows(const QListWidget *list)
{
    QList<int> rows;
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->isSelected())
            rows << i;
    }
    return rows;
}

} // namespace

class tst_ListEdits : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> form;

    template <class T> T *make(const QRect &bounds)
    {
        auto *control = new T(form.get());
        control->setGeometry(bounds);
        control->show();
        return control;
    }

    // The top row in view, read from what is drawn, and the bound bar agreeing with it.
    static int topRow(QListWidget *list) { return list->indexAt(QPoint(4, 4)).row(); }
    static QString topText(QListWidget *list)
    {
        const QListWidgetItem *top = list->item(topRow(list));
        return top ? top->text() : QString();
    }

private Q_SLOTS:
    void init()
    {
        form = std::make_unique<QWidget>();
        form->resize(600, 400);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup() { form.reset(); }

    void listBoxKeepsCurrentRowSelectionAndViewWithItsItems()
    {
        auto *list = make<TzynListBox>(QRect(10, 10, 160, 150));
        auto *bar = new TzynScrollBar(form.get());
        list->setVScrollBar(bar);
        list->Items()->setLines(numbered(QStringLiteral("item %1"), 60));
        list->setMultiSelect(true);
        list->setExtendedSelect(false);
        QApplication::processEvents();
        list->setItemIndex(30);
        list->item(25)->setSelected(true);
        list->item(32)->setSelected(true);
        list->verticalScrollBar()->setValue(20);
        QTRY_COMPARE(topRow(list), 20);

        // Below everything: nothing moves.
        list->Items()->Add(QStringLiteral("appended"));
        QCOMPARE(list->ItemIndex(), 30);
        QCOMPARE(selectedRows(list), QList<int>({ 25, 30, 32 }));
        QTRY_COMPARE(topRow(list), 20);
        QCOMPARE(list->Items()->Count(), 61);

        // Above: the current row, the selection and the rows in view follow their items.
        list->Items()->Insert(2, QStringLiteral("inserted"));
        QCOMPARE(list->ItemIndex(), 31);
        QCOMPARE(list->currentItem()->text(), QStringLiteral("item 30"));
        QCOMPARE(selectedRows(list), QList<int>({ 26, 31, 33 }));
        QTRY_COMPARE(topRow(list), 21);
        QTRY_COMPARE(bar->Position(), 21);
        list->Items()->Delete(0);
        list->Items()->Delete(0);
        QCOMPARE(list->currentItem()->text(), QStringLiteral("item 30"));
        QCOMPARE(list->ItemIndex(), 29);
        QTRY_COMPARE(topText(list), QStringLiteral("item 20"));

        // A moved item takes its selection along; the others close up.
        list->Items()->Move(24, 0);
        QCOMPARE(list->item(0)->text(), QStringLiteral("item 25"));
        QVERIFY(list->item(0)->isSelected());
        QCOMPARE(list->currentItem()->text(), QStringLiteral("item 30"));
        list->Items()->Exchange(29, 1);
        QCOMPARE(list->item(1)->text(), QStringLiteral("item 30"));
        QCOMPARE(list->ItemIndex(), 1);
        QCOMPARE(list->Items()->Strings(29), QStringLiteral("inserted"));
        QVERIFY(!list->item(29)->isSelected());
        // Rows moved across the top row leave it in view; when it goes, the next row is on top.
        QTRY_COMPARE(topText(list), QStringLiteral("item 20"));
        const int top = topRow(list);
        const QString next = list->item(top + 1)->text();
        list->Items()->Delete(top);
        QTRY_COMPARE(topText(list), next);
        QTRY_COMPARE(bar->Position(), list->verticalScrollBar()->value());

        list->Items()->Clear();
        QCOMPARE(list->count(), 0);
        QTRY_VERIFY(bar->isHidden());
    }

    void sortedListBoxAddsInOrder()
    {
        auto *list = make<TzynListBox>(QRect(10, 10, 160, 150));
        list->setSorted(true);
        list->Items()->setCommaText(QStringLiteral("b,d"));
        QCOMPARE(list->Items()->Add(QStringLiteral("c")), 1);
        QCOMPARE(list->Items()->Add(QStringLiteral("a")), 0);
        QCOMPARE(list->Items()->lines(), QStringList({ "a", "b", "c", "d" }));
    }

    void checkListKeepsItsMarksWithTheirItems()
    {
        auto *checks = make<TzynCheckListBox>(QRect(10, 10, 160, 150));
        checks->Items()->setLines(numbered(QStringLiteral("entry %1"), 10));
        checks->setChecked(2, true);
        checks->setChecked(7, true);
        checks->setItemIndex(7);
        checks->Items()->Add(QStringLiteral("entry 10"));
        QCOMPARE(checkedRows(checks), QList<int>({ 2, 7 }));
        QCOMPARE(checks->ItemIndex(), 7);
        checks->Items()->Insert(0, QStringLiteral("first"));
        QCOMPARE(checkedRows(checks), QList<int>({ 3, 8 }));
        QCOMPARE(checks->ItemIndex(), 8);
        QVERIFY(!checks->Checked(0));
        checks->Items()->Delete(0);
        QCOMPARE(checkedRows(checks), QList<int>({ 2, 7 }));
        // The mark goes with its item: entry 2 to the place of entry 9.
        checks->Items()->Move(2, 9);
        QCOMPARE(checks->Items()->Strings(9), QStringLiteral("entry 2"));
        QCOMPARE(checkedRows(checks), QList<int>({ 6, 9 }));
        checks->Items()->Exchange(6, 0);
        QCOMPARE(checks->Items()->Strings(0), QStringLiteral("entry 7"));
        QCOMPARE(checkedRows(checks), QList<int>({ 0, 9 }));
        checks->Items()->setStrings(0, QStringLiteral("renamed"));
        QVERIFY(checks->Checked(0));
    }

    void memoLinesAddKeepsCaretViewAndUndo()
    {
        auto *memo = make<TzynMemo>(QRect(10, 10, 260, 150));
        auto *bar = new TzynScrollBar(form.get());
        memo->setVScrollBar(bar);
        memo->Lines()->setLines(numbered(QStringLiteral("line %1"), 100));
        memo->setFocus();
        // The reader types on line 5 and scrolls on to line 40.
        QTextCursor caret(memo->document()->findBlockByNumber(5));
        caret.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 2);
        memo->setTextCursor(caret);
        QTest::keyClicks(memo, QStringLiteral("xy"));
        QCOMPARE(memo->Lines()->Strings(5), QStringLiteral("lixyne 5"));
        const int caretAt = memo->textCursor().position();
        memo->verticalScrollBar()->setValue(40);
        QApplication::processEvents();

        memo->Lines()->Add(QStringLiteral("added"));
        QApplication::processEvents();
        QCOMPARE(memo->textCursor().position(), caretAt);
        QCOMPARE(memo->verticalScrollBar()->value(), 40);
        QCOMPARE(memo->Lines()->Count(), 101);
        QCOMPARE(memo->Lines()->Strings(100), QStringLiteral("added"));
        QCOMPARE(bar->Position(), 40);

        // Undo takes back the added line, then the typing: the history is whole.
        memo->undo();
        QCOMPARE(memo->Lines()->Count(), 100);
        QCOMPARE(memo->Lines()->Strings(99), QStringLiteral("line 99"));
        QVERIFY(memo->document()->isUndoAvailable());
        memo->undo();
        QCOMPARE(memo->Lines()->Strings(5), QStringLiteral("line 5"));
    }

    void memoEditsElsewhereMoveTheCaretWithItsLine()
    {
        auto *memo = make<TzynMemo>(QRect(10, 10, 260, 150));
        memo->Lines()->Add(QStringLiteral("only"));
        QCOMPARE(memo->toPlainText(), QStringLiteral("only"));
        memo->Lines()->AddStrings({ QStringLiteral("two"), QStringLiteral("three") });
        // A caret at the very end stays at the end of its line when a line is added.
        memo->moveCursor(QTextCursor::End);
        memo->Lines()->Add(QStringLiteral("four"));
        QCOMPARE(memo->textCursor().blockNumber(), 2);
        QCOMPARE(memo->textCursor().positionInBlock(), 5);
        memo->Lines()->Insert(0, QStringLiteral("zero"));
        QCOMPARE(memo->textCursor().block().text(), QStringLiteral("three"));
        QCOMPARE(memo->Lines()->lines(), QStringList({ "zero", "only", "two", "three", "four" }));
        memo->Lines()->Delete(4);
        memo->Lines()->Delete(1);
        QCOMPARE(memo->Lines()->lines(), QStringList({ "zero", "two", "three" }));
        QCOMPARE(memo->textCursor().block().text(), QStringLiteral("three"));
        memo->Lines()->Exchange(0, 2);
        QCOMPARE(memo->toPlainText(), QStringLiteral("three\ntwo\nzero"));
        memo->Lines()->Clear();
        QCOMPARE(memo->Lines()->Count(), 0);
        QVERIFY(memo->document()->isUndoAvailable());
        memo->undo();
        QCOMPARE(memo->Lines()->Count(), 3);
    }

    void comboBoxKeepsItsChoiceWhileItsItemsChange()
    {
        auto *combo = make<TzynComboBox>(QRect(300, 250, 150, 24));
        combo->setStyle(TzynCustomComboBox::csDropDownList);
        combo->setCharCase(TzynCustomComboBox::ecUpperCase);
        combo->setItems({ QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three") });
        combo->setItemIndex(1);
        QSignalSpy changes(combo, &TzynComboBox::OnChange);
        combo->Items()->Add(QStringLiteral("four"));
        combo->Items()->Insert(0, QStringLiteral("zero"));
        QCOMPARE(combo->Items()->lines(), QStringList({ "ZERO", "ONE", "TWO", "THREE", "FOUR" }));
        QCOMPARE(combo->ItemIndex(), 2);
        QCOMPARE(combo->Text(), QStringLiteral("TWO"));
        combo->Items()->Delete(1);
        QCOMPARE(combo->Text(), QStringLiteral("TWO"));
        QCOMPARE(combo->ItemIndex(), 1);
        combo->Items()->setStrings(3, QStringLiteral("vier"));
        QCOMPARE(combo->Items()->Strings(3), QStringLiteral("VIER"));
        // The person's choice never changed, until its own line goes.
        QCOMPARE(changes.count(), 0);
        combo->Items()->Delete(combo->ItemIndex());
        QCOMPARE(changes.count(), 1);
        QVERIFY(combo->Text() != QStringLiteral("TWO"));
    }

    void checkGroupItemsIsALiveList()
    {
        auto *group = make<TzynCheckGroup>(QRect(300, 10, 200, 200));
        TStrings *items = group->Items();
        items->Add(QStringLiteral("a"));
        items->Add(QStringLiteral("b"));
        items->Add(QStringLiteral("c"));
        QCOMPARE(group->Items(), items);
        QCOMPARE(group->ItemControls().size(), 3);
        group->Item(1)->setChecked(true);
        TzynCheckBox *b = group->Item(1);

        items->Insert(0, QStringLiteral("first"));
        QCOMPARE(group->ItemControls().size(), 4);
        QCOMPARE(group->Item(0)->Caption(), QStringLiteral("first"));
        QCOMPARE(group->Item(2), b);
        QVERIFY(b->Checked());
        QVERIFY(!group->Item(0)->Checked());
        // Laid out again: the new box stands first, the others a row further down.
        QVERIFY(group->Item(0)->y() < group->Item(1)->y());
        QVERIFY(group->Item(1)->y() < b->y());

        items->Move(2, 0);
        QCOMPARE(group->Item(0), b);
        QCOMPARE(group->Item(0)->Caption(), QStringLiteral("b"));
        QVERIFY(b->y() < group->Item(1)->y());
        items->Delete(1);
        QCOMPARE(items->lines(), QStringList({ "b", "a", "c" }));
        QCOMPARE(group->Item(0), b);
        QVERIFY(b->Checked());
        items->setStrings(0, QStringLiteral("bee"));
        QCOMPARE(b->Caption(), QStringLiteral("bee"));

        // A click on a box added later raises the group's OnClick as the others do.
        QSignalSpy clicks(group, &TzynCheckGroup::OnClick);
        items->Add(QStringLiteral("late"));
        QTest::mouseClick(group->Item(3), Qt::LeftButton);
        QCOMPARE(clicks.count(), 1);
        QVERIFY(group->Item(3)->Checked());

        items->Clear();
        QVERIFY(group->ItemControls().isEmpty());
        QVERIFY(group->findChildren<TzynCheckBox *>().isEmpty());
    }
};

QTEST_MAIN(tst_ListEdits)
#include "tst_listedits.moc"
