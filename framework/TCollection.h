#pragma once

#include <QList>
#include <QObject>

// An ordered list of items that a component owns, such as a title bar's buttons. A layout
// fills it through add(). A component may mark the items it made for itself as defaults: the
// first item a layout adds then replaces them, so that a stored collection wins over the
// component's own. Any change raises OnUpdate.
class TCollection : public QObject {
    Q_OBJECT
public:
    explicit TCollection(QObject *owner);
    ~TCollection() override;

    int Count() const { return int(m_items.size()); }
    int IndexOf(const QObject *item) const;
    void Delete(int index);
    void Clear();

    Q_INVOKABLE QObject *add();
    void markAsDefault() { m_default = true; }

    // Tells the owner that the collection or one of its items changed.
    void Update();

Q_SIGNALS:
    void OnUpdate();

protected:
    // Makes a new item owned by this collection.
    virtual QObject *createItem() = 0;
    QObject *itemAt(int index) const { return m_items.value(index); }
    QObject *addItem();

private:
    QList<QObject *> m_items;
    bool m_default = false;
};
