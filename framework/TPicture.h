#pragma once

#include "TGraphic.h"

#include <QObject>

#include <functional>
#include <memory>

// Holds one graphic of any registered format and tells its owner when it changes.
// Formats register a class name (used by the layout description) and optionally a file
// extension; the registry is process-wide and read only on the user-interface thread.
class TPicture : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<std::unique_ptr<TGraphic>()>;

    explicit TPicture(QObject *parent = nullptr);
    ~TPicture() override;

    TGraphic *graphic() const { return m_graphic.get(); }
    void setGraphic(std::unique_ptr<TGraphic> graphic);
    void assign(const TPicture *other);
    void clear() { setGraphic(nullptr); }

    bool isEmpty() const { return !m_graphic || m_graphic->isEmpty(); }
    int width() const { return m_graphic ? m_graphic->width() : 0; }
    int height() const { return m_graphic ? m_graphic->height() : 0; }

    // Loads a file by its extension through the registered formats.
    void loadFromFile(const QString &fileName);

    static void registerGraphicClass(const QString &className, Factory factory);
    static void registerFileFormat(
        const QString &extension, const QString &description, const QString &className);
    static void unregisterGraphicClass(const QString &className);
    static bool isGraphicClassRegistered(const QString &className);
    static QString classForExtension(const QString &extension);
    static QString descriptionForExtension(const QString &extension);
    // Creates an empty graphic of a registered class; null if the class is unknown.
    static std::unique_ptr<TGraphic> createGraphic(const QString &className);

Q_SIGNALS:
    void OnChange(QObject *Sender);

private:
    void wire();

    std::unique_ptr<TGraphic> m_graphic;
};
