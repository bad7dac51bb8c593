// The skinned-control contract: every class the layout loader knows takes its first style
// from the form frame of its owner, reports the style-table classes it really is, and looks
// the same whether it was built on a frame of a style or set to that style afterwards. The
// style push refuses, loudly, a control that cannot take what its row gives.

#include "Exception.h"
#include "SkinClasses.h"
#include "TForm.h"
#include "TzynForm.h"
#include "TzynSkinnedControl.h"
#include "TzynTitleBar.h"
#include "ZYNStylePropagation.h"

#include <QtTest>

#include <memory>

using S = TzynUIStyle;

namespace {

const QList<S> builtInStyles = { S::MacOS, S::WinXP, S::DeepBlue, S::Protein, S::BlueGlass };

QImage picture(QWidget *widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A host form with a skinned frame in the style; controls built on the frame have the host as
// their owner.
struct Window {
    explicit Window(S style)
    {
        host = std::make_unique<TForm>();
        host->resize(400, 300);
        frame = new TzynForm(host.get());
        frame->setUIStyle(style);
    }
    std::unique_ptr<TForm> host;
    TzynForm *frame;
};

} // namespace

// A library class that is matched by name and follows a style, as the grids will.
class TzynStringGrid : public QWidget, public TzynStyleable {
    Q_OBJECT
public:
    using QWidget::QWidget;
    TzynStyleClasses StyleClasses() const override { return {}; }
    S UIStyle() const override { return m_style; }
    void setUIStyle(S style) override { m_style = style; }

private:
    S m_style = S::MacOS;
};

// A class of a by-name row that forgot the contract.
class TzynColorBox : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
};

// A control that claims the tree view's row without having a border colour.
class ClaimsTreeView : public QWidget, public TzynStyleable {
    Q_OBJECT
public:
    using QWidget::QWidget;
    TzynStyleClasses StyleClasses() const override { return TzynStyleClass::TreeView; }
    S UIStyle() const override { return S::MacOS; }
    void setUIStyle(S) override { }
};

class tst_Contract : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyClassTakesTheOwnersStyle_data();
    void everyClassTakesTheOwnersStyle();
    void reportedClassesAgreeWithTheTable();
    void byNameRowsNeedTheContract();
    void rowWithoutItsOperationIsRefused();
};

void tst_Contract::everyClassTakesTheOwnersStyle_data()
{
    QTest::addColumn<int>("classIndex");
    QTest::addColumn<S>("style");
    for (int i = 0; i < skinClasses().size(); ++i) {
        for (const S style : builtInStyles) {
            QTest::addRow("%s-%s", skinClasses().at(i).name, qPrintable(ThemeStyleName(style)))
                << i << style;
        }
    }
}

void tst_Contract::everyClassTakesTheOwnersStyle()
{
    QFETCH(int, classIndex);
    QFETCH(S, style);
    const SkinClass &skin = skinClasses().at(classIndex);
    Window window(style);
    if (qstrcmp(skin.name, "TzynForm") == 0) {
        // The frame gives styles and takes none: a new frame is DeepBlue, its bar with it.
        TForm host;
        auto *frame = qobject_cast<TzynForm *>(skin.create(&host));
        QVERIFY(frame);
        QCOMPARE(frame->UIStyle(), S::DeepBlue);
        frame->setUIStyle(style);
        QCOMPARE(frame->TitleBar()->UIStyle(), style);
        return;
    }
    QWidget *control = skin.create(window.frame);
    QCOMPARE(QByteArray(control->metaObject()->className()), QByteArray(skin.name));
    auto *skinned = dynamic_cast<TzynSkinnedControl *>(control);
    QVERIFY2(skinned, "a skin class without the skinned-control contract");

    // What the owner's style gave.
    if (auto *styleable = dynamic_cast<TzynStyleable *>(control)) {
        const S expected = control->inherits("TzynImageButton") ? S::Custom : style;
        QCOMPARE(styleable->UIStyle(), expected);
    }
    if (auto *bordered = dynamic_cast<TzynBorderColored *>(control))
        QCOMPARE(bordered->BorderColor(), GetThemeColor(style, TzynThemeEntry::ControlBorderColor));

    // Its pictures are those of the style: the same as those of a control built where no frame
    // is and given the style afterwards, on a frame of the same style at the same place.
    control->setGeometry(10, 40, 120, 60);
    Window second(style);
    QWidget nowhere;
    QWidget *late = skin.create(&nowhere);
    late->setParent(second.frame);
    late->setGeometry(control->geometry());
    dynamic_cast<TzynSkinnedControl *>(late)->TakeInitialStyle(style);
    QCOMPARE(picture(control), picture(late));
}

void tst_Contract::reportedClassesAgreeWithTheTable()
{
    // A control reports a row's class exactly when it is of that class: the rows that match by
    // the reported classes and those that would match by name pick the same controls.
    int count = 0;
    const TzynStyleRow *rows = StylePropagationTable(&count);
    Window window(S::MacOS);
    for (const SkinClass &skin : skinClasses()) {
        if (qstrcmp(skin.name, "TzynForm") == 0)
            continue;
        QWidget *control = skin.create(window.frame);
        for (int i = 0; i < count; ++i) {
            QVERIFY2(StyleRowMatches(rows[i], control) == control->inherits(rows[i].className),
                qPrintable(QStringLiteral("%1 against row %2 (%3)")
                               .arg(QString::fromLatin1(skin.name))
                               .arg(i + 1)
                               .arg(QString::fromLatin1(rows[i].className))));
        }
        const auto *skinned = dynamic_cast<const TzynSkinnedControl *>(control);
        QCOMPARE(skinned->StyleClasses().testFlag(TzynStyleClass::ImagePanel),
            control->inherits("TzynImagePanel"));
    }
    // The by-name rows are the library classes that no behaviour is laid down for.
    QStringList byName;
    for (int i = 0; i < count; ++i) {
        if (rows[i].byName)
            byName << QString::fromLatin1(rows[i].className);
    }
    QCOMPARE(byName,
        QStringList({ "TzynColorBox", "TzynFontComboBox", "TzynFontSizeComboBox", "TzynDrawGrid",
            "TzynStringGrid" }));
}

void tst_Contract::byNameRowsNeedTheContract()
{
    QWidget frame;
    auto *grid = new TzynStringGrid(&frame);
    ApplyUIStyleToChildren(&frame, S::Protein);
    QCOMPARE(grid->UIStyle(), S::Protein);

    new TzynColorBox(&frame);
    QVERIFY_THROWS_EXCEPTION(Exception, ApplyUIStyleToChildren(&frame, S::WinXP));
}

void tst_Contract::rowWithoutItsOperationIsRefused()
{
    QWidget frame;
    new ClaimsTreeView(&frame);
    try {
        ApplyUIStyleToChildren(&frame, S::WinXP);
        QFAIL("the push went past a control without a border colour");
    } catch (const Exception &e) {
        QVERIFY2(e.message().contains(QLatin1String("TzynTreeView")), qPrintable(e.message()));
    }
}

QTEST_MAIN(tst_Contract)
#include "tst_contract.moc"
