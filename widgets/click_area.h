// A transparent, text-less click area laid over a painted button face.
// Shows the hand cursor unless told otherwise, then the arrow.
#pragma once

#include <QWidget>

class QMouseEvent;

// A left click: the left button pressed on a widget, then released over it.
class LeftClick {
public:
    void press(const QMouseEvent *e);
    // True when e is the left release that completes a click inside area.
    bool release(const QMouseEvent *e, const QRect &area);

private:
    bool m_down = false;
};

class ClickArea : public QWidget {
    Q_OBJECT
public:
    explicit ClickArea(QWidget *parent = nullptr, bool handCursor = true);

signals:
    void pressed(int button);   // 1 left, 2 right
    void released(int button);  // 1 left, 2 right
    void clicked();             // left press and release over the area

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void paintEvent(QPaintEvent *) override {}

private:
    LeftClick m_click;
};

// Button number of a Qt mouse button: 1 left, 2 right, 4 middle, else 0.
int mouseButtonNumber(Qt::MouseButton b);
