// The two-set Hangul composer: key sequences to finished text and the syllable
// being composed, as the answer box would show them.
#include "team/hangul_composer.h"

#include <QtTest>

namespace {

struct Typed {
    QString committed;
    QString composing;
};

// Types keys the way the answer box does: '\b' is Backspace (one jamo, or one
// finished character when nothing is composed); a non-letter goes in as itself.
Typed typeKeys(HangulComposer &c, const QByteArray &keys)
{
    QString out;
    for (char k : keys) {
        if (k == '\b') {
            if (!c.backspace())
                out.chop(1);
            continue;
        }
        const HangulComposer::KeyResult r = c.typeKey(k);
        out += r.commit;
        if (!r.used)
            out += QLatin1Char(k);
    }
    return {out, c.composing()};
}

}  // namespace

class TestHangulComposer : public QObject {
    Q_OBJECT
private slots:
    void typing_data();
    void typing();
    void flushAndReset();
    void layoutKey_data();
    void layoutKey();
};

void TestHangulComposer::typing_data()
{
    QTest::addColumn<QByteArray>("keys");
    QTest::addColumn<QString>("committed");
    QTest::addColumn<QString>("composing");

    QTest::newRow("한글") << QByteArray("gksrmf") << QStringLiteral("한") << QStringLiteral("글");
    QTest::newRow("노아의 방주, space commits") << QByteArray("shdkdml qkdwn") << QStringLiteral("노아의 방") << QStringLiteral("주");
    QTest::newRow("first jamo alone") << QByteArray("g") << QString() << QStringLiteral("ㅎ");

    // A final consonant moves on when a vowel follows; a compound one splits.
    QTest::newRow("하나: ㄴ moves") << QByteArray("gksk") << QStringLiteral("하") << QStringLiteral("나");
    QTest::newRow("앉아: ㄵ stays before ㅇ") << QByteArray("dkswdk") << QStringLiteral("앉") << QStringLiteral("아");
    QTest::newRow("안자: ㄵ splits") << QByteArray("dkswk") << QStringLiteral("안") << QStringLiteral("자");
    QTest::newRow("닭이") << QByteArray("ekfrdl") << QStringLiteral("닭") << QStringLiteral("이");
    QTest::newRow("달기: ㄺ splits") << QByteArray("ekfrl") << QStringLiteral("달") << QStringLiteral("기");

    // Shift letters: tense consonants and ㅒ ㅖ; other capitals as lower case.
    QTest::newRow("ㄲ ㄸ ㅃ ㅆ ㅉ") << QByteArray("RkEkQkTkWk") << QStringLiteral("까따빠싸") << QStringLiteral("짜");
    QTest::newRow("얘 예") << QByteArray("dOdP") << QStringLiteral("얘") << QStringLiteral("예");
    QTest::newRow("ㅆ as a final: 있") << QByteArray("dlT") << QString() << QStringLiteral("있");
    QTest::newRow("other capitals act lower") << QByteArray("DKSSUD") << QStringLiteral("안") << QStringLiteral("녕");

    // Backspace takes back one jamo, then finished characters.
    QTest::newRow("한 → 하") << QByteArray("gks\b") << QString() << QStringLiteral("하");
    QTest::newRow("한 → ㅎ") << QByteArray("gks\b\b") << QString() << QStringLiteral("ㅎ");
    QTest::newRow("한 → nothing") << QByteArray("gks\b\b\b") << QString() << QString();
    QTest::newRow("past the syllable into finished text") << QByteArray("gksrmf\b\b\b\b") << QString() << QString();
    QTest::newRow("ㄺ → ㄹ") << QByteArray("ekfr\b") << QString() << QStringLiteral("달");
    QTest::newRow("backspace then go on") << QByteArray("gks\bsrmf") << QStringLiteral("한") << QStringLiteral("글");

    // Non-letters finish the syllable first and go in after it.
    QTest::newRow("digit") << QByteArray("gks1") << QStringLiteral("한1") << QString();
    QTest::newRow("punctuation") << QByteArray("dP?") << QStringLiteral("예?") << QString();
    QTest::newRow("digit between syllables") << QByteArray("rk2sk") << QStringLiteral("가2") << QStringLiteral("나");
    QTest::newRow("only non-letters") << QByteArray("3 .") << QStringLiteral("3 .") << QString();
}

void TestHangulComposer::typing()
{
    QFETCH(QByteArray, keys);
    QFETCH(QString, committed);
    QFETCH(QString, composing);
    HangulComposer c;
    const Typed t = typeKeys(c, keys);
    QCOMPARE(t.committed, committed);
    QCOMPARE(t.composing, composing);
    QCOMPARE(c.isComposing(), !composing.isEmpty());
}

void TestHangulComposer::flushAndReset()
{
    HangulComposer c;
    typeKeys(c, "gksrmf");
    QCOMPARE(c.flush(), QStringLiteral("글"));
    QVERIFY(!c.isComposing());
    QCOMPARE(c.flush(), QString());
    // After a flush the next key starts a new syllable, not 글's final.
    QCOMPARE(typeKeys(c, "dk").composing, QStringLiteral("아"));

    HangulComposer d;
    typeKeys(d, "gk");
    d.reset();
    QVERIFY(!d.isComposing());
    QVERIFY(!d.backspace());
    // ㄴ after a reset is a new syllable, not 한.
    const Typed t = typeKeys(d, "s");
    QCOMPARE(t.committed, QString());
    QCOMPARE(t.composing, QStringLiteral("ㄴ"));
}

void TestHangulComposer::layoutKey_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<char>("letter");
    QTest::newRow("a") << int(Qt::Key_A) << int(Qt::NoModifier) << 'a';
    QTest::newRow("z") << int(Qt::Key_Z) << int(Qt::NoModifier) << 'z';
    QTest::newRow("Shift+R gives R (ㄲ)") << int(Qt::Key_R) << int(Qt::ShiftModifier) << 'R';
    QTest::newRow("Shift with other modifiers") << int(Qt::Key_P) << int(Qt::ShiftModifier | Qt::KeypadModifier) << 'P';
    QTest::newRow("digit is no letter") << int(Qt::Key_1) << int(Qt::NoModifier) << '\0';
    QTest::newRow("space is no letter") << int(Qt::Key_Space) << int(Qt::NoModifier) << '\0';
    QTest::newRow("Key_Hangul is no letter") << int(Qt::Key_Hangul) << int(Qt::NoModifier) << '\0';
    QTest::newRow("just past Z") << int(Qt::Key_BracketLeft) << int(Qt::NoModifier) << '\0';
}

void TestHangulComposer::layoutKey()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(char, letter);
    QCOMPARE(hangulLayoutKey(key, Qt::KeyboardModifiers(modifiers)), letter);
}

QTEST_GUILESS_MAIN(TestHangulComposer)
#include "test_hangul_composer.moc"
