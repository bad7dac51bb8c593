// The skinned progress bar: the percentage and filled length at the edges of the range, the
// refused thickness, turning upright, and the pixels of both orientations.

#include "SkinClasses.h"
#include "TBitmap.h"
#include "TForm.h"
#include "TLayoutLoader.h"
#include "TPicture.h"
#include "TzynProgressBar.h"
#include "ZYNDraw.h"

#include <QtTest>

using S = TzynUIStyle;
using Bar = TzynProgressBar;

namespace {

QImage shot(QWidget *w)
{
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QRgb rgb(TColor c)
{
    return ColorToRGB(c) | 0xFF000000u;
}

} // namespace

class tst_ProgressBar : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void arithmetic_data();
    void arithmetic();
    void defaults();
    void refusesAnotherThickness();
    void turnsUpright();
    void horizontalPixels();
    void verticalFillsFromTheBottomMirrored();
    void smartCaption();
    void fillRepeatsTheStylePatternToThePercentage_data();
    void fillRepeatsTheStylePatternToThePercentage();
    void captionReadsOverTheFill();
    void thicknessHoldsAgainstQtsOwnResize();
    void layoutMayGiveTheSizeBeforeTheOrientation();
};

void tst_ProgressBar::arithmetic_data()
{
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("filled"); // of 149 pixels
    QTest::newRow("empty") << 0 << 100 << 0 << 0 << 0;
    QTest::newRow("half") << 0 << 100 << 50 << 50 << 74;
    QTest::newRow("full") << 0 << 100 << 100 << 100 << 149;
    QTest::newRow("beyond max") << 0 << 100 << 150 << 150 << 149;
    QTest::newRow("below min") << 10 << 20 << 5 << -50 << 0;
    QTest::newRow("min equals max") << 7 << 7 << 7 << 0 << 0;
    QTest::newRow("min above max") << 9 << 3 << 5 << 66 << 0;
    QTest::newRow("truncates") << 0 << 3 << 1 << 33 << 49;
    // Ranges whose products do not fit in 32 bits.
    QTest::newRow("wide range") << -2000000000 << 2000000000 << 0 << 50 << 74;
}

void tst_ProgressBar::arithmetic()
{
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, position);
    QFETCH(int, percent);
    QFETCH(int, filled);
    QCOMPARE(Bar::Percentage(min, max, position), percent);
    QCOMPARE(Bar::FilledLength(min, max, position, 149), filled);
    Bar bar;
    bar.setMax(max);
    bar.setMin(min);
    bar.setPosition(position);
    QCOMPARE(bar.Caption(), QString::number(percent) + QLatin1Char('%'));
}

void tst_ProgressBar::defaults()
{
    QWidget form;
    auto *bar = new Bar(&form);
    bar->ensurePolished(); // the first style comes with the polish
    QCOMPARE(bar->size(), QSize(150, 12));
    QCOMPARE(bar->Caption(), QStringLiteral("50%"));
    QCOMPARE(bar->UIStyle(), S::DeepBlue);
    QCOMPARE(bar->Color(), GetThemeColor(S::DeepBlue, TzynThemeEntry::ControlColor));
    QVERIFY(!bar->Picture()->isEmpty());
    // Custom keeps the colours and the picture it has.
    bar->setColor(Colors::clRed);
    bar->setUIStyle(S::Custom);
    QCOMPARE(bar->Color(), Colors::clRed);
    QVERIFY(!bar->Picture()->isEmpty());
}

void tst_ProgressBar::refusesAnotherThickness()
{
    QWidget form;
    auto *bar = new Bar(&form);
    bar->setBounds(5, 6, 150, 12);
    bar->setHeight(20);
    QCOMPARE(bar->geometry(), QRect(5, 6, 150, 12));
    bar->setBounds(1, 2, 300, 20); // a move with a refused size does not happen either
    QCOMPARE(bar->geometry(), QRect(5, 6, 150, 12));
    bar->setWidth(300);
    QCOMPARE(bar->size(), QSize(300, 12));
}

void tst_ProgressBar::turnsUpright()
{
    QWidget form;
    auto *bar = new Bar(&form);
    bar->setOrientation(zyn::zynVertical);
    QCOMPARE(bar->size(), QSize(12, 150));
    bar->setWidth(20);
    QCOMPARE(bar->width(), 12);
    bar->setHeight(90);
    QCOMPARE(bar->height(), 90);
    bar->setOrientation(zyn::zynHorizontal);
    QCOMPARE(bar->size(), QSize(90, 12));
}

