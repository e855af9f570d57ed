// Plays the boards' WAV cues from App_Dir with Qt Multimedia: one at a time,
// a new cue stops the one playing, nothing queued, failures silent. The
// player itself lives in the sound module (libdomisol_sound.so beside the
// program), loaded at the first cue; without it every cue is silent.
#pragma once

#include "board/ports.h"

#include <QString>

#include <memory>

// The sound module as the build and the package lay it: beside the program.
QString soundModulePath();

class QtCuePlayer : public CuePlayer {
public:
    explicit QtCuePlayer(const QString &appDir, const QString &modulePath = soundModulePath());
    ~QtCuePlayer() override;
    void Play_Cue(const QString &name) override;
    // The module was found and gave its player (after the first cue).
    bool hasSound() const { return m_player != nullptr; }

private:
    QString m_appDir;
    QString m_modulePath;
    bool m_loaded = false;  // the module was looked for
    std::unique_ptr<CuePlayer> m_player;
};
