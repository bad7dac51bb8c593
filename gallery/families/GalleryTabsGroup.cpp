#include "GalleryTabsGroup.h"

#include "TFont.h"

#include "TzynImagePanel.h"
#include "TzynPageControl.h"
#include "TzynProgressBar.h"
#include "TzynTabControl.h"
#include "TzynTabControlTopPanel.h"
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
    m_tabs = Part<TzynTabControl>("GalleryTabs");
    showTabContents(m_tabs->TabIndex());
    // The side channel docks from the family's top frame line down, not over the caption's
    // row: its own edge, in the same border colour, lies on the frame's top, right and bottom
    // lines. The anchored controls take their places as they stand as their starting points
    // again.
    const int topLine = std::abs(Font()->Height()) / 2 + 1;
    setContentsMargins(0, topLine, 0, 0);
    for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (TControlCore *core = TControlCore::of(child))
            core->updateAnchorRules();
    }
    TControlCore::realignChildren(this);
}

void GalleryTabsGroup::TabsChange(QObject *Sender)
{
    if (auto *tabs = qobject_cast<TzynTabControl *>(Sender)) {
        m_label->setCaption(
            QStringLiteral("You chose the %1 tab").arg(tabs->Tabs().value(tabs->TabIndex())));
        showTabContents(tabs->TabIndex());
    }
}

void GalleryTabsGroup::PagesChange(QObject *Sender)
{
    auto *pages = qobject_cast<TzynPageControl *>(Sender);
    if (pages && pages->ActivePage())
        m_label->setCaption(
            QStringLiteral("You chose the %1 page").arg(pages->ActivePage()->Caption()));
}

void GalleryTabsGroup::StepClick(QObject *)
{
    // Past Max the bar stays full and the caption goes on counting.
    const int next = m_bar->Position() >= 120 ? 0 : m_bar->Position() + 10;
    m_bar->setPosition(next);
    m_upright->setPosition(next);
}

void GalleryTabsGroup::showTabContents(int index)
{
    // A tab control is one surface whatever tab is chosen: its controls are told apart by the
    // tab their names begin with ("Tabs" for the first).
    static const char *const prefixes[] = { "Tabs", "Ledger", "Reports" };
    for (QWidget *child : m_tabs->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child == m_tabs->Strip())
            continue;
        for (int i = 0; i < 3; ++i) {
            if (child->objectName().startsWith(QLatin1String(prefixes[i])))
                child->setVisible(i == index);
        }
    }
}
