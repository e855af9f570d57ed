// The cue player over Qt Multimedia, built as a module of its own that the
// program loads at its first cue: Qt Multimedia and the sound libraries under
// it are then not loaded before the start screen is up.
#include "board/ports.h"

#include <QFileInfo>
#include <QHash>
#include <QSoundEffect>
#include <QUrl>

namespace {

// One cue at a time: a new cue stops the one playing, nothing queued,
// failures silent.
class SoundEffectPlayer : public CuePlayer {
public:
    explicit SoundEffectPlayer(const QString &appDir) : m_appDir(appDir) {}
    ~SoundEffectPlayer() override { qDeleteAll(m_effects); }

    void Play_Cue(const QString &name) override
    {
        if (m_playing) {
            m_playing->stop();
            m_playing = nullptr;
        }
        const QString path = m_appDir + name;
        QSoundEffect *&effect = m_effects[name];
        if (!effect) {
            if (!QFileInfo(path).isFile())
                return;  // looked up again next time: the file may arrive later
            effect = new QSoundEffect;
            effect->setSource(QUrl::fromLocalFile(path));
        }
        // A cue still loading starts as soon as it is ready; an unplayable one stays silent.
        effect->play();
        m_playing = effect;
    }

private:
    QString m_appDir;
    QHash<QString, QSoundEffect *> m_effects;  // loaded once per file
    QSoundEffect *m_playing = nullptr;
};

}  // namespace

extern "C" Q_DECL_EXPORT CuePlayer *domisol_new_cue_player(const QString &appDir)
{
    return new SoundEffectPlayer(appDir);
}
