#pragma once

#include "model/block.h"

#include <cstdint>

namespace corvix {

// What a block's kind does in the flow of the chart.

// Every known kind but the explanation, which stands beside the flow.
bool isFlowKind(int32_t kind);
bool isGotoJump(int32_t kind);
bool isGotoTarget(int32_t kind);

// A decision's exits as the drawing labels them: Yes on the left and No on the right,
// the other way round once swapped.
struct DecisionExits {
    int32_t yes = Port::PortLeft;
    int32_t no = Port::PortRight;
};
DecisionExits decisionExits(int32_t kind);

} // namespace corvix
