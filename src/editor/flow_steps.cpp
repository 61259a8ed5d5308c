#include "editor/flow_steps.h"

#include "model/block_roles.h"
#include "model/text_rules.h"

#include <algorithm>

namespace corvix {

namespace {

bool isBlockIndex(const EditorState& state, int32_t index)
{
    return index >= 0 && index < state.blockCount;
}

template<typename Test>
std::vector<int32_t> blocksWhere(const EditorState& state, Test passes)
{
    std::vector<int32_t> found;
    for (int32_t i = 0; i < state.blockCount; ++i) {
        if (passes(state.blocks[size_t(i)]))
            found.push_back(i);
    }
    return found;
}

} // namespace

std::optional<Port> exitOnSide(BlockKind kind, FlowSide side)
{
    const Port port = side == FlowSide::Down ? Port::Bottom : side == FlowSide::Left ? Port::Left : Port::Right;
    if (!offersPort(kind, port))
        return std::nullopt;
    return port;
}

int32_t startBlock(std::span<const Block> blocks, std::span<const Link> links)
{
    std::vector<bool> entered(blocks.size());
    for (const Link& l : links) {
        const int32_t target = codeBlock(l.target);
        if (target >= 0 && size_t(target) < blocks.size())
            entered[size_t(target)] = true;
    }
    for (size_t i = 0; i < blocks.size(); ++i) {
        if (!entered[i] && isFlowKind(blocks[i].kind) && !isGotoTarget(blocks[i].kind))
            return int32_t(i);
    }
    return -1;
}

std::vector<int32_t> blocksFromExit(const EditorState& state, int32_t block, Port exit)
{
    std::vector<int32_t> reached;
    const int32_t code = connectionCode(block, exit);
    for (int32_t k = 0; k < state.linkCount; ++k) {
        const Link& l = state.links[size_t(k)];
        if (l.source == code && isBlockIndex(state, codeBlock(l.target)))
            reached.push_back(codeBlock(l.target));
    }
    return reached;
}

std::vector<int32_t> blocksEntering(const EditorState& state, int32_t block)
{
    std::vector<int32_t> entering;
    for (int32_t k = 0; k < state.linkCount; ++k) {
        const Link& l = state.links[size_t(k)];
        if (codeBlock(l.target) == block && isBlockIndex(state, codeBlock(l.source)))
            entering.push_back(codeBlock(l.source));
    }
    std::sort(entering.begin(), entering.end());
    entering.erase(std::unique(entering.begin(), entering.end()), entering.end());
    return entering;
}

std::optional<Port> firstFreeExit(const EditorState& state, int32_t block)
{
    if (!isBlockIndex(state, block))
        return std::nullopt;
    const BlockKind kind = state.blocks[size_t(block)].kind;
    const DecisionExits decision = decisionExits(kind);
    for (const Port exit : {Port::Bottom, decision.yes, decision.no}) {
        // A port a press finds linked counts as used, whichever end of the link it is.
        if (offersPort(kind, exit) && state.findLinkAtPort(connectionCode(block, exit)) < 0)
            return exit;
    }
    return std::nullopt;
}

int32_t targetOfJump(const EditorState& state, int32_t jump)
{
    if (!isBlockIndex(state, jump) || !isGotoJump(state.blocks[size_t(jump)].kind))
        return -1;
    const std::string key = gotoKey(state.blocks[size_t(jump)].text);
    const std::vector<int32_t> targets
        = blocksWhere(state, [&key](const Block& b) { return isGotoTarget(b.kind) && gotoKey(b.text) == key; });
    return targets.empty() ? -1 : targets.front();
}

std::vector<int32_t> jumpsToTarget(const EditorState& state, int32_t target)
{
    if (!isBlockIndex(state, target) || !isGotoTarget(state.blocks[size_t(target)].kind))
        return {};
    const std::string key = gotoKey(state.blocks[size_t(target)].text);
    return blocksWhere(state, [&key](const Block& b) { return isGotoJump(b.kind) && gotoKey(b.text) == key; });
}

} // namespace corvix
