#include "TzynCustomListBox.h"

#include "TProperty.h"
#include "TzynScrollBar.h"

#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>

TzynCustomListBox::TzynCustomListBox(QWidget *parent)
    : TControlBase<QListWidget>(parent)
    , m_border(this, [this] { return Color(); })
    , m_items(new TStrings(this, itemStore()))
    , m_binding(new TzynScrollBinding(this, TzynScrollBinding::ListScheme()))
{
    setAutoFillBackground(true);
    setColorValue(Colors::clWindow);
    colorChanged();
    applySelectionMode();
}

TStrings::Store TzynCustomListBox::itemStore()
{
    TStrings::Store store;
    store.count = [this] { return count(); };
    store.get = [this](int index) { return item(index)->text(); };
    store.insert
        = [this](int index, const QStringList &texts) { return insertItemTexts(index, texts); };
    store.remove = [this](int index, int n) { removeItemRows(index, n); };
    store.move = [this](int from, int to) { moveItemRow(from, to); };
    store.put = [this](int index, const QString &text) { item(index)->setText(text); };
    store.assign = [this](const QStringList &texts) { setItemTexts(texts); };
    return store;
}

int TzynCustomListBox::insertItemTexts(int index, const QStringList &texts)
{
    keepTopRow();
    if (texts.size() == 1) {
        auto *added = new QListWidgetItem(texts.first());
        insertItem(index, added);
        // A sorted list chooses the place.
        return row(added);
    }
    insertItems(index, texts);
    if (m_sorted)
        sortItems();
    return index;
}

void TzynCustomListBox::removeItemRows(int index, int n)
{
    keepTopRow(index);
    model()->removeRows(index, n);
}

void TzynCustomListBox::keepTopRow(int fallback)
{
    // Qt keeps the number of the top row: rows coming or going above it would slide the rows
    // in view. The top item is noted and brought back to the top once the list has laid its
    // rows out again, after all the edits of this turn of the event loop (a long run of Adds
    // costs one layout, as it would anyway).
    const int top = verticalScrollBar()->value();
    if (m_topKept || isWrapping() || top <= 0 || top >= count())
        return;
    m_topKept = true;
    m_topItem = QPersistentModelIndex(model()->index(top, 0));
    m_topFallback = fallback;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_topKept = false;
            const int row = m_topItem.isValid() ? m_topItem.row() : m_topFallback;
            m_topItem = QPersistentModelIndex();
            if (row < 0)
                return;
            executeDelayedItemsLayout();
            verticalScrollBar()->setValue(row);
        },
        Qt::QueuedConnection);
}

void TzynCustomListBox::moveItemRow(int from, int to)
{
    keepTopRow();
    // The model carries the item with its mark, and the selection and the current row with it.
    if (model()->moveRows(QModelIndex(), from, 1, QModelIndex(), to > from ? to + 1 : to))
        return;
    const bool wasCurrent = currentRow() == from;
    const bool wasSelected = item(from)->isSelected();
    QListWidgetItem *moved = takeItem(from);
    insertItem(to, moved);
    moved->setSelected(wasSelected);
    if (wasCurrent)
        setCurrentItem(moved, QItemSelectionModel::NoUpdate);
}

void TzynCustomListBox::setItemTexts(const QStringList &texts)
{
    clear();
    addItems(texts);
}

void TzynCustomListBox::setItemIndex(int index)
{
    setCurrentRow(index >= 0 && index < count() ? index : -1);
}

int TzynCustomListBox::ItemHeight() const
{
    return count() > 0 ? sizeHintForRow(0) : fontMetrics().height();
}

void TzynCustomListBox::setItemHeight(int height)
{
    // Rows of the standard (not owner-drawn) list are as high as the font makes them: the value
    // is kept for a layout to read back, as the desktop's list box keeps it.
    if (height > 0)
        m_itemHeight = height;
}

void TzynCustomListBox::setColumns(int columns)
{
    if (!AssignIfChanged(m_columns, std::max(0, columns)))
        return;
    // Columns side by side, filled top to bottom and scrolled horizontally.
    setWrapping(m_columns > 0);
    setResizeMode(m_columns > 0 ? QListView::Adjust : QListView::Fixed);
}

void TzynCustomListBox::setMultiSelect(bool value)
{
    m_multiSelect = value;
    applySelectionMode();
}

void TzynCustomListBox::setExtendedSelect(bool value)
{
    m_extendedSelect = value;
    applySelectionMode();
}

void TzynCustomListBox::applySelectionMode()
{
    if (!m_multiSelect)
        setSelectionMode(QAbstractItemView::SingleSelection);
    else
        setSelectionMode(m_extendedSelect ? QAbstractItemView::ExtendedSelection
                                          : QAbstractItemView::MultiSelection);
}

void TzynCustomListBox::setSorted(bool value)
{
    if (!AssignIfChanged(m_sorted, value))
        return;
    setSortingEnabled(value);
    if (value)
        sortItems();
}

TzynScrollBar *TzynCustomListBox::VScrollBar() const
{
    return dynamic_cast<TzynScrollBar *>(m_binding->VScrollBar());
}

void TzynCustomListBox::setVScrollBar(TzynScrollBar *bar)
{
    m_binding->setVScrollBar(bar);
}

void TzynCustomListBox::colorChanged()
{
    QPalette pal = palette();
    pal.setColor(QPalette::Base, toQColor(Color()));
    pal.setColor(QPalette::Window, toQColor(Color()));
    setPalette(pal);
    update();
}

void TzynCustomListBox::fontChanged()
{
    QPalette pal = palette();
    pal.setColor(QPalette::Text, Font()->qColor());
    setPalette(pal);
}

void TzynCustomListBox::mouseReleaseEvent(QMouseEvent *event)
{
    QListWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        Q_EMIT OnClick(this);
}

void TzynCustomListBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    QListWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        Q_EMIT OnDblClick(this);
}

bool TzynCustomListBox::viewportEvent(QEvent *event)
{
    // Mouse input arrives at the viewport: the published events give control coordinates.
    if (raiseInputEvent(event, viewport()->pos()))
        return true;
    return QListWidget::viewportEvent(event);
}

bool TzynCustomListBox::event(QEvent *event)
{
    if (m_border.paintView(event))
        return true;
    return TControlBase<QListWidget>::event(event);
}
