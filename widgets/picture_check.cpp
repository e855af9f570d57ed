#include "widgets/picture_check.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Bytes an RGB32 picture at the pixel limit takes, in the reader's megabytes.
constexpr int kAllocationLimitMb = int(kMaxPicturePixels * 4 / (1024 * 1024)) + 1;

void prepare(QImageReader &reader)
{
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    reader.setAllocationLimit(kAllocationLimitMb);
}

QString displayName(const QString &path)
{
    return QFileInfo(path).fileName();
}

// Opens path into file only when it is a regular file; never blocks on a
// named pipe (opened without waiting, then looked at before any read).
QString openRegular(const QString &path, QFile &file)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return QStringLiteral("그림 파일 '%1'이(가) 없거나 열 수 없습니다.").arg(displayName(path));
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return QStringLiteral("'%1'은(는) 보통 파일이 아니어서 그림으로 열지 않습니다.").arg(displayName(path));
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return QStringLiteral("그림 파일 '%1'을(를) 열 수 없습니다.").arg(displayName(path));
    }
    return QString();
}

}  // namespace

PictureCheck checkPicture(QIODevice *device, const QString &name)
{
    PictureCheck c;
    QImageReader reader(device);
    prepare(reader);
    c.size = reader.canRead() ? reader.size() : QSize();
    if (!c.size.isValid() || c.size.isEmpty()) {
        c.error = QStringLiteral("'%1'을(를) 그림으로 읽을 수 없습니다.").arg(name);
    } else if (qint64(c.size.width()) * c.size.height() > kMaxPicturePixels) {
        c.error = QStringLiteral("'%1' 그림이 너무 큽니다 (%2 x %3 화소). %4 x %4 화소까지 열 수 있습니다.")
                      .arg(name)
                      .arg(c.size.width())
                      .arg(c.size.height())
                      .arg(kMaxPictureEdge);
    }
    device->reset();
    return c;
}

QImage decodePicture(QIODevice *device, QSize decodeSize)
{
    if (!checkPicture(device, QString()).ok())
        return {};
    QImageReader reader(device);
    prepare(reader);
    if (decodeSize.isValid() && !decodeSize.isEmpty())
        reader.setScaledSize(decodeSize);
    return reader.read();
}

PictureCheck checkPictureFile(const QString &path)
{
    QFile file;
    if (QString error = openRegular(path, file); !error.isEmpty())
        return PictureCheck{QSize(), error};
    return checkPicture(&file, displayName(path));
}

PictureFile readPictureFile(const QString &path, const DecodeSize &scale)
{
    QFile file;
    if (QString error = openRegular(path, file); !error.isEmpty())
        return PictureFile{QImage(), error};
    const PictureCheck check = checkPicture(&file, displayName(path));
    if (!check.ok())
        return PictureFile{QImage(), check.error};
    QImage image = decodePicture(&file, scale ? scale(check.size) : QSize());
    if (image.isNull())
        return PictureFile{QImage(), QStringLiteral("'%1'을(를) 그림으로 읽을 수 없습니다.").arg(displayName(path))};
    return PictureFile{image, QString()};
}
