#include "quiz_line.h"

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
