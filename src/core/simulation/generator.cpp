#include "core/simulation/generator.h"

namespace core::simulation {
namespace {

std::uint64_t splitmix64(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9e3779b97f4a7c15ull);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return z ^ (z >> 31);
}

// The jump polynomials of xoshiro256**, from its authors.
constexpr std::uint64_t kJump[4] = {0x180ec6d33cfd0abaull, 0xd5a61266f0c9392cull,
                                    0xa9582618e03fc9aaull, 0x39abdc4529b1661cull};
constexpr std::uint64_t kLongJump[4] = {0x76e15d3efefdcbbfull, 0xc5004e441c522fb3ull,
                                        0x77710069854ee241ull, 0x39109bb02acbe635ull};

}  // namespace

Generator::Generator(std::uint64_t seed) {
    std::uint64_t x = seed;
    for (std::uint64_t& s : s_) s = splitmix64(x);
}

std::uint64_t Generator::below(std::uint64_t range) {
    __extension__ using Wide = unsigned __int128;
    Wide m = Wide(next()) * range;
    if (std::uint64_t(m) < range) {
        const std::uint64_t threshold = (0 - range) % range;
        while (std::uint64_t(m) < threshold) m = Wide(next()) * range;
    }
    return std::uint64_t(m >> 64);
}

void Generator::jumpBy(const std::uint64_t (&polynomial)[4]) {
    std::uint64_t t[4] = {0, 0, 0, 0};
    for (std::uint64_t word : polynomial)
        for (int b = 0; b < 64; ++b) {
            if (word & (std::uint64_t(1) << b))
                for (int i = 0; i < 4; ++i) t[i] ^= s_[i];
            next();
        }
    for (int i = 0; i < 4; ++i) s_[i] = t[i];
    half_ = false;
}

void Generator::jump() {
    jumpBy(kJump);
}

void Generator::longJump() {
    jumpBy(kLongJump);
}

Generator streamOf(std::uint64_t series, std::uint64_t stream) {
    Generator g(series);
    for (std::uint64_t i = 0; i < stream; ++i) g.jump();
    return g;
}

}  // namespace core::simulation
