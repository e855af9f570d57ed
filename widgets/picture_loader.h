// Reads a game picture (format from content) once per choice, decoded at the
// size it is drawn and cropped to its shape (a portrait photo is not
// stretched). The file is checked at once (a regular file, its header, the
// pixel limit); the decoding runs on a worker thread, so no picture stalls
// the board: the tiles show at once, the picture when it is ready.
#pragma once

#include "board/ports.h"

#include <QImage>
#include <QSize>
#include <QString>
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
    // The last picture decoded: the centred crop of the drawn shape, at the
    // drawn size (at its own size when that is smaller: the drawing scales it up).
    const QImage &current() const { return m_current; }
    // An accepted picture is still being decoded.
    bool pending() const { return m_pending; }
    // Called on this thread when the decoding of the last accepted picture
    // ends; current() is then the new picture, or the previous one when the
    // file could not be decoded after all.
    void setReadyHandler(std::function<void()> ready) { m_ready = std::move(ready); }
    // The board is drawn at another size (device pixels): the picture held is
    // read again for it, and the ready handler called when it is.
    void setDrawnSize(QSize size);
    QSize drawnSize() const { return m_size; }

private:
    struct Channel;
    void startDecoding();
    void finished(int generation, const QImage &picture);

    QSize m_size;
    QImage m_current;
    QString m_path;  // of the picture accepted last
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
