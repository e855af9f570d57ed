#include "team/answer_check.h"

namespace {

QString withoutSpaces(QString s)
{
    return s.remove(QLatin1Char(' '));
}

}  // namespace

AnswerVerdict judgeTypedAnswer(const QString &curAnswer, const QString &typed)
{
    // Trimming only U+0020 at both ends leaves an empty text exactly when
    // removing every U+0020 does.
    const QString typedBare = withoutSpaces(typed);
    if (typedBare.isEmpty())
        return AnswerVerdict::Ignored;
    return typedBare == withoutSpaces(curAnswer) ? AnswerVerdict::Right : AnswerVerdict::Wrong;
}
