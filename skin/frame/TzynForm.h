#pragma once

#include "TCustomPanel.h"
#include "TMainMenu.h"
#include "TToolBar.h"
#include "TzynMenuBar.h"
#include "TzynSkinnedControl.h"
#include "TzynTitleBarButtons.h"
#include "TzynTitleBarSections.h"
#include "ZYNDraw.h"
#include "ZYNThemes.h"

#include <QPointer>
#include <QRect>

class QKeyEvent;
class TzynTitleBar;
class TzynWindowDrag;

// The skinned window frame. Placed on a form (its host), it takes the host's native caption
// and frame away, covers the host's client area less a border that it paints on the host,
// carries the title bar along its top edge and is the parent of every other visible control
// of the window. It sizes the host from its five-pixel edge zones and keeps maximise and
// restore inside the desktop work area. A host holds at most one frame.
class TzynForm : public TCustomPanel,
                 public TzynCanvasPainting,
                 public TzynStyleable,
                 public TzynFormFrame {
    Q_OBJECT
    Q_PROPERTY(zyn::TzynUIStyle UIStyle READ UIStyle WRITE setUIStyle)
    Q_PROPERTY(bool UIStyleAutoUpdateSub READ UIStyleAutoUpdateSub WRITE setUIStyleAutoUpdateSub)
    Q_PROPERTY(TColor BorderColor READ BorderColor WRITE setBorderColor)
    Q_PROPERTY(bool TitleBarVisible READ TitleBarVisible WRITE setTitleBarVisible)
    Q_PROPERTY(TCustomPanel *FormPanel READ FormPanel WRITE setFormPanel)
    Q_PROPERTY(TzynTitleBarButtons *TitleBarButtons READ TitleBarButtons WRITE setTitleBarButtons)
    Q_PROPERTY(
        TzynTitleBarSections *TitleBarSections READ TitleBarSections WRITE setTitleBarSections)
    Q_PROPERTY(bool TitleBarDrawAppIcon READ TitleBarDrawAppIcon WRITE setTitleBarDrawAppIcon)
    Q_PROPERTY(TMainMenu *Menu READ Menu WRITE setMenu)
    Q_PROPERTY(TColor MenuBarColor READ MenuBarColor WRITE setMenuBarColor)
    Q_PROPERTY(int MenuBarHeight READ MenuBarHeight WRITE setMenuBarHeight)
    Q_PROPERTY(int RoundCorner READ RoundCorner WRITE setRoundCorner)
public:
    // The parent must be the host form; on anything else the frame stays an inert panel.
    // Throws Exception when the form already has a frame.
    explicit TzynForm(QWidget *parent = nullptr);
    ~TzynForm() override;

    TzynUIStyle UIStyle() const override { return m_style; }
    TzynUIStyle FrameStyle() const override { return UIStyle(); }
    TColor FrameColor() const override { return Color(); }
    void setUIStyle(TzynUIStyle style) override;
    bool UIStyleAutoUpdateSub() const { return m_autoUpdateSub; }
    void setUIStyleAutoUpdateSub(bool value) { m_autoUpdateSub = value; }
    TColor BorderColor() const { return m_borderColor; }
    void setBorderColor(TColor color);
    // The width of the window's edge, not of a panel's bevel border.
    int BorderWidth() const override { return m_borderWidth; }
    void setBorderWidth(int width) override;
    bool TitleBarVisible() const;
    void setTitleBarVisible(bool visible);
    QString Caption() const override;
    void setCaption(const QString &caption) override;
    TCustomPanel *FormPanel() const { return m_formPanel; }
    void setFormPanel(TCustomPanel *panel);
    TzynTitleBarButtons *TitleBarButtons() const;
    void setTitleBarButtons(const TzynTitleBarButtons *buttons);
    TzynTitleBarSections *TitleBarSections() const;
    void setTitleBarSections(const TzynTitleBarSections *sections);
    bool TitleBarDrawAppIcon() const;
    void setTitleBarDrawAppIcon(bool value);
    // The caption font, which is the title bar's.
    TFont *Font() const override;
    void setFont(TFont *font) override;
    // The menu bar's, kept by it (see Menus()).
    TColor MenuBarColor() const { return m_menus->Color(); }
    void setMenuBarColor(TColor color) { m_menus->setColor(color); }
    int MenuBarHeight() const { return m_menus->Height(); }
    void setMenuBarHeight(int height) { m_menus->setHeight(height); }
    // Reading gives the frame's own size; writing sizes the host around it.
    void setWidth(int width) override;
    void setHeight(int height) override;
    int RoundCorner() const;
    void setRoundCorner(int value);

    TzynTitleBar *TitleBar() const { return m_titleBar; }
    QWidget *HostForm() const { return m_host; }
    Fw::TBorderStyle SavedBorderStyle() const { return m_savedBorderStyle; }
    QRect SavedNormalBounds() const { return m_savedNormalBounds; }
    bool StartedMaximized() const { return m_startedMaximized; }
    bool AppHookTaken() const { return m_appHookTaken; }
    bool IsConstructing() const { return m_constructing; }

    // Places the frame inside the host's client area less the border (the top border only
    // while the title bar is hidden).
    void ResizeToHost();
    // The frame's background; it can always be painted so.
    bool CanPaintOnto() const override { return true; }
    void PaintOnto(QPainter &canvas, const QRect &area) override;

    // Paints the border strips on the host; called from the host's own painting.
    void DrawHostBorder(QPainter &canvas);
    // The resize edges of a point of the host's client area; none while maximised or for a
    // host that was not created sizeable.
    Qt::Edges HostHitZone(const QPoint &pos) const;

    // The main menu shown in the menu bar under the title bar; the bar exists exactly while
    // there is one. A TzynMainMenu remembers the frame that shows it.
    TMainMenu *Menu() const { return m_menus->Menu(); }
    void setMenu(TMainMenu *menu) { m_menus->setMenu(menu); }
    // The menu bar and its operations; the bar itself exists only while there is a Menu.
    TzynMenuBar *Menus() const { return m_menus; }
    TToolBar *MenuBar() const { return m_menus->Bar(); }
    // Among the frame's top-aligned controls the title bar comes first, the menu bar second,
    // whatever their stacking.
    static constexpr int kTitleBarAlignOrder = -2;

    // Size limits of the host. The frame and its title bar ask for a smallest width (the
    // style's) and a largest size (the work area); the limits the host's own Constraints held
    // when the frame was placed on it are kept where they are stricter, so that a user's
    // resize stops at the form's own Constraints whatever the style.
    void LimitHostMinSize(int width, int height);
    void LimitHostMaxSize(const QSize &size);

    // How many maximised resizes this frame has seen while its host started maximised; it
    // stops counting at two.
    int MaximizeCounter() const { return m_maximizeCounter; }

Q_SIGNALS:
    void OnTitleBarCustomBtnsClick(QObject *Sender, int ButtonIndex);
    void OnTitleBarHelpBtnClick(QObject *Sender, int ButtonIndex);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void applyStyle(TzynUIStyle style);
    void setOwnSize(const QSize &size);
    // The host's size less the frame's: what the border and a hidden title bar take.
    QSize hostMargins() const;
    void hostResized();
    bool hostSizeIsManaged() const;
    void hostMouseEvent(QMouseEvent *event);
    void updateHostCursor(const QPoint &pos);

    TzynTitleBar *m_titleBar = nullptr;
    QPointer<QWidget> m_host;
    Fw::TBorderStyle m_savedBorderStyle = Fw::bsSizeable;
    TColor m_borderColor = Colors::clBlack;
    QPointer<TCustomPanel> m_formPanel;
    int m_borderWidth = 0;
    TzynUIStyle m_style = TzynUIStyle::DeepBlue;
    bool m_appHookTaken = false;
    bool m_autoUpdateSub = false;
    QRect m_savedNormalBounds;
    bool m_startedMaximized = false;
    // The host has been seen maximised on screen; until then a normal state is the window
    // on its way to being maximised, not a restore.
    bool m_seenMaximized = false;
    int m_maximizeCounter = 0;
    // The host's own Constraints when the frame was placed on it (0: no limit).
    QSize m_hostOwnMin;
    QSize m_hostOwnMax;
    bool m_constructing = true;
    TzynWindowDrag *m_drag;
    TzynMenuBar *m_menus;
};
