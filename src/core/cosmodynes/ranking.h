#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

namespace helion {

// Indices ordered by their values, largest first; equal values keep the order they
// have in `indices`.
template <std::size_t N, typename ValueOf>
std::array<int, N> rankDescending(std::array<int, N> indices, ValueOf valueOf) {
    std::stable_sort(indices.begin(), indices.end(), [&](int a, int b) { return valueOf(a) > valueOf(b); });
    return indices;
}

}  // namespace helion
