#pragma once

#include <QList>
#include <QObject>

class TzynTitleBar;
class TzynTitleBarButton;

// The title bar's buttons. Right-hand buttons are laid out from the right edge in collection
// order; the control box sits on the left. Any change of an item repaints the bar.
class TzynTitleBarButtons : public QObject {
    Q_OBJECT
public:
    explicit TzynTitleBarButtons(TzynTitleBar *owner);
    ~TzynTitleBarButtons() override;

    TzynTitleBar *Owner() const { return m_owner; }
    int Count() const { return int(m_items.size()); }
    TzynTitleBarButton *Items(int index) const { return m_items.value(index); }
    int IndexOf(const TzynTitleBarButton *button) const;

    TzynTitleBarButton *Add();
    void Delete(int index);
    void Clear();
    void Assign(const TzynTitleBarButtons *source);

    // The layout's way in: a stored collection replaces the buttons that the bar made for
    // itself, then grows item by item.
    Q_INVOKABLE QObject *add();
    void markAsDefault() { m_default = true; }

    void Update();

Q_SIGNALS:
    void OnUpdate();

private:
    TzynTitleBar *m_owner;
    QList<TzynTitleBarButton *> m_items;
    bool m_default = false;
};
