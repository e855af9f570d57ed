// The two shipped font files, registered for this process.
#pragma once

#include "core/paths.h"

#include <QString>

struct Shared;

// Sets App_Dir to exeDir (one trailing separator) and registers "h2gtre.ttf"
// and "HMFMPYUN.TTF" from it for this process. The faces "HY견고딕" and "굴림"
// are then mapped to the registered families and styles. Missing fonts are skipped.
void Register_Fonts(Shared &s, const QString &exeDir);

// Register_Fonts from App_Dir, the first time only: the start screen needs
// neither face, so start-up registers them once it has been painted, and
// again (doing nothing then) before a board opens.
void registerFontsOnce(Shared &s);
