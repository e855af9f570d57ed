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
        playCue("end.wav");
        Timer1.stop();
        Pic_Quiz.Visible = false;
        clearAnswerArea();  // an abandoned question's answer must not open the next one
        Label6.Caption = Label1.Caption;
        Pic_Score.Visible = true;
        m_s.Play_State = QStringLiteral("end");
        return;
    }
    playCue("timer.wav");
    --Remain_Sec;
    setClockLabel(Remain_Sec);
}

void OneTeamBoard::Command5_Click()
{
    if (m_s.Play_State != QLatin1String("end"))
        return;
    playCue("start.wav");
    m_s.Play_State = QStringLiteral("play");
    Timer1.start();
}

void OneTeamBoard::Command3_Click()
{
    playCue("Click.wav");
    Text1.Caption = Cur_Answer;
}

void OneTeamBoard::showScore()
{
    Label1.Caption = QString::number(m_s.Score);
}

void OneTeamBoard::Label7_Click()
{
    if (!judge(true, QStringLiteral("Img_Win"), QStringLiteral("yes")))
        return;
    addInt16(m_s.Score, 10);
    showScore();
}

void OneTeamBoard::Label10_Click()
{
    judge(false, QStringLiteral("Img_Lose"), QStringLiteral("no"));
}

void OneTeamBoard::Check_Bingo()
{
    int count = 0;
    for (const auto &line : kLines) {
        bool complete = true;
        for (int c : line)
            if (Cell_QA[c][3] == QLatin1String("no")) {
                complete = false;
                break;
            }
        count += complete;
    }
    if (m_s.Bingo_Count < count) {
        Pic_Quiz.Visible = false;
        Timer4.start();
        Pic_Bingo.Visible = true;
        playCue("bingo.wav");
        addInt16(m_s.Score, 30);
        showScore();
        m_s.Bingo_Count = std::int16_t(count);
        // The clock may have ended the game since the verdict: keep the final panel true.
        if (m_s.Play_State == QLatin1String("end"))
            Label6.Caption = Label1.Caption;
    }
}

void OneTeamBoard::All_Check()
{
    for (const Element &icon : Cubix_Icon)
        if (!icon.Visible)
            return;
    playCue("end.wav");
    Timer1.stop();
    Pic_Quiz.Visible = false;
    Label6.Caption = Label1.Caption;
    Pic_Score.Visible = true;
    m_s.Play_State = QStringLiteral("end");
}
