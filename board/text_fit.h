// Fitting a text into a box of the board: the font steps down from its design
// size to a legible floor; only if the text still does not fit does it end
// with "…". Used by the boards to draw and by the editor to tell the teacher.
#pragma once

#include <QSizeF>
#include <QString>
#include <QStringList>

#include <functional>

enum class TextFit {
    Whole,    // at the design size
    Smaller,  // whole, at a smaller size
    Cut,      // at the floor, ending with "…"
};

struct FittedText {
    QStringList lines;  // the text as it is set, line by line
    double points = 0;  // the size it is set at
    TextFit fit = TextFit::Whole;
    QString joined() const { return lines.join(QLatin1Char('\n')); }
};

struct FitBox {
    QSizeF size;        // pixels; a single line checks the width only
    bool wrap = false;  // lines break at spaces (and inside a word too long for a line)
    double points = 0;  // design size
    double floor = 0;   // smallest size, points
};

// Width and height in pixels of one line of text at a size in points.
using LineMeasure = std::function<QSizeF(const QString &text, double points)>;

// text (line breaks "\n" or CR LF kept) set into box.
FittedText fitText(const QString &text, const FitBox &box, const LineMeasure &measure);

// Legible floors: the question, the caption over the picture, the answers.
inline constexpr double kQuestionFloorPoints = 14;
inline constexpr double kCaptionFloorPoints = 14;
inline constexpr double kAnswerFloorPoints = 18;
