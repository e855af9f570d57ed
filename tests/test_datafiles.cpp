// The two data files: CP949 round trips, short and long files, bad bytes,
// and the atomic rewrite that never loses the old file.
#include "core/shared_state.h"
#include "data/cp949.h"
#include "data/datafiles.h"
#include "data/quiz_line.h"
#include "tests/file_io.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A full set of tables with Hangul that only CP949 (not EUC-KR) holds.
Shared filledTables(const QString &dir)
{
    Shared s;
    s.App_Dir = dir + QLatin1Char('/');
    for (int g = 0; g < 10; ++g) {
        for (int q = 0; q < 9; ++q)
            s.Quiz_Table[g][q] = QStringLiteral("%1-%2 똠방각하 햏<br>뷁?;답 %3").arg(g).arg(q).arg(q);
        s.Picture_Table[g] = QStringLiteral("%1.jpg;그림 %2 똠").arg(g + 1).arg(g);
    }
    return s;
}

}  // namespace

class TestDataFiles : public QObject {
    Q_OBJECT
private slots:
    void cp949Syllables_data();
    void cp949Syllables();
    void invalidBytesBecomeReplacement();
    void unencodableCharacters();
    void lineFields_data();
    void lineFields();
    void saveLoadSaveRoundTrip();
    void extraLinesAreCutOnNextSave();
    void missingAndShortFilesGiveEmptyEntries();
    void lfOnlyLinesAreRead();
    void invalidBytesDoNotStopLoading();
    void atomicRewriteKeepsOldFile_data();
    void atomicRewriteKeepsOldFile();
};

void TestDataFiles::cp949Syllables_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("똠, outside EUC-KR") << QStringLiteral("똠") << QByteArray("\x8c\x63");
    QTest::newRow("햏") << QStringLiteral("햏") << QByteArray("\xc1\x64");
    QTest::newRow("뷁") << QStringLiteral("뷁") << QByteArray("\x94\xee");
    QTest::newRow("ASCII stays single bytes") << QStringLiteral("a;b<br>") << QByteArray("a;b<br>");
    QTest::newRow("full-width semicolon") << QStringLiteral("；") << QByteArray("\xa3\xbb");
}

void TestDataFiles::cp949Syllables()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(encodeCp949(text), bytes);
    QCOMPARE(decodeCp949(bytes), text);
    QVERIFY(cp949CanHold(text));
}

void TestDataFiles::invalidBytesBecomeReplacement()
{
    const QByteArray ga = encodeCp949(QStringLiteral("가"));
    const QByteArray ddom = encodeCp949(QStringLiteral("똠"));
    const struct {
        QByteArray bytes;
        QString text;
    } rows[] = {
        {QByteArray("\xff") + "abc", QStringLiteral("\uFFFDabc")},
        {QByteArray("\x8c ") + ddom, QStringLiteral("\uFFFD 똠")},  // lead byte, no trail
        {ga + QByteArray("\xb0"), QStringLiteral("가\uFFFD")},      // cut off at the end
    };
    for (const auto &row : rows)
        QCOMPARE(decodeCp949(row.bytes), row.text);
}

void TestDataFiles::unencodableCharacters()
{
    const QString emoji = QString::fromUtf8("가😀나");
    QVERIFY(!cp949CanHold(emoji));
    QCOMPARE(decodeCp949(encodeCp949(emoji)), QStringLiteral("가?나"));
    QVERIFY(cp949CanHold(QStringLiteral("노아의 방주")));
}

void TestDataFiles::lineFields_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("present");
    QTest::addColumn<QString>("value");
    QTest::newRow("question") << QStringLiteral("질문;답") << 1 << true << QStringLiteral("질문");
    QTest::newRow("answer") << QStringLiteral("질문;답") << 2 << true << QStringLiteral("답");
    QTest::newRow("no separator: no answer") << QStringLiteral("질문뿐") << 2 << false << QString();
    QTest::newRow("empty line: no question") << QString() << 1 << false << QString();
    QTest::newRow("third field ignored by answer") << QStringLiteral("a;b;c") << 2 << true << QStringLiteral("b");
    QTest::newRow("empty answer is present") << QStringLiteral("a;") << 2 << true << QString();
}

void TestDataFiles::lineFields()
{
    QFETCH(QString, line);
    QFETCH(int, n);
    QFETCH(bool, present);
    QFETCH(QString, value);
    const auto f = lineField(line, n);
    QCOMPARE(f.has_value(), present);
    if (present)
        QCOMPARE(*f, value);
}

void TestDataFiles::saveLoadSaveRoundTrip()
{
    QTemporaryDir dir;
    const Shared written = filledTables(dir.path());
    QVERIFY(savePictureFile(written));
    QVERIFY(saveQuizFile(written));

    const QByteArray quizBytes = readAll(written.App_Dir + kQuizFileName);
    QCOMPARE(quizBytes.count("\r\n"), 91);  // 90 lines and one empty one
    QVERIFY(quizBytes.endsWith("\r\n\r\n"));
    QCOMPARE(readAll(written.App_Dir + kPictureFileName).count("\r\n"), 11);

    Shared loaded;
    loaded.App_Dir = written.App_Dir;
    Load_Quiz(loaded);
    QCOMPARE(loaded.Quiz_Table, written.Quiz_Table);
    QCOMPARE(loaded.Picture_Table, written.Picture_Table);

    QVERIFY(saveQuizFile(loaded));
    QVERIFY(savePictureFile(loaded));
    QCOMPARE(readAll(written.App_Dir + kQuizFileName), quizBytes);
}

