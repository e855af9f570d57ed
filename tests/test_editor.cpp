// The quiz editor on screen (offscreen platform) with a temporary App_Dir:
// filling, scrolling, saving, cancelling, the picture store and browse dialog,
// and the boxes that keep every field of the data files whole.
#include "core/settings.h"
#include "core/shared_state.h"
#include "data/datafiles.h"
#include "editor/editor.h"
#include "editor/editor_boxes.h"
#include "editor/editor_layout.h"
#include "editor/frm_input.h"
#include "editor/picture_dialog.h"
#include "editor/picture_store.h"
#include "tests/bomb_picture.h"
#include "tests/editor_fixture.h"
#include "tests/file_io.h"
#include "widgets/quit_checks.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include "editor/caption_frame.h"
#include <QImageReader>
#include <QLabel>
#include <QListView>
#include <QStandardPaths>
#include <QInputMethodEvent>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace el = editor_layout;

namespace {

const QString kDesignCaption = QStringLiteral("교만한 인간들이 하나님께 대적하여 세운 탑");

// A picture file of the given content format, whatever its name says.
bool writePicture(const QString &path, QSize size, const char *format = "PNG", QColor colour = Qt::red)
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(colour);
    return img.save(path, format);
}

// Ten games on disk and in the tables; every game's picture "N.jpg" exists.
struct Fixture {
    QTemporaryDir dir;
    Shared s;
    QString renewLog;  // one "R" per Main_Renew
    QStringList messages;  // what the editor told the host
    int asked = 0;         // questions about unsaved changes
    FrmInput::KeepChanges answer = FrmInput::KeepChanges::Discard;

    Fixture()
    {
        s.App_Dir = dir.path() + QLatin1Char('/');
        QDir(dir.path()).mkdir(QStringLiteral("img"));
        for (int g = 0; g < 10; ++g) {
            for (int q = 0; q < 9; ++q)
                s.Quiz_Table[g][q] = QStringLiteral("게임%1 문제%2;답%3").arg(g + 1).arg(q + 1).arg(q + 1);
            s.Picture_Table[g] = QStringLiteral("%1.jpg;그림 %1").arg(g + 1);
            writePicture(img(QStringLiteral("%1.jpg").arg(g + 1)), QSize(40, 30));
        }
        saveFiles();
    }
    void saveFiles()
    {
        QVERIFY(savePictureFile(s));
        QVERIFY(saveQuizFile(s));
    }
    QString path(const QString &name) const { return s.App_Dir + name; }
    QString img(const QString &name) const { return s.App_Dir + QStringLiteral("img/") + name; }

    // The editor on game, shown and exposed.
    FrmInput *open(int game)
    {
        s.Edit_Game_No = std::int16_t(game);
        auto *w = new FrmInput(s, [this] { renewLog += QLatin1Char('R'); });
        answerFor(w);
        w->show();
        if (!QTest::qWaitForWindowExposed(w))
            return nullptr;
        return w;
    }

    // Questions and messages go to the fixture instead of a dialog.
    void answerFor(FrmInput *w)
    {
        w->setMessenger([this](QWidget *, const QString &text) { messages << text; });
        w->setChangesQuestion([this](QWidget *) {
            ++asked;
            return answer;
        });
    }

    // Everything a cancel must leave alone.
    struct Snapshot {
        decltype(Shared::Quiz_Table) quiz;
        decltype(Shared::Picture_Table) pictures;
        QByteArray quizFile, pictureFile;
        QMap<QString, QByteArray> imgFiles;
        bool operator==(const Snapshot &o) const
        {
            return quiz == o.quiz && pictures == o.pictures && quizFile == o.quizFile
                   && pictureFile == o.pictureFile && imgFiles == o.imgFiles;
        }
    };
    Snapshot snapshot() const
    {
        Snapshot snap{s.Quiz_Table, s.Picture_Table, readAll(path(kQuizFileName)),
                      readAll(path(kPictureFileName)), {}};
        const QDir imgDir(s.App_Dir + QStringLiteral("img"));
        for (const QString &f : imgDir.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot))
            snap.imgFiles.insert(f, readAll(imgDir.filePath(f)));
        return snap;
    }
    // The tables as the files on disk hold them now.
    Shared reloaded() const { return ::reloaded(s.App_Dir); }
};

bool lands(QWidget *window, QPoint p, QWidget *target)
{
    QWidget *hit = window->childAt(p);
    return hit && (hit == target || target->isAncestorOf(hit));
}

QPoint thumbCentre(int i)
{
    const el::Box b = el::IB_Img(i);
    return QPoint(el::Pic_IMGBOX.x + b.x + 50, el::Pic_IMGBOX.y + b.y + 50);
}

void unload()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void commitText(QWidget *box, const QString &text)
{
    QInputMethodEvent e;
    e.setCommitString(text);
    QApplication::sendEvent(box, &e);
}

QList<int> frameTops(const FrmInput *w)
{
    QList<int> ys;
    for (int i = 0; i < 9; ++i)
        ys << w->Frame1(i)->y();
    return ys;
}

QList<int> rowsMoved(int rows)
{
    QList<int> ys;
    for (int i = 0; i < 9; ++i)
        ys << el::frameY(i) - rows * el::kFrameRowStep;
    return ys;
}

