// The set in use: found at start-up (the last one used, kept in the
// settings) and changed from the start screen's set panel.
#pragma once

#include "data/quiz_sets.h"

#include <QSettings>

struct Shared;

inline const QString kCurrentSetKey = QStringLiteral("sets/current");

// Makes set `name` the one in use: Set_Dir, Set_Name, and both tables loaded
// from its files. False, with nothing changed, when there is no such set.
bool useSet(Shared &s, const QuizSets &sets, const QString &name);

// Start-up, after App_Dir is set: picks the data folder (App_Dir when it can
// be written, else userDataDir), fills it at the first start, and uses the
// set the settings name, or the default set when that one is gone. When the
// data folder cannot be made ready, the sets are read from App_Dir and
// *problem says why.
QuizSets openSets(Shared &s, const QString &userDataDir, QSettings &settings, SetOutcome *problem);

void rememberSet(QSettings &settings, const QString &name);
