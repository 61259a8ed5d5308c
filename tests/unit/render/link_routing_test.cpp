#include "render/link_drawing.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace corvix {
namespace {

// A block whose port `port` lies at p: every port 20 units from the centre, and the
// text width given (the detour steps aside by half of it).
Block blockWithPort(Port port, Point p, int32_t width = 40)
{
    Block b;
    b.kind = BlockKind::Decision;
    b.width = width;
    b.portDy = -20;
    b.portDx = 20;
    b.x = p.x;
    b.y = p.y;
    switch (port) {
    case Port::Top:
        b.y = p.y + 20;
        break;
    case Port::Right:
        b.x = p.x - 20;
        break;
    case Port::Bottom:
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
    Port sourcePort;
    Point from;
    Port targetPort;
    Point to;
    LinkPath expected;
};

TEST(LinkRouting, PathByPortsAndPositions)
{
    const std::vector<RouteCase> cases = {
        {"BottomDownIsVerticalFirst", Port::Bottom, {200, 300}, Port::Top, {200, 400},
         path({{200, 300}, {200, 400}, {200, 400}})},
        {"BottomUpDetoursRightOfAnEntryOnTheLeft", Port::Bottom, {200, 300}, Port::Top, {120, 100},
         path({{200, 300}, {250, 300}, {250, 100}, {120, 100}})},
        {"BottomUpDetoursLeftOfAnEntryStraightAbove", Port::Bottom, {200, 300}, Port::Top, {200, 100},
         path({{200, 300}, {150, 300}, {150, 100}, {200, 100}})},
        {"BottomAtEqualHeightIsVerticalFirst", Port::Bottom, {200, 300}, Port::Top, {260, 300},
         path({{200, 300}, {200, 300}, {260, 300}})},
        {"RightToAnEntryFurtherOutIsHorizontalFirst", Port::Right, {300, 200}, Port::Top, {400, 260},
         path({{300, 200}, {400, 200}, {400, 260}})},
        {"RightToAnEntryBackInIsVerticalFirst", Port::Right, {300, 200}, Port::Top, {250, 260},
         path({{300, 200}, {300, 260}, {250, 260}})},
        {"RightUpIsVerticalFirst", Port::Right, {300, 200}, Port::Top, {400, 100},
         path({{300, 200}, {300, 100}, {400, 100}})},
        {"LeftToAnEntryFurtherOutIsHorizontalFirst", Port::Left, {100, 200}, Port::Top, {40, 260},
         path({{100, 200}, {40, 200}, {40, 260}})},
        {"LeftToAnEntryBackInIsVerticalFirst", Port::Left, {100, 200}, Port::Top, {160, 260},
         path({{100, 200}, {100, 260}, {160, 260}})},
        {"TopDownIsHorizontalFirst", Port::Top, {100, 200}, Port::Top, {40, 260},
         path({{100, 200}, {40, 200}, {40, 260}})},
        {"TopUpIsVerticalFirst", Port::Top, {100, 200}, Port::Top, {40, 100},
         path({{100, 200}, {100, 100}, {40, 100}})},
        {"TargetPortNotZeroIsOneStraightSegment", Port::Bottom, {200, 300}, Port::Bottom, {150, 500},
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
    const std::vector<Block> blocks = {blockWithPort(Port::Bottom, {200, 300}), blockWithPort(Port::Top, {200, 400})};
    EXPECT_EQ(routeLink({connectionCode(0, Port::Bottom), connectionCode(1, Port::Top)}, blocks, 100, 50),
              path({{100, 250}, {100, 350}, {100, 350}}));
}

TEST(LinkRouting, LinksThatCannotBeDrawnAreSkipped)
{
    std::vector<Block> blocks = {blockWithPort(Port::Bottom, {200, 300}), blockWithPort(Port::Top, {200, 400})};
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
