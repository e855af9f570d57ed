#include "widgets/picture_loader.h"

#include "widgets/board_font.h"
#include "widgets/picture_check.h"

#include <QFontMetricsF>
#include <QMutex>
#include <QObject>

// Where a worker hands its result: the receiver lives on the loader's thread
// and is cleared before the loader goes, so a late result is dropped.
struct QtPictureLoader::Channel {
    QMutex mutex;
    QObject *receiver = nullptr;
};

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
    const int generation = ++m_generation;
    m_pending = true;
    m_pool.clear();  // a choice not yet started is overtaken by this one
    const QSize size = m_size;
    std::shared_ptr<Channel> channel = m_channel;
    m_pool.start([this, path, size, generation, channel] {
        // Decoding at a reduced size pays for large photos (a JPEG is then
        // scaled in the decoder); for a mild reduction a full decode and a
        // smooth scale is faster.
        QImage img = readPictureFile(path, [size](QSize natural) {
            return natural.width() >= 2 * size.width() && natural.height() >= 2 * size.height() ? size : QSize();
        }).image;
        if (!img.isNull() && img.size() != size)
            img = img.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QMutexLocker lock(&channel->mutex);
        if (channel->receiver)
            QMetaObject::invokeMethod(channel->receiver, [this, generation, img] { finished(generation, img); },
                                      Qt::QueuedConnection);
    });
    return true;
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
