// Saving never loses a teacher's work: a full disk, a file-size limit,
// read-only files and folders, foreign bytes, leftovers of a killed save and
// a second copy of the program on the same folder.
#include "core/shared_state.h"
#include "data/cp949.h"
#include "data/data_folder.h"
#include "data/datafiles.h"
#include "tests/file_io.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// Ten games of text in folder (with img/3.jpg), saved, loaded back.
Shared savedGames(const QString &folder)
{
    Shared s;
    s.App_Dir = folder + QLatin1Char('/');
    QDir(folder).mkdir(QStringLiteral("img"));
    for (int g = 0; g < 10; ++g) {
        for (int q = 0; q < 9; ++q)
            s.Quiz_Table[g][q] = QStringLiteral("게임%1 문제%2;답").arg(g).arg(q);
        s.Picture_Table[g] = QStringLiteral("%1.jpg;그림").arg(g + 1);
    }
    writeAll(s.App_Dir + QStringLiteral("img/3.jpg"), "old picture");
    if (saveGameFiles(s).failed())
        return {};
    Load_Quiz(s);
    return s;
}

// The files a save may touch, with their bytes.
QMap<QString, QByteArray> filesIn(const QString &folder)
{
    QMap<QString, QByteArray> files;
    for (const QString &sub : {QString(), QStringLiteral("img")}) {
        const QDir dir(folder + QLatin1Char('/') + sub);
        for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden))
            files.insert(sub + QLatin1Char('/') + name, readAll(dir.filePath(name)));
    }
    return files;
}

// A save of game 2 with a new question and picture.
WriteError saveEdit(Shared s)
{
    s.Quiz_Table[2][0] = QStringLiteral("새 문제;새 답");
    s.Picture_Table[2] = QStringLiteral("3.jpg;새 그림");
    return saveGameFiles(s, QStringLiteral("3.jpg"), QByteArray(3000, 'P'));
}

// A tmpfs of 64 KiB mounted on a fresh folder for the test's life.
struct SmallTmpfs {
    QTemporaryDir dir;
    bool mounted = false;
    SmallTmpfs()
    {
        mounted = ::mount("tmpfs", QFile::encodeName(dir.path()).constData(), "tmpfs", 0, "size=64k") == 0;
    }
    ~SmallTmpfs()
    {
        if (mounted)
            ::umount(QFile::encodeName(dir.path()).constData());
    }
    // Fills what is left with one file.
    void fill()
    {
        QFile f(dir.filePath("filler"));
        f.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        const QByteArray block(4096, 'x');
        while (f.write(block) == block.size()) {
        }
    }
};

}  // namespace

class TestSafeSaving : public QObject {
    Q_OBJECT
private slots:
    void fullDiskKeepsBothFiles_data();
    void fullDiskKeepsBothFiles();
    void bothFilesAndPictureOrNone_data();
    void bothFilesAndPictureOrNone();
    void missingPictureFolderIsMade();
    void foreignBytesOfUneditedLinesSurvive();
    void staleTemporariesOfOurNamingGo();
    void secondCopyOnlyReads();
};

void TestSafeSaving::fullDiskKeepsBothFiles_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("full tmpfs") << "tmpfs";
    QTest::newRow("file-size limit") << "rlimit";
}

void TestSafeSaving::fullDiskKeepsBothFiles()
{
    QFETCH(QString, how);
    SmallTmpfs fs;
    QTemporaryDir plain;
    QString folder = plain.path();
    if (how == QLatin1String("tmpfs")) {
        if (!fs.mounted)
            QSKIP("mounting a tmpfs needs root");
        folder = fs.dir.path();
    }
    const Shared s = savedGames(folder);
    QVERIFY(!s.App_Dir.isEmpty());
    const auto before = filesIn(folder);

    WriteError e;
    if (how == QLatin1String("tmpfs")) {
        fs.fill();
        e = saveEdit(s);
        QCOMPARE(e.kind, WriteError::DiskFull);
    } else {
        // Small enough for the data files to fail, as on a nearly full disk.
        rlimit old{};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &old), 0);
        rlimit small = old;
        small.rlim_cur = 2000;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        e = saveEdit(s);
        ::setrlimit(RLIMIT_FSIZE, &old);
        QCOMPARE(e.kind, WriteError::TooLarge);
    }
    QVERIFY(writeErrorText(e).contains(QFileInfo(e.path).fileName()));
    auto after = filesIn(folder);
    after.remove(QStringLiteral("/filler"));
    QCOMPARE(after, before);  // both files and the picture whole, no temporaries
}

void TestSafeSaving::bothFilesAndPictureOrNone_data()
{
    QTest::addColumn<QString>("blocked");  // made read-only, or a folder in its place
    QTest::addColumn<int>("kind");
    QTest::newRow("read-only Quiz.qdf") << "Quiz.qdf" << int(WriteError::ReadOnlyFile);
    QTest::newRow("read-only BIP.QDF") << "BIP.QDF" << int(WriteError::ReadOnlyFile);
    QTest::newRow("read-only picture") << "img/3.jpg" << int(WriteError::ReadOnlyFile);
    QTest::newRow("read-only data folder, even for root") << "." << int(WriteError::ReadOnlyFolder);
    QTest::newRow("read-only img folder") << "img" << int(WriteError::ReadOnlyFolder);
    QTest::newRow("a folder named Quiz.qdf") << "Quiz.qdf/" << int(WriteError::NotAFile);
}

