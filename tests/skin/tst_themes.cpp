// Theme records, their lookups and fallbacks, the theme bitmaps and the initial-style rule.

#include "Exception.h"
#include "TBitmap.h"
#include "TzynForm.h"
#include "ZYNThemes.h"

#include <QtTest>

using E = TzynThemeEntry;
using S = TzynUIStyle;

class tst_Themes : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void typedLookups_data();
    void typedLookups();
    void kindTable();
    void styleUsesLowSevenBits();
    void unknownStyleAndEntryFallBack();
    void resourceNames_data();
    void resourceNames();
    void everyNamedBitmapHasItsSize_data();
    void everyNamedBitmapHasItsSize();
    void directlyNamedBitmaps_data();
    void directlyNamedBitmaps();
    void everyResourceIsNamedSomewhere();
    void unknownNameRaisesResNotFound();
    void namesIgnoreCase();
    void bitmapsAreDecodedOnce();
    void keyColours_data();
    void keyColours();
    void findFormRules();
};

// ---------------------------------------------------------------------------- lookups

void tst_Themes::typedLookups_data()
{
    QTest::addColumn<S>("style");
    QTest::addColumn<E>("entry");
    QTest::addColumn<QString>("accessor");
    QTest::addColumn<int>("expected");

    QTest::newRow("DeepBlue ControlBorderColor")
        << S::DeepBlue << E::ControlBorderColor << "color" << 0x000000;
    QTest::newRow("WinXP ControlBorderColor")
        << S::WinXP << E::ControlBorderColor << "color" << 0x686868;
    QTest::newRow("MacOS TitleRightBtnXOffset")
        << S::MacOS << E::TitleRightBtnXOffset << "int" << -2;
    QTest::newRow("MacOS FormColor as int: kind mismatch")
        << S::MacOS << E::FormColor << "int" << -1;
    QTest::newRow("MacOS FormBorderWidth as colour: kind mismatch")
        << S::MacOS << E::FormBorderWidth << "color" << 0;
    QTest::newRow("Custom FormBorderWidth") << S::Custom << E::FormBorderWidth << "int" << -1;
    QTest::newRow("Custom FormColor as colour") << S::Custom << E::FormColor << "color" << 0;
    QTest::newRow("Protein TitleButtonTransparent")
        << S::Protein << E::TitleButtonTransparent << "bool" << 1;
    QTest::newRow("MacOS TitleButtonTransparent")
        << S::MacOS << E::TitleButtonTransparent << "bool" << 0;
    QTest::newRow("BlueGlass TitleButtonTransparent")
        << S::BlueGlass << E::TitleButtonTransparent << "bool" << 1;
    QTest::newRow("flag read as int: mismatch")
        << S::Protein << E::TitleButtonTransparent << "int" << -1;
    QTest::newRow("colour read as flag: mismatch") << S::WinXP << E::FormColor << "bool" << 0;
    QTest::newRow("WinXP FormBorderColor") << S::WinXP << E::FormBorderColor << "color" << 0xC82C00;
    QTest::newRow("WinXP FormBorderWidth") << S::WinXP << E::FormBorderWidth << "int" << 3;
    QTest::newRow("BlueGlass FormMinWidth") << S::BlueGlass << E::FormMinWidth << "int" << 270;
    QTest::newRow("WinXP TitleRoundCorner") << S::WinXP << E::TitleRoundCorner << "int" << 13;
    QTest::newRow("WinXP GroupBoxFontColor")
        << S::WinXP << E::GroupBoxFontColor << "color" << 0xCF4602;
    QTest::newRow("BlueGlass MainMenuSelectedColor")
        << S::BlueGlass << E::MainMenuSelectedColor << "color" << 0xEC5E5E;
    QTest::newRow("MacOS MainMenuSeparatorHeight")
        << S::MacOS << E::MainMenuSeparatorHeight << "int" << 12;
    QTest::newRow("BlueGlass TitleButtonTop") << S::BlueGlass << E::TitleButtonTop << "int" << 6;
    QTest::newRow("MacOS TabHeight") << S::MacOS << E::TabHeight << "int" << 34;
    QTest::newRow("BlueGlass ComboBoxButtonColor")
        << S::BlueGlass << E::ComboBoxButtonColor << "color" << 0xE9D6D5;
    QTest::newRow("MacOS TrackBarColor") << S::MacOS << E::TrackBarColor << "color" << 0xEEEEEE;
    QTest::newRow("WinXP ToolBarButtonDownColor")
        << S::WinXP << E::ToolBarButtonDownColor << "color" << 0xE1AC93;
    QTest::newRow("MacOS ScrollBarColor") << S::MacOS << E::ScrollBarColor << "color" << 0xC9C9C9;
    QTest::newRow("BlueGlass TitleRightBtnXOffset")
        << S::BlueGlass << E::TitleRightBtnXOffset << "int" << -3;
    QTest::newRow("name read as int: mismatch") << S::MacOS << E::ButtonNormalImage << "int" << -1;
}

