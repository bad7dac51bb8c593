#pragma once

#include "FrameworkTypes.h"
#include "TColor.h"
#include "TMainMenu.h"
#include "TToolBar.h"
#include "ZYNThemes.h"

#include <QObject>
#include <QPointer>

class QKeyEvent;
class QMenu;
class QPainter;
class TToolButton;
class TzynForm;

// The menu bar of a form frame: a flat tool bar under the title bar with one button per
// top-level item of the frame's Menu, each dropping down the item's sub-items. It exists
// exactly while the frame has a menu. It draws its background and its hot and pressed buttons
// in the menu's style (the frame's for a plain menu), opens a menu on Alt and its accelerator
// letter, runs shortcuts for the frame, and moves between the open menus on Left and Right or
// when the mouse slides to another button.
class TzynMenuBar : public QObject {
    Q_OBJECT
public:
    explicit TzynMenuBar(TzynForm *frame);

    TMainMenu *Menu() const { return m_menu.data(); }
    void setMenu(TMainMenu *menu);
    TToolBar *Bar() const { return m_bar.data(); }

    void Create();
    void Rebuild();
    void Sync();
    void Release();
    void UpdateFont();
    // The frame's MenuBarColor, MenuBarHeight or style changed.
    void ApplyColor(TColor color);
    void ApplyHeight(int height);
    void ApplyFrameStyle(TzynUIStyle style);

    // The shortcut check of a key press in the frame's window; true when it was taken.
    bool ShortCut(const QKeyEvent *event);
    // Drops down the menu of a bar button; with selectFirst its first item is selected, as
    // when the keyboard opens it.
    bool OpenMenu(int index, bool selectFirst);

    // The style the bar is drawn in: the menu's for a skinned menu, the frame's otherwise.
    TzynUIStyle GoverningStyle() const;
    void DrawMenuBarBackground(
        TToolBar *bar, QPainter *canvas, const QRect &rect, bool &defaultDraw);
    void DrawMenuBarButton(TToolBar *bar, TToolButton *button, QPainter *canvas,
        Fw::TCustomDrawState state, bool &defaultDraw);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void menuGone();
    void placeUnderTitleBar();
    int openIndex(const QMenu *popup) const;
    int neighbour(int index, int step) const;
    void switchTo(QMenu *from, int index, bool selectFirst);

    TzynForm *m_frame;
    QPointer<TMainMenu> m_menu;
    QPointer<TToolBar> m_bar;
    QMetaObject::Connection m_menuGone;
};
