#include "render/link_drawing.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace corvix {
namespace {

// A block whose port `port` lies at p: every port 20 units from the centre, and the
// text width given (the detour steps aside by half of it).
Block blockWithPort(int32_t port, Point p, int32_t width = 40)
{
    Block b;
    b.kind = Decision;
    b.width = width;
    b.portDy = -20;
    b.portDx = 20;
    b.x = p.x;
    b.y = p.y;
    switch (port) {
    case PortTop:
        b.y = p.y + 20;
        break;
    case PortRight:
        b.x = p.x - 20;
        break;
    case PortBottom:
        b.y = p.y - 20;
        break;
    default:
        b.x = p.x + 20;
        break;
    }
    return b;
}

LinkPath path(std::vector<Point> points)
{
    LinkPath p;
    p.count = int32_t(points.size());
    std::copy(points.begin(), points.end(), p.points.begin());
    return p;
}

struct RouteCase {
    const char* name;
    int32_t sourcePort;
    Point from;
    int32_t targetPort;
    Point to;
    LinkPath expected;
};

TEST(LinkRouting, PathByPortsAndPositions)
{
    const std::vector<RouteCase> cases = {
        {"BottomDownIsVerticalFirst", PortBottom, {200, 300}, PortTop, {200, 400},
         path({{200, 300}, {200, 400}, {200, 400}})},
        {"BottomUpDetoursRightOfAnEntryOnTheLeft", PortBottom, {200, 300}, PortTop, {120, 100},
         path({{200, 300}, {250, 300}, {250, 100}, {120, 100}})},
        {"BottomUpDetoursLeftOfAnEntryStraightAbove", PortBottom, {200, 300}, PortTop, {200, 100},
         path({{200, 300}, {150, 300}, {150, 100}, {200, 100}})},
        {"BottomAtEqualHeightIsVerticalFirst", PortBottom, {200, 300}, PortTop, {260, 300},
         path({{200, 300}, {200, 300}, {260, 300}})},
        {"RightToAnEntryFurtherOutIsHorizontalFirst", PortRight, {300, 200}, PortTop, {400, 260},
         path({{300, 200}, {400, 200}, {400, 260}})},
        {"RightToAnEntryBackInIsVerticalFirst", PortRight, {300, 200}, PortTop, {250, 260},
         path({{300, 200}, {300, 260}, {250, 260}})},
        {"RightUpIsVerticalFirst", PortRight, {300, 200}, PortTop, {400, 100},
         path({{300, 200}, {300, 100}, {400, 100}})},
        {"LeftToAnEntryFurtherOutIsHorizontalFirst", PortLeft, {100, 200}, PortTop, {40, 260},
         path({{100, 200}, {40, 200}, {40, 260}})},
        {"LeftToAnEntryBackInIsVerticalFirst", PortLeft, {100, 200}, PortTop, {160, 260},
         path({{100, 200}, {100, 260}, {160, 260}})},
        {"TopDownIsHorizontalFirst", PortTop, {100, 200}, PortTop, {40, 260},
         path({{100, 200}, {40, 200}, {40, 260}})},
        {"TopUpIsVerticalFirst", PortTop, {100, 200}, PortTop, {40, 100},
         path({{100, 200}, {100, 100}, {40, 100}})},
        {"TargetPortNotZeroIsOneStraightSegment", PortBottom, {200, 300}, PortBottom, {150, 500},
         path({{200, 300}, {150, 500}})},
    };
    for (const RouteCase& c : cases) {
        const std::vector<Block> blocks = {blockWithPort(c.sourcePort, c.from), blockWithPort(c.targetPort, c.to)};
        const std::optional<LinkPath> got =
            routeLink({connectionCode(0, c.sourcePort), connectionCode(1, c.targetPort)}, blocks, 0, 0);
        ASSERT_TRUE(got) << c.name;
        EXPECT_EQ(*got, c.expected) << c.name;
    }
}

TEST(LinkRouting, OffsetMovesThePathBack)
{
    const std::vector<Block> blocks = {blockWithPort(PortBottom, {200, 300}), blockWithPort(PortTop, {200, 400})};
    EXPECT_EQ(routeLink({connectionCode(0, PortBottom), connectionCode(1, PortTop)}, blocks, 100, 50),
              path({{100, 250}, {100, 350}, {100, 350}}));
}

TEST(LinkRouting, LinksThatCannotBeDrawnAreSkipped)
{
    std::vector<Block> blocks = {blockWithPort(PortBottom, {200, 300}), blockWithPort(PortTop, {200, 400})};
    struct Case {
        const char* name;
        Link link;
    };
    const std::vector<Case> cases = {
        {"SourcePortAboveThree", {connectionCode(0, 4), connectionCode(1, 0)}},
        {"TargetPortAboveThree", {connectionCode(0, 2), connectionCode(1, 255)}},
        {"TargetBlockBeyondTheCount", {connectionCode(0, 2), connectionCode(2, 0)}},
        {"NegativeCode", {-1, connectionCode(1, 0)}},
        {"NegativeBlock", {connectionCode(0, 2), connectionCode(-3, 0)}},
        {"LargestCode", {INT32_MAX, connectionCode(1, 0)}},
    };
    for (const Case& c : cases)
        EXPECT_FALSE(routeLink(c.link, blocks, 0, 0)) << c.name;

    // Stored offsets that would take a port beyond 32 bits.
    blocks[0].portDy = INT32_MIN;
    blocks[0].y = INT32_MAX;
    EXPECT_FALSE(routeLink({connectionCode(0, 2), connectionCode(1, 0)}, blocks, 0, 0));
}

} // namespace
} // namespace corvix
