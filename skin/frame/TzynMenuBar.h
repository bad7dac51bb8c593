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
// when the mouse slides to another button. It stands right under the title bar whatever the
// stacking of the frame's children (its align order).
class TzynMenuBar : public QObject {
    Q_OBJECT
public:
    explicit TzynMenuBar(TzynForm *frame);

    TMainMenu *Menu() const { return m_menu.data(); }
    void setMenu(TMainMenu *menu);
    TToolBar *Bar() const { return m_bar.data(); }

    // The bar's colour and height (the frame's MenuBarColor and MenuBarHeight), kept also
    // while there is no bar.
    TColor Color() const { return m_color; }
    void setColor(TColor color);
    int Height() const { return m_height; }
    void setHeight(int height);

    // Makes the bar when it is missing.
    void Create();
    // One button per top-level item of Menu, in menu order; releases the bar without Menu.
    void Rebuild();
    // The buttons take their items' captions and enabled states again.
    void Sync();
    // Frees the bar and clears Menu.
    void Release();
    // The bar takes the font of a TzynMainMenu: the desktop's menu font or its own.
    void UpdateFont();
    // The frame's style changed: a skinned menu that has a style takes it.
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
    int openIndex(const QMenu *popup) const;
    int neighbour(int index, int step) const;
    void switchTo(QMenu *from, int index, bool selectFirst);

    TzynForm *m_frame;
    QPointer<TMainMenu> m_menu;
    QPointer<TToolBar> m_bar;
    QMetaObject::Connection m_menuGone;
    TColor m_color = Colors::clBtnFace;
    // Until the layout gives a height.
    int m_height = 22;
};
