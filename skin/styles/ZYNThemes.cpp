#include "ZYNThemes.h"

#include "Exception.h"
#include "TBitmap.h"
#include "TPictureTwin.h"
#include "TzynSkinnedControl.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QImageReader>
#include <QVariant>
#include <QWidget>

#include <array>

namespace {

using Kind = TzynThemeValueKind;
using E = TzynThemeEntry;

constexpr int styleCount = 5;

// One kind table serves all styles; index 0 is unused so that entries index it directly.
constexpr std::array<Kind, zynThemeEntryCount + 1> makeKindTable()
{
    std::array<Kind, zynThemeEntryCount + 1> kinds {};
    auto set = [&kinds](int first, int last, Kind kind) {
        for (int i = first; i <= last; ++i)
            kinds[i] = kind;
    };
    set(1, 1, Kind::Integer);
    set(2, 3, Kind::Color);
    set(4, 7, Kind::Integer);
    set(8, 19, Kind::Color);
    set(20, 22, Kind::Integer);
    set(23, 65, Kind::ResName);
    set(66, 66, Kind::Flag);
    set(67, 69, Kind::Integer);
    set(70, 72, Kind::ResName);
    set(73, 73, Kind::Integer);
    set(74, 74, Kind::Color);
    set(75, 78, Kind::ResName);
    set(79, 84, Kind::Color);
    set(85, 95, Kind::ResName);
    return kinds;
}
constexpr auto kindTable = makeKindTable();

// Integer, colour and flag entries: MacOS, WinXP, DeepBlue, Protein, BlueGlass.
struct ValueRow {
    E entry;
    std::array<qint32, styleCount> values;
};
constexpr ValueRow valueRows[] = {
    { E::FormBorderColor, { 0x7F7F7F, 0xC82C00, 0x000000, 0x000000, 0x000000 } },
    { E::FormColor, { 0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7 } },
    { E::FormBorderWidth, { 1, 3, 1, 1, 1 } },
    { E::FormMinWidth, { 130, 150, 130, 130, 270 } },
    { E::TitleRoundCorner, { 0, 13, 0, 0, 11 } },
    { E::ControlBorderColor, { 0x7F7F7F, 0x686868, 0x000000, 0x000000, 0x000000 } },
    { E::ControlColor, { 0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7 } },
    { E::GroupBoxFontColor, { 0x000000, 0xCF4602, 0x000000, 0x000000, 0x000000 } },
    { E::MainMenuSelectedBorderColor, { 0xC47339, 0xC66931, 0xA04A44, 0xC4302D, 0xEC5E5E } },
    { E::MainMenuSelectedColor, { 0xC47339, 0xEFD3C6, 0xA04A44, 0xC4302D, 0xEC5E5E } },
    { E::MainMenuSelectedFontColor, { 0xFFFFFF, 0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF } },
    { E::MainMenuColor, { 0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xE7E7E7 } },
    { E::MainMenuFontColor, { 0x000000, 0x000000, 0x000000, 0x000000, 0x000000 } },
    { E::MainMenuBarColor, { 0x000000, 0xCED3D6, 0xCED3D6, 0xCED3D6, 0xCED3D6 } },
    { E::MainMenuSeparatorColor, { 0x000000, 0x848284, 0x848284, 0x848284, 0x848284 } },
    { E::MainMenuItemHeight, { 20, 21, 21, 21, 21 } },
    { E::MainMenuSeparatorHeight, { 12, 5, 5, 5, 5 } },
    { E::MainMenuBarWidth, { 26, 26, 26, 26, 26 } },
    { E::TitleButtonTransparent, { 0, 0, 0, 1, 1 } },
    { E::TitleLeftBtnXOffset, { 3, 2, 0, 0, 4 } },
    { E::TitleRightBtnXOffset, { -2, -2, 0, 0, -3 } },
    { E::TitleButtonTop, { 4, 5, 2, 2, 6 } },
    { E::TabHeight, { 34, 19, 22, 22, 22 } },
    { E::ComboBoxButtonColor, { 0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE9D6D5 } },
    { E::TrackBarColor, { 0xEEEEEE, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7 } },
    { E::ToolBarButtonBorderColor, { 0x474747, 0xC66931, 0x474747, 0x474747, 0x474747 } },
    { E::ToolBarButtonColor, { 0xEFEFEF, 0xEFD3C6, 0xEFEFEF, 0xEFEFEF, 0xEFEFEF } },
    { E::ToolBarButtonDownColor, { 0xD8D8D8, 0xE1AC93, 0xD8D8D8, 0xD8D8D8, 0xD8D8D8 } },
    { E::ToolBarColor, { 0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7 } },
    { E::ScrollBarColor, { 0xC9C9C9, 0xF9F9F9, 0xF5F5F5, 0xF5F5F5, 0xF4F4F4 } },
};

// Resource-name entries. Every built-in style names "<STYLE>_<suffix>"; WinXP names its normal
// check marks by state as well, so it may differ.
// A null prefix marks a bitmap shared by all styles.
struct NameRow {
    E entry;
    const char *suffix;
    const char *winXPSuffix;
    bool shared;
};
constexpr NameRow nameRows[] = {
    { E::MenuCheckedImage, "MENU_CHECKED", nullptr, true },
    { E::ButtonNormalImage, "BUTTON_NORMAL", nullptr, false },
    { E::ButtonMouseOnImage, "BUTTON_MOUSEON", nullptr, false },
    { E::ButtonMouseDownImage, "BUTTON_MOUSEDOWN", nullptr, false },
    { E::CheckBoxDisabledCheckedImage, "CHECKBOX_DISABLE_CHECK", nullptr, false },
    { E::CheckBoxDisabledUncheckedImage, "CHECKBOX_DISABLE_UNCHECK", nullptr, false },
    { E::CheckBoxCheckedImage, "CHECKBOX_CHECK", "CHECKBOX_NORMAL_CHECK", false },
    { E::CheckBoxUncheckedImage, "CHECKBOX_UNCHECK", "CHECKBOX_NORMAL_UNCHECK", false },
    { E::CheckBoxMouseOnCheckedImage, "CHECKBOX_MOUSEON_CHECK", nullptr, false },
    { E::CheckBoxMouseOnUncheckedImage, "CHECKBOX_MOUSEON_UNCHECK", nullptr, false },
    { E::CheckBoxMouseDownCheckedImage, "CHECKBOX_MOUSEDOWN_CHECK", nullptr, false },
    { E::CheckBoxMouseDownUncheckedImage, "CHECKBOX_MOUSEDOWN_UNCHECK", nullptr, false },
    { E::RadioDisabledCheckedImage, "RADIOBUTTON_DISABLE_CHECK", nullptr, false },
    { E::RadioDisabledUncheckedImage, "RADIOBUTTON_DISABLE_UNCHECK", nullptr, false },
    { E::RadioCheckedImage, "RADIOBUTTON_CHECK", "RADIOBUTTON_NORMAL_CHECK", false },
    { E::RadioUncheckedImage, "RADIOBUTTON_UNCHECK", "RADIOBUTTON_NORMAL_UNCHECK", false },
    { E::RadioMouseOnCheckedImage, "RADIOBUTTON_MOUSEON_CHECK", nullptr, false },
    { E::RadioMouseOnUncheckedImage, "RADIOBUTTON_MOUSEON_UNCHECK", nullptr, false },
    { E::RadioMouseDownCheckedImage, "RADIOBUTTON_MOUSEDOWN_CHECK", nullptr, false },
    { E::RadioMouseDownUncheckedImage, "RADIOBUTTON_MOUSEDOWN_UNCHECK", nullptr, false },
    { E::ProgressBarImage, "PROGRESSBAR", nullptr, false },
    { E::ProgressBarVerticalImage, "PROGRESSBAR_V", nullptr, false },
    { E::TitleLeftImage, "TITLE_LEFT", nullptr, false },
    { E::TitleClientImage, "TITLE_CLIENT", nullptr, false },
    { E::TitleRightImage, "TITLE_RIGHT", nullptr, false },
    { E::TitleCloseNormalImage, "TITLEBTN_CLOSE_NORMAL", nullptr, false },
    { E::TitleCloseMouseOnImage, "TITLEBTN_CLOSE_MOUSEON", nullptr, false },
    { E::TitleCloseMouseDownImage, "TITLEBTN_CLOSE_MOUSEDOWN", nullptr, false },
    { E::TitleMaxNormalImage, "TITLEBTN_MAX_NORMAL", nullptr, false },
    { E::TitleMaxMouseOnImage, "TITLEBTN_MAX_MOUSEON", nullptr, false },
    { E::TitleMaxMouseDownImage, "TITLEBTN_MAX_MOUSEDOWN", nullptr, false },
    { E::TitleMinNormalImage, "TITLEBTN_MIN_NORMAL", nullptr, false },
    { E::TitleMinMouseOnImage, "TITLEBTN_MIN_MOUSEON", nullptr, false },
    { E::TitleMinMouseDownImage, "TITLEBTN_MIN_MOUSEDOWN", nullptr, false },
    { E::TitleHelpNormalImage, "TITLEBTN_HELP_NORMAL", nullptr, false },
    { E::TitleHelpMouseOnImage, "TITLEBTN_HELP_MOUSEON", nullptr, false },
    { E::TitleHelpMouseDownImage, "TITLEBTN_HELP_MOUSEDOWN", nullptr, false },
    { E::TitleControlBoxNormalImage, "TITLEBTN_CTLBOX_NORMAL", nullptr, false },
    { E::TitleControlBoxMouseOnImage, "TITLEBTN_CTLBOX_MOUSEON", nullptr, false },
    { E::TitleControlBoxMouseDownImage, "TITLEBTN_CTLBOX_MOUSEDOWN", nullptr, false },
    { E::TitleRestoreNormalImage, "TITLEBTN_RST_NORMAL", nullptr, false },
    { E::TitleRestoreMouseOnImage, "TITLEBTN_RST_MOUSEON", nullptr, false },
    { E::TitleRestoreMouseDownImage, "TITLEBTN_RST_MOUSEDOWN", nullptr, false },
    { E::TabActiveImage, "TAB_ACTIVE", nullptr, false },
    { E::TabInactiveImage, "TAB_INACTIVE", nullptr, false },
    { E::TabLineImage, "TAB_LINE", nullptr, false },
    { E::TrackBarBarImage, "TRACKBAR_BAR", nullptr, false },
    { E::TrackBarSliderImage, "TRACKBAR_SLIDER", nullptr, false },
    // The vertical track bar turns the horizontal bar upright itself.
    { E::TrackBarVerticalBarImage, "TRACKBAR_BAR", nullptr, false },
    { E::TrackBarVerticalSliderImage, "TRACKBAR_SLIDER_V", nullptr, false },
    { E::ScrollBarTopButtonNormalImage, "SCROLLBAR_TOPBUTTON_NORMAL", nullptr, false },
    { E::ScrollBarTopButtonMouseOnImage, "SCROLLBAR_TOPBUTTON_MOUSEON", nullptr, false },
    { E::ScrollBarTopButtonMouseDownImage, "SCROLLBAR_TOPBUTTON_MOUSEDOWN", nullptr, false },
    { E::ScrollBarBottomButtonNormalImage, "SCROLLBAR_BTMBUTTON_NORMAL", nullptr, false },
    { E::ScrollBarBottomButtonMouseOnImage, "SCROLLBAR_BTMBUTTON_MOUSEON", nullptr, false },
    { E::ScrollBarBottomButtonMouseDownImage, "SCROLLBAR_BTMBUTTON_MOUSEDOWN", nullptr, false },
    { E::ScrollBarTrackImage, "SCROLLBAR_TRACK", nullptr, false },
    { E::CheckListDisabledCheckedImage, "CHECKLIST_DISABLE_CHECK", nullptr, false },
    { E::CheckListDisabledUncheckedImage, "CHECKLIST_DISABLE_UNCHECK", nullptr, false },
    { E::CheckListCheckedImage, "CHECKLIST_CHECK", nullptr, false },
    { E::CheckListUncheckedImage, "CHECKLIST_UNCHECK", nullptr, false },
};

const char *const stylePrefixes[styleCount]
    = { "MACOS", "WINXP", "DEEPBLUE", "PROTEIN", "BLUEGLASS" };

// The five records, built once from the rows above. Names are kept as zero-terminated byte
// strings for the life of the program, as the records promise.
struct ThemeRecords {
    std::array<std::array<qint32, zynThemeEntryCount + 1>, styleCount> values {};
    std::array<std::array<QByteArray, zynThemeEntryCount + 1>, styleCount> names;

