// The two-team engine on virtual time: the picker, turns, typed verdicts,
// team lines, the end of a game and the turn-marker pulse.
#include "team/two_board.h"
#include "tests/two_fixture.h"

#include <QtTest>


class TestTwoBoard : public QObject {
    Q_OBJECT
private slots:
    void boardAtLoad();
    void startShowsThePickerCentred();
    void turnsAlternate_data();
    void turnsAlternate();
    void noTileOpensWhileThePickerAsks();
    void rightAndWrongVerdicts();
    void wrongCellIsLeftForTheOtherTeam();
    void comparison_data();
    void comparison();
    void oneVerdictPerQuestion_data();
    void oneVerdictPerQuestion();
    void teamLines_data();
    void teamLines();
    void endOnlyWhenAllNineAreWon();
    void endWhileTheLastVerdictIsPending();
    void lineOfTheCutLastVerdictStillScores();
    void gameSelectionResetsScoresNotTurn();
    void scoreIncreasePast32767IsSkipped();
    void pulse();
    void pulseStopsAtTheEndAndTheReveal();
};

void TestTwoBoard::boardAtLoad()
{
    TwoFixture f;
    TwoTeamBoard &b = f.b();
    QCOMPARE(f.s.Play_State, QStringLiteral("end"));
    QCOMPARE(f.cues.played, QStringList{"box.wav"});
    for (const Element *e : {&b.Label3, &b.Time_Up, &b.Command4, &b.Img_Win[0], &b.Img_Win[1], &b.Pic_Sel,
                             &b.Pic_Quiz, &b.Pic_Score, &b.Pic_Bingo})
        QVERIFY(!e->Visible);
    for (int t = 0; t < 2; ++t) {
        QVERIFY(b.Img_Team[t].Visible);
        QCOMPARE(b.Label_Team_Score[t].Caption, QStringLiteral("0"));
    }
    QCOMPARE(b.Label3.Caption, QStringLiteral("60초"));
    QCOMPARE(b.SELECT_IMG.Picture, TwoTeamBoard::markStore(1));  // green heart at design
    QCOMPARE(b.Pic_Quiz.Width, 641.0);
    QCOMPARE(b.Pic_Quiz.Height, 483.0);
    QCOMPARE(b.Cur_Team, 0);
    QVERIFY(!b.Timer1.running());
}

void TestTwoBoard::startShowsThePickerCentred()
{
    TwoFixture f;
    TwoTeamBoard &b = f.b();
    b.Command5_Click();
    QCOMPARE(f.cues.played.last(), QStringLiteral("start.wav"));
    QCOMPARE(f.s.Play_State, QStringLiteral("play"));
    QVERIFY(b.Pic_Sel.Visible);
    QCOMPARE(b.Pic_Sel.Left, 34 + (743 - 475) / 2.0);
    QCOMPARE(b.Pic_Sel.Top, 40 + (589 - 199) / 2.0);
    QVERIFY(!b.Timer1.running());  // no game clock on this board
    f.clock.advance(5000);
    QCOMPARE(b.Remain_Sec, 60);

    b.Command5_Click();  // a second start changes nothing
    QCOMPARE(f.cues.count("start.wav"), 1);

    b.Label_Sel_Team_Click(1);
    QCOMPARE(f.cues.played.last(), QStringLiteral("send.wav"));
    QCOMPARE(b.Cur_Team, 1);
    QVERIFY(!b.Pic_Sel.Visible);
    QVERIFY(b.Timer1.running());
    b.Label_Sel_Team_Click(0);  // the hidden picker takes no second pick
    QCOMPARE(b.Cur_Team, 1);
    QCOMPARE(f.cues.count("send.wav"), 1);
}

void TestTwoBoard::turnsAlternate_data()
{
    QTest::addColumn<int>("starter");
    QTest::addColumn<bool>("right");
    QTest::newRow("team 1 starts, right") << 1 << true;
    QTest::newRow("team 1 starts, wrong") << 1 << false;
    QTest::newRow("team 0 starts, wrong") << 0 << false;
}

