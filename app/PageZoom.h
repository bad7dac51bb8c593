#pragma once

#include <QObject>
#include <QPointer>

class QWebEngineView;
class QWheelEvent;

// The page view's zoom, in the fixed steps readers know from browsers (50 % to 300 %), for the
// current run only: nothing is stored. The page view keeps the factor from page to page
// itself, the missing-page notice included.
class PageZoom : public QObject {
    Q_OBJECT
public:
    explicit PageZoom(QWebEngineView *view, QObject *parent = nullptr);

    static const QList<qreal> &steps();

    qreal factor() const { return m_factor; }
    void zoomIn();
    void zoomOut();
    void reset();

    // Ctrl+wheel over the page: one step per notch, in the wheel's direction. Fine-grained
    // wheels add up to a notch before a step is taken.
    void wheel(const QWheelEvent *event);

Q_SIGNALS:
    void factorChanged(qreal factor);

private:
    void step(int direction);
    void setFactor(qreal factor);
    void apply();

    QPointer<QWebEngineView> m_view;
    qreal m_factor = 1.0;
    int m_wheelAngle = 0;
};
