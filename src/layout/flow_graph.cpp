#include "layout/flow_graph.h"

#include <algorithm>
#include <utility>

namespace corvix::layout {

namespace {

int32_t exitRank(Port exit)
{
    switch (exit) {
    case Port::Left: return 0;
    case Port::Bottom: return 1;
    default: return 2;
    }
}

// Marks the edges that reach a node still on the walk's path.
void markBackEdges(FlowGraph& graph, const std::vector<std::vector<int32_t>>& out, const std::vector<int32_t>& inDegree)
{
    const size_t n = graph.nodes.size();
    enum : char { Unseen, OnPath, Done };
    std::vector<char> seen(n, Unseen);
    std::vector<std::pair<int32_t, size_t>> path;  // node, next out edge
    auto walkFrom = [&](int32_t start) {
        seen[size_t(start)] = OnPath;
        path.push_back({start, 0});
        while (!path.empty()) {
            auto& [node, next] = path.back();
            const std::vector<int32_t>& edges = out[size_t(node)];
            if (next == edges.size()) {
                seen[size_t(node)] = Done;
                path.pop_back();
                continue;
            }
            FlowEdge& edge = graph.edges[size_t(edges[next++])];
            if (seen[size_t(edge.to)] == OnPath)
                edge.back = true;
            else if (seen[size_t(edge.to)] == Unseen) {
                seen[size_t(edge.to)] = OnPath;
                path.push_back({edge.to, 0});
            }
        }
    };
    for (size_t v = 0; v < n; ++v)
        if (inDegree[v] == 0 && seen[v] == Unseen)
            walkFrom(int32_t(v));
    // Loops no entry leads into.
    for (size_t v = 0; v < n; ++v)
        if (seen[v] == Unseen)
            walkFrom(int32_t(v));
}

} // namespace

FlowGraph buildFlowGraph(std::span<const FlowNode> nodes, std::span<const Link> links,
                         std::span<const int32_t> nodeOfBlock)
{
    FlowGraph graph;
    graph.nodes.assign(nodes.begin(), nodes.end());
    const auto nodeOf = [&](int32_t block) {
        return block >= 0 && size_t(block) < nodeOfBlock.size() ? nodeOfBlock[size_t(block)] : -1;
    };
    for (const Link& link : links) {
        const Port exit = codePort(link.source);
        if (codePort(link.target) != Port::Top || exit == Port::Top || int32_t(exit) > 3)
            continue;
        const int32_t from = nodeOf(codeBlock(link.source));
        const int32_t to = nodeOf(codeBlock(link.target));
        if (from < 0 || to < 0 || from == to)
            continue;
        graph.edges.push_back({from, to, exit, false});
    }

    const size_t n = graph.nodes.size();
    std::vector<std::vector<int32_t>> out(n);
    std::vector<int32_t> inDegree(n, 0);
    for (size_t e = 0; e < graph.edges.size(); ++e) {
        out[size_t(graph.edges[e].from)].push_back(int32_t(e));
        ++inDegree[size_t(graph.edges[e].to)];
    }
    for (std::vector<int32_t>& edges : out)
        std::stable_sort(edges.begin(), edges.end(), [&](int32_t a, int32_t b) {
            return exitRank(graph.edges[size_t(a)].exit) < exitRank(graph.edges[size_t(b)].exit);
        });
    markBackEdges(graph, out, inDegree);

    // An exit that carries several links has one block straight below it, the first.
    graph.straightParent.assign(n, -1);
    std::vector<char> hasStraightChild(n, 0);
    for (const FlowEdge& edge : graph.edges)
        if (edge.exit == Port::Bottom && !edge.back && inDegree[size_t(edge.to)] == 1
            && !hasStraightChild[size_t(edge.from)]) {
            graph.straightParent[size_t(edge.to)] = edge.from;
            hasStraightChild[size_t(edge.from)] = 1;
        }
    return graph;
}

} // namespace corvix::layout
