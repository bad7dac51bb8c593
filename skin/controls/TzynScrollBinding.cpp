#include "TzynScrollBinding.h"

#include "TControlCore.h"

#include <QAbstractScrollArea>
#include <QEvent>
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
        bar->setOnChange({});
        bar->setLineButton(0);
        bar->setMax(100);
        bar->BarWidget()->setEnabled(true);
    }
    side.bar = nullptr;
    side.widget = nullptr;
}

void TzynScrollBinding::bind(Side &side, TzynBindableScrollBar *bar)
{
    if (bar == bound(side))
        return;
    release(side);
    if (bar) {
        side.bar = bar;
        side.widget = bar->BarWidget();
        bar->setVertical(side.vertical);
        bar->setOnChange([this, &side] { barMoved(side); });
        side.widget->raise();
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

void TzynScrollBinding::Place()
{
    if (m_viewGoing)
        return;
    const QRect view = m_view->geometry();
    QWidget *vertical = bound(m_vertical) ? m_vertical.widget.data() : nullptr;
    QWidget *horizontal = bound(m_horizontal) ? m_horizontal.widget.data() : nullptr;
    if (horizontal) {
        const int h = horizontal->height();
        const int w = view.width() - (vertical ? vertical->width() + 1 : m_scheme.endInset);
        placeBar(horizontal, QRect(view.left() + 1, view.top() + view.height() - h - 2, w, h));
    }
    if (vertical) {
        const int w = vertical->width();
        const int h = view.height() - (horizontal ? horizontal->height() + 1 : m_scheme.endInset);
        placeBar(vertical, QRect(view.left() + view.width() - w - 2, view.top() + 1, w, h));
    }
    Synchronise();
}

void TzynScrollBinding::Synchronise()
{
    if (m_viewGoing || (!bound(m_vertical) && !bound(m_horizontal)))
        return;
    m_syncing = true;
    synchronise(m_horizontal);
    synchronise(m_vertical);
    m_syncing = false;
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
    if (m_scheme.hideWhenUnavailable)
        bar->BarWidget()->setVisible(available);
    else
        bar->setSliderVisible(available);
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
