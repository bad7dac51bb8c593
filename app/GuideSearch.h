#pragma once

#include "GuideSearchIndex.h"

#include <QObject>
#include <QPointer>
#include <QUrl>

#include <optional>

class PageFindBar;
class QWebEngineNavigationRequest;
class QWebEngineView;

// Search over every page of the guide, on the page view and the find bar. The find bar's
// "全部页面" switch (or Ctrl+Shift+F) asks for it; the results are shown in the page view as a
// page of their own (GuideSearchPage), set with an address inside the data folder so that the
// page view's history keeps it: Alt+Left from a page opened from it returns to it.
//
// Choosing a result is an ordinary click on a link to the page's own file (with the question
// or section as fragment). It is noticed on its way (the page's navigation request), and once
// the page has loaded the hit is made the page view's active match: the caret is put at the
// start of the place the link named, and the find bar searches the page for the hit as written
// from there, so Enter goes on to the next one.
class GuideSearch : public QObject {
    Q_OBJECT
public:
    GuideSearch(QWebEngineView *view, PageFindBar *bar, QObject *parent);

    // The pages to search, in tree order, in `folder`; read when first searched.
    void setPages(const QString &folder, const QStringList &names);
    GuideSearchIndex &index() { return m_index; }

    // Searches every page and shows the results in the page view. A query with nothing to
    // look for (empty, white space) does nothing.
    void search(const QString &query);

    // The address the results page is shown under.
    QUrl resultsUrl() const;
    bool showsResults() const;

Q_SIGNALS:
    // A results page has loaded (also when history returns to one).
    void resultsShown(const QString &query, int hits);
    // A page opened from the results has loaded and the find bar searches it for the hit.
    void hitShown(const QString &text);

private:
    struct PendingHit {
        QUrl page;
        QString anchor;
        QString text;
    };

    void navigationRequested(QWebEngineNavigationRequest &request);
    void loadFinished(bool ok);
    void showHit(const PendingHit &hit);

    QPointer<QWebEngineView> m_view;
    QPointer<PageFindBar> m_bar;
    GuideSearchIndex m_index;
    std::optional<PendingHit> m_pending;
};
