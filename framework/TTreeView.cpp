#include "TTreeView.h"

#include "TImageList.h"
#include "TTreeNode.h"
#include "TTreeNodes.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QTreeWidgetItemIterator>
#include <functional>

namespace {
constexpr int kNodeRole = Qt::UserRole + 1;
}

// --- TTreeNode -------------------------------------------------------------------------------

TTreeNode::TTreeNode(TTreeView *view, QTreeWidgetItem *item)
    : QObject(view->Items())
    , m_view(view)
    , m_item(item)
    , m_children(new TTreeNodes(view, item, this))
{
    item->setData(0, kNodeRole, QVariant::fromValue(static_cast<QObject *>(this)));
}

TTreeNode *TTreeNode::fromItem(const QTreeWidgetItem *item)
{
    return item ? qobject_cast<TTreeNode *>(item->data(0, kNodeRole).value<QObject *>()) : nullptr;
}

QString TTreeNode::Text() const
{
    return m_item->text(0);
}

void TTreeNode::setText(const QString &text)
{
    m_item->setText(0, text);
}

void TTreeNode::setImageIndex(int index)
{
    m_imageIndex = index;
    updateIcon();
}

void TTreeNode::setSelectedIndex(int index)
{
    m_selectedIndex = index;
    updateIcon();
}

void TTreeNode::updateIcon()
{
    const TImageList *images = m_view->Images();
    m_item->setIcon(0, images ? images->icon(m_imageIndex, m_selectedIndex) : QIcon());
}

bool TTreeNode::Expanded() const
{
    return m_item->isExpanded();
}

void TTreeNode::setExpanded(bool expanded)
{
    m_item->setExpanded(expanded);
}

int TTreeNode::Level() const
{
    int level = 0;
    for (QTreeWidgetItem *p = m_item->parent(); p; p = p->parent())
        ++level;
    return level;
}

TTreeNode *TTreeNode::Parent() const
{
    return fromItem(m_item->parent());
}

int TTreeNode::Count() const
{
    return m_item->childCount();
}

// --- TTreeNodes ------------------------------------------------------------------------------

TTreeNodes::TTreeNodes(TTreeView *view, QTreeWidgetItem *parentItem, QObject *owner)
    : QObject(owner)
    , m_view(view)
    , m_parentItem(parentItem)
{
}

QTreeWidgetItem *TTreeNodes::rootItem() const
{
    return m_parentItem ? m_parentItem : m_view->invisibleRootItem();
}

QObject *TTreeNodes::add()
{
    return Add(QString());
}

TTreeNode *TTreeNodes::Add(const QString &text)
{
    auto *item = new QTreeWidgetItem(rootItem());
    auto *node = new TTreeNode(m_view, item);
    node->setText(text);
    return node;
}

int TTreeNodes::Count() const
{
    int count = 0;
    QList<QTreeWidgetItem *> stack { rootItem() };
    while (!stack.isEmpty()) {
        QTreeWidgetItem *item = stack.takeLast();
        count += item->childCount();
        for (int i = 0; i < item->childCount(); ++i)
            stack.append(item->child(i));
    }
    return count;
}

TTreeNode *TTreeNodes::Item(int absoluteIndex) const
{
    if (absoluteIndex < 0)
        return nullptr;
    int index = 0;
    TTreeNode *found = nullptr;
    std::function<bool(QTreeWidgetItem *)> walk = [&](QTreeWidgetItem *parent) {
        for (int i = 0; i < parent->childCount(); ++i) {
            QTreeWidgetItem *child = parent->child(i);
            if (index++ == absoluteIndex) {
                found = TTreeNode::fromItem(child);
                return true;
            }
            if (walk(child))
                return true;
        }
        return false;
    };
    walk(rootItem());
    return found;
}

// --- TTreeView -------------------------------------------------------------------------------

TTreeView::TTreeView(QWidget *parent)
    : TControlBase<QTreeWidget>(parent)
    , m_items(new TTreeNodes(this, nullptr, this))
{
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    header()->setStretchLastSection(true);
    setColorValue(Colors::clWindow);
    connect(this, &QTreeWidget::itemSelectionChanged, this, [this] {
        const QList<QTreeWidgetItem *> items = selectedItems();
        QTreeWidgetItem *current = items.isEmpty() ? nullptr : items.first();
        selectionMoved(current, m_lastSelected);
        m_lastSelected = current;
    });
}

void TTreeView::setImages(TImageList *images)
{
    if (m_images == images)
        return;
    if (m_images)
        disconnect(m_images, nullptr, this, nullptr);
    m_images = images;
    if (m_images) {
        connect(m_images, &TImageList::OnChange, this, &TTreeView::refreshIcons);
        connect(m_images, &QObject::destroyed, this, [this] {
            m_images = nullptr;
            refreshIcons();
        });
    }
    refreshIcons();
}

void TTreeView::refreshIcons()
{
    for (QTreeWidgetItemIterator it(this); *it; ++it) {
        if (TTreeNode *node = TTreeNode::fromItem(*it))
            node->updateIcon();
    }
}

void TTreeView::setReadOnly(bool value)
{
    // Entries are never edited in place here; the flag is kept for the layout's sake.
    m_readOnly = value;
}

void TTreeView::setBorderStyle(Fw::TBorderStyle style)
{
    m_borderStyle = style;
    setFrameShape(style == Fw::bsNone ? QFrame::NoFrame : QFrame::StyledPanel);
}

TTreeNode *TTreeView::Selected() const
{
    const QList<QTreeWidgetItem *> items = selectedItems();
    return items.isEmpty() ? nullptr : TTreeNode::fromItem(items.first());
}

void TTreeView::colorChanged()
{
    QPalette pal = palette();
    pal.setColor(QPalette::Base, toQColor(Color()));
    pal.setColor(QPalette::Window, toQColor(Color()));
    setPalette(pal);
}

void TTreeView::fontChanged()
{
    QPalette pal = palette();
    pal.setColor(QPalette::Text, Font()->qColor());
    setPalette(pal);
}

void TTreeView::mousePressEvent(QMouseEvent *event)
{
    // The desktop's tree selects on the left button only.
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    m_leftPressed = true;
    QTreeWidget::mousePressEvent(event);
}

void TTreeView::mouseReleaseEvent(QMouseEvent *event)
{
    QTreeWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && m_leftPressed) {
        m_leftPressed = false;
        Q_EMIT OnClick(this);
    }
}

void TTreeView::focusInEvent(QFocusEvent *event)
{
    // Qt's views make the first entry current when they take the focus, and draw it marked;
    // the desktop's tree shows nothing until the user picks an entry.
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void TTreeView::selectionMoved(QTreeWidgetItem *current, QTreeWidgetItem *previous)
{
    if (!m_autoExpand)
        return;
    if (previous) {
        bool ancestor = false;
        for (QTreeWidgetItem *p = current ? current->parent() : nullptr; p; p = p->parent())
            ancestor = ancestor || p == previous;
        if (!ancestor)
            previous->setExpanded(false);
    }
    if (current)
        current->setExpanded(true);
}
