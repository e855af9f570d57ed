// A one-line answer box that types Hangul from Latin keys in the two-set layout,
// with no system input method (HangulEntry). The syllable being composed is
// shown in the box (as input-method preedit) but is not in text() until it is
// finished: by the next syllable, a space, digit, punctuation, Enter, Backspace
// past it, a mouse press, focus loss or commitComposition(). Enter emits
// returnPressed() with the whole answer in text().
#pragma once

#include "widgets/hangul_entry.h"

#include <QLineEdit>

class HangulLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit HangulLineEdit(QWidget *parent = nullptr);

    // Hangul entry (true) or Latin letters. Every focus gain sets Hangul.
    bool isHangulMode() const { return m_entry->isHangulMode(); }
    void setHangulMode(bool hangul) { m_entry->setHangulMode(hangul); }

    // The syllable being composed, not yet in text().
    QString composition() const { return m_entry->composition(); }
    // Finishes the syllable being composed into text(). Call before reading
    // text() from a click that leaves the focus here (a click area, not a button).
    void commitComposition() { m_entry->commitComposition(); }
    // Drops the syllable being composed without touching text().
    void discardComposition() { m_entry->discardComposition(); }

signals:
    void hangulModeChanged(bool hangul);

private:
    HangulEntry *m_entry;
};
