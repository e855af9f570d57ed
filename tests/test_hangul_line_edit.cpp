// The answer box: Hangul typed from Latin keys, shown while composed, finished
// before Enter, focus loss or a click; the 한/영 toggle and its reset on focus.
#include "tests/key_typing.h"
#include "widgets/hangul_line_edit.h"

#include <QApplication>
#include <QImage>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

namespace {

// A window holding the box and a second line edit to move the focus to.
struct Fixture {
    QWidget window;
    HangulLineEdit *box;
    QLineEdit *other;

    Fixture()
    {
        auto *layout = new QVBoxLayout(&window);
        box = new HangulLineEdit(&window);
        other = new QLineEdit(&window);
        layout->addWidget(box);
        layout->addWidget(other);
        window.resize(400, 120);
        window.show();
        QApplication::setActiveWindow(&window);
    }
    bool focusBox()
    {
        box->setFocus(Qt::OtherFocusReason);
        return QTest::qWaitForWindowActive(&window) && box->hasFocus();
    }
};

// Records the preedit text of every input-method event the box receives.
class PreeditLog : public QObject {
public:
    QStringList preedits;
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::InputMethod)
            preedits << static_cast<QInputMethodEvent *>(e)->preeditString();
        return false;
    }
};

}  // namespace

class TestHangulLineEdit : public QObject {
    Q_OBJECT
private slots:
    void enterSeesWholeAnswer_data();
    void enterSeesWholeAnswer();
    void syllableShownWhileComposed();
    void capsLockDoesNotMatter();
    void loneModifiersKeepTheSyllable();
    void backspaceOneJamoThenCharacters();
    void syllableFinishedBy_data();
    void syllableFinishedBy();
    void chordActsOnFinishedText();
    void toggleToLatinAndBackOnFocus_data();
    void toggleToLatinAndBackOnFocus();
    void systemInputMethodTextAccepted();
    void textSetFromOutsideDropsSyllable_data();
    void textSetFromOutsideDropsSyllable();
};

void TestHangulLineEdit::enterSeesWholeAnswer_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("answer");
    QTest::newRow("한글") << QStringLiteral("gksrmf") << QStringLiteral("한글");
    QTest::newRow("노아의 방주") << QStringLiteral("shdkdml qkdwn") << QStringLiteral("노아의 방주");
    QTest::newRow("앉아") << QStringLiteral("dkswdk") << QStringLiteral("앉아");
    QTest::newRow("닭이") << QStringLiteral("ekfrdl") << QStringLiteral("닭이");
    QTest::newRow("Shift: 쌍꺼풀") << QStringLiteral("TkdRjvnf") << QStringLiteral("쌍꺼풀");
    QTest::newRow("ends in a digit") << QStringLiteral("rk2") << QStringLiteral("가2");
    QTest::newRow("trailing space kept") << QStringLiteral("dk ") << QStringLiteral("아 ");
}

