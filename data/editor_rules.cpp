#include "data/editor_rules.h"

#include "assets/gen/shared/example_table.h"
#include "core/shared_state.h"
#include "data/cp949.h"
#include "data/quiz_line.h"

namespace {

const QChar kFullWidthSemicolon(0xFF1B);

bool isLineBreak(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::LineSeparator
           || c == QChar::ParagraphSeparator;
}

bool isDash(char32_t c)
{
    return (c >= 0x2010 && c <= 0x2015) || c == 0x2212 || c == 0xFE58 || c == 0xFE63 || c == 0xFF0D;
}

// A character CP949 cannot hold as the files can: its plain form (accents
// and ligatures taken apart, marks dropped), a dash as "-", else nothing.
QString nearestHeld(const QString &one)
{
    if (isDash(one.toUcs4().value(0)))
        return QStringLiteral("-");
    QString plain;
    for (const QChar c : one.normalized(QString::NormalizationForm_KD))
        if (c.category() != QChar::Mark_NonSpacing && c.category() != QChar::Mark_Enclosing)
            plain += c;
    return !plain.isEmpty() && plain != one && cp949CanHold(plain) ? plain : QString();
}

// Replaces the characters (whole surrogate pairs) that CP949 cannot hold.
QString keepCp949(const QString &text, QStringList &changes)
{
    if (cp949CanHold(text))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype n =
            (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) ? 2 : 1;
        const QString one = text.mid(i, n);
        if (cp949CanHold(one)) {
            out += one;
        } else {
            const QString near = nearestHeld(one);
            out += near;
            const QString change = near.isEmpty() ? one + QStringLiteral(" 뺌") : one + QStringLiteral("→") + near;
            if (!changes.contains(change))
                changes << change;
        }
        i += n;
    }
    return out;
}

bool isAsciiLetterOrDigit(QChar c)
{
    const ushort u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z');
}

}  // namespace

QString cleanBoxText(const QString &text, BoxKind kind)
{
    return cleanBoxTextReport(text, kind).text;
}

QString cleanedTextNotice(const QStringList &changes)
{
    if (changes.isEmpty())
        return QString();
    return QStringLiteral("파일에 담을 수 없는 글자를 바꿨습니다: ") + changes.join(QStringLiteral(", "));
}

CleanedText cleanBoxTextReport(const QString &text, BoxKind kind)
{
    CleanedText result;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char(';')) {
            out += kFullWidthSemicolon;
        } else if (kind != BoxKind::Question && isLineBreak(c)) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            out += QLatin1Char(' ');
        } else if (c == QLatin1Char('\t')) {
            out += QLatin1Char(' ');
            const QString change = QStringLiteral("탭→빈칸");
            if (!result.changes.contains(change))
                result.changes << change;
        } else {
            out += c;
        }
    }
    result.text = keepCp949(out, result.changes);
    return result;
}

QString safeExtension(const QString &ext)
{
    QString out;
    for (const QChar c : ext)
        if (isAsciiLetterOrDigit(c))
            out += c;
    return out;
}

QString extensionFromPictureName(const QString &fileName)
{
    const QStringList pieces = fileName.split(QLatin1Char('.'));
    return pieces.size() >= 2 ? safeExtension(pieces.at(1)) : QString();
}

QString extensionFromChosenFile(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const QString name = path.mid(slash + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : safeExtension(name.mid(dot + 1));
}

QString storedPictureName(int game, const QString &ext)
{
    return QString::number(game + 1) + QLatin1Char('.') + ext;
}

namespace {

// Shown text may carry "\r\n", "\r", "\n" or U+2028/U+2029; each is one break.
QString breaksReplaced(const QString &text, const QString &with)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (isLineBreak(c)) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            out += with;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

QString questionField(const QString &boxText)
{
    return trimSpaces(breaksReplaced(boxText, kBreakMarker));
}

QString composeQuizLine(const QString &question, const QString &answer)
{
    const QString answerField = trimSpaces(answer);
    if (trimSpaces(breaksReplaced(question, QString())).isEmpty() || answerField.isEmpty())
        return {};
    return questionField(question) + QLatin1Char(';') + answerField;
}

QString questionBoxText(const QString &field)
{
    QString text = field;
    return text.replace(kBreakMarker, QStringLiteral("\n"));
}

const QStringList &exampleTitles()
{
    static const QStringList titles = [] {
        QStringList t;
        for (const ExampleEntry &e : kExamples)
            t << QString::fromUtf8(e.title);
        return t;
    }();
    return titles;
}

void applyGameEdit(Shared &s, int game, const GameEdit &edit, const QString &storedName)
{
    if (game < 0 || game > 9)
        return;
    const QString kept = lineField(s.Picture_Table[game], 1).value_or(QString());
    // A caption filled from the file bypassed the box's input rules: a lone CR
    // read from it shows as a line break, which must not reach the file.
    const QString caption = cleanBoxText(edit.caption, BoxKind::Caption);
    s.Picture_Table[game] = (storedName.isEmpty() ? kept : storedName) + QLatin1Char(';') + caption;
    for (int i = 0; i < 9; ++i) {
        const QString line = composeQuizLine(edit.questions[i], edit.answers[i]);
        if (!line.isEmpty())
            s.Quiz_Table[game][i] = line;
    }
}