// A JPEG with an Exif orientation tag put in right after its start marker.
QByteArray withOrientation(const QByteArray &jpeg, char orientation)
{
    QByteArray exif("Exif\0\0II*\0\x08\0\0\0\x01\0\x12\x01\x03\0\x01\0\0\0", 24);
    exif += orientation;
    exif += QByteArray(7, '\0');
    QByteArray segment("\xFF\xE1");
    segment += char((exif.size() + 2) >> 8);
    segment += char((exif.size() + 2) & 0xFF);
    return jpeg.left(2) + segment + exif + jpeg.mid(2);
}

bool isBitmapOfSize(const QString &path, QSize size)
{
    const QByteArray bytes = readAll(path);
    return bytes.startsWith("BM") && QImage::fromData(bytes).size() == size;
}

}  // namespace

class TestEditor : public QObject {
    Q_OBJECT
private slots:
    void failedSaveSaysWhyAndKeepsEdits_data();
    void failedSaveSaysWhyAndKeepsEdits();
    void missingPictureFolderIsMadeOnSave();
    void closingWithChangesAsks_data();
    void closingWithChangesAsks();
    void quitAsksWhileTheEditorHoldsChanges();
    void storeHasAWayOut();
    void pastedTextChangesAreShown();
    void refusedPictureIsExplained();
    void deletingAShownEditor();
    void windowAndStacking();
    void setDataFillsBoxes();
    void setDataPictureLine_data();
    void setDataPictureLine();
    void scrollLimits();
    void focusScrollsHiddenFrameIntoView();
    void saveComposesLines();
    void saveStoresPictureUnderGameNumber_data();
    void saveStoresPictureUnderGameNumber();
    void examplePickSavedAsJpgBitmap();
    void missingExampleChangesNothing();
    void browse_data();
    void browse();
    void initTestCase();
    void browseDialogOffersOneFileType();
    void browseDialogPreviewsAndRemembers();
    void photoIsShrunkAndUpright();
    void cancelLeavesEverything_data();
    void cancelLeavesEverything();
    void boxesKeepFieldsWhole_data();
    void boxesKeepFieldsWhole();
    void pictureNotStoredKeepsOldName_data();
    void pictureNotStoredKeepsOldName();
    void secondOpenKeepsTheGameOnScreen();
};

void TestEditor::windowAndStacking()
{
    Fixture f;
    QPointer<FrmInput> w = f.open(0);
    QVERIFY(w);
    QCOMPARE(w->size(), QSize(852, 593));
    QCOMPARE(w->windowTitle(), QStringLiteral("1번 게임 문제 입력"));
    QVERIFY(!(w->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(w->palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xFF));
    QCOMPARE(w->Command6()->palette().color(QPalette::Button), QColor(0xFF, 0xC0, 0xC0));
    QCOMPARE(w->Text1()->palette().color(QPalette::Text), QColor(0, 0, 0xFF));
    QCOMPARE(w->Frame1(1)->title(), QStringLiteral("2번 문제"));
    QVERIFY(w->Pic_IMGBOX()->isHidden());

    const struct {
        const char *what;
        QPoint at;
        QWidget *target;
    } rows[] = {
        {"저장하기", centre(el::Command2), w->Command2()},
        {"취소", centre(el::Command1), w->Command1()},
        {"그림창고 on the white strip", QPoint(12 + 6 + 50, 530 + 4 + 20), w->Command3()},
        {"▲", centre(el::Command4), w->Command4()},
        {"▼", centre(el::Command5), w->Command5()},
        {"그림 찾아보기", centre(el::Command6), w->Command6()},
        {"caption box", centre(el::Text1), w->Text1()},
        // Row 4 (frames 7, 8) stands at 430 in Picture1: its top shows above 486.
        {"frame 7 above the strip", QPoint(338 + 6 + 100, 44 + 430 + 30), w->Frame1(6)},
        {"frame 7 below y 486 is hidden", QPoint(338 + 6 + 100, 44 + 486 + 10), w->Picture2()},
        {"bottom edge is Picture3", QPoint(500, 588), w->Picture3()},
    };
    for (const auto &row : rows)
        QVERIFY2(lands(w, row.at, row.target), row.what);

    clickAt(w, QPoint(12 + 6 + 50, 530 + 4 + 20));  // 그림창고
    QVERIFY(w->Pic_IMGBOX()->isVisible());
    QCOMPARE(w->Pic_IMGBOX()->geometry(), QRect(8, 4, 835, 583));
    for (int i : {0, 6, 17, 28, 34})
        QVERIFY2(lands(w, thumbCentre(i), w->Pic_IMGBOX()->IB_Img(i)), qPrintable(QString::number(i)));
    QVERIFY(lands(w, centre(el::Command2), w->Pic_IMGBOX()));
    delete w;
}

void TestEditor::setDataFillsBoxes()
{
    Fixture f;
    auto &q = f.s.Quiz_Table[3];
    q[0] = QStringLiteral("첫 줄<br>둘째 줄<br><br>넷째;답 하나");
    q[1] = QStringLiteral("답이 없는 줄");
    q[2] = QString();
    q[3] = QStringLiteral("a;b;c");
    q[4] = QStringLiteral("대문자<BR>표시;x");
    q[5] = QStringLiteral(";빈 질문");
    QPointer<FrmInput> w = f.open(3);
    const struct {
        QString question, answer;
    } want[] = {
        {QStringLiteral("첫 줄\n둘째 줄\n\n넷째"), QStringLiteral("답 하나")},
        {QStringLiteral("답이 없는 줄"), QString()},
        {QString(), QString()},
        {QStringLiteral("a"), QStringLiteral("b")},
        {QStringLiteral("대문자<BR>표시"), QStringLiteral("x")},
        {QString(), QStringLiteral("빈 질문")},
    };
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(w->qa1(i)->toPlainText(), want[i].question);
        QCOMPARE(w->qa_answer1(i)->text(), want[i].answer);
    }
    QCOMPARE(frameTops(w), rowsMoved(0));
    QCOMPARE(w->EX_Title(5), QStringLiteral("최후의 만찬"));
    QVERIFY(w->EX_Title(35).isEmpty());
    delete w;
}

