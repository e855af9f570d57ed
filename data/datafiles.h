// The two data files beside the program, both CP949 text with CR LF lines:
//   "Quiz.qdf": 90 quiz lines, game-major (line k is question k mod 9 of
//               game k div 9), then one empty line when written by us;
//   "BIP.QDF":  10 picture lines, one per game, then one empty line.
// Lines ended by LF alone are read too; lines past the 90th / 10th are ignored.
#pragma once

#include <QByteArray>
#include <QString>

struct Shared;

// Fills Quiz_Table and Picture_Table from the set in use (setDir). Never fails: a line that
// cannot be read (missing file, short file) leaves its entry empty.
void Load_Quiz(Shared &s);

// Rewrite one file of the set in use whole from the tables. False when the file could not be
// replaced; the old file is then left exactly as it was.
bool savePictureFile(const Shared &s);
bool saveQuizFile(const Shared &s);

// The bytes each file gets, as the save writes them.
QByteArray pictureFileBytes(const Shared &s);
QByteArray quizFileBytes(const Shared &s);

// Writes bytes to a temporary file in the same folder, then renames it over
// path. On any failure the old file stays whole and the temporary is removed.
// A file without its owner-write bit counts as read-only and is not replaced.
bool writeFileAtomically(const QString &path, const QByteArray &bytes);

inline const QString kQuizFileName = QStringLiteral("Quiz.qdf");
inline const QString kPictureFileName = QStringLiteral("BIP.QDF");
inline const QString kPictureFolder = QStringLiteral("img/");