    ThemeRecords()
    {
        for (const ValueRow &row : valueRows) {
            for (int s = 0; s < styleCount; ++s)
                values[s][int(row.entry)] = row.values[s];
        }
        for (const NameRow &row : nameRows) {
            for (int s = 0; s < styleCount; ++s) {
                const bool winXP = s + 1 == int(TzynUIStyle::WinXP);
                const char *suffix = winXP && row.winXPSuffix ? row.winXPSuffix : row.suffix;
                names[s][int(row.entry)]
                    = row.shared ? QByteArray(suffix) : QByteArray(stylePrefixes[s]) + '_' + suffix;
            }
        }
    }
};

const ThemeRecords &records()
{
    static const ThemeRecords instance;
    return instance;
}

// Index 0 to 4 of a built-in style, -1 for Custom and anything else.
int recordIndex(TzynUIStyle style)
{
    const int number = int(quint8(style)) & 0x7F;
    return number >= 1 && number <= styleCount ? number - 1 : -1;
}

bool validEntry(TzynThemeEntry entry)
{
    return int(entry) >= 1 && int(entry) <= zynThemeEntryCount;
}

const QString themeResourceDir = QStringLiteral(":/themes/");
const QString themeSuffix = QStringLiteral(".bmp");

const TzynFormFrame *findFormFrame(const QObject *owner)
{
    if (!owner)
        return nullptr;
    for (const QObject *child : owner->children()) {
        if (!child->isWidgetType())
            continue;
        if (const auto *frame = dynamic_cast<const TzynFormFrame *>(child))
            return frame;
    }
    return nullptr;
}

} // namespace

