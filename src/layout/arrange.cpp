#include "layout/arrange.h"

#include "layout/dot_layout.h"
#include "layout/flow_graph.h"
#include "layout/free_space.h"
#include "layout/grid.h"
#include "layout/page_packing.h"
#include "layout/page_packing.h"
#include "layout/row_placement.h"
#include "model/block_roles.h"
#include "render/block_geometry.h"
#include "render/link_drawing.h"
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
    return {false, {}, {MessageId::TooLargeToArrange, {}}};
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

// What the block's drawing covers: its shape and, for the goto kinds whose outline is one
// edge, its text below or above that edge too.
std::optional<Extent> drawingOf(const Block& b)
{
    std::optional<Extent> shape = blockShapeExtent(b);
    if (shape) {
        const int64_t left = int64_t(b.x) - b.width / 2 - 4;
        const int64_t top = int64_t(b.y) - b.height / 2 - 4;
        shape->include({left, top, left + b.width + 8, top + b.height + 8});
    }
    return shape;
}

// The extents a link's route covers, one a segment.
void addRoute(const Link& link, std::span<const Block> blocks, std::vector<Extent>& out)
{
    const std::optional<LinkPath> path = routeLink(link, blocks, 0, 0);
    if (!path)
        return;
    for (int32_t k = 0; k + 1 < path->count; ++k) {
        const Point p = path->points[size_t(k)];
        const Point q = path->points[size_t(k + 1)];
        out.push_back({std::min(p.x, q.x), std::min(p.y, q.y), std::max(p.x, q.x), std::max(p.y, q.y)});
    }
}

// Lays the flow out and puts its columns on the page, each in the nearest free place to
// where it should go: the whole drawing from the page's top, a selection where it was,
// every column right of the one before. The centres go to out; the result is what the
// flow now covers (drawings and link routes), or none when it does not fit.
std::optional<std::vector<Extent>> placeFlow(const EditorState& state, bool whole, const std::vector<FlowNode>& nodes,
                                             const std::vector<int32_t>& nodeOfBlock, const Extent& page,
                                             const std::vector<Extent>& obstacles, std::vector<BlockCentre>& out)
{
    const std::span<const Block> blocks = state.blocksInUse();
    const std::span<const Link> links(state.links.data(), size_t(std::max(0, state.linkCount)));
    const FlowGraph graph = buildFlowGraph(nodes, links, nodeOfBlock);
    const std::optional<std::vector<DotPlace>> places = dotPlaces(graph, DotOptions{});
    if (!places)
        return std::nullopt;
    std::vector<Centre> centres = placeRows(graph, *places, kArrangeGap);
    const std::optional<std::vector<Column>> columns = flowColumns(graph, centres, page.bottom - page.top + 1, kArrangeGap);
    if (!columns)
        return std::nullopt;

    Extent old{};
    for (size_t v = 0; v < nodes.size(); ++v) {
        const Extent e = shifted(nodes[v].shape, blocks[size_t(nodes[v].block)].x, blocks[size_t(nodes[v].block)].y);
        old = v == 0 ? e : old.include(e);
    }
    int64_t wishLeft = whole ? page.left + kArrangeGap : old.left;
    const int64_t wishTop = whole ? page.top + kArrangeGap : old.top;

    std::vector<Block> laid(blocks.begin(), blocks.end());
    std::vector<char> placed(blocks.size(), 0);
    std::vector<Extent> covered;
    FreeSpace space(page, obstacles, kArrangeGap);
    for (const Column& column : *columns) {
        const int64_t dx = floorToGrid(wishLeft - column.box.left);
        const int64_t dy = floorToGrid(wishTop - column.box.top);
        const std::optional<Shift> room = space.nearestFree(shifted(column.box, dx, dy));
        if (!room)
            return std::nullopt;
        std::vector<Extent> taken;
        for (int32_t v : column.nodes) {
            Block& b = laid[size_t(nodes[size_t(v)].block)];
            b.x = int32_t(centres[size_t(v)].x + dx + room->dx);
            b.y = int32_t(centres[size_t(v)].y + dy + room->dy);
            placed[size_t(nodes[size_t(v)].block)] = 1;
            taken.push_back(shifted(nodes[size_t(v)].shape, b.x, b.y));
        }
        for (const FlowEdge& edge : graph.edges) {
            const size_t from = size_t(nodes[size_t(edge.from)].block);
            const size_t to = size_t(nodes[size_t(edge.to)].block);
            const bool inColumn = std::find(column.nodes.begin(), column.nodes.end(), edge.from) != column.nodes.end()
                || std::find(column.nodes.begin(), column.nodes.end(), edge.to) != column.nodes.end();
            if (inColumn && placed[from] && placed[to])
                addRoute({connectionCode(int32_t(from), edge.exit), connectionCode(int32_t(to), Port::Top)}, laid, taken);
        }
        space.take(taken);
        covered.insert(covered.end(), taken.begin(), taken.end());
        wishLeft = shifted(column.box, dx + room->dx, 0).right + 1 + kArrangeGap;
    }

    // The whole drawing in the middle of the page across.
    int64_t centring = 0;
    if (whole) {
        Extent all = covered.front();
        for (const Extent& e : covered)
            all.include(e);
        centring = std::max<int64_t>(0, floorToGrid((page.right - all.right) - (all.left - page.left)) / 2 / 8 * 8);
    }
    for (const FlowNode& node : nodes) {
        const Block& b = laid[size_t(node.block)];
        out.push_back({node.block, int32_t(b.x + centring), b.y});
    }
    for (Extent& e : covered)
        e = shifted(e, centring, 0);
    return covered;
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
            shapes[i] = drawingOf(blocks[i]);
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
        const std::optional<std::vector<Extent>> flow = placeFlow(state, chosen.all, nodes, nodeOfBlock, page, obstacles, result.centres);
        if (!flow)
            return refused();
        space.take(*flow);
    }
    for (size_t i : explanations) {
        const int64_t x = snapToGrid(blocks[i].x);
        const int64_t y = snapToGrid(blocks[i].y);
        const Extent here = shifted(*shapes[i], x - blocks[i].x, y - blocks[i].y);
        const std::optional<Shift> room = space.nearestFree(here);
        if (!room)
            return refused();
        result.centres.push_back({int32_t(i), int32_t(x + room->dx), int32_t(y + room->dy)});
        const Extent there = shifted(here, room->dx, room->dy);
        space.take(std::span(&there, 1));
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
