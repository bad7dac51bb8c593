// Decode and encode throughput of our GIF codec against giflib on a generated set, the
// input already in memory. Prints the best of N runs per case, nanoseconds per LZW code and
// the ratio to giflib. "--only=ours-decode|giflib-decode|ours-encode|giflib-encode" runs one
// side once, for instruction counts under callgrind.
#include "GifLzwDecoder.h"
#include "GifLzwEncoder.h"
#include "TBitmap.h"
#include "TGIFImage.h"

#include <QCoreApplication>
#include <QImage>
#include <QRandomGenerator>

#include <gif_lib.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace {

struct Frame {
    int width, height;
    bool interlaced;
    std::vector<uchar> pixels; // stream order
};

struct Case {
    const char *name;
    std::vector<Frame> frames;
    QByteArray gif; // written by our encoder
    qint64 codes = 0;
};

// ---- Generated pictures ----------------------------------------------------------------

QImage photoLike(int w, int h, quint32 seed)
{
    // Smooth colour fields with fine noise, reduced to 256 colours by our median cut.
    QRandomGenerator rng(seed);
    QImage rgb(w, h, QImage::Format_RGB32);
    const double a = rng.bounded(1.0) * 6, b = rng.bounded(1.0) * 6;
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(rgb.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const double u = double(x) / w, v = double(y) / h;
            const int r = int(127 + 90 * std::sin(u * 7 + a) * std::cos(v * 5) + rng.bounded(24));
            const int g = int(127 + 90 * std::sin(v * 6 + b + u * 2) + rng.bounded(24));
            const int bl = int(127 + 90 * std::cos((u + v) * 4) + rng.bounded(24));
            line[x] = qRgb(qBound(0, r, 255), qBound(0, g, 255), qBound(0, bl, 255));
        }
    }
    TGIFImage gif;
    gif.addFrame(TBitmap(rgb));
    gif.saveToBytes();
    return gif.frame(0)->bitmap();
}

QImage lineArt(int w, int h)
{
    QImage image(w, h, QImage::Format_Indexed8);
    image.setColorTable({ qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(200, 0, 0), qRgb(0, 0, 200) });
    image.fill(0);
    QRandomGenerator rng(5);
    for (int i = 0; i < 300; ++i) {
        const int colour = 1 + int(rng.bounded(3));
        if (i % 2) {
            const int y = int(rng.bounded(h)), x0 = int(rng.bounded(w)), x1 = int(rng.bounded(w));
            for (int x = qMin(x0, x1); x <= qMax(x0, x1); ++x)
                image.setPixel(x, y, uint(colour));
        } else {
            const int x = int(rng.bounded(w)), y0 = int(rng.bounded(h)), y1 = int(rng.bounded(h));
            for (int y = qMin(y0, y1); y <= qMax(y0, y1); ++y)
                image.setPixel(x, y, uint(colour));
        }
    }
    return image;
}

QImage icon(int n)
{
    QImage image(32, 32, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < 16; ++i)
        table.append(qRgb((i * 37 + n) & 0xFF, (i * 91) & 0xFF, (i * 53 + 2 * n) & 0xFF));
    image.setColorTable(table);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const int dx = x - 16, dy = y - 16;
            image.setPixel(x, y, uint(dx * dx + dy * dy < 100 + n % 50 ? (x / 4 + n) % 15 + 1 : 0));
        }
    return image;
}

QImage largeBands(int w, int h)
{
    QImage image(w, h, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < 256; ++i)
        table.append(qRgb(i, 255 - i, (i * 3) & 0xFF));
    image.setColorTable(table);
    for (int y = 0; y < h; ++y) {
        uchar *line = image.scanLine(y);
        for (int x = 0; x < w; ++x)
            line[x] = uchar(((x / 40) + (y / 30) * 3 + ((x ^ y) & 64 ? 1 : 0)) & 0xFF);
    }
    return image;
}

