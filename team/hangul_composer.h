// Composes Hangul from keys of the two-set (두벌식) layout, without any system
// input method. Keys are layout letters 'a'..'z'; the capitals R E Q T W O P
// give ㄲ ㄸ ㅃ ㅆ ㅉ ㅒ ㅖ, other capitals act as lower case.
#pragma once

#include <QString>
#include <Qt>

struct _HangulInputContext;

class HangulComposer {
public:
    HangulComposer();
    ~HangulComposer();
    HangulComposer(const HangulComposer &) = delete;
    HangulComposer &operator=(const HangulComposer &) = delete;

    struct KeyResult {
        QString commit;  // text finished by this key, to insert before anything else
        bool used;       // false: the key is not a layout letter; insert its own text
    };
    // Feeds one ASCII key. A non-letter finishes the syllable being composed
    // (returned in commit) and is not used.
    KeyResult typeKey(char key);
    // Takes back one jamo (한 → 하 → ㅎ → nothing). False when nothing was being
    // composed: then the caller deletes a character itself.
    bool backspace();
    // Finishes the syllable being composed and returns it.
    QString flush();
    // Drops the syllable being composed.
    void reset();

    // The syllable being composed (a lone jamo while incomplete); empty when none.
    QString composing() const { return m_composing; }
    bool isComposing() const { return !m_composing.isEmpty(); }

private:
    void readComposing();

    _HangulInputContext *m_ic;
    QString m_composing;
};

// The layout letter of a Qt key: Key_A..Key_Z give 'a'..'z', or 'A'..'Z' with
// Shift held. Taken from the key code, so Caps Lock changes nothing. 0 otherwise.
char hangulLayoutKey(int qtKey, Qt::KeyboardModifiers modifiers);