TzynThemeValueKind GetThemeKind(TzynThemeEntry entry)
{
    return validEntry(entry) ? kindTable[int(entry)] : Kind::Integer;
}

TzynThemeValue GetThemeValue(TzynUIStyle style, TzynThemeEntry entry)
{
    TzynThemeValue result;
    const int index = recordIndex(style);
    // Entries outside the record are answered like Custom instead of reading past the table.
    if (index < 0 || !validEntry(entry))
        return result;
    result.kind = kindTable[int(entry)];
    if (result.kind == Kind::ResName) {
        result.value = 0;
        result.name = records().names[index][int(entry)].constData();
    } else {
        result.value = records().values[index][int(entry)];
    }
    return result;
}

QString GetThemeResName(TzynUIStyle style, TzynThemeEntry entry)
{
    const TzynThemeValue v = GetThemeValue(style, entry);
    return v.kind == Kind::ResName ? QString::fromLatin1(v.name) : QString();
}

int GetThemeInt(TzynUIStyle style, TzynThemeEntry entry)
{
    const TzynThemeValue v = GetThemeValue(style, entry);
    return v.kind == Kind::Integer ? v.value : -1;
}

int GetThemeBool(TzynUIStyle style, TzynThemeEntry entry)
{
    const TzynThemeValue v = GetThemeValue(style, entry);
    return v.kind == Kind::Flag ? v.value : 0;
}

