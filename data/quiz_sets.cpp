#include "data/quiz_sets.h"

#include "core/paths.h"
#include "data/datafiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>

namespace {

const QString kForbidden = QStringLiteral("/\\:*?\"<>|");

bool isReservedDeviceName(const QString &name)
{
    static const QStringList reserved = [] {
        QStringList r{QStringLiteral("CON"), QStringLiteral("PRN"), QStringLiteral("AUX"), QStringLiteral("NUL")};
        for (int i = 1; i <= 9; ++i)
            r << QStringLiteral("COM%1").arg(i) << QStringLiteral("LPT%1").arg(i);
        return r;
    }();
    return reserved.contains(name.section(QLatin1Char('.'), 0, 0), Qt::CaseInsensitive);
}

bool isPlainFolder(const QString &path)
{
    const QFileInfo info(path);
    return info.isDir() && !info.isSymLink();
}

// Makes a new set folder in a hidden temporary folder beside the sets, filled
// by fill, then renamed to its name: a failure anywhere leaves nothing behind.
SetOutcome stageSet(const QString &setsDir, const QString &target,
                    const std::function<SetOutcome(const QString &folder)> &fill)
{
    if (!QDir().mkpath(setsDir))
        return SetOutcome::failure(QStringLiteral("세트를 둘 폴더를 만들 수 없습니다:\n%1").arg(setsDir));
    QTemporaryDir staging(setsDir + QStringLiteral(".new-XXXXXX"));  // see removeLeftovers
    if (!staging.isValid())
        return SetOutcome::failure(QStringLiteral("세트 폴더에 쓸 수 없습니다:\n%1").arg(setsDir));
    const QString folder = folderWithSeparator(staging.path());
    if (!QDir().mkdir(folder + kPictureFolder))
        return SetOutcome::failure(QStringLiteral("세트 폴더에 쓸 수 없습니다:\n%1").arg(setsDir));
    const SetOutcome filled = fill(folder);
    if (!filled.ok)
        return filled;
    if (QFileInfo::exists(target) || !QDir().rename(staging.path(), target))
        return SetOutcome::failure(QStringLiteral("세트 폴더를 만들 수 없습니다:\n%1").arg(target));
    staging.setAutoRemove(false);
    // The staging folder was private; a set folder is as open as its img/.
    QFile::setPermissions(target, QFileInfo(target + QLatin1Char('/') + kPictureFolder).permissions());
    return {};
}

const SetOutcome kWriteFailed = SetOutcome::failure(
    QStringLiteral("세트를 저장하지 못했습니다. 디스크가 가득 찼거나 쓸 수 없는 폴더입니다."));

}  // namespace

bool isSetFilePath(const QString &path)
{
    if (path == kQuizFileName || path == kPictureFileName)
        return true;
    if (!path.startsWith(kPictureFolder))
        return false;
    const QString name = path.mid(kPictureFolder.size());
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
           && !name.contains(QLatin1Char('/')) && !name.contains(QChar(0));
}

QString tidySetName(const QString &name)
{
    return name.normalized(QString::NormalizationForm_C).trimmed();
}

bool isWritableProgramFolder(const QString &folder)
{
    const QFileInfo info(folder);
    const QString path = info.canonicalFilePath();
    if (path.isEmpty() || path == QLatin1String("/usr") || path.startsWith(QLatin1String("/usr/")))
        return false;
    return info.isDir() && info.isWritable();
}

QString chooseDataFolder(const QString &appDir, bool appDirWritable, const QString &userDataDir)
{
    return folderWithSeparator(appDirWritable ? appDir : userDataDir);
}

