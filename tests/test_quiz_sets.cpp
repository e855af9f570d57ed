// Quiz sets on disk: made, renamed and deleted; the names a set may have; and
// where the sets live when the program's folder cannot be written.
#include "core/shared_state.h"
#include "data/current_set.h"
#include "data/quiz_sets.h"
#include "tests/set_fixture.h"

#include <QSettings>

#include <unistd.h>

class TestQuizSets : public QObject {
    Q_OBJECT
private slots:
    void makeRenameDelete();
    void defaultSetStays();
    void names_data();
    void names();
    void refusedNameWritesNothing();
    void freeNames_data();
    void freeNames();
    void dataFolderChoice_data();
    void dataFolderChoice();
    void firstStartCopiesTheDefaultSet();
    void readOnlyProgramFolder();
    void lastSetOpens_data();
    void lastSetOpens();
};

void TestQuizSets::makeRenameDelete()
{
    SetFixture f;
    const QString name = QStringLiteral("주일학교 3월 첫째 주");
    QVERIFY(f.sets.create(kDefaultSetName, name).ok);
    QCOMPARE(f.sets.names(), (QStringList{kDefaultSetName, name}));
    QCOMPARE(f.sets.folderOf(name), f.data + QStringLiteral("sets/") + name + QLatin1Char('/'));
    QCOMPARE(readSetFiles(f.sets.folderOf(name)), readSetFiles(f.data));
    QCOMPARE(QFileInfo(f.sets.folderOf(name)).permissions(), QFileInfo(f.data + kPictureFolder).permissions());

    // A copy of a copy, then the first one renamed: the bytes go along.
    QVERIFY(f.sets.create(name, QStringLiteral("가을 소풍")).ok);
    const QString renamed = QStringLiteral("3월 둘째 주");
    QVERIFY(f.sets.rename(name, renamed).ok);
    QVERIFY(!f.sets.exists(name));
    QCOMPARE(f.sets.names(), (QStringList{kDefaultSetName, renamed, QStringLiteral("가을 소풍")}));
    QCOMPARE(readSetFiles(f.sets.folderOf(renamed)), f.defaults);

    QVERIFY(f.sets.remove(renamed).ok);
    QCOMPARE(f.sets.names(), (QStringList{kDefaultSetName, QStringLiteral("가을 소풍")}));
    QVERIFY(!QFileInfo::exists(f.data + QStringLiteral("sets/") + renamed));
    // No staging or trash folder stays behind.
    QCOMPARE(QDir(f.data + kSetsFolder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("가을 소풍")});
    QCOMPARE(readSetFiles(f.data), f.defaults);
}

void TestQuizSets::defaultSetStays()
{
    SetFixture f;
    const SetOutcome removed = f.sets.remove(kDefaultSetName);
    QVERIFY(!removed.ok);
    QCOMPARE(removed.message, QStringLiteral("기본 세트는 지울 수 없습니다."));
    QVERIFY(!f.sets.rename(kDefaultSetName, QStringLiteral("새 이름")).ok);
    QVERIFY(!f.sets.remove(QStringLiteral("없는 세트")).ok);
    // A name reaching out of the sets folder names no set.
    QVERIFY(!f.sets.remove(QStringLiteral("../data")).ok);
    QVERIFY(f.sets.folderOf(QStringLiteral("..")).isEmpty());
    QCOMPARE(readSetFiles(f.data), f.defaults);
}