void TestTwoBoard::turnsAlternate()
{
    QFETCH(int, starter);
    QFETCH(bool, right);
    TwoFixture f;
    TwoTeamBoard &b = f.started(starter);
    f.answer(2, right);
    QCOMPARE(b.SELECT_IMG.Picture, TwoTeamBoard::markStore(starter));
    f.clock.advance(499);
    QCOMPARE(int(b.Cur_Team), starter);  // the turn passes with the panel closing
    f.clock.advance(1);
    QCOMPARE(int(b.Cur_Team), 1 - starter);
    f.clock.advance(2000);
    f.open(6);
    QCOMPARE(b.SELECT_IMG.Picture, TwoTeamBoard::markStore(1 - starter));
    QVERIFY(b.Cubix_Number[6].Visible);  // an open cell keeps its number here
    f.submit(b.Cell_QA[6][1]);
    QCOMPARE(b.Cell_QA[6][3], QString::number(1 - starter));
    f.clock.advance(500);
    QCOMPARE(int(b.Cur_Team), starter);
}

// A tile opened while the picker asked showed team 0's heart and then scored
// for the team picked meanwhile: no tile opens until a team is picked.
void TestTwoBoard::noTileOpensWhileThePickerAsks()
{
    TwoFixture f;
    TwoTeamBoard &b = f.b();
    b.Command5_Click();
    b.Cover_Cubix_Click(0);
    QVERIFY(!b.hostKey(HostKey::Tile, 1));
    QVERIFY(!b.Pic_Quiz.Visible);
    b.Label_Sel_Team_Click(1);
    f.answer(0, true);
    QCOMPARE(b.SELECT_IMG.Picture, TwoTeamBoard::markStore(1));
    QCOMPARE(b.Cell_QA[0][3], QStringLiteral("1"));
    QCOMPARE(b.Label_Team_Score[1].Caption, QStringLiteral("30"));
    QCOMPARE(b.Label_Team_Score[0].Caption, QStringLiteral("0"));
}

void TestTwoBoard::rightAndWrongVerdicts()
{
    TwoFixture f;
    TwoTeamBoard &b = f.started(1);
    f.answer(4, true);
    QVERIFY(b.Pic_Right.Visible && !b.Pic_Wrong.Visible);
    QCOMPARE(f.cues.played.last(), QStringLiteral("right.wav"));
    QVERIFY(!b.Cubix[4].Visible);
    QVERIFY(!b.Cubix_Number[4].Visible);
    QVERIFY(b.Cubix_Icon[4].Visible);
    QCOMPARE(b.Cubix_Icon[4].Picture, TwoTeamBoard::markStore(1));
    QCOMPARE(b.Cell_QA[4][3], QStringLiteral("1"));
    QCOMPARE(b.Team_Score[1], 30);
    QCOMPARE(b.Label_Team_Score[1].Caption, QStringLiteral("30"));
    QCOMPARE(b.Label_Team_Score[0].Caption, QStringLiteral("0"));
    QVERIFY(b.Timer3.running());
    f.clock.advance(500);
    QVERIFY(!b.Pic_Quiz.Visible && !b.Pic_Right.Visible);
    QVERIFY(b.Text1.Caption.isEmpty());
    f.clock.advance(2000);
    QVERIFY(b.Cubix[4].Visible);  // back, carrying team 1's heart
    b.Cover_Cubix_Click(4);       // a won cell does not open again
    QVERIFY(!b.Pic_Quiz.Visible);

    f.answer(5, false);  // team 0
    QVERIFY(b.Pic_Wrong.Visible && !b.Pic_Right.Visible);
    QCOMPARE(f.cues.played.last(), QStringLiteral("bome.wav"));
    QVERIFY(b.Cubix[5].Visible && b.Cubix_Number[5].Visible);
    QVERIFY(!b.Cubix_Icon[5].Visible);
    QCOMPARE(b.Cell_QA[5][3], QStringLiteral("no"));
    QCOMPARE(b.Team_Score[0], 0);
    QVERIFY(b.Timer3.running());
}

