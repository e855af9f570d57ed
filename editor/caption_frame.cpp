#include "editor/caption_frame.h"

#include <QPainter>

CaptionFrame::CaptionFrame(const QString &title, QWidget *parent) : QWidget(parent), m_title(title)
{
}

void CaptionFrame::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QFontMetrics fm = fontMetrics();
    const int lineY = fm.height() / 2;
    // Etched border: a dark line with a light one just inside it.
    const QRect box(0, lineY, width() - 2, height() - lineY - 2);
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(box);
    p.setPen(palette().color(QPalette::Light));
    p.drawRect(box.translated(1, 1));
    if (m_title.isEmpty())
        return;
    const QRect text(8, 0, fm.horizontalAdvance(m_title) + 4, fm.height());
    p.fillRect(text, palette().color(QPalette::Window));
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(text, Qt::AlignCenter, m_title);
}
