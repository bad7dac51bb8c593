#pragma once

#include <QWebEnginePage>

// The page behind the page view. A local file that cannot be read is not handed to the engine,
// whose own error page is in English and names nothing useful to a reader here; instead the
// view shows a short page in Chinese that names the file and the folder it was looked for in.
// Nothing is raised or reported: the request simply ends in that page.
class TWebPage : public QWebEnginePage {
    Q_OBJECT
public:
    explicit TWebPage(QObject *parent = nullptr);

    // The page shown for a local file that cannot be read.
    static QString missingFileHtml(const QString &path);

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
};
