#pragma once

// The words of a qualitative column and their codes, looked up by their UTF-8 bytes in
// an open-addressing table: a survey's million cells cost one hash and one comparison
// each, and only a new word is copied.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace core::individuals {

class Dictionary {
public:
    // The word's code, given in order of first appearance from 0.
    std::int32_t codeOf(std::string_view word);
    const std::vector<std::string>& words() const { return words_; }
    std::size_t size() const { return words_.size(); }

private:
    void grow();

    std::vector<std::string> words_;
    std::vector<std::uint64_t> hashes_;
    std::vector<std::int32_t> slots_;  // -1 where empty; size a power of two
};

}  // namespace core::individuals
