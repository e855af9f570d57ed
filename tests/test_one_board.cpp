// The one-team engine on virtual time: clock, limits, questions, verdicts,
// bingo lines, the end of a game, the shuffle and the picture.
#include "tests/board_fixture.h"

#include <QtTest>

#include <map>

class TestOneBoard : public QObject {
    Q_OBJECT
private slots:
    void loadChoosesGameOne();
    void countdownEndsAtTheTickAfterZero();
    void limitButtons_data();
    void limitButtons();
    void guards_data();
    void guards();
    void openingACell();
    void answerLosesOnlyOuterSpaces_data();
    void answerLosesOnlyOuterSpaces();
    void slideWidensFromTheMiddle();
    void clickOnAnotherCellRestartsTheSlide();
    void verdictChain_data();
    void verdictChain();
    void judgingNeedsTheAnswerShown();
    void oneVerdictPerQuestion_data();
    void oneVerdictPerQuestion();
    void twoLinesAtOnceGiveOneBingo();
    void wrongCentreBlocksItsLines();
    void endAfterTheNinthJudgment_data();
    void endAfterTheNinthJudgment();
    void startAfterTimeUpDealsAfresh();
    void answerShownWhenTimeRunsOutIsNotCarriedOver();
    void bonusAfterTimeUpReachesTheFinalPanel();
    void closingThePictures();
    void scoreIncreasePast32767IsSkipped_data();
    void scoreIncreasePast32767IsSkipped();
    void coverReturnsForEveryPlayedCell();
    void shuffleIsAPermutation();
    void shuffleRedrawsUsedLines();
    void shuffleOfBrokenLines();
    void shuffleIsUniformWithinOneClockTick();
    void pictureLoadsOrKeepsThePrevious();
    void revealDrawsOutlinedCaption();
    void layoutStepPlacesTheGrid();
};

void TestOneBoard::loadChoosesGameOne()
{
    OneFixture f;
    f.s.Time_Limit = 90;
    OneTeamBoard &b = f.make();
    QCOMPARE(f.s.Time_Limit, 60);
    QCOMPARE(f.s.Play_State, QStringLiteral("end"));
    QCOMPARE(f.s.Game_No, 0);
    QCOMPARE(f.cues.played, QStringList{"box.wav"});
    QCOMPARE(b.Label3.Caption, QStringLiteral("60초"));
    QCOMPARE(b.Img_SRC.Picture, QStringLiteral("/game/img/p0.jpg"));
    QCOMPARE(b.Picture_Caption, QStringLiteral("caption 0"));
    for (int i = 0; i < 9; ++i) {
        QVERIFY(b.Cubix[i].Visible);
        QVERIFY(b.Cubix_Number[i].Visible);
        QCOMPARE(b.Cubix_Number[i].Caption, QString::number(i + 1));
        QVERIFY(!b.Cubix_Icon[i].Visible);
    }
    for (const Element *e : {&b.Pic_Quiz, &b.Pic_Right, &b.Pic_Wrong, &b.Pic_Bingo, &b.Pic_Score,
                             &b.Image1, &b.Cubix_IMG, &b.Img_Win, &b.Img_Lose, &b.Label2, &b.Label4})
        QVERIFY(!e->Visible);
}

void TestOneBoard::countdownEndsAtTheTickAfterZero()
{
    OneFixture f;
    OneTeamBoard &b = f.started();
    QVERIFY(b.Timer1.running());
    f.clock.advance(999);
    QCOMPARE(b.Label3.Caption, QStringLiteral("60초"));
    f.clock.advance(1);
    QCOMPARE(b.Label3.Caption, QStringLiteral("59초"));
    f.clock.advance(59000);
    QCOMPARE(b.Label3.Caption, QStringLiteral("0초"));
    QCOMPARE(f.s.Play_State, QStringLiteral("play"));
    QVERIFY(!b.Pic_Score.Visible);
    QCOMPARE(f.cues.count("timer.wav"), 60);

    b.Cover_Cubix_Click(3);  // a question open at the end is abandoned
    f.clock.advance(1000);   // 61st tick
    QCOMPARE(f.cues.played.last(), QStringLiteral("end.wav"));
    QCOMPARE(f.s.Play_State, QStringLiteral("end"));
    QVERIFY(b.Pic_Score.Visible);
    QVERIFY(!b.Pic_Quiz.Visible);
    QVERIFY(!b.Timer1.running());
    QCOMPARE(b.Label6.Caption, b.Label1.Caption);
    f.clock.advance(5000);
    QCOMPARE(f.cues.count("end.wav"), 1);
    QCOMPARE(f.cues.count("timer.wav"), 60);
}

