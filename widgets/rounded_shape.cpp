#include "widgets/rounded_shape.h"

#include <QPainter>

RoundedShape::RoundedShape(QWidget *parent, const QColor &line, const QColor &fill, int lineWidth)
    : QWidget(parent), m_line(line), m_fill(fill), m_lineWidth(lineWidth)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void RoundedShape::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(m_line, m_lineWidth));
    p.setBrush(m_fill);
    const qreal inset = m_lineWidth / 2.0;
    const QRectF r = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    // Corners about a tenth of the shorter side, as the system draws them.
    const qreal radius = qMin(r.width(), r.height()) / 10.0;
    p.drawRoundedRect(r, radius, radius);
}
