// Hints: a control's Hint shows as a tool tip where the pointer rests, on every registered
// skinned class and on whatever part of it is under the pointer, while ShowHint is on (its own
// or its parent's), and not while it is off; the title bar's buttons and tool buttons too.

#include "SkinClasses.h"
#include "TControlBase.h"
#include "TToolButton.h"
#include "TzynForm.h"
#include "TzynTitleBar.h"
#include "TzynTitleBarButton.h"
#include "TzynTitleBarButtons.h"
#include "TzynToolBar.h"

#include <QToolTip>
#include <QtTest>

namespace {

// Asks for the tool tip at a point of the window as Qt does: at the deepest widget there,
// passed up the parents until one takes it. Returns the text shown, empty for none.
QString toolTipAt(QWidget *window, const QPoint &windowPos)
{
    // A tip fades out a moment after it is hidden: wait until it is gone.
    QToolTip::hideText();
    if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 5000))
        return QStringLiteral("(an earlier tip stays)");
    QWidget *target = window->childAt(windowPos);
    if (!target)
        target = window;
    const QPoint local = target->mapFrom(window, windowPos);
    QHelpEvent help(QEvent::ToolTip, local, target->mapToGlobal(local));
    QApplication::sendEvent(target, &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

bool setHint(QWidget *control, const QString &hint, bool show)
{
    return control->setProperty("Hint", hint) && control->setProperty("ShowHint", show);
}

} // namespace

class tst_Hints : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyClassShowsItsHint_data();
    void everyClassShowsItsHint();
    void toolButtons();
    void titleBarButtons();
};

void tst_Hints::everyClassShowsItsHint_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < skinClasses().size(); ++i) {
        if (qstrcmp(skinClasses()[i].name(), "TzynForm") != 0)
            QTest::addRow("%s", skinClasses()[i].name()) << i;
    }
}

void tst_Hints::everyClassShowsItsHint()
{
    QFETCH(int, index);
    QWidget window;
    window.resize(400, 300);
    QWidget *control = skinClasses()[index].create(&window);
    control->setGeometry(20, 20, 200, 150);
    QVERIFY(setHint(control, QStringLiteral("the hint"), true));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // Wherever on the control the pointer rests, over whichever of its parts (some classes
    // keep a size of their own).
    const QRect area = control->geometry();
    QVERIFY(!area.isEmpty());
    for (const QPoint &at :
        { area.topLeft() + QPoint(3, 3), area.center(), area.bottomRight() - QPoint(3, 3) })
        QCOMPARE(toolTipAt(&window, at), QStringLiteral("the hint"));
    control->setProperty("ShowHint", false);
    QCOMPARE(toolTipAt(&window, area.center()), QString());
    QToolTip::hideText();
}

void tst_Hints::toolButtons()
{
    QWidget window;
    window.resize(300, 100);
    auto *bar = new TzynToolBar(&window);
    bar->setGeometry(0, 0, 300, 30);
    auto *button = new TToolButton(bar);
    button->setCaption(QStringLiteral("Find"));
    button->setHint(QStringLiteral("Find a word"));
    bar->setShowHint(true);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint centre = button->mapTo(&window, button->rect().center());
    QCOMPARE(toolTipAt(&window, centre), QStringLiteral("Find a word"));
    QToolTip::hideText();
}

void tst_Hints::titleBarButtons()
{
    QWidget window;
    window.resize(500, 300);
    auto *frame = new TzynForm(&window);
    frame->setGeometry(0, 0, 500, 300);
    frame->setShowHint(true);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    TzynTitleBar *bar = frame->TitleBar();
    const TzynTitleBarLayout::Layout layout = bar->ButtonLayout(bar->width());
    QStringList shown;
    for (int i = 0; i < layout.buttons.size(); ++i) {
        const QRect r = layout.buttons[i].rect;
        if (r.isEmpty())
            continue;
        shown << toolTipAt(&window, bar->mapTo(&window, r.center()));
    }
    // Each built-in button says what it does unless given a hint of its own.
    QVERIFY2(shown.contains(QStringLiteral("Close")), qPrintable(shown.join(',')));
    QVERIFY(shown.contains(QStringLiteral("Minimise")));
    QVERIFY(shown.contains(QStringLiteral("Maximise")));
    TzynTitleBarButton *close = nullptr;
    for (int i = 0; i < bar->Buttons()->Count(); ++i) {
        if (bar->Buttons()->Items(i)->ButtonType() == TzynTitleBarButton::zynClose)
            close = bar->Buttons()->Items(i);
    }
    QVERIFY(close);
    close->setHint(QStringLiteral("Leave"));
    shown.clear();
    for (int i = 0; i < layout.buttons.size(); ++i)
        shown << toolTipAt(&window, bar->mapTo(&window, layout.buttons[i].rect.center()));
    QVERIFY(shown.contains(QStringLiteral("Leave")));
    // Over the caption, no button's hint.
    frame->setShowHint(false);
    for (int i = 0; i < layout.buttons.size(); ++i)
        QCOMPARE(
            toolTipAt(&window, bar->mapTo(&window, layout.buttons[i].rect.center())), QString());
    QToolTip::hideText();
}

QTEST_MAIN(tst_Hints)
#include "tst_hints.moc"
