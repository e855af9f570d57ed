#include "screens/start_screen.h"

#include "core/settings.h"
#include "core/shared_state.h"
#include "data/current_set.h"
#include "data/data_folder.h"
#include "data/datafiles.h"
#include "screens/set_panel.h"
#include "screens/splash.h"
#include "widgets/fonts.h"

StartScreen::StartScreen(Shared &s, const QString &userDataDir)
    : m_settings(openSettings()),
      m_sets(openSets(s, userDataDir, *m_settings, &m_problem))
{
    // One copy writes a set's folder; a second one only reads it.
    m_otherCopy = claimDataFolder(setDir(s)) == FolderClaim::OtherCopy;
    if (!m_otherCopy)
        removeStaleTemporaries(setDir(s));
    Clear_Used_Flag(s);
    m_splash = new frmSplash;
    // The set's name on the bar is drawn once its face is read.
    QObject::connect(m_splash, &frmSplash::painted, m_splash, [this, &s] {
        registerFontsOnce(s);
        m_splash->update();
    }, Qt::QueuedConnection);
    addSetPanel(m_splash, s, m_sets, [this](const QString &name) { rememberSet(*m_settings, name); });
}
