#include "team/two_board.h"

#include "core/shared_state.h"
#include "team/answer_check.h"

namespace {
constexpr double kHeartSize = 100;
}  // namespace

TwoTeamBoard::TwoTeamBoard(Shared &s, const BoardPorts &ports)
    : Board(s, ports, layout::two::kTimer1Ms)
{
    namespace two = layout::two;
    Label3 = Element::at(two::Label3, false, QStringLiteral("60초"));
    Time_Up = Element::at(two::Time_Up, false, QStringLiteral("▲"));
    Command4 = Element::at(two::Command4, false, QStringLiteral("▼"));
    Pic_Bingo = Element::at(two::Pic_Bingo, false);
    for (int t = 0; t < 2; ++t) {
        Img_Win[t] = Element::at(two::Img_Win[t], false);
        Img_Win[t].Picture = markStore(t);
    }
    Shape1 = Element::at(two::Shape1);
    Shape2 = Element::at(two::Shape2);
    for (int i = 0; i < 4; ++i) {
        Img_Team[i] = Element::at(two::Img_Team[i]);
        Img_Team[i].Picture = markStore(i == 0 || i == 3 ? 0 : 1);
        Label_Team_Score[i] = Element::at(two::Label_Team_Score[i], true, QStringLiteral("0"));
    }
    Pic_Quiz = Element::at(two::Pic_Quiz, false);
    Label8 = Element::at(two::Label8, true, QStringLiteral("문제"));
    Label1 = Element::at(two::Label1, true, QStringLiteral("아래에 정답을 입력하세요"));
    Text1 = Element::at(two::Text1);
    Command3 = Element::at(two::Command3);
    SELECT_IMG = Element::at(two::SELECT_IMG);
    SELECT_IMG.Picture = markStore(1);
    Label7 = Element::at(two::Label7);
    Label10 = Element::at(two::Label10);
    Pic_Score = Element::at(two::Pic_Score, false);
    Pic_Sel = Element::at(two::Pic_Sel, false);
    Label14 = Element::at(two::Label14, true, QStringLiteral("시작할 팀을 선택하세요"));
    Image4 = Element::at(two::Image4);
    Image4.Picture = markStore(0);
    Image5 = Element::at(two::Image5);
    Image5.Picture = markStore(1);
    Shape3 = Element::at(two::Shape3);
    Shape4 = Element::at(two::Shape4);
    for (int t = 0; t < 2; ++t)
        Label_Sel_Team[t] = Element::at(two::Label_Sel_Team[t]);
    Label_Mode = Element::at(two::Label_Mode, true, QStringLiteral("한"));
    Label_Overrule = Element::at(two::Label_Overrule, true, QStringLiteral("✓"));
    Label_Winner = Element::at(two::Label_Winner);
}

QString TwoTeamBoard::markStore(int team)
{
    return team == 1 ? QStringLiteral("Img_Win(1)") : QStringLiteral("Img_Win(0)");
}

void TwoTeamBoard::showTeamScore(int team)
{
    Label_Team_Score[team].Caption = QString::number(Team_Score[team]);
}

// ---- choosing a game, starting it ----

void TwoTeamBoard::resetScores()
{
    for (int t = 0; t < 2; ++t) {
        Team_Score[t] = 0;
        Label_Team_Score[t].Caption = QStringLiteral("0");
        m_s.Team_Bingo_Count[t] = 0;
    }
}

void TwoTeamBoard::startGame()
{
    if (m_s.Play_State != play::End)
        return;
    dealIfPlayed();
    playCue("start.wav");
    m_s.Play_State = play::Play;
    Pic_Sel.Top = Img_SRC.Top + (Img_SRC.Height - Pic_Sel.Height) / 2;
    Pic_Sel.Left = Img_SRC.Left + (Img_SRC.Width - Pic_Sel.Width) / 2;
    Pic_Sel.Visible = true;
}

