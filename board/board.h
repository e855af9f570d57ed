// The game engine shared by both boards: fields, cell records, element state and
// the procedures and handlers of choosing, showing, judging and ending a game.
// A board derives from Board, adds its own elements, and overrides the hooks
// below (start button, Timer1 tick, open step 7, scores, Check_Bingo, All_Check, turn pass).
// Every public event and every timer tick ends in changed(), once.
#pragma once

#include "board/element.h"
#include "board/engine_timer.h"
#include "board/host_key.h"
#include "board/names.h"
#include "board/ports.h"
#include "board/text_fit.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

struct Shared;

// A caption drawn onto Img_SRC by Set_Script, top left of the text at (X, Y).
struct ScriptDraw {
    QString Text;
    double X = 0, Y = 0;
    double Points = 0;
    std::uint32_t Colour = 0;  // 0xRRGGBB
};

struct BoardPorts {
    CuePlayer *cues = nullptr;
    PictureLoader *pictures = nullptr;
    TextMeasurer *text = nullptr;
    RandomSource *random = nullptr;
    TimerDriver *clock = nullptr;
};

class Board : public QObject {
    Q_OBJECT
public:
    Board(Shared &s, const BoardPorts &ports, int timer1Ms);
    ~Board() override = default;

    // ---- fields ----
    std::int16_t Remain_Sec = 0;
    std::array<std::array<QString, 4>, 10> Cell_QA;  // row 9 unused; columns: question, answer, line, status
    QString Cur_Answer;
    std::int16_t Cur_Cell = 0;
    QString Picture_Caption;

    // ---- elements shared by both boards ----
    std::array<Element, 10> GBox;
    Element Command5, Command1, Command2;
    Element Label3, Time_Up, Command4;
    Element Img_SRC, Label2, Image1, Label4;
    std::array<Element, 9> Cubix, Cover_Cubix, Cubix_Number, Cubix_Icon;
    Element Cubix_IMG;
    Element Pic_Quiz, Label9, Label8, Text1, Command3, Pic_Right, Pic_Wrong;
    Element Pic_Bingo, Pic_Score, Label5;
    // Host controls and signs: start over, pause and mute signs, the key
    // table, and the panel that asks the host before a game is thrown away.
    Element Label_StartOver, Label_Pause, Label_Mute, Pic_Help, Label_Help;
    Element Pic_Ask, Label_Ask, Label_Ask_Yes, Label_Ask_No;
    double Label2Points = layout::Label2Style.points;  // Label2's font size
    QVector<ScriptDraw> Img_SRC_Script;  // captions drawn over the current picture

    EngineTimer Timer1, Timer2, Timer3, Timer4, Timer5;

    // ---- procedures ----
    void Set_Init();
    void Set_Game();
    void Set_Img();
    void Set_QA();
    void Set_Cubix();
    void Set_Script();
    // The caption as Set_Script sets it over the picture: up to three lines at
    // 24 points, smaller down to the floor, then cut with "…".
    static FittedText fitCaption(const QString &caption, TextMeasurer *text);
    static constexpr double kCaptionPoints = 24;
    static constexpr double kCaptionMargin = 16;   // pixels clear at each side
    static constexpr double kCaptionHeight = 120;  // pixels of the picture's lower part
    void layoutStep();
    virtual void Check_Bingo() = 0;
    virtual void All_Check() = 0;

    // ---- events ----
    void GBox_MouseDown(int i, int mouseButton);
    // Right release: sets Edit_Game_No; true when the editor is to be shown.
    bool GBox_MouseUp(int i, int mouseButton);
    void Cover_Cubix_Click(int i);
    void Command5_Click();  // start
    void Command1_Click();  // reveal
    void Time_Up_Click();
    void Command4_Click();
    void Pic_Bingo_Click();
    void Pic_Score_Click();  // also Label5

    // A key of the host (tile: 1 to 9 for HostKey::Tile). True when it did something.
    bool hostKey(HostKey key, int tile = 0);
    // Takes back the newest verdict of this game (a verdict still in its half
    // second completes first): tiles, scores, lines and turn as they were just
    // before it, its question open again. The clock is not turned back.
    bool Undo();
    void Label_StartOver_Click();  // asks, then deals the game afresh
    void Label_Ask_Yes_Click();
    void Label_Ask_No_Click();
    void Pic_Help_Click();
    // 종 료: quitConfirmed() at once, or a question first while a game runs or
    // when the window gives more reasons (unsaved changes elsewhere).
    void Command2_Click(const QStringList &moreReasons = {});
    // The window's close button: true when it may close now; otherwise asks as 종 료 does.
    bool closeRequested(const QStringList &moreReasons = {});

    bool isPaused() const { return m_paused; }
    bool isMuted() const { return m_muted; }
    bool isAsking() const { return m_ask != Ask::None; }
    int undoDepth() const { return int(m_history.size()); }

