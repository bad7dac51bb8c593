#include "TzynScrollBinding.h"

#include "TControlCore.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QPalette>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>

TzynBindableScrollBar::~TzynBindableScrollBar() = default;

namespace {

// A framework control keeps its bounds as the rule its anchors re-apply when the parent is
// resized: a bar placed past that rule would jump back at the parent's next resize.
void placeBar(QWidget *bar, const QRect &bounds)
{
    if (TControlCore *core = TControlCore::of(bar))
        core->setBoundsRect(bounds);
    else
        bar->setGeometry(bounds);
}

} // namespace

int NativeThumbLength(QScrollBar *bar)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.subControls = QStyle::SC_None;
    option.activeSubControls = QStyle::SC_None;
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.upsideDown = bar->invertedAppearance();
    if (bar->orientation() == Qt::Horizontal)
        option.state |= QStyle::State_Horizontal;
    const QRect slider = bar->style()->subControlRect(
        QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar);
    return bar->orientation() == Qt::Vertical ? slider.height() : slider.width();
}

TzynScrollBinding::TzynScrollBinding(QAbstractScrollArea *view, Scheme scheme)
    : QObject(view)
    , m_view(view)
    , m_scheme(scheme)
{
    view->installEventFilter(this);
    for (QScrollBar *bar : { view->verticalScrollBar(), view->horizontalScrollBar() }) {
        connect(bar, &QScrollBar::valueChanged, this, [this] { Synchronise(); });
        connect(bar, &QScrollBar::rangeChanged, this, [this] { Synchronise(); });
        // The view shows and hides its bars through their containers, while laying out.
        if (QWidget *container = bar->parentWidget(); container && container != view)
            container->installEventFilter(this);
        bar->installEventFilter(this);
        // The view's own bars go first when the view is destroyed: nothing is read after.
        connect(bar, &QObject::destroyed, this, [this] { m_viewGoing = true; });
    }
}

TzynScrollBinding::~TzynScrollBinding()
{
    release(m_vertical);
    release(m_horizontal);
    delete m_corner.data();
}

TzynBindableScrollBar *TzynScrollBinding::bound(const Side &side)
{
    return side.widget ? side.bar : nullptr;
}

QScrollBar *TzynScrollBinding::native(const Side &side) const
{
    return side.vertical ? m_view->verticalScrollBar() : m_view->horizontalScrollBar();
}

void TzynScrollBinding::release(Side &side)
{
    if (TzynBindableScrollBar *bar = bound(side)) {
        QWidget *widget = bar->BarWidget();
        widget->removeEventFilter(this);
        bar->setOnChange({});
        bar->setLineButton(0);
        bar->setMax(100);
        // A bar left with the view's position above its new Max would draw its thumb off the
        // track: the position is brought into the range (setPosition clamps).
        bar->setPosition(bar->Position());
        bar->setSliderVisible(true);
        widget->setEnabled(true);
        widget->setFocusPolicy(side.focusPolicy);
        if (widget->focusProxy() == m_view)
            widget->setFocusProxy(nullptr);
        if (side.hiddenByBinding)
            widget->show();
    }
    side.bar = nullptr;
    side.widget = nullptr;
    side.hiddenByBinding = false;
}

void TzynScrollBinding::bind(Side &side, TzynBindableScrollBar *bar)
{
    if (bar == bound(side))
        return;
    release(side);
    if (bar) {
        side.bar = bar;
        side.widget = bar->BarWidget();
        side.hiddenByBinding = false;
        side.focusPolicy = side.widget->focusPolicy();
        // A click on the bar leaves the keyboard with the view, and focus given to the bar or
        // its parts (a clicked arrow takes it) goes to the view.
        side.widget->setFocusPolicy(Qt::NoFocus);
        side.widget->setFocusProxy(m_view);
        bar->setVertical(side.vertical);
        bar->setOnChange([this, &side] { barMoved(side); });
        side.widget->raise();
        // Its own changes of thickness place the bars again.
        side.widget->installEventFilter(this);
    }
    updateNativePolicies();
    if (bar)
        Place();
}

