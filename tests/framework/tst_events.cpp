// The published events and the common published properties of framework controls: a layout
// may name them, input raises them with the desktop's arguments, and handlers that change
// their reference arguments are obeyed.

#include "TControl.h"
#include "TCustomPanel.h"
#include "TForm.h"
#include "TLayoutLoader.h"
#include "TTreeNode.h"
#include "TTreeView.h"

#include <QApplication>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

class TEventForm : public TForm {
    Q_OBJECT
public:
    using TForm::TForm;
    QStringList log;
    bool refuseResize = false;
    int maxWidth = 0;
    bool swallowKeys = false;

public Q_SLOTS:
    void PanelMouseDown(QObject *, Fw::TMouseButton Button, Fw::TShiftState Shift, int X, int Y)
    {
        log << QStringLiteral("down %1 %2 %3 %4").arg(Button).arg(int(Shift)).arg(X).arg(Y);
    }
    void PanelMouseMove(QObject *, Fw::TShiftState Shift, int X, int Y)
    {
        log << QStringLiteral("move %1 %2 %3").arg(int(Shift)).arg(X).arg(Y);
    }
    void PanelMouseUp(QObject *, Fw::TMouseButton Button, Fw::TShiftState Shift, int X, int Y)
    {
        log << QStringLiteral("up %1 %2 %3 %4").arg(Button).arg(int(Shift)).arg(X).arg(Y);
    }
    void PanelKeyDown(QObject *, int &Key, Fw::TShiftState)
    {
        log << QStringLiteral("keydown %1").arg(Key);
        if (swallowKeys)
            Key = 0;
    }
    void PanelKeyPress(QObject *, QChar &Key) { log << QStringLiteral("keypress %1").arg(Key); }
    void PanelKeyUp(QObject *, int &Key, Fw::TShiftState)
    {
        log << QStringLiteral("keyup %1").arg(Key);
    }
    void PanelEnter(QObject *) { log << QStringLiteral("enter"); }
    void PanelExit(QObject *) { log << QStringLiteral("exit"); }
    void PanelCanResize(QObject *, int &, int &, bool &Resize) { Resize = !refuseResize; }
    void PanelConstrainedResize(QObject *, int &, int &, int &MaxWidth, int &)
    {
        if (maxWidth > 0)
            MaxWidth = maxWidth;
    }
    void PanelDragDrop(QObject *, QObject *, int, int) { }
    void PanelDockOver(QObject *, QObject *, int, int, Fw::TDragState, bool &) { }
    void TreeChange(QObject *, TTreeNode *Node)
    {
        log << QStringLiteral("change %1").arg(Node ? Node->Text() : QStringLiteral("-"));
    }
    void TreeExpanded(QObject *, TTreeNode *Node)
    {
        log << QStringLiteral("expanded %1").arg(Node->Text());
    }
    void TreeMouseDown(QObject *, Fw::TMouseButton, Fw::TShiftState, int X, int Y)
    {
        log << QStringLiteral("tree down %1 %2").arg(X).arg(Y);
    }
};

// A control that declares events under the framework's names with other parameters (a key as
// text, sizes that a handler could not change) beside one as the framework raises it.
class TOddEvents : public TControlBase<QWidget> {
    Q_OBJECT
public:
    using TControlBase::TControlBase;

Q_SIGNALS:
    void OnKeyDown(QObject *Sender, const QString &Key);
    void OnCanResize(QObject *Sender, int NewWidth, int NewHeight, bool Resize);
    void OnMouseMove(QObject *Sender, Fw::TShiftState Shift, int X, int Y);
};

class TestEvents : public QObject {
    Q_OBJECT

    TEventForm *form = nullptr;
    TCustomPanel *panel = nullptr;
    TTreeView *tree = nullptr;

private Q_SLOTS:
    void initTestCase() { TLayoutLoader::registerFrameworkClasses(); }