void tst_Themes::typedLookups()
{
    QFETCH(S, style);
    QFETCH(E, entry);
    QFETCH(QString, accessor);
    QFETCH(int, expected);
    int actual = 0;
    if (accessor == "int")
        actual = GetThemeInt(style, entry);
    else if (accessor == "color")
        actual = GetThemeColor(style, entry);
    else
        actual = GetThemeBool(style, entry);
    QCOMPARE(actual, expected);
}

void tst_Themes::kindTable()
{
    using K = TzynThemeValueKind;
    auto expectedKind = [](int n) {
        if (n == 66)
            return K::Flag;
        if (n == 1 || (n >= 4 && n <= 7) || (n >= 20 && n <= 22) || (n >= 67 && n <= 69) || n == 73)
            return K::Integer;
        if (n == 2 || n == 3 || (n >= 8 && n <= 19) || n == 74 || (n >= 79 && n <= 84))
            return K::Color;
        return K::ResName;
    };
    for (int n = 1; n <= 95; ++n) {
        QCOMPARE(GetThemeKind(E(n)), expectedKind(n));
        for (int s = 1; s <= 5; ++s) {
            const TzynThemeValue v = GetThemeValue(S(s), E(n));
            QCOMPARE(v.kind, expectedKind(n));
            // Every name entry of every record names a bitmap; nothing else carries a name.
            QCOMPARE(v.name != nullptr, v.kind == K::ResName);
        }
    }
}

void tst_Themes::styleUsesLowSevenBits()
{
    QCOMPARE(GetThemeInt(S(0x80 | 2), E::FormBorderWidth), 3);
    QCOMPARE(GetThemeResName(S(0x80 | 1), E::TitleLeftImage), QStringLiteral("MACOS_TITLE_LEFT"));
    QCOMPARE(GetThemeInt(S(0x80), E::FormBorderWidth), -1);
}

void tst_Themes::unknownStyleAndEntryFallBack()
{
    for (const int style : { 0, 6, 0x7F }) {
        const TzynThemeValue v = GetThemeValue(S(style), E::FormColor);
        QCOMPARE(v.value, -1);
        QCOMPARE(v.kind, TzynThemeValueKind::Integer);
        QVERIFY(GetThemeResName(S(style), E::ButtonNormalImage).isEmpty());
    }
    // Outside 1..95 the lookup answers like Custom instead of reading past the record.
    QCOMPARE(GetThemeInt(S::MacOS, E(0)), -1);
    QCOMPARE(GetThemeInt(S::MacOS, E(96)), -1);
    QCOMPARE(GetThemeInt(S::MacOS, E(-5)), -1);
    QVERIFY(GetThemeResName(S::MacOS, E(1000)).isEmpty());
}