void TestQuizSets::names_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("problem");  // a part of the message; empty: accepted
    const QString chars = QStringLiteral("쓸 수 없습니다");
    QTest::newRow("Hangul with spaces") << QStringLiteral("주일학교 3월 첫째 주") << QString();
    QTest::newRow("Latin, digits, brackets") << QStringLiteral("Moses & 다윗 (2) [5학년]") << QString();
    QTest::newRow("forty syllables") << QString(40, QChar(0xAC00)) << QString();
    QTest::newRow("empty") << QString() << QStringLiteral("이름을 써 주세요");
    QTest::newRow("only blanks") << QStringLiteral("   ") << QStringLiteral("이름을 써 주세요");
    QTest::newRow("forty-one syllables") << QString(41, QChar(0xAC00)) << QStringLiteral("40글자까지");
    for (const char *c : {"/", "\\", ":", "*", "?", "\"", "<", ">", "|", "\t"})
        QTest::addRow("contains %s", c) << QStringLiteral("3월%1주").arg(QString::fromLatin1(c)) << chars;
    QTest::newRow("dot") << QStringLiteral(".") << QStringLiteral("마침표");
    QTest::newRow("dot dot") << QStringLiteral("..") << QStringLiteral("마침표");
    QTest::newRow("hidden") << QStringLiteral(".숨김") << QStringLiteral("마침표");
    QTest::newRow("trailing dot") << QStringLiteral("끝.") << QStringLiteral("마침표");
    QTest::newRow("device name") << QStringLiteral("con") << QStringLiteral("폴더 이름으로 쓸 수 없습니다");
    QTest::newRow("the default set's") << kDefaultSetName << QStringLiteral("이미 있습니다");
    QTest::newRow("taken, other capitals") << QStringLiteral("QUIZ a") << QStringLiteral("이미 있습니다");
    // 한 typed as decomposed jamo (a Mac's file names) is the same name.
    QTest::newRow("taken, decomposed Hangul") << QStringLiteral("\u1112\u1161\u11AB") << QStringLiteral("이미 있습니다");
}

void TestQuizSets::names()
{
    QFETCH(QString, name);
    QFETCH(QString, problem);
    SetFixture f;
    QVERIFY(f.sets.create(kDefaultSetName, QStringLiteral("quiz A")).ok);
    QVERIFY(f.sets.create(kDefaultSetName, QStringLiteral("한")).ok);
    const auto found = f.sets.nameProblem(name);
    if (problem.isEmpty()) {
        QVERIFY2(!found, qPrintable(found.value_or(QString())));
        QVERIFY(f.sets.create(kDefaultSetName, name).ok);
        QVERIFY(f.sets.exists(tidySetName(name)));
    } else {
        QVERIFY(found);
        QVERIFY2(found->contains(problem), qPrintable(*found));
    }
}

void TestQuizSets::refusedNameWritesNothing()
{
    SetFixture f;
    const auto before = listing(f.root.path());
    for (const QString &bad : {QStringLiteral("../밖"), QStringLiteral("a/b"), kDefaultSetName}) {
        const SetOutcome made = f.sets.create(kDefaultSetName, bad);
        QVERIFY(!made.ok);
        QVERIFY(!made.message.isEmpty());
    }
    QCOMPARE(listing(f.root.path()), before);
}

void TestQuizSets::freeNames_data()
{
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<QString>("free");
    QTest::newRow("free as it is") << QStringLiteral("여름 성경학교") << QStringLiteral("여름 성경학교");
    QTest::newRow("taken: numbered") << QStringLiteral("3월") << QStringLiteral("3월 (3)");
    QTest::newRow("the default set's") << kDefaultSetName << QStringLiteral("기본 세트 (2)");
    QTest::newRow("unfit characters") << QStringLiteral("a:b/c") << QStringLiteral("a_b_c");
    QTest::newRow("hidden") << QStringLiteral("..숨김") << QStringLiteral("숨김");
    QTest::newRow("nothing left") << QStringLiteral("...") << QStringLiteral("가져온 세트");
}

void TestQuizSets::freeNames()
{
    QFETCH(QString, wanted);
    QFETCH(QString, free);
    SetFixture f;
    QVERIFY(f.sets.create(kDefaultSetName, QStringLiteral("3월")).ok);
    QVERIFY(f.sets.create(kDefaultSetName, QStringLiteral("3월 (2)")).ok);
    QCOMPARE(f.sets.freeName(wanted), free);
}

void TestQuizSets::dataFolderChoice_data()
{
    QTest::addColumn<bool>("writable");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("portable: beside the program") << true << QStringLiteral("/opt/game/");
    QTest::newRow("installed: the user's data folder") << false
                                                       << QStringLiteral("/home/t/.local/share/domisol/");
}

void TestQuizSets::dataFolderChoice()
{
    QFETCH(bool, writable);
    QFETCH(QString, chosen);
    QCOMPARE(chooseDataFolder(QStringLiteral("/opt/game/"), writable, QStringLiteral("/home/t/.local/share/domisol")),
             chosen);
    // The system's packages own /usr, even for root.
    QVERIFY(!isWritableProgramFolder(QStringLiteral("/usr/lib")));
    QVERIFY(!isWritableProgramFolder(QStringLiteral("/no/such/folder")));
    QTemporaryDir portable;
    QVERIFY(isWritableProgramFolder(portable.path()));
}

