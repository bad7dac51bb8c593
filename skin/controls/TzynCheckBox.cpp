#include "TzynCheckBox.h"

#include "Exception.h"
#include "ZYNControlUtils.h"

TzynCheckBox::TzynCheckBox(QWidget *parent)
    : TzynCustomButtonEx(parent)
{
    TakeOwnerStyle(ControlOwner(parent));
    m_pictureTransparent = false;
    setCaption(QStringLiteral("zynCheckBox"));
    setHeight(17);
}

QSize TzynCheckBox::pictureSize() const
{
    const QString name = GetThemeResName(UIStyle(), TzynThemeEntry::CheckBoxUncheckedImage);
    if (name.isEmpty())
        return QSize(0, 0);
    try {
        return LoadResourceBitmap(0, name).size();
    } catch (const Exception &) {
        return QSize(0, 0);
    }
}

int TzynCheckBox::PictureWidth() const
{
    return pictureSize().width();
}

int TzynCheckBox::PictureHeight() const
{
    return pictureSize().height();
}

void TzynCheckBox::Toggle()
{
    setChecked(!Checked());
    AfterToggle();
}

void TzynCheckBox::CheckedChanged()
{
    ApplyUIStylePictures(UIStyle());
}

void TzynCheckBox::EnabledChanged()
{
    ApplyUIStylePictures(UIStyle());
}

void TzynCheckBox::UIStyleChanged()
{
    TzynCustomButtonEx::UIStyleChanged();
    switch (UIStyle()) {
    case TzynUIStyle::MacOS:
    case TzynUIStyle::Protein:
        setTransparent(true);
        break;
    case TzynUIStyle::WinXP:
    case TzynUIStyle::DeepBlue:
    case TzynUIStyle::BlueGlass:
        setTransparent(false);
        break;
    case TzynUIStyle::Custom:
        break;
    }
}

void TzynCheckBox::TransparentChanged()
{
    m_pictureTransparent = false;
    update();
}

void TzynCheckBox::ApplyUIStylePictures(TzynUIStyle style)
{
    using E = TzynThemeEntry;
    setResHandle(0);
    const bool enabled = isEnabled();
    if (Checked()) {
        setPicNormalResName(GetThemeResName(
            style, enabled ? E::CheckBoxCheckedImage : E::CheckBoxDisabledCheckedImage));
        setPicMouseOnResName(GetThemeResName(style, E::CheckBoxMouseOnCheckedImage));
        setPicMouseDownResName(GetThemeResName(style, E::CheckBoxMouseDownCheckedImage));
    } else {
        setPicNormalResName(GetThemeResName(
            style, enabled ? E::CheckBoxUncheckedImage : E::CheckBoxDisabledUncheckedImage));
        setPicMouseOnResName(GetThemeResName(style, E::CheckBoxMouseOnUncheckedImage));
        setPicMouseDownResName(GetThemeResName(style, E::CheckBoxMouseDownUncheckedImage));
    }
}
