#pragma once

#include <QList>
#include <QObject>

class TzynTitleBar;
class TzynTitleBarSection;

// The title bar's sections in drawing order. Any change of an item repaints the bar.
class TzynTitleBarSections : public QObject {
    Q_OBJECT
public:
    explicit TzynTitleBarSections(TzynTitleBar *owner);
    ~TzynTitleBarSections() override;

    TzynTitleBar *Owner() const { return m_owner; }
    int Count() const { return int(m_items.size()); }
    TzynTitleBarSection *Items(int index) const { return m_items.value(index); }
    int IndexOf(const TzynTitleBarSection *section) const;

    TzynTitleBarSection *Add();
    void Delete(int index);
    void Clear();
    void Assign(const TzynTitleBarSections *source);

    // The layout's way in: a stored collection replaces the sections that the bar made for
    // itself (by its style), then grows item by item.
    Q_INVOKABLE QObject *add();
    // Marks the current sections as the bar's own, to be replaced by a stored collection.
    void markAsDefault() { m_default = true; }

    // Repaints the owner; called by the items.
    void Update();

Q_SIGNALS:
    void OnUpdate();

private:
    TzynTitleBar *m_owner;
    QList<TzynTitleBarSection *> m_items;
    bool m_default = false;
};