void TestSafeSaving::bothFilesAndPictureOrNone()
{
    QFETCH(QString, blocked);
    QFETCH(int, kind);
    QTemporaryDir dir;
    const Shared s = savedGames(dir.path());
    const QString path = dir.filePath(blocked);
    if (blocked.endsWith(QLatin1Char('/'))) {
        QVERIFY(QFile::remove(path.chopped(1)));
        QVERIFY(QDir().mkdir(path));
    } else {
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ExeOwner));
    }
    const auto before = filesIn(dir.path());
    const WriteError e = saveEdit(s);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(int(e.kind), kind);
    QCOMPARE(filesIn(dir.path()), before);
    QVERIFY(!writeErrorText(e).isEmpty());
}

void TestSafeSaving::missingPictureFolderIsMade()
{
    QTemporaryDir dir;
    const Shared s = savedGames(dir.path());
    QVERIFY(QDir(dir.filePath("img")).removeRecursively());
    QVERIFY(!saveEdit(s).failed());
    QCOMPARE(readAll(dir.filePath("img/3.jpg")), QByteArray(3000, 'P'));
    Shared back;
    back.App_Dir = s.App_Dir;
    Load_Quiz(back);
    QCOMPARE(back.Picture_Table[2], QStringLiteral("3.jpg;새 그림"));
}

// Bytes that are not CP949 read as U+FFFD; the lines the teacher did not edit
// are written back as they were, not as "?".
void TestSafeSaving::foreignBytesOfUneditedLinesSurvive()
{
    QTemporaryDir dir;
    QByteArray quiz, pictures;
    for (int k = 0; k < 90; ++k)
        quiz += "q" + QByteArray::number(k) + "\xff\x80\xc9;a\r\n";
    for (int g = 0; g < 10; ++g)
        pictures += QByteArray::number(g + 1) + ".jpg;\x80\xfe\r\n";
    QVERIFY(writeAll(dir.filePath("Quiz.qdf"), quiz));
    QVERIFY(writeAll(dir.filePath("BIP.QDF"), pictures));
    Shared s;
    s.App_Dir = dir.path() + QLatin1Char('/');
    Load_Quiz(s);
    QVERIFY(s.Quiz_Table[5][0].contains(QChar(0xFFFD)));
    s.Quiz_Table[2][4] = QStringLiteral("고친 문제;답");
    QVERIFY(!saveGameFiles(s).failed());

    const QList<QByteArray> lines = readAll(dir.filePath("Quiz.qdf")).split('\n');
    const QList<QByteArray> old = quiz.split('\n');
    for (int k = 0; k < 90; ++k)
        QCOMPARE(lines.at(k), k == 22 ? encodeCp949(QStringLiteral("고친 문제;답")) + '\r' : old.at(k));
    QCOMPARE(readAll(dir.filePath("BIP.QDF")), pictures + "\r\n");
}

void TestSafeSaving::staleTemporariesOfOurNamingGo()
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("img"));
    const QStringList ours{"Quiz.qdf.AbC123", "BIP.QDF.x1y2z3", "img/3.jpg.Qq9w8e", "img/10.bmp.000000"};
    const QStringList teachers{"Quiz.qdf", "Quiz.qdf.bak", "Quiz.qdf.abc12", "notes.txt", "img/3.jpg",
                               "img/flower.jpg.abcdef", "img/11.jpg.abcdef"};
    for (const QString &name : ours + teachers)
        QVERIFY(writeAll(dir.filePath(name), "x"));
    QCOMPARE(removeStaleTemporaries(dir.path() + QLatin1Char('/')), int(ours.size()));
    for (const QString &name : ours)
        QVERIFY2(!QFile::exists(dir.filePath(name)), qPrintable(name));
    for (const QString &name : teachers)
        QVERIFY2(QFile::exists(dir.filePath(name)), qPrintable(name));
}

// Two program instances: the first holds the folder's lock; the second is
// told so, reads only and never overwrites the first one's save. Once the
// first is killed, its lock is stale and taken over.
void TestSafeSaving::secondCopyOnlyReads()
{
    QTemporaryDir dir;
    const Shared s = savedGames(dir.path());
    releaseDataFolder(dir.path());  // the save above claimed it for this process
    QProcess first;
    first.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--hold-lock"), dir.path()});
    QVERIFY(first.waitForReadyRead(30000));
    QCOMPARE(first.readLine().trimmed(), QByteArray("owned"));

    QCOMPARE(claimDataFolder(dir.path()), FolderClaim::OtherCopy);
    const auto before = filesIn(dir.path());
    const WriteError e = saveEdit(s);
    QCOMPARE(e.kind, WriteError::OtherCopy);
    QCOMPARE(filesIn(dir.path()), before);
    QCOMPARE(claimDataFolder(dir.path()), FolderClaim::OtherCopy);  // stays read-only

    first.kill();
    QVERIFY(first.waitForFinished(30000));
    QVERIFY(QFile::exists(dir.filePath("domisol.lock")));  // left by the killed copy
    releaseDataFolder(dir.path());
    QCOMPARE(claimDataFolder(dir.path()), FolderClaim::Owned);
    QVERIFY(!saveEdit(s).failed());
    releaseDataFolder(dir.path());
}

int main(int argc, char **argv)
{
    // A write past the file-size limit must fail, not end the process.
    std::signal(SIGXFSZ, SIG_IGN);
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--hold-lock") == 0) {
        // The other copy of the program: holds the folder until killed.
        const bool owned = claimDataFolder(QString::fromLocal8Bit(argv[2])) == FolderClaim::Owned;
        std::printf("%s\n", owned ? "owned" : "refused");
        std::fflush(stdout);
        for (;;)
            ::pause();
    }
    TestSafeSaving t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_safe_saving.moc"
