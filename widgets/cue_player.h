// Plays the boards' WAV cues from App_Dir with Qt Multimedia: one at a time,
// a new cue stops the one playing, nothing queued, failures silent.
#pragma once

#include "board/ports.h"

#include <QHash>
#include <QString>

class QSoundEffect;

class QtCuePlayer : public CuePlayer {
public:
    explicit QtCuePlayer(const QString &appDir);
    ~QtCuePlayer() override;
    void Play_Cue(const QString &name) override;

private:
    QString m_appDir;
    QHash<QString, QSoundEffect *> m_effects;  // loaded once per file
    QSoundEffect *m_playing = nullptr;
};
