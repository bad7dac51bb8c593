// The skin gallery shown under a window manager on a 1280x800 screen: at its own size nothing
// is clipped or overlapping; a check box, a radio button, the auto-repeat button, a style
// button and the title bar's help and custom buttons, clicked, do what they say; narrowed,
// the families flow into the narrower area.

#include "GalleryAboutForm.h"
#include "GalleryButtonsGroup.h"
#include "GalleryFamily.h"
#include "GalleryPages.h"
#include "GalleryPlacement.h"
#include "GalleryTitleBarGroup.h"
#include "SkinClasses.h"
#include "TApplication.h"
#include "TControlCore.h"
#include "TFont.h"
#include "TGalleryForm.h"
#include "TLayoutLoader.h"
#include "TMenuItem.h"
#include "TzynButton.h"
#include "TzynCheckBox.h"
#include "TzynForm.h"
#include "TzynGroupBox.h"
#include "TzynImagePanel.h"
#include "TzynPageControl.h"
#include "TzynRadioButton.h"
#include "TzynTab.h"
#include "TzynTabControl.h"
#include "TzynTabControlTopPanel.h"
#include "TzynTabSheet.h"
#include "TzynTitleBar.h"
#include "TzynTitleBarButton.h"
#include "TzynTitleBarButtons.h"

#include <QtTest>

#include <memory>

namespace {

constexpr int kTimeout = 15000;

template <class T> T *part(QObject *root, const char *name)
{
    T *found = root->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no component %s", name);
    return found;
}

} // namespace

