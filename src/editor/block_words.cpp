#include "editor/block_words.h"

#include "editor/flow_steps.h"
#include "model/block_roles.h"

#include <vector>

namespace corvix {

namespace {

std::string kindWord(BlockKind kind)
{
    switch (kind) {
    case BlockKind::Action: return "Action";
    case BlockKind::Decision:
    case BlockKind::DecisionSwapped: return "Decision";
    case BlockKind::GotoJump: return "Goto jump";
    case BlockKind::GotoTarget: return "Goto target";
    case BlockKind::Explanation: return "Explanation";
    default: return "Block";
    }
}

// "block 2", "blocks 3, 6", or `none` when the list is empty; numbers are 1-based.
std::string blockList(const std::vector<int32_t>& blocks, const char* none)
{
    if (blocks.empty())
        return none;
    std::string words = blocks.size() == 1 ? "block " : "blocks ";
    for (size_t k = 0; k < blocks.size(); ++k) {
        if (k > 0)
            words += ", ";
        words += std::to_string(blocks[k] + 1);
    }
    return words;
}

void addPart(std::string& words, const std::string& part)
{
    if (!words.empty())
        words += "; ";
    words += part;
}

} // namespace

std::string blockSpokenName(const EditorState& state, int32_t index)
{
    if (index < 0 || index >= state.blockCount)
        return {};
    const Block& b = state.blocks[size_t(index)];
    std::string name = kindWord(b.kind) + " " + std::to_string(index + 1) + ": ";
    for (size_t i = 0; i < b.text.size(); ++i) {
        const char c = b.text[i];
        if (c == '\r' && i + 1 < b.text.size() && b.text[i + 1] == '\n')
            continue;
        name += (c == '\r' || c == '\n') ? ' ' : c;
    }
    return name;
}

std::string blockSpokenDescription(const EditorState& state, int32_t index)
{
    if (index < 0 || index >= state.blockCount)
        return {};
    const BlockKind kind = state.blocks[size_t(index)].kind;
    std::string words;
    if (isDecisionKind(kind)) {
        const DecisionExits exits = decisionExits(kind);
        addPart(words, "Yes: " + blockList(blocksFromExit(state, index, exits.yes), "no link"));
        addPart(words, "No: " + blockList(blocksFromExit(state, index, exits.no), "no link"));
    } else if (offersPort(kind, Port::Bottom)) {
        addPart(words, "Next: " + blockList(blocksFromExit(state, index, Port::Bottom), "no link"));
    }
    if (isGotoJump(kind)) {
        const int32_t target = targetOfJump(state, index);
        addPart(words, "Target: " + blockList(target >= 0 ? std::vector<int32_t>{target} : std::vector<int32_t>{}, "none"));
    }
    if (isGotoTarget(kind))
        addPart(words, "Jumps from " + blockList(jumpsToTarget(state, index), "no block"));
    const std::vector<int32_t> entering = blocksEntering(state, index);
    if (!entering.empty())
        addPart(words, "Entered from " + blockList(entering, ""));
    return words;
}

} // namespace corvix
