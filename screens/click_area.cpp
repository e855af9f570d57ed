#include "click_area.h"

#include "artwork.h"

#include <QMouseEvent>

int mouseButtonNumber(Qt::MouseButton b)
{
    switch (b) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

ClickArea::ClickArea(QWidget *parent, bool handCursor) : QWidget(parent)
{
    setAttribute(Qt::WA_NoSystemBackground);
    if (handCursor)
        setCursor(::handCursor());
}

void ClickArea::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton)
        m_leftDown = true;
    emit pressed(mouseButtonNumber(e->button()));
}

void ClickArea::mouseReleaseEvent(QMouseEvent *e)
{
    const int button = mouseButtonNumber(e->button());
    const bool click = e->button() == Qt::LeftButton && m_leftDown
                       && rect().contains(e->position().toPoint());
    if (e->button() == Qt::LeftButton)
        m_leftDown = false;
    emit released(button);
    if (click)
        emit clicked();
}
