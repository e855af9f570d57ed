#include "board/board.h"

#include "board/names.h"
#include "board/random_source.h"
#include "core/shared_state.h"
#include "data/datafiles.h"
#include "data/quiz_line.h"

#include <algorithm>
#include <cmath>

const std::array<std::array<int, 3>, 8> Board::kLines = {{
    {0, 4, 8}, {2, 4, 6}, {0, 3, 6}, {1, 4, 7}, {2, 5, 8}, {0, 1, 2}, {3, 4, 5}, {6, 7, 8}}};

Board::Board(Shared &s, const BoardPorts &ports, int timer1Ms)
    : Timer1("Timer1", timer1Ms, [this] { Event e(*this); Timer1_Tick(); }),
      Timer2("Timer2", layout::kTimer2Ms, [this] { Event e(*this); Timer2_Tick(); }),
      Timer3("Timer3", layout::kTimer3Ms, [this] { Event e(*this); Timer3_Tick(); }),
      Timer4("Timer4", layout::kTimer4Ms, [this] { Event e(*this); Timer4_Tick(); }),
      Timer5("Timer5", layout::kTimer5Ms, [this] { Event e(*this); Timer5_Tick(); }),
      m_s(s),
      m_ports(ports)
{
    for (EngineTimer *t : {&Timer1, &Timer2, &Timer3, &Timer4, &Timer5})
        t->setDriver(ports.clock);
    if (!m_ports.random) {
        m_ownRandom = std::make_unique<ClockMixedRandom>();
        m_ports.random = m_ownRandom.get();
    }

    using namespace layout;
    for (int i = 0; i < 10; ++i)
        GBox[i] = Element::at(layout::GBox[i]);
    Command5 = Element::at(layout::Command5);
    Command1 = Element::at(layout::Command1);
    Command2 = Element::at(layout::Command2);
    Img_SRC = Element::at(layout::Img_SRC);
    Label2 = Element::at(layout::Label2, false, QStringLiteral("Label2"));
    Image1 = Element::at(layout::Image1, false);
    Label4 = Element::at(layout::Label4, false, QStringLiteral("0"));
    for (int i = 0; i < 9; ++i) {
        Cubix[i] = Element::at(layout::Cubix[i]);
        Cubix[i].Picture = QStringLiteral("Cubix_IMG");
        Cover_Cubix[i] = Element::at({layout::Cover_Cubix.left, layout::Cover_Cubix.top,
                                      layout::Cover_Cubix.width, layout::Cover_Cubix.height});
        Cubix_Number[i] = Element::at(i == 0 ? layout::Cubix_Number0 : layout::Cubix_Number, true,
                                      QString::number(i + 1));
        Cubix_Icon[i] = Element::at(layout::Cubix_Icon);
    }
    Cubix_IMG = Element::at(layout::Cubix_IMG, false);
    Label9 = Element::at(layout::Label9, true, QStringLiteral("1번 문제"));
    Pic_Right = Element::at(layout::Pic_Right, false);
    Pic_Wrong = Element::at(layout::Pic_Wrong, false);
    Pic_Bingo = Element::at(layout::Pic_Bingo, false);
    Pic_Score = Element::at(layout::Pic_Score, false);
    Label5 = Element::at(layout::Label5);
    Label_StartOver = Element::at(layout::Label_StartOver, false, QStringLiteral("처음부터"));
    Label_Pause = Element::at(layout::Label_Pause, false, QStringLiteral("일시정지"));
    Label_Mute = Element::at(layout::Label_Mute, false, QStringLiteral("소리 꺼짐"));
    Pic_Help = Element::at(layout::Pic_Help, false);
    Label_Help = Element::at(layout::Label_Help);
    Pic_Ask = Element::at(layout::Pic_Ask, false);
    Label_Ask = Element::at(layout::Label_Ask);
    Label_Ask_Yes = Element::at(layout::Label_Ask_Yes, true, QStringLiteral("예"));
    Label_Ask_No = Element::at(layout::Label_Ask_No, true, QStringLiteral("아니오"));
}

void Board::playCue(const char *name)
{
    if (m_ports.cues && !m_muted)
        m_ports.cues->Play_Cue(QString::fromLatin1(name));
}

void Board::setClockLabel(int seconds)
{
    Label3.Caption = QString::number(seconds) + QStringLiteral("초");
}

// ---- choosing a game ----

void Board::Set_Init()
{
    const Event e(*this);
    m_s.Time_Limit = 60;
    m_s.Play_State = play::End;
    GBox_MouseDown(0, button::Left);
}

