// The form frame on its host: construction, bounds with and without the title bar, sizes
// from a layout, maximise and the first restore, edge zones, painting, propagation, the
// application hook and the error reports.

#include "Exception.h"
#include "TApplication.h"
#include "TForm.h"

#include "ErrorBoxAnswer.h"
#include "PaintCounter.h"
#include "TLayoutLoader.h"
#include "TzynButton.h"
#include "TzynForm.h"
#include "TzynGroupBox.h"
#include "TzynImagePanel.h"
#include "TzynTitleBar.h"
#include "ZYNDraw.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QSignalSpy>
#include <QtTest>

namespace {

const TzynUIStyle kStyles[] = { TzynUIStyle::MacOS, TzynUIStyle::WinXP, TzynUIStyle::DeepBlue,
    TzynUIStyle::Protein, TzynUIStyle::BlueGlass };

} // namespace

class tst_Form : public QObject {
    Q_OBJECT

    std::unique_ptr<TForm> host;

    TzynForm *makeFrame(TForm *form = nullptr)
    {
        host.reset(form ? form : new TForm);
        host->setGeometry(40, 50, 500, 400);
        return new TzynForm(host.get());
    }

private Q_SLOTS:
    void cleanup() { host.reset(); }

    void construction()
    {
        host.reset(new TForm);
        host->setGeometry(40, 50, 500, 400);
        host->setCaption(QStringLiteral("Host caption"));
        auto *frame = new TzynForm(host.get());
        QCOMPARE(frame->UIStyle(), TzynUIStyle::DeepBlue);
        QVERIFY(!frame->UIStyleAutoUpdateSub());
        QCOMPARE(frame->BorderWidth(), 1);
        QCOMPARE(frame->MenuBarHeight(), 22);
        QCOMPARE(frame->SavedNormalBounds(), QRect(40, 50, 500, 400));
        QVERIFY(!frame->StartedMaximized());
        QCOMPARE(frame->SavedBorderStyle(), Fw::bsSizeable);
        QCOMPARE(frame->Caption(), QStringLiteral("Host caption"));
        QCOMPARE(host->windowTitle(), QStringLiteral("Host caption"));
        QVERIFY(host->windowFlags() & Qt::FramelessWindowHint);
        // The constructor's style does not reach the host; its size stays.
        QCOMPARE(host->Constraints()->MinWidth(), 125);
        QCOMPARE(host->Constraints()->MinHeight(), 50);
        QCOMPARE(host->Constraints()->MaxWidth(), GetWorkAreaRect().width());
        QCOMPARE(host->Constraints()->MaxHeight(), GetWorkAreaRect().height());
        QCOMPARE(host->size(), QSize(500, 400));
        // The layout's style does.
        frame->setUIStyle(TzynUIStyle::MacOS);
        QCOMPARE(host->Constraints()->MinWidth(), 130);
        QCOMPARE(frame->BorderColor(), TColor(0x7F7F7F));
        QCOMPARE(frame->Color(), TColor(0xE7E7E7));
        QCOMPARE(frame->MenuBarColor(), TColor(0xE7E7E7));
        // FindFormUIStyle finds the frame through its published properties.
        QCOMPARE(FindFormUIStyle(host.get()), TzynUIStyle::MacOS);
        QCOMPARE(FindFormColor(host.get()), TColor(0xE7E7E7));
    }

    void boundsWithAndWithoutTitleBar()
    {
        TzynForm *frame = makeFrame();
        frame->setUIStyle(TzynUIStyle::MacOS);
        QCOMPARE(frame->geometry(), QRect(1, 0, 498, 399));
        QCOMPARE(frame->TitleBar()->geometry(), QRect(0, 0, 498, 23));
        frame->setTitleBarVisible(false);
        QCOMPARE(frame->geometry(), QRect(1, 1, 498, 398));
        frame->setTitleBarVisible(true);
        QCOMPARE(frame->geometry(), QRect(1, 0, 498, 399));
        frame->setUIStyle(TzynUIStyle::WinXP);
        // A 3-pixel border: Width keeps the frame's width, Height adds the bottom border.
        QCOMPARE(frame->BorderWidth(), 3);
        QCOMPARE(frame->geometry().topLeft(), QPoint(3, 0));
        QCOMPARE(host->width(), frame->width() + 6);
        frame->setHeight(300);
        QCOMPARE(host->height(), 303);
    }

