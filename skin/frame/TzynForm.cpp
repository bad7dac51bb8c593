#include "TzynForm.h"

#include "Exception.h"
#include "TApplication.h"
#include "TConstraints.h"
#include "TFont.h"
#include "TForm.h"
#include "TzynEdgeZones.h"
#include "TzynErrorBox.h"
#include "TzynImagePanel.h"
#include "TzynMenuBar.h"
#include "TzynTitleBar.h"
#include "TzynTitleBarButtons.h"
#include "TzynTitleBarSections.h"
#include "TzynWindowDrag.h"
#include "ZYNDraw.h"
#include "ZYNLooks.h"
#include "ZYNStylePropagation.h"

#include <QKeyEvent>
#include <QPainter>

namespace {

// The smallest host a frame allows until a style gives its own minimum width.
constexpr int kHostMinWidth = 125;
constexpr int kHostMinHeight = 50;

} // namespace

TzynForm::TzynForm(QWidget *parent)
    : TCustomPanel(parent)
    , m_drag(new TzynWindowDrag(this))
    , m_menus(new TzynMenuBar(this))
{
    // Every pixel is painted (tiles or one fill), so nothing under it needs painting first,
    // and a see-through child can draw the form's background without clearing its own first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    auto *host = qobject_cast<TForm *>(parent);
    if (!host) {
        // Not on a form: an inert panel with its title bar.
        m_titleBar = new TzynTitleBar(this);
        m_constructing = false;
        return;
    }
    // A second frame is refused before anything of the host is touched.
    for (QObject *child : host->children()) {
        if (child != this && qobject_cast<TzynForm *>(child))
            throw Exception(
                QStringLiteral("Sorry, You can create only one TzynForm component in one form!"));
    }
    m_host = host;
    m_hostOwnMin = QSize(host->Constraints()->MinWidth(), host->Constraints()->MinHeight());
    m_hostOwnMax = QSize(host->Constraints()->MaxWidth(), host->Constraints()->MaxHeight());
    LimitHostMinSize(kHostMinWidth, kHostMinHeight);
    m_savedNormalBounds = host->geometry();
    m_startedMaximized = host->WindowState() == Fw::wsMaximized;

    m_titleBar = new TzynTitleBar(this);
    m_titleBar->setAlignOrder(kTitleBarAlignOrder);
    connect(
        m_titleBar, &TzynTitleBar::OnCustomBtnsClick, this, &TzynForm::OnTitleBarCustomBtnsClick);
    connect(m_titleBar, &TzynTitleBar::OnHelpBtnClick, this, &TzynForm::OnTitleBarHelpBtnClick);
    // After a move or resize the caption shows whether the window is active.
    for (TzynWindowDrag *drag : { m_drag, m_titleBar->Drag() })
        connect(drag, &TzynWindowDrag::Ended, this, [this] {
            if (m_host)
                m_titleBar->setFormActive(m_host->isActiveWindow());
        });
    m_menus->setColor(Color());
    m_savedBorderStyle = host->BorderStyle();

    applyStyle(TzynUIStyle::DeepBlue);
    m_autoUpdateSub = false;

    setBevelOuter(Fw::bvNone);
    setBevelInner(Fw::bvNone);
    setAlign(Fw::alNone);

    setCaption(host->Caption());
    setTitleBarVisible(true);
    setCaptionValue(QStringLiteral(" "));

    LimitHostMaxSize(GetWorkAreaRect().size());

    host->setBorderStyle(Fw::bsNone);
    host->setWindowFlag(Qt::FramelessWindowHint, true);
    host->setMouseTracking(true);
    host->installEventFilter(this);
    if (TApplication *app = TApplication::instance(); app && !app->messageHookOwner()) {
        m_appHookTaken = app->takeMessageHook(this, [this](QObject *, QEvent *event) {
            return event->type() == QEvent::KeyPress
                && m_menus->ShortCut(static_cast<QKeyEvent *>(event));
        });
    }
    m_constructing = false;
}

TzynForm::~TzynForm()
{
    if (m_appHookTaken) {
        if (TApplication *app = TApplication::instance())
            app->releaseMessageHook(this);
    }
    if (m_host) {
        m_host->removeEventFilter(this);
        m_host->update();
    }
}

void TzynForm::setUIStyle(TzynUIStyle style)
{
    // The same style again changes nothing: no layout, no repaint of the window.
    if (style != m_style)
        applyStyle(style);
}

void TzynForm::applyStyle(TzynUIStyle style)
{
    using E = TzynThemeEntry;
    m_style = style;
    if (style == TzynUIStyle::Custom)
        return;
    setBorderColor(GetThemeColor(style, E::FormBorderColor));
    // A style changes the border inside the window, never the window's outer size: the frame
    // gives or takes the difference (writing BorderWidth itself keeps the frame's size).
    m_borderWidth = GetThemeInt(style, E::FormBorderWidth);
    setColor(GetThemeColor(style, E::FormColor));
    m_menus->setColor(Color());
    m_titleBar->setUIStyle(style);
    m_menus->ApplyFrameStyle(style);
    if (m_autoUpdateSub) {
        ApplyUIStyleToContainers(this, style);
        ApplyUIStyleToChildren(this, style);
    }
    ResizeToHost();
    // A see-through control paints the frame's background itself and is opaque to Qt, which
    // repaints no opaque child for a change of its parent alone: every control inside is
    // asked to repaint, so that none keeps showing the previous style's background.
    update();
    for (QWidget *child : findChildren<QWidget *>())
        child->update();
    if (m_host)
        m_host->update();
}

