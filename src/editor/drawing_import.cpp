#include "editor/drawing_import.h"

#include "editor/drawing_commands.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace corvix {

ArrangedImport arrangeImported(const EditorState& state, DiagramFragment fragment, const TextMeasurer& font,
                               const Arranger& arrange, std::optional<Point> near)
{
    if (!arrange)
        return {std::nullopt, {MessageId::NoArrange, {}}};
    if (std::optional<Message> full = pasteCapacityRefusal(state, fragment))
        return {std::nullopt, std::move(*full)};
    EditorState scratch = state;
    const int32_t first = scratch.blockCount;
    const Point start = near.value_or(Point{});
    for (Block& block : fragment.blocks) {
        sizeBlock(block, block.kind, block.text, start.x, start.y, font);
        scratch.blocks[size_t(scratch.blockCount++)] = block;
    }
    for (const Link& link : fragment.links)
        scratch.links[size_t(scratch.linkCount++)] = {connectionCode(first + codeBlock(link.source), codePort(link.source)),
                                                      connectionCode(first + codeBlock(link.target), codePort(link.target))};
    std::vector<int32_t> added;
    if (near) {
        added.resize(fragment.blocks.size());
        std::iota(added.begin(), added.end(), first);
    }
    const Arrangement arrangement = arrange(scratch, added);
    if (!arrangement.arranged)
        return {std::nullopt, arrangement.refusal};
    for (const BlockCentre& centre : arrangement.centres) {
        if (centre.block < first)
            continue;
        Block& block = fragment.blocks[size_t(centre.block - first)];
        block.x = centre.x;
        block.y = centre.y;
    }
    return {std::move(fragment), {}};
}

void putDrawing(EditorState& state, const DiagramFragment& fragment)
{
    std::copy(fragment.blocks.begin(), fragment.blocks.end(), state.blocks.begin());
    std::copy(fragment.links.begin(), fragment.links.end(), state.links.begin());
    state.blockCount = int32_t(fragment.blocks.size());
    state.linkCount = int32_t(fragment.links.size());
}

} // namespace corvix