void TestEditor::setDataPictureLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("ext");
    QTest::addColumn<QSize>("picture");  // empty: no preview
    QTest::newRow("name and caption") << QStringLiteral("sea.jpg;바다") << QStringLiteral("바다")
                                      << QStringLiteral("jpg") << QSize(64, 48);
    QTest::newRow("no caption field: design caption") << QStringLiteral("sea.jpg") << kDesignCaption
                                                      << QStringLiteral("jpg") << QSize(64, 48);
    QTest::newRow("empty caption stays empty") << QStringLiteral("sea.jpg;") << QString()
                                               << QStringLiteral("jpg") << QSize(64, 48);
    QTest::newRow("missing file: empty preview") << QStringLiteral("gone.gif;x") << QStringLiteral("x")
                                                 << QStringLiteral("gif") << QSize();
    QTest::newRow("name without dot") << QStringLiteral("sea;y") << QStringLiteral("y") << QString()
                                      << QSize();
    QTest::newRow("empty line") << QString() << kDesignCaption << QString() << QSize();
}

void TestEditor::setDataPictureLine()
{
    QFETCH(QString, line);
    QFETCH(QString, caption);
    QFETCH(QString, ext);
    QFETCH(QSize, picture);
    Fixture f;
    writePicture(f.img(QStringLiteral("sea.jpg")), QSize(64, 48));  // PNG inside: read by content
    f.s.Picture_Table[4] = line;
    QPointer<FrmInput> w = f.open(4);
    QCOMPARE(w->Text1()->toPlainText(), caption);
    QCOMPARE(w->Img_Ext(), ext);
    QCOMPARE(w->Image1().size(), picture.isValid() ? picture : QSize(0, 0));
    delete w;
}

void TestEditor::scrollLimits()
{
    Fixture f;
    QPointer<FrmInput> w = f.open(0);
    clickAt(w, centre(el::Command4));
    QCOMPARE(frameTops(w), rowsMoved(0));  // ▲ at open does nothing
    for (int press = 1; press <= 5; ++press) {
        clickAt(w, centre(el::Command5));
        QCOMPARE(frameTops(w), rowsMoved(qMin(press, 4)));
    }
    QCOMPARE(w->Frame1(8)->y(), 10);
    for (int press = 1; press <= 5; ++press) {
        clickAt(w, centre(el::Command4));
        QCOMPARE(frameTops(w), rowsMoved(qMax(4 - press, 0)));
    }
    delete w;
}

void TestEditor::focusScrollsHiddenFrameIntoView()
{
    Fixture f;
    QPointer<FrmInput> w = f.open(0);
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    w->qa_answer1(7)->setFocus();  // frame 8 starts at 430, mostly under the strip
    QTRY_VERIFY(w->Frame1(7)->y() + el::kFrameHeight <= el::kPicture1VisibleHeight);
    QVERIFY(w->Frame1(7)->y() >= 0);
    w->qa1(0)->setFocus();
    QTRY_COMPARE(w->Frame1(0)->y(), 10);
    delete w;
}

void TestEditor::saveComposesLines()
{
    Fixture f;
    f.s.Quiz_Table[2][1] = QStringLiteral("옛 질문;옛 답;셋째 필드");
    QPointer<FrmInput> w = f.open(2);
    w->qa1(0)->setPlainText(QStringLiteral("무지개는 몇 가지 색일까요?\n(숫자로 쓰세요)"));
    w->qa_answer1(0)->setText(QStringLiteral(" 7 "));
    w->qa1(1)->setPlainText(QStringLiteral("  \n \n"));  // blank question: old line stays
    w->qa_answer1(1)->setText(QStringLiteral("새 답"));
    w->qa1(2)->setPlainText(QStringLiteral("새 질문"));
    w->qa_answer1(2)->setText(QStringLiteral("  "));  // blank answer: old line stays
    w->qa1(3)->setPlainText(QStringLiteral("끝에 줄바꿈\n"));
    w->Text1()->setPlainText(QStringLiteral(" 하늘의 무지개 "));
    const auto before = f.s.Quiz_Table;
    clickAt(w, centre(el::Command2));
    unload();
    QVERIFY(!w);
    QVERIFY(f.renewLog.isEmpty());

    auto want = before;
    want[2][0] = QStringLiteral("무지개는 몇 가지 색일까요?<br>(숫자로 쓰세요);7");
    want[2][3] = QStringLiteral("끝에 줄바꿈<br>;답4");
    QCOMPARE(f.s.Quiz_Table, want);
    QCOMPARE(f.s.Picture_Table[2], QStringLiteral("3.jpg; 하늘의 무지개 "));
    const Shared disk = f.reloaded();
    QCOMPARE(disk.Quiz_Table, f.s.Quiz_Table);
    QCOMPARE(disk.Picture_Table, f.s.Picture_Table);
    QCOMPARE(readAll(f.path(kQuizFileName)), quizFileBytes(f.s));
    QVERIFY(isBitmapOfSize(f.img(QStringLiteral("3.jpg")), QSize(40, 30)));
}