void tst_Themes::resourceNames_data()
{
    QTest::addColumn<S>("style");
    QTest::addColumn<E>("entry");
    QTest::addColumn<QString>("name");
    QTest::newRow("menu check shared") << S::BlueGlass << E::MenuCheckedImage << "MENU_CHECKED";
    QTest::newRow("Custom has no names") << S::Custom << E::ButtonNormalImage << "";
    QTest::newRow("integer entry has no name") << S::MacOS << E::FormBorderWidth << "";
    QTest::newRow("MacOS button") << S::MacOS << E::ButtonNormalImage << "MACOS_BUTTON_NORMAL";
    QTest::newRow("WinXP checked")
        << S::WinXP << E::CheckBoxCheckedImage << "WINXP_CHECKBOX_NORMAL_CHECK";
    QTest::newRow("WinXP hover unchecked")
        << S::WinXP << E::CheckBoxMouseOnUncheckedImage << "WINXP_CHECKBOX_MOUSEON_UNCHECK";
    QTest::newRow("MacOS hover has its own picture")
        << S::MacOS << E::CheckBoxMouseOnCheckedImage << "MACOS_CHECKBOX_MOUSEON_CHECK";
    QTest::newRow("MacOS normal keeps the plain name")
        << S::MacOS << E::CheckBoxCheckedImage << "MACOS_CHECKBOX_CHECK";
    QTest::newRow("Protein radio down")
        << S::Protein << E::RadioMouseDownUncheckedImage << "PROTEIN_RADIOBUTTON_MOUSEDOWN_UNCHECK";
    QTest::newRow("WinXP radio down")
        << S::WinXP << E::RadioMouseDownCheckedImage << "WINXP_RADIOBUTTON_MOUSEDOWN_CHECK";
    QTest::newRow("WinXP restore")
        << S::WinXP << E::TitleRestoreMouseOnImage << "WINXP_TITLEBTN_RST_MOUSEON";
    QTest::newRow("DeepBlue restore has its own picture")
        << S::DeepBlue << E::TitleRestoreNormalImage << "DEEPBLUE_TITLEBTN_RST_NORMAL";
    QTest::newRow("vertical bar is the bar")
        << S::Protein << E::TrackBarVerticalBarImage << "PROTEIN_TRACKBAR_BAR";
    QTest::newRow("vertical slider")
        << S::WinXP << E::TrackBarVerticalSliderImage << "WINXP_TRACKBAR_SLIDER_V";
    QTest::newRow("scroll bottom") << S::BlueGlass << E::ScrollBarBottomButtonMouseDownImage
                                   << "BLUEGLASS_SCROLLBAR_BTMBUTTON_MOUSEDOWN";
    QTest::newRow("control box") << S::DeepBlue << E::TitleControlBoxMouseOnImage
                                 << "DEEPBLUE_TITLEBTN_CTLBOX_MOUSEON";
    QTest::newRow("check list") << S::MacOS << E::CheckListDisabledUncheckedImage
                                << "MACOS_CHECKLIST_DISABLE_UNCHECK";
}

void tst_Themes::resourceNames()
{
    QFETCH(S, style);
    QFETCH(E, entry);
    QFETCH(QString, name);
    QCOMPARE(GetThemeResName(style, entry), name);
}

