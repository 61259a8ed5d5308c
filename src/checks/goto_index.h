#pragma once

#include "model/block.h"

#include <cstdint>
#include <span>
#include <vector>

namespace corvix::checks {

// The goto jumps and goto targets that share one goto key, each list in block order.
struct GotoKeyUse {
    std::vector<int32_t> jumps;
    std::vector<int32_t> targets;
};

// The goto blocks grouped by key.
struct GotoIndex {
    std::vector<int32_t> keyOf;    // per block: its entry in keys; -1 = not a goto block
    std::vector<GotoKeyUse> keys;  // in the order the keys first appear

    explicit GotoIndex(std::span<const Block> blocks);
};

} // namespace corvix::checks
