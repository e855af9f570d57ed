// The one-team window under the offscreen platform: what shows at start, where
// clicks land, the panel sliding in, the editor hook, the game picture.
#include "screens/frm_main1.h"
#include "tests/bomb_picture.h"
#include "tests/window_fixture.h"
#include "widgets/cue_player.h"
#include "widgets/layout_qt.h"
#include "widgets/picture_loader.h"

#include <QApplication>
#include <QImageWriter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <QPainter>
#include <QStandardPaths>

#include <cmath>

#include "core/settings.h"
#include "widgets/full_screen_button.h"

namespace {

struct Window : BoardWindow<FrmMain1> {
    Window() : BoardWindow(QStringLiteral("question %1;answer %1")) {}
};

}  // namespace

class TestFrmMain1 : public QObject {
    Q_OBJECT
private slots:
    void windowAtStart();
    void handCursorExactlyOnClickAreas();
    void cursorWhereTheMouseIs();
    void textStylesAndPanelPlaces();
    void clickOnANumberReachesItsCell();
    void panelSlidesInFromTheMiddle();
    void panelButtonsLieOverTheirFaces();
    void aWholeQuestionByClicks();
    void scorePanelClickLandsOnLabel5();
    void rightReleaseRequestsTheEditor();
    void pictureLoader_data();
    void pictureLoader();
    void cuesFromBadFilesAreSilent();
    void refusedPictureKeepsThePreviousOne_data();
    void refusedPictureKeepsThePreviousOne();
    void revealPaintsAnOutlinedCaption();
    void clicksLandAtEveryScale_data();
    void clicksLandAtEveryScale();
    void longTextsShowWhole_data();
    void longTextsShowWhole();
    void portraitPictureIsCropped();
    void fullScreenByKeysIsRemembered();
};

void TestFrmMain1::windowAtStart()
{
    Window t;
    t.verifySharedAtStart(QStringLiteral("도미솔게임 - 1팀용"));
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(t.w->Label3->text(), QStringLiteral("60초"));
    QCOMPARE(t.w->Label1->text(), QStringLiteral("0"));
    QVERIFY(t.w->Time_Up->isVisible() && t.w->Command4->isVisible());
    // the first layout step has run: the balls' run-time places
    QCOMPARE(t.w->GBox[3]->geometry(), QRect(308, 670, 100, 80));
    QCOMPARE(t.w->GBox[9]->geometry(), QRect(912, 652, 80, 80));
}

void TestFrmMain1::handCursorExactlyOnClickAreas()
{
    Window t;
    t.verifyHandCursors(t.sharedClickAreas());
}

// Cursors inherit in Qt: a click area without the hand over the panel that
// has it must still show the arrow.
void TestFrmMain1::cursorWhereTheMouseIs()
{
    Window t;
    const Qt::CursorShape hand = handCursor().shape(), arrow = Qt::ArrowCursor;
    const auto verify = [&t](std::initializer_list<Window::CursorRow> rows) { t.verifyCursors(rows); };
    verify({{t.w->Cubix_Number[3], hand},
            {t.w->GBox[9], hand},
            {t.w->Command2, hand},
            {t.w->Label3, arrow},
            {t.w->Time_Up, arrow},
            {t.w->Label1, arrow}});
    t.b().Command5_Click();
    t.clickAt(t.centreOf(t.w->Cubix_Number[4]));
    t.clock.advance(300);
    verify({{t.w->Label8, hand},  // the panel's hand, over its texts too
            {t.w->Label9, hand},
            {t.w->Text1, hand},
            {t.w->Command3, hand},
            {t.w->Label7, arrow},
            {t.w->Label10, arrow}});
    t.clickAt(t.centreOf(t.w->Command3));
    t.clickAt(t.centreOf(t.w->Label7));
    QVERIFY(t.w->Pic_Right->isVisible());
    verify({{t.w->Pic_Right, arrow}});  // a picture box of its own, not the panel
    t.clock.advance(61000);
    QVERIFY(t.w->Pic_Score->isVisible());
    verify({{t.w->Label6, hand}});
}

