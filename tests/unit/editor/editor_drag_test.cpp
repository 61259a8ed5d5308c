#include "editor_fixture.h"

#include "support/case_name.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvix {
namespace {

using testing::boxOp;
using testing::RecordedOp;
using testing::snapshot;
using testing::styleOp;
using testing::Tables;
using testing::xorOp;

constexpr int32_t kDragDistance = 10;

// The three blocks, no step to undo, and the desktop's drag distance at 10 canvas units.
class Drag : public testing::ThreeBlocks {
protected:
    Drag()
    {
        editor.setDragDistance(kDragDistance);
        editor.undoHistory().clear();
    }

    std::vector<int32_t> selected() const { return editor.selection().blocks(); }
    Point centre(int32_t block) const { return {state.blocks[size_t(block)].x, state.blocks[size_t(block)].y}; }
};

struct GestureCase {
    const char* name;
    Point from;
    Point to;
    KeyModifiers modifiers;
    EditMode mode;                  // after the release
    std::vector<int32_t> selected;
    int32_t links;
    Point firstBlock;               // the centre of block 0
    size_t steps;                   // in the undo history
};

void PrintTo(const GestureCase& c, std::ostream* os) { *os << c.name; }

class Gesture : public Drag, public ::testing::WithParamInterface<GestureCase> {};

TEST_P(Gesture, LeavesModeSelectionAndTables)
{
    const GestureCase& c = GetParam();
    drag(c.from, c.to, c.modifiers);

    EXPECT_EQ(state.editMode, c.mode);
    EXPECT_EQ(selected(), c.selected);
    EXPECT_EQ(state.linkCount, c.links);
    EXPECT_EQ(centre(0), c.firstBlock);
    EXPECT_EQ(editor.undoHistory().undoSteps(), c.steps);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ui.menusEnabled(), c.mode == EditMode::Idle);
}

// Block 0, an action, spans 372..428 x 173..227 with its ports; block 1, a decision,
// 141..259 x 172..211; block 2 lies below both.
INSTANTIATE_TEST_SUITE_P(Mouse, Gesture, ::testing::Values(
    GestureCase{"Click", {400, 200}, {400, 200}, {}, EditMode::Idle, {0}, 0, {400, 200}, 0},
    GestureCase{"AsFarAsTheDragDistance", {400, 200}, {405, 205}, {}, EditMode::Idle, {0}, 0, {400, 200}, 0},
    GestureCase{"BeyondTheDragDistanceMovesTheBlockSnapped", {400, 200}, {437, 260}, {}, EditMode::Idle, {0}, 0,
                {440, 264}, 1},
    GestureCase{"PortToPortLinks", {141, 200}, {400, 173}, {}, EditMode::Idle, {}, 1, {400, 200}, 1},
    GestureCase{"PortToNowhereKeepsWaiting", {141, 200}, {300, 300}, {}, EditMode::Connecting, {1}, 0, {400, 200}, 0},
    GestureCase{"BoxAroundTwoBlocks", {100, 100}, {500, 300}, {}, EditMode::Idle, {0, 1}, 0, {400, 200}, 0},
    GestureCase{"BoxDrawnUpward", {500, 300}, {100, 100}, {}, EditMode::Idle, {0, 1}, 0, {400, 200}, 0},
    GestureCase{"BoxCuttingABlockLeavesItOut", {100, 100}, {420, 300}, {}, EditMode::Idle, {1}, 0, {400, 200}, 0},
    GestureCase{"ShiftDragFromEmptySheetSelectsNothing", {100, 100}, {500, 300}, kShiftHeld, EditMode::Idle, {}, 0,
                {400, 200}, 0},
    GestureCase{"ShiftDragOnABlockMovesNothing", {400, 200}, {437, 260}, kShiftHeld, EditMode::Idle, {0}, 0,
                {400, 200}, 0}),
    testing::CaseName());

