#include "model/editor_state.h"

#include <algorithm>
#include <utility>

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

std::span<const Link> EditorState::linksInUse() const
{
    return {links.data(), size_t(std::clamp<int32_t>(linkCount, 0, int32_t(links.size())))};
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
    removeBlocks(std::span<const int32_t>(&d, 1));
}

void EditorState::removeBlocks(std::span<const int32_t> ascending)
{
    const auto isRemoved = [&](int32_t b) { return std::binary_search(ascending.begin(), ascending.end(), b); };
    // A block's new number: its old one less the removed blocks below it.
    const auto renumbered = [&](int32_t b) {
        return b - int32_t(std::lower_bound(ascending.begin(), ascending.end(), b) - ascending.begin());
    };

    int32_t kept = ascending.empty() ? blockCount : ascending.front();
    for (int32_t r = kept; r < blockCount; ++r) {
        if (!isRemoved(r))
            blocks[size_t(kept++)] = std::move(blocks[size_t(r)]);
    }
    blockCount = kept;

    int32_t w = 0;
    for (int32_t r = 0; r < linkCount; ++r) {
        const Link old = links[size_t(r)];
        const int32_t bs = codeBlock(old.source);
        const int32_t bt = codeBlock(old.target);
        if (isRemoved(bs) || isRemoved(bt))
            continue;
        links[size_t(w)] = {connectionCode(renumbered(bs), codePort(old.source)),
                            connectionCode(renumbered(bt), codePort(old.target))};
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
