#include "widgets/board_font.h"

#include <QFontDatabase>
#include <QHash>

#include <cmath>

namespace {

struct FaceMapping {
    QString family;
    QString style;
};

QHash<QString, FaceMapping> &mappings()
{
    static QHash<QString, FaceMapping> m;
    return m;
}

}  // namespace

void setFaceMapping(const QString &face, const QString &family, const QString &style)
{
    mappings().insert(face, {family, style});
}

QFont boardFont(const char *face, double points, bool bold)
{
    const QString name = QString::fromUtf8(face);
    QFont f(name);
    const auto it = mappings().constFind(name);
    if (it != mappings().constEnd()) {
        f.setFamilies({it->family, name});
        // A heavy file (the display face) keeps its own style; a regular one takes
        // the family's own bold style where it has one.
        if (!it->style.isEmpty() && it->style != QLatin1String("Regular"))
            f.setStyleName(it->style);
        else if (bold && QFontDatabase::styles(it->family).contains(QLatin1String("Bold")))
            f.setStyleName(QStringLiteral("Bold"));
    }
    f.setBold(bold);
    f.setPixelSize(qMax(1, int(std::lround(points * 96.0 / 72.0))));
    return f;
}
