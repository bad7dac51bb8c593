// The list box, check list box, memo and edit with their skinned borders, and skinned scroll
// bars bound to the lists and the memo: hidden or thumbless while there is nothing to scroll,
// mirroring the native bars without echo, scrolling the view when moved, released on unbinding
// and forgotten when destroyed; the check list's marks; the style push into them.

#include "TzynCheckListBox.h"
#include "TzynEdit.h"
#include "TzynForm.h"
#include "TzynImageButton.h"
#include "TzynImagePanel.h"
#include "TzynListBox.h"
#include "TzynMemo.h"
#include "TzynScrollBar.h"
#include "TzynScrollTrackBar.h"
#include "TzynTrackBar.h"
#include "ZYNStylePropagation.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QWindow>
#include <QtTest>

#include <memory>

using S = TzynUIStyle;
using E = TzynThemeEntry;

namespace {

QImage shot(QWidget *widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QString lines(int count)
{
    QStringList text;
    for (int i = 0; i < count; ++i)
        text << QStringLiteral("line %1 of a memo long enough to scroll sideways as well").arg(i);
    return text.join(QLatin1Char('\n'));
}

} // namespace

class tst_BoundLists : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> form;
    TzynListBox *list = nullptr;
    TzynScrollBar *bar = nullptr;

    // Controls added to a form on the screen are shown, as the layout loader's are.
    template <class T> T *make()
    {
        auto *control = new T(form.get());
        control->show();
        return control;
    }

