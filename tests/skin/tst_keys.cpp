// The keyboard of a form of skinned controls, with key events sent to whatever has the focus
// of a shown, active window: Enter and Escape reach the default and cancel buttons from every
// control that does not use them itself, and the default button wears its mark.

#include "SkinClasses.h"
#include "TLayoutLoader.h"
#include "TzynButton.h"
#include "TzynButtonShape.h"
#include "TzynCheckBox.h"
#include "TzynComboBox.h"
#include "TzynEdit.h"
#include "TzynGroupBox.h"
#include "TzynListBox.h"
#include "TzynMemo.h"
#include "TzynPageControl.h"
#include "TzynRadioButton.h"
#include "TzynTabControl.h"
#include "TzynTabControlTopPanel.h"
#include "TzynTabSheet.h"
#include "TzynTrackBar.h"

#include <QtTest>

using S = TzynUIStyle;

namespace {

QImage shot(QWidget *w)
{
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Sends a key press and release to the focused widget, as a keyboard does: it goes up the
// parents until one takes it.
void typeKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(static_cast<QWidget *>(nullptr), key, modifiers);
}

bool showActive(QWidget *form)
{
    form->show();
    if (!QTest::qWaitForWindowExposed(form))
        return false;
    form->activateWindow();
    return QTest::qWaitForWindowActive(form);
}

// A small dialog: an edit, a memo, a check box, a radio button, a list, a combo box, a track
// bar, a plain button, and OK (default) and Cancel (cancel).
struct Dialog {
    QWidget form;
    TzynEdit *edit;
    TzynMemo *memo;
    TzynCheckBox *check;
    TzynRadioButton *radio;
    TzynListBox *list;
    TzynComboBox *combo;
    TzynTrackBar *track;
    TzynButton *plain;
    TzynButton *ok;
    TzynButton *cancel;

    Dialog()
    {
        form.resize(400, 300);
        edit = new TzynEdit(&form);
        edit->setBounds(10, 10, 120, 21);
        memo = new TzynMemo(&form);
        memo->setBounds(10, 40, 120, 60);
        check = new TzynCheckBox(&form);
        check->setBounds(140, 10, 120, 20);
        radio = new TzynRadioButton(&form);
        radio->setBounds(140, 40, 120, 20);
        list = new TzynListBox(&form);
        list->setBounds(10, 110, 120, 60);
        list->addItems({ QStringLiteral("one"), QStringLiteral("two") });
        combo = new TzynComboBox(&form);
        combo->setBounds(140, 70, 120, 21);
        track = new TzynTrackBar(&form);
        track->setBounds(140, 110, 150, 30);
        plain = new TzynButton(&form);
        plain->setBounds(10, 250, 80, 27);
        ok = new TzynButton(&form);
        ok->setBounds(100, 250, 80, 27);
        ok->setCaption(QStringLiteral("OK"));
        ok->setDefault(true);
        cancel = new TzynButton(&form);
        cancel->setBounds(190, 250, 80, 27);
        cancel->setCaption(QStringLiteral("Cancel"));
        cancel->setCancel(true);
    }
};

} // namespace

class tst_Keys : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void enterReachesTheDefaultButton_data();
    void enterReachesTheDefaultButton();
    void enterStaysWithControlsThatUseIt();
    void defaultMarkFollowsWhatEnterClicks();
    void defaultFrameFollowsTheShape_data();
    void defaultFrameFollowsTheShape();
    void radioGroupIsOneTabStop();
    void arrowsMoveTheCheck_data();
    void arrowsMoveTheCheck();
    void ctrlTabChangesPages_data();
    void ctrlTabChangesPages();
    void tabRowTakesTheFocus();
    void tabOrderFollowsTheLayout();
    void focusRectangleClearsTheCaption_data();
    void focusRectangleClearsTheCaption();
    void focusRectangleKeepsOffRoundedEnds_data();
    void focusRectangleKeepsOffRoundedEnds();
};

