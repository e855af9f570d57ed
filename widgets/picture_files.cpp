#include "widgets/picture_files.h"

#include "data/datafiles.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

QImage loadPicture(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return {};
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.width() > kMaxPictureSide || size.height() > kMaxPictureSide)
        reader.setScaledSize(size.scaled(kMaxPictureSide, kMaxPictureSide, Qt::KeepAspectRatio));
    return reader.read();
}

bool storePictureAsBitmap(const QImage &picture, const QString &path)
{
    if (picture.isNull() || !QFileInfo(QFileInfo(path).absolutePath()).isDir())
        return false;
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter p(&flat);
        p.drawImage(0, 0, picture);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !flat.save(&buffer, "BMP"))
        return false;
    return writeFileAtomically(path, bytes);
}

bool isReadablePicture(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return false;
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    constexpr int kMaxDecodedSide = 16384;
    if (!size.isValid() || size.width() > kMaxDecodedSide || size.height() > kMaxDecodedSide)
        return false;
    // A small decode proves the data reads as a picture without the full cost.
    reader.setScaledSize(size.scaled(64, 64, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    return !reader.read().isNull();
}
