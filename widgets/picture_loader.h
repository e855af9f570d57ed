// Reads a game picture (format from content) once per choice, decoded at the
// size it is drawn, so a large photo does not stall the board.
#pragma once

#include "board/ports.h"

#include <QImage>
#include <QSize>

class QtPictureLoader : public PictureLoader {
public:
    explicit QtPictureLoader(QSize drawnSize) : m_size(drawnSize) {}
    bool loadPicture(const QString &path) override;
    const QImage &current() const { return m_current; }  // at the drawn size

private:
    QSize m_size;
    QImage m_current;
};

// Text metrics of the board faces, in pixels (points at 96 dots an inch).
class QtTextMeasurer : public TextMeasurer {
public:
    QSizeF measure(const QString &text, const char *face, double points) override;
};