void tst_Keys::enterReachesTheDefaultButton_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("okClicks");
    QTest::addColumn<int>("cancelClicks");
    for (const char *control : { "edit", "check", "radio", "list", "combo", "track" }) {
        QTest::addRow("Enter from %s", control) << control << int(Qt::Key_Return) << 1 << 0;
        QTest::addRow("Escape from %s", control) << control << int(Qt::Key_Escape) << 0 << 1;
    }
    QTest::addRow("keypad Enter from check") << "check" << int(Qt::Key_Enter) << 1 << 0;
}

void tst_Keys::enterReachesTheDefaultButton()
{
    QFETCH(QString, control);
    QFETCH(int, key);
    QFETCH(int, okClicks);
    QFETCH(int, cancelClicks);
    Dialog d;
    QSignalSpy okSpy(d.ok, &TControl::OnClick);
    QSignalSpy cancelSpy(d.cancel, &TControl::OnClick);
    QSignalSpy checkSpy(d.check, &TControl::OnClick);
    QVERIFY(showActive(&d.form));
    QWidget *target = d.form.findChild<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    const QMap<QString, QWidget *> controls { { "edit", d.edit }, { "check", d.check },
        { "radio", d.radio }, { "list", d.list }, { "combo", d.combo }, { "track", d.track } };
    target = controls.value(control);
    QVERIFY(target);
    target->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(target->hasFocus() || target->isAncestorOf(QApplication::focusWidget()));
    const bool checked = d.check->Checked();
    typeKey(Qt::Key(key));
    QCOMPARE(okSpy.count(), okClicks);
    QCOMPARE(cancelSpy.count(), cancelClicks);
    // Enter is not a check box's key: it neither toggles nor clicks it.
    QCOMPARE(d.check->Checked(), checked);
    QCOMPARE(checkSpy.count(), 0);
}

void tst_Keys::enterStaysWithControlsThatUseIt()
{
    Dialog d;
    QSignalSpy okSpy(d.ok, &TControl::OnClick);
    QSignalSpy plainSpy(d.plain, &TControl::OnClick);
    QVERIFY(showActive(&d.form));
    // The memo takes Enter as a new line.
    d.memo->setFocus();
    QVERIFY(d.memo->hasFocus());
    QTest::keyClicks(nullptr, QStringLiteral("ab"));
    typeKey(Qt::Key_Return);
    QTest::keyClicks(nullptr, QStringLiteral("cd"));
    QCOMPARE(d.memo->toPlainText(), QStringLiteral("ab\ncd"));
    QCOMPARE(okSpy.count(), 0);
    // A focused push button clicks itself, not the default one.
    d.plain->setFocus();
    typeKey(Qt::Key_Return);
    QCOMPARE(plainSpy.count(), 1);
    QCOMPARE(okSpy.count(), 0);
    // Space still toggles a check box.
    d.check->setFocus();
    const bool checked = d.check->Checked();
    typeKey(Qt::Key_Space);
    QCOMPARE(d.check->Checked(), !checked);
}

void tst_Keys::defaultMarkFollowsWhatEnterClicks()
{
    Dialog d;
    QVERIFY(showActive(&d.form));
    d.edit->setFocus();
    QVERIFY(d.ok->ShowsDefault());
    QVERIFY(!d.plain->ShowsDefault());
    QVERIFY(!d.check->ShowsDefault());
    // While another push button has the focus, Enter clicks it: the mark moves there, and the
    // default button is painted without it.
    const QImage marked = shot(d.ok);
    d.plain->setFocus();
    QVERIFY(d.plain->ShowsDefault());
    QVERIFY(!d.ok->ShowsDefault());
    QVERIFY(shot(d.ok) != marked);
    // Focus on a check box gives Enter back to the default button.
    d.check->setFocus();
    QVERIFY(d.ok->ShowsDefault());
    QCOMPARE(shot(d.ok), marked);
    // A disabled default button marks nothing, and a form without one marks no button.
    d.ok->setEnabled(false);
    QVERIFY(!d.ok->ShowsDefault());
    d.plain->setFocus();
    QVERIFY(!d.plain->ShowsDefault());
}