void TwoTeamBoard::Label_Sel_Team_Click(int i)
{
    const Event e(*this);
    if (i < 0 || i > 1 || !Pic_Sel.Visible)
        return;
    playCue("send.wav");
    Cur_Team = std::int16_t(i);
    Pic_Sel.Visible = false;
    // The turn marker runs only during play: a running Timer1 refuses game selection.
    if (m_s.Play_State == play::Play)
        Timer1.start();
}

// ---- the turn marker ----

void TwoTeamBoard::Timer1_Tick()
{
    if (m_s.Play_State != play::Play)
        return;
    const int cur = teamIndex(Cur_Team);
    const Element &heart = Img_Team[cur];
    sizeHeart(cur, heart.Width > 99 ? 90 : 110);
    sizeHeart(1 - cur, kHeartSize);
}

void TwoTeamBoard::sizeHeart(int team, double side)
{
    // About the heart's centre at design, so it never leans over its score.
    const layout::Rect &design = layout::two::Img_Team[team];
    Element &heart = Img_Team[team];
    heart.Width = side;
    heart.Height = side;
    heart.Left = design.left + (design.width - side) / 2;
    heart.Top = design.top + (design.height - side) / 2;
}

void TwoTeamBoard::stopPulse()
{
    Timer1.stop();
    for (int t = 0; t < 2; ++t)
        sizeHeart(t, kHeartSize);
}

void TwoTeamBoard::afterReveal()
{
    stopPulse();
}

// ---- a question ----

void TwoTeamBoard::openCellStep(int)
{
    SELECT_IMG.Picture = markStore(Cur_Team);
}

void TwoTeamBoard::slideEnded()
{
    emit answerBoxReady();
}

void TwoTeamBoard::Command3_Click()
{
    const Event e(*this);
    if (!Pic_Quiz.Visible)
        return;
    const AnswerVerdict verdict = judgeTypedAnswer(Cur_Answer, Text1.Caption);
    if (verdict == AnswerVerdict::Ignored)
        return;
    giveVerdict(verdict == AnswerVerdict::Right, false);
}

void TwoTeamBoard::Label_Overrule_Click()
{
    const Event e(*this);
    if (!questionAwaitsVerdict() || m_s.Play_State != play::Play)
        return;
    giveVerdict(true, true);
}

void TwoTeamBoard::giveVerdict(bool right, bool overrule)
{
    const int team = teamIndex(Cur_Team);
    // judge() refuses a second verdict until the panel has closed.
    if (!judge(right, right ? markStore(team) : QString(),
               right ? QString::number(team) : QString(cell::NotWon), overrule))
        return;
    if (!right)
        return;
    Cubix_Number[Cur_Cell].Visible = false;
    addInt16(Team_Score[team], 30);
    showTeamScore(team);
}

void TwoTeamBoard::setAnswerMode(bool hangul)
{
    const Event e(*this);
    Label_Mode.Caption = hangul ? QStringLiteral("한") : QStringLiteral("A");
}

// ---- after the verdict ----

void TwoTeamBoard::Check_Bingo()
{
    Team_Lines[0] = std::int16_t(linesOf(cell::Team0));
    Team_Lines[1] = std::int16_t(linesOf(cell::Team1));
    const int team = teamIndex(Cur_Team);
    if (!rewardNewLines(Team_Lines[team], m_s.Team_Bingo_Count[team]))
        return;
    addInt16(Team_Score[team], 100);
    showTeamScore(team);
}

void TwoTeamBoard::afterCheckBingo()
{
    // The heart of the team that just played stands whole at once.
    sizeHeart(teamIndex(Cur_Team), kHeartSize);
    Cur_Team = Cur_Team == 0 ? 1 : 0;
}

