#include "widgets/fonts.h"

#include "core/paths.h"
#include "core/shared_state.h"
#include "layout/layout.h"
#include "widgets/board_font.h"

#include <QFont>
#include <QFontDatabase>
#include <QRawFont>
#include <QStringList>

namespace {

// Registers file for this process and maps face to its family and style.
// A file that cannot be read leaves face to the system's fonts.
void registerFont(const QString &file, const char *face)
{
    const int id = QFontDatabase::addApplicationFont(file);
    if (id < 0)
        return;
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty())
        return;
    const QRawFont raw(file, 12.0);
    setFaceMapping(QString::fromUtf8(face), families.first(), raw.isValid() ? raw.styleName() : QString());
    QFont::insertSubstitution(QString::fromUtf8(face), families.first());
}

}  // namespace

void Register_Fonts(Shared &s, const QString &exeDir)
{
    s.App_Dir = folderWithSeparator(exeDir);
    registerFont(s.App_Dir + QStringLiteral("h2gtre.ttf"), layout::kDisplayFace);
    registerFont(s.App_Dir + QStringLiteral("HMFMPYUN.TTF"), layout::kPlainFace);
}

void registerFontsOnce(Shared &s)
{
    static bool done = false;
    if (done)
        return;
    done = true;
    Register_Fonts(s, s.App_Dir);
}
