// The skinned check group: boxes kept in step with Items, the column arithmetic, one OnClick
// per click, and the style, font and transparency handed to the boxes.

#include "TFont.h"
#include "TForm.h"
#include "TzynCheckBox.h"
#include "TzynCheckGroup.h"
#include "TzynForm.h"
#include "ZYNStylePropagation.h"

#include <QSignalSpy>
#include <QtTest>

using S = TzynUIStyle;

class tst_CheckGroup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fiveItemsInTwoColumns();
    void removingLinesKeepsTheCheckedStates();
    void oneClickPerClick();
    void styleFontAndTransparencyReachTheBoxes();
    void refusedColumnsAndMargins();
};

void tst_CheckGroup::fiveItemsInTwoColumns()
{
    QWidget form;
    auto *group = new TzynCheckGroup(&form);
    group->setBounds(0, 0, 210, 105);
    group->setColumns(2);
    group->setItems({ "a", "b", "c", "d", "e" });
    QCOMPARE(group->ItemControls().size(), 5);
    // Items rectangle: top 11 (font height), bottom 105 - 2 = 103; top + margin = 19.
    // rows 3, row height (103 - 19) div 3 = 28, first top 19 + (84 mod 3) div 2 = 19;
    // column width (210 - 10) div 2 = 100.
    const QList<QPoint> expected = { { 8, 19 }, { 8, 47 }, { 8, 75 }, { 108, 19 }, { 108, 47 } };
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(group->Item(i)->pos(), expected[i]);
        QCOMPARE(group->Item(i)->Caption(), QString(QChar('a' + i)));
    }
    // A resize lays out again.
    group->setWidth(410);
    QCOMPARE(group->Item(3)->x(), 208);
}

void tst_CheckGroup::removingLinesKeepsTheCheckedStates()
{
    QWidget form;
    auto *group = new TzynCheckGroup(&form);
    group->setItems({ "a", "b", "c", "d" });
    QPointer<TzynCheckBox> first = group->Item(0), second = group->Item(1);
    QPointer<TzynCheckBox> last = group->Item(3);
    first->setChecked(true);
    group->setItems({ "x", "y" });
    QVERIFY(!last); // destroyed from the end
    QCOMPARE(group->Item(0), first.data());
    QVERIFY(first->Checked());
    QVERIFY(!second->Checked());
    QCOMPARE(first->Caption(), QStringLiteral("x"));
    group->setItems({});
    QVERIFY(group->ItemControls().isEmpty());
}

void tst_CheckGroup::oneClickPerClick()
{
    QWidget form;
    form.resize(300, 200);
    auto *group = new TzynCheckGroup(&form);
    group->setItems({ "a", "b" });
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QSignalSpy clicks(group, &TControl::OnClick);
    TzynCheckBox *box = group->Item(1);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(box->Checked());
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(clicks.at(0).at(0).value<QObject *>(), group);
    // A click on the group itself also counts once.
    QTest::mouseClick(group, Qt::LeftButton, {}, QPoint(150, 5));
    QCOMPARE(clicks.count(), 2);
}

void tst_CheckGroup::styleFontAndTransparencyReachTheBoxes()
{
    QWidget form;
    auto *group = new TzynCheckGroup(&form);
    group->setItems({ "a", "b" });
    group->setUIStyle(S::WinXP);
    QCOMPARE(group->BorderColor(), GetThemeColor(S::WinXP, TzynThemeEntry::ControlBorderColor));
    QCOMPARE(group->FontColor(), GetThemeColor(S::WinXP, TzynThemeEntry::GroupBoxFontColor));
    for (TzynCheckBox *box : group->ItemControls())
        QCOMPARE(box->UIStyle(), S::WinXP);
    // ParentColor keeps the parent's colour; without it the theme's control colour.
    QVERIFY(group->ParentColor());
    group->setParentColor(false);
    group->setUIStyle(S::Protein);
    QCOMPARE(group->Color(), GetThemeColor(S::Protein, TzynThemeEntry::ControlColor));
    QCOMPARE(group->Item(0)->Color(), group->Color());

    group->setFontColor(Colors::clRed);
    QCOMPARE(group->Font()->Color(), Colors::clRed);
    QCOMPARE(group->Item(1)->Font()->Color(), Colors::clRed);
    group->Font()->setHeight(-16);
    QCOMPARE(group->Item(0)->Font()->Height(), -16);

    group->setTransparent(true);
    QVERIFY(group->Item(0)->Transparent());
    group->setItems({ "a", "b", "c" });
    QVERIFY(group->Item(2)->Transparent());

    // From a frame: the check group takes its own colours and its style through the table.
    TForm host;
    auto *frame = new TzynForm(&host);
    auto *onFrame = new TzynCheckGroup(frame);
    onFrame->setItems({ "a" });
    ApplyUIStyleToChildren(frame, S::MacOS);
    QCOMPARE(onFrame->UIStyle(), S::MacOS);
    QCOMPARE(onFrame->Item(0)->UIStyle(), S::MacOS);
}

void tst_CheckGroup::refusedColumnsAndMargins()
{
    QWidget form;
    auto *group = new TzynCheckGroup(&form);
    group->setColumns(0);
    QCOMPARE(group->Columns(), 1);
    group->setTopMargin(-1);
    QCOMPARE(group->TopMargin(), 8);
    group->setTopMargin(0);
    QCOMPARE(group->TopMargin(), 0);
}

QTEST_MAIN(tst_CheckGroup)
#include "tst_checkgroup.moc"
