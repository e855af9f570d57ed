// The pictures, cursor and icon built into the program (Qt resources made by
// the build from the sources in assets/). Every picture has its catalogue size;
// a picture missing from the resources comes back as a plain placeholder of it.
#pragma once

#include "assets/gen/shared/example_table.h"

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

enum class Art {
    Splash,         // 640 x 480 JPEG, start screen
    SetPanel,       // 598 x 442 JPEG, the quiz-set panel over the start screen
    OneBackground,  // 1024 x 768 progressive JPEG
    TwoBackground,  // 1024 x 768 JPEG
    OneQuiz,        // 640 x 520 JPEG, one-team question panel
    TwoQuiz,        // 640 x 480 JPEG, two-team question panel
    Picker,         // 475 x 199 JPEG, the starting-team picker's frame
    Bingo,          // 500 x 500 JPEG
    Score,          // 520 x 520 JPEG
    Right,          // 300 x 300 PNG, transparent corners
    Wrong,          // 300 x 300 PNG, transparent corners
    Tile,           // 241 x 192 BMP, 24 bits
    TileSource,     // 244 x 194 BMP, 24 bits
    HeartPink,      // 100 x 100 GIF, transparent
    HeartGreen,     // 100 x 100 GIF, transparent
    Cross,          // 100 x 100 GIF, transparent
};

QString artResourcePath(Art art);  // ":/art/..."
QSize artSize(Art art);
QImage artImage(Art art);
QPixmap artPixmap(Art art);  // cached

// picture as drawn at deviceSize device pixels. An artwork pixmap (from
// artPixmap) comes from the variant rendered at 1, 2 or 3 times its size, the
// smallest that is not smaller than drawn, so a board of any size stays sharp;
// any other picture is scaled smoothly. Cached.
QPixmap picturePixmapAt(const QPixmap &picture, QSize deviceSize);

// The pointing hand, 32 x 32, hot spot at column 6, row 0.
QCursor handCursor();
// The program icon (a cyan snowflake), 32 x 32 and 16 x 16.
QIcon programIcon();

// Example pictures of the picture store, index 0 to 34, at their stored size.
QString exampleResourcePath(int index);  // ":/examples/NN.jpg" or ".bmp"
QImage exampleImage(int index);
