#include "screens/frm_main1.h"

#include "widgets/board_widgets.h"
#include "widgets/click_area.h"

FrmMain1::FrmMain1(Shared &s, std::unique_ptr<CuePlayer> cues, std::unique_ptr<RandomSource> random,
                   TimerDriver *clock)
    : BoardViewOf(s, std::move(cues), std::move(random), clock, Art::OneBackground, Art::OneQuiz,
                  QStringLiteral("도미솔게임 - 1팀용"))
{
    Label1 = new BoardLabel(this, layout::one::Label1Style);
    Text1 = new BoardLabel(Pic_Quiz, layout::Text1Style);
    Text1->fitDownTo(kAnswerFloorPoints);
    Label7 = new ClickArea(Pic_Quiz, false);
    Label10 = new ClickArea(Pic_Quiz, false);
    Label6 = new BoardLabel(Pic_Score, layout::one::Label6Style);
    connect(Command3, &ClickArea::clicked, this, [this] { m_board.Command3_Click(); });
    connect(Label7, &ClickArea::clicked, this, [this] { m_board.Label7_Click(); });
    connect(Label10, &ClickArea::clicked, this, [this] { m_board.Label10_Click(); });
    finishStacking();
    m_board.Set_Init();
}

void FrmMain1::syncBoard()
{
    applyLabel(Label1, m_board.Label1);
    applyLabel(Text1, m_board.Text1);
    applyElement(Label7, m_board.Label7);
    applyElement(Label10, m_board.Label10);
    applyLabel(Label6, m_board.Label6);
}

QPixmap FrmMain1::markPicture(const QString &store) const
{
    if (store == QLatin1String("Img_Win"))
        return artPixmap(Art::HeartPink);
    if (store == QLatin1String("Img_Lose"))
        return artPixmap(Art::Cross);
    return {};
}
