// Start-up up to the start screen, as the program runs it: the quiz set in
// use, its folder claimed, the start screen with its set panel. The fonts are
// registered once the screen has been painted (the first paint needs none).
#pragma once

#include "data/quiz_sets.h"

#include <QSettings>
#include <QString>

#include <memory>

class frmSplash;
struct Shared;

class StartScreen {
public:
    // s.App_Dir must be set. userDataDir: where the sets live when the
    // program's folder cannot be written.
    StartScreen(Shared &s, const QString &userDataDir);

    frmSplash *splash() const { return m_splash; }
    // Why the data folder could not be made ready (ok when it could).
    const SetOutcome &problem() const { return m_problem; }
    // Another running copy holds the set's folder: this one only reads it.
    bool otherCopy() const { return m_otherCopy; }

private:
    std::unique_ptr<QSettings> m_settings;
    SetOutcome m_problem;
    QuizSets m_sets;
    bool m_otherCopy = false;
    frmSplash *m_splash = nullptr;
};
