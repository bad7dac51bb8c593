#include "TWebPage.h"

#include "TWebRequestGuard.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QUrl>
#include <QWebEngineScript>

#include <csignal>
#include <cstdio>

namespace {
// Self-contained: the folder that would hold a stylesheet may be the very thing missing.
const char kStyle[] = "html{background:#eef1f5}"
                      "body{margin:0;padding:3rem 1.5rem;color:#1f2329;"
                      "font-family:\"AR PL UMing CN\",\"SimSun\",\"Noto Serif CJK SC\",serif;"
                      "font-size:16px;line-height:1.8}"
                      "main{max-width:40rem;margin:0 auto;background:#fdfdfb;"
                      "border:1px solid #c9d3df;border-top:4px solid #1d4f8c;padding:1.5rem 2rem}"
                      "h1{margin:0 0 .75rem;font-size:1.4rem;color:#1d4f8c}"
                      "p{margin:.5rem 0}"
                      "dl{margin:1rem 0;display:grid;grid-template-columns:max-content 1fr;"
                      "gap:.35rem 1rem;align-items:baseline}"
                      "dt{color:#5b6470}"
                      "dd{margin:0;font-family:\"DejaVu Sans Mono\",monospace;font-size:14px;"
                      "overflow-wrap:anywhere}"
                      ".hint{color:#5b6470;font-size:14px}";

constexpr int kWatchIntervalMs = 1000;

// A notice page: title and heading, a sentence, name/value rows (already escaped) and a hint.
QString noticeHtml(const QString &title, const QString &heading, const QString &why,
    const QString &rows, const QString &hint)
{
    return QStringLiteral("<!DOCTYPE html><html lang=\"zh-CN\"><head><meta charset=\"utf-8\">"
                          "<title>%1</title><style>%2</style></head><body><main>"
                          "<h1>%3</h1><p>%4</p><dl>%5</dl><p class=\"hint\">%6</p>"
                          "</main></body></html>")
        .arg(title, QLatin1String(kStyle), heading, why, rows, hint);
}

// A path as the guide folders are compared with it: absolute, with "." and ".." resolved.
// Links are not resolved: the installed guide may consist of links, and a page cannot make
// one.
QString cleanPath(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}
} // namespace

TWebPage::TWebPage(QObject *parent)
    : QWebEnginePage(parent)
    , m_watch(std::make_shared<Watch>())
{
    setUrlRequestInterceptor(new TWebRequestGuard(this));
    connect(this, &QWebEnginePage::renderProcessTerminated, this, &TWebPage::renderProcessEnded);
    connect(this, &QWebEnginePage::loadStarted, this, &TWebPage::restartWatch);
    connect(this, &QWebEnginePage::renderProcessPidChanged, this, &TWebPage::restartWatch);
    connect(&m_watchdog, &QTimer::timeout, this, &TWebPage::watchdogTick);
    restartWatch();
    m_watchdog.start(kWatchIntervalMs);
}

TWebPage::~TWebPage() = default;

void TWebPage::setLocalFolders(const QStringList &folders)
{
    m_folders.clear();
    for (const QString &folder : folders)
        m_folders << cleanPath(folder);
}

bool TWebPage::isGuideFile(const QString &path) const
{
    const QString file = cleanPath(path);
    for (const QString &folder : m_folders) {
        if (file == folder || file.startsWith(folder + QLatin1Char('/')))
            return true;
    }
    return false;
}

QString TWebPage::missingFileHtml(const QString &path)
{
    const QFileInfo file(path);
    const QString folder = QDir::toNativeSeparators(file.absolutePath());
    const bool folderExists = QFileInfo(file.absolutePath()).isDir();
    const QString why = folderExists
        ? QStringLiteral("这个文件夹里没有这个页面的文件，它可能被移动、改名或删除了。")
        : QStringLiteral("这个文件夹不存在，所以其中的页面都无法显示。");
    return noticeHtml(QStringLiteral("找不到页面"), QStringLiteral("找不到要显示的页面"), why,
        QStringLiteral("<dt>文件</dt><dd id=\"file\">%1</dd>"
                       "<dt>查找的文件夹</dt><dd id=\"folder\">%2</dd>")
            .arg(file.fileName().toHtmlEscaped(), folder.toHtmlEscaped()),
        QStringLiteral("重新安装本程序可以恢复全部页面。"));
}

QString TWebPage::refusedFileHtml(const QString &path)
{
    return noticeHtml(QStringLiteral("不能显示这个页面"), QStringLiteral("不能显示这个页面"),
        QStringLiteral("这个文件不属于本指南的页面，为了安全，这里只显示指南自己的页面。"),
        QStringLiteral("<dt>文件</dt><dd id=\"file\">%1</dd>")
            .arg(QDir::toNativeSeparators(path).toHtmlEscaped()),
        QStringLiteral("请从左边的目录选择要看的页面。"));
}

