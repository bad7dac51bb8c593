#include "TzynBorderOverlay.h"

#include "ZYNDraw.h"

#include <QEvent>
#include <QPainter>

TzynBorderOverlay::TzynBorderOverlay(QWidget *view, LineColors colors, int rings)
    : QWidget(view)
    , m_view(view)
    , m_colors(std::move(colors))
    , m_rings(rings == 1 ? 1 : 2)
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
    setMask(QRegion(all) - QRegion(all.adjusted(m_rings, m_rings, -m_rings, -m_rings)));
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
    if (m_rings == 1)
        canvas.fillRect(rect(), toQColor(outer)); // the mask leaves the ring
    else
        DrawWindowFrame(canvas, size(), outer, inner);
}
