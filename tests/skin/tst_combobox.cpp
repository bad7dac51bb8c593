// The skinned combo box: the button where Qt's style puts it, the triangle enabled and
// disabled, the MacOS button picture, the flat border, and the colours of each style.

#include "TzynComboBox.h"
#include "ZYNControlUtils.h"

#include <QPainter>
#include <QtTest>

using S = TzynUIStyle;

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

class tst_ComboBox : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void coloursOfEachStyle();
    void enabledTriangleAndBorder();
    void disabledTriangleIsWhiteShadowedGrey();
    void macOSButtonIsAPicture();
    void listAndEditableForms();
};

void tst_ComboBox::coloursOfEachStyle()
{
    QWidget form;
    auto *combo = new TzynComboBox(&form);
    QCOMPARE(combo->UIStyle(), S::DeepBlue);
    combo->setUIStyle(S::WinXP);
    QCOMPARE(combo->ButtonColor(), GetThemeColor(S::WinXP, TzynThemeEntry::ComboBoxButtonColor));
    QCOMPARE(combo->ArrowColor(), GetThemeColor(S::WinXP, TzynThemeEntry::ControlBorderColor));
    QCOMPARE(combo->BorderColor(), GetThemeColor(S::WinXP, TzynThemeEntry::ControlBorderColor));
    // Custom has no colours: black until set by hand.
    combo->setUIStyle(S::Custom);
    QCOMPARE(combo->ButtonColor(), TColor(0));
    QCOMPARE(combo->ArrowColor(), TColor(0));
    QCOMPARE(combo->BorderColor(), TColor(0));
}

void tst_ComboBox::enabledTriangleAndBorder()
{
    QWidget form;
    auto *combo = new TzynComboBox(&form);
    combo->setGeometry(0, 0, 120, 24);
    combo->setButtonColor(Colors::clYellow);
    combo->setArrowColor(Colors::clRed);
    combo->setBorderColor(Colors::clBlue);
    combo->setColor(Colors::clWhite);
    const QImage image = shot(combo);
    const QRect button = combo->ButtonRect();
    QVERIFY(!button.isEmpty());
    QVERIFY(button.right() >= 100); // at the right, where the style puts it
    const QPoint at = TzynCustomComboBox::ArrowOrigin(button);
    QCOMPARE(at.y(), button.height() / 2);
    // Rows of 7, 5, 3 and 1 pixels.
    QCOMPARE(image.pixel(at), rgb(Colors::clRed));
    QCOMPARE(image.pixel(at + QPoint(6, 0)), rgb(Colors::clRed));
    QCOMPARE(image.pixel(at + QPoint(3, 3)), rgb(Colors::clRed));
    QCOMPARE(image.pixel(at + QPoint(0, 1)), rgb(Colors::clYellow));
    QCOMPARE(image.pixel(at + QPoint(3, 4)), rgb(Colors::clYellow));
    // Two border lines: BorderColor outside, the control's colour inside.
    QCOMPARE(image.pixel(0, 10), rgb(Colors::clBlue));
    QCOMPARE(image.pixel(119, 10), rgb(Colors::clBlue));
    QCOMPARE(image.pixel(60, 23), rgb(Colors::clBlue));
    QCOMPARE(image.pixel(1, 10), rgb(Colors::clWhite));
    QCOMPARE(image.pixel(60, 22), rgb(Colors::clWhite));
}

void tst_ComboBox::disabledTriangleIsWhiteShadowedGrey()
{
    QWidget form;
    auto *combo = new TzynComboBox(&form);
    combo->setGeometry(0, 0, 120, 24);
    combo->setButtonColor(Colors::clYellow);
    combo->setArrowColor(Colors::clRed);
    combo->setEnabled(false);
    const QImage image = shot(combo);
    const QPoint at = TzynCustomComboBox::ArrowOrigin(combo->ButtonRect());
    const QRgb grey = qRgb(0x80, 0x80, 0x80), white = qRgb(0xFF, 0xFF, 0xFF);
    QCOMPARE(image.pixel(at), grey);
    QCOMPARE(image.pixel(at + QPoint(3, 3)), grey);
    QCOMPARE(image.pixel(at + QPoint(7, 1)), white); // the shadow's right end
    QCOMPARE(image.pixel(at + QPoint(4, 4)), white); // the shadow's tip
    QCOMPARE(image.pixel(at + QPoint(-1, 0)), rgb(Colors::clYellow));
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 120; ++x)
            QVERIFY(image.pixel(x, y) != rgb(Colors::clRed));
}

void tst_ComboBox::macOSButtonIsAPicture()
{
    QWidget form;
    auto *combo = new TzynComboBox(&form);
    combo->setGeometry(0, 0, 120, 24);
    combo->setUIStyle(S::MacOS);
    combo->setButtonColor(Colors::clYellow);
    combo->setArrowColor(Colors::clRed);
    const QImage image = shot(combo);
    const QRect button = combo->ButtonRect();
    QImage expected(combo->size(), QImage::Format_RGB32);
    expected.fill(Qt::black);
    {
        QPainter canvas(&expected);
        canvas.drawImage(button, ThemeImage(QStringLiteral("MACOS_COMBOBOX_BUTTON")));
    }
    // The picture, not ButtonColor, where the triangle and the border are not.
    const QPoint at = TzynCustomComboBox::ArrowOrigin(button);
    const QPoint sample(button.left() + 2, at.y() + 5);
    QVERIFY(button.contains(sample));
    QCOMPARE(image.pixel(sample), expected.pixel(sample));
    for (int y = button.top() + 1; y < button.bottom() - 1; ++y)
        QVERIFY(image.pixel(button.left() + 2, y) != rgb(Colors::clYellow));
    QCOMPARE(image.pixel(at), rgb(Colors::clRed));
}

void tst_ComboBox::listAndEditableForms()
{
    QWidget form;
    auto *combo = new TzynComboBox(&form);
    QCOMPARE(combo->Style(), TzynCustomComboBox::csDropDown);
    QVERIFY(combo->isEditable());
    combo->setItems({ "one", "two" });
    combo->setCharCase(TzynCustomComboBox::ecUpperCase);
    QCOMPARE(combo->Items()->lines(), QStringList({ "ONE", "TWO" }));
    combo->setStyle(TzynCustomComboBox::csDropDownList);
    QVERIFY(!combo->isEditable());
    combo->setText(QStringLiteral("TWO"));
    QCOMPARE(combo->ItemIndex(), 1);
    combo->setDropDownCount(5);
    QCOMPARE(combo->DropDownCount(), 5);
}

QTEST_MAIN(tst_ComboBox)
#include "tst_combobox.moc"
