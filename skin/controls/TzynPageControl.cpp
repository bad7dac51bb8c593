#include "TzynPageControl.h"

#include "Exception.h"
#include "TzynPageControlTopPanel.h"
#include "TzynTabSheet.h"
#include "ZYNControlUtils.h"
#include "ZYNStylePropagation.h"

#include <algorithm>

TzynPageControl::TzynPageControl(QWidget *parent)
    : TzynTab(parent)
{
    AttachStrip(new TzynPageControlTopPanel(this));
    Strip()->setTabs({});
    Strip()->setTabIndex(-1);
}

TzynPageControl::~TzynPageControl()
{
    // The sheets are destroyed after this part of the control: they must not report back.
    for (TzynTabSheet *page : std::as_const(m_pages))
        page->m_pageControl = nullptr;
    m_pages.clear();
}

TzynTabSheet *TzynPageControl::Page(int index) const
{
    return index >= 0 && index < m_pages.size() ? m_pages[index] : nullptr;
}

QStringList TzynPageControl::PageNames() const
{
    QStringList names;
    for (const TzynTabSheet *page : m_pages)
        names << page->objectName();
    return names;
}

void TzynPageControl::setPageNames(const QStringList &names)
{
    // Outside loading, the order the pages already have changes nothing.
    if (!IsLoading() && names == PageNames())
        return;
    m_loadedNames = names;
    m_namesRead = true;
    if (!IsLoading())
        Loaded();
}

void TzynPageControl::Loaded()
{
    if (m_namesRead && m_loadedNames.size() == m_pages.size()) {
        auto rank = [this](const TzynTabSheet *page) {
            const qsizetype at = m_loadedNames.indexOf(page->objectName());
            return at < 0 ? m_loadedNames.size() : at;
        };
        std::stable_sort(m_pages.begin(), m_pages.end(),
            [&](const TzynTabSheet *a, const TzynTabSheet *b) { return rank(a) < rank(b); });
        Renumber();
        RebuildTabs();
        if (m_activePage)
            Activate(m_activePage);
    }
    m_loadedNames.clear();
    m_namesRead = false;
    TzynTab::Loaded();
}

void TzynPageControl::setActivePage(TzynTabSheet *sheet)
{
    if (!sheet) {
        m_activePage = nullptr;
        return;
    }
    if (m_pages.contains(sheet))
        Activate(sheet);
}

void TzynPageControl::InsertPage(TzynTabSheet *sheet)
{
    if (m_pages.size() >= TzynTabControlTopPanel::MaxTabs)
        throw Exception(QStringLiteral("A page control holds at most %1 pages")
                            .arg(TzynTabControlTopPanel::MaxTabs));
    sheet->m_pageControl = this;
    sheet->setColor(Color());
    sheet->setBorderColor(BorderColor());
    m_pages.append(sheet);
    Renumber();
    RebuildTabs();
    Activate(sheet);
}

void TzynPageControl::RemovePage(TzynTabSheet *sheet)
{
    const int index = int(m_pages.indexOf(sheet));
    sheet->m_pageControl = nullptr;
    sheet->m_pageIndex = -1;
    if (index < 0)
        return;
    m_pages.removeAt(index);
    Renumber();
    RebuildTabs();
    // The page before the removed one; the first page when the first was removed, so that a
    // control with pages never shows an empty body.
    if (TzynTabSheet *next = Page(index - 1) ? Page(index - 1) : Page(0)) {
        Activate(next);
    } else {
        m_activePage = nullptr;
        Strip()->setTabIndex(-1);
    }
}

void TzynPageControl::MovePage(TzynTabSheet *sheet, int index)
{
    m_pages.move(m_pages.indexOf(sheet), index);
    Renumber();
    RebuildTabs();
    Activate(sheet);
}

void TzynPageControl::PageTabVisibleChanged(TzynTabSheet *sheet)
{
    const int index = sheet->PageIndex();
    Strip()->setTabVisible(index, sheet->TabVisible());
    if (sheet->TabVisible()) {
        Activate(sheet);
        return;
    }
    // Only hiding the shown page moves the selection: hiding another tab leaves the user
    // where they are.
    if (sheet != m_activePage)
        return;
    for (int i = index - 1; i >= 0; --i) {
        if (m_pages[i]->TabVisible()) {
            Activate(m_pages[i]);
            return;
        }
    }
    for (int i = index + 1; i < m_pages.size(); ++i) {
        if (m_pages[i]->TabVisible()) {
            Activate(m_pages[i]);
            return;
        }
    }
    // No other tab shows: the page stays active and shown, so that the control's body is
    // never left empty while it has pages.
}

void TzynPageControl::Activate(TzynTabSheet *sheet)
{
    m_activePage = sheet;
    // The strip's selection runs the tab activation, which shows the page.
    Strip()->setTabIndex(sheet->PageIndex());
}

void TzynPageControl::TabActivated(int index)
{
    if (TzynTabSheet *page = Page(index)) {
        m_activePage = page;
        ShowPage(page);
    }
    TzynTab::TabActivated(index);
}

void TzynPageControl::ShowPage(TzynTabSheet *sheet)
{
    m_showingPage = true;
    for (TzynTabSheet *page : std::as_const(m_pages)) {
        if (page != sheet)
            page->TzynCustomPanel::setVisible(false);
    }
    sheet->TzynCustomPanel::setVisible(true);
    m_showingPage = false;
    sheet->raise();
    // A hidden child is left out of the alignment pass: place it now that it shows.
    TControlCore::realignChildren(this);
    sheet->update();
    Q_EMIT sheet->OnShow(sheet);
}

void TzynPageControl::Renumber()
{
    for (int i = 0; i < m_pages.size(); ++i)
        m_pages[i]->m_pageIndex = i;
}

void TzynPageControl::RebuildTabs()
{
    QStringList captions;
    for (const TzynTabSheet *page : std::as_const(m_pages))
        captions << page->Caption();
    Strip()->setTabs(captions);
    for (int i = 0; i < TzynTabControlTopPanel::MaxTabs; ++i)
        Strip()->setTabVisible(i, i >= m_pages.size() || m_pages[i]->TabVisible());
}

void TzynPageControl::UpdateChildrenUIStyle(TzynUIStyle style)
{
    for (TzynTabSheet *page : std::as_const(m_pages)) {
        page->setColor(Color());
        page->setBorderColor(BorderColor());
        ApplyUIStyleToChildren(page, style);
    }
}

void TzynPageControl::colorChanged()
{
    TzynTab::colorChanged();
    for (TzynTabSheet *page : std::as_const(m_pages))
        page->setColor(Color());
}

void TzynPageControl::BorderColorChanged()
{
    for (TzynTabSheet *page : std::as_const(m_pages))
        page->setBorderColor(BorderColor());
    if (m_activePage)
        m_activePage->update();
}
