#include "board/text_fit.h"

#include <cmath>

namespace {

const QString kEllipsis = QStringLiteral("…");

// Greedy lines of paragraph that each fit width at points; a word wider than
// a line is broken between characters.
QStringList wrapParagraph(const QString &paragraph, double width, double points, const LineMeasure &measure)
{
    QStringList lines;
    QString line;
    auto fits = [&](const QString &t) { return measure(t, points).width() <= width; };
    const QStringList words = paragraph.split(QLatin1Char(' '));
    for (int w = 0; w < words.size(); ++w) {
        const QString &word = words[w];
        const QString candidate = w == 0 ? word : line + QLatin1Char(' ') + word;
        if (w == 0 || fits(candidate)) {
            line = candidate;
        } else {
            lines << line;
            line = word;
        }
        while (!fits(line) && line.size() > 1) {  // a word longer than the line
            int n = line.size() - 1;
            while (n > 1 && !fits(line.left(n)))
                --n;
            lines << line.left(n);
            line = line.mid(n);
        }
    }
    lines << line;
    return lines;
}

QStringList setLines(const QString &text, const FitBox &box, double points, const LineMeasure &measure)
{
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (!box.wrap)
        return {plain.split(QLatin1Char('\n')).join(QLatin1Char(' '))};
    QStringList lines;
    for (const QString &paragraph : plain.split(QLatin1Char('\n')))
        lines << wrapParagraph(paragraph, box.size.width(), points, measure);
    return lines;
}

int linesThatFit(const FitBox &box, double points, const LineMeasure &measure)
{
    if (!box.wrap)
        return 1;
    const double lineHeight = measure(QStringLiteral("가"), points).height();
    return lineHeight > 0 ? int(std::floor(box.size.height() / lineHeight)) : 1;
}

bool fitsAt(const QStringList &lines, const FitBox &box, double points, const LineMeasure &measure)
{
    if (lines.size() > linesThatFit(box, points, measure))
        return false;
    for (const QString &l : lines)
        if (measure(l, points).width() > box.size.width())
            return false;
    return true;
}

}  // namespace

FittedText fitText(const QString &text, const FitBox &box, const LineMeasure &measure)
{
    // Steps of a point, then the floor itself.
    for (double points = box.points;; points = std::max(box.floor, points - 1)) {
        const QStringList lines = setLines(text, box, points, measure);
        if (fitsAt(lines, box, points, measure))
            return {lines, points, points == box.points ? TextFit::Whole : TextFit::Smaller};
        if (points <= box.floor)
            break;
    }
    // At the floor: the lines that fit, the last one shortened to end in "…".
    const double points = box.floor;
    QStringList lines = setLines(text, box, points, measure);
    const int keep = std::max(1, linesThatFit(box, points, measure));
    lines = lines.mid(0, keep);
    QString &last = lines.last();
    while (!last.isEmpty() && measure(last + kEllipsis, points).width() > box.size.width())
        last.chop(1);
    last = last.trimmed() + kEllipsis;
    return {lines, points, TextFit::Cut};
}
