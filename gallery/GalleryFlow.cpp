#include "GalleryFlow.h"

#include <algorithm>

QList<QRect> FlowFamilies(const QList<QSize> &sizes, const QRect &area, int gap)
{
    // The columns of the current row: where each starts, how wide it is, where it ends.
    struct Column {
        int x, width, bottom;
    };
    QList<QRect> result;
    result.reserve(sizes.size());
    QList<Column> columns;
    int x = area.left();
    int y = area.top();
    int rowHeight = 0;
    for (const QSize &size : sizes) {
        if (x > area.left() && x + size.width() > area.left() + area.width()) {
            auto under = std::find_if(columns.begin(), columns.end(), [&](const Column &c) {
                return size.width() <= c.width && c.bottom + gap + size.height() <= y + rowHeight;
            });
            if (under != columns.end()) {
                result.append(QRect(QPoint(under->x, under->bottom + gap), size));
                under->bottom += gap + size.height();
                continue;
            }
            x = area.left();
            y += rowHeight + gap;
            rowHeight = 0;
            columns.clear();
        }
        result.append(QRect(QPoint(x, y), size));
        columns.append({ x, size.width(), y + size.height() });
        x += size.width() + gap;
        rowHeight = std::max(rowHeight, size.height());
    }
    return result;
}