void TestHangulLineEdit::enterSeesWholeAnswer()
{
    QFETCH(QString, keys);
    QFETCH(QString, answer);
    QStringList seen;
    Fixture f;
    QVERIFY(f.focusBox());
    connect(f.box, &QLineEdit::returnPressed, f.box, [&] { seen << f.box->text(); });
    typeKeys(f.box, keys);
    QTest::keyClick(f.box, Qt::Key_Return);
    QCOMPARE(seen, QStringList{answer});
    QCOMPARE(f.box->composition(), QString());
    QCOMPARE(f.box->displayText(), answer);
    // Enter on the keypad submits the same way.
    QTest::keyClick(f.box, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(seen, (QStringList{answer, answer}));
}

void TestHangulLineEdit::syllableShownWhileComposed()
{
    Fixture f;
    QVERIFY(f.focusBox());
    const QImage empty = f.box->grab().toImage();
    PreeditLog log;
    f.box->installEventFilter(&log);
    typeKeys(f.box, QStringLiteral("gks"));
    QCOMPARE(log.preedits, (QStringList{QStringLiteral("ㅎ"), QStringLiteral("하"), QStringLiteral("한")}));
    QCOMPARE(f.box->text(), QString());
    QCOMPARE(f.box->composition(), QStringLiteral("한"));
    QVERIFY(f.box->grab().toImage() != empty);
    // The next consonant-vowel pair finishes 한 and shows 그 composing.
    typeKeys(f.box, QStringLiteral("rm"));
    QCOMPARE(f.box->text(), QStringLiteral("한"));
    QCOMPARE(log.preedits.last(), QStringLiteral("그"));
}

void TestHangulLineEdit::capsLockDoesNotMatter()
{
    // With Caps Lock on, a letter key sends upper-case text and no Shift.
    Fixture f;
    QVERIFY(f.focusBox());
    QTest::sendKeyEvent(QTest::Click, f.box, Qt::Key_G, QStringLiteral("G"), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Click, f.box, Qt::Key_K, QStringLiteral("K"), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Click, f.box, Qt::Key_S, QStringLiteral("S"), Qt::NoModifier);
    QCOMPARE(f.box->composition(), QStringLiteral("한"));
    // Caps Lock with Shift still gives the tense consonant.
    QTest::sendKeyEvent(QTest::Click, f.box, Qt::Key_R, QStringLiteral("r"), Qt::ShiftModifier);
    QTest::sendKeyEvent(QTest::Click, f.box, Qt::Key_K, QStringLiteral("K"), Qt::NoModifier);
    QCOMPARE(f.box->text(), QStringLiteral("한"));
    QCOMPARE(f.box->composition(), QStringLiteral("까"));
}

void TestHangulLineEdit::loneModifiersKeepTheSyllable()
{
    Fixture f;
    QVERIFY(f.focusBox());
    typeKeys(f.box, QStringLiteral("gk"));
    for (Qt::Key k : {Qt::Key_Shift, Qt::Key_CapsLock, Qt::Key_Control, Qt::Key_Alt}) {
        QTest::keyPress(f.box, k);
        QTest::keyRelease(f.box, k);
    }
    typeKeys(f.box, QStringLiteral("s"));
    QCOMPARE(f.box->text(), QString());
    QCOMPARE(f.box->composition(), QStringLiteral("한"));
}

void TestHangulLineEdit::backspaceOneJamoThenCharacters()
{
    Fixture f;
    QVERIFY(f.focusBox());
    typeKeys(f.box, QStringLiteral("dk gks"));
    const QList<QPair<QString, QString>> steps = {
        {QStringLiteral("아 "), QStringLiteral("하")},
        {QStringLiteral("아 "), QStringLiteral("ㅎ")},
        {QStringLiteral("아 "), QString()},
        {QStringLiteral("아"), QString()},
        {QString(), QString()},
        {QString(), QString()},
    };
    for (const auto &[text, composing] : steps) {
        QTest::keyClick(f.box, Qt::Key_Backspace);
        QCOMPARE(f.box->text(), text);
        QCOMPARE(f.box->composition(), composing);
    }
    // A finished syllable is deleted whole, not reopened jamo by jamo.
    typeKeys(f.box, QStringLiteral("gks "));
    QTest::keyClick(f.box, Qt::Key_Backspace);
    QTest::keyClick(f.box, Qt::Key_Backspace);
    QCOMPARE(f.box->text(), QString());
    QCOMPARE(f.box->composition(), QString());
}

enum class Finish { FocusOut, MousePress, Commit, KeypadDigit, Escape, Tab };
Q_DECLARE_METATYPE(Finish)

void TestHangulLineEdit::syllableFinishedBy_data()
{
    QTest::addColumn<Finish>("how");
    QTest::addColumn<QString>("text");
    QTest::newRow("focus moves away") << Finish::FocusOut << QStringLiteral("한");
    QTest::newRow("mouse press in the box") << Finish::MousePress << QStringLiteral("한");
    QTest::newRow("commitComposition()") << Finish::Commit << QStringLiteral("한");
    QTest::newRow("keypad digit") << Finish::KeypadDigit << QStringLiteral("한1");
    QTest::newRow("Escape") << Finish::Escape << QStringLiteral("한");
    QTest::newRow("Tab") << Finish::Tab << QStringLiteral("한");
}

void TestHangulLineEdit::syllableFinishedBy()
{
    QFETCH(Finish, how);
    QFETCH(QString, text);
    QStringList textAtFinish;  // outlives the box, which ends editing as it goes
    Fixture f;
    QVERIFY(f.focusBox());
    connect(f.box, &QLineEdit::editingFinished, f.box, [&] { textAtFinish << f.box->text(); });
    typeKeys(f.box, QStringLiteral("gks"));
    switch (how) {
    case Finish::FocusOut:
        f.other->setFocus(Qt::OtherFocusReason);
        QCOMPARE(textAtFinish, QStringList{text});  // already whole when editing ends
        break;
    case Finish::MousePress:
        QTest::mouseClick(f.box, Qt::LeftButton, {}, f.box->rect().center());
        break;
    case Finish::Commit:
        f.box->commitComposition();
        break;
    case Finish::KeypadDigit:
        QTest::keyClick(f.box, Qt::Key_1, Qt::KeypadModifier);
        break;
    case Finish::Escape:
        QTest::keyClick(f.box, Qt::Key_Escape);
        break;
    case Finish::Tab:
        QTest::keyClick(&f.window, Qt::Key_Tab);
        QVERIFY(f.other->hasFocus());
        break;
    }
    QCOMPARE(f.box->text(), text);
    QCOMPARE(f.box->composition(), QString());
    // The next letter starts a new syllable, not 한's final.
    f.box->setFocus(Qt::OtherFocusReason);
    f.box->end(false);
    typeKeys(f.box, QStringLiteral("k"));
    QCOMPARE(f.box->text(), text);
    QCOMPARE(f.box->composition(), QStringLiteral("ㅏ"));
}

void TestHangulLineEdit::chordActsOnFinishedText()
{
    // Ctrl+A selects the whole answer including the syllable being composed;
    // the next letter replaces it.
    Fixture f;
    QVERIFY(f.focusBox());
    typeKeys(f.box, QStringLiteral("dk gks"));
    QTest::keyClick(f.box, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(f.box->selectedText(), QStringLiteral("아 한"));
    typeKeys(f.box, QStringLiteral("rk"));
    QCOMPARE(f.box->text(), QString());
    QCOMPARE(f.box->composition(), QStringLiteral("가"));
    QTest::keyClick(f.box, Qt::Key_Return);
    QCOMPARE(f.box->text(), QStringLiteral("가"));
}

void TestHangulLineEdit::toggleToLatinAndBackOnFocus_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("한/영 key") << int(Qt::Key_Hangul) << int(Qt::NoModifier);
    QTest::newRow("Shift+Space") << int(Qt::Key_Space) << int(Qt::ShiftModifier);
}

void TestHangulLineEdit::toggleToLatinAndBackOnFocus()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    const auto toggle = [&](QWidget *w) {
        const QString text = key == Qt::Key_Space ? QStringLiteral(" ") : QString();
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key(key), text, Qt::KeyboardModifiers(modifiers));
    };
    Fixture f;
    QVERIFY(f.focusBox());
    QVERIFY(f.box->isHangulMode());
    QSignalSpy modes(f.box, &HangulLineEdit::hangulModeChanged);

    typeKeys(f.box, QStringLiteral("gk"));
    toggle(f.box);  // finishes 하, types no space
    QVERIFY(!f.box->isHangulMode());
    QCOMPARE(f.box->text(), QStringLiteral("하"));
    typeKeys(f.box, QStringLiteral("Moses"));
    QCOMPARE(f.box->text(), QStringLiteral("하Moses"));
    QCOMPARE(f.box->composition(), QString());

    toggle(f.box);
    typeKeys(f.box, QStringLiteral("rk"));
    QCOMPARE(f.box->composition(), QStringLiteral("가"));

    // Left in Latin, the box is back in Hangul at its next focus gain.
    toggle(f.box);
    QVERIFY(!f.box->isHangulMode());
    f.other->setFocus(Qt::OtherFocusReason);
    QVERIFY(!f.box->isHangulMode());
    QVERIFY(f.focusBox());
    QVERIFY(f.box->isHangulMode());
    f.box->clear();
    typeKeys(f.box, QStringLiteral("gks"));
    QCOMPARE(f.box->composition(), QStringLiteral("한"));
    QCOMPARE(modes.size(), 4);
    QCOMPARE(modes.last().at(0).toBool(), true);
}