// The size table, element by element: MacOS, WinXP, DeepBlue, Protein, BlueGlass.
namespace {
struct Element {
    const char *label;
    int first, last; // entry range
    QSize sizes[5];
};
const Element elements[] = {
    { "menu check", 23, 23, { { 16, 16 }, { 16, 16 }, { 16, 16 }, { 16, 16 }, { 16, 16 } } },
    { "push button", 24, 26, { { 84, 23 }, { 18, 21 }, { 74, 21 }, { 74, 21 }, { 77, 27 } } },
    { "check box", 27, 34, { { 15, 17 }, { 13, 13 }, { 13, 13 }, { 13, 13 }, { 13, 13 } } },
    { "radio button", 35, 42, { { 16, 17 }, { 13, 13 }, { 13, 13 }, { 13, 13 }, { 13, 13 } } },
    { "progress bar", 43, 43, { { 13, 10 }, { 6, 10 }, { 1, 10 }, { 1, 10 }, { 1, 10 } } },
    { "progress bar v", 44, 44, { { 13, 13 }, { 10, 6 }, { 10, 1 }, { 10, 1 }, { 10, 1 } } },
    { "title left", 45, 45, { { 48, 23 }, { 35, 29 }, { 97, 32 }, { 441, 23 }, { 162, 33 } } },
    { "title client", 46, 46, { { 49, 23 }, { 37, 29 }, { 98, 32 }, { 1, 23 }, { 179, 33 } } },
    { "title right", 47, 47, { { 48, 23 }, { 35, 29 }, { 97, 32 }, { 1, 23 }, { 101, 33 } } },
    { "title buttons", 48, 65, { { 17, 17 }, { 21, 21 }, { 19, 19 }, { 19, 19 }, { 19, 19 } } },
    { "tab", 70, 71, { { 18, 27 }, { 9, 18 }, { 6, 17 }, { 9, 17 }, { 9, 17 } } },
    { "tab line", 72, 72, { { 17, 7 }, { 8, 1 }, { 5, 5 }, { 10, 5 }, { 10, 5 } } },
    { "track bar bar", 75, 75, { { 45, 5 }, { 45, 8 }, { 45, 4 }, { 45, 4 }, { 45, 4 } } },
    { "track bar slider", 76, 76, { { 11, 20 }, { 11, 21 }, { 11, 20 }, { 11, 20 }, { 11, 20 } } },
    { "track bar bar v", 77, 77, { { 45, 5 }, { 45, 8 }, { 45, 4 }, { 45, 4 }, { 45, 4 } } },
    { "track bar slider v", 78, 78,
        { { 19, 11 }, { 22, 11 }, { 18, 11 }, { 18, 11 }, { 18, 11 } } },
    { "scroll buttons", 85, 90, { { 16, 22 }, { 16, 17 }, { 16, 16 }, { 16, 16 }, { 17, 16 } } },
    { "scroll track", 91, 91, { { 16, 33 }, { 16, 21 }, { 16, 21 }, { 16, 21 }, { 16, 21 } } },
    { "check list", 92, 95, { { 11, 11 }, { 11, 11 }, { 11, 11 }, { 11, 11 }, { 11, 11 } } },
};
const char *const styleLabels[] = { "MacOS", "WinXP", "DeepBlue", "Protein", "BlueGlass" };
} // namespace

void tst_Themes::everyNamedBitmapHasItsSize_data()
{
    QTest::addColumn<S>("style");
    QTest::addColumn<E>("entry");
    QTest::addColumn<QSize>("size");
    int covered = 0;
    for (const Element &element : elements) {
        for (int n = element.first; n <= element.last; ++n) {
            for (int s = 0; s < 5; ++s)
                QTest::addRow("%s %s #%d", styleLabels[s], element.label, n)
                    << S(s + 1) << E(n) << element.sizes[s];
            ++covered;
        }
    }
    // Every name entry of the records is covered by the size table.
    int nameEntries = 0;
    for (int n = 1; n <= 95; ++n)
        nameEntries += GetThemeKind(E(n)) == TzynThemeValueKind::ResName;
    QCOMPARE(covered, nameEntries);
}

void tst_Themes::everyNamedBitmapHasItsSize()
{
    QFETCH(S, style);
    QFETCH(E, entry);
    QFETCH(QSize, size);
    const QString name = GetThemeResName(style, entry);
    QVERIFY(!name.isEmpty());
    TBitmap bitmap;
    LoadThemeBitmap(bitmap, name);
    QCOMPARE(QSize(bitmap.width(), bitmap.height()), size);
}

void tst_Themes::directlyNamedBitmaps_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::newRow("menu bar") << "MACOS_MENU_BAR" << QSize(1, 22);
    QTest::newRow("menu select") << "MACOS_MENU_SELECT" << QSize(1, 21);
    QTest::newRow("MacOS background") << "MACOS_FORM_BACKGROUND" << QSize(8, 8);
    QTest::newRow("Protein background") << "PROTEIN_FORM_BACKGROUND" << QSize(8, 8);
    QTest::newRow("combo button") << "MACOS_COMBOBOX_BUTTON" << QSize(16, 17);
    QTest::newRow("side bar") << "SIDECHANNEL_BAR_NORMAL" << QSize(8, 172);
    QTest::newRow("side bar hot") << "SIDECHANNEL_BAR_MOUSEON" << QSize(8, 172);
    QTest::newRow("pin on top") << "SIDECHANNEL_BTN_ONTOP" << QSize(12, 12);
    QTest::newRow("pin") << "SIDECHANNEL_BTN_NOONTOP" << QSize(12, 12);
    QTest::newRow("TrueType") << "FONTCOMBO_TRUETYPE_FNT" << QSize(20, 12);
    QTest::newRow("device font") << "FONTCOMBO_DEVICE_FNT" << QSize(20, 12);
}

