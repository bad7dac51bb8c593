#include "TCustomAction.h"

#include "TImageList.h"

#include <QMetaMethod>

TCustomAction::TCustomAction(QObject *owner)
    : QObject(owner)
{
}

void TCustomAction::setCaption(const QString &caption)
{
    if (m_caption == caption)
        return;
    m_caption = caption;
    changed();
}

void TCustomAction::setEnabled(bool enabled)
{
    if (m_enabled == enabled)
        return;
    m_enabled = enabled;
    changed();
}

void TCustomAction::setHint(const QString &hint)
{
    if (m_hint == hint)
        return;
    m_hint = hint;
    changed();
}

void TCustomAction::setImageIndex(int index)
{
    if (m_imageIndex == index)
        return;
    m_imageIndex = index;
    changed();
}

void TCustomAction::setImages(TImageList *images)
{
    if (m_images == images)
        return;
    m_images = images;
    changed();
}

bool TCustomAction::Execute()
{
    if (!isSignalConnected(QMetaMethod::fromSignal(&TCustomAction::OnExecute)))
        return false;
    Q_EMIT OnExecute(this);
    return true;
}

void TCustomAction::changed()
{
    Q_EMIT OnChange(this);
}
