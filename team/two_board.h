// The two-team board FrmMain2: two teams take turns, type their answers, and
// score 30 per cell won and 100 per new line of their own. No game clock:
// Timer1 pulses the heart of the team whose turn it is.
#pragma once

#include "board/board.h"

#include <array>
#include <cstdint>

class TwoTeamBoard : public Board {
    Q_OBJECT
public:
    TwoTeamBoard(Shared &s, const BoardPorts &ports);

    // ---- fields ----
    std::array<std::int16_t, 3> Team_Score{};  // entry 2 unused
    std::int16_t Cur_Team = 0;                 // 0 red, 1 green
    std::array<std::int16_t, 3> Team_Lines{};  // entry 2 unused

    // ---- elements of this board ----
    Element Shape1, Shape2;                  // team panels
    std::array<Element, 4> Img_Team;        // 0, 1 on the board; 3 (team 0), 2 (team 1) on Pic_Score
    std::array<Element, 4> Label_Team_Score; // same indexes as Img_Team
    std::array<Element, 2> Img_Win;          // mark stores, never shown
    Element Label1;                          // hint above the answer box
    Element SELECT_IMG;                      // the answering team's heart in the panel
    Element Label7, Label10;                 // empty, no event
    Element Pic_Sel, Label14, Image4, Image5, Shape3, Shape4;
    std::array<Element, 2> Label_Sel_Team;
    Element Label_Mode;      // "한" or "A": what the answer box types
    Element Label_Overrule;  // the host's "right anyway" in the panel
    Element Label_Winner;    // on Pic_Score: who won, or a tie

    // Picture store names used in Element::Picture.
    static QString markStore(int team);  // "Img_Win(0)", "Img_Win(1)"

    void Check_Bingo() override;
    void All_Check() override;

    void Label_Sel_Team_Click(int i);
    // Submit (Command3 or Enter in Text1): judges the text in Text1.Caption,
    // which the screen keeps equal to the answer box.
    void Command3_Click();
    // The host judges the open question right whatever was typed (Ctrl+Enter).
    void Label_Overrule_Click();
    // The answer box now types Hangul (true) or Latin letters.
    void setAnswerMode(bool hangul);

signals:
    // The question has slid in: the answer box is to take the focus.
    void answerBoxReady();

protected:
    bool boardKey(HostKey key, int tile) override;
    bool cellsRefused() const override;
    void resumeTimer1() override;
    void undoElements(std::vector<Element *> &out) override;
    void saveNumbers(std::vector<int> &out) const override;
    void restoreNumbers(const std::vector<int> &in) override;
    void updateHostElements() override;
    void gameAbandoned() override;
    QString helpText() const override;
    void startGame() override;  // shows the picker
    void afterReveal() override;
    void showFinalScore() override;
    void resetScores() override;
    void openCellStep(int i) override;
    void Timer1_Tick() override;
    void afterCheckBingo() override;
    void slideEnded() override;

private:
    void showTeamScore(int team);
    void giveVerdict(bool right, bool overrule);
    void stopPulse();
    // Team t's heart on the board at side x side, centred where it stands at design.
    void sizeHeart(int team, double side);
};
