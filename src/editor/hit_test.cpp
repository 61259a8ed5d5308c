#include "editor/hit_test.h"

#include "model/block_roles.h"
#include "render/extent.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <span>

namespace corvix {

namespace {

// Block fields may come from a file and lie anywhere in 32 bits: sums and differences are
// formed in 64 bits so that no coordinate can overflow.
int64_t distanceToBox(int64_t centre, int64_t point, int64_t half)
{
    return std::min({std::llabs(centre - point + half), std::llabs(centre - point - half),
                     std::llabs(centre - point)});
}

struct WidePoint {
    int64_t x = 0;
    int64_t y = 0;
};

// Block fields may come from a file and lie anywhere in 32 bits.
WidePoint portAt(const Block& block, Port port)
{
    switch (port) {
    case Port::Top:
        return {block.x, int64_t(block.y) + block.portDy};
    case Port::Right:
        return {int64_t(block.x) + block.portDx, block.y};
    case Port::Bottom:
        return {block.x, int64_t(block.y) - block.portDy};
    default:
        return {int64_t(block.x) - block.portDx, block.y};
    }
}

bool withinPickRadius(int64_t dx, int64_t dy)
{
    if (std::llabs(dx) >= kPickRadius || std::llabs(dy) >= kPickRadius)
        return false;
    return std::sqrt(double(dx * dx + dy * dy)) < double(kPickRadius);
}

} // namespace

int32_t roundCanvas(float canvas)
{
    // A mouse position never comes near these bounds; they keep the conversion defined.
    constexpr float kLimit = 1e9f;
    if (!std::isfinite(canvas))
        return 0;
    return static_cast<int32_t>(std::lrint(std::clamp(canvas, -kLimit, kLimit)));
}

int32_t acha_bloco_mais_proximo(const EditorState& state, int32_t x, int32_t y)
{
    int64_t best = 2000000;
    int32_t bestIndex = -1;
    for (int32_t i = 0; i < state.blockCount; ++i) {
        const Block& b = state.blocks[size_t(i)];
        const int64_t d = distanceToBox(b.x, x, b.width / 2) + distanceToBox(b.y, y, b.height / 2);
        if (d < best) {
            best = d;
            bestIndex = i;
        }
    }
    if (bestIndex < 0)
        return -1;

    const Block& b = state.blocks[size_t(bestIndex)];
    const int64_t halfWidth = isDecisionKind(b.kind) ? (int64_t(b.width) + b.height) / 2 : b.width / 2;
    const int64_t halfHeight = b.height / 2;
    const bool hit = std::llabs(int64_t(b.x) - x) < halfWidth + kAcceptMargin
                     && std::llabs(int64_t(b.y) - y) < halfHeight + kAcceptMargin;
    return hit ? bestIndex : -1;
}

bool ponto_proximo(int32_t ax, int32_t ay, int32_t bx, int32_t by)
{
    return withinPickRadius(int64_t(ax) - bx, int64_t(ay) - by);
}

PortHit acha_ponto_de_conexao(const Block& block, int32_t x, int32_t y)
{
    if (!isKnownKind(block.kind))
        return {std::nullopt, true, {}};
    for (const Port port : portsOfKind(block.kind)) {
        const WidePoint p = portAt(block, port);
        // A port within the pick radius of a 32-bit point has a 32-bit point itself.
        if (withinPickRadius(p.x - x, p.y - y))
            return {port, false, {int32_t(p.x), int32_t(p.y)}};
    }
    return {};
}

bool liesWithin(const Block& block, Point a, Point b)
{
    constexpr int64_t kFrame = 4;  // the frame's outer line, beyond the text box
    const int64_t left = int64_t(block.x) - block.width / 2 - kFrame;
    const int64_t top = int64_t(block.y) - block.height / 2 - kFrame;
    Extent outline{left, top, left + block.width + 2 * kFrame, top + block.height + 2 * kFrame};
    if (isDecisionKind(block.kind)) {
        const int64_t halfFrameHeight = block.height / 2 + kFrame;
        outline.left -= halfFrameHeight;
        outline.right += halfFrameHeight;
    }
    for (const Port port : portsOfKind(block.kind)) {
        const WidePoint p = portAt(block, port);
        outline.include({p.x, p.y, p.x, p.y});
    }
    return outline.left >= std::min(a.x, b.x) && outline.right <= std::max(a.x, b.x)
           && outline.top >= std::min(a.y, b.y) && outline.bottom <= std::max(a.y, b.y);
}

} // namespace corvix
