#include "TzynSideChannel.h"

#include "TPictureTwin.h"

#include "TFont.h"
#include "TProperty.h"
#include "TzynBorderOverlay.h"
#include "TzynButton.h"
#include "ZYNControlUtils.h"
#include "ZYNDraw.h"

#include <QCursor>
#include <QMouseEvent>
#include <QToolButton>

#include <algorithm>

namespace {

QIcon glyphIcon(const char *name)
{
    const QImage image = ThemeImage(QString::fromLatin1(name));
    const QImage prepared = PreparedPicture(image, true, TopLeftKey(image), false);
    QIcon icon(QPixmap::fromImage(prepared));
    // The twin for high-density screens, which the icon gives where the ratio is 2.
    if (const QImage twin = TPictureTwin::of(prepared); !twin.isNull())
        icon.addPixmap(QPixmap::fromImage(twin));
    return icon;
}

// The side bar and the caption panel: plain panels without bevels, reporting pointer moves.
TCustomPanel *plainPanel(QWidget *parent, Fw::TAlign align)
{
    auto *panel = new TCustomPanel(parent);
    panel->setBevelOuter(Fw::bvNone);
    panel->setBevelInner(Fw::bvNone);
    panel->setAlign(align);
    panel->setMouseTracking(true);
    return panel;
}

} // namespace

TzynSideChannel::TzynSideChannel(QWidget *parent)
    : TzynSkinned(parent)
    , m_sideBar(plainPanel(this, Fw::alLeft))
    , m_captionPanel(plainPanel(this, Fw::alTop))
    , m_pinButton(new QToolButton(m_captionPanel))
    , m_barButton(new TzynButton(m_sideBar))
    , m_edge(new TzynBorderOverlay(
          this, [this] { return std::pair(m_edgeColor, m_edgeColor); }, 1))
{
    setBevelOuter(Fw::bvNone);
    setMouseTracking(true);
    m_sideBar->setWidth(10);
    m_captionPanel->setHeight(16);
    m_captionPanel->setCaption(QString());

    m_pinButton->setAutoRaise(true);
    m_pinButton->setCheckable(true);
    m_pinButton->setFocusPolicy(Qt::NoFocus);
    m_pinButton->resize(20, 16);
    m_pinButton->setIconSize(QSize(12, 12));
    m_pinButton->hide();
    showPinGlyph();

    m_barButton->setPicNormalResName(QStringLiteral("SIDECHANNEL_BAR_NORMAL"));
    m_barButton->setPicMouseOnResName(QStringLiteral("SIDECHANNEL_BAR_MOUSEON"));
    m_barButton->setPicMouseDownResName(QStringLiteral("SIDECHANNEL_BAR_MOUSEON"));
    m_barButton->setUIStyle(TzynUIStyle::Custom);
    m_barButton->setCaption(QString());
    m_barButton->setAutoSize(true);
    m_barButton->setTabStop(false);
    m_barButton->setBounds(0, 0, m_barButton->width(), m_barButton->height());

    m_barButton->setTransparent(true);

    for (QWidget *part : { static_cast<QWidget *>(m_sideBar),
             static_cast<QWidget *>(m_captionPanel), static_cast<QWidget *>(m_barButton) })
        part->installEventFilter(this);
    connect(m_barButton, &TControl::OnClick, this, [this] {
        if (m_popupMode == zyn::zynMouseClick)
            PopOut(m_quickMove);
    });
    connect(m_pinButton, &QToolButton::clicked, this, &TzynSideChannel::pinToggled);

    m_hideTimer.setInterval(HideInterval);
    connect(&m_hideTimer, &QTimer::timeout, this, &TzynSideChannel::hideCheck);
    // Sliding lets the event loop run between steps: each step is a timer tick.
    m_slideTimer.setInterval(10);
    connect(&m_slideTimer, &QTimer::timeout, this, &TzynSideChannel::slideStep);

    setCaptionValue(QStringLiteral(" "));
    setChannelAlign(zyn::zynLeft);
    setSideBarColor(Color());
    m_fullWidth = width();
    PushIn(true);
}

TzynSideChannel::~TzynSideChannel()
{
    m_hideTimer.stop();
    m_slideTimer.stop();
}

void TzynSideChannel::InitialStyle(TzynUIStyle style)
{
    setColor(GetThemeColor(style, TzynThemeEntry::FormColor));
    setSideBarColor(Color());
    setSideBarEdgeColor(GetThemeColor(style, TzynThemeEntry::ControlBorderColor));
}

void TzynSideChannel::setSideBarEdgeColor(TColor color)
{
    m_edgeColor = color;
    m_edge->update();
}

void TzynSideChannel::setFullWidth(int width)
{
    m_fullWidth = width;
}

TColor TzynSideChannel::SideBarColor() const
{
    return m_sideBar->Color();
}

void TzynSideChannel::setSideBarColor(TColor color)
{
    m_sideBar->setColor(color);
    m_captionPanel->setColor(color);
}

int TzynSideChannel::SideBarWidth() const
{
    return m_sideBar->width();
}

void TzynSideChannel::setSideBarWidth(int width)
{
    m_sideBar->setWidth(width);
    PushIn(true);
}

void TzynSideChannel::setCaption(const QString &caption)
{
    m_caption = caption;
    // A pushed-in channel shows no caption; it appears when the channel is out.
    if (IsOut() && !m_moving)
        m_captionPanel->setCaption(caption);
}

Fw::TAlignment TzynSideChannel::Alignment() const
{
    return m_captionPanel->Alignment();
}

