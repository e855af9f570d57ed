// The shuffle's generator: every draw first mixes a clock reading into the
// generator's current state, so draws within one clock tick still differ.
#pragma once

#include "board/ports.h"

#include <cstdint>
#include <functional>
#include <random>

class ClockMixedRandom : public RandomSource {
public:
    // clockReading defaults to the steady clock in nanoseconds.
    explicit ClockMixedRandom(std::function<std::uint64_t()> clockReading = {});
    double reseedAndDraw() override;

private:
    std::function<std::uint64_t()> m_clock;
    std::mt19937_64 m_gen;
};
