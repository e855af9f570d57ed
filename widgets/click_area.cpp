#include "widgets/click_area.h"

#include "widgets/artwork.h"

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
    // Cursors are inherited: without the hand, the arrow, even over a panel that has the hand.
    setCursor(handCursor ? ::handCursor() : QCursor(Qt::ArrowCursor));
}

void LeftClick::press(const QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton)
        m_down = true;
}

bool LeftClick::release(const QMouseEvent *e, const QRect &area)
{
    if (e->button() != Qt::LeftButton)
        return false;
    const bool click = m_down && area.contains(e->position().toPoint());
    m_down = false;
    return click;
}

void ClickArea::mousePressEvent(QMouseEvent *e)
{
    m_click.press(e);
    emit pressed(mouseButtonNumber(e->button()));
}

void ClickArea::mouseReleaseEvent(QMouseEvent *e)
{
    const bool click = m_click.release(e, rect());
    emit released(mouseButtonNumber(e->button()));
    if (click)
        emit clicked();
}
