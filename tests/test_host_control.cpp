// The host in control, on virtual time: undo of every kind of verdict, the
// overrule, start over, pause, mute, the quit question and the host's keys.
#include "tests/two_fixture.h"

#include <QtTest>

namespace {

QString element(const Element &e)
{
    return QStringLiteral("%1 %2,%3 %4x%5 [%6] {%7}")
        .arg(e.Visible)
        .arg(e.Left)
        .arg(e.Top)
        .arg(e.Width)
        .arg(e.Height)
        .arg(e.Caption, e.Picture);
}

// Everything a verdict and its chain may change, the clock aside.
QStringList verdictState(const Board &b, const Shared &s)
{
    QStringList out;
    for (int i = 0; i < 9; ++i) {
        out << element(b.Cubix[i]) << element(b.Cubix_Icon[i]) << element(b.Cubix_Number[i]);
        out << QStringList(b.Cell_QA[i].begin(), b.Cell_QA[i].end()).join('|');
    }
    for (const Element *e : {&b.Pic_Quiz, &b.Label9, &b.Label8, &b.Text1, &b.Pic_Right, &b.Pic_Wrong,
                             &b.Pic_Bingo, &b.Pic_Score})
        out << element(*e);
    out << b.Cur_Answer << QString::number(b.Cur_Cell) << s.Play_State << QString::number(s.Score)
        << QString::number(s.Bingo_Count) << QString::number(s.Team_Bingo_Count[0])
        << QString::number(s.Team_Bingo_Count[1]);
    return out;
}

QStringList verdictState(const OneTeamBoard &b, const Shared &s)
{
    return verdictState(static_cast<const Board &>(b), s) << element(b.Label1) << element(b.Label6);
}

QStringList verdictState(const TwoTeamBoard &b, const Shared &s)
{
    QStringList out = verdictState(static_cast<const Board &>(b), s);
    for (int i = 0; i < 4; ++i)
        out << element(b.Label_Team_Score[i]);
    out << element(b.SELECT_IMG) << element(b.Pic_Sel) << QString::number(b.Team_Score[0])
        << QString::number(b.Team_Score[1]) << QString::number(b.Cur_Team);
    return out;
}

// Cells won before the verdict under test, and the verdict: "4R" cell 4 right,
// "4w" wrong. Turns alternate from team 0 on the two-team board.
struct UndoRow {
    QString before;
    QString verdict;
};

}  // namespace

class TestHostControl : public QObject {
    Q_OBJECT
private slots:
    void undoRestoresTheStateBeforeTheVerdict_data();
    void undoRestoresTheStateBeforeTheVerdict();
    void undoGoesBackToTheGameStartOnly();
    void undoInTheHalfSecondCompletesTheVerdictFirst();
    void undoAfterTimeUpKeepsTheGameOver();
    void wrongThenUndoThenOverruleGivesTheTile();
    void overruleWinsABlankStoredAnswer();
    void startOverAsksFirst();
    void pauseStopsTheClockAndRefusesTiles();
    void muteSilencesTheCues();
    void quitAsksWhileAGameRuns();
    void presenterStepsThroughAGame();
    void escapeClosesWhatIsOpen();
    void startAfterARevealDealsAfresh();
    void finalPanelNamesTheWinner_data();
    void finalPanelNamesTheWinner();
};

void TestHostControl::undoRestoresTheStateBeforeTheVerdict_data()
{
    QTest::addColumn<bool>("twoTeams");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<bool>("waitForTheChain");
    for (bool two : {false, true}) {
        const char *board = two ? "two-team" : "one-team";
        // Two-team: team 0 plays the even moves, so 0, 4 and 8 come to team 0.
        const QString line = two ? "0R 1w 4R 1w" : "0R 4R";
        QTest::addRow("%s right without a line", board) << two << "" << "4R" << true;
        QTest::addRow("%s right completing a line", board) << two << line << "8R" << true;
        QTest::addRow("%s right completing a line, undone in its half second", board) << two << line << "8R" << false;
        QTest::addRow("%s wrong", board) << two << "0R" << "5w" << true;
        QTest::addRow("%s the verdict that ends the game", board)
            << two << "0R 1R 2R 3R 4R 5R 6R 7R" << "8R" << true;
    }
}

