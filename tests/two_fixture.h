// A two-team board on virtual time over the game data of OneFixture.
#pragma once

#include "team/two_board.h"
#include "tests/board_fixture.h"

// A two-team board over the game data of OneFixture ("Q<g>-<q>;A<g>-<q>").
struct TwoFixture {
    Shared s;
    RecordingCues cues;
    FakePictures pictures;
    FixedText text;
    ManualClock clock;
    ClockMixedRandom random;
    std::unique_ptr<TwoTeamBoard> board;

    TwoFixture()
    {
        s.App_Dir = QStringLiteral("/game/");
        for (int g = 0; g < 10; ++g) {
            for (int q = 0; q < 9; ++q)
                s.Quiz_Table[g][q] = QStringLiteral("Q%1-%2;A%1-%2").arg(g).arg(q);
            s.Picture_Table[g] = QStringLiteral("p%1.jpg;caption %1").arg(g);
        }
        board = std::make_unique<TwoTeamBoard>(s, BoardPorts{&cues, &pictures, &text, &random, &clock});
        board->Set_Init();
        board->layoutStep();
    }
    TwoTeamBoard &b() { return *board; }
    // Start pressed and team `starter` picked.
    TwoTeamBoard &started(int starter)
    {
        board->Command5_Click();
        board->Label_Sel_Team_Click(starter);
        return *board;
    }
    // Opens cell i and lets the panel slide in.
    void open(int i)
    {
        board->Cover_Cubix_Click(i);
        clock.advance(300);
    }
    void submit(const QString &typed)
    {
        board->Text1.Caption = typed;
        board->Command3_Click();
    }
    // Whoever's turn it is answers cell i; the chain is left pending.
    void answer(int i, bool right)
    {
        open(i);
        submit(right ? board->Cell_QA[i][1] : QStringLiteral("틀린 답"));
    }
    // Answers and lets the whole chain run.
    void play(int i, bool right)
    {
        answer(i, right);
        clock.advance(2500);
    }
    QSizeF heart(int t) const { return {board->Img_Team[t].Width, board->Img_Team[t].Height}; }
};

