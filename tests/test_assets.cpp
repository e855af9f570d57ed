// The embedded pictures, cursor and icon against the catalogue (checked by
// content, not by name), the painted faces under the click areas, the sound
// cues of the run folder and the game pictures laid into img/.
#include "assets/gen/pictures.h"
#include "layout/layout.h"
#include "tests/file_io.h"
#include "widgets/artwork.h"

#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {

int le16(const QByteArray &b, int at)
{
    return int(uchar(b[at])) | int(uchar(b[at + 1])) << 8;
}

quint32 le32(const QByteArray &b, int at)
{
    return quint32(le16(b, at)) | quint32(le16(b, at + 2)) << 16;
}

// True when the JPEG's frame header is of the given kind (0xC0 baseline,
// 0xC2 progressive); walks the markers instead of searching the bytes.
bool jpegFrameIs(const QByteArray &b, uchar sof)
{
    int i = 2;
    while (i + 4 <= b.size() && uchar(b[i]) == 0xFF) {
        const uchar marker = uchar(b[i + 1]);
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
            return marker == sof;
        i += 2 + (int(uchar(b[i + 2])) << 8 | uchar(b[i + 3]));
    }
    return false;
}

int colourDistance(QRgb a, QRgb b)
{
    return qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b));
}

// Share of a grid of samples over the middle half of `r` where `painted`
// differs clearly from `plain`.
double paintedShare(const QImage &painted, const QImage &plain, const layout::Rect &r)
{
    int hits = 0, samples = 0;
    for (int gy = 0; gy < 8; ++gy)
        for (int gx = 0; gx < 12; ++gx) {
            const int x = r.left + r.width / 4 + (r.width / 2) * gx / 11;
            const int y = r.top + r.height / 4 + (r.height / 2) * gy / 7;
            if (!painted.rect().contains(x, y))
                continue;
            ++samples;
            if (colourDistance(painted.pixel(x, y), plain.pixel(x, y)) > 60)
                ++hits;
        }
    return samples ? double(hits) / samples : 0.0;
}

using Painter = std::function<QImage()>;

}  // namespace

Q_DECLARE_METATYPE(Art)
Q_DECLARE_METATYPE(Painter)
Q_DECLARE_METATYPE(layout::Rect)

class TestAssets : public QObject {
    Q_OBJECT
private slots:
    void pictures_data();
    void pictures();
    void progressiveBackground();
    void bitmapsAre24Bits_data();
    void bitmapsAre24Bits();
    void scaledVariants_data();
    void scaledVariants();
    void transparentMarks_data();
    void transparentMarks();
    void handCursorFile();
    void programIconFile();
    void examples_data();
    void examples();
    void facesUnderClickAreas_data();
    void facesUnderClickAreas();
    void textOnItsBox_data();
    void textOnItsBox();
    void scoreBubbleHoldsTheScores();
    void cues_data();
    void cues();
    void gamePicturesNeverOverwriteTheTeachers();
};

void TestAssets::pictures_data()
{
    QTest::addColumn<Art>("art");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("size");
    QTest::newRow("splash") << Art::Splash << QByteArray("jpeg") << QSize(640, 480);
    QTest::newRow("one background") << Art::OneBackground << QByteArray("jpeg") << QSize(1024, 768);
    QTest::newRow("two background") << Art::TwoBackground << QByteArray("jpeg") << QSize(1024, 768);
    QTest::newRow("one quiz panel") << Art::OneQuiz << QByteArray("jpeg") << QSize(640, 520);
    QTest::newRow("two quiz panel") << Art::TwoQuiz << QByteArray("jpeg") << QSize(640, 480);
    QTest::newRow("bingo") << Art::Bingo << QByteArray("jpeg") << QSize(500, 500);
    QTest::newRow("score") << Art::Score << QByteArray("jpeg") << QSize(520, 520);
    QTest::newRow("right") << Art::Right << QByteArray("png") << QSize(300, 300);
    QTest::newRow("wrong") << Art::Wrong << QByteArray("png") << QSize(300, 300);
    QTest::newRow("picker") << Art::Picker << QByteArray("jpeg") << QSize(475, 199);
    QTest::newRow("tile") << Art::Tile << QByteArray("bmp") << QSize(241, 192);
    QTest::newRow("tile source") << Art::TileSource << QByteArray("bmp") << QSize(244, 194);
    QTest::newRow("pink heart") << Art::HeartPink << QByteArray("gif") << QSize(100, 100);
    QTest::newRow("green heart") << Art::HeartGreen << QByteArray("gif") << QSize(100, 100);
    QTest::newRow("cross card") << Art::Cross << QByteArray("gif") << QSize(100, 100);
}

