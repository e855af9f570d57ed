#include "widgets/artwork.h"

#include "layout/layout.h"

#include <QFile>
#include <QHash>
#include <QImageReader>

namespace {

struct ArtEntry {
    const char *path;
    int width, height;
};

ArtEntry entry(Art art)
{
    switch (art) {
    case Art::Splash: return {":/art/splash.jpg", 640, 480};
    case Art::SetPanel:
        return {":/art/set_panel.jpg", layout::splash::SetPanel.width, layout::splash::SetPanel.height};
    case Art::OneBackground: return {":/art/one_background.jpg", 1024, 768};
    case Art::TwoBackground: return {":/art/two_background.jpg", 1024, 768};
    case Art::OneQuiz: return {":/art/one_quiz.jpg", 640, 520};
    case Art::TwoQuiz: return {":/art/two_quiz.jpg", 640, 480};
    case Art::Bingo: return {":/art/bingo.jpg", 500, 500};
    case Art::Score: return {":/art/score.jpg", 520, 520};
    case Art::Right: return {":/art/right.jpg", 300, 300};
    case Art::Wrong: return {":/art/wrong.jpg", 300, 300};
    case Art::Tile: return {":/art/tile.bmp", 241, 192};
    case Art::TileSource: return {":/art/tile_source.bmp", 244, 194};
    case Art::HeartPink: return {":/art/heart_pink.gif", 100, 100};
    case Art::HeartGreen: return {":/art/heart_green.gif", 100, 100};
    case Art::Cross: return {":/art/cross.gif", 100, 100};
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

QPixmap artPixmap(Art art)
{
    static QHash<int, QPixmap> cache;
    auto it = cache.find(int(art));
    if (it == cache.end())
        it = cache.insert(int(art), QPixmap::fromImage(artImage(art)));
    return *it;
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
        const QImage img = QImage::fromData(bytes, "ICO");
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
