#include "editor/drawing_commands.h"

#include "model/text_rules.h"
#include "render/block_geometry.h"

#include <algorithm>
#include <iterator>
#include <memory>
#include <string>
#include <utility>

namespace corvix {

namespace {

Message pasteCapacityMessage(MessageId id, int32_t capacity, int64_t wanted)
{
    return {id, {std::to_string(capacity), std::to_string(wanted)}};
}

} // namespace

std::optional<Message> pasteCapacityRefusal(const EditorState& state, const DiagramFragment& fragment)
{
    const int64_t blocksAfter = int64_t(state.blockCount) + int64_t(fragment.blocks.size());
    const int64_t linksAfter = int64_t(state.linkCount) + int64_t(fragment.links.size());
    if (blocksAfter > kBlockCapacity)
        return pasteCapacityMessage(MessageId::PasteBlockCapacity, kBlockCapacity, blocksAfter);
    if (linksAfter > kLinkCapacity)
        return pasteCapacityMessage(MessageId::PasteLinkCapacity, kLinkCapacity, linksAfter);
    return std::nullopt;
}

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

bool DrawingCommands::blockTableFull() const
{
    if (state_.blockCount < kBlockCapacity)
        return false;
    ui_.showMessage({MessageId::BlockCapacity, {std::to_string(kBlockCapacity)}}, MessageIcon::Exclamation);
    return true;
}

bool DrawingCommands::insere_bloco(BlockKind kind, const std::string& text, int32_t x, int32_t y)
{
    if (blockTableFull())
        return false;
    // The entry may have held a block before: what a definition does not write stays.
    Block defined = definedBlock(state_.blocks[size_t(state_.blockCount)], kind, text, x, y);
    history_.perform(state_, changes::appendBlock(std::move(defined)));
    return true;
}

bool DrawingCommands::linkTableFull() const
{
    if (state_.linkCount < kLinkCapacity)
        return false;
    ui_.showMessage({MessageId::LinkCapacity, {std::to_string(kLinkCapacity)}}, MessageIcon::Exclamation);
    return true;
}

bool DrawingCommands::addLink(const Link& link)
{
    if (linkTableFull())
        return false;
    history_.perform(state_, changes::appendLink(link));
    return true;
}

Block DrawingCommands::blockAsDefined(int32_t index, BlockKind kind, const std::string& text) const
{
    return definedBlock(state_.blocks[size_t(std::clamp(index, 0, kBlockCapacity - 1))], kind, text, 0, 0);
}

bool DrawingCommands::insertLinked(BlockKind kind, const std::string& text, int32_t x, int32_t y,
                                   std::optional<int32_t> fromExit)
{
    if (!fromExit)
        return insere_bloco(kind, text, x, y);
    if (!roomToInsert(true))
        return false;
    const int32_t index = state_.blockCount;
    std::vector<std::unique_ptr<DrawingChange>> parts;
    parts.push_back(changes::appendBlock(definedBlock(state_.blocks[size_t(index)], kind, text, x, y)));
    parts.push_back(changes::appendLink({*fromExit, connectionCode(index, Port::Top)}));
    history_.perform(state_, changes::batch(std::move(parts)));
    return true;
}

bool DrawingCommands::roomToInsert(bool withLink) const
{
    return !blockTableFull() && !(withLink && linkTableFull());
}

void DrawingCommands::defineJoined(int32_t index, BlockKind kind, const std::string& text, int32_t x, int32_t y)
{
    if (!isBlockIndex(index))
        return;
    history_.performJoined(state_, changes::replaceBlock(index, definedBlock(state_.blocks[size_t(index)], kind, text, x, y)));
}

bool DrawingCommands::deleteBlock(int32_t index)
{
    if (!isBlockIndex(index) || !ui_.askYesNo({MessageId::DeleteBlockQuestion, {}}))
        return false;
    history_.perform(state_, changes::removeBlock(index));
    return true;
}

bool DrawingCommands::deleteLink(int32_t index)
{
    if (index < 0 || index >= state_.linkCount || !ui_.askYesNo({MessageId::DeleteLinkQuestion, {}}))
        return false;
    history_.perform(state_, changes::removeLink(index));
    return true;
}

bool DrawingCommands::swapDecision(int32_t index)
{
    if (!isBlockIndex(index) || !isDecisionKind(state_.blocks[size_t(index)].kind))
        return false;
    Block swapped = state_.blocks[size_t(index)];
    swapped.kind = swapped.kind == BlockKind::Decision ? BlockKind::DecisionSwapped : BlockKind::Decision;
    history_.perform(state_, changes::replaceBlock(index, std::move(swapped)));
    return true;
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

void DrawingCommands::moveBlocks(const std::vector<int32_t>& indices, int32_t dx, int32_t dy)
{
    std::vector<int32_t> inUse;
    std::copy_if(indices.begin(), indices.end(), std::back_inserter(inUse),
                 [this](int32_t index) { return isBlockIndex(index); });
    if (!inUse.empty())
        history_.perform(state_, changes::moveBlocks(std::move(inUse), dx, dy));
}

bool DrawingCommands::placeBlocks(const std::vector<BlockCentre>& centres)
{
    std::vector<BlockCentre> moving;
    std::copy_if(centres.begin(), centres.end(), std::back_inserter(moving), [this](const BlockCentre& c) {
        return isBlockIndex(c.block) && (state_.blocks[size_t(c.block)].x != c.x || state_.blocks[size_t(c.block)].y != c.y);
    });
    if (moving.empty())
        return false;
    history_.perform(state_, changes::placeBlocks(moving));
    return true;
}

bool DrawingCommands::deleteBlocks(const std::vector<int32_t>& ascending)
{
    if (ascending.empty() || !ui_.askYesNo({MessageId::DeleteBlocksQuestion, {std::to_string(ascending.size())}}))
        return false;
    removeBlocks(ascending);
    return true;
}

void DrawingCommands::removeBlocks(std::vector<int32_t> ascending)
{
    history_.perform(state_, changes::removeBlocks(std::move(ascending)));
}

std::optional<int32_t> DrawingCommands::paste(const DiagramFragment& fragment, int32_t dx, int32_t dy)
{
    if (const std::optional<Message> full = pasteCapacityRefusal(state_, fragment)) {
        ui_.showMessage(*full, MessageIcon::Exclamation);
        return std::nullopt;
    }

    const int32_t first = state_.blockCount;
    std::vector<std::unique_ptr<DrawingChange>> appends;
    appends.reserve(fragment.blocks.size() + fragment.links.size());
    for (Block block : fragment.blocks) {
        block.x = snapToGrid(int64_t(block.x) + dx);
        block.y = snapToGrid(int64_t(block.y) + dy);
        appends.push_back(changes::appendBlock(std::move(block)));
    }
    const auto renumbered = [first](int32_t code) { return connectionCode(first + codeBlock(code), codePort(code)); };
    for (const Link& link : fragment.links)
        appends.push_back(changes::appendLink({renumbered(link.source), renumbered(link.target)}));
    history_.perform(state_, changes::batch(std::move(appends)));
    return first;
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
