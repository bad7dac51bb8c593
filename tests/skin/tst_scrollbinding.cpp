// Binding skinned scroll bars to a Qt list and a plain-text memo: placing, mirroring the native
// bars, scrolling from the skinned bar without echo, releasing and forgetting bars.

#include "TzynScrollBinding.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QtTest>

#include <memory>

namespace {

// A skinned scroll bar as far as a binding sees it: it records what it is told, and a user
// move sets its position and runs its OnChange as the real bar does.
class FakeBar : public QWidget, public TzynBindableScrollBar {
public:
    explicit FakeBar(QWidget *parent, QSize size)
        : QWidget(parent)
    {
        resize(size);
        show();
    }

    QWidget *BarWidget() override { return this; }
    void setVertical(bool value) override { vertical = value; }
    void setMin(int value) override { min = value; }
    void setMax(int value) override { max = value; }
    int Position() const override { return position; }
    void setPosition(int value) override
    {
        if (position == value)
            return;
        position = value;
        if (onChange)
            onChange();
    }
    void setLineButton(int length) override { lineButton = length; }
    void setSliderVisible(bool value) override { sliderVisible = value; }
    void setOnChange(std::function<void()> handler) override { onChange = std::move(handler); }

    void userMoves(int value) { setPosition(value); }

    bool vertical = false;
    int min = 0, max = 100, position = 0, lineButton = 0;
    bool sliderVisible = true;
    std::function<void()> onChange;
};

} // namespace

class tst_ScrollBinding : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> form;
    QListWidget *list = nullptr;

    void fill(int count)
    {
        for (int i = list->count(); i < count; ++i)
            list->addItem(QStringLiteral("item %1").arg(i));
        QApplication::processEvents();
    }

private Q_SLOTS:
    void init()
    {
        form = std::make_unique<QWidget>();
        form->resize(400, 300);
        list = new QListWidget(form.get());
        list->setGeometry(20, 30, 150, 120);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup() { form.reset(); }

    void listBarIsPlacedAndFollowsTheList();
    void barMirrorsTheNativeBar();
    void movingTheBarScrollsWithoutEcho();
    void releasedAndDestroyedBars();
    void listBarFollowsTheListsVisibilityAndFocus();
    void memoPlacesTwoBarsAndKeepsThemVisible();
};

void tst_ScrollBinding::listBarIsPlacedAndFollowsTheList()
{
    auto *bar = new FakeBar(form.get(), QSize(16, 50));
    TzynScrollBinding binding(list, TzynScrollBinding::ListScheme());
    binding.setVScrollBar(bar);
    QVERIFY(bar->vertical);
    // Over the right edge inside the frame: left + width - bar width - 2, top + 1, height - 2.
    QCOMPARE(bar->geometry(), QRect(20 + 150 - 16 - 2, 31, 16, 118));
    list->setGeometry(40, 10, 200, 180);
    QCOMPARE(bar->geometry(), QRect(40 + 200 - 16 - 2, 11, 16, 178));
    // Brought to the front of its siblings.
    QCOMPARE(form->children().last(), bar);
}

void tst_ScrollBinding::listBarFollowsTheListsVisibilityAndFocus()
{
    auto *bar = new FakeBar(form.get(), QSize(16, 50));
    bar->setFocusPolicy(Qt::StrongFocus);
    TzynScrollBinding binding(list, TzynScrollBinding::ListScheme());
    binding.setVScrollBar(bar);
    // The view keeps the keyboard.
    QCOMPARE(bar->focusPolicy(), Qt::NoFocus);
    fill(60);
    QVERIFY(!bar->isHidden());
    list->hide();
    QVERIFY(bar->isHidden());
    list->show();
    QVERIFY(!bar->isHidden());
    // Hidden by the binding, shown again and given its focus back when released.
    list->hide();
    binding.setVScrollBar(nullptr);
    QVERIFY(!bar->isHidden());
    QCOMPARE(bar->focusPolicy(), Qt::StrongFocus);
    QVERIFY(bar->sliderVisible);
}

void tst_ScrollBinding::barMirrorsTheNativeBar()
{
    auto *bar = new FakeBar(form.get(), QSize(16, 50));
    TzynScrollBinding binding(list, TzynScrollBinding::ListScheme());
    binding.setVScrollBar(bar);
    // Nothing to scroll: no skinned bar.
    fill(2);
    QVERIFY(bar->isHidden());
    QVERIFY(!bar->isEnabled());
    QCOMPARE(bar->lineButton, 0);
    // Enough items for the list's own bar: the skinned one shows, with the same thumb.
    fill(60);
    QScrollBar *own = list->verticalScrollBar();
    QVERIFY(own->maximum() > 0);
    QVERIFY(!bar->isHidden());
    QVERIFY(bar->isEnabled());
    QCOMPARE(bar->lineButton, NativeThumbLength(own));
    QCOMPARE(bar->max, own->maximum());
    QCOMPARE(bar->min, own->minimum());
    // Scrolling the list with keys moves the skinned bar.
    list->setFocus();
    list->setCurrentRow(0);
    QTest::keyClick(list, Qt::Key_End);
    QVERIFY(own->value() > 0);
    QCOMPARE(bar->position, own->value());
    // A disabled list disables the bar.
    list->setEnabled(false);
    QVERIFY(!bar->isEnabled());
}

