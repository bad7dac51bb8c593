#include "TzynCheckBox.h"

#include "ZYNControlUtils.h"

TzynCheckBox::TzynCheckBox(QWidget *parent)
    : TzynCustomButtonEx(parent)
{
    m_pictureTransparent = false;
    setCaption(QStringLiteral("zynCheckBox"));
    setHeight(17);
}

QSize TzynCheckBox::pictureSize() const
{
    const QString name = GetThemeResName(UIStyle(), TzynThemeEntry::CheckBoxUncheckedImage);
    const QImage picture = ResourcePicture(0, name);
    return picture.isNull() ? QSize(0, 0) : picture.size();
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

QString TzynCheckBox::themePicture(TzynPictureState state) const
{
    return GetThemeResName(UIStyle(), PictureEntry(PictureKind(), state, Checked()));
}

QString TzynCheckBox::PicNormalResName() const
{
    if (UIStyle() == TzynUIStyle::Custom)
        return TzynCustomButtonEx::PicNormalResName();
    return themePicture(isEnabled() ? TzynPictureState::Normal : TzynPictureState::Disabled);
}

QString TzynCheckBox::PicMouseOnResName() const
{
    if (UIStyle() == TzynUIStyle::Custom)
        return TzynCustomButtonEx::PicMouseOnResName();
    return themePicture(TzynPictureState::MouseOn);
}

QString TzynCheckBox::PicMouseDownResName() const
{
    if (UIStyle() == TzynUIStyle::Custom)
        return TzynCustomButtonEx::PicMouseDownResName();
    return themePicture(TzynPictureState::MouseDown);
}

QImage TzynCheckBox::StatePicture(TzynPictureState state) const
{
    if (UIStyle() == TzynUIStyle::Custom)
        return TzynCustomButtonEx::StatePicture(state);
    const QImage picture = ThemePicture(UIStyle(), PictureKind(), state, Checked());
    return picture.isNull() ? BlankPicture() : picture;
}

void TzynCheckBox::forgetCustomPictures()
{
    if (UIStyle() != TzynUIStyle::Custom)
        return;
    m_picNormalResName.clear();
    m_picMouseOnResName.clear();
    m_picMouseDownResName.clear();
}

void TzynCheckBox::CheckedChanged()
{
    setResHandle(0);
    forgetCustomPictures();
    update();
}

void TzynCheckBox::EnabledChanged()
{
    setResHandle(0);
    forgetCustomPictures();
    update();
}

void TzynCheckBox::UIStyleChanged()
{
    TzynCustomButtonEx::UIStyleChanged();
    if (const std::optional<bool> transparent = StyleLook(UIStyle()).checkBoxTransparent)
        setTransparent(*transparent);
}

void TzynCheckBox::TransparentChanged()
{
    m_pictureTransparent = false;
    update();
}

void TzynCheckBox::ApplyUIStylePictures(TzynUIStyle)
{
    // The pictures follow the style and the state when they are drawn; only the measure
    // changes with the style.
    setResHandle(0);
    forgetCustomPictures();
    AutoSizeToPicture();
    update();
}