    // The eight lines in the order they are tested.
    static const std::array<std::array<int, 3>, 8> kLines;

signals:
    // Element state may have changed: after every event and timer tick.
    void changed();
    // Set_Img drew a new picture into Img_SRC (its captions start anew).
    void pictureDrawn();
    // The host chose to quit (at once, or by "예" to the question).
    void quitConfirmed();

protected:
    // Marks a public event: the outermost one emits changed() when it returns.
    class Event {
    public:
        explicit Event(Board &b) : m_b(b) { ++m_b.m_eventDepth; }
        ~Event()
        {
            if (--m_b.m_eventDepth == 0) {
                m_b.updateHostElements();
                emit m_b.changed();
            }
        }
        Event(const Event &) = delete;
        Event &operator=(const Event &) = delete;

    private:
        Board &m_b;
    };

    Shared &m_s;
    BoardPorts m_ports;
    std::unique_ptr<RandomSource> m_ownRandom;  // when the ports bring none

    void playCue(const char *name);
    void setClockLabel(int seconds);
    // Shared verdict steps: Timer3, the verdict picture and cue; on right, the
    // cell is uncovered and marked with mark and status.
    // Does nothing and returns false while the answer area is blank or the
    // open question already has its verdict (one verdict per question).
    // overrule: judged by the host whatever the answer area holds.
    bool judge(bool right, const QString &mark, const QString &status, bool overrule = false);
    bool m_verdictGiven = false;

    // Lines of three cells whose status is all status.
    int linesOf(QLatin1String status) const;
    // The bingo for lines completed lines, when more than rewarded: the panel
    // closes, the bingo picture shows and rewarded becomes lines. True then:
    // the caller adds its bonus.
    bool rewardNewLines(int lines, std::int16_t &rewarded);
    // The end of a game: the end cue, the clock stopped, the question panel
    // closed and emptied, the final score shown, Play_State "end".
    void endGame();

    virtual void startGame() = 0;              // the start button
    virtual void afterReveal() {}              // the reveal, after the picture is uncovered
    virtual void showFinalScore() = 0;         // the end of a game, before Pic_Score shows
    virtual void resetScores() = 0;            // game box step 4
    virtual void openCellStep(int i) = 0;      // cell click step 7
    virtual void Timer1_Tick() = 0;
    virtual void afterCheckBingo() {}          // Timer3 tick, after the line count
    virtual void slideEnded() {}               // Timer2 tick that stops the slide
    virtual void clearAnswerArea() { Text1.Caption.clear(); }

    // ---- host control hooks ----
    // This board's own keys (the judging keys, pause, overrule).
    virtual bool boardKey(HostKey key, int tile) = 0;
    // Tiles refused now (paused clock, team picker asking).
    virtual bool cellsRefused() const { return m_paused; }
    // After an undo: the clock or turn marker running as the restored state wants.
    virtual void resumeTimer1() = 0;
    // Elements and numbers of this board that a verdict and its chain change.
    virtual void undoElements(std::vector<Element *> &out);
    virtual void saveNumbers(std::vector<int> &) const {}
    virtual void restoreNumbers(const std::vector<int> &) {}
    // Shows or hides the derived signs and controls; runs at the end of every event.
    virtual void updateHostElements();
    virtual QString helpText() const = 0;

    // The running game is thrown away (before it is dealt afresh).
    virtual void gameAbandoned() {}
    // Cell i would open on a click now.
    bool cellOpens(int i) const;
    // The game Game_No dealt afresh, as choosing its ball does.
    void dealGame();
    // Start after an ended or revealed game deals it afresh first.
    void dealIfPlayed();
    void setPaused(bool paused);
    // The open question without a verdict yet (the judging keys act on it).
    bool questionAwaitsVerdict() const { return Pic_Quiz.Visible && !m_verdictGiven; }

    bool m_paused = false;

private:
    enum class Ask { None, StartOver, Quit };
    struct Snapshot {
        std::vector<Element> elements;
        std::array<std::array<QString, 4>, 10> cells;
        QString curAnswer, playState;
        std::int16_t curCell = 0, score = 0, bingoCount = 0;
        std::array<std::int16_t, 3> teamBingoCount{};
        std::vector<int> numbers;
        bool sliding = false;
    };
    Snapshot snapshot();
    void restore(const Snapshot &shot);
    void ask(Ask what, const QString &text);
    QStringList quitReasons(const QStringList &more) const;
    void abandonGame();
    bool commonKey(HostKey key, int tile);

    std::vector<Snapshot> m_history;  // one per verdict of this game, oldest first
    Ask m_ask = Ask::None;
    bool m_muted = false;
    bool m_needsDeal = false;  // the game ended or was revealed since it was dealt

    void Timer2_Tick();
    void Timer3_Tick();
    void Timer4_Tick();
    void Timer5_Tick();

    int m_eventDepth = 0;
};

