#pragma once

// A column being read, in blocks of fixed size: it grows without copying what it holds,
// and is copied once into a vector of its exact length when the reading ends, so a
// column never takes twice its room.

#include <cstddef>
#include <memory>
#include <vector>

namespace core::individuals {

template <class T>
class Blocks {
public:
    static constexpr std::size_t kSize = 1 << 16;

    void push(T value) {
        if (size_ % kSize == 0) blocks_.push_back(std::make_unique_for_overwrite<T[]>(kSize));
        blocks_.back()[size_ % kSize] = value;
        ++size_;
    }
    T& operator[](std::size_t i) { return blocks_[i / kSize][i % kSize]; }
    std::size_t size() const { return size_; }

    // Appends the values to `out`, giving back each block once copied.
    void moveInto(std::vector<T>& out) {
        for (std::size_t b = 0; b < blocks_.size(); ++b) {
            const std::size_t n = std::min(kSize, size_ - b * kSize);
            out.insert(out.end(), blocks_[b].get(), blocks_[b].get() + n);
            blocks_[b].reset();
        }
        blocks_.clear();
        size_ = 0;
    }

private:
    std::vector<std::unique_ptr<T[]>> blocks_;
    std::size_t size_ = 0;
};

}  // namespace core::individuals
