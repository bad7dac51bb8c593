#pragma once

#include "TCustomPanel.h"
#include "TzynSkinnedControl.h"
#include "TzynTitleBarButtons.h"
#include "TzynTitleBarLayout.h"
#include "TzynTitleBarSections.h"
#include "ZYNThemes.h"

#include <QPoint>

#include <functional>

class QImage;
class TzynForm;
class TzynTitleBarButton;
class TzynWindowDrag;
class TzynWindowMenu;

// The handler form of the bar's button events: the bar and the button's index in Buttons.
using TzynTitleBarButtonClickEvent = std::function<void(QObject *Sender, int ButtonIndex)>;

// The skinned caption strip along the top of a window frame: picture sections, picture
// buttons, the caption and optionally the program's icon. Dragging it moves the window, its
// top five rows resize it, double-clicking toggles maximise, and it shapes the window's
// outline (rounded top corners).
class TzynTitleBar : public TCustomPanel, public TzynStyleable {
    Q_OBJECT
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE setAutoSize)
    Q_PROPERTY(zyn::TzynUIStyle UIStyle READ UIStyle WRITE setUIStyle)
    Q_PROPERTY(TzynTitleBarSections *Sections READ Sections WRITE setSections)
    Q_PROPERTY(TzynTitleBarButtons *Buttons READ Buttons WRITE setButtons)
    Q_PROPERTY(int ButtonInterval READ ButtonInterval WRITE setButtonInterval)
    Q_PROPERTY(bool FormActive READ FormActive WRITE setFormActive)
    Q_PROPERTY(int LeftBtnXOffset READ LeftBtnXOffset WRITE setLeftBtnXOffset)
    Q_PROPERTY(int RightBtnXOffset READ RightBtnXOffset WRITE setRightBtnXOffset)
    Q_PROPERTY(bool DrawAppIcon READ DrawAppIcon WRITE setDrawAppIcon)
    Q_PROPERTY(int RoundCorner READ RoundCorner WRITE setRoundCorner)
public:
    explicit TzynTitleBar(QWidget *parent = nullptr);
    ~TzynTitleBar() override;

    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool value);
    TzynUIStyle UIStyle() const override { return m_style; }
    void setUIStyle(TzynUIStyle style) override;
    // Restyled by its frame, never by a push.
    TzynTitleBarSections *Sections() const { return m_sections; }
    void setSections(const TzynTitleBarSections *sections);
    TzynTitleBarButtons *Buttons() const { return m_buttons; }
    void setButtons(const TzynTitleBarButtons *buttons);
    int ButtonInterval() const { return m_buttonInterval; }
    void setButtonInterval(int value);
    bool FormActive() const { return m_formActive; }
    void setFormActive(bool value);
    int LeftBtnXOffset() const { return m_leftBtnXOffset; }
    void setLeftBtnXOffset(int value);
    int RightBtnXOffset() const { return m_rightBtnXOffset; }
    void setRightBtnXOffset(int value);
    bool DrawAppIcon() const { return m_drawAppIcon; }
    void setDrawAppIcon(bool value);
    int RoundCorner() const { return m_roundCorner; }
    void setRoundCorner(int value);

    bool MouseIsDown() const { return m_mouseIsDown; }
    // The button under the mouse as the bar last saw it; -1 for none.
    int HotButtonIndex() const;

    // The form the bar sits on (its top-level window), or null.
    QWidget *ParentForm() const;
    // The frame the bar belongs to, or null.
    TzynForm *ParentFrame() const;

    // Re-applies the window's outline with RoundCorner when the bar belongs to a frame.
    void UpdateRegion();
    // Gives the host window an outline with top corners rounded by ellipses w wide and high.
    void ApplyRegion(int w);
    // The outline ApplyRegion gives a window client rectangle.
    static QRegion RoundedRegion(const QRect &client, int w);

    // The resize edges of a point of the bar: its top five rows while the window may be sized.
    Qt::Edges HitZone(const QPoint &pos) const;

    // A maximised host is kept at the work area's top-left corner.
    void PlaceMaximizedHost();
    // The host's window state changed: the buttons learn whether it is maximised.
    void WindowStateChanged();

    // The menu the control box opens when it has no ControlBoxMenu of its own; made when
    // first asked for.
    TzynWindowMenu *WindowMenu();
    // A move or resize of the window that a press on the bar started is under way.
    bool Dragging() const;
    TzynWindowDrag *Drag() const { return m_drag; }

    // Where the buttons, the icon and the caption go in a bar of that width.
    TzynTitleBarLayout::Layout ButtonLayout(int width) const;

    virtual void DrawSections(QImage &bitmap);
    virtual void DrawButtons(QImage &bitmap);

    // The caption as drawn in a room of the given width: its first two characters (counted as
    // the Chinese code page stores them) and "..." when the whole text is wider.
    QString FittedCaption(int room) const;

Q_SIGNALS:
    void OnCustomBtnsClick(QObject *Sender, int ButtonIndex);
    void OnHelpBtnClick(QObject *Sender, int ButtonIndex);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    // A tool tip over a button shows its hint (while ShowHint is on).
    bool event(QEvent *event) override;

private:
    // What a button does to the window; runs when a button asks for its action.
    void performAction(TzynTitleBarButton *button);
    // The mouse is at pos over the bar, or has left it; the bar repaints only when that
    // changes the buttons shown under the mouse.
    void trackMouse(const QPoint &pos);
    void mouseLeft();
    void setMouseDown(bool down);
    // The buttons drawn with their mouse-on or mouse-down picture.
    QList<int> litButtons() const;
    void updateCursor(const QPoint &pos);
    QPoint hoverPoint() const;

    TzynUIStyle m_style = TzynUIStyle::DeepBlue;
    TzynTitleBarSections *m_sections;
    TzynTitleBarButtons *m_buttons;
    bool m_autoSize = false;
    int m_buttonInterval = 0;
    bool m_formActive = true;
    bool m_mouseIsDown = false;
    int m_leftBtnXOffset = 0;
    int m_rightBtnXOffset = 0;
    int m_roundCorner = 0;
    bool m_drawAppIcon = false;
    // Where the mouse was last seen over the bar (the desktop's cursor position is not asked:
    // under X11 it ignores synthesised input).
    QPoint m_mousePos { -1, -1 };
    bool m_mouseInside = false;
    TzynWindowDrag *m_drag;
    TzynWindowMenu *m_windowMenu = nullptr;
};
