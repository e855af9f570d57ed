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
