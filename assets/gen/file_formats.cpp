#include "assets/gen/file_formats.h"

#include <QFile>
#include <QHash>
#include <QSaveFile>

#include <algorithm>
#include <climits>
#include <functional>
#include <vector>
#include <gif_lib.h>

namespace artgen {

namespace {

void put16(QByteArray &b, int v)
{
    b.append(char(v & 0xFF));
    b.append(char((v >> 8) & 0xFF));
}

void put32(QByteArray &b, quint32 v)
{
    put16(b, int(v & 0xFFFF));
    put16(b, int(v >> 16));
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(bytes);
    return f.commit();
}

int distance2(QRgb a, QRgb b)
{
    const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
    return dr * dr + dg * dg + db * db;
}

int nearest(const QList<QRgb> &palette, QRgb c, int from)
{
    int best = from, bestD = INT_MAX;
    for (int i = from; i < palette.size(); ++i) {
        const int d = distance2(palette[i], c);
        if (d < bestD)
            bestD = d, best = i;
    }
    return best;
}

// The colour of a pixel kept opaque: its own colour, not mixed with any
// ground, so soft edges keep the rim's colour over whatever lies below.
QRgb flatten(QRgb c)
{
    return qRgb(qRed(c), qGreen(c), qBlue(c));
}

// The BMP part of an icon or cursor entry: header, palette, colour bits
// (bottom-up), and the AND mask (1 = transparent).
QByteArray dibEntry(int size, int bits, const QList<QRgb> &palette,
                    const std::function<int(int, int)> &index, const std::function<bool(int, int)> &clear)
{
    QByteArray b;
    const int xorStride = ((size * bits + 31) / 32) * 4;
    const int andStride = ((size + 31) / 32) * 4;
    put32(b, 40);
    put32(b, quint32(size));
    put32(b, quint32(size * 2));
    put16(b, 1);
    put16(b, bits);
    put32(b, 0);
    put32(b, quint32((xorStride + andStride) * size));
    put32(b, 0);
    put32(b, 0);
    put32(b, quint32(palette.size()));
    put32(b, 0);
    for (QRgb c : palette) {
        b.append(char(qBlue(c)));
        b.append(char(qGreen(c)));
        b.append(char(qRed(c)));
        b.append(char(0));
    }
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(xorStride, 0);
        for (int x = 0; x < size; ++x) {
            const int v = index(x, y);
            const int bit = x * bits;
            row[bit / 8] = char(uchar(row[bit / 8]) | (v << (8 - bits - bit % 8)));
        }
        b.append(row);
    }
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(andStride, 0);
        for (int x = 0; x < size; ++x)
            if (clear(x, y))
                row[x / 8] = char(uchar(row[x / 8]) | (0x80 >> (x % 8)));
        b.append(row);
    }
    return b;
}

}  // namespace