void TestFrmMain1::textStylesAndPanelPlaces()
{
    Window t;
    const char *display = "HY견고딕", *plain = "굴림";
    verifyLabelStyles({
        {t.w->Label3, display, 36, false, 0x0000FF, Qt::AlignHCenter, false},
        {t.w->Label1, display, 36, false, 0xC04000, Qt::AlignHCenter, false},
        {t.w->Cubix_Number[0], display, 72, false, 0x000000, Qt::AlignHCenter, false},
        {t.w->Label9, display, 27.75, false, 0x0000FF, Qt::AlignRight, false},
        {t.w->Label8, display, 27.75, false, 0x0000FF, Qt::AlignHCenter, true},
        {t.w->Text1, display, 36, false, 0x0000FF, Qt::AlignHCenter, false},
        {t.w->Label6, plain, 72, true, 0x0000FF, Qt::AlignHCenter, false},
    });
    const struct {
        QWidget *w;
        QRect at;
    } placed[] = {{t.w->Label3, {798, 152, 181, 47}},  {t.w->Time_Up, {966, 146, 23, 29}},
                  {t.w->Command4, {966, 174, 23, 29}}, {t.w->Label1, {782, 270, 223, 65}},
                  {t.w->Command5, {804, 372, 175, 59}}, {t.w->Command1, {804, 452, 175, 59}},
                  {t.w->Command2, {804, 542, 175, 59}}, {t.w->Img_SRC, {34, 40, 743, 589}},
                  {t.w->Label9, {356, 20, 241, 37}},    {t.w->Label8, {48, 78, 543, 239}},
                  {t.w->Text1, {32, 372, 429, 51}},     {t.w->Command3, {468, 360, 139, 71}},
                  {t.w->Label7, {40, 444, 105, 53}},    {t.w->Label10, {486, 446, 105, 53}},
                  {t.w->Pic_Right, {174, 54, 303, 303}}, {t.w->Pic_Wrong, {174, 56, 301, 299}},
                  {t.w->Label5, {0, 0, 519, 517}},      {t.w->Label6, {294, 54, 229, 113}}};
    for (const auto &p : placed)
        QCOMPARE(p.w->geometry(), p.at);
    // the wrong-answer picture in front of the right one, both over the panel's buttons
    t.w->Pic_Right->show();
    t.w->Pic_Wrong->show();
    QCOMPARE(t.w->Pic_Quiz->childAt(QPoint(300, 200)), t.w->Pic_Wrong);
    const QWidgetList panel = t.w->Pic_Quiz->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    QVERIFY(panel.indexOf(t.w->Pic_Right) > panel.indexOf(t.w->Text1));
    // the verdict pictures have transparent corners: the panel shows through
    t.w->Pic_Wrong->hide();
    const QPoint corner = t.w->Pic_Right->mapTo(t.w->Pic_Quiz, QPoint(6, 6));
    const QColor withPicture = t.w->Pic_Quiz->grab().toImage().pixelColor(corner);
    t.w->Pic_Right->hide();
    QCOMPARE(t.w->Pic_Quiz->grab().toImage().pixelColor(corner), withPicture);
    // the panels in front of the question panel, in front of the cells
    const QWidgetList top = t.w->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    QVERIFY(top.indexOf(t.w->Cubix[8]) < top.indexOf(t.w->Pic_Quiz));
    QVERIFY(top.indexOf(t.w->Pic_Quiz) < top.indexOf(t.w->Pic_Bingo));
    QVERIFY(top.indexOf(t.w->Pic_Quiz) < top.indexOf(t.w->Pic_Score));
}

void TestFrmMain1::clickOnANumberReachesItsCell()
{
    Window t;
    t.b().Command5_Click();
    for (int i = 0; i < 9; ++i) {
        const QPoint p = t.centreOf(t.w->Cubix_Number[i]);
        QCOMPARE(t.w->childAt(p), t.w->Cover_Cubix[i]);
    }
    t.clickAt(t.centreOf(t.w->Cubix_Number[6]));
    QCOMPARE(t.b().Cur_Cell, 6);
    QVERIFY(t.w->Pic_Quiz->isVisible());
    QVERIFY(!t.w->Cubix_Number[6]->isVisible());
    QCOMPARE(t.w->Label9->text(), QStringLiteral("7번 문제"));
}

