// The frame's menu bar: present exactly while the frame has a menu, one button per top-level
// item in menu order under the title bar, the client area shrunk by its height; replacing,
// removing and freeing the menu; captions and enabled states followed; shortcuts, Alt and an
// accelerator, and the arrows between open menus through the frame's key handling; the bar's
// hot and pressed buttons drawn in the menu's style.

#include "SkinClasses.h"
#include "TCustomPanel.h"
#include "TForm.h"
#include "TLayoutLoader.h"
#include "TMainMenu.h"
#include "TMenuItem.h"
#include "TToolBar.h"
#include "TToolButton.h"
#include "TzynForm.h"
#include "TzynMainMenu.h"
#include "TzynTitleBar.h"
#include "ZYNMenu.h"

#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QtTest>

class TMenuHost : public TForm {
    Q_OBJECT
public:
    using TForm::TForm;
    QStringList clicked;

public Q_SLOTS:
    void ItemClick(QObject *Sender) { clicked << Sender->objectName(); }
};

namespace {

const char *const kLayout = R"(object Host: TMenuHost
  Width = 480
  Height = 300
  object Frame1: TzynForm
    UIStyle = WinXP
    object Panel1: TPanel
    end
    FormPanel = Panel1
  end
  object MainMenu1: TzynMainMenu
    object File1: TMenuItem
      Caption = '&File'
      object Open1: TMenuItem
        Caption = '&Open'
        ShortCut = 'Ctrl+O'
        OnClick = ItemClick
      end
      object N1: TMenuItem
        Caption = '-'
      end
      object Exit1: TMenuItem
        Caption = 'E&xit'
        OnClick = ItemClick
      end
    end
    object Edit1: TMenuItem
      Caption = '&Edit'
      object Undo1: TMenuItem
        Caption = '&Undo'
        Enabled = False
      end
      object Copy1: TMenuItem
        Caption = '&Copy'
        OnClick = ItemClick
      end
    end
    object Help1: TMenuItem
      Caption = '&Help'
      object About1: TMenuItem
        Caption = '&About'
      end
    end
  end
end
)";

QStringList captions(const TToolBar *bar)
{
    QStringList out;
    for (int i = 0; bar && i < bar->ButtonCount(); ++i)
        out << bar->Buttons(i)->Caption();
    return out;
}

} // namespace

class tst_MenuBar : public QObject {
    Q_OBJECT

    std::unique_ptr<TMenuHost> host;
    TzynForm *frame = nullptr;
    TzynMainMenu *menu = nullptr;
    TCustomPanel *panel = nullptr;

    void load()
    {
        host.reset(new TMenuHost);
        TLayoutLoader().loadFromText(
            host.get(), QString::fromUtf8(kLayout), QStringLiteral("Host.layout"));
        frame = host->findChild<TzynForm *>();
        menu = host->findChild<TzynMainMenu *>();
        panel = host->findChild<TCustomPanel *>(QStringLiteral("Panel1"));
    }

    QMenu *openPopup() const
    {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *popup = qobject_cast<QMenu *>(w); popup && popup->isVisible())
                return popup;
        }
        return nullptr;
    }

    void closePopups()
    {
        while (QMenu *popup = openPopup())
            popup->close();
    }

