#pragma once

#include "TzynTab.h"
#include "TzynTabSheet.h"

#include <QList>
#include <QPointer>
#include <QStringList>

// A tab control whose tabs are pages: each TzynTabSheet placed on it adds a tab captioned
// with the sheet's caption, and selecting a tab shows its sheet. A layout names the pages in
// their order ("Pages"); each sheet names its page control ("PageControl").
class TzynPageControl : public TzynTab {
    Q_OBJECT
    Q_PROPERTY(TzynTabSheet *ActivePage READ ActivePage WRITE setActivePage)
    Q_PROPERTY(int PageCount READ PageCount)
    Q_PROPERTY(QStringList Pages READ PageNames WRITE setPageNames)
public:
    explicit TzynPageControl(QWidget *parent = nullptr);
    ~TzynPageControl() override;

    TzynTabSheet *ActivePage() const { return m_activePage; }
    // Activates the sheet (a sheet of another control is ignored); nothing clears the active
    // page only.
    void setActivePage(TzynTabSheet *sheet);
    int PageCount() const { return int(m_pages.size()); }
    TzynTabSheet *Page(int index) const;
    // The component names of the pages in page order. Written by a layout, they put the pages
    // into that order once the layout is applied, when their number is the number of pages.
    QStringList PageNames() const;
    void setPageNames(const QStringList &names);

    void Loaded() override;
    void UpdateChildrenUIStyle(TzynUIStyle style) override;
    void TabActivated(int index) override;

protected:
    void colorChanged() override;
    void BorderColorChanged() override;

private:
    friend class TzynTabSheet;
    void InsertPage(TzynTabSheet *sheet);
    void RemovePage(TzynTabSheet *sheet);
    void MovePage(TzynTabSheet *sheet, int index);
    void PageTabVisibleChanged(TzynTabSheet *sheet);
    void Activate(TzynTabSheet *sheet);
    void ShowPage(TzynTabSheet *sheet);
    void Renumber();
    void RebuildTabs();

    QList<TzynTabSheet *> m_pages;
    QPointer<TzynTabSheet> m_activePage;
    QStringList m_loadedNames;
    bool m_namesRead = false;
    bool m_showingPage = false;
};
