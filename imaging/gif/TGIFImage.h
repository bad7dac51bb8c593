#pragma once

#include "TGIFData.h"
#include "TGIFFrame.h"
#include "TGraphic.h"

#include <QByteArray>
#include <QSharedDataPointer>

#include <functional>
#include <memory>
#include <vector>

class GifLzwDecoder;
class QMimeData;

// Module-wide defaults of TGIFImage::Options: an image takes them when it is made and keeps its
// own copy, so changing them later leaves existing images alone.

// When on, damaged compressed data is decoded as far as it goes and the frame is marked
// corrupted; when off, it fails, and so does a stream that ends before its trailer. On by
// default.
extern bool AcceptDamagedGif;

// Largest frame, in pixels, that is decoded. GIF sizes are 16-bit, so a 20-byte file may ask
// for four billion pixels; such a frame is refused instead of exhausting memory. The default,
// 2^26 (64 Mpixel, e.g. 8192 x 8192), is well above any picture a GIF sensibly holds.
extern qint64 GifMaxFramePixels;

// Most decoded pixels one image holds at once, summed over its frames' bitmaps. The frame
// limit alone lets a file of a few kilobytes ask for hundreds of large frames; a frame that
// would take the sum beyond this is refused. The default, 2^28 (256 Mpixel, four frames at
// the frame limit), holds any sensible animation whole; tools that walk many frames release
// each frame's bitmap after use (TGIFFrame::releaseBitmap).
extern qint64 GifMaxDecodedPixels;

// The GIF picture format: a list of frames read from or written to a GIF stream (87a or
// 89a). Draws its current frame stretched. Copies share the header data and the frames'
// compressed data.
class TGIFImage : public TGraphic {
public:
    enum Version { VersionNone, Version87a, Version89a };
    enum class ProgressStage { Starting, Running, Ending };
    using ProgressHandler
        = std::function<void(ProgressStage stage, int percent, const QString &message)>;

    // How this image reads and decodes; see the module defaults above. A default-constructed
    // Options holds the built-in values, defaults() the module's current ones.
    struct Options {
        bool acceptDamaged = true;
        qint64 maxFramePixels = qint64(1) << 26;
        qint64 maxDecodedPixels = qint64(1) << 28;

        // The module defaults as they stand now.
        static Options defaults();
    };

    TGIFImage();
    TGIFImage(const TGIFImage &other);
    TGIFImage &operator=(const TGIFImage &other);
    ~TGIFImage() override;

    // TGraphic
    const char *className() const override { return "TGIFImage"; }
    std::unique_ptr<TGraphic> clone() const override;
    bool isEmpty() const override;
    int width() const override;
    int height() const override;
    void draw(QPainter &painter, const QRect &rect) const override;
    void loadFromStream(QIODevice &stream) override;
    void saveToStream(QIODevice &stream) const override;
    QImage toImage() const override;

    // True only for another image that shares the same header data.
    bool operator==(const TGIFImage &other) const { return d.constData() == other.d.constData(); }
    bool operator!=(const TGIFImage &other) const { return !(*this == other); }

    // A GIF's size comes from its frames; both throw EInvalidGraphicOperation.
    void setWidth(int value);
    void setHeight(int value);

    // Palette of the current frame's bitmap.
    QList<QRgb> palette() const;
    // The picture's transparent switch is on and some frame has a transparent colour.
    bool isTransparent() const;

    // Copies take the source's options along.
    const Options &options() const { return m_options; }
    void setOptions(const Options &options) { m_options = options; }

    // The whole stream as bytes. A forced read decodes frame 0 at once.
    void loadFromBytes(const QByteArray &bytes, bool forceFrame0 = true);
    QByteArray saveToBytes();

    // The layout's picture data: a 32-bit little-endian byte count, then the GIF stream.
    void readData(QIODevice &stream);
    void writeData(QIODevice &stream);

    // The clipboard format registered as "GIF Image" (its data has the 32-bit count first),
    // named so that Qt maps it to the system's clipboard format of that name on Windows and
    // offers it under this target name on X11.
    static QString clipboardMimeType();
    void loadFromClipboard(const QMimeData &mime);
    void saveToClipboard(QMimeData &mime);

    // Appends a frame made from another picture; returns its index.
    int addFrame(const TGraphic &picture);

    int frameCount() const { return int(m_frames.size()); }
    // Pixels of the bitmaps the frames hold now, decoded or given.
    qint64 decodedPixels() const { return m_decodedPixels; }
    TGIFFrame *frame(int index) const { return m_frames.at(size_t(index)).get(); }
    void deleteFrame(int index);
    void clear();

    int currentFrame() const { return m_current; }
    void setCurrentFrame(int index);

    const TGIFData &data() const { return *d; }
    TGIFData &dataForWrite() { return *d; }
    const QByteArrayList &comment() const { return d->comment; }
    void setComment(const QByteArrayList &lines);

    Version version() const { return m_version; }
    void setVersion(Version version) { m_version = version; }
    TColor backgroundColor() const { return m_backgroundColor; }
    void setBackgroundColor(TColor color) { m_backgroundColor = color; }
    quint16 repeatCount() const { return m_repeatCount; }
    void setRepeatCount(quint16 count) { m_repeatCount = qMin<quint16>(count, 30000); }
    bool looping() const { return m_looping; }
    void setLooping(bool value) { m_looping = value; }
    bool corrupted() const { return m_corrupted; }
    int screenWidth() const { return m_screenWidth; }
    int screenHeight() const { return m_screenHeight; }

    void setOnProgress(ProgressHandler handler) { m_onProgress = std::move(handler); }

private:
    friend class TGIFFrame;
    friend class GifReader;

    void copyFrom(const TGIFImage &other);
    void resetImage();
    void readGif(const QByteArray &bytes);
    void decodeFirstFrame();
    void writeGif(QByteArray &out);
    void progress(ProgressStage stage, int percent, const QString &message = QString());
    void growScreen(int right, int bottom);
    int indexOf(const TGIFFrame *frame) const;
    // The image's own decoder, made on first use and kept, so that decoding many frames
    // makes its tables once. Copies make their own.
    GifLzwDecoder &decoder();

    Options m_options = Options::defaults();
    QSharedDataPointer<TGIFData> d;
    // Kept up to date by the frames, so that a frame's check against the budget does not
    // walk every other frame.
    qint64 m_decodedPixels = 0;
    std::vector<std::unique_ptr<TGIFFrame>> m_frames;
    int m_current = -1;
    Version m_version = VersionNone;
    TColor m_backgroundColor = 0x1FFFFFFF; // clNone
    quint16 m_repeatCount = 1;
    bool m_looping = false;
    bool m_corrupted = false;
    // The picture's twin for high-density screens (NAME@2x.gif beside the file, decoded alike),
    // drawn in its place where the device pixel ratio is above 1.
    std::shared_ptr<const TGIFImage> m_twin;
    int m_screenWidth = 0;
    int m_screenHeight = 0;
    ProgressHandler m_onProgress;
    std::unique_ptr<GifLzwDecoder> m_decoder;
};

// Registers TGIFImage with the picture classes: class name "TGIFImage", file extension
// "gif". Call once at start-up, before any layout is read.
void RegisterGifFormat();
void UnregisterGifFormat();
