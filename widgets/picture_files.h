// Game pictures on disk: read by content whatever the name, stored as bitmaps.
#pragma once

#include <QImage>
#include <QString>

// Longest side a loaded picture keeps: a camera photo is shrunk to fit, so it
// neither fails the decoder's memory limit nor becomes a huge bitmap in img/.
inline constexpr int kMaxPictureSide = 2048;

// The picture in the file at path, recognised by its content, turned upright
// as the camera recorded, shrunk to kMaxPictureSide; null when the file is
// missing or is not a picture Qt can read.
QImage loadPicture(const QString &path);

// Writes picture to path as a 24-bit Windows bitmap, whatever the name says,
// replacing a file of that name atomically. Transparent parts become white.
// False, with nothing written, when the picture is null, the folder is
// missing (it is never created) or the file cannot be replaced.
bool storePictureAsBitmap(const QImage &picture, const QString &path);

// True when bytes hold a picture Qt can read (by content), no larger than a
// picture the program would load; for checking a set's pictures on import.
bool isReadablePicture(const QByteArray &bytes);
