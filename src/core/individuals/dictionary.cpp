#include "core/individuals/dictionary.h"

#include <cstring>

namespace core::individuals {
namespace {

std::uint64_t hashOf(std::string_view word) {
    // FNV-1a, eight bytes at a time, then mixed: short words, few collisions.
    std::uint64_t h = 0xcbf29ce484222325ull ^ word.size();
    std::size_t i = 0;
    for (; i + 8 <= word.size(); i += 8) {
        std::uint64_t w;
        std::memcpy(&w, word.data() + i, 8);
        h = (h ^ w) * 0x100000001b3ull;
    }
    for (; i < word.size(); ++i) h = (h ^ static_cast<unsigned char>(word[i])) * 0x100000001b3ull;
    h ^= h >> 29;
    h *= 0xbf58476d1ce4e5b9ull;
    return h ^ (h >> 32);
}

}  // namespace

std::int32_t Dictionary::codeOf(std::string_view word) {
    if ((words_.size() + 1) * 2 > slots_.size()) grow();
    const std::uint64_t h = hashOf(word);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = h & mask;; at = (at + 1) & mask) {
        const std::int32_t code = slots_[at];
        if (code < 0) {
            slots_[at] = std::int32_t(words_.size());
            words_.emplace_back(word);
            hashes_.push_back(h);
            return slots_[at];
        }
        if (hashes_[std::size_t(code)] == h && words_[std::size_t(code)] == word) return code;
    }
}

void Dictionary::grow() {
    slots_.assign(std::max<std::size_t>(16, slots_.size() * 2), -1);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t code = 0; code < words_.size(); ++code) {
        std::size_t at = hashes_[code] & mask;
        while (slots_[at] >= 0) at = (at + 1) & mask;
        slots_[at] = std::int32_t(code);
    }
}

}  // namespace core::individuals
