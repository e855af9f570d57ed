#include "widgets/board_scale.h"

#include "layout/layout.h"

#include <QVariant>

#include <algorithm>
#include <cmath>

QRect BoardScale::map(const QRectF &d) const
{
    const int left = int(std::lround(d.left() * factor));
    const int top = int(std::lround(d.top() * factor));
    const int right = int(std::lround((d.left() + d.width()) * factor));
    const int bottom = int(std::lround((d.top() + d.height()) * factor));
    return QRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
}

QRect BoardScale::boardRect() const
{
    return map(QRectF(0, 0, layout::kClientWidth, layout::kClientHeight)).translated(origin);
}

BoardScale fitBoardScale(QSize window)
{
    BoardScale s;
    if (window.width() <= 0 || window.height() <= 0)
        return s;
    s.factor = std::min(double(window.width()) / layout::kClientWidth,
                        double(window.height()) / layout::kClientHeight);
    const QRect board = s.map(QRectF(0, 0, layout::kClientWidth, layout::kClientHeight));
    s.origin = QPoint((window.width() - board.width()) / 2, (window.height() - board.height()) / 2);
    return s;
}

const BoardSurface *surfaceOf(const QWidget *w)
{
    for (; w; w = w->parentWidget()) {
        if (auto *s = dynamic_cast<const BoardSurface *>(w))
            return s;
        if (w->isWindow())
            break;
    }
    return nullptr;
}

double scaleFactorOf(const QWidget *w)
{
    const BoardSurface *s = surfaceOf(w);
    return s ? s->boardScale().factor : 1.0;
}

void scaleDesignFont(QWidget *w, double factor)
{
    static const char *kDesignFont = "domisolDesignFont";
    QVariant stored = w->property(kDesignFont);
    if (!stored.isValid()) {
        if (factor == 1.0)
            return;  // nothing to scale yet; the font may still be set
        stored = QVariant::fromValue(w->font());
        w->setProperty(kDesignFont, stored);
    }
    QFont f = stored.value<QFont>();
    if (f.pixelSize() > 0)
        f.setPixelSize(std::max(1, int(std::lround(f.pixelSize() * factor))));
    else
        f.setPointSizeF(f.pointSizeF() * factor);
    if (w->font() != f)
        w->setFont(f);
}
