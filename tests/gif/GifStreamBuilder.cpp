#include "GifStreamBuilder.h"

#include "GifLzwEncoder.h"

namespace {

int tableBits(int count)
{
    int n = 1;
    while ((1 << n) < count)
        ++n;
    return n;
}

} // namespace

void GifStreamBuilder::word(int v)
{
    m_bytes.append(char(v & 0xFF));
    m_bytes.append(char((v >> 8) & 0xFF));
}

void GifStreamBuilder::table(const QList<QRgb> &colors)
{
    const int entries = 1 << tableBits(int(colors.size()));
    for (int i = 0; i < entries; ++i) {
        const QRgb c = i < colors.size() ? colors[i] : 0;
        m_bytes.append(char(qRed(c)));
        m_bytes.append(char(qGreen(c)));
        m_bytes.append(char(qBlue(c)));
    }
}

GifStreamBuilder &GifStreamBuilder::header(const char *signature)
{
    m_bytes.append(signature);
    return *this;
}

GifStreamBuilder &GifStreamBuilder::screen(
    int width, int height, const QList<QRgb> &globalTable, int background, int aspect)
{
    word(width);
    word(height);
    if (globalTable.isEmpty()) {
        m_bytes.append('\0');
    } else {
        const int bits = tableBits(int(globalTable.size()));
        m_bytes.append(char(0x80 | ((bits - 1) << 4) | (bits - 1)));
    }
    m_bytes.append(char(background));
    m_bytes.append(char(aspect));
    if (!globalTable.isEmpty())
        table(globalTable);
    return *this;
}

GifStreamBuilder &GifStreamBuilder::graphicControl(
    int delayHundredths, int transparentIndex, int disposal)
{
    m_bytes.append("\x21\xF9\x04", 3);
    m_bytes.append(char((disposal << 2) | (transparentIndex >= 0 ? 1 : 0)));
    word(delayHundredths);
    m_bytes.append(char(transparentIndex >= 0 ? transparentIndex : 0));
    m_bytes.append('\0');
    return *this;
}

GifStreamBuilder &GifStreamBuilder::comment(const QList<QByteArray> &lines)
{
    m_bytes.append("\x21\xFE", 2);
    for (const QByteArray &line : lines) {
        m_bytes.append(char(line.size()));
        m_bytes.append(line);
    }
    m_bytes.append('\0');
    return *this;
}

GifStreamBuilder &GifStreamBuilder::loop(int count, const char *id)
{
    m_bytes.append("\x21\xFF\x0B", 3);
    m_bytes.append(id, 11);
    m_bytes.append("\x03\x01", 2);
    word(count);
    m_bytes.append('\0');
    return *this;
}

GifStreamBuilder &GifStreamBuilder::plainText(const QByteArray &text)
{
    m_bytes.append("\x21\x01\x0C", 3);
    m_bytes.append(QByteArray(12, '\0'));
    m_bytes.append(char(text.size()));
    m_bytes.append(text);
    m_bytes.append('\0');
    return *this;
}

GifStreamBuilder &GifStreamBuilder::frame(int left, int top, int width, int height,
    const QByteArray &data, const QList<QRgb> &localTable, bool interlaced)
{
    m_bytes.append(',');
    word(left);
    word(top);
    word(width);
    word(height);
    int packed = interlaced ? 0x40 : 0;
    if (!localTable.isEmpty())
        packed |= 0x80 | (tableBits(int(localTable.size())) - 1);
    m_bytes.append(char(packed));
    if (!localTable.isEmpty())
        table(localTable);
    m_bytes.append(data);
    return *this;
}

GifStreamBuilder &GifStreamBuilder::raw(const QByteArray &bytes)
{
    m_bytes.append(bytes);
    return *this;
}

GifStreamBuilder &GifStreamBuilder::trailer()
{
    m_bytes.append(';');
    return *this;
}

QByteArray GifStreamBuilder::lzw(const std::vector<uchar> &pixels, int minCodeSize)
{
    QByteArray out;
    gifLzwEncode(pixels.data(), qsizetype(pixels.size()), minCodeSize, out);
    return out;
}

QByteArray GifStreamBuilder::codes(int minCodeSize, const QList<QPair<int, int>> &codes)
{
    QByteArray packed;
    quint32 acc = 0;
    int bits = 0;
    for (const auto &c : codes) {
        acc |= quint32(c.first) << bits;
        bits += c.second;
        while (bits >= 8) {
            packed.append(char(acc & 0xFF));
            acc >>= 8;
            bits -= 8;
        }
    }
    if (bits > 0)
        packed.append(char(acc & 0xFF));
    QByteArray out(1, char(minCodeSize));
    for (qsizetype p = 0; p < packed.size(); p += 255) {
        const int len = int(qMin<qsizetype>(255, packed.size() - p));
        out.append(char(len));
        out.append(packed.mid(p, len));
    }
    out.append('\0');
    return out;
}

QList<QRgb> GifStreamBuilder::greyTable(int entries)
{
    QList<QRgb> colors;
    for (int i = 0; i < entries; ++i) {
        const int v = entries > 1 ? i * 255 / (entries - 1) : 0;
        colors.append(qRgb(v, v, v));
    }
    return colors;
}
