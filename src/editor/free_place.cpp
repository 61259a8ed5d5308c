#include "editor/free_place.h"

#include "render/render_pass.h"
#include "render/shape_extent.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace corvix {

namespace {

constexpr int32_t kGrid = 8;

// The block's drawing as if its centre were at the origin.
std::optional<Extent> shapeAtOrigin(Block block)
{
    block.x = 0;
    block.y = 0;
    return blockShapeExtent(block);
}

// The first multiple of the grid at or above v.
int64_t gridAtOrAbove(int64_t v)
{
    const int64_t down = v >= 0 ? v / kGrid * kGrid : -((-v + kGrid - 1) / kGrid * kGrid);
    return down < v ? down + kGrid : down;
}

bool meets(const Extent& a, const Extent& b)
{
    return a.left <= b.right && a.right >= b.left && a.top <= b.bottom && a.bottom >= b.top;
}

struct Candidate {
    int64_t distance = 0;  // squared
    int64_t x = 0;
    int64_t y = 0;
    bool operator<(const Candidate& o) const
    {
        return distance != o.distance ? distance < o.distance : y != o.y ? y < o.y : x < o.x;
    }
};

} // namespace

Point placeUnderExit(const Block& source, Port exit, const Block& fresh)
{
    const Point at = portPoint(source, exit);
    const std::optional<Extent> drawn = blockShapeExtent(source);
    return placeUnder({at.x, drawn ? int32_t(drawn->bottom) : at.y}, fresh);
}

Point placeUnder(Point top, const Block& fresh)
{
    const std::optional<Extent> shape = shapeAtOrigin(fresh);
    const int64_t above = shape ? -shape->top : 0;
    return {top.x, int32_t(std::clamp<int64_t>(int64_t(top.y) + kFlowGap + above, INT32_MIN / 2, INT32_MAX / 2))};
}

std::optional<Point> freePlace(const EditorState& state, const Block& fresh, Point wanted, int32_t ignore)
{
    const std::optional<Extent> shape = shapeAtOrigin(fresh);
    if (!shape)
        return std::nullopt;
    std::vector<Extent> taken;
    for (int32_t i = 0; i < state.blockCount; ++i) {
        if (i == ignore)
            continue;
        if (const std::optional<Extent> e = blockShapeExtent(state.blocks[size_t(i)])) {
            taken.push_back({e->left - kFreePlaceClearance, e->top - kFreePlaceClearance,
                             e->right + kFreePlaceClearance, e->bottom + kFreePlaceClearance});
        }
    }

    // Strictly inside the page frame's inner line, as the off-page check wants it.
    const SurfaceRect inner = pageFrame(state.paper).inner;
    const int64_t left = gridAtOrAbove(int64_t(inner.left) + 1 - shape->left);
    const int64_t right = int64_t(inner.right) - 1 - shape->right;
    const int64_t top = gridAtOrAbove(std::max(int64_t(inner.top) + 1 - shape->top, int64_t(wanted.y)));
    const int64_t bottom = int64_t(inner.bottom) - 1 - shape->bottom;
    std::vector<Candidate> candidates;
    for (int64_t y = top; y <= bottom; y += kGrid) {
        for (int64_t x = left; x <= right; x += kGrid) {
            const int64_t dx = x - wanted.x;
            const int64_t dy = y - wanted.y;
            candidates.push_back({dx * dx + dy * dy, x, y});
        }
    }
    std::sort(candidates.begin(), candidates.end());
    for (const Candidate& c : candidates) {
        const Extent at{shape->left + c.x, shape->top + c.y, shape->right + c.x, shape->bottom + c.y};
        if (std::none_of(taken.begin(), taken.end(), [&at](const Extent& t) { return meets(at, t); }))
            return Point{int32_t(c.x), int32_t(c.y)};
    }
    return std::nullopt;
}

} // namespace corvix
