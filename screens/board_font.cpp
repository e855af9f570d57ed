#include "board_font.h"

#include <QHash>

#include <cmath>

namespace {

struct FaceMapping {
    QString family;
    QFont::Weight weight;
};

QHash<QString, FaceMapping> &mappings()
{
    static QHash<QString, FaceMapping> m;
    return m;
}

}  // namespace

void setFaceMapping(const QString &face, const QString &family, QFont::Weight weight)
{
    mappings().insert(face, {family, weight});
}

QFont boardFont(const char *face, double points, bool bold)
{
    const QString name = QString::fromUtf8(face);
    QFont f(name);
    const auto it = mappings().constFind(name);
    QFont::Weight weight = QFont::Normal;
    if (it != mappings().constEnd()) {
        f.setFamilies({it->family, name});
        weight = it->weight;
    }
    f.setWeight(bold ? qMax(weight, QFont::Bold) : weight);
    f.setPixelSize(qMax(1, int(std::lround(points * 96.0 / 72.0))));
    return f;
}
