// Fitting a text into a box: whole at the design size, smaller down to the
// floor, then cut with "…"; on a measure where every character is as wide as
// its size in points and a line as high as twice that.
#include "board/text_fit.h"

#include <QtTest>

namespace {

QSizeF fakeMeasure(const QString &text, double points)
{
    return QSizeF(text.size() * points, 2 * points);
}

}  // namespace

class TestTextFit : public QObject {
    Q_OBJECT
private slots:
    void fit_data();
    void fit();
};

void TestTextFit::fit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<double>("points");
    QTest::addColumn<int>("fit");
    // box 100 x 80, design 10 points, floor 5: a line holds 10 characters and
    // 4 lines at the design size
    QTest::newRow("short: design size") << "abc de" << true << "abc de" << 10.0 << int(TextFit::Whole);
    QTest::newRow("wraps at spaces") << "aaaa bbbb cccc" << true << "aaaa bbbb\ncccc" << 10.0 << int(TextFit::Whole);
    QTest::newRow("line breaks kept, CR LF too") << "a\r\nb\nc" << true << "a\nb\nc" << 10.0 << int(TextFit::Whole);
    QTest::newRow("five lines: smaller until five fit") << "aaaa bbbb cccc dddd eeee ffff gggg hhhh iiii" << true
                                                   << "aaaa bbbb\ncccc dddd\neeee ffff\ngggg hhhh\niiii" << 8.0
                                                   << int(TextFit::Smaller);
    QTest::newRow("a word longer than a line is broken") << "abcdefghijklmnopqrstuvwxy" << true
                                                         << "abcdefghij\nklmnopqrst\nuvwxy" << 10.0
                                                         << int(TextFit::Whole);
    QTest::newRow("one line: smaller") << "abcdefghijklm" << false << "abcdefghijklm" << 7.0 << int(TextFit::Smaller);
    QTest::newRow("one line: cut at the floor, its beginning kept")
        << "abcdefghijklmnopqrstuvwxyz" << false << "abcdefghijklmnopqrs…" << 5.0 << int(TextFit::Cut);
    QTest::newRow("too many lines: the last kept line ends with …")
        << QStringLiteral("aaaa ").repeated(40).trimmed() << true
        << QStringLiteral("aaaa aaaa aaaa aaaa\n").repeated(7) + QStringLiteral("aaaa aaaa aaaa aaaa…") << 5.0
        << int(TextFit::Cut);
}

void TestTextFit::fit()
{
    QFETCH(QString, text);
    QFETCH(bool, wrap);
    QFETCH(QString, shown);
    QFETCH(double, points);
    QFETCH(int, fit);
    const FittedText f = fitText(text, FitBox{QSizeF(100, 80), wrap, 10, 5}, fakeMeasure);
    QCOMPARE(f.joined(), shown);
    QCOMPARE(f.points, points);
    QCOMPARE(int(f.fit), fit);
}

QTEST_GUILESS_MAIN(TestTextFit)
#include "test_text_fit.moc"
