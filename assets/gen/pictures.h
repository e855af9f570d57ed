// Every picture of the catalogue, painted at its catalogue size. The board,
// panel and start-screen pictures can be painted without their faces
// (buttons, balls, boxes): the plain ground the click-area checks compare to.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

namespace artgen {

enum class Faces { Painted, Plain };

QImage oneBackground(Faces faces = Faces::Painted);  // 1024 x 768
QImage twoBackground(Faces faces = Faces::Painted);  // 1024 x 768
QImage oneQuizPanel(Faces faces = Faces::Painted);   // 640 x 520
QImage twoQuizPanel(Faces faces = Faces::Painted);   // 640 x 480
QImage pickerPanel();                                 // 475 x 199
QImage splashScreen(Faces faces = Faces::Painted);   // 640 x 480
QImage setPanel();                                   // layout::splash::SetPanel's size

QImage bingoPicture();  // 500 x 500
QImage scorePicture();  // 520 x 520
QImage rightPicture();  // 300 x 300
QImage wrongPicture();  // 300 x 300

QImage tilePicture(int width, int height);  // 241 x 192 and 244 x 194
// Marks on a transparent ground, 100 x 100.
QImage heartPicture(const QColor &base);
QImage crossPicture();

// A stand-in for a drawing that has not landed yet: its title on a soft ground.
QImage placeholderPicture(int width, int height, const QString &title);

}  // namespace artgen
