#pragma once

#include "TzynCustomButtonEx.h"

// The skinned check box: a click inverts Checked; the indicator pictures come from the theme
// entries of its style for the checked or unchecked, enabled or disabled state.
class TzynCheckBox : public TzynCustomButtonEx {
    Q_OBJECT
public:
    explicit TzynCheckBox(QWidget *parent = nullptr);

    TzynStyleClasses StyleClasses() const override { return TzynStyleClass::CheckBox; }

    // The size of the style's unchecked check box picture; 0 without one.
    int PictureWidth() const override;
    int PictureHeight() const override;

protected:
    virtual void AfterToggle() { }

    void Toggle() override;
    void CheckedChanged() override;
    void EnabledChanged() override;
    void UIStyleChanged() override;
    void TransparentChanged() override;
    void ApplyUIStylePictures(TzynUIStyle style) override;

private:
    QSize pictureSize() const;
};
