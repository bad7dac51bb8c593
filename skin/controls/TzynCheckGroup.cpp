#include "TzynCheckGroup.h"

#include "TFont.h"
#include "TProperty.h"
#include "TzynCheckBox.h"
#include "ZYNControlUtils.h"

#include <QMouseEvent>

#include <cstdlib>

TzynCheckGroup::TzynCheckGroup(QWidget *parent)
    : TzynStyled(parent)
    , m_itemList(new TStrings(this, itemStore()))
{
    TzynCustomGroupBox::setTransparent(false);
    setParentColor(true);
}

void TzynCheckGroup::applyColors(TzynUIStyle style)
{
    if (style == TzynUIStyle::Custom)
        return;
    using E = TzynThemeEntry;
    setBorderColor(GetThemeColor(style, E::ControlBorderColor));
    Font()->setColor(GetThemeColor(style, E::GroupBoxFontColor));
    if (!ParentColor())
        setColor(GetThemeColor(style, E::ControlColor));
}

void TzynCheckGroup::ApplyUIStyle(TzynUIStyle style)
{
    applyColors(style);
    for (TzynCheckBox *box : std::as_const(m_boxes)) {
        box->setUIStyle(style);
        box->setColor(Color());
    }
}

void TzynCheckGroup::UpdateChildrenUIStyle(TzynUIStyle style)
{
    applyColors(style);
}

TStrings::Store TzynCheckGroup::itemStore()
{
    TStrings::Store store;
    store.count = [this] { return int(m_items.size()); };
    store.get = [this](int index) { return m_items.at(index); };
    store.insert
        = [this](int index, const QStringList &lines) { return insertItems(index, lines); };
    store.remove = [this](int index, int count) { removeItems(index, count); };
    store.move = [this](int from, int to) {
        m_items.move(from, to);
        m_boxes.move(from, to);
        layOut();
    };
    store.put = [this](int index, const QString &line) {
        m_items[index] = line;
        m_boxes[index]->setCaption(line);
    };
    store.assign = [this](const QStringList &lines) {
        if (AssignIfChanged(m_items, lines))
            synchronise();
    };
    return store;
}

int TzynCheckGroup::insertItems(int index, const QStringList &lines)
{
    for (int i = 0; i < lines.size(); ++i) {
        m_items.insert(index + i, lines[i]);
        TzynCheckBox *box = createBox();
        box->setCaption(lines[i]);
        m_boxes.insert(index + i, box);
    }
    layOut();
    return index;
}

void TzynCheckGroup::removeItems(int index, int count)
{
    m_items.remove(index, count);
    for (int i = 0; i < count; ++i)
        delete m_boxes.takeAt(index);
    layOut();
}

void TzynCheckGroup::setColumns(int columns)
{
    if (columns < 1 || !AssignIfChanged(m_columns, columns))
        return;
    layOut();
}

void TzynCheckGroup::setTopMargin(int margin)
{
    if (margin < 0 || !AssignIfChanged(m_topMargin, margin))
        return;
    layOut();
}

TColor TzynCheckGroup::FontColor() const
{
    return Font()->Color();
}

void TzynCheckGroup::setFontColor(TColor color)
{
    Font()->setColor(color);
}

void TzynCheckGroup::setTransparent(bool value)
{
    TzynCustomGroupBox::setTransparent(value);
    for (TzynCheckBox *box : std::as_const(m_boxes))
        box->setTransparent(value);
}

TzynCheckBox *TzynCheckGroup::CreateItem()
{
    return new TzynCheckBox(this);
}

void TzynCheckGroup::synchronise()
{
    const int n = int(m_items.size());
    while (m_boxes.size() > n)
        delete m_boxes.takeLast();
    const bool creating = m_boxes.size() < n;
    while (m_boxes.size() < n)
        m_boxes.append(createBox());
    for (int i = 0; i < n; ++i)
        m_boxes[i]->setCaption(m_items[i]);
    layOut();
    if (creating) {
        for (TzynCheckBox *box : std::as_const(m_boxes))
            box->update();
    }
}

TzynCheckBox *TzynCheckGroup::createBox()
{
    TzynCheckBox *box = CreateItem();
    box->setParent(this);
    box->setFont(Font());
    box->setAutoSize(true);
    box->setUIStyle(UIStyle());
    box->setTransparent(Transparent());
    box->setParentColor(true);
    connect(box, &TControl::OnClick, this, &TzynCheckGroup::itemClicked);
    box->show();
    return box;
}

QPoint TzynCheckGroup::ItemPosition(
    int index, int count, int columns, int groupWidth, const QRect &itemsRect, int topMargin)
{
    // The columns share the group's width less a margin on each side; each box stands a
    // little in from its column's left edge.
    constexpr int sideMargins = 10;
    constexpr int boxIndent = 8;
    const int top = itemsRect.top() + topMargin;
    const int bottom = itemsRect.top() + itemsRect.height();
    const int columnWidth = (groupWidth - sideMargins) / columns;
    const int rows = (count + columns - 1) / columns;
    const int rowHeight = (bottom - top) / rows;
    const int firstTop = top + ((bottom - top) % rows) / 2;
    return QPoint((index / rows) * columnWidth + boxIndent, (index % rows) * rowHeight + firstTop);
}

void TzynCheckGroup::layOut()
{
    const int count = int(m_boxes.size());
    for (int i = 0; i < count; ++i) {
        const QPoint at = ItemPosition(i, count, m_columns, width(), ItemsRect(), m_topMargin);
        m_boxes[i]->setBounds(at.x(), at.y(), m_boxes[i]->width(), m_boxes[i]->height());
    }
}

void TzynCheckGroup::itemClicked()
{
    ItemClickHook();
    Q_EMIT OnClick(this);
}

void TzynCheckGroup::Click()
{
    itemClicked();
}

void TzynCheckGroup::fontChanged()
{
    TzynCustomGroupBox::fontChanged();
    for (TzynCheckBox *box : std::as_const(m_boxes))
        box->setFont(Font());
}

void TzynCheckGroup::resizeEvent(QResizeEvent *event)
{
    TzynCustomGroupBox::resizeEvent(event);
    layOut();
}

void TzynCheckGroup::boundsChanged()
{
    TzynCustomGroupBox::boundsChanged();
    layOut();
}