class tst_GalleryWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<TGalleryForm> form;

    void click(QWidget *widget)
    {
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    }

    void checkPlaced(const QWidget *container)
    {
        const QString fault = placementFault(container);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    // Every family inside its page, shown, with a margin; every control inside its family and
    // clear of its neighbours; the style row clear of the area and of the title bar; every page's
    // tab inside the strip.
    void checkNothingClippedOrOverlapping()
    {
        const QRect area = form->FamilyArea()->geometry();
        const QRect frame = form->Frame()->rect();
        QVERIFY(frame.contains(area));
        QCOMPARE(form->Pages()->geometry(), area);
        const QList<GalleryFamily *> &families = form->Families();
        for (int i = 0; i < families.size(); ++i) {
            form->ShowFamily(i);
            QWidget *page = families[i]->parentWidget();
            QVERIFY(page->isVisible());
            QVERIFY2(page->rect().adjusted(1, 1, -1, -1).contains(families[i]->geometry()),
                qPrintable(describe(families[i])));
            checkPlaced(families[i]);
            if (QTest::currentTestFailed())
                return;
        }
        form->ShowFamily(0);
        QList<QWidget *> row;
        for (TzynUIStyle style : TGalleryForm::Styles())
            row << form->StyleButton(style);
        row << form->DisabledSwitch();
        for (int a = 0; a < row.size(); ++a) {
            QVERIFY2(frame.contains(row[a]->geometry()), qPrintable(describe(row[a])));
            QVERIFY(!row[a]->geometry().intersects(area));
            QVERIFY(!row[a]->geometry().intersects(form->Frame()->TitleBar()->geometry()));
            for (int b = a + 1; b < row.size(); ++b)
                QVERIFY2(!row[a]->geometry().intersects(row[b]->geometry()),
                    qPrintable(describe(row[a]) + " / " + describe(row[b])));
        }
        const QRect strip = form->Pages()->Strip()->rect();
        int right = 0;
        for (int i = 0; i < form->Pages()->PageCount(); ++i)
            right += TzynTabControlTopPanel::TabWidths({ form->Pages()->Page(i)->Caption() },
                { true }, QFontMetrics(form->Pages()->TabFont()->toQFont()))
                         .value(0);
        QVERIFY2(form->Pages()->LeftMargin() + right <= strip.width(),
            qPrintable(QStringLiteral("tabs %1 wide in a strip of %2")
                           .arg(form->Pages()->LeftMargin() + right)
                           .arg(strip.width())));
    }

private Q_SLOTS:
    void initTestCase()
    {
        TLayoutLoader::registerFrameworkClasses();
        registerSkinClasses();
        form = std::make_unique<TGalleryForm>();
        form->Show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get(), kTimeout));
    }

    void cleanupTestCase() { form.reset(); }

    // What a user sees at the window's own size.
    void nothingClippedOrOverlapping() { checkNothingClippedOrOverlapping(); }

    // The inner pages and tabs too.
    void nothingClippedOrOverlappingOnInnerPages()
    {
        form->ShowFamily(int(form->Families().size()) - 1);
        auto *pages = form->findChild<TzynPageControl *>(QStringLiteral("GalleryPages"));
        auto *tabs = form->findChild<TzynTabControl *>(QStringLiteral("GalleryTabs"));
        QVERIFY(pages && tabs);
        for (int i = 0; i < pages->PageCount(); ++i) {
            pages->setActivePage(pages->Page(i));
            for (int t = 0; t < tabs->Tabs().size(); ++t) {
                tabs->Strip()->setTabIndex(t, true);
                checkPlaced(pages->parentWidget());
                if (QTest::currentTestFailed())
                    return;
            }
        }
        pages->setActivePage(pages->Page(0));
        tabs->Strip()->setTabIndex(0, true);
        form->ShowFamily(0);
    }

    void checkBoxesToggle()
    {
        auto *unchecked = part<TzynCheckBox>(form.get(), "CheckBox2");
        auto *checked = part<TzynCheckBox>(form.get(), "CheckBox1");
        auto *disabled = part<TzynCheckBox>(form.get(), "CheckBox3");
        QVERIFY(!unchecked->Checked() && checked->Checked() && disabled->Checked());
        click(unchecked);
        QTRY_VERIFY_WITH_TIMEOUT(unchecked->Checked(), kTimeout);
        click(checked);
        QTRY_VERIFY_WITH_TIMEOUT(!checked->Checked(), kTimeout);
        // A disabled check box takes no click.
        click(disabled);
        QTest::qWait(200);
        QVERIFY(disabled->Checked());
    }

    void radioButtonsAreExclusive()
    {
        auto *one = part<TzynRadioButton>(form.get(), "RadioButton1");
        auto *three = part<TzynRadioButton>(form.get(), "RadioButton3");
        QVERIFY(one->Checked() && !three->Checked());
        click(three);
        QTRY_VERIFY_WITH_TIMEOUT(three->Checked(), kTimeout);
        QVERIFY(!one->Checked());
        // The style buttons on the frame are a group of their own.
        QVERIFY(form->StyleButton(TzynUIStyle::DeepBlue)->Checked());
    }

    void holdingTheRepeatButtonCounts()
    {
        auto *group = part<GalleryButtonsGroup>(form.get(), "ButtonsGroup");
        auto *button = part<TzynButton>(form.get(), "RepeatButton");
        auto *label = part<TzynImagePanel>(form.get(), "RepeatCountLabel");
        QCOMPARE(group->RepeatCount(), 0);
        QTest::mousePress(button, Qt::LeftButton, {}, button->rect().center());
        QTRY_VERIFY_WITH_TIMEOUT(group->RepeatCount() >= 3, kTimeout);
        QTest::mouseRelease(button, Qt::LeftButton, {}, button->rect().center());
        const int count = group->RepeatCount();
        QCOMPARE(label->Caption(), QStringLiteral("Repeats: %1").arg(count));
        // Released: no more repeats.
        QTest::qWait(500);
        QCOMPARE(group->RepeatCount(), count);
        click(part<TzynButton>(form.get(), "RepeatResetButton"));
        QTRY_COMPARE_WITH_TIMEOUT(group->RepeatCount(), 0, kTimeout);
        QCOMPARE(label->Caption(), QStringLiteral("Repeats: 0"));
    }

    void aDialogButtonSaysItWasClickedAndLeavesTheWindowOpen()
    {
        click(part<TzynButton>(form.get(), "CancelButton"));
        auto *label = part<TzynImagePanel>(form.get(), "DialogLabel");
        QTRY_VERIFY_WITH_TIMEOUT(label->Caption().contains(QStringLiteral("Cancel")), kTimeout);
        QVERIFY(form->isVisible());
    }

    void aStyleButtonRestylesTheWindow()
    {
        click(form->StyleButton(TzynUIStyle::WinXP));
        QTRY_COMPARE_WITH_TIMEOUT(form->Frame()->UIStyle(), TzynUIStyle::WinXP, kTimeout);
        QVERIFY(!form->StyleButton(TzynUIStyle::DeepBlue)->Checked());
        QCOMPARE(part<TzynButton>(form.get(), "RepeatButton")->UIStyle(), TzynUIStyle::WinXP);
        QCOMPARE(part<TzynCheckBox>(form.get(), "CheckBox1")->UIStyle(), TzynUIStyle::WinXP);
    }

    void titleBarEventsAreShown()
    {
        auto *group = part<GalleryTitleBarGroup>(form.get(), "TitleBarGroup");
        TzynTitleBar *bar = form->Frame()->TitleBar();
        const auto layout = bar->ButtonLayout(bar->width());
        TzynTitleBarButtons *buttons = form->Frame()->TitleBarButtons();
        auto clickType = [&](TzynTitleBarBtnType type) {
            for (const auto &place : layout.buttons) {
                if (buttons->Items(place.index)->ButtonType() == type) {
                    QTest::mouseClick(bar, Qt::LeftButton, {}, place.rect.center());
                    return true;
                }
            }
            return false;
        };
        QVERIFY(clickType(zynHelp));
        QTRY_VERIFY_WITH_TIMEOUT(group->LastEvent().contains(QStringLiteral("help")), kTimeout);
        QVERIFY(clickType(zynCustom));
        QTRY_VERIFY_WITH_TIMEOUT(group->LastEvent().contains(QStringLiteral("custom")), kTimeout);
    }

    // At the smallest size the window allows, the families still hold every control unclipped
    // and every page's tab shows.
    void nothingClippedAtTheMinimumSize()
    {
        const QSize before = form->size();
        QVERIFY(form->minimumWidth() <= 640 && form->minimumHeight() <= 480);
        form->resize(640, 480);
        QTRY_COMPARE_WITH_TIMEOUT(form->size(), QSize(640, 480), kTimeout);
        QTRY_COMPARE(form->Pages()->geometry(), form->FamilyArea()->geometry());
        checkNothingClippedOrOverlapping();
        form->resize(before);
        QTRY_COMPARE_WITH_TIMEOUT(form->size(), before, kTimeout);
    }

    // Help > About opens a skinned box in the window's style with the library's version; OK
    // closes it.
    void helpAboutShowsTheVersion()
    {
        form->ChooseStyle(TzynUIStyle::Protein);
        auto *about = form->findChild<TMenuItem *>(QStringLiteral("HelpAbout"));
        QVERIFY(about);
        about->action()->trigger();
        GalleryAboutForm *box = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT(
            (box = form->findChild<GalleryAboutForm *>()) && box->isVisible(), kTimeout);
        QVERIFY(QTest::qWaitForWindowExposed(box, kTimeout));
        QCOMPARE(box->Frame()->UIStyle(), TzynUIStyle::Protein);
        QVERIFY(box->VersionText().contains(TGalleryForm::LibraryVersion()));
        QVERIFY(!TGalleryForm::LibraryVersion().isEmpty());
        QPointer<GalleryAboutForm> watched(box);
        click(part<TzynButton>(box, "AboutOk"));
        QTRY_VERIFY_WITH_TIMEOUT(watched.isNull(), kTimeout);
        QVERIFY(form->isVisible());
        form->ChooseStyle(TzynUIStyle::DeepBlue);
    }

    // The style buttons and the tools say what they do when the pointer rests on them.
    void styleButtonsAndToolsHaveTips()
    {
        QList<QWidget *> tipped;
        for (TzynUIStyle style : TGalleryForm::Styles())
            tipped << form->StyleButton(style);
        tipped << form->DisabledSwitch();
        for (const char *name : { "OpenTool", "SaveTool", "MarkTool", "FindTool", "CentreTool" })
            tipped << part<QWidget>(form.get(), name);
        for (QWidget *widget : tipped) {
            QVERIFY2(!widget->toolTip().isEmpty(), qPrintable(describe(widget)));
            QVERIFY2(TControlCore::of(widget)->showHint(), qPrintable(describe(widget)));
        }
    }

    // Last but one: File > Exit closes the window (which a test can show again).
    void fileExitCloses()
    {
        auto *exit = form->findChild<TMenuItem *>(QStringLiteral("FileExit"));
        QVERIFY(exit);
        exit->action()->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!form->isVisible(), kTimeout);
        form->Show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get(), kTimeout));
    }

    // Last: it changes the window's size.
    void familiesStayWithinTheirPagesWhenTheWindowNarrows()
    {
        const int margins = form->Frame()->width() - form->FamilyArea()->width();
        form->resize(700, form->height());
        QTRY_COMPARE(form->FamilyArea()->width(), form->Frame()->width() - margins);
        QVERIFY(form->FamilyArea()->width() < 700);
        QTRY_COMPARE(form->Pages()->geometry(), form->FamilyArea()->geometry());
        for (int i = 0; i < form->Families().size(); ++i) {
            form->ShowFamily(i);
            GalleryFamily *family = form->Families()[i];
            QVERIFY2(family->parentWidget()->rect().contains(family->geometry()),
                qPrintable(describe(family)));
        }
    }
};

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    tst_GalleryWindow test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_gallery_window.moc"