void TestHostControl::undoRestoresTheStateBeforeTheVerdict()
{
    QFETCH(bool, twoTeams);
    QFETCH(QString, before);
    QFETCH(QString, verdict);
    QFETCH(bool, waitForTheChain);
    const auto run = [&](auto &f, auto &b, auto answer) {
        for (const QString &m : before.split(' ', Qt::SkipEmptyParts)) {
            answer(m.left(1).toInt(), m.endsWith('R'));
            f.clock.advance(2500);
        }
        const int cell = verdict.left(1).toInt();
        b.Cover_Cubix_Click(cell);
        f.clock.advance(300);
        if constexpr (std::is_same_v<std::decay_t<decltype(b)>, OneTeamBoard>)
            b.Command3_Click();
        else
            b.Text1.Caption = verdict.endsWith('R') ? b.Cell_QA[cell][1] : QStringLiteral("아니");
        const QStringList state = verdictState(b, f.s);
        const int depth = b.undoDepth();
        QVERIFY(b.hostKey(verdict.endsWith('R') ? HostKey::Right : HostKey::Wrong)
                || (b.Command3_Click(), b.undoDepth() == depth + 1));
        QCOMPARE(b.undoDepth(), depth + 1);
        f.clock.advance(waitForTheChain ? 5000 : 200);
        QVERIFY(verdictState(b, f.s) != state);
        QVERIFY(b.hostKey(HostKey::Undo));
        QCOMPARE(verdictState(b, f.s), state);
        QCOMPARE(b.undoDepth(), depth);
        QVERIFY(b.Timer1.running());  // the game runs again
        QVERIFY(!b.Timer3.running() && !b.Timer4.running() && !b.Timer5.running());
        f.clock.advance(5000);
        QCOMPARE(verdictState(b, f.s), state);  // nothing of the undone chain follows
    };
    if (twoTeams) {
        TwoFixture f;
        TwoTeamBoard &b = f.started(0);
        run(f, b, [&f](int cell, bool right) { f.answer(cell, right); });
    } else {
        OneFixture f;
        OneTeamBoard &b = f.startedWithLimit(600);
        run(f, b, [&f](int cell, bool right) { f.judge(cell, right); });
    }
}

void TestHostControl::undoGoesBackToTheGameStartOnly()
{
    OneFixture f;
    OneTeamBoard &b = f.started();
    f.play(0, true);
    f.play(4, true);
    f.play(8, false);
    QCOMPARE(f.s.Score, 20);
    for (int k = 0; k < 3; ++k)
        QVERIFY(b.hostKey(HostKey::Undo));
    QCOMPARE(f.s.Score, 0);
    QVERIFY(b.Pic_Quiz.Visible);  // the first question of the game is open again
    QCOMPARE(b.Label9.Caption, QStringLiteral("1번 문제"));
    QVERIFY(!b.hostKey(HostKey::Undo));
    for (int i = 0; i < 9; ++i)
        QVERIFY(b.Cubix[i].Visible && !b.Cubix_Icon[i].Visible);

    f.play(0, true);  // a verdict of the old game cannot be taken back in a new one
    f.s.Play_State = QStringLiteral("end");
    b.Timer1.stop();
    b.GBox_MouseDown(2, 1);
    QCOMPARE(b.undoDepth(), 0);
    QVERIFY(!b.hostKey(HostKey::Undo));
}

void TestHostControl::undoInTheHalfSecondCompletesTheVerdictFirst()
{
    TwoFixture f;
    TwoTeamBoard &b = f.started(0);
    f.answer(3, true);
    f.clock.advance(100);
    QVERIFY(b.Timer3.running() && b.Pic_Right.Visible);
    QVERIFY(b.hostKey(HostKey::Undo));
    QVERIFY(!b.Timer3.running() && !b.Pic_Right.Visible);
    QCOMPARE(b.Team_Score[0], 0);
    QCOMPARE(b.Cur_Team, 0);  // the turn it passed is back too
    QCOMPARE(b.Cell_QA[3][3], QStringLiteral("no"));
    QVERIFY(b.Pic_Quiz.Visible && b.Cubix[3].Visible && b.Cubix_Number[3].Visible);
    QVERIFY(!b.Cubix_Icon[3].Visible);
    f.clock.advance(3000);
    QCOMPARE(b.Cur_Team, 0);  // no turn passes for the undone verdict
}

