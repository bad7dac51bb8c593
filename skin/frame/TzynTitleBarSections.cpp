#include "TzynTitleBarSections.h"

#include "TzynTitleBar.h"
#include "TzynTitleBarSection.h"

TzynTitleBarSections::TzynTitleBarSections(TzynTitleBar *owner)
    : TCollection(owner)
    , m_owner(owner)
{
}

TzynTitleBarSection *TzynTitleBarSections::Items(int index) const
{
    return static_cast<TzynTitleBarSection *>(itemAt(index));
}

TzynTitleBarSection *TzynTitleBarSections::Add()
{
    return static_cast<TzynTitleBarSection *>(addItem());
}

QObject *TzynTitleBarSections::createItem()
{
    return new TzynTitleBarSection(this);
}

void TzynTitleBarSections::Assign(const TzynTitleBarSections *source)
{
    if (!source || source == this)
        return;
    Clear();
    for (int i = 0; i < source->Count(); ++i)
        Add()->Assign(source->Items(i));
}
