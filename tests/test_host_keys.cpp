// The host's keys on both board windows: the key table by key code, physical
// key and Korean jamo; a one-team game played with a presenter remote's keys
// alone; a two-team game with the keyboard alone apart from the team picker;
// the answer box between questions and at each new question.
#include "screens/frm_main1.h"
#include "screens/frm_main2.h"
#include "tests/window_fixture.h"
#include "widgets/hangul_line_edit.h"
#include "widgets/host_keys.h"

#include <QApplication>
#include <QtTest>

namespace {

void press(QWidget *w, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QTest::keyClick(w, key, mods);
}

}  // namespace

class TestHostKeys : public QObject {
    Q_OBJECT
private slots:
    void keyTable_data();
    void keyTable();
    void oneTeamGameByPresenterKeysOnly();
    void twoTeamGameByKeyboardAlone();
    void keysBetweenQuestionsNeverReachTheAnswerBox();
    void everyQuestionStartsInHangul();
    void quitAsksWhileAGameRuns();
};

void TestHostKeys::keyTable_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("mods");
    QTest::addColumn<int>("scan");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("host");  // -1: not a host key
    QTest::addColumn<int>("tile");
    const int none = Qt::NoModifier, ctrl = Qt::ControlModifier, pad = Qt::KeypadModifier;
    const auto row = [](const char *name, int key, int mods, int scan, const QString &text, int host, int tile = 0) {
        QTest::newRow(name) << key << mods << scan << text << host << tile;
    };
    const int Tile = int(HostKey::Tile);
    row("F5", Qt::Key_F5, none, 0, "", int(HostKey::Start));
    row("top-row 7", Qt::Key_7, none, 0, "7", Tile, 7);
    row("keypad 3", Qt::Key_3, pad, 0, "3", Tile, 3);
    row("keypad 9 without Num Lock", Qt::Key_PageUp, pad, 0, "", Tile, 9);
    row("top-row 2 on a layout that shifts digits", Qt::Key_Eacute, none, 11, "é", Tile, 2);
    row("Space", Qt::Key_Space, none, 0, " ", int(HostKey::Answer));
    row("O", Qt::Key_O, none, 32, "o", int(HostKey::Right));
    row("O with Caps Lock", Qt::Key_O, none, 32, "O", int(HostKey::Right));
    row("O typed as the jamo of the Korean layout", 0x3150, none, 0, "ㅐ", int(HostKey::Right));
    row("O on another layout, by its physical key", 0x0449, none, 32, "щ", int(HostKey::Right));
    row("X as the jamo", 0x314c, none, 0, "ㅌ", int(HostKey::Wrong));
    row("PageDown", Qt::Key_PageDown, none, 0, "", int(HostKey::Next));
    row("PageUp", Qt::Key_PageUp, none, 0, "", int(HostKey::Back));
    row("Ctrl+Z", Qt::Key_Z, ctrl, 52, "", int(HostKey::Undo));
    row("Ctrl+Z on another layout", 0x044f, ctrl, 52, "", int(HostKey::Undo));
    row("P", Qt::Key_P, none, 33, "p", int(HostKey::Pause));
    row("M as the jamo", 0x3161, none, 0, "ㅡ", int(HostKey::Mute));
    row("Esc", Qt::Key_Escape, none, 0, "", int(HostKey::Escape));
    row("F1", Qt::Key_F1, none, 0, "", int(HostKey::Help));
    row("Ctrl+Enter", Qt::Key_Return, ctrl, 0, "", int(HostKey::Overrule));
    row("Ctrl+N", Qt::Key_N, ctrl, 57, "", int(HostKey::StartOver));
    row("Enter", Qt::Key_Return, none, 0, "\r", int(HostKey::Confirm));
    row("a letter of no use", Qt::Key_Q, none, 24, "q", -1);
    row("Alt with O", Qt::Key_O, Qt::AltModifier, 32, "", -1);
}

