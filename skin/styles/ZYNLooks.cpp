#include "ZYNLooks.h"

#include <QApplication>
#include <QHash>
#include <QPalette>
#include <QWidget>

namespace {

using E = TzynThemeEntry;

// One row per style, in the order of TzynUIStyle. The columns, in the order of TzynStyleLook:
// button transparent, focus as bold caption, check box transparent, title caption colour,
// title caption top, form background, max button shows restore, menu bar picture, menu
// select picture, menu heights fixed, tool bar transparent, tab body colour, combo box button.
const TzynStyleLook looks[] = {
    // Custom
    {},
    // MacOS
    { true, true, true, TColor(0x000000), std::nullopt, "MACOS_FORM_BACKGROUND", true,
        "MACOS_MENU_BAR", "MACOS_MENU_SELECT", true, true, std::nullopt, "MACOS_COMBOBOX_BUTTON" },
    // WinXP: the tab body is white.
    { false, false, false, std::nullopt, std::nullopt, nullptr, true, nullptr, nullptr, false,
        false, TColor(0xFFFFFF), nullptr },
    // DeepBlue
    { false, false, false, std::nullopt, 4, nullptr, true, nullptr, nullptr, false, false,
        std::nullopt, nullptr },
    // Protein
    { false, false, true, std::nullopt, std::nullopt, "PROTEIN_FORM_BACKGROUND", true, nullptr,
        nullptr, false, false, std::nullopt, nullptr },
    // BlueGlass
    { true, true, false, std::nullopt, std::nullopt, nullptr, true, nullptr, nullptr, false, false,
        std::nullopt, nullptr },
};

// Per kind, the entries for normal, mouse-on, mouse-down and disabled, unchecked then checked.
struct KindEntries {
    E unchecked[4];
    E checked[4];
};

const KindEntries kinds[] = {
    // Button: a disabled button shows its normal picture.
    { { E::ButtonNormalImage, E::ButtonMouseOnImage, E::ButtonMouseDownImage,
          E::ButtonNormalImage },
        { E::ButtonNormalImage, E::ButtonMouseOnImage, E::ButtonMouseDownImage,
            E::ButtonNormalImage } },
    // CheckBox
    { { E::CheckBoxUncheckedImage, E::CheckBoxMouseOnUncheckedImage,
          E::CheckBoxMouseDownUncheckedImage, E::CheckBoxDisabledUncheckedImage },
        { E::CheckBoxCheckedImage, E::CheckBoxMouseOnCheckedImage, E::CheckBoxMouseDownCheckedImage,
            E::CheckBoxDisabledCheckedImage } },
    // RadioButton
    { { E::RadioUncheckedImage, E::RadioMouseOnUncheckedImage, E::RadioMouseDownUncheckedImage,
          E::RadioDisabledUncheckedImage },
        { E::RadioCheckedImage, E::RadioMouseOnCheckedImage, E::RadioMouseDownCheckedImage,
            E::RadioDisabledCheckedImage } },
};

} // namespace

const TzynStyleLook &StyleLook(TzynUIStyle style)
{
    const auto index = std::size_t(style);
    return index < std::size(looks) ? looks[index] : looks[0];
}

TzynPictureState PictureState(bool enabled, bool mouseDown, bool mouseOn)
{
    if (!enabled)
        return TzynPictureState::Disabled;
    if (mouseDown)
        return TzynPictureState::MouseDown;
    if (mouseOn)
        return TzynPictureState::MouseOn;
    return TzynPictureState::Normal;
}

TzynThemeEntry PictureEntry(TzynPictureKind kind, TzynPictureState state, bool checked)
{
    const KindEntries &entries = kinds[int(kind)];
    return (checked ? entries.checked : entries.unchecked)[int(state)];
}

QImage ThemePicture(TzynUIStyle style, TzynPictureKind kind, TzynPictureState state, bool checked)
{
    // User-interface thread only; four small integers make the key.
    static QHash<quint32, QImage> cache;
    const quint32 key
        = (quint32(style) << 8) | (quint32(kind) << 4) | (quint32(state) << 1) | quint32(checked);
    const auto it = cache.constFind(key);
    if (it != cache.constEnd())
        return *it;
    QImage picture;
    if (style != TzynUIStyle::Custom) {
        picture = ThemeImageOrNull(GetThemeResName(style, PictureEntry(kind, state, checked)));
        if (picture.isNull() && state != TzynPictureState::Normal)
            picture = ThemePicture(style, kind, TzynPictureState::Normal, checked);
    }
    cache.insert(key, picture);
    return picture;
}

QImage ThemeStateImage(const QString &name, TzynPictureState state)
{
    QString suffix;
    if (state == TzynPictureState::MouseOn)
        suffix = QStringLiteral("_MOUSEON");
    else if (state == TzynPictureState::MouseDown)
        suffix = QStringLiteral("_MOUSEDOWN");
    if (!suffix.isEmpty() && !name.isEmpty()) {
        const QImage picture = ThemeImageOrNull(name + suffix);
        if (!picture.isNull())
            return picture;
    }
    return ThemeImageOrNull(name);
}

void ApplyStyleHighlight(QWidget *widget, TzynUIStyle style)
{
    if (!widget)
        return;
    QPalette palette = widget->palette();
    QColor highlight = QApplication::palette().color(QPalette::Active, QPalette::Highlight);
    QColor text = QApplication::palette().color(QPalette::Active, QPalette::HighlightedText);
    if (style != TzynUIStyle::Custom) {
        highlight = toQColor(GetThemeColor(style, TzynThemeEntry::MainMenuSelectedColor));
        text = toQColor(GetThemeColor(style, TzynThemeEntry::MainMenuSelectedFontColor));
    }
    for (const QPalette::ColorGroup group : { QPalette::Active, QPalette::Inactive }) {
        palette.setColor(group, QPalette::Highlight, highlight);
        palette.setColor(group, QPalette::HighlightedText, text);
    }
    widget->setPalette(palette);
}