SetOutcome prepareDataFolder(const QString &appDir, const QString &dataDir)
{
    const QString from = folderWithSeparator(appDir);
    const QString to = folderWithSeparator(dataDir);
    if (QFileInfo(from).canonicalFilePath() == QFileInfo(to).canonicalFilePath())
        return {};
    if (QFileInfo::exists(to + kQuizFileName) || QFileInfo::exists(to + kPictureFileName))
        return {};
    const SetOutcome failed = SetOutcome::failure(
        QStringLiteral("퀴즈 세트를 둘 폴더를 준비하지 못했습니다:\n%1").arg(to));
    if (!QDir().mkpath(to + kPictureFolder))
        return failed;
    // Pictures first, the data files last: a start cut short is finished next time.
    QStringList paths = setFilePaths(from);
    std::stable_partition(paths.begin(), paths.end(),
                          [](const QString &p) { return p.startsWith(kPictureFolder); });
    for (const QString &p : paths) {
        if (QFileInfo::exists(to + p))
            continue;
        QFile in(from + p);
        if (!in.open(QIODevice::ReadOnly) || !writeFileAtomically(to + p, in.readAll()))
            return failed;
    }
    return {};
}

QStringList setFilePaths(const QString &setFolder)
{
    const QString folder = folderWithSeparator(setFolder);
    QStringList paths;
    for (const QString &name : {kQuizFileName, kPictureFileName}) {
        const QFileInfo info(folder + name);
        if (info.isFile() && !info.isSymLink())
            paths << name;
    }
    const QDir img(folder + kPictureFolder);
    const QFileInfoList pictures = img.entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDir::Name);
    for (const QFileInfo &info : pictures)
        paths << kPictureFolder + info.fileName();
    return paths;
}

QuizSets::QuizSets(const QString &dataDir) : m_dataDir(folderWithSeparator(dataDir)) {}

QStringList QuizSets::names() const
{
    QStringList others;
    const QFileInfoList dirs = QDir(setsDir()).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QFileInfo &d : dirs)
        if (!d.isSymLink())
            others << d.fileName();
    std::sort(others.begin(), others.end(),
              [](const QString &a, const QString &b) { return QString::localeAwareCompare(a, b) < 0; });
    return QStringList{kDefaultSetName} + others;
}

bool QuizSets::exists(const QString &name) const
{
    return !folderOf(name).isEmpty();
}

QString QuizSets::folderOf(const QString &name) const
{
    if (name.isEmpty() || name == kDefaultSetName)
        return m_dataDir;
    if (name.contains(QLatin1Char('/')) || name.startsWith(QLatin1Char('.')))
        return {};
    const QString folder = setsDir() + name;
    return isPlainFolder(folder) ? folder + QLatin1Char('/') : QString();
}

std::optional<QString> QuizSets::nameProblem(const QString &raw) const
{
    const QString name = tidySetName(raw);
    if (name.isEmpty())
        return QStringLiteral("세트 이름을 써 주세요.");
    if (name.size() > kMaxSetNameLength)
        return QStringLiteral("세트 이름은 %1글자까지 쓸 수 있습니다.").arg(kMaxSetNameLength);
    for (const QChar c : name)
        if (kForbidden.contains(c) || c.unicode() < 0x20 || c.unicode() == 0x7F)
            return QStringLiteral("세트 이름에는 다음 글자를 쓸 수 없습니다:\n/ \\ : * ? \" < > |");
    if (name.startsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char('.')))
        return QStringLiteral("세트 이름은 마침표(.)로 시작하거나 끝날 수 없습니다.");
    if (isReservedDeviceName(name))
        return QStringLiteral("'%1'은(는) 폴더 이름으로 쓸 수 없습니다.").arg(name);
    // Sets travel to other computers, where names may not tell capitals apart.
    for (const QString &taken : names())
        if (taken.compare(name, Qt::CaseInsensitive) == 0)
            return QStringLiteral("'%1' 세트가 이미 있습니다. 다른 이름을 써 주세요.").arg(taken);
    return std::nullopt;
}

