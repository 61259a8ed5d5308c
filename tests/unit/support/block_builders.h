#pragma once
// Blocks as a diagram file holds them, for tests that need a drawing without measuring
// texts: kind, centre, size and text as given, port offsets as a definition of that size
// sets them.

#include "model/block.h"

#include <cstdint>
#include <string>
#include <utility>

namespace corvix::testing {

inline Block storedBlock(BlockKind kind, int32_t x, int32_t y, int32_t width, int32_t height, std::string text = {})
{
    Block b;
    b.kind = kind;
    b.x = x;
    b.y = y;
    b.width = width;
    b.height = height;
    b.text = std::move(text);
    b.portDy = -(height / 2 + (isDecisionKind(kind) ? 21 : 20));
    b.portDx = isDecisionKind(kind) ? (width + height) / 2 + 24 : 0;
    return b;
}

} // namespace corvix::testing
