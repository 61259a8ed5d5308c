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

// The drawings a new block must keep clear of, each grown by the clearance, looked up by
// cells of the page so that a candidate meets only its neighbours: on a crowded sheet the
// search may try every grid place.
class TakenArea {
public:
    TakenArea(const SurfaceRect& page, std::vector<Extent> taken)
        : left_(page.left)
        , top_(page.top)
        , columns_(cellOf(page.right - page.left) + 1)
        , rows_(cellOf(page.bottom - page.top) + 1)
        , cells_(size_t(columns_ * rows_))
    {
        // Candidates lie inside the page: what lies wholly beyond it meets none.
        const Extent whole{page.left, page.top, page.right, page.bottom};
        for (const Extent& e : taken) {
            if (meets(e, whole))
                forCells(*this, e, [&](std::vector<Extent>& cell) { cell.push_back(e); });
        }
    }

    bool meetsAny(const Extent& area) const
    {
        bool met = false;
        forCells(*this, area, [&](const std::vector<Extent>& cell) {
            met = met || std::any_of(cell.begin(), cell.end(), [&](const Extent& t) { return meets(area, t); });
        });
        return met;
    }

private:
    static constexpr int64_t kCell = 64;

    static int64_t cellOf(int64_t offset) { return offset < 0 ? -1 : offset / kCell; }

    // Every cell the area reaches; parts beyond the page fall in the border cells.
    template<typename Self, typename Visit>
    static void forCells(Self& self, const Extent& e, Visit visit)
    {
        const int64_t c0 = std::clamp<int64_t>(cellOf(e.left - self.left_), 0, self.columns_ - 1);
        const int64_t c1 = std::clamp<int64_t>(cellOf(e.right - self.left_), 0, self.columns_ - 1);
        const int64_t r0 = std::clamp<int64_t>(cellOf(e.top - self.top_), 0, self.rows_ - 1);
        const int64_t r1 = std::clamp<int64_t>(cellOf(e.bottom - self.top_), 0, self.rows_ - 1);
        for (int64_t r = r0; r <= r1; ++r) {
            for (int64_t c = c0; c <= c1; ++c)
                visit(self.cells_[size_t(r * self.columns_ + c)]);
        }
    }

    int64_t left_;
    int64_t top_;
    int64_t columns_;
    int64_t rows_;
    std::vector<std::vector<Extent>> cells_;
};

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
    const TakenArea area(inner, std::move(taken));
    for (const Candidate& c : candidates) {
        if (!area.meetsAny({shape->left + c.x, shape->top + c.y, shape->right + c.x, shape->bottom + c.y}))
            return Point{int32_t(c.x), int32_t(c.y)};
    }
    return std::nullopt;
}

} // namespace corvix