void TestHostControl::undoAfterTimeUpKeepsTheGameOver()
{
    OneFixture f;
    OneTeamBoard &b = f.startedWithLimit(30);
    f.play(0, true);
    f.clock.advance(30000);
    QCOMPARE(f.s.Play_State, QStringLiteral("end"));
    QCOMPARE(b.Label6.Caption, QStringLiteral("10"));
    QVERIFY(b.hostKey(HostKey::Undo));
    QCOMPARE(f.s.Play_State, QStringLiteral("end"));
    QCOMPARE(f.s.Score, 0);
    QCOMPARE(b.Label6.Caption, QStringLiteral("0"));
    QVERIFY(b.Pic_Score.Visible && !b.Pic_Quiz.Visible && !b.Timer1.running());
}

void TestHostControl::wrongThenUndoThenOverruleGivesTheTile()
{
    TwoFixture f;
    TwoTeamBoard &b = f.started(1);
    f.open(2);
    f.submit(QStringLiteral("오타"));  // a typo judged wrong
    f.clock.advance(2500);
    QCOMPARE(b.Cur_Team, 0);
    QVERIFY(b.hostKey(HostKey::Undo));
    QCOMPARE(b.Cur_Team, 1);
    QCOMPARE(b.Text1.Caption, QStringLiteral("오타"));  // the typed answer is back in the box
    QVERIFY(b.Label_Overrule.Visible);
    QVERIFY(b.hostKey(HostKey::Overrule));
    QCOMPARE(b.Cell_QA[2][3], QStringLiteral("1"));
    QCOMPARE(b.Team_Score[1], 30);
    QVERIFY(!b.Label_Overrule.Visible);
    QVERIFY(!b.hostKey(HostKey::Overrule));  // one verdict per question
    f.clock.advance(500);
    QCOMPARE(b.Cur_Team, 0);
}

void TestHostControl::overruleWinsABlankStoredAnswer()
{
    TwoFixture f;
    TwoTeamBoard &b = f.started(0);
    b.Cell_QA[6][1].clear();
    f.open(6);
    f.submit(QStringLiteral("아무거나"));
    QCOMPARE(b.Cell_QA[6][3], QStringLiteral("no"));
    f.clock.advance(2500);
    f.open(6);
    QVERIFY(b.hostKey(HostKey::Overrule));  // even with an empty box
    QCOMPARE(b.Cell_QA[6][3], QStringLiteral("1"));
    QVERIFY(!b.hostKey(HostKey::Overrule));
}

void TestHostControl::startOverAsksFirst()
{
    TwoFixture f;
    TwoTeamBoard &b = f.started(0);
    f.play(0, true);
    QVERIFY(b.Label_StartOver.Visible);
    QVERIFY(b.hostKey(HostKey::StartOver));
    QVERIFY(b.isAsking() && b.Pic_Ask.Visible);
    QCOMPARE(b.Label_Ask.Caption, QStringLiteral("이 게임을 그만두고\r\n처음부터 다시 할까요?"));
    QVERIFY(!b.hostKey(HostKey::Tile, 5));  // the question is answered first
    QVERIFY(b.hostKey(HostKey::Escape));    // 아니오
    QVERIFY(!b.Pic_Ask.Visible);
    QCOMPARE(b.Team_Score[0], 30);
    QCOMPARE(f.s.Play_State, QStringLiteral("play"));

    f.answer(1, true);
    b.Label_StartOver_Click();
    f.cues.played.clear();
    QVERIFY(b.hostKey(HostKey::Confirm));  // 예
    QCOMPARE(f.s.Play_State, QStringLiteral("end"));
    QCOMPARE(f.cues.played, QStringList{"box.wav"});
    QCOMPARE(b.Team_Score[0], 0);
    QCOMPARE(b.Team_Score[1], 0);
    QVERIFY(!b.Pic_Quiz.Visible && !b.Pic_Right.Visible && !b.Pic_Ask.Visible && !b.Label_StartOver.Visible);
    for (int i = 0; i < 9; ++i)
        QVERIFY(b.Cubix[i].Visible && !b.Cubix_Icon[i].Visible);
    QVERIFY(!b.Timer1.running() && !b.Timer3.running() && !b.Timer5.running());
    f.clock.advance(5000);
    QCOMPARE(b.Team_Score[1], 0);
    b.GBox_MouseDown(5, 1);  // choosing a game works again
    QCOMPARE(f.s.Game_No, 5);
}