TEST_F(Drag, SeveralSelectedMoveTogetherAsOneStep)
{
    drag({100, 100}, {500, 300});
    const Tables before = snapshot(state);
    ASSERT_EQ(selected(), (std::vector<int32_t>{0, 1}));

    press(200, 200);
    moveHeld({237, 260});
    EXPECT_EQ(state.editMode, EditMode::MovingBlock);  // drawn as a picked-up block is
    EXPECT_EQ(ui.currentPointer(), Pointer::SizeAll);
    release({237, 260});

    EXPECT_EQ(centre(0), (Point{440, 264}));
    EXPECT_EQ(centre(1), (Point{240, 264}));
    EXPECT_EQ(centre(2), (Point{400, 400}));
    EXPECT_EQ(selected(), (std::vector<int32_t>{0, 1}));
    EXPECT_TRUE(state.modified);
    EXPECT_EQ(ui.currentPointer(), Pointer::Default);
    ASSERT_EQ(editor.undoHistory().undoSteps(), 1u);
    editor.undo();
    EXPECT_EQ(snapshot(state), before);
}

// A click does what a press does today: it selects the block alone.
TEST_F(Drag, ClickOnOneOfSeveralSelectsItAlone)
{
    drag({100, 100}, {500, 300});
    press(200, 200);
    EXPECT_EQ(selected(), (std::vector<int32_t>{0, 1}));  // a drag may still follow
    release({200, 200});
    EXPECT_EQ(selected(), (std::vector<int32_t>{1}));
    EXPECT_EQ(state.selectedBlock, 1);
}

TEST_F(Drag, CtrlClickAddsABlockOrTakesItOut)
{
    const auto ctrlClick = [&](Point p) { drag(p, p, kCtrlHeld); };
    press(kActionTop.x, kActionTop.y);  // a free port: a connection waits
    press(900, 900);
    ctrlClick({400, 200});
    ctrlClick({400, 400});
    EXPECT_EQ(selected(), (std::vector<int32_t>{0, 2}));
    EXPECT_EQ(state.selectedBlock, -1);
    ctrlClick({400, 200});
    EXPECT_EQ(selected(), (std::vector<int32_t>{2}));
    EXPECT_EQ(state.selectedBlock, 2);  // one selected block is the drawing's own selection
}

// Away from a block's body Ctrl changes nothing: the press does what a plain one does.
TEST_F(Drag, CtrlClickOnAPortOrEmptySheetIsAPlainClick)
{
    connect(kActionBottom, kLowerTop);  // link 0
    const struct {
        const char* name;
        Point at;
        EditMode mode;
        int32_t selectedBlock;
        int32_t selectedLink;
    } cases[] = {
        {"free entry starts a link", kDecisionTop, EditMode::Connecting, 1, -1},
        {"free exit starts a link", kDecisionLeft, EditMode::Connecting, 1, -1},
        {"used exit selects its link", kActionBottom, EditMode::Idle, -1, 0},
        {"used entry selects its link", kLowerTop, EditMode::Idle, -1, 0},
        {"empty sheet clears the selection", {900, 900}, EditMode::Idle, -1, -1},
    };
    for (const auto& c : cases) {
        editor.cancelOperation();
        drag({400, 200}, {400, 200}, kCtrlHeld);
        drag({400, 400}, {400, 400}, kCtrlHeld);
        ASSERT_EQ(selected(), (std::vector<int32_t>{0, 2})) << c.name;
        const int refreshes = ui.canvasRefreshes;

        drag(c.at, c.at, kCtrlHeld);

        EXPECT_EQ(state.editMode, c.mode) << c.name;
        EXPECT_EQ(state.selectedBlock, c.selectedBlock) << c.name;
        EXPECT_EQ(state.selectedLink, c.selectedLink) << c.name;
        EXPECT_FALSE(editor.selection().several()) << c.name;
        EXPECT_GT(ui.canvasRefreshes, refreshes) << c.name;
    }
    EXPECT_EQ(state.linkCount, 1);
}

