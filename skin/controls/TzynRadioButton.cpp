#include "TzynRadioButton.h"

#include <QPointer>

TzynRadioButton::TzynRadioButton(QWidget *parent)
    : TzynCheckBox(parent)
{
    // The check box's construction took the check box pictures of the style.
    ApplyUIStylePictures(UIStyle());
    m_pictureTransparent = true;
    setCaption(QStringLiteral("zynRadioButton"));
    setHeight(17);
}

void TzynRadioButton::Toggle()
{
    if (!Checked())
        setChecked(true);
}

void TzynRadioButton::CheckedChanged()
{
    if (Checked() && parentWidget()) {
        const QObjectList siblings = parentWidget()->children();
        for (const QPointer<QObject> sibling : siblings) {
            auto *radio = qobject_cast<TzynRadioButton *>(sibling.data());
            if (radio && radio != this && radio->GroupIndex() == m_groupIndex)
                radio->setChecked(false);
        }
    }
    ApplyUIStylePictures(UIStyle());
}

void TzynRadioButton::TransparentChanged()
{
    m_pictureTransparent = true;
    update();
}

void TzynRadioButton::ApplyUIStylePictures(TzynUIStyle style)
{
    using E = TzynThemeEntry;
    setResHandle(0);
    const bool enabled = isEnabled();
    if (Checked()) {
        setPicNormalResName(
            GetThemeResName(style, enabled ? E::RadioCheckedImage : E::RadioDisabledCheckedImage));
        setPicMouseOnResName(GetThemeResName(style, E::RadioMouseOnCheckedImage));
        setPicMouseDownResName(GetThemeResName(style, E::RadioMouseDownCheckedImage));
    } else {
        setPicNormalResName(GetThemeResName(
            style, enabled ? E::RadioUncheckedImage : E::RadioDisabledUncheckedImage));
        setPicMouseOnResName(GetThemeResName(style, E::RadioMouseOnUncheckedImage));
        setPicMouseDownResName(GetThemeResName(style, E::RadioMouseDownUncheckedImage));
    }
    update();
}
