// Engine timers: a period, a running flag and a tick handler. Who makes them
// tick is a TimerDriver: QtTimerDriver in the program, ManualClock in tests.
#pragma once

#include <functional>

class EngineTimer;

class TimerDriver {
public:
    virtual ~TimerDriver() = default;
    virtual void timerStarted(EngineTimer &t) = 0;  // first tick one period from now
    virtual void timerStopped(EngineTimer &t) = 0;
};

class EngineTimer {
public:
    EngineTimer(const char *name, int periodMs, std::function<void()> onTick)
        : m_name(name), m_periodMs(periodMs), m_onTick(std::move(onTick)) {}
    EngineTimer(const EngineTimer &) = delete;
    EngineTimer &operator=(const EngineTimer &) = delete;
    ~EngineTimer();

    void setDriver(TimerDriver *driver) { m_driver = driver; }
    // Starting a running timer keeps its phase; stopping a stopped one does nothing.
    void start();
    void stop();
    bool running() const { return m_running; }
    int periodMs() const { return m_periodMs; }
    const char *name() const { return m_name; }

    // Called by the driver once per period; ignored while stopped.
    void tick();

private:
    const char *m_name;
    int m_periodMs;
    std::function<void()> m_onTick;
    TimerDriver *m_driver = nullptr;
    bool m_running = false;
};
