// Decode and encode speed of our GIF codec against giflib (and, for decoding, stb_image when it
// is installed), the input already in memory, one thread.
//
//   bench_gif [REPS] [--case=N]          median of REPS runs (default 9) per case and side
//   bench_gif --only=SIDE --case=N       runs one side on one case once, counting only that
//                                        work when run under callgrind (--collect-atstart=no);
//                                        see callgrind_gif.sh
//   bench_gif --list                     the cases with their pixel counts
//
// Sides: ours-decode (read the stream and build every frame's palette bitmap), giflib-decode
// (DGifSlurp), stb-decode (every frame to RGBA), ours-encode (the LZW encoder over each frame's
// indexes), giflib-encode (EGifPutLine), ours-rgb-encode (a 24-bit picture with at most 256
// colours written as a GIF: colour mapping, then LZW).
//
// The pictures are made here, deterministically: procedural landscapes reduced to 256 colours
// by median cut and Floyd-Steinberg dithering, as a photograph saved as GIF would be; an
// animation panning over such a landscape; many small frames; a hundred thousand frames of
// one pixel; flat drawings. The generated GIFs are kept in a folder beside the program
// (bench-gif-inputs) so that later runs and callgrind runs read them instead of making them
// again.
#include "GifColorReducer.h"
#include "GifLzwEncoder.h"
#include "TBitmap.h"
#include "TGIFImage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>

#include <gif_lib.h>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_TOGGLE_COLLECT
#endif

#ifdef HAVE_STB_IMAGE
#include <stb_image.h>
#endif

#include <algorithm>
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
    int depth; // minimum code size the frame is encoded with
    std::vector<uchar> pixels; // stream order
};

struct Case {
    QString name;
    QByteArray gif;
    std::vector<Frame> frames;
    qint64 pixels = 0;
    QImage rgb; // for ours-rgb-encode: a 24-bit picture of at most 256 colours
};

// ---- Procedural pictures -------------------------------------------------------------------

// Smooth value noise on an integer lattice, and its sum over octaves.
class Noise {
public:
    explicit Noise(quint32 seed)
    {
        QRandomGenerator rng(seed);
        for (float &v : m_values)
            v = float(rng.generateDouble());
        for (int i = 0; i < 256; ++i)
            m_perm[i] = uchar(i);
        for (int i = 255; i > 0; --i)
            std::swap(m_perm[i], m_perm[rng.bounded(i + 1)]);
    }

    float at(float x, float y) const
    {
        const int xi = int(std::floor(x)), yi = int(std::floor(y));
        const float fx = x - float(xi), fy = y - float(yi);
        const float sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
        const float a = lattice(xi, yi), b = lattice(xi + 1, yi);
        const float c = lattice(xi, yi + 1), d = lattice(xi + 1, yi + 1);
        return (a + (b - a) * sx) + ((c + (d - c) * sx) - (a + (b - a) * sx)) * sy;
    }

    float fbm(float x, float y, int octaves) const
    {
        float sum = 0, amp = 0.5f, freq = 1;
        for (int o = 0; o < octaves; ++o) {
            sum += amp * at(x * freq + float(o) * 17.3f, y * freq);
            amp *= 0.5f;
            freq *= 2.03f;
        }
        return sum;
    }

private:
    float lattice(int x, int y) const { return m_values[m_perm[(m_perm[x & 255] + y) & 255]]; }

    float m_values[256];
    uchar m_perm[256];
};

QRgb clampRgb(float r, float g, float b)
{
    auto c = [](float v) { return qBound(0, int(v + 0.5f), 255); };
    return qRgb(c(r), c(g), c(b));
}

