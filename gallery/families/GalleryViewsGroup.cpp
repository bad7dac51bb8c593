#include "GalleryViewsGroup.h"

#include "TTreeNode.h"
#include "TTreeNodes.h"
#include "TzynImagePanel.h"
#include "TzynListView.h"
#include "TzynRadioButton.h"
#include "TzynTreeView.h"

GalleryViewsGroup::GalleryViewsGroup(QWidget *parent)
    : GalleryFamily(parent)
{
}

void GalleryViewsGroup::Loaded()
{
    m_tree = Part<TzynTreeView>("GalleryTree");
    m_list = Part<TzynListView>("GalleryList");
    m_label = Part<TzynImagePanel>("ViewsLabel");
    m_iconMode = Part<TzynRadioButton>("ListModeIcons");
    // The list view publishes no items; its entries come from here, each with one of the
    // guide's tree icons (a strip of 16-pixel pictures), which the icon mode shows large.
    const QPixmap icons(QStringLiteral(":/icons/tree-icons.png"));
    const char *names[] = { "Ledger", "Journal", "Trial balance", "Balance sheet",
        "Income statement", "Cash flow", "Notes", "Budget", "Audit", "Tax", "Payroll", "Assets" };
    int i = 0;
    for (const char *name : names) {
        const int count = std::max(1, icons.width() / 16);
        const QIcon icon(icons.copy((i++ % count) * 16, 0, 16, 16));
        m_list->addItem(new QListWidgetItem(icon, QLatin1String(name)));
    }
    m_list->setResizeMode(QListView::Adjust);
    ListModeClick(nullptr);
    TTreeNodes *items = m_tree->Items();
    for (int i = 0; i < items->Count(); ++i)
        items->Item(i)->setExpanded(true);
}

void GalleryViewsGroup::TreeClick(QObject *)
{
    if (const TTreeNode *selected = m_tree->Selected())
        m_label->setCaption(QStringLiteral("You clicked %1 in the tree").arg(selected->Text()));
}

void GalleryViewsGroup::ListClick(QObject *)
{
    if (const QListWidgetItem *item = m_list->currentItem())
        m_label->setCaption(QStringLiteral("You clicked %1 in the list").arg(item->text()));
}

void GalleryViewsGroup::ListModeClick(QObject *)
{
    // The layout wires the handler before the family has found its parts.
    if (!m_iconMode)
        return;
    const bool icons = m_iconMode->Checked();
    m_list->setViewMode(icons ? QListView::IconMode : QListView::ListMode);
    m_list->setIconSize(icons ? QSize(32, 32) : QSize(16, 16));
    m_list->setGridSize(icons ? QSize(90, 64) : QSize());
    m_list->setWordWrap(icons);
    m_list->setMovement(QListView::Static);
}
