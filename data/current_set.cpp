#include "data/current_set.h"

#include "core/shared_state.h"
#include "data/datafiles.h"

bool useSet(Shared &s, const QuizSets &sets, const QString &name)
{
    const QString folder = sets.folderOf(name);
    if (folder.isEmpty())
        return false;
    s.Set_Dir = folder;
    s.Set_Name = name.isEmpty() ? kDefaultSetName : name;
    Load_Quiz(s);
    return true;
}

QuizSets openSets(Shared &s, const QString &userDataDir, QSettings &settings, SetOutcome *problem)
{
    const QString data = chooseDataFolder(s.App_Dir, isWritableProgramFolder(s.App_Dir), userDataDir);
    SetOutcome ready = prepareDataFolder(s.App_Dir, data);
    QuizSets sets(ready.ok ? data : s.App_Dir);
    sets.removeLeftovers();
    if (problem) {
        *problem = ready;
        if (!ready.ok)
            problem->message += QStringLiteral("\n프로그램 폴더의 기본 세트로 시작하지만, 고친 내용은 저장되지 않을 수 있습니다.");
    }
    if (!useSet(s, sets, settings.value(kCurrentSetKey).toString()))
        useSet(s, sets, kDefaultSetName);
    return sets;
}

void rememberSet(QSettings &settings, const QString &name)
{
    settings.setValue(kCurrentSetKey, name);
    settings.sync();
}
