#include "data/quiz_line.h"

#include <QStringList>

std::optional<QString> lineField(const QString &line, int n)
{
    if (line.isEmpty() || n < 1)
        return std::nullopt;
    const QStringList parts = line.split(QLatin1Char(';'));
    if (n > parts.size())
        return std::nullopt;
    return parts.at(n - 1);
}

QString trimSpaces(const QString &text)
{
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && text.at(from) == QLatin1Char(' '))
        ++from;
    while (to > from && text.at(to - 1) == QLatin1Char(' '))
        --to;
    return text.mid(from, to - from);
}
