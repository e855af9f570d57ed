#include "screens/board_view.h"

#include "board/random_source.h"
#include "core/settings.h"
#include "core/shared_state.h"
#include "widgets/artwork.h"
#include "widgets/board_font.h"
#include "widgets/board_widgets.h"
#include "widgets/click_area.h"
#include "widgets/cue_player.h"
#include "widgets/full_screen_button.h"
#include "widgets/host_keys.h"
#include "widgets/layout_qt.h"
#include "widgets/quit_checks.h"
#include "widgets/window_util.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QShortcut>

#include <cmath>

namespace {
const QColor kFrame(0x1A, 0x1A, 0x1A);
const QString kFullScreenKey = QStringLiteral("board/fullScreen");

QSize devicePixels(QSizeF logical, qreal dpr)
{
    return QSize(int(std::lround(logical.width() * dpr)), int(std::lround(logical.height() * dpr)));
}
}  // namespace

QString titleWithSet(const QString &title, const Shared &s)
{
    return s.Set_Name.isEmpty() ? title : title + QStringLiteral(" - ") + s.Set_Name;
}

BoardView::BoardView(Shared &s, std::unique_ptr<CuePlayer> cues, std::unique_ptr<RandomSource> random,
                     TimerDriver *clock, Art background, Art quizPanel)
    : BoardSurface(nullptr, Qt::Window),
      m_s(s),
      m_cues(cues ? std::move(cues) : std::make_unique<QtCuePlayer>(s.App_Dir)),
      m_pictures(toQSize(layout::Img_SRC)),
      m_random(random ? std::move(random) : std::make_unique<ClockMixedRandom>()),
      m_clock(clock ? clock : &m_qtClock),
      m_background(background),
      m_quizPanel(quizPanel)
{
    resize(layout::kClientWidth, layout::kClientHeight);
    setMinimumSize(layout::kClientWidth / 2, layout::kClientHeight / 2);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);  // keys between questions come here
    m_fullScreenButton = new FullScreenButton(this);
    connect(m_fullScreenButton, &FullScreenButton::clicked, this, [this] { setFullScreenChosen(!isFullScreen()); });
    auto *f11 = new QShortcut(QKeySequence(Qt::Key_F11), this);
    connect(f11, &QShortcut::activated, this, [this] { setFullScreenChosen(!isFullScreen()); });
}

BoardView::~BoardView() = default;

BoardPorts BoardView::ports()
{
    return BoardPorts{m_cues.get(), &m_pictures, &m_text, m_random.get(), m_clock};
}

void BoardView::attach(Board *board)
{
    m_engine = board;
    connect(board, &Board::changed, this, &BoardView::sync);
    // The game's own question first (in the board), then the program-wide
    // ones (the editor's unsaved changes): any of them may keep the board open.
    connect(board, &Board::quitConfirmed, this, &BoardView::quitIfAllAgree);
    connect(board, &Board::pictureDrawn, this, [this] {
        // A picture still being decoded shows as a blank under the tiles,
        // never as the previous game's picture.
        if (m_pictures.pending()) {
            QImage blank(Img_SRC->size(), QImage::Format_RGB32);
            blank.fill(Qt::white);
            Img_SRC->drawPicture(blank);
        } else {
            Img_SRC->drawPicture(m_pictures.current());
        }
        m_drawnScript = 0;
    });
    m_pictures.setReadyHandler([this] {
        // The decoded picture, with the captions drawn over it so far.
        Img_SRC->drawPicture(m_pictures.current());
        m_drawnScript = 0;
        sync();
    });
}