void TestTwoBoard::wrongCellIsLeftForTheOtherTeam()
{
    TwoFixture f;
    TwoTeamBoard &b = f.started(0);
    f.play(5, false);
    QVERIFY(b.Cubix[5].Visible && b.Cubix_Number[5].Visible && !b.Cubix_Icon[5].Visible);
    QVERIFY(b.Text1.Caption.isEmpty());
    QCOMPARE(b.Cur_Team, 1);
    f.play(5, true);
    QCOMPARE(b.Cell_QA[5][3], QStringLiteral("1"));
    QCOMPARE(b.Team_Score[1], 30);
    QCOMPARE(b.Team_Score[0], 0);
}

void TestTwoBoard::comparison_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("verdict");  // right, wrong, none
    const QString noah = QStringLiteral("노아의 방주");
    // The comparison itself is tested in test_answer_check: here each verdict once.
    QTest::newRow("right") << noah << "노아의방주" << "right";
    QTest::newRow("wrong") << noah << "노아의 방주!" << "wrong";
    QTest::newRow("ignored") << noah << "    " << "none";
}

void TestTwoBoard::comparison()
{
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    QFETCH(QString, verdict);
    TwoFixture f;
    TwoTeamBoard &b = f.started(0);
    b.Cell_QA[3][1] = stored;
    f.open(3);
    f.cues.played.clear();
    f.submit(typed);
    if (verdict == "none") {
        QVERIFY(f.cues.played.isEmpty());
        QVERIFY(!b.Timer3.running());
        f.clock.advance(3000);
        QVERIFY(b.Pic_Quiz.Visible);  // the panel stays open
        QCOMPARE(b.Cur_Team, 0);
        return;
    }
    const bool right = verdict == "right";
    QCOMPARE(f.cues.played, QStringList{right ? "right.wav" : "bome.wav"});
    QCOMPARE(b.Cell_QA[3][3], right ? QStringLiteral("0") : QStringLiteral("no"));
}

void TestTwoBoard::oneVerdictPerQuestion_data()
{
    QTest::addColumn<QString>("submits");  // r: the right answer, w: a wrong one
    QTest::addColumn<int>("score");
    QTest::addColumn<QString>("status");
    QTest::newRow("second Enter on a right answer scores nothing") << "rr" << 30 << "0";
    QTest::newRow("right answer typed after a wrong one is ignored") << "wr" << 0 << "no";
    QTest::newRow("wrong after right is ignored") << "rw" << 30 << "0";
}

void TestTwoBoard::oneVerdictPerQuestion()
{
    QFETCH(QString, submits);
    QFETCH(int, score);
    QFETCH(QString, status);
    TwoFixture f;
    TwoTeamBoard &b = f.started(0);
    f.open(7);
    f.cues.played.clear();
    for (QChar c : submits) {
        f.submit(c == 'r' ? b.Cell_QA[7][1] : QStringLiteral("아니"));
        f.clock.advance(200);
    }
    QCOMPARE(f.cues.count("right.wav") + f.cues.count("bome.wav"), 1);
    QCOMPARE(int(b.Team_Score[0]), score);
    QCOMPARE(b.Cell_QA[7][3], status);
    QVERIFY(!(b.Pic_Right.Visible && b.Pic_Wrong.Visible));
    f.clock.advance(300);  // panel closed: one turn change only
    QCOMPARE(b.Cur_Team, 1);
    f.clock.advance(2000);
    f.answer(8, true);  // the next question takes its verdict
    QCOMPARE(int(b.Team_Score[1]), 30);
}

void TestTwoBoard::teamLines_data()
{
    // Turns alternate from team 0; each move is a cell and R (right) or w (wrong).
    QTest::addColumn<QString>("moves");
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("bingos");      // bingo.wav
    QTest::addColumn<int>("redLines");    // Team_Bingo_Count(0)
    QTest::addColumn<int>("greenLines");  // Team_Bingo_Count(1)
    QTest::addColumn<bool>("lastBingo");  // the last move completes a new line
    QTest::newRow("team 0 diagonal") << "0R 1w 4R 1w 8R" << 190 << 0 << 1 << 1 << 0 << true;
    QTest::newRow("team 1 column") << "1w 0R 1w 3R 1w 6R" << 0 << 190 << 1 << 0 << 1 << true;
    QTest::newRow("mixed row gives nothing") << "0R 2R 1R" << 60 << 30 << 0 << 0 << 0 << false;
    QTest::newRow("two lines at once give one 100")
        << "1R 0w 2R 0w 3R 0w 6R 5w 0R" << 250 << 0 << 1 << 2 << 0 << true;
    QTest::newRow("a rewarded line is not rewarded again")
        << "0R 1w 4R 1w 8R 1w 2R" << 220 << 0 << 1 << 1 << 0 << false;
    QTest::newRow("a missed cell won later completes the line")
        << "1w 0R 1w 4w 1w 8R 1w 4R" << 0 << 190 << 1 << 0 << 1 << true;
}