    void init()
    {
        form = new TEventForm;
        TLayoutLoader().loadFromText(form, QStringLiteral(R"(object Form1: TEventForm
  Width = 400
  Height = 300
  BiDiMode = bdRightToLeft
  object Panel1: TPanel
    Left = 10
    Top = 10
    Width = 100
    Height = 60
    TabStop = True
    ShowHint = False
    Hint = 'a hint'
    ParentBiDiMode = False
    BiDiMode = bdLeftToRight
    OnMouseDown = PanelMouseDown
    OnMouseMove = PanelMouseMove
    OnMouseUp = PanelMouseUp
    OnKeyDown = PanelKeyDown
    OnKeyPress = PanelKeyPress
    OnKeyUp = PanelKeyUp
    OnEnter = PanelEnter
    OnExit = PanelExit
    OnCanResize = PanelCanResize
    OnConstrainedResize = PanelConstrainedResize
    OnDragDrop = PanelDragDrop
    OnDockOver = PanelDockOver
  end
  object Tree1: TTreeView
    Left = 150
    Top = 10
    Width = 200
    Height = 200
    BorderStyle = bsSingle
    ChangeDelay = 0
    HideSelection = False
    HotTrack = True
    MultiSelect = False
    RightClickSelect = False
    RowSelect = True
    ShowButtons = True
    SortType = stNone
    ToolTips = True
    OnChange = TreeChange
    OnExpanded = TreeExpanded
    OnMouseDown = TreeMouseDown
    Items = <
      item
        Text = 'parent'
        Items = <
          item
            Text = 'child'
          end>
      end>
  end
end
)"),
            QStringLiteral("Events.layout"));
        panel = form->findChild<TCustomPanel *>(QStringLiteral("Panel1"));
        tree = form->findChild<TTreeView *>(QStringLiteral("Tree1"));
        QVERIFY(panel && tree);
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
    }

    void cleanup()
    {
        delete form;
        form = nullptr;
    }

    void mouseEventsCarryButtonShiftAndPosition()
    {
        form->log.clear();
        QTest::mousePress(panel, Qt::LeftButton, Qt::ShiftModifier, QPoint(5, 6));
        QTest::mouseMove(panel, QPoint(7, 8));
        QTest::mouseRelease(panel, Qt::LeftButton, Qt::ShiftModifier, QPoint(7, 8));
        const int shiftLeft = int(Fw::ssShift | Fw::ssLeft);
        QCOMPARE(form->log.value(0), QStringLiteral("down 0 %1 5 6").arg(shiftLeft));
        QVERIFY(form->log.contains(QStringLiteral("up 0 %1 7 8").arg(int(Fw::ssShift))));
        QTest::mousePress(panel, Qt::RightButton, {}, QPoint(1, 2));
        QCOMPARE(form->log.last(), QStringLiteral("down 1 %1 1 2").arg(int(Fw::ssRight)));
    }

    void keysAndFocus()
    {
        // The first control of the tab order is entered when the window opens.
        panel->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(panel->hasFocus());
        QCOMPARE(form->log, QStringList { QStringLiteral("enter") });
        form->log.clear();
        QTest::keyClick(panel, Qt::Key_A);
        QCOMPARE(form->log,
            (QStringList { QStringLiteral("keydown %1").arg(int(Qt::Key_A)),
                QStringLiteral("keypress a"), QStringLiteral("keyup %1").arg(int(Qt::Key_A)) }));
        // A handler that zeroes the key takes it: no key press follows.
        form->log.clear();
        form->swallowKeys = true;
        QTest::keyPress(panel, Qt::Key_B);
        QCOMPARE(form->log, QStringList { QStringLiteral("keydown %1").arg(int(Qt::Key_B)) });
        form->log.clear();
        tree->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(tree->hasFocus());
        QCOMPARE(form->log, QStringList { QStringLiteral("exit") });
    }

