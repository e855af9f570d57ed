// The state of one screen element as data: shown, place, size, caption, picture.
#pragma once

#include "layout/layout.h"

#include <QString>

struct Element {
    bool Visible = true;
    double Left = 0, Top = 0, Width = 0, Height = 0;  // pixels of the parent's inside
    QString Caption;
    QString Picture;  // name of the picture store it shows ("Img_Win", ...), or empty

    static Element at(const layout::Rect &r, bool visible = true, const QString &caption = {})
    {
        return Element{visible, double(r.left), double(r.top), double(r.width), double(r.height),
                       caption, QString()};
    }
};