void tst_Themes::directlyNamedBitmaps()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QCOMPARE(ThemeImage(name).size(), size);
}

void tst_Themes::everyResourceIsNamedSomewhere()
{
    // No stray bitmaps: each resource is named by a record or by a component directly.
    QSet<QString> named = { "MACOS_MENU_BAR", "MACOS_MENU_SELECT", "MACOS_FORM_BACKGROUND",
        "PROTEIN_FORM_BACKGROUND", "MACOS_COMBOBOX_BUTTON", "SIDECHANNEL_BAR_NORMAL",
        "SIDECHANNEL_BAR_MOUSEON", "SIDECHANNEL_BTN_ONTOP", "SIDECHANNEL_BTN_NOONTOP",
        "FONTCOMBO_TRUETYPE_FNT", "FONTCOMBO_DEVICE_FNT" };
    for (int s = 1; s <= 5; ++s) {
        for (int n = 1; n <= 95; ++n)
            if (GetThemeKind(E(n)) == TzynThemeValueKind::ResName)
                named.insert(GetThemeResName(S(s), E(n)));
        // Hover and pressed pictures named after the normal one.
        const QString prefix = ThemeStyleName(S(s)) + QLatin1Char('_');
        for (const char *base : { "TRACKBAR_SLIDER", "TRACKBAR_SLIDER_V", "SCROLLBAR_TRACK" })
            for (const char *state : { "_MOUSEON", "_MOUSEDOWN" })
                named.insert(prefix + QLatin1String(base) + QLatin1String(state));
        named.insert(prefix + QStringLiteral("TAB_INACTIVE_MOUSEON"));
    }
    named.insert(QStringLiteral("MACOS_COMBOBOX_BUTTON_MOUSEON"));
    named.insert(QStringLiteral("MACOS_COMBOBOX_BUTTON_MOUSEDOWN"));
    const QStringList resources = ThemeBitmapNames();
    QCOMPARE(QSet<QString>(resources.begin(), resources.end()), named);
}

void tst_Themes::unknownNameRaisesResNotFound()
{
    TBitmap bitmap;
    LoadThemeBitmap(bitmap, QStringLiteral("MACOS_TITLE_LEFT"));
    const QImage before = bitmap.image();
    try {
        LoadThemeBitmap(bitmap, QStringLiteral("MACOS_NO_SUCH_PICTURE"));
        QFAIL("no exception");
    } catch (const EResNotFound &e) {
        QCOMPARE(e.message(), QStringLiteral("Resource MACOS_NO_SUCH_PICTURE not found"));
    }
    QCOMPARE(bitmap.image(), before);
    QVERIFY_THROWS_EXCEPTION(EResNotFound, ThemeImage(QString()));
    QVERIFY_THROWS_EXCEPTION(
        EResNotFound, ThemeImage(QStringLiteral("../themes/MACOS_TITLE_LEFT")));
}

void tst_Themes::namesIgnoreCase()
{
    QCOMPARE(ThemeImage(QStringLiteral("macos_title_left")),
        ThemeImage(QStringLiteral("MACOS_TITLE_LEFT")));
}

void tst_Themes::bitmapsAreDecodedOnce()
{
    const QImage a = ThemeImage(QStringLiteral("BLUEGLASS_BUTTON_NORMAL"));
    const QImage b = ThemeImage(QStringLiteral("BLUEGLASS_BUTTON_NORMAL"));
    QCOMPARE(a.cacheKey(), b.cacheKey());
    QCOMPARE(a.format(), QImage::Format_RGB32);
}

