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

namespace {

// A control as a program makes one: polished, so that it has taken its first style.
template <class T> T *make(QWidget *parent)
{
    auto *control = new T(parent);
    control->ensurePolished();
    return control;
}

} // namespace

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
    auto *button = make<TzynButton>(&frame);
    auto *customButton = make<TzynButton>(&frame);
    customButton->setUIStyle(S::Custom);
    auto *tree = make<TzynTreeView>(&frame);
    auto *group = make<ContainerGroupBox>(&frame);
    auto *inner = make<TzynButton>(group);

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
    auto *button = make<TzynButton>(&frame);
    button->setUIStyle(S::MacOS);
    auto *tree = make<TzynTreeView>(&frame);
    tree->setBorderColor(0x123456);
    auto *group = make<ContainerGroupBox>(&frame);
    const TColor groupColour = group->Color();
    ApplyUIStyleToContainers(&frame, S::Custom);
    ApplyUIStyleToChildren(&frame, S::Custom);
    QCOMPARE(button->UIStyle(), S::MacOS);
    QCOMPARE(tree->BorderColor(), TColor(0x123456));
    QCOMPARE(group->Color(), groupColour);
}

void tst_Propagation::plainPanelAndDeeperLevelsAreLeftAlone()
{
    QWidget frame;
    auto *plain = new TCustomPanel(&frame);
    auto *inPlain = make<TzynButton>(plain);
    inPlain->setUIStyle(S::MacOS);
    auto *group = make<ContainerGroupBox>(&frame);
    auto *panelInGroup = new TCustomPanel(group);
    auto *twoDown = make<TzynButton>(panelInGroup);
    twoDown->setUIStyle(S::MacOS);

    ApplyUIStyleToContainers(&frame, S::BlueGlass);
    ApplyUIStyleToChildren(&frame, S::BlueGlass);

    QCOMPARE(inPlain->UIStyle(), S::MacOS);
    QCOMPARE(twoDown->UIStyle(), S::MacOS);
    QCOMPARE(group->BorderColor(), TColor(0x000000));
}

void tst_Propagation::imagePanelPassesStyleOn()
{
    QWidget frame;
    auto *panel = new TzynImagePanel(&frame);
    auto *button = make<TzynButton>(panel);
    ApplyUIStyleToContainers(&frame, S::Protein);
    QCOMPARE(button->UIStyle(), S::Protein);

    panel->UpdateUIStyle(S::DeepBlue);
    QCOMPARE(button->UIStyle(), S::DeepBlue);
}

void tst_Propagation::classWithoutPropertyGetsNoDynamicProperty()
{
    QWidget frame;
    // The push goes through the typed contract, never through a property looked up by name.
    auto *bare = make<TzynButton>(&frame);
    auto *tree = make<TzynTreeView>(&frame);
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
