// Hangul typed from Latin keys in the editor's boxes: what each box kind makes
// of it (line breaks, ";", the toggle), what finishes a syllable in a
// multi-line box, and that the last syllable typed reaches the data files.
#include "core/shared_state.h"
#include "data/datafiles.h"
#include "editor/editor_boxes.h"
#include "editor/editor_layout.h"
#include "editor/frm_input.h"
#include "tests/editor_fixture.h"
#include "tests/key_typing.h"

#include <QApplication>
#include <QDir>
#include <QInputMethodEvent>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

namespace el = editor_layout;

namespace {

// The three kinds of editor box in one window, with a button to take the focus.
struct Boxes {
    QWidget window;
    MultiLineBox *question;
    MultiLineBox *caption;
    OneLineBox *answer;
    QPushButton *button;

    Boxes()
    {
        auto *layout = new QVBoxLayout(&window);
        question = new MultiLineBox(BoxKind::Question, &window);
        caption = new MultiLineBox(BoxKind::Caption, &window);
        answer = new OneLineBox(&window);
        button = new QPushButton(QStringLiteral("저장하기"), &window);
        for (QWidget *w : {static_cast<QWidget *>(question), static_cast<QWidget *>(caption),
                           static_cast<QWidget *>(answer), static_cast<QWidget *>(button)})
            layout->addWidget(w);
        window.resize(400, 400);
        window.show();
        QApplication::setActiveWindow(&window);
    }
    QWidget *box(const QString &kind) const
    {
        if (kind == QLatin1String("question"))
            return question;
        if (kind == QLatin1String("caption"))
            return caption;
        return answer;
    }
    static QString text(QWidget *box)
    {
        if (auto *one = qobject_cast<OneLineBox *>(box))
            return one->text();
        return static_cast<MultiLineBox *>(box)->toPlainText();
    }
    static QString composition(QWidget *box)
    {
        if (auto *one = qobject_cast<OneLineBox *>(box))
            return one->composition();
        return static_cast<MultiLineBox *>(box)->composition();
    }
    static bool isHangulMode(QWidget *box)
    {
        if (auto *one = qobject_cast<OneLineBox *>(box))
            return one->isHangulMode();
        return static_cast<MultiLineBox *>(box)->isHangulMode();
    }
    bool focus(QWidget *box)
    {
        box->setFocus(Qt::OtherFocusReason);
        return QTest::qWaitForWindowActive(&window) && box->hasFocus();
    }
};

// Ten games on disk and in the tables, as the program finds them.
struct Files {
    QTemporaryDir dir;
    Shared s;

    Files()
    {
        s.App_Dir = dir.path() + QLatin1Char('/');
        QDir(dir.path()).mkdir(QStringLiteral("img"));
        for (int g = 0; g < 10; ++g) {
            for (int q = 0; q < 9; ++q)
                s.Quiz_Table[g][q] = QStringLiteral("문제%1;답%1").arg(q + 1);
            s.Picture_Table[g] = QStringLiteral("%1.jpg;그림 %1").arg(g + 1);
        }
        savePictureFile(s);
        saveQuizFile(s);
    }
    FrmInput *open(int game)
    {
        s.Edit_Game_No = std::int16_t(game);
        auto *w = new FrmInput(s, [] {});
        // Closing with changes leaves them, without a dialog in the way.
        w->setChangesQuestion([](QWidget *) { return FrmInput::KeepChanges::Discard; });
        w->setMessenger([](QWidget *, const QString &text) { QFAIL(qPrintable(text)); });
        w->show();
        w->activateWindow();
        if (!QTest::qWaitForWindowActive(w))
            return nullptr;
        return w;
    }
    Shared reloaded() const { return ::reloaded(s.App_Dir); }
};

QString field(const QString &line, int n)
{
    return line.section(QLatin1Char(';'), n - 1, n - 1);
}

}  // namespace

