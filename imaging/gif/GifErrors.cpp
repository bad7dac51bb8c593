#include "GifErrors.h"

#include <QStringList>

#include <iterator>

namespace {

struct MessageRow {
    GifError error;
    const char *text;
};

// The failures' fixed texts, in the order of GifError. The first ones are the classic
// messages, which callers may compare; the later ones say where in the stream a read stopped.
constexpr MessageRow kMessages[] = {
    { GifError::StreamRead, "Stream read error" },
    { GifError::StreamWrite, "Stream write error" },
    { GifError::UnknownVersion, "Unknown GIF version" },
    { GifError::UnknownExtension, "Unrecognized extension block: %1" },
    { GifError::CodeSizeRange, "GIF code size not in range 2 to 9" },
    { GifError::CorruptData, "GIF encoded data is corrupt" },
    { GifError::ColorCount, "Wrong number of colors; must be a power of 2" },
    { GifError::CannotResize, "Cannot change the Size of a GIF image" },
    { GifError::NoData, "No GIF Data to write" },
    { GifError::Encoding, "GIF image encoding error" },
    { GifError::FrameTooLarge, "GIF frame of %1 x %2 pixels is too large" },
    { GifError::DecodedBudget,
        "GIF frames of more than %1 pixels in total cannot be held decoded" },
    { GifError::UnsupportedClipboard, "Unsupported clipboard format" },
    { GifError::EmptyStream, "at byte 0: the stream is empty, there is no GIF header" },
    { GifError::DataEnds, "%1: data ends inside the %2" },
    { GifError::NoTrailer, "at byte %1: data ends before the trailer" },
    { GifError::EndCodeEarly, "%1: the image ends before its last pixel" },
};

struct PieceRow {
    GifPiece piece;
    const char *name;
};

constexpr PieceRow kPieces[] = {
    { GifPiece::Header, "header" },
    { GifPiece::ScreenDescriptor, "logical screen descriptor" },
    { GifPiece::GlobalColorTable, "global colour table" },
    { GifPiece::Extension, "extension block" },
    { GifPiece::ImageDescriptor, "image descriptor" },
    { GifPiece::LocalColorTable, "local colour table" },
    { GifPiece::Image, "image" },
};

constexpr bool messagesInOrder()
{
    if (std::size(kMessages) != size_t(GifError::Count))
        return false;
    for (size_t i = 0; i < std::size(kMessages); ++i) {
        if (size_t(kMessages[i].error) != i)
            return false;
    }
    return true;
}

constexpr bool piecesInOrder()
{
    if (std::size(kPieces) != size_t(GifPiece::Count))
        return false;
    for (size_t i = 0; i < std::size(kPieces); ++i) {
        if (size_t(kPieces[i].piece) != i)
            return false;
    }
    return true;
}

static_assert(messagesInOrder(), "one row per GifError, in its order");
static_assert(piecesInOrder(), "one row per GifPiece, in its order");

} // namespace

QString gifMessage(GifError error)
{
    return QString::fromLatin1(kMessages[size_t(error)].text);
}

EInvalidGraphicOperation gifError(GifError error)
{
    return EInvalidGraphicOperation(gifMessage(error));
}

EInvalidGraphicOperation gifError(GifError error, const QString &a)
{
    return EInvalidGraphicOperation(gifMessage(error).arg(a));
}

EInvalidGraphicOperation gifError(GifError error, const QString &a, const QString &b)
{
    return EInvalidGraphicOperation(gifMessage(error).arg(a, b));
}

EInvalidGraphicOperation gifDataEnds(GifPiece piece, qint64 offset, int frame)
{
    return gifError(GifError::DataEnds, gifWhere(frame, offset),
        QString::fromLatin1(kPieces[size_t(piece)].name));
}

QString gifWhere(int frame, qint64 offset)
{
    QStringList parts;
    if (frame >= 0)
        parts.append(QStringLiteral("frame %1").arg(frame));
    if (offset >= 0)
        parts.append(QStringLiteral("at byte %1").arg(gifOffsetText(offset)));
    return parts.join(QLatin1Char(' '));
}

QString gifOffsetText(qint64 offset)
{
    QString digits = QString::number(offset);
    for (qsizetype i = digits.size() - 3; i > 0 && digits.at(i - 1).isDigit(); i -= 3)
        digits.insert(i, QLatin1Char(','));
    return digits;
}
