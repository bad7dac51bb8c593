#pragma once

#include "TControlBase.h"

#include <QPointer>
#include <QToolButton>

#include "TMenuItem.h"
#include "TToolBar.h"
#include <QMenu>

// A button of a TToolBar: a push, check or drop-down button, or a gap or line between groups.
// The bar places it and draws it (through its custom-draw hooks). A button bound to a menu
// item shows the item's caption and drops down the item's sub-items when pressed; a drop-down
// button drops down its DropdownMenu from the arrow part on its right.
class TToolButton : public TControlBase<QToolButton> {
    Q_OBJECT
    T_CONTROL_PROPERTIES
    T_CAPTION_PROPERTY
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE setImageIndex)
    Q_PROPERTY(Fw::TToolButtonStyle Style READ Style WRITE setStyle)
    Q_PROPERTY(bool Down READ Down WRITE setDown)
    Q_PROPERTY(bool Grouped READ Grouped WRITE setGrouped)
    Q_PROPERTY(bool AllowAllUp READ AllowAllUp WRITE setAllowAllUp)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE setAutoSize)
    Q_PROPERTY(TMenuItem *MenuItem READ MenuItem WRITE setMenuItem)
    Q_PROPERTY(QMenu *DropdownMenu READ DropdownMenu WRITE setDropdownMenu)
public:
    // The width of the arrow part of a drop-down button.
    static constexpr int DropDownWidth = 14;

    explicit TToolButton(QWidget *parent = nullptr);
    using QWidget::setStyle;
    ~TToolButton() override;

    int ImageIndex() const { return m_imageIndex; }
    void setImageIndex(int index);
    Fw::TToolButtonStyle Style() const { return m_style; }
    void setStyle(Fw::TToolButtonStyle style);
    // Held down: a check button that is on (or any button put down by hand).
    bool Down() const { return m_down; }
    void setDown(bool down);
    bool Grouped() const { return m_grouped; }
    void setGrouped(bool value) { m_grouped = value; }
    bool AllowAllUp() const { return m_allowAllUp; }
    void setAllowAllUp(bool value) { m_allowAllUp = value; }
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool value);
    TMenuItem *MenuItem() const { return m_menuItem.data(); }
    void setMenuItem(TMenuItem *item);
    QMenu *DropdownMenu() const { return m_dropdownMenu.data(); }
    void setDropdownMenu(QMenu *menu) { m_dropdownMenu = menu; }

    TToolBar *ToolBar() const { return m_bar.data(); }
    // Under the pointer; pressed (held by the mouse, or its drop-down open).
    bool IsHot() const { return m_hot; }
    bool IsPressed() const { return isDown() || m_dropped; }
    // The state the bar draws the button in.
    Fw::TCustomDrawState DrawState() const;
    // The menu this button drops down, or null.
    QMenu *DropDown() const;
    // Drops the menu down under the button; false when it has none.
    bool ShowDropDown();
    bool IsDroppedDown() const { return m_dropped; }
    // Takes the caption and enabled state of the bound menu item again.
    void SyncWithMenuItem();

    QSize sizeHint() const override;

Q_SIGNALS:
    void OnClick(QObject *Sender);
    // The drop-down of the button has opened or closed.
    void DropDownShown(TToolButton *button);
    void DropDownHidden(TToolButton *button);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void captionChanged() override;
    void fontChanged() override;
    void nextCheckState() override { }

private:
    // The bar lets go of its buttons before it is gone (see ~TToolBar).
    friend class TToolBar;

    void clicked();
    // Hot again only where the pointer is: while a menu holds the mouse the button hears of
    // no leaving.
    void updateHotFromPointer();
    void attachToBar();
    bool dropsDownAt(const QPoint &pos) const;

    int m_imageIndex = -1;
    Fw::TToolButtonStyle m_style = Fw::tbsButton;
    bool m_down = false;
    bool m_grouped = false;
    bool m_allowAllUp = false;
    bool m_autoSize = false;
    bool m_hot = false;
    bool m_dropped = false;
    // The press that closed this button's drop-down comes back to the button once the
    // drop-down is gone; it must not open it again.
    bool m_ignoreNextPress = false;
    QPointer<TMenuItem> m_menuItem;
    QPointer<QMenu> m_dropdownMenu;
    QPointer<TToolBar> m_bar;
};