void TwoTeamBoard::showFinalScore()
{
    stopPulse();
    Pic_Sel.Visible = false;  // a picker left unanswered has nothing to start any more
    Label_Team_Score[3].Caption = Label_Team_Score[0].Caption;
    Label_Team_Score[2].Caption = Label_Team_Score[1].Caption;
    if (Team_Score[0] == Team_Score[1])
        Label_Winner.Caption = QStringLiteral("비겼어요!");
    else
        Label_Winner.Caption = Team_Score[0] > Team_Score[1] ? QStringLiteral("빨간 팀 승리!")
                                                            : QStringLiteral("초록 팀 승리!");
}

void TwoTeamBoard::All_Check()
{
    for (const Element &icon : Cubix_Icon)
        if (!icon.Visible)
            return;
    if (Timer3.running()) {
        // The last verdict's panel-closing step will not run: close what it would
        // have, and count its lines, so a line it completed still scores.
        Timer3.stop();
        Pic_Right.Visible = false;
        Pic_Wrong.Visible = false;
        clearAnswerArea();
        Check_Bingo();
    }
    endGame();
}

// ---- the host in control ----

bool TwoTeamBoard::boardKey(HostKey key, int tile)
{
    switch (key) {
    case HostKey::Tile:
        if (Pic_Quiz.Visible || !cellOpens(tile - 1))
            return false;
        Cover_Cubix_Click(tile - 1);
        return true;
    case HostKey::Overrule:
        if (!questionAwaitsVerdict())
            return false;
        Label_Overrule_Click();
        return true;
    default:
        return false;
    }
}

bool TwoTeamBoard::cellsRefused() const
{
    // Whose turn it is comes from the picker: no question before it is answered.
    return Board::cellsRefused() || Pic_Sel.Visible;
}

void TwoTeamBoard::resumeTimer1()
{
    if (m_s.Play_State == play::Play && !Pic_Sel.Visible)
        Timer1.start();
}

void TwoTeamBoard::undoElements(std::vector<Element *> &out)
{
    Board::undoElements(out);
    for (int i = 0; i < 4; ++i)
        out.insert(out.end(), {&Img_Team[i], &Label_Team_Score[i]});
    out.insert(out.end(), {&SELECT_IMG, &Pic_Sel, &Label_Winner});
}

void TwoTeamBoard::saveNumbers(std::vector<int> &out) const
{
    out = {Team_Score[0], Team_Score[1], Team_Lines[0], Team_Lines[1], Cur_Team};
}

void TwoTeamBoard::restoreNumbers(const std::vector<int> &in)
{
    Team_Score[0] = std::int16_t(in[0]);
    Team_Score[1] = std::int16_t(in[1]);
    Team_Lines[0] = std::int16_t(in[2]);
    Team_Lines[1] = std::int16_t(in[3]);
    Cur_Team = std::int16_t(in[4]);
}

void TwoTeamBoard::updateHostElements()
{
    Board::updateHostElements();
    Label_Overrule.Visible = questionAwaitsVerdict();
}

void TwoTeamBoard::gameAbandoned()
{
    stopPulse();
    Pic_Sel.Visible = false;
}

QString TwoTeamBoard::helpText() const
{
    return QStringLiteral(
        "F5 — 시 작\r\n"
        "1 ~ 9 — 그 번호의 칸을 엽니다 (문제가 열려 있지 않을 때)\r\n"
        "문제가 열려 있으면 글자는 답 칸으로 갑니다. Enter — 답을 냅니다\r\n"
        "한/영 또는 Shift+스페이스 — 한글 / 영문 (답 칸 옆에 한 또는 A)\r\n"
        "Ctrl+Enter — 진행자가 정답으로 인정합니다 (패널의 ✓도 같음)\r\n"
        "Ctrl+Z — 마지막 판정을 되돌립니다\r\n"
        "M — 소리 끄기 / 켜기\r\n"
        "Ctrl+N — 이 게임을 처음부터 (먼저 묻습니다)\r\n"
        "Esc — 빙고·점수 그림을 닫습니다, 전체 화면에서 나옵니다\r\n"
        "F1 — 이 도움말을 열고 닫습니다");
}