void TestHangulLineEdit::systemInputMethodTextAccepted()
{
    Fixture f;
    QVERIFY(f.focusBox());
    QInputMethodEvent preedit(QStringLiteral("ㅇ"), {});
    QApplication::sendEvent(f.box, &preedit);
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("안녕"));
    QApplication::sendEvent(f.box, &commit);
    QCOMPARE(f.box->text(), QStringLiteral("안녕"));
    // Arriving while a syllable is composed here, it goes after that syllable.
    typeKeys(f.box, QStringLiteral("gk"));
    QApplication::sendEvent(f.box, &commit);
    QCOMPARE(f.box->text(), QStringLiteral("안녕하안녕"));
    QCOMPARE(f.box->composition(), QString());
}

void TestHangulLineEdit::textSetFromOutsideDropsSyllable_data()
{
    QTest::addColumn<QString>("newText");
    QTest::newRow("box emptied") << QString();
    QTest::newRow("text replaced") << QStringLiteral("새");
}

void TestHangulLineEdit::textSetFromOutsideDropsSyllable()
{
    // The popup empties the box after a verdict while a player may be typing:
    // the half-typed syllable must not reappear in the next question's box.
    QFETCH(QString, newText);
    Fixture f;
    QVERIFY(f.focusBox());
    typeKeys(f.box, QStringLiteral("rk gk"));
    f.box->setText(newText);
    QCOMPARE(f.box->composition(), QString());
    f.other->setFocus(Qt::OtherFocusReason);
    QCOMPARE(f.box->text(), newText);
    QVERIFY(f.focusBox());
    typeKeys(f.box, QStringLiteral("s"));
    QCOMPARE(f.box->composition(), QStringLiteral("ㄴ"));
}

QTEST_MAIN(TestHangulLineEdit)
#include "test_hangul_line_edit.moc"
