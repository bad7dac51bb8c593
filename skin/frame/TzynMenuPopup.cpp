#include "TzynMenuPopup.h"

#include "TMenuItem.h"
#include "TzynMainMenu.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyleOptionMenuItem>

TzynMenuPopup::TzynMenuPopup(TzynMainMenu *menu, TMenuItem *item)
    : m_menu(menu)
    , m_item(item)
{
}

void TzynMenuPopup::initStyleOption(QStyleOptionMenuItem *option, const QAction *action) const
{
    QMenu::initStyleOption(option, action);
    option->styleObject = const_cast<QAction *>(action);
}

void TzynMenuPopup::paintEvent(QPaintEvent *event)
{
    if (!m_menu) {
        QMenu::paintEvent(event);
        return;
    }
    QPainter canvas(this);
    canvas.setClipRegion(event->region());
    for (QAction *action : actions()) {
        const TMenuItem *item = TMenuItem::fromAction(action);
        const QRect row = actionGeometry(action);
        if (!item || !action->isVisible() || row.isEmpty() || !event->rect().intersects(row))
            continue;
        m_menu->PaintSkinnedMenuItem(item, canvas, row, action == activeAction());
        if (item->Count() > 0 && !item->IsLine()) {
            // The arrow of an item with a sub-menu, in the item's text colour.
            const bool selected = action == activeAction() && item->Enabled();
            const QColor color = toQColor(!item->Enabled() ? Colors::clGrayText
                    : selected                             ? m_menu->SelectedFontColor()
                                                           : m_menu->FontColor());
            const int x = row.left() + row.width() - 10, cy = row.top() + row.height() / 2;
            for (int i = 0; i < 4; ++i)
                canvas.fillRect(QRect(x + i, cy - 3 + i, 1, 7 - 2 * i), color);
        }
    }
    m_menu->PaintMenuBorder(canvas, rect());
}