// Key colours: each picture leaves out exactly the colour its drawing rule keys on, so that
// colour lies around the shape and never inside it.
void tst_Themes::keyColours_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("rule");
    for (int s = 1; s <= 5; ++s) {
        for (const E e : { E::ButtonNormalImage, E::ButtonMouseOnImage, E::ButtonMouseDownImage })
            QTest::addRow("%s nine-slice", qPrintable(GetThemeResName(S(s), e)))
                << GetThemeResName(S(s), e) << "nine";
        for (const E e : { E::TabActiveImage, E::TabInactiveImage })
            QTest::addRow("%s three-slice", qPrintable(GetThemeResName(S(s), e)))
                << GetThemeResName(S(s), e) << "three";
        for (const E e :
            { E::CheckBoxCheckedImage, E::RadioUncheckedImage, E::CheckListCheckedImage,
                E::TrackBarSliderImage, E::ScrollBarTopButtonNormalImage })
            QTest::addRow("%s top-left", qPrintable(GetThemeResName(S(s), e)))
                << GetThemeResName(S(s), e) << "topleft";
        if (GetThemeBool(S(s), E::TitleButtonTransparent))
            for (const E e : { E::TitleCloseNormalImage, E::TitleMaxMouseOnImage,
                     E::TitleControlBoxMouseDownImage })
                QTest::addRow("%s bottom-left", qPrintable(GetThemeResName(S(s), e)))
                    << GetThemeResName(S(s), e) << "bottomleft";
    }
    QTest::newRow("menu check") << "MENU_CHECKED"
                                << "white";
}

void tst_Themes::keyColours()
{
    QFETCH(QString, name);
    QFETCH(QString, rule);
    const QImage image = ThemeImage(name);
    const int w = image.width(), h = image.height();
    const QPoint centre(w / 2, h / 2);
    QRgb key = 0;
    if (rule == "nine")
        key = 0xFF00FF;
    else if (rule == "three" || rule == "topleft")
        key = image.pixel(0, 0) & 0xFFFFFF;
    else if (rule == "bottomleft")
        key = image.pixel(0, h - 1) & 0xFFFFFF;
    else
        key = 0xFFFFFF;
    QVERIFY2((image.pixel(centre) & 0xFFFFFF) != key, "the key colour shows inside the picture");
    if (rule == "three") {
        // The middle cell is drawn opaque: it must not carry the key at all.
        const int cell = w / 3;
        for (int y = 0; y < h; ++y)
            for (int x = cell; x < 2 * cell; ++x)
                QVERIFY((image.pixel(x, y) & 0xFFFFFF) != key);
    }
    if (rule == "nine") {
        // Rounded styles key their corners; the stretched middle row and column are solid.
        for (int x = 0; x < w; ++x)
            if (x > 3 && x < w - 4)
                QVERIFY((image.pixel(x, h / 2) & 0xFFFFFF) != key || x == 0);
        for (int y = 1; y < h - 1; ++y)
            QVERIFY((image.pixel(w / 2, y) & 0xFFFFFF) != key);
    }
    if (rule == "white") {
        QCOMPARE(image.pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);
        int marked = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                marked += (image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
        QVERIFY(marked > 10);
    }
}

// ---------------------------------------------------------------------------- initial style

void tst_Themes::findFormRules()
{
    QWidget owner;
    QCOMPARE(FindFormUIStyle(&owner), S::DeepBlue);
    QCOMPARE(FindFormBorderColor(&owner), TColor(0));
    QCOMPARE(FindFormColor(&owner), Colors::clBtnFace);
    QCOMPARE(FindFormUIStyle(nullptr), S::DeepBlue);

    // A plain widget first, then the frame: the frame decides.
    new QWidget(&owner);
    auto *first = new TzynForm(&owner);
    first->setUIStyle(S::MacOS);
    first->setColor(0x123456);
    QCOMPARE(FindFormUIStyle(&owner), S::MacOS);
    QCOMPARE(FindFormBorderColor(&owner), TColor(0x7F7F7F));
    QCOMPARE(FindFormColor(&owner), TColor(0x123456));

    first->setUIStyle(S::Custom);
    QCOMPARE(FindFormUIStyle(&owner), S::Custom);
    QCOMPARE(FindFormBorderColor(&owner), TColor(0));
}

QTEST_MAIN(tst_Themes)
#include "tst_themes.moc"