void TestDataFiles::extraLinesAreCutOnNextSave()
{
    QTemporaryDir dir;
    Shared s;
    s.App_Dir = dir.path() + QLatin1Char('/');
    QByteArray quiz, pics;
    for (int k = 0; k < 95; ++k)
        quiz += QByteArray::number(k) + ";x\r\n";
    for (int g = 0; g < 12; ++g)
        pics += QByteArray::number(g) + ".jpg;c\r\n";
    QVERIFY(writeAll(s.App_Dir + kQuizFileName, quiz));
    QVERIFY(writeAll(s.App_Dir + kPictureFileName, pics));
    Load_Quiz(s);
    QCOMPARE(s.Quiz_Table[9][8], QStringLiteral("89;x"));
    QCOMPARE(s.Picture_Table[9], QStringLiteral("9.jpg;c"));
    QVERIFY(s.Quiz_Table[10][0].isEmpty());
    QVERIFY(s.Picture_Table[10].isEmpty());

    QVERIFY(saveQuizFile(s));
    QVERIFY(savePictureFile(s));
    const QByteArray saved = readAll(s.App_Dir + kQuizFileName);
    QVERIFY(!saved.contains("90;x"));
    QCOMPARE(saved.count("\r\n"), 91);
    QVERIFY(!readAll(s.App_Dir + kPictureFileName).contains("10.jpg"));
}

void TestDataFiles::missingAndShortFilesGiveEmptyEntries()
{
    QTemporaryDir dir;
    Shared s;
    s.App_Dir = dir.path() + QLatin1Char('/');
    s.Quiz_Table[0][0] = QStringLiteral("stale");
    Load_Quiz(s);  // no files at all
    for (int g = 0; g < 10; ++g) {
        QVERIFY(s.Picture_Table[g].isEmpty());
        for (int q = 0; q < 9; ++q)
            QVERIFY(s.Quiz_Table[g][q].isEmpty());
    }

    QVERIFY(writeAll(s.App_Dir + kQuizFileName, "a;1\r\nb;2\r\n"));
    QVERIFY(writeAll(s.App_Dir + kPictureFileName, "1.jpg;one\r\n"));
    Load_Quiz(s);
    QCOMPARE(s.Quiz_Table[0][1], QStringLiteral("b;2"));
    QVERIFY(s.Quiz_Table[0][2].isEmpty());  // not the last line read
    QVERIFY(s.Quiz_Table[9][8].isEmpty());
    QCOMPARE(s.Picture_Table[0], QStringLiteral("1.jpg;one"));
    QVERIFY(s.Picture_Table[1].isEmpty());
}

void TestDataFiles::lfOnlyLinesAreRead()
{
    QTemporaryDir dir;
    Shared s;
    s.App_Dir = dir.path() + QLatin1Char('/');
    QVERIFY(writeAll(s.App_Dir + kQuizFileName,
                     encodeCp949(QStringLiteral("첫째;하나\n둘째;둘\r\n셋째;셋"))));
    Load_Quiz(s);
    QCOMPARE(s.Quiz_Table[0][0], QStringLiteral("첫째;하나"));
    QCOMPARE(s.Quiz_Table[0][1], QStringLiteral("둘째;둘"));
    QCOMPARE(s.Quiz_Table[0][2], QStringLiteral("셋째;셋"));  // no final line break
}

void TestDataFiles::invalidBytesDoNotStopLoading()
{
    QTemporaryDir dir;
    Shared s;
    s.App_Dir = dir.path() + QLatin1Char('/');
    QVERIFY(writeAll(s.App_Dir + kQuizFileName,
                     QByteArray("\xff\xfe") + encodeCp949(QStringLiteral("질문;답")) + "\r\n"
                         + encodeCp949(QStringLiteral("다음;줄")) + "\r\n"));
    Load_Quiz(s);
    QCOMPARE(s.Quiz_Table[0][0], QStringLiteral("\uFFFD\uFFFD질문;답"));
    QCOMPARE(s.Quiz_Table[0][1], QStringLiteral("다음;줄"));
}

void TestDataFiles::atomicRewriteKeepsOldFile_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("folder missing") << QStringLiteral("missing-folder");
    QTest::newRow("folder is a file") << QStringLiteral("folder-is-file");
    QTest::newRow("read-only file") << QStringLiteral("read-only");
    QTest::newRow("target is a folder") << QStringLiteral("target-is-folder");
}

void TestDataFiles::atomicRewriteKeepsOldFile()
{
    QFETCH(QString, how);
    QTemporaryDir dir;
    QString target = dir.path() + QStringLiteral("/Quiz.qdf");
    const QByteArray old("old content\r\n");
    if (how == QLatin1String("missing-folder")) {
        target = dir.path() + QStringLiteral("/gone/Quiz.qdf");
    } else if (how == QLatin1String("folder-is-file")) {
        QVERIFY(writeAll(dir.path() + QStringLiteral("/plain"), old));
        target = dir.path() + QStringLiteral("/plain/Quiz.qdf");
    } else if (how == QLatin1String("read-only")) {
        QVERIFY(writeAll(target, old));
        QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    } else {
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Quiz.qdf/inside")));
    }

    QVERIFY(!writeFileAtomically(target, QByteArray("new content")));

    if (how == QLatin1String("read-only"))
        QCOMPARE(readAll(target), old);
    if (how == QLatin1String("folder-is-file"))
        QCOMPARE(readAll(dir.path() + QStringLiteral("/plain")), old);
    if (how == QLatin1String("target-is-folder"))
        QVERIFY(QFileInfo(target).isDir());
    // No temporary file is left behind.
    const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    for (const QString &name : left)
        QVERIFY2(name == QLatin1String("Quiz.qdf") || name == QLatin1String("plain"),
                 qPrintable(name));
}

QTEST_GUILESS_MAIN(TestDataFiles)
#include "test_datafiles.moc"
