// The artwork generator, run by the build (QT_QPA_PLATFORM=offscreen):
//   domisol_assetgen art      SVGDIR      OUTDIR  board pictures, marks, cursor, icon,
//                                                 and the board pictures again at two and
//                                                 three times the size (NAME@2x.EXT, @3x)
//   domisol_assetgen examples EXAMPLEDIR  OUTDIR  the 35 example pictures NN.jpg|bmp
//   domisol_assetgen games    GAMEDIR     IMGDIR  game pictures N.jpg, never over a
//                                                 picture of the teacher's
//   domisol_assetgen icons    SVGFILE     OUTDIR  the desktop icon at the hicolor
//                                                 sizes, OUTDIR/NxN/apps/domisol.png
// A missing example or game drawing gives a placeholder carrying its title.
#include "assets/gen/file_formats.h"
#include "assets/gen/hand_cursor.h"
#include "assets/gen/paint_kit.h"
#include "assets/gen/pictures.h"
#include "assets/gen/shared/example_table.h"
#include "layout/layout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QSaveFile>

#include <cstdio>

using namespace artgen;

namespace {

// Game pictures the generator made without a drawing carry this comment, so
// a later build may replace them once the drawing exists.
const QByteArray kPlaceholderMark = "domisol-placeholder";

bool g_ok = true;

void check(bool ok, const QString &what)
{
    if (!ok) {
        std::fprintf(stderr, "domisol_assetgen: cannot write %s\n", qPrintable(what));
        g_ok = false;
    }
}

void saveJpeg(const QImage &img, const QString &path, bool progressive = false,
              const QByteArray &comment = {})
{
    QSaveFile f(path);
    bool ok = f.open(QIODevice::WriteOnly);
    QImageWriter w(&f, "jpeg");
    w.setQuality(92);
    w.setProgressiveScanWrite(progressive);
    if (!comment.isEmpty())
        w.setText(QStringLiteral("Comment"), QString::fromLatin1(comment));
    ok = ok && w.write(img.convertToFormat(QImage::Format_RGB32)) && f.commit();
    check(ok, path);
}

void saveBmp24(const QImage &img, const QString &path)
{
    QSaveFile f(path);
    const bool ok = f.open(QIODevice::WriteOnly)
                    && img.convertToFormat(QImage::Format_RGB888).save(&f, "BMP") && f.commit();
    check(ok, path);
}

// Drawings may leave parts transparent: they are stored laid on white.
QImage onWhite(const QImage &drawing)
{
    QImage flat = canvas(drawing.width(), drawing.height());
    QPainter(&flat).drawImage(0, 0, drawing);
    return flat;
}

void savePng(const QImage &img, const QString &path)
{
    QSaveFile f(path);
    const bool ok = f.open(QIODevice::WriteOnly) && img.save(&f, "PNG") && f.commit();
    check(ok, path);
}

const QColor kPinkHeart(0xFF, 0x4F, 0x9A);
const QColor kGreenHeart(0x2C, 0xC0, 0x3C);

// The pictures a board draws, painted at n times their catalogue size, for
// boards shown larger than their design and screens of more than one device
// pixel per pixel. Marks and verdict pictures keep their alpha as PNG.
void makeScaledArt(const QString &out, int n)
{
    setPaintScale(n);
    const QString at = QStringLiteral("@%1x").arg(n);
    saveJpeg(oneBackground(), out + "/one_background" + at + ".jpg");
    saveJpeg(twoBackground(), out + "/two_background" + at + ".jpg");
    saveJpeg(oneQuizPanel(), out + "/one_quiz" + at + ".jpg");
    saveJpeg(twoQuizPanel(), out + "/two_quiz" + at + ".jpg");
    saveJpeg(pickerPanel(), out + "/picker" + at + ".jpg");
    saveJpeg(bingoPicture(), out + "/bingo" + at + ".jpg");
    saveJpeg(scorePicture(), out + "/score" + at + ".jpg");
    savePng(rightPicture(), out + "/right" + at + ".png");
    savePng(wrongPicture(), out + "/wrong" + at + ".png");
    savePng(tilePicture(244, 194), out + "/tile_source" + at + ".png");
    savePng(heartPicture(kPinkHeart), out + "/heart_pink" + at + ".png");
    savePng(heartPicture(kGreenHeart), out + "/heart_green" + at + ".png");
    savePng(crossPicture(), out + "/cross" + at + ".png");
    setPaintScale(1);
}

void makeArt(const QString &out)
{
    QDir().mkpath(out);
    saveJpeg(splashScreen(), out + "/splash.jpg");
    saveJpeg(setPanel(), out + "/set_panel.jpg");
    saveJpeg(oneBackground(), out + "/one_background.jpg", true);
    saveJpeg(twoBackground(), out + "/two_background.jpg");
    saveJpeg(oneQuizPanel(), out + "/one_quiz.jpg");
    saveJpeg(twoQuizPanel(), out + "/two_quiz.jpg");
    saveJpeg(pickerPanel(), out + "/picker.jpg");
    saveJpeg(bingoPicture(), out + "/bingo.jpg");
    saveJpeg(scorePicture(), out + "/score.jpg");
    savePng(rightPicture(), out + "/right.png");
    savePng(wrongPicture(), out + "/wrong.png");
    saveBmp24(tilePicture(241, 192), out + "/tile.bmp");
    saveBmp24(tilePicture(244, 194), out + "/tile_source.bmp");
    check(writeTransparentGif(heartPicture(kPinkHeart), out + "/heart_pink.gif"), "heart_pink.gif");
    check(writeTransparentGif(heartPicture(kGreenHeart), out + "/heart_green.gif"), "heart_green.gif");
    check(writeTransparentGif(crossPicture(), out + "/cross.gif"), "cross.gif");
    check(writeMonoCursor(handRows(), layout::kHandHotX, layout::kHandHotY, out + "/hand.cur"), "hand.cur");
    const QString flake = sourcePath(QStringLiteral("snowflake.svg"));
    check(writeIcon16({renderSvgFile(flake, 32, 32), renderSvgFile(flake, 16, 16)}, out + "/icon.ico"),
          "icon.ico");
    for (int n : {2, 3})
        makeScaledArt(out, n);
}

void makeIcons(const QString &svg, const QString &out)
{
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(out).arg(size);
        QDir().mkpath(dir);
        const QImage icon = renderSvgFile(svg, size, size);
        check(!icon.isNull() && icon.save(dir + "/domisol.png", "PNG"), dir + "/domisol.png");
    }
}

