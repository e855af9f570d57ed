#include "screens/frm_main2.h"

#include "widgets/board_font.h"
#include "widgets/board_widgets.h"
#include "widgets/click_area.h"
#include "widgets/hangul_line_edit.h"
#include "widgets/rounded_shape.h"

#include <QApplication>
#include <QMouseEvent>

namespace {

const QColor kRed = QColor::fromRgb(layout::kTeamRed);
const QColor kGreen = QColor::fromRgb(layout::kTeamGreen);
const QColor kWhite = QColor::fromRgb(layout::kWhite);

// A label that keeps the clicks it receives (a final score on Pic_Score):
// they do nothing and do not reach the panel behind it.
class SolidLabel : public BoardLabel {
public:
    SolidLabel(QWidget *parent, const layout::TextStyle &style) : BoardLabel(parent, style)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents, false);
    }

protected:
    void mousePressEvent(QMouseEvent *e) override { e->accept(); }
    void mouseReleaseEvent(QMouseEvent *e) override { e->accept(); }
};

// The answer box: the typed answer always fits, its font stepping down from
// the design size to a legible floor as it grows (past the floor it scrolls,
// as a box being typed in must).
class AnswerBox : public HangulLineEdit, public ScaledWidget {
public:
    explicit AnswerBox(QWidget *parent) : HangulLineEdit(parent)
    {
        connect(this, &QLineEdit::textChanged, this, [this] { refit(); });
    }
    void setScaleFactor(double factor) override
    {
        m_factor = factor;
        refit();
    }

protected:
    void resizeEvent(QResizeEvent *e) override
    {
        HangulLineEdit::resizeEvent(e);
        refit();
    }

private:
    void refit()
    {
        const layout::TextStyle &style = layout::Text1Style;
        // Room for the cursor and the syllable being composed.
        const FitBox box{QSizeF(width() - 8 - 2 * fontMetrics().averageCharWidth(), height()), false, style.points,
                         kAnswerFloorPoints};
        const double points = fitText(text(), box, boardLineMeasure(style.face, m_factor)).points;
        const QFont f = boardFont(style.face, points * m_factor);
        if (font() != f)
            setFont(f);
    }
    double m_factor = 1.0;
};

PictureBox *heart(QWidget *parent, int team, bool stretch, bool clickThrough)
{
    auto *box = new PictureBox(parent, artPixmap(team == 0 ? Art::HeartPink : Art::HeartGreen), stretch);
    box->setAttribute(Qt::WA_TransparentForMouseEvents, clickThrough);
    return box;
}

}  // namespace

