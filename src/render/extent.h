#pragma once

#include "render/render_target.h"

#include <algorithm>
#include <cstdint>

namespace corvix {

// Bounds of everything one block or link may paint, in surface units, edges included.
// 64-bit, so that any stored geometry can be bounded without overflow.
struct Extent {
    int64_t left = 0;
    int64_t top = 0;
    int64_t right = 0;
    int64_t bottom = 0;

    bool operator==(const Extent&) const = default;

    Extent& include(const Extent& other)
    {
        left = std::min(left, other.left);
        top = std::min(top, other.top);
        right = std::max(right, other.right);
        bottom = std::max(bottom, other.bottom);
        return *this;
    }

    bool meets(const SurfaceRect& area) const
    {
        return left <= area.right && right >= area.left && top <= area.bottom && bottom >= area.top;
    }
};

// Drawing coordinates are 32-bit; anything that may reach beyond this bound is not
// drawn at all, so that no sum in the drawing code can overflow. The editor's sheet
// is a few thousand units wide; only a damaged file comes near it.
inline constexpr int64_t kDrawingLimit = int64_t(1) << 30;

inline bool withinDrawingLimit(const Extent& e)
{
    return e.left >= -kDrawingLimit && e.top >= -kDrawingLimit && e.right <= kDrawingLimit
        && e.bottom <= kDrawingLimit;
}

} // namespace corvix
