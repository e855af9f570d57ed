// Game pictures on disk: read by content whatever the name, stored as bitmaps.
#pragma once

#include "widgets/picture_check.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// Longest side a loaded picture keeps: a camera photo is shrunk to fit, so it
// neither fails the decoder's memory limit nor becomes a huge bitmap in img/.
inline constexpr int kMaxPictureSide = 2048;

// The picture in the file at path, recognised by its content, turned upright
// as the camera recorded, shrunk to kMaxPictureSide. Refused (with the reason
// in Korean) when the file is missing, not a regular file, not a picture Qt
// can read, or larger than kMaxPicturePixels.
PictureFile loadPicture(const QString &path);

// The picture as a 24-bit Windows bitmap file; transparent parts become
// white. Empty for a null picture.
QByteArray bitmapBytes(const QImage &picture);

// True when bytes hold a picture Qt can read (by content), no larger than a
// picture the program would load; for checking a set's pictures on import.
bool isReadablePicture(const QByteArray &bytes);
