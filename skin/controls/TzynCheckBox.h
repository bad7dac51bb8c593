#pragma once

#include "TzynCustomButtonEx.h"
#include "ZYNLooks.h"

// The skinned check box: a click inverts Checked; the indicator pictures come from the theme
// entries of its style for the checked or unchecked, enabled or disabled state, looked up when
// they are drawn.
class TzynCheckBox : public TzynCustomButtonEx {
    Q_OBJECT
public:
    explicit TzynCheckBox(QWidget *parent = nullptr);

    // The size of the style's unchecked check box picture; 0 without one.
    int PictureWidth() const override;
    int PictureHeight() const override;

    // In a built-in style, the theme's pictures for the present state (Checked, Enabled);
    // in Custom, the names stored.
    QString PicNormalResName() const override;
    QString PicMouseOnResName() const override;
    QString PicMouseDownResName() const override;

protected:
    virtual void AfterToggle() { }

    void Toggle() override;
    void CheckedChanged() override;
    void EnabledChanged() override;
    void UIStyleChanged() override;
    void TransparentChanged() override;
    void ApplyUIStylePictures(TzynUIStyle style) override;
    QImage StatePicture(TzynPictureState state) const override;
    // Whose theme pictures the control shows.
    virtual TzynPictureKind PictureKind() const { return TzynPictureKind::CheckBox; }

private:
    QSize pictureSize() const;
    QString themePicture(TzynPictureState state) const;
    // A Custom check box keeps no names across a change of state: the theme has none for it.
    void forgetCustomPictures();
};
