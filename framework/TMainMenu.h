#pragma once

#include "TComponentHolder.h"
#include "TImageList.h"
#include "TLayoutStatus.h"

#include <QObject>
#include <QPointer>

class QKeyEvent;
class QKeySequence;
class QMenu;
class TMenuItem;

// A window's main menu: a tree of TMenuItems under one top item, whose sub-items are the
// top-level entries that a menu bar shows. It runs an item whose shortcut is pressed when the
// window asks it (IsShortCut), and is told of every change of its items (MenuChanged), so that
// whoever shows the menu can follow. Top-level items are written as components nested in the
// menu in a layout.
class TMainMenu : public QObject, public TLayoutStatus, public TComponentHolder {
    Q_OBJECT
    Q_PROPERTY(TImageList *Images READ Images WRITE setImages)
    Q_PROPERTY(bool OwnerDraw READ OwnerDraw WRITE setOwnerDraw)
public:
    explicit TMainMenu(QObject *owner = nullptr);
    ~TMainMenu() override;

    // The top item; its sub-items are the menu's top-level entries.
    TMenuItem *Items() const { return m_items; }
    // The images that items show by their ImageIndex.
    virtual TImageList *Images() const { return m_images.data(); }
    virtual void setImages(TImageList *images);
    virtual bool OwnerDraw() const { return m_ownerDraw; }
    virtual void setOwnerDraw(bool value) { m_ownerDraw = value; }

    // The layout loader hands over the items written inside the menu.
    bool InsertComponent(QObject *component) override;
    void Loading() override { }
    // Runs after the layout that holds the menu has been loaded completely.
    void Loaded() override { }

    // The enabled and visible item (its parents enabled and visible too) whose shortcut the
    // key press is, or null.
    TMenuItem *FindShortCut(const QKeySequence &keys) const;
    // Runs the item whose shortcut the key press is; true when one ran.
    bool IsShortCut(const QKeyEvent *event);

    // Makes the drop-down that shows an item's sub-items; a menu that draws its items itself
    // returns its own kind of QMenu.
    virtual QMenu *CreatePopup(TMenuItem *item);

Q_SIGNALS:
    // An item changed; Rebuild when items were added or removed (Source is their parent).
    void OnChange(QObject *Sender, TMenuItem *Source, bool Rebuild);

protected:
    friend class TMenuItem;
    virtual void MenuChanged(TMenuItem *source, bool rebuild);

private:
    TMenuItem *m_items;
    QPointer<TImageList> m_images;
    QMetaObject::Connection m_imagesChanged;
    bool m_ownerDraw = false;
};