    void fill(int count)
    {
        for (int i = list->count(); i < count; ++i)
            list->Items()->Add(QStringLiteral("item %1").arg(i));
        QApplication::processEvents();
    }

private Q_SLOTS:
    void init()
    {
        form = std::make_unique<QWidget>();
        form->resize(500, 400);
        list = new TzynListBox(form.get());
        list->setGeometry(20, 30, 150, 120);
        bar = new TzynScrollBar(form.get());
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup() { form.reset(); }

    void listBoxBarIsPlacedOverTheRightEdge();
    void fewerItemsThanFitHideTheBar();
    void manyItemsShowTheBarWithTheNativeThumb();
    void movingTheBarScrollsTheListWithoutEcho();
    void scrollingTheListMovesTheBarWithoutEcho();
    void unbindingReleasesTheBar();
    void destroyingTheBoundBarLeavesTheListWorking();
    void listBoxBorderAndItems();

    void memoBindsItsNativeBarsWithTheSkinnedOnes();
    void memoBarsMeetAtACleanCornerInEveryStyle();
    void releasedBarKeepsItsThumbOnTheTrack();
    void memoThatFitsKeepsItsBarWithoutThumb();
    void movingTheMemoBarScrollsTheText();

    void checkListDrawsTheStyleMarks();
    void checkListMarksStandClearOfTheBorder();
    void checkListTogglesOnTheMarkAndSpace();
    void checkListIgnoresCustomAndFramesInOneLine();
    void checkListBindsAsTheListBox();

    void editDrawsTheFlatFrame();
    void stylePushReachesTheNewControls();
};

void tst_BoundLists::listBoxBarIsPlacedOverTheRightEdge()
{
    fill(200);
    list->setVScrollBar(bar);
    QCOMPARE(list->VScrollBar(), bar);
    QCOMPARE(bar->Orientation(), zynVertical);
    QCOMPARE(bar->geometry(), QRect(20 + 150 - bar->width() - 2, 31, bar->width(), 118));
    list->setGeometry(40, 50, 180, 200);
    const QRect placed(40 + 180 - bar->width() - 2, 51, bar->width(), 198);
    QCOMPARE(bar->geometry(), placed);
    // The bar's anchors keep the place it was given when the form is resized.
    form->resize(600, 450);
    QApplication::processEvents();
    QCOMPARE(bar->geometry(), placed);
    // Brought in front of the list.
    QCOMPARE(form->childAt(bar->geometry().center()) != list, true);
}

void tst_BoundLists::fewerItemsThanFitHideTheBar()
{
    fill(2);
    list->setVScrollBar(bar);
    QVERIFY(bar->isHidden());
    QVERIFY(!bar->isEnabled());
    QCOMPARE(bar->LineButton(), 0);
}

void tst_BoundLists::manyItemsShowTheBarWithTheNativeThumb()
{
    fill(2);
    list->setVScrollBar(bar);
    QVERIFY(bar->isHidden());
    fill(200);
    QTRY_VERIFY(!bar->isHidden());
    QScrollBar *native = list->verticalScrollBar();
    QVERIFY(bar->isEnabled());
    QCOMPARE(bar->Max(), native->maximum());
    QCOMPARE(bar->Min(), native->minimum());
    QCOMPARE(bar->Position(), native->value());
    QCOMPARE(bar->LineButton(), std::max(NativeThumbLength(native), TzynScrollBar::MinLineButton));
    QCOMPARE(bar->Track()->Slider()->height(), bar->LineButton());
}

void tst_BoundLists::movingTheBarScrollsTheListWithoutEcho()
{
    fill(200);
    list->setVScrollBar(bar);
    QScrollBar *native = list->verticalScrollBar();
    QSignalSpy nativeMoves(native, &QScrollBar::valueChanged);
    QSignalSpy barMoves(bar, &TzynScrollBar::OnChange);
    bar->setPosition(50);
    QCOMPARE(native->value(), 50);
    // The list's answer comes back to the bar as the same position: nothing moves again.
    QCOMPARE(nativeMoves.count(), 1);
    QCOMPARE(barMoves.count(), 1);
    QCOMPARE(bar->Position(), 50);
    // Dragging the thumb to the end of the track scrolls to the end.
    bar->setPosition(100000);
    QCOMPARE(native->value(), native->maximum());
    QCOMPARE(nativeMoves.count(), 2);
}

void tst_BoundLists::scrollingTheListMovesTheBarWithoutEcho()
{
    fill(200);
    list->setVScrollBar(bar);
    QScrollBar *native = list->verticalScrollBar();
    QSignalSpy nativeMoves(native, &QScrollBar::valueChanged);
    list->setFocus();
    list->setCurrentRow(0);
    QTest::keyClick(list, Qt::Key_End);
    QTRY_COMPARE(native->value(), native->maximum());
    QCOMPARE(bar->Position(), native->maximum());
    const int movesAfterKey = nativeMoves.count();
    QApplication::processEvents();
    QCOMPARE(nativeMoves.count(), movesAfterKey);

    QWheelEvent wheel(QPointF(20, 20), list->viewport()->mapToGlobal(QPointF(20, 20)), QPoint(),
        QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(list->viewport(), &wheel);
    QVERIFY(native->value() < native->maximum());
    QCOMPARE(bar->Position(), native->value());
}

void tst_BoundLists::unbindingReleasesTheBar()
{
    fill(200);
    list->setVScrollBar(bar);
    bar->setPosition(30);
    list->setVScrollBar(nullptr);
    QVERIFY(!list->VScrollBar());
    QVERIFY(bar->isEnabled());
    QCOMPARE(bar->Max(), 100);
    QCOMPARE(bar->LineButton(), 0);
    // No longer connected: moving it leaves the list where it was.
    bar->setPosition(80);
    QCOMPARE(list->verticalScrollBar()->value(), 30);
    list->verticalScrollBar()->setValue(0);
    QCOMPARE(bar->Position(), 80);

    // An unbound, hidden bar comes back enabled as well.
    list->clear();
    fill(2);
    list->setVScrollBar(bar);
    QVERIFY(!bar->isEnabled());
    list->setVScrollBar(nullptr);
    QVERIFY(bar->isEnabled());
}

void tst_BoundLists::destroyingTheBoundBarLeavesTheListWorking()
{
    fill(200);
    list->setVScrollBar(bar);
    delete bar;
    bar = nullptr;
    QVERIFY(!list->VScrollBar());
    fill(300);
    list->verticalScrollBar()->setValue(120);
    list->setGeometry(10, 10, 160, 130);
    QTest::keyClick(list, Qt::Key_Home);
    QCOMPARE(list->verticalScrollBar()->value(), 0);
    // A new bar can be bound after.
    auto *second = make<TzynScrollBar>();
    list->setVScrollBar(second);
    QVERIFY(second->isVisible());
}

void tst_BoundLists::listBoxBorderAndItems()
{
    // Without a frame on its window the border is black; the band is two pixels wide.
    QCOMPARE(list->BorderColor(), Colors::clBlack);
    QCOMPARE(list->BorderWidth(), 2);
    list->setBorderColor(Colors::clRed);
    list->Items()->setCommaText(QStringLiteral("one,\"two words\" three"));
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->Items()->Strings(1), QStringLiteral("two words"));
    QCOMPARE(list->Items()->CommaText(), QStringLiteral("one,\"two words\",three"));
    list->Items()->setText(QStringLiteral("a\nb\n"));
    QCOMPARE(list->Items()->Count(), 2);
    QApplication::processEvents();
    const QImage image = shot(list);
    QCOMPARE(image.pixel(0, 60), toQColor(Colors::clRed).rgb());
    QCOMPARE(image.pixel(149, 60), toQColor(Colors::clRed).rgb());
    QCOMPARE(image.pixel(1, 60), toQColor(list->Color()).rgb());
    list->setItemIndex(1);
    QCOMPARE(list->ItemIndex(), 1);
    list->setItemIndex(7);
    QCOMPARE(list->ItemIndex(), -1);
}

void tst_BoundLists::memoBindsItsNativeBarsWithTheSkinnedOnes()
{
    auto *memo = make<TzynMemo>();
    memo->setGeometry(200, 30, 200, 150);
    QCOMPARE(memo->ScrollBars(), Fw::ssNone);
    QCOMPARE(memo->Lines()->Count(), 0);
    memo->setVScrollBar(bar);
    QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(memo->ScrollBars(), Fw::ssVertical);
    QCOMPARE(bar->geometry(), QRect(200 + 200 - bar->width() - 2, 31, bar->width(), 149));
    memo->setVScrollBar(nullptr);
    QCOMPARE(memo->ScrollBars(), Fw::ssNone);
}

void tst_BoundLists::memoBarsMeetAtACleanCornerInEveryStyle()
{
    auto *memo = make<TzynMemo>();
    memo->setGeometry(200, 30, 200, 150);
    memo->setWordWrap(false);
    memo->setPlainText(lines(100));
    auto *horizontal = make<TzynScrollBar>();
    memo->setHScrollBar(horizontal);
    memo->setVScrollBar(bar);
    QCOMPARE(memo->ScrollBars(), Fw::ssBoth);
    QCOMPARE(horizontal->Orientation(), zynHorizontal);
    auto *corner = form->findChild<QWidget *>(QStringLiteral("scrollCorner"));
    QVERIFY(corner);
    for (const S style : { S::WinXP, S::MacOS, S::DeepBlue, S::Protein, S::BlueGlass, S::WinXP }) {
        // The bars take the style one after the other, changing their thickness on the way.
        horizontal->setUIStyle(style);
        bar->setUIStyle(style);
        QApplication::processEvents();
        const QRect h = horizontal->geometry();
        const QRect v = bar->geometry();
        QCOMPARE(h.left(), 201);
        QCOMPARE(v.top(), 31);
        // Flush with the memo's inner edges: no strip of its own bars beside them.
        QCOMPARE(v.x() + v.width(), 200 + 200 - 2);
        QCOMPARE(h.y() + h.height(), 30 + 150 - 2);
        // Neither covers the other; the corner square fills the rest in the bars' colour.
        QVERIFY(!h.intersects(v));
        QCOMPARE(h.x() + h.width(), v.x());
        QCOMPARE(v.y() + v.height(), h.y());
        QCOMPARE(corner->geometry(), QRect(v.x(), h.y(), v.width(), h.height()));
        QVERIFY(corner->isVisible());
        const QImage image = shot(form.get());
        const QRgb colour = toQColor(bar->Color()).rgb();
        for (int y = corner->y(); y < corner->y() + corner->height(); ++y)
            for (int x = corner->x(); x < corner->x() + corner->width(); ++x)
                QCOMPARE(image.pixel(x, y), colour);
    }
}

void tst_BoundLists::releasedBarKeepsItsThumbOnTheTrack()
{
    fill(300);
    list->setVScrollBar(bar);
    list->verticalScrollBar()->setValue(250);
    QCOMPARE(bar->Position(), 250);
    list->setVScrollBar(nullptr);
    // Max is 100 again: the position is brought into the range, the thumb onto the track.
    QCOMPARE(bar->Max(), 100);
    QCOMPARE(bar->Position(), 100);
    const TzynTrackBar::Geometry g = bar->Track()->geometryNow();
    QCOMPARE(bar->Track()->Slider()->y(), g.Travel());
    QCOMPARE(bar->focusPolicy(), Qt::StrongFocus);

    // A bar the memo showed without its thumb gets the thumb back.
    auto *memo = make<TzynMemo>();
    memo->setGeometry(200, 30, 200, 150);
    memo->setPlainText(QStringLiteral("short"));
    memo->setVScrollBar(bar);
    QApplication::processEvents();
    QVERIFY(bar->Track()->Slider()->isHidden());
    memo->setVScrollBar(nullptr);
    QVERIFY(!bar->Track()->Slider()->isHidden());
}

void tst_BoundLists::memoThatFitsKeepsItsBarWithoutThumb()
{
    auto *memo = make<TzynMemo>();
    memo->setGeometry(200, 30, 200, 150);
    memo->setPlainText(QStringLiteral("short"));
    memo->setVScrollBar(bar);
    QApplication::processEvents();
    QVERIFY(bar->isVisible());
    QVERIFY(!bar->isEnabled());
    QVERIFY(bar->Track()->Slider()->isHidden());
    memo->setPlainText(lines(200));
    QTRY_VERIFY(bar->isEnabled());
    QVERIFY(!bar->Track()->Slider()->isHidden());
    QCOMPARE(bar->Max(), memo->verticalScrollBar()->maximum());
}

void tst_BoundLists::movingTheMemoBarScrollsTheText()
{
    auto *memo = make<TzynMemo>();
    memo->setGeometry(200, 30, 200, 150);
    memo->setWordWrap(false);
    memo->setPlainText(lines(200));
    auto *horizontal = make<TzynScrollBar>();
    memo->setVScrollBar(bar);
    memo->setHScrollBar(horizontal);
    QTRY_VERIFY(bar->isEnabled() && horizontal->isEnabled());
    bar->setPosition(120);
    QCOMPARE(memo->verticalScrollBar()->value(), 120);
    horizontal->setPosition(40);
    QCOMPARE(memo->horizontalScrollBar()->value(), 40);
    // Going to the end by the keyboard scrolls the memo, and the bar follows.
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_End, Qt::ControlModifier);
    QScrollBar *native = memo->verticalScrollBar();
    // The caret's line comes to the bottom: near the end, not necessarily at the maximum.
    QTRY_VERIFY(native->value() > 180);
    QCOMPARE(bar->Position(), native->value());
    QCOMPARE(bar->Max(), native->maximum());
}

