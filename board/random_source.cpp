#include "board/random_source.h"

#include <chrono>

ClockMixedRandom::ClockMixedRandom(std::function<std::uint64_t()> clockReading)
    : m_clock(std::move(clockReading))
{
    if (!m_clock)
        m_clock = [] {
            return std::uint64_t(std::chrono::steady_clock::now().time_since_epoch().count());
        };
    std::random_device rd;
    std::seed_seq seq{rd(), rd(), unsigned(m_clock())};
    m_gen.seed(seq);
}

double ClockMixedRandom::reseedAndDraw()
{
    const std::uint64_t state = m_gen();
    const std::uint64_t tick = m_clock();
    std::seed_seq seq{std::uint32_t(state), std::uint32_t(state >> 32), std::uint32_t(tick),
                      std::uint32_t(tick >> 32)};
    m_gen.seed(seq);
    // 53 random bits: uniform in [0, 1).
    return double(m_gen() >> 11) * (1.0 / 9007199254740992.0);
}
