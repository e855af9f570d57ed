#include "team/hangul_composer.h"

#include <hangul-1.0/hangul.h>

namespace {

QString fromUcs(const ucschar *s)
{
    if (!s)
        return QString();
    qsizetype n = 0;
    while (s[n])
        ++n;
    return QString::fromUcs4(reinterpret_cast<const char32_t *>(s), n);
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

}  // namespace

HangulComposer::HangulComposer() : m_ic(hangul_ic_new("2")) {}

HangulComposer::~HangulComposer()
{
    if (m_ic)
        hangul_ic_delete(m_ic);
}

void HangulComposer::readComposing()
{
    m_composing = m_ic ? fromUcs(hangul_ic_get_preedit_string(m_ic)) : QString();
}

HangulComposer::KeyResult HangulComposer::typeKey(char key)
{
    if (!m_ic || !isLetter(key))
        return {flush(), false};
    const bool used = hangul_ic_process(m_ic, key);
    QString commit = fromUcs(hangul_ic_get_commit_string(m_ic));
    readComposing();
    if (!used) {
        // Not expected for a letter in this layout; never let the key vanish.
        commit += flush();
    }
    return {commit, used};
}

bool HangulComposer::backspace()
{
    if (!m_ic || !isComposing())
        return false;
    const bool took = hangul_ic_backspace(m_ic);
    readComposing();
    return took;
}

QString HangulComposer::flush()
{
    if (!m_ic)
        return QString();
    QString done = fromUcs(hangul_ic_flush(m_ic));
    m_composing.clear();
    return done;
}

void HangulComposer::reset()
{
    if (m_ic)
        hangul_ic_reset(m_ic);
    m_composing.clear();
}

char hangulLayoutKey(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (qtKey < Qt::Key_A || qtKey > Qt::Key_Z)
        return 0;
    const char base = (modifiers & Qt::ShiftModifier) ? 'A' : 'a';
    return char(base + (qtKey - Qt::Key_A));
}
