#include "core/paths.h"

QString folderWithSeparator(const QString &folder)
{
    QString dir = folder;
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}