void tst_BoundLists::checkListDrawsTheStyleMarks()
{
    auto *checks = make<TzynCheckListBox>();
    checks->setGeometry(200, 200, 150, 100);
    checks->setUIStyle(S::WinXP);
    checks->Items()->setCommaText(QStringLiteral("same,same"));
    checks->setChecked(1, true);
    QApplication::processEvents();
    const QRect row0 = checks->visualItemRect(checks->item(0));
    const QRect row1 = checks->visualItemRect(checks->item(1));
    const QImage image = checks->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QPoint at0 = checks->MarkOrigin(row0);
    const QPoint at1 = checks->MarkOrigin(row1);
    // Two pixels in (a margin from the list's border; the mark area is 14 wide).
    QCOMPARE(at0.x(), TzynCheckListBox::MarkLeft);
    QCOMPARE(at0.x(), 2);
    QCOMPARE(image.copy(QRect(at0, QSize(11, 11))), ThemeImage("WINXP_CHECKLIST_UNCHECK"));
    QCOMPARE(image.copy(QRect(at1, QSize(11, 11))), ThemeImage("WINXP_CHECKLIST_CHECK"));
    // The column left of the mark is the list's colour.
    QCOMPARE(image.pixel(0, at0.y() + 5), toQColor(checks->Color()).rgb());
    // Qt's own indicator is not drawn as well: a checked row's text stands where an unchecked
    // one's does.
    const int textLeft = TzynCheckListBox::MarkAreaWidth;
    QCOMPARE(image.copy(textLeft, row1.top(), row1.width() - textLeft, row1.height()),
        image.copy(textLeft, row0.top(), row0.width() - textLeft, row0.height()));
    checks->setEnabled(false);
    QCOMPARE(checks->MarkPictureName(true), QStringLiteral("WINXP_CHECKLIST_DISABLE_CHECK"));
    QCOMPARE(checks->MarkPictureName(false), QStringLiteral("WINXP_CHECKLIST_DISABLE_UNCHECK"));
}

