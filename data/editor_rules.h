// The editor's text rules, without widgets: what a box lets in, how its text
// becomes a quiz line or a picture line, and the stored picture's name.
#pragma once

#include "data/quiz_line.h"

#include <QString>
#include <QStringList>

#include <array>

enum class BoxKind {
    Question,  // several lines; a line break is stored as "<br>"
    Answer,    // one line
    Caption,   // several lines on screen, one line in the picture file
};

// Text as it may enter a box: ";" becomes "；" (U+FF1B) so no field splits,
// line breaks become spaces except in a question (a CR LF pair gives one), a
// tab becomes a space (an answer must stay typeable), and characters CP949
// cannot hold become their nearest plain form (é → e, – → -) or are dropped.
QString cleanBoxText(const QString &text, BoxKind kind);

// The same, with the changes the host should hear of: tabs and characters
// the files cannot hold ("é→e", "😀 뺌"); ";" and line breaks are the boxes'
// own rules and not listed.
struct CleanedText {
    QString text;
    QStringList changes;
};
CleanedText cleanBoxTextReport(const QString &text, BoxKind kind);

// One sentence for the host about changes (empty for none).
QString cleanedTextNotice(const QStringList &changes);

// Only ASCII letters and digits of an extension, so no name leaves "img/".
QString safeExtension(const QString &ext);

// Img_Ext of a picture line's file name: the text between its first and
// second "." (empty without a "."), kept to letters and digits.
QString extensionFromPictureName(const QString &fileName);

// Img_Ext of a chosen file: the extension after its last ".", letters and digits.
QString extensionFromChosenFile(const QString &path);

// "<game + 1>.<ext>": 3.jpg for game index 2 and "jpg".
QString storedPictureName(int game, const QString &ext);

// A question box's text as the quiz file holds it: every line break becomes
// "<br>" (shown text always uses "\n"), then spaces are trimmed at both ends.
QString questionField(const QString &boxText);

// A quiz line from two boxes, or empty when the question (without its line
// breaks) or the answer is blank: then the old line stays.
QString composeQuizLine(const QString &question, const QString &answer);

struct Shared;

// What the editor holds for one game when the host saves it.
struct GameEdit {
    QString caption;             // as the caption box shows it
    std::array<QString, 9> questions;  // as the question boxes show them
    std::array<QString, 9> answers;
};

// The save rules, applied to the tables: the picture line becomes
// storedName + ";" + the cleaned caption, or keeps its old file name when
// storedName is empty (the picture could not be stored); each quiz line is
// replaced unless its question or answer is blank.
void applyGameEdit(Shared &s, int game, const GameEdit &edit, const QString &storedName);

// A question field of a quiz line as a box shows it: "<br>" becomes a line break.
QString questionBoxText(const QString &field);

// Titles of the 35 example pictures, index 0 to 34.
const QStringList &exampleTitles();
