// A set exported as one zip and imported back byte for byte, Korean names
// intact; and hostile archives, made here with libzip, each refused with
// nothing written.
#include "data/set_archive.h"
#include "tests/set_fixture.h"
#include "widgets/picture_files.h"

#include <sys/stat.h>
#include <zip.h>

namespace {

enum class Kind { File, Folder, Link, Encrypted };

struct Entry {
    QByteArray name;  // raw bytes, as stored in the archive
    QByteArray bytes;
    Kind kind = Kind::File;
};

// Writes entries as a zip at path through libzip.
bool makeZip(const QString &path, const QList<Entry> &entries)
{
    int error = 0;
    zip_t *z = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!z)
        return false;
    bool ok = true;
    for (const Entry &e : entries) {
        if (e.kind == Kind::Folder) {
            ok &= zip_dir_add(z, e.name.constData(), ZIP_FL_ENC_GUESS) >= 0;
            continue;
        }
        zip_source_t *src = zip_source_buffer(z, e.bytes.constData(), zip_uint64_t(e.bytes.size()), 0);
        const zip_int64_t i = zip_file_add(z, e.name.constData(), src, ZIP_FL_ENC_GUESS);
        ok &= i >= 0;
        if (i >= 0 && e.kind == Kind::Link)
            ok &= zip_file_set_external_attributes(z, zip_uint64_t(i), 0, ZIP_OPSYS_UNIX,
                                                   zip_uint32_t(S_IFLNK | 0777) << 16) == 0;
        if (i >= 0 && e.kind == Kind::Encrypted)
            ok &= zip_file_set_encryption(z, zip_uint64_t(i), ZIP_EM_AES_256, "secret") == 0;
    }
    return zip_close(z) == 0 && ok;
}

Entry file(const char *name, const QByteArray &bytes)
{
    return {QByteArray(name), bytes};
}

const QByteArray kQuiz("\xb9\xab\xc1\xf6\xb0\xb3;7\r\n\r\n");
const QByteArray kPictures("1.jpg;\xc7\xcf\xb4\xc3\r\n\r\n");

// A well-formed set in folder "세트/", then the hostile entries.
QList<Entry> setWith(QList<Entry> extra)
{
    QList<Entry> all{{"세트/", {}, Kind::Folder}, file("세트/Quiz.qdf", kQuiz), file("세트/BIP.QDF", kPictures),
                     {"세트/img/", {}, Kind::Folder}, file("세트/img/1.jpg", pictureBytes("JPG"))};
    return all + extra;
}

}  // namespace

class TestSetArchive : public QObject {
    Q_OBJECT
private slots:
    void roundTrip();
    void topLevelFilesAndWindowsNames();
    void hostileArchives_data();
    void hostileArchives();
    void exportFailureWritesNothing();
};

void TestSetArchive::roundTrip()
{
    SetFixture f;
    const QString name = QStringLiteral("주일학교 3월 첫째 주");
    QVERIFY(f.sets.create(kDefaultSetName, name).ok);
    const QString zip = f.root.path() + QStringLiteral("/") + name + QStringLiteral(".zip");
    const SetOutcome exported = exportSet(f.sets.folderOf(name), name, zip, isReadablePicture);
    QVERIFY2(exported.ok, qPrintable(exported.message));

    // Another teacher's machine: a data folder with only the default set.
    SetFixture other;
    QString imported;
    const SetOutcome in = importSet(zip, other.sets, isReadablePicture, &imported);
    QVERIFY2(in.ok, qPrintable(in.message));
    QCOMPARE(imported, name);
    QCOMPARE(readSetFiles(other.sets.folderOf(name)), f.defaults);
    QVERIFY(QFileInfo::exists(other.sets.folderOf(name) + QStringLiteral("img/바벨탑.png")));

    // Again: a second set beside the first, the name numbered.
    QVERIFY(importSet(zip, other.sets, isReadablePicture, &imported).ok);
    QCOMPARE(imported, name + QStringLiteral(" (2)"));
    QCOMPARE(readSetFiles(other.sets.folderOf(imported)), f.defaults);

    // The default set travels under its own name and comes back numbered.
    const QString defaultZip = f.root.path() + QStringLiteral("/기본.zip");
    QVERIFY(exportSet(f.data, kDefaultSetName, defaultZip, isReadablePicture).ok);
    QVERIFY(importSet(defaultZip, other.sets, isReadablePicture, &imported).ok);
    QCOMPARE(imported, QStringLiteral("기본 세트 (2)"));
    QCOMPARE(readSetFiles(other.sets.folderOf(imported)), f.defaults);
}

void TestSetArchive::topLevelFilesAndWindowsNames()
{
    // Files zipped without their folder, the picture's name in the Korean
    // Windows code page (바벨 in CP949): the set is named after the zip file.
    SetFixture f;
    const QString zip = f.root.path() + QStringLiteral("/수요 예배.zip");
    const QByteArray picture = pictureBytes("BMP");
    QVERIFY(makeZip(zip, {file("Quiz.qdf", kQuiz), file("BIP.QDF", kPictures),
                          file("img/\xb9\xd9\xba\xa7.bmp", picture)}));
    QString name;
    const SetOutcome in = importSet(zip, f.sets, isReadablePicture, &name);
    QVERIFY2(in.ok, qPrintable(in.message));
    QCOMPARE(name, QStringLiteral("수요 예배"));
    QCOMPARE(readAll(f.sets.folderOf(name) + QStringLiteral("img/바벨.bmp")), picture);
}

