// Quiz sets. A set is a folder holding "Quiz.qdf", "BIP.QDF" and "img/" in the
// format of datafiles.h. All sets live in one data folder:
//   DATA/Quiz.qdf, DATA/BIP.QDF, DATA/img/     the default set, "기본 세트"
//   DATA/sets/NAME/Quiz.qdf, ...               every other set, by its name
// DATA is the program's folder when that can be written (a portable copy, the
// build's run folder); otherwise (installed) the user's data folder, which the
// first start fills with a copy of the default set from the program's folder.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

inline const QString kDefaultSetName = QStringLiteral("기본 세트");
inline const QString kSetsFolder = QStringLiteral("sets/");
inline constexpr int kMaxSetNameLength = 40;

// What an operation on sets did: ok, or why not in Korean for the teacher.
struct SetOutcome {
    bool ok = true;
    QString message;
    static SetOutcome failure(const QString &why) { return {false, why}; }
};

// A file of a set: its path inside the set folder ("Quiz.qdf", "img/3.jpg")
// and its bytes.
using SetFile = std::pair<QString, QByteArray>;

// True when the program may keep its sets in folder: it exists and can be
// written, and it does not lie under /usr, which belongs to the system's
// packages even when root runs the program.
bool isWritableProgramFolder(const QString &folder);

// The data folder (one trailing separator): appDir when it is writable,
// otherwise userDataDir.
QString chooseDataFolder(const QString &appDir, bool appDirWritable, const QString &userDataDir);

// Makes dataDir ready: when it is not appDir and holds no default set yet,
// copies the default set (Quiz.qdf, BIP.QDF, img/) there from appDir. Writes
// nothing into appDir.
SetOutcome prepareDataFolder(const QString &appDir, const QString &dataDir);

// The paths of a set's files inside its folder: the two data files when they
// exist, and every plain file of img/ (no links, no subfolders).
QStringList setFilePaths(const QString &setFolder);

class QuizSets {
public:
    explicit QuizSets(const QString &dataDir);
    const QString &dataDir() const { return m_dataDir; }

    // The default set first, then the others in the order of their names.
    QStringList names() const;
    bool exists(const QString &name) const;
    // The set's folder with one trailing separator; empty when there is none.
    QString folderOf(const QString &name) const;

    // Why name cannot be a new set's name (Korean), or nothing when it can.
    std::optional<QString> nameProblem(const QString &name) const;
    // A free name from wanted: made fit for a folder, then "wanted (2)"...
    QString freeName(const QString &wanted) const;

    // A new set `name`, a copy of set `source`.
    SetOutcome create(const QString &source, const QString &name);
    SetOutcome rename(const QString &from, const QString &to);
    // Deletes a set and everything in its folder; never the default set.
    SetOutcome remove(const QString &name);
    // A new set `name` holding exactly files; all or nothing.
    SetOutcome addSet(const QString &name, const QList<SetFile> &files);
    // Removes what a run cut short left in the sets folder: half-made sets
    // (".new-*") and sets on their way out (".old-*").
    void removeLeftovers() const;

private:
    QString setsDir() const { return m_dataDir + kSetsFolder; }
    QString m_dataDir;
};

// True for "Quiz.qdf", "BIP.QDF" and "img/NAME" (NAME a plain file name).
bool isSetFilePath(const QString &path);

// The name as the program keeps it: blanks trimmed, Hangul composed (NFC).
QString tidySetName(const QString &name);