// Each picture is embedded, of its catalogue format by content, at its size,
// and artImage gives the real picture, not the grey stand-in.
void TestAssets::pictures()
{
    QFETCH(Art, art);
    QFETCH(QByteArray, format);
    QFETCH(QSize, size);
    QImageReader reader(artResourcePath(art));
    reader.setDecideFormatFromContent(true);
    QCOMPARE(reader.format(), format);
    QCOMPARE(reader.size(), size);
    const QImage img = reader.read();
    QVERIFY2(!img.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(artSize(art), size);
    QCOMPARE(artImage(art).size(), size);
    QCOMPARE(artImage(art).convertToFormat(QImage::Format_ARGB32), img.convertToFormat(QImage::Format_ARGB32));
}

// The one-team background is progressive, the other JPEGs baseline, and the
// progressive one decodes to its last row (the balls' bar is there).
void TestAssets::progressiveBackground()
{
    QVERIFY(jpegFrameIs(readAll(artResourcePath(Art::OneBackground)), 0xC2));
    QVERIFY(jpegFrameIs(readAll(artResourcePath(Art::TwoBackground)), 0xC0));
    QVERIFY(jpegFrameIs(readAll(artResourcePath(Art::Splash)), 0xC0));
    const QImage img = artImage(Art::OneBackground);
    const QImage plain = artgen::oneBackground(artgen::Faces::Plain);
    for (int y : {700, 760})
        for (int x : {20, 500, 1000})
            QVERIFY2(colourDistance(img.pixel(x, y), plain.pixel(x, y)) < 60,
                     qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
}

void TestAssets::bitmapsAre24Bits_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("tile") << artResourcePath(Art::Tile);
    QTest::newRow("tile source") << artResourcePath(Art::TileSource);
    for (int i : {5, 20, 21, 23})
        QTest::newRow(qPrintable(QStringLiteral("example %1").arg(i))) << exampleResourcePath(i);
}

void TestAssets::bitmapsAre24Bits()
{
    QFETCH(QString, path);
    const QByteArray b = readAll(path);
    QVERIFY(b.size() > 54);
    QCOMPARE(b.left(2), QByteArray("BM"));
    QCOMPARE(le16(b, 28), 24);        // bits per pixel
    QCOMPARE(int(le32(b, 30)), 0);    // uncompressed
}

void TestAssets::scaledVariants_data()
{
    QTest::addColumn<Art>("art");
    QTest::addColumn<bool>("transparentCorners");
    QTest::newRow("one background") << Art::OneBackground << false;
    QTest::newRow("two quiz panel") << Art::TwoQuiz << false;
    QTest::newRow("picker") << Art::Picker << false;
    QTest::newRow("right") << Art::Right << true;
    QTest::newRow("wrong") << Art::Wrong << true;
    QTest::newRow("pink heart") << Art::HeartPink << true;
    QTest::newRow("cross card") << Art::Cross << true;
}

// A board drawn larger takes each picture from the variant rendered at that
// size from the same source (not the small one blown up); a picture drawn at
// a size between two variants comes from the larger one.
void TestAssets::scaledVariants()
{
    QFETCH(Art, art);
    QFETCH(bool, transparentCorners);
    const QSize size = artSize(art);
    for (int n : {2, 3}) {
        QString path = artResourcePath(art);
        path.truncate(path.lastIndexOf('.'));
        const QString suffix = art == Art::OneBackground || art == Art::TwoQuiz || art == Art::Picker ? "jpg" : "png";
        const QImage variant(QStringLiteral("%1@%2x.%3").arg(path).arg(n).arg(suffix));
        QCOMPARE(variant.size(), size * n);
        const QImage drawn = picturePixmapAt(artPixmap(art), size * n).toImage();
        QCOMPARE(drawn.convertToFormat(QImage::Format_ARGB32), variant.convertToFormat(QImage::Format_ARGB32));
        if (transparentCorners) {
            for (QPoint corner : {QPoint(0, 0), QPoint(size.width() * n - 1, size.height() * n - 1)})
                QCOMPARE(qAlpha(drawn.pixel(corner)), 0);
        }
    }
    const QSize between = size * 2.8125;
    QCOMPARE(picturePixmapAt(artPixmap(art), between).size(), between);
    QCOMPARE(picturePixmapAt(artPixmap(art), size), artPixmap(art));
}

void TestAssets::transparentMarks_data()
{
    QTest::addColumn<Art>("art");
    QTest::newRow("pink heart") << Art::HeartPink;
    QTest::newRow("green heart") << Art::HeartGreen;
    QTest::newRow("cross card") << Art::Cross;
}

// GIF89a with a transparent colour: corners show through, the middle does not.
void TestAssets::transparentMarks()
{
    QFETCH(Art, art);
    const QByteArray b = readAll(artResourcePath(art));
    QCOMPARE(b.left(6), QByteArray("GIF89a"));
    const int gce = b.indexOf(QByteArray("\x21\xF9\x04", 3));
    QVERIFY(gce > 0);
    QVERIFY(uchar(b[gce + 3]) & 1);  // transparent colour flag
    const QImage img = artImage(art).convertToFormat(QImage::Format_ARGB32);
    QVERIFY(img.hasAlphaChannel());
    for (QPoint corner : {QPoint(0, 0), QPoint(99, 0), QPoint(0, 99), QPoint(99, 99)})
        QCOMPARE(qAlpha(img.pixel(corner)), 0);
    QCOMPARE(qAlpha(img.pixel(50, 50)), 255);
}

// A 1-bit 32 x 32 .cur whose hot spot, read from the file, is the fingertip;
// handCursor() takes the same hot spot.
void TestAssets::handCursorFile()
{
    const QByteArray b = readAll(QStringLiteral(":/art/hand.cur"));
    QVERIFY(b.size() > 22 + 40);
    QCOMPARE(le16(b, 2), 2);  // cursor, not icon
    QCOMPARE(le16(b, 4), 1);
    QCOMPARE(int(uchar(b[6])), 32);
    QCOMPARE(int(uchar(b[7])), 32);
    const QPoint hot(le16(b, 10), le16(b, 12));
    QCOMPARE(hot, QPoint(layout::kHandHotX, layout::kHandHotY));
    const int dib = int(le32(b, 18));
    QCOMPARE(le16(b, dib + 14), 1);  // monochrome

    const QImage img = QImage::fromData(b, "ICO").convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(img.size(), QSize(32, 32));
    QCOMPARE(qAlpha(img.pixel(hot)), 255);
    int white = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const QRgb c = img.pixel(x, y);
            if (qAlpha(c) == 0)
                continue;
            QVERIFY(c == qRgb(0, 0, 0) || c == qRgb(255, 255, 255));
            white += c == qRgb(255, 255, 255);
        }
    QVERIFY(white > 100);  // a white hand, not an outline alone

    QCOMPARE(handCursor().hotSpot(), hot);
    QCOMPARE(handCursor().pixmap().size(), QSize(32, 32));
}

