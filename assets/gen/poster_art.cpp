// The pop-up pictures with the girl (bingo, score, right, wrong), the cell
// tile, the marks and the placeholder of a drawing not yet made.
#include "assets/gen/paint_kit.h"
#include "assets/gen/pictures.h"

#include <QFile>
#include <QPainterPath>
#include <QSvgRenderer>

#include <cmath>
#include <tuple>

namespace artgen {

namespace {

// A disc with a rim and a soft inner highlight.
void disc(QPainter &p, const QPointF &c, double r, const QColor &fill, const QColor &rim, double rimWidth)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawEllipse(c + QPointF(3, 5), r, r);
    p.setBrush(rim);
    p.drawEllipse(c, r, r);
    QRadialGradient g(c - QPointF(r * 0.3, r * 0.4), r * 1.4);
    g.setColorAt(0, fill.lighter(125));
    g.setColorAt(0.7, fill);
    g.setColorAt(1, fill.darker(110));
    p.setBrush(g);
    p.drawEllipse(c, r - rimWidth, r - rimWidth);
}

// The girl's box: her drawing is 200 x 240, drawn at `height` with its bottom
// centre at `foot`.
void girl(QPainter &p, const QString &pose, const QPointF &foot, double height)
{
    const double w = height * 200 / 240;
    drawSvg(p, QStringLiteral("girl_%1.svg").arg(pose),
            QRectF(foot.x() - w / 2, foot.y() - height, w, height));
}

void scatterStars(QPainter &p, int width, int height, const QColor &colour, int count, unsigned seed)
{
    // A small fixed sequence keeps every build of the picture the same.
    unsigned s = seed;
    auto next = [&s] { s = s * 1103515245u + 12345u; return (s >> 16) & 0x7FFF; };
    for (int i = 0; i < count; ++i) {
        const double x = next() % width, y = next() % height;
        star(p, QPointF(x, y), 5 + next() % 9, colour, (next() % 100) / 100.0);
    }
}

QImage svgMark(const QByteArray &svgText)
{
    QImage img = transparentCanvas(100, 100);
    QSvgRenderer svg(svgText);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    svg.render(&p, QRectF(0, 0, 100, 100));
    return img;
}

}  // namespace

QImage bingoPicture()
{
    QImage img = canvas(500, 500, QColor(0xFF, 0xE6, 0xF1));
    QPainter p(&img);
    scatterStars(p, 500, 500, QColor(0xFF, 0xB8, 0xD8), 40, 5);
    scatterStars(p, 500, 500, Qt::white, 25, 9);
    disc(p, QPointF(250, 258), 230, QColor(0xFF, 0x86, 0xC0), QColor(0xE0, 0x2C, 0x84), 12);
    for (auto [x, y, s] : {std::tuple{110.0, 190.0, 16.0}, {395.0, 200.0, 18.0}, {80.0, 320.0, 11.0},
                           {420.0, 330.0, 12.0}, {140.0, 420.0, 9.0}, {370.0, 425.0, 10.0}})
        star(p, QPointF(x, y), s, QColor(0xFF, 0xF2, 0x6A), 0.15);
    outlinedText(p, QRectF(0, 46, 500, 110), QStringLiteral("도미솔~!!"), displayFont(86), QColor(0xD0, 0x10, 0x3C),
                 Qt::white, 7);
    girl(p, QStringLiteral("bingo"), QPointF(250, 482), 330);
    return img;
}

