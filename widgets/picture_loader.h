// Reads a game picture (format from content) once per choice, decoded at the
// size it is drawn and cropped to its shape, so a large photo does not stall
// the board and a portrait photo is not stretched.
#pragma once

#include "board/ports.h"

#include <QImage>
#include <QSize>
#include <QString>

class QtPictureLoader : public PictureLoader {
public:
    explicit QtPictureLoader(QSize drawnSize) : m_size(drawnSize) {}
    bool loadPicture(const QString &path) override;
    // The picture, the centred crop of the drawn shape, at the drawn size (at
    // its own size when that is smaller: the drawing scales it up).
    const QImage &current() const { return m_current; }
    // The board is drawn at another size (device pixels): the current picture
    // is read again for it. True when it was.
    bool setDrawnSize(QSize size);
    QSize drawnSize() const { return m_size; }

private:
    QImage decode(const QString &path) const;
    QSize m_size;
    QImage m_current;
    QString m_path;  // of the current picture
};

// Text metrics of the board faces, in pixels (points at 96 dots an inch).
class QtTextMeasurer : public TextMeasurer {
public:
    QSizeF measure(const QString &text, const char *face, double points) override;
};