// A landscape: sky with clouds, sun, hill ridges with grass and rock texture, a lake that
// mirrors the sky, trees, and sensor noise; (panX, panY) moves the view over the same scene.
QImage landscape(int w, int h, quint32 seed, float panX = 0, float panY = 0)
{
    const Noise noise(seed);
    QRandomGenerator grain(seed * 7 + 1);
    QImage image(w, h, QImage::Format_RGB32);
    const float scale = 1.0f / 400.0f;
    const float horizon = 0.45f, lake = 0.78f;
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const float u = (float(x) + panX) * scale, v = (float(y) + panY) / float(h);
            float my = v;
            bool water = false;
            if (v > lake) { // the lake reflects what lies above its shore
                my = 2 * lake - v + 0.01f * noise.at(u * 40, v * 200);
                water = true;
            }
            float r, g, b;
            const float ridge1 = horizon + 0.12f * noise.fbm(u * 3, 1.5f, 5);
            const float ridge2 = horizon + 0.10f + 0.15f * noise.fbm(u * 2 + 9, 4.5f, 6);
            if (my < ridge1 && my < ridge2) {
                const float cloud = std::max(0.0f, noise.fbm(u * 4, my * 6, 6) - 0.45f) * 3;
                const float sky = my / horizon;
                r = 90 + 90 * sky;
                g = 140 + 70 * sky;
                b = 230 - 20 * sky;
                const float dx = u - 1.2f, dy = my - 0.12f;
                const float sun = std::exp(-(dx * dx + dy * dy) * 300);
                r += (255 - r) * std::min(1.0f, cloud + sun);
                g += (250 - g) * std::min(1.0f, cloud + sun);
                b += (245 - b) * std::min(1.0f, cloud + sun * 0.8f);
            } else if (my < ridge2) { // far hills, hazy blue-green
                const float t = noise.fbm(u * 20, my * 30, 4);
                r = 80 + 40 * t;
                g = 110 + 50 * t;
                b = 130 + 30 * t;
            } else { // near hills: grass, rock, trees
                const float t = noise.fbm(u * 60, my * 80, 5);
                const float rock = noise.fbm(u * 8 + 3, my * 10, 4);
                const float shade = 0.7f + 0.6f * (noise.fbm(u * 5, my * 5, 3) - 0.5f);
                if (rock > 0.58f) {
                    r = (120 + 80 * t) * shade;
                    g = (110 + 70 * t) * shade;
                    b = (100 + 60 * t) * shade;
                } else {
                    r = (60 + 90 * t) * shade;
                    g = (100 + 100 * t) * shade;
                    b = (30 + 40 * t) * shade;
                }
                const float tree = noise.fbm(u * 25 + 40, my * 12, 3);
                if (tree > 0.62f) {
                    r *= 0.45f;
                    g *= 0.6f;
                    b *= 0.45f;
                }
            }
            if (water) {
                r = r * 0.6f + 10;
                g = g * 0.7f + 25;
                b = b * 0.8f + 40;
            }
            const float n = float(int(grain.bounded(13)) - 6);
            line[x] = clampRgb(r + n, g + n, b + n);
        }
    }
    return image;
}

// Floyd-Steinberg error diffusion onto the median-cut palette of the picture.
QImage dither(const QImage &rgb)
{
    const QList<QRgb> palette = gifReduceColors(rgb, false).colorTable();
    const int w = rgb.width(), h = rgb.height(), n = int(palette.size());
    std::vector<qint16> nearest(1 << 18, -1); // 6 bits per channel
    auto find = [&](int r, int g, int b) {
        const int key = ((r >> 2) << 12) | ((g >> 2) << 6) | (b >> 2);
        if (nearest[size_t(key)] < 0) {
            int best = 0, bestD = INT_MAX;
            for (int i = 0; i < n; ++i) {
                const int dr = qRed(palette[i]) - r, dg = qGreen(palette[i]) - g,
                          db = qBlue(palette[i]) - b;
                const int d = 2 * dr * dr + 4 * dg * dg + 3 * db * db;
                if (d < bestD) {
                    bestD = d;
                    best = i;
                }
            }
            nearest[size_t(key)] = qint16(best);
        }
        return nearest[size_t(key)];
    };
    QImage out(w, h, QImage::Format_Indexed8);
    out.setColorTable(palette);
    std::vector<int> err(size_t(3 * (w + 2) * 2), 0); // two rows of errors in 1/16
    for (int y = 0; y < h; ++y) {
        int *cur = err.data() + 3 * (w + 2) * (y & 1);
        int *next = err.data() + 3 * (w + 2) * ((y + 1) & 1);
        std::fill(next, next + 3 * (w + 2), 0);
        const auto *src = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        uchar *dst = out.scanLine(y);
        for (int x = 0; x < w; ++x) {
            const int c[3] = { qRed(src[x]), qGreen(src[x]), qBlue(src[x]) };
            int want[3];
            for (int k = 0; k < 3; ++k)
                want[k] = qBound(0, c[k] + cur[3 * (x + 1) + k] / 16, 255);
            const int index = find(want[0], want[1], want[2]);
            dst[x] = uchar(index);
            const int got[3]
                = { qRed(palette[index]), qGreen(palette[index]), qBlue(palette[index]) };
            for (int k = 0; k < 3; ++k) {
                const int e = want[k] - got[k];
                cur[3 * (x + 2) + k] += e * 7;
                next[3 * x + k] += e * 3;
                next[3 * (x + 1) + k] += e * 5;
                next[3 * (x + 2) + k] += e;
            }
        }
    }
    return out;
}

