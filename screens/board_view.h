// The part of a board window that both boards share: background, play area,
// cells, game balls, big buttons, clock, question panel, bingo and score panels.
// A board window derives from BoardViewOf<its engine>, creates its own elements
// before finishStacking(), and syncs them in syncBoard().
#pragma once

#include "board/board.h"
#include "board/qt_timer_driver.h"
#include "widgets/artwork.h"
#include "widgets/board_scale.h"
#include "widgets/picture_loader.h"

#include <QPixmap>
#include <QStringList>
#include <QPushButton>
#include <QWidget>

#include <array>
#include <memory>

class BoardLabel;
class ClickArea;
class FullScreenButton;
class PictureArea;
class PictureBox;
struct Shared;

// The window may take any size: the design is drawn at the largest scale that
// fits, centred in a plain dark frame (BoardSurface, applyElement). F11 or the
// button in the top-right corner switches full screen, Esc leaves it; the
// choice is kept for the next start.
class BoardView : public BoardSurface {
    Q_OBJECT
public:
    ~BoardView() override;

    // Element widgets, for tests and for derived windows.
    std::array<ClickArea *, 10> GBox{};
    ClickArea *Command5 = nullptr, *Command1 = nullptr, *Command2 = nullptr;
    BoardLabel *Label3 = nullptr;
    QPushButton *Time_Up = nullptr, *Command4 = nullptr;
    PictureArea *Img_SRC = nullptr;
    std::array<PictureBox *, 9> Cubix{}, Cubix_Icon{};
    std::array<BoardLabel *, 9> Cubix_Number{};
    std::array<ClickArea *, 9> Cover_Cubix{};
    PictureBox *Pic_Quiz = nullptr, *Pic_Right = nullptr, *Pic_Wrong = nullptr;
    BoardLabel *Label9 = nullptr, *Label8 = nullptr;
    ClickArea *Command3 = nullptr;
    PictureBox *Pic_Bingo = nullptr, *Pic_Score = nullptr;
    ClickArea *Label5 = nullptr;
    QPushButton *Label_StartOver = nullptr;
    BoardLabel *Label_Pause = nullptr, *Label_Mute = nullptr;
    PictureBox *Pic_Help = nullptr;
    BoardLabel *Label_Help = nullptr;
    PictureBox *Pic_Ask = nullptr;
    BoardLabel *Label_Ask = nullptr;
    QPushButton *Label_Ask_Yes = nullptr, *Label_Ask_No = nullptr;

    // Brings every widget in line with the engine's state.
    void sync();

    FullScreenButton *fullScreenButton() const { return m_fullScreenButton; }
    // Switches between the window and full screen, and remembers the choice.
    void setFullScreenChosen(bool full);
    // Shows the window as the teacher last left it: full screen or not.
    void showAsRemembered();

signals:
    // A right-button release on GBox(game): the host wants the editor on it.
    void editRequested(int game);

protected:
    // Null cues, random or clock: the program's own player, generator and QTimer clock.
    BoardView(Shared &s, std::unique_ptr<CuePlayer> cues, std::unique_ptr<RandomSource> random,
              TimerDriver *clock, Art background, Art quizPanel);
    // The engine is made by the derived window, then handed over here.
    void attach(Board *board);
    void createSharedElements();
    void finishStacking();
    virtual void syncBoard() {}
    // Picture of a mark store named by the engine ("Img_Win", ...).
    virtual QPixmap markPicture(const QString &store) const = 0;

    // Keys reach the board whatever child has the focus: an open answer box
    // keeps only the keys that type (see typesIntoAnswerBox).
    void keyPressEvent(QKeyEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *e) override;
    // Children that take the focus hand their keys to the board first.
    void watchKeysOf(QWidget *child);
    bool hostKeyPressed(QKeyEvent *e, bool fromAnswerBox);
    // The game agreed to end: the program-wide questions (unsaved edits) then
    // decide, and the program ends unless one of them keeps it open.
    void quitIfAllAgree();

    void showEvent(QShowEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void changeEvent(QEvent *e) override;
    void paintEvent(QPaintEvent *) override;
    void closeEvent(QCloseEvent *e) override;

    Shared &m_s;
    std::unique_ptr<CuePlayer> m_cues;
    QtPictureLoader m_pictures;
    QtTextMeasurer m_text;
    std::unique_ptr<RandomSource> m_random;
    QtTimerDriver m_qtClock;  // outlives the engine's timers (declared before them)
    TimerDriver *m_clock;
    BoardPorts ports();

private:
    Board *m_engine = nullptr;  // the derived window's own board
    Art m_background;
    Art m_quizPanel;
    bool m_laidOut = false;
    FullScreenButton *m_fullScreenButton = nullptr;
    // The design drawn at the window's size: every element placed anew.
    void applyScale();
    int m_drawnScript = 0;  // captions of Img_SRC_Script already drawn
    bool m_quitting = false;
};

// The board's title with the name of the quiz set in use after it.
QString titleWithSet(const QString &title, const Shared &s);

// A board window over its own engine B: makes the engine on the window's
// ports, titles the window and creates the shared elements.
template <class B>
class BoardViewOf : public BoardView {
public:
    B &board() { return m_board; }

protected:
    BoardViewOf(Shared &s, std::unique_ptr<CuePlayer> cues, std::unique_ptr<RandomSource> random,
                TimerDriver *clock, Art background, Art quizPanel, const QString &title)
        : BoardView(s, std::move(cues), std::move(random), clock, background, quizPanel),
          m_board(s, ports())
    {
        setWindowTitle(titleWithSet(title, s));
        attach(&m_board);
        createSharedElements();
    }
    ~BoardViewOf() override { QObject::disconnect(&m_board, nullptr, this, nullptr); }

    B m_board;
};
