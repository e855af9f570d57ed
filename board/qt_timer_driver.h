// Backs engine timers with QTimer on the event loop (the program's clock).
#pragma once

#include "board/engine_timer.h"

#include <QHash>

class QTimer;

class QtTimerDriver : public TimerDriver {
public:
    ~QtTimerDriver() override;
    void timerStarted(EngineTimer &t) override;
    void timerStopped(EngineTimer &t) override;

private:
    QHash<EngineTimer *, QTimer *> m_timers;
};