void TestEditor::saveStoresPictureUnderGameNumber_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("saved");
    QTest::newRow("sea.jpg becomes 5.jpg") << QStringLiteral("sea.jpg;바다") << QStringLiteral("5.jpg;바다");
    QTest::newRow("design caption is saved") << QStringLiteral("sea.jpg") << QStringLiteral("5.jpg;") + kDesignCaption;
    QTest::newRow("second piece is the extension") << QStringLiteral("sea.png.old;x") << QStringLiteral("5.png;x");
    // A lone CR inside a line is no line end when read, but the caption box
    // turns it into a line break: written as is, it would split the line.
    QTest::newRow("lone CR in the caption") << QStringLiteral("sea.jpg;바\r다") << QStringLiteral("5.jpg;바 다");
    QTest::newRow("CR CR LF file: trailing CR") << QStringLiteral("sea.jpg;바다\r") << QStringLiteral("5.jpg;바다 ");
}

void TestEditor::saveStoresPictureUnderGameNumber()
{
    QFETCH(QString, line);
    QFETCH(QString, saved);
    Fixture f;
    const QString source = line.section(QLatin1Char(';'), 0, 0);
    QVERIFY(writePicture(f.img(source), QSize(33, 22), "JPEG"));
    const QByteArray sourceBytes = readAll(f.img(source));
    f.s.Picture_Table[4] = line;
    QPointer<FrmInput> w = f.open(4);
    w->save();
    QCOMPARE(f.s.Picture_Table[4], saved);
    QCOMPARE(f.reloaded().Picture_Table[4], saved);
    QCOMPARE(f.reloaded().Picture_Table, f.s.Picture_Table);  // later games not shifted
    QVERIFY(isBitmapOfSize(f.img(saved.section(QLatin1Char(';'), 0, 0)), QSize(33, 22)));
    QCOMPARE(readAll(f.img(source)), sourceBytes);  // the old file is left as it was
}

void TestEditor::examplePickSavedAsJpgBitmap()
{
    Fixture f;
    QPointer<FrmInput> w = f.open(2);
    QList<int> asked;
    w->setExampleSource([&asked](int i) {
        asked << i;
        QImage img(388, 293, QImage::Format_RGB32);
        img.fill(Qt::darkGreen);
        return img;
    });
    w->Text1()->setPlainText(QStringLiteral("먼저 쓴 설명"));
    w->showStore();
    clickAt(w, thumbCentre(5));
    QCOMPARE(asked, QList<int>{5});
    QVERIFY(w->Pic_IMGBOX()->isHidden());
    QCOMPARE(w->Text1()->toPlainText(), QStringLiteral("최후의 만찬"));  // replaces what was typed
    QCOMPARE(w->Img_Ext(), QStringLiteral("jpg"));
    QCOMPARE(w->Image1().size(), QSize(388, 293));  // stored size, not the thumbnail

    w->showStore();
    clickAt(w, thumbCentre(5));  // the same picture again still resets the caption
    QCOMPARE(w->Text1()->toPlainText(), QStringLiteral("최후의 만찬"));
    w->Text1()->setPlainText(QStringLiteral("예수님의 마지막 만찬"));  // edited after the pick
    w->save();
    QCOMPARE(f.s.Picture_Table[2], QStringLiteral("3.jpg;예수님의 마지막 만찬"));
    QVERIFY(isBitmapOfSize(f.img(QStringLiteral("3.jpg")), QSize(388, 293)));
}

void TestEditor::missingExampleChangesNothing()
{
    Fixture f;
    QPointer<FrmInput> w = f.open(1);
    w->setExampleSource([](int) { return QImage(); });
    w->showStore();
    clickAt(w, thumbCentre(12));
    QVERIFY(w->Pic_IMGBOX()->isHidden());
    QCOMPARE(w->Text1()->toPlainText(), QStringLiteral("그림 2"));
    QCOMPARE(w->Img_Ext(), QStringLiteral("jpg"));
    QCOMPARE(w->Image1().size(), QSize(40, 30));
    delete w;
}

void TestEditor::browse_data()
{
    QTest::addColumn<QString>("fileName");  // in a folder outside App_Dir; empty: cancelled
    QTest::addColumn<QByteArray>("content");  // picture format, or "text"
    QTest::addColumn<QString>("ext");         // empty: nothing may change
    QTest::newRow("cancel") << QString() << QByteArray() << QString();
    QTest::newRow("not a picture, named .jpg") << QStringLiteral("notes.jpg") << QByteArray("text") << QString();
    QTest::newRow("file gone") << QStringLiteral("gone.bmp") << QByteArray() << QString();
    QTest::newRow("photo.gif") << QStringLiteral("photo.gif") << QByteArray("BMP") << QStringLiteral("gif");
    QTest::newRow("JPEG content, other name") << QStringLiteral("scan.bmp") << QByteArray("JPEG")
                                              << QStringLiteral("bmp");
    QTest::newRow("line break in the name") << QStringLiteral("a.jp\ng") << QByteArray("PNG")
                                            << QStringLiteral("jpg");
    QTest::newRow("; in the name") << QStringLiteral("a.g;if") << QByteArray("PNG") << QStringLiteral("gif");
}