void tst_Keys::defaultFrameFollowsTheShape_data()
{
    QTest::addColumn<int>("style");
    for (S style : { S::MacOS, S::WinXP, S::DeepBlue, S::Protein, S::BlueGlass })
        QTest::addRow("%d", int(style)) << int(style);
}

void tst_Keys::defaultFrameFollowsTheShape()
{
    QFETCH(int, style);
    QWidget form;
    form.resize(300, 100);
    auto *field = new TzynEdit(&form);
    field->setBounds(150, 10, 80, 21);
    auto *b = new TzynButton(&form);
    b->setBounds(10, 10, 100, 30);
    b->setUIStyle(S(style));
    b->setCaption(QString());
    QVERIFY(showActive(&form));
    field->setFocus();
    const QImage plain = shot(b);
    b->setDefault(true);
    QVERIFY(b->ShowsDefault());
    const QImage marked = shot(b);
    const int radius = TzynButtonShape::CornerRadius(S(style), QImage());
    // The frame runs one pixel inside the edge along the straight parts, dark...
    const QColor line = marked.pixelColor(50, 1);
    QVERIFY2(line.lightness() < 60, qPrintable(line.name()));
    QVERIFY(marked.pixelColor(1, 15).lightness() < 60);
    // ...the edge itself is the picture's...
    QCOMPARE(marked.pixel(50, 0), plain.pixel(50, 0));
    // ...and a rounded corner is not cut across: the corner pixel of the frame's rectangle
    // stays as the picture has it where the picture is round.
    if (radius > 2)
        QCOMPARE(marked.pixel(1, 1), plain.pixel(1, 1));
    // The focus rectangle keeps off the rounded ends.
    const QRect focus = TzynButtonShape::FocusRect(b->rect(), radius);
    QVERIFY(focus.left() >= radius && focus.top() >= 3);
}

namespace {

// An edit, a group box with radio buttons A B C D (D disabled, B checked) and, in a second
// group of the same box, E F (none checked); then a button.
struct RadioForm {
    QWidget form;
    TzynEdit *before;
    TzynGroupBox *box;
    QList<TzynRadioButton *> radios;
    TzynButton *after;

    RadioForm()
    {
        form.resize(300, 260);
        before = new TzynEdit(&form);
        before->setBounds(10, 10, 100, 21);
        box = new TzynGroupBox(&form);
        box->setBounds(10, 40, 200, 170);
        const char *names[] = { "A", "B", "C", "D", "E", "F" };
        for (int i = 0; i < 6; ++i) {
            auto *radio = new TzynRadioButton(box);
            radio->setObjectName(QLatin1String(names[i]));
            radio->setCaption(QLatin1String(names[i]));
            radio->setBounds(10, 20 + 24 * i, 120, 20);
            radio->setGroupIndex(i < 4 ? 1 : 2);
            radios.append(radio);
        }
        radios[1]->setChecked(true);
        radios[3]->setEnabled(false);
        after = new TzynButton(&form);
        after->setBounds(10, 220, 80, 27);
    }
};

QString focusName()
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

} // namespace

