#include "TTreeView.h"

#include "TImageList.h"
#include "TProperty.h"
#include "TTreeNode.h"
#include "TTreeNodes.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QToolTip>
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
    m_view->raiseGetImageIndex(this);
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
    m_changeTimer = new QTimer(this);
    m_changeTimer->setSingleShot(true);
    connect(m_changeTimer, &QTimer::timeout, this, &TTreeView::raiseChange);
    connect(this, &QTreeWidget::itemSelectionChanged, this, [this] {
        const QList<QTreeWidgetItem *> items = selectedItems();
        QTreeWidgetItem *current = items.isEmpty() ? nullptr : items.first();
        selectionMoved(current, m_lastSelected);
        m_lastSelected = current;
        if (m_changeDelay > 0)
            m_changeTimer->start(m_changeDelay);
        else
            raiseChange();
    });
    connect(this, &QTreeWidget::itemExpanded, this,
        [this](QTreeWidgetItem *item) { Q_EMIT OnExpanded(this, TTreeNode::fromItem(item)); });
    connect(this, &QTreeWidget::itemCollapsed, this,
        [this](QTreeWidgetItem *item) { Q_EMIT OnCollapsed(this, TTreeNode::fromItem(item)); });
    updateSelectionColors();
}

void TTreeView::raiseChange()
{
    m_changeTimer->stop();
    Q_EMIT OnChange(this, Selected());
}

void TTreeView::raiseGetImageIndex(TTreeNode *node)
{
    // A handler that sets the node's indexes asks for its icon again: answer that once.
    if (m_gettingImageIndex)
        return;
    m_gettingImageIndex = true;
    Q_EMIT OnGetImageIndex(this, node);
    m_gettingImageIndex = false;
}

void TTreeView::setShowButtons(bool value)
{
    if (!AssignIfChanged(m_showButtons, value))
        return;
    viewport()->update();
}

void TTreeView::setHideSelection(bool value)
{
    m_hideSelection = value;
    updateSelectionColors();
}

void TTreeView::updateSelectionColors()
{
    // Without the focus the view paints with the inactive colour group.
    QPalette pal = palette();
    const QPalette::ColorGroup active = QPalette::Active;
    pal.setColor(QPalette::Inactive, QPalette::Highlight,
        m_hideSelection ? pal.color(active, QPalette::Base)
                        : pal.color(active, QPalette::Highlight));
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText,
        m_hideSelection ? pal.color(active, QPalette::Text)
                        : pal.color(active, QPalette::HighlightedText));
    setPalette(pal);
}

void TTreeView::setHotTrack(bool value)
{
    m_hotTrack = value;
    setMouseTracking(value || hasMouseTracking());
    if (!value)
        setHotItem(nullptr);
}

void TTreeView::setHotItem(QTreeWidgetItem *item)
{
    if (item == m_hotItem)
        return;
    if (m_hotItem) {
        m_hotItem->setData(0, Qt::FontRole, QVariant());
        m_hotItem->setData(0, Qt::ForegroundRole, QVariant());
    }
    m_hotItem = item;
    if (m_hotItem) {
        QFont underlined = font();
        underlined.setUnderline(true);
        m_hotItem->setData(0, Qt::FontRole, underlined);
        m_hotItem->setData(0, Qt::ForegroundRole, palette().color(QPalette::Highlight));
    }
}

void TTreeView::setMultiSelect(bool value)
{
    setSelectionMode(
        value ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}

void TTreeView::setSortType(TSortType type)
{
    m_sortType = type;
    // Entries carry no sortable data of their own, so data sorting keeps the stored order.
    const bool byText = type == stText || type == stBoth;
    setSortingEnabled(byText);
    if (byText)
        sortItems(0, Qt::AscendingOrder);
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
    if (!AssignIfChanged(m_borderStyle, style))
        return;
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
    updateSelectionColors();
}

void TTreeView::fontChanged()
{
    QPalette pal = palette();
    pal.setColor(QPalette::Text, Font()->qColor());
    setPalette(pal);
    updateSelectionColors();
}

void TTreeView::mousePressEvent(QMouseEvent *event)
{
    // The desktop's tree selects on the left button only, unless RightClickSelect asks for
    // the right button too.
    if (event->button() == Qt::RightButton && m_rightClickSelect) {
        if (QTreeWidgetItem *item = itemAt(event->position().toPoint()))
            setCurrentItem(item);
        event->accept();
        return;
    }
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

void TTreeView::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTreeWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        Q_EMIT OnDblClick(this);
}

bool TTreeView::viewportEvent(QEvent *event)
{
    // Mouse input arrives at the viewport: the published events give tree coordinates. The
    // entries' own tool tips follow ToolTips, not the control's ShowHint.
    if (event->type() != QEvent::ToolTip && raiseInputEvent(event, viewport()->pos()))
        return true;
    switch (event->type()) {
    case QEvent::MouseMove:
        if (m_hotTrack)
            setHotItem(itemAt(static_cast<QMouseEvent *>(event)->position().toPoint()));
        break;
    case QEvent::Leave:
        setHotItem(nullptr);
        break;
    case QEvent::ToolTip: {
        auto *help = static_cast<QHelpEvent *>(event);
        QTreeWidgetItem *item = itemAt(help->pos());
        // Where no entry's text needs showing, the control's own hint does (under ShowHint).
        auto showOwnHint = [&] {
            if (showHint() && !toolTip().isEmpty())
                QToolTip::showText(help->globalPos(), toolTip(), viewport());
            else
                QToolTip::hideText();
            return true;
        };
        if (!m_toolTips || !item)
            return showOwnHint();
        // Only a text that does not fit is shown whole.
        const QRect shown = visualItemRect(item);
        const int needed = shown.left() + fontMetrics().horizontalAdvance(item->text(0))
            + iconSize().width() + 8;
        if (needed <= viewport()->width())
            return showOwnHint();
        QToolTip::showText(help->globalPos(), item->text(0), viewport(), shown);
        return true;
    }
    default:
        break;
    }
    return QTreeWidget::viewportEvent(event);
}

void TTreeView::drawBranches(QPainter *painter, const QRect &rect, const QModelIndex &index) const
{
    if (m_showButtons)
        QTreeWidget::drawBranches(painter, rect, index);
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
