// A quiz set in one zip file, written and read through libzip. The archive
// holds one folder named after the set with the set's files, names in UTF-8:
//   NAME/  NAME/Quiz.qdf  NAME/BIP.QDF  NAME/img/  NAME/img/1.jpg ...
// An archive whose Quiz.qdf lies at the top (the files zipped without their
// folder) is read too; the set is then named after the zip file.
//
// An import takes nothing it does not trust: it refuses the whole archive,
// writes nothing and says why when an entry points outside the set folder
// ("../", an absolute path), is a link, is encrypted, is anything but the two
// data files and pictures in img/, when there are more entries or more
// unpacked bytes than a set can need, or when a picture does not read as one.
#pragma once

#include "data/quiz_sets.h"

#include <functional>

// True when bytes hold a picture the program can show.
using IsPicture = std::function<bool(const QByteArray &bytes)>;

// What a set may hold: beyond this an archive is refused as a zip bomb.
inline constexpr int kMaxSetPictures = 100;
inline constexpr int kMaxArchiveEntries = kMaxSetPictures + 4;  // + two files, two folders
inline constexpr qint64 kMaxDataFileBytes = 4 << 20;
inline constexpr qint64 kMaxPictureBytes = 16 << 20;   // a 2048 x 2048 bitmap is 12 MiB
inline constexpr qint64 kMaxSetBytes = 200 << 20;

// Writes the set in setFolder as zipPath, its folder named setName. Files of
// img/ that are not pictures are left out. The zip is replaced whole or not at all.
SetOutcome exportSet(const QString &setFolder, const QString &setName, const QString &zipPath,
                     const IsPicture &isPicture);

// Reads zipPath as a new set of sets, named after its folder (made free with
// QuizSets::freeName). On success *newName is the set's name.
SetOutcome importSet(const QString &zipPath, QuizSets &sets, const IsPicture &isPicture,
                     QString *newName = nullptr);

// The checks of an import on files already unpacked (paths inside the set).
SetOutcome checkSetFiles(const QList<SetFile> &files, const IsPicture &isPicture);
