#pragma once

#include <cstdint>
#include <span>

namespace corvix {

// A segment that paints its start and not its end, or the closed outline of a box
// through both corners; surface units.
struct Stroke {
    int32_t x1 = 0;
    int32_t y1 = 0;
    int32_t x2 = 0;
    int32_t y2 = 0;
    bool box = false;
    bool operator==(const Stroke&) const = default;
};

struct UnitPoint {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const UnitPoint&) const = default;
};

// The last unit a segment paints: one step back from its end along the major axis, the
// minor coordinate rounded halves to even. For a zero-length segment, its start.
UnitPoint lastUnit(int32_t x1, int32_t y1, int32_t x2, int32_t y2);

// next starts where s ends, both are axis-parallel, next has a length and does not turn back.
bool continuesAxisParallel(const Stroke& s, const Stroke& next);

// Where a path of one unit wide lines, centred on units and with square ends, must go
// to paint exactly the units a run of strokes paints. Coordinates are units; the line
// runs through their centres. A box is four lines and a close. A segment that paints one
// unit only becomes unit(), as a line of no length shows nothing on some renderers. An
// axis-parallel segment that a perpendicular or straight one continues from its end runs
// on to that end without a move, which paints the same units (its end is the next one's
// start) with fewer commands.
template <typename PathWriter>
void writeStrokePath(std::span<const Stroke> strokes, PathWriter& path)
{
    bool joined = false;  // the current point is this stroke's start
    for (size_t i = 0; i < strokes.size(); ++i) {
        const Stroke& s = strokes[i];
        if (s.box) {
            path.moveTo(s.x1, s.y1);
            path.lineTo(s.x2, s.y1);
            path.lineTo(s.x2, s.y2);
            path.lineTo(s.x1, s.y2);
            path.close();
            joined = false;
            continue;
        }
        if (s.x1 == s.x2 && s.y1 == s.y2)
            continue;
        const UnitPoint last = lastUnit(s.x1, s.y1, s.x2, s.y2);
        if (!joined && last == UnitPoint{s.x1, s.y1}) {
            path.unit(s.x1, s.y1);
            continue;
        }
        if (!joined)
            path.moveTo(s.x1, s.y1);
        joined = i + 1 < strokes.size() && continuesAxisParallel(s, strokes[i + 1]);
        if (joined)
            path.lineTo(s.x2, s.y2);
        else
            path.lineTo(last.x, last.y);
    }
}

} // namespace corvix