QString QuizSets::freeName(const QString &wanted) const
{
    QString base = tidySetName(wanted);
    for (QChar &c : base)
        if (kForbidden.contains(c) || c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QLatin1Char('_');
    while (base.startsWith(QLatin1Char('.')))
        base.remove(0, 1);
    base = base.left(kMaxSetNameLength - 5).trimmed();
    while (base.endsWith(QLatin1Char('.')))
        base.chop(1);
    if (base.isEmpty() || isReservedDeviceName(base))
        base = QStringLiteral("가져온 세트");
    QString name = base;
    for (int n = 2; nameProblem(name).has_value(); ++n)
        name = QStringLiteral("%1 (%2)").arg(base).arg(n);
    return name;
}

SetOutcome QuizSets::create(const QString &source, const QString &rawName)
{
    const QString name = tidySetName(rawName);
    if (const auto problem = nameProblem(name))
        return SetOutcome::failure(*problem);
    const QString from = folderOf(source);
    if (from.isEmpty())
        return SetOutcome::failure(QStringLiteral("'%1' 세트를 찾을 수 없습니다.").arg(source));
    return stageSet(setsDir(), setsDir() + name, [&from](const QString &folder) {
        for (const QString &p : setFilePaths(from))
            if (!QFile::copy(from + p, folder + p))
                return kWriteFailed;
        return SetOutcome{};
    });
}

SetOutcome QuizSets::rename(const QString &from, const QString &rawTo)
{
    if (from == kDefaultSetName)
        return SetOutcome::failure(QStringLiteral("기본 세트의 이름은 바꿀 수 없습니다."));
    const QString to = tidySetName(rawTo);
    const QString folder = folderOf(from);
    if (folder.isEmpty())
        return SetOutcome::failure(QStringLiteral("'%1' 세트를 찾을 수 없습니다.").arg(from));
    if (to.compare(from, Qt::CaseInsensitive) != 0) {
        if (const auto problem = nameProblem(to))
            return SetOutcome::failure(*problem);
    } else if (to == from) {
        return {};
    }
    if (!QDir().rename(setsDir() + from, setsDir() + to))
        return SetOutcome::failure(QStringLiteral("세트의 이름을 바꾸지 못했습니다."));
    return {};
}

SetOutcome QuizSets::remove(const QString &name)
{
    if (name == kDefaultSetName)
        return SetOutcome::failure(QStringLiteral("기본 세트는 지울 수 없습니다."));
    if (folderOf(name).isEmpty())
        return SetOutcome::failure(QStringLiteral("'%1' 세트를 찾을 수 없습니다.").arg(name));
    // Out of sight first, so a deletion cut short leaves no half set in the list.
    QTemporaryDir trash(setsDir() + QStringLiteral(".old-XXXXXX"));
    const QString gone = trash.path() + QStringLiteral("/set");
    if (!trash.isValid() || !QDir().rename(setsDir() + name, gone))
        return SetOutcome::failure(QStringLiteral("'%1' 세트를 지우지 못했습니다.").arg(name));
    trash.remove();
    return {};
}

void QuizSets::removeLeftovers() const
{
    const QStringList patterns{QStringLiteral(".new-*"), QStringLiteral(".old-*")};
    const QFileInfoList left = QDir(setsDir()).entryInfoList(patterns, QDir::Dirs | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo &d : left)
        QDir(d.filePath()).removeRecursively();
}

SetOutcome QuizSets::addSet(const QString &rawName, const QList<SetFile> &files)
{
    const QString name = tidySetName(rawName);
    if (const auto problem = nameProblem(name))
        return SetOutcome::failure(*problem);
    for (const SetFile &f : files)
        if (!isSetFilePath(f.first))
            return SetOutcome::failure(QStringLiteral("세트에 들어갈 수 없는 파일입니다: %1").arg(f.first));
    return stageSet(setsDir(), setsDir() + name, [&files](const QString &folder) {
        for (const SetFile &f : files) {
            QFile out(folder + f.first);
            if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)
                || out.write(f.second) != f.second.size() || !out.flush())
                return kWriteFailed;
        }
        return SetOutcome{};
    });
}
