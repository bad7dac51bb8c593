#include "TCollection.h"

TCollection::TCollection(QObject *owner)
    : QObject(owner)
{
}

TCollection::~TCollection() = default;

int TCollection::IndexOf(const QObject *item) const
{
    return int(m_items.indexOf(const_cast<QObject *>(item)));
}

QObject *TCollection::addItem()
{
    QObject *item = createItem();
    m_items.append(item);
    Update();
    return item;
}

void TCollection::Delete(int index)
{
    if (index < 0 || index >= Count())
        return;
    delete m_items.takeAt(index);
    Update();
}

void TCollection::Clear()
{
    m_default = false;
    if (m_items.isEmpty())
        return;
    qDeleteAll(m_items);
    m_items.clear();
    Update();
}

QObject *TCollection::add()
{
    if (m_default)
        Clear();
    return addItem();
}

void TCollection::Update()
{
    Q_EMIT OnUpdate();
}
