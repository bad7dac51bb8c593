// The skinned push button family: glyph layout, the pointer and key state machine, auto-repeat,
// focus marks, dialog keys and accelerators, pictures and their fallback, check boxes and
// radio buttons, ModalResult and actions.

#include "TBitmap.h"
#include "TCustomAction.h"
#include "TFont.h"
#include "TForm.h"
#include "TImageList.h"
#include "TPicture.h"
#include "TzynButton.h"
#include "TzynCheckBox.h"
#include "TzynImageButton.h"
#include "TzynRadioButton.h"

#include <QApplication>
#include <QTimer>
#include <QtTest>

using S = TzynUIStyle;
using L = TzynButton::TButtonLayout;

namespace {

// A 32 x 32 glyph: black ground (the key), a filled square in the middle and a marker pixel
// at (1, 1).
QImage makeGlyph(int w, int h, QRgb fill = qRgb(0, 0xC0, 0))
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::black);
    for (int y = 1; y < h - 1; ++y)
        for (int x = 1; x < w - 1; ++x)
            image.setPixel(x, y, fill);
    return image;
}

void setGlyph(TzynButton *button, const QImage &image)
{
    TPicture picture;
    picture.setGraphic(std::make_unique<TBitmap>(image));
    button->setGlyph(&picture);
}

void useSongFont(TFont *font)
{
    font->setName(QStringLiteral("宋体"));
    font->setHeight(-14);
}

QImage shot(QWidget *w)
{
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void send(
    QWidget *w, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(
        type, QPointF(pos), w->mapToGlobal(QPointF(pos)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

void enter(QWidget *w)
{
    QEnterEvent event(QPointF(1, 1), QPointF(1, 1), w->mapToGlobal(QPointF(1, 1)));
    QApplication::sendEvent(w, &event);
}

void leave(QWidget *w)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(w, &event);
}

// A graphic of another format than a bitmap.
class NotABitmap : public TGraphic {
public:
    const char *className() const override { return "TNotABitmap"; }
    std::unique_ptr<TGraphic> clone() const override { return std::make_unique<NotABitmap>(); }
    bool isEmpty() const override { return false; }
    int width() const override { return 8; }
    int height() const override { return 8; }
    void draw(QPainter &, const QRect &) const override { }
    void loadFromStream(QIODevice &) override { }
    void saveToStream(QIODevice &) const override { }
    QImage toImage() const override { return QImage(8, 8, QImage::Format_ARGB32); }
};

} // namespace

class tst_Buttons : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void glyphLayout_data();
    void glyphLayout();
    void mainWindowButton();
    void twoImageAndDisabledGlyphs();
    void disabledCaptionIsShadowed();
    void stateTable();
    void pointerEdgesAreInclusive();
    void leaveWhileHeldAndComeBack();
    void doubleClickIsTwoClicks();
    void autoRepeat_data();
    void autoRepeat();
    void repeatStopsWhenThePointerLeaves();
    void keyboard();
    void focusMarks_data();
    void focusMarks();
    void dialogKeys_data();
    void dialogKeys();
    void accelerators_data();
    void accelerators();
    void fallbackPicture();
    void picNamesTurnStyleToCustom();
    void modalResultGoesToTheForm();
    void action();
    void imageButton();
    void checkBoxDefaults();
    void checkBoxToggleAndPictures();
    void radioGroups();
};

void tst_Buttons::glyphLayout_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<QSize>("button");
    QTest::addColumn<QSize>("glyph");
    QTest::addColumn<QSize>("text");
    QTest::addColumn<QPoint>("glyphAt");
    QTest::addColumn<QPoint>("captionAt");
    QTest::addColumn<QSize>("glyphSize");

    const QSize g(16, 16), t(30, 13), b(80, 27);
    QTest::newRow("main window") << int(L::blGlyphTop) << QSize(96, 73) << QSize(32, 32)
                                 << QSize(56, 14) << QPoint(32, 11) << QPoint(20, 47)
                                 << QSize(32, 32);
    QTest::newRow("left") << int(L::blGlyphLeft) << b << g << t << QPoint(15, 5) << QPoint(35, 7)
                          << g;
    QTest::newRow("right") << int(L::blGlyphRight) << b << g << t << QPoint(49, 5) << QPoint(15, 7)
                           << g;
    QTest::newRow("top") << int(L::blGlyphTop) << b << g << t << QPoint(32, -3) << QPoint(25, 17)
                         << g;
    QTest::newRow("bottom") << int(L::blGlyphBottom) << b << g << t << QPoint(32, 14)
                            << QPoint(25, -3) << g;
    // (13 - 16) / 2 truncates toward zero to -1, not -2.
    QTest::newRow("negative truncates") << int(L::blGlyphTop) << QSize(13, 40) << g << QSize(20, 10)
                                        << QPoint(-1, 5) << QPoint(-3, 25) << g;
    QTest::newRow("two images") << int(L::blGlyphLeft) << QSize(80, 40) << QSize(64, 32)
                                << QSize(20, 10) << QPoint(12, 4) << QPoint(48, 15)
                                << QSize(32, 32);
    QTest::newRow("64 x 31 is one image")
        << int(L::blGlyphLeft) << QSize(80, 40) << QSize(64, 31) << QSize(20, 10) << QPoint(-4, 4)
        << QPoint(64, 15) << QSize(64, 31);
}

