// Pushing a style from a container to its skinned children, over the classes that exist.

#include "TCustomPanel.h"
#include "TFont.h"
#include "TzynButton.h"
#include "TzynGroupBox.h"
#include "TzynImagePanel.h"
#include "TzynTreeView.h"
#include "ZYNStylePropagation.h"

#include <QtTest>

using S = TzynUIStyle;

// The classes as they will publish their style and colours.
class StyledButton : public TzynButton {
    Q_OBJECT
    Q_PROPERTY(TzynUIStyle UIStyle READ UIStyle WRITE setUIStyle)
public:
    using TzynButton::TzynButton;
    TzynUIStyle UIStyle() const { return m_style; }
    void setUIStyle(TzynUIStyle style)
    {
        m_style = style;
        ++writes;
    }
    int writes = 0;

private:
    TzynUIStyle m_style = S::MacOS;
};

class BorderedTreeView : public TzynTreeView {
    Q_OBJECT
    Q_PROPERTY(TColor BorderColor READ BorderColor WRITE setBorderColor)
public:
    using TzynTreeView::TzynTreeView;
    TColor BorderColor() const { return m_border; }
    void setBorderColor(TColor c) { m_border = c; }

private:
    TColor m_border = 0x123456;
};

// The group box passes a style on to its own children.
using ContainerGroupBox = TzynGroupBox;

class tst_Propagation : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pushToWinXP();
    void customChangesNothing();
    void plainPanelAndDeeperLevelsAreLeftAlone();
    void imagePanelPassesStyleOn();
    void classWithoutPropertyGetsNoDynamicProperty();
    void tableOrder();
};

void tst_Propagation::pushToWinXP()
{
    QWidget frame;
    auto *button = new StyledButton(&frame);
    auto *customButton = new StyledButton(&frame);
    customButton->setUIStyle(S::Custom);
    auto *tree = new BorderedTreeView(&frame);
    auto *group = new ContainerGroupBox(&frame);
    auto *inner = new StyledButton(group);

    ApplyUIStyleToContainers(&frame, S::WinXP);
    ApplyUIStyleToChildren(&frame, S::WinXP);

    QCOMPARE(button->UIStyle(), S::WinXP);
    QCOMPARE(customButton->UIStyle(), S::Custom);
    QCOMPARE(tree->BorderColor(), TColor(0x686868));
    QCOMPARE(group->BorderColor(), TColor(0x686868));
    QCOMPARE(group->Font()->Color(), TColor(0xCF4602));
    QCOMPARE(group->Color(), TColor(0xDEEBEF));
    QCOMPARE(inner->UIStyle(), S::WinXP);
}

void tst_Propagation::customChangesNothing()
{
    QWidget frame;
    auto *button = new StyledButton(&frame);
    auto *tree = new BorderedTreeView(&frame);
    auto *group = new ContainerGroupBox(&frame);
    const TColor groupColour = group->Color();
    ApplyUIStyleToContainers(&frame, S::Custom);
    ApplyUIStyleToChildren(&frame, S::Custom);
    QCOMPARE(button->writes, 0);
    QCOMPARE(tree->BorderColor(), TColor(0x123456));
    QCOMPARE(group->Color(), groupColour);
}

void tst_Propagation::plainPanelAndDeeperLevelsAreLeftAlone()
{
    QWidget frame;
    auto *plain = new TCustomPanel(&frame);
    auto *inPlain = new StyledButton(plain);
    auto *group = new ContainerGroupBox(&frame);
    auto *panelInGroup = new TCustomPanel(group);
    auto *twoDown = new StyledButton(panelInGroup);

    ApplyUIStyleToContainers(&frame, S::BlueGlass);
    ApplyUIStyleToChildren(&frame, S::BlueGlass);

    QCOMPARE(inPlain->UIStyle(), S::MacOS);
    QCOMPARE(inPlain->writes, 0);
    QCOMPARE(twoDown->UIStyle(), S::MacOS);
    QCOMPARE(group->BorderColor(), TColor(0x000000));
}

void tst_Propagation::imagePanelPassesStyleOn()
{
    QWidget frame;
    auto *panel = new TzynImagePanel(&frame);
    auto *button = new StyledButton(panel);
    ApplyUIStyleToContainers(&frame, S::Protein);
    QCOMPARE(button->UIStyle(), S::Protein);

    panel->UpdateUIStyle(S::DeepBlue);
    QCOMPARE(button->UIStyle(), S::DeepBlue);
}

void tst_Propagation::classWithoutPropertyGetsNoDynamicProperty()
{
    QWidget frame;
    auto *bare = new TzynButton(&frame); // the class without a published style
    auto *tree = new TzynTreeView(&frame); // and without a border colour
    ApplyUIStyleToChildren(&frame, S::WinXP);
    QVERIFY(bare->dynamicPropertyNames().isEmpty());
    QVERIFY(tree->dynamicPropertyNames().isEmpty());
}

void tst_Propagation::tableOrder()
{
    // A radio button is also a check box: its rows come first, in that order, and the tree
    // view's row comes before the tab control's.
    int count = 0;
    const TzynStyleRow *rows = StylePropagationTable(&count);
    QCOMPARE(count, 24);
    QCOMPARE(QByteArray(rows[0].className), QByteArray("TzynRadioButton"));
    QCOMPARE(QByteArray(rows[1].className), QByteArray("TzynCheckBox"));
    QCOMPARE(QByteArray(rows[3].className), QByteArray("TzynButton"));
    QCOMPARE(rows[3].action, TzynStyleAction::AssignUIStyleUnlessCustom);
    QCOMPARE(QByteArray(rows[16].className), QByteArray("TzynTreeView"));
    QCOMPARE(QByteArray(rows[23].className), QByteArray("TzynStringGrid"));
}

QTEST_MAIN(tst_Propagation)
#include "tst_propagation.moc"
