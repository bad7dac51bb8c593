// Hover and pressed looks under the real pointer (xdotool under Xvfb with a window manager):
// in every built-in style a check box, a radio button, a track bar's slider, a scroll bar's
// thumb, an inactive tab and the combo box's button change their pixels when the pointer comes
// over them, and the check box, radio button and thumbs again while the button is held.
// With LOOKS_EVIDENCE_DIR set, the normal, hover and pressed pictures are saved there.

#include "RealPointer.h"
#include "TForm.h"
#include "TzynCheckBox.h"
#include "TzynComboBox.h"
#include "TzynImagePanel.h"

#include "TzynRadioButton.h"
#include "TzynScrollBar.h"
#include "TzynScrollTrackBar.h"
#include "TzynTabControl.h"
#include "TzynTabControlTopPanel.h"
#include "TzynTrackBar.h"

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
};

QTEST_MAIN(tst_LooksWindow)
#include "tst_looks_window.moc"