void TestOneBoard::limitButtons_data()
{
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("presses");  // u: ▲, d: ▼
    QTest::addColumn<int>("expected");
    QTest::addColumn<QString>("label");    // after the presses
    QTest::newRow("up three times") << 60 << "uuu" << 150 << "150초";
    QTest::newRow("down to the floor") << 90 << "dd" << 30 << "30초";
    QTest::newRow("down at 30 changes nothing") << 30 << "d" << 30 << "60초";
    QTest::newRow("down at 59 changes nothing") << 59 << "d" << 59 << "60초";
    QTest::newRow("up stops below 32768") << 32760 << "u" << 32760 << "32760초";
    QTest::newRow("up reaches 32767 exactly") << 32737 << "u" << 32767 << "32767초";
}

void TestOneBoard::limitButtons()
{
    QFETCH(int, limit);
    QFETCH(QString, presses);
    QFETCH(int, expected);
    QFETCH(QString, label);
    OneFixture f;
    OneTeamBoard &b = f.make();
    f.s.Time_Limit = std::int16_t(limit);
    for (QChar c : presses)
        c == 'u' ? b.Time_Up_Click() : b.Command4_Click();
    QCOMPARE(int(f.s.Time_Limit), expected);
    QCOMPARE(b.Label3.Caption, label);
    if (label != "60초")
        QCOMPARE(int(b.Remain_Sec), expected);
}

void TestOneBoard::guards_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("game box during play") << "box in play";
    QTest::newRow("game box while clock runs at end") << "box with clock";
    QTest::newRow("game box right press") << "box right";
    QTest::newRow("start during play") << "start in play";
    QTest::newRow("reveal during play") << "reveal in play";
    QTest::newRow("cell before start") << "cell at end";
}

// Each action must leave the board as it was: no cue, no change of game.
void TestOneBoard::guards()
{
    QFETCH(QString, action);
    OneFixture f;
    OneTeamBoard &b = f.make();
    if (action.endsWith("in play"))
        b.Command5_Click();
    if (action == "box with clock") {
        b.Command5_Click();
        f.s.Play_State = QStringLiteral("end");
    }
    f.cues.played.clear();
    const auto cells = b.Cell_QA;
    if (action.startsWith("box"))
        b.GBox_MouseDown(4, action == "box right" ? 2 : 1);
    else if (action.startsWith("start"))
        b.Command5_Click();
    else if (action.startsWith("reveal"))
        b.Command1_Click();
    else
        b.Cover_Cubix_Click(2);
    QVERIFY2(f.cues.played.isEmpty(), qPrintable(f.cues.played.join(',')));
    QCOMPARE(f.s.Game_No, 0);
    QVERIFY(b.Cell_QA == cells);
    QVERIFY(!b.Pic_Quiz.Visible);
    for (const Element &c : b.Cubix)
        QVERIFY(c.Visible);
}

void TestOneBoard::openingACell()
{
    OneFixture f;
    f.s.Quiz_Table[0][5] = QStringLiteral("first<br>second<BR>third;  an answer  ");
    OneTeamBoard &b = f.started();
    const int cell = f.cellOf(5);
    b.Cover_Cubix_Click(cell);
    QCOMPARE(b.Cur_Cell, cell);
    QCOMPARE(b.Label9.Caption, QString::number(cell + 1) + "번 문제");
    QCOMPARE(b.Label8.Caption, QStringLiteral("first\r\nsecond<BR>third"));
    QCOMPARE(b.Cur_Answer, QStringLiteral("an answer"));
    QVERIFY(b.Pic_Quiz.Visible);
    QVERIFY(!b.Cubix_Number[cell].Visible);
    QVERIFY(b.Text1.Caption.isEmpty());
    b.Command3_Click();
    QCOMPARE(b.Text1.Caption, QStringLiteral("an answer"));
    QCOMPARE(f.cues.played.last(), QStringLiteral("Click.wav"));
}

void TestOneBoard::answerLosesOnlyOuterSpaces_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("answer");  // Cur_Answer, shown by "정답"
    QTest::addColumn<bool>("judged");     // "성공" then takes a verdict
    QTest::newRow("spaces around, inner kept") << "  노아의 방주 " << "노아의 방주" << true;
    QTest::newRow("tab is not a space") << "\t모세 " << "\t모세" << true;
    QTest::newRow("full-width space is not a space") << "\u3000" << "\u3000" << true;
    QTest::newRow("only spaces: never judged") << "   " << "" << false;
}

