#pragma once

#include "TzynCheckBox.h"

#include <QList>

// The skinned radio button: a click checks it (never unchecks), and checking it unchecks the
// radio buttons with the same GroupIndex under the same parent. It is measured with the check
// box picture of its style.
//
// Such a group is one stop of the Tab key, on its checked button (on its first button while
// none is checked); the arrow keys move the focus and the check within the group, in Tab
// order, round from the last to the first, past disabled and hidden buttons.
class TzynRadioButton : public TzynCheckBox {
    Q_OBJECT
    Q_PROPERTY(int GroupIndex READ GroupIndex WRITE setGroupIndex)
public:
    explicit TzynRadioButton(QWidget *parent = nullptr);

    int GroupIndex() const { return m_groupIndex; }
    void setGroupIndex(int value);

    // The radio buttons of this one's group (itself included), in Tab order.
    QList<TzynRadioButton *> Group() const;

protected:
    void Toggle() override;
    void CheckedChanged() override;
    void TransparentChanged() override;
    TzynPictureKind PictureKind() const override { return TzynPictureKind::RadioButton; }
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Gives the group's Tab stop to its checked button.
    void updateGroupTabStops();

private:
    int m_groupIndex = 0;
};
