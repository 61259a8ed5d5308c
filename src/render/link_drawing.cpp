#include "render/link_drawing.h"

namespace corvix {

namespace {

enum class Route { VerticalFirst, HorizontalFirst, Detour };

struct Point64 {
    int64_t x = 0;
    int64_t y = 0;
};

Route chooseRoute(Port sourcePort, const Point64& from, const Point64& to)
{
    if (from.y > to.y)
        return sourcePort == Port::Bottom ? Route::Detour : Route::VerticalFirst;
    const bool entryToTheRight = from.x < to.x;
    switch (sourcePort) {
    case Port::Top:
        return Route::HorizontalFirst;
    case Port::Right:
        return entryToTheRight ? Route::HorizontalFirst : Route::VerticalFirst;
    case Port::Bottom:
        return Route::VerticalFirst;
    default:
        return entryToTheRight ? Route::VerticalFirst : Route::HorizontalFirst;
    }
}

// Port points in 64 bits: a damaged file may hold centres and offsets whose sums leave
// the 32-bit range.
Point64 portOnSurface(const Block& b, Port port, int32_t ox, int32_t oy)
{
    const int64_t x = int64_t(b.x) - ox;
    const int64_t y = int64_t(b.y) - oy;
    switch (port) {
    case Port::Top:
        return {x, y + b.portDy};
    case Port::Right:
        return {x + b.portDx, y};
    case Port::Bottom:
        return {x, y - int64_t(b.portDy)};
    default:
        return {x - int64_t(b.portDx), y};
    }
}

} // namespace

std::optional<LinkPath> routeLink(const Link& link, std::span<const Block> blocks, int32_t ox, int32_t oy)
{
    const int32_t sourceBlock = codeBlock(link.source);
    const int32_t targetBlock = codeBlock(link.target);
    const Port sourcePort = codePort(link.source);
    const Port targetPort = codePort(link.target);
    if (sourcePort > Port::Left || targetPort > Port::Left)
        return std::nullopt;
    const auto inTable = [&](int32_t index) { return index >= 0 && size_t(index) < blocks.size(); };
    if (!inTable(sourceBlock) || !inTable(targetBlock))
        return std::nullopt;

    const Block& source = blocks[size_t(sourceBlock)];
    const Point64 f = portOnSurface(source, sourcePort, ox, oy);
    const Point64 t = portOnSurface(blocks[size_t(targetBlock)], targetPort, ox, oy);

    std::array<Point64, 4> p{};
    int32_t count = 0;
    if (targetPort != Port::Top) {
        p = {f, t};
        count = 2;
    } else {
        switch (chooseRoute(sourcePort, f, t)) {
        case Route::VerticalFirst:
            p = {f, Point64{f.x, t.y}, t};
            count = 3;
            break;
        case Route::HorizontalFirst:
            p = {f, Point64{t.x, f.y}, t};
            count = 3;
            break;
        case Route::Detour: {
            const int64_t aside = source.width / 2 + 30;
            const int64_t xd = f.x > t.x ? f.x + aside : f.x - aside;
            p = {f, Point64{xd, f.y}, Point64{xd, t.y}, t};
            count = 4;
            break;
        }
        }
    }

    LinkPath path;
    path.count = count;
    for (int32_t i = 0; i < count; ++i) {
        const Point64& q = p[size_t(i)];
        if (q.x < -kDrawingLimit || q.x > kDrawingLimit || q.y < -kDrawingLimit || q.y > kDrawingLimit)
            return std::nullopt;
        path.points[size_t(i)] = {int32_t(q.x), int32_t(q.y)};
    }
    return path;
}

Extent pathExtent(const LinkPath& path)
{
    const Point& first = path.points[0];
    Extent e{first.x, first.y, first.x, first.y};
    for (int32_t i = 1; i < path.count; ++i) {
        const Point& q = path.points[size_t(i)];
        e.include({q.x, q.y, q.x, q.y});
    }
    return e;
}

void drawLinkPath(RenderTarget& target, const LinkPath& path, Color color)
{
    for (int32_t i = 1; i < path.count; ++i) {
        const Point& a = path.points[size_t(i - 1)];
        const Point& b = path.points[size_t(i)];
        target.Line(a.x, a.y, b.x, b.y, color);
    }
}

Color linkColor(bool highlighted)
{
    return highlighted ? colors::Yellow : colors::Black;
}

} // namespace corvix
