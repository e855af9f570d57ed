// A data folder (the two data files and img/) as one copy of the program
// owns it: the lock file "domisol.lock" in the folder names the copy that
// may write there, and that copy clears the temporaries a killed save left.
#pragma once

#include <QString>

inline const QString kLockFileName = QStringLiteral("domisol.lock");

enum class FolderClaim {
    Owned,      // this process writes the folder
    OtherCopy,  // another running copy holds it: this one only reads
    NoLock,     // no lock file could be made (a read-only folder): saves fail on their own
};

// Takes the folder's lock unless another running copy holds it; a lock left
// by a copy that is gone is taken over. Asked again for the same folder,
// gives the first answer: a copy that started read-only stays so, since the
// other copy may have saved since this one read the files.
FolderClaim claimDataFolder(const QString &folder);

// Gives the lock back (for tests and for switching folders).
void releaseDataFolder(const QString &folder);

// Removes temporaries of our own naming a killed save left in folder and its
// img/: "Quiz.qdf.XXXXXX", "BIP.QDF.XXXXXX" and "N.EXT.XXXXXX". Only the
// copy that owns the folder calls it. Returns how many went.
int removeStaleTemporaries(const QString &folder);
