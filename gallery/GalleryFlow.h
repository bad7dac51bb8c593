#pragma once

#include <QList>
#include <QRect>
#include <QSize>

// Where the families go in the gallery's area: left to right in rows, in list order, a new
// row when the next one would pass the area's right edge; each row as high as its highest
// family. A family wider than the area starts a row of its own at the left edge. Shared by
// the window and its tests.
QList<QRect> FlowFamilies(const QList<QSize> &sizes, const QRect &area, int gap);
