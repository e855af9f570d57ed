#include "screens/splash.h"

#include "widgets/artwork.h"
#include "widgets/board_font.h"
#include "widgets/click_area.h"
#include "widgets/layout_qt.h"
#include "widgets/window_util.h"

#include <QPainter>

frmSplash::frmSplash(QWidget *parent)
    : QWidget(parent, fixedWindowFlags(Qt::Window)),
      m_command1(new ClickArea(this)),
      m_command2(new ClickArea(this)),
      m_setBar(new ClickArea(this))
{
    setFixedSize(layout::splash::kClientWidth, layout::splash::kClientHeight);
    // No caption text; an empty title would make X11 show the program name.
    setWindowTitle(QStringLiteral(" "));
    setWindowIcon(programIcon());
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_command1->setGeometry(toQRect(layout::splash::Command1));
    m_command2->setGeometry(toQRect(layout::splash::Command2));
    connect(m_command1, &ClickArea::clicked, this, [this] { emit boardChosen(1); });
    connect(m_command2, &ClickArea::clicked, this, [this] { emit boardChosen(0); });
    m_setBar->setGeometry(toQRect(layout::splash::SetBar));
    connect(m_setBar, &ClickArea::clicked, this, &frmSplash::setsRequested);
}

void frmSplash::setSetName(const QString &name)
{
    m_setName = name;
    m_setBar->setToolTip(QStringLiteral("퀴즈 세트: %1").arg(name));
    update(toQRect(layout::splash::SetName));
}

void frmSplash::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawPixmap(0, 0, artPixmap(Art::Splash));
    if (!m_painted) {
        // The first paint is the picture alone: the set's name needs a face,
        // and the faces are read once the screen is up (painted()).
        m_painted = true;
        emit painted();
        return;
    }
    const auto &style = layout::splash::SetNameStyle;
    const QRect box = toQRect(layout::splash::SetName);
    p.setFont(boardFont(style.face, style.points, style.bold));
    p.setPen(QColor::fromRgb(style.colour));
    p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter,
               p.fontMetrics().elidedText(m_setName, Qt::ElideMiddle, box.width()));
}
