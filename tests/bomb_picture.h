// A real picture bomb: a valid PNG of width x height black pixels (1 bit per
// pixel, deflated), a few hundred kilobytes on disk that would take
// width * height * 4 bytes decoded. Written row by row, so making it needs
// no memory. Also a named pipe with a picture's name.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <sys/stat.h>
#include <zlib.h>

namespace bomb_detail {
inline void putBigEndian(QByteArray &out, quint32 v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out += char((v >> shift) & 0xFF);
}
inline void putChunk(QFile &f, const char *type, const QByteArray &data)
{
    QByteArray chunk;
    putBigEndian(chunk, quint32(data.size()));
    const QByteArray body = QByteArray(type, 4) + data;
    chunk += body;
    putBigEndian(chunk, quint32(crc32(0, reinterpret_cast<const Bytef *>(body.constData()), uInt(body.size()))));
    f.write(chunk);
}
}  // namespace bomb_detail

inline bool writePngBomb(const QString &path, int width, int height)
{
    using namespace bomb_detail;
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write("\x89PNG\r\n\x1a\n", 8);
    QByteArray header;
    putBigEndian(header, quint32(width));
    putBigEndian(header, quint32(height));
    header += QByteArray("\x01\x00\x00\x00\x00", 5);  // 1 bit, grey, deflate, no filter, no interlace
    putChunk(f, "IHDR", header);

    z_stream z{};
    deflateInit(&z, 9);
    const QByteArray row(1 + (width + 7) / 8, '\0');  // filter byte, then the bits
    QByteArray out(1 << 16, '\0');
    for (int y = 0; y <= height; ++y) {
        const bool last = y == height;
        z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(row.constData()));
        z.avail_in = last ? 0 : uInt(row.size());
        int ret = Z_OK;
        do {
            z.next_out = reinterpret_cast<Bytef *>(out.data());
            z.avail_out = uInt(out.size());
            ret = deflate(&z, last ? Z_FINISH : Z_NO_FLUSH);
            const int produced = int(out.size()) - int(z.avail_out);
            if (produced > 0)
                putChunk(f, "IDAT", out.left(produced));
        } while (z.avail_out == 0 || (last && ret == Z_OK));
    }
    deflateEnd(&z);
    putChunk(f, "IEND", QByteArray());
    return f.error() == QFile::NoError;
}

// A named pipe at path: opening it for reading waits for a writer for ever.
inline bool makeFifo(const QString &path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0;
}
