#pragma once
// Dot's ranks and order made into centres on the grid: rows top to bottom, each block
// straight below the one it hangs from, a decision's branches on their sides, and the gap
// between neighbours.

#include "layout/dot_layout.h"
#include "layout/flow_graph.h"

#include <cstdint>
#include <vector>

namespace corvix::layout {

struct Centre {
    int64_t x = 0;
    int64_t y = 0;
};

// Centres relative to an origin of the caller's choosing; every one a multiple of 8.
std::vector<Centre> placeRows(const FlowGraph& graph, const std::vector<DotPlace>& places, int32_t gap);

} // namespace corvix::layout
