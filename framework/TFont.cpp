#include "TFont.h"

#include <QFontMetrics>

#include <limits>

namespace {
constexpr int kPixelsPerInch = 96;
// The largest glyph size handed to Qt. Any height is stored as given, but a font is drawn at
// most this tall: nothing on a screen needs more, and a size near 2^31 overflows the
// rasteriser's arithmetic.
constexpr int kMaxPixelSize = 4096;

int clampToInt(qint64 value)
{
    return int(qBound(
        qint64(std::numeric_limits<int>::min()), value, qint64(std::numeric_limits<int>::max())));
}

struct FaceMapping {
    const char16_t *name;
    const char *faces[3];
};

// Faces of stored layouts and the installed faces that stand in for them, each with its own
// fallback chain. A character missing from the first face comes from the next one in the
// chain, never from whichever face the machine's font configuration prefers, so Chinese inside
// Latin-face text is always the Song face and the window looks the same on every machine.
// The Song face keeps the 14-pixel height that the button and tree layouts were designed
// around. DejaVu Sans Condensed and Arimo have the widths nearest to Tahoma's and to MS Sans
// Serif's, the faces the layouts were drawn with, and their ascent and descent hold the Song
// face's at every size, so a line that mixes Chinese into Latin text is no taller than a Latin
// line.
constexpr FaceMapping kFaces[] = {
    { u"宋体", { "AR PL UMing CN", "DejaVu Sans", nullptr } },
    { u"SimSun", { "AR PL UMing CN", "DejaVu Sans", nullptr } },
    { u"MS Sans Serif", { "Arimo", "AR PL UMing CN", "DejaVu Sans" } },
    { u"Tahoma", { "DejaVu Sans Condensed", "AR PL UMing CN", "DejaVu Sans" } },
};

QStringList chainOf(const FaceMapping &mapping)
{
    QStringList faces;
    for (const char *face : mapping.faces) {
        if (face)
            faces.append(QString::fromLatin1(face));
    }
    return faces;
}

const FaceMapping *mappingOf(const QString &name)
{
    for (const FaceMapping &mapping : kFaces) {
        if (name.compare(QString::fromUtf16(mapping.name), Qt::CaseInsensitive) == 0)
            return &mapping;
    }
    return nullptr;
}
} // namespace

TFont::TFont(QObject *parent)
    : QObject(parent)
{
}

void TFont::changed()
{
    Q_EMIT OnChange(this);
}

void TFont::setName(const QString &name)
{
    if (m_name == name)
        return;
    m_name = name;
    changed();
}

void TFont::setHeight(int height)
{
    if (m_height == height)
        return;
    m_height = height;
    changed();
}

int TFont::Size() const
{
    // Size = -Height * 72 / 96, rounded as integer division with rounding; in 64 bits, so
    // that every int height has a size.
    const qint64 height = m_height;
    return clampToInt(-(
        (height * 72 + (height < 0 ? -kPixelsPerInch / 2 : kPixelsPerInch / 2)) / kPixelsPerInch));
}

void TFont::setSize(int points)
{
    setHeight(clampToInt(-((qint64(points) * kPixelsPerInch + 36) / 72)));
}

void TFont::setStyle(Fw::TFontStyles style)
{
    if (m_style == style)
        return;
    m_style = style;
    changed();
}

void TFont::setColor(TColor color)
{
    if (m_color == color)
        return;
    m_color = color;
    changed();
}

void TFont::setCharset(Fw::TFontCharset charset)
{
    if (m_charset == charset)
        return;
    m_charset = charset;
    changed();
}

void TFont::assign(const TFont *other)
{
    if (!other || equals(other))
        return;
    m_name = other->m_name;
    m_height = other->m_height;
    m_style = other->m_style;
    m_color = other->m_color;
    m_charset = other->m_charset;
    changed();
}

bool TFont::equals(const TFont *other) const
{
    return m_name == other->m_name && m_height == other->m_height && m_style == other->m_style
        && m_color == other->m_color && m_charset == other->m_charset;
}

QString TFont::mapFamily(const QString &name)
{
    return mapFamilies(name).constFirst();
}

QStringList TFont::mapFamilies(const QString &name)
{
    const FaceMapping *mapping = mappingOf(name);
    return mapping ? chainOf(*mapping) : QStringList { name };
}

void TFont::registerSubstitutions()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    for (const FaceMapping &mapping : kFaces)
        QFont::insertSubstitutions(QString::fromUtf16(mapping.name), chainOf(mapping));
}

QFont TFont::toQFont() const
{
    QFont font;
    font.setFamilies(mapFamilies(m_name));
    font.setBold(m_style.testFlag(Fw::fsBold));
    font.setItalic(m_style.testFlag(Fw::fsItalic));
    font.setUnderline(m_style.testFlag(Fw::fsUnderline));
    font.setStrikeOut(m_style.testFlag(Fw::fsStrikeOut));
    // Text is drawn without hinting tricks so that glyph boxes match across machines.
    font.setHintingPreference(QFont::PreferFullHinting);
    if (m_height < 0) {
        font.setPixelSize(int(qMin(-qint64(m_height), qint64(kMaxPixelSize))));
    } else if (m_height > 0) {
        // A positive height is the cell height: take the largest em size whose line fits.
        const int cell = qMin(m_height, kMaxPixelSize);
        int pixels = cell;
        for (; pixels > 1; --pixels) {
            font.setPixelSize(pixels);
            if (QFontMetrics(font).height() <= cell)
                break;
        }
        font.setPixelSize(pixels);
    } else {
        font.setPixelSize(13);
    }
    return font;
}
