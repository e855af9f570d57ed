// Opening picture files safely: only regular files are opened (a named pipe
// or a device would block or never end), the header is read before anything
// is decoded, and pictures above kMaxPicturePixels are refused, so no file
// can freeze the program or take all its memory.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>

class QIODevice;

// The largest picture opened: far above any camera's (200 megapixels).
inline constexpr int kMaxPictureEdge = 16384;
inline constexpr qint64 kMaxPicturePixels = qint64(kMaxPictureEdge) * kMaxPictureEdge;

struct PictureCheck {
    QSize size;     // as the header gives it
    QString error;  // why the picture is refused, in Korean; empty when it may be decoded
    bool ok() const { return error.isEmpty(); }
};

// Reads only the header of the picture in device (format from content).
// name is the file name the error message shows.
PictureCheck checkPicture(QIODevice *device, const QString &name);

// Decodes the picture in device at decodeSize (empty: its own size), turned
// upright as the camera recorded. Null when it cannot be read or when the
// header check refuses it; decoding never allocates more than the pixel
// limit allows.
QImage decodePicture(QIODevice *device, QSize decodeSize = QSize());

// A picture file read whole on the calling thread: opened only when it is a
// regular file, checked, then decoded at the size scale gives for its
// header's size (none: its own size).
struct PictureFile {
    QImage image;   // null when refused or unreadable
    QString error;  // why, in Korean
};
using DecodeSize = std::function<QSize(QSize natural)>;
PictureFile readPictureFile(const QString &path, const DecodeSize &scale = nullptr);
// Only the check, without decoding (fast: the header only).
PictureCheck checkPictureFile(const QString &path);
