#include "GuideSearch.h"

#include "GuideSearchPage.h"
#include "PageFindBar.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QWebEngineNavigationRequest>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {
// The results page's address: a name in the data folder that no page of the guide has.
const QString kResultsName = QStringLiteral("全部页面查找结果.htm");

QUrl withoutFragment(const QUrl &url)
{
    return url.adjusted(QUrl::RemoveFragment | QUrl::NormalizePathSegments);
}

// Puts a collapsed selection at the start of the element with the id (the body without one):
// the page view's find begins a new search at the selection.
QString caretScript(const QString &anchor)
{
    const QString id
        = QString::fromUtf8(QJsonDocument(QJsonArray { anchor }).toJson(QJsonDocument::Compact));
    return QStringLiteral("(function (id) {"
                          "var start = (id && document.getElementById(id)) || document.body;"
                          "if (!start) return false;"
                          "var range = document.createRange();"
                          "range.setStart(start, 0);"
                          "range.collapse(true);"
                          "var selection = window.getSelection();"
                          "selection.removeAllRanges();"
                          "selection.addRange(range);"
                          "return true;"
                          "})(%1[0])")
        .arg(id);
}
} // namespace

GuideSearch::GuideSearch(QWebEngineView *view, PageFindBar *bar, QObject *parent)
    : QObject(parent)
    , m_view(view)
    , m_bar(bar)
{
    connect(bar, &PageFindBar::allPagesRequested, this, &GuideSearch::search);
    connect(view->page(), &QWebEnginePage::navigationRequested, this,
        &GuideSearch::navigationRequested);
    connect(view, &QWebEngineView::loadFinished, this, &GuideSearch::loadFinished);
}

void GuideSearch::setPages(const QString &folder, const QStringList &names)
{
    m_index.setPages(folder, names);
}

QUrl GuideSearch::resultsUrl() const
{
    return QUrl::fromLocalFile(m_index.folder() + QStringLiteral("/") + kResultsName);
}

bool GuideSearch::showsResults() const
{
    return m_view && withoutFragment(m_view->url()) == resultsUrl();
}

void GuideSearch::search(const QString &query)
{
    if (!m_view || GuideText::fold(query).isEmpty())
        return;
    m_pending.reset();
    m_view->page()->setHtml(GuideSearchPage::html(m_index.search(query)), resultsUrl());
}

void GuideSearch::navigationRequested(QWebEngineNavigationRequest &request)
{
    if (!request.isMainFrame())
        return;
    m_pending.reset();
    // Only a link followed from a results page is a choice of a result.
    if (request.navigationType() != QWebEngineNavigationRequest::LinkClickedNavigation
        || !showsResults() || !request.url().isLocalFile())
        return;
    const QString query = GuideSearchPage::queryOfTitle(m_view->title());
    if (query.isEmpty())
        return;
    // The results page holds no state of its own: searching again (quick, and the same pages
    // in memory) gives the hit that the link stands for.
    const QUrl page = withoutFragment(request.url());
    const QString anchor = request.url().fragment(QUrl::FullyDecoded);
    const GuideSearchResult result = m_index.search(query);
    for (const GuideSearchResult::Page &found : result.pages) {
        if (withoutFragment(QUrl::fromLocalFile(found.path)) != page || found.lines.isEmpty())
            continue;
        // A link to the page itself stands for its first hit.
        const GuideSearchResult::Line *line = &found.lines.first();
        for (const GuideSearchResult::Line &candidate : found.lines) {
            if (request.url().hasFragment() && candidate.anchor == anchor) {
                line = &candidate;
                break;
            }
        }
        m_pending = PendingHit { page, line->anchor, line->match };
        return;
    }
}

void GuideSearch::loadFinished(bool ok)
{
    if (!m_view || !ok) {
        m_pending.reset();
        return;
    }
    if (m_pending && withoutFragment(m_view->url()) == m_pending->page) {
        const PendingHit hit = *m_pending;
        m_pending.reset();
        showHit(hit);
        return;
    }
    m_pending.reset();
    if (showsResults()) {
        const QString query = GuideSearchPage::queryOfTitle(m_view->title());
        const GuideSearchResult result = m_index.search(query);
        if (m_bar)
            m_bar->showAllPagesResult(query, result.hits, int(result.pages.size()));
        Q_EMIT resultsShown(query, result.hits);
    }
}

void GuideSearch::showHit(const PendingHit &hit)
{
    const QPointer<GuideSearch> self(this);
    m_view->page()->runJavaScript(caretScript(hit.anchor), [self, hit](const QVariant &) {
        if (!self || !self->m_bar)
            return;
        self->m_bar->findInPage(hit.text);
        Q_EMIT self->hitShown(hit.text);
    });
}
