#include "model/block_roles.h"

namespace corvix {

bool isFlowKind(int32_t kind)
{
    return isKnownKind(kind) && kind != BlockKind::Explanation;
}

bool isGotoJump(int32_t kind)
{
    return kind == BlockKind::GotoJump;
}

bool isGotoTarget(int32_t kind)
{
    return kind == BlockKind::GotoTarget;
}

DecisionExits decisionExits(int32_t kind)
{
    if (kind == BlockKind::DecisionSwapped)
        return {Port::PortRight, Port::PortLeft};
    return {Port::PortLeft, Port::PortRight};
}

} // namespace corvix