void TestEditor::browse()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QFETCH(QString, ext);
    Fixture f;
    QTemporaryDir elsewhere;
    const QString path = fileName.isEmpty() ? QString() : elsewhere.filePath(fileName);
    if (content == "text")
        QVERIFY(writeAll(path, "이건 그림이 아닙니다"));
    else if (!content.isEmpty())
        QVERIFY(writePicture(path, QSize(50, 70), content.constData()));

    QPointer<FrmInput> w = f.open(2);
    w->Text1()->setPlainText(QStringLiteral("쓰던 설명"));
    int asked = 0;
    w->setFileChooser([&](QWidget *parent) {
        ++asked;
        return parent == w.data() ? path : QString();
    });
    clickAt(w, centre(el::Command6));
    QCOMPARE(asked, 1);
    if (ext.isEmpty()) {
        QCOMPARE(w->Image1().size(), QSize(40, 30));
        QCOMPARE(w->Text1()->toPlainText(), QStringLiteral("쓰던 설명"));
        QCOMPARE(w->Img_Ext(), QStringLiteral("jpg"));
        delete w;
        return;
    }
    QCOMPARE(w->Image1().size(), QSize(50, 70));
    QVERIFY(w->Text1()->toPlainText().isEmpty());
    QCOMPARE(w->Img_Ext(), ext);
    w->save();
    const QString name = QStringLiteral("3.") + ext;
    QCOMPARE(f.s.Picture_Table[2], name + QLatin1Char(';'));
    QVERIFY(isBitmapOfSize(f.img(name), QSize(50, 70)));
    const Shared disk = f.reloaded();
    QCOMPARE(disk.Picture_Table, f.s.Picture_Table);  // every later game still in its line
}

void TestEditor::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);  // settings in ~/.qttest, not the teacher's
    QFile::remove(openSettings()->fileName());
}

// Runs once the dialog is up: act on it, then it closes as act leaves it.
static void onDialog(const std::function<void(PictureDialog *)> &act)
{
    QTimer::singleShot(0, [act] {
        for (QWidget *top : QApplication::topLevelWidgets())
            if (auto *dlg = qobject_cast<PictureDialog *>(top); dlg && dlg->isVisible())
                act(dlg);
    });
}

void TestEditor::browseDialogOffersOneFileType()
{
    QStringList filters;
    bool readOnly = false;
    QString folder;
    onDialog([&](PictureDialog *dlg) {
        filters = dlg->nameFilters();
        readOnly = dlg->testOption(QFileDialog::ReadOnly);
        folder = dlg->directory().absolutePath();
        dlg->reject();
    });
    QCOMPARE(choosePictureFile(nullptr), QString());
    QCOMPARE(filters, QStringList{QStringLiteral(
                          "이미지화일 (*.jpg *.jpeg *.gif *.bmp *.png *.JPG *.JPEG *.GIF *.BMP *.PNG)")});
    QVERIFY(readOnly);  // nothing in it can rename, delete or make files
    QCOMPARE(folder, pictureStartFolder(QString()));
    QVERIFY(folder == QStandardPaths::writableLocation(QStandardPaths::PicturesLocation)
            || folder == QDir::homePath());
}

// A PNG chosen in a folder of its own: previewed when selected, taken by the
// editor, and its folder is where the dialog opens next time.
void TestEditor::browseDialogPreviewsAndRemembers()
{
    QTemporaryDir photos;
    const QString png = photos.filePath(QStringLiteral("무지개.png"));
    QVERIFY(writePicture(png, QSize(400, 200), "PNG"));
    Fixture f;
    auto w = f.open(2);
    w->setFileChooser(choosePictureFile);
    QSize previewed;
    onDialog([&](PictureDialog *dlg) {
        // A click on the file in the dialog's list, as the teacher selects it.
        dlg->setDirectory(photos.path());
        auto *view = dlg->findChild<QListView *>(QStringLiteral("listView"));
        QModelIndex file;
        (void)QTest::qWaitFor([&] {
            for (int r = 0; view && r < view->model()->rowCount(view->rootIndex()); ++r)
                if (view->model()->index(r, 0, view->rootIndex()).data() == QStringLiteral("무지개.png"))
                    file = view->model()->index(r, 0, view->rootIndex());
            return file.isValid();
        }, 3000);
        if (file.isValid())
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(file).center());
        previewed = dlg->preview()->pixmap().size();
        static_cast<QDialog *>(dlg)->accept();
    });
    w->browse();
    QCOMPARE(previewed, QSize(220, 110));
    QCOMPARE(w->Img_Ext(), QStringLiteral("png"));
    QCOMPARE(w->Image1().size(), QSize(400, 200));

    QString folder;
    onDialog([&](PictureDialog *dlg) {
        folder = dlg->directory().absolutePath();
        dlg->reject();
    });
    QCOMPARE(choosePictureFile(nullptr), QString());
    QCOMPARE(folder, photos.path());
}

// A camera photo: larger than the decoder's memory limit, and turned by its
// orientation tag. It must load, upright, and be stored at a sensible size.
void TestEditor::photoIsShrunkAndUpright()
{
    Fixture f;
    QTemporaryDir elsewhere;
    const QString big = elsewhere.filePath(QStringLiteral("big.jpg"));
    QVERIFY(writePicture(big, QSize(3000, 1500), "JPEG"));  // 18 MB decoded
    const QString turned = elsewhere.filePath(QStringLiteral("turned.jpg"));
    QVERIFY(writePicture(turned, QSize(300, 200), "JPEG"));
    QVERIFY(writeAll(turned, withOrientation(readAll(turned), 6)));  // stored lying on its side
    const int oldLimit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(12);
    QPointer<FrmInput> w = f.open(0);
    QString chosen = big;
    w->setFileChooser([&chosen](QWidget *) { return chosen; });
    w->browse();
    QImageReader::setAllocationLimit(oldLimit);
    QCOMPARE(w->Image1().size(), QSize(2048, 1024));
    w->save();
    QVERIFY(isBitmapOfSize(f.img(QStringLiteral("1.jpg")), QSize(2048, 1024)));

    w = f.open(1);
    chosen = turned;
    w->setFileChooser([&chosen](QWidget *) { return chosen; });
    w->browse();
    QCOMPARE(w->Image1().size(), QSize(200, 300));
    delete w;
}

