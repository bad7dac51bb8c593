#pragma once

#include <QElapsedTimer>
#include <QStringList>
#include <QTimer>
#include <QWebEnginePage>

#include <memory>

// The page behind the page view, kept to the guide and kept responsive.
//
// Local files: only files under the guide folders (setLocalFolders) are shown or read. A
// request for a local page outside them is answered with a short notice in Chinese, a frame
// or a read (fetch, XMLHttpRequest, a picture) of such a file is refused quietly
// (TWebRequestGuard). A local page that cannot be read is not handed to the engine either,
// whose own error page is in English and names nothing useful to a reader here; the view
// shows a notice that names the file and the folder it was looked for in.
//
// Other addresses: http(s) is followed as usual; a mailto: link is handed to the desktop;
// any other scheme is refused and named once on standard error, never handed to whatever
// program a machine registered for it.
//
// Misbehaving pages: a page whose script does not answer for a few seconds has its render
// process stopped; when the render process ends abnormally (stopped, crashed, out of memory)
// the view shows a notice naming the page, and the next request loads as usual.
class TWebPage : public QWebEnginePage {
    Q_OBJECT
public:
    explicit TWebPage(QObject *parent = nullptr);
    ~TWebPage() override;

    // The folders whose files local pages may show and read; none by default.
    void setLocalFolders(const QStringList &folders);
    QStringList localFolders() const { return m_folders; }
    // Whether a local path lies inside one of the folders (after resolving links and "..").
    bool isGuideFile(const QString &path) const;

    // How long a page's script may keep the page from answering before it is stopped.
    static constexpr int HangLimitMs = 5000;

    // The notices the view shows.
    static QString missingFileHtml(const QString &path);
    static QString refusedFileHtml(const QString &path);
    static QString stoppedPageHtml(const QString &page, bool hung);

Q_SIGNALS:
    // A request was refused: a local file outside the folders, or an address of a scheme
    // that is not followed.
    void refused(const QUrl &url);
    // The render process of a page was stopped because its script did not answer.
    void pageStopped(const QUrl &url);

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;

private:
    // The watchdog's clock; the page's answers arrive in callbacks that may outlive the page.
    struct Watch {
        QElapsedTimer sinceAnswer;
        QElapsedTimer sinceTick;
    };

    void showNotice(const QString &html, const QUrl &baseUrl);
    void watchdogTick();
    void restartWatch();
    void renderProcessEnded(RenderProcessTerminationStatus status, int exitCode);
    static QString pageName(const QUrl &url);

    QStringList m_folders;
    QTimer m_watchdog;
    std::shared_ptr<Watch> m_watch;
    bool m_stoppedByUs = false;
    QUrl m_stoppedUrl;
};
