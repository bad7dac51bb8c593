#include "GalleryButtonsGroup.h"

#include "TzynButton.h"
#include "TzynImagePanel.h"

GalleryButtonsGroup::GalleryButtonsGroup(QWidget *parent)
    : GalleryFamily(parent)
{
}

void GalleryButtonsGroup::Loaded()
{
    m_repeatLabel = Part<TzynImagePanel>("RepeatCountLabel");
    m_dialogLabel = Part<TzynImagePanel>("DialogLabel");
    showRepeats();
}

void GalleryButtonsGroup::RepeatButtonRepeat(QObject *)
{
    ++m_repeats;
    showRepeats();
}

void GalleryButtonsGroup::RepeatResetClick(QObject *)
{
    m_repeats = 0;
    showRepeats();
}

void GalleryButtonsGroup::DialogButtonClick(QObject *Sender)
{
    const auto *button = qobject_cast<TzynButton *>(Sender);
    if (!button)
        return;
    const QString role = button->Default() ? QStringLiteral(", the default button (Enter)")
        : button->Cancel()                 ? QStringLiteral(", the cancel button (Escape)")
                                           : QString();
    m_dialogLabel->setCaption(QStringLiteral("You clicked %1%2").arg(button->Caption(), role));
}

void GalleryButtonsGroup::showRepeats()
{
    m_repeatLabel->setCaption(QStringLiteral("Repeats: %1").arg(m_repeats));
}
