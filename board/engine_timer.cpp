#include "board/engine_timer.h"

EngineTimer::~EngineTimer()
{
    if (m_running && m_driver)
        m_driver->timerStopped(*this);
}

void EngineTimer::start()
{
    if (m_running)
        return;
    m_running = true;
    if (m_driver)
        m_driver->timerStarted(*this);
}

void EngineTimer::stop()
{
    if (!m_running)
        return;
    m_running = false;
    if (m_driver)
        m_driver->timerStopped(*this);
}

void EngineTimer::tick()
{
    if (m_running && m_onTick)
        m_onTick();
}
