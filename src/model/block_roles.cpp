#include "model/block_roles.h"

namespace corvix {

bool isFlowKind(BlockKind kind)
{
    return isKnownKind(kind) && kind != BlockKind::Explanation;
}

bool isGotoJump(BlockKind kind)
{
    return kind == BlockKind::GotoJump;
}

bool isGotoTarget(BlockKind kind)
{
    return kind == BlockKind::GotoTarget;
}

DecisionExits decisionExits(BlockKind kind)
{
    if (kind == BlockKind::DecisionSwapped)
        return {Port::Right, Port::Left};
    return {Port::Left, Port::Right};
}

} // namespace corvix
