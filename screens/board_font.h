#pragma once

#include <QFont>

// A board face at a size in points, as pixels at 96 dots an inch.
inline QFont boardFont(const char *face, double points, bool bold = false)
{
    QFont f(QString::fromUtf8(face));
    f.setPixelSize(qMax(1, qRound(points * 96.0 / 72.0)));
    f.setBold(bold);
    return f;
}
