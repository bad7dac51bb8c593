// Main menus, menu items and tool bars of the framework: menus written as nested items in a
// layout, the drop-downs that follow the items, shortcuts, and the tool bar's placing and
// its buttons under real clicks.

#include "TForm.h"
#include "TImageList.h"
#include "TLayoutLoader.h"
#include "TMainMenu.h"
#include "TMenuItem.h"
#include "TToolBar.h"
#include "TToolButton.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

class TMenuForm : public TForm {
    Q_OBJECT
public:
    using TForm::TForm;
    QStringList clicked;

public Q_SLOTS:
    void ItemClick(QObject *Sender) { clicked << Sender->objectName(); }
};

// Counts the notice that the whole layout has been loaded.
class TCountingMenu : public TMainMenu {
    Q_OBJECT
public:
    using TMainMenu::TMainMenu;
    int loaded = 0;
    int itemsWhenLoaded = -1;
    void Loaded() override
    {
        ++loaded;
        itemsWhenLoaded = Items()->Count();
    }
};

namespace {

const char *const kMenuLayout = R"(object Form1: TMenuForm
  object MainMenu1: TCountingMenu
    object File1: TMenuItem
      Caption = '&File'
      object Open1: TMenuItem
        Caption = '&Open...'
        ShortCut = 'Ctrl+O'
        OnClick = ItemClick
      end
      object N1: TMenuItem
        Caption = '-'
      end
      object Recent1: TMenuItem
        Caption = 'Recent'
        object First1: TMenuItem
          Caption = 'First'
          OnClick = ItemClick
        end
      end
    end
    object Edit1: TMenuItem
      Caption = '&Edit'
      object Wrap1: TMenuItem
        Caption = 'Wrap'
        Checked = True
        AutoCheck = True
        OnClick = ItemClick
      end
      object Paste1: TMenuItem
        Caption = 'Paste'
        ShortCut = 'Ctrl+V'
        Enabled = False
        OnClick = ItemClick
      end
      object Find1: TMenuItem
        Caption = 'Find'
        Default = True
        ImageIndex = 2
      end
    end
  end
end
)";

QKeyEvent keyPress(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    return QKeyEvent(QEvent::KeyPress, key, modifiers);
}

QStringList texts(const QMenu *menu)
{
    QStringList out;
    for (const QAction *action : menu->actions())
        out << (action->isSeparator() ? QStringLiteral("|") : action->text());
    return out;
}

} // namespace

class tst_Menus : public QObject {
    Q_OBJECT

    std::unique_ptr<TMenuForm> form;

    TCountingMenu *loadMenu()
    {
        form.reset(new TMenuForm);
        TLayoutLoader().loadFromText(
            form.get(), QString::fromUtf8(kMenuLayout), QStringLiteral("Menu.layout"));
        return form->findChild<TCountingMenu *>(QStringLiteral("MainMenu1"));
    }

private Q_SLOTS:
    void initTestCase()
    {
        TLayoutLoader::registerFrameworkClasses();
        TLayoutLoader::registerClass<TCountingMenu>(QStringLiteral("TCountingMenu"));
    }
    void cleanup() { form.reset(); }

    void layoutNestsItemsInMenuOrder()
    {
        TCountingMenu *menu = loadMenu();
        QVERIFY(menu);
        // Told once, after the last item was in place.
        QCOMPARE(menu->loaded, 1);
        QCOMPARE(menu->itemsWhenLoaded, 2);
        TMenuItem *top = menu->Items();
        QCOMPARE(top->Count(), 2);
        TMenuItem *file = top->Items(0);
        QCOMPARE(file->Caption(), QStringLiteral("&File"));
        QCOMPARE(file->Count(), 3);
        QCOMPARE(file->Items(1)->IsLine(), true);
        QCOMPARE(file->Items(2)->Items(0)->objectName(), QStringLiteral("First1"));
        QCOMPARE(file->Items(2)->Items(0)->Menu(), menu);
        QCOMPARE(file->Parent(), top);
        QCOMPARE(file->Items(0)->ShortCut(), QStringLiteral("Ctrl+O"));
        TMenuItem *edit = top->Items(1);
        QVERIFY(edit->Items(0)->Checked());
        QVERIFY(!edit->Items(1)->Enabled());
        QVERIFY(edit->Items(2)->Default());
        QCOMPARE(edit->Items(2)->ImageIndex(), 2);
        // Nested items are still found by name among the form's components.
        QCOMPARE(form->findChild<TMenuItem *>(QStringLiteral("Paste1")), edit->Items(1));
    }

    void layoutRefusesWhatAnItemCannotHold_data()
    {
        QTest::addColumn<QString>("inner");
        QTest::addColumn<QString>("message");
        QTest::newRow("menu in an item")
            << QStringLiteral("object M2: TMainMenu\n      end")
            << QStringLiteral("Menu.layout:4: M2: TMenuItem cannot hold a TMainMenu");
        QTest::newRow("control in an item")
            << QStringLiteral("object B1: TToolButton\n      end")
            << QStringLiteral("Menu.layout:4: B1: a control needs a control to hold it");
    }
    void layoutRefusesWhatAnItemCannotHold()
    {
        QFETCH(QString, inner);
        QFETCH(QString, message);
        TMenuForm f;
        const QString text = QStringLiteral("object Form1: TMenuForm\n  object M1: TMainMenu\n"
                                            "    object I1: TMenuItem\n      %1\n    end\n  end\n"
                                            "end\n")
                                 .arg(inner);
        try {
            TLayoutLoader().loadFromText(&f, text, QStringLiteral("Menu.layout"));
            QFAIL("loaded");
        } catch (const ELayoutError &error) {
            QCOMPARE(error.message(), message);
        }
    }

