// The Hangul composer fed any keys (0x08 takes a jamo back, 0x0A finishes
// the syllable), then the answer check: what was typed is right against
// itself, with or without its spaces.
#include "team/answer_check.h"
#include "team/hangul_composer.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    HangulComposer composer;
    QString typed;
    for (std::size_t i = 0; i < size; ++i) {
        const char key = char(data[i] & 0x7F);
        if (key == 0x08) {
            if (!composer.backspace() && !typed.isEmpty())
                typed.chop(1);
        } else if (key == 0x0A) {
            typed += composer.flush();
        } else {
            const HangulComposer::KeyResult r = composer.typeKey(key);
            typed += r.commit;
            if (!r.used && key >= 0x20)
                typed += QLatin1Char(key);
        }
        if (composer.composing().size() > 1)
            std::abort();  // one syllable or jamo at a time
    }
    typed += composer.flush();

    QString bare = typed;
    bare.remove(QLatin1Char(' '));
    const AnswerVerdict expected = bare.isEmpty() ? AnswerVerdict::Ignored : AnswerVerdict::Right;
    if (judgeTypedAnswer(typed, typed) != expected && !bare.isEmpty())
        std::abort();
    if (!bare.isEmpty() && judgeTypedAnswer(bare, QLatin1Char(' ') + typed + QLatin1Char(' ')) != AnswerVerdict::Right)
        std::abort();
    return 0;
}
