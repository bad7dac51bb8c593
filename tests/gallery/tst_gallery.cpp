// The skin gallery's window as its layouts build it: the frame and its style buttons, every
// family on the frame inside the area and none clipped or overlapping, and a change of style
// reaching every skinned control of every family through the frame's own push.

#include "GalleryFamilies.h"
#include "GalleryFamily.h"
#include "GalleryPages.h"
#include "GalleryToolBarsGroup.h"
#include "SkinClasses.h"
#include "TApplication.h"
#include "TFont.h"
#include "TGalleryForm.h"
#include "TLayoutLoader.h"
#include "TMenuItem.h"
#include "TPicture.h"
#include "TToolBar.h"
#include "TToolButton.h"
#include "TzynButton.h"
#include "TzynCheckBox.h"
#include "TzynCheckGroup.h"
#include "TzynForm.h"
#include "TzynGroupBox.h"
#include "TzynImagePanel.h"
#include "TzynListView.h"
#include "TzynMainMenu.h"
#include "TzynProgressBar.h"
#include "TzynRadioButton.h"
#include "TzynSideChannel.h"
#include "TzynSkinnedControl.h"
#include "TzynTab.h"
#include "TzynTabControl.h"
#include "TzynTabControlTopPanel.h"
#include "TzynTabSheet.h"
#include "TzynTitleBar.h"
#include "TzynTitleBarButton.h"
#include "TzynTitleBarButtons.h"
#include "TzynTitleBarLayout.h"
#include "TzynTitleBarSections.h"

#include <QMetaEnum>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(TzynUIStyle)

namespace {

// Whether the widget is a part that a skinned control owns and styles itself (the arrows and
// track of a scroll bar, the slider of a track bar), not a control placed by a layout.
bool isOwnedPart(const QWidget *widget, const QWidget *frame)
{
    for (const QWidget *p = widget->parentWidget(); p && p != frame; p = p->parentWidget()) {
        if (dynamic_cast<const TzynSkinnedControl *>(p)
            && !dynamic_cast<const TzynStyleContainer *>(p))
            return true;
    }
    return false;
}

// Every widget below the frame, the title bar's own parts and the parts of composite controls
// left out.
QList<QWidget *> controlsOf(TzynForm *frame)
{
    QList<QWidget *> result;
    for (QWidget *widget : frame->findChildren<QWidget *>()) {
        if (widget != frame->TitleBar() && !frame->TitleBar()->isAncestorOf(widget)
            && !isOwnedPart(widget, frame))
            result.append(widget);
    }
    return result;
}

QString describe(const QWidget *widget)
{
    return QStringLiteral("%1 (%2)").arg(
        widget->objectName(), QLatin1String(widget->metaObject()->className()));
}

} // namespace

class tst_Gallery : public QObject {
    Q_OBJECT

    std::unique_ptr<TGalleryForm> form;

private Q_SLOTS:
    void initTestCase()
    {
        TLayoutLoader::registerFrameworkClasses();
        registerSkinClasses();
    }

    void init() { form = std::make_unique<TGalleryForm>(); }
    void cleanup() { form.reset(); }

