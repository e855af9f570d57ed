#include "assets/gen/paint_kit.h"

#include <QFontDatabase>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSvgRenderer>
#include <QtMath>

#include <cmath>

namespace artgen {

namespace {

QString g_sourceDir;

QString familyOf(const char *file)
{
    const int id = QFontDatabase::addApplicationFont(
        QStringLiteral("/usr/share/fonts/truetype/nanum/") + QLatin1String(file));
    const QStringList families = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? QString() : families.first();
}

// A path of `text` whose letters are spaced by `spacing`, centred in `r`.
QPainterPath textPath(const QRectF &r, const QString &text, const QFont &font,
                      Qt::Alignment align, double spacing)
{
    QFont f = font;
    f.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    QPainterPath path;
    path.addText(0, 0, f, text);
    const QFontMetricsF fm(f);
    const QRectF box = path.boundingRect();
    double x = r.center().x() - box.center().x();
    if (align & Qt::AlignLeft)
        x = r.left() - box.left();
    else if (align & Qt::AlignRight)
        x = r.right() - box.right();
    // Centre on the cap height, not the ink box, so words with and without
    // descenders sit on one line.
    const double y = r.center().y() + (fm.capHeight() > 0 ? fm.capHeight() : box.height()) / 2;
    return path.translated(x, y);
}

}  // namespace

void setSourceDir(const QString &dir)
{
    g_sourceDir = dir;
}

QString sourcePath(const QString &name)
{
    return g_sourceDir + QLatin1Char('/') + name;
}

QFont displayFont(double pixelSize, bool extraBold)
{
    // Both files hold one family in two weights.
    static const QString eb = familyOf("NanumSquareRoundEB.ttf");
    static const QString b = familyOf("NanumSquareRoundB.ttf");
    const QString family = !eb.isEmpty() ? eb : b;
    QFont f(family.isEmpty() ? QStringLiteral("Sans") : family);
    f.setPixelSize(qMax(1, qRound(pixelSize)));
    f.setWeight(extraBold ? QFont::ExtraBold : QFont::Bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

namespace {
int g_paintScale = 1;
}  // namespace

void setPaintScale(int n)
{
    g_paintScale = qMax(1, n);
}

int paintScale()
{
    return g_paintScale;
}

QImage canvas(int width, int height, const QColor &fill)
{
    QImage img(width * g_paintScale, height * g_paintScale, QImage::Format_RGB32);
    img.setDevicePixelRatio(g_paintScale);
    img.fill(fill);
    return img;
}

QImage transparentCanvas(int width, int height)
{
    QImage img(width * g_paintScale, height * g_paintScale, QImage::Format_ARGB32);
    img.setDevicePixelRatio(g_paintScale);
    img.fill(Qt::transparent);
    return img;
}

void stripes(QPainter &p, const QRectF &area, const QColor &a, const QColor &b, double width,
             const QPainterPath &clip)
{
    p.save();
    if (!clip.isEmpty())
        p.setClipPath(clip, Qt::IntersectClip);
    p.fillRect(area, a);
    p.setPen(Qt::NoPen);
    p.setBrush(b);
    const double span = area.width() + area.height();
    for (double x = area.left() - area.height(); x < area.left() + span; x += 2 * width) {
        QPolygonF band;
        band << QPointF(x, area.bottom()) << QPointF(x + width, area.bottom())
             << QPointF(x + width + area.height(), area.top()) << QPointF(x + area.height(), area.top());
        p.drawPolygon(band);
    }
    p.restore();
}

void roundedBox(QPainter &p, const QRectF &r, double radius, const QColor &fill,
                const QColor &rim, double rimWidth)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(rim);
    p.drawRoundedRect(r, radius, radius);
    p.setBrush(fill);
    const double inner = qMax(0.0, radius - rimWidth);
    p.drawRoundedRect(r.adjusted(rimWidth, rimWidth, -rimWidth, -rimWidth), inner, inner);
    p.restore();
}

void dropShadow(QPainter &p, const QRectF &box, double radius, const QColor &colour, QPointF offset)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRoundedRect(box.translated(offset), radius, radius);
}

void glossyButton(QPainter &p, const QRectF &r, const QColor &base, const QString &word,
                  double textPixels, double spacing)
{
    p.save();
    const double radius = r.height() * 0.42;
    // Soft drop shadow, then a dark rim and the body.
    dropShadow(p, r, radius, QColor(0, 0, 0, 60), QPointF(2, 3));
    p.setBrush(base.darker(160));
    p.drawRoundedRect(r, radius, radius);
    const QRectF body = r.adjusted(2.5, 2.5, -2.5, -2.5);
    QLinearGradient g(body.topLeft(), body.bottomLeft());
    g.setColorAt(0, base.lighter(135));
    g.setColorAt(0.55, base);
    g.setColorAt(1, base.darker(125));
    p.setBrush(g);
    p.drawRoundedRect(body, radius - 2.5, radius - 2.5);
    // Gloss: a pale band over the upper half.
    const QRectF gloss(body.left() + body.height() * 0.3, body.top() + 2,
                       body.width() - body.height() * 0.6, body.height() * 0.42);
    QLinearGradient gg(gloss.topLeft(), gloss.bottomLeft());
    gg.setColorAt(0, QColor(255, 255, 255, 200));
    gg.setColorAt(1, QColor(255, 255, 255, 20));
    p.setBrush(gg);
    p.drawRoundedRect(gloss, gloss.height() / 2, gloss.height() / 2);
    p.restore();
    if (!word.isEmpty())
        outlinedText(p, r.translated(0, 1), word, displayFont(textPixels), Qt::white,
                     base.darker(190), textPixels / 7, Qt::AlignCenter, spacing);
}

void glossyBall(QPainter &p, const QPointF &centre, double radius, const QColor &base,
                const QString &number, const QColor &numberColour)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawEllipse(centre + QPointF(1.5, 2.5), radius, radius);
    p.setBrush(base.darker(150));
    p.drawEllipse(centre, radius, radius);
    QRadialGradient g(centre - QPointF(radius * 0.3, radius * 0.35), radius * 1.3);
    g.setColorAt(0, base.lighter(140));
    g.setColorAt(0.6, base);
    g.setColorAt(1, base.darker(130));
    p.setBrush(g);
    p.drawEllipse(centre, radius - 2, radius - 2);
    const QRectF gloss(centre.x() - radius * 0.55, centre.y() - radius * 0.85, radius * 1.1,
                       radius * 0.6);
    QLinearGradient gg(gloss.topLeft(), gloss.bottomLeft());
    gg.setColorAt(0, QColor(255, 255, 255, 210));
    gg.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(gg);
    p.drawEllipse(gloss);
    p.restore();
    const double px = number.size() > 1 ? radius * 0.95 : radius * 1.15;
    outlinedText(p, QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius)
                        .translated(0, radius * 0.06),
                 number, displayFont(px), numberColour, Qt::white, px / 6);
}