void tst_Keys::radioGroupIsOneTabStop()
{
    RadioForm f;
    f.before->setObjectName(QStringLiteral("before"));
    f.after->setObjectName(QStringLiteral("after"));
    QVERIFY(showActive(&f.form));
    f.before->setFocus();
    // Tab enters the first group on its checked button, the second (none checked) on its
    // first, then leaves the box.
    typeKey(Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("B"));
    typeKey(Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("E"));
    typeKey(Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("after"));
    typeKey(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(focusName(), QStringLiteral("E"));
    typeKey(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(focusName(), QStringLiteral("B"));
    // The stop follows the check, however it was set.
    f.radios[2]->setChecked(true);
    QVERIFY(!f.radios[1]->TabStop());
    QVERIFY(f.radios[2]->TabStop());
    f.before->setFocus();
    typeKey(Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("C"));
    // A click still gives an unchecked button the focus (and the check).
    QTest::mouseClick(f.radios[0], Qt::LeftButton, {}, QPoint(5, 10));
    QCOMPARE(focusName(), QStringLiteral("A"));
    QVERIFY(f.radios[0]->Checked());
}

void tst_Keys::arrowsMoveTheCheck_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("to");
    QTest::newRow("Down") << "B" << int(Qt::Key_Down) << "C";
    QTest::newRow("Right") << "B" << int(Qt::Key_Right) << "C";
    QTest::newRow("Up") << "B" << int(Qt::Key_Up) << "A";
    QTest::newRow("Left") << "B" << int(Qt::Key_Left) << "A";
    QTest::newRow("past the disabled one, round to the first") << "C" << int(Qt::Key_Down) << "A";
    QTest::newRow("round from the first to the last enabled") << "A" << int(Qt::Key_Up) << "C";
    QTest::newRow("within the second group") << "E" << int(Qt::Key_Down) << "F";
    QTest::newRow("round in the second group") << "F" << int(Qt::Key_Right) << "E";
}

void tst_Keys::arrowsMoveTheCheck()
{
    QFETCH(QString, from);
    QFETCH(int, key);
    QFETCH(QString, to);
    RadioForm f;
    f.radios[4]->setChecked(true);
    QVERIFY(showActive(&f.form));
    auto *start = f.box->findChild<TzynRadioButton *>(from);
    auto *target = f.box->findChild<TzynRadioButton *>(to);
    start->setChecked(true);
    start->setFocus();
    QSignalSpy clicks(target, &TControl::OnClick);
    typeKey(Qt::Key(key));
    QCOMPARE(focusName(), to);
    QVERIFY(target->Checked());
    QVERIFY(!start->Checked());
    QCOMPARE(clicks.count(), 1);
    // The other group is left alone.
    const int otherChecked = int(std::count_if(
        f.radios.begin(), f.radios.end(), [](TzynRadioButton *r) { return r->Checked(); }));
    QCOMPARE(otherChecked, 2);
}

namespace {

// A page control with pages P0 to P3 (P2's tab hidden), an edit on P0 and a button after it.
struct PagesForm {
    QWidget form;
    TzynPageControl *pages;
    QList<TzynTabSheet *> sheets;
    TzynEdit *edit;
    TzynButton *after;

    PagesForm()
    {
        form.resize(400, 260);
        pages = new TzynPageControl(&form);
        pages->setBounds(10, 10, 360, 200);
        for (int i = 0; i < 4; ++i) {
            auto *sheet = new TzynTabSheet(pages);
            sheet->setObjectName(QStringLiteral("P%1").arg(i));
            sheet->setCaption(QStringLiteral("Page %1").arg(i));
            sheets.append(sheet);
        }
        sheets[2]->setTabVisible(false);
        edit = new TzynEdit(sheets[0]);
        edit->setBounds(10, 10, 100, 21);
        pages->setActivePage(sheets[0]);
        after = new TzynButton(&form);
        after->setBounds(10, 220, 80, 27);
    }
    QString active() const { return pages->ActivePage()->objectName(); }
};

} // namespace

void tst_Keys::ctrlTabChangesPages_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QStringList>("visits");
    const int ctrl = int(Qt::ControlModifier);
    const int ctrlShift = int(Qt::ControlModifier | Qt::ShiftModifier);
    // Round past the ends, past the hidden tab.
    QTest::newRow("Ctrl+Tab") << int(Qt::Key_Tab) << ctrl << QStringList { "P1", "P3", "P0" };
    QTest::newRow("Ctrl+PgDn") << int(Qt::Key_PageDown) << ctrl << QStringList { "P1", "P3", "P0" };
    QTest::newRow("Ctrl+Shift+Tab")
        << int(Qt::Key_Backtab) << ctrlShift << QStringList { "P3", "P1", "P0" };
    QTest::newRow("Ctrl+PgUp") << int(Qt::Key_PageUp) << ctrl << QStringList { "P3", "P1", "P0" };
}

