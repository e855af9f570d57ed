#include "data/set_archive.h"

#include "data/cp949.h"
#include "data/datafiles.h"
#include "data/zip_api.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>

#include <sys/stat.h>

#include <memory>

namespace {

// The library, once exportSet or importSet has found it.
const ZipApi &Z()
{
    return *zipApi();
}

const QString kNoZipLibrary = QStringLiteral("zip 파일을 다루는 라이브러리(libzip)를 불러오지 못했습니다.");

struct ZipCloser {
    void operator()(zip_t *z) const { Z().discard(z); }
};
using ZipPtr = std::unique_ptr<zip_t, ZipCloser>;

struct ZipFileCloser {
    void operator()(zip_file_t *f) const { Z().fclose(f); }
};

SetOutcome refused(const QString &why)
{
    return SetOutcome::failure(QStringLiteral("이 파일은 도미솔게임 퀴즈 세트가 아니어서 가져오지 않았습니다.\n\n")
                               + why);
}

// Entry names are UTF-8 (our archives, and any with the UTF-8 flag); names in
// the Korean Windows code page are read as CP949.
QString entryName(const char *raw)
{
    const QByteArray bytes(raw);
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString name = utf8(bytes);
    return utf8.hasError() ? decodeCp949(bytes) : name;
}

bool isLink(zip_t *z, zip_uint64_t i)
{
    zip_uint8_t opsys = 0;
    zip_uint32_t attributes = 0;
    if (Z().file_get_external_attributes(z, i, 0, &opsys, &attributes) != 0)
        return false;
    if (opsys == ZIP_OPSYS_UNIX)
        return S_ISLNK(attributes >> 16);
    constexpr zip_uint32_t kReparsePoint = 0x400;  // a Windows link or junction
    return opsys == ZIP_OPSYS_DOS && (attributes & kReparsePoint);
}

qint64 limitFor(const QString &path)
{
    return path.startsWith(kPictureFolder) ? kMaxPictureBytes : kMaxDataFileBytes;
}

QString megabytes(qint64 bytes)
{
    return QString::number(bytes >> 20);
}

// Checks one entry name and returns its path inside the set ("Quiz.qdf",
// "img/1.jpg", "img/", or "" for the set folder itself).
std::optional<QString> placeInSet(const QString &name, const QString &prefix, SetOutcome *why)
{
    if (name.startsWith(QLatin1Char('/')) || (name.size() > 1 && name.at(1) == QLatin1Char(':')))
        return *why = refused(QStringLiteral("절대 경로로 된 항목이 있습니다: %1").arg(name)), std::nullopt;
    const QStringList parts = name.split(QLatin1Char('/'));
    for (int k = 0; k < parts.size(); ++k) {
        const QString &p = parts.at(k);
        if (p == QLatin1String(".."))
            return *why = refused(QStringLiteral("세트 폴더 밖을 가리키는 항목이 있습니다: %1").arg(name)), std::nullopt;
        const bool lastOfFolder = k == parts.size() - 1 && k > 0;  // "a/" ends in an empty part
        if ((p.isEmpty() && !lastOfFolder) || p == QLatin1String(".") || p.contains(QLatin1Char('\\'))
            || p.contains(QChar(0)))
            return *why = refused(QStringLiteral("이름이 잘못된 항목이 있습니다: %1").arg(name)), std::nullopt;
    }
    if (!name.startsWith(prefix))
        return *why = refused(QStringLiteral("세트 폴더 밖의 항목이 있습니다: %1").arg(name)), std::nullopt;
    const QString inner = name.mid(prefix.size());
    if (inner.isEmpty() || inner == kPictureFolder || isSetFilePath(inner))
        return inner;
    return *why = refused(QStringLiteral("세트에 들어갈 수 없는 항목이 있습니다: %1\n"
                                         "(Quiz.qdf, BIP.QDF와 img 폴더의 그림만 들어갈 수 있습니다.)")
                              .arg(name)),
           std::nullopt;
}

// Reads at most limit bytes of entry i; nothing when it holds more or is damaged.
std::optional<QByteArray> readEntry(zip_t *z, zip_uint64_t i, qint64 limit)
{
    std::unique_ptr<zip_file_t, ZipFileCloser> f(Z().fopen_index(z, i, 0));
    if (!f)
        return std::nullopt;
    QByteArray bytes;
    char chunk[1 << 16];
    for (;;) {
        const zip_int64_t n = Z().fread(f.get(), chunk, sizeof chunk);
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            return bytes;
        if (bytes.size() + n > limit)
            return std::nullopt;
        bytes.append(chunk, qsizetype(n));
    }
}

}  // namespace

