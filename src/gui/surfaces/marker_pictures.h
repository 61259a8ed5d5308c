#pragma once

#include "render/render_target.h"

#include <QImage>

#include <vector>

namespace corvix {

// The picture of a marker at its own size (markerWidth), built on first use; the
// pixels outside its shape are transparent.
const QImage& markerPicture(Marker marker);

// The pixels of one colour of a marker picture, as runs along its rows one unit high.
struct MarkerColorRuns {
    Color color;
    std::vector<SurfaceRect> runs;
};

// A marker picture's opaque pixels by colour, in a fixed order, for the vector formats,
// which fill them as rectangles.
std::vector<MarkerColorRuns> markerRuns(Marker marker);

} // namespace corvix