    // Width and Height read back what was written, whatever the border, with the title bar
    // shown or hidden.
    void sizeRoundTripsInEveryStyle()
    {
        TzynForm *frame = makeFrame();
        for (const TzynUIStyle style : kStyles) {
            frame->setUIStyle(style);
            for (const bool titleBar : { true, false }) {
                frame->setTitleBarVisible(titleBar);
                const QString where = QStringLiteral("style %1, title bar %2")
                                          .arg(int(style))
                                          .arg(titleBar ? "shown" : "hidden");
                frame->setWidth(420);
                frame->setHeight(300);
                QVERIFY2(frame->Width() == 420 && frame->Height() == 300, qPrintable(where));
                frame->setHeight(301);
                frame->setWidth(421);
                QVERIFY2(frame->Width() == 421 && frame->Height() == 301, qPrintable(where));
                const int B = frame->BorderWidth();
                QVERIFY2(host->size() == QSize(421 + 2 * B, 301 + (titleBar ? B : 2 * B)),
                    qPrintable(where));
            }
        }
    }

    // Caption, Font, Width and Height are published once, by the framework's control; the
    // frame gives them its meaning also when they are reached through the base.
    void publishedAccessorsThroughTheBase()
    {
        TzynForm *frame = makeFrame();
        TCustomPanel *base = frame;
        base->setCaption(QStringLiteral("Via base"));
        QCOMPARE(frame->TitleBar()->Caption(), QStringLiteral("Via base"));
        QCOMPARE(host->windowTitle(), QStringLiteral("Via base"));
        const QMetaObject &panelMeta = TCustomPanel::staticMetaObject;
        panelMeta.property(panelMeta.indexOfProperty("Caption"))
            .write(frame, QStringLiteral("Via meta"));
        QCOMPARE(frame->TitleBar()->Caption(), QStringLiteral("Via meta"));
        QCOMPARE(base->Font(), frame->TitleBar()->Font());
        base->setWidth(300);
        QCOMPARE(host->width(), 302);
        base->setHeight(200);
        QCOMPARE(host->height(), 201);
        QCOMPARE(frame->size(), QSize(300, 200));
    }

    void sizesFromTheLayout()
    {
        host.reset(new TForm);
        TLayoutLoader loader;
        loader.loadFromText(host.get(), QStringLiteral(R"(object Form1: TForm
  Left = 22
  Top = 71
  Width = 991
  Height = 660
  WindowState = wsMaximized
  object zynForm1: TzynForm
    Left = 1
    Top = 0
    Width = 981
    Height = 632
    UIStyle = MacOS
    BorderWidth = 1
    object Panel1: TPanel
      Left = 8
      Top = 28
      Width = 96
      Height = 73
    end
  end
end)"),
            QStringLiteral("test.layout"));
        auto *frame = host->findChild<TzynForm *>(QStringLiteral("zynForm1"));
        QCOMPARE(host->size(), QSize(983, 633));
        QCOMPARE(frame->geometry(), QRect(1, 0, 981, 632));
        QCOMPARE(frame->SavedNormalBounds(), QRect(22, 71, 991, 660));
        QVERIFY(frame->StartedMaximized());
        QCOMPARE(
            host->findChild<QWidget *>(QStringLiteral("Panel1"))->geometry(), QRect(8, 28, 96, 73));

        // Shown maximised it fills the work area; the first restore returns to the bounds
        // the window had when the frame was made.
        host->Show();
        QVERIFY(QTest::qWaitForWindowExposed(host.get()));
        QTRY_VERIFY(host->isMaximized());
        QTRY_COMPARE(host->geometry(), GetWorkAreaRect());
        QTRY_COMPARE(frame->geometry(), QRect(1, 0, host->width() - 2, host->height() - 1));
        host->showNormal();
        QTRY_COMPARE(host->geometry(), QRect(22, 71, 991, 660));
        QVERIFY(!frame->StartedMaximized());
        QCOMPARE(frame->geometry(), QRect(1, 0, 989, 659));
        // Later restores leave the bounds to the desktop.
        host->showMaximized();
        QTRY_VERIFY(host->isMaximized());
        host->resize(700, 500);
        host->showNormal();
        QTRY_VERIFY(!host->isMaximized());
        QVERIFY(frame->MaximizeCounter() >= 1);
        // Each frame counts for itself.
        TForm other;
        QCOMPARE(TzynForm(&other).MaximizeCounter(), 0);
    }

