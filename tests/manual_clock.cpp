#include "tests/manual_clock.h"

#include <algorithm>

void ManualClock::timerStarted(EngineTimer &t)
{
    m_pending.push_back({&t, m_now + t.periodMs(), m_nextOrder++});
}

void ManualClock::timerStopped(EngineTimer &t)
{
    m_pending.erase(std::remove_if(m_pending.begin(), m_pending.end(),
                                   [&t](const Pending &p) { return p.timer == &t; }),
                    m_pending.end());
}

void ManualClock::advance(std::int64_t ms)
{
    const std::int64_t target = m_now + ms;
    for (;;) {
        auto next = std::min_element(m_pending.begin(), m_pending.end(),
                                     [](const Pending &a, const Pending &b) {
                                         return a.due != b.due ? a.due < b.due : a.order < b.order;
                                     });
        if (next == m_pending.end() || next->due > target)
            break;
        m_now = next->due;
        EngineTimer *timer = next->timer;
        next->due += timer->periodMs();
        next->order = m_nextOrder++;
        timer->tick();  // may stop or start timers
    }
    m_now = target;
}
