#include "layout/free_space.h"

#include <algorithm>
#include <limits>

namespace corvix::layout {

namespace {

constexpr int64_t kCell = 8;

int64_t floorDiv(int64_t a, int64_t b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

} // namespace

FreeSpace::FreeSpace(const Extent& area, const std::vector<Extent>& obstacles, int32_t gap)
    : area_(area), gap_(gap)
{
    // Whole cells only, so that a box in the last one still lies in the area.
    columns_ = std::max<int64_t>(0, (area.right - area.left + 1) / kCell);
    rows_ = std::max<int64_t>(0, (area.bottom - area.top + 1) / kCell);
    taken_.assign(size_t(columns_ * rows_), 0);
    for (const Extent& e : obstacles)
        mark(e);
    rebuildSums();
}

void FreeSpace::mark(const Extent& e)
{
    const Extent grown{e.left - gap_, e.top - gap_, e.right + gap_, e.bottom + gap_};
    const int64_t l = std::max<int64_t>(0, cellOf(grown.left, area_.left));
    const int64_t r = std::min(columns_ - 1, cellOf(grown.right, area_.left));
    const int64_t t = std::max<int64_t>(0, cellOf(grown.top, area_.top));
    const int64_t b = std::min(rows_ - 1, cellOf(grown.bottom, area_.top));
    for (int64_t y = t; y <= b; ++y)
        for (int64_t x = l; x <= r; ++x)
            taken_[size_t(y * columns_ + x)] = 1;
}

int64_t FreeSpace::cellOf(int64_t v, int64_t origin) const
{
    return floorDiv(v - origin, kCell);
}

void FreeSpace::rebuildSums()
{
    sums_.assign(size_t((columns_ + 1) * (rows_ + 1)), 0);
    const int64_t stride = columns_ + 1;
    for (int64_t y = 0; y < rows_; ++y)
        for (int64_t x = 0; x < columns_; ++x)
            sums_[size_t((y + 1) * stride + x + 1)] = taken_[size_t(y * columns_ + x)] + sums_[size_t(y * stride + x + 1)]
                + sums_[size_t((y + 1) * stride + x)] - sums_[size_t(y * stride + x)];
}

bool FreeSpace::clear(int64_t l, int64_t t, int64_t r, int64_t b) const
{
    if (l < 0 || t < 0 || r >= columns_ || b >= rows_)
        return false;
    const int64_t stride = columns_ + 1;
    const int32_t count = sums_[size_t((b + 1) * stride + r + 1)] - sums_[size_t(t * stride + r + 1)]
        - sums_[size_t((b + 1) * stride + l)] + sums_[size_t(t * stride + l)];
    return count == 0;
}

std::optional<Shift> FreeSpace::nearestFree(const Extent& box) const
{
    // Shifts in whole cells keep centres on the grid; the box's own offset within its
    // first cell decides how many cells it spans.
    const int64_t inCellX = box.left - area_.left - cellOf(box.left, area_.left) * kCell;
    const int64_t inCellY = box.top - area_.top - cellOf(box.top, area_.top) * kCell;
    const int64_t spanX = (inCellX + box.right - box.left) / kCell;
    const int64_t spanY = (inCellY + box.bottom - box.top) / kCell;
    const int64_t homeX = cellOf(box.left, area_.left);
    const int64_t homeY = cellOf(box.top, area_.top);
    std::optional<Shift> best;
    int64_t bestDistance = std::numeric_limits<int64_t>::max();
    for (int64_t y = 0; y + spanY < rows_; ++y)
        for (int64_t x = 0; x + spanX < columns_; ++x) {
            const int64_t dx = x - homeX;
            const int64_t dy = y - homeY;
            const int64_t distance = dx * dx + dy * dy;
            if (distance >= bestDistance || !clear(x, y, x + spanX, y + spanY))
                continue;
            bestDistance = distance;
            best = Shift{dx * kCell, dy * kCell};
        }
    return best;
}

void FreeSpace::take(const Extent& box)
{
    mark(box);
    rebuildSums();
}

} // namespace corvix::layout
