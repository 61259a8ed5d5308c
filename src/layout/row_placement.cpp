#include "layout/row_placement.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace corvix::layout {

namespace {

int64_t ceilToGrid(int64_t v)
{
    return v >= 0 ? (v + 7) / 8 * 8 : -((-v) / 8 * 8);
}

int64_t nearestOnGrid(double v)
{
    return int64_t(std::llround(v / 8.0)) * 8;
}

// How strongly a block holds to the place it wants: a chain's straight line first, then a
// decision's side, then dot's own place.
constexpr double kStraightWeight = 1000;
constexpr double kSideWeight = 50;
constexpr double kDotWeight = 1;

struct Wish {
    double x = 0;
    double weight = kDotWeight;
};

// Places a row's blocks, in order, as near their wishes as the gaps between them allow
// (least weighted squares, by pooling adjacent violators), then on the grid.
std::vector<int64_t> fitRow(const std::vector<Wish>& wishes, const std::vector<int64_t>& minDistance)
{
    const size_t n = wishes.size();
    std::vector<double> offset(n, 0);
    for (size_t i = 1; i < n; ++i)
        offset[i] = offset[i - 1] + double(minDistance[i]);
    struct Pool {
        double sum = 0;
        double weight = 0;
        size_t count = 0;
        double mean() const { return sum / weight; }
    };
    std::vector<Pool> pools;
    for (size_t i = 0; i < n; ++i) {
        pools.push_back({(wishes[i].x - offset[i]) * wishes[i].weight, wishes[i].weight, 1});
        while (pools.size() > 1 && pools[pools.size() - 2].mean() > pools.back().mean()) {
            Pool last = pools.back();
            pools.pop_back();
            pools.back().sum += last.sum;
            pools.back().weight += last.weight;
            pools.back().count += last.count;
        }
    }
    std::vector<int64_t> xs(n);
    size_t i = 0;
    for (const Pool& pool : pools)
        for (size_t k = 0; k < pool.count; ++k, ++i) {
            int64_t x = nearestOnGrid(pool.mean() + offset[i]);
            if (i > 0)
                x = std::max(x, ceilToGrid(xs[i - 1] + minDistance[i]));
            xs[i] = x;
        }
    return xs;
}

} // namespace

std::vector<Centre> placeRows(const FlowGraph& graph, const std::vector<DotPlace>& places, int32_t gap)
{
    const size_t n = graph.nodes.size();
    std::vector<Centre> centres(n);
    if (n == 0)
        return centres;
    const auto deepest = std::max_element(places.begin(), places.end(),
                                          [](const DotPlace& a, const DotPlace& b) { return a.rank < b.rank; });
    std::vector<std::vector<int32_t>> rows(size_t(deepest->rank) + 1);
    for (size_t v = 0; v < n; ++v)
        rows[size_t(places[v].rank)].push_back(int32_t(v));

    // Which side of which decision a block wants to be on.
    std::vector<int32_t> sideOf(n, -1);
    std::vector<Port> sidePort(n, Port::Bottom);
    for (const FlowEdge& edge : graph.edges)
        if (!edge.back && (edge.exit == Port::Left || edge.exit == Port::Right) && places[size_t(edge.to)].rank > places[size_t(edge.from)].rank) {
            sideOf[size_t(edge.to)] = edge.from;
            sidePort[size_t(edge.to)] = edge.exit;
        }

    int64_t rowTop = 0;
    for (std::vector<int32_t>& row : rows) {
        std::sort(row.begin(), row.end(), [&](int32_t a, int32_t b) { return places[size_t(a)].x < places[size_t(b)].x; });
        std::vector<Wish> wishes;
        std::vector<int64_t> minDistance;
        for (size_t k = 0; k < row.size(); ++k) {
            const size_t v = size_t(row[k]);
            Wish wish{places[v].x, kDotWeight};
            if (const int32_t parent = graph.straightParent[v]; parent >= 0 && places[size_t(parent)].rank < places[v].rank)
                wish = {double(centres[size_t(parent)].x), kStraightWeight};
            else if (const int32_t decision = sideOf[v]; decision >= 0) {
                const double dx = double(centres[size_t(decision)].x);
                const bool wrongSide = sidePort[v] == Port::Left ? wish.x > dx : wish.x < dx;
                if (wrongSide)
                    wish = {dx, kSideWeight};
            }
            wishes.push_back(wish);
            minDistance.push_back(k == 0 ? 0
                                         : graph.nodes[size_t(row[k - 1])].shape.right + 1 + gap - graph.nodes[v].shape.left);
        }
        const std::vector<int64_t> xs = fitRow(wishes, minDistance);
        int64_t rowBottom = rowTop;
        for (size_t k = 0; k < row.size(); ++k) {
            const size_t v = size_t(row[k]);
            centres[v].x = xs[k];
            centres[v].y = ceilToGrid(rowTop - graph.nodes[v].shape.top);
            rowBottom = std::max(rowBottom, centres[v].y + graph.nodes[v].shape.bottom);
        }
        rowTop = rowBottom + 1 + gap;
    }
    return centres;
}

} // namespace corvix::layout
