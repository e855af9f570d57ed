// The picture loader on any bytes: the header check never lets through a
// picture above the pixel limit, and decoding never goes past it.
#include "widgets/picture_check.h"

#include <QBuffer>
#include <QCoreApplication>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);  // image format plugins
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    const PictureCheck check = checkPicture(&device, QStringLiteral("fuzz"));
    if (check.ok() && qint64(check.size.width()) * check.size.height() > kMaxPicturePixels)
        std::abort();
    // Refused pictures must stay refused when decoding; accepted ones are
    // decoded when small enough for a quick run, at a small size as the board does.
    if (!check.ok() || qint64(check.size.width()) * check.size.height() <= 4'000'000) {
        const QImage image = decodePicture(&device, QSize(64, 48));
        if (!image.isNull() && !check.ok())
            std::abort();
    }
    return 0;
}
