#pragma once

#include <QMutex>
#include <QStringList>
#include <QUrl>
#include <QWebEngineUrlRequestInterceptor>

// Records every address a page asks for and blocks all that are not local files, so the pages
// are tested without any network and a reference to the outside shows up as a recorded URL.
class RequestRecorder : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void interceptRequest(QWebEngineUrlRequestInfo &info) override;

    QList<QUrl> requests() const;
    void clear();

private:
    mutable QMutex m_mutex;
    QList<QUrl> m_requests;
};
