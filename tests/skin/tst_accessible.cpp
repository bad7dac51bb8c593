// What a screen reader is told: every registered skinned class, in every UI style, reports a
// role and a name (its caption, else its hint); check boxes, radio buttons and push buttons
// report checked and pressed, bars their value; the main window's eight buttons and its
// tree's entries are read by name.

#include "MainWindowLayout.h"
#include "SkinClasses.h"
#include "TTreeView.h"
#include "TzynAccessible.h"
#include "TzynButton.h"
#include "TzynCheckBox.h"
#include "TzynRadioButton.h"
#include "TzynTrackBar.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QTreeWidgetItemIterator>
#include <QtTest>

using S = TzynUIStyle;

namespace {

QAccessibleInterface *reader(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

QString stripped(QString caption)
{
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    return caption.replace(QStringLiteral("\x01"), QStringLiteral("&")).trimmed();
}

} // namespace

class tst_Accessible : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { registerSkinClasses(); }
    void everyClassHasARoleAndAName_data();
    void everyClassHasARoleAndAName();
    void statesAndValues();
    void mainWindowIsReadByName();
};

void tst_Accessible::everyClassHasARoleAndAName_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("style");
    for (int i = 0; i < skinClasses().size(); ++i) {
        for (S style : { S::Custom, S::MacOS, S::WinXP, S::DeepBlue, S::Protein, S::BlueGlass })
            QTest::addRow("%s %d", skinClasses()[i].name(), int(style)) << i << int(style);
    }
}

void tst_Accessible::everyClassHasARoleAndAName()
{
    QFETCH(int, index);
    QFETCH(int, style);
    QWidget window;
    window.resize(400, 300);
    QWidget *control = skinClasses()[index].create(&window);
    control->setGeometry(10, 10, 200, 120);
    control->setProperty("UIStyle", QVariant::fromValue(S(style)));
    control->setProperty("Hint", QStringLiteral("what it is for"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QAccessibleInterface *iface = reader(control);
    QVERIFY(iface);
    QVERIFY(iface->isValid());
    QVERIFY(iface->role() != QAccessible::NoRole);
    QVERIFY(iface->role() != QAccessible::Client);
    const QString caption = stripped(control->property("Caption").toString());
    const QString name = iface->text(QAccessible::Name);
    QVERIFY2(!name.isEmpty(), skinClasses()[index].name());
    // Qt's own editors and lists are named by the hint; self-drawn controls by their caption
    // first.
    if (dynamic_cast<TzynAccessible *>(iface) && !caption.isEmpty())
        QCOMPARE(name, caption);
    else if (caption.isEmpty())
        QCOMPARE(name, QStringLiteral("what it is for"));
}

void tst_Accessible::statesAndValues()
{
    QWidget window;
    window.resize(400, 300);
    auto *check = new TzynCheckBox(&window);
    check->setCaption(QStringLiteral("&Wrap lines"));
    auto *radio = new TzynRadioButton(&window);
    radio->setGeometry(0, 30, 100, 20);
    auto *button = new TzynButton(&window);
    button->setGeometry(0, 60, 80, 27);
    auto *track = new TzynTrackBar(&window);
    track->setGeometry(0, 100, 200, 30);
    track->setMin(0);
    track->setMax(10);
    track->setPosition(4);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(reader(check)->role(), QAccessible::CheckBox);
    QCOMPARE(reader(check)->text(QAccessible::Name), QStringLiteral("Wrap lines"));
    QVERIFY(reader(check)->state().checkable);
    QVERIFY(!reader(check)->state().checked);
    check->setChecked(true);
    QVERIFY(reader(check)->state().checked);
    QCOMPARE(reader(radio)->role(), QAccessible::RadioButton);
    radio->setChecked(true);
    QVERIFY(reader(radio)->state().checked);

    QCOMPARE(reader(button)->role(), QAccessible::Button);
    QVERIFY(!reader(button)->state().pressed);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(reader(button)->state().pressed);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(!reader(button)->state().pressed);

    QAccessibleInterface *bar = reader(track);
    QCOMPARE(bar->role(), QAccessible::Slider);
    QAccessibleValueInterface *value = bar->valueInterface();
    QVERIFY(value);
    QCOMPARE(value->currentValue().toInt(), 4);
    QCOMPARE(value->maximumValue().toInt(), 10);
    QCOMPARE(value->minimumValue().toInt(), 0);
    QCOMPARE(bar->text(QAccessible::Value), QStringLiteral("4"));
    track->setPosition(7);
    QCOMPARE(value->currentValue().toInt(), 7);
}

void tst_Accessible::mainWindowIsReadByName()
{
    MainWindowLayout form;
    form.showAt(QSize(983, 633));
    QStringList buttonNames;
    for (int i = 1; i <= 8; ++i) {
        auto *button = form.findChild<TzynButton *>(QStringLiteral("zynButton%1").arg(i));
        QVERIFY(button);
        QAccessibleInterface *iface = reader(button);
        QCOMPARE(iface->role(), QAccessible::Button);
        QCOMPARE(iface->text(QAccessible::Name), button->Caption());
        buttonNames << iface->text(QAccessible::Name);
    }
    QCOMPARE(buttonNames.size(), 8);
    QVERIFY(!buttonNames.contains(QString()));

    auto *tree = form.findChild<TTreeView *>(QStringLiteral("TreeView1"));
    QVERIFY(tree);
    tree->expandAll();
    QAccessibleInterface *treeReader = reader(tree);
    QVERIFY(treeReader);
    QCOMPARE(treeReader->role(), QAccessible::Tree);
    // Every entry shown is a child the reader names by its text.
    QStringList read;
    for (int i = 0; i < treeReader->childCount(); ++i) {
        QAccessibleInterface *entry = treeReader->child(i);
        if (entry && entry->role() == QAccessible::TreeItem)
            read << entry->text(QAccessible::Name);
    }
    QStringList entries;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        entries << (*it)->text(0);
    QVERIFY(!entries.isEmpty());
    for (const QString &entry : std::as_const(entries))
        QVERIFY2(read.contains(entry), qPrintable(entry));
}

QTEST_MAIN(tst_Accessible)
#include "tst_accessible.moc"
