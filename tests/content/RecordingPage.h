#pragma once

#include <QStringList>
#include <QVariant>
#include <QWebEnginePage>

// A page that keeps every console message the page's scripts produce, so a test can tell a
// page that loads cleanly from one that throws, and that runs scripts synchronously.
class RecordingPage : public QWebEnginePage {
    Q_OBJECT
public:
    explicit RecordingPage(QWebEngineProfile *profile, QObject *parent = nullptr);

    QStringList errors() const { return m_errors; }
    QStringList messages() const { return m_messages; }
    void clearMessages();

    // Runs a script in the page and waits for its result; an invalid QVariant on time-out.
    QVariant evaluate(const QString &script, int timeoutMs = 30000);

signals:
    // Every console message, as it arrives; a test waits on this for what a page reports.
    void messageLogged(const QString &message);

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message,
        int lineNumber, const QString &sourceID) override;

private:
    QStringList m_errors;
    QStringList m_messages;
};
