// Drawing helpers shared by every picture of the artwork generator: the
// display font, stripes, glossy buttons and balls, boxes, outlined words and
// SVG drawings from the source folder.
#pragma once

#include "layout/layout.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace artgen {

// Folder of the SVG drawings (assets/art); set once by the generator.
void setSourceDir(const QString &dir);
QString sourcePath(const QString &name);

// The rounded bold Hangul display face (NanumSquareRound), loaded by path.
// Falls back to any bold face when the font files are missing.
QFont displayFont(double pixelSize, bool extraBold = true);

inline QRectF toRectF(const layout::Rect &r)
{
    return QRectF(r.left, r.top, r.width, r.height);
}

// Pictures are painted in catalogue pixels; at paint scale n (1, 2 or 3) a
// canvas holds n times as many pixels a side (device pixel ratio n), so the
// same drawing code renders the larger variants from the same sources.
void setPaintScale(int n);
int paintScale();

// A 24-bit picture of the given size filled with one colour.
QImage canvas(int width, int height, const QColor &fill = Qt::white);
// A picture of the given size with a transparent ground.
QImage transparentCanvas(int width, int height);

// Diagonal stripes (running from lower left to upper right) over `area`,
// clipped to `clip` when it is not empty.
void stripes(QPainter &p, const QRectF &area, const QColor &a, const QColor &b, double width,
             const QPainterPath &clip = {});

// A rounded box with a rim of the given width drawn inside `r`.
void roundedBox(QPainter &p, const QRectF &r, double radius, const QColor &fill,
                const QColor &rim, double rimWidth);

// A soft shadow under a rounded box: the box moved by `offset`, in a
// see-through colour. Leaves the painter antialiased with no pen.
void dropShadow(QPainter &p, const QRectF &box, double radius, const QColor &colour, QPointF offset);

// A glossy rounded button filling `r`, its word in white with a dark outline,
// letters spaced by `spacing` pixels.
void glossyButton(QPainter &p, const QRectF &r, const QColor &base, const QString &word,
                  double textPixels, double spacing = 0);

// A glossy ball of the given colour with its number.
void glossyBall(QPainter &p, const QPointF &centre, double radius, const QColor &base,
                const QString &number, const QColor &numberColour);

// Words filled with `fill` and outlined with `outline`, centred in `r`.
void outlinedText(QPainter &p, const QRectF &r, const QString &text, const QFont &font,
                  const QColor &fill, const QColor &outline, double outlineWidth,
                  Qt::Alignment align = Qt::AlignCenter, double spacing = 0);

// A five-pointed star.
void star(QPainter &p, const QPointF &centre, double outer, const QColor &fill, double turn = 0);

// Draws an SVG of the source folder into `r` (nothing if it cannot be read).
bool drawSvg(QPainter &p, const QString &name, const QRectF &r);
// Renders an SVG (any path) to a transparent picture of the given size.
QImage renderSvgFile(const QString &path, int width, int height);

}  // namespace artgen
