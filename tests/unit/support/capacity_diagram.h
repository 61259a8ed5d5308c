#pragma once
// A diagram at the tables' capacity for speed and culling checks: 10,000 blocks of every
// kind with short texts on a grid, and 15,000 links between near neighbours.

#include "model/editor_state.h"
#include "render/block_geometry.h"

#include <cstdint>
#include <iterator>
#include <string>

namespace corvix::testing {

enum class CapacityLayout {
    AroundTheSheet,  // twice the sheet each way, from half a sheet before it: most blocks lie off the page
    OnTheSheet,      // inside the page frame: the whole drawing on the page, blocks overlapping
};

inline void makeCapacityDiagram(EditorState& state, const TextMeasurer& font,
                                CapacityLayout layout = CapacityLayout::AroundTheSheet)
{
    constexpr BlockKind kinds[] = {BlockKind::Action, BlockKind::Decision, BlockKind::GotoJump, BlockKind::GotoTarget, BlockKind::Explanation, BlockKind::DecisionSwapped};
    constexpr int32_t columns = 100;
    state.resetTables();
    uint32_t seed = 12345;
    const auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return int32_t((seed >> 8) % 1000);
    };
    const bool around = layout == CapacityLayout::AroundTheSheet;
    constexpr int32_t margin = 80;  // room for the widest block inside the frame
    const int32_t spanX = around ? 2 * state.paper.pageWidth : state.paper.pageWidth - 2 * margin;
    const int32_t spanY = around ? 2 * state.paper.pageHeight : state.paper.pageHeight - 2 * margin;
    const int32_t startX = around ? -state.paper.pageWidth / 2 : margin;
    const int32_t startY = around ? -state.paper.pageHeight / 2 : margin;
    for (int32_t i = 0; i < kBlockCapacity; ++i) {
        const BlockKind kind = kinds[size_t(i) % std::size(kinds)];
        std::string text("B");
        text += std::to_string(i);
        if (isDecisionKind(kind))
            text += '?';
        if (i % 7 == 0)
            text += "\r\nnote";
        const int32_t x = startX + (i % columns) * spanX / columns + next() % 16;
        const int32_t y = startY + (i / columns) * spanY / (kBlockCapacity / columns) + next() % 16;
        sizeBlock(state.blocks[size_t(i)], kind, std::move(text), x, y, font);
    }
    state.blockCount = kBlockCapacity;

    constexpr Port exits[] = {Port::Right, Port::Bottom, Port::Left};
    for (int32_t j = 0; j < kLinkCapacity; ++j) {
        const int32_t from = j % kBlockCapacity;
        const int32_t step = 1 + next() % 3 + (next() % 2) * columns;
        const int32_t to = (from + step) % kBlockCapacity;
        state.appendLink({connectionCode(from, exits[size_t(j) % 3]), connectionCode(to, Port::Top)});
    }
}

} // namespace corvix::testing
