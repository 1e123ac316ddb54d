#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

namespace helion {

// Indices ordered by their values, largest first; equal values keep the order they
// have in `indices`.
template <typename Index, std::size_t N, typename ValueOf>
std::array<Index, N> rankDescending(std::array<Index, N> indices, ValueOf valueOf) {
    std::stable_sort(indices.begin(), indices.end(), [&](Index a, Index b) { return valueOf(a) > valueOf(b); });
    return indices;
}

}  // namespace helion