void tst_Buttons::glyphLayout()
{
    QFETCH(int, layout);
    QFETCH(QSize, button);
    QFETCH(QSize, glyph);
    QFETCH(QSize, text);
    QFETCH(QPoint, glyphAt);
    QFETCH(QPoint, captionAt);
    QFETCH(QSize, glyphSize);
    const auto place = TzynButton::PlaceGlyph(L(layout), button, glyph, text, 4);
    QCOMPARE(place.glyph, glyphAt);
    QCOMPARE(place.caption, captionAt);
    QCOMPARE(place.glyphSize, glyphSize);
}

void tst_Buttons::mainWindowButton()
{
    QWidget form;
    form.resize(200, 120);
    auto *button = new TzynButton(&form);
    button->setBounds(8, 28, 96, 73);
    useSongFont(button->Font());
    button->setUIStyle(S::BlueGlass);
    button->setLayout(L::blGlyphTop);
    button->setCaption(QStringLiteral("考试动态"));
    setGlyph(button, makeGlyph(32, 32));
    QVERIFY(button->Transparent());

    // The mapping of the Song face gives a caption 14 pixels high, as the layout assumes.
    QCOMPARE(QFontMetrics(button->Font()->toQFont()).height(), 14);
    const int tw = QFontMetrics(button->Font()->toQFont()).horizontalAdvance(button->Caption());

    QImage image = shot(button);
    QCOMPARE(button->CaptionPos(), QPoint((96 - tw) / 2, 47));
    const QRgb green = qRgb(0, 0xC0, 0);
    QCOMPARE(image.pixel(33, 12), green); // first glyph pixel inside its keyed rim
    QVERIFY(image.pixel(32, 11) != qRgb(0, 0, 0)); // the rim is the key colour: not drawn
    QCOMPARE(image.pixel(62, 41), green);
    QVERIFY(image.pixel(63, 42) != green);

    // Pressed: glyph and caption one pixel right and down.
    send(button, QEvent::MouseButtonPress, QPoint(40, 40), Qt::LeftButton, Qt::LeftButton);
    image = shot(button);
    QVERIFY(image.pixel(33, 12) != green);
    QCOMPARE(image.pixel(34, 13), green);
    QCOMPARE(image.pixel(63, 42), green);
    QCOMPARE(button->CaptionPos(), QPoint((96 - tw) / 2 + 1, 48));
    send(button, QEvent::MouseButtonRelease, QPoint(40, 40), Qt::LeftButton, Qt::NoButton);
}

void tst_Buttons::twoImageAndDisabledGlyphs()
{
    QWidget form;
    auto *button = new TzynButton(&form);
    button->setBounds(0, 0, 96, 73);
    button->setUIStyle(S::DeepBlue);
    button->setLayout(L::blGlyphTop);
    // Left half red, right half blue, on the black key.
    QImage two(64, 32, QImage::Format_RGB32);
    two.fill(Qt::black);
    for (int y = 4; y < 28; ++y)
        for (int x = 4; x < 28; ++x) {
            two.setPixel(x, y, qRgb(0xFF, 0, 0));
            two.setPixel(x + 32, y, qRgb(0, 0, 0xFF));
        }
    setGlyph(button, two);
    const QPoint g = TzynButton::PlaceGlyph(L::blGlyphTop, button->size(), two.size(),
        QSize(0, QFontMetrics(button->Font()->toQFont()).height()), 4)
                         .glyph;
    QCOMPARE(shot(button).pixel(g + QPoint(10, 10)), qRgb(0xFF, 0, 0));
    button->setEnabled(false);
    QCOMPARE(shot(button).pixel(g + QPoint(10, 10)), qRgb(0, 0, 0xFF)); // right half, not greyed

    // A one-image glyph is greyed when disabled.
    setGlyph(button, makeGlyph(32, 32, qRgb(0xFF, 0, 0)));
    const QRgb c = shot(button).pixel(g + QPoint(10, 10));
    QVERIFY(qRed(c) == qGreen(c) && qGreen(c) == qBlue(c));
    button->setEnabled(true);
    QCOMPARE(shot(button).pixel(g + QPoint(10, 10)), qRgb(0xFF, 0, 0));
}