void TestHostControl::pauseStopsTheClockAndRefusesTiles()
{
    OneFixture f;
    OneTeamBoard &b = f.started();
    f.clock.advance(5000);
    QVERIFY(b.hostKey(HostKey::Pause));
    QVERIFY(b.Label_Pause.Visible);
    QCOMPARE(b.Label_Pause.Caption, QStringLiteral("일시정지"));
    f.clock.advance(100000);
    QCOMPARE(b.Remain_Sec, 55);
    b.Cover_Cubix_Click(3);
    QVERIFY(!b.hostKey(HostKey::Tile, 4));
    QVERIFY(!b.Pic_Quiz.Visible);
    b.GBox_MouseDown(4, 1);  // still no game change while paused
    QCOMPARE(f.s.Game_No, 0);
    QVERIFY(b.hostKey(HostKey::Pause));
    QVERIFY(!b.Label_Pause.Visible);
    f.clock.advance(1000);
    QCOMPARE(b.Remain_Sec, 54);
    QVERIFY(b.hostKey(HostKey::Tile, 4));
    QVERIFY(b.Pic_Quiz.Visible);
    TwoFixture two;
    two.started(0);
    QVERIFY(!two.b().hostKey(HostKey::Pause));  // no clock to pause there
}

void TestHostControl::muteSilencesTheCues()
{
    OneFixture f;
    OneTeamBoard &b = f.make();
    QVERIFY(!b.Label_Mute.Visible);
    QVERIFY(b.hostKey(HostKey::Mute));
    QVERIFY(b.Label_Mute.Visible && b.isMuted());
    f.cues.played.clear();
    b.Command5_Click();
    f.play(0, true);
    QVERIFY(f.cues.played.isEmpty());
    QCOMPARE(f.s.Score, 10);
    QVERIFY(b.hostKey(HostKey::Mute));
    QVERIFY(!b.Label_Mute.Visible);
    f.clock.advance(1000);
    QCOMPARE(f.cues.played, QStringList{"timer.wav"});
}

void TestHostControl::quitAsksWhileAGameRuns()
{
    OneFixture f;
    OneTeamBoard &b = f.make();
    QSignalSpy quit(&b, &Board::quitConfirmed);
    b.Command2_Click();  // no game runs: at once
    QCOMPARE(quit.size(), 1);
    b.Command2_Click({QStringLiteral("편집기에 저장하지 않은 내용이 있습니다.")});  // another reason
    QCOMPARE(quit.size(), 1);
    QCOMPARE(b.Label_Ask.Caption,
             QStringLiteral("편집기에 저장하지 않은 내용이 있습니다.\r\n그래도 끝낼까요?"));
    b.Label_Ask_No_Click();
    b.Command5_Click();
    QVERIFY(!b.closeRequested());
    QCOMPARE(b.Label_Ask.Caption, QStringLiteral("게임이 진행 중입니다.\r\n그래도 끝낼까요?"));
    QCOMPARE(f.s.Play_State, QStringLiteral("play"));
    b.Label_Ask_Yes_Click();
    QCOMPARE(quit.size(), 2);
}

