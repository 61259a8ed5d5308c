// Goto jumps and goto targets that do not pair up by their keys.

#include "checks/check_steps.h"

#include "model/block_roles.h"

namespace corvix::checks {

void checkGotoKeys(std::span<const Block> blocks, const GotoIndex& index, std::vector<Problem>& out)
{
    for (size_t i = 0; i < blocks.size(); ++i) {
        if (index.keyOf[i] < 0)
            continue;
        const GotoKeyUse& use = index.keys[size_t(index.keyOf[i])];
        const auto block = int32_t(i);
        if (isGotoJump(blocks[i].kind)) {
            if (use.targets.empty())
                out.push_back({block, ProblemCode::JumpNoTarget});
            continue;
        }
        if (use.targets.front() != block)
            out.push_back({block, ProblemCode::TargetDuplicate});
        if (use.jumps.empty())
            out.push_back({block, ProblemCode::TargetUnused});
    }
}

} // namespace corvix::checks
