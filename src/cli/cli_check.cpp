#include "cli/cli.h"

#include "interchange/mermaid_reader.h"
#include "layout/arrange.h"

#include "storage/diagram_codec.h"
#include "storage/diagram_file.h"

#include <cstdio>

namespace corvix::cli {

std::string readVerdict(const ReadResult& result)
{
    switch (result.status) {
    case ReadStatus::Ok:
        return "ok blocks=" + std::to_string(result.data.blocks.size()) + " links="
               + std::to_string(result.data.links.size());
    case ReadStatus::Inconsistent:
        return "inconsistent";
    case ReadStatus::Damaged:
        return "damaged: " + result.reason;
    case ReadStatus::Unreadable:
        return "damaged: cannot read file: " + result.reason;
    }
    return {};
}

void printVerdict(const std::string& path, const ReadResult& result)
{
    std::printf("%s: %s\n", path.c_str(), readVerdict(result).c_str());
}

int runCheck(const std::vector<std::string>& files)
{
    bool allOk = true;
    for (const std::string& path : files) {
        if (hasMermaidExtension(path)) {
            allOk = checkMermaid(path) && allOk;
            continue;
        }
        const ReadResult result = readDiagramFile(path);
        printVerdict(path, result);
        allOk = allOk && result.status == ReadStatus::Ok;
    }
    return allOk ? 0 : 1;
}

int readInputDiagram(const std::string& path, EditorState& state, InputLayout layout)
{
    if (hasMermaidExtension(path))
        return readMermaidInput(path, state, stderr);
    ReadResult read = readDiagramFile(path);
    if (read.status != ReadStatus::Ok) {
        std::fprintf(stderr, "corvix: %s: %s\n", path.c_str(), readVerdict(read).c_str());
        return 1;
    }
    replaceDiagram(state, std::move(read.data));
    if (layout == InputLayout::AsDrawn)
        return 0;
    // The page the drawing must fit is the paper it was saved with.
    applyPaperType(state.paper, state.header.paperType);
    const layout::Arrangement arrangement = layout::arrangeBlocks(state);
    if (!arrangement.arranged) {
        std::fprintf(stderr, "corvix: %s: %s\n", path.c_str(), englishText(arrangement.refusal).c_str());
        return 1;
    }
    for (const layout::BlockCentre& c : arrangement.centres) {
        state.blocks[size_t(c.block)].x = c.x;
        state.blocks[size_t(c.block)].y = c.y;
    }
    return 0;
}

} // namespace corvix::cli
