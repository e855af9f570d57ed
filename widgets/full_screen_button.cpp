#include "widgets/full_screen_button.h"

#include "widgets/click_area.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {
constexpr int kDesignSide = 40;  // pixels of the design
}  // namespace

FullScreenButton::FullScreenButton(QWidget *window) : QWidget(window)
{
    setAttribute(Qt::WA_NoSystemBackground);
    setCursor(Qt::ArrowCursor);  // a window control, not a board button
    updateTip();
}

void FullScreenButton::place(int frameRight, double factor)
{
    const int side = int(std::lround(kDesignSide * std::max(1.0, factor)));
    m_inFrame = frameRight >= side;
    setGeometry(parentWidget()->width() - side, 0, side, side);
    updateTip();
    raise();
    update();
}

void FullScreenButton::updateTip()
{
    const bool full = window()->isFullScreen();
    setToolTip(full ? QStringLiteral("창으로 돌아가기 (F11 또는 Esc)") : QStringLiteral("전체 화면 (F11)"));
}

void FullScreenButton::paintEvent(QPaintEvent *)
{
    if (!m_hover && !m_inFrame)
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double u = width() / double(kDesignSide);
    const QRectF r = QRectF(rect()).adjusted(4 * u, 4 * u, -4 * u, -4 * u);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, m_hover ? 170 : 110));
    p.drawRoundedRect(r, 6 * u, 6 * u);
    // Four corner marks: pointing out to enter full screen, in to leave it.
    const bool full = window()->isFullScreen();
    p.setPen(QPen(Qt::white, 2.5 * u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QRectF in = r.adjusted(7 * u, 7 * u, -7 * u, -7 * u);
    const double arm = 6 * u;
    const QPointF corners[4] = {in.topLeft(), in.topRight(), in.bottomRight(), in.bottomLeft()};
    for (int i = 0; i < 4; ++i) {
        const QPointF c = corners[i];
        const double sx = (i == 1 || i == 2) ? -1 : 1, sy = (i >= 2) ? -1 : 1;
        const QPointF tip = full ? c + QPointF(sx * arm, sy * arm) : c;
        QPainterPath path;
        path.moveTo(tip + QPointF(full ? -sx * arm : sx * arm, 0));
        path.lineTo(tip);
        path.lineTo(tip + QPointF(0, full ? -sy * arm : sy * arm));
        p.drawPath(path);
    }
}

void FullScreenButton::enterEvent(QEnterEvent *)
{
    m_hover = true;
    update();
}

void FullScreenButton::leaveEvent(QEvent *)
{
    m_hover = false;
    update();
}

void FullScreenButton::mousePressEvent(QMouseEvent *e)
{
    m_click.press(e);
}

void FullScreenButton::mouseReleaseEvent(QMouseEvent *e)
{
    if (m_click.release(e, rect()))
        emit clicked();
}
