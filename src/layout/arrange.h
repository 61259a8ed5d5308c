#pragma once
// Arrange: new centres for a flowchart's blocks, laid out top to bottom the way a
// programmer draws one, for Corvix's own router. Graphviz's dot gives ranks, order and
// coordinates; the rest is Corvix's (grid, page, exit sides, straight chains, detours).
//
// What the API promises, to the editor and to every importer that arranges a drawing:
// - arrangeBlocks reads state and never changes it; the caller applies the centres.
// - Only centres are proposed. Kinds, texts, sizes, table order and links stay as they
//   are; every proposed centre is on the grid of 8.
// - which lists the blocks to arrange: indices in use, in any order; others and repeats
//   are ignored. Empty means every block. Blocks not listed keep their place, and the
//   arranged ones keep clear of them (drawings only): a selection is laid out on its own
//   and put in free space on the page, as near its old place as there is room.
// - The arranged drawings (outline, stubs, markers, and a goto block's text) lie inside
//   the page frame's inner line (of state.paper) with at least kArrangeGap units between
//   any two of them and between them and every other block.
// - Among the links between arranged blocks, as far as the page leaves room: a link that
//   is not a back link ends below its source, except the one link from a column's foot to
//   the next column's top where a flow too tall for the page wraps into columns; a
//   decision's left exit leads left of or under it, its right exit right of or under it;
//   a block reached by one link from a bottom exit sits straight below it; goto pieces
//   stand in columns of their own, each target at its top.
// - Explanations keep their place unless they overlap another block; then they move to
//   the nearest free place. Blocks of an unknown kind are never moved.
// - A drawing that cannot be arranged so on one page is refused with MessageId::TooLargeToArrange
//   and no centres; one whose blocks' areas alone exceed the page is refused before any
//   layout runs.
// - Calls may come from any thread; they are serialised (Graphviz is not reentrant).

#include "model/arrangement.h"
#include "model/editor_state.h"

#include <cstdint>
#include <span>

namespace corvix::layout {

inline constexpr int32_t kArrangeGap = 16;

using corvix::Arrangement;
using corvix::BlockCentre;

Arrangement arrangeBlocks(const EditorState& state, std::span<const int32_t> which = {});

} // namespace corvix::layout
