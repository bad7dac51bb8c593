#pragma once

#include <QEvent>
#include <QHash>
#include <QTest>
#include <QWidget>

// Counts the paint events of the widgets it watches.
struct PaintCounter : QObject {
    QHash<QObject *, int> paints;

    void watch(QWidget *widget) { widget->installEventFilter(this); }
    int of(QObject *widget) const { return paints.value(widget); }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        paints[watched] += event->type() == QEvent::Paint;
        return false;
    }
};

// Lets every repaint the window has pending happen: the window itself is asked to repaint
// and waited for, and the widgets inside it that are due are painted in the same pass.
inline bool flushPaints(QWidget *window)
{
    PaintCounter marker;
    marker.watch(window);
    window->update();
    return QTest::qWaitFor([&] { return marker.of(window) > 0; });
}
