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
    // The scroll area raises its scroll bars when it lays them out: watch its other children
    // so as to go back on top whenever one of them moves up.
    for (QObject *child : view->children()) {
        if (child != this && child->isWidgetType())
            child->installEventFilter(this);
    }
    follow();
}

void TzynBorderOverlay::follow()
{
    const QRect all = m_view->rect();
    setGeometry(all);
    setMask(QRegion(all) - QRegion(all.adjusted(2, 2, -2, -2)));
    raise();
}

bool TzynBorderOverlay::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_view) {
        if (event->type() == QEvent::ZOrderChange || event->type() == QEvent::Show)
            raise();
        return false;
    }
    switch (event->type()) {
    case QEvent::ChildAdded:
        // Viewports and scroll bars may be created after us.
        if (QObject *child = static_cast<QChildEvent *>(event)->child(); child->isWidgetType())
            child->installEventFilter(this);
        follow();
        break;
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::LayoutRequest:
        follow();
        break;
    default:
        break;
    }
    return false;
}

void TzynBorderOverlay::paintEvent(QPaintEvent *)
{
    const auto [outer, inner] = m_colors();
    QPainter canvas(this);
    DrawWindowFrame(canvas, size(), outer, inner);
}
