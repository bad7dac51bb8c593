#include "GalleryGroupBoxesGroup.h"

#include "TzynImagePanel.h"
#include "ZYNStylePropagation.h"

GalleryGroupBoxesGroup::GalleryGroupBoxesGroup(QWidget *parent)
    : GalleryFamily(parent)
{
}

void GalleryGroupBoxesGroup::Loaded()
{
    m_backdrop = Part<TzynImagePanel>("GroupBoxesBackdrop");
}

void GalleryGroupBoxesGroup::UpdateChildrenUIStyle(TzynUIStyle style)
{
    GalleryFamily::UpdateChildrenUIStyle(style);
    if (m_backdrop) {
        ApplyUIStyleToContainers(m_backdrop, style);
        ApplyUIStyleToChildren(m_backdrop, style);
    }
}