SetOutcome checkSetFiles(const QList<SetFile> &files, const IsPicture &isPicture)
{
    bool quiz = false, pictureLines = false;
    int pictures = 0;
    qint64 total = 0;
    QSet<QString> seen;
    for (const SetFile &f : files) {
        if (!isSetFilePath(f.first))
            return refused(QStringLiteral("세트에 들어갈 수 없는 항목이 있습니다: %1").arg(f.first));
        if (seen.contains(f.first))
            return refused(QStringLiteral("같은 이름의 항목이 두 번 들어 있습니다: %1").arg(f.first));
        seen.insert(f.first);
        if (f.second.size() > limitFor(f.first))
            return refused(QStringLiteral("풀었을 때 너무 큰 항목이 있습니다: %1").arg(f.first));
        total += f.second.size();
        quiz |= f.first == kQuizFileName;
        pictureLines |= f.first == kPictureFileName;
        if (f.first.startsWith(kPictureFolder)) {
            if (++pictures > kMaxSetPictures)
                return refused(QStringLiteral("그림이 너무 많습니다. 세트 하나에는 그림이 %1개까지 들어갈 수 있습니다.")
                                   .arg(kMaxSetPictures));
            if (!isPicture || !isPicture(f.second))
                return refused(QStringLiteral("그림으로 읽을 수 없는 파일이 있습니다: %1").arg(f.first));
        }
    }
    if (total > kMaxSetBytes)
        return refused(QStringLiteral("풀었을 때 %1MB가 넘습니다. 세트 하나는 %2MB까지입니다.")
                           .arg(megabytes(total), megabytes(kMaxSetBytes)));
    if (!quiz || !pictureLines)
        return refused(QStringLiteral("세트에 꼭 있어야 할 Quiz.qdf와 BIP.QDF가 없습니다."));
    return {};
}

SetOutcome exportSet(const QString &setFolder, const QString &setName, const QString &zipPath,
                     const IsPicture &isPicture)
{
    const auto failed = [&setName](const QString &why) {
        return SetOutcome::failure(QStringLiteral("'%1' 세트를 내보내지 못했습니다.\n\n%2").arg(setName, why));
    };
    if (!zipApi())
        return failed(kNoZipLibrary);
    QList<SetFile> files;
    for (const QString &p : setFilePaths(setFolder)) {
        QFile in(setFolder + p);
        if (!in.open(QIODevice::ReadOnly))
            return failed(QStringLiteral("파일을 읽을 수 없습니다: %1").arg(p));
        QByteArray bytes = in.readAll();
        if (p.startsWith(kPictureFolder) && isPicture && !isPicture(bytes))
            continue;  // nothing the board could show
        files.append({p, std::move(bytes)});
    }
    const SetOutcome fits = checkSetFiles(files, isPicture);
    if (!fits.ok)
        return failed(fits.message.section(QLatin1String("\n\n"), 1));

    int error = 0;
    ZipPtr z(Z().open(QFile::encodeName(zipPath).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error));
    if (!z)
        return failed(QStringLiteral("파일을 만들 수 없습니다: %1").arg(zipPath));
    const QString top = setName + QLatin1Char('/');
    for (const QString &dir : {top, top + kPictureFolder})
        if (Z().dir_add(z.get(), dir.toUtf8().constData(), ZIP_FL_ENC_UTF_8) < 0)
            return failed(QString::fromUtf8(Z().strerror(z.get())));
    for (const SetFile &f : files) {
        // files outlives the archive's close, so the buffers need no copy.
        zip_source_t *src = Z().source_buffer(z.get(), f.second.constData(), zip_uint64_t(f.second.size()), 0);
        if (!src)
            return failed(QString::fromUtf8(Z().strerror(z.get())));
        if (Z().file_add(z.get(), (top + f.first).toUtf8().constData(), src, ZIP_FL_ENC_UTF_8) < 0) {
            Z().source_free(src);
            return failed(QString::fromUtf8(Z().strerror(z.get())));
        }
    }
    // libzip writes a temporary file beside zipPath and renames it at the close.
    if (Z().close(z.get()) != 0)
        return failed(QStringLiteral("파일을 쓰지 못했습니다: %1\n(%2)")
                          .arg(zipPath, QString::fromUtf8(Z().strerror(z.get()))));
    (void)z.release();
    return {};
}

