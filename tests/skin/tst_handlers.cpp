// A program may delete or hide a control from its own click, change or repeat handler: a dialog
// closes from its OK button, a list empties from its own scroll bar. Whatever path raised the
// handler (a click, a key, a held button, a page step) must leave the control alone once the
// handler returns. These paths are meant to be run under AddressSanitizer as well.

#include "TzynButton.h"
#include "TzynCheckBox.h"
#include "TzynComboBox.h"
#include "TzynEdit.h"
#include "TzynImageButton.h"
#include "TzynScrollBar.h"
#include "TzynTrackBar.h"

#include <QAbstractItemView>
#include <QPointer>
#include <QTest>
#include <QWidget>

namespace {

enum class Removal { Delete, DeleteLater, Hide };

// Does to the control what the handler was asked to.
void remove(QWidget *control, Removal how)
{
    switch (how) {
    case Removal::Delete:
        delete control;
        break;
    case Removal::DeleteLater:
        control->deleteLater();
        break;
    case Removal::Hide:
        control->hide();
        break;
    }
}

// The control is gone, or hidden, as the handler left it.
bool removed(const QPointer<QWidget> &control, Removal how)
{
    return how == Removal::Hide ? control && !control->isVisible() : control.isNull();
}

// Where a point of a control lies in its window. The input is aimed at the window, which hands
// it on as the platform's input is: the control may be gone when the helper looks at it again.
QPoint inWindow(QWidget *control, QPoint at)
{
    return control->mapTo(control->window(), at);
}

struct Window : QWidget {
    Window()
    {
        resize(400, 200);
        show();
    }
};

} // namespace

Q_DECLARE_METATYPE(Removal)

class TestHandlers : public QObject {
    Q_OBJECT
private:
    static bool shown(QWidget &window) { return QTest::qWaitForWindowExposed(&window); }

private Q_SLOTS:
    void buttonClick_data()
    {
        QTest::addColumn<Removal>("how");
        QTest::newRow("delete") << Removal::Delete;
        QTest::newRow("deleteLater") << Removal::DeleteLater;
        QTest::newRow("hide") << Removal::Hide;
    }
    void buttonClick()
    {
        QFETCH(Removal, how);
        Window window;
        auto *button = new TzynButton(&window);
        button->setGeometry(10, 10, 90, 30);
        button->show();
        QVERIFY(shown(window));
        QPointer<QWidget> alive(button);
        int clicks = 0;
        connect(button, &TzynButton::OnClick, &window, [&] {
            ++clicks;
            remove(button, how);
        });
        QTest::mouseClick(
            window.windowHandle(), Qt::LeftButton, {}, inWindow(button, QPoint(20, 15)));
        QCOMPARE(clicks, 1);
        QTRY_VERIFY(removed(alive, how));
    }

    void buttonKeys_data()
    {
        QTest::addColumn<Removal>("how");
        QTest::addColumn<int>("key");
        QTest::newRow("space delete") << Removal::Delete << int(Qt::Key_Space);
        QTest::newRow("space hide") << Removal::Hide << int(Qt::Key_Space);
        QTest::newRow("return delete") << Removal::Delete << int(Qt::Key_Return);
    }
    // Space on the focused button, and the default button's Enter from the form.
    void buttonKeys()
    {
        QFETCH(Removal, how);
        QFETCH(int, key);
        Window window;
        auto *other = new TzynEdit(&window);
        other->setGeometry(120, 10, 90, 30);
        auto *button = new TzynButton(&window);
        button->setGeometry(10, 10, 90, 30);
        button->setDefault(true);
        other->show();
        button->show();
        QVERIFY(shown(window));
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        // Enter is the form's key for the default button; Space the focused button's own.
        (key == Qt::Key_Space ? static_cast<QWidget *>(button) : other)->setFocus();
        QPointer<QWidget> alive(button);
        int clicks = 0;
        connect(button, &TzynButton::OnClick, &window, [&] {
            ++clicks;
            remove(button, how);
        });
        QTest::keyClick(window.windowHandle(), Qt::Key(key));
        QCOMPARE(clicks, 1);
        QTRY_VERIFY(removed(alive, how));
    }