QImage scorePicture()
{
    QImage img = canvas(520, 520, QColor(0xFF, 0xF7, 0xCC));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    for (int r = 40; r < 420; r += 34) {
        p.setPen(QPen(QColor(0xFF, 0xE8, 0x96), 6));
        p.drawEllipse(QPointF(240, 300), r, r);
    }
    disc(p, QPointF(236, 296), 214, QColor(0xFF, 0xF2, 0xD8), QColor(0xFF, 0x92, 0x18), 11);
    outlinedText(p, QRectF(40, 120, 240, 90), QStringLiteral("점수는"), displayFont(62), QColor(0x7A, 0x3C, 0x0E),
                 Qt::white, 5);
    girl(p, QStringLiteral("score"), QPointF(236, 508), 300);
    // Speech bubble at the top right, empty: it holds the one-team score
    // (Label6) and the two teams' hearts and scores of the two-team board.
    const QRectF bubble(282, 4, 234, 206);
    QPainterPath shape;
    shape.addRoundedRect(bubble, 56, 56);
    QPainterPath tail;
    tail.moveTo(322, 194);
    tail.quadTo(304, 226, 268, 246);
    tail.quadTo(334, 236, 364, 202);
    tail.closeSubpath();
    shape = shape.united(tail);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 60, 0, 60));
    p.drawPath(shape.translated(3, 4));
    p.setPen(QPen(QColor(0xE8, 0x70, 0x00), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QLinearGradient g(bubble.topLeft(), bubble.bottomLeft());
    g.setColorAt(0, QColor(0xFF, 0xE2, 0xA8));
    g.setColorAt(1, QColor(0xFF, 0xC8, 0x70));
    p.setBrush(g);
    p.drawPath(shape);
    return img;
}

// The verdict pictures: a disc on a transparent ground, so no square shows
// over the question panel.
QImage rightPicture()
{
    QImage img = transparentCanvas(300, 300);
    QPainter p(&img);
    disc(p, QPointF(150, 152), 142, QColor(0xFF, 0x86, 0xC0), QColor(0xE0, 0x2C, 0x84), 8);
    outlinedText(p, QRectF(0, 18, 300, 66), QStringLiteral("정답~!!"), displayFont(54), QColor(0xD0, 0x10, 0x3C),
                 Qt::white, 5);
    star(p, QPointF(56, 150), 12, QColor(0xFF, 0xF2, 0x6A));
    star(p, QPointF(246, 146), 14, QColor(0xFF, 0xF2, 0x6A), 0.3);
    girl(p, QStringLiteral("right"), QPointF(150, 294), 226);
    return img;
}

QImage wrongPicture()
{
    QImage img = transparentCanvas(300, 300);
    QPainter p(&img);
    disc(p, QPointF(150, 152), 142, QColor(0x38, 0xCC, 0xC2), QColor(0x14, 0x92, 0x8C), 8);
    outlinedText(p, QRectF(0, 18, 300, 66), QStringLiteral("틀렸어요"), displayFont(50), Qt::white,
                 QColor(0x0C, 0x5E, 0x5A), 5);
    girl(p, QStringLiteral("wrong"), QPointF(150, 294), 226);
    return img;
}

QImage tilePicture(int width, int height)
{
    QImage img = canvas(width, height, QColor(0x4C, 0xD1, 0x37));
    QPainter p(&img);
    p.fillRect(QRect(3, 3, width - 6, height - 6), QColor(0xE8, 0xF5, 0xB4));
    return img;
}

QImage heartPicture(const QColor &base)
{
    QFile f(sourcePath(QStringLiteral("heart.svg")));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QByteArray text = f.readAll();
    // The drawing's three pinks, light to dark, follow the requested colour.
    const QColor light = base.lighter(150), dark = base.darker(150);
    text.replace("#FF9CC8", light.name().toLatin1());
    text.replace("#FF4F9A", base.name().toLatin1());
    text.replace("#C8186A", dark.name().toLatin1());
    return svgMark(text);
}

QImage crossPicture()
{
    QFile f(sourcePath(QStringLiteral("cross.svg")));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return svgMark(f.readAll());
}

QImage placeholderPicture(int width, int height, const QString &title)
{
    QImage img = canvas(width, height, QColor(0xFF, 0xF4, 0xDC));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    stripes(p, QRectF(0, 0, width, height), QColor(0xFF, 0xF4, 0xDC), QColor(0xFF, 0xEA, 0xC0), 16);
    p.setPen(QPen(QColor(0xE0, 0x98, 0x40), 6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(3, 3, width - 6, height - 6));
    QFont f = displayFont(qMax(18.0, width / 14.0));
    p.setFont(f);
    p.setPen(QColor(0x8A, 0x4A, 0x12));
    p.drawText(QRectF(24, 24, width - 48, height - 48), Qt::AlignCenter | Qt::TextWordWrap, title);
    return img;
}

}  // namespace artgen