class TestEditorHangul : public QObject {
    Q_OBJECT
private slots:
    void typedTextReachesFiles_data();
    void typedTextReachesFiles();
    void saveKeepsLastSyllable_data();
    void saveKeepsLastSyllable();
    void syllableShownNotInText();
    void multiLineSyllableFinishedBy_data();
    void multiLineSyllableFinishedBy();
    void toggleInEveryBox_data();
    void toggleInEveryBox();
    void systemInputMethodTextCleanedAfterSyllable();
    void textSetFromOutsideDropsSyllable();
};

void TestEditorHangul::typedTextReachesFiles_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("composing");  // left unfinished when 저장하기 is clicked
    QTest::addColumn<QString>("stored");     // the field in the data file
    const QString ark = QStringLiteral("노아의 방주");
    for (const char *box : {"question", "answer", "caption"})
        QTest::addRow("%s: 노아의 방주", box) << box << QStringLiteral("shdkdml qkdwn") << QStringLiteral("주") << ark;
    QTest::newRow("question: Enter breaks the line")
        << "question" << QStringLiteral("gksk\nen") << QStringLiteral("두") << QStringLiteral("하나<br>두");
    QTest::newRow("caption: Enter types a space")
        << "caption" << QStringLiteral("gksk\nen") << QStringLiteral("두") << QStringLiteral("하나 두");
    QTest::newRow("answer: Enter types nothing")
        << "answer" << QStringLiteral("gksk\nen") << QStringLiteral("두") << QStringLiteral("하나두");
    for (const char *box : {"question", "answer", "caption"})
        QTest::addRow("%s: ; while composing", box)
            << box << QStringLiteral("gks;rmf") << QStringLiteral("글") << QStringLiteral("한；글");
    QTest::newRow("Shift: 쌍꺼풀 얘기") << "question" << QStringLiteral("TkdRjvnf dOrl") << QStringLiteral("기")
                                  << QStringLiteral("쌍꺼풀 얘기");
    QTest::newRow("Backspace one jamo") << "question" << QStringLiteral("rkatk\b\bgkqslek") << QStringLiteral("다")
                                        << QStringLiteral("감합니다");
    QTest::newRow("lone jamo is kept") << "answer" << QStringLiteral("r1r") << QStringLiteral("ㄱ")
                                       << QStringLiteral("ㄱ1ㄱ");
}

// Typed into the editor on game 3, then 저장하기 clicked right away.
void TestEditorHangul::typedTextReachesFiles()
{
    QFETCH(QString, box);
    QFETCH(QString, keys);
    QFETCH(QString, composing);
    QFETCH(QString, stored);
    Files f;
    QPointer<FrmInput> w = f.open(2);
    QVERIFY(w);
    QWidget *target = box == QLatin1String("caption")    ? static_cast<QWidget *>(w->Text1())
                      : box == QLatin1String("question") ? static_cast<QWidget *>(w->qa1(0))
                                                         : static_cast<QWidget *>(w->qa_answer1(0));
    if (box == QLatin1String("answer"))
        w->qa_answer1(0)->clear();
    else
        static_cast<MultiLineBox *>(target)->clear();
    target->setFocus(Qt::MouseFocusReason);
    QVERIFY(target->hasFocus());
    typeKeys(target, keys);
    QCOMPARE(Boxes::composition(target), composing);

    clickAt(w, centre(el::Command2));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!w);
    const Shared disk = f.reloaded();
    QCOMPARE(disk.Quiz_Table, f.s.Quiz_Table);
    QCOMPARE(disk.Picture_Table, f.s.Picture_Table);
    if (box == QLatin1String("caption"))
        QCOMPARE(field(disk.Picture_Table[2], 2), stored);
    else if (box == QLatin1String("question"))
        QCOMPARE(disk.Quiz_Table[2][0], stored + QStringLiteral(";답1"));
    else
        QCOMPARE(disk.Quiz_Table[2][0], QStringLiteral("문제1;") + stored);
}

enum class Leave { SaveWithFocusKept, WindowDeactivated, WindowClosed };
Q_DECLARE_METATYPE(Leave)

