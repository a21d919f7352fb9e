#pragma once

// The simulations' generator: xoshiro256** (period 2^256 - 1), its state filled by
// splitmix64 from the series number, so that one number gives the same draws on every
// machine and build. jump() moves 2^128 draws ahead and longJump() 2^192: the blocks
// of a run each take a stream of their own, so splitting the work between threads
// changes nothing in the results. The program's 24-bit generator (core/random.h) stays
// for the buttons; its period is far too short for a million samples.

#include <cstdint>

namespace core::simulation {

class Generator {
public:
    explicit Generator(std::uint64_t seed);

    std::uint64_t next() {
        const std::uint64_t result = rotl(s_[1] * 5, 7) * 9;
        const std::uint64_t t = s_[1] << 17;
        s_[2] ^= s_[0];
        s_[3] ^= s_[1];
        s_[1] ^= s_[2];
        s_[0] ^= s_[3];
        s_[2] ^= t;
        s_[3] = rotl(s_[3], 45);
        return result;
    }
    // Uniform in [0, 1), on the 53 high bits: every value a multiple of 2^-53.
    double uniform() { return double(next() >> 11) * 0x1.0p-53; }
    // Uniform in [0, range) without bias (Lemire's multiply-and-reject), range >= 1.
    std::uint64_t below(std::uint64_t range);
    // The same for a range below 2^32 from 32 bits, two draws per output.
    std::uint32_t below32(std::uint32_t range) {
        if (!half_) {
            pending_ = next();
            half_ = true;
            return lemire32(std::uint32_t(pending_ >> 32), range);
        }
        half_ = false;
        return lemire32(std::uint32_t(pending_), range);
    }

    void jump();
    void longJump();
    bool operator==(const Generator&) const = default;

private:
    static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    std::uint32_t lemire32(std::uint32_t x, std::uint32_t range) {
        std::uint64_t m = std::uint64_t(x) * range;
        if (std::uint32_t(m) < range) {
            const std::uint32_t threshold = std::uint32_t(-range) % range;
            while (std::uint32_t(m) < threshold) m = std::uint64_t(next32()) * range;
        }
        return std::uint32_t(m >> 32);
    }
    std::uint32_t next32() {
        if (!half_) {
            pending_ = next();
            half_ = true;
            return std::uint32_t(pending_ >> 32);
        }
        half_ = false;
        return std::uint32_t(pending_);
    }
    void jumpBy(const std::uint64_t (&polynomial)[4]);

    std::uint64_t s_[4];
    std::uint64_t pending_ = 0;  // the low half of a draw not yet used by below32()
    bool half_ = false;
};

// The generator of stream `stream` (0, 1, 2…) of a series: `stream` jumps ahead.
Generator streamOf(std::uint64_t series, std::uint64_t stream);

}  // namespace core::simulation
