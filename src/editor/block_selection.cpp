#include "editor/block_selection.h"

#include <algorithm>
#include <utility>

namespace corvix {

BlockSelection::BlockSelection(EditorState& state)
    : state_(state)
{
}

std::vector<int32_t> BlockSelection::blocks() const
{
    if (several())
        return several_;
    if (oneSelected())
        return {state_.selectedBlock};
    return {};
}

bool BlockSelection::contains(int32_t block) const
{
    if (several())
        return std::binary_search(several_.begin(), several_.end(), block);
    return oneSelected() && block == state_.selectedBlock;
}

void BlockSelection::select(std::vector<int32_t> blocks)
{
    std::sort(blocks.begin(), blocks.end());
    blocks.erase(std::unique(blocks.begin(), blocks.end()), blocks.end());
    state_.selectedLink = -1;
    state_.selectedBlock = blocks.size() == 1 ? blocks.front() : -1;
    several_ = blocks.size() > 1 ? std::move(blocks) : std::vector<int32_t>{};
}

void BlockSelection::toggle(int32_t block)
{
    std::vector<int32_t> selected = blocks();
    const auto at = std::lower_bound(selected.begin(), selected.end(), block);
    if (at != selected.end() && *at == block)
        selected.erase(at);
    else
        selected.insert(at, block);
    select(std::move(selected));
}

Highlights BlockSelection::highlights() const
{
    Highlights highlights = highlightsOf(state_);
    highlights.several = several_;
    return highlights;
}

} // namespace corvix
