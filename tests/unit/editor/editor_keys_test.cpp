#include "editor_fixture.h"

#include "support/case_name.h"

#include <gtest/gtest.h>

namespace corvix {
namespace {

using testing::EditorTest;
using testing::ThreeBlocks;

constexpr int16_t kShift = 1;
constexpr int16_t kCtrlKey = 2;
constexpr int16_t kAlt = 4;

struct NavCase {
    const char* name;
    int16_t key;
    int16_t shift;
    int16_t startX;
    int16_t startY;
    int32_t expectedX;
    int32_t expectedY;
    bool consumed;
};

void PrintTo(const NavCase& c, std::ostream* os) { *os << c.name; }

class Navigation : public EditorTest, public ::testing::WithParamInterface<NavCase> {};

// The window is 700 x 500: the maxima are 500 across and 1049 down.
TEST_P(Navigation, MovesTheBarsWithinTheirBounds)
{
    const NavCase& c = GetParam();
    editor.viewport().setValue(ScrollAxis::Horizontal, c.startX);
    editor.viewport().setValue(ScrollAxis::Vertical, c.startY);

    int16_t key = c.key;
    editor.Form_KeyDown(key, KeyModifiers(c.shift));

    EXPECT_EQ(editor.viewport().viewOffsetX(), c.expectedX);
    EXPECT_EQ(editor.viewport().viewOffsetY(), c.expectedY);
    EXPECT_EQ(key, c.consumed ? 0 : c.key);
    EXPECT_EQ(editor.shiftDown(), c.shift == kShift);
}

INSTANTIATE_TEST_SUITE_P(Keys, Navigation, ::testing::Values(
    NavCase{"PageUpToTheTop", 33, 0, 100, 300, 100, 0, true},
    NavCase{"PageDownToTheBottom", 34, 0, 100, 300, 100, 1049, true},
    NavCase{"EndToTheRight", 35, 0, 100, 300, 500, 300, true},
    NavCase{"HomeToTheLeft", 36, 0, 100, 300, 0, 300, true},
    NavCase{"LeftOneLargeStep", 37, 0, 100, 300, 40, 300, true},
    NavCase{"LeftWithCtrlOneUnit", 37, kCtrlKey, 100, 300, 99, 300, true},
    NavCase{"LeftExactlyAStepFromTheStart", 37, 0, 60, 300, 0, 300, true},
    NavCase{"UpLessThanAStepFromTheTop", 38, 0, 100, 59, 100, 0, true},
    NavCase{"RightExactlyAStepFromTheEnd", 39, 0, 440, 300, 500, 300, true},
    NavCase{"RightWithCtrlOneUnit", 39, kCtrlKey, 440, 300, 441, 300, true},
    NavCase{"DownOneLargeStep", 40, 0, 100, 300, 100, 360, true},
    NavCase{"DownWithCtrlAtTheEndStays", 40, kCtrlKey, 100, 1049, 100, 1049, true},
    NavCase{"ShiftDoesNothing", 37, kShift, 100, 300, 100, 300, false},
    NavCase{"ShiftWithCtrlDoesNothing", 40, kShift | kCtrlKey, 100, 300, 100, 300, false},
    NavCase{"OtherKeysDoNothing", 65, 0, 100, 300, 100, 300, false}),
    testing::CaseName());

TEST_F(EditorTest, KeyUpFollowsShift)
{
    int16_t shiftKey = 16;
    editor.Form_KeyDown(shiftKey, kShiftHeld);
    EXPECT_TRUE(editor.shiftDown());
    editor.Form_KeyUp(16, kNoModifiers);
    EXPECT_FALSE(editor.shiftDown());
    editor.Form_KeyDown(shiftKey, kShiftHeld);
    editor.windowDeactivated();
    EXPECT_FALSE(editor.shiftDown());
}

// Held with Ctrl or Alt, Shift is part of a shortcut such as Ctrl+Shift+Z and must not
// start the pan, which switches the menus off.
TEST_F(EditorTest, ShiftCountsAsHeldOnlyWithoutCtrlAndAlt)
{
    const struct {
        int16_t shift;
        bool held;
    } cases[] = {{kShift, true}, {kShift | kCtrlKey, false}, {kShift | kAlt, false}, {kCtrlKey, false}};
    for (const auto& c : cases) {
        int16_t key = 90;
        editor.Form_KeyDown(key, KeyModifiers(c.shift));
        EXPECT_EQ(editor.shiftDown(), c.held) << "key down, shift " << c.shift;
        editor.Form_KeyUp(17, KeyModifiers(c.shift));  // Ctrl let go, or another key
        EXPECT_EQ(editor.shiftDown(), c.held) << "key up, shift " << c.shift;
    }
}

class DeleteKey : public ThreeBlocks {
protected:
    DeleteKey()
    {
        connect(kActionBottom, kLowerTop);    // link 0: block 0 -> block 2
        connect(kDecisionRight, kActionTop);  // link 1: block 1 -> block 0
        connect(kDecisionLeft, kLowerTop);    // link 2: block 1 -> block 2
        state.modified = false;
    }

