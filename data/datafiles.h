// The two data files beside the program, both CP949 text with CR LF lines:
//   "Quiz.qdf": 90 quiz lines, game-major (line k is question k mod 9 of
//               game k div 9), then one empty line when written by us;
//   "BIP.QDF":  10 picture lines, one per game, then one empty line.
// Lines ended by LF alone are read too; lines past the 90th / 10th are ignored.
// A line is written back with the very bytes it was read with as long as its
// table entry is unchanged, so bytes that are not CP949 survive a save.
#pragma once

#include "data/file_batch.h"

#include <QByteArray>
#include <QString>

struct Shared;

inline const QString kQuizFileName = QStringLiteral("Quiz.qdf");
inline const QString kPictureFileName = QStringLiteral("BIP.QDF");
inline const QString kPictureFolder = QStringLiteral("img/");

// Every reader and writer of the data files takes its folder from setDir(s)
// (core/shared_state.h): the set in use.

// Fills Quiz_Table and Picture_Table (and the bytes of each line) from the
// set in use. Never fails: a line that cannot be read leaves its entry empty.
void Load_Quiz(Shared &s);
// The same from the files' bytes.
void loadTables(Shared &s, const QByteArray &quizFile, const QByteArray &pictureFile);

// The bytes each file gets, as the save writes them.
QByteArray pictureFileBytes(const Shared &s);
QByteArray quizFileBytes(const Shared &s);

// Saves a game: the picture (when pictureName is not empty: bytes stored as
// img/pictureName, img/ made when missing), BIP.QDF and Quiz.qdf, all from s.
// All of them are replaced or none: on failure every file is as it was.
WriteError saveGameFiles(const Shared &s, const QString &pictureName = QString(),
                         const QByteArray &pictureBytes = QByteArray());

// Rewrite one file of the set in use whole from the tables. False when the file could not be
// replaced; the old file is then left exactly as it was.
bool savePictureFile(const Shared &s);
bool saveQuizFile(const Shared &s);

// Writes bytes to a temporary file in the same folder, then renames it over
// path (FileBatch). On any failure the old file stays whole and the temporary
// is removed. A file or folder without its owner-write bit counts as read-only.
bool writeFileAtomically(const QString &path, const QByteArray &bytes);
