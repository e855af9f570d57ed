// Qt's own texts (file dialog, message-box buttons) in the user's language.
#pragma once

#include <QLocale>

class QTranslator;

// Loads Qt's "qtbase" catalogue for `locale` from Qt's translations folder and
// installs it on the application, which owns it. Returns the translator, or
// nullptr when Qt has no catalogue for that language.
QTranslator *installQtTranslations(const QLocale &locale = QLocale());