void TestQuizSets::firstStartCopiesTheDefaultSet()
{
    SetFixture program;  // the installed folder, with the program's other files
    QVERIFY(writeAll(program.data + QStringLiteral("domisol"), "program"));
    QVERIFY(writeAll(program.data + QStringLiteral("box.wav"), "cue"));
    const auto installed = listing(program.data);
    QTemporaryDir home;
    const QString user = home.path() + QStringLiteral("/.local/share/domisol/");

    QVERIFY(prepareDataFolder(program.data, user).ok);
    QCOMPARE(readSetFiles(user), program.defaults);
    QVERIFY(!QFileInfo::exists(user + QStringLiteral("domisol")));  // only the set is copied
    QCOMPARE(listing(program.data), installed);

    // Later starts keep the teacher's games.
    QVERIFY(writeAll(user + kQuizFileName, "edited"));
    QVERIFY(prepareDataFolder(program.data, user).ok);
    QCOMPARE(readAll(user + kQuizFileName), QByteArray("edited"));
    // In a portable copy the data folder is the program's: nothing to copy.
    QVERIFY(prepareDataFolder(program.data, program.data).ok);
    QCOMPARE(listing(program.data), installed);
}

void TestQuizSets::readOnlyProgramFolder()
{
    if (geteuid() == 0)
        QSKIP("root writes into read-only folders; /usr stands for them above");
    SetFixture program;
    QVERIFY(QFile::setPermissions(program.root.path() + QStringLiteral("/data"),
                                  QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    QVERIFY(!isWritableProgramFolder(program.data));
    QTemporaryDir home;
    const QString data = chooseDataFolder(program.data, isWritableProgramFolder(program.data), home.path());
    QCOMPARE(data, home.path() + QLatin1Char('/'));
    QVERIFY(prepareDataFolder(program.data, data).ok);
    QuizSets sets(data);
    QVERIFY(sets.create(kDefaultSetName, QStringLiteral("새 세트")).ok);
    QCOMPARE(readSetFiles(sets.folderOf(QStringLiteral("새 세트"))), program.defaults);
    QFile::setPermissions(program.root.path() + QStringLiteral("/data"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

void TestQuizSets::lastSetOpens_data()
{
    QTest::addColumn<QString>("remembered");
    QTest::addColumn<QString>("opened");
    QTest::newRow("first start") << QString() << kDefaultSetName;
    QTest::newRow("a set of its own") << QStringLiteral("3월") << QStringLiteral("3월");
    QTest::newRow("deleted since") << QStringLiteral("없어진 세트") << kDefaultSetName;
    QTest::newRow("a name out of the folder") << QStringLiteral("../..") << kDefaultSetName;
}

// A portable copy: the program's folder is the data folder, its sets beside it.
void TestQuizSets::lastSetOpens()
{
    QFETCH(QString, remembered);
    QFETCH(QString, opened);
    SetFixture f;
    QVERIFY(f.sets.create(kDefaultSetName, QStringLiteral("3월")).ok);
    QVERIFY(writeAll(f.sets.folderOf(QStringLiteral("3월")) + kQuizFileName, "march;3\r\n"));
    // A run killed while making one set and deleting another.
    for (const char *left : {".new-AbC123/img", ".old-XyZ789/set/img"})
        QVERIFY(QDir().mkpath(f.data + kSetsFolder + QLatin1String(left)));
    QSettings settings(f.root.path() + QStringLiteral("/domisol.ini"), QSettings::IniFormat);
    if (!remembered.isEmpty())
        rememberSet(settings, remembered);
    Shared s;
    s.App_Dir = f.data;
    SetOutcome problem;
    const QuizSets sets = openSets(s, f.root.path() + QStringLiteral("/unused"), settings, &problem);
    QVERIFY(problem.ok);
    QCOMPARE(sets.dataDir(), f.data);
    QCOMPARE(s.Set_Name, opened);
    QCOMPARE(s.Set_Dir, sets.folderOf(opened));
    QCOMPARE(s.Quiz_Table[0][0], opened == kDefaultSetName ? QStringLiteral("무지개;7") : QStringLiteral("march;3"));
    QVERIFY(!QFileInfo::exists(f.root.path() + QStringLiteral("/unused")));
    QCOMPARE(QDir(f.data + kSetsFolder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("3월")});
}

QTEST_GUILESS_MAIN(TestQuizSets)
#include "test_quiz_sets.moc"
