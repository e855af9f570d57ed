// The two-team board window "도미솔게임 - 2팀용".
#pragma once

#include "screens/board_view.h"
#include "team/two_board.h"

class HangulLineEdit;
class RoundedShape;

class FrmMain2 : public BoardViewOf<TwoTeamBoard> {
    Q_OBJECT
public:
    // Tests hand in their own cue player, generator and clock; by default the
    // program's own (Qt Multimedia, clock-mixed generator, QTimer).
    explicit FrmMain2(Shared &s, std::unique_ptr<CuePlayer> cues = {},
                      std::unique_ptr<RandomSource> random = {}, TimerDriver *clock = nullptr);

    RoundedShape *Shape1 = nullptr, *Shape2 = nullptr;
    std::array<PictureBox *, 4> Img_Team{};        // 0, 1 on the board; 2, 3 on Pic_Score
    std::array<BoardLabel *, 4> Label_Team_Score{};
    BoardLabel *Label1 = nullptr;                  // hint above the answer box
    HangulLineEdit *Text1 = nullptr;               // the answer box
    PictureBox *SELECT_IMG = nullptr;
    ClickArea *Label7 = nullptr, *Label10 = nullptr;
    PictureBox *Pic_Sel = nullptr;
    BoardLabel *Label14 = nullptr;
    PictureBox *Image4 = nullptr, *Image5 = nullptr;
    RoundedShape *Shape3 = nullptr, *Shape4 = nullptr;
    std::array<ClickArea *, 2> Label_Sel_Team{};
    BoardLabel *Label_Mode = nullptr;         // "한" or "A" beside the answer box
    QPushButton *Label_Overrule = nullptr;    // the host's "right anyway"
    BoardLabel *Label_Winner = nullptr;       // on Pic_Score

protected:
    void syncBoard() override;
    QPixmap markPicture(const QString &store) const override;

private:
    void submit();

    bool m_focusWanted = false;  // the answer box takes the focus at the next sync
};
