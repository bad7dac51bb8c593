#include "TzynTitleBarSections.h"

#include "TzynTitleBar.h"
#include "TzynTitleBarSection.h"

TzynTitleBarSections::TzynTitleBarSections(TzynTitleBar *owner)
    : QObject(owner)
    , m_owner(owner)
{
}

TzynTitleBarSections::~TzynTitleBarSections() = default;

int TzynTitleBarSections::IndexOf(const TzynTitleBarSection *section) const
{
    return int(m_items.indexOf(const_cast<TzynTitleBarSection *>(section)));
}

TzynTitleBarSection *TzynTitleBarSections::Add()
{
    auto *section = new TzynTitleBarSection(this);
    m_items.append(section);
    Update();
    return section;
}

void TzynTitleBarSections::Delete(int index)
{
    if (index < 0 || index >= Count())
        return;
    delete m_items.takeAt(index);
    Update();
}

void TzynTitleBarSections::Clear()
{
    m_default = false;
    if (m_items.isEmpty())
        return;
    qDeleteAll(m_items);
    m_items.clear();
    Update();
}

void TzynTitleBarSections::Assign(const TzynTitleBarSections *source)
{
    if (!source || source == this)
        return;
    Clear();
    for (const TzynTitleBarSection *item : source->m_items)
        Add()->Assign(item);
}

QObject *TzynTitleBarSections::add()
{
    if (m_default)
        Clear();
    return Add();
}

void TzynTitleBarSections::Update()
{
    Q_EMIT OnUpdate();
}
