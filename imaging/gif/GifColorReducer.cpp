#include "GifColorReducer.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

constexpr int kBins = 32 * 32 * 32;

inline int binOf(QRgb c)
{
    return ((qRed(c) >> 3) << 10) | ((qGreen(c) >> 3) << 5) | (qBlue(c) >> 3);
}

struct Box {
    int lo[3];
    int hi[3]; // inclusive, in 5-bit channel units
    quint64 pixels = 0;
};

void shrink(Box &box, const std::vector<quint32> &hist)
{
    int lo[3] = { 31, 31, 31 }, hi[3] = { 0, 0, 0 };
    quint64 pixels = 0;
    for (int r = box.lo[0]; r <= box.hi[0]; ++r)
        for (int g = box.lo[1]; g <= box.hi[1]; ++g)
            for (int b = box.lo[2]; b <= box.hi[2]; ++b) {
                const quint32 n = hist[(r << 10) | (g << 5) | b];
                if (!n)
                    continue;
                pixels += n;
                const int v[3] = { r, g, b };
                for (int k = 0; k < 3; ++k) {
                    lo[k] = std::min(lo[k], v[k]);
                    hi[k] = std::max(hi[k], v[k]);
                }
            }
    box.pixels = pixels;
    if (pixels) {
        std::copy(lo, lo + 3, box.lo);
        std::copy(hi, hi + 3, box.hi);
    }
}

// Maps a picture of at most 256 colours to its own palette, in order of first appearance,
// in one pass: each pixel that differs from its left neighbour is looked up in a small
// open-addressed table of the colours seen so far. Returns a null image at the 257th colour.
QImage exactPalette(const QImage &rgb)
{
    constexpr int kSlots = 1024; // a quarter full at most
    struct Slot {
        QRgb color; // 0 when empty: stored colours are opaque
        int index;
    };
    std::vector<Slot> table(kSlots, Slot { 0, 0 });
    QList<QRgb> colors;
    QImage out(rgb.size(), QImage::Format_Indexed8);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *src = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        uchar *dst = out.scanLine(y);
        QRgb last = 0;
        int lastIndex = 0;
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = src[x] | 0xFF000000u;
            if (c != last) {
                quint32 slot = (c * 0x9E3779B1u) >> 22;
                while (table[slot].color != c && table[slot].color != 0)
                    slot = (slot + 1) & (kSlots - 1);
                if (table[slot].color == 0) {
                    if (colors.size() == 256)
                        return QImage();
                    table[slot] = Slot { c, int(colors.size()) };
                    colors.append(c);
                }
                last = c;
                lastIndex = table[slot].index;
            }
            dst[x] = uchar(lastIndex);
        }
    }
    if (colors.isEmpty())
        colors.append(qRgb(0, 0, 0));
    out.setColorTable(colors);
    return out;
}

} // namespace

QImage gifReduceColors(const QImage &image, bool grayscale)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int w = rgb.width(), h = rgb.height();

    if (grayscale) {
        QImage out(rgb.size(), QImage::Format_Indexed8);
        QList<QRgb> greys(256);
        for (int i = 0; i < 256; ++i)
            greys[i] = qRgb(i, i, i);
        out.setColorTable(greys);
        for (int y = 0; y < h; ++y) {
            const auto *src = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
            uchar *dst = out.scanLine(y);
            for (int x = 0; x < w; ++x)
                dst[x] = uchar(qGray(src[x]));
        }
        return out;
    }

    // Exact when the picture has few enough colours.
    const QImage exact = exactPalette(rgb);
    if (!exact.isNull())
        return exact;

    // Median cut.
    std::vector<quint32> hist(kBins, 0);
    std::vector<std::array<quint64, 3>> sums(kBins, { 0, 0, 0 });
    for (int y = 0; y < h; ++y) {
        const auto *src = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const int bin = binOf(src[x]);
            ++hist[bin];
            sums[bin][0] += qRed(src[x]);
            sums[bin][1] += qGreen(src[x]);
            sums[bin][2] += qBlue(src[x]);
        }
    }
    std::vector<Box> boxes;
    boxes.push_back(Box { { 0, 0, 0 }, { 31, 31, 31 } });
    shrink(boxes[0], hist);
    while (boxes.size() < 256) {
        // The box to split: widest channel range times its share of pixels.
        int best = -1, bestAxis = 0;
        double bestScore = 0;
        for (int i = 0; i < int(boxes.size()); ++i) {
            for (int k = 0; k < 3; ++k) {
                const int range = boxes[i].hi[k] - boxes[i].lo[k];
                const double score = double(range) * double(boxes[i].pixels);
                if (range > 0 && score > bestScore) {
                    bestScore = score;
                    best = i;
                    bestAxis = k;
                }
            }
        }
        if (best < 0)
            break;
        Box box = boxes[best];
        // Pixel counts along the axis, then the median plane.
        std::array<quint64, 32> along {};
        for (int r = box.lo[0]; r <= box.hi[0]; ++r)
            for (int g = box.lo[1]; g <= box.hi[1]; ++g)
                for (int b = box.lo[2]; b <= box.hi[2]; ++b) {
                    const int v[3] = { r, g, b };
                    along[v[bestAxis]] += hist[(r << 10) | (g << 5) | b];
                }
        quint64 seen = 0;
        int cut = box.lo[bestAxis];
        for (int v = box.lo[bestAxis]; v < box.hi[bestAxis]; ++v) {
            seen += along[v];
            cut = v;
            if (seen * 2 >= box.pixels)
                break;
        }
        Box a = box, b = box;
        a.hi[bestAxis] = cut;
        b.lo[bestAxis] = cut + 1;
        shrink(a, hist);
        shrink(b, hist);
        boxes[best] = a;
        if (b.pixels)
            boxes.push_back(b);
        if (!a.pixels)
            boxes.erase(boxes.begin() + best);
    }

    std::vector<uchar> binIndex(kBins, 0);
    QList<QRgb> palette;
    for (int i = 0; i < int(boxes.size()); ++i) {
        const Box &box = boxes[i];
        quint64 s[3] = { 0, 0, 0 };
        for (int r = box.lo[0]; r <= box.hi[0]; ++r)
            for (int g = box.lo[1]; g <= box.hi[1]; ++g)
                for (int b = box.lo[2]; b <= box.hi[2]; ++b) {
                    const int bin = (r << 10) | (g << 5) | b;
                    binIndex[bin] = uchar(i);
                    for (int k = 0; k < 3; ++k)
                        s[k] += sums[bin][k];
                }
        const quint64 n = std::max<quint64>(box.pixels, 1);
        palette.append(
            qRgb(int((s[0] + n / 2) / n), int((s[1] + n / 2) / n), int((s[2] + n / 2) / n)));
    }
    QImage out(rgb.size(), QImage::Format_Indexed8);
    out.setColorTable(palette);
    for (int y = 0; y < h; ++y) {
        const auto *src = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        uchar *dst = out.scanLine(y);
        for (int x = 0; x < w; ++x)
            dst[x] = binIndex[binOf(src[x])];
    }
    return out;
}