void TestOneBoard::answerLosesOnlyOuterSpaces()
{
    QFETCH(QString, stored);
    QFETCH(QString, answer);
    QFETCH(bool, judged);
    OneFixture f;
    f.s.Quiz_Table[0][3] = QStringLiteral("question;") + stored;
    OneTeamBoard &b = f.started();
    b.Cover_Cubix_Click(f.cellOf(3));
    QCOMPARE(b.Cur_Answer, answer);
    b.Command3_Click();
    QCOMPARE(b.Text1.Caption, answer);
    b.Label7_Click();
    QCOMPARE(b.Timer3.running(), judged);
    QCOMPARE(int(f.s.Score), judged ? 10 : 0);
}

void TestOneBoard::slideWidensFromTheMiddle()
{
    OneFixture f;
    OneTeamBoard &b = f.started();
    b.Cover_Cubix_Click(0);
    QCOMPARE(b.Pic_Quiz.Top, 80.0);
    const double widths[] = {1, 129, 257, 385, 513, 641};
    for (int k = 0; k < 6; ++k) {
        QCOMPARE(b.Pic_Quiz.Width, widths[k]);
        QCOMPARE(b.Pic_Quiz.Left, 405.5 - 64 * k);
        f.clock.advance(50);
    }
    QCOMPARE(b.Pic_Quiz.Width, 641.0);  // the sixth tick only stops the slide
    QCOMPARE(b.Pic_Quiz.Left, 85.5);
    QVERIFY(!b.Timer2.running());
}

void TestOneBoard::clickOnAnotherCellRestartsTheSlide()
{
    OneFixture f;
    OneTeamBoard &b = f.started();
    b.Cover_Cubix_Click(0);
    f.clock.advance(300);
    b.Cover_Cubix_Click(8);
    QCOMPARE(b.Pic_Quiz.Width, 1.0);
    QCOMPARE(b.Label9.Caption, QStringLiteral("9번 문제"));
    QVERIFY(!b.Cubix_Number[0].Visible);  // the first cell stays fresh, number hidden
    QCOMPARE(b.Cell_QA[0][3], QStringLiteral("no"));
    f.clock.advance(300);
    QCOMPARE(b.Pic_Quiz.Width, 641.0);
}

void TestOneBoard::verdictChain_data()
{
    QTest::addColumn<bool>("right");
    QTest::addColumn<bool>("bingo");
    QTest::newRow("right") << true << false;
    QTest::newRow("wrong") << false << false;
    QTest::newRow("right completing a line") << true << true;
}

void TestOneBoard::verdictChain()
{
    QFETCH(bool, right);
    QFETCH(bool, bingo);
    OneFixture f;
    OneTeamBoard &b = f.started();
    if (bingo) {
        f.play(0, true);
        f.play(4, true);
    }
    const int cell = 8;
    const int scoreBefore = f.s.Score;
    f.judge(cell, right);
    const QString cue = right ? "right.wav" : "bome.wav";
    QCOMPARE(f.cues.played.last(), cue);
    QCOMPARE(b.Cubix[cell].Visible, !right);  // a right answer uncovers the picture
    QVERIFY(b.Cubix_Icon[cell].Visible);
    QCOMPARE(b.Cubix_Icon[cell].Picture, right ? QStringLiteral("Img_Win") : QStringLiteral("Img_Lose"));
    QCOMPARE(b.Cell_QA[cell][3], right ? QStringLiteral("yes") : QStringLiteral("no"));
    QCOMPARE(int(f.s.Score), scoreBefore + (right ? 10 : 0));
    QCOMPARE(b.Label1.Caption, QString::number(f.s.Score));
    QVERIFY(right ? b.Pic_Right.Visible : b.Pic_Wrong.Visible);

    f.clock.advance(499);
    QVERIFY(b.Pic_Quiz.Visible);
    f.clock.advance(1);  // 0.5 s
    QVERIFY(!b.Pic_Quiz.Visible && !b.Pic_Right.Visible && !b.Pic_Wrong.Visible);
    QVERIFY(b.Text1.Caption.isEmpty());
    QCOMPARE(b.Pic_Bingo.Visible, bingo);
    QCOMPARE(int(f.s.Score), scoreBefore + (right ? 10 : 0) + (bingo ? 30 : 0));
    QCOMPARE(f.cues.count("bingo.wav"), bingo ? 1 : 0);
    f.clock.advance(999);
    QCOMPARE(b.Pic_Bingo.Visible, bingo);
    f.clock.advance(1);  // 1.5 s
    QVERIFY(!b.Pic_Bingo.Visible);
    QCOMPARE(b.Cubix[cell].Visible, !right);
    f.clock.advance(999);
    QCOMPARE(b.Cubix[cell].Visible, !right);
    f.clock.advance(1);  // 2.5 s: played cells covered again, carrying their marks
    QVERIFY(b.Cubix[cell].Visible);
    QVERIFY(b.Cubix_Icon[cell].Visible);
    QVERIFY(!b.Timer3.running() && !b.Timer4.running() && !b.Timer5.running());
    QCOMPARE(f.s.Play_State, QStringLiteral("play"));
    b.Cover_Cubix_Click(cell);  // a played cell does not open again
    QVERIFY(!b.Pic_Quiz.Visible);
}

