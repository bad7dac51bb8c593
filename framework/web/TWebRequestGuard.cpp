#include "TWebRequestGuard.h"

#include "TWebPage.h"

TWebRequestGuard::TWebRequestGuard(TWebPage *page)
    : QWebEngineUrlRequestInterceptor(page)
    , m_page(page)
{
}

void TWebRequestGuard::interceptRequest(QWebEngineUrlRequestInfo &info)
{
    const QUrl url = info.requestUrl();
    if (url.isLocalFile() && !m_page->isGuideFile(url.toLocalFile())) {
        info.block(true);
        Q_EMIT m_page->refused(url);
    }
}
