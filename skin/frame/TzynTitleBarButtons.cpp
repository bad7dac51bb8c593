#include "TzynTitleBarButtons.h"

#include "TzynTitleBar.h"
#include "TzynTitleBarButton.h"

TzynTitleBarButtons::TzynTitleBarButtons(TzynTitleBar *owner)
    : QObject(owner)
    , m_owner(owner)
{
}

TzynTitleBarButtons::~TzynTitleBarButtons() = default;

int TzynTitleBarButtons::IndexOf(const TzynTitleBarButton *button) const
{
    return int(m_items.indexOf(const_cast<TzynTitleBarButton *>(button)));
}

TzynTitleBarButton *TzynTitleBarButtons::Add()
{
    auto *button = new TzynTitleBarButton(this);
    m_items.append(button);
    Update();
    return button;
}

void TzynTitleBarButtons::Delete(int index)
{
    if (index < 0 || index >= Count())
        return;
    delete m_items.takeAt(index);
    Update();
}

void TzynTitleBarButtons::Clear()
{
    m_default = false;
    if (m_items.isEmpty())
        return;
    qDeleteAll(m_items);
    m_items.clear();
    Update();
}

void TzynTitleBarButtons::Assign(const TzynTitleBarButtons *source)
{
    if (!source || source == this)
        return;
    Clear();
    for (const TzynTitleBarButton *item : source->m_items)
        Add()->Assign(item);
}

QObject *TzynTitleBarButtons::add()
{
    if (m_default)
        Clear();
    return Add();
}

void TzynTitleBarButtons::Update()
{
    Q_EMIT OnUpdate();
}