void TestOneBoard::judgingNeedsTheAnswerShown()
{
    OneFixture f;
    f.s.Quiz_Table[0][2] = QStringLiteral("blank answer;   ");
    OneTeamBoard &b = f.started();
    b.Cover_Cubix_Click(f.cellOf(1));
    f.cues.played.clear();
    b.Label7_Click();
    b.Label10_Click();
    QVERIFY(f.cues.played.isEmpty());
    QVERIFY(!b.Timer3.running());
    QVERIFY(!b.Cubix_Icon[f.cellOf(1)].Visible);

    b.Cover_Cubix_Click(f.cellOf(2));  // an answer of spaces counts as empty
    b.Command3_Click();
    b.Label7_Click();
    QVERIFY(!b.Timer3.running());
    QCOMPARE(f.s.Score, 0);
}

void TestOneBoard::oneVerdictPerQuestion_data()
{
    QTest::addColumn<QString>("clicks");  // r: 성공, w: 실패
    QTest::addColumn<int>("score");
    QTest::addColumn<QString>("status");
    QTest::newRow("double click on success scores once") << "rr" << 10 << "yes";
    QTest::newRow("failure after success is ignored") << "rw" << 10 << "yes";
    QTest::newRow("success after failure is ignored") << "wr" << 0 << "no";
}

void TestOneBoard::oneVerdictPerQuestion()
{
    QFETCH(QString, clicks);
    QFETCH(int, score);
    QFETCH(QString, status);
    OneFixture f;
    OneTeamBoard &b = f.started();
    b.Cover_Cubix_Click(4);
    b.Command3_Click();
    f.cues.played.clear();
    for (QChar c : clicks) {
        c == 'r' ? b.Label7_Click() : b.Label10_Click();
        f.clock.advance(200);
    }
    QCOMPARE(f.cues.played.count("right.wav") + f.cues.played.count("bome.wav"), 1);
    QCOMPARE(int(f.s.Score), score);
    QCOMPARE(b.Cell_QA[4][3], status);
    QCOMPARE(b.Cubix_Icon[4].Picture, status == "yes" ? QStringLiteral("Img_Win") : QStringLiteral("Img_Lose"));
    QCOMPARE(b.Pic_Wrong.Visible && b.Pic_Right.Visible, false);
    f.clock.advance(2500);
    // the next question is judged again
    b.Cover_Cubix_Click(0);
    b.Command3_Click();
    b.Label7_Click();
    QCOMPARE(int(f.s.Score), score + 10);
}

void TestOneBoard::twoLinesAtOnceGiveOneBingo()
{
    OneFixture f;
    OneTeamBoard &b = f.started();
    for (int c : {1, 2, 3, 6})
        f.play(c, true);
    QCOMPARE(f.s.Bingo_Count, 0);
    QCOMPARE(f.s.Score, 40);
    f.judge(0, true);  // top row and left column at once
    f.clock.advance(500);
    QCOMPARE(f.s.Bingo_Count, 2);
    QCOMPARE(f.s.Score, 80);
    QCOMPARE(f.cues.count("bingo.wav"), 1);
    QVERIFY(b.Pic_Bingo.Visible);
    f.clock.advance(2000);
    f.play(8, true);  // no new line
    QCOMPARE(f.s.Score, 90);
    f.play(4, true);  // both diagonals at once
    QCOMPARE(f.s.Bingo_Count, 4);
    QCOMPARE(f.s.Score, 130);
    QCOMPARE(f.cues.count("bingo.wav"), 2);
}

void TestOneBoard::wrongCentreBlocksItsLines()
{
    OneFixture f;
    f.started();
    f.play(4, false);
    for (int c : {0, 8, 2, 6})
        f.play(c, true);
    QCOMPARE(f.s.Bingo_Count, 0);
    QCOMPARE(f.s.Score, 40);
    for (int c : {1, 3, 5, 7})
        f.play(c, true);
    QCOMPARE(f.s.Bingo_Count, 4);  // the outer rows and columns; no diagonal
    QCOMPARE(f.s.Score, 80 + 4 * 30);
}

