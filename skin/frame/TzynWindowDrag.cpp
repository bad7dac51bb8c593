#include "TzynWindowDrag.h"

#include <utility>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>

TzynWindowDrag::TzynWindowDrag(QObject *parent)
    : QObject(parent)
{
}

void TzynWindowDrag::armMove(QWidget *window, const QPoint &globalPress)
{
    m_window = window;
    m_mode = window ? Mode::MovePending : Mode::None;
    m_manual = false;
    m_pressGlobal = globalPress;
    m_startGeometry = window ? window->geometry() : QRect();
}

void TzynWindowDrag::startResize(QWidget *window, Qt::Edges edges, const QPoint &globalPress)
{
    m_window = window;
    m_edges = edges;
    m_pressGlobal = globalPress;
    m_startGeometry = window ? window->geometry() : QRect();
    m_manual = false;
    m_mode = window && edges ? Mode::Resizing : Mode::None;
    if (m_mode == Mode::Resizing)
        m_manual = !handOver();
}

bool TzynWindowDrag::handOver()
{
    QWindow *handle = m_window ? m_window->windowHandle() : nullptr;
    if (!handle)
        return false;
    const bool started
        = m_mode == Mode::Resizing ? handle->startSystemResize(m_edges) : handle->startSystemMove();
    // The release that ends the desktop's loop goes to the window manager; the window gets
    // its own once the loop is seen to be over (the next move without the button).
    return started;
}

void TzynWindowDrag::deliverRelease()
{
    if (std::exchange(m_mode, Mode::None) != Mode::None)
        Q_EMIT Ended();
    QWindow *handle = m_window ? m_window->windowHandle() : nullptr;
    if (!handle)
        return;
    const QPointF global(m_pressGlobal);
    const QPointF local = handle->mapFromGlobal(m_pressGlobal);
    QMouseEvent release(QEvent::MouseButtonRelease, local, local, global, Qt::LeftButton,
        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(handle, &release);
}

bool TzynWindowDrag::mouseMoved(const QPoint &globalPos, Qt::MouseButtons buttons)
{
    if (!m_window)
        m_mode = Mode::None;
    const bool held = buttons & Qt::LeftButton;
    if (m_mode != Mode::None && m_mode != Mode::MovePending && !m_manual) {
        if (!held) {
            // The desktop's loop has ended.
            QMetaObject::invokeMethod(this, &TzynWindowDrag::deliverRelease, Qt::QueuedConnection);
            return true;
        }
        // A move or two may still arrive while the desktop takes over; it moves the window.
        return true;
    }
    if (!held && m_mode == Mode::MovePending)
        m_mode = Mode::None;
    switch (m_mode) {
    case Mode::None:
        return false;
    case Mode::MovePending:
        m_mode = Mode::Moving;
        m_manual = !handOver();
        if (!m_manual)
            return true;
        [[fallthrough]];
    case Mode::Moving:
        if (m_manual)
            m_window->move(m_startGeometry.topLeft() + (globalPos - m_pressGlobal));
        return true;
    case Mode::Resizing:
        if (m_manual)
            m_window->setGeometry(resizedGeometry(m_startGeometry, m_edges,
                globalPos - m_pressGlobal, m_window->minimumSize(), m_window->maximumSize()));
        return true;
    }
    return false;
}

void TzynWindowDrag::released()
{
    m_manual = false;
    if (std::exchange(m_mode, Mode::None) != Mode::None)
        Q_EMIT Ended();
}

QRect TzynWindowDrag::resizedGeometry(const QRect &start, Qt::Edges edges, const QPoint &delta,
    const QSize &minimum, const QSize &maximum)
{
    int left = start.left(), top = start.top();
    int right = start.x() + start.width(), bottom = start.y() + start.height();
    if (edges & Qt::LeftEdge)
        left += delta.x();
    if (edges & Qt::RightEdge)
        right += delta.x();
    if (edges & Qt::TopEdge)
        top += delta.y();
    if (edges & Qt::BottomEdge)
        bottom += delta.y();
    const int width
        = std::clamp(right - left, minimum.width(), std::max(minimum.width(), maximum.width()));
    const int height
        = std::clamp(bottom - top, minimum.height(), std::max(minimum.height(), maximum.height()));
    // The edge being dragged gives way to the limits; the opposite edge stays put.
    if (edges & Qt::LeftEdge)
        left = right - width;
    if (edges & Qt::TopEdge)
        top = bottom - height;
    return QRect(left, top, width, height);
}
