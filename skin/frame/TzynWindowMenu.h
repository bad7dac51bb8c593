#pragma once

#include "TzynMainMenu.h"

#include <QPointer>

class QMenu;
class QWidget;
class TzynTitleBar;

// The window menu that the control box opens: Restore, Move, Size, Minimise, Maximise and
// Close, each enabled as the window's state allows, drawn like the frame's own menus and run
// from the keyboard as they are (arrows, the underlined letters, Enter, Escape). Move and Size
// hand the window to the desktop's move and size loop.
class TzynWindowMenu : public TzynMainMenu {
    Q_OBJECT
public:
    enum Command { Restore, Move, Size, Minimize, Maximize, Close };
    Q_ENUM(Command)

    explicit TzynWindowMenu(TzynTitleBar *bar);

    // The item of a command.
    TMenuItem *Item(Command command) const;
    // The open (or last opened) drop-down.
    QMenu *Popup() const;

    // Enables the items for the window's present state, takes the bar's style and opens the
    // menu with its top-left corner at the global point.
    void Open(const QPoint &global);

private:
    void updateItems();
    void run(Command command);

    TzynTitleBar *m_bar;
    TMenuItem *m_items[Close + 1] = {};
};
