#pragma once

#include "view/viewport.h"

#include <cstdint>

namespace corvix {

// A rectangle of sheet units, edges included.
struct SheetArea {
    int64_t left = 0;
    int64_t top = 0;
    int64_t right = 0;
    int64_t bottom = 0;
};

// Values for the horizontal and the vertical scroll bar.
struct BarValues {
    int32_t horizontal = 0;
    int32_t vertical = 0;

    bool operator==(const BarValues&) const = default;
};

// The bar values that show area at the viewport's zoom: the present ones when the canvas
// shows it whole, else those that put its centre in the middle of the canvas, each within
// its bar's range.
BarValues scrollIntoView(const Viewport& viewport, const SheetArea& area);
// The bar values that put area's top a little below the canvas's top and its middle in the
// middle across, each within its bar's range.
BarValues scrollToTopOf(const Viewport& viewport, const SheetArea& area);

} // namespace corvix
