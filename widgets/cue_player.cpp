#include "widgets/cue_player.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

QtCuePlayer::QtCuePlayer(const QString &appDir) : m_appDir(appDir) {}

QtCuePlayer::~QtCuePlayer()
{
    qDeleteAll(m_effects);
}

void QtCuePlayer::Play_Cue(const QString &name)
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
