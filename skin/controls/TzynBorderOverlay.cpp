#include "TzynBorderOverlay.h"

#include "ZYNDraw.h"

#include <QEvent>
#include <QFrame>
#include <QPainter>

TzynBorderOverlay::TzynBorderOverlay(QFrame *view, LineColors colors)
    : QWidget(view)
    , m_view(view)
    , m_colors(std::move(colors))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    view->installEventFilter(this);
    follow();
}

void TzynBorderOverlay::follow()
{
    const QRect all = m_view->rect();
    setGeometry(all);
    setMask(QRegion(all) - QRegion(all.adjusted(2, 2, -2, -2)));
    raise();
    // The scroll area raises its scroll bars when it lays them out: watch its other children
    // so as to go back on top whenever one of them moves up.
    for (QObject *child : m_view->children()) {
        if (child != this && child->isWidgetType())
            child->installEventFilter(this);
    }
}

bool TzynBorderOverlay::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_view) {
        if (event->type() == QEvent::ZOrderChange || event->type() == QEvent::Show)
            raise();
        return false;
    }
    {
        switch (event->type()) {
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::ChildAdded:
        case QEvent::LayoutRequest:
            // Scroll bars and viewports may be created or re-stacked after us.
            follow();
            break;
        default:
            break;
        }
    }
    return false;
}

void TzynBorderOverlay::paintEvent(QPaintEvent *)
{
    const auto [outer, inner] = m_colors();
    QPainter canvas(this);
    DrawWindowFrame(canvas, size(), outer, inner);
}
