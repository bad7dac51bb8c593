#pragma once

#include <QMenu>
#include <QPointer>

#include "TMenuItem.h"

class TzynMainMenu;

// The drop-down of a skinned menu item: Qt's menu with its keyboard handling, sub-menus and
// mouse tracking, whose rows the skinned menu measures (through its TzynMenuStyle) and paints
// itself, edge included.
class TzynMenuPopup : public QMenu {
    Q_OBJECT
public:
    TzynMenuPopup(TzynMainMenu *menu, TMenuItem *item);

    TzynMainMenu *SkinnedMenu() const { return m_menu.data(); }
    TMenuItem *Item() const { return m_item.data(); }

protected:
    // Names the action in the option, so that the style can measure its item.
    void initStyleOption(QStyleOptionMenuItem *option, const QAction *action) const override;
    void paintEvent(QPaintEvent *event) override;

private:
    QPointer<TzynMainMenu> m_menu;
    QPointer<TMenuItem> m_item;
};