void TestOneBoard::endAfterTheNinthJudgment_data()
{
    QTest::addColumn<bool>("lastCompletesLine");
    QTest::newRow("last answer completes no line") << false;
    QTest::newRow("last answer completes a line") << true;
}

void TestOneBoard::endAfterTheNinthJudgment()
{
    QFETCH(bool, lastCompletesLine);
    OneFixture f;
    OneTeamBoard &b = f.started();
    // cells 0-7; 4 wrong so nothing but the bottom row can complete
    for (int c : {0, 1, 2, 3, 4, 5, 6, 7})
        f.play(c, c != 4);
    QCOMPARE(f.s.Bingo_Count, 2);  // top row, left column
    const int before = f.s.Score;
    f.judge(8, lastCompletesLine);
    f.clock.advance(1499);
    QCOMPARE(f.s.Play_State, QStringLiteral("play"));
    f.clock.advance(1);  // 1.5 s
    QCOMPARE(f.s.Play_State, QString(lastCompletesLine ? "end" : "play"));
    QCOMPARE(f.cues.count("end.wav"), lastCompletesLine ? 1 : 0);
    if (lastCompletesLine) {
        QVERIFY(b.Pic_Score.Visible);
        b.Pic_Score_Click();  // closed in between, it comes back at 2.5 s
    }
    f.clock.advance(1000);  // 2.5 s
    QCOMPARE(f.s.Play_State, QStringLiteral("end"));
    QCOMPARE(f.cues.count("end.wav"), lastCompletesLine ? 2 : 1);
    QVERIFY(b.Pic_Score.Visible);
    QVERIFY(!b.Timer1.running());
    QCOMPARE(int(f.s.Score), before + (lastCompletesLine ? 40 : 0));
    QCOMPARE(b.Label6.Caption, QString::number(f.s.Score));
    QCOMPARE(b.Label6.Caption, b.Label1.Caption);
    // After the end: the clock no longer ticks; reveal and game choice work again.
    const QString clockLabel = b.Label3.Caption;
    f.clock.advance(5000);
    QCOMPARE(b.Label3.Caption, clockLabel);
    b.Command1_Click();
    for (const Element &c : b.Cubix)
        QVERIFY(!c.Visible);
    b.GBox_MouseDown(3, 1);
    QCOMPARE(f.s.Game_No, 3);
    QCOMPARE(f.s.Score, 0);
    QCOMPARE(b.Label1.Caption, QStringLiteral("0"));
}

// Start after an ended game deals that game afresh, as choosing its ball does:
// full time, score 0, fresh tiles (it used to end again at the first tick).
void TestOneBoard::startAfterTimeUpDealsAfresh()
{
    OneFixture f;
    OneTeamBoard &b = f.startedWithLimit(30);
    f.play(0, true);
    f.clock.advance(31000);
    QCOMPARE(f.s.Play_State, QStringLiteral("end"));
    QVERIFY(b.Pic_Score.Visible);
    f.cues.played.clear();
    b.Command5_Click();
    QCOMPARE(f.cues.played, (QStringList{"box.wav", "start.wav"}));
    QCOMPARE(f.s.Play_State, QStringLiteral("play"));
    QVERIFY(!b.Pic_Score.Visible);
    QCOMPARE(b.Remain_Sec, 30);
    QCOMPARE(f.s.Score, 0);
    for (int i = 0; i < 9; ++i)
        QVERIFY(b.Cubix[i].Visible && !b.Cubix_Icon[i].Visible && b.Cubix_Number[i].Visible);
    f.clock.advance(30000);
    QCOMPARE(f.s.Play_State, QStringLiteral("play"));
    f.clock.advance(1000);
    QCOMPARE(f.s.Play_State, QStringLiteral("end"));
}

// Time runs out while the host shows an answer: the question is abandoned, and
// the next game's first question must not open with that answer in its box
// (nor take a verdict before its own answer is shown).
void TestOneBoard::answerShownWhenTimeRunsOutIsNotCarriedOver()
{
    OneFixture f;
    OneTeamBoard &b = f.startedWithLimit(30);
    f.clock.advance(30500);
    b.Cover_Cubix_Click(2);
    b.Command3_Click();
    QCOMPARE(b.Text1.Caption, b.Cur_Answer);
    f.clock.advance(500);  // 31st tick: time is up
    QCOMPARE(f.s.Play_State, QStringLiteral("end"));
    QVERIFY(!b.Pic_Quiz.Visible);
    QVERIFY(b.Text1.Caption.isEmpty());

    b.GBox_MouseDown(1, 1);
    b.Command5_Click();
    b.Cover_Cubix_Click(6);
    QVERIFY(b.Text1.Caption.isEmpty());
    b.Label7_Click();
    QVERIFY(!b.Timer3.running());
    QCOMPARE(f.s.Score, 0);
}

