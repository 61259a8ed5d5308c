#include "model/block.h"

namespace corvix {

bool isKnownKind(BlockKind kind)
{
    return (kind >= BlockKind::Action && kind <= BlockKind::Explanation) || kind == BlockKind::DecisionSwapped;
}

bool isDecisionKind(BlockKind kind)
{
    return kind == BlockKind::Decision || kind == BlockKind::DecisionSwapped;
}

} // namespace corvix