void outlinedText(QPainter &p, const QRectF &r, const QString &text, const QFont &font,
                  const QColor &fill, const QColor &outline, double outlineWidth,
                  Qt::Alignment align, double spacing)
{
    const QPainterPath path = textPath(r, text, font, align, spacing);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (outlineWidth > 0) {
        p.setPen(QPen(outline, outlineWidth * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(outline);
        p.drawPath(path);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}

void star(QPainter &p, const QPointF &centre, double outer, const QColor &fill, double turn)
{
    QPolygonF poly;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 ? outer * 0.45 : outer;
        const double a = -M_PI / 2 + turn + i * M_PI / 5;
        poly << centre + QPointF(r * std::cos(a), r * std::sin(a));
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPolygon(poly);
    p.restore();
}

bool drawSvg(QPainter &p, const QString &name, const QRectF &r)
{
    QSvgRenderer svg(sourcePath(name));
    if (!svg.isValid())
        return false;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    svg.render(&p, r);
    p.restore();
    return true;
}

QImage renderSvgFile(const QString &path, int width, int height)
{
    QImage img(width, height, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QSvgRenderer svg(path);
    if (!svg.isValid())
        return {};
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    svg.render(&p, QRectF(0, 0, width, height));
    return img;
}

}  // namespace artgen
