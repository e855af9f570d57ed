// The data files: any bytes load; saving what was loaded and loading that
// again gives the same tables, and saving those gives the same bytes.
// Input: the quiz file, a NUL byte, the picture file.
#include "core/shared_state.h"
#include "data/datafiles.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray all(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype cut = all.indexOf('\0');
    const QByteArray quiz = cut < 0 ? all : all.left(cut);
    const QByteArray pictures = cut < 0 ? QByteArray() : all.mid(cut + 1);

    Shared first;
    loadTables(first, quiz, pictures);
    const QByteArray quizBytes = quizFileBytes(first);
    const QByteArray pictureBytes = pictureFileBytes(first);

    Shared again;
    loadTables(again, quizBytes, pictureBytes);
    if (again.Quiz_Table != first.Quiz_Table || again.Picture_Table != first.Picture_Table)
        std::abort();
    if (quizFileBytes(again) != quizBytes || pictureFileBytes(again) != pictureBytes)
        std::abort();
    return 0;
}
