#include "Links.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
QString redirect(const char *key)
{
    return QStringLiteral("http://") + QStringLiteral(GUIDE_LINK_HOST) + QStringLiteral("/?@")
        + QLatin1String(key);
}
} // namespace

namespace Links {
QString newsAndForum()
{
    return redirect("kjz");
}

QString courses()
{
    return redirect("kjz2");
}

QString consultation()
{
    return redirect("vtrbdq");
}

QString homePage()
{
    return QStringLiteral("http://") + QStringLiteral(GUIDE_HOME_HOST);
}
} // namespace Links

void OpenLink(const QString &address)
{
    QDesktopServices::openUrl(QUrl(address, QUrl::StrictMode));
}