void TestFrmMain1::panelSlidesInFromTheMiddle()
{
    Window t;
    t.b().Command5_Click();
    t.clickAt(t.centreOf(t.w->Cubix_Number[0]));
    for (int k = 0; k <= 5; ++k) {
        const double left = 405.5 - 64 * k, width = 1 + 128 * k;
        const int l = int(std::lround(left));
        QCOMPARE(t.w->Pic_Quiz->geometry(), QRect(l, 80, int(std::lround(left + width)) - l, 521));
        t.clock.advance(50);
    }
    QCOMPARE(t.w->Pic_Quiz->geometry(), QRect(86, 80, 641, 521));
}

void TestFrmMain1::panelButtonsLieOverTheirFaces()
{
    Window t;
    t.b().Command5_Click();
    t.clickAt(t.centreOf(t.w->Cubix_Number[2]));
    t.clock.advance(300);
    const QPoint panel = t.w->Pic_Quiz->pos();
    const struct {
        layout::Rect face;
        QWidget *area;
    } rows[] = {{layout::one::Command3, t.w->Command3},
                {layout::one::Label7, t.w->Label7},
                {layout::one::Label10, t.w->Label10}};
    for (const auto &row : rows) {
        const QRect face = toQRect(row.face).translated(panel);
        for (QPoint p : {face.center(), face.topLeft() + QPoint(2, 2), face.bottomRight() - QPoint(2, 2)})
            QCOMPARE(t.w->childAt(p), row.area);
    }
}

void TestFrmMain1::aWholeQuestionByClicks()
{
    Window t;
    t.clickAt(t.centreOf(t.w->Command5));
    QCOMPARE(t.s.Play_State, QStringLiteral("play"));
    t.clickAt(t.centreOf(t.w->Cubix_Number[4]));
    t.clock.advance(300);
    t.clickAt(t.centreOf(t.w->Label7));  // before the answer: nothing
    QVERIFY(!t.w->Pic_Right->isVisible());
    t.clickAt(t.centreOf(t.w->Command3));
    QCOMPARE(t.w->Text1->text(), t.b().Cur_Answer);
    QVERIFY(t.w->Text1->text().startsWith("answer "));
    t.clickAt(t.centreOf(t.w->Label7));
    QVERIFY(t.w->Pic_Right->isVisible());
    QVERIFY(!t.w->Cubix[4]->isVisible());
    QCOMPARE(t.w->Label1->text(), QStringLiteral("10"));
    t.clock.advance(2500);
    QVERIFY(!t.w->Pic_Quiz->isVisible());
    QVERIFY(t.w->Cubix[4]->isVisible());
    QVERIFY(t.w->Cubix_Icon[4]->isVisible());
    QCOMPARE(t.w->Cubix_Icon[4]->geometry(), QRect(70, 46, 100, 100));
}

void TestFrmMain1::scorePanelClickLandsOnLabel5()
{
    Window t;
    t.b().Command5_Click();
    t.clock.advance(61000);
    QVERIFY(t.w->Pic_Score->isVisible());
    QCOMPARE(t.w->Pic_Score->geometry(), QRect(140, 60, 523, 521));
    QCOMPARE(t.w->childAt(t.centreOf(t.w->Label6)), t.w->Label5);
    t.clickAt(t.centreOf(t.w->Label6));
    QVERIFY(!t.w->Pic_Score->isVisible());
}

void TestFrmMain1::rightReleaseRequestsTheEditor()
{
    Window t;
    t.b().Command5_Click();  // during a game too
    QSignalSpy spy(t.w.get(), &BoardView::editRequested);
    t.clickAt(t.centreOf(t.w->GBox[6]), Qt::RightButton);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 6);
    QCOMPARE(t.s.Edit_Game_No, 6);
    QVERIFY(!QApplication::overrideCursor());
    QCOMPARE(t.s.Game_No, 0);  // the game is not changed
    t.clickAt(t.centreOf(t.w->GBox[6]));  // a left click sends nothing
    QCOMPARE(spy.count(), 1);
}

