#include "board/qt_timer_driver.h"

#include <QTimer>

QtTimerDriver::~QtTimerDriver()
{
    qDeleteAll(m_timers);
}

void QtTimerDriver::timerStarted(EngineTimer &t)
{
    QTimer *&qt = m_timers[&t];
    if (!qt) {
        qt = new QTimer;
        qt->setTimerType(Qt::PreciseTimer);
        qt->setInterval(t.periodMs());
        QObject::connect(qt, &QTimer::timeout, [timer = &t] { timer->tick(); });
    }
    qt->start();
}

void QtTimerDriver::timerStopped(EngineTimer &t)
{
    if (QTimer *qt = m_timers.value(&t))
        qt->stop();
}