void TzynScrollBinding::updateNativePolicies()
{
    if (!m_scheme.nativeBarsFollowBinding)
        return;
    m_view->setVerticalScrollBarPolicy(
        bound(m_vertical) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    m_view->setHorizontalScrollBarPolicy(
        bound(m_horizontal) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

bool TzynScrollBinding::viewShown() const
{
    return !m_view->isHidden();
}

QWidget *TzynScrollBinding::shownBar(const Side &side) const
{
    return bound(side) && !side.widget->isHidden() ? side.widget.data() : nullptr;
}

void TzynScrollBinding::setBarVisible(Side &side, bool visible)
{
    QWidget *widget = side.widget.data();
    if (!widget || widget->isHidden() == !visible)
        return;
    side.hiddenByBinding = !visible;
    widget->setVisible(visible);
}

void TzynScrollBinding::Place()
{
    if (m_viewGoing)
        return;
    placeBars();
    Synchronise();
}

void TzynScrollBinding::placeBars()
{
    if (m_viewGoing || m_placing)
        return;
    m_placing = true;
    const QRect view = m_view->geometry();
    // Only a shown bar leaves room for the other: a list hides a bar with nothing to scroll,
    // and the other then runs the whole length of the view, as the view's own bar does.
    QWidget *vertical = shownBar(m_vertical);
    QWidget *horizontal = shownBar(m_horizontal);
    QWidget *lone = nullptr;
    if (!vertical && bound(m_vertical))
        lone = m_vertical.widget;
    if (!horizontal && bound(m_horizontal))
        lone = m_horizontal.widget;
    // Inside the frame: one pixel at the left and top, two at the right and bottom. Two bars
    // end where the corner square begins, so that neither covers the other.
    const int right = view.left() + view.width() - 2;
    const int bottom = view.top() + view.height() - 2;
    auto placeHorizontal = [&](QWidget *bar, bool withVertical) {
        const int h = bar->height();
        const int end = withVertical ? right - vertical->width()
                                     : view.left() + view.width() + 1 - m_scheme.endInset;
        placeBar(bar, QRect(view.left() + 1, bottom - h, end - view.left() - 1, h));
    };
    auto placeVertical = [&](QWidget *bar, bool withHorizontal) {
        const int w = bar->width();
        const int end = withHorizontal ? bottom - horizontal->height()
                                       : view.top() + view.height() + 1 - m_scheme.endInset;
        placeBar(bar, QRect(right - w, view.top() + 1, w, end - view.top() - 1));
    };
    if (horizontal)
        placeHorizontal(horizontal, vertical != nullptr);
    if (vertical)
        placeVertical(vertical, horizontal != nullptr);
    // A hidden bar is placed as if alone, ready for when it shows.
    if (lone == m_horizontal.widget && lone)
        placeHorizontal(lone, false);
    else if (lone == m_vertical.widget && lone)
        placeVertical(lone, false);

    if (vertical && horizontal) {
        if (!m_corner) {
            m_corner = new QWidget(vertical->parentWidget());
            m_corner->setObjectName(QStringLiteral("scrollCorner"));
            m_corner->setAutoFillBackground(true);
        }
        const QColor color = m_vertical.bar->CornerColor();
        QPalette palette = m_corner->palette();
        palette.setColor(QPalette::Window,
            color.isValid() ? color : vertical->parentWidget()->palette().color(QPalette::Window));
        m_corner->setPalette(palette);
        m_corner->setGeometry(right - vertical->width(), bottom - horizontal->height(),
            vertical->width(), horizontal->height());
        m_corner->show();
        m_corner->raise();
    } else if (m_corner) {
        m_corner->hide();
    }
    m_placing = false;
}

void TzynScrollBinding::Synchronise()
{
    if (m_viewGoing || (!bound(m_vertical) && !bound(m_horizontal)))
        return;
    const bool verticalShown = shownBar(m_vertical);
    const bool horizontalShown = shownBar(m_horizontal);
    m_syncing = true;
    synchronise(m_horizontal);
    synchronise(m_vertical);
    m_syncing = false;
    // A bar shown or hidden changes the room the other has.
    if (verticalShown != bool(shownBar(m_vertical))
        || horizontalShown != bool(shownBar(m_horizontal)))
        placeBars();
}

void TzynScrollBinding::synchronise(Side &side)
{
    TzynBindableScrollBar *bar = bound(side);
    if (!bar)
        return;
    QScrollBar *source = native(side);
    // A disabled view's bar is unavailable as well.
    const bool available = source->isVisibleTo(m_view) && source->isEnabled()
        && source->maximum() > source->minimum();
    bar->setLineButton(available ? NativeThumbLength(source) : 0);
    bar->BarWidget()->setEnabled(available);
    if (m_scheme.hideWhenUnavailable) {
        setBarVisible(side, available && viewShown());
    } else {
        bar->setSliderVisible(available);
        setBarVisible(side, viewShown());
    }
    bar->setMax(source->maximum());
    bar->setMin(source->minimum());
    bar->setPosition(source->value());
}

void TzynScrollBinding::barMoved(Side &side)
{
    TzynBindableScrollBar *bar = bound(side);
    if (m_syncing || m_viewGoing || !bar)
        return;
    native(side)->setValue(bar->Position());
    m_view->viewport()->update();
}

bool TzynScrollBinding::eventFilter(QObject *watched, QEvent *event)
{
    const bool isBar = watched == m_vertical.widget || watched == m_horizontal.widget;
    if (isBar) {
        // A bar that changes its own thickness (another style's pictures) is placed again, so
        // that no strip of the view's own bar shows beside it; its colour is the corner's.
        if (event->type() == QEvent::Resize)
            placeBars();
        else if (event->type() == QEvent::Paint && m_corner && m_corner->isVisible()
            && m_vertical.bar && m_vertical.bar->CornerColor().isValid()
            && m_corner->palette().color(QPalette::Window) != m_vertical.bar->CornerColor())
            placeBars();
        return false;
    }
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
        if (watched == m_view)
            Place();
        else
            Synchronise();
        break;
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::EnabledChange:
        Synchronise();
        break;
    default:
        break;
    }
    return false;
}
