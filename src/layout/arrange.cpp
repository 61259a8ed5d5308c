#include "layout/arrange.h"

#include "layout/dot_layout.h"
#include "layout/flow_graph.h"
#include "layout/free_space.h"
#include "layout/row_placement.h"
#include "model/block_roles.h"
#include "render/block_geometry.h"
#include "render/render_pass.h"
#include "render/shape_extent.h"

#include <algorithm>
#include <optional>

namespace corvix::layout {

namespace {

Extent shifted(const Extent& e, int64_t dx, int64_t dy)
{
    return {e.left + dx, e.top + dy, e.right + dx, e.bottom + dy};
}

int64_t area(const Extent& e)
{
    return (e.right - e.left + 1) * (e.bottom - e.top + 1);
}

// Where an arranged drawing may lie: inside the page frame's inner line.
Extent pageInterior(const Paper& paper)
{
    const SurfaceRect inner = pageFrame(paper).inner;
    return {int64_t(inner.left) + 1, int64_t(inner.top) + 1, int64_t(inner.right) - 1, int64_t(inner.bottom) - 1};
}

bool apart(const Extent& a, const Extent& b, int64_t gap)
{
    return a.right + gap < b.left || b.right + gap < a.left || a.bottom + gap < b.top || b.bottom + gap < a.top;
}

struct Box {
    Extent extent;
    bool arranged = false;
};

// Whether every arranged box lies in area with gap units between it and any other box.
// Boxes left where they were may lie as the user put them.
bool laidOutCleanly(std::vector<Box> boxes, const Extent& area, int64_t gap)
{
    for (const Box& b : boxes) {
        const Extent& e = b.extent;
        if (b.arranged && (e.left < area.left || e.top < area.top || e.right > area.right || e.bottom > area.bottom))
            return false;
    }
    std::sort(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) { return a.extent.left < b.extent.left; });
    for (size_t i = 0; i < boxes.size(); ++i)
        for (size_t k = i + 1; k < boxes.size() && boxes[k].extent.left <= boxes[i].extent.right + gap; ++k)
            if ((boxes[i].arranged || boxes[k].arranged) && !apart(boxes[i].extent, boxes[k].extent, gap))
                return false;
    return true;
}

Arrangement refused()
{
    return {false, {}, kTooLargeToArrange};
}

struct Chosen {
    std::vector<char> flags;
    bool all = false;
};

Chosen chosenBlocks(size_t count, std::span<const int32_t> which)
{
    Chosen chosen{std::vector<char>(count, which.empty() ? 1 : 0), which.empty()};
    for (int32_t index : which)
        if (index >= 0 && size_t(index) < count)
            chosen.flags[size_t(index)] = 1;
    return chosen;
}

} // namespace

Arrangement arrangeBlocks(const EditorState& state, std::span<const int32_t> which)
{
    const std::span<const Block> blocks = state.blocksInUse();
    const size_t n = blocks.size();
    const Chosen chosen = chosenBlocks(n, which);
    const Extent page = pageInterior(state.paper);

    std::vector<std::optional<Extent>> shapes(n);
    int64_t covered = 0;
    for (size_t i = 0; i < n; ++i) {
        if (isKnownKind(blocks[i].kind))
            shapes[i] = blockShapeExtent(blocks[i]);
        if (shapes[i])
            covered += area(*shapes[i]);
    }
    // Not even packed edge to edge would the drawings fit: no layout can help.
    if (covered > area(page))
        return refused();

    std::vector<FlowNode> nodes;
    std::vector<int32_t> nodeOfBlock(n, -1);
    std::vector<Extent> obstacles;
    std::vector<size_t> explanations;
    for (size_t i = 0; i < n; ++i) {
        if (!shapes[i])
            continue;
        if (!chosen.flags[i])
            obstacles.push_back(*shapes[i]);
        else if (isFlowKind(blocks[i].kind)) {
            nodeOfBlock[i] = int32_t(nodes.size());
            nodes.push_back({int32_t(i), shifted(*shapes[i], -int64_t(blocks[i].x), -int64_t(blocks[i].y))});
        } else
            explanations.push_back(i);
    }

    Arrangement result{true, {}, {}};
    FreeSpace space(page, obstacles, kArrangeGap);
    if (!nodes.empty()) {
        const FlowGraph graph = buildFlowGraph(nodes, std::span(state.links.data(), size_t(std::max(0, state.linkCount))), nodeOfBlock);
        const std::optional<std::vector<DotPlace>> places = dotPlaces(graph, DotOptions{});
        if (!places)
            return refused();
        const std::vector<Centre> centres = placeRows(graph, *places, kArrangeGap);

        Extent laid = shifted(graph.nodes[0].shape, centres[0].x, centres[0].y);
        Extent old = *shapes[size_t(graph.nodes[0].block)];
        for (size_t v = 0; v < nodes.size(); ++v) {
            laid.include(shifted(graph.nodes[v].shape, centres[v].x, centres[v].y));
            old.include(*shapes[size_t(graph.nodes[v].block)]);
        }
        // The whole drawing starts at the top of the page, in the middle; a selection
        // where it was.
        int64_t wishLeft = old.left;
        int64_t wishTop = old.top;
        if (chosen.all) {
            wishLeft = page.left + std::max<int64_t>(0, (page.right - page.left - (laid.right - laid.left)) / 2);
            wishTop = page.top + kArrangeGap;
        }
        const int64_t dx = (wishLeft - laid.left) / 8 * 8;
        const int64_t dy = (wishTop - laid.top) / 8 * 8;
        const std::optional<Shift> room = space.nearestFree(shifted(laid, dx, dy));
        if (!room)
            return refused();
        for (size_t v = 0; v < nodes.size(); ++v) {
            const int64_t x = centres[v].x + dx + room->dx;
            const int64_t y = centres[v].y + dy + room->dy;
            result.centres.push_back({graph.nodes[v].block, int32_t(x), int32_t(y)});
            space.take(shifted(graph.nodes[v].shape, x, y));
        }
    }
    for (size_t i : explanations) {
        const int64_t x = snapToGrid(blocks[i].x);
        const int64_t y = snapToGrid(blocks[i].y);
        const Extent here = shifted(*shapes[i], x - blocks[i].x, y - blocks[i].y);
        const std::optional<Shift> room = space.nearestFree(here);
        if (!room)
            return refused();
        result.centres.push_back({int32_t(i), int32_t(x + room->dx), int32_t(y + room->dy)});
        space.take(shifted(here, room->dx, room->dy));
    }
    std::sort(result.centres.begin(), result.centres.end(),
              [](const BlockCentre& a, const BlockCentre& b) { return a.block < b.block; });

    std::vector<Box> boxes;
    for (const Extent& e : obstacles)
        boxes.push_back({e, false});
    for (const BlockCentre& c : result.centres) {
        const Block& b = blocks[size_t(c.block)];
        boxes.push_back({shifted(*shapes[size_t(c.block)], int64_t(c.x) - b.x, int64_t(c.y) - b.y), true});
    }
    if (!laidOutCleanly(std::move(boxes), page, kArrangeGap))
        return refused();
    return result;
}

} // namespace corvix::layout
