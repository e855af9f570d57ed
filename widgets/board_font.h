// Fonts of the screens, asked for by the face names the layouts use
// ("HY견고딕", "굴림"). Start-up maps each face to the family and style of the
// font file registered for it; an unmapped face falls back to the system's.
#pragma once

#include <QFont>
#include <QString>

// Records that face is the given family in the given style ("ExtraBold", "Regular").
void setFaceMapping(const QString &face, const QString &family, const QString &style);

// The face at a size in points, as pixels at 96 dots an inch.
QFont boardFont(const char *face, double points, bool bold = false);
