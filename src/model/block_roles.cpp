#include "model/block_roles.h"

#include <algorithm>

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

std::span<const Port> portsOfKind(BlockKind kind)
{
    static constexpr Port action[] = {Port::Top, Port::Bottom};
    static constexpr Port decision[] = {Port::Top, Port::Right, Port::Left};
    static constexpr Port gotoJump[] = {Port::Top};
    static constexpr Port gotoTarget[] = {Port::Bottom};
    switch (kind) {
    case BlockKind::Action:
        return action;
    case BlockKind::Decision:
    case BlockKind::DecisionSwapped:
        return decision;
    case BlockKind::GotoJump:
        return gotoJump;
    case BlockKind::GotoTarget:
        return gotoTarget;
    default:
        return {};
    }
}

bool offersPort(BlockKind kind, Port port)
{
    const std::span<const Port> ports = portsOfKind(kind);
    return std::find(ports.begin(), ports.end(), port) != ports.end();
}

DecisionExits decisionExits(BlockKind kind)
{
    if (kind == BlockKind::DecisionSwapped)
        return {Port::Right, Port::Left};
    return {Port::Left, Port::Right};
}

} // namespace corvix
