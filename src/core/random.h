#pragma once

#include <cstdint>

namespace core {

// The program's one uniform generator in [0, 1), single precision. Its starting state
// is fixed and it is never seeded from the clock, so every run draws the same
// sequence on every machine: a 24-bit linear congruential generator whose states map
// exactly onto the 24-bit significand of a float.
class Random {
public:
    static float next();
    // Back to the starting state, as at a fresh start of the program.
    static void restart();

private:
    static constexpr std::uint32_t kStart = 0x50000;
    static inline std::uint32_t state_ = kStart;
};

}  // namespace core
