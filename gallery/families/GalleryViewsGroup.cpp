#include "GalleryViewsGroup.h"

#include "TTreeNode.h"
#include "TTreeNodes.h"
#include "TzynImagePanel.h"
#include "TzynListView.h"
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
    // The list view publishes no items; its entries come from here.
    for (int i = 1; i <= 12; ++i)
        m_list->addItem(QStringLiteral("List entry %1").arg(i));
    TTreeNodes *items = m_tree->Items();
    for (int i = 0; i < items->Count(); ++i)
        items->Item(i)->setExpanded(true);
}

void GalleryViewsGroup::TreeClick(QObject *)
{
    if (const TTreeNode *selected = m_tree->Selected())
        m_label->setCaption(QStringLiteral("Clicked: %1").arg(selected->Text()));
}

void GalleryViewsGroup::ListClick(QObject *)
{
    if (const QListWidgetItem *item = m_list->currentItem())
        m_label->setCaption(QStringLiteral("Clicked: %1").arg(item->text()));
}