// A flat drawing in 16 colours: a map of filled regions, roads and labels' boxes.
QImage flatDrawing(int w, int h)
{
    QImage rgb(w, h, QImage::Format_RGB32);
    static const QRgb colours[16]
        = { 0xf2efe9, 0xaad3df, 0xc8facc, 0xadd19e, 0xe0dfdf, 0xf7fabf, 0xffffff, 0xf9b29c,
              0xfcd6a4, 0x222222, 0xd9d0c9, 0xb5d29c, 0xcdebb0, 0xe5c0b8, 0x8d5fd3, 0xff6347 };
    rgb.fill(QColor::fromRgb(colours[0]));
    QPainter p(&rgb);
    QRandomGenerator rng(99);
    for (int i = 0; i < 400; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor::fromRgb(colours[1 + rng.bounded(8)]));
        const int x = int(rng.bounded(w)), y = int(rng.bounded(h));
        if (i % 3 == 0)
            p.drawEllipse(x, y, 20 + int(rng.bounded(300)), 20 + int(rng.bounded(300)));
        else
            p.drawRect(x, y, 10 + int(rng.bounded(400)), 10 + int(rng.bounded(200)));
    }
    for (int i = 0; i < 120; ++i) {
        p.setPen(QPen(QColor::fromRgb(colours[9 + rng.bounded(7)]), 2 + int(rng.bounded(8))));
        p.drawLine(
            int(rng.bounded(w)), int(rng.bounded(h)), int(rng.bounded(w)), int(rng.bounded(h)));
    }
    p.end();
    // Exactly the 16 colours: no antialiasing, so the reduction keeps them.
    return gifReduceColors(rgb, false);
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

// ---- Cases ---------------------------------------------------------------------------------

QByteArray encodeGif(const std::vector<QImage> &images, bool interlaced)
{
    TGIFImage gif;
    for (const QImage &image : images) {
        const int index = gif.addFrame(TBitmap(image));
        gif.frame(index)->interlaced = interlaced;
    }
    return gif.saveToBytes();
}

// Reads back what the GIF holds: the frames' indexes in stream order, for the encoders.
void fillFrames(Case &c)
{
    TGIFImage gif;
    gif.loadFromBytes(c.gif, true);
    for (int i = 0; i < gif.frameCount(); ++i) {
        TGIFFrame *frame = gif.frame(i);
        const QImage bitmap = frame->bitmap().convertToFormat(QImage::Format_Indexed8);
        Frame f { bitmap.width(), bitmap.height(), frame->interlaced,
            qMax(2, int(frame->compressedData().at(0))), {} };
        std::vector<int> rows;
        const int start[4] = { 0, 4, 2, 1 }, step[4] = { 8, 8, 4, 2 };
        for (int p = 0; p < (f.interlaced ? 4 : 1); ++p)
            for (int y = f.interlaced ? start[p] : 0; y < f.height; y += f.interlaced ? step[p] : 1)
                rows.push_back(y);
        for (int y : rows) {
            const uchar *line = bitmap.constScanLine(y);
            f.pixels.insert(f.pixels.end(), line, line + f.width);
        }
        c.pixels += qint64(f.width) * f.height;
        c.frames.push_back(std::move(f));
        frame->releaseBitmap();
    }
    // The first frame as a 24-bit picture: its colours are the palette's, at most 256.
    c.rgb = gif.frame(0)->bitmap().convertToFormat(QImage::Format_RGB32);
}