void TestOneBoard::bonusAfterTimeUpReachesTheFinalPanel()
{
    OneFixture f;
    OneTeamBoard &b = f.startedWithLimit(30);
    f.play(0, true);
    f.play(4, true);
    f.clock.advance(31000 - 5000 - 100);  // just before the 31st tick ends the game
    f.judge(8, true);                      // completes 0-4-8; its line count comes after time is up
    f.clock.advance(600);
    QCOMPARE(f.s.Play_State, QStringLiteral("end"));
    QCOMPARE(f.s.Score, 60);
    QCOMPARE(b.Label1.Caption, QStringLiteral("60"));
    QCOMPARE(b.Label6.Caption, QStringLiteral("60"));
}

void TestOneBoard::closingThePictures()
{
    OneFixture f;
    OneTeamBoard &b = f.started();
    f.play(0, true);
    f.play(4, true);
    f.judge(8, true);
    f.clock.advance(500);
    QVERIFY(b.Pic_Bingo.Visible);
    b.Pic_Bingo_Click();
    QVERIFY(!b.Pic_Bingo.Visible);
    QVERIFY(b.Timer4.running());  // its step still follows
    f.clock.advance(2000);
    QVERIFY(!b.Timer4.running() && !b.Timer5.running());
}

void TestOneBoard::scoreIncreasePast32767IsSkipped_data()
{
    // Cells 0 and 4 are right before the score is set; the answer on 8 may complete the diagonal.
    QTest::addColumn<int>("before");
    QTest::addColumn<bool>("completesLine");
    QTest::addColumn<int>("afterVerdict");
    QTest::addColumn<int>("afterCheck");
    QTest::newRow("10 would pass the top") << 32760 << false << 32760 << 32760;
    QTest::newRow("10 reaches the top exactly") << 32757 << false << 32767 << 32767;
    QTest::newRow("bonus would pass the top") << 32740 << true << 32750 << 32750;
    QTest::newRow("bonus reaches the top exactly") << 32727 << true << 32737 << 32767;
}

void TestOneBoard::scoreIncreasePast32767IsSkipped()
{
    QFETCH(int, before);
    QFETCH(bool, completesLine);
    QFETCH(int, afterVerdict);
    QFETCH(int, afterCheck);
    OneFixture f;
    OneTeamBoard &b = f.started();
    f.play(0, true);
    f.play(4, true);
    f.s.Score = std::int16_t(before);
    f.judge(completesLine ? 8 : 5, true);
    QCOMPARE(int(f.s.Score), afterVerdict);
    QCOMPARE(b.Label1.Caption, QString::number(afterVerdict));
    f.clock.advance(500);
    QCOMPARE(f.cues.count("bingo.wav"), completesLine ? 1 : 0);  // the line still counts
    QCOMPARE(int(f.s.Score), afterCheck);
    QCOMPARE(b.Label1.Caption, QString::number(afterCheck));
    QCOMPARE(int(f.s.Bingo_Count), completesLine ? 1 : 0);
}

// A second verdict before the first chain has ended: the first chain's 2.5 s
// step covers every played cell again, the later one too.
void TestOneBoard::coverReturnsForEveryPlayedCell()
{
    OneFixture f;
    OneTeamBoard &b = f.started();
    f.judge(0, true);
    f.clock.advance(700);
    f.judge(5, true);
    QVERIFY(!b.Cubix[0].Visible && !b.Cubix[5].Visible);
    f.clock.advance(1799);
    QVERIFY(!b.Cubix[0].Visible);
    f.clock.advance(1);  // 2.5 s after the first verdict
    QVERIFY(b.Cubix[0].Visible);
    QVERIFY(b.Cubix[5].Visible);
    QVERIFY(b.Cubix_Icon[5].Visible);
    f.clock.advance(3000);
    QVERIFY(b.Cubix[0].Visible && b.Cubix[5].Visible);
    QCOMPARE(int(f.s.Score), 20);
    QCOMPARE(f.s.Play_State, QStringLiteral("play"));
}

