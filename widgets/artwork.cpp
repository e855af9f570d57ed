#include "widgets/artwork.h"

#include "layout/layout.h"

#include <QBuffer>
#include <QFile>
#include <QHash>
#include <QImageReader>

#include <algorithm>
#include <optional>

namespace {

struct ArtEntry {
    const char *path;
    int width, height;
    const char *scaledExt = nullptr;  // the @2x and @3x variants' extension; none without
};

ArtEntry entry(Art art)
{
    switch (art) {
    case Art::Splash: return {":/art/splash.jpg", 640, 480};
    case Art::SetPanel:
        return {":/art/set_panel.jpg", layout::splash::SetPanel.width, layout::splash::SetPanel.height};
    case Art::OneBackground: return {":/art/one_background.jpg", 1024, 768, "jpg"};
    case Art::TwoBackground: return {":/art/two_background.jpg", 1024, 768, "jpg"};
    case Art::OneQuiz: return {":/art/one_quiz.jpg", 640, 520, "jpg"};
    case Art::TwoQuiz: return {":/art/two_quiz.jpg", 640, 480, "jpg"};
    case Art::Picker: return {":/art/picker.jpg", 475, 199, "jpg"};
    case Art::Bingo: return {":/art/bingo.jpg", 500, 500, "jpg"};
    case Art::Score: return {":/art/score.jpg", 520, 520, "jpg"};
    case Art::Right: return {":/art/right.png", 300, 300, "png"};
    case Art::Wrong: return {":/art/wrong.png", 300, 300, "png"};
    case Art::Tile: return {":/art/tile.bmp", 241, 192};
    case Art::TileSource: return {":/art/tile_source.bmp", 244, 194, "png"};
    case Art::HeartPink: return {":/art/heart_pink.gif", 100, 100, "png"};
    case Art::HeartGreen: return {":/art/heart_green.gif", 100, 100, "png"};
    case Art::Cross: return {":/art/cross.gif", 100, 100, "png"};
    }
    return {"", 1, 1};
}

bool exampleIsBitmap(int index)
{
    return index >= 0 && index < kExampleCount && kExamples[index].bitmap;
}

}  // namespace

QString artResourcePath(Art art)
{
    return QString::fromLatin1(entry(art).path);
}

QSize artSize(Art art)
{
    const ArtEntry e = entry(art);
    return QSize(e.width, e.height);
}

QImage artImage(Art art)
{
    QImage img(artResourcePath(art));
    if (img.isNull()) {
        img = QImage(artSize(art), QImage::Format_RGB32);
        img.fill(Qt::lightGray);
    }
    return img;
}

namespace {

QHash<int, QPixmap> &pixmapCache()
{
    static QHash<int, QPixmap> cache;
    return cache;
}

// The artwork whose cached pixmap p is, if it is one.
std::optional<Art> artOf(const QPixmap &p)
{
    const QHash<int, QPixmap> &cache = pixmapCache();
    for (auto it = cache.begin(); it != cache.end(); ++it)
        if (it->cacheKey() == p.cacheKey())
            return Art(it.key());
    return std::nullopt;
}

// The variant rendered at n times the catalogue size (n 1 to 3).
QImage artVariant(Art art, int n)
{
    const ArtEntry e = entry(art);
    if (n <= 1 || !e.scaledExt)
        return artImage(art);
    QString path = QString::fromLatin1(e.path);
    path.truncate(path.lastIndexOf(QLatin1Char('.')));
    QImage img(QStringLiteral("%1@%2x.%3").arg(path).arg(n).arg(QLatin1String(e.scaledExt)));
    return img.isNull() ? artImage(art) : img;
}

}  // namespace

QPixmap artPixmap(Art art)
{
    QHash<int, QPixmap> &cache = pixmapCache();
    auto it = cache.find(int(art));
    if (it == cache.end())
        it = cache.insert(int(art), QPixmap::fromImage(artImage(art)));
    return *it;
}

QPixmap picturePixmapAt(const QPixmap &picture, QSize deviceSize)
{
    if (picture.isNull() || deviceSize.isEmpty() || picture.size() == deviceSize)
        return picture;
    static QHash<QString, QPixmap> sized;
    const QString key = QStringLiteral("%1 %2 %3").arg(picture.cacheKey()).arg(deviceSize.width()).arg(deviceSize.height());
    if (const auto it = sized.constFind(key); it != sized.constEnd())
        return *it;
    if (sized.size() > 96)
        sized.clear();
    QImage source;
    if (const std::optional<Art> art = artOf(picture)) {
        // The smallest variant at least as large as drawn, else the largest;
        // stretched by a few per cent (a tile of the grid) it stays itself.
        const double ratio = std::max(double(deviceSize.width()) / picture.width(),
                                      double(deviceSize.height()) / picture.height());
        const int n = ratio <= 1.05 ? 1 : ratio <= 2.0 ? 2 : 3;
        source = artVariant(*art, n);
    } else {
        source = picture.toImage();
    }
    QPixmap out = QPixmap::fromImage(source.size() == deviceSize
                                         ? source
                                         : source.scaled(deviceSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    sized.insert(key, out);
    return out;
}

// The hot spot of a .cur file: little-endian 16-bit values at offsets 10 and
// 12 of its first directory entry (Qt reads the picture but not these).
static QPoint curHotSpot(const QByteArray &file)
{
    if (file.size() < 14 || file[2] != 2 || file[3] != 0)
        return QPoint(layout::kHandHotX, layout::kHandHotY);
    auto at = [&file](int i) { return int(uchar(file[i])) | int(uchar(file[i + 1])) << 8; };
    return QPoint(at(10), at(12));
}

QCursor handCursor()
{
    static const QCursor cursor = [] {
        QFile f(QStringLiteral(":/art/hand.cur"));
        const QByteArray bytes = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        // The ICO reader takes a .cur only when asked for by name: with
        // detection on, Qt would first load every image plugin to probe it.
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "ico");
        reader.setAutoDetectImageFormat(false);
        const QImage img = reader.read();
        if (img.isNull())
            return QCursor(Qt::PointingHandCursor);
        const QPoint hot = curHotSpot(bytes);
        return QCursor(QPixmap::fromImage(img), hot.x(), hot.y());
    }();
    return cursor;
}

QIcon programIcon()
{
    return QIcon(QStringLiteral(":/art/icon.ico"));
}

QString exampleResourcePath(int index)
{
    return QStringLiteral(":/examples/%1.%2")
        .arg(index, 2, 10, QLatin1Char('0'))
        .arg(exampleIsBitmap(index) ? QStringLiteral("bmp") : QStringLiteral("jpg"));
}

QImage exampleImage(int index)
{
    if (index < 0 || index >= kExampleCount)
        return {};
    return QImage(exampleResourcePath(index));
}