void tst_ScrollBinding::movingTheBarScrollsWithoutEcho()
{
    auto *bar = new FakeBar(form.get(), QSize(16, 50));
    TzynScrollBinding binding(list, TzynScrollBinding::ListScheme());
    binding.setVScrollBar(bar);
    fill(60);
    QScrollBar *own = list->verticalScrollBar();
    QSignalSpy scrolled(own, &QScrollBar::valueChanged);
    bar->userMoves(7);
    QCOMPARE(own->value(), 7);
    // The list's change came back to the bar without going out again.
    QCOMPARE(scrolled.count(), 1);
    QCOMPARE(bar->position, 7);
    QVERIFY(!binding.Syncing());

    // The other way: the list scrolls, the bar follows, the list is not scrolled again.
    scrolled.clear();
    own->setValue(12);
    QCOMPARE(bar->position, 12);
    QCOMPARE(scrolled.count(), 1);
}

void tst_ScrollBinding::releasedAndDestroyedBars()
{
    auto *first = new FakeBar(form.get(), QSize(16, 50));
    auto *second = new FakeBar(form.get(), QSize(16, 50));
    TzynScrollBinding binding(list, TzynScrollBinding::ListScheme());
    fill(60);
    binding.setVScrollBar(first);
    QVERIFY(first->lineButton > 0);
    // Binding another releases the first: enabled, Max 100, LineButton 0, no longer bound.
    binding.setVScrollBar(second);
    QCOMPARE(binding.VScrollBar(), second);
    QVERIFY(first->isEnabled());
    QCOMPARE(first->max, 100);
    QCOMPARE(first->lineButton, 0);
    QVERIFY(!first->onChange);
    const int before = list->verticalScrollBar()->value();
    first->userMoves(9);
    QCOMPARE(list->verticalScrollBar()->value(), before);
    // Binding the same bar again changes nothing.
    second->max = 5;
    binding.setVScrollBar(second);
    QCOMPARE(second->max, 5);
    // A destroyed bar is forgotten and the list goes on scrolling.
    delete second;
    QCOMPARE(binding.VScrollBar(), nullptr);
    list->verticalScrollBar()->setValue(3);
    QCOMPARE(list->verticalScrollBar()->value(), 3);
    binding.setVScrollBar(nullptr);
    QCOMPARE(binding.VScrollBar(), nullptr);
}

void tst_ScrollBinding::memoPlacesTwoBarsAndKeepsThemVisible()
{
    auto *memo = new QPlainTextEdit(form.get());
    memo->setGeometry(200, 20, 180, 140);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->show();
    auto *vertical = new FakeBar(form.get(), QSize(16, 40));
    auto *horizontal = new FakeBar(form.get(), QSize(40, 15));
    TzynScrollBinding binding(memo, TzynScrollBinding::MemoScheme());

    // Only a vertical bar: the memo's own vertical bar is on, its horizontal one off.
    binding.setVScrollBar(vertical);
    QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(vertical->geometry(), QRect(200 + 180 - 16 - 2, 21, 16, 139));

    binding.setHScrollBar(horizontal);
    QVERIFY(!horizontal->vertical);
    QCOMPARE(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    // The two meet at a corner square without covering each other.
    QCOMPARE(horizontal->geometry(), QRect(201, 20 + 140 - 15 - 2, 180 - 16 - 3, 15));
    QCOMPARE(vertical->geometry(), QRect(200 + 180 - 16 - 2, 21, 16, 140 - 15 - 3));
    auto *corner = form->findChild<QWidget *>(QStringLiteral("scrollCorner"));
    QVERIFY(corner);
    QCOMPARE(corner->geometry(), QRect(362, 143, 16, 15));
    QVERIFY(corner->isVisible());

    // A bar that takes another thickness (a style's pictures) is placed again at once, and the
    // other bar and the corner make room.
    vertical->resize(19, vertical->height());
    QCOMPARE(vertical->geometry(), QRect(200 + 180 - 19 - 2, 21, 19, 140 - 15 - 3));
    QCOMPARE(horizontal->geometry(), QRect(201, 143, 180 - 19 - 3, 15));
    QCOMPARE(corner->geometry(), QRect(359, 143, 19, 15));

    // The bars follow the memo: hidden with it, shown with it.
    memo->hide();
    QVERIFY(vertical->isHidden());
    QVERIFY(horizontal->isHidden());
    QVERIFY(corner->isHidden());
    memo->show();
    QVERIFY(!vertical->isHidden());
    QVERIFY(!horizontal->isHidden());
    QVERIFY(!corner->isHidden());

    // An empty memo has nothing to scroll: the bars stay, without sliders, disabled.
    QApplication::processEvents();
    QVERIFY(!vertical->isHidden());
    QVERIFY(!vertical->sliderVisible);
    QVERIFY(!vertical->isEnabled());
    QStringList lines;
    for (int i = 0; i < 80; ++i)
        lines << QStringLiteral("a rather long line of text number %1 that is wider").arg(i);
    memo->setPlainText(lines.join(QLatin1Char('\n')));
    QApplication::processEvents();
    QVERIFY(vertical->sliderVisible);
    QVERIFY(vertical->isEnabled());
    QVERIFY(horizontal->sliderVisible);
    QCOMPARE(vertical->max, memo->verticalScrollBar()->maximum());
    QCOMPARE(horizontal->max, memo->horizontalScrollBar()->maximum());
    horizontal->userMoves(30);
    QCOMPARE(memo->horizontalScrollBar()->value(), 30);

    // Unbinding both turns the memo's own bars off.
    binding.setVScrollBar(nullptr);
    binding.setHScrollBar(nullptr);
    QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

QTEST_MAIN(tst_ScrollBinding)
#include "tst_scrollbinding.moc"
