#include "widgets/cue_player.h"

#include <QCoreApplication>
#include <QLibrary>

namespace {
using MakePlayer = CuePlayer *(*)(const QString &appDir);
}

QString soundModulePath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/libdomisol_sound.so");
}

QtCuePlayer::QtCuePlayer(const QString &appDir, const QString &modulePath)
    : m_appDir(appDir), m_modulePath(modulePath)
{
}

QtCuePlayer::~QtCuePlayer() = default;

void QtCuePlayer::Play_Cue(const QString &name)
{
    if (!m_loaded) {
        m_loaded = true;
        // The module stays loaded for the rest of the run (QLibrary does not
        // unload it when this object goes).
        QLibrary module(m_modulePath);
        if (auto make = reinterpret_cast<MakePlayer>(module.resolve("domisol_new_cue_player")))
            m_player.reset(make(m_appDir));
    }
    if (m_player)
        m_player->Play_Cue(name);
}
