#pragma once

#include "model/block.h"
#include "render/block_geometry.h"
#include "render/extent.h"
#include "render/render_target.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace corvix {

// The path of a link on the surface: a polyline of 2 to 4 points (one to three
// segments). A target port other than 0 gives one straight, possibly slanted segment.
struct LinkPath {
    std::array<Point, 4> points{};
    int32_t count = 0;

    bool operator==(const LinkPath&) const = default;
};

// The path of link between blocks (the blocks in use), drawn with offset (ox, oy).
// None for a link that is not drawn: a port above 3 at either end, a block index
// outside blocks, or a path that would reach beyond the drawing limit.
std::optional<LinkPath> routeLink(const Link& link, std::span<const Block> blocks, int32_t ox, int32_t oy);

Extent pathExtent(const LinkPath& path);

void drawLinkPath(RenderTarget& target, const LinkPath& path, Color color);

// Yellow when selected or while everything is being moved, else black.
Color linkColor(bool highlighted);

} // namespace corvix
