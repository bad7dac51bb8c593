#include "TzynTitleBarSection.h"

#include "TPicture.h"
#include "TzynErrorBox.h"
#include "TzynTitleBarSections.h"

TzynTitleBarSection::TzynTitleBarSection(TzynTitleBarSections *collection)
    : QObject(collection)
    , m_collection(collection)
    , m_picture(new TPicture(this))
{
    connect(m_picture, &TPicture::OnChange, this, [this] { pictureChanged(); });
}

int TzynTitleBarSection::Index() const
{
    return m_collection ? m_collection->IndexOf(this) : -1;
}

void TzynTitleBarSection::Changed()
{
    if (m_collection)
        m_collection->Update();
}

void TzynTitleBarSection::setWidth(int width)
{
    m_width = width;
    Changed();
}

void TzynTitleBarSection::setAlign(TzynTitleBarAlign align)
{
    if (align == zynClient && m_collection) {
        for (int i = 0; i < m_collection->Count(); ++i) {
            // The section itself does not conflict with the value it already has.
            if (m_collection->Items(i) != this && m_collection->Items(i)->m_align == zynClient) {
                TzynErrorBox::Show(QStringLiteral(
                    "Sorry, only one section's Align property can be \"zynClient\""));
                return;
            }
        }
    }
    m_align = align;
    if (align == zynClient)
        m_stretch = true;
    Changed();
}

void TzynTitleBarSection::setPicture(const TPicture *picture)
{
    m_settingPicture = true;
    m_picture->assign(picture);
    m_settingPicture = false;
    if (picture && m_autoSize)
        m_width = m_picture->width();
    Changed();
}

void TzynTitleBarSection::pictureChanged()
{
    // A picture loaded straight into the owned picture (as the layout does) counts as given.
    if (m_settingPicture)
        return;
    if (m_autoSize && !m_picture->isEmpty())
        m_width = m_picture->width();
    Changed();
}

void TzynTitleBarSection::setStretch(bool stretch)
{
    m_stretch = stretch || m_align == zynClient;
    Changed();
}

void TzynTitleBarSection::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    if (m_picture->graphic())
        m_width = m_picture->width();
    Changed();
}

void TzynTitleBarSection::Assign(const TzynTitleBarSection *source)
{
    if (!source || source == this)
        return;
    setWidth(source->m_width);
    // Copying keeps the source's alignment without the one-client check: the copy replaces
    // this section's place in a collection that is being rebuilt.
    m_align = source->m_align;
    setPicture(source->m_picture);
    setStretch(source->m_stretch);
    setAutoSize(source->m_autoSize);
}
