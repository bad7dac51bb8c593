#include "PageZoom.h"

#include <QWebEngineView>
#include <QWheelEvent>

#include <cmath>

namespace {
// One notch of an ordinary mouse wheel, in eighths of a degree.
constexpr int kNotch = 120;
} // namespace

PageZoom::PageZoom(QWebEngineView *view, QObject *parent)
    : QObject(parent)
    , m_view(view)
{
}

const QList<qreal> &PageZoom::steps()
{
    static const QList<qreal> values
        = { 0.5, 0.67, 0.75, 0.8, 0.9, 1.0, 1.1, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0 };
    return values;
}

void PageZoom::zoomIn()
{
    step(1);
}

void PageZoom::zoomOut()
{
    step(-1);
}

void PageZoom::reset()
{
    setFactor(1.0);
}

void PageZoom::wheel(const QWheelEvent *event)
{
    const QPoint angle = event->angleDelta();
    const int delta = angle.y() != 0 ? angle.y() : angle.x();
    if (delta == 0)
        return;
    // A turn the other way drops what was gathered towards the last direction.
    if ((delta > 0) != (m_wheelAngle > 0) && m_wheelAngle != 0)
        m_wheelAngle = 0;
    m_wheelAngle += delta;
    while (std::abs(m_wheelAngle) >= kNotch) {
        const int direction = m_wheelAngle > 0 ? 1 : -1;
        m_wheelAngle -= direction * kNotch;
        step(direction);
    }
}

void PageZoom::step(int direction)
{
    const QList<qreal> &values = steps();
    // The nearest step in that direction from the current factor, so that a factor between
    // steps still moves by no more than one.
    if (direction > 0) {
        for (qreal v : values) {
            if (v > m_factor + 1e-6) {
                setFactor(v);
                return;
            }
        }
    } else {
        for (auto it = values.crbegin(); it != values.crend(); ++it) {
            if (*it < m_factor - 1e-6) {
                setFactor(*it);
                return;
            }
        }
    }
}

void PageZoom::setFactor(qreal factor)
{
    if (qFuzzyCompare(factor, m_factor))
        return;
    m_factor = factor;
    apply();
    Q_EMIT factorChanged(m_factor);
}

void PageZoom::apply()
{
    if (m_view && !qFuzzyCompare(m_view->zoomFactor(), m_factor))
        m_view->setZoomFactor(m_factor);
}