void tst_Buttons::disabledCaptionIsShadowed()
{
    QWidget form;
    auto *button = new TzynButton(&form);
    button->setBounds(0, 0, 120, 40);
    button->setUIStyle(S::WinXP);
    button->Font()->setHeight(-20);
    // Bold, so that the strokes are wide enough for the white offset copy to show whole pixels
    // beside the grey in the narrow default face.
    button->Font()->setStyle(Fw::fsBold);
    button->setCaption(QStringLiteral("MMMM"));
    const QImage enabled = shot(button);
    button->setEnabled(false);
    const QImage disabled = shot(button);
    int grey = 0, white = 0, fontColour = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 120; ++x) {
            grey += disabled.pixel(x, y) == qRgb(0x80, 0x80, 0x80);
            white += disabled.pixel(x, y) == qRgb(0xFF, 0xFF, 0xFF)
                && enabled.pixel(x, y) != qRgb(0xFF, 0xFF, 0xFF);
            fontColour += disabled.pixel(x, y) == qRgb(0, 0, 0);
        }
    QVERIFY(grey > 20);
    QVERIFY(white > 10);
    QCOMPARE(fontColour, 0);
    // The picture is the normal one: the edges outside the caption are unchanged.
    QCOMPARE(disabled.pixel(3, 20), enabled.pixel(3, 20));
}

