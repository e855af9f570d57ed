#include "widgets/picture_files.h"

#include <QBuffer>
#include <QPainter>

PictureFile loadPicture(const QString &path)
{
    return readPictureFile(path, [](QSize size) {
        if (size.width() > kMaxPictureSide || size.height() > kMaxPictureSide)
            return size.scaled(kMaxPictureSide, kMaxPictureSide, Qt::KeepAspectRatio);
        return QSize();
    });
}

QByteArray bitmapBytes(const QImage &picture)
{
    if (picture.isNull())
        return {};
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter p(&flat);
        p.drawImage(0, 0, picture);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !flat.save(&buffer, "BMP"))
        return {};
    return bytes;
}

bool isReadablePicture(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return false;
    const PictureCheck check = checkPicture(&buffer, QString());
    if (!check.ok() || !buffer.seek(0))
        return false;
    // A small decode proves the data reads as a picture without the full cost.
    return !decodePicture(&buffer, check.size.scaled(64, 64, Qt::KeepAspectRatio).expandedTo(QSize(1, 1))).isNull();
}
