#pragma once
// Where the flow goes from a block and what enters it: the steps the keyboard takes along
// the chart, and the words a screen reader says about a block.

#include "model/editor_state.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace corvix {

// The three ways along the flow from a block: its bottom, left or right exit.
enum class FlowSide { Down, Left, Right };

// The exit on that side, when the block's kind has one.
std::optional<Port> exitOnSide(BlockKind kind, FlowSide side);

// The lowest-numbered flow block that no link enters and that is not a goto target
// (those are entered by their jumps); -1 = none. Links naming blocks outside blocks are
// left out.
int32_t startBlock(std::span<const Block> blocks, std::span<const Link> links);

// The blocks that links from the exit reach, in link order.
std::vector<int32_t> blocksFromExit(const EditorState& state, int32_t block, Port exit);
// The blocks whose links enter the block, ascending, each once.
std::vector<int32_t> blocksEntering(const EditorState& state, int32_t block);

// The block's first exit without a link: the bottom, else Yes, else No.
std::optional<Port> firstFreeExit(const EditorState& state, int32_t block);

// The first goto target with the jump's key; the jumps with the target's key, ascending.
int32_t targetOfJump(const EditorState& state, int32_t jump);
std::vector<int32_t> jumpsToTarget(const EditorState& state, int32_t target);

} // namespace corvix
