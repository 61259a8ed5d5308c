#pragma once

#include "model/arrangement.h"
#include "model/editor_state.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace corvix {

// One change to the drawing's tables that can be taken back and made again exactly:
// reverting restores every entry it touched, unused entries and counts included.
class DrawingChange {
public:
    virtual ~DrawingChange() = default;
    // The first call makes the change; after a revert, a call makes it again.
    virtual void apply(EditorState& state) = 0;
    virtual void revert(EditorState& state) = 0;
    // Memory the change holds, for the undo history's budget.
    virtual size_t bytes() const = 0;
};

// The changes an editing command can make. The caller checks indices and capacities.
namespace changes {

// Block entry index becomes block (a new text, a drop, a swapped decision).
std::unique_ptr<DrawingChange> replaceBlock(int32_t index, Block block);
// block goes into the entry at blockCount, which then counts as used.
std::unique_ptr<DrawingChange> appendBlock(Block block);
// Closes the gap, drops the block's links and renumbers the others.
std::unique_ptr<DrawingChange> removeBlock(int32_t index);
// The same for several blocks; ascending holds distinct indices in use.
std::unique_ptr<DrawingChange> removeBlocks(std::vector<int32_t> ascending);
std::unique_ptr<DrawingChange> appendLink(Link link);
std::unique_ptr<DrawingChange> removeLink(int32_t index);
// Shifts the listed blocks by (dx, dy) and snaps each centre to the grid.
std::unique_ptr<DrawingChange> moveBlocks(std::vector<int32_t> indices, int32_t dx, int32_t dy);
// The same for every block in use.
std::unique_ptr<DrawingChange> moveAllBlocks(int32_t dx, int32_t dy);
// Each listed block (in use, once) to its new centre, as given (an arrangement).
std::unique_ptr<DrawingChange> placeBlocks(const std::vector<BlockCentre>& centres);
// Several changes made as one step (a paste) and taken back in reverse order.
std::unique_ptr<DrawingChange> batch(std::vector<std::unique_ptr<DrawingChange>> parts);

} // namespace changes

} // namespace corvix
