#include "editor/drawing_commands.h"

#include "editor/text_rules.h"
#include "render/block_geometry.h"

#include <string>
#include <utility>

namespace corvix {

namespace {

std::string capacityMessage(int32_t capacity, const char* what, const char* refused)
{
    return "The drawing already has " + std::to_string(capacity) + " " + what + ", as many as it can hold. " + refused;
}

} // namespace

DrawingCommands::DrawingCommands(EditorState& state, MessagePort& ui, const TextMeasurer& windowFont)
    : state_(state)
    , ui_(ui)
    , windowFont_(windowFont)
{
}

bool DrawingCommands::isBlockIndex(int32_t index) const
{
    return index >= 0 && index < state_.blockCount;
}

Block DrawingCommands::definedBlock(Block block, BlockKind kind, const std::string& text, int32_t x, int32_t y) const
{
    sizeBlock(block, kind, blockText(kind, text), x, y, windowFont_);
    return block;
}

void DrawingCommands::define_bloco(int32_t index, BlockKind kind, const std::string& text, int32_t x, int32_t y)
{
    if (index < 0 || index >= kBlockCapacity)
        return;
    Block defined = definedBlock(state_.blocks[size_t(index)], kind, text, x, y);
    history_.perform(state_, changes::replaceBlock(index, std::move(defined)));
}

bool DrawingCommands::insere_bloco(BlockKind kind, const std::string& text, int32_t x, int32_t y)
{
    if (state_.blockCount >= kBlockCapacity) {
        ui_.showMessage(capacityMessage(kBlockCapacity, "blocks", "The block was not inserted."),
                        MessageIcon::Exclamation);
        return false;
    }
    // The entry may have held a block before: what a definition does not write stays.
    Block defined = definedBlock(state_.blocks[size_t(state_.blockCount)], kind, text, x, y);
    history_.perform(state_, changes::appendBlock(std::move(defined)));
    return true;
}

bool DrawingCommands::addLink(const Link& link)
{
    if (state_.linkCount >= kLinkCapacity) {
        ui_.showMessage(capacityMessage(kLinkCapacity, "links", "The link was not made."), MessageIcon::Exclamation);
        return false;
    }
    history_.perform(state_, changes::appendLink(link));
    return true;
}

bool DrawingCommands::deleteBlock(int32_t index)
{
    if (!isBlockIndex(index) || !ui_.askYesNo("Delete selected block?"))
        return false;
    history_.perform(state_, changes::removeBlock(index));
    return true;
}

bool DrawingCommands::deleteLink(int32_t index)
{
    if (index < 0 || index >= state_.linkCount || !ui_.askYesNo("Delete selected link?"))
        return false;
    history_.perform(state_, changes::removeLink(index));
    return true;
}

void DrawingCommands::swapDecision(int32_t index)
{
    if (!isBlockIndex(index))
        return;
    Block swapped = state_.blocks[size_t(index)];
    if (!isDecisionKind(swapped.kind))
        return;
    swapped.kind = swapped.kind == BlockKind::Decision ? BlockKind::DecisionSwapped : BlockKind::Decision;
    history_.perform(state_, changes::replaceBlock(index, std::move(swapped)));
}

void DrawingCommands::moveBlock(int32_t index, int32_t x, int32_t y)
{
    if (!isBlockIndex(index))
        return;
    Block moved = state_.blocks[size_t(index)];
    moved.x = snapToGrid(x);
    moved.y = snapToGrid(y);
    history_.perform(state_, changes::replaceBlock(index, std::move(moved)));
}

void DrawingCommands::moveAll(int32_t dx, int32_t dy)
{
    history_.perform(state_, changes::moveAllBlocks(dx, dy));
}

bool DrawingCommands::undo()
{
    return history_.undo(state_);
}

bool DrawingCommands::redo()
{
    return history_.redo(state_);
}

} // namespace corvix
