#include "GuidePaths.h"

#include <QCoreApplication>
#include <QDir>

QString ProgramDirectory()
{
    QString dir = QCoreApplication::applicationDirPath();
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

QString ChapterPagePath(const QString &text)
{
    return ProgramDirectory() + QStringLiteral("data/") + text + QStringLiteral(".htm");
}
