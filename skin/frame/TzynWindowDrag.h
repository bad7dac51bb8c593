#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>

class QWidget;

// Moves or resizes a frameless top-level window from a mouse drag that started on one of its
// widgets. The desktop's own move and size loop is asked for first (QWindow::startSystemMove /
// startSystemResize); the window manager then owns the pointer until the button goes up and
// the widget never sees the release, so one is delivered to the window when the first move
// without the button shows that the loop is over, or hover would stay stuck on the widget. Where
// the platform refuses (no window manager, the offscreen platform) the window is moved or resized
// by hand from the following mouse moves.
class TzynWindowDrag : public QObject {
    Q_OBJECT
public:
    explicit TzynWindowDrag(QObject *parent = nullptr);

    // A move that starts on the first mouse move after the press, so that a click or a
    // double-click still reaches the widget untouched.
    void armMove(QWidget *window, const QPoint &globalPress);
    // A resize from the given edges, started at once.
    void startResize(QWidget *window, Qt::Edges edges, const QPoint &globalPress);

    // Feed every mouse move of the widget; true while the move or resize is being done by hand
    // or by the desktop (the widget then ignores the move). The first move without the button
    // after the desktop's loop delivers the release the window never got.
    bool mouseMoved(const QPoint &globalPos, Qt::MouseButtons buttons);
    // Feed the release; ends any drag.
    void released();

    bool isActive() const { return m_mode != Mode::None; }

Q_SIGNALS:
    // The move or resize is over (or a pending move ended without starting).
    void Ended();

public:
    // The geometry a manual resize from edges gives, within the window's size limits; the
    // opposite edges stay where they are.
    static QRect resizedGeometry(const QRect &start, Qt::Edges edges, const QPoint &delta,
        const QSize &minimum, const QSize &maximum);

private:
    enum class Mode { None, MovePending, Moving, Resizing };

    bool handOver();
    void deliverRelease();

    Mode m_mode = Mode::None;
    bool m_manual = false;
    QPointer<QWidget> m_window;
    Qt::Edges m_edges;
    QPoint m_pressGlobal;
    QRect m_startGeometry;
};
