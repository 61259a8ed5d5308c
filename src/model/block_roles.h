#pragma once

#include "model/block.h"

#include <cstdint>
#include <span>

namespace corvix {

// What a block's kind does in the flow of the chart.

// Every known kind but the explanation, which stands beside the flow.
bool isFlowKind(BlockKind kind);
bool isGotoJump(BlockKind kind);
bool isGotoTarget(BlockKind kind);

// The ports a kind offers, the entry first, in the order a press tests them; none for an
// explanation or a kind the editor does not know.
std::span<const Port> portsOfKind(BlockKind kind);
bool offersPort(BlockKind kind, Port port);

// A decision's exits as the drawing labels them: Yes on the left and No on the right,
// the other way round once swapped.
struct DecisionExits {
    Port yes = Port::Left;
    Port no = Port::Right;
};
DecisionExits decisionExits(BlockKind kind);

} // namespace corvix