    bool pressDelete()
    {
        int16_t key = 46;
        editor.Form_KeyDown(key, kNoModifiers);
        return key == 0;
    }
};

TEST_F(DeleteKey, WithNothingSelectedAsksNothing)
{
    const testing::Tables before = testing::snapshot(state);
    EXPECT_FALSE(pressDelete());
    EXPECT_TRUE(ui.questions.empty());
    EXPECT_EQ(testing::snapshot(state), before);
}

TEST_F(DeleteKey, NoKeepsTheBlockAndDoesNotAskAboutALink)
{
    press(200, 200);
    const testing::Tables before = testing::snapshot(state);
    ui.answers = {false};
    pressDelete();
    EXPECT_EQ(ui.questions, std::vector<std::string>{"Delete selected block?"});
    EXPECT_EQ(testing::snapshot(state), before);
    EXPECT_EQ(state.selectedBlock(), 1);
    EXPECT_FALSE(state.modified);
}

TEST_F(DeleteKey, BlockGoesWithItsLinksAndTheRestIsRenumbered)
{
    press(400, 200);
    ui.answers = {true};
    pressDelete();

    ASSERT_EQ(state.blockCount, 2);
    EXPECT_EQ(state.blocks[0].text, "== 1 ==?");
    EXPECT_EQ(state.blocks[1].text, "== 2 ==");
    ASSERT_EQ(state.linkCount, 1);
    EXPECT_EQ(state.links[0], (Link{connectionCode(0, Port::Left), connectionCode(1, Port::Top)}));
    EXPECT_TRUE(state.modified);
    EXPECT_EQ(state.selectedBlock(), -1);
    EXPECT_EQ(state.editMode, EditMode::Idle);
}

TEST_F(DeleteKey, LastBlockMovesNothing)
{
    press(400, 400);
    ui.answers = {true};
    pressDelete();
    ASSERT_EQ(state.blockCount, 2);
    ASSERT_EQ(state.linkCount, 1);
    EXPECT_EQ(state.links[0], (Link{connectionCode(1, Port::Right), connectionCode(0, Port::Top)}));
}

TEST_F(DeleteKey, LinkKeepsTheOrderOfTheOthersAndLeavesTheMenusAlone)
{
    press(kActionTop.x, kActionTop.y);
    ASSERT_EQ(state.selectedLink(), 1);
    ui.mainMenusEnabled.clear();
    ui.answers = {true};
    pressDelete();

    EXPECT_EQ(ui.questions, std::vector<std::string>{"Delete selected link?"});
    ASSERT_EQ(state.linkCount, 2);
    EXPECT_EQ(state.links[0], (Link{connectionCode(0, Port::Bottom), connectionCode(2, Port::Top)}));
    EXPECT_EQ(state.links[1], (Link{connectionCode(1, Port::Left), connectionCode(2, Port::Top)}));
    EXPECT_TRUE(state.modified);
    EXPECT_EQ(state.selectedLink(), -1);
    EXPECT_TRUE(ui.mainMenusEnabled.empty());
}

TEST_F(DeleteKey, NoKeepsTheLink)
{
    press(kActionTop.x, kActionTop.y);
    ui.answers = {false};
    pressDelete();
    EXPECT_EQ(state.linkCount, 3);
    EXPECT_EQ(state.selectedLink(), 1);
    EXPECT_FALSE(state.modified);
}

TEST_F(DeleteKey, MenuItemSwitchesTheMenusAround)
{
    press(kActionTop.x, kActionTop.y);
    ui.mainMenusEnabled.clear();
    ui.answers = {true};
    editor.mapagabloco_Click();
    EXPECT_EQ(state.linkCount, 2);
    EXPECT_EQ(ui.mainMenusEnabled, (std::vector<bool>{false, true}));
}

class SwapKeys : public ThreeBlocks, public ::testing::WithParamInterface<char> {};

TEST_P(SwapKeys, SwapTheBranchesOfASelectedDecision)
{
    press(200, 200);
    editor.Form_KeyPress(GetParam());
    EXPECT_EQ(state.blocks[1].kind, BlockKind::DecisionSwapped);
    EXPECT_TRUE(state.modified);
    editor.Form_KeyPress(GetParam());
    EXPECT_EQ(state.blocks[1].kind, BlockKind::Decision);
    EXPECT_TRUE(state.modified);
    EXPECT_EQ(state.blocks[1].text, "== 1 ==?");
}

INSTANTIATE_TEST_SUITE_P(Keys, SwapKeys, ::testing::Values('T', 't', 'I', 'i'));

TEST_F(ThreeBlocks, SwapKeyIgnoresOtherKindsAndNoSelection)
{
    press(400, 200);
    editor.Form_KeyPress('t');
    EXPECT_EQ(state.blocks[0].kind, BlockKind::Action);
    press(900, 900);
    editor.Form_KeyPress('T');
    EXPECT_FALSE(state.modified);
}

TEST_F(ThreeBlocks, EscAbandonsAConnection)
{
    press(kActionTop.x, kActionTop.y);
    ASSERT_EQ(state.editMode, EditMode::Connecting);
    const int refreshes = ui.canvasRefreshes;

    editor.Form_KeyPress(27);

    EXPECT_EQ(state.editMode, EditMode::Idle);
    EXPECT_EQ(state.selectedBlock(), -1);
    EXPECT_TRUE(ui.menusEnabled());
    EXPECT_EQ(ui.currentPointer(), Pointer::Default);
    EXPECT_EQ(ui.canvasRefreshes, refreshes + 1);
    EXPECT_EQ(state.linkCount, 0);
}

TEST_F(EditorTest, EscClosesTheKindPanel)
{
    editor.minserebloco_Click();
    editor.Form_KeyPress(27);
    EXPECT_EQ(ui.kindPanelVisible, (std::vector<bool>{true, false}));
    EXPECT_FALSE(editor.kindPanelVisible());
    EXPECT_TRUE(ui.menusEnabled());
}

} // namespace
} // namespace corvix
