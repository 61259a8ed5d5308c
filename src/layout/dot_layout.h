#pragma once
// The one place Corvix talks to Graphviz: dot's ranks and horizontal places for a flow.

#include "layout/flow_graph.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace corvix::layout {

struct DotPlace {
    int32_t rank = 0;  // 0 at the top
    double x = 0;      // centre, sheet units
};

struct DotOptions {
    double nodeSep = 24;  // sheet units between neighbours in a rank
    double rankSep = 24;
    bool flowchartHints = true;  // exit ports, out-edge order, straight chains, back links
};

// One place per node, or none when dot failed.
std::optional<std::vector<DotPlace>> dotPlaces(const FlowGraph& graph, const DotOptions& options);

} // namespace corvix::layout