Case makeCase(const char *name, const std::vector<QImage> &images, bool interlaced)
{
    Case c { name, {}, {}, 0 };
    TGIFImage gif;
    for (const QImage &image : images) {
        const int index = gif.addFrame(TBitmap(image));
        gif.frame(index)->interlaced = interlaced;
    }
    c.gif = gif.saveToBytes();
    for (int i = 0; i < gif.frameCount(); ++i) {
        const QImage bitmap = gif.frame(i)->bitmap();
        Frame f { bitmap.width(), bitmap.height(), interlaced, {} };
        std::vector<int> rows;
        for (int y = 0; y < f.height; ++y)
            rows.push_back(y);
        if (interlaced) {
            rows.clear();
            const int start[4] = { 0, 4, 2, 1 }, step[4] = { 8, 8, 4, 2 };
            for (int p = 0; p < 4; ++p)
                for (int y = start[p]; y < f.height; y += step[p])
                    rows.push_back(y);
        }
        for (int y : rows) {
            const uchar *line = bitmap.constScanLine(y);
            f.pixels.insert(f.pixels.end(), line, line + f.width);
        }
        c.frames.push_back(std::move(f));
        // Count the codes of the frame with the decoder's width rules.
        const QByteArray &data = gif.frame(i)->compressedData();
        QByteArray bytes;
        for (int p = 1; p < data.size();) {
            const int len = quint8(data.at(p));
            if (len == 0)
                break;
            bytes += data.mid(p + 1, len);
            p += 1 + len;
        }
        const int min = data.at(0), clear = 1 << min;
        int width = min + 1, next = clear + 2;
        bool first = true;
        for (qint64 bit = 0; bit + width <= qint64(bytes.size()) * 8;) {
            int code = 0;
            for (int k = 0; k < width; ++k, ++bit)
                code |= ((quint8(bytes.at(int(bit >> 3))) >> (bit & 7)) & 1) << k;
            ++c.codes;
            if (code == clear + 1)
                break;
            if (code == clear) {
                width = min + 1;
                next = clear + 2;
                first = true;
            } else if (first) {
                first = false;
            } else if (next < 4096 && ++next == (1 << width) && width < 12) {
                ++width;
            }
        }
    }
    return c;
}

// ---- The two sides -----------------------------------------------------------------------

struct MemoryReader {
    const QByteArray *bytes;
    qsizetype pos;
};

int readMemory(GifFileType *gif, GifByteType *buf, int n)
{
    auto *m = static_cast<MemoryReader *>(gif->UserData);
    const int take = int(qMin<qsizetype>(n, m->bytes->size() - m->pos));
    std::memcpy(buf, m->bytes->constData() + m->pos, size_t(take));
    m->pos += take;
    return take;
}

int writeMemory(GifFileType *gif, const GifByteType *buf, int n)
{
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(buf), n);
    return n;
}

qint64 oursDecode(const Case &c)
{
    TGIFImage image;
    image.loadFromBytes(c.gif, true);
    qint64 sum = 0;
    for (int i = 0; i < image.frameCount(); ++i)
        sum += image.frame(i)->bitmap().width();
    return sum;
}

qint64 giflibDecode(const Case &c)
{
    MemoryReader m { &c.gif, 0 };
    int err = 0;
    GifFileType *gif = DGifOpen(&m, readMemory, &err);
    if (!gif || DGifSlurp(gif) != GIF_OK)
        std::abort();
    const qint64 n = gif->ImageCount;
    DGifCloseFile(gif, &err);
    return n;
}

qint64 oursEncode(const Case &c)
{
    // The LZW encoder over each frame's pixels in stream order, as the writer calls it.
    qint64 size = 0;
    for (const Frame &f : c.frames) {
        QByteArray out;
        int maxValue = 0;
        for (uchar p : f.pixels)
            maxValue = qMax<int>(maxValue, p);
        const int depth = maxValue < 2 ? 2 : maxValue < 16 ? 4 : 8;
        gifLzwEncode(f.pixels.data(), qsizetype(f.pixels.size()), depth, out);
        size += out.size();
    }
    return size;
}

