// The skinned tool bar: its first style from the form's frame, the theme's colours per style,
// see-through in MacOS over the form's background, and the up and down looks of hot, pressed
// and checked buttons (the framework drawing the plain ones), with the drop-down arrow.

#include "TForm.h"
#include "TImageList.h"
#include "TToolButton.h"
#include "TzynForm.h"
#include "TzynToolBar.h"

#include <QApplication>
#include <QEnterEvent>
#include <QtTest>

namespace {

QRgb rgb(TColor color)
{
    return toQColor(color).rgb();
}

void enter(QWidget *w)
{
    QEnterEvent event(QPointF(2, 2), QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(w, &event);
}

void leave(QWidget *w)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(w, &event);
}

} // namespace

class tst_ToolBar : public QObject {
    Q_OBJECT

    std::unique_ptr<TForm> host;
    TzynForm *frame = nullptr;
    TzynToolBar *bar = nullptr;

    void build(TzynUIStyle style)
    {
        host.reset(new TForm);
        host->setGeometry(0, 0, 400, 200);
        frame = new TzynForm(host.get());
        frame->setUIStyle(style);
        bar = new TzynToolBar(frame);
        bar->setShowCaptions(true);
        bar->setButtonWidth(40);
        host->show();
        QVERIFY(QTest::qWaitForWindowExposed(host.get()));
    }

    TToolButton *add(const QString &caption, Fw::TToolButtonStyle style = Fw::tbsButton)
    {
        auto *button = new TToolButton(bar);
        button->setCaption(caption);
        button->setStyle(style);
        leave(button);
        return button;
    }

    QImage look(const TToolButton *button) { return bar->grab(button->geometry()).toImage(); }

private Q_SLOTS:
    void cleanup() { host.reset(); }

    void takesTheFormsStyleAndTheThemesColours_data()
    {
        QTest::addColumn<TzynUIStyle>("style");
        for (TzynUIStyle style : { TzynUIStyle::MacOS, TzynUIStyle::WinXP, TzynUIStyle::DeepBlue,
                 TzynUIStyle::Protein, TzynUIStyle::BlueGlass })
            QTest::addRow("%s", qPrintable(ThemeStyleName(style))) << style;
    }
    void takesTheFormsStyleAndTheThemesColours()
    {
        QFETCH(TzynUIStyle, style);
        build(style);
        using E = TzynThemeEntry;
        QCOMPARE(bar->UIStyle(), style);
        QVERIFY(bar->Flat());
        QCOMPARE(bar->ButtonBorderColor(), GetThemeColor(style, E::ToolBarButtonBorderColor));
        QCOMPARE(bar->ButtonColor(), GetThemeColor(style, E::ToolBarButtonColor));
        QCOMPARE(bar->ButtonDownColor(), GetThemeColor(style, E::ToolBarButtonDownColor));
        QCOMPARE(bar->Color(), GetThemeColor(style, E::ToolBarColor));
        QCOMPARE(bar->Transparent(), style == TzynUIStyle::MacOS);
        QCOMPARE(bar->EdgeBorders(), Fw::TEdgeBorders());
    }

    void customKeepsItsColours()
    {
        TForm bare;
        TzynToolBar plain(&bare);
        // No frame: DeepBlue.
        QCOMPARE(plain.UIStyle(), TzynUIStyle::DeepBlue);
        plain.setButtonColor(0x0000FF);
        plain.setUIStyle(TzynUIStyle::Custom);
        QCOMPARE(plain.ButtonColor(), TColor(0x0000FF));
        QCOMPARE(plain.UIStyle(), TzynUIStyle::Custom);
    }

    void macBarShowsTheFormsBackground()
    {
        build(TzynUIStyle::MacOS);
        add(QStringLiteral("One"));
        const QPoint gap(bar->width() - 5, bar->height() / 2);
        const QImage withBar = frame->grab().toImage();
        bar->hide();
        const QImage without = frame->grab().toImage();
        QCOMPARE(withBar.pixel(bar->pos() + gap), without.pixel(bar->pos() + gap));
        // Another style fills with its tool bar colour.
        frame->setUIStyle(TzynUIStyle::WinXP);
        bar->setUIStyle(TzynUIStyle::WinXP);
        bar->show();
        QCOMPARE(bar->grab().toImage().pixel(gap), rgb(bar->Color()));
    }