void TestTwoBoard::teamLines()
{
    QFETCH(QString, moves);
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, bingos);
    QFETCH(int, redLines);
    QFETCH(int, greenLines);
    QFETCH(bool, lastBingo);
    TwoFixture f;
    TwoTeamBoard &b = f.started(0);
    const QStringList list = moves.split(' ');
    for (int k = 0; k < list.size(); ++k) {
        const int cell = list[k].left(1).toInt();
        const bool right = list[k].endsWith('R');
        const int team = b.Cur_Team;
        f.answer(cell, right);
        if (k + 1 == list.size()) {
            // the 100 comes at the check after the answer, not with it
            const int before = b.Team_Score[team];
            f.clock.advance(500);
            QCOMPARE(b.Pic_Bingo.Visible, lastBingo);
            QCOMPARE(int(b.Team_Score[team]), before + (lastBingo ? 100 : 0));
        }
        f.clock.advance(2500);
    }
    QCOMPARE(int(b.Team_Score[0]), red);
    QCOMPARE(int(b.Team_Score[1]), green);
    QCOMPARE(b.Label_Team_Score[0].Caption, QString::number(red));
    QCOMPARE(b.Label_Team_Score[1].Caption, QString::number(green));
    QCOMPARE(f.cues.count("bingo.wav"), bingos);
    QCOMPARE(int(f.s.Team_Bingo_Count[0]), redLines);
    QCOMPARE(int(f.s.Team_Bingo_Count[1]), greenLines);
}

void TestTwoBoard::endOnlyWhenAllNineAreWon()
{
    TwoFixture f;
    TwoTeamBoard &b = f.started(0);
    // team 0 misses cell 8 each time, team 1 wins 0 to 7 in between
    for (int i = 0; i < 8; ++i) {
        f.play(8, false);
        f.play(i, true);
    }
    QCOMPARE(f.s.Play_State, QStringLiteral("play"));
    QVERIFY(!b.Pic_Score.Visible);
    QCOMPARE(f.cues.count("end.wav"), 0);
    QVERIFY(b.Timer1.running());
    QCOMPARE(b.Cur_Team, 0);
    f.answer(8, true);  // a lone cell of team 0: no line, the end comes at 2.5 s
    f.clock.advance(2499);
    QCOMPARE(f.s.Play_State, QStringLiteral("play"));
    f.clock.advance(1);
    QCOMPARE(f.cues.count("end.wav"), 1);
    QCOMPARE(f.s.Play_State, QStringLiteral("end"));
    QVERIFY(b.Pic_Score.Visible && !b.Pic_Quiz.Visible);
    QCOMPARE(b.Label_Team_Score[3].Caption, QStringLiteral("30"));
    QCOMPARE(b.Label_Team_Score[2].Caption, QString::number(b.Team_Score[1]));
    QVERIFY(b.Team_Score[1] > 8 * 30);
    QCOMPARE(b.Label_Team_Score[2].Caption, b.Label_Team_Score[1].Caption);
    QVERIFY(!b.Timer1.running() && !b.Timer3.running());
    b.Pic_Score_Click();
    QVERIFY(!b.Pic_Score.Visible);
    QCOMPARE(f.s.Play_State, QStringLiteral("end"));
}

