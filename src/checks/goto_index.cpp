#include "checks/goto_index.h"

#include "model/block_roles.h"
#include "model/text_rules.h"

#include <string>
#include <unordered_map>

namespace corvix::checks {

GotoIndex::GotoIndex(std::span<const Block> blocks)
    : keyOf(blocks.size(), -1)
{
    std::unordered_map<std::string, int32_t> entries;
    for (size_t i = 0; i < blocks.size(); ++i) {
        const bool jump = isGotoJump(blocks[i].kind);
        if (!jump && !isGotoTarget(blocks[i].kind))
            continue;
        const auto [entry, added] = entries.try_emplace(gotoKey(blocks[i].text), int32_t(keys.size()));
        if (added)
            keys.emplace_back();
        keyOf[i] = entry->second;
        GotoKeyUse& use = keys[size_t(entry->second)];
        (jump ? use.jumps : use.targets).push_back(int32_t(i));
    }
}

} // namespace corvix::checks
