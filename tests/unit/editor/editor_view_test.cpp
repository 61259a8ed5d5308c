#include "editor_fixture.h"

#include "model/program_info.h"
#include "support/case_name.h"

#include <gtest/gtest.h>

#include <functional>

namespace corvix {
namespace {

using testing::EditorTest;
using testing::ThreeBlocks;

TEST_F(EditorTest, ResizeSetsTheMaximaAndRepaints)
{
    const int refreshes = ui.canvasRefreshes;
    editor.Form_Resize(800, 600, false);
    EXPECT_EQ(editor.viewport().vScroll().maximum, 1537 - 588);
    EXPECT_EQ(editor.viewport().hScroll().maximum, 1188 - 788);
    EXPECT_EQ(ui.canvasRefreshes, refreshes + 1);

    editor.Form_Resize(100, 100, true);
    EXPECT_EQ(editor.viewport().clientWidth(), 800);
    EXPECT_EQ(ui.canvasRefreshes, refreshes + 1);
}

TEST_F(EditorTest, PaperChangeMovesTheCheckMarkSizesAndView)
{
    editor.viewport().setValue(ScrollAxis::Horizontal, 200);
    editor.mtippapel_Click(1);
    EXPECT_EQ(ui.paperChecked, 1);
    EXPECT_EQ(state.paper.pageHeight, 1433);
    EXPECT_EQ(state.header.paperType, 1);
    EXPECT_EQ(editor.viewport().viewOffsetX(), 0);
    EXPECT_EQ(editor.viewport().hScroll().maximum, 508);
    EXPECT_EQ(editor.viewport().vScroll().maximum, 963);

    editor.mtippapel_Click(0);
    EXPECT_EQ(ui.paperChecked, 0);
    EXPECT_EQ(state.paper.pageHeight, 1537);
    EXPECT_EQ(editor.viewport().vScroll().maximum, 1067);
    EXPECT_FALSE(state.modified);

    editor.mtippapel_Click(5);  // from a damaged file: sizes kept, index stored
    EXPECT_EQ(state.paper.pageHeight, 1537);
    EXPECT_EQ(state.header.paperType, 5);
}

TEST_F(ThreeBlocks, LimpaDesenhoEmptiesTheDrawingAndReturnsTheView)
{
    editor.viewport().setValue(ScrollAxis::Horizontal, 200);
    editor.viewport().setValue(ScrollAxis::Vertical, 300);
    state.fileName = "/tmp/a.FXG";
    state.modified = true;
    const int refreshes = ui.canvasRefreshes;

    editor.limpa_desenho();

    EXPECT_EQ(state.blockCount, 0);
    EXPECT_EQ(state.linkCount, 0);
    EXPECT_EQ(state.blocks[0].text, "== 0 ==");  // entries stay; the counts empty the tables
    EXPECT_EQ(editor.viewport().viewOffsetX(), 0);
    EXPECT_EQ(editor.viewport().viewOffsetY(), 0);
    EXPECT_FALSE(state.modified);
    EXPECT_TRUE(state.fileName.empty());
    EXPECT_EQ(state.header.creatorTag, machineTag());
    EXPECT_EQ(state.header.saverTag, machineTag());
    EXPECT_GT(state.header.createdAt, 40000.0);  // after 2009
    EXPECT_FALSE(editor.canUndo());
    EXPECT_GT(ui.canvasRefreshes, refreshes);
}

struct CommandCase {
    const char* name;
    int32_t blocks;
    int32_t links;
    const char* fileName;
    bool modified;
    int32_t selectedBlock;
    int32_t selectedLink;
    CommandStates expected;
};

void PrintTo(const CommandCase& c, std::ostream* os) { *os << c.name; }

class CommandRefresh : public ThreeBlocks, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(CommandRefresh, FollowsTheDrawing)
{
    const CommandCase& c = GetParam();
    state.blockCount = c.blocks;
    state.linkCount = c.links;
    state.fileName = c.fileName;
    state.modified = c.modified;
    state.selection = c.selectedBlock >= 0 ? Selection::ofBlock(c.selectedBlock) : Selection::ofLink(c.selectedLink);
    editor.undoHistory().clear();

    editor.Timer1_Timer();

