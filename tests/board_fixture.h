// Test doubles for the board engine: recorded cues, pictures that load by
// name, fixed-width text, scripted or real randomness, virtual time.
#pragma once

#include "board/one_board.h"
#include "board/ports.h"
#include "board/random_source.h"
#include "core/shared_state.h"
#include "tests/manual_clock.h"

#include <QSet>
#include <QStringList>

#include <deque>
#include <memory>

struct RecordingCues : CuePlayer {
    QStringList played;
    void Play_Cue(const QString &name) override { played << name; }
    int count(const QString &name) const { return int(played.count(name)); }
};

struct FakePictures : PictureLoader {
    QSet<QString> readable;  // full paths that load
    QStringList asked;
    bool loadPicture(const QString &path) override
    {
        asked << path;
        return readable.contains(path);
    }
};

// Every character 10 x 30 pixels.
struct FixedText : TextMeasurer {
    QSizeF measure(const QString &text, const char *, double) override
    {
        return QSizeF(10.0 * text.size(), 30);
    }
};

// Plays back given draws, then repeats the last one.
struct ScriptedRandom : RandomSource {
    std::deque<double> draws;
    int calls = 0;
    double reseedAndDraw() override
    {
        ++calls;
        const double u = draws.front();
        if (draws.size() > 1)
            draws.pop_front();
        return u;
    }
};

// A one-team board over game data "Q<g>-<q>;A<g>-<q>" and pictures "p<g>.jpg".
struct OneFixture {
    Shared s;
    RecordingCues cues;
    FakePictures pictures;
    FixedText text;
    ManualClock clock;
    std::unique_ptr<RandomSource> random = std::make_unique<ClockMixedRandom>();
    std::unique_ptr<OneTeamBoard> board;

    OneFixture()
    {
        s.App_Dir = QStringLiteral("/game/");
        for (int g = 0; g < 10; ++g) {
            for (int q = 0; q < 9; ++q)
                s.Quiz_Table[g][q] = QStringLiteral("Q%1-%2;A%1-%2").arg(g).arg(q);
            s.Picture_Table[g] = QStringLiteral("p%1.jpg;caption %1").arg(g);
            pictures.readable.insert(QStringLiteral("/game/img/p%1.jpg").arg(g));
        }
    }
    OneTeamBoard &make()
    {
        board = std::make_unique<OneTeamBoard>(
            s, BoardPorts{&cues, &pictures, &text, random.get(), &clock});
        board->Set_Init();
        board->layoutStep();
        return *board;
    }
    // Start pressed, board loaded.
    OneTeamBoard &started()
    {
        make().Command5_Click();
        return *board;
    }
    // Board loaded, game 1 chosen again under a time limit of `seconds`, start pressed.
    OneTeamBoard &startedWithLimit(int seconds)
    {
        make();
        s.Time_Limit = std::int16_t(seconds);
        board->GBox_MouseDown(0, 1);
        board->Command5_Click();
        return *board;
    }
    // The cell that holds quiz line q.
    int cellOf(int q) const
    {
        for (int i = 0; i < 9; ++i)
            if (board->Cell_QA[i][2] == QString::number(q))
                return i;
        return -1;
    }
    // Opens cell i, shows the answer and judges it; the chain is left pending.
    void judge(int i, bool right)
    {
        board->Cover_Cubix_Click(i);
        board->Command3_Click();
        right ? board->Label7_Click() : board->Label10_Click();
    }
    // Judges and lets the whole chain run.
    void play(int i, bool right)
    {
        judge(i, right);
        clock.advance(2500);
    }
};
