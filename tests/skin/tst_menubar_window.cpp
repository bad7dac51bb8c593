// The menu bar and the skinned tool bar in a real window under a window manager (Xvfb with
// openbox), driven by the real pointer through xdotool: a click on a bar button opens its
// menu, a click on an item runs it, sliding to another button while a menu is open opens
// that one, a click on the open button closes its menu; a tool bar button is hot under the
// pointer, down while held and clicked on release, and no title or tool button stays hot once
// its menu or the modal window its click opened has closed.

#include "PaintCounter.h"
#include "RealPointer.h"
#include "TForm.h"
#include "TMenuItem.h"
#include "TToolBar.h"
#include "TToolButton.h"
#include "TzynForm.h"
#include "TzynMainMenu.h"
#include "TzynToolBar.h"

#include <QDialog>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

namespace {

constexpr int kTimeout = 15000;

bool click(const QPoint &p)
{
    return xdotool(pointerMoveTo(p) << QStringLiteral("click") << QStringLiteral("1"));
}

TMenuItem *item(const QString &caption, TMenuItem *parent)
{
    auto *it = new TMenuItem;
    it->setCaption(caption);
    parent->Add(it);
    return it;
}

QRgb rgb(TColor color)
{
    return toQColor(color).rgb();
}

} // namespace

class tst_MenuBarWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<TForm> host;
    TzynForm *frame = nullptr;
    TzynMainMenu *menu = nullptr;
    TMenuItem *file = nullptr, *edit = nullptr, *exit = nullptr;

    QPoint centreOf(const QWidget *w) const { return w->mapToGlobal(w->rect().center()); }
    TToolButton *barButton(int i) const { return frame->MenuBar()->Buttons(i); }

