// The title bar on its frame: section and button geometry, hover and pressed pictures, the
// buttons' actions, double-click, caption fitting, the top-edge zone, the collections'
// rules and the pictures stored in a layout.

#include "TBitmap.h"
#include "TForm.h"
#include "TPictureTwin.h"

#include "ErrorBoxAnswer.h"
#include "PaintCounter.h"
#include "TLayoutLoader.h"
#include "TMainMenu.h"
#include "TMenuItem.h"
#include "TzynForm.h"
#include "TzynTitleBar.h"
#include "TzynTitleBarButton.h"
#include "TzynTitleBarSection.h"
#include "ZYNDraw.h"

#include <QAbstractButton>
#include <QMenu>
#include <QMessageBox>
#include <QSignalSpy>
#include <QtTest>

namespace {

QImage solid(QRgb color, int w = 17, int h = 17)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

void setPicture(TPicture *picture, const QImage &image)
{
    picture->setGraphic(std::make_unique<TBitmap>(image));
}

// Whether the bar shows the image at that place, pixel for pixel; rows of a cap that the
// buttons and the caption cover can be left out (only rows above `rows` are compared).
bool shows(const QImage &bar, const QImage &image, const QPoint &at, int rows = -1)
{
    const QImage want = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < (rows < 0 ? want.height() : rows); ++y)
        for (int x = 0; x < want.width(); ++x)
            if ((bar.pixel(at.x() + x, at.y() + y) & 0xFFFFFF) != (want.pixel(x, y) & 0xFFFFFF))
                return false;
    return true;
}

// A mouse move without buttons, straight to the widget (the offscreen platform's cursor
// sends no moves of its own).
void hover(QWidget *widget, const QPoint &pos)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(pos), QPointF(widget->mapToGlobal(pos)),
        Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

} // namespace

// Whether the action shows a modal box (answered if it does). The probe lives no longer than
// the call, so a box that never came leaves nothing behind for the next one.
static bool showsABox(const std::function<void()> &action)
{
    bool shown = false;
    QTimer probe;
    probe.setSingleShot(true);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shown = true;
            box->button(QMessageBox::Ok)->click();
        }
    });
    probe.start(0);
    action();
    return shown;
}

class tst_TitleBar : public QObject {
    Q_OBJECT

    std::unique_ptr<TForm> host;
    TzynForm *frame = nullptr;
    TzynTitleBar *bar = nullptr;

    void makeFrame(int clientWidth, TForm *form = nullptr)
    {
        host.reset(form ? form : new TForm);
        host->setGeometry(100, 100, clientWidth, 300);
        frame = new TzynForm(host.get());
        frame->setUIStyle(TzynUIStyle::MacOS);
        bar = frame->TitleBar();
    }
    QImage barImage() const { return bar->grab().toImage(); }

private Q_SLOTS:
    void cleanup()
    {
        host.reset();
        frame = nullptr;
        bar = nullptr;
    }

