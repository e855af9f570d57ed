// A transparent, text-less click area laid over a painted button face.
// Shows the hand cursor unless told otherwise.
#pragma once

#include <QWidget>

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
    bool m_leftDown = false;
};

// Button number of a Qt mouse button: 1 left, 2 right, 4 middle, else 0.
int mouseButtonNumber(Qt::MouseButton b);
