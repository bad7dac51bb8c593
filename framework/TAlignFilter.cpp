#include "TAlignFilter.h"

#include "TControlCore.h"

#include <QEvent>
#include <QWidget>

void TAlignFilter::attach(QWidget *parent)
{
    // Needs this class's own meta-object: without it the look-up matched any child object and
    // the filter was often never installed.
    if (!parent || parent->findChild<TAlignFilter *>(QString(), Qt::FindDirectChildrenOnly))
        return;
    parent->installEventFilter(new TAlignFilter(parent));
}

bool TAlignFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize && watched == parent())
        TControlCore::realignChildren(static_cast<QWidget *>(watched));
    return false;
}
