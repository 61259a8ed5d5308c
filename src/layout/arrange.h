#pragma once
// Arrange: new centres for a flowchart's blocks, laid out top to bottom the way a
// programmer draws one, for Corvix's own router. Graphviz's dot gives ranks, order and
// coordinates; the rest is Corvix's (grid, page, exit sides, straight chains, detours).
//
// What the API promises, to the editor and to every importer that arranges a drawing:
// - arrangeBlocks reads state and never changes it; the caller applies the centres.
// - Only centres are proposed. Kinds, texts, sizes, table order and links stay as they
//   are; every proposed centre is on the grid of 8.
// - which lists the blocks to arrange (indices in use; others, repeats and explanations'
//   order do not matter). Empty means every block. Blocks not listed keep their place,
//   and the arranged ones keep clear of them: a selection is laid out on its own and put
//   in free space on the page, as near its old place as there is room.
// - The arranged drawings (outline, stubs, markers) lie inside the page frame's inner line
//   (of state.paper) with at least kArrangeGap units between any two of them, and, among
//   the links between arranged blocks: a link that is not a back link ends below its
//   source, a decision's left exit leads left of or under it and its right exit right of
//   or under it, and a block reached by one link from a bottom exit sits straight below it,
//   wherever the page leaves room for that.
// - Explanations keep their place unless they overlap another block; then they move to
//   the nearest free place. Blocks of an unknown kind are never moved.
// - A drawing that cannot be arranged so on one page is refused with kTooLargeToArrange
//   and no centres; one whose blocks' areas alone exceed the page is refused before any
//   layout runs.
// - Calls may come from any thread; they are serialised (Graphviz is not reentrant).

#include "model/editor_state.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace corvix::layout {

inline constexpr int32_t kArrangeGap = 16;
inline constexpr const char* kTooLargeToArrange = "The drawing is too large to arrange on one page.";

struct BlockCentre {
    int32_t block = 0;  // index in the block table
    int32_t x = 0;
    int32_t y = 0;

    bool operator==(const BlockCentre&) const = default;
};

struct Arrangement {
    bool arranged = false;             // false: refused, and refusal says why
    std::vector<BlockCentre> centres;  // every arranged block's new centre, ascending by block
    std::string refusal;               // UTF-8, for a message box or stderr
};

Arrangement arrangeBlocks(const EditorState& state, std::span<const int32_t> which = {});

} // namespace corvix::layout
