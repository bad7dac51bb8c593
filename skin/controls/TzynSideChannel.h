#pragma once

#include "TCustomPanel.h"
#include "TzynSkinned.h"

#include <QPointer>
#include <QTimer>

class QToolButton;
class TzynBorderOverlay;
class TzynButton;

// A panel docked to the left or right edge of its parent that stays collapsed to a narrow
// picture strip (the side bar) and slides out to its full Width when the pointer moves over
// the strip, or when the strip is clicked. While out it shows its caption and a pin button;
// unless pinned it slides back in once the pointer has left it. Sliding goes in 15-pixel steps
// driven by a timer; QuickMove jumps.
class TzynSideChannel : public TzynSkinned<TCustomPanel>, public TzynSideBarColored {
    Q_OBJECT
    Q_PROPERTY(TColor SideBarColor READ SideBarColor WRITE setSideBarColor)
    Q_PROPERTY(int SideBarWidth READ SideBarWidth WRITE setSideBarWidth)
    Q_PROPERTY(bool StayOn READ StayOn WRITE setStayOn)
    Q_PROPERTY(zyn::TzynSideChannelPopupMode PopupMode READ PopupMode WRITE setPopupMode)
    Q_PROPERTY(bool QuickMove READ QuickMove WRITE setQuickMove)
public:
    // Sliding moves this many pixels per step.
    static constexpr int Step = 15;
    // While out, the channel cannot be made narrower than this.
    static constexpr int MinimumOutWidth = 50;
    static constexpr int HideInterval = 500;

    // The names a layout gives Align besides the framework's alLeft and alRight: the channel's
    // own edges, with the framework's values (the layout loader reads them under this name).
    enum AlignKeys { zynLeft = Fw::alLeft, zynRight = Fw::alRight };
    Q_ENUM(AlignKeys)

    explicit TzynSideChannel(QWidget *parent = nullptr);
    ~TzynSideChannel() override;

    // A channel's first colour is the one a form frame of the owner's style has.
    void InitialStyle(TzynUIStyle style) override;

    // The width when out. The published Width reads and writes it; writing leaves the present
    // width alone: the width follows the sliding. setBounds changes the present width.
    int FullWidth() const { return m_fullWidth; }
    void setFullWidth(int width);
    int Width() const override { return m_fullWidth; }
    void setWidth(int width) override { setFullWidth(width); }
    TColor SideBarColor() const override;
    void setSideBarColor(TColor color) override;
    // The one-pixel line around the channel, over its parts: round the strip while in, round
    // the whole panel while out. A style gives it the style's control border colour.
    TColor EdgeColor() const { return m_edgeColor; }
    void setSideBarEdgeColor(TColor color) override;
    int SideBarWidth() const;
    // Also pushes the channel in at once.
    void setSideBarWidth(int width);
    // Shown on the caption panel while the channel is out.
    QString Caption() const override { return m_caption; }
    void setCaption(const QString &caption) override;
    // The caption panel's alignment.
    Fw::TAlignment Alignment() const override;
    void setAlignment(Fw::TAlignment alignment) override;
    TzynSideChannelAlign ChannelAlign() const { return m_align; }
    void setChannelAlign(TzynSideChannelAlign align);
    // The published Align: alLeft or alRight (zynLeft or zynRight in a layout), the two edges
    // a channel docks to; any other value is refused.
    void setAlign(Fw::TAlign align) override;
    bool StayOn() const { return m_stayOn; }
    void setStayOn(bool value);
    TzynSideChannelPopupMode PopupMode() const { return m_popupMode; }
    void setPopupMode(TzynSideChannelPopupMode mode) { m_popupMode = mode; }
    bool QuickMove() const { return m_quickMove; }
    void setQuickMove(bool value) { m_quickMove = value; }

    // Slides out (or jumps, when quick) to the full width; OnPop when out.
    void PopOut(bool quick);
    // Slides in (or jumps) to the side bar's width; OnPush when in.
    void PushIn(bool quick);
    bool IsOut() const { return SideBarWidth() < width(); }
    bool IsMoving() const { return m_moving; }
    bool IsHideTimerActive() const { return m_hideTimer.isActive(); }

    // The parts, for tests and programs that dress them.
    TCustomPanel *SideBar() const { return m_sideBar; }
    TCustomPanel *CaptionPanel() const { return m_captionPanel; }
    QToolButton *PinButton() const { return m_pinButton; }
    TzynButton *BarButton() const { return m_barButton; }

    // Whether the pointer is strictly inside the rectangle: its left and top edges, and the
    // exclusive right and bottom ones, count as outside.
    static bool StrictlyInside(const QPoint &point, const QRect &rect);

Q_SIGNALS:
    void OnPop(QObject *Sender);
    void OnPush(QObject *Sender);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void fontChanged() override;
    // A new width below MinimumOutWidth is refused while the channel is out and not sliding,
    // shown on the screen or not yet; the width read is the one OnCanResize left.
    bool canResize(int &width, int &height) override;

private:
    void hoverCheck();
    void hideCheck();
    void pinToggled();
    void slideStep();
    void finishPopOut();
    void finishPushIn();
    void setCurrentWidth(int width);
    void showPinGlyph();

    TCustomPanel *m_sideBar;
    TCustomPanel *m_captionPanel;
    QToolButton *m_pinButton;
    TzynButton *m_barButton;
    // Over everything in the channel, letting the pointer through.
    TzynBorderOverlay *m_edge;
    TColor m_edgeColor = 0;
    QTimer m_hideTimer;
    QTimer m_slideTimer;
    int m_fullWidth = 0;
    bool m_moving = false;
    // Which way the slide timer moves: +1 out, -1 in.
    int m_direction = 0;
    QString m_caption;
    TzynSideChannelAlign m_align = zyn::zynLeft;
    bool m_stayOn = false;
    TzynSideChannelPopupMode m_popupMode = zyn::zynMouseOn;
    bool m_quickMove = false;
};