// The last cell is won while the chain of the one before is still running: that
// chain's 2.5 s step ends the game and stops the pending panel-closing step.
// The final panel must keep matching the board, the end comes once, and the
// verdict picture and typed answer must not greet the next game's first question.
void TestTwoBoard::endWhileTheLastVerdictIsPending()
{
    TwoFixture f;
    TwoTeamBoard &b = f.started(0);
    // Team 0 wins 0, 1, 5, 6 and last 7; team 1 wins 2, 3, 4, 8: no line for anyone.
    for (int i : {0, 2, 1, 3, 5, 4, 6})
        f.play(i, true);
    f.answer(8, true);       // t = 300; its 2.5 s step comes at 2800
    f.clock.advance(1800);   // t = 2100
    f.answer(7, true);       // t = 2400; its panel would close at 2900
    QVERIFY(b.Timer3.running());
    QVERIFY(b.Pic_Right.Visible);
    f.clock.advance(400);    // t = 2800
    QCOMPARE(f.s.Play_State, QStringLiteral("end"));
    QVERIFY(!b.Timer3.running());
    QVERIFY(b.Pic_Score.Visible && !b.Pic_Quiz.Visible);
    QCOMPARE(f.cues.count("end.wav"), 1);
    QVERIFY(!b.Pic_Right.Visible && !b.Pic_Wrong.Visible);
    QVERIFY(b.Text1.Caption.isEmpty());
    b.Pic_Score_Click();
    f.clock.advance(5000);
    QCOMPARE(f.cues.count("end.wav"), 1);
    QVERIFY(!b.Pic_Score.Visible);
    QCOMPARE(b.Label_Team_Score[3].Caption, b.Label_Team_Score[0].Caption);
    QCOMPARE(b.Label_Team_Score[2].Caption, b.Label_Team_Score[1].Caption);

    b.GBox_MouseDown(1, 1);
    f.started(1);
    b.Cover_Cubix_Click(4);
    QVERIFY(b.Pic_Quiz.Visible);
    QVERIFY(!b.Pic_Right.Visible && !b.Pic_Wrong.Visible);
    QVERIFY(b.Text1.Caption.isEmpty());
}

void TestTwoBoard::lineOfTheCutLastVerdictStillScores()
{
    TwoFixture f;
    TwoTeamBoard &b = f.started(0);
    // Team 0 wins 0, 2, 4, 6 (line 2-4-6) and last 8 (line 0-4-8); team 1 wins 1, 3, 5, 7.
    for (int i = 0; i < 7; ++i)
        f.play(i, true);
    f.answer(7, true);      // its 2.5 s step ends the game while the last chain waits
    f.clock.advance(1800);
    f.answer(8, true);
    f.clock.advance(400);
    QCOMPARE(f.s.Play_State, QStringLiteral("end"));
    QCOMPARE(f.s.Team_Bingo_Count[0], 2);
    QCOMPARE(b.Team_Score[0], 5 * 30 + 2 * 100);
    QCOMPARE(b.Label_Team_Score[3].Caption, QStringLiteral("350"));
    QCOMPARE(b.Cur_Team, 0);  // the game is over: no turn passes
    QCOMPARE(f.cues.count("bingo.wav"), 2);
    f.clock.advance(1000);  // the bingo picture closes and the end check runs again
    QVERIFY(!b.Pic_Bingo.Visible);
    QVERIFY(b.Pic_Score.Visible);
    QCOMPARE(b.Label_Team_Score[3].Caption, QStringLiteral("350"));
    QCOMPARE(b.Label_Team_Score[2].Caption, QStringLiteral("120"));
}

void TestTwoBoard::gameSelectionResetsScoresNotTurn()
{
    TwoFixture f;
    TwoTeamBoard &b = f.started(0);
    for (int i : {0, 3, 4, 1, 8})  // team 0 wins 0, 4, 8 (a line); team 1 wins 3, 1
        f.play(i, true);
    QCOMPARE(f.s.Team_Bingo_Count[0], 1);
    for (int i : {2, 5, 6, 7})
        f.play(i, true);
    QCOMPARE(f.s.Play_State, QStringLiteral("end"));
    QCOMPARE(b.Cur_Team, 1);
    b.GBox_MouseDown(6, 1);
    QCOMPARE(f.s.Game_No, 6);
    QCOMPARE(b.Team_Score[0], 0);
    QCOMPARE(b.Team_Score[1], 0);
    QCOMPARE(b.Label_Team_Score[0].Caption, QStringLiteral("0"));
    QCOMPARE(b.Label_Team_Score[1].Caption, QStringLiteral("0"));
    QCOMPARE(f.s.Team_Bingo_Count[0], 0);
    QCOMPARE(f.s.Team_Bingo_Count[1], 0);
    QCOMPARE(b.Cur_Team, 1);
}