// In the styles whose marks are dark boxes, the box keeps a margin of the list's colour from
// the border line, and every row has air above and below its mark.
void tst_BoundLists::checkListMarksStandClearOfTheBorder()
{
    auto *checks = make<TzynCheckListBox>();
    checks->setGeometry(200, 200, 150, 100);
    checks->Items()->setCommaText(QStringLiteral("alpha,beta,gamma"));
    checks->setChecked(1, true);
    for (const S style : { S::DeepBlue, S::Protein, S::BlueGlass, S::MacOS, S::WinXP }) {
        checks->setUIStyle(style);
        QApplication::processEvents();
        const QImage image = shot(checks);
        const QRgb listColour = toQColor(checks->Color()).rgb();
        const QRgb border = toQColor(checks->BorderColor()).rgb();
        const QPoint viewport = checks->viewport()->mapTo(checks, QPoint(0, 0));
        for (int i = 0; i < checks->count(); ++i) {
            const QRect row = checks->visualItemRect(checks->item(i));
            QVERIFY2(row.height() >= TzynCheckListBox::MarkSize + 2 * TzynCheckListBox::MarkAir,
                qPrintable(QStringLiteral("row %1 is %2 high").arg(i).arg(row.height())));
            const QPoint mark = checks->MarkOrigin(row) + viewport;
            QVERIFY(mark.y() - (row.top() + viewport.y()) >= TzynCheckListBox::MarkAir);
            QVERIFY(row.bottom() + viewport.y() - (mark.y() + TzynCheckListBox::MarkSize - 1)
                >= TzynCheckListBox::MarkAir - 1);
            // Across the mark's rows: the border line, then at least three columns of the list's
            // colour before the first pixel of the mark.
            for (int y = mark.y(); y < mark.y() + TzynCheckListBox::MarkSize; ++y) {
                QCOMPARE(image.pixel(0, y), border);
                int firstInk = 1;
                while (firstInk < 20 && image.pixel(firstInk, y) == listColour)
                    ++firstInk;
                QVERIFY2(firstInk >= 4,
                    qPrintable(QStringLiteral("%1: row %2 inks x=%3 at y=%4")
                                   .arg(ThemeStyleName(style))
                                   .arg(i)
                                   .arg(firstInk)
                                   .arg(y)));
            }
        }
    }
}

