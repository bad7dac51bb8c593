#include "TWebPage.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

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
} // namespace

TWebPage::TWebPage(QObject *parent)
    : QWebEnginePage(parent)
{
}

QString TWebPage::missingFileHtml(const QString &path)
{
    const QFileInfo file(path);
    const QString folder = QDir::toNativeSeparators(file.absolutePath());
    const bool folderExists = QFileInfo(file.absolutePath()).isDir();
    const QString why = folderExists
        ? QStringLiteral("这个文件夹里没有这个页面的文件，它可能被移动、改名或删除了。")
        : QStringLiteral("这个文件夹不存在，所以其中的页面都无法显示。");
    return QStringLiteral("<!DOCTYPE html><html lang=\"zh-CN\"><head><meta charset=\"utf-8\">"
                          "<title>找不到页面</title><style>%1</style></head><body><main>"
                          "<h1>找不到要显示的页面</h1><p>%2</p>"
                          "<dl><dt>文件</dt><dd id=\"file\">%3</dd>"
                          "<dt>查找的文件夹</dt><dd id=\"folder\">%4</dd></dl>"
                          "<p class=\"hint\">重新安装本程序可以恢复全部页面。</p>"
                          "</main></body></html>")
        .arg(QLatin1String(kStyle), why, file.fileName().toHtmlEscaped(), folder.toHtmlEscaped());
}

bool TWebPage::acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame)
{
    // Going back or forward keeps the history as the reader made it; only new requests for a
    // local page are answered with the notice.
    if (isMainFrame && url.isLocalFile() && type != NavigationTypeBackForward) {
        const QFileInfo file(url.toLocalFile());
        if (!file.isFile() || !file.isReadable()) {
            // Not from inside the engine's own navigation callback; with the file's address as
            // base, the view keeps reporting the address that was asked for.
            QMetaObject::invokeMethod(
                this, [this, url] { setHtml(missingFileHtml(url.toLocalFile()), url); },
                Qt::QueuedConnection);
            return false;
        }
    }
    return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
}
