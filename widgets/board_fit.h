// Text fitting with the board faces: the measure the board labels fit by, and
// how a question and a caption are set on the boards at design size, so the
// editor can show the teacher the verdict while typing.
#pragma once

#include "board/text_fit.h"

// Pixels of one line of a board face at points (design points; the font is
// factor times as large).
LineMeasure boardLineMeasure(const char *face, double factor = 1.0);

FittedText fitQuestion(const QString &question);  // in the question box
FittedText fitCaption(const QString &caption);    // over the revealed picture