void tst_BoundLists::checkListTogglesOnTheMarkAndSpace()
{
    auto *checks = make<TzynCheckListBox>();
    checks->setGeometry(200, 200, 150, 100);
    checks->Items()->setCommaText(QStringLiteral("alpha,beta"));
    QApplication::processEvents();
    QSignalSpy clicks(checks, &TzynCheckListBox::OnClickCheck);
    const QRect row1 = checks->visualItemRect(checks->item(1));
    QTest::mouseClick(checks->viewport(), Qt::LeftButton, {}, QPoint(5, row1.center().y()));
    QVERIFY(checks->Checked(1));
    QCOMPARE(clicks.count(), 1);
    // A click on the text selects without toggling.
    QTest::mouseClick(checks->viewport(), Qt::LeftButton, {}, QPoint(60, row1.center().y()));
    QVERIFY(checks->Checked(1));
    QCOMPARE(checks->currentRow(), 1);
    QTest::keyClick(checks, Qt::Key_Space);
    QVERIFY(!checks->Checked(1));
    QCOMPARE(clicks.count(), 2);
}

void tst_BoundLists::checkListIgnoresCustomAndFramesInOneLine()
{
    auto *checks = make<TzynCheckListBox>();
    checks->setGeometry(200, 200, 150, 100);
    QCOMPARE(checks->UIStyle(), S::DeepBlue);
    checks->setUIStyle(S::MacOS);
    QCOMPARE(checks->BorderColor(), GetThemeColor(S::MacOS, E::ControlBorderColor));
    checks->setUIStyle(S::Custom);
    QCOMPARE(checks->UIStyle(), S::MacOS);
    checks->setBorderWidth(5);
    QCOMPARE(checks->BorderWidth(), 1);
    checks->setBorderStyle(Fw::bsNone);
    QCOMPARE(checks->BorderStyle(), Fw::bsSingle);
    QApplication::processEvents();
    const QImage image = shot(checks);
    QCOMPARE(image.pixel(0, 50), toQColor(checks->BorderColor()).rgb());
    QCOMPARE(image.pixel(149, 50), toQColor(checks->BorderColor()).rgb());
}

