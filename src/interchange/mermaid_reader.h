#pragma once
// Mermaid flowchart text as Corvix blocks and links. One block a node, in the order the
// nodes are first mentioned; one link an edge, from its source's exit to its target's
// entry. The blocks have kinds and texts under the text rules but no place or size yet:
// an import measures and arranges them.

#include "interchange/text_diagnostic.h"
#include "storage/fragment_codec.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvix {

struct MermaidReading {
    std::optional<DiagramFragment> diagram;   // none when the text has an error
    std::vector<TextDiagnostic> diagnostics;  // errors and warnings in the order of the text
};

MermaidReading readMermaid(std::string_view utf8);

// The same for a file; one that cannot be read, or holds more than 64 MiB, is an error
// at its first line.
MermaidReading readMermaidFile(const std::string& path);

// True when path ends in ".mmd" or ".mermaid", in any letter case.
bool hasMermaidExtension(std::string_view path);

} // namespace corvix
