// Reads a game picture (format from content) once per choice, decoded at the
// size it is drawn. The file is checked at once (a regular file, its header,
// the pixel limit); the decoding runs on a worker thread, so no picture
// stalls the board: the tiles show at once, the picture when it is ready.
#pragma once

#include "board/ports.h"

#include <QImage>
#include <QSize>
#include <QThreadPool>

#include <functional>
#include <memory>

class QObject;

class QtPictureLoader : public PictureLoader {
public:
    explicit QtPictureLoader(QSize drawnSize);
    ~QtPictureLoader() override;
    // True when the file is accepted (checked, not yet decoded); false keeps
    // the previous picture, as for a file that cannot be read.
    bool loadPicture(const QString &path) override;
    // The last picture decoded, at the drawn size.
    const QImage &current() const { return m_current; }
    // An accepted picture is still being decoded.
    bool pending() const { return m_pending; }
    // Called on this thread when the decoding of the last accepted picture
    // ends; current() is then the new picture, or the previous one when the
    // file could not be decoded after all.
    void setReadyHandler(std::function<void()> ready) { m_ready = std::move(ready); }

private:
    struct Channel;
    void finished(int generation, const QImage &picture);

    QSize m_size;
    QImage m_current;
    bool m_pending = false;
    int m_generation = 0;
    std::function<void()> m_ready;
    std::unique_ptr<QObject> m_receiver;  // results are delivered to it
    std::shared_ptr<Channel> m_channel;
    QThreadPool m_pool;  // one decoding at a time; gone first, waiting for it
};

// Text metrics of the board faces, in pixels (points at 96 dots an inch).
class QtTextMeasurer : public TextMeasurer {
public:
    QSizeF measure(const QString &text, const char *face, double points) override;
};
