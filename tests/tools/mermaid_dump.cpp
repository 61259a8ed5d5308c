// Prints Corvix's reading of Mermaid files as the reference script prints Mermaid's own:
// one JSON line a file, {"file", "ok", "verts": [{id, text, type, classes}], "edges":
// [{from, to, text, stroke}]}, so that tests/tools/mermaid_reference_check.py can compare.

#include "interchange/mermaid_graph.h"
#include "interchange/mermaid_reader.h"
#include "storage/safe_file.h"

#include <cstdio>
#include <string>

namespace {

using namespace corvix;

std::string json(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

const char* strokeName(EdgeStroke stroke)
{
    switch (stroke) {
    case EdgeStroke::Thick: return "thick";
    case EdgeStroke::Dotted: return "dotted";
    case EdgeStroke::Invisible: return "invisible";
    default: return "normal";
    }
}

} // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const auto bytes = readFileBytes(argv[i], size_t(64) << 20);
        const std::string text = bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
        const MermaidGraph graph = parseMermaidGraph(text, {100000, 1000000});
        const MermaidReading reading = readMermaid(text);
        std::string line = "{\"file\":" + json(argv[i]) + ",\"ok\":" + (hasErrors(graph.diagnostics) ? "false" : "true");
        line += ",\"corvix\":" + std::string(reading.diagram ? "true" : "false") + ",\"verts\":[";
        for (size_t n = 0; n < graph.nodes.size(); ++n) {
            const MermaidNode& node = graph.nodes[n];
            line += (n ? "," : "") + std::string("{\"id\":") + json(node.id) + ",\"text\":" + json(node.label.value_or(node.id))
                    + ",\"type\":" + json(node.shape) + ",\"classes\":[";
            for (size_t c = 0; c < node.classes.size(); ++c)
                line += (c ? "," : "") + json(node.classes[c]);
            line += "]}";
        }
        line += "],\"edges\":[";
        for (size_t e = 0; e < graph.edges.size(); ++e) {
            const MermaidEdge& edge = graph.edges[e];
            line += (e ? "," : "") + std::string("{\"from\":") + json(graph.nodes[size_t(edge.from)].id)
                    + ",\"to\":" + json(graph.nodes[size_t(edge.to)].id) + ",\"text\":" + json(edge.label.value_or(""))
                    + ",\"stroke\":\"" + strokeName(edge.stroke) + "\"}";
        }
        line += "],\"diagnostics\":[";
        for (size_t d = 0; d < reading.diagnostics.size(); ++d)
            line += (d ? "," : "") + json(formatDiagnostic(argv[i], reading.diagnostics[d]));
        std::printf("%s]}\n", line.c_str());
    }
    return 0;
}