// A 16-colour .ico with 32 x 32 and 16 x 16 pictures of a cyan snowflake.
void TestAssets::programIconFile()
{
    const QByteArray b = readAll(QStringLiteral(":/art/icon.ico"));
    QVERIFY(b.size() > 6);
    QCOMPARE(le16(b, 2), 1);
    QCOMPARE(le16(b, 4), 2);
    QList<int> sizes;
    for (int i = 0; i < 2; ++i) {
        const int e = 6 + 16 * i;
        QCOMPARE(int(uchar(b[e])), int(uchar(b[e + 1])));
        sizes << int(uchar(b[e]));
        QCOMPARE(int(uchar(b[e + 2])), 16);  // colour count
        QCOMPARE(le16(b, e + 6), 4);         // bits per pixel
        QCOMPARE(le16(b, int(le32(b, e + 12)) + 14), 4);
    }
    std::sort(sizes.begin(), sizes.end());
    QCOMPARE(sizes, QList<int>({16, 32}));

    QImageReader reader(QStringLiteral(":/art/icon.ico"));
    QCOMPARE(reader.imageCount(), 2);
    for (int i = 0; i < 2; ++i) {
        reader.jumpToImage(i);
        const QImage img = reader.read().convertToFormat(QImage::Format_ARGB32);
        QSet<QRgb> colours;
        int cyan = 0, opaque = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QRgb c = img.pixel(x, y);
                if (qAlpha(c) < 255)
                    continue;
                colours.insert(c);
                ++opaque;
                cyan += qRed(c) < 100 && qGreen(c) > 100 && qBlue(c) > 100;
            }
        QVERIFY(colours.size() <= 16);
        QVERIFY2(cyan * 2 > opaque, "mostly cyan");
        QVERIFY(opaque * 4 < img.width() * img.height() * 3);  // transparent around the flake
    }
    const QList<QSize> available = programIcon().availableSizes();
    QVERIFY(available.contains(QSize(32, 32)));
    QVERIFY(available.contains(QSize(16, 16)));
}

