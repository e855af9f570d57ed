// How a game picture fills the picture area: keeping its proportions, by the
// largest centred crop of the area's shape. The board, the tiles over it and
// the editor's preview all show this same crop.
#pragma once

#include <QRect>
#include <QSize>

// The part of a picture of size source that is shown in an area of size
// shape: the whole width or the whole height, centred.
inline QRect centredCrop(QSize source, QSize shape)
{
    if (source.isEmpty() || shape.isEmpty())
        return QRect(QPoint(0, 0), source);
    // Compare the proportions without rounding: w / h against W / H.
    const qint64 wide = qint64(source.width()) * shape.height();
    const qint64 tall = qint64(source.height()) * shape.width();
    if (wide > tall) {  // wider than the area: the whole height
        const int w = int(qint64(source.height()) * shape.width() / shape.height());
        return QRect((source.width() - w) / 2, 0, qMax(1, w), source.height());
    }
    const int h = int(qint64(source.width()) * shape.height() / shape.width());
    return QRect(0, (source.height() - h) / 2, source.width(), qMax(1, h));
}
