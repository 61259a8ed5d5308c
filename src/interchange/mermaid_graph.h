#pragma once
// The syntax of a Mermaid flowchart: its nodes and edges as the text states them, before
// they mean blocks and links. Mermaid's own parser is the reference for what it accepts.

#include "interchange/text_diagnostic.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvix {

struct TextPlace {
    int32_t line = 1;
    int32_t column = 1;
    bool operator==(const TextPlace&) const = default;
};

enum class EdgeStroke { Normal, Thick, Dotted, Invisible };

struct MermaidNode {
    std::string id;
    std::optional<std::string> label;  // UTF-8 as written, its quotes removed
    TextPlace labelPlace;
    std::string shape = "square";       // Mermaid's name for it ("diamond", "stadium", ...)
    std::vector<std::string> classes;
    TextPlace place;                    // where it is first mentioned
};

struct MermaidEdge {
    int32_t from = 0;  // indices into the nodes
    int32_t to = 0;
    std::optional<std::string> label;
    TextPlace labelPlace;
    EdgeStroke stroke = EdgeStroke::Normal;
    TextPlace place;  // its arrow
};

// The nodes in the order of their first mention, the edges in the order stated; a later
// label of a node replaces the earlier one. Syntax errors come with their places, and
// the parse stops at the first node or edge beyond the limits.
struct MermaidGraph {
    std::vector<MermaidNode> nodes;
    std::vector<MermaidEdge> edges;
    std::vector<TextDiagnostic> diagnostics;
};

struct GraphLimits {
    size_t nodes = 0;
    size_t edges = 0;
};

MermaidGraph parseMermaidGraph(std::string_view utf8, GraphLimits limits);

// Whether the text begins as a flowchart does: after comments, directives and front
// matter, the word "flowchart" or "graph".
bool startsAsMermaidFlowchart(std::string_view utf8);

} // namespace corvix
