// Folder names as the program keeps them.
#pragma once

#include <QString>

// folder with exactly one trailing '/'.
QString folderWithSeparator(const QString &folder);