void TestSetArchive::hostileArchives_data()
{
    QTest::addColumn<QList<Entry>>("entries");
    QTest::addColumn<QString>("why");  // a part of the message
    const QByteArray png = pictureBytes("PNG");
    QTest::newRow("zip-slip ../") << setWith({file("세트/../../evil.sh", "x")}) << QStringLiteral("밖을 가리키는");
    QTest::newRow("zip-slip through img") << setWith({file("세트/img/../../../x.jpg", png)})
                                          << QStringLiteral("밖을 가리키는");
    QTest::newRow("absolute path") << setWith({file("/tmp/evil.jpg", png)}) << QStringLiteral("절대 경로");
    QTest::newRow("drive letter") << setWith({file("C:/evil.jpg", png)}) << QStringLiteral("절대 경로");
    QTest::newRow("backslashes") << setWith({file("세트\\..\\evil.jpg", png)}) << QStringLiteral("이름이 잘못된");
    QTest::newRow("link as a picture") << setWith({{"세트/img/2.jpg", "/etc/passwd", Kind::Link}})
                                       << QStringLiteral("링크");
    QTest::newRow("link as the quiz file")
        << QList<Entry>{{"세트/Quiz.qdf", "/etc/passwd", Kind::Link}, file("세트/BIP.QDF", kPictures)}
        << QStringLiteral("링크");
    QTest::newRow("encrypted") << setWith({{"세트/img/2.jpg", png, Kind::Encrypted}}) << QStringLiteral("암호");
    QTest::newRow("a program") << setWith({file("세트/run.sh", "#!/bin/sh\n")}) << QStringLiteral("들어갈 수 없는");
    QTest::newRow("a folder in img") << setWith({file("세트/img/more/2.png", png)}) << QStringLiteral("들어갈 수 없는");
    QTest::newRow("another folder") << setWith({file("다른/BIP.QDF", kPictures)}) << QStringLiteral("세트 폴더 밖");
    QTest::newRow("quiz file in other capitals")
        << QList<Entry>{file("세트/quiz.qdf", kQuiz), file("세트/BIP.QDF", kPictures)} << QStringLiteral("Quiz.qdf");
    QTest::newRow("no picture file") << QList<Entry>{file("세트/Quiz.qdf", kQuiz)} << QStringLiteral("BIP.QDF");
    QTest::newRow("picture that is text") << setWith({file("세트/img/2.jpg", "GIF89a, not really")})
                                          << QStringLiteral("그림으로 읽을 수 없는");
    QTest::newRow("picture cut short") << setWith({file("세트/img/2.png", png.left(40))})
                                       << QStringLiteral("그림으로 읽을 수 없는");
    QList<Entry> many;
    for (int i = 0; i < kMaxArchiveEntries; ++i)
        many << file(qPrintable(QStringLiteral("세트/img/%1.png").arg(i)), png);
    QTest::newRow("bomb: too many entries") << setWith(many) << QStringLiteral("항목이 너무 많습니다");
    QTest::newRow("bomb: a huge picture") << setWith({file("세트/img/2.bmp", QByteArray(kMaxPictureBytes + 1, 0))})
                                          << QStringLiteral("너무 큰");
    QTest::newRow("bomb: a huge quiz file")
        << QList<Entry>{file("세트/Quiz.qdf", QByteArray(kMaxDataFileBytes + 1, ';')), file("세트/BIP.QDF", kPictures)}
        << QStringLiteral("너무 큰");
    QList<Entry> heavy;
    const QByteArray fifteen(15 << 20, 0);
    for (int i = 0; i * fifteen.size() <= kMaxSetBytes; ++i)
        heavy << file(qPrintable(QStringLiteral("세트/img/%1.bmp").arg(i)), fifteen);
    QTest::newRow("bomb: too many bytes in all") << setWith(heavy) << QStringLiteral("MB가 넘습니다");
}

void TestSetArchive::hostileArchives()
{
    QFETCH(QList<Entry>, entries);
    QFETCH(QString, why);
    SetFixture f;
    QTemporaryDir elsewhere;
    const QString zip = elsewhere.path() + QStringLiteral("/hostile.zip");
    QVERIFY(makeZip(zip, entries));
    const auto before = listing(f.root.path());
    const auto zipFolderBefore = listing(elsewhere.path());

    const SetOutcome in = importSet(zip, f.sets, isReadablePicture);
    QVERIFY(!in.ok);
    QVERIFY2(in.message.contains(why), qPrintable(in.message));
    QVERIFY(in.message.startsWith(QStringLiteral("이 파일은 도미솔게임 퀴즈 세트가 아니어서")));
    QCOMPARE(listing(f.root.path()), before);
    QCOMPARE(listing(elsewhere.path()), zipFolderBefore);
    QCOMPARE(f.sets.names(), QStringList{kDefaultSetName});
}

void TestSetArchive::exportFailureWritesNothing()
{
    SetFixture f;
    const auto before = listing(f.root.path());
    const SetOutcome out = exportSet(f.data, kDefaultSetName, f.root.path() + QStringLiteral("/no/folder/x.zip"),
                                     isReadablePicture);
    QVERIFY(!out.ok);
    QVERIFY2(out.message.startsWith(QStringLiteral("'기본 세트' 세트를 내보내지 못했습니다.")), qPrintable(out.message));
    QCOMPARE(listing(f.root.path()), before);

    // Not a zip at all.
    const QString text = f.root.path() + QStringLiteral("/letter.zip");
    QVERIFY(writeAll(text, "Dear teacher"));
    const auto withText = listing(f.root.path());
    const SetOutcome in = importSet(text, f.sets, isReadablePicture);
    QVERIFY(!in.ok);
    QVERIFY2(in.message.contains(QStringLiteral("zip 파일로 읽을 수 없습니다")), qPrintable(in.message));
    QCOMPARE(listing(f.root.path()), withText);
}

QTEST_MAIN(TestSetArchive)
#include "test_set_archive.moc"
