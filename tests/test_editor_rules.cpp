// The editor's text rules: what a box lets in, how boxes become quiz lines,
// and the name under which a picture is stored.
#include "core/shared_state.h"
#include "data/editor_rules.h"

#include <QtTest>

Q_DECLARE_METATYPE(BoxKind)

class TestEditorRules : public QObject {
    Q_OBJECT
private slots:
    void cleanBoxText_data();
    void cleanBoxText();
    void pictureNameExtension_data();
    void pictureNameExtension();
    void chosenFileExtension_data();
    void chosenFileExtension();
    void composeQuizLine_data();
    void composeQuizLine();
    void questionBoxShowsBreaks();
    void applyGameEdit_data();
    void applyGameEdit();
    void titles();
};

void TestEditorRules::cleanBoxText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<BoxKind>("kind");
    QTest::addColumn<QString>("clean");
    const QString fw = QStringLiteral("；");
    QTest::newRow("question ; would split the line") << QStringLiteral("a;b;c") << BoxKind::Question
                                                     << QStringLiteral("a") + fw + "b" + fw + "c";
    QTest::newRow("answer ;") << QStringLiteral(";") << BoxKind::Answer << fw;
    QTest::newRow("caption ; would shift the name") << QStringLiteral("탑;") << BoxKind::Caption
                                                    << QStringLiteral("탑") + fw;
    QTest::newRow("question keeps its breaks") << QStringLiteral("가\n나\r\n다") << BoxKind::Question
                                               << QStringLiteral("가\n나\r\n다");
    QTest::newRow("caption break would shift later games")
        << QStringLiteral("가\n나\r\n다\r라\u2028마\u2029바") << BoxKind::Caption
        << QStringLiteral("가 나 다 라 마 바");
    QTest::newRow("answer break would split the quiz file")
        << QStringLiteral("7\r\n") << BoxKind::Answer << QStringLiteral("7 ");
    QTest::newRow("two breaks, two spaces") << QStringLiteral("a\n\nb") << BoxKind::Caption
                                            << QStringLiteral("a  b");
    QTest::newRow("emoji dropped, pair whole") << QString::fromUtf8("가😀나") << BoxKind::Question
                                               << QStringLiteral("가나");
    QTest::newRow("lone surrogate dropped") << (QStringLiteral("a") + QChar(0xD83D) + "b")
                                            << BoxKind::Answer << QStringLiteral("ab");
    QTest::newRow("CP949-only Hangul stays") << QStringLiteral("똠방각하 햏 뷁") << BoxKind::Caption
                                             << QStringLiteral("똠방각하 햏 뷁");
    QTest::newRow("full-width ; stays") << fw << BoxKind::Answer << fw;
    QTest::newRow("tab becomes a space: answers stay typeable") << QStringLiteral("\t질문\t답") << BoxKind::Answer
                                                                << QStringLiteral(" 질문 답");
    QTest::newRow("accents and dashes: nearest plain form") << QStringLiteral("café – naïve—") << BoxKind::Caption
                                                            << QStringLiteral("cafe - naive-");
    QTest::newRow("emoji dropped") << QStringLiteral("가😀나") << BoxKind::Question << QStringLiteral("가나");
}

void TestEditorRules::cleanBoxText()
{
    QFETCH(QString, text);
    QFETCH(BoxKind, kind);
    QFETCH(QString, clean);
    QCOMPARE(::cleanBoxText(text, kind), clean);
}

void TestEditorRules::pictureNameExtension_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("ext");
    QTest::newRow("3.jpg") << QStringLiteral("3.jpg") << QStringLiteral("jpg");
    QTest::newRow("second piece, not the last") << QStringLiteral("a.b.c") << QStringLiteral("b");
    QTest::newRow("no dot") << QStringLiteral("sea") << QString();
    QTest::newRow("trailing dot") << QStringLiteral("10.") << QString();
    QTest::newRow("path out of img/") << QStringLiteral("x./../../../etc/passwd") << QString();
    QTest::newRow("slashes inside the piece") << QStringLiteral("x.j/../p") << QStringLiteral("j");
    QTest::newRow("Hangul and spaces") << QStringLiteral("그림.jp 그g") << QStringLiteral("jpg");
}

void TestEditorRules::pictureNameExtension()
{
    QFETCH(QString, fileName);
    QFETCH(QString, ext);
    QCOMPARE(extensionFromPictureName(fileName), ext);
}

void TestEditorRules::chosenFileExtension_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("ext");
    QTest::newRow("photo.gif") << QStringLiteral("/home/t/photo.gif") << QStringLiteral("gif");
    QTest::newRow("last dot counts") << QStringLiteral("/home/t/a.tar.bmp") << QStringLiteral("bmp");
    QTest::newRow("dot in the folder only") << QStringLiteral("/home/t.x/photo") << QString();
    QTest::newRow("case kept") << QStringLiteral("/p/X.JPG") << QStringLiteral("JPG");
    QTest::newRow("odd characters dropped") << QStringLiteral("/p/x.j p;g") << QStringLiteral("jpg");
}

void TestEditorRules::chosenFileExtension()
{
    QFETCH(QString, path);
    QFETCH(QString, ext);
    QCOMPARE(extensionFromChosenFile(path), ext);
    QCOMPARE(storedPictureName(2, ext), QStringLiteral("3.") + ext);
}

