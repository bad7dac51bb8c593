#pragma once

#include "TComponentHolder.h"
#include "TMainMenu.h"

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QAction;
class QKeyEvent;
class QMenu;

// One entry of a menu: its caption ("-" makes it a separator line), shortcut, checked, enabled
// and default states, an image index into the menu's image list, and its sub-items, which drop
// down from it. Each item stands behind one QAction; an item with sub-items also owns the
// QMenu that shows them, made by its menu (so that a skinned menu can supply menus that it
// draws itself). A layout writes sub-items as components nested in the item.
class TMenuItem : public QObject, public TComponentHolder {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(QString ShortCut READ ShortCut WRITE setShortCut)
    Q_PROPERTY(bool Checked READ Checked WRITE setChecked)
    Q_PROPERTY(bool AutoCheck READ AutoCheck WRITE setAutoCheck)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled)
    Q_PROPERTY(bool Default READ Default WRITE setDefault)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE setImageIndex)
    Q_PROPERTY(QString Hint READ Hint WRITE setHint)
public:
    explicit TMenuItem(QObject *owner = nullptr);
    ~TMenuItem() override;

    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    // The shortcut in its portable text form ("Ctrl+O"); an empty text is none.
    QString ShortCut() const { return m_shortCut.toString(QKeySequence::PortableText); }
    void setShortCut(const QString &text);
    QKeySequence shortCutKeys() const { return m_shortCut; }
    // The shortcut as the desktop writes it beside the caption.
    QString ShortCutText() const { return m_shortCut.toString(QKeySequence::NativeText); }
    bool Checked() const { return m_checked; }
    void setChecked(bool checked);
    bool AutoCheck() const { return m_autoCheck; }
    void setAutoCheck(bool value) { m_autoCheck = value; }
    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    // The default item of a menu is drawn in bold.
    bool Default() const { return m_default; }
    void setDefault(bool value);
    bool Visible() const { return m_visible; }
    void setVisible(bool visible);
    int ImageIndex() const { return m_imageIndex; }
    void setImageIndex(int index);
    QString Hint() const { return m_hint; }
    void setHint(const QString &hint);

    // A separator line: the caption is exactly "-".
    bool IsLine() const { return m_caption == QLatin1String("-"); }

    // Sub-items, in menu order.
    int Count() const { return int(m_items.size()); }
    TMenuItem *Items(int index) const { return m_items.value(index); }
    int IndexOf(const TMenuItem *item) const { return int(m_items.indexOf(item)); }
    TMenuItem *Parent() const { return m_parent; }
    int MenuIndex() const { return m_parent ? m_parent->IndexOf(this) : -1; }
    void Add(TMenuItem *item);
    void Insert(int index, TMenuItem *item);
    // Takes the item out of the sub-items without freeing it.
    void Remove(TMenuItem *item);
    // Frees every sub-item.
    void Clear();
    // The layout loader hands over components written inside the item; it takes items.
    bool InsertComponent(QObject *component) override;

    // The menu the item belongs to (through its top item), or null.
    TMainMenu *Menu() const;
    // The action that shows the item in a QMenu.
    QAction *action() const { return m_action; }
    // The drop-down of the sub-items, built when first asked for; null while there are none.
    QMenu *popup();
    // The item shown by an action, or null for an action that shows no item.
    static TMenuItem *fromAction(const QAction *action);

    // What choosing the item does: an auto-check item toggles, then OnClick is raised.
    virtual void Click();

Q_SIGNALS:
    void OnClick(QObject *Sender);

private:
    friend class TMainMenu;
    void setMenu(TMainMenu *menu) { m_menu = menu; }
    // Tells the menu that the item changed; rebuild when the sub-items did.
    void changed(bool rebuild);
    void updateAction();
    void rebuildPopup();

    QString m_caption;
    QKeySequence m_shortCut;
    bool m_checked = false;
    bool m_autoCheck = false;
    bool m_enabled = true;
    bool m_default = false;
    bool m_visible = true;
    int m_imageIndex = -1;
    QString m_hint;
    QList<TMenuItem *> m_items;
    TMenuItem *m_parent = nullptr;
    // Set on the top item only.
    QPointer<TMainMenu> m_menu;
    QAction *m_action;
    QMenu *m_popup = nullptr;
    // The menu whose CreatePopup made m_popup: an item that moves to another menu gets a
    // drop-down of that menu's kind.
    QPointer<TMainMenu> m_popupMaker;
    bool m_popupDirty = true;
    bool m_destroying = false;
};
