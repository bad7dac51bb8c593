// The framework's tool bar: buttons placed left to right in their order, sized by the bar or
// by their contents, check groups, drop-downs and menu-item buttons under real clicks, and the
// drawing hooks.

#include "TForm.h"
#include "TImageList.h"
#include "TLayoutLoader.h"
#include "TMainMenu.h"
#include "TMenuItem.h"
#include "TToolBar.h"
#include "TToolButton.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

// Notes, when it is destroyed, whether it still holds on to its tool bar.
class TProbeButton : public TToolButton {
public:
    using TToolButton::TToolButton;
    ~TProbeButton() override { *stillHeld = ToolBar() != nullptr; }
    bool *stillHeld = nullptr;
};

class tst_ToolButtons : public QObject {
    Q_OBJECT

    std::unique_ptr<TForm> form;
    TToolBar *bar = nullptr;

    TToolButton *addButton(const QString &caption, Fw::TToolButtonStyle style = Fw::tbsButton)
    {
        auto *button = new TToolButton(bar);
        button->setCaption(caption);
        button->setStyle(style);
        return button;
    }

    QPoint centre(const TToolButton *button) const { return button->rect().center(); }

private Q_SLOTS:
    void init()
    {
        form.reset(new TForm);
        form->resize(400, 200);
        bar = new TToolBar(form.get());
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup() { form.reset(); }

    void buttonsGoLeftToRightInTheirOrder()
    {
        QCOMPARE(bar->geometry(), QRect(0, 0, 400, 29));
        TToolButton *a = addButton(QStringLiteral("A"));
        TToolButton *gap = addButton(QString(), Fw::tbsSeparator);
        TToolButton *drop = addButton(QStringLiteral("D"), Fw::tbsDropDown);
        // Below the top edge line, ButtonWidth wide, a gap of 8, a drop-down adds its arrow.
        QCOMPARE(a->geometry(), QRect(0, 2, 23, 22));
        QCOMPARE(gap->geometry(), QRect(23, 2, 8, 22));
        QCOMPARE(drop->geometry(), QRect(31, 2, 23 + TToolButton::DropDownWidth, 22));
        // A button put in front moves the others along; a hidden one takes no room.
        auto *first = new TToolButton(bar);
        bar->InsertButton(first, 0);
        QCOMPARE(first->geometry().left(), 0);
        QCOMPARE(a->geometry().left(), 23);
        a->hide();
        bar->ArrangeButtons();
        QCOMPARE(gap->geometry().left(), 23);
        delete first;
        QCOMPARE(bar->ButtonCount(), 3);
        QCOMPARE(gap->geometry().left(), 0);

        bar->setEdgeBorders({});
        bar->setButtonHeight(30);
        bar->setIndent(5);
        QCOMPARE(gap->geometry(), QRect(5, 0, 8, 30));
    }

    void autoSizedButtonsFitTheirCaptions()
    {
        bar->setShowCaptions(true);
        TToolButton *button = addButton(QStringLiteral("&Long caption"));
        button->setAutoSize(true);
        // The accelerator's ampersand takes no room.
        const int text = button->fontMetrics().horizontalAdvance(QStringLiteral("Long caption"));
        QCOMPARE(button->width(), text + 14);
        button->setCaption(QStringLiteral("&X"));
        QCOMPARE(
            button->width(), button->fontMetrics().horizontalAdvance(QStringLiteral("X")) + 14);
    }

    void groupedCheckButtonsReleaseEachOther()
    {
        TToolButton *left = addButton(QStringLiteral("L"), Fw::tbsCheck);
        TToolButton *right = addButton(QStringLiteral("R"), Fw::tbsCheck);
        TToolButton *alone = addButton(QStringLiteral("S"), Fw::tbsCheck);
        left->setGrouped(true);
        right->setGrouped(true);
        QSignalSpy clicks(right, &TToolButton::OnClick);
        QTest::mouseClick(left, Qt::LeftButton, {}, centre(left));
        QVERIFY(left->Down());
        QTest::mouseClick(right, Qt::LeftButton, {}, centre(right));
        QVERIFY(right->Down());
        QVERIFY(!left->Down());
        QCOMPARE(clicks.size(), 1);
        // A group that may not be all up keeps its down button down.
        QTest::mouseClick(right, Qt::LeftButton, {}, centre(right));
        QVERIFY(right->Down());
        right->setAllowAllUp(true);
        QTest::mouseClick(right, Qt::LeftButton, {}, centre(right));
        QVERIFY(!right->Down());
        // An ungrouped check button toggles on its own.
        QTest::mouseClick(alone, Qt::LeftButton, {}, centre(alone));
        QTest::mouseClick(left, Qt::LeftButton, {}, centre(left));
        QVERIFY(alone->Down());
        QVERIFY(left->Down());
        // A press released outside the button is no click.
        QTest::mousePress(alone, Qt::LeftButton, {}, centre(alone));
        QTest::mouseRelease(alone, Qt::LeftButton, {}, QPoint(-5, -5));
        QVERIFY(alone->Down());
    }

    void dropDownButtonOpensFromItsArrow()
    {
        TToolButton *drop = addButton(QStringLiteral("D"), Fw::tbsDropDown);
        QMenu menu;
        menu.addAction(QStringLiteral("One"));
        drop->setDropdownMenu(&menu);
        QSignalSpy clicks(drop, &TToolButton::OnClick);
        QTest::mouseClick(drop, Qt::LeftButton, {}, QPoint(5, 10));
        QCOMPARE(clicks.size(), 1);
        QVERIFY(!menu.isVisible());
        QTest::mousePress(drop, Qt::LeftButton, {}, QPoint(drop->width() - 4, 10));
        QTRY_VERIFY(menu.isVisible());
        QVERIFY(drop->IsDroppedDown());
        QVERIFY(drop->DrawState() & Fw::cdsSelected);
        QCOMPARE(clicks.size(), 1);
        menu.close();
        QTRY_VERIFY(!drop->IsDroppedDown());
    }

    void menuItemButtonDropsDownItsSubItems()
    {
        auto *menu = new TMainMenu(form.get());
        auto *file = new TMenuItem;
        file->setCaption(QStringLiteral("&File"));
        auto *open = new TMenuItem;
        open->setCaption(QStringLiteral("Open"));
        menu->Items()->Add(file);
        file->Add(open);
        auto *help = new TMenuItem;
        help->setCaption(QStringLiteral("Help"));
        menu->Items()->Add(help);

        TToolButton *fileButton = addButton(QString());
        fileButton->setMenuItem(file);
        TToolButton *helpButton = addButton(QString());
        helpButton->setMenuItem(help);
        QCOMPARE(fileButton->Caption(), QStringLiteral("&File"));
        QTest::mousePress(fileButton, Qt::LeftButton, {}, centre(fileButton));
        QTRY_VERIFY(file->popup()->isVisible());
        // The drop-down opens under the button.
        QCOMPARE(file->popup()->geometry().topLeft(),
            fileButton->mapToGlobal(QPoint(0, fileButton->height())));
        file->popup()->close();
        QTRY_VERIFY(!fileButton->IsDroppedDown());

        // An item without sub-items runs when its button is clicked.
        QSignalSpy helpClicks(help, &TMenuItem::OnClick);
        QTest::mouseClick(helpButton, Qt::LeftButton, {}, centre(helpButton));
        QCOMPARE(helpClicks.size(), 1);
        help->setEnabled(false);
        help->setCaption(QStringLiteral("Help!"));
        helpButton->SyncWithMenuItem();
        QVERIFY(!helpButton->isEnabled());
        QCOMPARE(helpButton->Caption(), QStringLiteral("Help!"));
    }

    void hooksMayTakeTheDrawingOver()
    {
        TToolButton *button = addButton(QStringLiteral("A"));
        int backgrounds = 0;
        QList<Fw::TCustomDrawState> states;
        connect(bar, &TToolBar::OnCustomDraw, this,
            [&](TToolBar *, QPainter *canvas, const QRect &rect, bool &) {
                ++backgrounds;
                canvas->fillRect(rect, Qt::green);
            });
        connect(bar, &TToolBar::OnCustomDrawButton, this,
            [&](TToolBar *, TToolButton *, QPainter *canvas, Fw::TCustomDrawState state,
                bool &defaultDraw) {
                states << state;
                if (state & Fw::cdsHot) {
                    canvas->fillRect(QRect(0, 0, 100, 100), Qt::red);
                    defaultDraw = false;
                }
            });
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(button, &leave);
        const QImage plain = bar->grab().toImage();
        QVERIFY(backgrounds > 0);
        QCOMPARE(QColor(plain.pixel(60, 10)), QColor(Qt::green));
        // The framework's flat button lets the bar through in its plain state.
        QCOMPARE(QColor(plain.pixel(button->x() + 2, button->y() + 2)), QColor(Qt::green));
        // Real hover is in the windowed tests; here the pointer enters and leaves by event.
        QEnterEvent enter(QPointF(centre(button)), QPointF(centre(button)),
            button->mapToGlobal(QPointF(centre(button))));
        QApplication::sendEvent(button, &enter);
        QVERIFY(button->IsHot());
        const QImage hot = bar->grab().toImage();
        QVERIFY(states.last() & Fw::cdsHot);
        QCOMPARE(QColor(hot.pixel(button->x() + 2, button->y() + 2)), QColor(Qt::red));
        QApplication::sendEvent(button, &leave);
        QVERIFY(!button->IsHot());
    }

    // The bar's buttons are destroyed after the bar has stopped being a TToolBar: a button
    // that still held it called into it (undefined behaviour, seen by UBSan on every close).
    void buttonsLetGoOfADestroyedBar()
    {
        bool stillHeld = true;
        auto *probe = new TProbeButton(bar);
        probe->stillHeld = &stillHeld;
        addButton(QStringLiteral("other"));
        QCOMPARE(probe->ToolBar(), bar);
        delete bar;
        bar = nullptr;
        QVERIFY(!stillHeld);
    }
};

QTEST_MAIN(tst_ToolButtons)
#include "tst_toolbuttons.moc"
