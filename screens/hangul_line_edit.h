// A one-line answer box that types Hangul from Latin keys in the two-set layout,
// with no system input method. The syllable being composed is shown in the box
// (as input-method preedit) but is not in text() until it is finished: by the
// next syllable, a space, digit, punctuation, Enter, Backspace past it, a mouse
// press, focus loss or commitComposition(). Enter emits returnPressed() with
// the whole answer in text().
#pragma once

#include "hangul_composer.h"

#include <QLineEdit>

class HangulLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit HangulLineEdit(QWidget *parent = nullptr);

    // Hangul entry (true) or Latin letters. Every focus gain sets Hangul.
    bool isHangulMode() const { return m_hangul; }
    void setHangulMode(bool hangul);

    // The syllable being composed, not yet in text().
    QString composition() const { return m_composer.composing(); }
    // Finishes the syllable being composed into text(). Call before reading
    // text() from a click that leaves the focus here (a click area, not a button).
    void commitComposition();
    // Drops the syllable being composed without touching text().
    void discardComposition();

signals:
    void hangulModeChanged(bool hangul);

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void inputMethodEvent(QInputMethodEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;

private:
    // Puts commit into text() and shows the syllable being composed.
    void showComposition(const QString &commit);
    bool typeHangulKey(QKeyEvent *e);
    void onTextChanged();

    HangulComposer m_composer;
    bool m_hangul = true;
    bool m_ownEdit = false;  // our own preedit/commit event is being applied
};