void Board::GBox_MouseDown(int i, int mouseButton)
{
    const Event e(*this);
    if (mouseButton != button::Left || i < 0 || i > 9)
        return;
    if (Timer1.running() || m_s.Play_State != play::End)
        return;
    m_s.Game_No = std::int16_t(i);
    dealGame();
}

void Board::dealGame()
{
    resetScores();
    Remain_Sec = m_s.Time_Limit;
    setClockLabel(Remain_Sec);
    playCue("box.wav");
    Pic_Score.Visible = false;  // the last game's result gives way to the new deal
    m_history.clear();
    m_needsDeal = false;
    Set_Game();
}

void Board::dealIfPlayed()
{
    if (m_needsDeal)
        dealGame();
}

bool Board::GBox_MouseUp(int i, int mouseButton)
{
    const Event e(*this);
    if (mouseButton != button::Right || i < 0 || i > 9)
        return false;
    m_s.Edit_Game_No = std::int16_t(i);
    return true;
}

void Board::Set_Game()
{
    Set_Img();
    Clear_Used_Flag(m_s);
    Set_Cubix();
    Set_QA();
}

void Board::Set_Img()
{
    const QString line = m_s.Picture_Table[m_s.Game_No];
    const QString file = lineField(line, 1).value_or(QString());
    const QString path = setDir(m_s) + kPictureFolder + file;
    if (!file.isEmpty() && m_ports.pictures && m_ports.pictures->loadPicture(path))
        Image1.Picture = path;
    // Drawing the held picture covers whatever was drawn before; with none
    // ever loaded the area keeps what it shows.
    if (!Image1.Picture.isEmpty()) {
        Img_SRC.Picture = Image1.Picture;
        Img_SRC_Script.clear();
        emit pictureDrawn();
    }
    if (const auto caption = lineField(line, 2))
        Picture_Caption = *caption;
}

void Board::Set_QA()
{
    for (int i = 0; i < 9; ++i)
        for (int c = 0; c < 3; ++c)
            Cell_QA[i][c].clear();
    for (int i = 0; i < 9; ++i) {
        int r = 0;
        do {
            const double u = m_ports.random->reseedAndDraw();
            r = std::clamp(int(std::floor(u * 9)), 0, 8);
        } while (m_s.Used_Flag[r] == 1);
        const QString &line = m_s.Quiz_Table[m_s.Game_No][r];
        Cell_QA[i][qa::Question] = lineField(line, 1).value_or(QString());
        Cell_QA[i][qa::Answer] = lineField(line, 2).value_or(QString());
        Cell_QA[i][qa::Line] = QString::number(r);
        Cell_QA[i][qa::Status] = cell::NotWon;
        m_s.Used_Flag[r] = 1;
    }
}

void Board::Set_Cubix()
{
    const double w = Img_SRC.Width / 3;
    const double h = std::floor(Img_SRC.Height / 3) + 3;
    for (int i = 0; i < 9; ++i) {
        Cubix[i].Width = w;
        Cubix[i].Height = h;
        Cubix[i].Picture = QStringLiteral("Cubix_IMG");
        Cubix[i].Visible = true;
        Cover_Cubix[i].Width = w;
        Cover_Cubix[i].Height = h;
        Cubix[i].Left = (i % 3) * w + Img_SRC.Left;
        Cubix[i].Top = (i / 3) * h + Img_SRC.Top;
        Cubix_Number[i].Caption = QString::number(i + 1);
        Cubix_Icon[i].Visible = false;
        Cubix_Number[i].Visible = true;
    }
}

void Board::layoutStep()
{
    const Event e(*this);
    for (int i = 0; i < 9; ++i) {
        const layout::Rect g = layout::gboxAtRun(i);
        GBox[i].Width = g.width;
        GBox[i].Top = g.top;
        GBox[i].Left = g.left;
        Cover_Cubix[i].Top = layout::Cover_Cubix.top;
        Cover_Cubix[i].Left = layout::Cover_Cubix.left;
        Cubix_Icon[i].Top = layout::Cubix_Icon.top;
        Cubix_Icon[i].Left = layout::Cubix_Icon.left;
        Cubix_Icon[i].Visible = false;
    }
    Set_Cubix();
    Pic_Bingo.Left = layout::kPicBingoRunLeft;
    Pic_Bingo.Top = layout::kPicBingoRunTop;
    Pic_Score.Left = layout::kPicScoreRunLeft;
    Pic_Score.Top = layout::kPicScoreRunTop;
    Pic_Quiz.Left = layout::kPicQuizRunLeft;
    Pic_Quiz.Top = layout::kPicQuizRunTop;
}

