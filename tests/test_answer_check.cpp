// The two-team submit rule: spaces removed, everything else compared exactly.
#include "team/answer_check.h"

#include <QtTest>

Q_DECLARE_METATYPE(AnswerVerdict)

class TestAnswerCheck : public QObject {
    Q_OBJECT
private slots:
    void verdict_data();
    void verdict();
};

void TestAnswerCheck::verdict_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<AnswerVerdict>("verdict");
    const QString noah = QStringLiteral("노아의 방주");
    const auto right = AnswerVerdict::Right;
    const auto wrong = AnswerVerdict::Wrong;
    const auto ignored = AnswerVerdict::Ignored;

    QTest::newRow("exact") << noah << noah << right;
    QTest::newRow("without the space") << noah << QStringLiteral("노아의방주") << right;
    QTest::newRow("extra spaces inside") << noah << QStringLiteral("노아 의 방주") << right;
    QTest::newRow("spaces before and after") << noah << QStringLiteral("  노아의 방주   ") << right;
    QTest::newRow("stored spaces removed too") << QStringLiteral(" 노 아 ") << QStringLiteral("노아") << right;
    QTest::newRow("missing a syllable") << noah << QStringLiteral("노아의방") << wrong;

    QTest::newRow("case matters") << QStringLiteral("moses") << QStringLiteral("Moses") << wrong;
    QTest::newRow("same case") << QStringLiteral("Moses") << QStringLiteral("Moses") << right;
    QTest::newRow("full-width space is text") << noah << QStringLiteral("노아의\u3000방주") << wrong;
    QTest::newRow("tab is text") << noah << QStringLiteral("노아의\t방주") << wrong;
    QTest::newRow("punctuation differs") << noah << QStringLiteral("노아의 방주.") << wrong;
    QTest::newRow("decomposed jamo are not the syllable") << QStringLiteral("한") << QStringLiteral("\u1112\u1161\u11ab") << wrong;

    QTest::newRow("empty input") << noah << QString() << ignored;
    QTest::newRow("spaces only") << noah << QStringLiteral("    ") << ignored;
    // Only U+0020 is trimmed: other white space is an answer, and a wrong one.
    QTest::newRow("full-width space only is judged") << noah << QStringLiteral("\u3000") << wrong;
    QTest::newRow("tab only is judged") << noah << QStringLiteral("\t") << wrong;

    QTest::newRow("empty stored, letters typed") << QString() << QStringLiteral("답") << wrong;
    QTest::newRow("spaces stored, letters typed") << QStringLiteral("  ") << QStringLiteral("답") << wrong;
    QTest::newRow("empty stored, spaces typed") << QString() << QStringLiteral(" ") << ignored;
}

void TestAnswerCheck::verdict()
{
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    QFETCH(AnswerVerdict, verdict);
    QCOMPARE(judgeTypedAnswer(stored, typed), verdict);
}

QTEST_GUILESS_MAIN(TestAnswerCheck)
#include "test_answer_check.moc"