qint64 giflibEncode(const Case &c)
{
    QByteArray out;
    int err = 0;
    GifFileType *gif = EGifOpen(&out, writeMemory, &err);
    ColorMapObject *map = GifMakeMapObject(256, nullptr);
    EGifPutScreenDesc(gif, c.frames[0].width, c.frames[0].height, 8, 0, map);
    for (const Frame &f : c.frames) {
        int maxValue = 0;
        for (uchar p : f.pixels)
            maxValue = qMax<int>(maxValue, p);
        const int depth = maxValue < 2 ? 2 : maxValue < 16 ? 4 : 8;
        ColorMapObject *local = GifMakeMapObject(1 << depth, nullptr);
        EGifPutImageDesc(gif, 0, 0, f.width, f.height, f.interlaced, local);
        // Rows in stream order, as our encoder takes them.
        for (int y = 0; y < f.height; ++y)
            EGifPutLine(
                gif, const_cast<GifPixelType *>(f.pixels.data() + qsizetype(y) * f.width), f.width);
        GifFreeMapObject(local);
    }
    EGifCloseFile(gif, &err);
    GifFreeMapObject(map);
    return out.size();
}

double bestSeconds(const std::function<qint64()> &work, int reps)
{
    double best = 1e9;
    volatile qint64 sink = 0;
    for (int i = 0; i < reps; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        sink = sink + work();
        const auto t1 = std::chrono::steady_clock::now();
        best = std::min(best, std::chrono::duration<double>(t1 - t0).count());
    }
    return best;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    int reps = 7;
    QString only;
    for (const QString &arg : app.arguments().mid(1)) {
        if (arg.startsWith(QLatin1String("--only=")))
            only = arg.mid(7);
        else
            reps = qMax(1, arg.toInt());
    }
    GifMaxFramePixels = qint64(1) << 26;

    std::vector<Case> cases;
    cases.push_back(
        makeCase("photo-like 1024x768, 256 colours", { photoLike(1024, 768, 1) }, false));
    cases.push_back(makeCase("line art 1024x768, 4 colours", { lineArt(1024, 768) }, false));
    cases.push_back(makeCase("interlaced photo-like 800x600", { photoLike(800, 600, 2) }, true));
    std::vector<QImage> icons;
    for (int i = 0; i < 200; ++i)
        icons.push_back(icon(i));
    cases.push_back(makeCase("200 icons 32x32, 16 colours", icons, false));
    cases.push_back(makeCase("large 4000x3000, flat bands", { largeBands(4000, 3000) }, false));

    if (!only.isEmpty()) {
        for (const Case &c : cases) {
            if (only == QLatin1String("ours-decode"))
                oursDecode(c);
            else if (only == QLatin1String("giflib-decode"))
                giflibDecode(c);
            else if (only == QLatin1String("ours-encode"))
                oursEncode(c);
            else if (only == QLatin1String("giflib-encode"))
                giflibEncode(c);
        }
        return 0;
    }

    std::printf("%-36s %9s %9s %9s %8s %8s | %9s %9s %6s\n", "case (best of N)", "bytes", "codes",
        "ours ms", "ns/code", "giflib", "speedup", "enc ours", "enc gl");
    for (const Case &c : cases) {
        const double od = bestSeconds([&] { return oursDecode(c); }, reps);
        const double gd = bestSeconds([&] { return giflibDecode(c); }, reps);
        const double oe = bestSeconds([&] { return oursEncode(c); }, reps);
        const double ge = bestSeconds([&] { return giflibEncode(c); }, reps);
        std::printf("%-36s %9lld %9lld %9.3f %8.2f %8.3f | %8.2fx %9.3f %6.3f  enc %.2fx\n", c.name,
            qint64(c.gif.size()), c.codes, od * 1e3, od * 1e9 / double(c.codes), gd * 1e3, gd / od,
            oe * 1e3, ge * 1e3, ge / oe);
    }
    return 0;
}