// Makes the case's GIF once and keeps it in dir; later runs read it.
Case loadOrMake(const QDir &dir, const QString &name, const QString &file,
    const std::function<QByteArray()> &make)
{
    Case c;
    c.name = name;
    QFile cached(dir.filePath(file));
    if (cached.open(QIODevice::ReadOnly)) {
        c.gif = cached.readAll();
    } else {
        std::fprintf(stderr, "making %s\n", qPrintable(file));
        c.gif = make();
        if (cached.open(QIODevice::WriteOnly))
            cached.write(c.gif);
    }
    fillFrames(c);
    return c;
}

std::vector<Case> makeCases(const QDir &dir)
{
    std::vector<Case> cases;
    cases.push_back(loadOrMake(dir, "1165x859 dithered photograph", "photo-1165x859.gif",
        [] { return encodeGif({ dither(landscape(1165, 859, 1)) }, false); }));
    cases.push_back(loadOrMake(dir, "2000x2000 dithered photograph", "photo-2000x2000.gif",
        [] { return encodeGif({ dither(landscape(2000, 2000, 2)) }, false); }));
    cases.push_back(loadOrMake(dir, "same, interlaced", "photo-2000x2000-interlaced.gif",
        [] { return encodeGif({ dither(landscape(2000, 2000, 2)) }, true); }));
    cases.push_back(loadOrMake(dir, "15-frame animation 480x360", "pan-15x480x360.gif", [] {
        std::vector<QImage> frames;
        for (int i = 0; i < 15; ++i)
            frames.push_back(dither(landscape(480, 360, 3, float(i) * 12, float(i) * 2)));
        return encodeGif(frames, false);
    }));
    cases.push_back(loadOrMake(dir, "200 frames of 64x64", "small-200x64x64.gif", [] {
        const QImage scene = landscape(64 + 2 * 200, 64, 4);
        std::vector<QImage> frames;
        for (int i = 0; i < 200; ++i)
            frames.push_back(dither(scene.copy(2 * i, 0, 64, 64)));
        return encodeGif(frames, false);
    }));
    cases.push_back(loadOrMake(dir, "2000x2000 flat, 16 colours", "flat-2000x2000.gif",
        [] { return encodeGif({ flatDrawing(2000, 2000) }, false); }));
    cases.push_back(loadOrMake(dir, "line art 1024x768, 4 colours", "lineart-1024x768.gif",
        [] { return encodeGif({ lineArt(1024, 768) }, false); }));
    cases.push_back(loadOrMake(dir, "200 icons 32x32, 16 colours", "icons-200x32x32.gif", [] {
        std::vector<QImage> icons;
        for (int i = 0; i < 200; ++i)
            icons.push_back(icon(i));
        return encodeGif(icons, false);
    }));
    // Per-frame cost alone: reading and decoding must stay linear in the number of frames.
    cases.push_back(loadOrMake(dir, "100,000 frames of 1x1", "tiny-100000x1x1.gif", [] {
        QImage pixel(1, 1, QImage::Format_Indexed8);
        pixel.setColorTable({ qRgb(0, 0, 0), qRgb(255, 255, 255) });
        pixel.fill(1);
        return encodeGif(std::vector<QImage>(100000, pixel), false);
    }));
    return cases;
}

// ---- The sides -----------------------------------------------------------------------------

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

qint64 stbDecode(const Case &c)
{
#ifdef HAVE_STB_IMAGE
    int *delays = nullptr;
    int x = 0, y = 0, z = 0, comp = 0;
    stbi_uc *pixels
        = stbi_load_gif_from_memory(reinterpret_cast<const stbi_uc *>(c.gif.constData()),
            int(c.gif.size()), &delays, &x, &y, &z, &comp, 0);
    if (!pixels)
        std::abort();
    stbi_image_free(pixels);
    stbi_image_free(delays);
    return z;
#else
    Q_UNUSED(c);
    return 0;
#endif
}