void tst_Keys::ctrlTabChangesPages()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QStringList, visits);
    PagesForm f;
    QSignalSpy changes(f.pages, &TzynTab::OnChange);
    QVERIFY(showActive(&f.form));
    // From a control on the page: the page goes, and the tab row keeps the focus.
    f.edit->setFocus();
    for (const QString &page : visits) {
        typeKey(Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(f.active(), page);
        QVERIFY(f.pages->Strip()->hasFocus());
    }
    QCOMPARE(changes.count(), visits.size());
    // OnChanging may refuse.
    connect(f.pages, &TzynTab::OnChanging, this, [](QObject *, bool &allow) { allow = false; });
    typeKey(Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(f.active(), visits.last());
}

void tst_Keys::tabRowTakesTheFocus()
{
    PagesForm f;
    f.after->setObjectName(QStringLiteral("after"));
    QVERIFY(showActive(&f.form));
    TzynTabControlTopPanel *strip = f.pages->Strip();
    // Tab order: the tab row, the page's edit, then what follows the control.
    strip->setFocus();
    const QImage unfocused = [&] {
        f.after->setFocus();
        return shot(strip);
    }();
    strip->setFocus();
    QVERIFY(strip->hasFocus());
    // The focused tab shows it.
    QVERIFY(shot(strip) != unfocused);
    typeKey(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), f.edit);
    typeKey(Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("after"));
    // Right and Left move between the shown tabs and stop at the ends; Home and End jump.
    strip->setFocus();
    typeKey(Qt::Key_Left);
    QCOMPARE(f.active(), QStringLiteral("P0"));
    typeKey(Qt::Key_Right);
    QCOMPARE(f.active(), QStringLiteral("P1"));
    typeKey(Qt::Key_Right);
    QCOMPARE(f.active(), QStringLiteral("P3"));
    typeKey(Qt::Key_Right);
    QCOMPARE(f.active(), QStringLiteral("P3"));
    typeKey(Qt::Key_Home);
    QCOMPARE(f.active(), QStringLiteral("P0"));
    typeKey(Qt::Key_End);
    QCOMPARE(f.active(), QStringLiteral("P3"));
    QVERIFY(strip->hasFocus());
    // The plain tab control does the same with its tabs.
    auto *tabs = new TzynTabControl(&f.form);
    tabs->setBounds(10, 10, 300, 100);
    tabs->setTabs({ QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c") });
    tabs->show();
    tabs->Strip()->setFocus();
    typeKey(Qt::Key_Right);
    QCOMPARE(tabs->TabIndex(), 1);
    typeKey(Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(tabs->TabIndex(), 2);
    typeKey(Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(tabs->TabIndex(), 0);
}

void tst_Keys::tabOrderFollowsTheLayout()
{
    TLayoutLoader::registerFrameworkClasses();
    registerSkinClasses();
    // Created in one order, numbered in another: the box (with its own two buttons, also
    // numbered against their creation) comes between the two edits; the last button has no
    // number and keeps its place among the others by creation.
    const QString layout = QStringLiteral(R"(object Form: QWidget
  object Second: TzynEdit
    Left = 10
    Top = 40
    TabOrder = 2
  end
  object Box: TzynGroupBox
    Left = 10
    Top = 70
    Width = 200
    Height = 80
    TabOrder = 1
    object Inner2: TzynButton
      Left = 100
      Top = 20
      TabOrder = 1
    end
    object Inner1: TzynButton
      Left = 10
      Top = 20
      TabOrder = 0
    end
  end
  object First: TzynEdit
    Left = 10
    Top = 10
    TabOrder = 0
  end
  object Last: TzynButton
    Left = 10
    Top = 160
  end
end
)");
    QWidget form;
    form.resize(300, 220);
    TLayoutLoader loader;
    loader.loadFromText(&form, layout, QStringLiteral("order.layout"));
    QVERIFY(showActive(&form));
    form.findChild<QWidget *>(QStringLiteral("First"))->setFocus();
    QStringList visited { focusName() };
    for (int i = 0; i < 5; ++i) {
        typeKey(Qt::Key_Tab);
        visited << focusName();
    }
    QCOMPARE(visited, QStringList({ "First", "Inner1", "Inner2", "Second", "Last", "First" }));
    // A number changed later re-lays the chain.
    qobject_cast<TzynEdit *>(form.findChild<QWidget *>(QStringLiteral("Second")))->setTabOrder(0);
    form.findChild<QWidget *>(QStringLiteral("Second"))->setFocus();
    typeKey(Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("First"));
}

namespace {

// The bounding box of the pixels where two pictures differ.
QRect differences(const QImage &a, const QImage &b)
{
    QRect box;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

void tst_Keys::focusRectangleClearsTheCaption_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("radio");
    for (S style : { S::Custom, S::MacOS, S::WinXP, S::DeepBlue, S::Protein, S::BlueGlass }) {
        QTest::addRow("check %d", int(style)) << int(style) << false;
        QTest::addRow("radio %d", int(style)) << int(style) << true;
    }
}

void tst_Keys::focusRectangleClearsTheCaption()
{
    QFETCH(int, style);
    QFETCH(bool, radio);
    QWidget form;
    form.resize(300, 80);
    auto *field = new TzynEdit(&form);
    field->setBounds(200, 10, 80, 21);
    TzynCheckBox *box = radio ? new TzynRadioButton(&form) : new TzynCheckBox(&form);
    box->setBounds(10, 10, 160, 24);
    box->setUIStyle(S(style));
    box->setCaption(QString());
    QVERIFY(showActive(&form));
    field->setFocus();
    const QImage empty = shot(box);
    box->setCaption(QStringLiteral("Ågjy"));
    const QImage plain = shot(box);
    box->setFocus();
    QVERIFY(box->hasFocus());
    const QImage focused = shot(box);
    const QRect ink = differences(empty, plain);
    const QRect dots = differences(plain, focused);
    QVERIFY(!ink.isEmpty() && !dots.isEmpty());
    // At least one clear pixel between the caption's ink and the dots on every side, and the
    // dots inside the control.
    QVERIFY2(dots.adjusted(2, 2, -2, -2).contains(ink),
        qPrintable(QStringLiteral("ink %1,%2 %3x%4 dots %5,%6 %7x%8")
                       .arg(ink.x())
                       .arg(ink.y())
                       .arg(ink.width())
                       .arg(ink.height())
                       .arg(dots.x())
                       .arg(dots.y())
                       .arg(dots.width())
                       .arg(dots.height())));
    QVERIFY(box->rect().contains(dots));
}

void tst_Keys::focusRectangleKeepsOffRoundedEnds_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("ownPicture");
    QTest::addColumn<int>("minimumInset");
    // A pill, a button with its own pill pictures (measured from them), square-ish corners.
    QTest::newRow("Protein") << int(S::Protein) << QString() << 9;
    QTest::newRow("own MacOS pictures") << int(S::Custom) << "MACOS_BUTTON_NORMAL" << 9;
    QTest::newRow("DeepBlue") << int(S::DeepBlue) << QString() << 3;
    QTest::newRow("WinXP") << int(S::WinXP) << QString() << 3;
}

void tst_Keys::focusRectangleKeepsOffRoundedEnds()
{
    QFETCH(int, style);
    QFETCH(QString, ownPicture);
    QFETCH(int, minimumInset);
    QWidget form;
    form.resize(300, 80);
    auto *field = new TzynEdit(&form);
    field->setBounds(200, 10, 80, 21);
    auto *b = new TzynButton(&form);
    b->setUIStyle(S(style));
    if (!ownPicture.isEmpty())
        b->setPicNormalResName(ownPicture);
    b->setBounds(10, 10, 84, 23);
    b->setCaption(QString());
    QVERIFY(showActive(&form));
    field->setFocus();
    const QImage plain = shot(b);
    b->setFocus();
    const QRect dots = differences(plain, shot(b));
    QVERIFY(!dots.isEmpty());
    QVERIFY2(dots.left() >= minimumInset && b->width() - 1 - dots.right() >= minimumInset,
        qPrintable(QStringLiteral("%1..%2").arg(dots.left()).arg(dots.right())));
    QVERIFY(dots.top() >= 3 && b->height() - 1 - dots.bottom() >= 3);
}

QTEST_MAIN(tst_Keys)
#include "tst_keys.moc"
