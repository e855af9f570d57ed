// domisol_mkdata QUIZ_UTF8 PICTURES_UTF8 RUN_DIR
// Writes RUN_DIR/Quiz.qdf and RUN_DIR/BIP.QDF from UTF-8 text files (one line
// per table entry) exactly as the program's save writes them. A data file that
// already exists is left alone: a teacher's saved games survive a rebuild.
#include "core/paths.h"
#include "core/shared_state.h"
#include "data/datafiles.h"

#include <QFile>
#include <QStringList>

#include <cstdio>

namespace {

QStringList utf8Lines(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    for (QString &l : lines)
        if (l.endsWith(QLatin1Char('\r')))
            l.chop(1);
    return lines;
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: domisol_mkdata QUIZ_UTF8 PICTURES_UTF8 RUN_DIR\n");
        return 2;
    }
    Shared s;
    s.App_Dir = folderWithSeparator(QString::fromLocal8Bit(argv[3]));

    const QStringList quiz = utf8Lines(QString::fromLocal8Bit(argv[1]));
    const QStringList pics = utf8Lines(QString::fromLocal8Bit(argv[2]));
    if (quiz.size() < 90 || pics.size() < 10) {
        std::fprintf(stderr, "domisol_mkdata: need 90 quiz lines and 10 picture lines\n");
        return 1;
    }
    for (int k = 0; k < 90; ++k)
        s.Quiz_Table[k / 9][k % 9] = quiz.at(k);
    for (int g = 0; g < 10; ++g)
        s.Picture_Table[g] = pics.at(g);

    bool ok = true;
    if (!QFile::exists(s.App_Dir + kPictureFileName))
        ok = savePictureFile(s) && ok;
    if (!QFile::exists(s.App_Dir + kQuizFileName))
        ok = saveQuizFile(s) && ok;
    return ok ? 0 : 1;
}