void TestFrmMain1::pictureLoader_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("format");  // empty: garbage bytes
    QTest::addColumn<bool>("loads");
    QTest::newRow("jpeg") << "a.jpg" << QByteArray("jpg") << true;
    QTest::newRow("jpeg named .png, read by content") << "b.png" << QByteArray("jpg") << true;
    QTest::newRow("bitmap") << "c.bmp" << QByteArray("bmp") << true;
    QTest::newRow("not a picture") << "d.jpg" << QByteArray() << false;
    QTest::newRow("missing") << "none.jpg" << QByteArray("-") << false;
    QTest::newRow("named pipe: never opened") << "pipe.jpg" << QByteArray("fifo") << false;
    QTest::newRow("30000 x 30000 bomb: refused by its header") << "bomb.png" << QByteArray("bomb") << false;
    QTest::newRow("a folder") << "folder.jpg" << QByteArray("dir") << false;
}

void TestFrmMain1::pictureLoader()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, format);
    QFETCH(bool, loads);
    QTemporaryDir dir;
    const QString previous = dir.filePath("previous.bmp");
    QImage red(40, 30, QImage::Format_RGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(previous, "bmp"));
    const QString path = dir.filePath(file);
    if (format.isEmpty()) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("this is no picture at all");
    } else if (format == "fifo") {
        QVERIFY(makeFifo(path));
    } else if (format == "bomb") {
        QVERIFY(writePngBomb(path, 30000, 30000));
    } else if (format == "dir") {
        QVERIFY(QDir(dir.path()).mkdir(file));
    } else if (format != "-") {
        QImage blue(400, 300, QImage::Format_RGB32);
        blue.fill(Qt::blue);
        QImageWriter writer(path, format);
        QVERIFY(writer.write(blue));
    }
    QtPictureLoader loader(QSize(743, 589));
    QVERIFY(loader.loadPicture(previous));
    QTRY_VERIFY(!loader.pending());
    QCOMPARE(loader.loadPicture(path), loads);  // returns at once: a pipe would hang here
    QTRY_VERIFY(!loader.pending());
    // of the drawn shape; no larger than drawn (smaller ones are scaled up as drawn)
    const QImage &current = loader.current();
    QVERIFY(qAbs(current.width() * 589 - current.height() * 743) <= 743);  // within a pixel
    QVERIFY(current.width() <= 743);
    const QColor c = current.pixelColor(current.width() / 2, current.height() / 2);
    QCOMPARE(c.blue() > 200, loads);  // a failed load keeps the previous picture
    QCOMPARE(c.red() > 200, !loads);
}

// Missing and unplayable cue files (and a machine without audio) neither stop
// nor disturb the game: every call returns and the event loop goes on.
void TestFrmMain1::cuesFromBadFilesAreSilent()
{
    QTemporaryDir dir;
    QFile bad(dir.filePath("bome.wav"));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("RIFF but not really a wave file");
    bad.close();
    QtCuePlayer player(dir.path() + '/', QStringLiteral(DOMISOL_SOUND_MODULE));
    int ticks = 0;
    QTimer loop;
    QObject::connect(&loop, &QTimer::timeout, [&ticks] { ++ticks; });
    loop.start(5);
    for (const char *name : {"box.wav", "bome.wav", "bome.wav", "end.wav"})
        player.Play_Cue(QString::fromLatin1(name));
    QVERIFY(player.hasSound());  // the sound module was loaded at the first cue
    QTRY_VERIFY(ticks >= 3);  // the event loop goes on while the cues fail
    player.Play_Cue(QStringLiteral("right.wav"));
    const int before = ticks;
    QTRY_VERIFY(ticks >= before + 3);
}

void TestFrmMain1::refusedPictureKeepsThePreviousOne_data()
{
    QTest::addColumn<QByteArray>("kind");
    QTest::newRow("30000 x 30000 PNG bomb") << QByteArray("bomb");
    QTest::newRow("named pipe") << QByteArray("fifo");
}