// ---- a question ----

void Board::Cover_Cubix_Click(int i)
{
    const Event e(*this);
    if (i < 0 || i > 8)
        return;
    if (m_s.Play_State != play::Play || Cubix_Icon[i].Visible || cellsRefused() || isAsking())
        return;
    Cur_Cell = std::int16_t(i);
    Label9.Caption = QString::number(i + 1) + QStringLiteral("번 문제");
    Label8.Caption = QString(Cell_QA[i][qa::Question]).replace(QStringLiteral("<br>"), QStringLiteral("\r\n"));
    Cur_Answer = trimSpaces(Cell_QA[i][qa::Answer]);
    Pic_Quiz.Width = 1;
    Pic_Quiz.Left = Img_SRC.Left + Img_SRC.Width / 2;
    openCellStep(i);
    Pic_Quiz.Visible = true;
    m_verdictGiven = false;
    Timer2.start();
}

void Board::Timer2_Tick()
{
    if (Pic_Quiz.Width > 640) {
        Timer2.stop();
        slideEnded();
        return;
    }
    Pic_Quiz.Left -= 64;
    Pic_Quiz.Width += 128;
}

void Board::Set_Script()
{
    Label2Points = kCaptionPoints;
    Label2.Caption = Picture_Caption;
    const FittedText fitted = fitCaption(Picture_Caption, m_ports.text);
    Label2Points = fitted.points;
    // Lines centred across the picture, the last one's lower edge 36 pixels
    // above the bottom; each drawn outlined: black at the eight offsets, then white.
    static const int offsets[8][2] = {{-2, 0}, {2, 0}, {0, -2}, {0, 2}, {2, 2}, {-2, -2}, {-2, 2}, {2, -2}};
    Label2.Width = 0;
    Label2.Height = 0;
    const int n = int(fitted.lines.size());
    for (int i = 0; i < n; ++i) {
        const QString &line = fitted.lines[i];
        const QSizeF size = m_ports.text ? m_ports.text->measure(line, layout::kDisplayFace, fitted.points) : QSizeF();
        Label2.Width = std::max(Label2.Width, size.width());
        Label2.Height += size.height();
        const double x = (Img_SRC.Width - size.width()) / 2;
        const double y = Img_SRC.Height - (n - i) * size.height() - 36;
        for (const auto &o : offsets)
            Img_SRC_Script.push_back({line, x + o[0], y + o[1], fitted.points, 0x000000});
        Img_SRC_Script.push_back({line, x, y, fitted.points, 0xFFFFFF});
    }
}

FittedText Board::fitCaption(const QString &caption, TextMeasurer *text)
{
    const FitBox box{QSizeF(layout::Img_SRC.width - 2 * kCaptionMargin, kCaptionHeight), true, kCaptionPoints,
                     kCaptionFloorPoints};
    return fitText(caption, box, [text](const QString &t, double points) {
        return text ? text->measure(t, layout::kDisplayFace, points) : QSizeF();
    });
}

// ---- judging and the chain after it ----

bool Board::judge(bool right, const QString &mark, const QString &status, bool overrule)
{
    if (m_verdictGiven || (!overrule && trimSpaces(Text1.Caption).isEmpty()))
        return false;
    m_history.push_back(snapshot());
    m_verdictGiven = true;
    Timer3.start();
    const int c = Cur_Cell;
    if (right) {
        Pic_Right.Visible = true;
        playCue("right.wav");
        Cubix[c].Visible = false;
    } else {
        Pic_Wrong.Visible = true;
        playCue("bome.wav");
    }
    if (!mark.isEmpty()) {
        Cubix_Icon[c].Picture = mark;
        Cubix_Icon[c].Visible = true;
    }
    Cell_QA[c][qa::Status] = status;
    return true;
}

int Board::linesOf(QLatin1String status) const
{
    int count = 0;
    for (const auto &line : kLines) {
        bool complete = true;
        for (int c : line)
            complete = complete && Cell_QA[c][qa::Status] == status;
        count += complete;
    }
    return count;
}

bool Board::rewardNewLines(int lines, std::int16_t &rewarded)
{
    if (rewarded >= lines)
        return false;
    Pic_Quiz.Visible = false;
    Timer4.start();
    Pic_Bingo.Visible = true;
    playCue("bingo.wav");
    rewarded = std::int16_t(lines);
    return true;
}

