#pragma once

#include "model/block.h"
#include "render/extent.h"

#include <optional>

namespace corvix {

// The sheet units that the block's outline, stubs and pictures cover as drawBlock paints
// them, edges included; its text lies within the outline. None for a block of an unknown
// kind, which has no outline, and for one beyond the drawing limit, which is never drawn.
std::optional<Extent> blockShapeExtent(const Block& block);

} // namespace corvix