qint64 oursEncode(const Case &c)
{
    qint64 size = 0;
    for (const Frame &f : c.frames) {
        QByteArray out;
        gifLzwEncode(f.pixels.data(), qsizetype(f.pixels.size()), f.depth, out);
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
        ColorMapObject *local = GifMakeMapObject(1 << f.depth, nullptr);
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

qint64 oursRgbEncode(const Case &c)
{
    TGIFImage gif;
    gif.addFrame(TBitmap(c.rgb));
    return gif.saveToBytes().size();
}

using Side = qint64 (*)(const Case &);

struct SideInfo {
    const char *name;
    Side run;
};

const SideInfo kSides[] = { { "ours-decode", oursDecode }, { "giflib-decode", giflibDecode },
    { "stb-decode", stbDecode }, { "ours-encode", oursEncode }, { "giflib-encode", giflibEncode },
    { "ours-rgb-encode", oursRgbEncode } };

double medianSeconds(const std::function<qint64()> &work, int reps)
{
    std::vector<double> times;
    volatile qint64 sink = 0;
    for (int i = 0; i < reps; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        sink = sink + work();
        const auto t1 = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double>(t1 - t0).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    int reps = 9;
    QString only;
    int caseIndex = -1;
    bool list = false;
    for (const QString &arg : app.arguments().mid(1)) {
        if (arg.startsWith(QLatin1String("--only=")))
            only = arg.mid(7);
        else if (arg.startsWith(QLatin1String("--case=")))
            caseIndex = arg.mid(7).toInt();
        else if (arg == QLatin1String("--list"))
            list = true;
        else
            reps = qMax(1, arg.toInt());
    }
    QDir dir(QCoreApplication::applicationDirPath());
    dir.mkpath(QStringLiteral("bench-gif-inputs"));
    dir.cd(QStringLiteral("bench-gif-inputs"));
    const std::vector<Case> cases = makeCases(dir);

    if (list) {
        for (size_t i = 0; i < cases.size(); ++i)
            std::printf("%zu\t%lld\t%s\n", i, cases[i].pixels, qPrintable(cases[i].name));
        return 0;
    }
    if (!only.isEmpty()) {
        for (const SideInfo &side : kSides) {
            if (only != QLatin1String(side.name))
                continue;
            for (size_t i = 0; i < cases.size(); ++i) {
                if (caseIndex >= 0 && size_t(caseIndex) != i)
                    continue;
                CALLGRIND_TOGGLE_COLLECT;
                side.run(cases[i]);
                CALLGRIND_TOGGLE_COLLECT;
            }
            return 0;
        }
        std::fprintf(stderr, "unknown side %s\n", qPrintable(only));
        return 1;
    }

    std::printf(
        "median of %d runs, milliseconds; ratio = ours / other (below 1: ours faster)\n", reps);
    std::printf("%-30s %9s %8s | %8s %8s %8s %6s %6s | %8s %8s %6s | %8s\n", "case", "Mpixel",
        "bytes", "ours", "giflib", "stb", "/gl", "/stb", "enc ours", "enc gl", "/gl", "rgb enc");
    for (size_t i = 0; i < cases.size(); ++i) {
        if (caseIndex >= 0 && size_t(caseIndex) != i)
            continue;
        const Case &c = cases[i];
        const double od = medianSeconds([&] { return oursDecode(c); }, reps);
        const double gd = medianSeconds([&] { return giflibDecode(c); }, reps);
#ifdef HAVE_STB_IMAGE
        const double sd = medianSeconds([&] { return stbDecode(c); }, reps);
#else
        const double sd = 0;
#endif
        const double oe = medianSeconds([&] { return oursEncode(c); }, reps);
        const double ge = medianSeconds([&] { return giflibEncode(c); }, reps);
        const double re = medianSeconds([&] { return oursRgbEncode(c); }, reps);
        std::printf(
            "%-30s %9.2f %8lld | %8.2f %8.2f %8.2f %6.2f %6.2f | %8.2f %8.2f %6.2f | %8.2f\n",
            qPrintable(c.name), double(c.pixels) / 1e6, qint64(c.gif.size()), od * 1e3, gd * 1e3,
            sd * 1e3, od / gd, sd > 0 ? od / sd : 0.0, oe * 1e3, ge * 1e3, oe / ge, re * 1e3);
        std::fflush(stdout);
    }
    return 0;
}
