#include "layout/page_packing.h"

#include "layout/grid.h"

#include <algorithm>
#include <limits>
#include <map>
#include <numeric>
#include <optional>

namespace corvix::layout {

namespace {

// The pieces of the flow: nodes joined by links, each in node order.
std::vector<std::vector<int32_t>> pieces(const FlowGraph& graph)
{
    std::vector<int32_t> parent(graph.nodes.size());
    std::iota(parent.begin(), parent.end(), 0);
    const auto root = [&](int32_t v) {
        while (parent[size_t(v)] != v)
            v = parent[size_t(v)] = parent[size_t(parent[size_t(v)])];
        return v;
    };
    for (const FlowEdge& edge : graph.edges)
        parent[size_t(root(edge.from))] = root(edge.to);
    std::map<int32_t, std::vector<int32_t>> byRoot;
    for (size_t v = 0; v < graph.nodes.size(); ++v)
        byRoot[root(int32_t(v))].push_back(int32_t(v));
    std::vector<std::vector<int32_t>> out;
    for (auto& [r, nodes] : byRoot)
        out.push_back(std::move(nodes));
    return out;
}

class Packer {
public:
    Packer(const FlowGraph& graph, std::vector<Centre>& centres, int64_t height, int32_t gap)
        : graph_(graph), centres_(centres), height_(height), gap_(gap), rowOf_(graph.nodes.size(), 0),
          pieceOf_(graph.nodes.size(), -1)
    {
    }

    Extent drawingOf(int32_t v) const
    {
        const Extent& s = graph_.nodes[size_t(v)].shape;
        const Centre& c = centres_[size_t(v)];
        return {s.left + c.x, s.top + c.y, s.right + c.x, s.bottom + c.y};
    }

    Extent boxOf(const std::vector<int32_t>& nodes) const
    {
        Extent box = drawingOf(nodes.front());
        for (int32_t v : nodes)
            box.include(drawingOf(v));
        return box;
    }

    // The piece as one column, or cut into several where it is too tall; false when no
    // cut lets it fit.
    bool columnsOf(const std::vector<int32_t>& piece, std::vector<Column>& out)
    {
        ++pieceNumber_;
        for (int32_t v : piece)
            pieceOf_[size_t(v)] = pieceNumber_;
        std::map<int64_t, std::vector<int32_t>> byTop;  // rows by the top of their drawings
        for (int32_t v : piece)
            byTop[centres_[size_t(v)].y + graph_.nodes[size_t(v)].shape.top].push_back(v);
        std::vector<std::vector<int32_t>> rows;
        for (auto& [top, nodes] : byTop) {
            for (int32_t v : nodes)
                rowOf_[size_t(v)] = int32_t(rows.size());
            rows.push_back(std::move(nodes));
        }
        size_t first = 0;
        while (first < rows.size()) {
            const int64_t top = boxOf(rows[first]).top;
            size_t last = first;
            int32_t cutSource = -1;
            // Where no single link can carry the flow to the next column (a loop spans
            // every cut that fits), the cut that the fewest links cross, the lowest of them.
            std::optional<size_t> fewest;
            int32_t fewestCrossing = std::numeric_limits<int32_t>::max();
            bool fits = false;
            for (size_t r = first; r < rows.size() && boxOf(rows[r]).bottom - top < height_; ++r) {
                if (r + 1 == rows.size()) {
                    last = r;
                    cutSource = -1;
                    fits = true;
                    break;
                }
                if (const int32_t source = onlyLinkOnAfter(int32_t(r)); source >= 0) {
                    last = r;
                    cutSource = source;
                }
                if (const int32_t crossing = linksCrossingAfter(int32_t(r)); crossing <= fewestCrossing) {
                    fewest = r;
                    fewestCrossing = crossing;
                }
            }
            if (!fits && cutSource < 0 && fewest)
                last = *fewest;
            if (last == first && cutSource < 0 && !fewest && first + 1 < rows.size())
                return false;
            Column column;
            for (size_t r = first; r <= last; ++r)
                column.nodes.insert(column.nodes.end(), rows[r].begin(), rows[r].end());
            if (boxOf(column.nodes).bottom - top >= height_)
                return false;
            if (cutSource >= 0 && rowOf_[size_t(cutSource)] == int32_t(last))
                standAside(column, cutSource);
            column.box = boxOf(column.nodes);
            out.push_back(std::move(column));
            first = last + 1;
        }
        return true;
    }

private:
    // The source of the one link from rows up to row to the rows below it, when it leaves
    // from the bottom or the right (the next column lies right) and no loop spans the cut;
    // else -1.
    int32_t onlyLinkOnAfter(int32_t row) const
    {
        int32_t source = -1;
        int32_t crossing = 0;
        for (const FlowEdge& edge : graph_.edges) {
            if (pieceOf_[size_t(edge.from)] != pieceNumber_)
                continue;
            const int32_t from = rowOf_[size_t(edge.from)];
            const int32_t to = rowOf_[size_t(edge.to)];
            if ((from <= row) == (to <= row))
                continue;
            if (edge.back || edge.exit == Port::Left || ++crossing > 1)
                return -1;
            source = edge.from;
        }
        return crossing == 1 ? source : -1;
    }

    // How many of the piece's links join rows up to row with the rows below it.
    int32_t linksCrossingAfter(int32_t row) const
    {
        int32_t crossing = 0;
        for (const FlowEdge& edge : graph_.edges)
            if (pieceOf_[size_t(edge.from)] == pieceNumber_
                && (rowOf_[size_t(edge.from)] <= row) != (rowOf_[size_t(edge.to)] <= row))
                ++crossing;
        return crossing;
    }

    // The block at a column's foot that the next column goes on from stands left of its
    // column, so that the link's climb beside it passes no block of the column.
    void standAside(const Column& column, int32_t source)
    {
        int64_t left = std::numeric_limits<int64_t>::max();
        for (int32_t v : column.nodes)
            if (v != source)
                left = std::min(left, drawingOf(v).left);
        if (left == std::numeric_limits<int64_t>::max())
            return;
        const Extent& s = graph_.nodes[size_t(source)].shape;
        centres_[size_t(source)].x = floorToGrid(left - gap_ - 1 - s.right);
    }

    const FlowGraph& graph_;
    std::vector<Centre>& centres_;
    int64_t height_;
    int32_t gap_;
    std::vector<int32_t> rowOf_;    // within the piece being cut
    std::vector<int32_t> pieceOf_;
    int32_t pieceNumber_ = -1;
};

} // namespace

std::optional<std::vector<Column>> flowColumns(const FlowGraph& graph, std::vector<Centre>& centres, int64_t height,
                                               int32_t gap)
{
    std::vector<Column> columns;
    if (graph.nodes.empty())
        return columns;
    Packer packer(graph, centres, height, gap);
    for (const std::vector<int32_t>& piece : pieces(graph))
        if (!packer.columnsOf(piece, columns))
            return std::nullopt;
    return columns;
}

} // namespace corvix::layout
