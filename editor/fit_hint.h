// A small label that tells the teacher, while they type, how a text will be
// set on the board: whole at the design size, smaller, or cut with "…".
#pragma once

#include "board/text_fit.h"

#include <QLabel>

class FitHint : public QLabel {
public:
    // brief: one word in a narrow place (beside an answer box); else a sentence.
    FitHint(QWidget *parent, bool brief);
    void showFit(TextFit fit);
    TextFit fit() const { return m_fit; }

private:
    bool m_brief;
    TextFit m_fit = TextFit::Whole;
};
