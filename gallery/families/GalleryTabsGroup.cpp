#include "GalleryTabsGroup.h"

#include "TzynImagePanel.h"
#include "TzynPageControl.h"
#include "TzynProgressBar.h"
#include "TzynTabControl.h"
#include "TzynTabSheet.h"

GalleryTabsGroup::GalleryTabsGroup(QWidget *parent)
    : GalleryFamily(parent)
{
}

void GalleryTabsGroup::Loaded()
{
    m_label = Part<TzynImagePanel>("TabsLabel");
    m_bar = Part<TzynProgressBar>("GalleryProgress");
    m_upright = Part<TzynProgressBar>("GalleryProgressUpright");
    // The side channel docks inside the family's frame line, not over it.
    setContentsMargins(1, 1, 1, 1);
    TControlCore::realignChildren(this);
}

void GalleryTabsGroup::TabsChange(QObject *Sender)
{
    if (auto *tabs = qobject_cast<TzynTabControl *>(Sender))
        m_label->setCaption(
            QStringLiteral("Tab chosen: %1").arg(tabs->Tabs().value(tabs->TabIndex())));
}

void GalleryTabsGroup::PagesChange(QObject *Sender)
{
    auto *pages = qobject_cast<TzynPageControl *>(Sender);
    if (pages && pages->ActivePage())
        m_label->setCaption(QStringLiteral("Page shown: %1").arg(pages->ActivePage()->Caption()));
}

void GalleryTabsGroup::StepClick(QObject *)
{
    // Past Max the bar stays full and the caption goes on counting.
    const int next = m_bar->Position() >= 120 ? 0 : m_bar->Position() + 10;
    m_bar->setPosition(next);
    m_upright->setPosition(next);
}
