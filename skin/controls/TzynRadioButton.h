#pragma once

#include "TzynCheckBox.h"

// The skinned radio button: a click checks it (never unchecks), and checking it unchecks the
// radio buttons with the same GroupIndex under the same parent. It is measured with the check
// box picture of its style.
class TzynRadioButton : public TzynCheckBox {
    Q_OBJECT
    Q_PROPERTY(int GroupIndex READ GroupIndex WRITE setGroupIndex)
public:
    explicit TzynRadioButton(QWidget *parent = nullptr);

    int GroupIndex() const { return m_groupIndex; }
    void setGroupIndex(int value) { m_groupIndex = value; }

protected:
    void Toggle() override;
    void CheckedChanged() override;
    void TransparentChanged() override;
    TzynPictureKind PictureKind() const override { return TzynPictureKind::RadioButton; }

private:
    int m_groupIndex = 0;
};