SetOutcome importSet(const QString &zipPath, QuizSets &sets, const IsPicture &isPicture, QString *newName)
{
    if (!zipApi())
        return SetOutcome::failure(QStringLiteral("세트를 가져오지 못했습니다.\n\n") + kNoZipLibrary);
    int error = 0;
    ZipPtr z(Z().open(QFile::encodeName(zipPath).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &error));
    if (!z)
        return refused(QStringLiteral("zip 파일로 읽을 수 없습니다: %1").arg(QFileInfo(zipPath).fileName()));
    const zip_int64_t count = Z().get_num_entries(z.get(), 0);
    if (count > kMaxArchiveEntries)
        return refused(QStringLiteral("항목이 너무 많습니다 (%1개). 세트 하나에는 %2개까지 들어갈 수 있습니다.")
                           .arg(count)
                           .arg(kMaxArchiveEntries));

    QStringList names;
    for (zip_int64_t i = 0; i < count; ++i) {
        const char *raw = Z().get_name(z.get(), zip_uint64_t(i), ZIP_FL_ENC_RAW);
        if (!raw)
            return refused(QStringLiteral("손상된 항목이 있습니다."));
        names << entryName(raw);
    }
    // The set folder is whatever holds Quiz.qdf: the top, or one folder.
    std::optional<QString> found;
    for (const QString &n : names)
        if (n == kQuizFileName || (n.endsWith(QLatin1Char('/') + kQuizFileName) && n.count(QLatin1Char('/')) == 1)) {
            found = n.left(n.size() - kQuizFileName.size());
            break;
        }
    if (!found)
        return refused(QStringLiteral("세트에 꼭 있어야 할 Quiz.qdf가 없습니다."));
    const QString prefix = *found;

    QList<SetFile> files;
    qint64 declared = 0, unpacked = 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        const QString &name = names.at(i);
        SetOutcome why;
        const auto inner = placeInSet(name, prefix, &why);
        if (!inner)
            return why;
        if (isLink(z.get(), zip_uint64_t(i)))
            return refused(QStringLiteral("링크가 들어 있습니다: %1").arg(name));
        zip_stat_t st;
        Z().stat_init(&st);
        if (Z().stat_index(z.get(), zip_uint64_t(i), 0, &st) != 0)
            return refused(QStringLiteral("손상된 항목이 있습니다: %1").arg(name));
        if ((st.valid & ZIP_STAT_ENCRYPTION_METHOD) && st.encryption_method != ZIP_EM_NONE)
            return refused(QStringLiteral("암호가 걸린 항목이 있습니다: %1").arg(name));
        const bool folder = inner->isEmpty() || inner->endsWith(QLatin1Char('/'));
        const qint64 size = (st.valid & ZIP_STAT_SIZE) ? qint64(std::min<zip_uint64_t>(st.size, 1ull << 62)) : 0;
        if (folder) {
            if (size != 0)
                return refused(QStringLiteral("이름이 잘못된 항목이 있습니다: %1").arg(name));
            continue;
        }
        // Sizes as the archive declares them, before anything is unpacked.
        declared += size;
        if (size > limitFor(*inner))
            return refused(QStringLiteral("풀었을 때 너무 큰 항목이 있습니다: %1").arg(name));
        if (declared > kMaxSetBytes)
            return refused(QStringLiteral("풀었을 때 %1MB가 넘습니다. 세트 하나는 %2MB까지입니다.")
                               .arg(megabytes(declared), megabytes(kMaxSetBytes)));
        files.append({*inner, {}});
        // An archive may lie about sizes: never unpack past the limit.
        auto bytes = readEntry(z.get(), zip_uint64_t(i), limitFor(*inner));
        unpacked += bytes ? bytes->size() : 0;
        if (!bytes || unpacked > kMaxSetBytes)
            return refused(QStringLiteral("손상되었거나 풀었을 때 너무 큰 항목이 있습니다: %1").arg(name));
        files.last().second = std::move(*bytes);
    }
    const SetOutcome fits = checkSetFiles(files, isPicture);
    if (!fits.ok)
        return fits;

    const QString folderName = prefix.isEmpty() ? QFileInfo(zipPath).completeBaseName() : prefix.chopped(1);
    const QString name = sets.freeName(folderName);
    const SetOutcome added = sets.addSet(name, files);
    if (added.ok && newName)
        *newName = name;
    return added;
}
