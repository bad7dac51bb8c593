#pragma once

#include <QCursor>
#include <QPoint>

#include <optional>

// The resize zones along a frameless window's edges, shared by the form frame (the host's
// border strips) and the title bar (its top rows): five pixels deep, a point past the right
// or bottom edge's line counting as in it.
namespace TzynEdgeZones {

constexpr int depth = 5;

// Left or right, or neither, for x in a window of that width.
Qt::Edges Horizontal(int x, int width);
// Top or bottom, or neither, for y in a window of that height.
Qt::Edges Vertical(int y, int height);
// The edges (one, or two at a corner) whose zones hold the point.
Qt::Edges Hit(const QPoint &pos, int width, int height);

// The cursor over a zone: diagonal at the corners, across the edge elsewhere; none outside.
std::optional<Qt::CursorShape> CursorFor(Qt::Edges edges);

} // namespace TzynEdgeZones