// Choosing a game whose picture would freeze the board returns at once and
// leaves the previous game's picture in place.
void TestFrmMain1::refusedPictureKeepsThePreviousOne()
{
    QFETCH(QByteArray, kind);
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath("img"));
    QImage grey(400, 300, QImage::Format_RGB32);
    grey.fill(QColor(128, 128, 128));
    QVERIFY(grey.save(dir.filePath("img/g.bmp"), "bmp"));
    if (kind == "bomb")
        QVERIFY(writePngBomb(dir.filePath("img/x.png"), 30000, 30000));
    else
        QVERIFY(makeFifo(dir.filePath("img/x.png")));
    Window t;
    t.s.App_Dir = dir.path() + '/';
    t.s.Picture_Table[1] = QStringLiteral("g.bmp;회색");
    t.s.Picture_Table[2] = QStringLiteral("x.png;폭탄");
    t.b().GBox_MouseDown(1, 1);
    QTRY_COMPARE(t.w->Img_SRC->canvas().pixelColor(10, 10), QColor(128, 128, 128));
    t.b().GBox_MouseDown(2, 1);
    QCOMPARE(t.b().Picture_Caption, QStringLiteral("폭탄"));
    QCoreApplication::processEvents();  // nothing was started that could arrive
    QCOMPARE(t.w->Img_SRC->canvas().pixelColor(10, 10), QColor(128, 128, 128));
}

void TestFrmMain1::revealPaintsAnOutlinedCaption()
{
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath("img"));
    QImage grey(400, 300, QImage::Format_RGB32);
    grey.fill(QColor(128, 128, 128));
    QVERIFY(grey.save(dir.filePath("img/g.bmp"), "bmp"));
    Window t;
    t.s.App_Dir = dir.path() + '/';
    t.s.Picture_Table[1] = QStringLiteral("g.bmp;HHHH");
    t.b().GBox_MouseDown(1, 1);
    t.w->sync();
    t.clickAt(t.centreOf(t.w->Command1));
    // The picture is decoded off the window's thread: the caption drawn
    // before it arrived is drawn again over it.
    QTRY_COMPARE(t.w->Img_SRC->canvas().pixelColor(10, 10), QColor(128, 128, 128));
    const QImage canvas = t.w->Img_SRC->canvas();
    // Outside the caption the picture is untouched; inside its band there is
    // white text and more black outline than white.
    int white = 0, black = 0;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) {
            const QRgb c = canvas.pixel(x, y) & 0xFFFFFF;
            const bool inBand = y >= 589 - 36 - 60 && y < 589 - 36 + 3 && x > 250 && x < 493;
            if (c == 0xFFFFFF) {
                ++white;
                QVERIFY2(inBand, qPrintable(QStringLiteral("white at %1,%2").arg(x).arg(y)));
            } else if (c == 0) {
                ++black;
                QVERIFY2(inBand, qPrintable(QStringLiteral("black at %1,%2").arg(x).arg(y)));
            }
        }
    QVERIFY(white > 50);
    QVERIFY(black > white);
    QCOMPARE(canvas.pixelColor(10, 10), QColor(128, 128, 128));
}


void TestFrmMain1::clicksLandAtEveryScale_data()
{
    QTest::addColumn<QSize>("window");
    QTest::addColumn<double>("factor");
    QTest::addColumn<QPoint>("origin");
    QTest::newRow("1024 x 768: the design") << QSize(1024, 768) << 1.0 << QPoint(0, 0);
    QTest::newRow("1920 x 1080") << QSize(1920, 1080) << 1.40625 << QPoint(240, 0);
    QTest::newRow("3840 x 2160") << QSize(3840, 2160) << 2.8125 << QPoint(480, 0);
}