    void startsFromItsLayout()
    {
        QCOMPARE(form->objectName(), QStringLiteral("GalleryForm"));
        TzynForm *frame = form->Frame();
        QVERIFY(frame->UIStyleAutoUpdateSub());
        QCOMPARE(frame->UIStyle(), TzynUIStyle::DeepBlue);
        QStringList captions;
        for (TzynUIStyle style : TGalleryForm::Styles()) {
            TzynRadioButton *button = form->StyleButton(style);
            QVERIFY(button);
            QCOMPARE(button->parentWidget(), frame);
            QCOMPARE(button->Checked(), style == TzynUIStyle::DeepBlue);
            captions << button->Caption();
        }
        QCOMPARE(captions,
            QStringList({ "Custom", "MacOS", "WinXP", "DeepBlue", "Protein", "BlueGlass" }));
        // Spaced by their captions: each as wide as its caption needs, one gap between them.
        const QList<TzynUIStyle> styles = TGalleryForm::Styles();
        int gap = -1;
        for (int i = 0; i < styles.size(); ++i) {
            TzynRadioButton *button = form->StyleButton(styles[i]);
            const int text
                = QFontMetrics(button->Font()->toQFont()).horizontalAdvance(button->Caption());
            QVERIFY2(
                button->width() >= text + button->PictureWidth(), qPrintable(button->Caption()));
            if (i == 0)
                continue;
            const int between = button->x() - form->StyleButton(styles[i - 1])->geometry().right();
            QVERIFY(between > 0);
            QVERIFY(gap < 0 || between == gap);
            gap = between;
        }

        // A button of every type in the title bar, help and custom among them.
        QSet<int> types;
        TzynTitleBarButtons *buttons = frame->TitleBarButtons();
        for (int i = 0; i < buttons->Count(); ++i)
            types.insert(buttons->Items(i)->ButtonType());
        QCOMPARE(types, QSet<int>({ zynMax, zynMin, zynClose, zynHelp, zynControlBox, zynCustom }));

        // One family per row of the table, each loaded from its own layout onto a page of the
        // page control on the frame, the page's tab with the table's short caption; the first
        // shows.
        const auto &rows = GalleryFamilies();
        GalleryPages *pages = form->Pages();
        QCOMPARE(pages->parentWidget(), frame);
        QCOMPARE(form->Families().size(), qsizetype(rows.size()));
        QCOMPARE(pages->PageCount(), int(rows.size()));
        QCOMPARE(pages->ActivePage(), pages->Page(0));
        for (size_t i = 0; i < rows.size(); ++i) {
            GalleryFamily *family = form->Families()[int(i)];
            QCOMPARE(family->objectName(), QLatin1String(rows[i].name) + QStringLiteral("Group"));
            QCOMPARE(family->parentWidget(), pages->Page(int(i)));
            QCOMPARE(pages->Page(int(i))->Caption(), QLatin1String(rows[i].tab));
            QVERIFY2(!family->findChildren<QWidget *>().isEmpty(), rows[i].name);
            QVERIFY2(!family->Caption().trimmed().isEmpty(), rows[i].name);
        }
        form->ShowFamily(2);
        QCOMPARE(pages->CurrentTabIndex(), 2);
        QVERIFY(form->Families()[2]->isVisibleTo(form.get()));
        QVERIFY(!form->Families()[0]->isVisibleTo(form.get()));
    }

    void aMissingFamilyLayoutIsRefused()
    {
        GalleryFamily family(form->Frame());
        QVERIFY_THROWS_EXCEPTION(Exception, family.Load(QStringLiteral("NoSuchFamily")));
    }

    void choosingAStyleRestylesEveryControl_data()
    {
        QTest::addColumn<TzynUIStyle>("style");
        for (TzynUIStyle style : TGalleryForm::Styles()) {
            if (style != TzynUIStyle::Custom)
                QTest::newRow(QMetaEnum::fromType<TzynUIStyle>().valueToKey(int(style))) << style;
        }
    }