void TestOneBoard::shuffleIsAPermutation()
{
    OneFixture f;
    f.s.Used_Flag[9] = 7;
    OneTeamBoard &b = f.make();
    for (int round = 0; round < 20; ++round) {
        b.GBox_MouseDown(round % 10, 1);
        QSet<QString> lines;
        for (int i = 0; i < 9; ++i) {
            const int q = b.Cell_QA[i][2].toInt();
            lines.insert(b.Cell_QA[i][2]);
            QCOMPARE(b.Cell_QA[i][0], QStringLiteral("Q%1-%2").arg(round % 10).arg(q));
            QCOMPARE(b.Cell_QA[i][1], QStringLiteral("A%1-%2").arg(round % 10).arg(q));
            QCOMPARE(b.Cell_QA[i][3], QStringLiteral("no"));
            QCOMPARE(f.s.Used_Flag[i], 1);
        }
        QCOMPARE(lines.size(), 9);
        QCOMPARE(f.s.Used_Flag[9], 7);
        for (int c = 0; c < 4; ++c)
            QVERIFY(b.Cell_QA[9][c].isEmpty());
    }
}

void TestOneBoard::shuffleRedrawsUsedLines()
{
    OneFixture f;
    auto *scripted = new ScriptedRandom;
    // 0.999 → 8; then 8 again (used, redrawn), 0.0 → 0; then 7 x line 0 (used) ...
    scripted->draws = {0.999, 0.95, 0.0, 0.0, 0.0, 0.5, 0.12, 0.25, 0.35, 0.6, 0.7, 0.8};
    f.random.reset(scripted);
    OneTeamBoard &b = f.make();
    QStringList order;
    for (int i = 0; i < 9; ++i)
        order << b.Cell_QA[i][2];
    QCOMPARE(order, QStringList({"8", "0", "4", "1", "2", "3", "5", "6", "7"}));
    QCOMPARE(scripted->calls, 12);
}

void TestOneBoard::shuffleOfBrokenLines()
{
    OneFixture f;
    f.s.Quiz_Table[0] = {};
    f.s.Quiz_Table[0][0] = QStringLiteral("no separator here");
    f.s.Quiz_Table[0][1] = QStringLiteral("q;a;extra;more");
    f.s.Quiz_Table[0][2] = QStringLiteral(" spaced <br> ; kept ");
    OneTeamBoard &b = f.make();
    const std::map<int, std::pair<QString, QString>> expected = {
        {0, {"no separator here", ""}}, {1, {"q", "a"}}, {2, {" spaced <br> ", " kept "}}, {5, {"", ""}}};
    // Dealt at load, then again over the full texts of another game: a missing
    // field must leave its column empty, not keep what the cell held before.
    for (int pass = 0; pass < 2; ++pass) {
        if (pass == 1) {
            b.GBox_MouseDown(1, 1);
            b.GBox_MouseDown(0, 1);
        }
        for (const auto &[q, qa] : expected) {
            const int cell = f.cellOf(q);
            QVERIFY(cell >= 0);
            QCOMPARE(b.Cell_QA[cell][0], qa.first);
            QCOMPARE(b.Cell_QA[cell][1], qa.second);
            QCOMPARE(b.Cell_QA[cell][3], QStringLiteral("no"));
        }
    }
}

// A frozen clock stands for many choices within one tick: the deal must still
// be a fresh uniform permutation each time.
void TestOneBoard::shuffleIsUniformWithinOneClockTick()
{
    OneFixture f;
    f.random = std::make_unique<ClockMixedRandom>([] { return std::uint64_t(42); });
    OneTeamBoard &b = f.make();
    const int rounds = 1800;
    int counts[9][9] = {};
    QSet<QString> deals;
    for (int round = 0; round < rounds; ++round) {
        b.GBox_MouseDown(0, 1);
        QString deal;
        for (int i = 0; i < 9; ++i) {
            ++counts[i][b.Cell_QA[i][2].toInt()];
            deal += b.Cell_QA[i][2];
        }
        deals.insert(deal);
    }
    QVERIFY2(deals.size() > rounds * 95 / 100, qPrintable(QString::number(deals.size())));
    // Every line lands in every cell about 200 times (bounds well beyond 5 sigma).
    for (auto &row : counts)
        for (int n : row)
            QVERIFY2(n > 130 && n < 270, qPrintable(QString::number(n)));
}