void Board::endGame()
{
    playCue("end.wav");
    Timer1.stop();
    Pic_Quiz.Visible = false;
    clearAnswerArea();
    showFinalScore();
    Pic_Score.Visible = true;
    m_s.Play_State = play::End;
    m_paused = false;
    m_needsDeal = true;
}

void Board::Timer3_Tick()
{
    Timer3.stop();
    Pic_Quiz.Visible = false;
    Pic_Right.Visible = false;
    Pic_Wrong.Visible = false;
    clearAnswerArea();
    m_verdictGiven = false;
    Check_Bingo();
    afterCheckBingo();
    Timer5.start();
}

void Board::Timer4_Tick()
{
    Timer4.stop();
    Pic_Bingo.Visible = false;
    All_Check();
}

void Board::Timer5_Tick()
{
    Timer5.stop();
    for (int i = 0; i < 9; ++i)
        if (Cubix_Icon[i].Visible)
            Cubix[i].Visible = true;
    All_Check();
}

void Board::Pic_Bingo_Click()
{
    const Event e(*this);
    Pic_Bingo.Visible = false;
}

void Board::Pic_Score_Click()
{
    const Event e(*this);
    Pic_Score.Visible = false;
}

// ---- game controls ----

void Board::Command5_Click()
{
    const Event e(*this);
    startGame();
}

void Board::Command1_Click()
{
    const Event e(*this);
    if (m_s.Play_State != play::End)
        return;
    Timer1.stop();
    playCue("applous.WAV");
    for (Element &c : Cubix)
        c.Visible = false;
    Set_Script();
    afterReveal();
    m_needsDeal = true;
    m_history.clear();  // the whole picture has been seen
}

void Board::Time_Up_Click()
{
    const Event e(*this);
    addInt16(m_s.Time_Limit, 30);
    setClockLabel(m_s.Time_Limit);
    Remain_Sec = m_s.Time_Limit;
}

void Board::Command4_Click()
{
    const Event e(*this);
    if (m_s.Time_Limit <= 59)
        return;
    m_s.Time_Limit = std::int16_t(m_s.Time_Limit - 30);
    setClockLabel(m_s.Time_Limit);
    Remain_Sec = m_s.Time_Limit;
}

// ---- the host in control ----

void Board::updateHostElements()
{
    Label_StartOver.Visible = m_s.Play_State == play::Play;
    Label_Pause.Visible = m_paused;
    Label_Mute.Visible = m_muted;
    Label_Help.Caption = helpText();
}

bool Board::hostKey(HostKey key, int tile)
{
    const Event e(*this);
    if (isAsking()) {
        if (key == HostKey::Confirm || key == HostKey::Escape) {
            key == HostKey::Confirm ? Label_Ask_Yes_Click() : Label_Ask_No_Click();
            return true;
        }
        return false;
    }
    if (key == HostKey::Tile && (tile < 1 || tile > 9))
        return false;
    return commonKey(key, tile) || boardKey(key, tile);
}

bool Board::commonKey(HostKey key, int tile)
{
    switch (key) {
    case HostKey::Start:
        if (m_s.Play_State != play::End)
            return false;
        Command5_Click();
        return true;
    case HostKey::Undo:
        return Undo();
    case HostKey::Mute:
        m_muted = !m_muted;
        return true;
    case HostKey::Help:
        Pic_Help.Visible = !Pic_Help.Visible;
        return true;
    case HostKey::Escape:
        if (Pic_Help.Visible)
            Pic_Help.Visible = false;
        else if (Pic_Bingo.Visible)
            Pic_Bingo_Click();
        else if (Pic_Score.Visible)
            Pic_Score_Click();
        else
            return false;
        return true;
    case HostKey::StartOver:
        if (m_s.Play_State != play::Play)
            return false;
        Label_StartOver_Click();
        return true;
    default:
        (void)tile;
        return false;
    }
}

bool Board::cellOpens(int i) const
{
    return i >= 0 && i <= 8 && m_s.Play_State == play::Play && !Cubix_Icon[i].Visible && !cellsRefused()
           && !isAsking();
}

void Board::setPaused(bool paused)
{
    m_paused = paused;
    if (paused)
        Timer1.stop();
    else if (m_s.Play_State == play::Play)
        Timer1.start();
}

void Board::Pic_Help_Click()
{
    const Event e(*this);
    Pic_Help.Visible = false;
}

void Board::undoElements(std::vector<Element *> &out)
{
    for (int i = 0; i < 9; ++i)
        out.insert(out.end(), {&Cubix[i], &Cubix_Icon[i], &Cubix_Number[i]});
    out.insert(out.end(), {&Pic_Quiz, &Label9, &Label8, &Text1, &Pic_Right, &Pic_Wrong, &Pic_Bingo, &Pic_Score});
}