    void choosingAStyleRestylesEveryControl()
    {
        QFETCH(TzynUIStyle, style);
        using E = TzynThemeEntry;
        TzynForm *frame = form->Frame();
        // Start from another style, so that every control has something to change.
        const TzynUIStyle other
            = style == TzynUIStyle::MacOS ? TzynUIStyle::Protein : TzynUIStyle::MacOS;
        form->ChooseStyle(other);

        QHash<QWidget *, TzynUIStyle> before;
        const QList<QWidget *> controls = controlsOf(frame);
        for (QWidget *control : controls) {
            if (auto *styleable = dynamic_cast<TzynStyleable *>(control))
                before.insert(control, styleable->UIStyle());
        }
        form->ChooseStyle(style);
        QCOMPARE(frame->UIStyle(), style);
        QVERIFY(form->StyleButton(style)->Checked());
        QCOMPARE(frame->Color(), GetThemeColor(style, E::FormColor));
        QCOMPARE(frame->BorderColor(), GetThemeColor(style, E::FormBorderColor));
        TzynTitleBarButtons *buttons = frame->TitleBarButtons();
        for (int i = 0; i < buttons->Count(); ++i)
            QCOMPARE(buttons->Items(i)->UIStyle(), style);

        int restyled = 0, bordered = 0;
        for (QWidget *control : controls) {
            const bool onFrame = control->parentWidget() == frame;
            // The side channel's strip button is a part of it with a look of its own.
            if (control->parentWidget()
                && qobject_cast<TzynSideChannel *>(control->parentWidget()->parentWidget()))
                continue;
            // Tab and page controls (and their pages) and check groups pass the style on
            // themselves, one level further; so does the group-box family to the boxes on its
            // picture.
            QWidget *parent = control->parentWidget();
            const bool inFamily = qobject_cast<GalleryFamily *>(parent)
                || qobject_cast<TzynTab *>(parent) || qobject_cast<TzynTabSheet *>(parent)
                || qobject_cast<TzynCheckGroup *>(parent)
                || parent->objectName() == QLatin1String("GroupBoxesBackdrop");
            if (auto *styleable = dynamic_cast<TzynStyleable *>(control)) {
                // The push reaches two levels, the frame and the group boxes on it, and further
                // only through the containers that pass it on.
                QVERIFY2(onFrame || inFamily, qPrintable(describe(control)));
                const TzynUIStyle expected
                    = before.value(control) == TzynUIStyle::Custom ? TzynUIStyle::Custom : style;
                QVERIFY2(styleable->UIStyle() == expected, qPrintable(describe(control)));
                ++restyled;
            }
            if (auto *border = dynamic_cast<TzynBorderColored *>(control)) {
                QVERIFY2(onFrame || inFamily, qPrintable(describe(control)));
                QVERIFY2(border->BorderColor() == GetThemeColor(style, E::ControlBorderColor),
                    qPrintable(describe(control)));
                ++bordered;
            }
            if (auto *box = qobject_cast<TzynGroupBox *>(control)) {
                QVERIFY2(box->Font()->Color() == GetThemeColor(style, E::GroupBoxFontColor),
                    qPrintable(describe(control)));
                QVERIFY2(box->Color() == GetThemeColor(style, E::ControlColor),
                    qPrintable(describe(control)));
            }
        }
        // Six style buttons and the button family at least; tree, list and group boxes.
        QVERIFY(restyled >= 20);
        QVERIFY(bordered >= 7);
        // The one button that keeps its own look did keep it.
        auto *ownLook = frame->findChild<TzynButton *>(QStringLiteral("OwnLookButton"));
        QVERIFY(ownLook);
        QCOMPARE(ownLook->UIStyle(), TzynUIStyle::Custom);
    }

    void menuAndToolBarsAtWork()
    {
        TzynForm *frame = form->Frame();
        auto *menu = qobject_cast<TzynMainMenu *>(frame->Menu());
        QVERIFY(menu);
        QCOMPARE(menu->UIStyle(), frame->UIStyle());
        TToolBar *bar = frame->MenuBar();
        QVERIFY(bar);
        QCOMPARE(bar->ButtonCount(), 3);
        QCOMPARE(bar->Buttons(1)->Caption(), QStringLiteral("&Edit"));
        form->ChooseStyle(TzynUIStyle::Protein);
        QCOMPARE(menu->UIStyle(), TzynUIStyle::Protein);

        auto *family = form->findChild<GalleryToolBarsGroup *>();
        QVERIFY(family);
        auto *find = form->findChild<TMenuItem *>(QStringLiteral("EditFind"));
        find->action()->trigger();
        QCOMPARE(family->LastCommand(), QStringLiteral("You chose Find... from the menu"));
        auto *tool = form->findChild<TToolButton *>(QStringLiteral("CentreTool"));
        QTest::mouseClick(tool, Qt::LeftButton, {}, tool->rect().center());
        QCOMPARE(family->LastCommand(), QStringLiteral("You clicked the Centre tool"));
        // The log keeps them all, the latest first.
        auto *log = form->findChild<QListWidget *>(QStringLiteral("CommandLog"));
        QVERIFY(log);
        QCOMPARE(log->count(), 2);
        QCOMPARE(log->item(0)->text(), QStringLiteral("You clicked the Centre tool"));
        QCOMPARE(log->item(1)->text(), QStringLiteral("You chose Find... from the menu"));
        QVERIFY(tool->Down());
        QVERIFY(!form->findChild<TToolButton *>(QStringLiteral("LeftTool"))->Down());
    }

