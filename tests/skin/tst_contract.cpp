// The skinned-control contract: every class the layout loader knows takes its first style
// from the form frame of its owner when it is polished, and looks the same whether it was
// built on a frame of a style or set to that style afterwards. Every row of the style table
// names a registered class or one the library does not build. The style push refuses, loudly,
// a control that cannot take what its row gives.

#include "Exception.h"
#include "SkinClasses.h"
#include "TForm.h"
#include "TzynCustomButtonEx.h"
#include "TzynForm.h"
#include "TzynSkinnedControl.h"
#include "TzynTitleBar.h"
#include "ZYNStylePropagation.h"

#include <QtTest>

#include <algorithm>
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

// A class of a row that assigns a style, with only a border colour.
class TzynDrawGrid : public QWidget, public TzynBorderColored {
    Q_OBJECT
public:
    using QWidget::QWidget;
    TColor BorderColor() const override { return 0; }
    void setBorderColor(TColor) override { }
};

class tst_Contract : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyClassTakesTheOwnersStyle_data();
    void everyClassTakesTheOwnersStyle();
    void everyRowNamesARegisteredClass();
    void byNameRowsNeedTheContract();
    void rowWithoutItsOperationIsRefused();
    void pictureFollowsTheStateWhenDrawn_data();
    void pictureFollowsTheStateWhenDrawn();
};

void tst_Contract::everyClassTakesTheOwnersStyle_data()
{
    QTest::addColumn<int>("classIndex");
    QTest::addColumn<S>("style");
    for (int i = 0; i < skinClasses().size(); ++i) {
        for (const S style : builtInStyles) {
            QTest::addRow("%s-%s", skinClasses().at(i).name(), qPrintable(ThemeStyleName(style)))
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
    if (qstrcmp(skin.name(), "TzynForm") == 0) {
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
    // A control takes its first style when it is polished, after its constructors.
    control->ensurePolished();
    QCOMPARE(QByteArray(control->metaObject()->className()), QByteArray(skin.name()));
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

void tst_Contract::everyRowNamesARegisteredClass()
{
    // A row is matched by class name: one that names no class of the library would match
    // nothing, silently. Only the grids, the colour box and the font combo boxes, which the
    // library does not build, may be missing from the registry.
    int count = 0;
    const TzynStyleRow *rows = StylePropagationTable(&count);
    QStringList unbuilt;
    for (int i = 0; i < count; ++i) {
        if (!findSkinClass(rows[i].className))
            unbuilt << QString::fromLatin1(rows[i].className);
    }
    QCOMPARE(unbuilt,
        QStringList({ "TzynColorBox", "TzynFontComboBox", "TzynFontSizeComboBox", "TzynDrawGrid",
            "TzynStringGrid" }));
    // Every registered class is what its name says.
    for (const SkinClass &skin : skinClasses()) {
        QWidget parent;
        QWidget *control = skin.create(&parent);
        QCOMPARE(control->metaObject(), skin.meta);
    }
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
    new TzynDrawGrid(&frame);
    try {
        ApplyUIStyleToChildren(&frame, S::WinXP);
        QFAIL("the push went past a control that follows no style");
    } catch (const Exception &e) {
        QVERIFY2(e.message().contains(QLatin1String("TzynDrawGrid")), qPrintable(e.message()));
    }
}

void tst_Contract::pictureFollowsTheStateWhenDrawn_data()
{
    // WinXP is the style with a picture of its own for every state.
    using E = TzynThemeEntry;
    QTest::addColumn<bool>("radio");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<QString>("state");
    QTest::addColumn<E>("entry");
    const struct {
        const char *state;
        E box[2], radio[2]; // unchecked, checked
    } rows[] = {
        { "normal", { E::CheckBoxUncheckedImage, E::CheckBoxCheckedImage },
            { E::RadioUncheckedImage, E::RadioCheckedImage } },
        { "mouse-on", { E::CheckBoxMouseOnUncheckedImage, E::CheckBoxMouseOnCheckedImage },
            { E::RadioMouseOnUncheckedImage, E::RadioMouseOnCheckedImage } },
        { "mouse-down", { E::CheckBoxMouseDownUncheckedImage, E::CheckBoxMouseDownCheckedImage },
            { E::RadioMouseDownUncheckedImage, E::RadioMouseDownCheckedImage } },
        { "disabled", { E::CheckBoxDisabledUncheckedImage, E::CheckBoxDisabledCheckedImage },
            { E::RadioDisabledUncheckedImage, E::RadioDisabledCheckedImage } },
    };
    for (const auto &row : rows) {
        for (const bool checked : { false, true }) {
            QTest::addRow("box %s %s", row.state, checked ? "checked" : "unchecked")
                << false << checked << QString::fromLatin1(row.state) << row.box[checked];
            QTest::addRow("radio %s %s", row.state, checked ? "checked" : "unchecked")
                << true << checked << QString::fromLatin1(row.state) << row.radio[checked];
        }
    }
}

void tst_Contract::pictureFollowsTheStateWhenDrawn()
{
    QFETCH(bool, radio);
    QFETCH(bool, checked);
    QFETCH(QString, state);
    QFETCH(TzynThemeEntry, entry);
    Window window(S::WinXP);
    const SkinClass &skin
        = *std::find_if(skinClasses().cbegin(), skinClasses().cend(), [&](const SkinClass &c) {
              return qstrcmp(c.name(), radio ? "TzynRadioButton" : "TzynCheckBox") == 0;
          });
    auto *control = qobject_cast<TzynCustomButtonEx *>(skin.create(window.frame));
    QVERIFY(control);
    control->setGeometry(10, 40, 120, 20);
    control->setChecked(checked);
    const QPoint inside(5, 5);
    if (state == QLatin1String("mouse-on") || state == QLatin1String("mouse-down")) {
        QEnterEvent enter(inside, inside, control->mapToGlobal(inside));
        QApplication::sendEvent(control, &enter);
    }
    if (state == QLatin1String("mouse-down")) {
        QMouseEvent press(QEvent::MouseButtonPress, inside, control->mapToGlobal(inside),
            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(control, &press);
        QVERIFY(control->MouseDown());
    }
    if (state == QLatin1String("disabled"))
        control->setEnabled(false);

    // The picture stands at the left, centred; its key colour lets the background through.
    const QImage expected = ThemeImage(GetThemeResName(S::WinXP, entry));
    const QImage shown = picture(control);
    const QPoint at(1, (control->height() - control->PictureHeight()) / 2);
    const QRgb key = expected.pixel(0, 0);
    int compared = 0;
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            if (radio && expected.pixel(x, y) == key)
                continue;
            QCOMPARE(shown.pixel(at + QPoint(x, y)), expected.pixel(x, y));
            ++compared;
        }
    }
    QVERIFY(compared > 0);
}

QTEST_MAIN(tst_Contract)
#include "tst_contract.moc"
