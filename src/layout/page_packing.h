#pragma once
// The arranged flow in columns that a page of a given height holds: each piece (the main
// flow, each goto piece) a column, a piece too tall wrapped into several where one link
// alone leads on.

#include "layout/flow_graph.h"
#include "layout/row_placement.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace corvix::layout {

// Nodes of one column and the box their drawings span.
struct Column {
    std::vector<int32_t> nodes;
    Extent box;
};

// The columns in order, the flow's first; a block a column's link leads on from may move
// aside in centres. None when a piece cannot be cut to the height.
std::optional<std::vector<Column>> flowColumns(const FlowGraph& graph, std::vector<Centre>& centres, int64_t height,
                                               int32_t gap);

} // namespace corvix::layout
