#pragma once
// New centres for some of the blocks, as Arrange proposes them (layout/arrange.h), or the
// reason there are none. Plain data, so that the editor can apply an arrangement without
// knowing how it was made.

#include "model/message.h"

#include <cstdint>
#include <string>
#include <vector>

namespace corvix {

struct BlockCentre {
    int32_t block = 0;  // index in the block table
    int32_t x = 0;
    int32_t y = 0;

    bool operator==(const BlockCentre&) const = default;
};

struct Arrangement {
    bool arranged = false;             // false: refused, and refusal says why
    std::vector<BlockCentre> centres;  // every arranged block's new centre, ascending by block
    Message refusal;                   // for a message box or stderr
};

} // namespace corvix
