#include "screens/splash.h"

#include "widgets/artwork.h"
#include "widgets/click_area.h"
#include "widgets/layout_qt.h"
#include "widgets/window_util.h"

#include <QPainter>

frmSplash::frmSplash(QWidget *parent)
    : QWidget(parent, fixedWindowFlags(Qt::Window)),
      m_command1(new ClickArea(this)),
      m_command2(new ClickArea(this))
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
}

void frmSplash::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawPixmap(0, 0, artPixmap(Art::Splash));
    if (!m_painted) {
        m_painted = true;
        emit painted();
    }
}
