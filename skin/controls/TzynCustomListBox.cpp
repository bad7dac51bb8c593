#include "TzynCustomListBox.h"

#include "TProperty.h"
#include "TzynScrollBar.h"

#include <QMouseEvent>

TzynCustomListBox::TzynCustomListBox(QWidget *parent)
    : TControlBase<QListWidget>(parent)
    , m_border(this, [this] { return Color(); })
    , m_items(new TStrings(
          this, [this] { return itemTexts(); },
          [this](const QStringList &texts) { setItemTexts(texts); }))
    , m_binding(new TzynScrollBinding(this, TzynScrollBinding::ListScheme()))
{
    setAutoFillBackground(true);
    setColorValue(Colors::clWindow);
    colorChanged();
    applySelectionMode();
}

QStringList TzynCustomListBox::itemTexts() const
{
    QStringList texts;
    texts.reserve(count());
    for (int i = 0; i < count(); ++i)
        texts << item(i)->text();
    return texts;
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
    const bool result = TControlBase<QListWidget>::event(event);
    m_border.viewEvent(event);
    return result;
}