    void oneFramePerForm()
    {
        TzynForm *first = makeFrame();
        first->setUIStyle(TzynUIStyle::WinXP);
        first->setCaption(QStringLiteral("Kept"));
        const QRect bounds = host->geometry();
        const QSize minimum = host->minimumSize();
        const QSize maximum = host->maximumSize();
        const Qt::WindowFlags flags = host->windowFlags();
        try {
            new TzynForm(host.get());
            QFAIL("a second frame was accepted");
        } catch (const Exception &error) {
            QCOMPARE(error.message(),
                QStringLiteral("Sorry, You can create only one TzynForm component in one form!"));
        }
        QCOMPARE(host->findChildren<TzynForm *>(), QList<TzynForm *>({ first }));
        // The refused frame has changed nothing on the host.
        QCOMPARE(host->geometry(), bounds);
        QCOMPARE(host->minimumSize(), minimum);
        QCOMPARE(host->maximumSize(), maximum);
        QCOMPARE(host->Constraints()->MinWidth(), minimum.width());
        QCOMPARE(host->windowFlags(), flags);
        QCOMPARE(host->Caption(), QStringLiteral("Kept"));
        QCOMPARE(first->Caption(), QStringLiteral("Kept"));
        QCOMPARE(first->UIStyle(), TzynUIStyle::WinXP);
    }

    void notOnAForm()
    {
        QWidget plain;
        auto *frame = new TzynForm(&plain);
        QVERIFY(!frame->HostForm());
        QVERIFY(!(plain.windowFlags() & Qt::FramelessWindowHint));
        frame->setWidth(200);
        QCOMPARE(frame->width(), 200);
    }

    void formPanel()
    {
        TzynForm *frame = makeFrame();
        const QString text = answerErrorBox([&] { frame->setFormPanel(frame); });
        QCOMPARE(
            text, QStringLiteral("Sorry, you can't select the Form assign to FormPanel property"));
        QVERIFY(!frame->FormPanel());
        auto *panel = new TCustomPanel(frame);
        panel->setCaption(QStringLiteral("Panel"));
        frame->setFormPanel(panel);
        QCOMPARE(frame->FormPanel(), panel);
        QCOMPARE(panel->Align(), Fw::alClient);
        QCOMPARE(panel->BevelOuter(), Fw::bvNone);
        QVERIFY(panel->Caption().isEmpty());
        delete panel;
        QVERIFY(!frame->FormPanel());
        auto *image = new TzynImagePanel(frame);
        image->setCaption(QStringLiteral("Image"));
        frame->setFormPanel(image);
        QVERIFY(image->Caption().isEmpty());
    }