FrmMain2::FrmMain2(Shared &s, std::unique_ptr<CuePlayer> cues, std::unique_ptr<RandomSource> random,
                   TimerDriver *clock)
    : BoardViewOf(s, std::move(cues), std::move(random), clock, Art::TwoBackground, Art::TwoQuiz,
                  QStringLiteral("도미솔게임 - 2팀용"))
{
    // Team panels: shapes behind the hearts, hearts behind the scores.
    Shape1 = new RoundedShape(this, kRed, kWhite);
    Shape2 = new RoundedShape(this, kGreen, kWhite);
    for (int t = 0; t < 2; ++t)
        Img_Team[t] = heart(this, t, true, true);
    for (int t = 0; t < 2; ++t)
        Label_Team_Score[t] = new BoardLabel(this, layout::two::TeamScoreStyle[t]);

    // Question panel: the heart under the answer box, the box a window in front.
    Label1 = new BoardLabel(Pic_Quiz, layout::two::Label1Style);
    Label1->fitDownTo(layout::two::Label1Style.points);
    SELECT_IMG = heart(Pic_Quiz, 1, true, true);
    Label7 = new ClickArea(Pic_Quiz, false);
    Label10 = new ClickArea(Pic_Quiz, false);
    Text1 = new AnswerBox(Pic_Quiz);
    Text1->setAlignment(Qt::AlignCenter);
    Text1->setFrame(false);
    QPalette pal = Text1->palette();
    pal.setColor(QPalette::Text, QColor::fromRgb(layout::Text1Style.colour));
    pal.setColor(QPalette::Base, kWhite);
    Text1->setPalette(pal);
    connect(Text1, &QLineEdit::textChanged, this, [this](const QString &text) { m_board.Text1.Caption = text; });
    connect(Text1, &QLineEdit::returnPressed, this, &FrmMain2::submit);
    connect(Command3, &ClickArea::clicked, this, [this] {
        Text1->commitComposition();
        submit();
    });
    connect(Text1, &HangulLineEdit::hangulModeChanged, this, [this](bool hangul) { m_board.setAnswerMode(hangul); });
    watchKeysOf(Text1);
    Label_Mode = new BoardLabel(Pic_Quiz, layout::two::ModeStyle);
    Label_Mode->setAlignment(Qt::AlignCenter);
    Label_Overrule = textButton(Pic_Quiz, layout::ButtonStyle);
    Label_Overrule->setFlat(true);
    Label_Overrule->setToolTip(QStringLiteral("정답으로 인정 (Ctrl+Enter)"));
    connect(Label_Overrule, &QPushButton::clicked, this, [this] { m_board.Label_Overrule_Click(); });

    // Score panel: the final scores in front of the hearts, both in front of Label5.
    Img_Team[3] = heart(Pic_Score, 0, true, false);
    Img_Team[2] = heart(Pic_Score, 1, true, false);
    Label_Team_Score[3] = new SolidLabel(Pic_Score, layout::two::TeamScoreStyle[0]);
    Label_Team_Score[2] = new SolidLabel(Pic_Score, layout::two::TeamScoreStyle[1]);
    Label_Winner = new BoardLabel(Pic_Score, layout::two::WinnerStyle);

    // The starting-team picker: shapes, then hearts, then the click areas.
    Pic_Sel = new PictureBox(this, artPixmap(Art::Picker));
    Label14 = new BoardLabel(Pic_Sel, layout::two::Label14Style);
    Shape3 = new RoundedShape(Pic_Sel, kRed, kWhite);
    Shape4 = new RoundedShape(Pic_Sel, kGreen, kWhite);
    Image4 = heart(Pic_Sel, 0, false, true);
    Image5 = heart(Pic_Sel, 1, false, true);
    for (int t = 0; t < 2; ++t) {
        Label_Sel_Team[t] = new ClickArea(Pic_Sel);
        connect(Label_Sel_Team[t], &ClickArea::clicked, this, [this, t] { m_board.Label_Sel_Team_Click(t); });
    }

    finishStacking();
    for (int i : {3, 2})
        Img_Team[i]->raise();
    for (int i : {3, 2})
        Label_Team_Score[i]->raise();
    Pic_Sel->stackUnder(Pic_Bingo);
    connect(&m_board, &TwoTeamBoard::answerBoxReady, this, [this] { m_focusWanted = true; });
    m_board.Set_Init();
}

void FrmMain2::submit()
{
    m_board.Text1.Caption = Text1->text();
    m_board.Command3_Click();
}

void FrmMain2::syncBoard()
{
    TwoTeamBoard &b = m_board;
    applyElement(Shape1, b.Shape1);
    applyElement(Shape2, b.Shape2);
    for (int i = 0; i < 4; ++i) {
        applyElement(Img_Team[i], b.Img_Team[i]);
        applyLabel(Label_Team_Score[i], b.Label_Team_Score[i]);
    }
    applyLabel(Label1, b.Label1);
    applyElement(SELECT_IMG, b.SELECT_IMG);
    SELECT_IMG->setPicture(markPicture(b.SELECT_IMG.Picture));
    applyElement(Label7, b.Label7);
    applyElement(Label10, b.Label10);

    applyElement(Text1, b.Text1);
    applyLabel(Label_Mode, b.Label_Mode);
    applyButton(Label_Overrule, b.Label_Overrule);
    applyLabel(Label_Winner, b.Label_Winner);
    if (!b.Pic_Quiz.Visible) {
        Text1->discardComposition();
        // Between questions keys come to the board, never to the hidden box.
        if (Text1->hasFocus() || !focusWidget())
            setFocus(Qt::OtherFocusReason);
    }
    if (Text1->text() != b.Text1.Caption) {  // emptied when the panel closed
        Text1->discardComposition();
        Text1->setText(b.Text1.Caption);
    }

    applyElement(Pic_Sel, b.Pic_Sel);
    applyLabel(Label14, b.Label14);
    applyElement(Shape3, b.Shape3);
    applyElement(Shape4, b.Shape4);
    applyElement(Image4, b.Image4);
    applyElement(Image5, b.Image5);
    for (int t = 0; t < 2; ++t)
        applyElement(Label_Sel_Team[t], b.Label_Sel_Team[t]);

    if (m_focusWanted) {
        m_focusWanted = false;
        if (b.Pic_Quiz.Visible) {
            Text1->setFocus(Qt::OtherFocusReason);
            Text1->setHangulMode(true);  // each question starts in Hangul
        }
    }
}

QPixmap FrmMain2::markPicture(const QString &store) const
{
    if (store == TwoTeamBoard::markStore(0))
        return artPixmap(Art::HeartPink);
    if (store == TwoTeamBoard::markStore(1))
        return artPixmap(Art::HeartGreen);
    return {};
}
