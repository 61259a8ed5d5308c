#include "render/block_geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace corvix {

namespace {

// Rounds a measured size to the nearest integer, halves to even, then clears bit 0.
int32_t evenSize(double measured)
{
    if (!std::isfinite(measured) || measured < 0 || measured > 1e9)
        return 0;
    return static_cast<int32_t>(std::lrint(measured)) & ~int32_t(1);
}

} // namespace

int32_t snapToGrid(int64_t v)
{
    const int64_t snapped = ((v + 4) / 8) * 8;
    constexpr int64_t kHighestOnGrid = std::numeric_limits<int32_t>::max() & ~int64_t(7);
    return int32_t(std::clamp<int64_t>(snapped, std::numeric_limits<int32_t>::min(), kHighestOnGrid));
}

void sizeBlock(Block& block, BlockKind kind, std::string text, int32_t x, int32_t y, const TextMeasurer& font)
{
    block.kind = kind;
    block.width = evenSize(font.TextWidth(text));
    block.height = evenSize(font.TextHeight(text));
    block.text = std::move(text);
    block.x = snapToGrid(x);
    block.y = snapToGrid(y);
    switch (kind) {
    case BlockKind::Action:
    case BlockKind::GotoJump:
    case BlockKind::GotoTarget:
        block.portDy = -(block.height / 2 + 20);
        break;
    case BlockKind::Decision:
    case BlockKind::DecisionSwapped:
        block.portDy = -(block.height / 2 + 21);
        block.portDx = (block.width + block.height) / 2 + 24;
        break;
    default:
        break;
    }
}

Point portPoint(const Block& b, Port port)
{
    switch (port) {
    case Port::Top:
        return {b.x, b.y + b.portDy};
    case Port::Right:
        return {b.x + b.portDx, b.y};
    case Port::Bottom:
        return {b.x, b.y - b.portDy};
    default:
        return {b.x - b.portDx, b.y};
    }
}

} // namespace corvix