    void hostZones_data()
    {
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<int>("edges");
        // Host 500 x 400.
        QTest::newRow("top-left") << QPoint(4, 4) << int(Qt::LeftEdge | Qt::TopEdge);
        QTest::newRow("top-right") << QPoint(496, 0) << int(Qt::RightEdge | Qt::TopEdge);
        QTest::newRow("bottom-right") << QPoint(499, 399) << int(Qt::RightEdge | Qt::BottomEdge);
        QTest::newRow("bottom-left") << QPoint(0, 396) << int(Qt::LeftEdge | Qt::BottomEdge);
        QTest::newRow("left") << QPoint(0, 200) << int(Qt::LeftEdge);
        QTest::newRow("top") << QPoint(200, 0) << int(Qt::TopEdge);
        QTest::newRow("right") << QPoint(499, 200) << int(Qt::RightEdge);
        QTest::newRow("bottom") << QPoint(200, 399) << int(Qt::BottomEdge);
        QTest::newRow("x 495") << QPoint(495, 200) << 0;
        QTest::newRow("inside") << QPoint(200, 200) << 0;
    }

    void hostZones()
    {
        QFETCH(QPoint, pos);
        QFETCH(int, edges);
        TzynForm *frame = makeFrame();
        QCOMPARE(int(frame->HostHitZone(pos)), edges);
    }

    void noZones()
    {
        TzynForm *frame = makeFrame(formWithBorder(Fw::bsDialog));
        QCOMPARE(frame->HostHitZone(QPoint(0, 200)), Qt::Edges());
        frame = makeFrame();
        host->showMaximized();
        QTRY_VERIFY(host->isMaximized());
        QCOMPARE(frame->HostHitZone(QPoint(0, 200)), Qt::Edges());
    }

    void borderResizesByHand()
    {
        TzynForm *frame = makeFrame();
        frame->setUIStyle(TzynUIStyle::MacOS);
        host->show();
        QVERIFY(QTest::qWaitForWindowExposed(host.get()));
        // The right border strip: drag it 60 pixels out, then far in; the minimum holds.
        QTest::mousePress(host.get(), Qt::LeftButton, {}, QPoint(499, 200));
        QTest::mouseMove(host.get(), QPoint(559, 200));
        QTRY_COMPARE(host->width(), 560);
        QTest::mouseMove(host.get(), QPoint(-400, 200));
        QTRY_COMPARE(host->width(), 130);
        QTest::mouseRelease(host.get(), Qt::LeftButton, {}, QPoint(-400, 200));
        QCOMPARE(frame->width(), 128);
        QCOMPARE(host->x(), 40);
    }

    void painting()
    {
        TzynForm *frame = makeFrame();
        frame->setUIStyle(TzynUIStyle::MacOS);
        host->show();
        QVERIFY(QTest::qWaitForWindowExposed(host.get()));
        const QImage window = host->grab().toImage();
        // The border strips on the host, the tiled background on the frame.
        QCOMPARE(window.pixel(0, 200) & 0xFFFFFF, 0x7F7F7Fu);
        QCOMPARE(window.pixel(499, 200) & 0xFFFFFF, 0x7F7F7Fu);
        QCOMPARE(window.pixel(250, 399) & 0xFFFFFF, 0x7F7F7Fu);
        const QImage tile = ThemeImage(QStringLiteral("MACOS_FORM_BACKGROUND"));
        const QImage inside = frame->grab().toImage();
        QCOMPARE(inside.pixel(19, 101) & 0xFFFFFF, tile.pixel(19 % 8, 101 % 8) & 0xFFFFFF);
        frame->setUIStyle(TzynUIStyle::DeepBlue);
        QCOMPARE(frame->grab().toImage().pixel(19, 101) & 0xFFFFFF,
            toQColor(frame->Color()).rgb() & 0xFFFFFF);
    }

    void propagation()
    {
        TzynForm *frame = makeFrame();
        auto *button = new TzynButton(frame);
        button->setUIStyle(TzynUIStyle::BlueGlass);
        frame->setUIStyle(TzynUIStyle::WinXP);
        QCOMPARE(button->UIStyle(), TzynUIStyle::BlueGlass);
        frame->setUIStyleAutoUpdateSub(true);
        frame->setUIStyle(TzynUIStyle::Protein);
        QCOMPARE(button->UIStyle(), TzynUIStyle::Protein);
        // Custom changes nothing but the stored value.
        const TColor border = frame->BorderColor();
        frame->setUIStyle(TzynUIStyle::Custom);
        QCOMPARE(frame->UIStyle(), TzynUIStyle::Custom);
        QCOMPARE(button->UIStyle(), TzynUIStyle::Protein);
        QCOMPARE(frame->BorderColor(), border);
        QCOMPARE(frame->TitleBar()->UIStyle(), TzynUIStyle::Protein);
    }

