// Hover and pressed looks under the real pointer (xdotool under Xvfb with a window manager):
// in every built-in style a check box, a radio button, a track bar's slider, a scroll bar's
// thumb, an inactive tab and the combo box's button change their pixels when the pointer comes
// over them, and the check box, radio button and thumbs again while the button is held.
// With LOOKS_EVIDENCE_DIR set, the normal, hover and pressed pictures are saved there.

#include "RealPointer.h"
#include "TForm.h"
#include "TGraphic.h"
#include "TMenuItem.h"
#include "TPicture.h"
#include "TzynCheckBox.h"
#include "TzynComboBox.h"
#include "TzynForm.h"
#include "TzynImagePanel.h"
#include "TzynTitleBar.h"
#include "TzynTitleBarButton.h"
#include "TzynWindowMenu.h"

#include "TzynRadioButton.h"
#include "TzynScrollBar.h"
#include "TzynScrollTrackBar.h"
#include "TzynTabControl.h"
#include "TzynTabControlTopPanel.h"
#include "TzynTrackBar.h"
#include <QMenu>

#include <QDir>
#include <QProcess>
#include <QtTest>

#include <memory>

using S = TzynUIStyle;
Q_DECLARE_METATYPE(TzynUIStyle)

namespace {

QString n(int v)
{
    return QString::number(v);
}

bool pointerTo(const QPoint &global)
{
    return xdotool({ QStringLiteral("mousemove"), n(global.x()), n(global.y()) });
}

} // namespace

