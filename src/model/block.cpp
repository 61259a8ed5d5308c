#include "model/block.h"

namespace corvix {

bool isKnownKind(int32_t kind)
{
    return (kind >= Action && kind <= Explanation) || kind == DecisionSwapped;
}

bool isDecisionKind(int32_t kind)
{
    return kind == Decision || kind == DecisionSwapped;
}

} // namespace corvix
