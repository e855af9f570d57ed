#include "widgets/picture_loader.h"

#include "widgets/board_font.h"
#include "widgets/picture_check.h"
#include "widgets/picture_crop.h"

#include <QFontMetricsF>
#include <QMutex>
#include <QObject>

#include <algorithm>
#include <cmath>

// Where a worker hands its result: the receiver lives on the loader's thread
// and is cleared before the loader goes, so a late result is dropped.
struct QtPictureLoader::Channel {
    QMutex mutex;
    QObject *receiver = nullptr;
};

namespace {

// The picture at path as the board draws it at size: the centred crop of its
// shape, at size (at its own size when that is smaller: the drawing scales it
// up). Null when the file is refused or cannot be read. Runs on a worker.
QImage decodeForBoard(const QString &path, QSize size)
{
    // Decoding at a reduced size pays for large photos (a JPEG is then scaled
    // in the decoder); for a mild reduction a full decode and a smooth scale is faster.
    QImage img = readPictureFile(path, [size](QSize natural) {
        const QRect crop = centredCrop(natural, size);
        const double k = std::max(double(size.width()) / crop.width(), double(size.height()) / crop.height());
        if (k > 0.5)
            return QSize();
        return QSize(int(std::ceil(natural.width() * k)), int(std::ceil(natural.height() * k)));
    }).image;
    if (img.isNull() || img.size() == size)
        return img;
    img = img.copy(centredCrop(img.size(), size));
    if (img.width() > size.width())
        img = img.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return img;
}

}  // namespace

QtPictureLoader::QtPictureLoader(QSize drawnSize)
    : m_size(drawnSize), m_receiver(std::make_unique<QObject>()), m_channel(std::make_shared<Channel>())
{
    m_channel->receiver = m_receiver.get();
    m_pool.setMaxThreadCount(1);
}

QtPictureLoader::~QtPictureLoader()
{
    QMutexLocker lock(&m_channel->mutex);
    m_channel->receiver = nullptr;
}

bool QtPictureLoader::loadPicture(const QString &path)
{
    if (!checkPictureFile(path).ok())
        return false;
    m_path = path;
    startDecoding();
    return true;
}

void QtPictureLoader::setDrawnSize(QSize size)
{
    if (size == m_size || size.isEmpty())
        return;
    m_size = size;
    if (!m_path.isEmpty())
        startDecoding();  // the picture held, read again for its new size
}

void QtPictureLoader::startDecoding()
{
    const int generation = ++m_generation;
    m_pending = true;
    m_pool.clear();  // a decoding not yet started is overtaken by this one
    const QString path = m_path;
    const QSize size = m_size;
    std::shared_ptr<Channel> channel = m_channel;
    m_pool.start([this, path, size, generation, channel] {
        const QImage img = decodeForBoard(path, size);
        QMutexLocker lock(&channel->mutex);
        if (channel->receiver)
            QMetaObject::invokeMethod(channel->receiver, [this, generation, img] { finished(generation, img); },
                                      Qt::QueuedConnection);
    });
}

void QtPictureLoader::finished(int generation, const QImage &picture)
{
    if (generation != m_generation)
        return;  // a later choice is on its way
    m_pending = false;
    if (!picture.isNull())
        m_current = picture;
    if (m_ready)
        m_ready();
}

QSizeF QtTextMeasurer::measure(const QString &text, const char *face, double points)
{
    const QFontMetricsF fm(boardFont(face, points));
    return QSizeF(fm.horizontalAdvance(text), fm.height());
}
