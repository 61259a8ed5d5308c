#include "render/marker_shapes.h"

#include <array>
#include <utility>

namespace corvix {

namespace {

using Points = std::vector<ShapePoint>;

MarkerShape fill(Color color, Points points)
{
    return {MarkerShape::Kind::Fill, color, std::move(points), true};
}

MarkerShape line(Color color, Points points, bool closed = false)
{
    return {MarkerShape::Kind::Line, color, std::move(points), closed};
}

Points moved(Points points, double dx)
{
    for (ShapePoint& p : points)
        p.x += dx;
    return points;
}

// An entry's arrow: a bar over a blue arrowhead edged in navy, pointing down the stub
// that runs through column 6.
std::vector<MarkerShape> arrowDown()
{
    using namespace marker_colors;
    const Points head{{1.5, 3.5}, {11.5, 3.5}, {6.5, 11.5}};
    return {fill(Navy, {{1, 0}, {12, 0}, {12, 2}, {1, 2}}), fill(Blue, head), line(Navy, head, true)};
}

// A decision's Yes or No: the letter over the side stub and an arrowhead on the stub
// pointing out of the block. The left labels mirror the arrowhead, not the letter.
std::vector<MarkerShape> label(bool yes, bool pointingRight)
{
    using namespace marker_colors;
    const double tip = pointingRight ? 16 : 0;
    const double letterLeft = pointingRight ? 1 : 10;
    std::vector<MarkerShape> shapes{fill(Blue, {{8, 4}, {tip, 8.5}, {8, 13}})};
    if (yes) {
        shapes.push_back(line(DarkRed, moved({{0.5, 0}, {0.5, 1.5}, {2.5, 3.5}, {4.5, 1.5}, {4.5, 0}}, letterLeft)));
        shapes.push_back(line(DarkRed, moved({{2.5, 3.5}, {2.5, 7}}, letterLeft)));
    } else {
        shapes.push_back(line(Navy, moved({{0.5, 7}, {0.5, 0}}, letterLeft)));
        shapes.push_back(line(Navy, moved({{0.5, 0.5}, {4.5, 4.5}}, letterLeft)));
        shapes.push_back(line(Navy, moved({{4.5, 0}, {4.5, 7}}, letterLeft)));
    }
    return shapes;
}

// A goto marker: a shield pointing down, with the line of the link through it.
std::vector<MarkerShape> shield(Marker marker)
{
    using namespace marker_colors;
    const Points outline{{2.5, 2.5}, {14.5, 2.5}, {14.5, 7.5}, {8.5, 13.5}, {2.5, 7.5}};
    return {fill(shieldFill(marker), outline), line(Black, outline, true), line(Black, {{8.5, 0}, {8.5, 16}})};
}

std::array<std::vector<MarkerShape>, kMarkerCount> buildShapes()
{
    std::array<std::vector<MarkerShape>, kMarkerCount> s;
    s[size_t(Marker::SetaBaixo)] = arrowDown();
    s[size_t(Marker::SimDir)] = label(true, true);
    s[size_t(Marker::SimEsq)] = label(true, false);
    s[size_t(Marker::Naodir)] = label(false, true);
    s[size_t(Marker::Naoesq)] = label(false, false);
    for (Marker m : {Marker::Saida, Marker::Entrada, Marker::SaidaClara, Marker::EntradaClara})
        s[size_t(m)] = shield(m);
    return s;
}

} // namespace

Color shieldFill(Marker marker)
{
    switch (marker) {
    case Marker::Saida:
        return {255, 0, 255};
    case Marker::Entrada:
        return {128, 200, 255};
    case Marker::SaidaClara:
        return {255, 255, 0};
    case Marker::EntradaClara:
        return {0, 200, 0};
    default:
        return marker_colors::Black;
    }
}

const std::vector<MarkerShape>& markerShapes(Marker marker)
{
    static const std::array<std::vector<MarkerShape>, kMarkerCount> shapes = buildShapes();
    return shapes[size_t(marker)];
}

} // namespace corvix
