#include "data/datafiles.h"

#include "core/shared_state.h"
#include "data/cp949.h"

#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSaveFile>

namespace {

// The file's lines without their CR LF (or LF); nothing when it cannot be read.
QList<QByteArray> readLines(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray all = f.readAll();
    QList<QByteArray> lines = all.split('\n');
    // Text after the last line break is a line too; a final break ends the last one.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray &l : lines)
        if (l.endsWith('\r'))
            l.chop(1);
    return lines;
}

const QByteArray kCrLf("\r\n");

}  // namespace

void Load_Quiz(Shared &s)
{
    const QList<QByteArray> quiz = readLines(setDir(s) + kQuizFileName);
    int k = 0;
    for (int game = 0; game <= 9; ++game)
        for (int q = 0; q <= 8; ++q, ++k)
            s.Quiz_Table[game][q] = k < quiz.size() ? decodeCp949(quiz.at(k)) : QString();

    const QList<QByteArray> pics = readLines(setDir(s) + kPictureFileName);
    for (int game = 0; game <= 9; ++game)
        s.Picture_Table[game] = game < pics.size() ? decodeCp949(pics.at(game)) : QString();
}

QByteArray pictureFileBytes(const Shared &s)
{
    QByteArray out;
    for (int game = 0; game <= 9; ++game)
        out += encodeCp949(s.Picture_Table[game]) + kCrLf;
    return out + kCrLf;
}

QByteArray quizFileBytes(const Shared &s)
{
    QByteArray out;
    for (int game = 0; game <= 9; ++game)
        for (int q = 0; q <= 8; ++q)
            out += encodeCp949(s.Quiz_Table[game][q]) + kCrLf;
    return out + kCrLf;
}

bool writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    const QFileInfo info(path);
    if (info.exists() && (info.isDir() || !(info.permissions() & QFileDevice::WriteOwner)))
        return false;
    QSaveFile f(path);
    f.setDirectWriteFallback(false);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    if (f.write(bytes) != bytes.size())
        return false;  // the temporary file goes with f
    return f.commit();
}

bool savePictureFile(const Shared &s)
{
    return writeFileAtomically(setDir(s) + kPictureFileName, pictureFileBytes(s));
}

bool saveQuizFile(const Shared &s)
{
    return writeFileAtomically(setDir(s) + kQuizFileName, quizFileBytes(s));
}