void tst_ProgressBar::horizontalPixels()
{
    QWidget form;
    auto *bar = new Bar(&form);
    bar->setUIStyle(S::WinXP);
    bar->setShowCaption(false);
    bar->setBorderColor(Colors::clRed);
    bar->setColor(Colors::clBlue);
    bar->setPosition(100);
    QImage image = shot(bar);
    // Full: the picture reaches the right frame line.
    QCOMPARE(image.pixel(0, 5), rgb(Colors::clRed));
    QCOMPARE(image.pixel(149, 5), rgb(Colors::clRed));
    QCOMPARE(image.pixel(5, 0), rgb(Colors::clRed));
    QCOMPARE(image.pixel(5, 11), rgb(Colors::clRed));
    QVERIFY(image.pixel(148, 5) != rgb(Colors::clBlue));

    // Min = Max: nothing filled; the unfilled colour starts right after the frame.
    bar->setMax(0);
    image = shot(bar);
    for (int x = 1; x < 149; ++x)
        QCOMPARE(image.pixel(x, 5), rgb(Colors::clBlue));

    // Half: the fill ends at 149 * 50 div 100 = 74.
    bar->setMax(100);
    bar->setPosition(50);
    image = shot(bar);
    QVERIFY(image.pixel(73, 5) != rgb(Colors::clBlue));
    QCOMPARE(image.pixel(74, 5), rgb(Colors::clBlue));
}

void tst_ProgressBar::verticalFillsFromTheBottomMirrored()
{
    QWidget form;
    auto *bar = new Bar(&form);
    bar->setOrientation(zyn::zynVertical);
    bar->setColor(Colors::clBlue);
    bar->setBorderColor(Colors::clRed);
    // A picture whose top row is green and the rest yellow, to see it turned upside down.
    QImage picture(10, 4, QImage::Format_RGB32);
    picture.fill(Qt::yellow);
    for (int x = 0; x < 10; ++x)
        picture.setPixel(x, 0, qRgb(0, 0xFF, 0));
    TPicture holder;
    holder.setGraphic(std::make_unique<TBitmap>(picture));
    bar->setUIStyle(S::Custom);
    bar->setPicture(&holder);
    bar->setPosition(50);
    const QImage image = shot(bar);
    // A vertical bar shows no caption, and painting it leaves ShowCaption as it was: turned
    // back, the bar shows its percentage again.
    QVERIFY(bar->ShowCaption());
    // e = 149 - 74 = 75: blue above, the picture from row 75 to 148, its top row at the bottom.
    QCOMPARE(image.pixel(5, 74), rgb(Colors::clBlue));
    QCOMPARE(image.pixel(5, 80), qRgb(0xFF, 0xFF, 0));
    QCOMPARE(image.pixel(5, 148), qRgb(0, 0xFF, 0));
    QCOMPARE(image.pixel(5, 149), rgb(Colors::clRed));

    auto *fresh = new Bar(&form);
    for (Bar *each : { bar, fresh }) {
        each->setUIStyle(S::Custom);
        each->Picture()->clear();
        each->setColor(Colors::clWhite);
        each->setCaptionColor(Colors::clBlack);
        each->setBorderColor(Colors::clBlack);
        each->setOrientation(zyn::zynHorizontal);
        each->setBounds(0, 0, 150, TzynProgressBar::Thickness);
        each->setPosition(50);
    }
    QCOMPARE(shot(bar), shot(fresh));
}

void tst_ProgressBar::smartCaption()
{
    QWidget form;
    auto *bar = new Bar(&form);
    bar->setUIStyle(S::Custom);
    bar->Picture()->clear();
    bar->setColor(Colors::clWhite);
    bar->setCaptionColor(Colors::clBlack);
    bar->setPosition(0);
    auto darkPixels = [&] {
        const QImage image = shot(bar);
        int dark = 0;
        for (int y = 1; y < 11; ++y)
            for (int x = 1; x < 149; ++x)
                dark += qGray(image.pixel(x, y)) < 128;
        return dark;
    };
    QVERIFY(darkPixels() > 5); // "0%"
    bar->setSmartShowCaption(true);
    QCOMPARE(darkPixels(), 0);
    bar->setPosition(1);
    QVERIFY(darkPixels() > 5);
}

void tst_ProgressBar::fillRepeatsTheStylePatternToThePercentage_data()
{
    QTest::addColumn<S>("style");
    QTest::newRow("MacOS") << S::MacOS;
    QTest::newRow("WinXP") << S::WinXP;
    QTest::newRow("DeepBlue") << S::DeepBlue;
    QTest::newRow("Protein") << S::Protein;
    QTest::newRow("BlueGlass") << S::BlueGlass;
}