void TestEditor::cancelLeavesEverything_data()
{
    QTest::addColumn<bool>("byTitleBar");
    QTest::newRow("취소") << false;
    QTest::newRow("title bar close") << true;
}

void TestEditor::cancelLeavesEverything()
{
    QFETCH(bool, byTitleBar);
    Fixture f;
    const auto before = f.snapshot();
    QPointer<FrmInput> w = f.open(6);
    w->setExampleSource([](int) { return QImage(10, 10, QImage::Format_RGB32); });
    for (int i = 0; i < 9; ++i) {
        w->qa1(i)->setPlainText(QStringLiteral("바뀐 질문"));
        w->qa_answer1(i)->setText(QStringLiteral("바뀐 답"));
    }
    w->showStore();
    w->pickExample(3);
    if (byTitleBar)
        w->close();
    else
        clickAt(w, centre(el::Command1));
    unload();
    QVERIFY(!w);
    QCOMPARE(f.asked, byTitleBar ? 1 : 0);  // 취소 is the host's own choice
    QCOMPARE(f.renewLog, QStringLiteral("R"));
    QVERIFY(f.snapshot() == before);
}

void TestEditor::boxesKeepFieldsWhole_data()
{
    QTest::addColumn<QString>("box");  // "caption", "question", "answer"
    QTest::addColumn<QString>("way");  // "keys", "input method", "paste"
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("shown");
    const QString hangul = QString::fromUtf8("가;나\n다😀라");
    const struct {
        const char *box;
        QString keys, other;
    } rows[] = {
        {"question", QStringLiteral("a；b\nc"), QStringLiteral("가；나\n다라")},
        {"caption", QStringLiteral("a；b c"), QStringLiteral("가；나 다라")},
        {"answer", QStringLiteral("a；bc"), QStringLiteral("가；나 다라")},  // Enter types nothing there
    };
    for (const auto &r : rows) {
        QTest::addRow("%s, keys", r.box) << r.box << "keys" << QStringLiteral("a;b\nc") << r.keys;
        QTest::addRow("%s, input method", r.box) << r.box << "input method" << hangul << r.other;
        QTest::addRow("%s, paste", r.box) << r.box << "paste" << hangul << r.other;
    }
}

// A ";" or a line break where the file format has no room for it, or a
// character CP949 cannot hold, must not reach the data files.
void TestEditor::boxesKeepFieldsWhole()
{
    QFETCH(QString, box);
    QFETCH(QString, way);
    QFETCH(QString, input);
    QFETCH(QString, shown);
    Fixture f;
    QPointer<FrmInput> w = f.open(2);
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QWidget *target = box == QLatin1String("caption")    ? static_cast<QWidget *>(w->Text1())
                      : box == QLatin1String("question") ? static_cast<QWidget *>(w->qa1(0))
                                                         : static_cast<QWidget *>(w->qa_answer1(0));
    auto text = [&] {
        return box == QLatin1String("answer") ? w->qa_answer1(0)->text() : static_cast<QPlainTextEdit *>(target)->toPlainText();
    };
    w->Text1()->clear();
    w->qa1(0)->setPlainText(QStringLiteral("질문"));
    w->qa_answer1(0)->setText(QStringLiteral("답"));
    if (box == QLatin1String("answer"))
        w->qa_answer1(0)->clear();
    else
        static_cast<QPlainTextEdit *>(target)->clear();
    target->setFocus();

    if (way == QLatin1String("keys")) {
        // Latin letters, not Hangul (the 한/영 key)
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key_Hangul, QString(), Qt::NoModifier);
        for (const QChar c : input)
            if (c == QLatin1Char('\n'))
                QTest::keyClick(target, Qt::Key_Return);
            else
                QTest::keyClicks(target, QString(c));
    } else if (way == QLatin1String("input method")) {
        commitText(target, input);
    } else {
        QApplication::clipboard()->setText(input);
        QTest::keySequence(target, QKeySequence::Paste);
    }
    QCOMPARE(text(), shown);

    w->save();
    const Shared disk = f.reloaded();
    QCOMPARE(disk.Picture_Table, f.s.Picture_Table);
    QCOMPARE(disk.Quiz_Table, f.s.Quiz_Table);
    for (int g = 0; g < 10; ++g)
        if (g != 2)
            QCOMPARE(disk.Picture_Table[g], QStringLiteral("%1.jpg;그림 %1").arg(g + 1));
    QString wantLine;
    if (box == QLatin1String("caption"))
        QCOMPARE(disk.Picture_Table[2], QStringLiteral("3.jpg;") + shown);
    else if (box == QLatin1String("question"))
        QCOMPARE(disk.Quiz_Table[2][0], QString(shown).replace(QLatin1Char('\n'), QStringLiteral("<br>")) + QStringLiteral(";답"));
    else
        QCOMPARE(disk.Quiz_Table[2][0], QStringLiteral("질문;") + shown);
}

void TestEditor::pictureNotStoredKeepsOldName_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("preview empty") << "no picture";
}

