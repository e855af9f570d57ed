// The pointing hand of the boards: white with a black outline, index finger
// up, its tip at layout::kHandHotX, kHandHotY. 'X' black, 'o' white.
#pragma once

#include <QByteArray>
#include <QList>

namespace artgen {

inline QList<QByteArray> handRows()
{
    return {
        "....XXXXX",
        "...XoooooX",
        "...XoooooX",
        "...XoooooX",
        "...XoooooX",
        "...XoooooX",
        "...XoooooXXXX",
        "...XoooooXoooXXX",
        "...XoooooXoooXoooXX",
        "...XoooooXoooXoooXooX",
        "...XoooooXoooXoooXoooX",
        ".XXXoooooXoooXoooXoooX",
        "XoooXooooXoooXoooXoooX",
        "XooooXoooooooooooooooX",
        ".XoooXoooooooooooooooX",
        ".XooooooooooooooooooooX",
        "..XoooooooooooooooooooX",
        "..XooooooooooooooooooX",
        "...XoooooooooooooooooX",
        "...XooooooooooooooooX",
        "....XoooooooooooooooX",
        "....XooooooooooooooX",
        ".....XoooooooooooooX",
        ".....XoooooooooooooX",
        ".....XXXXXXXXXXXXXXX",
    };
}

}  // namespace artgen
