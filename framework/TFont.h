#pragma once

#include "FrameworkTypes.h"
#include "TColor.h"

#include <QFont>
#include <QObject>
#include <QStringList>

// A font as the layout describes it. Height follows the sign rule of stored layouts: a
// negative height is the character height in pixels (the font's em size), a positive one the
// cell height including internal leading, 0 the default. Size is in points at 96 pixels per
// inch. Face names that are not installed here are mapped to installed faces (mapFamily).
class TFont : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE setName)
    Q_PROPERTY(int Height READ Height WRITE setHeight)
    Q_PROPERTY(int Size READ Size WRITE setSize STORED false)
    Q_PROPERTY(Fw::TFontStyles Style READ Style WRITE setStyle)
    Q_PROPERTY(TColor Color READ Color WRITE setColor)
    Q_PROPERTY(Fw::TFontCharset Charset READ Charset WRITE setCharset)
public:
    explicit TFont(QObject *parent = nullptr);

    QString Name() const { return m_name; }
    void setName(const QString &name);
    int Height() const { return m_height; }
    void setHeight(int height);
    int Size() const;
    void setSize(int points);
    Fw::TFontStyles Style() const { return m_style; }
    void setStyle(Fw::TFontStyles style);
    TColor Color() const { return m_color; }
    void setColor(TColor color);
    Fw::TFontCharset Charset() const { return m_charset; }
    void setCharset(Fw::TFontCharset charset);

    void assign(const TFont *other);
    bool equals(const TFont *other) const;

    QFont toQFont() const;
    QColor qColor() const { return toQColor(m_color); }

    // The installed face that stands in for a face name of the layouts ("宋体" is a Song face,
    // "MS Sans Serif" and "Tahoma" sans-serif faces).
    static QString mapFamily(const QString &name);
    // That face followed by the faces that supply what it lacks (the Song face for Chinese in
    // Latin-face text); a name without a mapping is its own one-face chain.
    static QStringList mapFamilies(const QString &name);
    // Registers the same chains with Qt's font substitution, once per process.
    static void registerSubstitutions();

Q_SIGNALS:
    void OnChange(QObject *Sender);

private:
    void changed();

    QString m_name = QStringLiteral("MS Sans Serif");
    int m_height = -11;
    Fw::TFontStyles m_style;
    TColor m_color = Colors::clWindowText;
    Fw::TFontCharset m_charset = Fw::DEFAULT_CHARSET;
};