// At every size the board is the design scaled, centred, and a click at the
// scaled place of a painted button does what it does at design size.
void TestFrmMain1::clicksLandAtEveryScale()
{
    QFETCH(QSize, window);
    QFETCH(double, factor);
    QFETCH(QPoint, origin);
    Window t;
    t.resizeTo(window);
    QCOMPARE(t.w->boardScale().factor, factor);
    QCOMPARE(t.w->boardScale().origin, origin);
    QCOMPARE(t.w->Command5->geometry(), t.w->boardScale().map(QRectF(804, 372, 175, 59)).translated(origin));

    t.clickAt(t.atDesign({977.5, 188.5}));  // ▼
    QCOMPARE(t.s.Time_Limit, 30);
    QCOMPARE(t.w->Label3->text(), QStringLiteral("30초"));
    t.clickAt(t.atDesign({891.5, 401.5}));  // 시 작
    QCOMPARE(t.s.Play_State, QStringLiteral("play"));
    t.clickAt(t.atDesign({157, 139}));      // tile 1
    t.clock.advance(300);
    QVERIFY(t.w->Pic_Quiz->isVisible());
    const double left = t.b().Pic_Quiz.Left;  // where the slide ended
    QCOMPARE(t.w->Pic_Quiz->geometry(), t.w->boardScale().map(QRectF(left, 80, 641, 521)).translated(origin));
    t.clickAt(t.atDesign({left + 537.5, 80 + 395.5}));  // 정답 in the panel
    QCOMPARE(t.w->Text1->text(), t.b().Cur_Answer);
    t.clickAt(t.atDesign({left + 92.5, 80 + 470.5}));   // 성공
    QVERIFY(t.w->Pic_Right->isVisible());
    QCOMPARE(t.w->Label1->text(), QStringLiteral("10"));
    // the text drawn at the target size, not a scaled bitmap
    QCOMPARE(t.w->Label1->font().pixelSize(), qRound(48 * factor));
}

void TestFrmMain1::longTextsShowWhole_data()
{
    QTest::addColumn<QSize>("window");
    QTest::newRow("1024 x 768") << QSize(1024, 768);
    QTest::newRow("3840 x 2160") << QSize(3840, 2160);
}

// A 200-syllable question shows whole in the question box, smaller; a
// 60-syllable caption is drawn whole over the picture, on lines of its own.
void TestFrmMain1::longTextsShowWhole()
{
    QFETCH(QSize, window);
    const QString question = QStringLiteral("가나다라마 ").repeated(40).trimmed();
    const QString caption = QStringLiteral("하늘바다별 ").repeated(12).trimmed();
    Window t;
    t.resizeTo(window);
    for (int q = 0; q < 9; ++q)
        t.s.Quiz_Table[0][q] = question + QStringLiteral(";답");
    t.s.Picture_Table[0] = QStringLiteral("1.jpg;") + caption;
    t.b().GBox_MouseDown(0, 1);
    t.b().Command1_Click();  // the reveal
    QStringList drawn;
    for (const ScriptDraw &d : t.b().Img_SRC_Script)
        if (d.Colour == 0xFFFFFF)
            drawn << d.Text;
    QCOMPARE(drawn.join(QLatin1Char(' ')), caption);
    for (const ScriptDraw &d : t.b().Img_SRC_Script)
        QVERIFY(d.X >= 0 && d.X + t.b().Label2.Width <= layout::Img_SRC.width + 2);

    t.b().GBox_MouseDown(0, 1);
    t.clickAt(t.atDesign({891.5, 401.5}));
    t.clickAt(t.atDesign({157, 139}));
    t.clock.advance(300);
    QCOMPARE(t.w->Label8->lastFit(), TextFit::Smaller);
    QCOMPARE(t.w->Label8->text().remove(QLatin1Char('\n')).remove(QLatin1Char(' ')),
             QString(question).remove(QLatin1Char(' ')));
    const double factor = t.w->boardScale().factor;
    QVERIFY(t.w->Label8->font().pixelSize() < qRound(37 * factor));
    QVERIFY(t.w->Label8->font().pixelSize() >= qRound(kQuestionFloorPoints * 4 / 3 * factor) - 1);
    // every line inside the label
    const QFontMetrics fm(t.w->Label8->font());
    const QRect needed = fm.boundingRect(t.w->Label8->rect(), Qt::TextWordWrap | Qt::AlignHCenter,
                                         t.w->Label8->text());
    QVERIFY(needed.height() <= t.w->Label8->height());
    // the answer too: one line, smaller or cut, never past the box
    t.b().Cell_QA[0][1] = QStringLiteral("아주 긴 정답 ").repeated(8);
    t.b().Cur_Answer = t.b().Cell_QA[0][1];
    t.clickAt(t.atDesign({t.b().Pic_Quiz.Left + 537.5, 80 + 395.5}));
    QVERIFY(fm.horizontalAdvance(t.w->Text1->text()) > 0);
    QVERIFY(QFontMetrics(t.w->Text1->font()).horizontalAdvance(t.w->Text1->text()) <= t.w->Text1->width());
}

