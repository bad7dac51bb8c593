// The skinned group box: its defaults, the frame with and without caption, enabling its
// children, transparency, and the style propagation through it and the other real classes.

#include "TCustomPanel.h"
#include "TFont.h"
#include "TzynButton.h"
#include "TzynCheckBox.h"
#include "TzynForm.h"
#include "TzynGroupBox.h"
#include "TzynListView.h"
#include "TzynRadioButton.h"
#include "TzynTreeView.h"
#include "ZYNStylePropagation.h"

#include <QCheckBox>
#include <QtTest>

#include <functional>

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

bool setStyle(QObject *frame, const char *name, const QVariant &value)
{
    const int index = frame->metaObject()->indexOfProperty(name);
    return index >= 0 && frame->metaObject()->property(index).write(frame, value);
}

} // namespace

class tst_GroupBox : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void defaults();
    void frameWithoutCaption();
    void frameWithCaption();
    void enablingReachesEveryChild_data();
    void enablingReachesEveryChild();
    void enclosingControlLeavesChildrenAlone();
    void transparentAndOpaque();
    void clientAreaIsTheWholeBox();
    void pushThroughContainers();
    void pushFromTheFrame_data();
    void pushFromTheFrame();
};

void tst_GroupBox::defaults()
{
    QWidget form;
    auto *box = new TzynGroupBox(&form);
    box->ensurePolished();
    QCOMPARE(box->size(), QSize(185, 105));
    QVERIFY(box->ParentColor());
    QVERIFY(!box->Transparent());
    QCOMPARE(box->Caption(), QString());
    // The panel's own text is one blank, so that it draws none.
    QCOMPARE(static_cast<TControlCore *>(box)->caption(), QStringLiteral(" "));
    QCOMPARE(box->BorderColor(), TColor(0)); // DeepBlue without a skinned form frame
    QCOMPARE(box->Font()->Color(), TColor(0));
    QCOMPARE(box->ItemsRect(), QRect(QPoint(3, 11), QPoint(182, 102)));
}

void tst_GroupBox::frameWithoutCaption()
{
    QWidget form;
    auto *box = new TzynGroupBox(&form);
    box->ensurePolished();
    box->setColor(Colors::clWhite);
    box->setBorderColor(Colors::clRed);
    const QImage image = shot(box);
    const QRgb red = qRgb(0xFF, 0, 0), white = qRgb(0xFF, 0xFF, 0xFF);
    // A closed rectangle whose top edge is at 11 div 2 + 1 = 6.
    for (int x = 0; x < 185; ++x) {
        QCOMPARE(image.pixel(x, 6), red);
        QCOMPARE(image.pixel(x, 104), red);
        QCOMPARE(image.pixel(x, 5), white);
    }
    for (int y = 6; y < 105; ++y) {
        QCOMPARE(image.pixel(0, y), red);
        QCOMPARE(image.pixel(184, y), red);
    }
    QCOMPARE(image.pixel(1, 7), white);
    QCOMPARE(image.pixel(183, 103), white);
}

