// The keyboard of a form of skinned controls, with key events sent to whatever has the focus
// of a shown, active window: Enter and Escape reach the default and cancel buttons from every
// control that does not use them itself, and the default button wears its mark.

#include "TzynButton.h"
#include "TzynButtonShape.h"
#include "TzynCheckBox.h"
#include "TzynComboBox.h"
#include "TzynEdit.h"
#include "TzynListBox.h"
#include "TzynMemo.h"
#include "TzynRadioButton.h"
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

QTEST_MAIN(tst_Keys)
#include "tst_keys.moc"
