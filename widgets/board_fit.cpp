#include "widgets/board_fit.h"

#include "board/board.h"
#include "layout/layout.h"
#include "widgets/board_font.h"
#include "widgets/picture_loader.h"

#include <QFontMetricsF>

LineMeasure boardLineMeasure(const char *face, double factor)
{
    return [face, factor](const QString &text, double points) {
        const QFontMetricsF fm(boardFont(face, points * factor));
        return QSizeF(fm.horizontalAdvance(text), fm.height());
    };
}

FittedText fitQuestion(const QString &question)
{
    // The question label of both boards (they have the same size), with the
    // label's pixel of slack.
    const layout::Rect &r = layout::one::Label8;
    const FitBox box{QSizeF(r.width - 1, r.height), true, layout::Label8Style.points, kQuestionFloorPoints};
    return fitText(question, box, boardLineMeasure(layout::Label8Style.face));
}

FittedText fitCaption(const QString &caption)
{
    QtTextMeasurer measurer;
    return Board::fitCaption(caption, &measurer);
}

