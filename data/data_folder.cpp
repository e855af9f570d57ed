#include "data/data_folder.h"

#include "core/paths.h"
#include "data/datafiles.h"
#include "data/file_batch.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QRegularExpression>

#include <map>
#include <memory>

namespace {

struct Claim {
    FolderClaim answer;
    std::unique_ptr<QLockFile> lock;
};

std::map<QString, Claim> &claims()
{
    static std::map<QString, Claim> all;
    return all;
}

QString key(const QString &folder)
{
    return folderWithSeparator(QDir(folder).absolutePath());
}

}  // namespace

FolderClaim claimDataFolder(const QString &folder)
{
    const QString k = key(folder);
    auto found = claims().find(k);
    if (found != claims().end())
        return found->second.answer;
    auto lock = std::make_unique<QLockFile>(k + kLockFileName);
    lock->setStaleLockTime(0);  // stale only when its process is gone, never by age
    FolderClaim answer = FolderClaim::Owned;
    if (!lock->tryLock(0)) {
        answer = lock->error() == QLockFile::LockFailedError ? FolderClaim::OtherCopy : FolderClaim::NoLock;
        lock.reset();
    }
    claims()[k] = Claim{answer, std::move(lock)};
    return answer;
}

void releaseDataFolder(const QString &folder)
{
    claims().erase(key(folder));
}

int removeStaleTemporaries(const QString &folder)
{
    int removed = 0;
    const auto sweep = [&removed](const QDir &dir, const auto &isOurs) {
        for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
            if (isOurs(name) && QFile::remove(dir.filePath(name)))
                ++removed;
        }
    };
    const QDir data(folder);
    sweep(data, [](const QString &name) {
        return isTemporaryOf(name, kQuizFileName) || isTemporaryOf(name, kPictureFileName);
    });
    // Pictures the editor stores: "N.EXT" for games 1 to 10.
    static const QRegularExpression stored(QStringLiteral("^(10|[1-9])\\.[A-Za-z0-9]*\\.[A-Za-z0-9]{6}$"));
    sweep(QDir(data.filePath(kPictureFolder)), [](const QString &name) { return stored.match(name).hasMatch(); });
    return removed;
}