void tst_GroupBox::frameWithCaption()
{
    QWidget form;
    auto *box = new TzynGroupBox(&form);
    box->ensurePolished();
    box->setColor(Colors::clWhite);
    box->setBorderColor(Colors::clRed);
    box->Font()->setColor(Colors::clBlue);
    box->setCaption(QStringLiteral("Ab"));
    const int tw = QFontMetrics(box->Font()->toQFont()).horizontalAdvance(QStringLiteral("Ab"));
    const QImage image = shot(box);
    const QRgb red = qRgb(0xFF, 0, 0);
    QCOMPARE(image.pixel(0, 6), red);
    QCOMPARE(image.pixel(1, 6), red);
    QCOMPARE(image.pixel(2, 6), red);
    for (int x = 3; x <= tw + 6; ++x)
        QVERIFY2(image.pixel(x, 6) != red, qPrintable(QString::number(x)));
    for (int x = tw + 7; x < 185; ++x)
        QCOMPARE(image.pixel(x, 6), red);
    // The text starts at x = 5, y = 0, in the font's colour.
    int blue = 0, left = 1000, top = 1000;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x)
            if (image.pixel(x, y) != red && image.pixel(x, y) != qRgb(0xFF, 0xFF, 0xFF)) {
                ++blue;
                left = std::min(left, x);
                top = std::min(top, y);
            }
    QVERIFY(blue > 5);
    QVERIFY(left >= 5 && left <= 6);
    QVERIFY(top >= 0 && top <= 3);

    box->setEnabled(false);
    const QImage grey = shot(box);
    // Grey text: grey tones only, none darker than the grey and the darkest near it (strokes
    // narrower than a pixel are blended with the white).
    int greyPixels = 0, darkest = 0xFF;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x) {
            const QRgb p = grey.pixel(x, y);
            if (p == red || p == qRgb(0xFF, 0xFF, 0xFF))
                continue;
            QVERIFY(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p));
            ++greyPixels;
            darkest = std::min(darkest, qRed(p));
        }
    QVERIFY(greyPixels > 5);
    QVERIFY2(darkest >= 0x80 && darkest < 0xA0, qPrintable(QString::number(darkest)));
}

using EnableBox = std::function<void(TzynGroupBox *box, bool enabled)>;
Q_DECLARE_METATYPE(EnableBox)

void tst_GroupBox::enablingReachesEveryChild_data()
{
    QTest::addColumn<EnableBox>("enable");
    QTest::newRow("property") << EnableBox(
        [](TzynGroupBox *box, bool enabled) { QVERIFY(box->setProperty("Enabled", enabled)); });
    QTest::newRow("QWidget pointer") << EnableBox(
        [](TzynGroupBox *box, bool enabled) { static_cast<QWidget *>(box)->setEnabled(enabled); });
    QTest::newRow("framework base pointer") << EnableBox([](TzynGroupBox *box, bool enabled) {
        static_cast<TCustomPanel *>(box)->setEnabled(enabled);
    });
    QTest::newRow("connected slot") << EnableBox([](TzynGroupBox *box, bool enabled) {
        QCheckBox source;
        source.setChecked(!enabled);
        QObject::connect(&source, &QCheckBox::toggled, box, &QWidget::setEnabled);
        source.setChecked(enabled);
    });
}

void tst_GroupBox::enablingReachesEveryChild()
{
    QFETCH(EnableBox, enable);
    QWidget form;
    auto *box = new TzynGroupBox(&form);
    box->ensurePolished();
    auto *a = new TzynButton(box);
    a->ensurePolished();
    auto *b = new TzynButton(box);
    b->ensurePolished();
    b->setEnabled(false);
    enable(box, false);
    QVERIFY(!box->isEnabled());
    QVERIFY(!a->isEnabled());
    QVERIFY(!b->isEnabled());
    enable(box, true);
    QVERIFY(box->isEnabled());
    QVERIFY(a->isEnabled());
    QVERIFY(b->isEnabled()); // also the one disabled on its own
    // Each child follows the box again, and takes a state of its own again.
    a->setEnabled(false);
    enable(box, false);
    enable(box, true);
    QVERIFY(a->isEnabled());
    QVERIFY(b->isEnabled());
}

// The window or a panel around the box being disabled is not the box's own change: children
// disabled on their own stay so when it is enabled again, as anywhere in Qt.
void tst_GroupBox::enclosingControlLeavesChildrenAlone()
{
    QWidget form;
    auto *panel = new TCustomPanel(&form);
    auto *box = new TzynGroupBox(panel);
    auto *a = new TzynButton(box);
    auto *b = new TzynButton(box);
    b->setEnabled(false);
    panel->setEnabled(false);
    QVERIFY(!box->isEnabled());
    QVERIFY(!a->isEnabled());
    panel->setEnabled(true);
    QVERIFY(box->isEnabled());
    QVERIFY(a->isEnabled());
    QVERIFY(!b->isEnabled());
    // Enabled while the panel is disabled, the box passes that on once the panel is enabled.
    box->setEnabled(false);
    panel->setEnabled(false);
    box->setEnabled(true);
    QVERIFY(!a->isEnabled());
    panel->setEnabled(true);
    QVERIFY(a->isEnabled());
    QVERIFY(b->isEnabled());
}