QString TWebPage::stoppedPageHtml(const QString &page, bool hung)
{
    const QString title = hung ? QStringLiteral("页面停止响应") : QStringLiteral("页面无法显示");
    return noticeHtml(title, title,
        hung ? QStringLiteral("这个页面的脚本运行了太长时间，页面已被停止。")
             : QStringLiteral("显示这个页面的进程意外结束了，页面可能太大或占用了太多内存。"),
        QStringLiteral("<dt>页面</dt><dd id=\"page\">%1</dd>").arg(page.toHtmlEscaped()),
        QStringLiteral("请从左边的目录重新选择页面。"));
}

QString TWebPage::pageName(const QUrl &url)
{
    if (url.isLocalFile())
        return QFileInfo(url.toLocalFile()).completeBaseName();
    return url.toDisplayString();
}

void TWebPage::showNotice(const QString &html, const QUrl &baseUrl)
{
    // Not from inside the engine's own callbacks. With the page's address as base, the view
    // keeps reporting the address that was asked for.
    QMetaObject::invokeMethod(
        this, [this, html, baseUrl] { setHtml(html, baseUrl); }, Qt::QueuedConnection);
}

bool TWebPage::acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame)
{
    const QString scheme = url.scheme().toLower();
    if (url.isLocalFile()) {
        const QString path = url.toLocalFile();
        if (!isGuideFile(path)) {
            Q_EMIT refused(url);
            if (isMainFrame)
                showNotice(refusedFileHtml(path), QUrl());
            return false;
        }
        // Going back or forward keeps the history as the reader made it; only new requests
        // for a local page are answered with the notice.
        const QFileInfo file(path);
        if (isMainFrame && type != NavigationTypeBackForward
            && (!file.isFile() || !file.isReadable())) {
            showNotice(missingFileHtml(path), url);
            return false;
        }
        return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
    }
    // The engine hands a mailto: link to the desktop itself, once and only for a click.
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https")
        || scheme == QLatin1String("mailto") || scheme == QLatin1String("about")
        || scheme == QLatin1String("data") || scheme == QLatin1String("blob"))
        return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
    // Anything else would reach whatever program the machine registered for the scheme.
    Q_EMIT refused(url);
    static QSet<QString> named;
    if (!named.contains(scheme)) {
        named.insert(scheme);
        std::fprintf(stderr, "Page view: links with the scheme \"%s:\" are not followed\n",
            qPrintable(scheme.left(40)));
    }
    return false;
}

void TWebPage::restartWatch()
{
    m_watch->sinceAnswer.start();
    m_watch->sinceTick.start();
}

void TWebPage::watchdogTick()
{
    // Only a render process that runs and a user interface that runs are watched: a modal
    // dialog (a script's alert, the print dialog) holds the page up on purpose, and after a
    // stall of this thread the page's answers may still be waiting in the queue.
    const bool stalled = m_watch->sinceTick.elapsed() > 2 * kWatchIntervalMs;
    m_watch->sinceTick.start();
    const qint64 pid = renderProcessPid();
    if (pid <= 0 || stalled || QApplication::activeModalWidget()) {
        m_watch->sinceAnswer.start();
        return;
    }
    if (m_watch->sinceAnswer.elapsed() > HangLimitMs) {
        m_stoppedByUs = true;
        m_stoppedUrl = url().isEmpty() ? requestedUrl() : url();
        m_watch->sinceAnswer.start();
        Q_EMIT pageStopped(m_stoppedUrl);
        // The engine offers no way to stop a running script; ending the render process does,
        // and the next navigation starts a new one.
        ::kill(pid_t(pid), SIGKILL);
        return;
    }
    const std::weak_ptr<Watch> watch = m_watch;
    runJavaScript(
        QStringLiteral("0"), QWebEngineScript::ApplicationWorld, [watch](const QVariant &) {
            if (const std::shared_ptr<Watch> alive = watch.lock())
                alive->sinceAnswer.start();
        });
}

void TWebPage::renderProcessEnded(RenderProcessTerminationStatus status, int)
{
    const bool hung = m_stoppedByUs;
    m_stoppedByUs = false;
    if (status == NormalTerminationStatus && !hung)
        return;
    const QUrl page = hung ? m_stoppedUrl : (url().isEmpty() ? requestedUrl() : url());
    restartWatch();
    showNotice(stoppedPageHtml(pageName(page), hung), page.isLocalFile() ? page : QUrl());
}
