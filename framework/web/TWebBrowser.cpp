#include "TWebBrowser.h"

#include "Exception.h"
#include "TLayoutLoader.h"
#include "TWebPage.h"

#include <QDir>
#include <QUrl>

TWebBrowser::TWebBrowser(QWidget *parent)
    : TControlBase<QWebEngineView>(parent)
{
    setPage(new TWebPage(this));
    resize(692, 519);
}

void TWebBrowser::Navigate(const QString &address)
{
    QUrl url;
    if (QDir::isAbsolutePath(address))
        url = QUrl::fromLocalFile(address);
    else
        url = QUrl(address, QUrl::StrictMode);
    if (address.isEmpty() || !url.isValid())
        throw Exception(QStringLiteral("Cannot navigate to \"%1\"").arg(address));
    load(url);
}

void TWebBrowser::setLocalFolders(const QStringList &folders)
{
    if (auto *guarded = qobject_cast<TWebPage *>(page()))
        guarded->setLocalFolders(folders);
}

void registerWebClasses()
{
    TLayoutLoader::registerClass<TWebBrowser>(QStringLiteral("TWebBrowser"));
}
