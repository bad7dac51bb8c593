#include "TPicture.h"

#include "Exception.h"
#include "TBitmap.h"

#include <QFileInfo>
#include <QHash>

namespace {

struct FileFormat {
    QString description;
    QString className;
};

struct Registry {
    QHash<QString, TPicture::Factory> classes;
    QHash<QString, FileFormat> extensions; // lower-case extension without the dot

    Registry()
    {
        classes.insert(QStringLiteral("TBitmap"), [] { return std::make_unique<TBitmap>(); });
        for (const char *ext : { "bmp", "png" })
            extensions.insert(
                QLatin1String(ext), { QStringLiteral("Bitmaps"), QStringLiteral("TBitmap") });
    }
};

Registry &registry()
{
    static Registry instance;
    return instance;
}

} // namespace

TPicture::TPicture(QObject *parent)
    : QObject(parent)
{
}

TPicture::~TPicture() = default;

void TPicture::wire()
{
    if (m_graphic)
        m_graphic->setOnChange([this] { Q_EMIT OnChange(this); });
}

void TPicture::setGraphic(std::unique_ptr<TGraphic> graphic)
{
    m_graphic = std::move(graphic);
    wire();
    Q_EMIT OnChange(this);
}

void TPicture::assign(const TPicture *other)
{
    setGraphic(other && other->m_graphic ? other->m_graphic->clone() : nullptr);
}

void TPicture::loadFromFile(const QString &fileName)
{
    const QString ext = QFileInfo(fileName).suffix().toLower();
    const QString className = classForExtension(ext);
    auto graphic = createGraphic(className);
    if (!graphic)
        throw EInvalidGraphicOperation(
            QStringLiteral("Unknown picture file extension (.%1)").arg(ext));
    graphic->loadFromFile(fileName);
    setGraphic(std::move(graphic));
}

void TPicture::registerGraphicClass(const QString &className, Factory factory)
{
    registry().classes.insert(className, std::move(factory));
}

void TPicture::registerFileFormat(
    const QString &extension, const QString &description, const QString &className)
{
    registry().extensions.insert(extension.toLower(), { description, className });
}

void TPicture::unregisterGraphicClass(const QString &className)
{
    Registry &r = registry();
    r.classes.remove(className);
    for (auto it = r.extensions.begin(); it != r.extensions.end();) {
        if (it->className == className)
            it = r.extensions.erase(it);
        else
            ++it;
    }
}

bool TPicture::isGraphicClassRegistered(const QString &className)
{
    return registry().classes.contains(className);
}

QString TPicture::classForExtension(const QString &extension)
{
    return registry().extensions.value(extension.toLower()).className;
}

QString TPicture::descriptionForExtension(const QString &extension)
{
    return registry().extensions.value(extension.toLower()).description;
}

std::unique_ptr<TGraphic> TPicture::createGraphic(const QString &className)
{
    const auto it = registry().classes.constFind(className);
    if (it == registry().classes.constEnd())
        return nullptr;
    return (*it)();
}
