// The skinned panel: paint order, faked transparency over the parent, AutoSize and Align,
// picture transparency and the caption hook.

#include "TBitmap.h"
#include "TPicture.h"
#include "TzynImagePanel.h"

#include <QPainter>
#include <QtTest>

namespace {

// A parent that paints a pattern in which every pixel tells its position, plus a
// non-windowed "drawing" of its own at (12, 12).
class PatternParent : public QWidget {
public:
    using QWidget::QWidget;
    static QRgb at(int x, int y) { return qRgb(x & 0xFF, y & 0xFF, 0x40); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QImage image(size(), QImage::Format_RGB32);
        for (int y = 0; y < height(); ++y)
            for (int x = 0; x < width(); ++x)
                image.setPixel(x, y, at(x, y));
        QPainter painter(this);
        painter.drawImage(0, 0, image);
        painter.fillRect(12, 12, 4, 4, QColor(0xFF, 0xFF, 0x00));
    }
};

QImage picture(int w, int h, QRgb colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

void setPictureImage(TzynCustomPanel &panel, const QImage &image)
{
    panel.Picture()->setGraphic(std::make_unique<TBitmap>(image));
}

QImage render(QWidget &widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class tst_Panel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void defaults();
    void transparentPanelShowsParentPainting();
    void colourWithoutPicture();
    void normalPictureDoesNotFillRest();
    void uncoveredPixelsStayWhite();
    void stretchAndTile();
    void blankCaptionIsNotDrawn();
    void autoSizeFollowsAlign_data();
    void autoSizeFollowsAlign();
    void transparentSwitchesBitmapTransparency();
};

void tst_Panel::defaults()
{
    TzynImagePanel panel;
    QCOMPARE(panel.Transparent(), false);
    QCOMPARE(panel.AutoSize(), false);
    QCOMPARE(panel.DrawStyle(), zynNormal);
    QCOMPARE(panel.Alignment(), Fw::taCenter);
    QCOMPARE(panel.Color(), Colors::clBtnFace);
    QCOMPARE(panel.BorderWidth(), 0);
    QCOMPARE(panel.BevelOuter(), Fw::bvNone);
    QCOMPARE(panel.BevelInner(), Fw::bvNone);
    QCOMPARE(panel.TabStop(), false);
    QVERIFY(panel.Picture());
    QVERIFY(panel.testAttribute(Qt::WA_OpaquePaintEvent));
    // Published under the layout's names.
    QVERIFY(panel.setProperty("DrawStyle", QVariant::fromValue(zynTile)));
    QCOMPARE(panel.DrawStyle(), zynTile);
}

void tst_Panel::transparentPanelShowsParentPainting()
{
    PatternParent parent;
    parent.resize(120, 90);
    auto *panel = new TzynImagePanel(&parent);
    panel->setGeometry(10, 8, 40, 30);
    panel->setTransparent(true);
    // A sibling window over the panel must not show through.
    auto *sibling = new QWidget(&parent);
    sibling->setAutoFillBackground(true);
    sibling->setPalette(QPalette(Qt::green));
    sibling->setGeometry(30, 20, 30, 30);
    sibling->lower();
    const QImage image = render(*panel);
    QCOMPARE(image.size(), QSize(40, 30));
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            const int px = x + 10, py = y + 8;
            const bool drawing = px >= 12 && px < 16 && py >= 12 && py < 16;
            const QRgb expected = drawing ? qRgb(0xFF, 0xFF, 0x00) : PatternParent::at(px, py);
            QVERIFY2(image.pixel(x, y) == expected,
                qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
        }
}

void tst_Panel::colourWithoutPicture()
{
    TzynImagePanel panel;
    panel.resize(20, 10);
    panel.setColor(0x0000FF);
    const QImage image = render(panel);
    QCOMPARE(image.pixel(0, 0), qRgb(0xFF, 0, 0));
    QCOMPARE(image.pixel(19, 9), qRgb(0xFF, 0, 0));
}

void tst_Panel::normalPictureDoesNotFillRest()
{
    TzynImagePanel panel;
    panel.resize(30, 30);
    panel.setColor(0x0000FF);
    setPictureImage(panel, picture(10, 10, 0xFF0000FF));
    const QImage image = render(panel);
    QCOMPARE(image.pixel(5, 5), 0xFF0000FFu);
    QVERIFY(image.pixel(20, 20) != qRgb(0xFF, 0, 0));
}

void tst_Panel::uncoveredPixelsStayWhite()
{
    // The panel keeps its off-screen image from paint to paint; what its painting does not
    // cover must still come out white, as from a fresh image, never as the last paint.
    const QRgb white = qRgb(0xFF, 0xFF, 0xFF);
    TzynImagePanel panel;
    panel.resize(30, 30);
    panel.setColor(0x0000FF);
    QCOMPARE(render(panel).pixel(20, 20), qRgb(0xFF, 0, 0));
    setPictureImage(panel, picture(10, 10, 0xFF0000FF));
    QCOMPARE(render(panel).pixel(20, 20), white);
    QCOMPARE(render(panel).pixel(5, 5), 0xFF0000FFu);

    // A transparent panel over a parent that paints nothing of its own, and the part of a
    // transparent panel that lies outside its parent.
    QWidget bare;
    bare.setAttribute(Qt::WA_NoSystemBackground);
    bare.resize(50, 40);
    auto *over = new TzynImagePanel(&bare);
    over->setColor(0x0000FF);
    over->setGeometry(5, 5, 20, 20);
    QCOMPARE(render(*over).pixel(10, 10), qRgb(0xFF, 0, 0));
    over->setTransparent(true);
    QCOMPARE(render(*over).pixel(10, 10), white);

    PatternParent pattern;
    pattern.resize(50, 40);
    auto *across = new TzynImagePanel(&pattern);
    across->setTransparent(true);
    across->setGeometry(40, 30, 20, 20);
    const QImage shown = render(*across);
    QCOMPARE(shown.pixel(2, 2), PatternParent::at(42, 32));
    QCOMPARE(shown.pixel(15, 15), white);
}

void tst_Panel::stretchAndTile()
{
    TzynImagePanel panel;
    panel.resize(30, 20);
    QImage image = picture(2, 2, 0xFF00FF00);
    image.setPixel(0, 0, 0xFFFF0000);
    setPictureImage(panel, image);

    panel.setDrawStyle(zynStretch);
    QImage shown = render(panel);
    QCOMPARE(shown.pixel(0, 0), 0xFFFF0000u);
    QCOMPARE(shown.pixel(14, 9), 0xFFFF0000u);
    QCOMPARE(shown.pixel(29, 19), 0xFF00FF00u);

    panel.setDrawStyle(zynTile);
    shown = render(panel);
    QCOMPARE(shown.pixel(0, 0), 0xFFFF0000u);
    QCOMPARE(shown.pixel(28, 18), 0xFFFF0000u);
    QCOMPARE(shown.pixel(29, 19), 0xFF00FF00u);
}

void tst_Panel::blankCaptionIsNotDrawn()
{
    TzynImagePanel panel;
    panel.resize(60, 20);
    panel.setColor(0xFFFFFF);
    panel.Font()->setColor(0x000000);
    panel.setCaption(QStringLiteral("  \t "));
    QImage image = render(panel);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 60; ++x)
            QCOMPARE(image.pixel(x, y), 0xFFFFFFFFu);

    panel.setCaption(QStringLiteral(" X "));
    image = render(panel);
    bool inked = false;
    for (int y = 0; y < 20 && !inked; ++y)
        for (int x = 0; x < 60 && !inked; ++x)
            inked = image.pixel(x, y) != 0xFFFFFFFFu;
    QVERIFY(inked);
}

void tst_Panel::autoSizeFollowsAlign_data()
{
    QTest::addColumn<Fw::TAlign>("align");
    QTest::addColumn<QSize>("size");
    QTest::newRow("none: both") << Fw::alNone << QSize(30, 20);
    QTest::newRow("top: height") << Fw::alTop << QSize(100, 20);
    QTest::newRow("bottom: height") << Fw::alBottom << QSize(100, 20);
    QTest::newRow("left: width") << Fw::alLeft << QSize(30, 80);
    QTest::newRow("right: width") << Fw::alRight << QSize(30, 80);
    QTest::newRow("client: neither") << Fw::alClient << QSize(100, 80);
}

void tst_Panel::autoSizeFollowsAlign()
{
    QFETCH(Fw::TAlign, align);
    QFETCH(QSize, size);
    // Unparented, so that only the picture rule sizes the panel.
    TzynImagePanel panel;
    panel.setBounds(0, 0, 100, 80);
    panel.setAlign(align);
    panel.setAutoSize(true);
    setPictureImage(panel, picture(30, 20, 0xFF808080));
    QCOMPARE(panel.size(), size);

    // Switching AutoSize on later applies the rule to the picture already there.
    TzynImagePanel late;
    late.setBounds(0, 0, 100, 80);
    late.setAlign(align);
    setPictureImage(late, picture(30, 20, 0xFF808080));
    QCOMPARE(late.size(), QSize(100, 80));
    late.setAutoSize(true);
    QCOMPARE(late.size(), size);
}

void tst_Panel::transparentSwitchesBitmapTransparency()
{
    PatternParent parent;
    parent.resize(60, 60);
    auto *panel = new TzynImagePanel(&parent);
    panel->setGeometry(20, 20, 10, 10);
    QImage image = picture(10, 10, 0xFF0000FF);
    image.setPixel(0, 9, 0xFF00FF00); // the bottom-left pixel: the bitmap's transparent colour
    image.setPixel(5, 5, 0xFF00FF00);
    setPictureImage(*panel, image);
    QCOMPARE(panel->Picture()->graphic()->transparent(), false);

    panel->setTransparent(true);
    QCOMPARE(panel->Picture()->graphic()->transparent(), true);
    QImage shown = render(*panel);
    QCOMPARE(shown.pixel(1, 1), 0xFF0000FFu);
    QCOMPARE(shown.pixel(5, 5), PatternParent::at(25, 25));

    panel->setTransparent(false);
    QCOMPARE(panel->Picture()->graphic()->transparent(), false);
    shown = render(*panel);
    QCOMPARE(shown.pixel(5, 5), 0xFF00FF00u);

    // A picture assigned while transparent takes the panel's transparency.
    panel->setTransparent(true);
    TPicture other;
    other.setGraphic(std::make_unique<TBitmap>(image));
    panel->setPicture(&other);
    QCOMPARE(panel->Picture()->graphic()->transparent(), true);
}

QTEST_MAIN(tst_Panel)
#include "tst_panel.moc"