// With no picture to store, the questions and caption are saved under the old name.
void TestEditor::pictureNotStoredKeepsOldName()
{
    QFETCH(QString, fault);
    Fixture f;
    QVERIFY(writePicture(f.img(QStringLiteral("old.jpg")), QSize(20, 20)));
    f.s.Picture_Table[2] = QStringLiteral("old.jpg;옛 설명");
    QVERIFY(QFile::remove(f.img(QStringLiteral("old.jpg"))));
    QPointer<FrmInput> w = f.open(2);
    QVERIFY(!w->pictureError().isEmpty());  // the preview says why it is empty
    const auto before = f.snapshot();
    w->Text1()->setPlainText(QStringLiteral("새 설명"));
    w->qa1(0)->setPlainText(QStringLiteral("새 질문"));
    QVERIFY(w->save());

    QCOMPARE(f.s.Picture_Table[2], QStringLiteral("old.jpg;새 설명"));
    QCOMPARE(f.reloaded().Picture_Table[2], QStringLiteral("old.jpg;새 설명"));
    QCOMPARE(f.reloaded().Quiz_Table[2][0], QStringLiteral("새 질문;답1"));
    QCOMPARE(f.snapshot().imgFiles, before.imgFiles);
    QVERIFY(f.messages.isEmpty());
}

void TestEditor::secondOpenKeepsTheGameOnScreen()
{
    Fixture f;
    int renewed = 0;
    auto renew = [&renewed] { ++renewed; };
    QPointer<FrmInput> w = openEditor(f.s, 2, renew);
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QCOMPARE(f.s.Edit_Game_No, 2);
    w->qa1(0)->setPlainText(QStringLiteral("고친 질문"));

    f.s.Edit_Game_No = 5;  // the board sets it before asking
    QCOMPARE(openEditor(f.s, 5, renew), w.data());
    QCOMPARE(openedEditor(), w.data());
    QCOMPARE(w->game(), 2);
    QCOMPARE(f.s.Edit_Game_No, 2);
    QCOMPARE(w->qa1(0)->toPlainText(), QStringLiteral("고친 질문"));
    QCOMPARE(w->qa1(1)->toPlainText(), QStringLiteral("게임3 문제2"));

    const auto game5 = f.s.Quiz_Table[5];
    w->save();
    unload();
    QVERIFY(!w && !openedEditor());
    QCOMPARE(f.s.Quiz_Table[2][0], QStringLiteral("고친 질문;답1"));
    QCOMPARE(f.s.Quiz_Table[5], game5);
    QVERIFY(QFile::exists(f.img(QStringLiteral("3.jpg"))));
    QCOMPARE(renewed, 0);

    // Every opening starts afresh from the tables.
    QPointer<FrmInput> again = openEditor(f.s, 5, renew);
    QVERIFY(again);
    QCOMPARE(again->game(), 5);
    QCOMPARE(again->qa1(0)->toPlainText(), QStringLiteral("게임6 문제1"));
    QVERIFY(again->Pic_IMGBOX()->isHidden());
    QCOMPARE(frameTops(again), rowsMoved(0));
    again->cancel();
    unload();
    QCOMPARE(renewed, 1);
}

void TestEditor::failedSaveSaysWhyAndKeepsEdits_data()
{
    QTest::addColumn<QString>("readOnly");
    QTest::addColumn<QString>("says");
    QTest::newRow("read-only Quiz.qdf") << "Quiz.qdf" << "'Quiz.qdf' 파일이 읽기 전용입니다.";
    QTest::newRow("read-only picture") << "img/3.jpg" << "'3.jpg' 파일이 읽기 전용입니다.";
    QTest::newRow("read-only folder") << "." << "폴더가 읽기 전용이라";
}

// Nothing is written, the host is told what and why, and the editor stays
// open with every edit.
void TestEditor::failedSaveSaysWhyAndKeepsEdits()
{
    QFETCH(QString, readOnly);
    QFETCH(QString, says);
    Fixture f;
    QPointer<FrmInput> w = f.open(2);
    w->setExampleSource([](int) { return QImage(10, 10, QImage::Format_RGB32); });
    w->pickExample(5);
    w->qa1(0)->setPlainText(QStringLiteral("새 질문"));
    const QString path = f.path(readOnly);
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner));
    const auto before = f.snapshot();
    QVERIFY(!w->save());
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    unload();
    QVERIFY(w && w->isVisible());
    QCOMPARE(f.messages.size(), 1);
    QVERIFY2(f.messages.first().contains(says), qPrintable(f.messages.first()));
    QVERIFY(f.messages.first().startsWith(QStringLiteral("이 게임의 문제와 그림을 저장하지 못했습니다.")));
    QVERIFY(f.snapshot() == before);  // tables, both files and img/ as they were
    QCOMPARE(w->qa1(0)->toPlainText(), QStringLiteral("새 질문"));
    QVERIFY(w->hasChanges());
    QVERIFY(w->save());  // once the file is writable again
    QCOMPARE(f.reloaded().Quiz_Table[2][0], QStringLiteral("새 질문;답1"));
}

void TestEditor::missingPictureFolderIsMadeOnSave()
{
    Fixture f;
    QPointer<FrmInput> w = f.open(2);
    QVERIFY(QDir(f.s.App_Dir + QStringLiteral("img")).removeRecursively());
    w->Text1()->setPlainText(QStringLiteral("새 설명"));
    QVERIFY(w->save());
    QVERIFY(isBitmapOfSize(f.img(QStringLiteral("3.jpg")), QSize(40, 30)));
    QCOMPARE(f.reloaded().Picture_Table[2], QStringLiteral("3.jpg;새 설명"));
}

