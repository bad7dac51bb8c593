#include "TMenuItem.h"

#include "TImageList.h"
#include "TMainMenu.h"
#include "TProperty.h"

#include <QAction>
#include <QMenu>

TMenuItem::TMenuItem(QObject *owner)
    : QObject(owner)
    , m_action(new QAction(this))
{
    connect(m_action, &QAction::triggered, this, [this] { Click(); });
}

TMenuItem::~TMenuItem()
{
    m_destroying = true;
    if (m_parent)
        m_parent->Remove(this);
    const QList<TMenuItem *> items = m_items;
    qDeleteAll(items);
    delete m_popup;
}

void TMenuItem::setCaption(const QString &caption)
{
    if (!AssignIfChanged(m_caption, caption))
        return;
    updateAction();
    changed(false);
}

void TMenuItem::setShortCut(const QString &text)
{
    const QKeySequence keys = QKeySequence::fromString(text, QKeySequence::PortableText);
    if (!AssignIfChanged(m_shortCut, keys))
        return;
    updateAction();
    changed(false);
}

void TMenuItem::setChecked(bool checked)
{
    if (!AssignIfChanged(m_checked, checked))
        return;
    updateAction();
    changed(false);
}

void TMenuItem::setEnabled(bool enabled)
{
    if (!AssignIfChanged(m_enabled, enabled))
        return;
    updateAction();
    changed(false);
}

void TMenuItem::setDefault(bool value)
{
    if (!AssignIfChanged(m_default, value))
        return;
    updateAction();
    changed(false);
}

void TMenuItem::setVisible(bool visible)
{
    if (!AssignIfChanged(m_visible, visible))
        return;
    updateAction();
    if (m_parent)
        m_parent->changed(true);
}

void TMenuItem::setImageIndex(int index)
{
    if (!AssignIfChanged(m_imageIndex, index))
        return;
    updateAction();
    changed(false);
}

void TMenuItem::setHint(const QString &hint)
{
    m_hint = hint;
    m_action->setStatusTip(hint);
}

void TMenuItem::Add(TMenuItem *item)
{
    Insert(Count(), item);
}

void TMenuItem::Insert(int index, TMenuItem *item)
{
    if (!item || item == this || item->m_parent == this)
        return;
    for (const TMenuItem *p = this; p; p = p->m_parent) {
        if (p == item)
            return;
    }
    if (item->m_parent)
        item->m_parent->Remove(item);
    item->setParent(this);
    item->m_parent = this;
    m_items.insert(qBound(0, index, Count()), item);
    item->updateAction();
    rebuildPopup();
    changed(true);
}

void TMenuItem::Remove(TMenuItem *item)
{
    if (!item || !m_items.removeOne(item))
        return;
    item->m_parent = nullptr;
    if (m_destroying)
        return;
    if (!item->m_destroying)
        item->setParent(nullptr);
    rebuildPopup();
    changed(true);
}

void TMenuItem::Clear()
{
    const QList<TMenuItem *> items = m_items;
    qDeleteAll(items);
}

bool TMenuItem::InsertComponent(QObject *component)
{
    auto *item = qobject_cast<TMenuItem *>(component);
    if (!item)
        return false;
    Add(item);
    return true;
}

TMainMenu *TMenuItem::Menu() const
{
    const TMenuItem *top = this;
    while (top->m_parent)
        top = top->m_parent;
    return top->m_menu.data();
}

TMenuItem *TMenuItem::fromAction(const QAction *action)
{
    return action ? qobject_cast<TMenuItem *>(action->parent()) : nullptr;
}

QMenu *TMenuItem::popup()
{
    if (m_items.isEmpty())
        return nullptr;
    TMainMenu *menu = Menu();
    if (m_popup && m_popupMaker != menu) {
        delete m_popup;
        m_popup = nullptr;
    }
    if (!m_popup) {
        m_popup = menu ? menu->CreatePopup(this) : new QMenu;
        m_popupMaker = menu;
        m_popupDirty = true;
    }
    if (m_popupDirty) {
        m_popupDirty = false;
        m_popup->clear();
        for (TMenuItem *item : std::as_const(m_items)) {
            item->m_action->setMenu(item->popup());
            m_popup->addAction(item->m_action);
        }
    }
    return m_popup;
}

void TMenuItem::Click()
{
    if (m_autoCheck)
        m_checked = !m_checked;
    // A checkable action has toggled itself already; the item's own state wins.
    updateAction();
    if (m_autoCheck)
        changed(false);
    Q_EMIT OnClick(this);
}

void TMenuItem::changed(bool rebuild)
{
    if (m_destroying)
        return;
    if (TMainMenu *menu = Menu())
        menu->MenuChanged(this, rebuild);
}

void TMenuItem::updateAction()
{
    QString text = m_caption;
    if (!m_shortCut.isEmpty())
        text += QLatin1Char('\t') + ShortCutText();
    m_action->setText(text);
    m_action->setSeparator(IsLine());
    m_action->setEnabled(m_enabled);
    m_action->setVisible(m_visible);
    m_action->setCheckable(m_checked || m_autoCheck);
    m_action->setChecked(m_checked);
    QFont font;
    font.setBold(m_default);
    m_action->setFont(font);
    const TMainMenu *menu = Menu();
    const TImageList *images = menu ? menu->Images() : nullptr;
    m_action->setIcon(images ? images->icon(m_imageIndex) : QIcon());
}

void TMenuItem::rebuildPopup()
{
    m_popupDirty = true;
    if (m_items.isEmpty()) {
        m_action->setMenu(static_cast<QMenu *>(nullptr));
        delete m_popup;
        m_popup = nullptr;
        return;
    }
    // Built now only where a drop-down shows it already; otherwise when first asked for.
    if (m_popup || (m_parent && m_parent->m_popup))
        m_action->setMenu(popup());
}
