#include "render/block_geometry.h"
#include "render/render_pass.h"
#include "support/recording_target.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>

namespace corvix {
namespace {

using ::testing::ElementsAre;
using testing::boxOp;
using testing::lineOp;
using testing::Op;
using testing::printOp;
using testing::RecordedOp;
using testing::RecordingTarget;

constexpr const char* kNotice = "corvix - drawn with Corvix, the flowchart editor";  // 48 characters

class RenderPassTest : public ::testing::Test {
protected:
    RenderPassTest() { state.programNotice = kNotice; }

    void addBlock(BlockKind kind, int32_t x, int32_t y, std::string text)
    {
        sizeBlock(state.blocks[size_t(state.blockCount++)], kind, std::move(text), x, y, target);
    }

    void render(int32_t ox = 0, int32_t oy = 0)
    {
        target.ops.clear();
        pass.desenha_diagrama(target, state, ox, oy);
    }

    EditorState state;
    RecordingTarget target;  // cells of 7 x 14
    RenderPass pass;
};

TEST_F(RenderPassTest, EmptyDiagramDrawsFrameHeaderAndFooterOnly)
{
    render();
    EXPECT_THAT(target.ops,
                ElementsAre(RecordedOp{.op = Op::Cls}, boxOp(20, 30, 1168, 1507, colors::Black),
                            boxOp(26, 36, 1162, 1501, colors::Black),
                            RecordedOp{.op = Op::FontTransparent, .on = false},
                            RecordedOp{.op = Op::ForeColor, .color = colors::Black}, RecordedOp{.op = Op::CurrentX, .x1 = 20},
                            RecordedOp{.op = Op::CurrentY, .x1 = 10},
                            printOp("<--- NEW ---> ", 20, 10, colors::Black, false),
                            RecordedOp{.op = Op::CurrentX, .x1 = 1188 - 53 * 7},
                            RecordedOp{.op = Op::CurrentY, .x1 = 1537 - 28}, printOp(kNotice, 1188 - 53 * 7, 1509, colors::Black, false),
                            RecordedOp{.op = Op::FontTransparent, .on = true}));
}

TEST_F(RenderPassTest, OffsetAndPaperMoveFrameHeaderAndFooter)
{
    applyPaperType(state.paper, 1);
    render(100, 50);
    EXPECT_THAT(target.only(Op::Box), ElementsAre(boxOp(-80, -20, 1068, 1353, colors::Black),
                                                   boxOp(-74, -14, 1062, 1347, colors::Black)));
    const std::vector<RecordedOp> prints = target.only(Op::Print);
    ASSERT_EQ(prints.size(), 2u);
    EXPECT_EQ((Point{prints[0].x1, prints[0].y1}), (Point{-80, -40}));
    EXPECT_EQ((Point{prints[1].x1, prints[1].y1}), (Point{1188 - 53 * 7 - 100, 1433 - 28 - 50}));
}

TEST_F(RenderPassTest, HeaderNamesTheFileInItsOwnCodePage)
{
    state.fileName = "/home/zoë/plan.FXG";
    render();
    EXPECT_EQ(target.only(Op::Print).front().text, "File: /home/zo\xEB/plan.FXG");
}

TEST_F(RenderPassTest, BlocksThenLinksInIndexOrder)
{
    addBlock(BlockKind::Action, 200, 200, "one");
    addBlock(BlockKind::Action, 200, 400, "two");
    state.appendLink({connectionCode(0, Port::Bottom), connectionCode(1, Port::Top)});
    render();

    const std::vector<RecordedOp> prints = target.only(Op::Print);
    ASSERT_EQ(prints.size(), 4u);
    EXPECT_EQ(prints[0].text, "one");
    EXPECT_EQ(prints[1].text, "two");
    const std::vector<RecordedOp> shapes = target.shapes();
    ASSERT_EQ(shapes.size(), 2 + 2 * 12 + 2u);
    const Point bottom = portPoint(state.blocks[0], Port::Bottom);
    const Point top = portPoint(state.blocks[1], Port::Top);
    EXPECT_EQ(shapes[26], lineOp(bottom.x, bottom.y, bottom.x, top.y, colors::Black));
    EXPECT_EQ(shapes[27], lineOp(bottom.x, top.y, top.x, top.y, colors::Black));
}

struct HighlightCase {
    const char* name;
    int32_t selectedBlock;
    int32_t selectedLink;
    EditMode editMode;
    std::vector<Color> texts;  // of blocks 0 and 1
    std::vector<Color> links;  // of links 0 and 1 (first segments)
    Color stub;
};

TEST_F(RenderPassTest, SelectionAndMoveAllColours)
{
    addBlock(BlockKind::Action, 200, 200, "one");
    addBlock(BlockKind::Action, 200, 400, "two");
    addBlock(BlockKind::Action, 400, 400, "three");
    state.appendLink({connectionCode(0, Port::Bottom), connectionCode(1, Port::Top)});
    state.appendLink({connectionCode(0, Port::Bottom), connectionCode(2, Port::Top)});
    const Color black = colors::Black;
    const Color red = colors::Red;
    const Color yellow = colors::Yellow;
    const std::vector<HighlightCase> cases = {
        {"Nothing", -1, -1, EditMode::Idle, {black, black}, {black, black}, black},
        {"SelectedBlock", 1, -1, EditMode::Idle, {black, red}, {black, black}, black},
        {"SelectedLink", -1, 1, EditMode::Idle, {black, black}, {black, yellow}, black},
        {"MovingAll", -1, -1, EditMode::MovingAll, {red, red}, {yellow, yellow}, yellow},
        {"MovingBlockIsNotMovingAll", 0, -1, EditMode::MovingBlock, {red, black}, {black, black}, black},
    };
    for (const HighlightCase& c : cases) {
        state.selection = c.selectedBlock >= 0 ? Selection::ofBlock(c.selectedBlock) : Selection::ofLink(c.selectedLink);
        state.editMode = c.editMode;
        render();
        const std::vector<RecordedOp> prints = target.only(Op::Print);
        EXPECT_EQ(prints[0].color, c.texts[0]) << c.name;
        EXPECT_EQ(prints[1].color, c.texts[1]) << c.name;
        const std::vector<RecordedOp> shapes = target.shapes();
        // Two boxes, three blocks of twelve shapes, then two segments a link.
        EXPECT_EQ(shapes[2 + 8].color, c.stub) << c.name;
        EXPECT_EQ(shapes[2 + 36].color, c.links[0]) << c.name;
        EXPECT_EQ(shapes[2 + 38].color, c.links[1]) << c.name;
        const bool highlighted = c.texts[0] == red;
        EXPECT_EQ(shapes[2].color, highlighted ? yellow : colors::Cyan) << c.name;
    }
}

TEST_F(RenderPassTest, SeveralSelectedBlocksWithTheLinksBetweenThem)
{
    addBlock(BlockKind::Action, 200, 200, "one");
    addBlock(BlockKind::Action, 200, 400, "two");
    addBlock(BlockKind::Action, 400, 400, "three");
    state.appendLink({connectionCode(0, Port::Bottom), connectionCode(1, Port::Top)});
    state.appendLink({connectionCode(0, Port::Bottom), connectionCode(2, Port::Top)});
    Highlights highlights;
    highlights.several = {0, 1};
    pass.draw(target, state, highlights, 0, 0);

    const std::vector<RecordedOp> prints = target.only(Op::Print);
    EXPECT_EQ(prints[0].color, colors::Red);
    EXPECT_EQ(prints[1].color, colors::Red);
    EXPECT_EQ(prints[2].color, colors::Black);
    const std::vector<RecordedOp> shapes = target.shapes();
    EXPECT_EQ(shapes[2 + 8].color, colors::Black);  // stubs stay black
    EXPECT_EQ(shapes[2 + 36].color, colors::Yellow);
    EXPECT_EQ(shapes[2 + 38].color, colors::Black);
}

// An exported page must not depend on what the editor has selected or is moving.
TEST_F(RenderPassTest, FilePageIgnoresSelectionMoveAllAndView)
{
    addBlock(BlockKind::Action, 200, 200, "one");
    addBlock(BlockKind::Action, 200, 400, "two");
    state.appendLink({connectionCode(0, Port::Bottom), connectionCode(1, Port::Top)});
    render();
    const std::vector<RecordedOp> plain = target.ops;

    state.selection = Selection::ofBlocks({0, 1});  // both blocks and the link between them
    state.editMode = EditMode::MovingAll;
    target.ops.clear();
    RenderPass().drawFilePage(target, state);
    EXPECT_EQ(target.ops, plain);
}

TEST_F(RenderPassTest, LeavesTheSurfaceWithBlackTransparentText)
{
    addBlock(BlockKind::Explanation, 200, 200, "note");
    state.editMode = EditMode::MovingAll;
    render();
    EXPECT_EQ(target.only(Op::ForeColor).back().color, colors::Black);
    EXPECT_EQ(target.only(Op::DrawStyle).back().style, LineStyle::Solid);
    EXPECT_EQ(target.ops.back(), (RecordedOp{.op = Op::FontTransparent, .on = true}));
    // Block texts are drawn with the surface's transparency; only header and footer are boxed.
    EXPECT_TRUE(target.only(Op::Print).front().on);
}

TEST_F(RenderPassTest, ATwentyFiveLineTextIsDrawnWhole)
{
    std::string text;
    for (int k = 0; k < 25; ++k)
        text += "line " + std::to_string(k) + "\r\n";
    addBlock(BlockKind::Explanation, 400, 600, text);
    render();
    const std::vector<RecordedOp> prints = target.only(Op::Print);
    ASSERT_EQ(prints.size(), 25 + 2u);
    EXPECT_EQ(prints[24].text, "line 24");
    EXPECT_EQ(prints[24].y1, prints[0].y1 + 24 * 14);
    EXPECT_EQ(pass.textLines().capacity(), 32u);
}

TEST_F(RenderPassTest, UnknownKindIsDrawnAsTextAlone)
{
    addBlock(BlockKind::Action, 200, 200, "odd");
    state.blocks[0].kind = kindFromCode(6);
    render();
    EXPECT_EQ(target.shapes().size(), 2u);  // the page frame
    EXPECT_EQ(target.only(Op::Print).front().text, "odd");
}

TEST_F(RenderPassTest, LinksThatCannotBeDrawnAreSkippedAndTheRestGoesOn)
{
    addBlock(BlockKind::Action, 200, 200, "one");
    addBlock(BlockKind::Action, 200, 400, "two");
    state.appendLink({connectionCode(0, Port::Bottom), connectionCode(5, Port::Top)});
    state.appendLink({connectionCode(0, 7), connectionCode(1, Port::Top)});
    state.appendLink({connectionCode(0, Port::Bottom), connectionCode(1, Port::Top)});
    render();
    EXPECT_EQ(target.shapes().size(), 2 + 24 + 2u);
}

TEST_F(RenderPassTest, CountsBeyondTheTablesAreNotRead)
{
    state.blockCount = kBlockCapacity + 5;
    state.linkCount = -3;
    render();
    EXPECT_EQ(target.only(Op::Print).size(), size_t(kBlockCapacity) + 2);
}

TEST_F(RenderPassTest, GeometryBeyondThirtyTwoBitsIsNotDrawn)
{
    addBlock(BlockKind::Action, 200, 200, "one");
    addBlock(BlockKind::Action, 200, 400, "two");
    state.blocks[1].x = INT32_MAX;
    state.blocks[1].width = INT32_MAX - 1;
    state.blocks[1].portDx = INT32_MIN;
    state.appendLink({connectionCode(0, Port::Bottom), connectionCode(1, Port::Top)});
    state.appendLink({connectionCode(1, Port::Right), connectionCode(0, Port::Top)});
    render(-1000, 1000);
    EXPECT_EQ(target.only(Op::Print).size(), 1 + 2u);
    // The second link leaves from a right port that the huge offsets bring back near the
    // sheet, so it is drawn; the first would end beyond 32 bits.
    EXPECT_EQ(target.shapes().size(), 2 + 12 + 2u);
}

TEST_F(RenderPassTest, ExtremeStoredGeometryIsDrawnWithoutOverflow)
{
    // Every field at its extremes, linked every way; run under the sanitizers to see it.
    const int32_t extremes[] = {INT32_MIN, -1, 0, 1, INT32_MAX};
    for (int32_t v : extremes) {
        for (BlockKind kind : {BlockKind::Action, BlockKind::Decision, BlockKind::GotoJump, BlockKind::GotoTarget, BlockKind::Explanation}) {
            Block& b = state.blocks[size_t(state.blockCount++)];
            b = Block{kind, v, v / 3, v, v, "x\r\ny", v, ~v, 0};
        }
    }
    for (int32_t i = 0; i + 1 < state.blockCount; ++i) {
        for (int32_t port = 0; port < 4; ++port)
            state.appendLink({connectionCode(i, port), connectionCode(i + 1, (port + 2) % 4)});
    }
    for (int32_t offset : extremes) {
        target.setDrawableArea(SurfaceRect{0, 0, 687, 487});
        render(offset / 2, -(offset / 2));
        target.setDrawableArea(std::nullopt);
        render(offset / 2, offset / 2);
    }
    EXPECT_EQ(target.ops.back(), (RecordedOp{.op = Op::FontTransparent, .on = true}));
}

TEST_F(RenderPassTest, CullingSkipsOnlyWhatLiesWhollyOutsideTheArea)
{
    // The canvas shows sheet x 1000..1687 and y 500..987.
    addBlock(BlockKind::Action, 760, 600, "left, out");
    addBlock(BlockKind::Action, 1000, 600, "straddles the left edge");
    addBlock(BlockKind::Action, 1300, 700, "inside");
    addBlock(BlockKind::Action, 1300, 1400, "below, out");
    state.appendLink({connectionCode(0, Port::Bottom), connectionCode(3, Port::Top)});  // crosses the view
    state.appendLink({connectionCode(3, Port::Bottom), connectionCode(3, Port::Top)});  // below it
    target.setDrawableArea(SurfaceRect{0, 0, 687, 487});
    render(1000, 500);

    std::vector<std::string> texts;
    for (const RecordedOp& r : target.only(Op::Print))
        texts.push_back(r.text);
    EXPECT_THAT(texts, ElementsAre("straddles the left edge", "inside", "<--- NEW ---> ", kNotice));
    EXPECT_EQ(target.only(Op::Line).size(), 2 * 10 + 2u);
}

} // namespace
} // namespace corvix