void TzynForm::LimitHostMinSize(int width, int height)
{
    auto *form = qobject_cast<TForm *>(m_host);
    if (!form)
        return;
    if (width >= 0)
        form->Constraints()->setMinWidth(std::max(width, m_hostOwnMin.width()));
    if (height >= 0)
        form->Constraints()->setMinHeight(std::max(height, m_hostOwnMin.height()));
}

void TzynForm::LimitHostMaxSize(const QSize &size)
{
    auto *form = qobject_cast<TForm *>(m_host);
    if (!form)
        return;
    const auto stricter = [](int frame, int own) { return own > 0 ? std::min(frame, own) : frame; };
    form->Constraints()->setMaxWidth(stricter(size.width(), m_hostOwnMax.width()));
    form->Constraints()->setMaxHeight(stricter(size.height(), m_hostOwnMax.height()));
}

void TzynForm::setBorderColor(TColor color)
{
    m_borderColor = color;
    ResizeToHost();
    if (m_host)
        m_host->update();
}

void TzynForm::setBorderWidth(int width)
{
    m_borderWidth = width;
    // While the frame is being built it is not yet sized, and its size must not size the host.
    if (!m_constructing)
        setWidth(Width());
    ResizeToHost();
    if (!m_constructing)
        setHeight(Height());
    if (m_host)
        m_host->update();
}

bool TzynForm::TitleBarVisible() const
{
    return !m_titleBar->isHidden();
}

void TzynForm::setTitleBarVisible(bool visible)
{
    if (visible == TitleBarVisible())
        return;
    m_titleBar->setVisible(visible);
    m_titleBar->setTop(0);
    ResizeToHost();
    if (m_host)
        m_host->update();
}

QString TzynForm::Caption() const
{
    return m_titleBar->Caption();
}

void TzynForm::setCaption(const QString &caption)
{
    m_titleBar->setCaption(caption);
    if (auto *form = qobject_cast<TForm *>(m_host))
        form->setCaption(caption);
    else if (m_host)
        m_host->setWindowTitle(caption);
}

void TzynForm::setFormPanel(TCustomPanel *panel)
{
    if (panel == this) {
        TzynErrorBox::Show(
            QStringLiteral("Sorry, you can't select the Form assign to FormPanel property"));
        return;
    }
    m_formPanel = panel;
    if (!panel)
        return;
    panel->setAlign(Fw::alClient);
    if (qobject_cast<TzynImagePanel *>(panel)) {
        panel->setCaption(QString());
    } else if (!qobject_cast<TzynCustomPanel *>(panel)) {
        panel->setBevelInner(Fw::bvNone);
        panel->setBevelOuter(Fw::bvNone);
        panel->setCaption(QString());
    }
}

TzynTitleBarButtons *TzynForm::TitleBarButtons() const
{
    return m_titleBar->Buttons();
}

void TzynForm::setTitleBarButtons(const TzynTitleBarButtons *buttons)
{
    m_titleBar->setButtons(buttons);
}

TzynTitleBarSections *TzynForm::TitleBarSections() const
{
    return m_titleBar->Sections();
}

void TzynForm::setTitleBarSections(const TzynTitleBarSections *sections)
{
    m_titleBar->setSections(sections);
}

bool TzynForm::TitleBarDrawAppIcon() const
{
    return m_titleBar->DrawAppIcon();
}

void TzynForm::setTitleBarDrawAppIcon(bool value)
{
    m_titleBar->setDrawAppIcon(value);
}

TFont *TzynForm::Font() const
{
    return m_titleBar->Font();
}

void TzynForm::setFont(TFont *font)
{
    m_titleBar->setFont(font);
}

int TzynForm::RoundCorner() const
{
    return m_titleBar->RoundCorner();
}

void TzynForm::setRoundCorner(int value)
{
    m_titleBar->setRoundCorner(value);
}

