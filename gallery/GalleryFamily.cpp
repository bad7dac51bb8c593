#include "GalleryFamily.h"

#include "Exception.h"
#include "TLayoutLoader.h"

GalleryFamily::GalleryFamily(QWidget *parent)
    : TzynGroupBox(parent)
{
}

void GalleryFamily::Load(const QString &name)
{
    TLayoutLoader loader;
    loader.load(this, LayoutPath(name));
    Loaded();
}

void GalleryFamily::Attach(TzynForm *) { }

QString GalleryFamily::LayoutPath(const QString &name)
{
    return QStringLiteral(":/gallery/layouts/%1.layout").arg(name);
}

void GalleryFamily::missingPart(const char *name) const
{
    throw Exception(QStringLiteral("The layout of %1 has no component %2")
                        .arg(objectName(), QLatin1String(name)));
}