void TestOneBoard::pictureLoadsOrKeepsThePrevious()
{
    OneFixture f;
    f.s.Picture_Table[2] = QStringLiteral("missing.jpg;new caption");
    f.s.Picture_Table[3] = QStringLiteral("p3.jpg");
    OneTeamBoard &b = f.make();
    b.Command1_Click();
    QVERIFY(!b.Img_SRC_Script.isEmpty());
    b.GBox_MouseDown(2, 1);  // missing file: previous picture drawn again, caption wiped
    QCOMPARE(b.Img_SRC.Picture, QStringLiteral("/game/img/p0.jpg"));
    QVERIFY(b.Img_SRC_Script.isEmpty());
    QCOMPARE(b.Picture_Caption, QStringLiteral("new caption"));
    QCOMPARE(f.pictures.asked.last(), QStringLiteral("/game/img/missing.jpg"));
    b.GBox_MouseDown(3, 1);  // no caption field: caption kept
    QCOMPARE(b.Img_SRC.Picture, QStringLiteral("/game/img/p3.jpg"));
    QCOMPARE(b.Picture_Caption, QStringLiteral("new caption"));

    OneFixture none;  // no picture ever loads: the area keeps what it shows
    none.pictures.readable.clear();
    OneTeamBoard &n = none.make();
    QVERIFY(n.Img_SRC.Picture.isEmpty());
    n.Command1_Click();
    n.GBox_MouseDown(1, 1);
    QCOMPARE(n.Img_SRC_Script.size(), 9);
}

void TestOneBoard::revealDrawsOutlinedCaption()
{
    OneFixture f;
    f.s.Picture_Table[0] = QStringLiteral("p0.jpg;abc");
    OneTeamBoard &b = f.make();
    b.Command1_Click();
    QCOMPARE(f.cues.played.last(), QStringLiteral("applous.WAV"));
    QCOMPARE(b.Label2.Caption, QStringLiteral("abc"));
    QCOMPARE(b.Label2Points, 24.0);
    // 30 x 30 text: x = (743 - 30) / 2, y = 589 - 30 - 36
    const double x = 356.5, y = 523;
    const double expected[9][2] = {{x - 2, y}, {x + 2, y}, {x, y - 2}, {x, y + 2}, {x + 2, y + 2},
                                   {x - 2, y - 2}, {x - 2, y + 2}, {x + 2, y - 2}, {x, y}};
    QCOMPARE(b.Img_SRC_Script.size(), 9);
    for (int k = 0; k < 9; ++k) {
        QCOMPARE(b.Img_SRC_Script[k].X, expected[k][0]);
        QCOMPARE(b.Img_SRC_Script[k].Y, expected[k][1]);
        QCOMPARE(b.Img_SRC_Script[k].Colour, k < 8 ? 0x000000u : 0xFFFFFFu);
        QCOMPARE(b.Img_SRC_Script[k].Points, 24.0);
    }
}

void TestOneBoard::layoutStepPlacesTheGrid()
{
    OneFixture f;
    OneTeamBoard &b = f.started();
    f.play(2, true);
    const double lefts[] = {34, 34 + 743.0 / 3, 34 + 2 * 743.0 / 3};
    const double tops[] = {40, 239, 438};
    b.layoutStep();  // during a game too: tiles and numbers shown, marks hidden
    for (int i = 0; i < 9; ++i) {
        QCOMPARE(b.Cubix[i].Left, lefts[i % 3]);
        QCOMPARE(b.Cubix[i].Top, tops[i / 3]);
        QCOMPARE(b.Cubix[i].Width, 743.0 / 3);
        QCOMPARE(b.Cubix[i].Height, 199.0);
        QCOMPARE(b.Cover_Cubix[i].Width, 743.0 / 3);
        QCOMPARE(b.Cover_Cubix[i].Left, 4.0);
        QCOMPARE(b.Cover_Cubix[i].Top, 6.0);
        QVERIFY(b.Cubix[i].Visible && b.Cubix_Number[i].Visible && !b.Cubix_Icon[i].Visible);
    }
    QCOMPARE(b.Cell_QA[2][3], QStringLiteral("yes"));
    for (int i = 0; i < 9; ++i)
        QCOMPARE(b.GBox[i].Left, 100.0 * i + 8);
    QCOMPARE(b.GBox[9].Left, 912.0);
    QCOMPARE(b.Pic_Score.Left, 140.0);
    QCOMPARE(b.Pic_Bingo.Top, 70.0);

    // Boxes 0-8 take width 100 at top 670; box 9 keeps its design place and size.
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(b.GBox[i].Width, i < 9 ? 100.0 : 80.0);
        QCOMPARE(b.GBox[i].Top, i < 9 ? 670.0 : 652.0);
    }
    for (int i = 0; i < 9; ++i)
        QCOMPARE(QPointF(b.Cubix_Icon[i].Left, b.Cubix_Icon[i].Top), QPointF(70, 46));
    const struct {
        const Element &panel;
        QPointF place;
    } panels[] = {{b.Pic_Bingo, {160, 70}}, {b.Pic_Score, {140, 60}}, {b.Pic_Quiz, {80, 80}}};
    for (const auto &p : panels)
        QCOMPARE(QPointF(p.panel.Left, p.panel.Top), p.place);
}

QTEST_GUILESS_MAIN(TestOneBoard)
#include "test_one_board.moc"