    // The switch disables every control of every family and gives each its own state back.
    void theDisabledSwitchDisablesEveryFamily()
    {
        auto *off = form->findChild<TzynCheckBox *>(QStringLiteral("CheckBox3"));
        auto *glyph = form->findChild<TzynButton *>(QStringLiteral("GlyphButton1"));
        QVERIFY(off && glyph);
        QVERIFY(!off->isEnabled() && glyph->isEnabled());
        form->SetFamiliesDisabled(true);
        QVERIFY(form->DisabledSwitch()->Checked());
        int controls = 0;
        for (GalleryFamily *family : form->Families()) {
            for (QWidget *control : family->findChildren<QWidget *>()) {
                QVERIFY2(!control->isEnabled(), qPrintable(describe(control)));
                ++controls;
            }
        }
        QVERIFY(controls > 60);
        // The pages can still be chosen.
        QVERIFY(form->Pages()->isEnabled());
        QVERIFY(form->StyleButton(TzynUIStyle::WinXP)->isEnabled());
        form->SetFamiliesDisabled(false);
        QVERIFY(glyph->isEnabled());
        // What the layouts disable stays disabled, on a family and further in.
        QVERIFY(!off->isEnabled());
        QVERIFY(!form->findChild<QWidget *>(QStringLiteral("GalleryComboOff"))->isEnabled());
        QVERIFY(!form->findChild<QWidget *>(QStringLiteral("HelpTool"))->isEnabled());
        QVERIFY(form->findChild<QWidget *>(QStringLiteral("GalleryCombo"))->isEnabled());
    }

    // The tab control shows each tab's own controls; the list view shows a list or icons.
    void contentsDifferByTabAndByMode()
    {
        auto *tabs = form->findChild<TzynTabControl *>(QStringLiteral("GalleryTabs"));
        auto *check = form->findChild<QWidget *>(QStringLiteral("TabsCheck"));
        auto *edit = form->findChild<QWidget *>(QStringLiteral("LedgerEdit"));
        auto *print = form->findChild<QWidget *>(QStringLiteral("ReportsButton"));
        QVERIFY(tabs && check && edit && print);
        QVERIFY(!check->isHidden() && edit->isHidden() && print->isHidden());
        tabs->Strip()->setTabIndex(1, true);
        QVERIFY(check->isHidden() && !edit->isHidden() && print->isHidden());
        tabs->Strip()->setTabIndex(2, true);
        QVERIFY(check->isHidden() && edit->isHidden() && !print->isHidden());

        auto *list = form->findChild<TzynListView *>(QStringLiteral("GalleryList"));
        auto *icons = form->findChild<TzynRadioButton *>(QStringLiteral("ListModeIcons"));
        QVERIFY(list && icons);
        QCOMPARE(list->viewMode(), QListView::ListMode);
        QTest::mouseClick(icons, Qt::LeftButton, {}, icons->rect().center());
        QVERIFY(icons->Checked());
        QCOMPARE(list->viewMode(), QListView::IconMode);
        QVERIFY(!list->item(0)->icon().isNull());
    }

