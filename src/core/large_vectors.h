#pragma once

// Room for a vector about to hold millions of values, asked of the system as huge pages
// where it offers them: a few page faults instead of thousands when it is first written.

#include <cstddef>
#include <vector>

namespace core {

// Huge pages under the whole 2 MB steps of [data, data + bytes); nothing for less.
void adviseHugePages(const void* data, std::size_t bytes);

template <class T>
void reserveLarge(std::vector<T>& v, std::size_t n) {
    if (n <= v.capacity()) return;
    v.reserve(n);
    adviseHugePages(v.data(), n * sizeof(T));
}

}  // namespace core