    void dropDownsFollowTheItems()
    {
        TCountingMenu *menu = loadMenu();
        TMenuItem *file = menu->Items()->Items(0);
        QMenu *popup = file->popup();
        QVERIFY(popup);
        QCOMPARE(texts(popup),
            QStringList({ QStringLiteral("&Open...\t")
                    + QKeySequence(QStringLiteral("Ctrl+O")).toString(QKeySequence::NativeText),
                QStringLiteral("|"), QStringLiteral("Recent") }));
        // A sub-menu hangs from its item's action.
        QCOMPARE(popup->actions().at(2)->menu(), file->Items(2)->popup());
        // Items without sub-items drop nothing down.
        QVERIFY(!file->Items(0)->popup());

        auto *save = new TMenuItem;
        save->setCaption(QStringLiteral("&Save"));
        file->Insert(1, save);
        QCOMPARE(texts(popup).at(1), QStringLiteral("&Save"));
        save->setEnabled(false);
        QVERIFY(!popup->actions().at(1)->isEnabled());
        save->setVisible(false);
        QVERIFY(!popup->actions().at(1)->isVisible());
        delete save;
        QCOMPARE(popup->actions().size(), 3);

        // The last sub-item gone, the drop-down goes with it.
        QPointer<QMenu> recent = file->Items(2)->popup();
        delete file->Items(2)->Items(0);
        QVERIFY(recent.isNull());
        QVERIFY(!popup->actions().at(2)->menu());

        // Freeing the menu frees its items and their drop-downs.
        QPointer<TMenuItem> open = file->Items(0);
        QPointer<QMenu> filePopup = popup;
        delete menu;
        QVERIFY(open.isNull());
        QVERIFY(filePopup.isNull());
    }

    void changesAreReported()
    {
        TCountingMenu *menu = loadMenu();
        QSignalSpy changes(menu, &TMainMenu::OnChange);
        TMenuItem *file = menu->Items()->Items(0);
        file->setCaption(QStringLiteral("&Files"));
        QCOMPARE(changes.size(), 1);
        QCOMPARE(changes.at(0).at(1).value<TMenuItem *>(), file);
        QCOMPARE(changes.at(0).at(2).toBool(), false);
        menu->Items()->Add(new TMenuItem);
        QCOMPARE(changes.size(), 2);
        QCOMPARE(changes.at(1).at(1).value<TMenuItem *>(), menu->Items());
        QCOMPARE(changes.at(1).at(2).toBool(), true);
        // Setting what an item already holds is no change.
        file->setCaption(QStringLiteral("&Files"));
        QCOMPARE(changes.size(), 2);
    }

    void shortcutRunsItsEnabledItem()
    {
        TCountingMenu *menu = loadMenu();
        QKeyEvent open = keyPress(Qt::Key_O, Qt::ControlModifier);
        QVERIFY(menu->IsShortCut(&open));
        QCOMPARE(form->clicked, QStringList { QStringLiteral("Open1") });
        // A disabled item's shortcut is not taken, nor one under a disabled item.
        QKeyEvent paste = keyPress(Qt::Key_V, Qt::ControlModifier);
        QVERIFY(!menu->IsShortCut(&paste));
        TMenuItem *paste1 = form->findChild<TMenuItem *>(QStringLiteral("Paste1"));
        paste1->setEnabled(true);
        menu->Items()->Items(1)->setEnabled(false);
        QVERIFY(!menu->IsShortCut(&paste));
        menu->Items()->Items(1)->setEnabled(true);
        QVERIFY(menu->IsShortCut(&paste));
        // Other keys and lone modifiers are not shortcuts.
        QKeyEvent plain = keyPress(Qt::Key_O, Qt::NoModifier);
        QVERIFY(!menu->IsShortCut(&plain));
        QKeyEvent control = keyPress(Qt::Key_Control, Qt::ControlModifier);
        QVERIFY(!menu->IsShortCut(&control));
        QCOMPARE(
            form->clicked, (QStringList { QStringLiteral("Open1"), QStringLiteral("Paste1") }));
    }

    void choosingAnItemRunsIt()
    {
        TCountingMenu *menu = loadMenu();
        TMenuItem *wrap = form->findChild<TMenuItem *>(QStringLiteral("Wrap1"));
        QMenu *edit = menu->Items()->Items(1)->popup();
        // The action as the drop-down triggers it: an auto-check item toggles once.
        edit->actions().at(0)->trigger();
        QVERIFY(!wrap->Checked());
        QVERIFY(!edit->actions().at(0)->isChecked());
        edit->actions().at(0)->trigger();
        QVERIFY(wrap->Checked());
        QCOMPARE(form->clicked, (QStringList { QStringLiteral("Wrap1"), QStringLiteral("Wrap1") }));
        // A checked item without auto-check keeps its state.
        wrap->setAutoCheck(false);
        edit->actions().at(0)->trigger();
        QVERIFY(wrap->Checked());
        QVERIFY(edit->actions().at(0)->isChecked());
    }
};

QTEST_MAIN(tst_Menus)
#include "tst_menus.moc"
