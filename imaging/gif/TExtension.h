#pragma once

#include <QByteArray>
#include <QByteArrayList>

// One extension block kept with a frame: its fixed header bytes as read and its data
// sub-blocks, one byte string per sub-block.
class TExtension {
public:
    // In this order internally; the label is what the stream carries.
    enum Kind { GraphicControl, PlainText, Application, Comment };

    TExtension() = default;
    explicit TExtension(Kind kind);

    Kind kind() const { return m_kind; }
    quint8 label() const { return labelOf(m_kind); }
    static quint8 labelOf(Kind kind);
    // Number of fixed header bytes a kind carries: 6, 13, 12 or 0.
    static int headerSize(Kind kind);

    // Graphic control: block size, packed fields, delay low, delay high, transparent index,
    // terminator. Plain text: block size and 12 header bytes. Application: block size,
    // identifier and authentication code.
    QByteArray header;
    QByteArrayList lines;

    // Graphic-control accessors over the header bytes.
    quint8 packed() const { return quint8(header.at(1)); }
    void setPacked(quint8 value) { header[1] = char(value); }
    quint16 delay() const { return quint8(header.at(2)) | (quint8(header.at(3)) << 8); }
    void setDelay(quint16 hundredths);
    quint8 transparentIndex() const { return quint8(header.at(4)); }
    void setTransparentIndex(quint8 index) { header[4] = char(index); }
    bool hasTransparency() const { return packed() & 1; }
    int disposal() const { return (packed() >> 2) & 7; }

private:
    Kind m_kind = Comment;
};
