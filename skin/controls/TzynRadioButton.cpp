#include "TzynRadioButton.h"

#include <QKeyEvent>
#include <QPointer>

TzynRadioButton::TzynRadioButton(QWidget *parent)
    : TzynCheckBox(parent)
{
    m_pictureTransparent = true;
    setCaption(QStringLiteral("zynRadioButton"));
    setHeight(17);
    updateGroupTabStops();
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
    updateGroupTabStops();
}

void TzynRadioButton::setGroupIndex(int value)
{
    if (m_groupIndex == value)
        return;
    // Both the group it leaves and the one it joins may change their Tab stop.
    const QList<TzynRadioButton *> left = Group();
    m_groupIndex = value;
    for (TzynRadioButton *radio : left) {
        if (radio != this) {
            radio->updateGroupTabStops();
            break;
        }
    }
    updateGroupTabStops();
}

QList<TzynRadioButton *> TzynRadioButton::Group() const
{
    QWidget *parent = parentWidget();
    if (!parent)
        return { const_cast<TzynRadioButton *>(this) };
    QList<TzynRadioButton *> group;
    for (QWidget *child : TControlCore::tabOrderedChildren(parent)) {
        auto *radio = qobject_cast<TzynRadioButton *>(child);
        if (radio && radio->m_groupIndex == m_groupIndex)
            group.append(radio);
    }
    return group;
}

void TzynRadioButton::updateGroupTabStops()
{
    const QList<TzynRadioButton *> group = Group();
    TzynRadioButton *stop = nullptr;
    for (TzynRadioButton *radio : group) {
        if (radio->Checked()) {
            stop = radio;
            break;
        }
    }
    if (!stop && !group.isEmpty())
        stop = group.first();
    for (TzynRadioButton *radio : group) {
        // A click still focuses any of them; only Tab passes the others by.
        radio->setFocusPolicy(radio == stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

bool TzynRadioButton::event(QEvent *event)
{
    const bool result = TzynCheckBox::event(event);
    if (event->type() == QEvent::ParentChange)
        updateGroupTabStops();
    return result;
}

void TzynRadioButton::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    const bool back = key == Qt::Key_Up || key == Qt::Key_Left;
    const bool forward = key == Qt::Key_Down || key == Qt::Key_Right;
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if ((!back && !forward) || mods != Qt::NoModifier) {
        TzynCheckBox::keyPressEvent(event);
        return;
    }
    const QList<TzynRadioButton *> group = Group();
    const int at = int(group.indexOf(this));
    const int n = int(group.size());
    for (int step = 1; step < n; ++step) {
        TzynRadioButton *next = group[((at + (forward ? step : -step)) % n + n) % n];
        if (!next->isVisibleTo(window()) || !next->isEnabled())
            continue;
        // Moving there checks it and raises its click, as a click would.
        next->setFocus(Qt::OtherFocusReason);
        next->Click();
        break;
    }
    event->accept();
}

void TzynRadioButton::TransparentChanged()
{
    m_pictureTransparent = true;
    update();
}
