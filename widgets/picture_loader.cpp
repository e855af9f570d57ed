#include "widgets/picture_loader.h"

#include "widgets/board_font.h"

#include <QFontMetricsF>
#include <QImageReader>

bool QtPictureLoader::loadPicture(const QString &path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead())
        return false;
    // Decoding at a reduced size pays for large photos (a JPEG is then scaled
    // in the decoder); for a mild reduction a full decode and a smooth scale is faster.
    const QSize natural = reader.size();
    if (natural.width() >= 2 * m_size.width() && natural.height() >= 2 * m_size.height())
        reader.setScaledSize(m_size);
    QImage img = reader.read();
    if (img.isNull())
        return false;
    if (img.size() != m_size)
        img = img.scaled(m_size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m_current = std::move(img);
    return true;
}

QSizeF QtTextMeasurer::measure(const QString &text, const char *face, double points)
{
    const QFontMetricsF fm(boardFont(face, points));
    return QSizeF(fm.horizontalAdvance(text), fm.height());
}
