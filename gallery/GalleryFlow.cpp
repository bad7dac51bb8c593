#include "GalleryFlow.h"

#include <algorithm>

QList<QRect> FlowFamilies(const QList<QSize> &sizes, const QRect &area, int gap)
{
    QList<QRect> result;
    result.reserve(sizes.size());
    int x = area.left();
    int y = area.top();
    int rowHeight = 0;
    for (const QSize &size : sizes) {
        if (x > area.left() && x + size.width() > area.left() + area.width()) {
            x = area.left();
            y += rowHeight + gap;
            rowHeight = 0;
        }
        result.append(QRect(QPoint(x, y), size));
        x += size.width() + gap;
        rowHeight = std::max(rowHeight, size.height());
    }
    return result;
}
