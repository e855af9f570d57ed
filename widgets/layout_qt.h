// Layout table rectangles as Qt geometry.
#pragma once

#include "layout/layout.h"

#include <QRect>
#include <QSize>

inline QRect toQRect(const layout::Rect &r)
{
    return QRect(r.left, r.top, r.width, r.height);
}

inline QSize toQSize(const layout::Rect &r)
{
    return QSize(r.width, r.height);
}
