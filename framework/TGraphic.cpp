#include "TGraphic.h"

#include "Exception.h"

#include "TPictureTwin.h"

#include <QFile>

TGraphic::~TGraphic() = default;

void TGraphic::setTransparent(bool value)
{
    if (m_transparent == value)
        return;
    m_transparent = value;
    transparentChanged();
    changed();
}

void TGraphic::changed()
{
    if (m_onChange)
        m_onChange();
}

void TGraphic::loadFromFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw Exception(
            QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, file.errorString()));
    const QString twin = TPictureTwin::twinPath(fileName);
    m_twinFile = QFile::exists(twin) ? twin : QString();
    try {
        loadFromStream(file);
    } catch (...) {
        m_twinFile.clear();
        throw;
    }
    m_twinFile.clear();
}

void TGraphic::saveToFile(const QString &fileName) const
{
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw Exception(
            QStringLiteral("Cannot create file \"%1\". %2").arg(fileName, file.errorString()));
    saveToStream(file);
}