    // The frame pushes nothing for Custom; the gallery gives the controls that take pictures in
    // Custom its own sample skin instead, and gives them back the next style it is asked for.
    void choosingCustomGivesTheSampleSkinAndTakesItBack()
    {
        form->ChooseStyle(TzynUIStyle::WinXP);
        auto *glyph = form->findChild<TzynButton *>(QStringLiteral("GlyphButton1"));
        auto *ok = form->findChild<TzynButton *>(QStringLiteral("OkButton"));
        auto *ownLook = form->findChild<TzynButton *>(QStringLiteral("OwnLookButton"));
        auto *progress = form->findChild<TzynProgressBar *>(QStringLiteral("GalleryProgress"));
        auto *box = form->findChild<TzynGroupBox *>(QStringLiteral("CaptionedBox"));
        QVERIFY(glyph && ok && ownLook && progress && box);
        form->ChooseStyle(TzynUIStyle::Custom);
        QCOMPARE(form->Frame()->UIStyle(), TzynUIStyle::Custom);
        QVERIFY(form->StyleButton(TzynUIStyle::Custom)->Checked());
        QVERIFY(!form->StyleButton(TzynUIStyle::WinXP)->Checked());
        // What takes no pictures starts from the base style, whatever came before.
        QCOMPARE(
            box->Color(), GetThemeColor(TGalleryForm::CustomBase, TzynThemeEntry::ControlColor));
        QVERIFY(form->minimumWidth() >= TGalleryForm::MinimumSize().width());
        // Each push button gets the skin's picture that covers it, and the picture is there.
        for (TzynButton *button : { glyph, ok }) {
            QCOMPARE(button->UIStyle(), TzynUIStyle::Custom);
            const QString name = button->PicNormalResName();
            QVERIFY2(name.startsWith(QStringLiteral("GALLERY_BUTTON_")), qPrintable(name));
            const QImage picture = ThemeImageOrNull(name);
            QVERIFY2(!picture.isNull(), qPrintable(name));
            QVERIFY(picture.width() >= button->width() && picture.height() >= button->height());
            QVERIFY(!ThemeImageOrNull(button->PicMouseOnResName()).isNull());
            QVERIFY(!ThemeImageOrNull(button->PicMouseDownResName()).isNull());
        }
        QCOMPARE(ownLook->PicNormalResName(), QStringLiteral("MACOS_BUTTON_NORMAL"));
        QCOMPARE(progress->UIStyle(), TzynUIStyle::Custom);
        QCOMPARE(progress->Picture()->graphic()->width(), 1);
        QCOMPARE(form->Frame()->TitleBar()->Sections()->Count(), 3);
        TzynTitleBarButtons *buttons = form->Frame()->TitleBarButtons();
        for (int i = 0; i < buttons->Count(); ++i) {
            TzynTitleBarButton *button = buttons->Items(i);
            QVERIFY(!button->PicNormal()->isEmpty());
            QCOMPARE(button->UIStyle() == TzynUIStyle::Custom, button->ButtonType() != zynCustom);
        }

        // Back to a built-in style: everything follows it again, the own look excepted.
        form->ChooseStyle(TzynUIStyle::MacOS);
        QCOMPARE(glyph->UIStyle(), TzynUIStyle::MacOS);
        QCOMPARE(ok->UIStyle(), TzynUIStyle::MacOS);
        QCOMPARE(progress->UIStyle(), TzynUIStyle::MacOS);
        QCOMPARE(ownLook->UIStyle(), TzynUIStyle::Custom);
        for (int i = 0; i < buttons->Count(); ++i) {
            if (buttons->Items(i)->ButtonType() != zynCustom)
                QCOMPARE(buttons->Items(i)->UIStyle(), TzynUIStyle::MacOS);
        }
        // Twice round changes nothing.
        form->ChooseStyle(TzynUIStyle::Custom);
        form->ChooseStyle(TzynUIStyle::Custom);
        form->ChooseStyle(TzynUIStyle::Protein);
        QCOMPARE(glyph->UIStyle(), TzynUIStyle::Protein);
    }

    // The custom title-bar button (the arrow) in every style: in line with the close button,
    // clear of the bar's bottom line, and its corners showing the bar, not a light square.
    // Measured in the grab's own pixels, so it holds at any device pixel ratio.
    void customTitleButtonSitsInLineWithClearCorners()
    {
        TzynTitleBar *bar = form->Frame()->TitleBar();
        TzynTitleBarButtons *buttons = form->Frame()->TitleBarButtons();
        for (TzynUIStyle style : TGalleryForm::Styles()) {
            form->ChooseStyle(style);
            const QString name = QMetaEnum::fromType<TzynUIStyle>().valueToKey(int(style));
            QRect custom, close;
            for (const auto &place : bar->ButtonLayout(bar->width()).buttons) {
                const TzynTitleBarButton *button = buttons->Items(place.index);
                const QRect picture(place.rect.topLeft(),
                    QSize(button->PicNormal()->width(), button->PicNormal()->height()));
                if (button->ButtonType() == zynCustom)
                    custom = picture;
                else if (button->ButtonType() == zynClose)
                    close = picture;
            }
            QVERIFY2(!custom.isEmpty() && !close.isEmpty(), qPrintable(name));
            QVERIFY2(
                std::abs((custom.top() + custom.bottom()) - (close.top() + close.bottom())) <= 2,
                qPrintable(name));
            // The bar's last row is its bottom line; the row above it stays clear.
            QVERIFY2(custom.bottom() <= bar->height() - 3,
                qPrintable(QStringLiteral("%1: bottom %2 of %3")
                               .arg(name)
                               .arg(custom.bottom())
                               .arg(bar->height())));
            QVERIFY2(custom.top() >= 1, qPrintable(name));

            const QImage image = bar->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const qreal r = image.devicePixelRatio();
            const auto at = [&](int x, int y) { return image.pixel(qRound(x * r), qRound(y * r)); };
            const auto near = [](QRgb a, QRgb b) {
                return std::abs(qRed(a) - qRed(b)) <= 8 && std::abs(qGreen(a) - qGreen(b)) <= 8
                    && std::abs(qBlue(a) - qBlue(b)) <= 8;
            };
            // Each corner pixel shows what the one-pixel gap beside the button shows on its row.
            for (const int y : { custom.top(), custom.bottom() }) {
                const QRgb left = at(custom.left() - 1, y), right = at(custom.right() + 1, y);
                QVERIFY2(near(at(custom.left(), y), left),
                    qPrintable(QStringLiteral("%1: corner (%2, %3) is %4, the bar %5")
                                   .arg(name)
                                   .arg(custom.left())
                                   .arg(y)
                                   .arg(at(custom.left(), y), 6, 16)
                                   .arg(left, 6, 16)));
                QVERIFY2(near(at(custom.right(), y), right), qPrintable(name));
            }
            // And the face is there: the middle is the picture's, not the bar's.
            QVERIFY(!near(at(custom.center().x(), custom.top() + 2),
                at(custom.left() - 1, custom.top() + 2)));
        }
    }

