#include "editor_rules.h"

#include "cp949.h"
#include "quiz_line.h"

namespace {

const QChar kFullWidthSemicolon(0xFF1B);

bool isLineBreak(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::LineSeparator
           || c == QChar::ParagraphSeparator;
}

// Drops the characters (whole surrogate pairs) that CP949 cannot hold.
QString keepCp949(const QString &text)
{
    if (cp949CanHold(text))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype n =
            (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) ? 2 : 1;
        const QString one = text.mid(i, n);
        if (cp949CanHold(one))
            out += one;
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
        } else {
            out += c;
        }
    }
    return keepCp949(out);
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
    static const QStringList titles = {
        QStringLiteral("가인과 아벨의 제사"),
        QStringLiteral("구름기둥으로 인도하시는 하나님"),
        QStringLiteral("나아만 장군의 일곱번 요단강에서 씻음"),
        QStringLiteral("노아의 방주 만들기 120년"),
        QStringLiteral("사자굴에 갇힌 다니엘"),
        QStringLiteral("최후의 만찬"),
        QStringLiteral("골리앗을 물리친 다윗"),
        QStringLiteral("사무엘이 다윗에게 기름부음"),
        QStringLiteral("라합이 이스라엘 정탐꾼을 살려줌"),
        QStringLiteral("강물에서 건진 모세"),
        QStringLiteral("하나님께서 직접 십계명을 쓰시고 모세에게 주셨다"),
        QStringLiteral("하나님께서 무지개로 다시는 물심판을 하지 않으시겠다고 약속하심"),
        QStringLiteral("바벨탑을 쌓아 하나님께 도전하는 교만한 사람들"),
        QStringLiteral("광야에서 불기둥으로 인도하시는 하나님"),
        QStringLiteral("야곱이 잘 때 꿈속에 나타난 천사와 사다리"),
        QStringLiteral("에스더가 아닥사스다왕의 금홀을 만짐"),
        QStringLiteral("엘리야에게 까마귀가 떡과 고기를 물어다 줌"),
        QStringLiteral("불병거를 타고 하늘로 올라가는 엘리야"),
        QStringLiteral("무너지는 여리고성"),
        QStringLiteral("모세를 통해 홍해를 갈라지게 하시는 하나님"),
        QStringLiteral("겟세마네 동산에서 기도하시는 예수님"),
        QStringLiteral("돌에 맞아 순교하는 스데반집사"),
        QStringLiteral("예수님을 보기 위해 뽕나무에 올라간 삭개오"),
        QStringLiteral("회당장 야이로의 딸을 살리신 예수님"),
        QStringLiteral("죽은 지 4일이 지난 나사로를 살리신 예수님"),
        QStringLiteral("나의 죄를 대신해 십자가에 달려 죽어주신 예수님"),
        QStringLiteral("다시오실 예수님"),
        QStringLiteral("밤에 예수님을 찾아온 니고데모"),
        QStringLiteral("38년된 중풍병자를 낫게하시는 예수님"),
        QStringLiteral("예수님의 말씀을 듣는 마리아와 일하는 마르다"),
        QStringLiteral("폭풍을 잠잠케 하시는 예수님"),
        QStringLiteral("향유를 예수님께 붓는 마리아"),
        QStringLiteral("예루살렘으로 입성하시는 예수님"),
        QStringLiteral("바다에 빠진 베드로를 건져주시는 예수님"),
        QStringLiteral("다메섹으로 가는 도중 예수님을 만나는 바울"),
    };
    return titles;
}
