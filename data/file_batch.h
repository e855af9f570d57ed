// Replacing several files together. Each new content goes to a temporary file
// "NAME.XXXXXX" beside its target: written unbuffered, its size checked, and
// synced to the disk. Only when every one is on disk are they renamed over
// their targets; until then no target changes, and a failure or a batch that
// is dropped removes every temporary it made.
#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// Why a file could not be written, in words a teacher understands
// (writeErrorText).
struct WriteError {
    enum Kind {
        None,
        FolderMissing,   // the folder is gone (or is not a folder)
        ReadOnlyFolder,  // the folder has no owner-write bit, or the system refused
        ReadOnlyFile,    // the file has no owner-write bit
        NotAFile,        // a folder (or a device) stands where the file goes
        DiskFull,        // no room left, or the data did not all reach the disk
        TooLarge,        // the file-size limit of the process
        OtherCopy,       // another running copy of the program owns the folder
        Other,
    };
    Kind kind = None;
    QString path;  // the file that was not written (or the folder)
    int code = 0;  // errno when the system gave one
    bool failed() const { return kind != None; }
};

// What was not saved and why, in Korean, one sentence per line.
QString writeErrorText(const WriteError &e);

class FileBatch {
public:
    FileBatch() = default;
    FileBatch(const FileBatch &) = delete;
    FileBatch &operator=(const FileBatch &) = delete;
    ~FileBatch();  // removes the temporaries of a batch not committed

    // Writes bytes to a temporary beside path. False, with error() set and
    // every temporary of the batch removed, on any failure.
    bool add(const QString &path, const QByteArray &bytes);
    // Renames the temporaries over their targets in the order added.
    bool commit();
    const WriteError &error() const { return m_error; }

private:
    void discard();

    struct Pending {
        QString target;
        QString temp;
    };
    std::vector<Pending> m_pending;
    WriteError m_error;
};

// Checks that path may be replaced: its folder exists and is writable by its
// owner, and the file, if there, is a regular file writable by its owner. The
// owner-write bits count also for root, who could write anyway.
WriteError checkReplaceable(const QString &path);

// True when name is a temporary that a batch (or Qt's QSaveFile) makes for
// target: target + "." + six letters or digits.
bool isTemporaryOf(const QString &name, const QString &target);
