#include "widgets/picture_loader.h"

#include "widgets/board_font.h"
#include "widgets/picture_crop.h"

#include <QFontMetricsF>
#include <QImageReader>

#include <cmath>

QImage QtPictureLoader::decode(const QString &path) const
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead())
        return {};
    // Decoding at a reduced size pays for large photos (a JPEG is then scaled
    // in the decoder); for a mild reduction a full decode and a smooth scale is faster.
    const QSize natural = reader.size();
    if (natural.isValid()) {
        const QRect crop = centredCrop(natural, m_size);
        const double k = std::max(double(m_size.width()) / crop.width(), double(m_size.height()) / crop.height());
        if (k <= 0.5)
            reader.setScaledSize(QSize(int(std::ceil(natural.width() * k)), int(std::ceil(natural.height() * k))));
    }
    QImage img = reader.read();
    if (img.isNull())
        return {};
    if (img.size() == m_size)
        return img;
    img = img.copy(centredCrop(img.size(), m_size));
    // Larger than drawn: down to the drawn size. Smaller: as it is, the
    // drawing scales it up in one smooth pass.
    if (img.width() > m_size.width())
        img = img.scaled(m_size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return img;
}

bool QtPictureLoader::loadPicture(const QString &path)
{
    QImage img = decode(path);
    if (img.isNull())
        return false;
    m_current = std::move(img);
    m_path = path;
    return true;
}

bool QtPictureLoader::setDrawnSize(QSize size)
{
    if (size == m_size || size.isEmpty())
        return false;
    m_size = size;
    if (m_path.isEmpty())
        return false;
    QImage img = decode(m_path);
    if (img.isNull())  // gone since: the one held
        img = m_current;
    m_current = std::move(img);
    return true;
}

QSizeF QtTextMeasurer::measure(const QString &text, const char *face, double points)
{
    const QFontMetricsF fm(boardFont(face, points));
    return QSizeF(fm.horizontalAdvance(text), fm.height());
}
