#include "board/one_board.h"

#include "core/shared_state.h"
#include "data/quiz_line.h"

OneTeamBoard::OneTeamBoard(Shared &s, const BoardPorts &ports)
    : Board(s, ports, layout::kTimer1Ms)
{
    using namespace layout::one;
    Label3 = Element::at(layout::one::Label3, true, QStringLiteral("60초"));
    Time_Up = Element::at(layout::one::Time_Up, true, QStringLiteral("▲"));
    Command4 = Element::at(layout::one::Command4, true, QStringLiteral("▼"));
    Label1 = Element::at(layout::one::Label1, true, QStringLiteral("0"));
    Img_Win = Element::at(layout::one::Img_Win, false);
    Img_Lose = Element::at(layout::one::Img_Lose, false);
    Pic_Quiz = Element::at(layout::one::Pic_Quiz, false);
    Label8 = Element::at(layout::one::Label8, true, QStringLiteral("문제"));
    Text1 = Element::at(layout::one::Text1);
    Command3 = Element::at(layout::one::Command3);
    Label7 = Element::at(layout::one::Label7);
    Label10 = Element::at(layout::one::Label10);
    Label6 = Element::at(layout::one::Label6, true, QStringLiteral("0"));
}

void OneTeamBoard::resetScores()
{
    m_s.Score = 0;
    Label1.Caption = QStringLiteral("0");
    m_s.Bingo_Count = 0;
}

void OneTeamBoard::openCellStep(int i)
{
    Cubix_Number[i].Visible = false;
}

void OneTeamBoard::Timer1_Tick()
{
    if (Remain_Sec <= 0) {
        // Ends with the question open: its answer must not open the next one.
        endGame();
        return;
    }
    playCue("timer.wav");
    --Remain_Sec;
    setClockLabel(Remain_Sec);
}

void OneTeamBoard::startGame()
{
    if (m_s.Play_State != play::End)
        return;
    dealIfPlayed();
    playCue("start.wav");
    m_s.Play_State = play::Play;
    Timer1.start();
}

void OneTeamBoard::showFinalScore()
{
    Label6.Caption = Label1.Caption;
}

void OneTeamBoard::Command3_Click()
{
    const Event e(*this);
    playCue("Click.wav");
    Text1.Caption = Cur_Answer;
}

void OneTeamBoard::showScore()
{
    Label1.Caption = QString::number(m_s.Score);
}

void OneTeamBoard::Label7_Click()
{
    const Event e(*this);
    if (!judge(true, QStringLiteral("Img_Win"), cell::Won))
        return;
    addInt16(m_s.Score, 10);
    showScore();
}

void OneTeamBoard::Label10_Click()
{
    const Event e(*this);
    judge(false, QStringLiteral("Img_Lose"), cell::NotWon);
}

void OneTeamBoard::Check_Bingo()
{
    if (!rewardNewLines(linesOf(cell::Won), m_s.Bingo_Count))
        return;
    addInt16(m_s.Score, 30);
    showScore();
    // The clock may have ended the game since the verdict: keep the final panel true.
    if (m_s.Play_State == play::End)
        showFinalScore();
}

void OneTeamBoard::All_Check()
{
    for (const Element &icon : Cubix_Icon)
        if (!icon.Visible)
            return;
    endGame();
}

// ---- the host's keys ----

bool OneTeamBoard::boardKey(HostKey key, int tile)
{
    switch (key) {
    case HostKey::Tile:
        if (!cellOpens(tile - 1))
            return false;
        Cover_Cubix_Click(tile - 1);
        return true;
    case HostKey::Answer:
        if (!questionAwaitsVerdict())
            return false;
        Command3_Click();
        return true;
    case HostKey::Right:
    case HostKey::Wrong:
    case HostKey::Back: {
        if (!questionAwaitsVerdict() || trimSpaces(Text1.Caption).isEmpty())
            return false;
        key == HostKey::Right ? Label7_Click() : Label10_Click();
        return true;
    }
    case HostKey::Next:
        return presenterNext();
    case HostKey::Pause:
        if (m_s.Play_State != play::Play)
            return false;
        setPaused(!m_paused);
        return true;
    default:
        return false;
    }
}

bool OneTeamBoard::presenterNext()
{
    // Pictures first: the final score stays until the host moves on.
    if (Pic_Bingo.Visible) {
        Pic_Bingo_Click();
        return true;
    }
    if (m_s.Play_State == play::End) {
        Pic_Score.Visible ? Pic_Score_Click() : Command5_Click();
        return true;
    }
    if (Pic_Quiz.Visible) {
        if (!questionAwaitsVerdict())
            return false;  // its half second runs
        if (trimSpaces(Text1.Caption).isEmpty())
            Command3_Click();
        else
            Label7_Click();
        return true;
    }
    for (int i = 0; i < 9; ++i) {
        if (!Cubix_Icon[i].Visible) {
            if (!cellOpens(i))
                return false;
            Cover_Cubix_Click(i);
            return true;
        }
    }
    return false;
}

void OneTeamBoard::resumeTimer1()
{
    if (m_s.Play_State != play::Play || m_paused || Timer1.running())
        return;
    if (Remain_Sec <= 0) {
        endGame();  // time ran out meanwhile: the game stays over, with the score as it now is
        return;
    }
    Timer1.start();
}

void OneTeamBoard::undoElements(std::vector<Element *> &out)
{
    Board::undoElements(out);
    out.insert(out.end(), {&Label1, &Label6});
}

QString OneTeamBoard::helpText() const
{
    return QStringLiteral(
        "F5 — 시 작\r\n"
        "1 ~ 9 — 그 번호의 칸을 엽니다\r\n"
        "스페이스 — 정답을 보여 줍니다\r\n"
        "O / X — 성공 / 실패\r\n"
        "PageDown — 다음 단계: 시작, 다음 칸, 정답, 성공\r\n"
        "PageUp — 정답을 본 뒤 실패\r\n"
        "Ctrl+Z — 마지막 판정을 되돌립니다\r\n"
        "P — 시계를 멈춥니다 / 다시 갑니다\r\n"
        "M — 소리 끄기 / 켜기\r\n"
        "Ctrl+N — 이 게임을 처음부터 (먼저 묻습니다)\r\n"
        "Esc — 빙고·점수 그림을 닫습니다, 전체 화면에서 나옵니다\r\n"
        "F1 — 이 도움말을 열고 닫습니다");
}
