#include "model/editor_state.h"

#include <algorithm>

namespace corvix {

EditorState::EditorState()
    : blocks(kBlockCapacity)
    , links(kLinkCapacity)
{
}

std::span<const Block> EditorState::blocksInUse() const
{
    return {blocks.data(), size_t(std::clamp<int32_t>(blockCount, 0, int32_t(blocks.size())))};
}

void EditorState::resetTables()
{
    linkCount = 0;
    blockCount = 0;
}

bool EditorState::appendLink(const Link& link)
{
    if (linkCount >= kLinkCapacity)
        return false;
    links[size_t(linkCount)] = link;
    ++linkCount;
    return true;
}

void EditorState::removeBlock(int32_t d)
{
    std::move(blocks.begin() + d + 1, blocks.begin() + blockCount, blocks.begin() + d);
    --blockCount;

    int32_t w = 0;
    for (int32_t r = 0; r < linkCount; ++r) {
        const Link old = links[size_t(r)];
        int32_t bs = codeBlock(old.source);
        int32_t bt = codeBlock(old.target);
        if (bs == d || bt == d)
            continue;
        if (bs > d)
            --bs;
        if (bt > d)
            --bt;
        links[size_t(w)] = {connectionCode(bs, codePort(old.source)), connectionCode(bt, codePort(old.target))};
        ++w;
    }
    linkCount = w;
}

void EditorState::removeLink(int32_t k)
{
    std::copy(links.begin() + k + 1, links.begin() + linkCount, links.begin() + k);
    --linkCount;
}

int32_t EditorState::findLinkAtPort(int32_t code) const
{
    for (int32_t i = 0; i < linkCount; ++i) {
        if (links[size_t(i)].source == code || links[size_t(i)].target == code)
            return i;
    }
    return -1;
}

void EditorState::clearUnusedEntries()
{
    std::fill(blocks.begin() + blockCount, blocks.end(), Block{});
    std::fill(links.begin() + linkCount, links.end(), Link{});
}

} // namespace corvix