void TestEditorRules::composeQuizLine_data()
{
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("line");  // empty: the old line stays
    QTest::newRow("two-line question")
        << QStringLiteral("무지개는 몇 가지 색일까요?\n(숫자로 쓰세요)") << QStringLiteral("7")
        << QStringLiteral("무지개는 몇 가지 색일까요?<br>(숫자로 쓰세요);7");
    QTest::newRow("spaces trimmed, inner kept")
        << QStringLiteral("  노아의  방주  ") << QStringLiteral(" 120 년 ")
        << QStringLiteral("노아의  방주;120 년");
    QTest::newRow("trim after <br>: trailing break kept")
        << QStringLiteral("질문\n ") << QStringLiteral("답") << QStringLiteral("질문<br>;답");
    QTest::newRow("leading break kept, space after it stays")
        << QStringLiteral("\n 질문") << QStringLiteral("답") << QStringLiteral("<br> 질문;답");
    QTest::newRow("two breaks in a row") << QStringLiteral("a\n\nb") << QStringLiteral("c")
                                         << QStringLiteral("a<br><br>b;c");
    QTest::newRow("CR LF is one break") << QStringLiteral("a\r\nb") << QStringLiteral("c")
                                        << QStringLiteral("a<br>b;c");
    QTest::newRow("tabs are not trimmed") << QStringLiteral("\t질문") << QStringLiteral("답\t")
                                          << QStringLiteral("\t질문;답\t");
    QTest::newRow("question only breaks and spaces") << QStringLiteral(" \n  \n ")
                                                     << QStringLiteral("답") << QString();
    QTest::newRow("answer blank") << QStringLiteral("질문") << QStringLiteral("   ") << QString();
    QTest::newRow("answer empty") << QStringLiteral("질문") << QString() << QString();
    QTest::newRow("both empty") << QString() << QString() << QString();
}

void TestEditorRules::composeQuizLine()
{
    QFETCH(QString, question);
    QFETCH(QString, answer);
    QFETCH(QString, line);
    QCOMPARE(::composeQuizLine(question, answer), line);
}

void TestEditorRules::questionBoxShowsBreaks()
{
    QCOMPARE(questionBoxText(QStringLiteral("a<br><br>b")), QStringLiteral("a\n\nb"));
    QCOMPARE(questionBoxText(QStringLiteral("a<BR>b")), QStringLiteral("a<BR>b"));
}

// A save of game 2 over tables where every line is known: what the tables
// hold afterwards, for the picture line and for quiz lines 0 and 1.
void TestEditorRules::applyGameEdit_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("question0");
    QTest::addColumn<QString>("answer0");
    QTest::addColumn<QString>("storedName");
    QTest::addColumn<QString>("pictureLine");
    QTest::addColumn<QString>("quizLine0");
    QTest::newRow("stored picture takes its new name")
        << QStringLiteral("새 그림") << QStringLiteral("질문") << QStringLiteral("답")
        << QStringLiteral("3.jpg") << QStringLiteral("3.jpg;새 그림") << QStringLiteral("질문;답");
    QTest::newRow("picture not stored keeps the old name, caption changes")
        << QStringLiteral("새 그림") << QStringLiteral("질문") << QStringLiteral("답") << QString()
        << QStringLiteral("old.gif;새 그림") << QStringLiteral("질문;답");
    QTest::newRow("blank question keeps the old line")
        << QStringLiteral("c") << QStringLiteral(" \n ") << QStringLiteral("답") << QString()
        << QStringLiteral("old.gif;c") << QStringLiteral("옛 질문;옛 답");
    QTest::newRow("blank answer keeps the old line")
        << QStringLiteral("c") << QStringLiteral("질문") << QString() << QString()
        << QStringLiteral("old.gif;c") << QStringLiteral("옛 질문;옛 답");
    QTest::newRow("question breaks stored as <br>")
        << QStringLiteral("c") << QStringLiteral("가\n나") << QStringLiteral("답") << QString()
        << QStringLiteral("old.gif;c") << QStringLiteral("가<br>나;답");
    QTest::newRow("lone CR in the caption would shift later games")
        << QStringLiteral("가\r나;다") << QStringLiteral("질문") << QStringLiteral("답") << QString()
        << QStringLiteral("old.gif;가 나；다") << QStringLiteral("질문;답");
}

void TestEditorRules::applyGameEdit()
{
    QFETCH(QString, caption);
    QFETCH(QString, question0);
    QFETCH(QString, answer0);
    QFETCH(QString, storedName);
    QFETCH(QString, pictureLine);
    QFETCH(QString, quizLine0);
    Shared s;
    for (int g = 0; g < 10; ++g) {
        s.Picture_Table[g] = QStringLiteral("old.gif;옛 설명");
        for (int q = 0; q < 9; ++q)
            s.Quiz_Table[g][q] = QStringLiteral("옛 질문;옛 답");
    }
    GameEdit edit;
    edit.caption = caption;
    edit.questions[0] = question0;
    edit.answers[0] = answer0;
    ::applyGameEdit(s, 2, edit, storedName);
    QCOMPARE(s.Picture_Table[2], pictureLine);
    QCOMPARE(s.Quiz_Table[2][0], quizLine0);
    QCOMPARE(s.Quiz_Table[2][1], QStringLiteral("옛 질문;옛 답"));  // blank boxes
    for (int g : {1, 3})
        QCOMPARE(s.Picture_Table[g], QStringLiteral("old.gif;옛 설명"));
    QCOMPARE(s.Quiz_Table[3][0], QStringLiteral("옛 질문;옛 답"));
}

void TestEditorRules::titles()
{
    const QStringList &t = exampleTitles();
    QCOMPARE(t.size(), 35);
    QCOMPARE(t.at(0), QStringLiteral("가인과 아벨의 제사"));
    QCOMPARE(t.at(5), QStringLiteral("최후의 만찬"));
    QCOMPARE(t.at(34), QStringLiteral("다메섹으로 가는 도중 예수님을 만나는 바울"));
}

QTEST_GUILESS_MAIN(TestEditorRules)
#include "test_editor_rules.moc"
