#pragma once

#include <QByteArray>
#include <QList>
#include <QRgb>

#include <vector>

// Builds GIF streams byte by byte for tests, so that every hand-made edge case says how it
// was made.
class GifStreamBuilder {
public:
    GifStreamBuilder &header(const char *signature = "GIF89a");
    // Logical screen descriptor; a non-empty table adds the global colour table.
    GifStreamBuilder &screen(int width, int height, const QList<QRgb> &globalTable = {},
        int background = 0, int aspect = 0);
    GifStreamBuilder &graphicControl(
        int delayHundredths, int transparentIndex = -1, int disposal = 0);
    GifStreamBuilder &comment(const QList<QByteArray> &lines);
    GifStreamBuilder &loop(int count, const char *id = "NETSCAPE2.0");
    GifStreamBuilder &plainText(const QByteArray &text);
    // Image descriptor, optional local table, then data (code size byte and sub-blocks).
    GifStreamBuilder &frame(int left, int top, int width, int height, const QByteArray &data,
        const QList<QRgb> &localTable = {}, bool interlaced = false);
    GifStreamBuilder &raw(const QByteArray &bytes);
    GifStreamBuilder &trailer();

    QByteArray bytes() const { return m_bytes; }

    // Compressed data for pixels in stream order, made with the library's encoder.
    static QByteArray lzw(const std::vector<uchar> &pixels, int minCodeSize);
    // Packs (code, width) pairs least-significant bit first into sub-blocks after the code
    // size byte, with a terminator.
    static QByteArray codes(int minCodeSize, const QList<QPair<int, int>> &codes);
    static QList<QRgb> greyTable(int entries);

private:
    void word(int v);
    void table(const QList<QRgb> &colors);
    QByteArray m_bytes;
};
