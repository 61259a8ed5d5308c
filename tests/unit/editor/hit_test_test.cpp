#include "editor/hit_test.h"
#include "view/zoom.h"

#include "support/block_builders.h"
#include "support/case_name.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace corvix {
namespace {

struct NearestCase {
    const char* name;
    std::vector<Block> blocks;
    int32_t x;
    int32_t y;
    int32_t expected;
};

void PrintTo(const NearestCase& c, std::ostream* os) { *os << c.name; }

class NearestBlock : public ::testing::TestWithParam<NearestCase> {};

TEST_P(NearestBlock, FindsTheBlockUnderThePoint)
{
    const NearestCase& c = GetParam();
    EditorState state;
    for (const Block& b : c.blocks)
        state.blocks[size_t(state.blockCount++)] = b;
    EXPECT_EQ(acha_bloco_mais_proximo(state, c.x, c.y), c.expected);
}

// An action 28 wide and 14 high at (400, 400): its text edge is at x = 414.
const Block kAction = testing::storedBlock(BlockKind::Action, 400, 400, 28, 14);
const Block kDecision = testing::storedBlock(BlockKind::Decision, 400, 400, 100, 20);

INSTANTIATE_TEST_SUITE_P(HitTest, NearestBlock, ::testing::Values(
    NearestCase{"NoBlocks", {}, 0, 0, -1},
    NearestCase{"OnTheCentre", {kAction}, 400, 400, 0},
    NearestCase{"TwentySixBeyondTheTextEdgeHits", {kAction}, 414 + 26, 400, 0},
    NearestCase{"TwentySevenBeyondTheTextEdgeMisses", {kAction}, 414 + 27, 400, -1},
    NearestCase{"TwentySixBelowHits", {kAction}, 400, 407 + 26, 0},
    NearestCase{"TwentySevenBelowMisses", {kAction}, 400, 407 + 27, -1},
    NearestCase{"DecisionWidenedBoxHitsAt86", {kDecision}, 400 - 86, 400, 0},
    NearestCase{"DecisionWidenedBoxMissesAt87", {kDecision}, 400 + 87, 400, -1},
    NearestCase{"TieGoesToTheLowerIndex",
                {testing::storedBlock(BlockKind::Action, 100, 0, 200, 0), testing::storedBlock(BlockKind::Action, 300, 0, 200, 0)}, 200, 0, 0},
    NearestCase{"TieGoesToTheLowerIndexWhateverItsPlace",
                {testing::storedBlock(BlockKind::Action, 300, 0, 200, 0), testing::storedBlock(BlockKind::Action, 100, 0, 200, 0)}, 200, 0, 0},
    // The small action is nearer by the measure and misses; the decision would have accepted.
    NearestCase{"OnlyTheNearestIsTested",
                {testing::storedBlock(BlockKind::Action, 180, 0, 0, 0), testing::storedBlock(BlockKind::Decision, 0, 0, 100, 100)}, 120, 0, -1},
    NearestCase{"FarCoordinatesFromAFileDoNotOverflow",
                {testing::storedBlock(BlockKind::Action, std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::min(), 0, 0)},
                -1000, 1000, -1}),
    testing::CaseName());

TEST(PontoProximo, PickRadiusIsStrict)
{
    EXPECT_TRUE(ponto_proximo(0, 0, 6, 0));
    EXPECT_FALSE(ponto_proximo(0, 0, 7, 0));
    EXPECT_FALSE(ponto_proximo(10, 10, 10, 3));
    EXPECT_TRUE(ponto_proximo(0, 0, 4, 5));   // sqrt(41)
    EXPECT_FALSE(ponto_proximo(0, 0, 5, 5));  // sqrt(50)
    EXPECT_FALSE(ponto_proximo(std::numeric_limits<int32_t>::min(), 0, std::numeric_limits<int32_t>::max(), 0));
}

TEST(ConnectionPoint, PortsInTheOrderOfTheKind)
{
    Block action = testing::storedBlock(BlockKind::Action, 100, 100, 28, 14);
    action.portDy = -27;
    EXPECT_EQ(acha_ponto_de_conexao(action, 100, 73).port, Port::Top);
    const PortHit bottom = acha_ponto_de_conexao(action, 102, 129);
    EXPECT_EQ(bottom.port, Port::Bottom);
    EXPECT_EQ(bottom.point, (Point{100, 127}));
    EXPECT_EQ(acha_ponto_de_conexao(action, 100, 100).port, std::nullopt);

    // Top and right ports 4 apart: a point near both reports the top one.
    Block decision = testing::storedBlock(BlockKind::Decision, 0, 0, 0, 0);
    decision.portDy = -3;
    decision.portDx = 3;
    EXPECT_EQ(acha_ponto_de_conexao(decision, 2, -2).port, Port::Top);
    EXPECT_EQ(acha_ponto_de_conexao(decision, -8, 1).port, Port::Left);

    Block gotoTarget = action;
    gotoTarget.kind = BlockKind::GotoTarget;
    EXPECT_EQ(acha_ponto_de_conexao(gotoTarget, 100, 73).port, std::nullopt);
    EXPECT_EQ(acha_ponto_de_conexao(gotoTarget, 100, 127).port, Port::Bottom);

    Block explanation = action;
    explanation.kind = BlockKind::Explanation;
    EXPECT_EQ(acha_ponto_de_conexao(explanation, 100, 73).port, std::nullopt);

    Block unknown = action;
    unknown.kind = kindFromCode(7);
    const PortHit unknownHit = acha_ponto_de_conexao(unknown, 100, 73);
    EXPECT_TRUE(unknownHit.badKind);
    EXPECT_EQ(unknownHit.port, std::nullopt);
}

TEST(CanvasToSheet, SingleSumRoundedHalfToEven)
{
    EXPECT_EQ(canvasToSheet(0, 0.5f, kActualSize), 0);
    EXPECT_EQ(canvasToSheet(0, 1.5f, kActualSize), 2);
    EXPECT_EQ(canvasToSheet(0, 2.5f, kActualSize), 2);
    EXPECT_EQ(canvasToSheet(10, -0.5f, kActualSize), 10);
    EXPECT_EQ(canvasToSheet(100, 20.4f, kActualSize), 120);
    // In single precision 1 + 0.49999997 is 1.5, which rounds to 2 (double would give 1).
    EXPECT_EQ(canvasToSheet(1, 0.49999997f, kActualSize), 2);
    EXPECT_EQ(canvasToSheet(0, std::nanf(""), kActualSize), 0);
    EXPECT_EQ(roundCanvas(3.5f), 4);
    EXPECT_EQ(roundCanvas(-3.5f), -4);
}

} // namespace
} // namespace corvix