void tst_Buttons::stateTable()
{
    QWidget form;
    auto *b = new TzynButton(&form);
    QCOMPARE(b->MouseOn(), false);
    QCOMPARE(b->MouseDown(), false);
    QVERIFY(!b->Repeating());

    QSignalSpy entered(b, &TzynButton::OnMouseEnter);
    QSignalSpy exited(b, &TzynButton::OnMouseExit);
    enter(b);
    QVERIFY(b->MouseOn());
    QCOMPARE(entered.count(), 1);

    send(b, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    QVERIFY(b->MouseDown());
    QVERIFY(b->Repeating());
    // Other buttons change nothing.
    send(b, QEvent::MouseButtonPress, QPoint(5, 5), Qt::RightButton,
        Qt::LeftButton | Qt::RightButton);
    send(b, QEvent::MouseButtonRelease, QPoint(5, 5), Qt::RightButton, Qt::LeftButton);
    QVERIFY(b->MouseDown());
    QVERIFY(b->MouseOn());
    QVERIFY(b->Repeating());
    // A second left press keeps repeating.
    send(b, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    QVERIFY(b->Repeating());

    send(b, QEvent::MouseButtonRelease, QPoint(5, 5), Qt::LeftButton, Qt::NoButton);
    QVERIFY(!b->MouseDown());
    QVERIFY(b->MouseOn());
    QVERIFY(!b->Repeating());

    // Moving outside resets both flags but leaves the timer to the leave.
    send(b, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    send(b, QEvent::MouseMove, QPoint(-1, 5), Qt::NoButton, Qt::NoButton);
    QVERIFY(!b->MouseOn());
    QVERIFY(!b->MouseDown());
    QVERIFY(b->Repeating());
    leave(b);
    QVERIFY(!b->Repeating());
    QCOMPARE(exited.count(), 1);
}

void tst_Buttons::pointerEdgesAreInclusive()
{
    QWidget form;
    auto *b = new TzynButton(&form);
    b->setBounds(0, 0, 80, 27);
    enter(b);
    send(b, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    send(b, QEvent::MouseMove, QPoint(80, 27), Qt::NoButton, Qt::LeftButton);
    QVERIFY(b->MouseOn());
    QVERIFY(b->MouseDown());
    send(b, QEvent::MouseMove, QPoint(81, 10), Qt::NoButton, Qt::LeftButton);
    QVERIFY(!b->MouseOn());
    QVERIFY(!b->MouseDown());
}

void tst_Buttons::leaveWhileHeldAndComeBack()
{
    QWidget form;
    auto *b = new TzynButton(&form);
    b->setBounds(0, 0, 80, 27);
    QSignalSpy clicks(b, &TControl::OnClick);
    QSignalSpy exited(b, &TzynButton::OnMouseExit);
    enter(b);
    send(b, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    // Qt grabs the mouse: the moves are all the button hears.
    send(b, QEvent::MouseMove, QPoint(120, 5), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(exited.count(), 1);
    QVERIFY(!b->Repeating());
    send(b, QEvent::MouseMove, QPoint(10, 5), Qt::NoButton, Qt::LeftButton);
    QVERIFY(b->MouseOn());
    QVERIFY(!b->MouseDown());
    send(b, QEvent::MouseButtonRelease, QPoint(10, 5), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(clicks.count(), 1);
    // A real leave after that is not reported twice.
    send(b, QEvent::MouseMove, QPoint(120, 5), Qt::NoButton, Qt::LeftButton);
    leave(b);
    QCOMPARE(exited.count(), 2);
}

void tst_Buttons::doubleClickIsTwoClicks()
{
    QWidget form;
    auto *b = new TzynButton(&form);
    QSignalSpy clicks(b, &TControl::OnClick);
    send(b, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    send(b, QEvent::MouseButtonRelease, QPoint(5, 5), Qt::LeftButton, Qt::NoButton);
    send(b, QEvent::MouseButtonDblClick, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    QVERIFY(b->MouseDown());
    send(b, QEvent::MouseButtonRelease, QPoint(5, 5), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(clicks.count(), 2);
}

void tst_Buttons::autoRepeat_data()
{
    QTest::addColumn<int>("interval");
    QTest::addColumn<bool>("ticks");
    QTest::newRow("100") << 100 << true;
    QTest::newRow("0") << 0 << false;
    QTest::newRow("-5") << -5 << false;
}

void tst_Buttons::autoRepeat()
{
    QFETCH(int, interval);
    QFETCH(bool, ticks);
    QWidget form;
    auto *b = new TzynButton(&form);
    QCOMPARE(b->MouseContinuouslyDownInterval(), 100);
    b->setMouseContinuouslyDownInterval(interval);
    QSignalSpy repeats(b, &TzynButton::OnMouseContinuouslyDown);
    QSignalSpy clicks(b, &TControl::OnClick);
    send(b, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    // The first tick comes one interval after the press, never at once.
    QCOMPARE(repeats.count(), 0);
    // A non-positive interval never repeats.
    QCOMPARE(b->Repeating(), ticks);
    if (ticks)
        QTRY_VERIFY_WITH_TIMEOUT(repeats.count() >= 2, 10000);
    send(b, QEvent::MouseButtonRelease, QPoint(5, 5), Qt::LeftButton, Qt::NoButton);
    // Released: nothing more is due.
    QVERIFY(!b->Repeating());
    QCOMPARE(clicks.count(), 1); // ticks are not clicks
}

void tst_Buttons::repeatStopsWhenThePointerLeaves()
{
    QWidget form;
    auto *b = new TzynButton(&form);
    b->setMouseContinuouslyDownInterval(20);
    QSignalSpy repeats(b, &TzynButton::OnMouseContinuouslyDown);
    enter(b);
    send(b, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(repeats.count() >= 1, 10000);
    send(b, QEvent::MouseMove, QPoint(200, 5), Qt::NoButton, Qt::LeftButton);
    QVERIFY(!b->Repeating());
    QVERIFY(!b->MouseDown());
    // The normal picture: the same as a button never touched.
    auto *fresh = new TzynButton(&form);
    fresh->setGeometry(b->geometry());
    QCOMPARE(shot(b), shot(fresh));
}

void tst_Buttons::keyboard()
{
    QWidget form;
    auto *b = new TzynButton(&form);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    b->setFocus();
    QVERIFY(b->hasFocus());
    QSignalSpy clicks(b, &TControl::OnClick);
    for (Qt::Key key : { Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter }) {
        QTest::keyPress(b, key);
        QVERIFY(b->MouseDown());
        QTest::keyRelease(b, key);
        QVERIFY(!b->MouseDown());
    }
    QCOMPARE(clicks.count(), 3);
    // Not while disabled; other keys do nothing.
    QTest::keyClick(b, Qt::Key_A);
    QCOMPARE(clicks.count(), 3);
    b->setEnabled(false);
    QTest::keyPress(b, Qt::Key_Space);
    QVERIFY(!b->MouseDown());
}

void tst_Buttons::focusMarks_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("glyph");
    QTest::addColumn<bool>("tabStop");
    QTest::addColumn<bool>("rectangle");
    QTest::addColumn<bool>("bold");
    QTest::newRow("BlueGlass") << int(S::BlueGlass) << false << true << false << true;
    QTest::newRow("MacOS") << int(S::MacOS) << false << true << false << true;
    QTest::newRow("BlueGlass glyph") << int(S::BlueGlass) << true << true << false << false;
    QTest::newRow("DeepBlue") << int(S::DeepBlue) << false << true << true << false;
    QTest::newRow("WinXP glyph") << int(S::WinXP) << true << true << true << false;
    QTest::newRow("no tab stop") << int(S::DeepBlue) << false << false << false << false;
}

void tst_Buttons::focusMarks()
{
    QFETCH(int, style);
    QFETCH(bool, glyph);
    QFETCH(bool, tabStop);
    QFETCH(bool, rectangle);
    QFETCH(bool, bold);
    QWidget form;
    form.resize(300, 100);
    auto *b = new TzynButton(&form);
    b->setBounds(10, 10, 120, 40);
    b->setUIStyle(S(style));
    b->setCaption(QStringLiteral("Button"));
    b->Font()->setHeight(-16);
    if (glyph)
        setGlyph(b, makeGlyph(16, 16));
    auto *other = new TzynButton(&form);
    other->setBounds(150, 10, 80, 27);
    b->setTabStop(tabStop);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    other->setFocus();
    const QImage plain = shot(b);
    b->setFocus();
    QVERIFY(b->hasFocus());
    const QImage focused = shot(b);

    // The dotted rectangle lies 3 pixels inside the edge, clear of a border up to two pixels
    // wide (these styles' corners are round by no more than that).
    bool rowDiffers = false;
    for (int x = 3; x < 117; ++x)
        rowDiffers = rowDiffers || plain.pixel(x, 3) != focused.pixel(x, 3);
    QCOMPARE(rowDiffers, rectangle);
    if (rectangle) {
        QCOMPARE(focused.pixel(3, 3), ~plain.pixel(3, 3) | 0xFF000000u);
        for (int x = 0; x < 120; ++x)
            QCOMPARE(focused.pixel(x, 2), plain.pixel(x, 2));
    }
    // A bold caption covers more pixels than the regular one.
    auto ink = [](const QImage &a, const QImage &reference) {
        int n = 0;
        for (int y = 6; y < 34; ++y)
            for (int x = 6; x < 114; ++x)
                n += a.pixel(x, y) != reference.pixel(x, y);
        return n;
    };
    const int changed = ink(focused, plain);
    if (bold)
        QVERIFY(changed > 20);
    if (!bold && !rectangle)
        QCOMPARE(changed, 0);
    // Focus leaves no trace: once it has gone, the button paints as it did before it came,
    // glyph or not (the bold caption of the focus is not carried into a later paint).
    other->setFocus();
    QVERIFY(!b->hasFocus());
    QCOMPARE(shot(b), plain);
    if (glyph) {
        b->Glyph()->clear();
        auto *fresh = new TzynButton(&form);
        fresh->setBounds(10, 60, 120, 40);
        fresh->setUIStyle(S(style));
        fresh->setCaption(QStringLiteral("Button"));
        fresh->Font()->setHeight(-16);
        fresh->setTabStop(tabStop);
        fresh->show();
        QCOMPARE(shot(b), shot(fresh));
    }
}

void tst_Buttons::dialogKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("defaultClicks");
    QTest::addColumn<int>("cancelClicks");
    QTest::newRow("Enter") << int(Qt::Key_Return) << 0 << 1 << 0;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 1 << 0;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << 0 << 0 << 1;
    QTest::newRow("Shift+Enter") << int(Qt::Key_Return) << int(Qt::ShiftModifier) << 0 << 0;
    QTest::newRow("Ctrl+Enter") << int(Qt::Key_Return) << int(Qt::ControlModifier) << 0 << 0;
    QTest::newRow("Alt+Escape") << int(Qt::Key_Escape) << int(Qt::AltModifier) << 0 << 0;
    QTest::newRow("Space") << int(Qt::Key_Space) << 0 << 0 << 0;
}

void tst_Buttons::dialogKeys()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, defaultClicks);
    QFETCH(int, cancelClicks);
    QWidget form;
    auto *field = new QWidget(&form); // takes the focus and leaves every key to the form
    field->setFocusPolicy(Qt::StrongFocus);
    auto *ok = new TzynButton(&form);
    ok->setDefault(true);
    auto *cancel = new TzynButton(&form);
    cancel->setCancel(true);
    auto *plain = new TzynButton(&form);
    QSignalSpy okClicks(ok, &TControl::OnClick);
    QSignalSpy cancelSpy(cancel, &TControl::OnClick);
    QSignalSpy plainClicks(plain, &TControl::OnClick);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    field->setFocus();
    QTest::keyClick(field, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(okClicks.count(), defaultClicks);
    QCOMPARE(cancelSpy.count(), cancelClicks);
    QCOMPARE(plainClicks.count(), 0);
    if (defaultClicks)
        QVERIFY(ok->hasFocus());
}

void tst_Buttons::accelerators_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("clicks");
    QTest::newRow("Alt+O") << "&Open" << int(Qt::Key_O) << int(Qt::AltModifier) << true << 1;
    QTest::newRow("plain o") << "&Open" << int(Qt::Key_O) << 0 << true << 1;
    QTest::newRow("middle") << "Sa&ve" << int(Qt::Key_V) << int(Qt::AltModifier) << true << 1;
    QTest::newRow("other letter") << "&Open" << int(Qt::Key_P) << int(Qt::AltModifier) << true << 0;
    QTest::newRow("ampersand pair")
        << "&&Open" << int(Qt::Key_O) << int(Qt::AltModifier) << true << 0;
    QTest::newRow("disabled") << "&Open" << int(Qt::Key_O) << int(Qt::AltModifier) << false << 0;
}

void tst_Buttons::accelerators()
{
    QFETCH(QString, caption);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, enabled);
    QFETCH(int, clicks);
    QWidget form;
    auto *field = new QWidget(&form);
    field->setFocusPolicy(Qt::StrongFocus);
    auto *b = new TzynButton(&form);
    b->setCaption(caption);
    b->setEnabled(enabled);
    QSignalSpy spy(b, &TControl::OnClick);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    field->setFocus();
    QTest::keyClick(field, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(spy.count(), clicks);
    if (clicks)
        QVERIFY(b->hasFocus());
}

void tst_Buttons::fallbackPicture()
{
    QWidget form;
    auto *b = new TzynButton(&form);
    b->setPicNormalResName(QStringLiteral("NO_SUCH_PICTURE"));
    QCOMPARE(b->UIStyle(), S::Custom);
    b->setAutoSize(true);
    QCOMPARE(b->size(), QSize(74, 21));

    // Drawn unscaled at the top-left corner over the control's colour.
    b->setAutoSize(false);
    b->setBounds(0, 0, 100, 40);
    b->setColor(Colors::clRed);
    const QImage image = shot(b);
    QCOMPARE(image.pixel(73, 20), qRgb(0xFF, 0xFF, 0xFF));
    QCOMPARE(image.pixel(74, 20), qRgb(0xFF, 0, 0));
    QCOMPARE(image.pixel(10, 21), qRgb(0xFF, 0, 0));

    // A module other than the program's has none of its pictures.
    b->setPicNormalResName(QStringLiteral("BLUEGLASS_BUTTON_NORMAL"));
    const QSize real = ThemeImage(QStringLiteral("BLUEGLASS_BUTTON_NORMAL")).size();
    b->setAutoSize(true);
    QCOMPARE(b->size(), real);
    b->setResHandle(0x400000);
    b->setAutoSize(true);
    QCOMPARE(b->size(), QSize(74, 21));
}

void tst_Buttons::picNamesTurnStyleToCustom()
{
    QWidget form;
    auto *b = new TzynButton(&form);
    QCOMPARE(b->UIStyle(), S::DeepBlue); // no skinned form frame around it
    QVERIFY(!b->Transparent());
    b->setUIStyle(S::BlueGlass);
    QVERIFY(b->Transparent());
    QVERIFY(b->PictureTransparent());
    QCOMPARE(b->PicNormalResName(), QString());
    QCOMPARE(b->PicMouseOnResName(), QString());
    QCOMPARE(b->ResHandle(), 0u);
    b->setPicMouseDownResName(QStringLiteral("MACOS_BUTTON_MOUSEDOWN"));
    QCOMPARE(b->UIStyle(), S::Custom);
    QVERIFY(!b->Transparent());
    QVERIFY(!b->AutoSize());
    // The style's names were stored: a Custom button shows them.
    QCOMPARE(b->PicNormalResName(), QStringLiteral("BLUEGLASS_BUTTON_NORMAL"));
    QCOMPARE(b->PicMouseDownResName(), QStringLiteral("MACOS_BUTTON_MOUSEDOWN"));
    QCOMPARE(b->size(), QSize(80, 27));
    // The image button keeps no style: Custom turns its AutoSize on.
    auto *image = new TzynImageButton(&form);
    QCOMPARE(image->UIStyle(), S::Custom);
    QVERIFY(image->AutoSize());
}

void tst_Buttons::modalResultGoesToTheForm()
{
    TForm form;
    auto *panel = new QWidget(&form);
    auto *b = new TzynButton(panel); // not a direct child: the window is the form
    b->setModalResult(2);
    send(b, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    send(b, QEvent::MouseButtonRelease, QPoint(5, 5), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(form.ModalResult(), 2);
    b->setModalResult(0);
    send(b, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    send(b, QEvent::MouseButtonRelease, QPoint(5, 5), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(form.ModalResult(), 0);
    // A release outside is no click.
    form.setModalResult(-1);
    send(b, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    send(b, QEvent::MouseButtonRelease, QPoint(500, 5), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(form.ModalResult(), -1);
    // A window that is no form is left alone.
    QWidget plain;
    auto *c = new TzynButton(&plain);
    send(c, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    send(c, QEvent::MouseButtonRelease, QPoint(5, 5), Qt::LeftButton, Qt::NoButton);
    QVERIFY(plain.dynamicPropertyNames().isEmpty());
}

void tst_Buttons::action()
{
    QWidget form;
    TImageList images;
    images.setWidth(16);
    images.setHeight(16);
    images.Add(makeGlyph(16, 16, qRgb(0xFF, 0, 0)));
    images.Add(makeGlyph(16, 16, qRgb(0, 0, 0xFF)));
    TCustomAction act;
    act.setCaption(QStringLiteral("Run"));
    act.setImages(&images);
    act.setImageIndex(1);
    QSignalSpy executed(&act, &TCustomAction::OnExecute);

    auto *b = new TzynButton(&form);
    b->setAction(&act);
    QCOMPARE(b->Caption(), QStringLiteral("Run"));
    QCOMPARE(b->Glyph()->width(), 16);
    QCOMPARE(b->Glyph()->graphic()->toImage().pixel(8, 8), qRgb(0, 0, 0xFF));
    // The glyph is taken only while it is empty; the caption follows every change.
    act.setImageIndex(0);
    act.setCaption(QStringLiteral("Go"));
    QCOMPARE(b->Caption(), QStringLiteral("Go"));
    QCOMPARE(b->Glyph()->graphic()->toImage().pixel(8, 8), qRgb(0, 0, 0xFF));
    // An index out of range gives no glyph.
    auto *c = new TzynButton(&form);
    act.setImageIndex(2);
    c->setAction(&act);
    QVERIFY(c->Glyph()->isEmpty());

    send(c, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    send(c, QEvent::MouseButtonRelease, QPoint(5, 5), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(executed.count(), 1);
    act.setEnabled(false);
    QVERIFY(!c->isEnabled());
}

void tst_Buttons::imageButton()
{
    QWidget form;
    auto *b = new TzynImageButton(&form);
    // Nothing at all to draw: the background alone.
    b->setBounds(0, 0, 40, 20);
    b->setColor(Colors::clLime);
    QCOMPARE(shot(b).pixel(5, 5), qRgb(0, 0xFF, 0));

    TPicture normal;
    normal.setGraphic(std::make_unique<TBitmap>(makeGlyph(30, 10, qRgb(0xFF, 0, 0))));
    b->setPicNormal(&normal);
    QCOMPARE(b->size(), QSize(30, 10)); // AutoSize is on
    b->setAutoSize(false);
    b->setBounds(0, 0, 60, 20);
    QCOMPARE(shot(b).pixel(5, 5), qRgb(0xFF, 0, 0));
    QCOMPARE(shot(b).pixel(40, 5), qRgb(0, 0xFF, 0));

    // Missing state pictures fall back to the normal one; a given one is used.
    TPicture down;
    down.setGraphic(std::make_unique<TBitmap>(makeGlyph(30, 10, qRgb(0, 0, 0xFF))));
    b->setPicMouseDown(&down);
    enter(b);
    QCOMPARE(shot(b).pixel(5, 5), qRgb(0xFF, 0, 0));
    send(b, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(shot(b).pixel(5, 5), qRgb(0, 0, 0xFF));
    send(b, QEvent::MouseButtonRelease, QPoint(5, 5), Qt::LeftButton, Qt::NoButton);
    b->setEnabled(false);
    QCOMPARE(shot(b).pixel(5, 5), qRgb(0xFF, 0, 0)); // not greyed
    b->setEnabled(true);

    // Stretched over the button; the key colour lets the background through when transparent.
    b->setStretch(true);
    QCOMPARE(shot(b).pixel(50, 15), qRgb(0xFF, 0, 0));
    QCOMPARE(shot(b).pixel(0, 0), qRgb(0, 0, 0));
    b->setTransparent(true);
    QVERIFY(b->PictureTransparent());

    // A picture that is not a bitmap: the blank fallback, drawn unscaled.
    b->setStretch(false);
    b->setTransparent(false);
    TPicture odd;
    odd.setGraphic(std::make_unique<NotABitmap>());
    b->setPicNormal(&odd);
    const QImage image = shot(b);
    QCOMPARE(image.pixel(5, 5), qRgb(0xFF, 0xFF, 0xFF));
    QCOMPARE(image.pixel(59, 19), qRgb(0xFF, 0xFF, 0xFF));
}

void tst_Buttons::checkBoxDefaults()
{
    QWidget form;
    auto *box = new TzynCheckBox(&form);
    QCOMPARE(box->Caption(), QStringLiteral("zynCheckBox"));
    QCOMPARE(box->size(), QSize(93, 17));
    QVERIFY(!box->Checked());
    QCOMPARE(box->UIStyle(), S::DeepBlue);
    QVERIFY(box->ParentColor());
    QVERIFY(!box->PictureTransparent());
    QVERIFY(!box->Transparent()); // DeepBlue
    const QImage unchecked
        = ThemeImage(GetThemeResName(S::DeepBlue, TzynThemeEntry::CheckBoxUncheckedImage));
    QCOMPARE(box->PictureWidth(), unchecked.width());
    QCOMPARE(box->PictureHeight(), unchecked.height());

    auto *radio = new TzynRadioButton(&form);
    QCOMPARE(radio->Caption(), QStringLiteral("zynRadioButton"));
    QCOMPARE(radio->size(), QSize(93, 17));
    QVERIFY(radio->PictureTransparent());
    QCOMPARE(radio->PicNormalResName(),
        GetThemeResName(S::DeepBlue, TzynThemeEntry::RadioUncheckedImage));
    // Measured with the check box picture of its style.
    QCOMPARE(radio->PictureWidth(), unchecked.width());

    // Transparency per style, unchanged by Custom.
    box->setUIStyle(S::MacOS);
    QVERIFY(box->Transparent());
    QVERIFY(!box->PictureTransparent());
    box->setUIStyle(S::Custom);
    QVERIFY(box->Transparent());
    QCOMPARE(box->PicNormalResName(), QString());
    QCOMPARE(box->PictureWidth(), 0);
    QCOMPARE(box->PictureHeight(), 0);
    // With AutoSize it fits the caption alone.
    box->setAutoSize(true);
    const int tw = QFontMetrics(box->Font()->toQFont()).horizontalAdvance(box->Caption());
    QCOMPARE(box->size(), QSize(tw + 8, 11 + 2 + 4));
}

void tst_Buttons::checkBoxToggleAndPictures()
{
    using E = TzynThemeEntry;
    QWidget form;
    auto *box = new TzynCheckBox(&form);
    box->setUIStyle(S::WinXP);
    QCOMPARE(box->PicNormalResName(), GetThemeResName(S::WinXP, E::CheckBoxUncheckedImage));
    QCOMPARE(box->PicMouseOnResName(), GetThemeResName(S::WinXP, E::CheckBoxMouseOnUncheckedImage));
    send(box, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    send(box, QEvent::MouseButtonRelease, QPoint(5, 5), Qt::LeftButton, Qt::NoButton);
    QVERIFY(box->Checked());
    QCOMPARE(box->PicNormalResName(), GetThemeResName(S::WinXP, E::CheckBoxCheckedImage));
    QCOMPARE(
        box->PicMouseDownResName(), GetThemeResName(S::WinXP, E::CheckBoxMouseDownCheckedImage));
    box->setEnabled(false);
    QCOMPARE(box->PicNormalResName(), GetThemeResName(S::WinXP, E::CheckBoxDisabledCheckedImage));
    box->setEnabled(true);
    send(box, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    send(box, QEvent::MouseButtonRelease, QPoint(5, 5), Qt::LeftButton, Qt::NoButton);
    QVERIFY(!box->Checked());

    // The indicator is drawn unscaled at x = 1, centred vertically by its measured height.
    const QImage picture = ThemeImage(GetThemeResName(S::WinXP, E::CheckBoxUncheckedImage));
    box->setBounds(0, 0, 120, 30);
    const QImage image = shot(box);
    const int y = (30 - picture.height()) / 2;
    QCOMPARE(image.pixel(1 + picture.width() / 2, y + picture.height() / 2),
        picture.pixel(picture.width() / 2, picture.height() / 2));
}

void tst_Buttons::radioGroups()
{
    QWidget form;
    QWidget other(&form);
    auto *a = new TzynRadioButton(&form);
    auto *b = new TzynRadioButton(&form);
    auto *c = new TzynRadioButton(&form);
    c->setGroupIndex(1);
    auto *elsewhere = new TzynRadioButton(&other);
    elsewhere->setChecked(true);
    a->setChecked(true);
    c->setChecked(true);
    QVERIFY(a->Checked());
    send(b, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    send(b, QEvent::MouseButtonRelease, QPoint(5, 5), Qt::LeftButton, Qt::NoButton);
    QVERIFY(b->Checked());
    QVERIFY(!a->Checked());
    QVERIFY(c->Checked()); // another group
    QVERIFY(elsewhere->Checked()); // another parent
    QCOMPARE(
        a->PicNormalResName(), GetThemeResName(S::DeepBlue, TzynThemeEntry::RadioUncheckedImage));
    QCOMPARE(
        b->PicNormalResName(), GetThemeResName(S::DeepBlue, TzynThemeEntry::RadioCheckedImage));
    // A click on a checked radio button leaves it checked.
    send(b, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    send(b, QEvent::MouseButtonRelease, QPoint(5, 5), Qt::LeftButton, Qt::NoButton);
    QVERIFY(b->Checked());
}

QTEST_MAIN(tst_Buttons)
#include "tst_buttons.moc"
