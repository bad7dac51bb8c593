#pragma once

#include <QList>
#include <QRect>
#include <QSize>

// Where the families go in the gallery's area: left to right in rows, in list order; each row
// as high as its highest family. A family that does not fit to the right goes under an earlier
// family of the row when it is no wider and still ends within the row's height (so two low
// families share the room of one high one), and otherwise starts a new row. A family wider
// than the area starts a row of its own at the left edge. Shared by the window and its tests.
QList<QRect> FlowFamilies(const QList<QSize> &sizes, const QRect &area, int gap);