    // The side channel docks inside its family's frame: the frame's top line runs unbroken to
    // the right edge (the channel's own edge lies on it in the same colour), and the channel
    // takes the style's colour and border colour.
    void sideChannelKeepsTheFrameLines()
    {
        auto *channel = form->findChild<TzynSideChannel *>(QStringLiteral("GallerySideChannel"));
        QVERIFY(channel);
        auto *family = qobject_cast<TzynGroupBox *>(channel->parentWidget());
        QVERIFY(family);
        for (TzynUIStyle style : TGalleryForm::Styles()) {
            if (style == TzynUIStyle::Custom)
                continue;
            form->ChooseStyle(style);
            const QImage image = family->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const qreal r = image.devicePixelRatio();
            const int line = std::abs(family->Font()->Height()) / 2 + 1;
            QCOMPARE(channel->y(), line);
            QCOMPARE(channel->geometry().right(), family->width() - 1);
            const QRgb border = toQColor(family->BorderColor()).rgb();
            QCOMPARE(channel->EdgeColor(), family->BorderColor());
            for (int x = channel->x() - 20; x < family->width(); ++x)
                QCOMPARE(image.pixel(qRound(x * r), qRound(line * r)), border);
            QCOMPARE(channel->SideBarColor(), GetThemeColor(style, TzynThemeEntry::ControlColor));
        }
    }

    // The tiled panel's caption rows carry no seam: beside the caption, every row is as bright
    // as the tile is on average. The see-through panel's caption keeps clear of its picture,
    // down to the window's smallest size.
    void panelCaptionsStandClear()
    {
        auto *tiled = form->findChild<TzynImagePanel *>(QStringLiteral("TiledPicturePanel"));
        auto *seeThrough = form->findChild<TzynImagePanel *>(QStringLiteral("SeeThroughPanel"));
        QVERIFY(tiled && seeThrough);
        form->resize(TGalleryForm::MinimumSize());
        QApplication::processEvents();
        for (TzynUIStyle style : TGalleryForm::Styles()) {
            form->ChooseStyle(style);
            const QImage image = tiled->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const qreal r = image.devicePixelRatio();
            const QFontMetrics metrics(tiled->Font()->toQFont());
            const int textWidth = metrics.horizontalAdvance(tiled->Caption());
            const int besideText = qRound((tiled->width() - textWidth) / 2.0 * r) - 2;
            const int top = qRound((tiled->height() - metrics.height()) / 2.0 * r);
            const int bottom = qRound((tiled->height() + metrics.height()) / 2.0 * r);
            QVERIFY(besideText > 8 && top > 0);
            const auto brightness = [&](int y) {
                qint64 sum = 0;
                for (int x = 0; x < besideText; ++x)
                    sum += qGray(image.pixel(x, y));
                return double(sum) / besideText;
            };
            double mean = 0;
            for (int y = 0; y < image.height(); ++y)
                mean += brightness(y);
            mean /= image.height();
            for (int y = top; y < bottom; ++y)
                QVERIFY2(std::abs(brightness(y) - mean) < 10,
                    qPrintable(QStringLiteral("row %1: %2 against %3")
                                   .arg(y)
                                   .arg(brightness(y))
                                   .arg(mean)));

            const QFontMetrics captionMetrics(seeThrough->Font()->toQFont());
            const int captionLeft
                = (seeThrough->width() - captionMetrics.horizontalAdvance(seeThrough->Caption()))
                / 2;
            QVERIFY2(captionLeft - seeThrough->Picture()->width() >= 8,
                qPrintable(QStringLiteral("caption at %1, picture %2 wide")
                               .arg(captionLeft)
                               .arg(seeThrough->Picture()->width())));
        }
    }
};

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    tst_Gallery test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_gallery.moc"