void TzynSideChannel::setAlignment(Fw::TAlignment alignment)
{
    m_captionPanel->setAlignment(alignment);
}

void TzynSideChannel::setChannelAlign(TzynSideChannelAlign align)
{
    m_align = align;
    // The side bar stays on the channel's left either way.
    TCustomPanel::setAlign(align == zyn::zynRight ? Fw::alRight : Fw::alLeft);
}

void TzynSideChannel::setAlign(Fw::TAlign align)
{
    if (align == Fw::alLeft || align == Fw::alRight)
        setChannelAlign(align == Fw::alRight ? zyn::zynRight : zyn::zynLeft);
}

void TzynSideChannel::setStayOn(bool value)
{
    m_stayOn = value;
    if (value) {
        PopOut(m_quickMove);
        m_pinButton->setChecked(true);
    } else {
        m_pinButton->setChecked(false);
        PushIn(true);
    }
    pinToggled();
}

void TzynSideChannel::pinToggled()
{
    const bool down = m_pinButton->isChecked();
    // The timer watches the pointer only while the channel is out: a pushed-in channel has
    // nothing to push in every half second.
    if (!down && (IsOut() || m_direction > 0))
        m_hideTimer.start();
    else
        m_hideTimer.stop();
    showPinGlyph();
    m_stayOn = down;
}

void TzynSideChannel::showPinGlyph()
{
    m_pinButton->setIcon(
        glyphIcon(m_pinButton->isChecked() ? "SIDECHANNEL_BTN_ONTOP" : "SIDECHANNEL_BTN_NOONTOP"));
}

void TzynSideChannel::setCurrentWidth(int width)
{
    setBounds(Left(), Top(), width, Height());
    if (QWidget *parent = parentWidget())
        TControlCore::realignChildren(parent);
    // A hidden caption panel reports its new size only when shown.
    m_pinButton->move(m_captionPanel->width() - m_pinButton->width(), 0);
    repaint();
}

void TzynSideChannel::PopOut(bool quick)
{
    m_slideTimer.stop();
    m_moving = true;
    m_direction = 1;
    m_pinButton->setVisible(true);
    if (quick || width() + Step >= m_fullWidth)
        finishPopOut();
    else
        m_slideTimer.start();
}

void TzynSideChannel::finishPopOut()
{
    m_slideTimer.stop();
    setCurrentWidth(m_fullWidth);
    if (!m_pinButton->isChecked())
        m_hideTimer.start();
    m_moving = false;
    m_direction = 0;
    m_captionPanel->setCaption(m_caption);
    Q_EMIT OnPop(this);
}

void TzynSideChannel::PushIn(bool quick)
{
    m_slideTimer.stop();
    m_moving = true;
    m_direction = -1;
    m_hideTimer.stop();
    if (quick || width() - Step <= SideBarWidth())
        finishPushIn();
    else
        m_slideTimer.start();
}

void TzynSideChannel::finishPushIn()
{
    m_slideTimer.stop();
    setCurrentWidth(SideBarWidth());
    m_pinButton->setVisible(false);
    m_captionPanel->setCaption(QString());
    m_moving = false;
    m_direction = 0;
    Q_EMIT OnPush(this);
}

void TzynSideChannel::slideStep()
{
    if (m_direction > 0) {
        if (width() + Step < m_fullWidth)
            setCurrentWidth(width() + Step);
        else
            finishPopOut();
    } else if (m_direction < 0) {
        if (width() - Step > SideBarWidth())
            setCurrentWidth(width() - Step);
        else
            finishPushIn();
    } else {
        m_slideTimer.stop();
    }
}

bool TzynSideChannel::StrictlyInside(const QPoint &point, const QRect &rect)
{
    return rect.x() < point.x() && point.x() < rect.x() + rect.width() && rect.y() < point.y()
        && point.y() < rect.y() + rect.height();
}

void TzynSideChannel::hideCheck()
{
    if (!parentWidget()) {
        PushIn(m_quickMove);
        return;
    }
    const QRect onScreen(mapToGlobal(QPoint(0, 0)), size());
    if (!StrictlyInside(QCursor::pos(), onScreen))
        PushIn(m_quickMove);
}

void TzynSideChannel::hoverCheck()
{
    if (IsOut() || m_moving || m_popupMode != zyn::zynMouseOn)
        return;
    if (IsFormActive(window()))
        PopOut(m_quickMove);
}

bool TzynSideChannel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove)
        hoverCheck();
    else if (watched == m_sideBar && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton
        && m_popupMode == zyn::zynMouseClick)
        PopOut(m_quickMove);
    else if (watched == m_captionPanel && event->type() == QEvent::Resize)
        m_pinButton->move(m_captionPanel->width() - m_pinButton->width(), 0);
    return TCustomPanel::eventFilter(watched, event);
}

bool TzynSideChannel::canResize(int &width, int &)
{
    // Out is the pin button's own state: the window need not be on the screen.
    const bool out = !m_pinButton->isHidden();
    return m_moving || !out || width >= MinimumOutWidth || width == this->width();
}

void TzynSideChannel::resizeEvent(QResizeEvent *event)
{
    // A resize by the program while out (not a slide step) becomes the full width.
    if (!m_moving && IsOut())
        m_fullWidth = width();
    TCustomPanel::resizeEvent(event);
}

void TzynSideChannel::fontChanged()
{
    TCustomPanel::fontChanged();
    m_captionPanel->setFont(Font());
}
