// Hangul typed from Latin keys in the two-set layout, inside a text box and
// without any system input method. One HangulEntry serves one box (a QLineEdit
// or a QPlainTextEdit) as its event filter: it sees the box's key,
// input-method, focus and mouse events before the box does. The syllable being
// composed reaches the box as an input-method event: shown as preedit, not in
// the box's text until finished.
#pragma once

#include "team/hangul_composer.h"

#include <QObject>

class QKeyEvent;
class QWidget;

class HangulEntry : public QObject {
    Q_OBJECT
public:
    // box receives the composed text and owns this object; the entry filters
    // the box's events (and its viewport's mouse presses) from now on.
    explicit HangulEntry(QWidget *box);

    // Hangul entry (true) or Latin letters. focusIn() sets Hangul.
    bool isHangulMode() const { return m_hangul; }
    void setHangulMode(bool hangul);

    // The syllable being composed, not yet in the box's text.
    QString composition() const { return m_composer.composing(); }
    // Finishes the syllable being composed into the box's text.
    void commitComposition();
    // Drops the syllable being composed without touching the box's text.
    void discardComposition();

    // The box's text changed. Changed from outside (setText, clear) while a
    // syllable is composed, that syllable belongs to the old text: dropped.
    void textChanged();

    bool eventFilter(QObject *watched, QEvent *e) override;

signals:
    void hangulModeChanged(bool hangul);

private:
    // True: the key was used here and the box must not handle it. False: the
    // box handles the key itself; the syllable is already finished if it must be.
    bool keyPress(QKeyEvent *e);
    void focusIn();

    // Puts commit into the box's text and shows the syllable being composed.
    void showComposition(const QString &commit);

    QWidget *m_box;
    HangulComposer m_composer;
    bool m_hangul = true;
    bool m_ownEdit = false;  // our own preedit/commit event is being applied
};