void TestHostKeys::keyTable()
{
    QFETCH(int, key);
    QFETCH(int, mods);
    QFETCH(int, scan);
    QFETCH(QString, text);
    QFETCH(int, host);
    QFETCH(int, tile);
    const QKeyEvent e(QEvent::KeyPress, key, Qt::KeyboardModifiers(mods), quint32(scan), 0, 0, text);
    const std::optional<HostKeyPress> got = hostKeyOf(e);
    QCOMPARE(got.has_value(), host >= 0);
    if (!got)
        return;
    QCOMPARE(int(got->key), host);
    QCOMPARE(got->tile, tile);
}

void TestHostKeys::oneTeamGameByPresenterKeysOnly()
{
    BoardWindow<FrmMain1> t(QStringLiteral("question %1;answer %1"));
    QWidget *w = t.w.get();
    press(w, Qt::Key_PageDown);  // 시 작
    QCOMPARE(t.s.Play_State, QStringLiteral("play"));
    for (int i = 0; i < 9; ++i) {
        press(w, Qt::Key_PageDown);  // the next tile
        t.clock.advance(300);
        QVERIFY(t.w->Pic_Quiz->isVisible());
        QCOMPARE(t.w->Label9->text(), QStringLiteral("%1번 문제").arg(i + 1));
        press(w, Qt::Key_PageDown);  // its answer
        QVERIFY(t.w->Text1->text().startsWith(QStringLiteral("answer")));
        press(w, i % 3 ? Qt::Key_PageDown : Qt::Key_PageUp);  // 성공, or 실패
        QVERIFY(i % 3 ? t.w->Pic_Right->isVisible() : t.w->Pic_Wrong->isVisible());
        t.clock.advance(2500);
        if (t.w->Pic_Bingo->isVisible())
            press(w, Qt::Key_PageDown);
    }
    t.clock.advance(2500);
    QCOMPARE(t.s.Play_State, QStringLiteral("end"));
    QVERIFY(t.w->Pic_Score->isVisible());
    QCOMPARE(t.w->Label6->text(), QString::number(t.s.Score));
    QVERIFY(t.s.Score >= 60);
    press(w, Qt::Key_PageDown);  // the score panel closes
    QVERIFY(!t.w->Pic_Score->isVisible());
    press(w, Qt::Key_F5);  // and the game starts afresh
    QCOMPARE(t.s.Play_State, QStringLiteral("play"));
    QCOMPARE(t.w->Label1->text(), QStringLiteral("0"));
}

void TestHostKeys::twoTeamGameByKeyboardAlone()
{
    BoardWindow<FrmMain2> t(QStringLiteral("question %1;ab"));
    QApplication::setActiveWindow(t.w.get());
    QVERIFY(QTest::qWaitForWindowActive(t.w.get()));
    QWidget *w = t.w.get();
    press(w, Qt::Key_F5);
    QVERIFY(t.w->Pic_Sel->isVisible());
    t.clickAt(t.centreOf(t.w->Image5));  // the picker, by the mouse
    for (int i = 0; i < 9; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(Qt::Key_1 + i));
        t.clock.advance(300);
        QVERIFY(t.w->Pic_Quiz->isVisible());
        QVERIFY(t.w->Text1->hasFocus());
        QWidget *box = QApplication::focusWidget();
        if (i == 4) {  // a typo, taken back and overruled
            QTest::keyClicks(box, "ab");  // left in Hangul: ㅁㅠ
            press(box, Qt::Key_Return);
            QVERIFY(t.w->Pic_Wrong->isVisible());
            t.clock.advance(2500);
            press(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
            QVERIFY(t.w->Pic_Quiz->isVisible());
            t.clock.advance(300);
            press(QApplication::focusWidget(), Qt::Key_Return, Qt::ControlModifier);
        } else {
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_Space, QStringLiteral(" "), Qt::ShiftModifier);
            QCOMPARE(t.w->Label_Mode->text(), QStringLiteral("A"));
            QTest::keyClicks(box, "ab");
            press(box, Qt::Key_Return);
        }
        QVERIFY(t.w->Pic_Right->isVisible());
        t.clock.advance(2500);
    }
    t.clock.advance(2500);
    QCOMPARE(t.s.Play_State, QStringLiteral("end"));
    QVERIFY(t.w->Pic_Score->isVisible());
    QCOMPARE(t.w->Label_Winner->text(), t.b().Team_Score[1] > t.b().Team_Score[0] ? QStringLiteral("초록 팀 승리!")
                                                                                    : QStringLiteral("빨간 팀 승리!"));
    press(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!t.w->Pic_Score->isVisible());
}

