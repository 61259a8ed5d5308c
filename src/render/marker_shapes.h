#pragma once

#include "render/render_target.h"

#include <vector>

namespace corvix {

// A point of a marker's outline in the marker's own units (0 to markerWidth), fractional
// where a line runs through the middle of a unit.
struct ShapePoint {
    double x = 0;
    double y = 0;
};

// One piece of a marker drawn as vector shapes: a filled polygon, or a line one unit wide
// through the points (closed back to the first when closed is set), with flat ends.
struct MarkerShape {
    enum class Kind { Fill, Line };
    Kind kind = Kind::Fill;
    Color color;
    std::vector<ShapePoint> points;
    bool closed = false;
};

// The marker pictures' colours, shared by their pixel form and their shapes.
namespace marker_colors {
inline constexpr Color Navy{0, 0, 128};
inline constexpr Color Blue{0, 0, 255};
inline constexpr Color DarkRed{128, 0, 0};
inline constexpr Color Black{0, 0, 0};
} // namespace marker_colors

// The fill of a goto marker's shield (Saida, Entrada and their light forms).
Color shieldFill(Marker marker);

// The marker in the proportions and colours of its picture, as shapes painted in order:
// what a surface draws wherever a unit is not one pixel, so that a magnified marker stays
// as sharp as the lines and text beside it.
const std::vector<MarkerShape>& markerShapes(Marker marker);

} // namespace corvix