// A portrait photo is not stretched: the board shows its centred crop of the
// picture area's shape, decoded at the size it is drawn.
void TestFrmMain1::portraitPictureIsCropped()
{
    QTemporaryDir dir;
    QImage photo(400, 800, QImage::Format_RGB32);
    photo.fill(Qt::red);
    QPainter(&photo).fillRect(QRect(0, 200, 400, 400), Qt::green);  // the middle
    QVERIFY(photo.save(dir.filePath("p.jpg"), "JPEG", 95));
    QtPictureLoader loader(QSize(200, 158));  // drawn smaller than the photo
    QVERIFY(loader.loadPicture(dir.filePath("p.jpg")));
    QTRY_VERIFY(!loader.pending());
    QCOMPARE(loader.current().size(), QSize(200, 158));
    for (QPoint p : {QPoint(2, 2), QPoint(197, 2), QPoint(100, 79), QPoint(2, 155), QPoint(197, 155)})
        QVERIFY2(qGreen(loader.current().pixel(p)) > 200 && qRed(loader.current().pixel(p)) < 60,
                 qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
    // drawn larger, it is read again: the crop at the photo's own size, 400 wide
    loader.setDrawnSize(QSize(743, 589));
    QTRY_VERIFY(!loader.pending());
    QCOMPARE(loader.current().size(), QSize(400, 317));
    // the board draws it over the whole area, still only the green middle
    Window t;
    t.w->Img_SRC->drawPicture(loader.current());
    const QImage &canvas = t.w->Img_SRC->canvas();
    QCOMPARE(canvas.size(), QSize(743, 589));
    for (QPoint p : {QPoint(3, 3), QPoint(739, 585)})
        QVERIFY(qRed(canvas.pixel(p)) < 60);
}

// F11 and the corner button switch full screen, Esc leaves it; the choice is
// kept in the settings for the next start.
void TestFrmMain1::fullScreenByKeysIsRemembered()
{
    QStandardPaths::setTestModeEnabled(true);
    Window t;
    QApplication::setActiveWindow(t.w.get());
    QTest::keyClick(t.w.get(), Qt::Key_F11);
    QTRY_VERIFY(t.w->isFullScreen());
    QCOMPARE(openSettings()->value(QStringLiteral("board/fullScreen")).toBool(), true);
    // Esc closes an open panel first: the board stays full screen in front of the class
    QTest::keyClick(t.w.get(), Qt::Key_F1);
    QVERIFY(t.b().Pic_Help.Visible);
    QTest::keyClick(t.w.get(), Qt::Key_Escape);
    QVERIFY(!t.b().Pic_Help.Visible);
    QVERIFY(t.w->isFullScreen());
    QTest::keyClick(t.w.get(), Qt::Key_Escape);
    QTRY_VERIFY(!t.w->isFullScreen());
    QCOMPARE(openSettings()->value(QStringLiteral("board/fullScreen")).toBool(), false);
    // the corner control, at the window's top right, does the same
    FullScreenButton *button = t.w->fullScreenButton();
    QCOMPARE(button->geometry().topRight(), QPoint(t.w->width() - 1, 0));
    t.clickAt(button->geometry().center());
    QTRY_VERIFY(t.w->isFullScreen());
    t.w->setFullScreenChosen(false);
}

QTEST_MAIN(TestFrmMain1)
#include "test_frm_main1.moc"
