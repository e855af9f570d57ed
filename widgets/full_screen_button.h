// The control that switches a board window between its window and full
// screen, for a teacher at the mouse: a small button in the window's top-right
// corner. Over the board it shows only while the mouse is on it (the design
// stays as drawn); in the plain frame of a wider screen it always shows.
#pragma once

#include "widgets/click_area.h"

#include <QWidget>

class FullScreenButton : public QWidget {
    Q_OBJECT
public:
    explicit FullScreenButton(QWidget *window);
    // Places the button for the window's size and state; shown always when
    // the frame at the right is at least as wide as the button.
    void place(int frameRight, double factor);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *) override;
    void enterEvent(QEnterEvent *e) override;
    void leaveEvent(QEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    void updateTip();
    bool m_hover = false;
    bool m_inFrame = false;
    LeftClick m_click;
};
