// What the engine asks of the outside world: sound, pictures, text size, chance.
#pragma once

#include <QSizeF>
#include <QString>

class CuePlayer {
public:
    virtual ~CuePlayer() = default;
    // Plays App_Dir + name without waiting; failures are silent.
    virtual void Play_Cue(const QString &name) = 0;
};

class PictureLoader {
public:
    virtual ~PictureLoader() = default;
    // True when the file at path is accepted as a picture (by content, from
    // its header); the loader then makes it the current game picture, perhaps
    // a moment later. False keeps the previous one.
    virtual bool loadPicture(const QString &path) = 0;
};

class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    // Size in pixels of text set on one line in face at points.
    virtual QSizeF measure(const QString &text, const char *face, double points) = 0;
};

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Reseeds from the clock, then draws a number in [0, 1).
    virtual double reseedAndDraw() = 0;
};