private Q_SLOTS:
    void initTestCase()
    {
        TLayoutLoader::registerFrameworkClasses();
        registerSkinClasses();
        TLayoutLoader::registerClass<TMenuHost>(QStringLiteral("TMenuHost"));
    }
    void cleanup()
    {
        closePopups();
        host.reset();
    }

    void barIsThereExactlyWithAMenu()
    {
        load();
        QCOMPARE(frame->Menu(), menu);
        QCOMPARE(menu->Frame(), frame);
        // The menu took the frame's style.
        QCOMPARE(menu->UIStyle(), TzynUIStyle::WinXP);
        TToolBar *bar = frame->MenuBar();
        QVERIFY(bar);
        QCOMPARE(captions(bar),
            (QStringList {
                QStringLiteral("&File"), QStringLiteral("&Edit"), QStringLiteral("&Help") }));
        QCOMPARE(bar->Buttons(1)->MenuItem()->objectName(), QStringLiteral("Edit1"));
        // Under the title bar, as high as MenuBarHeight, its buttons left to right.
        TzynTitleBar *title = frame->TitleBar();
        QCOMPARE(bar->geometry(), QRect(0, title->height(), frame->width(), 22));
        QCOMPARE(bar->Buttons(0)->geometry().left(), 0);
        QCOMPARE(bar->Buttons(1)->geometry().left(), bar->Buttons(0)->geometry().right() + 1);
        QCOMPARE(bar->Buttons(2)->height(), 22);
        QCOMPARE(bar->Color(), frame->MenuBarColor());
        // The client area is what lies below it.
        QCOMPARE(panel->geometry().top(), title->height() + 22);
        QCOMPARE(panel->geometry().bottom(), frame->height() - 1);

        frame->setMenuBarHeight(30);
        QCOMPARE(bar->height(), 30);
        QCOMPARE(bar->Buttons(0)->height(), 30);
        QCOMPARE(panel->geometry().top(), title->height() + 30);
        frame->setMenuBarColor(0x00FF00);
        QCOMPARE(bar->Color(), TColor(0x00FF00));

        // Without a menu the bar goes and the client area grows back.
        QPointer<TToolBar> gone = bar;
        frame->setMenu(nullptr);
        QVERIFY(!frame->MenuBar());
        QTRY_VERIFY(gone.isNull());
        QVERIFY(!frame->MenuBar());
        QVERIFY(!menu->Frame());
        QCOMPARE(panel->geometry().top(), title->height());
    }

    // The title bar and the menu bar head the frame whatever the stacking of its children:
    // raising the title bar, lowering the menu bar and a top-aligned strip under both leave
    // them in their places.
    void barsStayOnTopWhateverTheStacking()
    {
        load();
        auto *strip = new TCustomPanel(frame);
        strip->setHeight(30);
        strip->setAlign(Fw::alTop);
        TzynTitleBar *title = frame->TitleBar();
        TToolBar *bar = frame->MenuBar();
        title->raise();
        bar->lower();
        strip->lower();
        frame->setWidth(frame->Width() - 20);
        QCOMPARE(title->geometry(), QRect(0, 0, frame->width(), title->height()));
        QCOMPARE(bar->geometry(), QRect(0, title->height(), frame->width(), 22));
        QCOMPARE(strip->geometry().top(), title->height() + 22);
        QCOMPARE(panel->geometry().top(), title->height() + 22 + 30);
        // A menu bar made again after the strip still goes above it.
        frame->setMenu(nullptr);
        QCOMPARE(strip->geometry().top(), title->height());
        frame->setMenu(menu);
        QCOMPARE(frame->MenuBar()->geometry().top(), title->height());
        QCOMPARE(strip->geometry().top(), title->height() + 22);
    }

    void menuNamedInTheLayout()
    {
        // A plain menu made before the frame is shown once the frame names it.
        host.reset(new TMenuHost);
        TLayoutLoader().loadFromText(host.get(), QStringLiteral(R"(object Host: TMenuHost
  object Plain1: TMainMenu
    object Go1: TMenuItem
      Caption = '&Go'
    end
  end
  object Frame1: TzynForm
    Menu = Plain1
  end
end
)"),
            QStringLiteral("Plain.layout"));
        frame = host->findChild<TzynForm *>();
        QCOMPARE(frame->Menu(), host->findChild<TMainMenu *>(QStringLiteral("Plain1")));
        QCOMPARE(captions(frame->MenuBar()), QStringList { QStringLiteral("&Go") });
    }

    void replacingTheMenu()
    {
        load();
        TzynMainMenu *second = new TzynMainMenu(host.get());
        // A new menu on the form attaches to the frame in the old one's place.
        QCOMPARE(frame->Menu(), second);
        QVERIFY(!menu->Frame());
        QCOMPARE(captions(frame->MenuBar()), QStringList());
        auto *view = new TMenuItem;
        view->setCaption(QStringLiteral("&View"));
        second->Items()->Add(view);
        QCOMPARE(captions(frame->MenuBar()), QStringList { QStringLiteral("&View") });

        // A plain main menu is shown too, with the framework's own drop-downs.
        TMainMenu plain;
        auto *tools = new TMenuItem;
        tools->setCaption(QStringLiteral("&Tools"));
        tools->Add(new TMenuItem);
        plain.Items()->Add(tools);
        frame->setMenu(&plain);
        QVERIFY(!second->Frame());
        QCOMPARE(captions(frame->MenuBar()), QStringList { QStringLiteral("&Tools") });
        QVERIFY(!qobject_cast<QMenu *>(tools->popup())->inherits("TzynMenuPopup"));
        frame->setMenu(menu);
        QCOMPARE(captions(frame->MenuBar()).size(), 3);
    }

    void freeingTheMenuReleasesTheBar()
    {
        load();
        QPointer<TToolBar> bar = frame->MenuBar();
        delete menu;
        QTRY_VERIFY(bar.isNull());
        QVERIFY(!frame->Menu());
        QCOMPARE(panel->geometry().top(), frame->TitleBar()->height());
        // And a frame that goes first leaves the menu without a frame.
        load();
        delete frame;
        QVERIFY(!menu->Frame());
        auto *item = new TMenuItem;
        menu->Items()->Add(item);
        item->setCaption(QStringLiteral("Still fine"));
    }

    void barFollowsCaptionsAndEnabledStates()
    {
        load();
        TMenuItem *edit = menu->Items()->Items(1);
        edit->setCaption(QStringLiteral("&Change"));
        edit->setEnabled(false);
        TToolButton *button = frame->MenuBar()->Buttons(1);
        QCOMPARE(button->Caption(), QStringLiteral("&Change"));
        QVERIFY(!button->isEnabled());
        // The wider caption moves the next button along.
        QCOMPARE(frame->MenuBar()->Buttons(2)->geometry().left(), button->geometry().right() + 1);
        edit->setEnabled(true);
        QVERIFY(button->isEnabled());
        // A top-level item removed takes its button with it.
        delete menu->Items()->Items(2);
        QCOMPARE(captions(frame->MenuBar()),
            (QStringList { QStringLiteral("&File"), QStringLiteral("&Change") }));
    }

    void clickHandlerMayTakeTheMenuAway()
    {
        load();
        host->show();
        QVERIFY(QTest::qWaitForWindowExposed(host.get()));
        auto *quit = new TMenuItem;
        quit->setCaption(QStringLiteral("&Quit"));
        menu->Items()->Add(quit);
        auto *extra = new TMenuItem;
        extra->setCaption(QStringLiteral("E&xtra"));
        menu->Items()->Add(extra);
        // Removing its own item rebuilds the bar under the button being clicked.
        connect(extra, &TMenuItem::OnClick, this, [extra] { delete extra; });
        TToolButton *button = frame->MenuBar()->Buttons(4);
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
        QCOMPARE(frame->MenuBar()->ButtonCount(), 4);
        connect(quit, &TMenuItem::OnClick, this, [this] { frame->setMenu(nullptr); });
        button = frame->MenuBar()->Buttons(3);
        QPointer<TToolBar> bar = frame->MenuBar();
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
        QVERIFY(!frame->MenuBar());
        QTRY_VERIFY(bar.isNull());
        QCOMPARE(panel->geometry().top(), frame->TitleBar()->height());
    }

    void frameStylePassesToTheMenu()
    {
        load();
        frame->setUIStyle(TzynUIStyle::MacOS);
        QCOMPARE(menu->UIStyle(), TzynUIStyle::MacOS);
        QCOMPARE(frame->MenuBar()->Color(), frame->Color());
        menu->setUIStyle(TzynUIStyle::Custom);
        frame->setUIStyle(TzynUIStyle::DeepBlue);
        QCOMPARE(menu->UIStyle(), TzynUIStyle::Custom);
    }

    void shortcutReachesItsItemThroughTheFrame()
    {
        load();
        host->show();
        QVERIFY(QTest::qWaitForWindowExposed(host.get()));
        auto *focus = new QWidget(panel);
        focus->setFocusPolicy(Qt::StrongFocus);
        focus->show();
        focus->setFocus();
        // The key goes to the control with the focus, which leaves it to its window.
        QTest::keyClick(focus, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(host->clicked, QStringList { QStringLiteral("Open1") });
        // Not a shortcut: nothing runs.
        QTest::keyClick(focus, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(host->clicked.size(), 1);
    }

    void altAndArrowsWalkTheMenus()
    {
        load();
        host->show();
        QVERIFY(QTest::qWaitForWindowExposed(host.get()));
        TToolBar *bar = frame->MenuBar();
        QTest::keyClick(host.get(), Qt::Key_E, Qt::AltModifier);
        QMenu *edit = menu->Items()->Items(1)->popup();
        QTRY_VERIFY(edit->isVisible());
        QVERIFY(bar->Buttons(1)->IsDroppedDown());
        // The first item that can be chosen is selected: Undo is disabled.
        QCOMPARE(
            TMenuItem::fromAction(edit->activeAction())->objectName(), QStringLiteral("Copy1"));
        QVERIFY(bar->Buttons(1)->DrawState() & Fw::cdsSelected);

        QTest::keyClick(edit, Qt::Key_Right);
        QMenu *help = menu->Items()->Items(2)->popup();
        QTRY_VERIFY(help->isVisible());
        QVERIFY(!edit->isVisible());
        // Round from the last menu to the first.
        QTest::keyClick(help, Qt::Key_Right);
        QMenu *file = menu->Items()->Items(0)->popup();
        QTRY_VERIFY(file->isVisible());
        QTest::keyClick(file, Qt::Key_Left);
        QTRY_VERIFY(help->isVisible());
        QTest::keyClick(help, Qt::Key_Escape);
        QTRY_VERIFY(!help->isVisible());
        QTRY_VERIFY(!bar->Buttons(2)->IsDroppedDown());

        // Enter on the selected item runs it.
        QTest::keyClick(host.get(), Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(file->isVisible());
        QTest::keyClick(file, Qt::Key_Return);
        QTRY_VERIFY(!file->isVisible());
        QCOMPARE(host->clicked, QStringList { QStringLiteral("Open1") });
    }

    void hotAndPressedButtonsInTheMenusStyle_data()
    {
        QTest::addColumn<TzynUIStyle>("style");
        for (TzynUIStyle style : { TzynUIStyle::WinXP, TzynUIStyle::DeepBlue, TzynUIStyle::Protein,
                 TzynUIStyle::BlueGlass })
            QTest::addRow("%s", qPrintable(ThemeStyleName(style))) << style;
    }
    void hotAndPressedButtonsInTheMenusStyle()
    {
        QFETCH(TzynUIStyle, style);
        load();
        frame->setUIStyle(style);
        TToolBar *bar = frame->MenuBar();
        TToolButton *button = bar->Buttons(0);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(button, &leave);
        // Grabbed with the bar, whose colour shows through a plain button.
        const auto grab = [&] { return bar->grab(button->geometry()).toImage(); };
        const QImage plain = grab();
        QCOMPARE(QColor(plain.pixel(1, 1)), toQColor(frame->MenuBarColor()));

        QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), button->mapToGlobal(QPointF(3, 3)));
        QApplication::sendEvent(button, &enter);
        const QImage hot = grab();
        const QColor fill = toQColor(GetThemeColor(style, TzynThemeEntry::MainMenuSelectedColor));
        const QColor border
            = toQColor(GetThemeColor(style, TzynThemeEntry::MainMenuSelectedBorderColor));
        QCOMPARE(QColor(hot.pixel(0, 0)), border);
        QCOMPARE(QColor(hot.pixel(button->width() - 1, 0)), border);
        QCOMPARE(QColor(hot.pixel(1, 1)), fill);

        // Pressed: two pixels come off on the right.
        QVERIFY(menu->Items()->Items(0)->popup());
        QVERIFY(button->ShowDropDown());
        const QImage pressed = grab();
        QCOMPARE(QColor(pressed.pixel(button->width() - 3, 0)), border);
        QCOMPARE(QColor(pressed.pixel(button->width() - 2, 1)), toQColor(frame->MenuBarColor()));
    }

    void macBarIsDrawnFromPictures()
    {
        load();
        frame->setUIStyle(TzynUIStyle::MacOS);
        TToolBar *bar = frame->MenuBar();
        const QImage grab = bar->grab().toImage();
        const QImage picture = ThemeImage(QStringLiteral("MACOS_MENU_BAR"));
        // Right of the last button the bar picture shows, stretched to the bar's height.
        QCOMPARE(grab.pixel(bar->width() - 2, 0), picture.pixel(0, 0));
        TToolButton *button = bar->Buttons(0);
        QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), button->mapToGlobal(QPointF(3, 3)));
        QApplication::sendEvent(button, &enter);
        const QImage hot = bar->grab(button->geometry()).toImage();
        const QImage select = ThemeImage(QStringLiteral("MACOS_MENU_SELECT"));
        QCOMPARE(hot.pixel(1, 0), select.pixel(0, 0));
    }
};

QTEST_MAIN(tst_MenuBar)
#include "tst_menubar.moc"
