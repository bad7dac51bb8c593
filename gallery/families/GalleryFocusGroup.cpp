#include "GalleryFocusGroup.h"

#include "TzynButton.h"
#include "TzynImagePanel.h"
#include "TzynListBox.h"

GalleryFocusGroup::GalleryFocusGroup(QWidget *parent)
    : GalleryFamily(parent)
{
}

void GalleryFocusGroup::Loaded()
{
    m_label = Part<TzynImagePanel>("FocusLabel");
    m_log = Part<TzynListBox>("FocusLog");
    // The control that the screenshots show focused: the cancel button, so that its focus
    // look and the default button's look show side by side.
    setProperty("FocusShown", QStringLiteral("FocusCancel"));
}

QString GalleryFocusGroup::LastClick() const
{
    return m_label->Caption();
}

void GalleryFocusGroup::FocusButtonClick(QObject *Sender)
{
    const auto *button = qobject_cast<TzynButton *>(Sender);
    if (!button)
        return;
    const QString role = button->Default() ? QStringLiteral(" (the default button)")
        : button->Cancel()                 ? QStringLiteral(" (the cancel button)")
                                           : QString();
    const QString text = QStringLiteral("You clicked %1%2").arg(button->Caption(), role);
    m_label->setCaption(text);
    m_log->insertItem(0, text);
}
