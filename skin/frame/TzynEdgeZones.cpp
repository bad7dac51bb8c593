#include "TzynEdgeZones.h"

namespace TzynEdgeZones {

Qt::Edges Horizontal(int x, int width)
{
    if (x < depth)
        return Qt::LeftEdge;
    if (x > width - depth)
        return Qt::RightEdge;
    return {};
}

Qt::Edges Vertical(int y, int height)
{
    if (y < depth)
        return Qt::TopEdge;
    if (y > height - depth)
        return Qt::BottomEdge;
    return {};
}

Qt::Edges Hit(const QPoint &pos, int width, int height)
{
    return Horizontal(pos.x(), width) | Vertical(pos.y(), height);
}

std::optional<Qt::CursorShape> CursorFor(Qt::Edges edges)
{
    const bool left = edges & Qt::LeftEdge, right = edges & Qt::RightEdge;
    const bool top = edges & Qt::TopEdge, bottom = edges & Qt::BottomEdge;
    if ((left && top) || (right && bottom))
        return Qt::SizeFDiagCursor;
    if ((right && top) || (left && bottom))
        return Qt::SizeBDiagCursor;
    if (left || right)
        return Qt::SizeHorCursor;
    if (top || bottom)
        return Qt::SizeVerCursor;
    return std::nullopt;
}

} // namespace TzynEdgeZones
