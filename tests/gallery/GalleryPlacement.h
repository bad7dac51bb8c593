#pragma once

// What the gallery's window tests check of the controls' places: each control inside its
// container and clear of its shown neighbours, down through the containers (pages, tab
// controls, group boxes, panels), and where each control stands, to compare.

#include "TzynGroupBox.h"
#include "TzynImagePanel.h"
#include "TzynSideChannel.h"
#include "TzynTab.h"
#include "TzynTabControlTopPanel.h"
#include "TzynTabSheet.h"

#include <QHash>
#include <QRect>
#include <QString>
#include <QWidget>

inline QString describe(const QWidget *widget)
{
    return QStringLiteral("%1 (%2)").arg(
        widget->objectName(), QLatin1String(widget->metaObject()->className()));
}

// The skinned scroll bars a list or memo binds: they stand over its edges by design (and the
// memo's two meet in a small square at the inner corner).
inline QList<const QObject *> boundBars(const QWidget *widget)
{
    QList<const QObject *> bars;
    for (const char *name : { "VScrollBar", "HScrollBar" }) {
        if (const QObject *bar = widget->property(name).value<QObject *>())
            bars << bar;
    }
    return bars;
}

inline bool standOverByDesign(const QWidget *a, const QWidget *b, const QList<QWidget *> &siblings)
{
    if (boundBars(a).contains(b) || boundBars(b).contains(a))
        return true;
    // The binding fills the square where a memo's two bars meet; it stands over the memo too.
    const QString corner = QStringLiteral("scrollCorner");
    if (a->objectName() == corner || b->objectName() == corner) {
        const QWidget *other = a->objectName() == corner ? b : a;
        if (boundBars(other).size() == 2)
            return true;
    }
    for (const QWidget *view : siblings) {
        const QList<const QObject *> bars = boundBars(view);
        if (bars.contains(a) && bars.contains(b))
            return true;
    }
    return false;
}

inline bool isPlacingContainer(const QWidget *widget)
{
    return qobject_cast<const TzynTabSheet *>(widget) || qobject_cast<const TzynTab *>(widget)
        || qobject_cast<const TzynGroupBox *>(widget)
        || qobject_cast<const TzynImagePanel *>(widget);
}

// The controls placed on a container (its tab strip and hidden ones left out).
inline QList<QWidget *> placedOn(const QWidget *container)
{
    QList<QWidget *> parts;
    auto *tabs = qobject_cast<const TzynTab *>(container);
    for (QWidget *child : container->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow() && !child->isHidden() && !(tabs && child == tabs->Strip()))
            parts << child;
    }
    return parts;
}

// The first control found clipped by its container or overlapping a neighbour, described; empty
// when there is none.
inline QString placementFault(const QWidget *container)
{
    const QList<QWidget *> parts = placedOn(container);
    // A page fills its page control's body, up to its edges; others keep a pixel's margin.
    const QRect inside = qobject_cast<const TzynTab *>(container)
        ? container->rect()
        : container->rect().adjusted(1, 1, -1, -1);
    for (int a = 0; a < parts.size(); ++a) {
        // A side channel docks onto its container's frame lines: its own edge lies on them.
        const bool onTheFrame = qobject_cast<const TzynSideChannel *>(parts[a]);
        if (!(onTheFrame ? container->rect() : inside).contains(parts[a]->geometry()))
            return QStringLiteral("%1 clipped in %2 (%3,%4 %5x%6 in %7x%8)")
                .arg(describe(parts[a]), describe(container))
                .arg(parts[a]->x())
                .arg(parts[a]->y())
                .arg(parts[a]->width())
                .arg(parts[a]->height())
                .arg(container->width())
                .arg(container->height());
        for (int b = a + 1; b < parts.size(); ++b) {
            if (!standOverByDesign(parts[a], parts[b], parts)
                && parts[a]->geometry().intersects(parts[b]->geometry()))
                return describe(parts[a]) + QStringLiteral(" overlaps ") + describe(parts[b]);
        }
        if (isPlacingContainer(parts[a])) {
            const QString inner = placementFault(parts[a]);
            if (!inner.isEmpty())
                return inner;
        }
    }
    return QString();
}

// Where every placed control below a container stands, by its name, relative to the container.
inline QHash<QString, QRect> placesIn(const QWidget *container)
{
    QHash<QString, QRect> places;
    for (const QWidget *child : container->findChildren<QWidget *>()) {
        if (!child->objectName().isEmpty() && !child->isWindow())
            places.insert(
                child->objectName(), QRect(child->mapTo(container, QPoint(0, 0)), child->size()));
    }
    return places;
}