    void plainButtonsKeepTheFrameworksDrawing()
    {
        build(TzynUIStyle::DeepBlue);
        TToolButton *button = add(QStringLiteral("One"));
        const QImage plain = look(button);
        QCOMPARE(plain.pixel(0, 0), rgb(bar->Color()));
        QCOMPARE(plain.pixel(2, 2), rgb(bar->Color()));
    }

    void checkedButtonShowsTheUpLook()
    {
        build(TzynUIStyle::DeepBlue);
        TToolButton *button = add(QStringLiteral("One"), Fw::tbsCheck);
        button->setDown(true);
        const QImage checked = look(button);
        QCOMPARE(checked.pixel(0, 0), rgb(bar->ButtonBorderColor()));
        QCOMPARE(checked.pixel(39, 21), rgb(bar->ButtonBorderColor()));
        QCOMPARE(checked.pixel(2, 2), rgb(bar->ButtonColor()));
        QVERIFY(bar->ButtonColor() != bar->ButtonDownColor());
    }

    void hotThenPressedThenReleased()
    {
        build(TzynUIStyle::WinXP);
        TToolButton *button = add(QStringLiteral("One"));
        QSignalSpy clicks(button, &TToolButton::OnClick);
        enter(button);
        QCOMPARE(look(button).pixel(2, 2), rgb(bar->ButtonColor()));
        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(look(button).pixel(2, 2), rgb(bar->ButtonDownColor()));
        QCOMPARE(look(button).pixel(0, 0), rgb(bar->ButtonBorderColor()));
        // Held down and moved off, the button lets go as the desktop's do; back on, it is
        // down again.
        QTest::mouseMove(button, QPoint(60, 10));
        QTRY_VERIFY(!button->IsHot());
        QCOMPARE(look(button).pixel(2, 2), rgb(bar->Color()));
        QTest::mouseMove(button, QPoint(10, 10));
        QTRY_VERIFY(button->IsHot());
        QCOMPARE(look(button).pixel(2, 2), rgb(bar->ButtonDownColor()));
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(look(button).pixel(2, 2), rgb(bar->ButtonColor()));
        leave(button);
        QCOMPARE(look(button).pixel(2, 2), rgb(bar->Color()));
    }

    void hotDropDownButtonShowsItsArrow()
    {
        build(TzynUIStyle::DeepBlue);
        TToolButton *button = add(QStringLiteral("One"), Fw::tbsDropDown);
        enter(button);
        const QImage hot = look(button);
        const int right = button->width(), m = button->height() / 2;
        QCOMPARE(hot.pixel(right - 9, m), 0xFF000000);
        QCOMPARE(hot.pixel(right - 5, m), 0xFF000000);
        QCOMPARE(hot.pixel(right - 4, m), rgb(bar->ButtonColor()));
        QCOMPARE(hot.pixel(right - 7, m + 2), 0xFF000000);
        QCOMPARE(hot.pixel(right - 8, m + 2), rgb(bar->ButtonColor()));
        QCOMPARE(hot.pixel(right - 14, 3), 0xFF000000);
        QCOMPARE(hot.pixel(right - 13, 3), rgb(bar->ButtonColor()));
    }

    void imagesComeFromHotImagesInTheLooks()
    {
        build(TzynUIStyle::DeepBlue);
        TImageList images, hotImages;
        QImage red(16, 16, QImage::Format_ARGB32), blue(16, 16, QImage::Format_ARGB32);
        red.fill(Qt::red);
        blue.fill(Qt::blue);
        images.Add(red);
        hotImages.Add(blue);
        bar->setImages(&images);
        bar->setHotImages(&hotImages);
        TToolButton *button = add(QStringLiteral("One"), Fw::tbsCheck);
        button->setImageIndex(0);
        button->setDown(true);
        // Up look: the image centred at y = 2; the caption under it.
        QImage up = look(button);
        QCOMPARE(up.pixel(12, 2), 0xFF0000FF);
        QCOMPARE(up.pixel(12, 1), rgb(bar->ButtonColor()));
        // Down look: one pixel lower.
        enter(button);
        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
        QImage down = look(button);
        QCOMPARE(down.pixel(12, 2), rgb(bar->ButtonDownColor()));
        QCOMPARE(down.pixel(12, 3), 0xFF0000FF);
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(10, 10));
    }
};

QTEST_MAIN(tst_ToolBar)
#include "tst_toolbar.moc"
