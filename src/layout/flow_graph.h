#pragma once
// The arranged blocks as a graph: which links run between them, which of those are back
// links (they close a loop), and which block hangs straight below another.

#include "model/block.h"
#include "render/extent.h"

#include <cstdint>
#include <span>
#include <vector>

namespace corvix::layout {

// One arranged block of the flow. shape is what its drawing covers, relative to its centre.
struct FlowNode {
    int32_t block = 0;
    Extent shape;
};

struct FlowEdge {
    int32_t from = 0;  // node numbers, not block indices
    int32_t to = 0;
    Port exit = Port::Bottom;
    bool back = false;
};

struct FlowGraph {
    std::vector<FlowNode> nodes;
    std::vector<FlowEdge> edges;       // in link table order
    std::vector<int32_t> straightParent;  // per node: the node it hangs straight below, or -1
};

// Nodes in the order given; edges for every link with an exit at from and the entry of to.
// Back links are those a depth-first walk from the entries (nodes no link reaches, in
// order) finds closing a loop, exits taken left, bottom, right.
FlowGraph buildFlowGraph(std::span<const FlowNode> nodes, std::span<const Link> links,
                         std::span<const int32_t> nodeOfBlock);

} // namespace corvix::layout