void TestTwoBoard::scoreIncreasePast32767IsSkipped()
{
    TwoFixture f;
    TwoTeamBoard &b = f.started(0);
    b.Team_Score[0] = 32740;
    f.answer(0, true);
    QCOMPARE(b.Team_Score[0], 32740);
    f.clock.advance(2500);
    b.Team_Score[1] = 32737;
    f.answer(1, true);
    QCOMPARE(b.Team_Score[1], 32767);
    QCOMPARE(b.Label_Team_Score[1].Caption, QStringLiteral("32767"));
}

void TestTwoBoard::pulse()
{
    TwoFixture f;
    TwoTeamBoard &b = f.started(0);
    const QSizeF whole(100, 100), big(110, 110), small(90, 90);
    QCOMPARE(f.heart(0), whole);
    f.clock.advance(499);
    QCOMPARE(f.heart(0), whole);
    f.clock.advance(1);  // a whole heart shrinks first
    QCOMPARE(f.heart(0), small);
    QCOMPARE(f.heart(1), whole);
    f.clock.advance(500);
    QCOMPARE(f.heart(0), big);
    f.clock.advance(500);
    QCOMPARE(f.heart(0), small);
    // a verdict at 1500 ms: the turn passes at 2000 ms, just after a pulse tick
    QCOMPARE(f.clock.now(), 1500);
    b.Cover_Cubix_Click(2);
    f.submit(b.Cell_QA[2][1]);
    f.clock.advance(499);
    QCOMPARE(f.heart(0), small);
    QCOMPARE(b.Cur_Team, 0);
    f.clock.advance(1);
    QCOMPARE(b.Cur_Team, 1);
    QCOMPARE(f.heart(0), whole);  // big after the tick, put back whole with the turn
    QCOMPARE(f.heart(1), whole);
    f.clock.advance(500);  // team 1 pulses
    QCOMPARE(f.heart(1), small);
    QCOMPARE(f.heart(0), whole);
    f.clock.advance(500);
    QCOMPARE(f.heart(1), big);
    QCOMPARE(b.Img_Team[0].Left, 790.0);
    QCOMPARE(b.Img_Team[0].Top, 36.0);
    // game selection is refused while the marker runs
    f.s.Play_State = QStringLiteral("end");
    b.GBox_MouseDown(3, 1);
    QCOMPARE(f.s.Game_No, 0);
    QCOMPARE(b.Cell_QA[2][3], QStringLiteral("0"));
}

void TestTwoBoard::pulseStopsAtTheEndAndTheReveal()
{
    TwoFixture f;
    TwoTeamBoard &b = f.started(0);
    for (int i = 0; i < 8; ++i)
        f.play(i, true);
    f.answer(8, true);
    f.clock.advance(300);  // the answering team's heart is still pulsing
    QVERIFY(f.heart(0) != QSizeF(100, 100));
    f.clock.advance(2200);
    QCOMPARE(f.s.Play_State, QStringLiteral("end"));
    QVERIFY(!b.Timer1.running());
    QCOMPARE(f.heart(0), QSizeF(100, 100));
    QCOMPARE(f.heart(1), QSizeF(100, 100));
    f.clock.advance(5000);
    QCOMPARE(f.heart(0), QSizeF(100, 100));

    b.Command1_Click();  // reveal after the end
    QCOMPARE(f.cues.played.last(), QStringLiteral("applous.WAV"));
    QVERIFY(!b.Timer1.running());
    for (const Element &c : b.Cubix)
        QVERIFY(!c.Visible);
    f.clock.advance(1000);
    QCOMPARE(f.heart(1), QSizeF(100, 100));
    b.GBox_MouseDown(2, 1);  // and a new game can be chosen
    QCOMPARE(f.s.Game_No, 2);
}

QTEST_GUILESS_MAIN(TestTwoBoard)
#include "test_two_board.moc"
