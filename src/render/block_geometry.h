#pragma once

#include "model/block.h"
#include "render/render_target.h"

#include <cstdint>
#include <string>

namespace corvix {

struct Point {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const Point&) const = default;
};

// Nearest multiple of 8, truncating toward zero: ((v + 4) / 8) * 8. Formed in 64 bits and
// kept inside 32 bits, as a centre read from a file may lie anywhere in that range.
int32_t snapToGrid(int64_t v);

// Sets centre (snapped), kind, text, size and port offsets. Kinds other than the
// four with ports keep portDy/portDx as the entry held them. text is stored as given.
void sizeBlock(Block& block, BlockKind kind, std::string text, int32_t x, int32_t y, const TextMeasurer& font);

// Sheet point of one of the block's ports.
Point portPoint(const Block& block, Port port);

} // namespace corvix
