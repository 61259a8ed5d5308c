#pragma once
// Multiples of 8, the grid every centre lies on.

#include <cstdint>

namespace corvix::layout {

constexpr int64_t floorToGrid(int64_t v)
{
    return v >= 0 ? v / 8 * 8 : -((-v + 7) / 8 * 8);
}

constexpr int64_t ceilToGrid(int64_t v)
{
    return -floorToGrid(-v);
}

} // namespace corvix::layout
