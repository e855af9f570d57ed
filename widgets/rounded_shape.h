// A windowless rounded rectangle: a line of a given width and colour around a fill.
#pragma once

#include <QColor>
#include <QWidget>

class RoundedShape : public QWidget {
public:
    RoundedShape(QWidget *parent, const QColor &line, const QColor &fill, int lineWidth = 2);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QColor m_line, m_fill;
    int m_lineWidth;
};
