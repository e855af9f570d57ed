// The one-team board FrmMain1: the host judges, a game clock counts the game down.
#pragma once

#include "board/board.h"

class OneTeamBoard : public Board {
public:
    OneTeamBoard(Shared &s, const BoardPorts &ports);

    Element Label1;                 // running score
    Element Img_Win, Img_Lose;      // mark stores
    Element Label6;                 // final score on Pic_Score
    Element Label7, Label10;        // "성공", "실패"

    void Check_Bingo() override;
    void All_Check() override;

    void Command3_Click();           // show the answer
    void Label7_Click();             // judge right
    void Label10_Click();            // judge wrong

protected:
    bool boardKey(HostKey key, int tile) override;
    void resumeTimer1() override;
    void undoElements(std::vector<Element *> &out) override;
    QString helpText() const override;
    void startGame() override;
    void showFinalScore() override;
    void resetScores() override;
    void openCellStep(int i) override;
    void Timer1_Tick() override;

private:
    void showScore();
    // PageDown: start, the next unplayed tile, its answer, then 성공.
    bool presenterNext();
};