class tst_LooksWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> window;

    QImage shot(QWidget *widget) const { return widget->grab().toImage(); }

    void save(const QImage &image, const QString &style, const QString &what) const
    {
        const QString dir = qEnvironmentVariable("LOOKS_EVIDENCE_DIR");
        if (dir.isEmpty())
            return;
        QDir().mkpath(dir);
        image.scaled(image.size() * 3)
            .save(QDir(dir).filePath(QStringLiteral("%1-%2.png").arg(style, what)));
    }

    // Pointer away, over `target` (at `at` in its coordinates), then held down there: the
    // three pictures of `widget` must differ in turn (the pressed one only when asked).
    void checkStates(QWidget *widget, QWidget *target, QPoint at, const QString &name,
        bool pressedToo, const std::function<bool()> &hoverSeen,
        const std::function<bool()> &pressSeen = {})
    {
        const QString style = QString::fromLatin1(QTest::currentDataTag());
        QVERIFY(pointerTo(window->mapToGlobal(QPoint(window->width() - 5, window->height() - 5))));
        QTRY_VERIFY(!hoverSeen());
        const QImage normal = shot(widget);
        QVERIFY(pointerTo(target->mapToGlobal(at)));
        QTRY_VERIFY(hoverSeen());
        const QImage hover = shot(widget);
        QVERIFY2(hover != normal, qPrintable(name + QStringLiteral(": hover looks as normal")));
        save(normal, style, name + QStringLiteral("-normal"));
        save(hover, style, name + QStringLiteral("-hover"));
        if (!pressedToo)
            return;
        QVERIFY(xdotool({ QStringLiteral("mousedown"), QStringLiteral("1") }));
        QTRY_VERIFY(pressSeen());
        const QImage pressed = shot(widget);
        QVERIFY(xdotool({ QStringLiteral("mouseup"), QStringLiteral("1") }));
        QVERIFY2(pressed != hover, qPrintable(name + QStringLiteral(": pressed looks as hover")));
        QVERIFY2(pressed != normal, qPrintable(name + QStringLiteral(": pressed looks as normal")));
        save(pressed, style, name + QStringLiteral("-pressed"));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(QProcess::execute(QStringLiteral("xdotool"), { QStringLiteral("version") }) == 0,
            "xdotool is needed");
    }

    void cleanup() { window.reset(); }

    void hoverAndPressedLooks_data()
    {
        QTest::addColumn<S>("style");
        QTest::newRow("MacOS") << S::MacOS;
        QTest::newRow("WinXP") << S::WinXP;
        QTest::newRow("DeepBlue") << S::DeepBlue;
        QTest::newRow("Protein") << S::Protein;
        QTest::newRow("BlueGlass") << S::BlueGlass;
    }

    void hoverAndPressedLooks()
    {
        QFETCH(S, style);
        window = std::make_unique<TForm>();
        window->setGeometry(120, 120, 420, 300);
        auto *box = new TzynCheckBox(window.get());
        box->setGeometry(20, 20, 120, 17);
        auto *checked = new TzynCheckBox(window.get());
        checked->setGeometry(20, 45, 120, 17);
        checked->setChecked(true);
        auto *radio = new TzynRadioButton(window.get());
        radio->setGeometry(20, 70, 120, 17);
        auto *track = new TzynTrackBar(window.get());
        track->setGeometry(20, 100, 200, 30);
        track->setPosition(50);
        auto *scroll = new TzynScrollBar(window.get());
        scroll->setOrientation(zynHorizontal);
        scroll->setGeometry(20, 140, 200, 17);
        scroll->setPageSize(30);
        auto *tabs = new TzynTabControl(window.get());
        tabs->setGeometry(240, 20, 170, 100);
        tabs->setTabs({ QStringLiteral("One"), QStringLiteral("Two") });
        auto *combo = new TzynComboBox(window.get());
        combo->setGeometry(240, 140, 150, 21);
        combo->setStyle(TzynCustomComboBox::csDropDownList);
        combo->setItems({ QStringLiteral("a"), QStringLiteral("b") });
        for (QObject *child : window->children())
            if (auto *styled = dynamic_cast<TzynStyleable *>(child))
                styled->setUIStyle(style);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();

        for (TzynCheckBox *b : { box, checked, static_cast<TzynCheckBox *>(radio) }) {
            const QString name = b == radio ? QStringLiteral("radio")
                : b == checked              ? QStringLiteral("checked-box")
                                            : QStringLiteral("box");
            const bool wasChecked = b->Checked();
            checkStates(
                b, b, QPoint(6, 8), name, true, [b] { return b->MouseOn(); },
                [b] { return b->MouseDown(); });
            if (QTest::currentTestFailed())
                return;
            // The click toggled a check box; put it back for the next style.
            if (b != radio)
                QTRY_COMPARE(b->Checked(), !wasChecked);
        }

        TzynImagePanel *slider = track->Slider();
        checkStates(
            track, slider, slider->rect().center(), QStringLiteral("slider"), true,
            [track] { return track->SliderState() == TzynPictureState::MouseOn; },
            [track] { return track->SliderState() == TzynPictureState::MouseDown; });
        if (QTest::currentTestFailed())
            return;
        TzynImagePanel *thumb = scroll->Track()->Slider();
        checkStates(
            scroll, thumb, thumb->rect().center(), QStringLiteral("thumb"), true,
            [scroll] { return scroll->Track()->SliderState() == TzynPictureState::MouseOn; },
            [scroll] { return scroll->Track()->SliderState() == TzynPictureState::MouseDown; });
        if (QTest::currentTestFailed())
            return;

        TzynTabControlTopPanel *strip = tabs->Strip();
        const int second = strip->LeftMargin() + strip->TabWidth(0) + strip->TabWidth(1) / 2;
        checkStates(tabs, strip, QPoint(second, strip->StripHeight() / 2), QStringLiteral("tab"),
            false, [strip] { return strip->HotTab() == 1; });
        if (QTest::currentTestFailed())
            return;

        checkStates(combo, combo, combo->ButtonRect().center(), QStringLiteral("combo"), false,
            [combo] { return combo->ButtonState() == TzynPictureState::MouseOn; });
    }

    // The control box opens the window menu in the frame's menu style; the keyboard runs it
    // (Escape closes, a letter chooses); Maximise from it shows the restore look on the
    // maximise button, Restore brings the maximise look back.
    void windowMenuFromTheControlBox()
    {
        auto host = std::make_unique<TForm>();
        host->setGeometry(150, 150, 600, 300);
        auto *frame = new TzynForm(host.get());
        frame->setUIStyle(S::DeepBlue);
        TzynTitleBar *bar = frame->TitleBar();
        host->show();
        QVERIFY(QTest::qWaitForWindowExposed(host.get()));
        host->activateWindow();
        TzynTitleBarButton *max = nullptr;
        for (int i = 0; i < bar->Buttons()->Count(); ++i)
            if (bar->Buttons()->Items(i)->ButtonType() == zynMax)
                max = bar->Buttons()->Items(i);
        QVERIFY(max);
        auto normalPicture = [max] {
            return max->PicNormal()->graphic()->toImage().convertToFormat(QImage::Format_RGB32);
        };
        const QImage maxLook = normalPicture();
        QCOMPARE(maxLook, ThemeImage(QStringLiteral("DEEPBLUE_TITLEBTN_MAX_NORMAL")));

        // The control box sits at the left offset, at the buttons' top.
        auto openMenu = [&] {
            const QPoint box
                = bar->mapToGlobal(QPoint(bar->LeftBtnXOffset() + 8, max->Top() + 8));
            QVERIFY(pointerTo(box));
            QVERIFY(xdotool({ QStringLiteral("click"), QStringLiteral("1") }));
            QTRY_VERIFY(bar->WindowMenu()->Popup() && bar->WindowMenu()->Popup()->isVisible());
        };
        openMenu();
        if (QTest::currentTestFailed())
            return;
        TzynWindowMenu *menu = bar->WindowMenu();
        QCOMPARE(menu->UIStyle(), S::DeepBlue);
        QVERIFY(!menu->Item(TzynWindowMenu::Restore)->Enabled());
        QVERIFY(menu->Item(TzynWindowMenu::Maximize)->Enabled());
        QVERIFY(menu->Item(TzynWindowMenu::Size)->Enabled());
        // Drawn by the skinned menu: the highlight is the style's menu colour.
        QVERIFY(xdotool({ QStringLiteral("key"), QStringLiteral("Down") }));
        QTRY_VERIFY(menu->Popup()->activeAction());
        const QImage drawn = menu->Popup()->grab().toImage();
        const QRect row = menu->Popup()->actionGeometry(menu->Popup()->activeAction());
        QCOMPARE(QColor(drawn.pixel(row.center().x(), row.top() + 1)),
            toQColor(GetThemeColor(S::DeepBlue, TzynThemeEntry::MainMenuSelectedColor)));
        save(drawn, QStringLiteral("DeepBlue"), QStringLiteral("window-menu"));
        QVERIFY(xdotool({ QStringLiteral("key"), QStringLiteral("Escape") }));
        QTRY_VERIFY(!menu->Popup()->isVisible());
        QVERIFY(!host->isMaximized());

        openMenu();
        if (QTest::currentTestFailed())
            return;
        QVERIFY(xdotool({ QStringLiteral("key"), QStringLiteral("x") }));
        QTRY_VERIFY(host->isMaximized());
        QTRY_COMPARE(normalPicture(), ThemeImage(QStringLiteral("DEEPBLUE_TITLEBTN_RST_NORMAL")));
        QVERIFY(normalPicture() != maxLook);

        openMenu();
        if (QTest::currentTestFailed())
            return;
        QVERIFY(menu->Item(TzynWindowMenu::Restore)->Enabled());
        QVERIFY(!menu->Item(TzynWindowMenu::Maximize)->Enabled());
        QVERIFY(!menu->Item(TzynWindowMenu::Move)->Enabled());
        QVERIFY(xdotool({ QStringLiteral("key"), QStringLiteral("r") }));
        QTRY_VERIFY(!host->isMaximized());
        QTRY_COMPARE(normalPicture(), maxLook);
    }

    // Maximised by any way (here the program's own call, as the desktop would), the maximise
    // button shows the restore look in every style.
    void maximisedShowsTheRestoreLook_data() { hoverAndPressedLooks_data(); }
    void maximisedShowsTheRestoreLook()
    {
        QFETCH(S, style);
        auto host = std::make_unique<TForm>();
        host->setGeometry(150, 150, 600, 300);
        auto *frame = new TzynForm(host.get());
        frame->setUIStyle(style);
        TzynTitleBar *bar = frame->TitleBar();
        host->show();
        QVERIFY(QTest::qWaitForWindowExposed(host.get()));
        const QImage before = bar->grab().toImage();
        host->showMaximized();
        QTRY_VERIFY(host->isMaximized());
        const QString restore = ThemeStyleName(style) + QStringLiteral("_TITLEBTN_RST_NORMAL");
        TzynTitleBarButton *max = bar->Buttons()->Items(2);
        QCOMPARE(max->ButtonType(), zynMax);
        QTRY_COMPARE(max->PicNormal()->graphic()->toImage().convertToFormat(QImage::Format_RGB32),
            ThemeImage(restore));
        QVERIFY(ThemeImage(restore)
            != ThemeImage(ThemeStyleName(style) + QStringLiteral("_TITLEBTN_MAX_NORMAL")));
        save(bar->grab().toImage().copy(bar->width() - 80, 0, 80, bar->height()),
            QString::fromLatin1(QTest::currentDataTag()), QStringLiteral("restore"));
        Q_UNUSED(before);
    }

    // Resizing the window from its edge keeps the caption active all along.
    void captionStaysActiveDuringResize()
    {
        auto host = std::make_unique<TForm>();
        host->setGeometry(150, 150, 500, 300);
        auto *frame = new TzynForm(host.get());
        frame->setUIStyle(S::DeepBlue);
        TzynTitleBar *bar = frame->TitleBar();
        host->show();
        QVERIFY(QTest::qWaitForWindowExposed(host.get()));
        host->activateWindow();
        QTRY_VERIFY(host->isActiveWindow());
        QTRY_VERIFY(bar->FormActive());
        bool sawInactive = false;
        struct Watch : QObject {
            TzynTitleBar *bar;
            bool *seen;
            bool eventFilter(QObject *, QEvent *e) override
            {
                if (e->type() == QEvent::Paint && !bar->FormActive())
                    *seen = true;
                return false;
            }
        } watch;
        watch.bar = bar;
        watch.seen = &sawInactive;
        bar->installEventFilter(&watch);
        const QRect g = host->geometry();
        // The one-pixel border strip on the right.
        const QPoint from(g.x() + g.width() - 1, g.top() + g.height() / 2);
        QStringList args { QStringLiteral("mousemove"), n(from.x()), n(from.y()),
            QStringLiteral("sleep"), QStringLiteral("0.2"), QStringLiteral("mousedown"),
            QStringLiteral("1"), QStringLiteral("sleep"), QStringLiteral("0.2") };
        for (int i = 1; i <= 8; ++i)
            args << QStringLiteral("mousemove") << n(from.x() + 10 * i) << n(from.y())
                 << QStringLiteral("sleep") << QStringLiteral("0.15");
        args << QStringLiteral("sleep") << QStringLiteral("0.3");
        args << QStringLiteral("mouseup") << QStringLiteral("1") << QStringLiteral("sleep")
             << QStringLiteral("0.3");
        QVERIFY(xdotool(args));
        QTRY_VERIFY(host->width() > 500);
        QVERIFY(pointerTo(host->mapToGlobal(QPoint(200, 150))));
        QTRY_VERIFY(bar->FormActive());
        bar->removeEventFilter(&watch);
        QVERIFY(!sawInactive);
    }
};

QTEST_MAIN(tst_LooksWindow)
#include "tst_looks_window.moc"
