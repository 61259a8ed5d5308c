#include "render/vector_strokes.h"

#include <cmath>
#include <cstdlib>

namespace corvix {

namespace {

int32_t sign(int64_t v)
{
    return (v > 0) - (v < 0);
}

bool axisParallel(const Stroke& s)
{
    return !s.box && (s.x1 == s.x2) != (s.y1 == s.y2);
}

} // namespace

UnitPoint lastUnit(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    const int64_t dx = int64_t(x2) - x1;
    const int64_t dy = int64_t(y2) - y1;
    if (dx == 0 && dy == 0)
        return {x1, y1};
    // Most lines run along an axis; their minor coordinate needs no rounding.
    if (dy == 0)
        return {int32_t(int64_t(x2) - sign(dx)), y1};
    if (dx == 0)
        return {x1, int32_t(int64_t(y2) - sign(dy))};
    // The minor coordinate in double, as the painter surface has always placed it.
    if (std::llabs(dx) >= std::llabs(dy)) {
        const int64_t endX = int64_t(x2) - sign(dx);
        const double endY = double(y1) + std::nearbyint(double(endX - x1) * double(dy) / double(dx));
        return {int32_t(endX), int32_t(endY)};
    }
    const int64_t endY = int64_t(y2) - sign(dy);
    const double endX = double(x1) + std::nearbyint(double(endY - y1) * double(dx) / double(dy));
    return {int32_t(endX), int32_t(endY)};
}

bool continuesAxisParallel(const Stroke& s, const Stroke& next)
{
    if (!axisParallel(s) || !axisParallel(next) || next.x1 != s.x2 || next.y1 != s.y2)
        return false;
    // Turning back would leave half of the turning unit out of both lines.
    const bool sHorizontal = s.y1 == s.y2;
    const bool nextHorizontal = next.y1 == next.y2;
    if (sHorizontal != nextHorizontal)
        return true;
    return sHorizontal ? sign(int64_t(s.x2) - s.x1) == sign(int64_t(next.x2) - next.x1)
                       : sign(int64_t(s.y2) - s.y1) == sign(int64_t(next.y2) - next.y1);
}

} // namespace corvix