    // See-through controls paint the frame's background themselves and are opaque to Qt; a
    // new style must still reach the screen under them, on the frame and in a group box. The
    // same style written again repaints nothing.
    void repaintsOnlyForANewStyle()
    {
        TzynForm *frame = makeFrame();
        auto *onFrame = new TzynImagePanel(frame);
        onFrame->setGeometry(10, 40, 100, 30);
        onFrame->setTransparent(true);
        auto *box = new TzynGroupBox(frame);
        box->setGeometry(10, 80, 200, 100);
        box->setTransparent(true);
        auto *inBox = new TzynImagePanel(box);
        inBox->setGeometry(10, 20, 100, 30);
        inBox->setTransparent(true);
        auto *button = new TzynButton(frame);
        button->setGeometry(10, 200, 75, 25);
        frame->setUIStyleAutoUpdateSub(true);
        host->show();
        QVERIFY(QTest::qWaitForWindowExposed(host.get()));
        PaintCounter counter;
        for (QWidget *widget : { static_cast<QWidget *>(onFrame), static_cast<QWidget *>(inBox),
                 static_cast<QWidget *>(button), static_cast<QWidget *>(frame->TitleBar()) })
            counter.watch(widget);
        QVERIFY(flushPaints(host.get()));
        counter.paints.clear();

        for (int i = 0; i < 5; ++i)
            frame->setUIStyle(frame->UIStyle());
        QVERIFY(flushPaints(host.get()));
        QCOMPARE(counter.of(button), 0);
        QCOMPARE(counter.of(onFrame), 0);
        QCOMPARE(counter.of(frame->TitleBar()), 0);

        frame->setUIStyle(TzynUIStyle::Protein);
        QTRY_VERIFY(counter.of(onFrame) > 0);
        QTRY_VERIFY(counter.of(inBox) > 0);
        QTRY_VERIFY(counter.of(button) > 0);
    }

    void activationReachesTheTitleBar()
    {
        TzynForm *frame = makeFrame();
        QEvent deactivate(QEvent::WindowDeactivate);
        QApplication::sendEvent(host.get(), &deactivate);
        QVERIFY(!frame->TitleBar()->FormActive());
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(host.get(), &activate);
        QVERIFY(frame->TitleBar()->FormActive());
    }

    void applicationHook()
    {
        TApplication *app = TApplication::instance();
        QVERIFY(!app->messageHookOwner());
        {
            TzynForm *frame = makeFrame();
            QVERIFY(frame->AppHookTaken());
            QCOMPARE(app->messageHookOwner(), frame);
            host.reset();
        }
        QVERIFY(!app->messageHookOwner());
        // Someone else holds it: the frame leaves it alone.
        QObject other;
        QVERIFY(app->takeMessageHook(&other, [](QObject *, QEvent *) { return false; }));
        TzynForm *frame = makeFrame();
        QVERIFY(!frame->AppHookTaken());
        QCOMPARE(app->messageHookOwner(), &other);
        host.reset();
        app->releaseMessageHook(&other);
    }
};

int main(int argc, char *argv[])
{
    // A desktop as large as the program's design needs (the offscreen default is 800 x 600).
    QTemporaryFile screens;
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen" && screens.open()) {
        screens.write(R"({"screens": [{"name": "desk", "x": 0, "y": 0, "width": 1280,
            "height": 800, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        screens.flush();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    }
    TApplication app(argc, argv);
    TLayoutLoader::registerFrameworkClasses();
    TLayoutLoader::registerClass<TzynForm>(QStringLiteral("TzynForm"));
    tst_Form test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_form.moc"
