#include "editor/navigation.h"

#include "model/block_roles.h"
#include "model/text_codec.h"
#include "model/text_rules.h"

#include <algorithm>
#include <span>

namespace corvix {

namespace {

// The first block after `after` that passes, going round the table to `after` itself last.
template<typename Test>
int32_t firstAfter(std::span<const Block> blocks, int32_t after, Test passes)
{
    const auto count = int32_t(blocks.size());
    const int32_t from = after >= 0 && after < count ? after + 1 : 0;
    for (int32_t k = 0; k < count; ++k) {
        const int32_t i = (from + k) % count;
        if (passes(blocks[size_t(i)]))
            return i;
    }
    return -1;
}

} // namespace

int32_t findNextBlock(const EditorState& state, std::string_view text)
{
    if (text.empty())
        return -1;
    const auto sameLetter = [](char a, char b) { return lowerCp1252(a) == lowerCp1252(b); };
    return firstAfter(state.blocksInUse(), state.selectedBlock(), [&](const Block& b) {
        return std::search(b.text.begin(), b.text.end(), text.begin(), text.end(), sameLetter) != b.text.end();
    });
}

Message noBlockContainsMessage(std::string_view cp1252Text)
{
    return {MessageId::NoBlockContains, {cp1252ToUtf8(cp1252Text)}};
}

GotoStep nextGotoStep(const EditorState& state, int32_t lastJump)
{
    const std::span<const Block> blocks = state.blocksInUse();
    const int32_t selected = state.selectedBlock();
    if (selected < 0 || size_t(selected) >= blocks.size())
        return {-1, lastJump};
    const Block& from = blocks[size_t(selected)];
    const std::string key = gotoKey(from.text);
    if (isGotoJump(from.kind)) {
        const int32_t target = firstAfter(blocks, -1, [&key](const Block& b) {
            return isGotoTarget(b.kind) && gotoKey(b.text) == key;
        });
        return {target, target >= 0 ? selected : lastJump};
    }
    if (isGotoTarget(from.kind)) {
        const int32_t jump = firstAfter(blocks, lastJump, [&key](const Block& b) {
            return isGotoJump(b.kind) && gotoKey(b.text) == key;
        });
        return {jump, jump >= 0 ? jump : lastJump};
    }
    return {-1, lastJump};
}

} // namespace corvix