void tst_BoundLists::checkListBindsAsTheListBox()
{
    auto *checks = make<TzynCheckListBox>();
    checks->setGeometry(200, 200, 150, 100);
    checks->setVScrollBar(bar);
    QVERIFY(bar->isHidden());
    for (int i = 0; i < 100; ++i)
        checks->Items()->Add(QStringLiteral("entry %1").arg(i));
    QTRY_VERIFY(!bar->isHidden());
    QCOMPARE(bar->geometry(), QRect(200 + 150 - bar->width() - 2, 201, bar->width(), 98));
    bar->setPosition(20);
    QCOMPARE(checks->verticalScrollBar()->value(), 20);
}

void tst_BoundLists::editDrawsTheFlatFrame()
{
    auto *edit = make<TzynEdit>();
    edit->setGeometry(200, 300, 120, 24);
    edit->setBorderColor(Colors::clRed);
    edit->setColor(Colors::clWhite);
    edit->setText(QStringLiteral("text"));
    QSignalSpy changes(edit, &TzynEdit::OnChange);
    QTest::keyClicks(edit, QStringLiteral("ab"));
    QCOMPARE(changes.count(), 2);
    const QImage image = shot(edit);
    QCOMPARE(image.pixel(0, 10), toQColor(Colors::clRed).rgb());
    QCOMPARE(image.pixel(119, 10), toQColor(Colors::clRed).rgb());
    QCOMPARE(image.pixel(60, 23), toQColor(Colors::clRed).rgb());
    QCOMPARE(image.pixel(1, 10), toQColor(Colors::clWhite).rgb());
    edit->setPasswordChar(QStringLiteral("*"));
    QCOMPARE(edit->echoMode(), QLineEdit::Password);
    edit->setMaxLength(3);
    QCOMPARE(edit->maxLength(), 3);
}

void tst_BoundLists::stylePushReachesTheNewControls()
{
    QWidget frame;
    auto *listBox = new TzynListBox(&frame);
    auto *memo = new TzynMemo(&frame);
    auto *edit = new TzynEdit(&frame);
    auto *checks = new TzynCheckListBox(&frame);
    auto *track = new TzynTrackBar(&frame);
    auto *scroll = new TzynScrollBar(&frame);
    ApplyUIStyleToChildren(&frame, S::WinXP);
    const TColor border = GetThemeColor(S::WinXP, E::ControlBorderColor);
    QCOMPARE(listBox->BorderColor(), border);
    QCOMPARE(memo->BorderColor(), border);
    QCOMPARE(edit->BorderColor(), border);
    QCOMPARE(checks->UIStyle(), S::WinXP);
    QCOMPARE(checks->BorderColor(), border);
    QCOMPARE(track->UIStyle(), S::WinXP);
    QCOMPARE(scroll->UIStyle(), S::WinXP);
    QCOMPARE(scroll->Color(), GetThemeColor(S::WinXP, E::ScrollBarColor));
    // Track bar and scroll bar in Custom follow as well: their rows assign the style outright.
    track->setUIStyle(S::Custom);
    ApplyUIStyleToChildren(&frame, S::Protein);
    QCOMPARE(track->UIStyle(), S::Protein);
}

QTEST_MAIN(tst_BoundLists)
#include "tst_boundlists.moc"
