// The submit rule of the two-team board: is a typed answer right?
#pragma once

#include <QString>

enum class AnswerVerdict {
    Ignored,  // nothing but U+0020 (or nothing) typed: no verdict at all
    Right,
    Wrong,
};

// Compares the typed text with the stored answer `Cur_Answer`: both lose every
// U+0020, then must match code unit by code unit. Only U+0020 counts as a space
// (a tab or U+3000 is text); case matters. An empty stored answer is never right.
AnswerVerdict judgeTypedAnswer(const QString &curAnswer, const QString &typed);
