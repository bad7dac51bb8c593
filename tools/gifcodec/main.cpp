// gifcodec [--strict] info FILE
// gifcodec [--strict] decode FILE OUTDIR      writes OUTDIR/frame-I.ppm per frame
// gifcodec [--strict] encode OUT.gif IN.ppm [IN2.ppm ...]
//
// --strict reads with damage refused (the image's acceptDamaged option off): damaged data and
// a stream that ends early fail instead of being read as far as they go. An empty file is
// not a GIF in either mode. Exit status 0 on success; on failure the error's message alone
// goes to standard error and the status is 1.
#include "Exception.h"
#include "GifErrors.h"
#include "TBitmap.h"
#include "TGIFImage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>

#include <cstdio>
#include <cstring>

namespace {

QByteArray colorText(TColor color)
{
    if (color == Colors::clNone)
        return QByteArrayLiteral("none");
    const QRgb rgb = ColorToRGB(color);
    char text[8];
    std::snprintf(text, sizeof text, "%02x%02x%02x", qRed(rgb), qGreen(rgb), qBlue(rgb));
    return QByteArray(text);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Exception(
            QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    return file.readAll();
}

void load(TGIFImage &image, const QString &path, bool strict)
{
    const QByteArray bytes = readFile(path);
    // The reader takes an empty stream for an empty picture; a file to inspect must be a GIF.
    if (bytes.isEmpty())
        throw gifError(GifError::EmptyStream);
    TGIFImage::Options options = image.options();
    options.acceptDamaged = !strict;
    image.setOptions(options);
    image.loadFromBytes(bytes, true);
}

// Frames are decoded one at a time and released after use, so that a file of many large
// frames needs the memory of one.
void info(const QString &path, bool strict)
{
    TGIFImage image;
    load(image, path, strict);
    const char *version = image.version() == TGIFImage::Version87a ? "87a" : "89a";
    QByteArray lines;
    for (int i = 0; i < image.frameCount(); ++i) {
        TGIFFrame *f = image.frame(i);
        f->bitmap();
        // printf-style: a file may hold a hundred thousand frames.
        char line[256];
        const int n = std::snprintf(line, sizeof line,
            "frame %d left=%d top=%d size=%dx%d interlaced=%d local_table=%d colors=%u "
            "transparent=%s delay_ms=%d disposal=%d corrupted=%d\n",
            i, f->left, f->top, f->width(), f->height(), int(f->interlaced), int(f->localTable),
            unsigned(f->colorTable().count), colorText(f->transparentColor).constData(),
            int(f->delay), f->disposal, int(f->corrupted));
        lines.append(line, qMin<int>(n, int(sizeof line) - 1));
        f->releaseBitmap();
    }
    std::printf("gif version=%s screen=%dx%d background=%s looping=%d repeat=%d frames=%d "
                "comment_lines=%d\n",
        version, image.screenWidth(), image.screenHeight(),
        colorText(image.backgroundColor()).constData(), int(image.looping()),
        int(image.repeatCount()), image.frameCount(), int(image.comment().size()));
    std::fputs(lines.constData(), stdout);
}

// Writes a frame as a binary PPM, a row at a time through a colour lookup.
void writePpm(const QImage &frame, const QString &name)
{
    const QImage bitmap = frame.format() == QImage::Format_Indexed8
        ? frame
        : frame.convertToFormat(QImage::Format_Indexed8);
    const int w = bitmap.width(), h = bitmap.height();
    const QList<QRgb> table = bitmap.colorTable();
    uchar rgb[256][3] = {};
    for (int i = 0; i < 256; ++i) {
        const QRgb c = table.value(i);
        rgb[i][0] = uchar(qRed(c));
        rgb[i][1] = uchar(qGreen(c));
        rgb[i][2] = uchar(qBlue(c));
    }
    QFile file(name);
    bool ok = file.open(QIODevice::WriteOnly);
    const QByteArray header = QStringLiteral("P6\n%1 %2\n255\n").arg(w).arg(h).toLatin1();
    ok = ok && file.write(header) == header.size();
    QByteArray row(3 * qsizetype(w), Qt::Uninitialized);
    for (int y = 0; y < h && ok; ++y) {
        const uchar *src = bitmap.constScanLine(y);
        uchar *dst = reinterpret_cast<uchar *>(row.data());
        for (int x = 0; x < w; ++x, dst += 3)
            std::memcpy(dst, rgb[src[x]], 3);
        ok = file.write(row) == row.size();
    }
    if (!ok)
        throw Exception(
            QStringLiteral("Cannot create file \"%1\". %2").arg(name, file.errorString()));
}

void decode(const QString &path, const QString &outDir, bool strict)
{
    TGIFImage image;
    load(image, path, strict);
    if (!QDir().mkpath(outDir))
        throw Exception(QStringLiteral("Cannot create directory \"%1\"").arg(outDir));
    for (int i = 0; i < image.frameCount(); ++i) {
        TGIFFrame *f = image.frame(i);
        writePpm(f->bitmap(), QDir(outDir).filePath(QStringLiteral("frame-%1.ppm").arg(i)));
        f->releaseBitmap();
    }
}

void encode(const QString &outPath, const QStringList &inputs)
{
    TGIFImage image;
    for (const QString &input : inputs) {
        QImage picture;
        if (!picture.loadFromData(readFile(input), "PPM"))
            throw Exception(QStringLiteral("\"%1\" is not a PPM picture").arg(input));
        TBitmap bitmap(picture);
        bitmap.setTransparent(false);
        image.addFrame(bitmap);
    }
    const QByteArray bytes = image.saveToBytes();
    QFile file(outPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw Exception(
            QStringLiteral("Cannot create file \"%1\". %2").arg(outPath, file.errorString()));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    try {
        const bool strict = !args.isEmpty() && args.first() == QLatin1String("--strict");
        if (strict)
            args.removeFirst();
        const QString command = args.value(0);
        if (command == QLatin1String("info") && args.size() == 2)
            info(args[1], strict);
        else if (command == QLatin1String("decode") && args.size() == 3)
            decode(args[1], args[2], strict);
        else if (command == QLatin1String("encode") && args.size() >= 3)
            encode(args[1], args.mid(2));
        else
            throw Exception(
                QStringLiteral("usage: gifcodec [--strict] info FILE | decode FILE OUTDIR | "
                               "encode OUT.gif IN.ppm [IN2.ppm ...]"));
    } catch (const Exception &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    } catch (const std::bad_alloc &) {
        std::fprintf(stderr, "Out of memory\n");
        return 1;
    }
    return 0;
}
