#include "core/sorted_numbers.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <limits>
#include <utility>

namespace core {
namespace {

// Below this, std::sort is as fast and needs no room beside the values.
constexpr std::size_t kRadixFrom = 2048;
constexpr int kDigitBits = 11;
constexpr std::uint64_t kDigits = 1u << kDigitBits;
constexpr int kPasses = (64 + kDigitBits - 1) / kDigitBits;
constexpr std::uint64_t kSign = 1ull << 63;

// Bits that order as the numbers do: the sign set for a positive number, every bit
// turned for a negative one.
std::uint64_t keyOf(double v) {
    const auto bits = std::bit_cast<std::uint64_t>(v);
    return bits & kSign ? ~bits : bits | kSign;
}

double valueOf(std::uint64_t key) {
    return std::bit_cast<double>(key & kSign ? key & ~kSign : ~key);
}

}  // namespace

// A least-significant-digit radix sort: every digit's counts in one reading, then a
// stable pass for each digit the values do not all share.
void sortNumbers(std::vector<double>& values) {
    const std::size_t n = values.size();
    if (n < kRadixFrom || n > std::numeric_limits<std::uint32_t>::max()) {
        std::sort(values.begin(), values.end());
        return;
    }
    std::vector<std::uint64_t> keys(n), moved(n);
    std::array<std::array<std::uint32_t, kDigits>, kPasses> counts{};
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint64_t key = keyOf(values[i]);
        keys[i] = key;
        for (int p = 0; p < kPasses; ++p) ++counts[p][(key >> (p * kDigitBits)) & (kDigits - 1)];
    }
    for (int p = 0; p < kPasses; ++p) {
        const int shift = p * kDigitBits;
        auto& starts = counts[p];
        if (starts[(keys[0] >> shift) & (kDigits - 1)] == n) continue;  // one digit for all
        std::uint32_t start = 0;
        for (std::uint32_t& at : starts) start += std::exchange(at, start);
        for (const std::uint64_t key : keys) moved[starts[(key >> shift) & (kDigits - 1)]++] = key;
        keys.swap(moved);
    }
    for (std::size_t i = 0; i < n; ++i) values[i] = valueOf(keys[i]);
}

}  // namespace core
