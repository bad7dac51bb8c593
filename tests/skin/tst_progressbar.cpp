// The skinned progress bar: the percentage and filled length at the edges of the range, the
// refused thickness, turning upright, and the pixels of both orientations.

#include "TBitmap.h"
#include "TPicture.h"
#include "TzynProgressBar.h"

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

QTEST_MAIN(tst_ProgressBar)
#include "tst_progressbar.moc"
