#pragma once
// Free places on the page: where a box of drawings can go without meeting what is there.

#include "render/extent.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace corvix::layout {

struct Shift {
    int64_t dx = 0;
    int64_t dy = 0;
};

class FreeSpace {
public:
    // area: where drawings may lie (edges included); obstacles keep gap units around them.
    FreeSpace(const Extent& area, const std::vector<Extent>& obstacles, int32_t gap);

    // The shift, in multiples of 8, that puts box wholly in the area clear of every
    // obstacle, nearest to where it is; none when there is no room anywhere.
    std::optional<Shift> nearestFree(const Extent& box) const;
    // Counts box as taken from now on.
    void take(const Extent& box);

private:
    int64_t cellOf(int64_t v, int64_t origin) const;
    void mark(const Extent& obstacle);
    bool clear(int64_t cellLeft, int64_t cellTop, int64_t cellRight, int64_t cellBottom) const;
    void rebuildSums();

    Extent area_;
    int32_t gap_;
    int64_t columns_ = 0;
    int64_t rows_ = 0;
    std::vector<uint8_t> taken_;    // per cell of 8 x 8 units
    std::vector<int32_t> sums_;     // prefix sums of taken_, (columns_ + 1) x (rows_ + 1)
};

} // namespace corvix::layout
