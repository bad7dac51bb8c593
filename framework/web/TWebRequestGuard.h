#pragma once

#include <QWebEngineUrlRequestInterceptor>

class TWebPage;

// Sees every request the page's documents make (sub-resources, fetch, XMLHttpRequest, frames)
// and blocks those for local files outside the page's guide folders. Navigations are checked
// before this by the page itself; this catches what a page reads without navigating.
class TWebRequestGuard : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT
public:
    explicit TWebRequestGuard(TWebPage *page);

    void interceptRequest(QWebEngineUrlRequestInfo &info) override;

private:
    TWebPage *m_page;
};
