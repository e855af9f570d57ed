// The build's data writer: default games are written once and never over a
// teacher's saved files.
#include "core/shared_state.h"
#include "data/datafiles.h"
#include "tests/file_io.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

int runMkdata(const QString &runDir)
{
    QProcess p;
    p.start(QStringLiteral(DOMISOL_MKDATA),
            {QStringLiteral(DOMISOL_CONTENT "/quiz.txt"), QStringLiteral(DOMISOL_CONTENT "/pictures.txt"),
             runDir});
    if (!p.waitForFinished(30000))
        return -1;
    return p.exitCode();
}

}  // namespace

class TestMkdata : public QObject {
    Q_OBJECT
private slots:
    void writesDefaultsThatLoad();
    void neverOverwritesSavedFiles();
};

void TestMkdata::writesDefaultsThatLoad()
{
    QTemporaryDir dir;
    QCOMPARE(runMkdata(dir.path()), 0);
    Shared s;
    s.App_Dir = dir.path() + QLatin1Char('/');
    Load_Quiz(s);
    for (int g = 0; g < 10; ++g) {
        QVERIFY2(s.Picture_Table[g].contains(QLatin1Char(';')), qPrintable(s.Picture_Table[g]));
        for (int q = 0; q < 9; ++q)
            QVERIFY2(s.Quiz_Table[g][q].count(QLatin1Char(';')) == 1, qPrintable(s.Quiz_Table[g][q]));
    }
    // Exactly what the program's own save writes.
    QCOMPARE(readAll(s.App_Dir + kQuizFileName), quizFileBytes(s));
    QCOMPARE(readAll(s.App_Dir + kPictureFileName), pictureFileBytes(s));
}

void TestMkdata::neverOverwritesSavedFiles()
{
    QTemporaryDir dir;
    const QString quiz = dir.path() + QLatin1Char('/') + kQuizFileName;
    const QString pics = dir.path() + QLatin1Char('/') + kPictureFileName;
    {
        QFile f(quiz);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("teacher;saved\r\n");
    }
    QCOMPARE(runMkdata(dir.path()), 0);
    QCOMPARE(readAll(quiz), QByteArray("teacher;saved\r\n"));
    QVERIFY(QFile::exists(pics));  // the missing one is still written

    // A picture file the teacher saved since: a generator that rewrote it
    // every time would bring the default back.
    {
        QFile f(pics);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("1.jpg;teacher\r\n");
    }
    QCOMPARE(runMkdata(dir.path()), 0);
    QCOMPARE(readAll(pics), QByteArray("1.jpg;teacher\r\n"));
    QCOMPARE(readAll(quiz), QByteArray("teacher;saved\r\n"));
}

QTEST_GUILESS_MAIN(TestMkdata)
#include "test_mkdata.moc"