TEST_F(Drag, CtrlBoxAddsToTheSelection)
{
    drag({400, 400}, {400, 400});
    drag({100, 100}, {300, 300}, kCtrlHeld);
    EXPECT_EQ(selected(), (std::vector<int32_t>{1, 2}));
}

TEST_F(Drag, EscapeDuringADragPutsItBack)
{
    const Tables before = snapshot(state);
    press(400, 200);
    moveHeld({437, 260});
    editor.Form_KeyPress(keys::Esc);
    release({437, 260});

    EXPECT_EQ(snapshot(state), before);
    EXPECT_EQ(state.editMode, EditMode::Idle);
    EXPECT_TRUE(ui.menusEnabled());
    EXPECT_TRUE(selected().empty());
    EXPECT_EQ(editor.undoHistory().undoSteps(), 0u);
}

// The button went up outside the canvas's sight: the next move finds it up.
TEST_F(Drag, AReleaseNeverSeenAbandonsTheDrag)
{
    const Tables before = snapshot(state);
    press(400, 200);
    moveHeld({437, 260});
    editor.Diagrama_MouseMove(MouseButton::None, kNoModifiers, 450, 270);
    release({450, 270});

    EXPECT_EQ(snapshot(state), before);
    EXPECT_EQ(state.editMode, EditMode::Idle);
    EXPECT_TRUE(ui.menusEnabled());
    EXPECT_EQ(selected(), (std::vector<int32_t>{0}));
}

TEST_F(Drag, OtherPressesDuringADragDoNothing)
{
    press(400, 200);
    moveHeld({437, 260});
    press(600, 600, testing::kRight);
    release({437, 260});
    EXPECT_EQ(centre(0), (Point{440, 264}));
}

TEST_F(Drag, SelectionBoxIsADottedExclusiveOrBox)
{
    press(100, 100);
    moveHeld({300, 250});
    canvas.ops.clear();
    moveHeld({320, 260});
    const std::vector<RecordedOp> expected = {
        styleOp(LineStyle::Dot),
        xorOp(true),
        boxOp(300, 250, 100, 100, colors::White),
        boxOp(320, 260, 100, 100, colors::White),
        styleOp(LineStyle::Solid),
        xorOp(false),
    };
    EXPECT_EQ(canvas.ops, expected);

    release({320, 260});
    canvas.ops.clear();
    moveHeld({330, 270});
    EXPECT_TRUE(canvas.ops.empty());
}

TEST_F(Drag, DeletingSeveralAsksWithTheirNumber)
{
    connect(kDecisionLeft, kActionTop);
    connect(kActionBottom, kLowerTop);
    drag({100, 100}, {500, 300});

    ui.answers = {false};
    int16_t key = keys::Delete;
    editor.Form_KeyDown(key, kNoModifiers);
    EXPECT_EQ(ui.questions, (std::vector<std::string>{"Delete 2 selected blocks?"}));
    EXPECT_EQ(state.blockCount, 3);
    EXPECT_EQ(selected(), (std::vector<int32_t>{0, 1}));

    ui.answers = {true};
    editor.mapagabloco_Click();
    EXPECT_EQ(state.blockCount, 1);
    EXPECT_EQ(state.blocks[0].y, 400);
    EXPECT_EQ(state.linkCount, 0);
    EXPECT_TRUE(selected().empty());
}

TEST_F(Drag, SelectAllAndTheDeleteItem)
{
    editor.selectAll();
    EXPECT_EQ(selected(), (std::vector<int32_t>{0, 1, 2}));
    editor.Timer1_Timer();
    EXPECT_TRUE(ui.commandStates.back().deleteItem);
    editor.Form_KeyPress(keys::Esc);
    EXPECT_TRUE(selected().empty());
}

} // namespace
} // namespace corvix
