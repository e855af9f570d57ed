// Keys typed into a widget as a keyboard sends them.
#pragma once

#include <QString>
#include <QtTest>

// A capital letter is Shift with that key, '\n' is Return, '\b' is Backspace,
// '~' is Shift+Space, '^' is 한/영.
inline void typeKeys(QWidget *w, const QString &keys)
{
    for (QChar ch : keys) {
        const char c = ch.toLatin1();
        if (c == '\n')
            QTest::keyClick(w, Qt::Key_Return);
        else if (c == '\b')
            QTest::keyClick(w, Qt::Key_Backspace);
        else if (c == '~')
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_Space, QStringLiteral(" "), Qt::ShiftModifier);
        else if (c == '^')
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_Hangul, QString(), Qt::NoModifier);
        else if (c >= 'A' && c <= 'Z')
            QTest::keyClick(w, c, Qt::ShiftModifier);
        else
            QTest::keyClick(w, c);
    }
}
