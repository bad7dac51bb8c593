#include "TMainMenu.h"

#include "TImageList.h"
#include "TMenuItem.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>

TMainMenu::TMainMenu(QObject *owner)
    : QObject(owner)
    , m_items(new TMenuItem(this))
{
    qRegisterMetaType<TMenuItem *>();
    m_items->setMenu(this);
}

TMainMenu::~TMainMenu()
{
    // The items go first, while they can still tell that their menu is going.
    m_items->setMenu(nullptr);
    delete m_items;
    m_items = nullptr;
}

void TMainMenu::setImages(TImageList *images)
{
    if (m_images == images)
        return;
    disconnect(m_imagesChanged);
    m_images = images;
    if (images)
        m_imagesChanged
            = connect(images, &TImageList::OnChange, this, [this] { MenuChanged(nullptr, false); });
    MenuChanged(nullptr, false);
}

bool TMainMenu::InsertComponent(QObject *component)
{
    auto *item = qobject_cast<TMenuItem *>(component);
    if (!item)
        return false;
    m_items->Add(item);
    return true;
}

namespace {

TMenuItem *findShortCut(const TMenuItem *parent, const QKeySequence &keys)
{
    for (int i = 0; i < parent->Count(); ++i) {
        TMenuItem *item = parent->Items(i);
        if (!item->Enabled() || !item->Visible())
            continue;
        if (!item->shortCutKeys().isEmpty() && item->shortCutKeys() == keys)
            return item;
        if (TMenuItem *found = findShortCut(item, keys))
            return found;
    }
    return nullptr;
}

} // namespace

TMenuItem *TMainMenu::FindShortCut(const QKeySequence &keys) const
{
    return keys.isEmpty() ? nullptr : findShortCut(m_items, keys);
}

bool TMainMenu::IsShortCut(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
    case Qt::Key_unknown:
        return false;
    default:
        break;
    }
    // Keypad keys are the same keys to a shortcut.
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    TMenuItem *item = FindShortCut(QKeySequence(QKeyCombination(modifiers, Qt::Key(event->key()))));
    if (!item)
        return false;
    item->Click();
    return true;
}

QMenu *TMainMenu::CreatePopup(TMenuItem *)
{
    return new QMenu;
}

void TMainMenu::MenuChanged(TMenuItem *source, bool rebuild)
{
    Q_EMIT OnChange(this, source, rebuild);
}