void TestAssets::examples_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("size");
    // The picture store's table: index, stored form, size.
    const struct { int w, h; bool bmp; } table[35] = {
        {416, 504, false}, {408, 493, false}, {391, 359, false}, {416, 504, false}, {419, 505, false},
        {388, 293, true},  {322, 358, false}, {421, 503, false}, {418, 504, false}, {677, 618, false},
        {322, 358, false}, {414, 484, false}, {322, 358, false}, {388, 293, false}, {322, 358, false},
        {388, 293, false}, {322, 358, false}, {535, 566, false}, {388, 293, false}, {535, 505, false},
        {322, 358, true},  {419, 478, true},  {322, 358, false}, {674, 571, true},  {505, 583, false},
        {322, 358, false}, {483, 610, false}, {388, 293, false}, {322, 358, false}, {388, 293, false},
        {388, 293, false}, {388, 293, false}, {388, 293, false}, {322, 358, false}, {322, 358, false}};
    for (int i = 0; i < 35; ++i)
        QTest::newRow(qPrintable(QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'))))
            << i << QByteArray(table[i].bmp ? "bmp" : "jpeg") << QSize(table[i].w, table[i].h);
}

void TestAssets::examples()
{
    QFETCH(int, index);
    QFETCH(QByteArray, format);
    QFETCH(QSize, size);
    QImageReader reader(exampleResourcePath(index));
    reader.setDecideFormatFromContent(true);
    QCOMPARE(reader.format(), format);
    QCOMPARE(reader.size(), size);
    QCOMPARE(exampleImage(index).size(), size);
}

void TestAssets::facesUnderClickAreas_data()
{
    QTest::addColumn<Art>("art");
    QTest::addColumn<Painter>("plain");
    QTest::addColumn<layout::Rect>("area");
    QTest::addColumn<bool>("painted");  // false: the area must stay plain

    using artgen::Faces;
    const Painter splash = [] { return artgen::splashScreen(Faces::Plain); };
    const Painter one = [] { return artgen::oneBackground(Faces::Plain); };
    const Painter two = [] { return artgen::twoBackground(Faces::Plain); };
    const Painter oneQuiz = [] { return artgen::oneQuizPanel(Faces::Plain); };
    const Painter twoQuiz = [] { return artgen::twoQuizPanel(Faces::Plain); };

    QTest::newRow("splash Command1") << Art::Splash << splash << layout::splash::Command1 << true;
    QTest::newRow("splash Command2") << Art::Splash << splash << layout::splash::Command2 << true;
    QTest::newRow("splash set bar") << Art::Splash << splash << layout::splash::SetBar << true;
    const struct { const char *name; Art art; Painter plain; } boards[] = {
        {"one", Art::OneBackground, one}, {"two", Art::TwoBackground, two}};
    for (const auto &b : boards) {
        QTest::addRow("%s Command5", b.name) << b.art << b.plain << layout::Command5 << true;
        QTest::addRow("%s Command1", b.name) << b.art << b.plain << layout::Command1 << true;
        QTest::addRow("%s Command2", b.name) << b.art << b.plain << layout::Command2 << true;
        for (int i = 0; i < 10; ++i) {
            QTest::addRow("%s GBox %d at design", b.name, i) << b.art << b.plain << layout::GBox[i] << true;
            QTest::addRow("%s GBox %d at run time", b.name, i)
                << b.art << b.plain << layout::gboxAtRun(i) << true;
        }
    }
    QTest::newRow("one clock Label3") << Art::OneBackground << one << layout::one::Label3 << true;
    QTest::newRow("one Time_Up") << Art::OneBackground << one << layout::one::Time_Up << true;
    QTest::newRow("one Command4") << Art::OneBackground << one << layout::one::Command4 << true;
    QTest::newRow("one score Label1") << Art::OneBackground << one << layout::one::Label1 << true;
    QTest::newRow("two: no clock box") << Art::TwoBackground << two << layout::one::Label3 << false;
    QTest::newRow("two: no score box") << Art::TwoBackground << two << layout::one::Label1 << false;

    QTest::newRow("one quiz Command3") << Art::OneQuiz << oneQuiz << layout::one::Command3 << true;
    QTest::newRow("one quiz Label7") << Art::OneQuiz << oneQuiz << layout::one::Label7 << true;
    QTest::newRow("one quiz Label10") << Art::OneQuiz << oneQuiz << layout::one::Label10 << true;
    QTest::newRow("one quiz Label9 plain") << Art::OneQuiz << oneQuiz << layout::Label9 << false;
    QTest::newRow("two quiz Command3") << Art::TwoQuiz << twoQuiz << layout::two::Command3 << true;
    QTest::newRow("two quiz hint strip plain") << Art::TwoQuiz << twoQuiz << layout::two::Label1 << false;
    QTest::newRow("two quiz Label9 plain") << Art::TwoQuiz << twoQuiz << layout::Label9 << false;
    QTest::newRow("two quiz: no 성공 button") << Art::TwoQuiz << twoQuiz << layout::one::Label7 << false;
    QTest::newRow("two quiz: no 실패 button") << Art::TwoQuiz << twoQuiz << layout::one::Label10 << false;
}

// A click area lies over its painted face: much of its middle differs from the
// plain ground the generator paints without faces (a ball fills less than the
// wide run-time box, a misplaced face leaves the middle almost all plain).
// Places left for the program's own text stay plain.
void TestAssets::facesUnderClickAreas()
{
    QFETCH(Art, art);
    QFETCH(Painter, plain);
    QFETCH(layout::Rect, area);
    QFETCH(bool, painted);
    const QImage ground = plain();
    const QImage picture = artImage(art);
    QCOMPARE(ground.size(), picture.size());
    const double share = paintedShare(picture, ground, area);
    if (painted)
        QVERIFY2(share >= 0.45, qPrintable(QStringLiteral("painted share %1").arg(share)));
    else
        QVERIFY2(share <= 0.1, qPrintable(QStringLiteral("painted share %1").arg(share)));
}

void TestAssets::textOnItsBox_data()
{
    QTest::addColumn<Art>("art");
    QTest::addColumn<layout::Rect>("label");
    QTest::addColumn<QColor>("ground");
    QTest::addColumn<int>("inset");  // where the box's rim may lie under the label's ends
    const QColor questionBlue(0xDC, 0xF0, 0xFF);
    QTest::newRow("one Label3 clock") << Art::OneBackground << layout::one::Label3 << QColor(Qt::white) << 0;
    // The score box is exactly as wide as its label.
    QTest::newRow("one Label1 score") << Art::OneBackground << layout::one::Label1 << QColor(0xFF, 0xEC, 0xC8)
                                      << 12;
    QTest::newRow("one quiz Label8") << Art::OneQuiz << layout::one::Label8 << questionBlue << 0;
    QTest::newRow("one quiz Text1") << Art::OneQuiz << layout::one::Text1 << QColor(Qt::white) << 0;
    QTest::newRow("two quiz Label8") << Art::TwoQuiz << layout::two::Label8 << questionBlue << 0;
    QTest::newRow("two quiz Text1") << Art::TwoQuiz << layout::two::Text1 << QColor(Qt::white) << 0;
}

// A label the program writes on lies wholly on its box's one even colour, so
// its text reads the same everywhere in it.
void TestAssets::textOnItsBox()
{
    QFETCH(Art, art);
    QFETCH(layout::Rect, label);
    QFETCH(QColor, ground);
    QFETCH(int, inset);
    const QImage img = artImage(art);
    for (int y = label.top + 1; y < label.bottom() - 1; y += 3)
        for (int x = label.left + 1 + inset; x < label.right() - 1 - inset; x += 3)
            QVERIFY2(colourDistance(img.pixel(x, y), ground.rgb()) < 40,
                     qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
}

// The speech bubble of the score picture is empty and holds both the one-team
// score (Label6, up to the picture's edge) and the two teams' hearts and scores.
void TestAssets::scoreBubbleHoldsTheScores()
{
    const QImage img = artImage(Art::Score);
    const layout::Rect label6 = layout::one::Label6;
    const QRect oneTeam(label6.left, label6.top, qMin(label6.width, img.width() - 4 - label6.left),
                        label6.height);
    QRect twoTeams;
    for (int i : {2, 3})
        twoTeams |= QRect(layout::two::Img_Team[i].left, layout::two::Img_Team[i].top,
                          layout::two::Img_Team[i].width, layout::two::Img_Team[i].height)
                    | QRect(layout::two::Label_Team_Score[i].left, layout::two::Label_Team_Score[i].top,
                            layout::two::Label_Team_Score[i].width, layout::two::Label_Team_Score[i].height);
    for (const QRect &r : {oneTeam, twoTeams}) {
        // Inset a little: the bubble's rim may pass near the corners.
        const QRect inner = r.adjusted(12, 12, -12, -12);
        for (int y = inner.top(); y <= inner.bottom(); y += 6)
            for (int x = inner.left(); x <= inner.right(); x += 6) {
                const QRgb c = img.pixel(x, y);
                QVERIFY2(qRed(c) > 235 && qGreen(c) > 180 && qGreen(c) < 240 && qBlue(c) > 90
                             && qBlue(c) < 190,
                         qPrintable(QStringLiteral("not bubble at %1,%2").arg(x).arg(y)));
            }
    }
}

void TestAssets::cues_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("maxSeconds");
    for (const char *name : {"applous.WAV", "bingo.wav", "bome.wav", "box.wav", "end.wav", "right.wav",
                             "send.wav", "start.wav"})
        QTest::newRow(name) << QString::fromLatin1(name) << 4.0;
    // Heard with every answer or every clock tick: short.
    QTest::newRow("Click.wav") << QStringLiteral("Click.wav") << 0.3;
    QTest::newRow("timer.wav") << QStringLiteral("timer.wav") << 0.2;
}

// Each cue is a 16-bit PCM WAV in the run folder under its exact name, short,
// audible and not clipped.
void TestAssets::cues()
{
    QFETCH(QString, name);
    QFETCH(double, maxSeconds);
    QFile f(QStringLiteral(DOMISOL_RUN_DIR "/") + name);
    QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(f.fileName()));
    const QByteArray b = f.readAll();
    QVERIFY(b.size() > 44);
    QCOMPARE(b.left(4), QByteArray("RIFF"));
    QCOMPARE(b.mid(8, 8), QByteArray("WAVEfmt "));
    QCOMPARE(le16(b, 20), 1);   // PCM
    QCOMPARE(le16(b, 34), 16);  // bits
    const int channels = le16(b, 22);
    const quint32 rate = le32(b, 24);
    QCOMPARE(b.mid(36, 4), QByteArray("data"));
    const int samples = int(le32(b, 40)) / 2;
    QCOMPARE(44 + 2 * samples, int(b.size()));
    const double seconds = double(samples) / channels / rate;
    QVERIFY2(seconds <= maxSeconds && seconds > 0.03, qPrintable(QString::number(seconds)));
    int peak = 0, atLimit = 0;
    for (int i = 0; i < samples; ++i) {
        const int v = qAbs(int(qint16(le16(b, 44 + 2 * i))));
        peak = qMax(peak, v);
        atLimit += v >= 32767;
    }
    QVERIFY2(peak > 32768 / 5, "audible");
    QVERIFY2(atLimit < 4, "not clipped");
}

