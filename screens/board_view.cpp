#include "screens/board_view.h"

#include "board/random_source.h"
#include "core/shared_state.h"
#include "widgets/artwork.h"
#include "widgets/board_widgets.h"
#include "widgets/click_area.h"
#include "widgets/cue_player.h"
#include "widgets/layout_qt.h"
#include "widgets/window_util.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPainter>

#include <map>
#include <utility>

namespace {
// The tile face: Cubix_IMG stretched over a tile, made once per tile size
// (rounding makes neighbouring tiles a pixel apart in width).
QPixmap tileFace(QSize size)
{
    static std::map<std::pair<int, int>, QPixmap> faces;
    QPixmap &face = faces[{size.width(), size.height()}];
    if (face.isNull())
        face = artPixmap(Art::TileSource).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return face;
}
}  // namespace

QString titleWithSet(const QString &title, const Shared &s)
{
    return s.Set_Name.isEmpty() ? title : title + QStringLiteral(" - ") + s.Set_Name;
}

BoardView::BoardView(Shared &s, std::unique_ptr<CuePlayer> cues, std::unique_ptr<RandomSource> random,
                     TimerDriver *clock, Art background, Art quizPanel)
    : QWidget(nullptr, fixedWindowFlags(Qt::Window)),
      m_s(s),
      m_cues(cues ? std::move(cues) : std::make_unique<QtCuePlayer>(s.App_Dir)),
      m_pictures(toQSize(layout::Img_SRC)),
      m_random(random ? std::move(random) : std::make_unique<ClockMixedRandom>()),
      m_clock(clock ? clock : &m_qtClock),
      m_background(background),
      m_quizPanel(quizPanel)
{
    setFixedSize(layout::kClientWidth, layout::kClientHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
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
    connect(board, &Board::pictureDrawn, this, [this] {
        Img_SRC->drawPicture(m_pictures.current());
        m_drawnScript = 0;
    });
}

void BoardView::createSharedElements()
{
    Img_SRC = new PictureArea(this, toQSize(layout::Img_SRC));
    for (int i = 0; i < 9; ++i) {
        Cubix[i] = new PictureBox(this);
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
    connect(Command2, &ClickArea::clicked, this, [] { QCoreApplication::quit(); });

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
    Command3 = new ClickArea(Pic_Quiz);
    Pic_Right = new PictureBox(Pic_Quiz, artPixmap(Art::Right));
    Pic_Right->setBackground(QColor::fromRgb(layout::Pic_RightBackground));
    Pic_Wrong = new PictureBox(Pic_Quiz, artPixmap(Art::Wrong));
    for (PictureBox *verdict : {Pic_Right, Pic_Wrong})
        verdict->setCursor(Qt::ArrowCursor);  // not the panel's hand

    Pic_Bingo = new PictureBox(this, artPixmap(Art::Bingo));
    connect(Pic_Bingo, &PictureBox::clicked, this, [this] { m_engine->Pic_Bingo_Click(); });
    Pic_Score = new PictureBox(this, artPixmap(Art::Score));
    connect(Pic_Score, &PictureBox::clicked, this, [this] { m_engine->Pic_Score_Click(); });
    Label5 = new ClickArea(Pic_Score);
    connect(Label5, &ClickArea::clicked, this, [this] { m_engine->Pic_Score_Click(); });
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
        Cubix[i]->setPicture(tileFace(Cubix[i]->size()));
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
    syncBoard();
}

void BoardView::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    if (!m_laidOut && m_engine) {
        m_laidOut = true;
        m_engine->layoutStep();
    }
}

void BoardView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawPixmap(0, 0, artPixmap(m_background));
}

void BoardView::closeEvent(QCloseEvent *e)
{
    e->accept();
    QCoreApplication::quit();
}