    void macOSBar()
    {
        makeFrame(600);
        QCOMPARE(bar->height(), 23);
        QCOMPARE(bar->geometry(), QRect(0, 0, 598, 23));
        QCOMPARE(bar->Sections()->Count(), 3);
        QCOMPARE(bar->Buttons()->Count(), 4);
        const TzynTitleBarBtnType types[] = { zynControlBox, zynClose, zynMax, zynMin };
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(bar->Buttons()->Items(i)->ButtonType(), types[i]);
            QCOMPARE(bar->Buttons()->Items(i)->Top(), 4);
            QVERIFY(!bar->Buttons()->Items(i)->Transparent());
        }
        QCOMPARE(bar->LeftBtnXOffset(), 3);
        QCOMPARE(bar->RightBtnXOffset(), -2);
        QCOMPARE(host->Constraints()->MinWidth(), 130);
    }

    void geometry_data()
    {
        QTest::addColumn<int>("width");
        QTest::newRow("300") << 300;
        QTest::newRow("600") << 600;
        QTest::newRow("790") << 790;
    }

    void geometry()
    {
        QFETCH(int, width);
        makeFrame(width);
        const int W = bar->width();
        QCOMPARE(W, width - 2);
        const QImage image = barImage();
        QVERIFY(shows(image, ThemeImage(QStringLiteral("MACOS_TITLE_LEFT")), QPoint(0, 0), 4));
        QVERIFY(
            shows(image, ThemeImage(QStringLiteral("MACOS_TITLE_RIGHT")), QPoint(W - 48, 0), 4));
        QVERIFY(shows(
            image, ThemeImage(QStringLiteral("MACOS_TITLEBTN_CLOSE_NORMAL")), QPoint(W - 19, 4)));
        QVERIFY(shows(
            image, ThemeImage(QStringLiteral("MACOS_TITLEBTN_MAX_NORMAL")), QPoint(W - 37, 4)));
        QVERIFY(shows(
            image, ThemeImage(QStringLiteral("MACOS_TITLEBTN_MIN_NORMAL")), QPoint(W - 55, 4)));
        QVERIFY(
            shows(image, ThemeImage(QStringLiteral("MACOS_TITLEBTN_CTLBOX_NORMAL")), QPoint(3, 4)));
        // The middle is the client picture stretched over 48 .. W - 49.
        const QImage client = ThemeImage(QStringLiteral("MACOS_TITLE_CLIENT"));
        QCOMPARE(image.pixel(W / 2, 1) & 0xFFFFFF, client.pixel(client.width() / 2, 1) & 0xFFFFFF);

        // Hit rectangles include their right and bottom edges.
        struct Probe {
            int x, y, hot;
        };
        const Probe probes[] = { { W - 19, 4, 1 }, { W - 2, 21, 1 }, { W - 20, 10, 2 },
            { W - 37, 4, 2 }, { W - 55, 4, 3 }, { W - 56, 10, -1 }, { 3, 4, 0 }, { 20, 21, 0 },
            { 21, 10, -1 }, { W - 10, 22, -1 }, { 200 < W - 60 ? 200 : 30, 10, -1 } };
        for (const Probe &p : probes) {
            hover(bar, QPoint(p.x, p.y));
            QCOMPARE(bar->HotButtonIndex(), p.hot);
        }
    }

    void captionPlaceAndColour()
    {
        makeFrame(600);
        bar->setCaption(QStringLiteral("Hello"));
        bar->Font()->setName(QStringLiteral("DejaVu Sans"));
        // Without a control box and with offset 0 the caption starts at x 6.
        QImage with = barImage();
        bar->Buttons()->Items(0)->setVisible(false);
        bar->setLeftBtnXOffset(0);
        QImage without = barImage();
        auto firstDark = [](const QImage &image, int from) {
            for (int x = from; x < image.width(); ++x)
                for (int y = 0; y < image.height(); ++y)
                    if (qGray(image.pixel(x, y)) < 60)
                        return x;
            return -1;
        };
        QVERIFY(firstDark(with, 21) >= 25);
        QVERIFY(firstDark(with, 21) < 30);
        QVERIFY(firstDark(without, 0) >= 6);
        QVERIFY(firstDark(without, 0) < 10);
        // Inactive: the inactive-caption colour, not black.
        bar->setFormActive(false);
        QCOMPARE(firstDark(barImage(), 0), -1);
    }

    void fittedCaption_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("room");
        QTest::addColumn<QString>("shown");
        QTest::newRow("fits") << QStringLiteral("Short") << 500 << QStringLiteral("Short");
        QTest::newRow("chinese") << QStringLiteral("会计从业资格考试") << 20
                                 << QStringLiteral("会...");
        QTest::newRow("ascii") << QStringLiteral("ABCDEFGHIJ") << 20 << QStringLiteral("AB...");
        QTest::newRow("mixed") << QStringLiteral("A会计从业") << 20 << QStringLiteral("A...");
        QTest::newRow("empty") << QString() << 0 << QString();
    }

    void fittedCaption()
    {
        QFETCH(QString, caption);
        QFETCH(int, room);
        QFETCH(QString, shown);
        makeFrame(600);
        bar->setCaption(caption);
        QCOMPARE(bar->FittedCaption(room), shown);
    }

    void hoverAndPressedPictures()
    {
        makeFrame(600);
        TzynTitleBarButton *close = bar->Buttons()->Items(1);
        close->setUIStyle(TzynUIStyle::Custom);
        setPicture(close->PicNormal(), solid(qRgb(200, 0, 0)));
        setPicture(close->PicMouseOn(), solid(qRgb(0, 200, 0)));
        setPicture(close->PicMouseDown(), solid(qRgb(0, 0, 200)));
        const int W = bar->width();
        const QPoint at(W - 19, 4);
        host->show();
        QVERIFY(QTest::qWaitForWindowExposed(host.get()));
        QVERIFY(shows(barImage(), solid(qRgb(200, 0, 0)), at));
        hover(bar, at + QPoint(8, 8));
        QVERIFY(shows(barImage(), solid(qRgb(0, 200, 0)), at));
        // Pressed: the mouse-down picture, until the release.
        QTest::mousePress(bar, Qt::LeftButton, {}, at + QPoint(8, 8));
        QVERIFY(bar->MouseIsDown());
        QVERIFY(shows(barImage(), solid(qRgb(0, 0, 200)), at));
        // Moving off the button before the release does nothing.
        QTest::mouseMove(bar, QPoint(200, 10));
        QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(200, 10));
        QVERIFY(!bar->MouseIsDown());
        QVERIFY(host->isVisible());
        QVERIFY(shows(barImage(), solid(qRgb(200, 0, 0)), at));
        // Leaving the bar clears the hover.
        hover(bar, at + QPoint(8, 8));
        QCOMPARE(bar->HotButtonIndex(), 1);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(bar, &leave);
        QCOMPARE(bar->HotButtonIndex(), -1);
    }

    // The bar repaints only when what it shows changes: the mouse moving over the caption or
    // within one button shows nothing new; onto a button, off it and a press on it do.
    void hoverRepaintsOnlyForAChange()
    {
        makeFrame(600);
        host->show();
        QVERIFY(QTest::qWaitForWindowExposed(host.get()));
        PaintCounter counter;
        counter.watch(bar);
        QVERIFY(flushPaints(host.get()));
        counter.paints.clear();
        const QPoint close(bar->width() - 19, 4);

        for (int i = 0; i < 20; ++i)
            hover(bar, QPoint(100 + 7 * i, 8 + i % 5));
        QVERIFY(flushPaints(host.get()));
        QCOMPARE(counter.of(bar), 0);

        hover(bar, close + QPoint(2, 2));
        QTRY_VERIFY(counter.of(bar) > 0);
        QVERIFY(flushPaints(host.get()));
        counter.paints.clear();
        hover(bar, close + QPoint(12, 12));
        QVERIFY(flushPaints(host.get()));
        QCOMPARE(counter.of(bar), 0);
        QCOMPARE(bar->HotButtonIndex(), 1);

        QTest::mousePress(bar, Qt::LeftButton, {}, close + QPoint(12, 12));
        QTRY_VERIFY(counter.of(bar) > 0);
        QTest::mouseMove(bar, QPoint(150, 10));
        QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(150, 10));
        QVERIFY(flushPaints(host.get()));
        counter.paints.clear();
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(bar, &leave);
        QVERIFY(flushPaints(host.get()));
        QCOMPARE(counter.of(bar), 0);
    }

    void transparentButtonKeysOnBottomLeft()
    {
        makeFrame(600);
        TzynTitleBarButton *close = bar->Buttons()->Items(1);
        close->setUIStyle(TzynUIStyle::Custom);
        QImage picture = solid(qRgb(255, 0, 255));
        picture.setPixel(8, 8, qRgb(10, 20, 30));
        setPicture(close->PicNormal(), picture);
        close->setTransparent(true);
        const QImage image = barImage();
        const int W = bar->width();
        QCOMPARE(image.pixel(W - 19 + 8, 4 + 8) & 0xFFFFFF, 0x0A141Eu);
        QVERIFY((image.pixel(W - 19 + 1, 4 + 1) & 0xFFFFFF) != 0xFF00FFu);
    }

    void buttonActions()
    {
        makeFrame(600);
        host->show();
        QVERIFY(QTest::qWaitForWindowExposed(host.get()));
        const int W = bar->width();
        auto click = [&](int x) { QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(x + 8, 12)); };
        // Maximise into the work area, then back.
        click(W - 37);
        QTRY_VERIFY(host->isMaximized());
        QTRY_COMPARE(host->geometry(), GetWorkAreaRect());
        QCOMPARE(host->Constraints()->MaxWidth(), GetWorkAreaRect().width());
        click(bar->width() - 37);
        QTRY_VERIFY(!host->isMaximized());
        // The control box opens its menu under the bar.
        QMenu menu;
        menu.addAction(QStringLiteral("Item"));
        bar->Buttons()->Items(0)->setControlBoxMenu(&menu);
        click(3);
        QTRY_VERIFY(menu.isVisible());
        QCOMPARE(menu.pos(), bar->mapToGlobal(QPoint(0, bar->height())));
        menu.hide();
        // Minimise, then close.
        click(bar->width() - 55);
        QTRY_VERIFY(host->isMinimized());
        host->showNormal();
        QTRY_VERIFY(!host->isMinimized());
        click(bar->width() - 19);
        QTRY_VERIFY(!host->isVisible());
    }

    void helpAndCustomEvents()
    {
        makeFrame(600);
        TzynTitleBarButton *help = bar->Buttons()->Add();
        help->setButtonType(zynHelp);
        TzynTitleBarButton *custom = bar->Buttons()->Add();
        custom->setButtonType(zynCustom);
        setPicture(custom->PicNormal(), solid(qRgb(1, 2, 3)));
        QSignalSpy helpSpy(frame, &TzynForm::OnTitleBarHelpBtnClick);
        QSignalSpy customSpy(frame, &TzynForm::OnTitleBarCustomBtnsClick);
        const int W = bar->width();
        // Help sits left of minimise, custom left of help.
        const int helpX = W - 55 - 18, customX = helpX - 18;
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(helpX + 8, 12));
        QCOMPARE(helpSpy.count(), 1);
        QCOMPARE(helpSpy.at(0).at(0).value<QObject *>(), bar);
        QCOMPARE(helpSpy.at(0).at(1).toInt(), 4);
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(customX + 8, 12));
        QCOMPARE(customSpy.count(), 1);
        QCOMPARE(customSpy.at(0).at(1).toInt(), 5);
        QCOMPARE(helpSpy.count(), 1);
    }

    void doubleClick()
    {
        makeFrame(600);
        host->show();
        QVERIFY(QTest::qWaitForWindowExposed(host.get()));
        QSignalSpy dbl(bar, &TControl::OnDblClick);
        // Toggles even with the maximise button hidden.
        bar->Buttons()->Items(2)->setVisible(false);
        QTest::mouseDClick(bar, Qt::LeftButton, {}, QPoint(200, 12));
        QTRY_VERIFY(host->isMaximized());
        QCOMPARE(dbl.count(), 1);
        QTest::mouseDClick(bar, Qt::LeftButton, {}, QPoint(200, 12));
        QTRY_VERIFY(!host->isMaximized());
        // Without a maximise button nothing happens (a maximise would be at once).
        bar->Buttons()->Delete(2);
        QTest::mouseDClick(bar, Qt::LeftButton, {}, QPoint(200, 12));
        QVERIFY(!host->isMaximized());
        QCOMPARE(dbl.count(), 3);
    }

    void pressWhileMaximisedDoesNotMove()
    {
        makeFrame(600);
        host->showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(host.get()));
        QTRY_VERIFY(host->isMaximized());
        const QPoint before = host->pos();
        QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(200, 12));
        QTest::mouseMove(bar, QPoint(260, 60));
        QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(260, 60));
        QCOMPARE(host->pos(), before);
        QCOMPARE(bar->HitZone(QPoint(200, 1)), Qt::Edges());
    }

    void dragMovesByHandWithoutWindowManager()
    {
        makeFrame(600);
        host->show();
        QVERIFY(QTest::qWaitForWindowExposed(host.get()));
        const QPoint before = host->pos();
        QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(200, 12));
        QTest::mouseMove(bar, QPoint(250, 42));
        QCOMPARE(host->pos(), before + QPoint(50, 30));
        // The bar has moved with the window: the same place on the desktop is now (200, 12).
        QTest::mouseMove(bar, QPoint(210, 12));
        QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(210, 12));
        QTRY_COMPARE(host->pos(), before + QPoint(60, 30));
        QVERIFY(!bar->MouseIsDown());
    }

    void topEdgeZone_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("edges");
        // Host client width 600: the bar is 598 wide, so its top-right zone is bar x 596 and
        // 597 only (compared with the host's width).
        const int top = Qt::TopEdge;
        QTest::newRow("top") << 300 << 0 << top;
        QTest::newRow("row 4") << 300 << 4 << top;
        QTest::newRow("row 5") << 300 << 5 << 0;
        QTest::newRow("top-left") << 4 << 2 << int(Qt::TopEdge | Qt::LeftEdge);
        QTest::newRow("x 5") << 5 << 2 << top;
        QTest::newRow("top-right 596") << 596 << 2 << int(Qt::TopEdge | Qt::RightEdge);
        QTest::newRow("top-right 597") << 597 << 2 << int(Qt::TopEdge | Qt::RightEdge);
        QTest::newRow("595") << 595 << 2 << top;
    }

    void topEdgeZone()
    {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, edges);
        makeFrame(600);
        QCOMPARE(int(bar->HitZone(QPoint(x, y))), edges);
    }

    void noZoneForFixedBorder()
    {
        makeFrame(600, formWithBorder(Fw::bsSingle));
        QCOMPARE(frame->SavedBorderStyle(), Fw::bsSingle);
        QCOMPARE(bar->HitZone(QPoint(300, 0)), Qt::Edges());
        // The host itself lost its border style.
        QCOMPARE(host->property("BorderStyle").value<Fw::TBorderStyle>(), Fw::bsNone);
    }

    void topEdgeResizesByHand()
    {
        makeFrame(600);
        host->show();
        QVERIFY(QTest::qWaitForWindowExposed(host.get()));
        const QRect before = host->geometry();
        QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(300, 1));
        QTest::mouseMove(bar, QPoint(300, -39));
        QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(300, -39));
        QTRY_COMPARE(host->geometry(), before.adjusted(0, -40, 0, 0));
    }

    void customStyleRemovesSections()
    {
        makeFrame(600);
        bar->setUIStyle(TzynUIStyle::Custom);
        QCOMPARE(bar->Sections()->Count(), 0);
        bar->setAutoSize(true);
        QVERIFY(!bar->AutoSize());
        // Buttons keep their pictures.
        QCOMPARE(bar->Buttons()->Items(1)->PicNormal()->width(), 17);
    }

    void sectionRules()
    {
        makeFrame(600);
        TzynTitleBarSections *sections = bar->Sections();
        sections->Clear();
        TzynTitleBarSection *left = sections->Add();
        setPicture(left->Picture(), solid(qRgb(255, 0, 0), 400, 23));
        left->setAutoSize(true);
        QCOMPARE(left->Width(), 400);
        TzynTitleBarSection *right = sections->Add();
        setPicture(right->Picture(), solid(qRgb(0, 0, 255), 300, 23));
        right->setAutoSize(true);
        right->setAlign(zynRight);
        // No room for the right section after the left one: it is not drawn.
        QImage image = barImage();
        QVERIFY((image.pixel(590, 1) & 0xFFFFFF) != 0x0000FFu);
        QCOMPARE(image.pixel(10, 1) & 0xFFFFFF, 0xFF0000u);
        left->setWidth(100);
        image = barImage();
        QCOMPARE(image.pixel(590, 1) & 0xFFFFFF, 0x0000FFu);

        // One client section only; a client section is always stretched.
        TzynTitleBarSection *client = sections->Add();
        client->setAlign(zynClient);
        QVERIFY(client->Stretch());
        client->setStretch(false);
        QVERIFY(client->Stretch());
        const QString text = answerErrorBox([&] { right->setAlign(zynClient); });
        QCOMPARE(
            text, QStringLiteral("Sorry, only one section's Align property can be \"zynClient\""));
        QCOMPARE(right->Align(), zynRight);
        // Writing the value a section already has is no conflict.
        QVERIFY(!showsABox([&] { client->setAlign(zynClient); }));
        QCOMPARE(client->Align(), zynClient);
    }

    void oneControlBox()
    {
        makeFrame(600);
        TzynTitleBarButton *close = bar->Buttons()->Items(1);
        const QString text = answerErrorBox([&] { close->setButtonType(zynControlBox); });
        QCOMPARE(text,
            QStringLiteral(
                "Sorry, only one button's ButtonType property can be \"zynControlBox\""));
        QCOMPARE(close->ButtonType(), zynClose);
        // Writing the value a button already has is no conflict.
        TzynTitleBarButton *box = nullptr;
        for (int i = 0; i < bar->Buttons()->Count(); ++i) {
            if (bar->Buttons()->Items(i)->ButtonType() == zynControlBox)
                box = bar->Buttons()->Items(i);
        }
        QVERIFY(box);
        QVERIFY(!showsABox([&] { box->setButtonType(zynControlBox); }));
        QCOMPARE(box->ButtonType(), zynControlBox);
    }

    // A load that nobody watches fails with the report at its line instead of waiting on the
    // box, and a value written twice in a layout is no conflict.
    void misuseInALayoutFailsTheLoadAtItsLine()
    {
        auto layout = [](const QString &sections) {
            return QStringLiteral("object Form1: TForm\n  object zynForm1: TzynForm\n"
                                  "    TitleBarSections = <\n%1>\n  end\nend\n")
                .arg(sections);
        };
        host.reset(new TForm);
        TLayoutLoader().loadFromText(host.get(),
            layout(QStringLiteral("      item\n        Align = zynClient\n"
                                  "        Align = zynClient\n      end\n")),
            QStringLiteral("twice.layout"));
        host.reset(new TForm);
        try {
            TLayoutLoader().loadFromText(host.get(),
                layout(QStringLiteral("      item\n        Align = zynClient\n      end\n"
                                      "      item\n        Align = zynClient\n      end\n")),
                QStringLiteral("two.layout"));
            QFAIL("accepted");
        } catch (const ELayoutError &error) {
            QCOMPARE(error.message(),
                QStringLiteral("two.layout:8: zynForm1.TitleBarSections.item.Align: Sorry, only "
                               "one section's Align property can be \"zynClient\""));
        }
    }

    void restorePicturesInWinXP()
    {
        makeFrame(600);
        frame->setUIStyle(TzynUIStyle::WinXP);
        host->show();
        QVERIFY(QTest::qWaitForWindowExposed(host.get()));
        TzynTitleBarButton *max = bar->Buttons()->Items(2);
        const QImage maxPicture = ThemeImage(QStringLiteral("WINXP_TITLEBTN_MAX_NORMAL"));
        const QImage restorePicture = ThemeImage(QStringLiteral("WINXP_TITLEBTN_RST_NORMAL"));
        QCOMPARE(max->PicNormal()->graphic()->toImage().convertToFormat(QImage::Format_RGB32),
            maxPicture);
        max->PerformAction();
        QTRY_VERIFY(host->isMaximized());
        QCOMPARE(max->PicNormal()->graphic()->toImage().convertToFormat(QImage::Format_RGB32),
            restorePicture);
        max->PerformAction();
        QTRY_VERIFY(!host->isMaximized());
        QCOMPARE(max->PicNormal()->graphic()->toImage().convertToFormat(QImage::Format_RGB32),
            maxPicture);
    }

    // Coming from a lower bar (MacOS, 23 high) to WinXP (29), the bar grows and the menu bar
    // under it moves down with it: each WinXP button shows whole, its bottom edge included,
    // in the frame as drawn (a sibling left in the old place would cover the bar's last rows).
    void winXPButtonsShowWholeAfterALowerBar()
    {
        makeFrame(600);
        auto *menu = new TMainMenu(host.get());
        auto *file = new TMenuItem;
        file->setCaption(QStringLiteral("&File"));
        menu->Items()->Add(file);
        frame->setMenu(menu);
        frame->setUIStyle(TzynUIStyle::WinXP);
        frame->resize(frame->size());
        QApplication::processEvents();
        QCOMPARE(bar->height(), 29);
        QVERIFY(frame->MenuBar()->mapTo(frame, QPoint(0, 0)).y() >= bar->geometry().bottom() + 1);
        const QImage image = frame->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const qreal r = image.devicePixelRatio();
        int checked = 0;
        for (const auto &place : bar->ButtonLayout(bar->width()).buttons) {
            const TzynTitleBarButton *button = bar->Buttons()->Items(place.index);
            QVERIFY(!button->Transparent());
            const QImage picture = GraphicImage(*button->PicNormal()->graphic());
            const QImage shown = TPictureTwin::of(picture).isNull() || r == 1
                ? picture
                : TPictureTwin::of(picture);
            const QPoint at = bar->mapTo(frame, place.rect.topLeft()) * r;
            // The picture's bottom rows, in the device's pixels.
            const int rows = qRound(r);
            for (int y = shown.height() - rows; y < shown.height(); ++y)
                for (int x = 0; x < shown.width(); ++x)
                    QCOMPARE(image.pixel(at.x() + x, at.y() + y), shown.pixel(x, y) | 0xFF000000);
            ++checked;
        }
        QCOMPARE(checked, 4);
    }

    void roundCornerRegion()
    {
        const QRegion region = TzynTitleBar::RoundedRegion(QRect(0, 0, 100, 50), 13);
        QVERIFY(!region.contains(QPoint(0, 0)));
        QVERIFY(!region.contains(QPoint(99, 0)));
        QVERIFY(region.contains(QPoint(50, 0)));
        QVERIFY(region.contains(QPoint(0, 10)));
        // The bottom corners stay square.
        QVERIFY(region.contains(QPoint(0, 49)));
        QVERIFY(region.contains(QPoint(99, 49)));
        QCOMPARE(TzynTitleBar::RoundedRegion(QRect(0, 0, 100, 50), 0), QRegion(0, 0, 100, 50));

        makeFrame(600);
        frame->setUIStyle(TzynUIStyle::WinXP);
        QCOMPARE(bar->RoundCorner(), 13);
        QVERIFY(!host->mask().isEmpty());
        QVERIFY(!host->mask().contains(QPoint(0, 0)));
        frame->setRoundCorner(0);
        QVERIFY(host->mask().isEmpty());
    }

    void layoutPicturesWinOverTheStyle()
    {
        host.reset(new TForm);
        TLayoutLoader loader;
        loader.loadFromText(host.get(), QStringLiteral(R"(object Form1: TForm
  Width = 400
  Height = 300
  object zynForm1: TzynForm
    UIStyle = MacOS
    TitleBarButtons = <
      item
        ButtonType = zynClose
        UIStyle = MacOS
        PicNormal = TBitmap 'themes/MACOS_TITLEBTN_CLOSE_NORMAL.bmp'
        PicMouseOn = TBitmap 'themes/MACOS_TITLEBTN_CLOSE_MOUSEON.bmp'
        PicMouseDown = TBitmap 'themes/MACOS_TITLEBTN_CLOSE_MOUSEON.bmp'
      end>
    TitleBarSections = <
      item
        Width = 10
        Align = zynClient
        Picture = TBitmap 'themes/WINXP_TITLE_CLIENT.bmp'
      end>
  end
end)"),
            QStringLiteral("test.layout"));
        frame = host->findChild<TzynForm *>(QStringLiteral("zynForm1"));
        QVERIFY(frame);
        bar = frame->TitleBar();
        // The stored collections replace what the style made.
        QCOMPARE(bar->Buttons()->Count(), 1);
        QCOMPARE(bar->Sections()->Count(), 1);
        QVERIFY(bar->Sections()->Items(0)->Stretch());
        const QImage mouseOn = ThemeImage(QStringLiteral("MACOS_TITLEBTN_CLOSE_MOUSEON"));
        QCOMPARE(bar->Buttons()->Items(0)->PicMouseDown()->graphic()->toImage().convertToFormat(
                     QImage::Format_RGB32),
            mouseOn);
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TLayoutLoader::registerFrameworkClasses();
    TLayoutLoader::registerClass<TzynForm>(QStringLiteral("TzynForm"));
    tst_TitleBar test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_titlebar.moc"