void TestHostKeys::keysBetweenQuestionsNeverReachTheAnswerBox()
{
    BoardWindow<FrmMain2> t(QStringLiteral("question %1;노아"));
    QApplication::setActiveWindow(t.w.get());
    QVERIFY(QTest::qWaitForWindowActive(t.w.get()));
    press(t.w.get(), Qt::Key_F5);
    t.clickAt(t.centreOf(t.w->Image4));
    press(QApplication::focusWidget(), Qt::Key_1);
    t.clock.advance(300);
    QTest::keyClicks(QApplication::focusWidget(), "shdk");
    press(QApplication::focusWidget(), Qt::Key_Return);
    t.clock.advance(500);  // the panel closes
    QVERIFY(!t.w->Text1->hasFocus());
    QTest::keyClicks(QApplication::focusWidget(), "dkslek");  // typed between questions
    press(QApplication::focusWidget(), Qt::Key_Return);
    t.clock.advance(2000);
    press(QApplication::focusWidget(), Qt::Key_2);
    t.clock.advance(300);
    QVERIFY(t.w->Text1->hasFocus());
    QCOMPARE(t.w->Text1->text(), QString());
    QVERIFY(t.w->Text1->composition().isEmpty());
    QCOMPARE(t.b().Cur_Team, 1);
}

void TestHostKeys::everyQuestionStartsInHangul()
{
    BoardWindow<FrmMain2> t(QStringLiteral("question %1;Moses"));
    QApplication::setActiveWindow(t.w.get());
    QVERIFY(QTest::qWaitForWindowActive(t.w.get()));
    press(t.w.get(), Qt::Key_F5);
    t.clickAt(t.centreOf(t.w->Image4));
    for (int q = 0; q < 3; ++q) {
        press(QApplication::focusWidget(), Qt::Key(Qt::Key_1 + q));
        t.clock.advance(300);
        QVERIFY(t.w->Text1->isHangulMode());
        QCOMPARE(t.w->Label_Mode->text(), QStringLiteral("한"));
        QTest::keyClicks(t.w->Text1, "gks");
        QCOMPARE(t.w->Text1->composition(), QStringLiteral("한"));
        QTest::sendKeyEvent(QTest::Click, t.w->Text1, Qt::Key_Hangul, QString(), Qt::NoModifier);  // to Latin
        QCOMPARE(t.w->Label_Mode->text(), QStringLiteral("A"));
        QTest::keyClicks(t.w->Text1, "Moses");
        press(t.w->Text1, Qt::Key_Return);
        t.clock.advance(2500);
    }
}

void TestHostKeys::quitAsksWhileAGameRuns()
{
    BoardWindow<FrmMain1> t(QStringLiteral("question %1;answer"));
    QSignalSpy quit(&t.b(), &Board::quitConfirmed);
    press(t.w.get(), Qt::Key_F5);
    t.clickAt(t.centreOf(t.w->Command2));
    QVERIFY(t.w->Pic_Ask->isVisible());
    QCOMPARE(t.w->Label_Ask->text(), QStringLiteral("게임이 진행 중입니다.\n그래도 끝낼까요?"));
    QCOMPARE(quit.size(), 0);
    t.clickAt(t.centreOf(t.w->Label_Ask_No));
    QVERIFY(!t.w->Pic_Ask->isVisible());
    QVERIFY(!t.w->close());  // the close button asks too
    QVERIFY(t.w->Pic_Ask->isVisible());
    t.clickAt(t.centreOf(t.w->Label_Ask_Yes));
    QCOMPARE(quit.size(), 1);
}

QTEST_MAIN(TestHostKeys)
#include "test_host_keys.moc"