bool TzynForm::hostSizeIsManaged() const
{
    // A maximised window's size belongs to the desktop: under X11 resizing it would also
    // take it out of the maximised state.
    return m_host && m_host->isVisible()
        && (m_host->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
}

void TzynForm::setWidth(int width)
{
    setOwnSize(QSize(width, Height()));
}

void TzynForm::setHeight(int height)
{
    setOwnSize(QSize(Width(), height));
}

void TzynForm::setOwnSize(const QSize &size)
{
    if (!m_host) {
        setBounds(Left(), Top(), size.width(), size.height());
        return;
    }
    if (!hostSizeIsManaged())
        SetFormBoundsRect(m_host, QRect(m_host->pos(), size + hostMargins()));
    ResizeToHost();
}

QSize TzynForm::hostMargins() const
{
    // What ResizeToHost leaves around the frame: the border left, right and below, and above
    // only while the title bar is hidden. So a size written is the size read back.
    const int B = m_borderWidth;
    return QSize(2 * B, B + (TitleBarVisible() ? 0 : B));
}

void TzynForm::ResizeToHost()
{
    if (!m_host)
        return;
    const QSize margins = hostMargins();
    const int B = m_borderWidth;
    const int T = margins.height() - B;
    setBoundsRect(QRect(QPoint(B, T), m_host->size() - margins));
}

void TzynForm::DrawHostBorder(QPainter &canvas)
{
    if (!m_host || m_borderWidth <= 0)
        return;
    const int CW = m_host->width(), CH = m_host->height();
    const int B = m_borderWidth;
    const QColor color = toQColor(m_borderColor);
    canvas.fillRect(QRect(0, 0, B, CH), color);
    canvas.fillRect(QRect(0, CH - B, CW, B), color);
    canvas.fillRect(QRect(CW - B, 0, B, CH), color);
    // The top edge is a line of pen width B centred on row 0; it lies under the title bar
    // while that is shown.
    canvas.fillRect(QRect(0, 0, CW, (B + 1) / 2), color);
}

Qt::Edges TzynForm::HostHitZone(const QPoint &pos) const
{
    if (!m_host || m_host->isMaximized() || m_savedBorderStyle != Fw::bsSizeable)
        return {};
    return TzynEdgeZones::Hit(pos, m_host->width(), m_host->height());
}

void TzynForm::updateHostCursor(const QPoint &pos)
{
    if (const auto shape = TzynEdgeZones::CursorFor(HostHitZone(pos)))
        m_host->setCursor(*shape);
    else
        m_host->unsetCursor();
}

void TzynForm::hostMouseEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    const QPoint global = event->globalPosition().toPoint();
    switch (event->type()) {
    case QEvent::MouseMove:
        if (!m_drag->isActive() || !m_drag->mouseMoved(global, event->buttons()))
            updateHostCursor(pos);
        break;
    case QEvent::MouseButtonPress:
        if (event->button() == Qt::LeftButton) {
            if (const Qt::Edges edges = HostHitZone(pos))
                m_drag->startResize(m_host, edges, global);
        }
        break;
    case QEvent::MouseButtonRelease:
        if (event->button() == Qt::LeftButton)
            m_drag->released();
        break;
    default:
        break;
    }
}

void TzynForm::hostResized()
{
    if (m_startedMaximized && m_host->isVisible()) {
        if (m_host->isMaximized()) {
            m_seenMaximized = true;
            // From the third such resize on, the frame puts the maximised window back at the
            // work area's corner. Qt already holds the state, and the corner is only set when
            // the window has its maximised size and is somewhere else, so the correction cannot
            // cause the next resize.
            if (m_maximizeCounter == 2)
                m_titleBar->PlaceMaximizedHost();
            else
                ++m_maximizeCounter;
        } else if (m_seenMaximized && !(m_host->windowState() & Qt::WindowMinimized)) {
            // The first restore returns the window to the bounds it had when the frame was made.
            m_startedMaximized = false;
            SetFormBoundsRect(m_host, m_savedNormalBounds);
        }
    }
    m_titleBar->WindowStateChanged();
    ResizeToHost();
    m_host->update();
    m_titleBar->UpdateRegion();
}

bool TzynForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_host)
        return TCustomPanel::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress:
        return m_menus->ShortCut(static_cast<QKeyEvent *>(event));
    case QEvent::WindowActivate:
        m_titleBar->setFormActive(true);
        break;
    case QEvent::WindowDeactivate:
        // The desktop's move and size loop may take the focus for its while: the user's own
        // move or resize does not turn the caption inactive. It turns when the loop ends with
        // the window still inactive.
        if (!m_drag->isActive() && !m_titleBar->Dragging())
            m_titleBar->setFormActive(false);
        break;
    case QEvent::Resize:
    case QEvent::WindowStateChange:
        hostResized();
        break;
    case QEvent::Paint: {
        QPainter canvas(m_host);
        DrawHostBorder(canvas);
        break;
    }
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        hostMouseEvent(static_cast<QMouseEvent *>(event));
        break;
    case QEvent::Leave:
        m_host->unsetCursor();
        break;
    default:
        break;
    }
    return false;
}

void TzynForm::PaintOnto(QPainter &canvas, const QRect &)
{
    // Tiles and fill reach beyond the area asked for; the caller's clip keeps them in it.
    const QString background = QString::fromLatin1(StyleLook(m_style).formBackground);
    if (!background.isEmpty())
        TilePicture(canvas, ThemeImage(background), rect());
    else
        canvas.fillRect(rect(), toQColor(Color()));
}

void TzynForm::paintEvent(QPaintEvent *event)
{
    if (width() <= 0 || height() <= 0)
        return;
    // The background is one opaque fill, so it goes straight to the widget (whose backing
    // store already keeps the screen from flickering) and only where the paint is asked for:
    // a transparent child that shows the part under it has just that part painted.
    QPainter canvas(this);
    canvas.setClipRegion(event->region());
    PaintOnto(canvas, event->rect());
}
