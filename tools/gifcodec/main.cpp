// gifcodec [--strict] info FILE
// gifcodec [--strict] decode FILE OUTDIR      writes OUTDIR/frame-I.ppm per frame
// gifcodec [--strict] encode OUT.gif IN.ppm [IN2.ppm ...]
//
// --strict turns AcceptDamagedGif off. Exit status 0 on success; on failure the error's
// message alone goes to standard error and the status is 1.
#include "Exception.h"
#include "TBitmap.h"
#include "TGIFImage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>

#include <cstdio>

namespace {

QString colorText(TColor color)
{
    if (color == Colors::clNone)
        return QStringLiteral("none");
    const QRgb rgb = ColorToRGB(color);
    return QStringLiteral("%1%2%3")
        .arg(qRed(rgb), 2, 16, QLatin1Char('0'))
        .arg(qGreen(rgb), 2, 16, QLatin1Char('0'))
        .arg(qBlue(rgb), 2, 16, QLatin1Char('0'));
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Exception(
            QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    return file.readAll();
}

void load(TGIFImage &image, const QString &path)
{
    image.loadFromBytes(readFile(path), true);
    for (int i = 1; i < image.frameCount(); ++i)
        image.frame(i)->bitmap();
}

void info(const QString &path)
{
    TGIFImage image;
    load(image, path);
    const char *version = image.version() == TGIFImage::Version87a ? "87a" : "89a";
    std::printf("gif version=%s screen=%dx%d background=%s looping=%d repeat=%d frames=%d "
                "comment_lines=%d\n",
        version, image.screenWidth(), image.screenHeight(),
        qPrintable(colorText(image.backgroundColor())), int(image.looping()),
        int(image.repeatCount()), image.frameCount(), int(image.comment().size()));
    for (int i = 0; i < image.frameCount(); ++i) {
        const TGIFFrame *f = image.frame(i);
        std::printf("frame %d left=%d top=%d size=%dx%d interlaced=%d local_table=%d colors=%u "
                    "transparent=%s delay_ms=%d disposal=%d corrupted=%d\n",
            i, f->left, f->top, f->width(), f->height(), int(f->interlaced), int(f->localTable),
            f->colorTable().count, qPrintable(colorText(f->transparentColor)), int(f->delay),
            f->disposal, int(f->corrupted));
    }
}

void decode(const QString &path, const QString &outDir)
{
    TGIFImage image;
    load(image, path);
    if (!QDir().mkpath(outDir))
        throw Exception(QStringLiteral("Cannot create directory \"%1\"").arg(outDir));
    for (int i = 0; i < image.frameCount(); ++i) {
        const QImage bitmap = image.frame(i)->bitmap();
        QByteArray ppm = QStringLiteral("P6\n%1 %2\n255\n")
                             .arg(bitmap.width())
                             .arg(bitmap.height())
                             .toLatin1();
        const QList<QRgb> table = bitmap.colorTable();
        ppm.reserve(ppm.size() + 3 * qsizetype(bitmap.width()) * bitmap.height());
        for (int y = 0; y < bitmap.height(); ++y)
            for (int x = 0; x < bitmap.width(); ++x) {
                const QRgb c = table.value(bitmap.pixelIndex(x, y));
                ppm.append(char(qRed(c)));
                ppm.append(char(qGreen(c)));
                ppm.append(char(qBlue(c)));
            }
        const QString name = QDir(outDir).filePath(QStringLiteral("frame-%1.ppm").arg(i));
        QFile file(name);
        if (!file.open(QIODevice::WriteOnly) || file.write(ppm) != ppm.size())
            throw Exception(
                QStringLiteral("Cannot create file \"%1\". %2").arg(name, file.errorString()));
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
        if (!args.isEmpty() && args.first() == QLatin1String("--strict")) {
            AcceptDamagedGif = false;
            args.removeFirst();
        }
        const QString command = args.value(0);
        if (command == QLatin1String("info") && args.size() == 2)
            info(args[1]);
        else if (command == QLatin1String("decode") && args.size() == 3)
            decode(args[1], args[2]);
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