void BoardView::createSharedElements()
{
    Img_SRC = new PictureArea(this, toQSize(layout::Img_SRC));
    for (int i = 0; i < 9; ++i) {
        Cubix[i] = new PictureBox(this, artPixmap(Art::TileSource), true);
        Cubix[i]->setAttribute(Qt::WA_OpaquePaintEvent);  // the picture area under it need not paint
        Cubix_Number[i] = new BoardLabel(Cubix[i], layout::Cubix_NumberStyle);
        Cubix_Icon[i] = new PictureBox(Cubix[i]);
        Cubix_Icon[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
        Cover_Cubix[i] = new ClickArea(Cubix[i]);  // in front of the number and the mark
        connect(Cover_Cubix[i], &ClickArea::clicked, this, [this, i] { m_engine->Cover_Cubix_Click(i); });
    }
    for (int i = 0; i < 10; ++i) {
        GBox[i] = new ClickArea(this);
        connect(GBox[i], &ClickArea::pressed, this, [this, i](int button) { m_engine->GBox_MouseDown(i, button); });
        connect(GBox[i], &ClickArea::released, this, [this, i](int button) {
            if (!m_engine->GBox_MouseUp(i, button))
                return;
            QApplication::setOverrideCursor(Qt::WaitCursor);
            emit editRequested(i);
            QApplication::restoreOverrideCursor();
        });
    }
    Command5 = new ClickArea(this);
    Command1 = new ClickArea(this);
    Command2 = new ClickArea(this);
    connect(Command5, &ClickArea::clicked, this, [this] { m_engine->Command5_Click(); });
    connect(Command1, &ClickArea::clicked, this, [this] { m_engine->Command1_Click(); });
    connect(Command2, &ClickArea::clicked, this, [this] { m_engine->Command2_Click(); });

    Label3 = new BoardLabel(this, layout::one::Label3Style);
    Time_Up = new QPushButton(QStringLiteral("▲"), this);
    Command4 = new QPushButton(QStringLiteral("▼"), this);
    for (QPushButton *button : {Time_Up, Command4})
        button->setFocusPolicy(Qt::NoFocus);
    connect(Time_Up, &QPushButton::clicked, this, [this] { m_engine->Time_Up_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { m_engine->Command4_Click(); });

    Pic_Quiz = new PictureBox(this, artPixmap(m_quizPanel));
    Pic_Quiz->setCursor(handCursor());
    Label9 = new BoardLabel(Pic_Quiz, layout::Label9Style);
    Label8 = new BoardLabel(Pic_Quiz, layout::Label8Style, true);
    Label8->fitDownTo(kQuestionFloorPoints);
    Command3 = new ClickArea(Pic_Quiz);
    Pic_Right = new PictureBox(Pic_Quiz, artPixmap(Art::Right));
    Pic_Wrong = new PictureBox(Pic_Quiz, artPixmap(Art::Wrong));
    for (PictureBox *verdict : {Pic_Right, Pic_Wrong})
        verdict->setCursor(Qt::ArrowCursor);  // not the panel's hand

    Pic_Bingo = new PictureBox(this, artPixmap(Art::Bingo));
    connect(Pic_Bingo, &PictureBox::clicked, this, [this] { m_engine->Pic_Bingo_Click(); });
    Pic_Score = new PictureBox(this, artPixmap(Art::Score));
    connect(Pic_Score, &PictureBox::clicked, this, [this] { m_engine->Pic_Score_Click(); });
    Label5 = new ClickArea(Pic_Score);
    connect(Label5, &ClickArea::clicked, this, [this] { m_engine->Pic_Score_Click(); });

    // Host controls and signs.
    Label_StartOver = textButton(this, layout::ButtonStyle);
    connect(Label_StartOver, &QPushButton::clicked, this, [this] { m_engine->Label_StartOver_Click(); });
    Label_Pause = signLabel(this, layout::PauseStyle);
    Label_Mute = signLabel(this, layout::SignStyle);
    Pic_Help = new PictureBox(this);
    Pic_Help->setBackground(QColor(255, 255, 240));
    connect(Pic_Help, &PictureBox::clicked, this, [this] { m_engine->Pic_Help_Click(); });
    Label_Help = new BoardLabel(Pic_Help, layout::HelpStyle, true);
    Pic_Ask = new PictureBox(this);
    Pic_Ask->setBackground(QColor(255, 255, 240));
    Label_Ask = new BoardLabel(Pic_Ask, layout::AskStyle, true);
    Label_Ask_Yes = textButton(Pic_Ask, layout::ButtonStyle);
    Label_Ask_No = textButton(Pic_Ask, layout::ButtonStyle);
    connect(Label_Ask_Yes, &QPushButton::clicked, this, [this] { m_engine->Label_Ask_Yes_Click(); });
    connect(Label_Ask_No, &QPushButton::clicked, this, [this] { m_engine->Label_Ask_No_Click(); });
}

void BoardView::finishStacking()
{
    // Windowed buttons in front of the clock label; verdict pictures over the
    // panel's children, the wrong one in front; panels over the cells.
    Time_Up->raise();
    Command4->raise();
    Pic_Right->raise();
    Pic_Wrong->raise();
    Label5->raise();
    Pic_Quiz->raise();
    Pic_Bingo->raise();
    Pic_Score->raise();
    for (QWidget *top : std::initializer_list<QWidget *>{Label_StartOver, Label_Pause, Label_Mute, Pic_Help, Pic_Ask})
        top->raise();
}

void BoardView::sync()
{
    if (!m_engine)
        return;
    Board &b = *m_engine;
    applyElement(Img_SRC, b.Img_SRC);
    for (; m_drawnScript < b.Img_SRC_Script.size(); ++m_drawnScript)
        Img_SRC->drawScript(b.Img_SRC_Script[m_drawnScript]);

    for (int i = 0; i < 9; ++i) {
        applyElement(Cubix[i], b.Cubix[i]);
        applyLabel(Cubix_Number[i], b.Cubix_Number[i]);
        applyElement(Cubix_Icon[i], b.Cubix_Icon[i]);
        Cubix_Icon[i]->setPicture(markPicture(b.Cubix_Icon[i].Picture));
        applyElement(Cover_Cubix[i], b.Cover_Cubix[i]);
    }
    for (int i = 0; i < 10; ++i)
        applyElement(GBox[i], b.GBox[i]);
    applyElement(Command5, b.Command5);
    applyElement(Command1, b.Command1);
    applyElement(Command2, b.Command2);
    applyLabel(Label3, b.Label3);
    applyElement(Time_Up, b.Time_Up);
    applyElement(Command4, b.Command4);

    applyElement(Pic_Quiz, b.Pic_Quiz);
    applyLabel(Label9, b.Label9);
    applyLabel(Label8, b.Label8);
    applyElement(Command3, b.Command3);
    applyElement(Pic_Right, b.Pic_Right);
    applyElement(Pic_Wrong, b.Pic_Wrong);
    applyElement(Pic_Bingo, b.Pic_Bingo);
    applyElement(Pic_Score, b.Pic_Score);
    applyElement(Label5, b.Label5);
    applyButton(Label_StartOver, b.Label_StartOver);
    applyLabel(Label_Pause, b.Label_Pause);
    applyLabel(Label_Mute, b.Label_Mute);
    applyElement(Pic_Help, b.Pic_Help);
    applyLabel(Label_Help, b.Label_Help);
    applyElement(Pic_Ask, b.Pic_Ask);
    applyLabel(Label_Ask, b.Label_Ask);
    applyButton(Label_Ask_Yes, b.Label_Ask_Yes);
    applyButton(Label_Ask_No, b.Label_Ask_No);
    syncBoard();
}

void BoardView::watchKeysOf(QWidget *child)
{
    child->installEventFilter(this);
}

bool BoardView::hostKeyPressed(QKeyEvent *e, bool fromAnswerBox)
{
    const std::optional<HostKeyPress> press = hostKeyOf(*e);
    if (!press)
        return false;
    if (fromAnswerBox && typesIntoAnswerBox(press->key) && !m_engine->isAsking())
        return false;
    // Esc closes what is open first; with nothing open it leaves full screen.
    if (!m_engine->hostKey(press->key, press->tile) && press->key == HostKey::Escape && isFullScreen())
        setFullScreenChosen(false);
    return true;
}

void BoardView::keyPressEvent(QKeyEvent *e)
{
    if (m_engine && hostKeyPressed(e, false))
        e->accept();
    else
        QWidget::keyPressEvent(e);
}

bool BoardView::eventFilter(QObject *watched, QEvent *e)
{
    if (e->type() == QEvent::KeyPress && m_engine)
        return hostKeyPressed(static_cast<QKeyEvent *>(e), true);
    return QWidget::eventFilter(watched, e);
}

void BoardView::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    if (!m_laidOut && m_engine) {
        m_laidOut = true;
        m_engine->layoutStep();
    }
    applyScale();
}

void BoardView::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    applyScale();
}