private Q_SLOTS:
    void init()
    {
        host.reset(new TForm);
        host->setGeometry(100, 100, 500, 300);
        frame = new TzynForm(host.get());
        frame->setUIStyle(TzynUIStyle::WinXP);
        menu = new TzynMainMenu(host.get());
        file = item(QStringLiteral("&File"), menu->Items());
        item(QStringLiteral("&Open"), file);
        item(QStringLiteral("-"), file);
        exit = item(QStringLiteral("E&xit"), file);
        edit = item(QStringLiteral("&Edit"), menu->Items());
        item(QStringLiteral("&Copy"), edit);
        host->show();
        QVERIFY(QTest::qWaitForWindowExposed(host.get()));
        host->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(host.get()));
    }
    void cleanup()
    {
        for (QMenu *popup : { file->popup(), edit->popup() })
            popup->close();
        host.reset();
    }

    void clickOpensTheMenuAndClickOnAnItemRunsIt()
    {
        QSignalSpy runs(exit, &TMenuItem::OnClick);
        QVERIFY(click(centreOf(barButton(0))));
        QMenu *popup = file->popup();
        QTRY_VERIFY_WITH_TIMEOUT(popup->isVisible(), kTimeout);
        // Under its button.
        QCOMPARE(popup->geometry().topLeft(),
            barButton(0)->mapToGlobal(QPoint(0, barButton(0)->height())));
        QVERIFY(barButton(0)->IsDroppedDown());
        const QRect row = popup->actionGeometry(exit->action());
        QVERIFY(click(popup->mapToGlobal(row.center())));
        QTRY_COMPARE_WITH_TIMEOUT(runs.size(), 1, kTimeout);
        QTRY_VERIFY(!popup->isVisible());
        QTRY_VERIFY(!barButton(0)->IsDroppedDown());
    }

    void slidingToAnotherButtonOpensItsMenu()
    {
        QVERIFY(click(centreOf(barButton(0))));
        QTRY_VERIFY_WITH_TIMEOUT(file->popup()->isVisible(), kTimeout);
        QVERIFY(xdotool(pointerMoveTo(centreOf(barButton(1)) + QPoint(-3, 0))
            + pointerMoveTo(centreOf(barButton(1)))));
        QTRY_VERIFY_WITH_TIMEOUT(edit->popup()->isVisible(), kTimeout);
        QVERIFY(!file->popup()->isVisible());
        // A click on the open menu's own button closes it and does not open it again.
        QVERIFY(click(centreOf(barButton(1))));
        QTRY_VERIFY_WITH_TIMEOUT(!edit->popup()->isVisible(), kTimeout);
        // Whatever the click left queued has run by the window's next paint.
        QVERIFY(flushPaints(host.get()));
        QVERIFY(!edit->popup()->isVisible());
    }

    // The titles keep their places whatever happens to the window's width: dragging its
    // edge out and in, maximising and restoring it from the title bar.
    void titlesKeepTheirPlaces()
    {
        const auto places = [&] {
            QList<QRect> out;
            for (int i = 0; i < frame->MenuBar()->ButtonCount(); ++i)
                out << barButton(i)->geometry();
            return out;
        };
        const QList<QRect> before = places();
        QCOMPARE(before.size(), 2);
        QVERIFY(before[1].left() == before[0].right() + 1);
        const QRect window = host->geometry();
        const QPoint edge(window.right(), window.top() + 150);
        QVERIFY(xdotool(pointerDrag(edge, edge + QPoint(120, 0))));
        QTRY_VERIFY_WITH_TIMEOUT(host->width() > window.width() + 60, kTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(places(), before, kTimeout);
        const QPoint back(host->geometry().right(), edge.y());
        QVERIFY(xdotool(pointerDrag(back, back - QPoint(100, 0))));
        QTRY_VERIFY_WITH_TIMEOUT(host->width() < window.width() + 60, kTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(places(), before, kTimeout);
        // The left edge moves the window as well as sizing it.
        const int width = host->width();
        const QPoint left(host->geometry().left(), edge.y());
        QVERIFY(xdotool(pointerDrag(left, left - QPoint(60, 0))));
        QTRY_VERIFY_WITH_TIMEOUT(host->width() > width + 30, kTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(places(), before, kTimeout);

        const auto doubleClick = [&] {
            const QPoint caption = host->geometry().topLeft() + QPoint(200, 11);
            return xdotool(pointerMoveTo(caption)
                << QStringLiteral("click") << QStringLiteral("--repeat") << QStringLiteral("2")
                << QStringLiteral("--delay") << QStringLiteral("80") << QStringLiteral("1"));
        };
        QVERIFY(doubleClick());
        QTRY_VERIFY_WITH_TIMEOUT(host->isMaximized(), kTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(frame->MenuBar()->width(), frame->width(), kTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(places(), before, kTimeout);
        QVERIFY(doubleClick());
        QTRY_VERIFY_WITH_TIMEOUT(!host->isMaximized(), kTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(frame->MenuBar()->width(), frame->width(), kTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(places(), before, kTimeout);
        // And a menu still drops down under its own title.
        QVERIFY(click(centreOf(barButton(1))));
        QTRY_VERIFY_WITH_TIMEOUT(edit->popup()->isVisible(), kTimeout);
        QCOMPARE(edit->popup()->geometry().topLeft(),
            barButton(1)->mapToGlobal(QPoint(0, barButton(1)->height())));
    }

    // A title is hot only under the pointer: once its menu has closed, however it closed, a
    // title the pointer has left is not hot, and never are two at once.
    void noTitleStaysHotOnceItsMenuHasClosed()
    {
        const auto hotTitles = [&] {
            QList<int> hot;
            for (int i = 0; i < frame->MenuBar()->ButtonCount(); ++i) {
                if (barButton(i)->IsHot() || (barButton(i)->DrawState() & Fw::cdsHot))
                    hot << i;
            }
            return hot;
        };
        const auto overRow = [&](TMenuItem *item) {
            QMenu *popup = item->Parent()->popup();
            return popup->mapToGlobal(popup->actionGeometry(item->action()).center());
        };
        const QPoint elsewhere = centreOf(frame) + QPoint(0, 80);

        // A choice.
        QVERIFY(click(centreOf(barButton(0))));
        QTRY_VERIFY_WITH_TIMEOUT(file->popup()->isVisible(), kTimeout);
        QSignalSpy runs(exit, &TMenuItem::OnClick);
        QVERIFY(click(overRow(exit)));
        QTRY_COMPARE_WITH_TIMEOUT(runs.size(), 1, kTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(!file->popup()->isVisible(), kTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(hotTitles(), QList<int>(), kTimeout);

        // Escape, with the pointer in the menu.
        QVERIFY(click(centreOf(barButton(0))));
        QTRY_VERIFY_WITH_TIMEOUT(file->popup()->isVisible(), kTimeout);
        QVERIFY(xdotool(pointerMoveTo(overRow(exit))
            << QStringLiteral("key") << QStringLiteral("Escape") << QStringLiteral("sleep")
            << QStringLiteral("0.2")));
        QTRY_VERIFY_WITH_TIMEOUT(!file->popup()->isVisible(), kTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(hotTitles(), QList<int>(), kTimeout);

        // A click elsewhere.
        QVERIFY(click(centreOf(barButton(0))));
        QTRY_VERIFY_WITH_TIMEOUT(file->popup()->isVisible(), kTimeout);
        QVERIFY(click(elsewhere));
        QTRY_VERIFY_WITH_TIMEOUT(!file->popup()->isVisible(), kTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(hotTitles(), QList<int>(), kTimeout);

        // Sliding to the next title: only that one is hot; then a click elsewhere.
        QVERIFY(click(centreOf(barButton(0))));
        QTRY_VERIFY_WITH_TIMEOUT(file->popup()->isVisible(), kTimeout);
        QVERIFY(xdotool(pointerMoveTo(centreOf(barButton(1)) + QPoint(-3, 0))
            + pointerMoveTo(centreOf(barButton(1)))));
        QTRY_VERIFY_WITH_TIMEOUT(edit->popup()->isVisible(), kTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(hotTitles(), QList<int> { 1 }, kTimeout);
        QVERIFY(click(elsewhere));
        QTRY_VERIFY_WITH_TIMEOUT(!edit->popup()->isVisible(), kTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(hotTitles(), QList<int>(), kTimeout);
    }

    // A drop-down tool button is hot only under the pointer once its menu has closed, however
    // it closed: a choice, Escape (with the pointer in the menu or back on the button and then
    // away), a click elsewhere.
    void dropDownToolButtonIsNotHotOnceItsMenuHasClosed()
    {
        auto *bar = new TzynToolBar(frame);
        bar->setShowCaptions(true);
        bar->setButtonWidth(60);
        auto *plain = new TToolButton(bar);
        plain->setCaption(QStringLiteral("Go"));
        auto *button = new TToolButton(bar);
        button->setCaption(QStringLiteral("Find"));
        button->setStyle(Fw::tbsDropDown);
        QMenu dropDown;
        QAction *first = dropDown.addAction(QStringLiteral("Find next"));
        dropDown.addAction(QStringLiteral("Find previous"));
        button->setDropdownMenu(&dropDown);
        bar->show();
        QTRY_VERIFY(button->isVisible());
        const auto hot = [&] {
            QList<TToolButton *> out;
            for (TToolButton *b : { plain, button }) {
                if (b->IsHot() || (b->DrawState() & Fw::cdsHot))
                    out << b;
            }
            return out;
        };
        const QPoint arrow = button->mapToGlobal(
            QPoint(button->width() - TToolButton::DropDownWidth / 2, button->height() / 2));
        const QPoint elsewhere = centreOf(frame) + QPoint(0, 80);
        const auto open = [&] {
            if (!click(arrow))
                return false;
            return QTest::qWaitFor([&] { return dropDown.isVisible(); }, kTimeout);
        };

        // A choice.
        QVERIFY(open());
        QSignalSpy chosen(first, &QAction::triggered);
        QVERIFY(click(dropDown.mapToGlobal(dropDown.actionGeometry(first).center())));
        QTRY_COMPARE_WITH_TIMEOUT(chosen.size(), 1, kTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(!dropDown.isVisible(), kTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(hot(), QList<TToolButton *>(), kTimeout);

        // Escape with the pointer in the menu.
        QVERIFY(open());
        QVERIFY(xdotool(pointerMoveTo(dropDown.mapToGlobal(dropDown.actionGeometry(first).center()))
            << QStringLiteral("key") << QStringLiteral("Escape") << QStringLiteral("sleep")
            << QStringLiteral("0.2")));
        QTRY_VERIFY_WITH_TIMEOUT(!dropDown.isVisible(), kTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(hot(), QList<TToolButton *>(), kTimeout);

        // Escape with the pointer back on the button: hot there, and not once it has left,
        // over the bar's other button or outside the bar.
        QVERIFY(open());
        QVERIFY(xdotool(pointerMoveTo(dropDown.mapToGlobal(dropDown.actionGeometry(first).center()))
            + pointerMoveTo(centreOf(button))));
        QVERIFY(xdotool({ QStringLiteral("key"), QStringLiteral("Escape"), QStringLiteral("sleep"),
            QStringLiteral("0.2") }));
        QTRY_VERIFY_WITH_TIMEOUT(!dropDown.isVisible(), kTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(hot(), QList<TToolButton *> { button }, kTimeout);
        QVERIFY(xdotool(pointerMoveTo(centreOf(plain))));
        QTRY_COMPARE_WITH_TIMEOUT(hot(), QList<TToolButton *> { plain }, kTimeout);
        QVERIFY(xdotool(pointerMoveTo(centreOf(button)) + pointerMoveTo(elsewhere)));
        QTRY_COMPARE_WITH_TIMEOUT(hot(), QList<TToolButton *>(), kTimeout);

        // Escape with the pointer moved onto the bar's other button while the menu held the
        // mouse: that one is hot, alone.
        QVERIFY(open());
        QVERIFY(xdotool(
            pointerMoveTo(centreOf(plain) + QPoint(-3, 0)) + pointerMoveTo(centreOf(plain))));
        QVERIFY(xdotool({ QStringLiteral("key"), QStringLiteral("Escape"), QStringLiteral("sleep"),
            QStringLiteral("0.2") }));
        QTRY_VERIFY_WITH_TIMEOUT(!dropDown.isVisible(), kTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(hot(), QList<TToolButton *> { plain }, kTimeout);
        QVERIFY(xdotool(pointerMoveTo(elsewhere)));
        QTRY_COMPARE_WITH_TIMEOUT(hot(), QList<TToolButton *>(), kTimeout);

        // A click elsewhere.
        QVERIFY(open());
        QVERIFY(click(elsewhere));
        QTRY_VERIFY_WITH_TIMEOUT(!dropDown.isVisible(), kTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(hot(), QList<TToolButton *>(), kTimeout);
    }

    // A tool button whose click opens a modal window is not hot once the window has closed
    // away from it, and is hot again only under the pointer.
    void toolButtonIsNotHotAfterTheModalWindowItOpened()
    {
        auto *bar = new TzynToolBar(frame);
        bar->setShowCaptions(true);
        bar->setButtonWidth(60);
        auto *button = new TToolButton(bar);
        button->setCaption(QStringLiteral("Ask"));
        bar->show();
        QTRY_VERIFY(button->isVisible());
        // The window's OK is clicked by the real pointer from inside the window's own loop:
        // the click that opened it is still being handled until it closes.
        QProcess answer;
        bool answered = false;
        bool keyAnswer = false;
        bool hotWhileOpen = true;
        connect(button, &TToolButton::OnClick, this, [&] {
            QDialog dialog(host.get());
            dialog.setWindowTitle(QStringLiteral("Question"));
            auto *ok = new QPushButton(QStringLiteral("OK"), &dialog);
            ok->setGeometry(20, 20, 80, 30);
            connect(ok, &QPushButton::clicked, &dialog, [&] {
                hotWhileOpen = button->IsHot() || (button->DrawState() & Fw::cdsHot);
                dialog.accept();
            });
            ok->setDefault(true);
            dialog.resize(200, 100);
            // Away from the button, so that closing it leaves the pointer elsewhere.
            dialog.move(host->geometry().center() + QPoint(-50, 20));
            QTimer::singleShot(0, &dialog, [&] {
                if (!QTest::qWaitForWindowExposed(&dialog, kTimeout))
                    return;
                const QPoint at = ok->mapToGlobal(ok->rect().center());
                if (keyAnswer)
                    answer.start(QStringLiteral("xdotool"),
                        { QStringLiteral("key"), QStringLiteral("Return") });
                else
                    answer.start(QStringLiteral("xdotool"),
                        pointerMoveTo(at) << QStringLiteral("click") << QStringLiteral("1"));
            });
            answered = dialog.exec() == QDialog::Accepted;
        });
        const auto hot = [&] { return button->IsHot() || (button->DrawState() & Fw::cdsHot); };
        QVERIFY(click(centreOf(button)));
        QTRY_VERIFY_WITH_TIMEOUT(answered, kTimeout);
        answer.waitForFinished(kTimeout);
        // Not drawn hot behind the window while the pointer was on the window.
        QVERIFY(!hotWhileOpen);
        QTRY_VERIFY_WITH_TIMEOUT(!hot(), kTimeout);

        // Closed from the keyboard with the pointer still on the button: hot there, and not
        // once the pointer has left.
        answered = false;
        keyAnswer = true;
        QVERIFY(click(centreOf(button)));
        QTRY_VERIFY_WITH_TIMEOUT(answered, kTimeout);
        answer.waitForFinished(kTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(hot(), kTimeout);
        QVERIFY(xdotool(pointerMoveTo(centreOf(frame) + QPoint(0, 80))));
        QTRY_VERIFY_WITH_TIMEOUT(!hot(), kTimeout);
        QVERIFY(xdotool(pointerMoveTo(centreOf(button))));
        QTRY_VERIFY_WITH_TIMEOUT(hot(), kTimeout);

        // Still clean after the pointer has moved on over the window.
        QVERIFY(xdotool(pointerMoveTo(centreOf(frame) + QPoint(0, 80))));
        QVERIFY(!hot());
        QVERIFY(xdotool(pointerMoveTo(centreOf(button))));
        QTRY_VERIFY_WITH_TIMEOUT(hot(), kTimeout);
        QVERIFY(xdotool(pointerMoveTo(centreOf(frame) + QPoint(0, 80))));
        QTRY_VERIFY_WITH_TIMEOUT(!hot(), kTimeout);
    }

    void toolBarButtonUnderTheRealPointer()
    {
        auto *bar = new TzynToolBar(frame);
        bar->setShowCaptions(true);
        bar->setButtonWidth(50);
        auto *button = new TToolButton(bar);
        button->setCaption(QStringLiteral("Go"));
        QSignalSpy clicks(button, &TToolButton::OnClick);
        bar->show();
        QTRY_VERIFY(button->isVisible());
        const auto pixel = [&] { return bar->grab(button->geometry()).toImage().pixel(3, 3); };
        QCOMPARE(pixel(), rgb(bar->Color()));
        QVERIFY(xdotool(pointerMoveTo(centreOf(button))));
        QTRY_VERIFY_WITH_TIMEOUT(button->IsHot(), kTimeout);
        QCOMPARE(pixel(), rgb(bar->ButtonColor()));
        QVERIFY(xdotool({ QStringLiteral("mousedown"), QStringLiteral("1"), QStringLiteral("sleep"),
            QStringLiteral("0.2") }));
        QTRY_VERIFY_WITH_TIMEOUT(button->IsPressed(), kTimeout);
        QCOMPARE(pixel(), rgb(bar->ButtonDownColor()));
        QVERIFY(xdotool({ QStringLiteral("mouseup"), QStringLiteral("1"), QStringLiteral("sleep"),
            QStringLiteral("0.2") }));
        QTRY_COMPARE_WITH_TIMEOUT(clicks.size(), 1, kTimeout);
        QCOMPARE(pixel(), rgb(bar->ButtonColor()));
        QVERIFY(xdotool(pointerMoveTo(centreOf(frame) + QPoint(0, 60))));
        QTRY_VERIFY_WITH_TIMEOUT(!button->IsHot(), kTimeout);
        QCOMPARE(pixel(), rgb(bar->Color()));
    }
};

QTEST_MAIN(tst_MenuBarWindow)
#include "tst_menubar_window.moc"
