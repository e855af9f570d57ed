// Virtual time for tests: timers tick only when the test advances the clock,
// in the order of their due times (equal times: the earlier started first).
#pragma once

#include "board/engine_timer.h"

#include <cstdint>
#include <vector>

class ManualClock : public TimerDriver {
public:
    void timerStarted(EngineTimer &t) override;
    void timerStopped(EngineTimer &t) override;

    // Runs every tick due up to now + ms, each at its own time.
    void advance(std::int64_t ms);
    std::int64_t now() const { return m_now; }

private:
    struct Pending {
        EngineTimer *timer;
        std::int64_t due;
        std::uint64_t order;
    };
    std::vector<Pending> m_pending;
    std::int64_t m_now = 0;
    std::uint64_t m_nextOrder = 0;
};
