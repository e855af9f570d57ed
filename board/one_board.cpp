#include "board/one_board.h"

#include "core/shared_state.h"

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