void TestEditorHangul::saveKeepsLastSyllable_data()
{
    QTest::addColumn<Leave>("how");
    QTest::addColumn<QString>("stored");
    QTest::newRow("save while the box keeps the focus") << Leave::SaveWithFocusKept << QStringLiteral("노아;답9");
    QTest::newRow("another window in between, then save") << Leave::WindowDeactivated << QStringLiteral("노아;답9");
    QTest::newRow("closed: nothing saved") << Leave::WindowClosed << QStringLiteral("문제9;답9");
}

void TestEditorHangul::saveKeepsLastSyllable()
{
    QFETCH(Leave, how);
    QFETCH(QString, stored);
    Files f;
    QPointer<FrmInput> w = f.open(0);
    QVERIFY(w);
    MultiLineBox *box = w->qa1(8);  // frame 9, below the visible band: focus scrolls it in
    box->clear();
    box->setFocus(Qt::TabFocusReason);
    typeKeys(box, QStringLiteral("shdk"));
    QCOMPARE(box->composition(), QStringLiteral("아"));
    switch (how) {
    case Leave::SaveWithFocusKept:
        w->save();
        break;
    case Leave::WindowDeactivated: {
        QWidget other;
        other.show();
        QApplication::setActiveWindow(&other);
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QCOMPARE(box->toPlainText(), QStringLiteral("노아"));
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        clickAt(w, centre(el::Command2));
        break;
    }
    case Leave::WindowClosed:
        w->close();
        break;
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!w);
    QCOMPARE(f.s.Quiz_Table[0][8], stored);
    QCOMPARE(f.reloaded().Quiz_Table[0][8], stored);
}

void TestEditorHangul::syllableShownNotInText()
{
    Boxes b;
    QVERIFY(b.focus(b.question));
    const QImage empty = b.question->grab().toImage();
    typeKeys(b.question, QStringLiteral("gks"));
    QCOMPARE(b.question->toPlainText(), QString());
    QCOMPARE(b.question->composition(), QStringLiteral("한"));
    QVERIFY(b.question->grab().toImage() != empty);
    typeKeys(b.question, QStringLiteral("rm"));
    QCOMPARE(b.question->toPlainText(), QStringLiteral("한"));
    QCOMPARE(b.question->composition(), QStringLiteral("그"));
}

enum class Finish { Tab, FocusOut, MousePress, KeypadDigit, ArrowLeft, SelectAll };
Q_DECLARE_METATYPE(Finish)

void TestEditorHangul::multiLineSyllableFinishedBy_data()
{
    QTest::addColumn<Finish>("how");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("next");  // after typing "rk" where the cursor then is
    QTest::newRow("Tab") << Finish::Tab << QStringLiteral("아 한") << QStringLiteral("아 한가");
    QTest::newRow("focus moves away") << Finish::FocusOut << QStringLiteral("아 한") << QStringLiteral("아 한가");
    QTest::newRow("mouse press in the box") << Finish::MousePress << QStringLiteral("아 한") << QStringLiteral("가아 한");
    QTest::newRow("keypad digit") << Finish::KeypadDigit << QStringLiteral("아 한1") << QStringLiteral("아 한1가");
    QTest::newRow("arrow key acts on the whole text") << Finish::ArrowLeft << QStringLiteral("아 한")
                                                     << QStringLiteral("아 가한");
    QTest::newRow("Ctrl+A selects the syllable too") << Finish::SelectAll << QStringLiteral("아 한")
                                                    << QStringLiteral("가");
}