    ASSERT_EQ(ui.commandStates.size(), 1u);
    EXPECT_EQ(ui.commandStates[0], c.expected);
}

// saveAs, deleteItem, save, canvas, undo, redo
INSTANTIATE_TEST_SUITE_P(Timer, CommandRefresh, ::testing::Values(
    CommandCase{"NoBlocks", 0, 0, "/d.FXG", true, -1, -1, {false, false, false, true, false, false}},
    CommandCase{"BlocksWithoutLinks", 3, 0, "/d.FXG", true, -1, -1, {true, false, true, true, false, false}},
    CommandCase{"NeverSaved", 3, 0, "", true, -1, -1, {true, false, false, true, false, false}},
    CommandCase{"ChangedWithAFile", 3, 1, "/d.FXG", true, -1, -1, {true, false, true, true, false, false}},
    CommandCase{"SavedWithAFile", 3, 1, "/d.FXG", false, -1, -1, {true, false, false, true, false, false}},
    CommandCase{"BlockSelected", 3, 0, "", false, 2, -1, {true, true, false, true, false, false}},
    CommandCase{"LinkSelected", 3, 1, "", false, -1, 0, {true, true, false, true, false, false}}),
    testing::CaseName());

TEST_F(ThreeBlocks, KindPanelDisablesTheCanvasFromTheNextTick)
{
    editor.minserebloco_Click();
    editor.Timer1_Timer();
    EXPECT_FALSE(ui.commandStates.back().canvas);

    const testing::Tables before = testing::snapshot(state);
    press(400, 200);
    editor.Diagrama_DblClick();
    EXPECT_EQ(testing::snapshot(state), before);
    EXPECT_EQ(state.selectedBlock(), -1);
    EXPECT_TRUE(ui.textDialogs.empty());

    editor.SelBloco_Click(4);
    editor.Timer1_Timer();
    EXPECT_TRUE(ui.commandStates.back().canvas);
    press(600, 600);
    EXPECT_EQ(state.blocks[3].kind, BlockKind::Explanation);
}

TEST_F(ThreeBlocks, DeleteCommandFollowsTheSelectionEvenDuringAnOperation)
{
    press(kActionTop.x, kActionTop.y);  // starts a connection; the block stays selected
    ASSERT_EQ(state.editMode, EditMode::Connecting);
    editor.Timer1_Timer();
    EXPECT_TRUE(ui.commandStates.back().deleteItem);
    EXPECT_FALSE(ui.menusEnabled());
}

class AutoPan : public EditorTest {
protected:
    void holdShift()
    {
        int16_t key = 16;
        editor.Form_KeyDown(key, kShiftHeld);
    }
    void releaseShift() { editor.Form_KeyUp(16, kNoModifiers); }
    // A timer tick starts the pan with its first step; the pan timer makes the others.
    void panSteps(int steps)
    {
        editor.Timer1_Timer();
        for (int step = 1; step < steps; ++step)
            editor.panTimerTick();
    }
};

TEST_F(AutoPan, PansWhileShiftIsHeldWithTheMenusOff)
{
    editor.Diagrama_MouseMove(MouseButton::None, kNoModifiers, 600, 250);  // right quarter, middle half vertically
    holdShift();
    ui.mainMenusEnabled.clear();

    panSteps(3);
    releaseShift();
    editor.panTimerTick();  // the pan is over: no step

    EXPECT_EQ(ui.panTimerStarts, (std::vector<int32_t>{16}));  // a step a screen frame
    EXPECT_FALSE(ui.panTimerRunning);
    EXPECT_EQ(editor.viewport().viewOffsetX(), 90);
    EXPECT_EQ(editor.viewport().hScroll().value, 90);
    EXPECT_EQ(editor.viewport().viewOffsetY(), 0);
    EXPECT_EQ(ui.mainMenusEnabled, (std::vector<bool>{false, true}));
}

// Repainting an unmoved view would keep a core busy for as long as Shift is held.
TEST_F(AutoPan, RepaintsOnlyWhenTheViewMoved)
{
    const struct {
        const char* name;
        float pointerX;
        int32_t startX;
        int32_t endX;
        int repaints;
    } cases[] = {
        {"middle half", 350, 0, 0, 0},
        {"right quarter, to the end and resting there", 600, 500 - 40, 500, 2},
    };
    for (const auto& c : cases) {
        editor.viewport().setValue(ScrollAxis::Horizontal, c.startX);
        editor.Diagrama_MouseMove(MouseButton::None, kNoModifiers, c.pointerX, 250);
        holdShift();
        const int refreshes = ui.canvasRefreshes;

        panSteps(4);
        releaseShift();

        EXPECT_EQ(editor.viewport().viewOffsetX(), c.endX) << c.name;
        EXPECT_EQ(ui.canvasRefreshes - refreshes, c.repaints) << c.name;
        EXPECT_FALSE(ui.panTimerRunning) << c.name;
    }
}

// The pan runs beside the timer, never inside a tick: the ticks meanwhile refresh the
// commands and run their tail, and start no second pan.
TEST_F(AutoPan, TicksDuringThePanRunAsUsual)
{
    double tailTime = 0;
    int tails = 0;
    editor.setClock([] { return 1234.5; });
    editor.setTickTail([&](double now) {
        ++tails;
        tailTime = now;
    });
    editor.Diagrama_MouseMove(MouseButton::None, kNoModifiers, 10, 10);
    editor.viewport().setValue(ScrollAxis::Horizontal, 100);
    holdShift();

    editor.Timer1_Timer();  // the first step
    editor.Timer1_Timer();  // a tick while panning
    editor.panTimerTick();  // the second step
    releaseShift();

    EXPECT_EQ(ui.panTimerStarts.size(), 1u);
    EXPECT_EQ(ui.commandStates.size(), 2u);
    EXPECT_EQ(editor.viewport().viewOffsetX(), 40);
    EXPECT_EQ(editor.viewport().viewOffsetY(), 0);
    EXPECT_EQ(tails, 2);
    EXPECT_EQ(tailTime, 1234.5);
}

// The pan hands the menus back as the operation under way wants them: off while a press
// is awaited (they came back on, and File or Delete could act in the middle of it).
TEST_F(AutoPan, EndsWithTheMenusOffWhileAnOperationWaits)
{
    const struct {
        const char* name;
        std::function<void(Editor&)> end;
    } cases[] = {
        {"Shift released", [](Editor& e) { e.Form_KeyUp(16, kNoModifiers); e.panTimerTick(); }},
        {"Ctrl", [](Editor& e) { int16_t key = 17; e.Form_KeyDown(key, KeyModifiers(KeyModifiers::kShift | KeyModifiers::kCtrl)); }},
        {"window deactivated", [](Editor& e) { e.windowDeactivated(); }},
    };
    for (const auto& c : cases) {
        editor.minserebloco_Click();
        editor.SelBloco_Click(0);
        ASSERT_EQ(state.editMode, EditMode::Inserting) << c.name;
        editor.Diagrama_MouseMove(MouseButton::None, kNoModifiers, 600, 250);
        holdShift();
        panSteps(2);

        c.end(editor);

        EXPECT_FALSE(ui.menusEnabled()) << c.name;
        EXPECT_FALSE(ui.panTimerRunning) << c.name;
        editor.Form_KeyPress(keys::Esc);
        EXPECT_TRUE(ui.menusEnabled()) << c.name;
    }
}

// Ctrl pressed while Shift pans is Ctrl+Shift+Z on its way: the pan ends and the menus
// are back at once, for the shortcut to find them on.
TEST_F(AutoPan, CtrlOrLosingTheWindowEndsThePanAtOnce)
{
    const struct {
        const char* name;
        std::function<void(Editor&)> end;
    } cases[] = {
        {"Ctrl", [](Editor& e) { int16_t key = 17; e.Form_KeyDown(key, KeyModifiers(KeyModifiers::kShift | KeyModifiers::kCtrl)); }},
        {"window deactivated", [](Editor& e) { e.windowDeactivated(); }},
    };
    for (const auto& c : cases) {
        editor.Diagrama_MouseMove(MouseButton::None, kNoModifiers, 600, 250);
        holdShift();
        panSteps(2);
        ASSERT_FALSE(ui.menusEnabled()) << c.name;

        c.end(editor);

        EXPECT_TRUE(ui.menusEnabled()) << c.name;
        EXPECT_FALSE(ui.panTimerRunning) << c.name;
    }
}

} // namespace
} // namespace corvix
