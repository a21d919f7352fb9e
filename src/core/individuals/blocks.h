#pragma once

// A column being read, in blocks of fixed size: it grows without copying what it holds,
// and is copied once into a vector of its exact length when the reading ends, so a
// column never takes twice its room. Blocks and columns sit on huge pages where the
// system offers them.

#include "core/large_vectors.h"

#include <cstddef>
#include <memory>
#include <new>
#include <vector>

namespace core::individuals {

template <class T>
class Blocks {
public:
    // A small first block, so that a short column costs little; then a huge page each.
    static constexpr std::size_t kFirst = 4096;
    static constexpr std::size_t kBytes = std::size_t(2) << 20;
    static constexpr std::size_t kSize = kBytes / sizeof(T);

    void push(T value) {
        if (size_ == 0) {
            first_ = std::make_unique_for_overwrite<T[]>(kFirst);
        } else if (size_ >= kFirst && (size_ - kFirst) % kSize == 0) {
            blocks_.emplace_back(static_cast<T*>(::operator new(kBytes, std::align_val_t(kBytes))));
            adviseHugePages(blocks_.back().get(), kBytes);
        }
        (*this)[size_] = value;
        ++size_;
    }
    T& operator[](std::size_t i) {
        return i < kFirst ? first_[i] : blocks_[(i - kFirst) / kSize][(i - kFirst) % kSize];
    }
    std::size_t size() const { return size_; }

    // Appends the values to `out`, giving back each block once copied.
    void moveInto(std::vector<T>& out) {
        if (first_) out.insert(out.end(), first_.get(), first_.get() + std::min(size_, kFirst));
        first_.reset();
        for (std::size_t b = 0; b < blocks_.size(); ++b) {
            const std::size_t n = std::min(kSize, size_ - kFirst - b * kSize);
            out.insert(out.end(), blocks_[b].get(), blocks_[b].get() + n);
            blocks_[b].reset();
        }
        blocks_.clear();
        size_ = 0;
    }

private:
    struct Free {
        void operator()(T* p) const { ::operator delete(p, std::align_val_t(kBytes)); }
    };
    std::unique_ptr<T[]> first_;
    std::vector<std::unique_ptr<T[], Free>> blocks_;
    std::size_t size_ = 0;
};

}  // namespace core::individuals
