// The settings the program keeps between runs, in one INI file in the user's
// configuration folder ($XDG_CONFIG_HOME/domisol/domisol.ini). The program
// writes nothing else but its quiz sets.
#pragma once

#include <QSettings>

#include <memory>

std::unique_ptr<QSettings> openSettings();