void tst_GroupBox::transparentAndOpaque()
{
    TCustomPanel parent;
    parent.resize(300, 200);
    parent.setBevelOuter(Fw::bvNone);
    parent.setColor(TColor(0x336699));
    auto *box = new TzynGroupBox(&parent);
    box->ensurePolished();
    box->setBounds(20, 20, 185, 105);
    // Opaque: its colour, the parent's while ParentColor is on.
    QCOMPARE(box->Color(), TColor(0x336699));
    QCOMPARE(shot(box).pixel(50, 50), rgb(0x336699));
    box->setColor(Colors::clYellow);
    QCOMPARE(shot(box).pixel(50, 50), rgb(Colors::clYellow));
    // Transparent: the parent's background shows through.
    box->setTransparent(true);
    QCOMPARE(shot(box).pixel(50, 50), rgb(0x336699));
    QCOMPARE(shot(box).pixel(0, 50), rgb(box->BorderColor()));

    // An opaque child (a page view filling the box) is left alone: nothing of the box or of
    // the background it shows is painted under it, only the frame around it.
    auto *page = new QWidget(box);
    page->setAttribute(Qt::WA_OpaquePaintEvent);
    page->setGeometry(10, 20, 100, 60);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    QImage image(box->size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    box->render(&image);
    QCOMPARE(image.pixel(60, 50), qRgb(255, 0, 255));
    QCOMPARE(image.pixel(5, 50), rgb(0x336699));
    QCOMPARE(image.pixel(0, 50), rgb(box->BorderColor()));
}

void tst_GroupBox::clientAreaIsTheWholeBox()
{
    QWidget form;
    auto *box = new TzynGroupBox(&form);
    box->ensurePolished();
    box->setCaption(QStringLiteral("Caption"));
    auto *child = new TCustomPanel(box);
    child->setAlign(Fw::alClient);
    QCOMPARE(child->geometry(), box->rect());
}

void tst_GroupBox::pushThroughContainers()
{
    // The frame's push without the frame: containers first, then the frame's own children.
    QWidget frame;
    auto *button = new TzynButton(&frame);
    button->ensurePolished();
    button->setUIStyle(S::MacOS);
    auto *custom = new TzynButton(&frame);
    custom->ensurePolished();
    custom->setUIStyle(S::Custom);
    auto *tree = new TzynTreeView(&frame);
    tree->ensurePolished();
    auto *list = new TzynListView(&frame);
    auto *box = new TzynGroupBox(&frame);
    box->ensurePolished();
    auto *inner = new TzynButton(box);
    inner->ensurePolished();
    auto *innerCheck = new TzynCheckBox(box);
    auto *radio = new TzynRadioButton(&frame);
    auto *plain = new TCustomPanel(&frame);
    auto *inPlain = new TzynButton(plain);
    inPlain->ensurePolished();
    auto *innerBox = new TzynGroupBox(box);
    innerBox->ensurePolished();
    auto *twoDown = new TzynButton(innerBox);
    twoDown->ensurePolished();

    ApplyUIStyleToContainers(&frame, S::WinXP);
    ApplyUIStyleToChildren(&frame, S::WinXP);

    QCOMPARE(button->UIStyle(), S::WinXP);
    QVERIFY(!button->Transparent());
    QCOMPARE(custom->UIStyle(), S::Custom);
    QCOMPARE(tree->BorderColor(), TColor(0x686868));
    QCOMPARE(list->BorderColor(), TColor(0x686868));
    QCOMPARE(box->BorderColor(), TColor(0x686868));
    QCOMPARE(box->Font()->Color(), TColor(0xCF4602));
    QCOMPARE(box->Color(), TColor(0xDEEBEF));
    QCOMPARE(inner->UIStyle(), S::WinXP);
    QCOMPARE(innerCheck->UIStyle(), S::WinXP);
    QCOMPARE(radio->UIStyle(), S::WinXP);
    QCOMPARE(
        radio->PicNormalResName(), GetThemeResName(S::WinXP, TzynThemeEntry::RadioUncheckedImage));
    QCOMPARE(inPlain->UIStyle(), S::DeepBlue);
    QCOMPARE(innerBox->BorderColor(), TColor(0x686868)); // its colours, one level down
    QCOMPARE(twoDown->UIStyle(), S::DeepBlue); // two levels down: left alone
    // Writing through the published properties creates no dynamic ones.
    QVERIFY(tree->dynamicPropertyNames().isEmpty());
    QVERIFY(box->dynamicPropertyNames().isEmpty());
}

void tst_GroupBox::pushFromTheFrame_data()
{
    QTest::addColumn<bool>("autoUpdate");
    QTest::addColumn<int>("style");
    QTest::newRow("flag on, WinXP") << true << int(S::WinXP);
    QTest::newRow("flag off") << false << int(S::WinXP);
    QTest::newRow("flag on, Custom") << true << int(S::Custom);
}

void tst_GroupBox::pushFromTheFrame()
{
    QFETCH(bool, autoUpdate);
    QFETCH(int, style);
    QWidget host;
    auto *frame = new TzynForm(&host);
    QVERIFY2(setStyle(frame, "UIStyle", QVariant::fromValue(S::MacOS)),
        "the form frame publishes no UIStyle");
    // New controls take the frame's style and border colour.
    auto *button = new TzynButton(frame);
    button->ensurePolished();
    QCOMPARE(button->UIStyle(), S::MacOS);
    auto *custom = new TzynButton(frame);
    custom->ensurePolished();
    custom->setUIStyle(S::Custom);
    auto *tree = new TzynTreeView(frame);
    tree->ensurePolished();
    QCOMPARE(tree->BorderColor(), TColor(0x7F7F7F));
    auto *box = new TzynGroupBox(frame);
    box->ensurePolished();
    QCOMPARE(box->BorderColor(), TColor(0x7F7F7F));
    auto *inner = new TzynButton(box);
    inner->ensurePolished();
    inner->setUIStyle(S::BlueGlass);

    QVERIFY(setStyle(frame, "UIStyleAutoUpdateSub", autoUpdate));
    QVERIFY(setStyle(frame, "UIStyle", QVariant::fromValue(S(style))));

    if (autoUpdate && S(style) == S::WinXP) {
        QCOMPARE(button->UIStyle(), S::WinXP);
        QCOMPARE(custom->UIStyle(), S::Custom);
        QCOMPARE(tree->BorderColor(), TColor(0x686868));
        QCOMPARE(box->BorderColor(), TColor(0x686868));
        QCOMPARE(box->Font()->Color(), TColor(0xCF4602));
        QCOMPARE(box->Color(), TColor(0xDEEBEF));
        QCOMPARE(inner->UIStyle(), S::WinXP);
    } else {
        QCOMPARE(button->UIStyle(), S::MacOS);
        QCOMPARE(custom->UIStyle(), S::Custom);
        QCOMPARE(tree->BorderColor(), TColor(0x7F7F7F));
        QCOMPARE(box->BorderColor(), TColor(0x7F7F7F));
        // Only ParentColor ties the box to the frame's own colour.
        QCOMPARE(box->Color(), frame->property("Color").value<TColor>());
        QCOMPARE(inner->UIStyle(), S::BlueGlass);
    }
}

QTEST_MAIN(tst_GroupBox)
#include "tst_groupbox.moc"
