#include "layout/dot_layout.h"

#include <graphviz/gvc.h>

#include <algorithm>
#include <cstdio>
#include <mutex>
#include <string>

namespace corvix::layout {

namespace {

// Graphviz keeps global state: one context for the process, used by one call at a time.
std::mutex& dotMutex()
{
    static std::mutex mutex;
    return mutex;
}

GVC_t* dotContext()
{
    static GVC_t* const context = gvContext();
    return context;
}

char* cstr(const char* text)
{
    return const_cast<char*>(text);
}

std::string inches(double units)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.4f", units / 72.0);
    return buffer;
}

const char* compass(Port exit)
{
    switch (exit) {
    case Port::Left: return "w";
    case Port::Right: return "e";
    default: return "s";
    }
}

// The chain a node hangs in, named by its top: dot keeps a group's edges straight.
int32_t chainTop(const FlowGraph& graph, int32_t node)
{
    while (graph.straightParent[size_t(node)] >= 0)
        node = graph.straightParent[size_t(node)];
    return node;
}

struct GraphCloser {
    Agraph_t* graph;
    ~GraphCloser() { agclose(graph); }
};

} // namespace

std::optional<std::vector<DotPlace>> dotPlaces(const FlowGraph& graph, const DotOptions& options)
{
    std::lock_guard lock(dotMutex());
    GVC_t* context = dotContext();
    if (!context)
        return std::nullopt;
    Agraph_t* g = agopen(cstr("flow"), Agdirected, nullptr);
    GraphCloser closer{g};
    agattr(g, AGRAPH, cstr("splines"), cstr("false"));
    agattr(g, AGRAPH, cstr("nodesep"), cstr(inches(options.nodeSep).c_str()));
    agattr(g, AGRAPH, cstr("ranksep"), cstr(inches(options.rankSep).c_str()));
    if (options.flowchartHints)
        agattr(g, AGRAPH, cstr("ordering"), cstr("out"));
    agattr(g, AGNODE, cstr("shape"), cstr("box"));
    agattr(g, AGNODE, cstr("fixedsize"), cstr("true"));
    agattr(g, AGNODE, cstr("label"), cstr(""));
    Agsym_t* width = agattr(g, AGNODE, cstr("width"), cstr("1"));
    Agsym_t* height = agattr(g, AGNODE, cstr("height"), cstr("1"));
    Agsym_t* group = agattr(g, AGNODE, cstr("group"), cstr(""));
    Agsym_t* tailport = agattr(g, AGEDGE, cstr("tailport"), cstr(""));
    Agsym_t* headport = agattr(g, AGEDGE, cstr("headport"), cstr(""));

    std::vector<Agnode_t*> nodes;
    nodes.reserve(graph.nodes.size());
    for (size_t v = 0; v < graph.nodes.size(); ++v) {
        const std::string name = "n" + std::to_string(v);
        Agnode_t* node = agnode(g, cstr(name.c_str()), 1);
        const Extent& s = graph.nodes[v].shape;
        // Centred on the block's centre across, so that dot's centre is the block's.
        const int64_t halfWidth = std::max(-s.left, s.right + 1);
        agxset(node, width, cstr(inches(double(2 * halfWidth)).c_str()));
        agxset(node, height, cstr(inches(double(s.bottom + 1 - s.top)).c_str()));
        if (options.flowchartHints)
            agxset(node, group, cstr(("c" + std::to_string(chainTop(graph, int32_t(v)))).c_str()));
        nodes.push_back(node);
    }
    for (const FlowEdge& edge : graph.edges) {
        if (edge.back && options.flowchartHints) {
            // Turned round, as dot would: the loop's head stays above its end.
            agedge(g, nodes[size_t(edge.to)], nodes[size_t(edge.from)], nullptr, 1);
            continue;
        }
        Agedge_t* e = agedge(g, nodes[size_t(edge.from)], nodes[size_t(edge.to)], nullptr, 1);
        if (options.flowchartHints) {
            agxset(e, tailport, cstr(compass(edge.exit)));
            agxset(e, headport, cstr("n"));
        }
    }
    if (gvLayout(context, g, "dot") != 0)
        return std::nullopt;
    std::vector<DotPlace> places;
    places.reserve(nodes.size());
    for (Agnode_t* node : nodes)
        places.push_back({ND_rank(node), ND_coord(node).x});
    gvFreeLayout(context, g);
    return places;
}

} // namespace corvix::layout
