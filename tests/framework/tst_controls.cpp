// Controls of the framework: anchors against the parent's design size, alignment, size
// limits, fonts with the height sign rule, colours and their system-colour table.

#include "TBitmap.h"
#include "TColor.h"
#include "TControl.h"
#include "TCustomPanel.h"
#include "TFont.h"
#include "TImage.h"

#include <QTest>

#include <limits>

class TestControls : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void anchors_data()
    {
        QTest::addColumn<int>("anchors");
        QTest::addColumn<QRect>("after");
        // Parent 200 x 100 grows to 260 x 140; the child sits at (20, 10) 50 x 30.
        QTest::newRow("left top") << int(Fw::akLeft | Fw::akTop) << QRect(20, 10, 50, 30);
        QTest::newRow("left top right")
            << int(Fw::akLeft | Fw::akTop | Fw::akRight) << QRect(20, 10, 110, 30);
        QTest::newRow("left top bottom")
            << int(Fw::akLeft | Fw::akTop | Fw::akBottom) << QRect(20, 10, 50, 70);
        QTest::newRow("all") << int(Fw::akLeft | Fw::akTop | Fw::akRight | Fw::akBottom)
                             << QRect(20, 10, 110, 70);
        QTest::newRow("right bottom") << int(Fw::akRight | Fw::akBottom) << QRect(80, 50, 50, 30);
        // Neither edge: the centre keeps its relative place (45 * 260 / 200 - 25 = 33).
        QTest::newRow("none") << 0 << QRect(33, 20, 50, 30);
    }

    void anchors()
    {
        QFETCH(int, anchors);
        QFETCH(QRect, after);
        TControl parent;
        parent.setBounds(0, 0, 200, 100);
        TControl child(&parent);
        child.setBounds(20, 10, 50, 30);
        child.setAnchors(Fw::TAnchors(anchors));
        parent.setBounds(0, 0, 260, 140);
        QCOMPARE(child.geometry(), after);
        // Back to the design size: back to the design bounds, with no drift.
        parent.setBounds(0, 0, 200, 100);
        QCOMPARE(child.geometry(), QRect(20, 10, 50, 30));
    }

    void alignment()
    {
        TControl parent;
        parent.setBounds(0, 0, 300, 200);
        TControl top(&parent), bottom(&parent), left(&parent), client(&parent);
        top.setHeight(20);
        top.setAlign(Fw::alTop);
        bottom.setHeight(30);
        bottom.setAlign(Fw::alBottom);
        left.setWidth(40);
        left.setAlign(Fw::alLeft);
        client.setAlign(Fw::alClient);
        QCOMPARE(top.geometry(), QRect(0, 0, 300, 20));
        QCOMPARE(bottom.geometry(), QRect(0, 170, 300, 30));
        QCOMPARE(left.geometry(), QRect(0, 20, 40, 150));
        QCOMPARE(client.geometry(), QRect(40, 20, 260, 150));
        parent.setBounds(0, 0, 400, 300);
        QCOMPARE(client.geometry(), QRect(40, 20, 360, 250));
    }

    void constraints()
    {
        TControl control;
        control.Constraints()->setMinWidth(130);
        control.Constraints()->setMinHeight(50);
        control.Constraints()->setMaxWidth(500);
        control.setBounds(0, 0, 100, 20);
        QCOMPARE(control.size(), QSize(130, 50));
        control.setWidth(900);
        QCOMPARE(control.width(), 500);
    }

    void fontHeightRule()
    {
        TFont font;
        font.setName(QStringLiteral("宋体"));
        font.setHeight(-14);
        QFont q = font.toQFont();
        QCOMPARE(q.pixelSize(), 14);
        QCOMPARE(q.family(), QStringLiteral("AR PL UMing CN"));
        QCOMPARE(font.Size(), 11);
        font.setSize(8);
        QCOMPARE(font.Height(), -11);
        font.setHeight(16); // a cell height: the em size is smaller
        QVERIFY(font.toQFont().pixelSize() <= 16);
        QVERIFY(QFontMetrics(font.toQFont()).height() <= 16);
        font.setStyle(Fw::fsBold | Fw::fsUnderline);
        QVERIFY(font.toQFont().bold());
        QVERIFY(font.toQFont().underline());
        QCOMPARE(
            TFont::mapFamily(QStringLiteral("Tahoma")), QStringLiteral("DejaVu Sans Condensed"));
        QCOMPARE(TFont::mapFamily(QStringLiteral("MS Sans Serif")), QStringLiteral("Arimo"));
    }

    void colours()
    {
        QCOMPARE(ColorToRGB(0xC82C00), qRgb(0x00, 0x2C, 0xC8));
        QCOMPARE(ColorToRGB(Colors::clMoneyGreen), qRgb(0xC0, 0xDC, 0xC0));
        QCOMPARE(ColorToRGB(Colors::clBtnFace), qRgb(0xD4, 0xD0, 0xC8));
        QCOMPARE(ColorToRGB(Colors::clWindowText), qRgb(0, 0, 0));
        QCOMPARE(ColorToRGB(Colors::clInactiveCaption), qRgb(0x80, 0x80, 0x80));
        TColor c = 0;
        QVERIFY(identToColor(u"clMoneyGreen", &c));
        QCOMPARE(c, 0xC0DCC0);
        QVERIFY(identToColor(u"clBtnFace", &c));
        QCOMPARE(c, TColor(0x8000000F));
        QVERIFY(!identToColor(u"clPlaid", &c));
        QCOMPARE(fromQColor(QColor(0x11, 0x22, 0x33)), 0x332211);
    }

    void parentColourAndFontAreFollowed()
    {
        TCustomPanel parent;
        TCustomPanel child(&parent);
        child.setParentColor(true);
        child.setParentFont(true);
        parent.setColor(0x123456);
        parent.Font()->setHeight(-20);
        QCOMPARE(child.Color(), 0x123456);
        QCOMPARE(child.Font()->Height(), -20);
        child.setColor(0x654321);
        QVERIFY(!child.ParentColor());
        parent.setColor(0x111111);
        QCOMPARE(child.Color(), 0x654321);
    }

    // A click belongs to the control under the pointer alone, as on the desktop: the panel
    // that holds it raises no click (or double click) of its own.
    void aClickIsTheControlsAlone()
    {
        TCustomPanel panel;
        panel.resize(200, 100);
        auto *child = new TCustomPanel(&panel);
        child->setBounds(10, 10, 80, 40);
        panel.show();
        int panelClicks = 0, childClicks = 0, panelDouble = 0;
        QObject::connect(&panel, &TControl::OnClick, [&] { ++panelClicks; });
        QObject::connect(&panel, &TControl::OnDblClick, [&] { ++panelDouble; });
        QObject::connect(child, &TControl::OnClick, [&] { ++childClicks; });
        QTest::mouseClick(child, Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(childClicks, 1);
        QCOMPARE(panelClicks, 0);
        QTest::mouseDClick(child, Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(panelDouble, 0);
        QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(150, 80));
        QCOMPARE(panelClicks, 1);
    }

    void imageStretchesItsPicture()
    {
        TImage image;
        image.setBounds(0, 0, 144, 67);
        QImage red(180, 66, QImage::Format_RGB32);
        red.fill(Qt::red);
        image.Picture()->setGraphic(std::make_unique<TBitmap>(red));
        QCOMPARE(image.destRect(), QRect(0, 0, 180, 66));
        image.setStretch(true);
        QCOMPARE(image.destRect(), QRect(0, 0, 144, 67));
        QImage shot(image.size(), QImage::Format_ARGB32);
        shot.fill(Qt::blue);
        image.render(&shot);
        QCOMPARE(shot.pixel(143, 66), qRgb(255, 0, 0));
        QCOMPARE(shot.pixel(0, 0), qRgb(255, 0, 0));
    }

    // Without its own meta-object the filter's "already installed" check matched the child
    // itself, so the filter was never installed and only setBounds moved aligned children.
    void alClientChildFollowsAPlainResize()
    {
        TCustomPanel parent;
        parent.setBounds(0, 0, 200, 100);
        auto *child = new TCustomPanel(&parent);
        child->setAlign(Fw::alClient);
        QCOMPARE(child->geometry(), QRect(0, 0, 200, 100));
        // A hidden widget gets its resize event only when shown.
        parent.show();
        parent.resize(320, 240);
        QCOMPARE(child->geometry(), QRect(0, 0, 320, 240));
    }

    // An aligned control that changes size or is shown or hidden, by whatever path, has its
    // siblings laid out again: the space it takes is no longer what they were placed around.
    void siblingsFollowAnAlignedControlsSize()
    {
        TCustomPanel parent;
        parent.setBounds(0, 0, 200, 100);
        auto *top = new TCustomPanel(&parent);
        top->setHeight(30);
        top->setAlign(Fw::alTop);
        auto *left = new TCustomPanel(&parent);
        left->setWidth(40);
        left->setAlign(Fw::alLeft);
        auto *client = new TCustomPanel(&parent);
        client->setAlign(Fw::alClient);
        QCOMPARE(client->geometry(), QRect(40, 30, 160, 70));
        // Through the published setter, before anything is shown.
        top->setHeight(50);
        QCOMPARE(left->geometry(), QRect(0, 50, 40, 50));
        QCOMPARE(client->geometry(), QRect(40, 50, 160, 50));
        left->setWidth(60);
        QCOMPARE(client->geometry(), QRect(60, 50, 140, 50));
        // Through QWidget, on screen.
        parent.show();
        top->resize(top->width(), 20);
        QCOMPARE(client->geometry(), QRect(60, 20, 140, 80));
        top->hide();
        QCOMPARE(client->geometry(), QRect(60, 0, 140, 100));
        QCOMPARE(left->geometry(), QRect(0, 0, 60, 100));
        top->show();
        QCOMPARE(top->geometry(), QRect(0, 0, 200, 20));
        QCOMPARE(client->geometry(), QRect(60, 20, 140, 80));
        // An aligned control's own size wins against a plain move that leaves it out of line.
        client->resize(10, 10);
        QCOMPARE(client->geometry(), QRect(60, 20, 140, 80));
    }

    // Heights and bounds at the ends of the int range: no overflow, and a sensible result.
    void extremeFontHeightsAndBounds()
    {
        TFont font;
        font.setHeight(std::numeric_limits<int>::min());
        QCOMPARE(font.Height(), std::numeric_limits<int>::min());
        QCOMPARE(font.Size(), 1610612736);
        QCOMPARE(font.toQFont().pixelSize(), 4096);
        font.setHeight(std::numeric_limits<int>::max());
        QCOMPARE(font.Size(), -1610612735);
        font.setSize(std::numeric_limits<int>::max());
        QCOMPARE(font.Height(), std::numeric_limits<int>::min());
        font.setSize(std::numeric_limits<int>::min());
        QCOMPARE(font.Height(), std::numeric_limits<int>::max());
        font.setHeight(-14);
        QCOMPARE(font.toQFont().pixelSize(), 14);

        TCustomPanel panel;
        panel.setBounds(
            std::numeric_limits<int>::max() - 5, std::numeric_limits<int>::min() + 5, 100, 50);
        QCOMPARE(panel.geometry(), QRect(QWIDGETSIZE_MAX, -QWIDGETSIZE_MAX, 100, 50));
        panel.setBounds(10, 20, std::numeric_limits<int>::max(), -7);
        QCOMPARE(panel.geometry(), QRect(10, 20, QWIDGETSIZE_MAX, 0));
    }
};

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