Board::Snapshot Board::snapshot()
{
    Snapshot shot;
    std::vector<Element *> elements;
    undoElements(elements);
    for (const Element *e : elements)
        shot.elements.push_back(*e);
    shot.cells = Cell_QA;
    shot.curAnswer = Cur_Answer;
    shot.playState = m_s.Play_State;
    shot.curCell = Cur_Cell;
    shot.score = m_s.Score;
    shot.bingoCount = m_s.Bingo_Count;
    shot.teamBingoCount = m_s.Team_Bingo_Count;
    saveNumbers(shot.numbers);
    shot.sliding = Timer2.running();
    return shot;
}

void Board::restore(const Snapshot &shot)
{
    std::vector<Element *> elements;
    undoElements(elements);
    for (std::size_t k = 0; k < elements.size(); ++k)
        *elements[k] = shot.elements[k];
    Cell_QA = shot.cells;
    Cur_Answer = shot.curAnswer;
    m_s.Play_State = shot.playState;
    Cur_Cell = shot.curCell;
    m_s.Score = shot.score;
    m_s.Bingo_Count = shot.bingoCount;
    m_s.Team_Bingo_Count = shot.teamBingoCount;
    restoreNumbers(shot.numbers);
    // What the chains pending then have done since: played cells covered with
    // their marks, verdict and bingo pictures gone.
    for (EngineTimer *t : {&Timer2, &Timer3, &Timer4, &Timer5})
        t->stop();
    for (int i = 0; i < 9; ++i)
        if (Cubix_Icon[i].Visible)
            Cubix[i].Visible = true;
    Pic_Right.Visible = false;
    Pic_Wrong.Visible = false;
    Pic_Bingo.Visible = false;
    m_verdictGiven = false;
    m_needsDeal = false;
    if (Pic_Quiz.Visible) {
        if (shot.sliding)
            Timer2.start();
        else
            slideEnded();
    }
    resumeTimer1();
}

bool Board::Undo()
{
    const Event e(*this);
    if (m_history.empty() || isAsking())
        return false;
    if (Timer3.running())
        Timer3_Tick();  // the verdict in its half second completes first
    const Snapshot shot = std::move(m_history.back());
    m_history.pop_back();
    restore(shot);
    return true;
}

void Board::ask(Ask what, const QString &text)
{
    m_ask = what;
    Label_Ask.Caption = text;
    Pic_Ask.Visible = true;
}

void Board::Label_StartOver_Click()
{
    const Event e(*this);
    if (m_s.Play_State != play::Play || isAsking())
        return;
    ask(Ask::StartOver, QStringLiteral("이 게임을 그만두고\r\n처음부터 다시 할까요?"));
}

void Board::Label_Ask_Yes_Click()
{
    const Event e(*this);
    const Ask what = m_ask;
    m_ask = Ask::None;
    Pic_Ask.Visible = false;
    if (what == Ask::StartOver && m_s.Play_State == play::Play)
        abandonGame();
    else if (what == Ask::Quit)
        emit quitConfirmed();
}

void Board::Label_Ask_No_Click()
{
    const Event e(*this);
    m_ask = Ask::None;
    Pic_Ask.Visible = false;
}

void Board::abandonGame()
{
    for (EngineTimer *t : {&Timer1, &Timer2, &Timer3, &Timer4, &Timer5})
        t->stop();
    for (Element *panel : {&Pic_Quiz, &Pic_Right, &Pic_Wrong, &Pic_Bingo, &Pic_Score})
        panel->Visible = false;
    clearAnswerArea();
    m_verdictGiven = false;
    m_paused = false;
    m_s.Play_State = play::End;
    gameAbandoned();
    dealGame();
}

QStringList Board::quitReasons(const QStringList &more) const
{
    QStringList reasons;
    if (m_s.Play_State == play::Play)
        reasons << QStringLiteral("게임이 진행 중입니다.");
    return reasons + more;
}

void Board::Command2_Click(const QStringList &moreReasons)
{
    const Event e(*this);
    if (closeRequested(moreReasons))
        emit quitConfirmed();
}

bool Board::closeRequested(const QStringList &moreReasons)
{
    const Event e(*this);
    const QStringList reasons = quitReasons(moreReasons);
    if (reasons.isEmpty())
        return true;
    if (!isAsking())
        ask(Ask::Quit, reasons.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n그래도 끝낼까요?"));
    return false;
}
