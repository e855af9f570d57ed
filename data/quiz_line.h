// Fields of a quiz line (question ";" answer) and a picture line
// (file name ";" caption). A line splits at every ";", with no quoting;
// readers use fields 1 and 2 only. An empty line has no field at all.
#pragma once

#include <QString>

#include <optional>

// Field n (counted from 1) of line, or nothing when the line does not have it.
std::optional<QString> lineField(const QString &line, int n);

// Removes spaces (U+0020 only) at both ends; tabs and line breaks stay.
QString trimSpaces(const QString &text);

inline const QString kBreakMarker = QStringLiteral("<br>");  // a line break in a question