// A syllable left composing must not be lost nor be finished where the
// cursor has moved to.
void TestEditorHangul::multiLineSyllableFinishedBy()
{
    QFETCH(Finish, how);
    QFETCH(QString, text);
    QFETCH(QString, next);
    Boxes b;
    QVERIFY(b.focus(b.question));
    typeKeys(b.question, QStringLiteral("dk gks"));
    switch (how) {
    case Finish::Tab:
        QTest::keyClick(b.question, Qt::Key_Tab);
        QVERIFY(b.caption->hasFocus());
        break;
    case Finish::FocusOut:
        QVERIFY(b.focus(b.answer));
        break;
    case Finish::MousePress:
        // At the far left of the first line: the cursor goes before 아.
        QTest::mouseClick(b.question->viewport(), Qt::LeftButton, {}, QPoint(1, 5));
        break;
    case Finish::KeypadDigit:
        QTest::keyClick(b.question, Qt::Key_1, Qt::KeypadModifier);
        break;
    case Finish::ArrowLeft:
        QTest::keyClick(b.question, Qt::Key_Left);
        break;
    case Finish::SelectAll:
        QTest::keyClick(b.question, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(b.question->textCursor().selectedText(), QStringLiteral("아 한"));
        break;
    }
    QCOMPARE(b.question->toPlainText(), text);
    QCOMPARE(b.question->composition(), QString());
    if (!b.question->hasFocus())
        QVERIFY(b.focus(b.question));
    typeKeys(b.question, QStringLiteral("rk"));
    b.question->commitComposition();
    QCOMPARE(b.question->toPlainText(), next);
}

void TestEditorHangul::toggleInEveryBox_data()
{
    QTest::addColumn<QString>("box");
    QTest::newRow("question") << "question";
    QTest::newRow("answer") << "answer";
    QTest::newRow("caption") << "caption";
}

void TestEditorHangul::toggleInEveryBox()
{
    QFETCH(QString, box);
    Boxes b;
    QWidget *target = b.box(box);
    QVERIFY(b.focus(target));
    QVERIFY(Boxes::isHangulMode(target));
    QSignalSpy modes(target, SIGNAL(hangulModeChanged(bool)));
    // Shift+Space finishes 하 and types no space; the letters stay Latin.
    typeKeys(target, QStringLiteral("gk~Moses"));
    QCOMPARE(Boxes::text(target), QStringLiteral("하Moses"));
    QVERIFY(!Boxes::isHangulMode(target));
    // The 한/영 key brings Hangul back.
    typeKeys(target, QStringLiteral("^rk"));
    QCOMPARE(Boxes::composition(target), QStringLiteral("가"));
    // Left in Latin, the box is in Hangul again at its next focus gain.
    typeKeys(target, QStringLiteral("^"));
    QVERIFY(b.focus(b.button));
    QVERIFY(!Boxes::isHangulMode(target));
    QVERIFY(b.focus(target));
    QVERIFY(Boxes::isHangulMode(target));
    typeKeys(target, QStringLiteral("gks"));
    QCOMPARE(Boxes::composition(target), QStringLiteral("한"));
    QCOMPARE(Boxes::text(target), QStringLiteral("하Moses가"));
    QCOMPARE(modes.size(), 4);
}

void TestEditorHangul::systemInputMethodTextCleanedAfterSyllable()
{
    // A system input method may still be running: its text goes after the
    // syllable composed here, cleaned like everything else.
    Boxes b;
    for (QWidget *box : {static_cast<QWidget *>(b.question), static_cast<QWidget *>(b.answer)}) {
        QVERIFY(b.focus(box));
        typeKeys(box, QStringLiteral("gk"));
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("안;녕"));
        QApplication::sendEvent(box, &commit);
        QCOMPARE(Boxes::text(box), QStringLiteral("하안；녕"));
        QCOMPARE(Boxes::composition(box), QString());
    }
}

void TestEditorHangul::textSetFromOutsideDropsSyllable()
{
    // An example picture sets the caption while the host may be mid-syllable:
    // the half-typed syllable must not land in the new caption.
    Boxes b;
    QVERIFY(b.focus(b.caption));
    typeKeys(b.caption, QStringLiteral("rk gk"));
    b.caption->setPlainText(QStringLiteral("바벨탑"));
    QCOMPARE(b.caption->composition(), QString());
    QVERIFY(b.focus(b.button));
    QCOMPARE(b.caption->toPlainText(), QStringLiteral("바벨탑"));
}

QTEST_MAIN(TestEditorHangul)
#include "test_editor_hangul.moc"
