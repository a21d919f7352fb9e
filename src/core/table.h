#pragma once

#include "core/failure.h"

#include <array>
#include <cstddef>

namespace core {

// A table of fixed bounds 0..N-1, read and written as table(i); an index outside its
// bounds makes the step fail.
template <class T, std::size_t N>
class Table {
public:
    static constexpr long long size() { return static_cast<long long>(N); }

    T& operator()(long long index) {
        if (index < 0 || index >= size()) throw core::Failure();
        return cells_[static_cast<std::size_t>(index)];
    }
    const T& operator()(long long index) const {
        if (index < 0 || index >= size()) throw core::Failure();
        return cells_[static_cast<std::size_t>(index)];
    }
    void reset() { cells_ = {}; }

private:
    std::array<T, N> cells_{};
};

}  // namespace core