TColor GetThemeColor(TzynUIStyle style, TzynThemeEntry entry)
{
    const TzynThemeValue v = GetThemeValue(style, entry);
    return v.kind == Kind::Color ? v.value : 0;
}

QString ThemeStyleName(TzynUIStyle style)
{
    const int index = recordIndex(style);
    return index < 0 ? QString() : QString::fromLatin1(stylePrefixes[index]);
}

QStringList ThemeBitmapNames()
{
    QStringList names;
    const QStringList files
        = QDir(themeResourceDir)
              .entryList({ QLatin1Char('*') + themeSuffix }, QDir::Files, QDir::Name);
    for (const QString &file : files) {
        // The twins for high-density screens are not names of their own.
        if (!file.contains(QLatin1Char('@')))
            names << file.chopped(themeSuffix.size());
    }
    return names;
}

QImage ThemeImageOrNull(const QString &name)
{
    // Paints run on the user-interface thread only, so the cache needs no lock. A name
    // that has no bitmap is remembered as a null image, so that a paint asking again does
    // not go to the resources each time.
    static QHash<QString, QImage> cache;
    const QString key = name.toUpper();
    const auto it = cache.constFind(key);
    if (it != cache.constEnd())
        return *it;
    QImage image;
    const QString path = themeResourceDir + key + themeSuffix;
    if (!key.isEmpty() && !key.contains(QLatin1Char('/')) && QFile::exists(path)) {
        QImageReader reader(path, "bmp");
        image = reader.read();
    }
    if (!image.isNull()) {
        image = image.convertToFormat(QImage::Format_RGB32);
        // The twin painted for high-density screens, drawn in its place where the device pixel
        // ratio is above 1.
        QImageReader twin(TPictureTwin::twinPath(path), "bmp");
        TPictureTwin::attach(image, twin.read().convertToFormat(QImage::Format_RGB32));
    }
    cache.insert(key, image);
    return image;
}

QImage ThemeImage(const QString &name)
{
    QImage image = ThemeImageOrNull(name);
    if (image.isNull())
        throw EResNotFound(name);
    return image;
}

void LoadThemeBitmap(TBitmap &bitmap, const QString &name)
{
    bitmap.setImage(ThemeImage(name));
}

TzynUIStyle FindFormUIStyle(const QObject *owner)
{
    if (const TzynFormFrame *form = findFormFrame(owner))
        return form->FrameStyle();
    return TzynUIStyle::DeepBlue;
}

TColor FindFormColor(const QObject *owner)
{
    if (const TzynFormFrame *form = findFormFrame(owner))
        return form->FrameColor();
    return Colors::clBtnFace;
}

TColor FindFormBorderColor(const QObject *owner)
{
    if (const TzynFormFrame *form = findFormFrame(owner))
        return GetThemeColor(form->FrameStyle(), TzynThemeEntry::ControlBorderColor);
    return 0;
}