void makeExamples(const QString &src, const QString &out)
{
    QDir().mkpath(out);
    for (int i = 0; i < kExampleCount; ++i) {
        const ExampleEntry &e = kExamples[i];
        const QString nn = QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
        QImage img = renderSvgFile(src + "/" + nn + ".svg", e.width, e.height);
        if (img.isNull()) {
            img = placeholderPicture(e.width, e.height, QString::fromUtf8(e.title));
        } else {
            img = onWhite(img);
        }
        if (e.bitmap)
            saveBmp24(img, out + "/" + nn + ".bmp");
        else
            saveJpeg(img, out + "/" + nn + ".jpg");
    }
}

bool isPlaceholder(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) && f.read(4096).contains(kPlaceholderMark);
}

// Game pictures fill the play area; the board stretches them to it anyway.
void makeGames(const QString &src, const QString &imgDir)
{
    QDir().mkpath(imgDir);
    const int w = layout::Img_SRC.width, h = layout::Img_SRC.height;
    for (int n = 1; n <= 10; ++n) {
        const QString target = QStringLiteral("%1/%2.jpg").arg(imgDir).arg(n);
        const bool exists = QFileInfo::exists(target);
        if (exists && !isPlaceholder(target))
            continue;  // the teacher's picture, or one already drawn
        const QImage drawing = renderSvgFile(QStringLiteral("%1/%2.svg").arg(src).arg(n), w, h);
        if (drawing.isNull()) {
            if (!exists)
                saveJpeg(placeholderPicture(w, h, QStringLiteral("%1번 게임 그림").arg(n)), target, false,
                         kPlaceholderMark);
            continue;
        }
        saveJpeg(onWhite(drawing), target);
    }
}

}  // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s art|examples|games|icons SRC OUTDIR\n", argv[0]);
        return 2;
    }
    const QString mode = QString::fromLocal8Bit(argv[1]);
    const QString src = QString::fromLocal8Bit(argv[2]);
    const QString out = QString::fromLocal8Bit(argv[3]);
    if (mode == QLatin1String("art")) {
        setSourceDir(src);
        makeArt(out);
    } else if (mode == QLatin1String("examples")) {
        makeExamples(src, out);
    } else if (mode == QLatin1String("games")) {
        makeGames(src, out);
    } else if (mode == QLatin1String("icons")) {
        makeIcons(src, out);
    } else {
        return 2;
    }
    return g_ok ? 0 : 1;
}
