// The one-team board window "도미솔게임 - 1팀용".
#pragma once

#include "board/one_board.h"
#include "screens/board_view.h"

class FrmMain1 : public BoardViewOf<OneTeamBoard> {
    Q_OBJECT
public:
    // Tests hand in their own cue player, generator and clock; by default the
    // program's own (Qt Multimedia, clock-mixed generator, QTimer).
    explicit FrmMain1(Shared &s, std::unique_ptr<CuePlayer> cues = {},
                      std::unique_ptr<RandomSource> random = {}, TimerDriver *clock = nullptr);

    BoardLabel *Label1 = nullptr;  // score
    BoardLabel *Text1 = nullptr;   // answer in the question panel
    ClickArea *Label7 = nullptr, *Label10 = nullptr;
    BoardLabel *Label6 = nullptr;  // final score

protected:
    void syncBoard() override;
    QPixmap markPicture(const QString &store) const override;
};
