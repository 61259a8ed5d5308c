#include "model/selection.h"

#include <algorithm>
#include <utility>

namespace corvix {

Selection Selection::ofBlock(int32_t block)
{
    Selection s;
    if (block >= 0)
        s.blocks_.push_back(block);
    return s;
}

Selection Selection::ofBlocks(std::vector<int32_t> blocks)
{
    std::sort(blocks.begin(), blocks.end());
    blocks.erase(std::unique(blocks.begin(), blocks.end()), blocks.end());
    Selection s;
    s.blocks_ = std::move(blocks);
    return s;
}

Selection Selection::ofLink(int32_t link)
{
    Selection s;
    s.link_ = link < 0 ? -1 : link;
    return s;
}

bool Selection::contains(int32_t block) const
{
    return std::binary_search(blocks_.begin(), blocks_.end(), block);
}

Selection Selection::toggled(int32_t block) const
{
    std::vector<int32_t> blocks = blocks_;
    const auto at = std::lower_bound(blocks.begin(), blocks.end(), block);
    if (at != blocks.end() && *at == block)
        blocks.erase(at);
    else
        blocks.insert(at, block);
    return ofBlocks(std::move(blocks));
}

} // namespace corvix
