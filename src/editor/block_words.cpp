#include "editor/block_words.h"

#include "editor/flow_steps.h"
#include "model/block_roles.h"
#include "model/text_codec.h"

#include <vector>

namespace corvix {

namespace {

MessageId kindName(BlockKind kind)
{
    switch (kind) {
    case BlockKind::Action: return MessageId::ActionName;
    case BlockKind::Decision:
    case BlockKind::DecisionSwapped: return MessageId::DecisionName;
    case BlockKind::GotoJump: return MessageId::GotoJumpName;
    case BlockKind::GotoTarget: return MessageId::GotoTargetName;
    case BlockKind::Explanation: return MessageId::ExplanationName;
    default: return MessageId::UnknownKindName;
    }
}

// "block 2", "blocks 3, 6", or `none` when the list is empty; numbers are 1-based.
Message blockList(const std::vector<int32_t>& blocks, MessageId none)
{
    if (blocks.empty())
        return {none, {}};
    std::string numbers;
    for (size_t k = 0; k < blocks.size(); ++k) {
        if (k > 0)
            numbers += ", ";
        numbers += std::to_string(blocks[k] + 1);
    }
    return {blocks.size() == 1 ? MessageId::OneBlock : MessageId::SeveralBlocks, {numbers}};
}

void addPart(std::string& text, Wording words, MessageId part, const Message& blocks)
{
    if (!text.empty())
        text += "; ";
    text += words({part, {words(blocks)}});
}

} // namespace

std::string blockSpokenName(const EditorState& state, int32_t index, Wording words)
{
    if (index < 0 || index >= state.blockCount)
        return {};
    const Block& b = state.blocks[size_t(index)];
    std::string name = utf8ToCp1252(words({kindName(b.kind), {std::to_string(index + 1)}})) + ": ";
    for (size_t i = 0; i < b.text.size(); ++i) {
        const char c = b.text[i];
        if (c == '\r' && i + 1 < b.text.size() && b.text[i + 1] == '\n')
            continue;
        name += (c == '\r' || c == '\n') ? ' ' : c;
    }
    return name;
}

std::string blockSpokenDescription(const EditorState& state, int32_t index, Wording words)
{
    if (index < 0 || index >= state.blockCount)
        return {};
    const BlockKind kind = state.blocks[size_t(index)].kind;
    std::string text;
    if (isDecisionKind(kind)) {
        const DecisionExits exits = decisionExits(kind);
        addPart(text, words, MessageId::YesExit, blockList(blocksFromExit(state, index, exits.yes), MessageId::ExitUnlinked));
        addPart(text, words, MessageId::NoExit, blockList(blocksFromExit(state, index, exits.no), MessageId::ExitUnlinked));
    } else if (offersPort(kind, Port::Bottom)) {
        addPart(text, words, MessageId::NextExit,
                blockList(blocksFromExit(state, index, Port::Bottom), MessageId::ExitUnlinked));
    }
    if (isGotoJump(kind)) {
        const int32_t target = targetOfJump(state, index);
        addPart(text, words, MessageId::JumpTarget,
                blockList(target >= 0 ? std::vector<int32_t>{target} : std::vector<int32_t>{}, MessageId::NoTarget));
    }
    if (isGotoTarget(kind))
        addPart(text, words, MessageId::JumpsToTarget, blockList(jumpsToTarget(state, index), MessageId::NoJumps));
    const std::vector<int32_t> entering = blocksEntering(state, index);
    if (!entering.empty())
        addPart(text, words, MessageId::Entries, blockList(entering, MessageId::NoJumps));
    return text;
}

} // namespace corvix
