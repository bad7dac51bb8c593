#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include <functional>
#include <memory>

class QIODevice;
class QPainter;

// Abstract picture format: a bitmap, a GIF, or any other format registered with TPicture.
// Graphics are values: clone() gives an independent copy (formats may share their pixel data
// behind it, copy-on-write). Owners learn of changes through the change callback.
class TGraphic {
public:
    virtual ~TGraphic();

    virtual const char *className() const = 0;
    virtual std::unique_ptr<TGraphic> clone() const = 0;

    virtual bool isEmpty() const = 0;
    virtual int width() const = 0;
    virtual int height() const = 0;

    // Draws the whole graphic stretched into rect. A transparent graphic leaves out its
    // transparent colour, so that what lies under it stays visible.
    virtual void draw(QPainter &painter, const QRect &rect) const = 0;

    // Reads the format's own stream (the file's bytes); throws Exception on bad data.
    virtual void loadFromStream(QIODevice &stream) = 0;
    virtual void saveToStream(QIODevice &stream) const = 0;

    // The picture as an ARGB image (transparent colour as alpha 0 when transparent).
    virtual QImage toImage() const = 0;

    bool transparent() const { return m_transparent; }
    void setTransparent(bool value);

    void setOnChange(std::function<void()> callback) { m_onChange = std::move(callback); }

    // Reads the file; a picture format that has twins for high-density screens reads the
    // file's twin (NAME@2x.ext, see TPictureTwin) too, when there is one.
    void loadFromFile(const QString &fileName);
    void saveToFile(const QString &fileName) const;

protected:
    void changed();
    // While loadFromFile reads a file that has a twin: the twin's path, else empty.
    const QString &twinFile() const { return m_twinFile; }
    virtual void transparentChanged() { }

private:
    bool m_transparent = false;
    QString m_twinFile;
    std::function<void()> m_onChange;
};
