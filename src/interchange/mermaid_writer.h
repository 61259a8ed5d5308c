#pragma once
// A drawing as a Mermaid flowchart, written as it goes: "flowchart TD", one line a block
// and one a link. Mermaid reads every text written here, and Corvix reads it back to the
// same blocks (both decision kinds as a decision) and links.

#include "model/block.h"

#include <span>
#include <string>
#include <string_view>

namespace corvix {

// Where written text goes, a piece at a time.
class TextSink {
public:
    virtual ~TextSink() = default;
    virtual void write(std::string_view utf8) = 0;
};

// Links whose ends are not among the blocks are left out.
void writeMermaid(std::span<const Block> blocks, std::span<const Link> links, TextSink& sink);

// The whole text at once, for the clipboard and the tests.
std::string mermaidText(std::span<const Block> blocks, std::span<const Link> links);

// Through replaceFileSafely: false, leaving any file at path as it was, on a failure.
bool writeMermaidFile(const std::string& path, std::span<const Block> blocks, std::span<const Link> links);

} // namespace corvix