void TestHostControl::presenterStepsThroughAGame()
{
    OneFixture f;
    OneTeamBoard &b = f.make();
    QVERIFY(b.hostKey(HostKey::Next));
    QCOMPARE(f.s.Play_State, QStringLiteral("play"));
    for (int i = 0; i < 9; ++i) {
        QVERIFY(b.hostKey(HostKey::Next));  // the next unplayed tile
        QCOMPARE(b.Label9.Caption, QStringLiteral("%1번 문제").arg(i + 1));
        QVERIFY(!b.hostKey(HostKey::Back));  // 실패 only once the answer shows
        QVERIFY(b.hostKey(HostKey::Next));   // its answer
        QCOMPARE(b.Text1.Caption, b.Cur_Answer);
        if (i == 3) {
            QVERIFY(b.hostKey(HostKey::Back));  // 실패
        } else {
            QVERIFY(b.hostKey(HostKey::Next));  // 성공
        }
        QVERIFY(!b.hostKey(HostKey::Next) || b.Pic_Bingo.Visible);  // the half second runs
        f.clock.advance(500);
        if (b.Pic_Bingo.Visible)
            QVERIFY(b.hostKey(HostKey::Next));  // closes the bingo picture
    }
    f.clock.advance(2500);
    QCOMPARE(f.s.Play_State, QStringLiteral("end"));
    QCOMPARE(f.s.Score, 8 * 10 + 30 * f.cues.count("bingo.wav"));
    QVERIFY(b.Pic_Score.Visible);
    QVERIFY(b.hostKey(HostKey::Next));  // the final score first
    QVERIFY(!b.Pic_Score.Visible);
    QCOMPARE(f.s.Score, 8 * 10 + 30 * f.cues.count("bingo.wav"));
    QVERIFY(b.hostKey(HostKey::Next));  // then 시 작 deals the game afresh
    QCOMPARE(f.s.Play_State, QStringLiteral("play"));
    QCOMPARE(f.s.Score, 0);
    QVERIFY(!b.Pic_Score.Visible);
}

void TestHostControl::escapeClosesWhatIsOpen()
{
    OneFixture f;
    OneTeamBoard &b = f.started();
    QVERIFY(!b.hostKey(HostKey::Escape));
    QVERIFY(b.hostKey(HostKey::Help));
    QVERIFY(b.Pic_Help.Visible);
    QVERIFY(b.Label_Help.Caption.contains(QStringLiteral("PageDown")));
    QVERIFY(b.hostKey(HostKey::Escape));
    QVERIFY(!b.Pic_Help.Visible);
    f.play(0, true);
    f.play(4, true);
    f.judge(8, true);
    f.clock.advance(500);
    QVERIFY(b.Pic_Bingo.Visible);
    QVERIFY(b.hostKey(HostKey::Escape));
    QVERIFY(!b.Pic_Bingo.Visible);
    for (int i : {1, 2, 3, 5, 6, 7})
        f.play(i, false);
    QVERIFY(b.Pic_Score.Visible);
    QVERIFY(b.hostKey(HostKey::Escape));
    QVERIFY(!b.Pic_Score.Visible);
}

// The first version's trap: reveal, then start, then a team: every tile
// hidden, no clock, only 종 료 left. Start deals the game afresh instead.
void TestHostControl::startAfterARevealDealsAfresh()
{
    TwoFixture f;
    TwoTeamBoard &b = f.b();
    b.Command1_Click();
    f.started(1);
    for (int i = 0; i < 9; ++i)
        QVERIFY(b.Cubix[i].Visible && b.Cubix_Number[i].Visible);
    QVERIFY(b.hostKey(HostKey::Tile, 3));
    QVERIFY(b.Pic_Quiz.Visible);
}

void TestHostControl::finalPanelNamesTheWinner_data()
{
    QTest::addColumn<QString>("wins");  // the team that wins each cell 0 to 8
    QTest::addColumn<int>("preset");    // both scores before the game
    QTest::addColumn<QString>("winner");
    QTest::newRow("red: two rows") << "000000111" << 0 << "빨간 팀 승리!";
    QTest::newRow("green: two rows") << "111111000" << 0 << "초록 팀 승리!";
    // Nine cells cannot split evenly; scores held at their limit can.
    QTest::newRow("tie") << "000011111" << 32767 << "비겼어요!";
}

void TestHostControl::finalPanelNamesTheWinner()
{
    QFETCH(QString, wins);
    QFETCH(int, preset);
    QFETCH(QString, winner);
    TwoFixture f;
    TwoTeamBoard &b = f.started(0);
    b.Team_Score = {std::int16_t(preset), std::int16_t(preset), 0};
    for (int i = 0; i < 9; ++i) {
        const int team = wins[i].digitValue();
        if (b.Cur_Team != team)
            f.play(i, false);  // the other team misses its turn
        f.play(i, true);
    }
    QCOMPARE(f.s.Play_State, QStringLiteral("end"));
    QCOMPARE(b.Label_Winner.Caption, winner);
}

QTEST_GUILESS_MAIN(TestHostControl)
#include "test_host_control.moc"