void TestEditor::closingWithChangesAsks_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("saved");
    QTest::newRow("저장") << int(FrmInput::KeepChanges::Save) << true << true;
    QTest::newRow("저장 안 함") << int(FrmInput::KeepChanges::Discard) << true << false;
    QTest::newRow("취소") << int(FrmInput::KeepChanges::Stay) << false << false;
}

void TestEditor::closingWithChangesAsks()
{
    QFETCH(int, answer);
    QFETCH(bool, closes);
    QFETCH(bool, saved);
    Fixture f;
    f.answer = FrmInput::KeepChanges(answer);
    QPointer<FrmInput> w = f.open(4);
    w->close();  // unchanged: no question
    unload();
    QCOMPARE(f.asked, 0);
    w = f.open(4);
    w->qa_answer1(3)->setText(QStringLiteral("고친 답"));
    w->close();
    unload();
    QCOMPARE(f.asked, 1);
    QCOMPARE(w.isNull(), closes);
    QCOMPARE(f.reloaded().Quiz_Table[4][3] == QStringLiteral("게임5 문제4;고친 답"), saved);
    if (w)
        QCOMPARE(w->qa_answer1(3)->text(), QStringLiteral("고친 답"));
    delete w;
}

// 종료 and closing the board ask the open editor first (mayQuit).
void TestEditor::quitAsksWhileTheEditorHoldsChanges()
{
    Fixture f;
    f.answer = FrmInput::KeepChanges::Stay;
    QPointer<FrmInput> w = f.open(1);
    QVERIFY(mayQuit());
    QCOMPARE(f.asked, 0);
    w->qa1(0)->setPlainText(QStringLiteral("고친 질문"));
    QVERIFY(!mayQuit());
    QCOMPARE(f.asked, 1);
    f.answer = FrmInput::KeepChanges::Save;
    QVERIFY(mayQuit());
    QCOMPARE(f.reloaded().Quiz_Table[1][0], QStringLiteral("고친 질문;답1"));
    unload();
    QVERIFY(!w);
}

// The store lies over 저장하기 and 취소: a click where 취소 lies reaches the
// store's own 닫기, and Escape closes it too; neither picks a picture.
void TestEditor::storeHasAWayOut()
{
    Fixture f;
    QPointer<FrmInput> w = f.open(2);
    w->setExampleSource([](int) { return QImage(10, 10, QImage::Format_RGB32); });
    const QString caption = w->Text1()->toPlainText();
    w->showStore();
    QVERIFY(lands(w, centre(el::Command1), w->Pic_IMGBOX()->closeButton()));
    QVERIFY(w->Pic_IMGBOX()->closeButton()->isVisible());
    for (int i = 0; i < kExampleCount; ++i)
        QVERIFY2(!w->Pic_IMGBOX()->IB_Img(i)->geometry().translated(el::Pic_IMGBOX.x, el::Pic_IMGBOX.y)
                      .intersects(QRect(el::Command1.x, el::Command1.y, el::Command1.width, el::Command1.height)),
                 qPrintable(QString::number(i)));
    clickAt(w, centre(el::Command1));
    QVERIFY(w->Pic_IMGBOX()->isHidden());
    QCOMPARE(w->Text1()->toPlainText(), caption);
    QVERIFY(!w->hasChanges());

    w->showStore();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(w->Pic_IMGBOX()->isHidden());
    QVERIFY(!w->hasChanges());
    QVERIFY(w->isVisible());
}

void TestEditor::pastedTextChangesAreShown()
{
    Fixture f;
    QPointer<FrmInput> w = f.open(2);
    w->qa1(0)->clear();
    w->qa1(0)->setFocus();
    QApplication::clipboard()->setText(QStringLiteral("café—😀"));
    w->qa1(0)->paste();
    QCOMPARE(w->qa1(0)->toPlainText(), QStringLiteral("cafe-"));
    QVERIFY(w->notice()->isVisible());
    for (const char *shown : {"é→e", "—→-", "😀 뺌"})
        QVERIFY2(w->notice()->text().contains(QString::fromUtf8(shown)), qPrintable(w->notice()->text()));
    QApplication::clipboard()->setText(QStringLiteral("가\t나"));
    w->qa_answer1(0)->clear();
    w->qa_answer1(0)->setFocus();
    w->qa_answer1(0)->paste();
    QCOMPARE(w->qa_answer1(0)->text(), QStringLiteral("가 나"));
    QVERIFY(w->notice()->text().contains(QStringLiteral("탭→빈칸")));
}

void TestEditor::refusedPictureIsExplained()
{
    Fixture f;
    QVERIFY(writePngBomb(f.img(QStringLiteral("3.jpg")), 30000, 30000));
    QPointer<FrmInput> w = f.open(2);
    QVERIFY(w->Image1().isNull());
    QVERIFY2(w->pictureError().contains(QStringLiteral("너무 큽니다")), qPrintable(w->pictureError()));
    w->setFileChooser([&f](QWidget *) { return f.img(QStringLiteral("3.jpg")); });
    w->browse();
    QCOMPARE(f.messages.size(), 1);
    QVERIFY(f.messages.first().contains(QStringLiteral("30000 x 30000")));
}

// Deleting an editor that is still shown (with the focus in one of its
// boxes) runs no handler on the half-destroyed window.
void TestEditor::deletingAShownEditor()
{
    Fixture f;
    FrmInput *w = f.open(2);
    w->activateWindow();
    w->qa1(4)->setFocus();
    QTRY_VERIFY(w->qa1(4)->hasFocus());
    delete w;
    QCoreApplication::processEvents();
}

QTEST_MAIN(TestEditor)
#include "test_editor.moc"