    // Raising them would hand the key's number to a handler that reads a text, or let a
    // refusal be lost: they are refused, each with one warning, and the control works on.
    void eventsOfAnotherShapeAreNotRaised()
    {
        TOddEvents odd(form);
        QSignalSpy keys(&odd, &TOddEvents::OnKeyDown);
        QSignalSpy resizes(&odd, &TOddEvents::OnCanResize);
        QSignalSpy moves(&odd, &TOddEvents::OnMouseMove);
        QTest::ignoreMessage(QtWarningMsg,
            QRegularExpression(QStringLiteral(
                R"(^TOddEvents::OnKeyDown\(QObject\*,QString\) is not raised: the framework )"
                R"(raises OnKeyDown\(QObject\*,int&,.*\)$)")));
        QTest::ignoreMessage(QtWarningMsg,
            QRegularExpression(QStringLiteral(R"(^TOddEvents::OnCanResize\(.*\) is not raised)")));
        QTest::failOnWarning(QRegularExpression(QStringLiteral("is not raised")));
        odd.setBounds(0, 0, 40, 40);
        for (int i = 0; i < 2; ++i) {
            QTest::keyClick(&odd, Qt::Key_A);
            odd.setBounds(0, 0, 50 + i, 50);
        }
        QCOMPARE(keys.count(), 0);
        QCOMPARE(resizes.count(), 0);
        QCOMPARE(odd.size(), QSize(51, 50));
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 6), odd.mapToGlobal(QPointF(5, 6)),
            Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&odd, &move);
        QCOMPARE(moves.count(), 1);
        QCOMPARE(moves.at(0).at(2).toInt(), 5);
        QCOMPARE(moves.at(0).at(3).toInt(), 6);
    }

    void resizeHandlersDecide()
    {
        form->refuseResize = true;
        panel->setBounds(10, 10, 150, 80);
        QCOMPARE(panel->size(), QSize(100, 60));
        QCOMPARE(panel->pos(), QPoint(10, 10));
        form->refuseResize = false;
        form->maxWidth = 120;
        panel->setBounds(10, 10, 150, 80);
        QCOMPARE(panel->size(), QSize(120, 80));
    }

    void hintsFollowShowHint()
    {
        const QPoint at = panel->mapToGlobal(QPoint(5, 5));
        QHelpEvent hidden(QEvent::ToolTip, QPoint(5, 5), at);
        QVERIFY(QApplication::sendEvent(panel, &hidden));
        QVERIFY(!QToolTip::isVisible());
        // Following the parent: the form's ShowHint decides.
        panel->setParentShowHint(true);
        QVERIFY(!panel->ShowHint());
        form->setShowHint(true);
        QVERIFY(panel->ShowHint());
    }

    void biDiModeFollowsTheParentUnlessSet()
    {
        QCOMPARE(form->BiDiMode(), Fw::bdRightToLeft);
        QCOMPARE(form->layoutDirection(), Qt::RightToLeft);
        QCOMPARE(panel->BiDiMode(), Fw::bdLeftToRight);
        QCOMPARE(panel->layoutDirection(), Qt::LeftToRight);
        QVERIFY(tree->ParentBiDiMode());
        QCOMPARE(tree->BiDiMode(), Fw::bdRightToLeft);
        QCOMPARE(tree->layoutDirection(), Qt::RightToLeft);
        panel->setParentBiDiMode(true);
        QCOMPARE(panel->BiDiMode(), Fw::bdRightToLeft);
        QCOMPARE(panel->layoutDirection(), Qt::RightToLeft);
    }

    void treeRaisesChangeAndExpandedAndMouseInItsOwnCoordinates()
    {
        form->setBiDiMode(Fw::bdLeftToRight);
        QTreeWidgetItem *parentItem = tree->topLevelItem(0);
        const QRect r = tree->visualItemRect(parentItem);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, r.center());
        const QPoint inTree = r.center() + tree->viewport()->pos();
        QVERIFY2(
            form->log.contains(QStringLiteral("tree down %1 %2").arg(inTree.x()).arg(inTree.y())),
            qPrintable(form->log.join(QLatin1Char('|'))));
        QVERIFY(form->log.contains(QStringLiteral("change parent")));
        form->log.clear();
        parentItem->setExpanded(true);
        QCOMPARE(form->log, QStringList { QStringLiteral("expanded parent") });
    }

    void changeDelayWaitsBeforeOnChange()
    {
        tree->setChangeDelay(50);
        QSignalSpy changed(tree, &TTreeView::OnChange);
        tree->topLevelItem(0)->setSelected(true);
        QCOMPARE(changed.count(), 0);
        QTRY_COMPARE(changed.count(), 1);
    }

    void rightClickSelectsOnlyWhenAsked()
    {
        QTreeWidgetItem *item = tree->topLevelItem(0);
        const QPoint at = tree->visualItemRect(item).center();
        QTest::mousePress(tree->viewport(), Qt::RightButton, {}, at);
        QVERIFY(!tree->Selected());
        tree->setRightClickSelect(true);
        QTest::mousePress(tree->viewport(), Qt::RightButton, {}, at);
        QVERIFY(tree->Selected());
        QCOMPARE(tree->Selected()->Text(), QStringLiteral("parent"));
    }

    void hideSelectionHidesTheHighlightWithoutFocus()
    {
        const QPalette::ColorGroup off = QPalette::Inactive;
        QCOMPARE(tree->palette().color(off, QPalette::Highlight),
            tree->palette().color(QPalette::Active, QPalette::Highlight));
        tree->setHideSelection(true);
        QCOMPARE(tree->palette().color(off, QPalette::Highlight),
            tree->palette().color(QPalette::Active, QPalette::Base));
    }
};

QTEST_MAIN(TestEvents)
#include "tst_events.moc"