void tst_ProgressBar::fillRepeatsTheStylePatternToThePercentage()
{
    QFETCH(S, style);
    QWidget form;
    auto *bar = new Bar(&form);
    bar->setUIStyle(style);
    bar->setShowCaption(false);
    bar->setPosition(80);
    const QImage picture
        = GraphicImage(*bar->Picture()->graphic()).convertToFormat(QImage::Format_RGB32);
    const QImage image = shot(bar);
    // 149 * 80 div 100 = 119: columns 1 to 118 show the picture, repeated from column 1 at its
    // own width (a WinXP block is five green pixels and a light one, the MacOS stripe 13 wide),
    // so the last block ends at the percentage, not five sixths of the way.
    const int filled = 119;
    for (int row = 0; row < picture.height(); ++row) {
        for (int x = 1; x < filled; ++x)
            QCOMPARE(image.pixel(x, 1 + row), picture.pixel((x - 1) % picture.width(), row));
        for (int x = filled; x < 149; ++x)
            QCOMPARE(image.pixel(x, 1 + row), rgb(bar->Color()));
    }

    // Upright, the pattern repeats upward from the bottom row, turned upside down.
    bar->setOrientation(zyn::zynVertical);
    const QImage upright
        = GraphicImage(*bar->Picture()->graphic()).convertToFormat(QImage::Format_RGB32);
    const QImage tall = shot(bar);
    const int top = 149 - filled;
    const int columns = std::min(upright.width(), 10);
    for (int c = 0; c < columns; ++c) {
        for (int y = top; y < 149; ++y)
            QCOMPARE(tall.pixel(1 + c, y), upright.pixel(c, (148 - y) % upright.height()));
        QCOMPARE(tall.pixel(1 + c, top - 1), rgb(bar->Color()));
    }
}

void tst_ProgressBar::captionReadsOverTheFill()
{
    QCOMPARE(Bar::ReadableOn(Qt::black, QColor(0x2F, 0x49, 0x80)), QColor(Qt::white));
    QCOMPARE(Bar::ReadableOn(Qt::black, QColor(0x3F, 0xBF, 0x3F)), QColor(Qt::black));
    QCOMPARE(Bar::ReadableOn(Qt::red, QColor(Qt::white)), QColor(Qt::red));
    QCOMPARE(Bar::ReadableOn(Qt::white, QColor(Qt::white)), QColor(Qt::black));

    QWidget form;
    auto *bar = new Bar(&form);
    bar->setUIStyle(S::DeepBlue);
    QCOMPARE(bar->CaptionColor(), Colors::clBlack);
    auto count = [&](auto light) {
        const QImage image = shot(bar);
        int n = 0;
        for (int y = 1; y < 11; ++y)
            for (int x = 55; x < 95; ++x)
                n += light(qGray(image.pixel(x, y)));
        return n;
    };
    // Full: the navy fill under the whole caption, which turns white there.
    bar->setPosition(100);
    QVERIFY(count([](int g) { return g > 200; }) > 5);
    // Empty: the caption keeps its own black on the light unfilled part.
    bar->setPosition(0);
    QVERIFY(count([](int g) { return g < 60; }) > 5);
    QVERIFY(count([](int g) { return g > 250; }) == 0);
    // WinXP's light green fill reads with the black caption, which stays black.
    bar->setUIStyle(S::WinXP);
    bar->setPosition(100);
    QVERIFY(count([](int g) { return g < 60; }) > 5);
}

void tst_ProgressBar::thicknessHoldsAgainstQtsOwnResize()
{
    QWidget form;
    auto *bar = new Bar(&form);
    bar->resize(200, 30);
    QCOMPARE(bar->size(), QSize(200, 12));
    bar->setGeometry(4, 5, 180, 40);
    QCOMPARE(bar->geometry(), QRect(4, 5, 180, 12));
    bar->setOrientation(zyn::zynVertical);
    QCOMPARE(bar->size(), QSize(12, 180));
    bar->resize(30, 100);
    QCOMPARE(bar->size(), QSize(12, 100));
    bar->setOrientation(zyn::zynHorizontal);
    QCOMPARE(bar->size(), QSize(100, 12));
}

void tst_ProgressBar::layoutMayGiveTheSizeBeforeTheOrientation()
{
    TLayoutLoader::registerFrameworkClasses();
    registerSkinClasses();
    TForm form;
    TLayoutLoader().loadFromText(&form,
        QStringLiteral("object Form1: TForm\n"
                       "  object Upright: TzynProgressBar\n"
                       "    Width = 12\n"
                       "    Height = 150\n"
                       "    Orientation = zynVertical\n"
                       "  end\n"
                       "  object Turned: TzynProgressBar\n"
                       "    Orientation = zynVertical\n"
                       "    Width = 12\n"
                       "    Height = 90\n"
                       "  end\n"
                       "  object Level: TzynProgressBar\n"
                       "    Width = 200\n"
                       "    Height = 30\n"
                       "  end\n"
                       "end\n"),
        QStringLiteral("bars.layout"));
    QCOMPARE(form.findChild<Bar *>(QStringLiteral("Upright"))->size(), QSize(12, 150));
    QCOMPARE(form.findChild<Bar *>(QStringLiteral("Turned"))->size(), QSize(12, 90));
    // A thickness of the layout's own is brought to 12 once it is loaded.
    auto *level = form.findChild<Bar *>(QStringLiteral("Level"));
    QCOMPARE(level->size(), QSize(200, 12));
    level->setHeight(20);
    QCOMPARE(level->height(), 12);
}

QTEST_MAIN(tst_ProgressBar)
#include "tst_progressbar.moc"
