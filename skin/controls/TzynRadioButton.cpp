#include "TzynRadioButton.h"

#include <QPointer>

TzynRadioButton::TzynRadioButton(QWidget *parent)
    : TzynCheckBox(parent)
{
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
    TzynCheckBox::CheckedChanged();
}

void TzynRadioButton::TransparentChanged()
{
    m_pictureTransparent = true;
    update();
}