bool writeTransparentGif(const QImage &source, const QString &path)
{
    const QImage img = source.convertToFormat(QImage::Format_ARGB32);
    // Palette by popularity of 4-bit-per-channel buckets; index 0 transparent.
    QHash<int, int> counts;
    QHash<int, quint64> sums[3];
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y);
            if (qAlpha(c) < 128)
                continue;
            const QRgb f = flatten(c);
            const int key = (qRed(f) >> 4) << 8 | (qGreen(f) >> 4) << 4 | (qBlue(f) >> 4);
            ++counts[key];
            sums[0][key] += qRed(f);
            sums[1][key] += qGreen(f);
            sums[2][key] += qBlue(f);
        }
    QList<int> keys = counts.keys();
    std::sort(keys.begin(), keys.end(), [&](int a, int b) { return counts[a] > counts[b] || (counts[a] == counts[b] && a < b); });
    QList<QRgb> palette{qRgb(0, 255, 0)};
    for (int k : keys.mid(0, 255)) {
        const int n = counts[k];
        palette << qRgb(int(sums[0][k] / n), int(sums[1][k] / n), int(sums[2][k] / n));
    }
    while (palette.size() < 256)
        palette << qRgb(0, 0, 0);

    GifColorType colours[256];
    for (int i = 0; i < 256; ++i)
        colours[i] = GifColorType{GifByteType(qRed(palette[i])), GifByteType(qGreen(palette[i])),
                                  GifByteType(qBlue(palette[i]))};
    const QByteArray name = QFile::encodeName(path);
    int error = 0;
    GifFileType *gif = EGifOpenFileName(name.constData(), false, &error);
    if (!gif)
        return false;
    EGifSetGifVersion(gif, true);
    ColorMapObject *map = GifMakeMapObject(256, colours);
    bool ok = map && EGifPutScreenDesc(gif, img.width(), img.height(), 8, 0, map) == GIF_OK;
    GraphicsControlBlock gcb{DISPOSAL_UNSPECIFIED, false, 0, 0};
    GifByteType ext[4];
    EGifGCBToExtension(&gcb, ext);
    ok = ok && EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, ext) == GIF_OK;
    ok = ok && EGifPutImageDesc(gif, 0, 0, img.width(), img.height(), false, nullptr) == GIF_OK;
    std::vector<GifPixelType> line(size_t(img.width()));
    for (int y = 0; ok && y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y);
            line[size_t(x)] = GifPixelType(qAlpha(c) < 128 ? 0 : nearest(palette, flatten(c), 1));
        }
        ok = EGifPutLine(gif, line.data(), img.width()) == GIF_OK;
    }
    GifFreeMapObject(map);
    ok = EGifCloseFile(gif, &error) == GIF_OK && ok;
    return ok;
}

bool writeMonoCursor(const QList<QByteArray> &rows, int hotX, int hotY, const QString &path)
{
    const int size = 32;
    auto at = [&rows](int x, int y) { return y < rows.size() && x < rows[y].size() ? rows[y][x] : ' '; };
    const QByteArray dib = dibEntry(
        size, 1, {qRgb(0, 0, 0), qRgb(255, 255, 255)},
        [&](int x, int y) { return at(x, y) == 'o' ? 1 : 0; },
        [&](int x, int y) { return at(x, y) != 'o' && at(x, y) != 'X'; });
    QByteArray b;
    put16(b, 0);
    put16(b, 2);  // cursor
    put16(b, 1);
    b.append(char(size));
    b.append(char(size));
    b.append(char(2));
    b.append(char(0));
    put16(b, hotX);
    put16(b, hotY);
    put32(b, quint32(dib.size()));
    put32(b, 6 + 16);
    b.append(dib);
    return writeAll(path, b);
}

bool writeIcon16(const QList<QImage> &images, const QString &path)
{
    // The standard 16-colour palette of Windows icons.
    const QList<QRgb> palette{
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
    QList<QByteArray> dibs;
    for (const QImage &source : images) {
        const QImage img = source.convertToFormat(QImage::Format_ARGB32);
        dibs << dibEntry(
            img.width(), 4, palette,
            [&](int x, int y) {
                const QRgb c = img.pixel(x, y);
                return qAlpha(c) < 128 ? 0 : nearest(palette, flatten(c), 0);
            },
            [&](int x, int y) { return qAlpha(img.pixel(x, y)) < 128; });
    }
    QByteArray b;
    put16(b, 0);
    put16(b, 1);  // icon
    put16(b, int(images.size()));
    quint32 offset = quint32(6 + 16 * images.size());
    for (int i = 0; i < images.size(); ++i) {
        b.append(char(images[i].width()));
        b.append(char(images[i].height()));
        b.append(char(16));
        b.append(char(0));
        put16(b, 1);
        put16(b, 4);
        put32(b, quint32(dibs[i].size()));
        put32(b, offset);
        offset += quint32(dibs[i].size());
    }
    for (const QByteArray &d : dibs)
        b.append(d);
    return writeAll(path, b);
}

}  // namespace artgen