    void checkBoxClick()
    {
        Window window;
        auto *box = new TzynCheckBox(&window);
        box->setGeometry(10, 10, 120, 20);
        box->show();
        QVERIFY(shown(window));
        QPointer<QWidget> alive(box);
        connect(box, &TzynCheckBox::OnClick, &window, [&] { delete box; });
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, inWindow(box, QPoint(8, 10)));
        QVERIFY(alive.isNull());
    }

    // The arrow keys and the wheel change the selection on the box itself.
    void comboBoxChange()
    {
        Window window;
        auto *combo = new TzynComboBox(&window);
        combo->setGeometry(10, 10, 150, 24);
        combo->setItems({ QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three") });
        combo->setItemIndex(0);
        combo->show();
        QVERIFY(shown(window));
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        combo->setFocus();
        QPointer<QWidget> alive(combo);
        connect(combo, &TzynComboBox::OnChange, &window, [&] { delete combo; });
        QTest::keyClick(window.windowHandle(), Qt::Key_Down);
        QVERIFY(alive.isNull());
    }

    // An item picked in the open list.
    void comboBoxPick()
    {
        Window window;
        auto *combo = new TzynComboBox(&window);
        combo->setGeometry(10, 10, 150, 24);
        combo->setItems({ QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three") });
        combo->setItemIndex(0);
        combo->show();
        QVERIFY(shown(window));
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QPointer<QWidget> alive(combo);
        connect(combo, &TzynComboBox::OnChange, &window, [&] { delete combo; });
        static_cast<QComboBox *>(combo)->showPopup();
        QAbstractItemView *list = combo->view();
        QTRY_VERIFY(list->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(list->window()));
        const QRect item = list->visualRect(list->model()->index(2, 0));
        QPointer<QWidget> viewport(list->viewport());
        QTest::mouseClick(list->window()->windowHandle(), Qt::LeftButton, {},
            viewport->mapTo(list->window(), item.center()));
        QTRY_VERIFY(alive.isNull());
    }

    void trackBarChange_data()
    {
        QTest::addColumn<int>("changes");
        // The first page step comes with the press, the next ones from the held button.
        QTest::newRow("press") << 1;
        QTest::newRow("held") << 2;
    }
    void trackBarChange()
    {
        QFETCH(int, changes);
        Window window;
        auto *bar = new TzynTrackBar(&window);
        bar->setGeometry(10, 10, 300, 30);
        bar->setMin(0);
        bar->setMax(100);
        bar->setPageSize(5);
        bar->setPosition(0);
        bar->show();
        QVERIFY(shown(window));
        QPointer<QWidget> alive(bar);
        int seen = 0;
        connect(bar, &TzynTrackBar::OnChange, &window, [&] {
            if (++seen == changes)
                delete bar;
        });
        const QPoint end = inWindow(bar, QPoint(bar->width() - 3, bar->height() / 2));
        QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, end);
        QTRY_VERIFY(alive.isNull());
        QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, end);
    }

    // A press on a scroll bar's arrow changes it at once, before the repeat.
    void scrollBarArrowHeld()
    {
        Window window;
        auto *bar = new TzynScrollBar(&window);
        bar->setGeometry(10, 10, 300, 20);
        bar->setMin(0);
        bar->setMax(100);
        bar->setPosition(50);
        bar->show();
        QVERIFY(shown(window));
        QWidget *arrow = nullptr;
        const QList<TzynImageButton *> buttons = bar->findChildren<TzynImageButton *>();
        for (TzynImageButton *button : buttons)
            if (!arrow || button->x() > arrow->x())
                arrow = button;
        QVERIFY(arrow);
        QPointer<QWidget> alive(bar);
        connect(bar, &TzynScrollBar::OnChange, &window, [&] { delete bar; });
        const QPoint at = inWindow(arrow, arrow->rect().center());
        QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, at);
        QTRY_VERIFY(alive.isNull());
        QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, at);
    }

    void buttonRepeat_data()
    {
        QTest::addColumn<Removal>("how");
        QTest::newRow("delete") << Removal::Delete;
        QTest::newRow("hide") << Removal::Hide;
    }
    void buttonRepeat()
    {
        QFETCH(Removal, how);
        Window window;
        auto *button = new TzynButton(&window);
        button->setGeometry(10, 10, 90, 30);
        button->setMouseContinuouslyDownInterval(10);
        button->show();
        QVERIFY(shown(window));
        QPointer<QWidget> alive(button);
        int repeats = 0;
        connect(button, &TzynButton::OnMouseContinuouslyDown, &window, [&] {
            if (++repeats == 2)
                remove(button, how);
        });
        const QPoint at = inWindow(button, QPoint(20, 15));
        QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, at);
        QTRY_VERIFY(removed(alive, how));
        QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, at);
        // A hidden button repeats no more.
        QCOMPARE(repeats, 2);
    }
};

QTEST_MAIN(TestHandlers)
#include "tst_handlers.moc"
