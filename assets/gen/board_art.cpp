// Backgrounds of both boards, the question panels and the start screen. Every
// face is placed from board/layout.h, so it lies under its click area or label.
#include "assets/gen/paint_kit.h"
#include "assets/gen/pictures.h"

#include <QPainterPath>

#include <cmath>
#include <tuple>

namespace artgen {

namespace {

const QColor kOrange(0xFF, 0x98, 0x1F);
const QColor kYellow(0xFF, 0xD9, 0x4A);
const QColor kCream(0xFF, 0xF6, 0xDE);
const QColor kPink(0xFF, 0x6C, 0xB0);
const QColor kBlue(0x2E, 0x86, 0xF0);
const QColor kGreen(0x3C, 0xB8, 0x3C);
const QColor kButtonYellow(0xFF, 0xC8, 0x1E);
const QColor kPurple(0x6A, 0x1B, 0x9A);
const QColor kBrown(0x8A, 0x4A, 0x12);

QRectF grow(const layout::Rect &r, double dx, double dy)
{
    return toRectF(r).adjusted(-dx, -dy, dx, dy);
}

// Where ball i lies: inside both its design box and its box at run time.
QRectF ballArea(int i)
{
    const QRectF design = toRectF(layout::GBox[i]);
    const QRectF run = toRectF(layout::gboxAtRun(i));
    return design.intersected(run);
}

// A rounded box with a rim whose inside runs from `top` down to `bottom`;
// `under` shows only at the inside's soft edge.
void gradientBox(QPainter &p, const QRectF &box, double radius, const QColor &top, const QColor &bottom,
                 const QColor &under, const QColor &rim, double rimWidth)
{
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    roundedBox(p, box, radius, under, rim, rimWidth);
    p.setBrush(g);
    p.drawRoundedRect(box.adjusted(rimWidth, rimWidth, -rimWidth, -rimWidth), radius - rimWidth,
                      radius - rimWidth);
}

// The board ground: orange and yellow stripes, the white play area with its
// rim and the pink bar of the game balls.
void boardGround(QPainter &p)
{
    stripes(p, QRectF(0, 0, layout::kClientWidth, layout::kClientHeight), kOrange, kYellow, 22);
    const QRectF play = toRectF(layout::Img_SRC).adjusted(-8, -8, 5, 8);
    dropShadow(p, play, 22, QColor(150, 70, 0, 70), QPointF(3, 4));
    roundedBox(p, play, 22, Qt::white, QColor(0xE0, 0x6A, 0x00), 4);
    // Bar of the balls: from the first ball's left to the last one's right.
    const QRectF bar(14, 664, 996, 74);
    dropShadow(p, bar, 37, QColor(150, 30, 80, 70), QPointF(2, 3));
    gradientBox(p, bar, 37, QColor(0xFF, 0xC4, 0xDE), QColor(0xFF, 0x9C, 0xC8), QColor(0xFF, 0xB4, 0xD6),
                QColor(0xE0, 0x4C, 0x94), 3);
}

// All balls alike: the largest circle that fits every ball's area, on one line.
void balls(QPainter &p)
{
    double radius = 1e9;
    for (int i = 0; i < 10; ++i)
        radius = qMin(radius, qMin(ballArea(i).width(), ballArea(i).height()) / 2 - 1);
    const double y = ballArea(0).center().y();
    for (int i = 0; i < 10; ++i)
        glossyBall(p, QPointF(ballArea(i).center().x(), y), radius, QColor(0xFF, 0x5C, 0xA6),
                   QString::number(i + 1), kPurple);
}

void bigButtons(QPainter &p)
{
    glossyButton(p, toRectF(layout::Command5), kOrange, QStringLiteral("시 작"), 32, 6);
    glossyButton(p, toRectF(layout::Command1), kPink, QStringLiteral("정 답"), 32, 6);
    glossyButton(p, toRectF(layout::Command2), kBlue, QStringLiteral("종 료"), 32, 6);
}

// The alarm clock box: blue, titled, with the white box of the clock label
// and room at its right end for the two arrow buttons.
void clockBox(QPainter &p)
{
    const QRectF box = toRectF(layout::one::ClockBox);
    dropShadow(p, box, 18, QColor(0, 40, 120, 70), QPointF(2, 3));
    gradientBox(p, box, 18, QColor(0x5C, 0xA8, 0xFF), QColor(0x1E, 0x6C, 0xE0), Qt::white,
                QColor(0x12, 0x4A, 0xA8), 3);
    const double titleBottom = layout::one::Time_Up.top - 2;
    const QRectF icon(box.left() + 12, box.top() + 4, 40, titleBottom - box.top() - 6);
    drawSvg(p, QStringLiteral("clock.svg"), QRectF(icon.left(), icon.top(), icon.height(), icon.height()));
    outlinedText(p, QRectF(icon.right() + 4, box.top(), box.right() - icon.right() - 14, titleBottom - box.top()),
                 QStringLiteral("전체시간"), displayFont(26), Qt::white, QColor(0x0E, 0x3C, 0x8C), 3);
    // White inner box: the clock label plus the arrow buttons at its right end.
    const QRectF face = toRectF(layout::one::Label3).united(toRectF(layout::one::Time_Up))
                            .united(toRectF(layout::one::Command4)).adjusted(-4, -1, 5, 1);
    roundedBox(p, face, 10, Qt::white, QColor(0x0E, 0x3C, 0x8C), 2);
}

void scoreBox(QPainter &p)
{
    const QRectF box = toRectF(layout::one::ScoreBox);
    dropShadow(p, box, 18, QColor(120, 50, 0, 70), QPointF(2, 3));
    // A tab above the box names it.
    const QRectF tab(box.left() + 52, box.top() - 30, box.width() - 104, 36);
    roundedBox(p, tab, 12, QColor(0xFF, 0x8A, 0x10), QColor(0xB8, 0x50, 0x00), 3);
    outlinedText(p, tab.adjusted(0, 0, 0, -6), QStringLiteral("점 수"), displayFont(22), Qt::white,
                 QColor(0x9A, 0x40, 0x00), 2.5, Qt::AlignCenter, 2);
    roundedBox(p, box, 18, QColor(0xFF, 0xEC, 0xC8), QColor(0xD8, 0x66, 0x00), 7);
}

// The game's name above the clock box.
void boardTitle(QPainter &p)
{
    const QRectF r(784, 40, 221, 52);
    outlinedText(p, r, QStringLiteral("도미솔게임"), displayFont(38), QColor(0xFF, 0x6A, 0x00), Qt::white,
                 4);
}

// The panel ground: cream, with a rim of orange stripes and a small easel.
void panelGround(QPainter &p, int width, int height)
{
    const QRectF all(0, 0, width, height);
    stripes(p, all, kOrange, kYellow, 10);
    p.setRenderHint(QPainter::Antialiasing);
    roundedBox(p, all.adjusted(12, 12, -12, -12), 16, kCream, QColor(0xD0, 0x70, 0x10), 3);
    drawSvg(p, QStringLiteral("easel.svg"), QRectF(20, 12, 44, 44));
}

void questionBox(QPainter &p, const layout::Rect &label)
{
    roundedBox(p, grow(label, 12, 12), 20, QColor(0xDC, 0xF0, 0xFF), QColor(0x2C, 0x78, 0xD8), 5);
}

void answerBox(QPainter &p, const QRectF &r)
{
    dropShadow(p, r, 16, QColor(120, 60, 0, 50), QPointF(2, 3));
    roundedBox(p, r, 16, Qt::white, QColor(0xE0, 0x80, 0x20), 4);
}

// A question panel: its ground and, painted, the question box, the answer box
// and the 정답 button.
QImage quizPanel(int width, int height, Faces faces, const layout::Rect &question, const QRectF &answer,
                 const layout::Rect &command3)
{
    QImage img = canvas(width, height);
    QPainter p(&img);
    panelGround(p, width, height);
    if (faces == Faces::Plain)
        return img;
    questionBox(p, question);
    answerBox(p, answer);
    glossyButton(p, toRectF(command3), kGreen, QStringLiteral("정답"), 34, 4);
    return img;
}

}  // namespace

QImage oneBackground(Faces faces)
{
    QImage img = canvas(layout::kClientWidth, layout::kClientHeight);
    QPainter p(&img);
    boardGround(p);
    if (faces == Faces::Plain)
        return img;
    boardTitle(p);
    clockBox(p);
    scoreBox(p);
    bigButtons(p);
    balls(p);
    return img;
}

QImage twoBackground(Faces faces)
{
    QImage img = canvas(layout::kClientWidth, layout::kClientHeight);
    QPainter p(&img);
    boardGround(p);
    if (faces == Faces::Plain)
        return img;
    bigButtons(p);
    balls(p);
    return img;
}

QImage oneQuizPanel(Faces faces)
{
    QImage img = quizPanel(640, 520, faces, layout::one::Label8, grow(layout::one::Text1, 8, 10),
                           layout::one::Command3);
    if (faces == Faces::Plain)
        return img;
    QPainter p(&img);
    glossyButton(p, toRectF(layout::one::Label7), kButtonYellow, QStringLiteral("성공"), 26, 2);
    glossyButton(p, toRectF(layout::one::Label10), kButtonYellow, QStringLiteral("실패"), 26, 2);
    return img;
}

QImage twoQuizPanel(Faces faces)
{
    // The strip layout::two::Label1 above the answer box stays plain: the
    // board writes its hint there.
    return quizPanel(640, 480, faces, layout::two::Label8, grow(layout::two::Text1, 8, 8),
                     layout::two::Command3);
}

// The starting-team picker: the ground of the question panels, its title
// and team boxes laid over it by the board.
QImage pickerPanel()
{
    const layout::Rect &r = layout::two::Pic_Sel;
    QImage img = canvas(r.width, r.height);
    QPainter p(&img);
    panelGround(p, r.width, r.height);
    return img;
}

QImage splashScreen(Faces faces)
{
    using namespace layout::splash;
    QImage img = canvas(kPictureWidth, kPictureHeight);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    stripes(p, QRectF(0, 0, kPictureWidth, kPictureHeight), kCream, QColor(0xFF, 0xEA, 0x9C), 18);
    // Wavy yellow lower half.
    QPainterPath wave;
    wave.moveTo(0, 262);
    for (int x = 0; x <= kPictureWidth; x += 4)
        wave.lineTo(x, 258 + 12 * std::sin(x / 640.0 * 2 * M_PI * 2.5));
    wave.lineTo(kPictureWidth, kPictureHeight);
    wave.lineTo(0, kPictureHeight);
    wave.closeSubpath();
    p.setPen(QPen(QColor(0xF0, 0xA8, 0x10), 4));
    QLinearGradient g(0, 250, 0, kPictureHeight);
    g.setColorAt(0, QColor(0xFF, 0xDC, 0x3C));
    g.setColorAt(1, QColor(0xFF, 0xC4, 0x1C));
    p.setBrush(g);
    p.drawPath(wave);
    // Footer band.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xE0, 0x86, 0x00));
    p.drawRect(QRectF(0, 440, kPictureWidth, 40));
    if (faces == Faces::Plain)
        return img;

    outlinedText(p, QRectF(18, 10, 560, 40), QStringLiteral("♪ 모두 함께 풀어요! 교실 퀴즈 빙고"),
                 displayFont(22, false), QColor(0x8A, 0x4A, 0x12), Qt::white, 3, Qt::AlignLeft | Qt::AlignVCenter);
    for (auto [x, y, s] : {std::tuple{60.0, 120.0, 16.0}, {590.0, 90.0, 20.0}, {560.0, 200.0, 12.0},
                           {90.0, 215.0, 11.0}, {330.0, 60.0, 10.0}})
        star(p, QPointF(x, y), s, QColor(0xFF, 0x9A, 0x2A), 0.2);
    // Title with a soft drop shadow.
    const QFont title = displayFont(104);
    const QRectF titleBox(0, 78, kPictureWidth, 150);
    outlinedText(p, titleBox.translated(4, 6), QStringLiteral("도미솔게임"), title, QColor(0xB8, 0x52, 0x00),
                 QColor(0xB8, 0x52, 0x00), 10, Qt::AlignCenter, 2);
    outlinedText(p, titleBox, QStringLiteral("도미솔게임"), title, QColor(0xFF, 0x78, 0x00), Qt::white, 9,
                 Qt::AlignCenter, 2);
    outlinedText(p, titleBox, QStringLiteral("도미솔게임"), title, QColor(0xFF, 0x78, 0x00),
                 QColor(0xFF, 0x78, 0x00), 0, Qt::AlignCenter, 2);
    drawSvg(p, QStringLiteral("girl_bingo.svg"), toRectF(Girl));

    glossyButton(p, toRectF(Command1), kOrange, QStringLiteral("1팀용 (9칸)"), 28);
    glossyButton(p, toRectF(Command2), kOrange, QStringLiteral("2팀용 (9칸)"), 28);
    // The set bar: a cream box with the label and the change button; the
    // name between them is the program's.
    dropShadow(p, toRectF(SetBar), 16, QColor(0x8A, 0x4A, 0x12, 70), QPointF(2, 3));
    roundedBox(p, toRectF(SetBar), 16, QColor(0xFF, 0xFB, 0xEE), QColor(0xE0, 0x86, 0x00), 3);
    roundedBox(p, toRectF(SetLabel), 12, QColor(0x8A, 0x4A, 0x12), QColor(0x8A, 0x4A, 0x12), 0);
    outlinedText(p, toRectF(SetLabel), QStringLiteral("퀴즈 세트"), displayFont(17, false), Qt::white,
                 Qt::white, 0);
    glossyButton(p, toRectF(SetChange), QColor(0x2C, 0x9C, 0xE0), QStringLiteral("바꾸기"), 18);

    drawSvg(p, QStringLiteral("snowflake.svg"), QRectF(16, 446, 28, 28));
    outlinedText(p, QRectF(52, 440, 560, 38), QStringLiteral("도미솔게임   © 도미솔게임 만든이들"),
                 displayFont(17, false), Qt::white, QColor(0x9A, 0x50, 0x00), 0, Qt::AlignLeft | Qt::AlignVCenter);
    return img;
}

QImage setPanel()
{
    using namespace layout::splash;
    QImage img = canvas(SetPanel.width, SetPanel.height, QColor(0xFF, 0xDC, 0x3C));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF whole(0, 0, SetPanel.width, SetPanel.height);
    stripes(p, whole, kCream, QColor(0xFF, 0xEA, 0x9C), 18);
    p.setPen(QPen(QColor(0xE0, 0x86, 0x00), 6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(whole.adjusted(3, 3, -3, -3));
    outlinedText(p, QRectF(22, 12, 554, 44), QStringLiteral("퀴즈 세트 고르기"), displayFont(30),
                 QColor(0xFF, 0x78, 0x00), Qt::white, 5, Qt::AlignLeft | Qt::AlignVCenter);
    roundedBox(p, toRectF(SetList).adjusted(-4, -4, 4, 4), 12, Qt::white, QColor(0xE0, 0x86, 0x00), 3);
    const QColor colours[kSetButtonCount] = {kOrange, QColor(0x2C, 0x9C, 0xE0), QColor(0x2C, 0x9C, 0xE0),
                                             QColor(0xD8, 0x40, 0x40), QColor(0x3A, 0xA8, 0x5A),
                                             QColor(0x3A, 0xA8, 0x5A), QColor(0x9A, 0x80, 0x60)};
    for (int k = 0; k < kSetButtonCount; ++k)
        glossyButton(p, toRectF(setButton(k)), colours[k], QString::fromUtf8(kSetButtonText[k]), 20);
    return img;
}

}  // namespace artgen
