#include "layout/arrange.h"

#include "model/block_roles.h"
#include "render/link_drawing.h"
#include "render/render_pass.h"
#include "render/shape_extent.h"
#include "support/block_builders.h"
#include "support/case_name.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace corvix {
namespace {

using testing::storedBlock;

constexpr BlockKind A = BlockKind::Action;
constexpr BlockKind D = BlockKind::Decision;
constexpr BlockKind J = BlockKind::GotoJump;
constexpr BlockKind T = BlockKind::GotoTarget;
constexpr BlockKind E = BlockKind::Explanation;
constexpr Port L = Port::Left;
constexpr Port B = Port::Bottom;
constexpr Port R = Port::Right;

struct Joined {
    int32_t from;
    Port port;
    int32_t to;
};

// Blocks a text of 10 characters wide, one line high, scattered over the page's top.
EditorState drawing(const std::vector<BlockKind>& kinds, const std::vector<Joined>& links)
{
    EditorState state;
    for (size_t i = 0; i < kinds.size(); ++i) {
        const int32_t x = 104 + int32_t((i * 392) % 960);
        const int32_t y = 104 + int32_t((i * 136) % 1200);
        state.blocks[size_t(state.blockCount++)] = storedBlock(kinds[i], x, y, 70, 12, "some words");
    }
    for (const Joined& j : links)
        state.appendLink({connectionCode(j.from, j.port), connectionCode(j.to, Port::Top)});
    return state;
}

void apply(EditorState& state, const layout::Arrangement& arrangement)
{
    for (const layout::BlockCentre& c : arrangement.centres) {
        state.blocks[size_t(c.block)].x = c.x;
        state.blocks[size_t(c.block)].y = c.y;
    }
}

Extent shapeOf(const EditorState& state, int32_t block)
{
    return *blockShapeExtent(state.blocks[size_t(block)]);
}

// The outline the router must keep clear of: the frame, and a decision's side points.
Extent outlineOf(const Block& b)
{
    const int64_t side = isDecisionKind(b.kind) ? b.height / 2 + 4 : 0;
    return {b.x - b.width / 2 - 4 - side, b.y - b.height / 2 - 4, b.x + b.width / 2 + 4 + side, b.y + b.height / 2 + 4};
}

bool segmentCrosses(Point p, Point q, const Extent& box)
{
    const int64_t left = std::min(p.x, q.x), right = std::max(p.x, q.x);
    const int64_t top = std::min(p.y, q.y), bottom = std::max(p.y, q.y);
    return left < box.right && right > box.left && top < box.bottom && bottom > box.top;
}

int32_t linksThroughBlocks(const EditorState& state)
{
    int32_t count = 0;
    for (int32_t k = 0; k < state.linkCount; ++k) {
        const Link& link = state.links[size_t(k)];
        const LinkPath path = *routeLink(link, state.blocksInUse(), 0, 0);
        bool through = false;
        for (int32_t b = 0; b < state.blockCount; ++b) {
            if (b == codeBlock(link.source) || b == codeBlock(link.target))
                continue;
            for (int32_t s = 0; s + 1 < path.count; ++s)
                through = through || segmentCrosses(path.points[size_t(s)], path.points[size_t(s + 1)], outlineOf(state.blocks[size_t(b)]));
        }
        count += through;
    }
    return count;
}

// The rules every arranged drawing keeps, whatever its flow.
void expectArrangedCleanly(const EditorState& state)
{
    const SurfaceRect inner = pageFrame(state.paper).inner;
    for (int32_t i = 0; i < state.blockCount; ++i) {
        const Extent a = shapeOf(state, i);
        EXPECT_EQ(state.blocks[size_t(i)].x % 8, 0) << "block " << i;
        EXPECT_EQ(state.blocks[size_t(i)].y % 8, 0) << "block " << i;
        EXPECT_TRUE(a.left > inner.left && a.top > inner.top && a.right < inner.right && a.bottom < inner.bottom) << "block " << i;
        for (int32_t k = i + 1; k < state.blockCount; ++k) {
            const Extent b = shapeOf(state, k);
            const bool apart = a.right + 16 < b.left || b.right + 16 < a.left || a.bottom + 16 < b.top || b.bottom + 16 < a.top;
            EXPECT_TRUE(apart) << "blocks " << i << " and " << k;
        }
    }
}

struct FlowCase {
    std::string name;
    std::vector<BlockKind> kinds;
    std::vector<Joined> links;
    std::vector<int32_t> backLinks;  // link numbers that close a loop
    int32_t linksThrough = 0;        // links whose route may pass through another block
};

void PrintTo(const FlowCase& c, std::ostream* out)
{
    *out << c.name;
}

class ArrangeFlow : public ::testing::TestWithParam<FlowCase> {};

TEST_P(ArrangeFlow, KeepsEveryRule)
{
    const FlowCase& c = GetParam();
    EditorState state = drawing(c.kinds, c.links);
    const EditorState before = state;
    const layout::Arrangement arrangement = layout::arrangeBlocks(state);
    ASSERT_TRUE(arrangement.arranged) << englishText(arrangement.refusal);
    ASSERT_EQ(arrangement.centres.size(), c.kinds.size());
    apply(state, arrangement);

    expectArrangedCleanly(state);
    for (int32_t i = 0; i < state.blockCount; ++i) {
        Block moved = before.blocks[size_t(i)];
        moved.x = state.blocks[size_t(i)].x;
        moved.y = state.blocks[size_t(i)].y;
        EXPECT_EQ(moved, state.blocks[size_t(i)]) << "only the centre of block " << i << " changes";
    }
    EXPECT_EQ(state.linkCount, before.linkCount);
    std::vector<int32_t> inDegree(c.kinds.size(), 0);
    for (const Joined& j : c.links)
        ++inDegree[size_t(j.to)];
    for (size_t k = 0; k < c.links.size(); ++k) {
        const Joined& j = c.links[k];
        const Block& from = state.blocks[size_t(j.from)];
        const Block& to = state.blocks[size_t(j.to)];
        const bool back = std::count(c.backLinks.begin(), c.backLinks.end(), int32_t(k)) > 0;
        if (!back) {
            EXPECT_GT(portPoint(to, Port::Top).y, portPoint(from, j.port).y) << "link " << k << " runs down";
        }
        if (j.port == L) {
            EXPECT_LE(to.x, from.x) << "link " << k << " leaves on the left";
        }
        if (j.port == R) {
            EXPECT_GE(to.x, from.x) << "link " << k << " leaves on the right";
        }
        if (j.port == B && !back && inDegree[size_t(j.to)] == 1) {
            EXPECT_EQ(to.x, from.x) << "link " << k << " is straight";
        }
    }
    EXPECT_LE(linksThroughBlocks(state), c.linksThrough);
}

INSTANTIATE_TEST_SUITE_P(
    Flowcharts, ArrangeFlow,
    ::testing::Values(
        FlowCase{"Sequence", {A, A, A, A}, {{0, B, 1}, {1, B, 2}, {2, B, 3}}, {}},
        FlowCase{"IfElse", {A, D, A, A, A}, {{0, B, 1}, {1, L, 2}, {1, R, 3}, {2, B, 4}, {3, B, 4}}, {}},
        FlowCase{"IfWithoutElse", {D, A, A}, {{0, L, 1}, {0, R, 2}, {1, B, 2}}, {}},
        FlowCase{"While", {A, D, A, A, A}, {{0, B, 1}, {1, L, 2}, {2, B, 3}, {3, B, 1}, {1, R, 4}}, {3}},
        FlowCase{"IfInsideWhile",
                 {A, D, D, A, A, A, A},
                 {{0, B, 1}, {1, L, 2}, {2, L, 3}, {2, R, 4}, {3, B, 5}, {4, B, 5}, {5, B, 1}, {1, R, 6}},
                 {6},
                 1},
        FlowCase{"GotoPiece", {A, A, J, T, A, A}, {{0, B, 1}, {1, B, 2}, {3, B, 4}, {4, B, 5}}, {}}),
    testing::CaseName{});

TEST(Arrange, PutsAGotoPieceInAColumnOfItsOwnWithItsTargetOnTop)
{
    EditorState state = drawing({A, A, J, T, A}, {{0, B, 1}, {1, B, 2}, {3, B, 4}});
    apply(state, layout::arrangeBlocks(state));
    const Extent main = shapeOf(state, 0).include(shapeOf(state, 1)).include(shapeOf(state, 2));
    const Extent piece = shapeOf(state, 3).include(shapeOf(state, 4));
    EXPECT_TRUE(piece.left > main.right || piece.right < main.left);
    EXPECT_LT(state.blocks[3].y, state.blocks[4].y);
}

TEST(Arrange, ExplanationStaysUnlessItOverlapsThenMovesNearby)
{
    EditorState state = drawing({A, A, E}, {{0, B, 1}});
    state.blocks[2].x = 1000;
    state.blocks[2].y = 1200;
    apply(state, layout::arrangeBlocks(state));
    EXPECT_EQ(state.blocks[2].x, 1000);
    EXPECT_EQ(state.blocks[2].y, 1200);

    state.blocks[2].x = state.blocks[0].x;
    state.blocks[2].y = state.blocks[0].y;
    const EditorState before = state;
    apply(state, layout::arrangeBlocks(state));
    expectArrangedCleanly(state);
    EXPECT_LT(std::abs(state.blocks[2].x - before.blocks[2].x) + std::abs(state.blocks[2].y - before.blocks[2].y), 200);
}

TEST(Arrange, ASelectionIsLaidOutClearOfTheRestWhichStays)
{
    // Blocks 0-2 are the flow already on the page; 3-5 a chain in a heap among them.
    EditorState state = drawing({A, A, A, A, A, A}, {{0, B, 1}, {1, B, 2}, {3, B, 4}, {4, B, 5}});
    apply(state, layout::arrangeBlocks(state, std::vector<int32_t>{0, 1, 2}));
    for (int32_t i = 3; i < 6; ++i) {
        state.blocks[size_t(i)].x = state.blocks[1].x + 8 * i;
        state.blocks[size_t(i)].y = state.blocks[1].y;
    }
    const EditorState before = state;
    const layout::Arrangement arrangement = layout::arrangeBlocks(state, std::vector<int32_t>{3, 4, 5});
    ASSERT_TRUE(arrangement.arranged);
    ASSERT_EQ(arrangement.centres.size(), 3u);
    EXPECT_EQ(arrangement.centres[0].block, 3);
    apply(state, arrangement);
    expectArrangedCleanly(state);
    for (int32_t i = 0; i < 3; ++i)
        EXPECT_EQ(state.blocks[size_t(i)], before.blocks[size_t(i)]);
    EXPECT_EQ(state.blocks[4].x, state.blocks[3].x);
    EXPECT_EQ(state.blocks[5].x, state.blocks[3].x);
}

TEST(Arrange, WrapsAFlowTooTallForThePageIntoColumns)
{
    std::vector<Joined> chain;
    for (int32_t i = 0; i + 1 < 40; ++i)
        chain.push_back({i, B, i + 1});
    EditorState state = drawing(std::vector<BlockKind>(40, A), chain);
    const layout::Arrangement arrangement = layout::arrangeBlocks(state);
    ASSERT_TRUE(arrangement.arranged) << englishText(arrangement.refusal);
    apply(state, arrangement);
    expectArrangedCleanly(state);
    EXPECT_EQ(linksThroughBlocks(state), 0);
    int32_t upward = 0;
    for (int32_t i = 0; i + 1 < 40; ++i)
        upward += state.blocks[size_t(i + 1)].y < state.blocks[size_t(i)].y;
    EXPECT_EQ(upward, 1);
}

// A loop of count actions under a decision, each width units wide.
EditorState loopOfActions(int32_t count, int32_t width)
{
    std::vector<Joined> loop{{0, L, 1}};
    for (int32_t i = 1; i + 1 < count; ++i)
        loop.push_back({i, B, i + 1});
    loop.push_back({count - 1, B, 0});
    std::vector<BlockKind> kinds(size_t(count), A);
    kinds[0] = D;
    EditorState state = drawing(kinds, loop);
    for (int32_t i = 1; i < count; ++i)
        state.blocks[size_t(i)].width = width;
    return state;
}

// A loop too tall for the page has no cut that one link crosses: it is cut where fewest
// links cross, and its columns still lie clear of each other on the page.
TEST(Arrange, CutsALoopTallerThanThePageIntoColumns)
{
    EditorState state = loopOfActions(40, 70);
    const layout::Arrangement arrangement = layout::arrangeBlocks(state);
    ASSERT_TRUE(arrangement.arranged) << englishText(arrangement.refusal);
    apply(state, arrangement);
    expectArrangedCleanly(state);
}

TEST(Arrange, RefusesADrawingThatCannotLieOnOnePage)
{
    // Forty blocks too wide for two columns side by side and too many for one; four
    // hundred cover more than the page.
    for (const auto& [count, width] : {std::pair{40, 700}, std::pair{400, 70}}) {
        const EditorState state = loopOfActions(count, width);
        const layout::Arrangement arrangement = layout::arrangeBlocks(state);
        EXPECT_FALSE(arrangement.arranged) << count;
        EXPECT_TRUE(arrangement.centres.empty());
        EXPECT_EQ(englishText(arrangement.refusal), "The drawing is too large to arrange on one page.");
    }
}

} // namespace
} // namespace corvix