// The build lays game pictures into img/ only where none is, replaces only its
// own placeholders once a drawing exists, and never touches a teacher's file.
void TestAssets::gamePicturesNeverOverwriteTheTeachers()
{
    QTemporaryDir src, img;
    QVERIFY(src.isValid() && img.isValid());
    const QByteArray teachers = "not even a picture, but the teacher's";
    {
        QFile f(img.filePath(QStringLiteral("1.jpg")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(teachers);
    }
    auto run = [&] {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(DOMISOL_ASSETGEN), {QStringLiteral("games"), src.path(), img.path()});
        return p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    };
    auto pixelAt = [&](int n) {
        return QImage(img.filePath(QStringLiteral("%1.jpg").arg(n))).pixel(370, 290);
    };
    QVERIFY(run());
    for (int n = 2; n <= 10; ++n) {
        QImageReader r(img.filePath(QStringLiteral("%1.jpg").arg(n)));
        QCOMPARE(r.format(), QByteArray("jpeg"));
        QCOMPARE(r.size(), QSize(layout::Img_SRC.width, layout::Img_SRC.height));
    }
    const QRgb placeholder3 = pixelAt(3);

    // A drawing for game 2 lands: its placeholder gives way, the others stay.
    {
        QFile f(src.filePath(QStringLiteral("2.svg")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("<svg xmlns='http://www.w3.org/2000/svg' width='100' height='80'>"
                "<rect width='100' height='80' fill='#0000FF'/></svg>");
    }
    {
        QFile f(src.filePath(QStringLiteral("1.svg")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'/>");
    }
    QVERIFY(run());
    QVERIFY(colourDistance(pixelAt(2), qRgb(0, 0, 255)) < 30);
    QCOMPARE(pixelAt(3), placeholder3);
    QFile teacher(img.filePath(QStringLiteral("1.jpg")));
    QVERIFY(teacher.open(QIODevice::ReadOnly));
    QCOMPARE(teacher.readAll(), teachers);

    // A drawn picture is the teacher's from then on, even if the drawing changes.
    {
        QFile f(src.filePath(QStringLiteral("2.svg")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("<svg xmlns='http://www.w3.org/2000/svg' width='100' height='80'>"
                "<rect width='100' height='80' fill='#FF0000'/></svg>");
    }
    QVERIFY(run());
    QVERIFY(colourDistance(pixelAt(2), qRgb(0, 0, 255)) < 30);
}

QTEST_MAIN(TestAssets)
#include "test_assets.moc"
