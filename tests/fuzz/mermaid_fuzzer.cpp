// The Mermaid reader under libFuzzer: no text may crash it or reach undefined behaviour,
// and every drawing it reads must be written as a text that reads back to the same
// blocks and links. The plain replay driver (replay_main.cpp) runs it without libFuzzer.

#include "interchange/mermaid_reader.h"
#include "interchange/mermaid_writer.h"

#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace corvix;
    const MermaidReading read = readMermaid(std::string_view(reinterpret_cast<const char*>(data), size));
    if (read.diagram.has_value() == hasErrors(read.diagnostics))
        std::abort();
    if (!read.diagram)
        return 0;
    const std::string written = mermaidText(read.diagram->blocks, read.diagram->links);
    const MermaidReading again = readMermaid(written);
    if (!again.diagram || again.diagram->links != read.diagram->links
        || again.diagram->blocks.size() != read.diagram->blocks.size())
        std::abort();
    for (size_t i = 0; i < read.diagram->blocks.size(); ++i) {
        if (again.diagram->blocks[i].kind != read.diagram->blocks[i].kind
            || again.diagram->blocks[i].text != read.diagram->blocks[i].text)
            std::abort();
    }
    return 0;
}
