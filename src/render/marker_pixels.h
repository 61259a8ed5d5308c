#pragma once

#include "render/render_target.h"

#include <optional>
#include <vector>

namespace corvix {

// A marker's picture pixel by pixel, as the page image shows it at one unit a pixel: side
// (markerWidth) pixels square, row by row, each pixel its colour or none (transparent).
struct MarkerPixels {
    int32_t side = 0;
    std::vector<std::optional<Color>> pixels;

    const std::optional<Color>& at(int32_t x, int32_t y) const { return pixels[size_t(y) * size_t(side) + size_t(x)]; }
};

// Built on first use.
const MarkerPixels& markerPixels(Marker marker);

// The pixels of one colour of a marker picture, as runs along its rows one unit high.
struct MarkerColorRuns {
    Color color;
    std::vector<SurfaceRect> runs;
};

// A marker picture's pixels by colour, in a fixed order (by red, green, then blue), for
// the vector formats, which fill them as rectangles.
std::vector<MarkerColorRuns> markerRuns(Marker marker);

} // namespace corvix