void BoardView::changeEvent(QEvent *e)
{
    QWidget::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange)
        applyScale();
}

void BoardView::applyScale()
{
    const BoardScale scale = fitBoardScale(size());
    const bool moved = scale.factor != boardScale().factor || scale.origin != boardScale().origin;
    setBoardScale(scale);
    m_fullScreenButton->place(width() - scale.boardRect().right() - 1, scale.factor);
    if (!Img_SRC)
        return;
    // The game picture is read again for the size it is now drawn at.
    const QSize drawn = devicePixels(QSizeF(toQSize(layout::Img_SRC)) * scale.factor, devicePixelRatioF());
    m_pictures.setDrawnSize(drawn);  // redrawn by the ready handler
    if (moved) {
        sync();
        // Captions already drawn are kept by the picture area and redrawn at the new size.
        update();
    }
}

void BoardView::setFullScreenChosen(bool full)
{
    if (full)
        showFullScreen();
    else
        showNormal();
    openSettings()->setValue(kFullScreenKey, full);
    m_fullScreenButton->update();
}

void BoardView::showAsRemembered()
{
    if (openSettings()->value(kFullScreenKey, false).toBool()) {
        showFullScreen();
    } else {
        centreOnScreen(this);
        show();
    }
}

void BoardView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect board = boardScale().boardRect();
    // The plain frame around the board.
    p.fillRect(QRect(0, 0, width(), board.top()), kFrame);
    p.fillRect(QRect(0, board.bottom() + 1, width(), height() - board.bottom() - 1), kFrame);
    p.fillRect(QRect(0, board.top(), board.left(), board.height()), kFrame);
    p.fillRect(QRect(board.right() + 1, board.top(), width() - board.right() - 1, board.height()), kFrame);
    const qreal dpr = devicePixelRatioF();
    QPixmap background = picturePixmapAt(artPixmap(m_background), devicePixels(board.size(), dpr));
    background.setDevicePixelRatio(dpr);
    p.drawPixmap(board.topLeft(), background);
}

void BoardView::closeEvent(QCloseEvent *e)
{
    if (m_quitting) {
        e->accept();
        return;
    }
    // The board asks first while a game runs; quitIfAllAgree() ends the program.
    e->ignore();
    if (m_engine && m_engine->closeRequested())
        quitIfAllAgree();
}

void BoardView::quitIfAllAgree()
{
    if (!mayQuit())
        return;
    m_quitting = true;
    QCoreApplication::quit();
}
