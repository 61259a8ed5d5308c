// Blocks whose outlines meet an earlier block's. Outlines are looked up in a grid of
// cells, so that each block meets only its neighbours, not every other block.

#include "checks/check_steps.h"

#include "render/block_drawing.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <numeric>
#include <optional>
#include <utility>

namespace corvix::checks {

namespace {

struct Vertex {
    int64_t x = 0;
    int64_t y = 0;
};

// The closed, convex outline of a block: the frame's outer line, and for a decision the
// hexagon through its side vertices.
struct Outline {
    Extent frame;
    int64_t side = 0;    // how far a decision's side vertices lie beyond the frame; 0 = none
    int64_t middle = 0;  // their height

    Extent box() const { return {frame.left - side, frame.top, frame.right + side, frame.bottom}; }

    std::array<Vertex, 6> vertices() const
    {
        const Extent& f = frame;
        return {{{f.left - side, middle}, {f.left, f.top}, {f.right, f.top}, {f.right + side, middle},
                 {f.right, f.bottom}, {f.left, f.bottom}}};
    }
};

std::optional<Outline> outlineOf(const Block& b)
{
    // A block beyond the drawing limit is never drawn, so it covers nothing.
    if (!isKnownKind(b.kind) || !withinDrawingLimit(blockExtent(b, 0, 0, CharCell{})))
        return std::nullopt;
    // A size below zero, which only a file can hold, is taken as its size: the outline is
    // a shape, not lines crossing over.
    const int64_t left = int64_t(b.x) - b.width / 2 - 4;
    const int64_t top = int64_t(b.y) - b.height / 2 - 4;
    const int64_t right = left + b.width + 8;
    const int64_t bottom = top + b.height + 8;
    const Extent frame{std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
    return Outline{frame, isDecisionKind(b.kind) ? (frame.bottom - frame.top) / 2 : 0, b.y};
}

std::pair<int64_t, int64_t> projection(const std::array<Vertex, 6>& vertices, int64_t nx, int64_t ny)
{
    int64_t low = std::numeric_limits<int64_t>::max();
    int64_t high = std::numeric_limits<int64_t>::min();
    for (const Vertex& v : vertices) {
        const int64_t p = nx * v.x + ny * v.y;
        low = std::min(low, p);
        high = std::max(high, p);
    }
    return {low, high};
}

// Whether a slanted edge of a is a line that keeps b wholly on its far side. The edges
// along the axes need no look: the boxes have met.
bool separatedBySlantOf(const std::array<Vertex, 6>& a, const std::array<Vertex, 6>& b)
{
    for (size_t k = 0; k < a.size(); ++k) {
        const Vertex& p = a[k];
        const Vertex& q = a[(k + 1) % a.size()];
        const int64_t nx = q.y - p.y;
        const int64_t ny = p.x - q.x;
        if (nx == 0 || ny == 0)
            continue;
        const auto [lowA, highA] = projection(a, nx, ny);
        const auto [lowB, highB] = projection(b, nx, ny);
        if (highA < lowB || highB < lowA)
            return true;
    }
    return false;
}

// Two convex outlines meet, edges included, unless an edge of one separates them.
bool meet(const Outline& a, const Outline& b)
{
    const Extent ba = a.box();
    const Extent bb = b.box();
    if (ba.left > bb.right || bb.left > ba.right || ba.top > bb.bottom || bb.top > ba.bottom)
        return false;
    if (a.side == 0 && b.side == 0)
        return true;
    const std::array<Vertex, 6> va = a.vertices();
    const std::array<Vertex, 6> vb = b.vertices();
    return !separatedBySlantOf(va, vb) && !separatedBySlantOf(vb, va);
}

// About the width of a short one-line block: a block covers a few cells, a cell holds a few
// blocks even where they crowd. Cells grow where blocks lie far apart, so that the grid
// holds no more than a few cells a block.
constexpr int64_t kSmallestCell = 64;
constexpr size_t kCellsPerBlock = 4;
constexpr size_t kFewestCells = 4096;
// A block spread over more cells than this is looked up by a walk over the blocks before it.
constexpr int64_t kMostCellsOfABlock = 64;

class OutlineGrid {
public:
    explicit OutlineGrid(const std::vector<std::optional<Outline>>& outlines)
        : outlines_(outlines)
    {
        std::optional<Extent> area;
        for (const std::optional<Outline>& o : outlines) {
            if (o && area)
                area->include(o->box());
            else if (o)
                area = o->box();
        }
        area_ = area.value_or(Extent{});
        const size_t mostCells = std::max(kFewestCells, kCellsPerBlock * outlines.size());
        while (size_t(columns()) * size_t(rows()) > mostCells)
            cellSize_ *= 2;

        // A counting sort straight into the cells, without a list of pairs between: the
        // checks run while the user draws, and memory taken and given back costs more here
        // than the arithmetic. Within a cell the blocks come by number.
        cellStart_.assign(size_t(columns()) * size_t(rows()) + 1, 0);
        forEachCellOfEach([this](size_t cell, int32_t) { ++cellStart_[cell + 1]; });
        std::partial_sum(cellStart_.begin(), cellStart_.end(), cellStart_.begin());
        cellBlocks_.resize(cellStart_.back());
        std::vector<size_t> next(cellStart_.begin(), cellStart_.end() - 1);
        forEachCellOfEach([this, &next](size_t cell, int32_t block) { cellBlocks_[next[cell]++] = block; });
        for (size_t i = 0; i < outlines.size(); ++i) {
            if (outlines[i] && cellsOf(outlines[i]->box()).cells() > kMostCellsOfABlock)
                wide_.push_back(int32_t(i));
        }
    }

    // The lowest-numbered block before block i whose outline meets its outline; -1 = none.
    int32_t firstMeetingBefore(int32_t i) const
    {
        const Outline& o = *outlines_[size_t(i)];
        const CellRange r = cellsOf(o.box());
        if (r.cells() > kMostCellsOfABlock) {
            for (int32_t j = 0; j < i; ++j) {
                if (meets(o, j))
                    return j;
            }
            return -1;
        }
        int32_t first = i;
        for (const int32_t j : wide_) {
            if (j >= first)
                break;
            if (meets(o, j)) {
                first = j;
                break;
            }
        }
        for (int64_t cy = r.top; cy <= r.bottom; ++cy) {
            for (int64_t cx = r.left; cx <= r.right; ++cx) {
                const size_t cell = cellIndex(cx, cy);
                for (size_t k = cellStart_[cell]; k < cellStart_[cell + 1] && cellBlocks_[k] < first; ++k) {
                    if (meets(o, cellBlocks_[k])) {
                        first = cellBlocks_[k];
                        break;
                    }
                }
            }
        }
        return first < i ? first : -1;
    }

private:
    struct CellRange {
        int64_t left, top, right, bottom;

        int64_t cells() const { return (right - left + 1) * (bottom - top + 1); }
    };

    // Outlines lie within the drawing limit, so the grid spans fewer than 2^32 units.
    int64_t columns() const { return (area_.right - area_.left) / cellSize_ + 1; }
    int64_t rows() const { return (area_.bottom - area_.top) / cellSize_ + 1; }

    CellRange cellsOf(const Extent& box) const
    {
        return {(box.left - area_.left) / cellSize_, (box.top - area_.top) / cellSize_,
                (box.right - area_.left) / cellSize_, (box.bottom - area_.top) / cellSize_};
    }

    size_t cellIndex(int64_t cx, int64_t cy) const { return size_t(cy * columns() + cx); }

    // Calls visit(cell, block) for each cell of each block that is not spread too wide.
    template<typename Visit>
    void forEachCellOfEach(Visit visit) const
    {
        for (size_t i = 0; i < outlines_.size(); ++i) {
            if (!outlines_[i])
                continue;
            const CellRange r = cellsOf(outlines_[i]->box());
            if (r.cells() > kMostCellsOfABlock)
                continue;
            for (int64_t cy = r.top; cy <= r.bottom; ++cy) {
                for (int64_t cx = r.left; cx <= r.right; ++cx)
                    visit(cellIndex(cx, cy), int32_t(i));
            }
        }
    }

    bool meets(const Outline& o, int32_t j) const { return outlines_[size_t(j)] && meet(o, *outlines_[size_t(j)]); }

    const std::vector<std::optional<Outline>>& outlines_;
    Extent area_;                    // every outline's box
    int64_t cellSize_ = kSmallestCell;
    std::vector<size_t> cellStart_;  // the blocks of cell c are cellBlocks_[cellStart_[c]..cellStart_[c + 1])
    std::vector<int32_t> cellBlocks_;
    std::vector<int32_t> wide_;      // blocks spread over too many cells, in block order
};

} // namespace

void checkOverlaps(std::span<const Block> blocks, std::vector<Problem>& out)
{
    std::vector<std::optional<Outline>> outlines(blocks.size());
    std::transform(blocks.begin(), blocks.end(), outlines.begin(), outlineOf);
    const OutlineGrid grid(outlines);
    for (size_t i = 0; i < blocks.size(); ++i) {
        if (!outlines[i])
            continue;
        const int32_t earlier = grid.firstMeetingBefore(int32_t(i));
        if (earlier >= 0)
            out.push_back({int32_t(i), ProblemCode::Overlap, earlier});
    }
}

} // namespace corvix::checks
