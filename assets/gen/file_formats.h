// Writers for the formats Qt cannot write: GIF with a transparent colour,
// monochrome Windows cursor (.cur) and 16-colour Windows icon (.ico).
#pragma once

#include <QImage>
#include <QList>
#include <QString>

namespace artgen {

// An 8-bit GIF89a whose colour 0 is transparent: pixels with alpha below half
// become transparent, the rest take the nearest of up to 255 colours.
bool writeTransparentGif(const QImage &image, const QString &path);

// A 1-bit cursor. `rows` is a picture in characters: 'X' black, 'o' white,
// anything else transparent; 32 rows of 32 characters.
bool writeMonoCursor(const QList<QByteArray> &rows, int hotX, int hotY, const QString &path);

// A 4-bit icon with one entry per picture (square, 16 to 255 pixels), in the
// 16 colours of the standard Windows palette; alpha below half is transparent.
bool writeIcon16(const QList<QImage> &images, const QString &path);

}  // namespace artgen
