#include "RecordingPage.h"

#include <QTest>
#include <memory>

RecordingPage::RecordingPage(QWebEngineProfile *profile, QObject *parent)
    : QWebEnginePage(profile, parent)
{
}

void RecordingPage::clearMessages()
{
    m_errors.clear();
    m_messages.clear();
}

QVariant RecordingPage::evaluate(const QString &script, int timeoutMs)
{
    // The callback may outlive a timed-out wait, so the result lives in shared state.
    struct Result {
        bool done = false;
        QVariant value;
    };
    auto result = std::make_shared<Result>();
    runJavaScript(script, [result](const QVariant &value) {
        result->value = value;
        result->done = true;
    });
    if (!QTest::qWaitFor([result] { return result->done; }, timeoutMs))
        return QVariant();
    return result->value;
}

void RecordingPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level,
    const QString &message, int lineNumber, const QString &sourceID)
{
    const QString line = QStringLiteral("%1:%2: %3").arg(sourceID).arg(lineNumber).arg(message);
    m_messages << line;
    if (level == ErrorMessageLevel)
        m_errors << line;
    emit messageLogged(message);
}
