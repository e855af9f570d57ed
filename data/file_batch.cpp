#include "data/file_batch.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray nativeName(const QString &path)
{
    return QFile::encodeName(path);
}

WriteError::Kind kindOfErrno(int code)
{
    switch (code) {
    case ENOSPC:
    case EDQUOT:
        return WriteError::DiskFull;
    case EFBIG:
        return WriteError::TooLarge;
    case EACCES:
    case EPERM:
    case EROFS:
        return WriteError::ReadOnlyFolder;
    case ENOENT:
    case ENOTDIR:
        return WriteError::FolderMissing;
    case EISDIR:
        return WriteError::NotAFile;
    default:
        return WriteError::Other;
    }
}

WriteError systemError(const QString &path, int code)
{
    return WriteError{kindOfErrno(code), path, code};
}

// Writes all of bytes to fd; the errno of the failure, or 0.
int writeWhole(int fd, const QByteArray &bytes)
{
    const char *p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return ENOSPC;
        p += n;
        left -= n;
    }
    return 0;
}

void syncFolder(const QString &folder)
{
    const int fd = ::open(nativeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

QString fileName(const QString &path)
{
    return QFileInfo(path).fileName();
}

}  // namespace

QString writeErrorText(const WriteError &e)
{
    const QString name = fileName(e.path);
    switch (e.kind) {
    case WriteError::None:
        return QString();
    case WriteError::FolderMissing:
        return QStringLiteral("'%1'을(를) 저장할 폴더가 없습니다: %2").arg(name, QFileInfo(e.path).absolutePath());
    case WriteError::ReadOnlyFolder:
        return QStringLiteral("폴더가 읽기 전용이라 '%1'을(를) 쓸 수 없습니다: %2")
            .arg(name, QFileInfo(e.path).absolutePath());
    case WriteError::ReadOnlyFile:
        return QStringLiteral("'%1' 파일이 읽기 전용입니다.").arg(name);
    case WriteError::NotAFile:
        return QStringLiteral("'%1' 자리에 폴더가 있어 파일을 쓸 수 없습니다.").arg(name);
    case WriteError::DiskFull:
        return QStringLiteral("디스크에 빈 자리가 없어 '%1'을(를) 다 쓰지 못했습니다.").arg(name);
    case WriteError::TooLarge:
        return QStringLiteral("파일 크기 제한에 걸려 '%1'을(를) 다 쓰지 못했습니다.").arg(name);
    case WriteError::OtherCopy:
        return QStringLiteral("다른 도미솔게임 창이 이 자료 폴더를 쓰고 있어, 이 창에서는 저장할 수 없습니다.");
    case WriteError::Other:
        break;
    }
    return QStringLiteral("'%1'을(를) 쓰지 못했습니다 (%2).")
        .arg(name, QString::fromLocal8Bit(std::strerror(e.code)));
}

WriteError checkReplaceable(const QString &path)
{
    const QFileInfo info(path);
    const QFileInfo folder(info.absolutePath());
    if (!folder.exists() || !folder.isDir())
        return WriteError{WriteError::FolderMissing, path, ENOENT};
    if (!(folder.permissions() & QFileDevice::WriteOwner))
        return WriteError{WriteError::ReadOnlyFolder, path, EACCES};
    if (info.exists() || info.isSymLink()) {
        if (!info.isFile())
            return WriteError{WriteError::NotAFile, path, EISDIR};
        if (!(info.permissions() & QFileDevice::WriteOwner))
            return WriteError{WriteError::ReadOnlyFile, path, EACCES};
    }
    return {};
}

bool isTemporaryOf(const QString &name, const QString &target)
{
    static const QRegularExpression suffix(QStringLiteral("^\\.[A-Za-z0-9]{6}$"));
    return name.size() == target.size() + 7 && name.startsWith(target)
           && suffix.match(QStringView(name).mid(target.size())).hasMatch();
}

FileBatch::~FileBatch()
{
    discard();
}

void FileBatch::discard()
{
    for (const Pending &p : m_pending)
        ::unlink(nativeName(p.temp).constData());
    m_pending.clear();
}

bool FileBatch::add(const QString &path, const QByteArray &bytes)
{
    if (m_error.failed())
        return false;
    m_error = checkReplaceable(path);
    if (m_error.failed()) {
        discard();
        return false;
    }
    // The new file keeps the old one's permissions.
    mode_t mode = 0644;
    struct stat old {};
    if (::stat(nativeName(path).constData(), &old) == 0)
        mode = old.st_mode & 07777;

    QByteArray name = nativeName(path) + ".XXXXXX";
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) {
        m_error = systemError(path, errno);
        discard();
        return false;
    }
    m_pending.push_back({path, QFile::decodeName(name)});
    int code = writeWhole(fd, bytes);
    struct stat written {};
    if (code == 0 && (::fstat(fd, &written) != 0 || written.st_size != bytes.size()))
        code = ENOSPC;  // less reached the file than was written
    if (code == 0 && ::fchmod(fd, mode) != 0)
        code = errno;
    if (code == 0 && ::fsync(fd) != 0)
        code = errno;
    if (::close(fd) != 0 && code == 0)
        code = errno;
    if (code != 0) {
        m_error = systemError(path, code);
        if (m_error.kind == WriteError::ReadOnlyFolder)
            m_error.kind = WriteError::Other;  // the temporary was made: not a folder matter
        discard();
        return false;
    }
    return true;
}

bool FileBatch::commit()
{
    if (m_error.failed())
        return false;
    QSet<QString> folders;
    for (std::size_t i = 0; i < m_pending.size(); ++i) {
        const Pending &p = m_pending[i];
        if (::rename(nativeName(p.temp).constData(), nativeName(p.target).constData()) != 0) {
            m_error = systemError(p.target, errno);
            m_pending.erase(m_pending.begin(), m_pending.begin() + qsizetype(i));
            discard();
            return false;
        }
        folders.insert(QFileInfo(p.target).absolutePath());
    }
    m_pending.clear();
    for (const QString &folder : folders)
        syncFolder(folder);
    return true;
}
