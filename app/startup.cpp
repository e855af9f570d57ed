#include "startup.h"

#include "layout.h"
#include "shared_state.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

QString folderWithSeparator(const QString &folder)
{
    QString dir = folder;
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

namespace {

// Registers file and returns its first family, or empty when it cannot be read.
QString registerFont(const QString &file)
{
    const int id = QFontDatabase::addApplicationFont(file);
    if (id < 0)
        return {};
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? QString() : families.first();
}

}  // namespace

void Register_Fonts(Shared &s, const QString &exeDir)
{
    s.App_Dir = folderWithSeparator(exeDir);
    const QString display = registerFont(s.App_Dir + QStringLiteral("h2gtre.ttf"));
    const QString plain = registerFont(s.App_Dir + QStringLiteral("HMFMPYUN.TTF"));
    if (!display.isEmpty())
        QFont::insertSubstitution(QString::fromUtf8(layout::kDisplayFace), display);
    if (!plain.isEmpty())
        QFont::insertSubstitution(QString::fromUtf8(layout::kPlainFace), plain);
}
