#include "RequestRecorder.h"

#include <QMutexLocker>

void RequestRecorder::interceptRequest(QWebEngineUrlRequestInfo &info)
{
    const QUrl url = info.requestUrl();
    {
        QMutexLocker lock(&m_mutex);
        m_requests << url;
    }
    if (!url.isLocalFile())
        info.block(true);
}

QList<QUrl> RequestRecorder::requests() const
{
    QMutexLocker lock(&m_mutex);
    return m_requests;
}

void RequestRecorder::clear()
{
    QMutexLocker lock(&m_mutex);
    m_requests.clear();
}
