#include "data/datafiles.h"

#include "core/shared_state.h"
#include "data/cp949.h"
#include "data/data_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>

namespace {

// The file's lines without their CR LF (or LF); nothing when it cannot be read.
QList<QByteArray> splitLines(const QByteArray &all)
{
    QList<QByteArray> lines = all.split('\n');
    // Text after the last line break is a line too; a final break ends the last one.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray &l : lines)
        if (l.endsWith('\r'))
            l.chop(1);
    return lines;
}

// Only regular files are read: a named pipe would never end.
QByteArray readDataFile(const QString &path)
{
    QFile f(path);
    if (!QFileInfo(path).isFile() || !f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

const QByteArray kCrLf("\r\n");

// The line as the file gets it: its old bytes while they still say the same.
QByteArray lineBytes(const QString &text, const QByteArray &readWith)
{
    if (!readWith.isEmpty() && decodeCp949(readWith) == text)
        return readWith;
    return encodeCp949(text);
}

}  // namespace

void loadTables(Shared &s, const QByteArray &quizFile, const QByteArray &pictureFile)
{
    const QList<QByteArray> quiz = splitLines(quizFile);
    int k = 0;
    for (int game = 0; game <= 9; ++game) {
        for (int q = 0; q <= 8; ++q, ++k) {
            s.Quiz_Bytes[game][q] = k < quiz.size() ? quiz.at(k) : QByteArray();
            s.Quiz_Table[game][q] = decodeCp949(s.Quiz_Bytes[game][q]);
        }
    }
    const QList<QByteArray> pics = splitLines(pictureFile);
    for (int game = 0; game <= 9; ++game) {
        s.Picture_Bytes[game] = game < pics.size() ? pics.at(game) : QByteArray();
        s.Picture_Table[game] = decodeCp949(s.Picture_Bytes[game]);
    }
}

void Load_Quiz(Shared &s)
{
    const QString folder = setDir(s);
    loadTables(s, readDataFile(folder + kQuizFileName), readDataFile(folder + kPictureFileName));
}

QByteArray pictureFileBytes(const Shared &s)
{
    QByteArray out;
    for (int game = 0; game <= 9; ++game)
        out += lineBytes(s.Picture_Table[game], s.Picture_Bytes[game]) + kCrLf;
    return out + kCrLf;
}

QByteArray quizFileBytes(const Shared &s)
{
    QByteArray out;
    for (int game = 0; game <= 9; ++game)
        for (int q = 0; q <= 8; ++q)
            out += lineBytes(s.Quiz_Table[game][q], s.Quiz_Bytes[game][q]) + kCrLf;
    return out + kCrLf;
}

WriteError saveGameFiles(const Shared &s, const QString &pictureName, const QByteArray &pictureBytes)
{
    const QString folder = setDir(s);
    if (claimDataFolder(folder) == FolderClaim::OtherCopy)
        return WriteError{WriteError::OtherCopy, folder + kQuizFileName, 0};
    FileBatch batch;
    if (!pictureName.isEmpty()) {
        const QString pictures = folder + kPictureFolder;
        if (!QFileInfo(pictures).isDir() && QFileInfo(folder).isDir())
            QDir(folder).mkdir(kPictureFolder);  // the check below tells what failed
        batch.add(pictures + pictureName, pictureBytes);
    }
    // The picture file before the quiz file, as they are renamed.
    batch.add(folder + kPictureFileName, pictureFileBytes(s));
    batch.add(folder + kQuizFileName, quizFileBytes(s));
    batch.commit();
    return batch.error();
}

bool writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    FileBatch batch;
    return batch.add(path, bytes) && batch.commit();
}

bool savePictureFile(const Shared &s)
{
    return writeFileAtomically(setDir(s) + kPictureFileName, pictureFileBytes(s));
}

bool saveQuizFile(const Shared &s)
{
    return writeFileAtomically(setDir(s) + kQuizFileName, quizFileBytes(s));
}
