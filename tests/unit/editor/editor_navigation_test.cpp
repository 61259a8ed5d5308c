#include "editor_fixture.h"

#include <gtest/gtest.h>

#include <string>

namespace corvix {
namespace {

using testing::EditorTest;

// Blocks far apart, so that going from one to another must move the view: a jump at the
// top left, its target far down on the right, a second jump further down, and an action.
class GotoDrawing : public EditorTest {
protected:
    GotoDrawing()
    {
        editor.commands().insere_bloco(BlockKind::GotoJump, "Tide", 100, 100);
        editor.commands().insere_bloco(BlockKind::GotoTarget, " tide ", 900, 1300);
        editor.commands().insere_bloco(BlockKind::GotoJump, "TIDE", 150, 1450);
        editor.commands().insere_bloco(BlockKind::Action, "ebb", 300, 100);
    }

    std::string lastMessage() const { return ui.messages.empty() ? std::string() : ui.messages.back().text; }
};

TEST_F(GotoDrawing, SelectBlockScrollsAFarBlockIntoViewAndRepaints)
{
    const int refreshes = ui.canvasRefreshes;
    ASSERT_TRUE(editor.selectBlock(1));
    EXPECT_EQ(state.selectedBlock, 1);
    EXPECT_EQ(state.selectedLink, -1);
    EXPECT_GT(editor.viewport().viewOffsetX(), 0);
    EXPECT_GT(editor.viewport().viewOffsetY(), 0);
    EXPECT_GT(ui.canvasRefreshes, refreshes);

    // Already in view: the view stays.
    editor.viewport().setValue(ScrollAxis::Horizontal, 0);
    editor.viewport().setValue(ScrollAxis::Vertical, 0);
    ASSERT_TRUE(editor.selectBlock(3));
    EXPECT_EQ(editor.viewport().viewOffsetX(), 0);
    EXPECT_EQ(editor.viewport().viewOffsetY(), 0);

    EXPECT_FALSE(editor.selectBlock(4));
    editor.minserebloco_Click();  // the kind panel waits for a choice
    EXPECT_FALSE(editor.selectBlock(0));
}

TEST_F(GotoDrawing, FindGoesRoundFromTheSelectionOrSaysNothingContainsTheText)
{
    editor.findNext("tid");
    EXPECT_EQ(state.selectedBlock, 0);
    editor.findNext("tid");
    EXPECT_EQ(state.selectedBlock, 1);
    editor.findNext("tid");
    EXPECT_EQ(state.selectedBlock, 2);
    editor.findNext("tid");
    EXPECT_EQ(state.selectedBlock, 0);
    EXPECT_TRUE(ui.messages.empty());

    editor.findNext("flood");
    EXPECT_EQ(lastMessage(), "No block contains 'flood'.");
    EXPECT_EQ(state.selectedBlock, 0);
}

TEST_F(GotoDrawing, GotoTargetFollowsAJumpAndVisitsATargetsJumpsInTurn)
{
    editor.selectBlock(2);
    editor.gotoTarget();
    EXPECT_EQ(state.selectedBlock, 1);
    editor.gotoTarget();
    EXPECT_EQ(state.selectedBlock, 0);  // the jump after the one left
    editor.gotoTarget();
    EXPECT_EQ(state.selectedBlock, 1);
    editor.gotoTarget();
    EXPECT_EQ(state.selectedBlock, 2);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(GotoDrawing, GotoTargetSaysWhyThereIsNowhereToGo)
{
    editor.gotoTarget();
    EXPECT_EQ(lastMessage(), "Select a goto jump to go to its target, or a goto target to go to its jumps.");
    editor.selectBlock(3);
    editor.gotoTarget();
    EXPECT_EQ(lastMessage(), "Select a goto jump to go to its target, or a goto target to go to its jumps.");

    editor.commands().insere_bloco(BlockKind::GotoJump, "storm", 500, 100);
    editor.commands().insere_bloco(BlockKind::GotoTarget, "calm", 700, 100);
    editor.selectBlock(4);
    editor.gotoTarget();
    EXPECT_EQ(lastMessage(), "No goto target has the text of the selected goto jump.");
    editor.selectBlock(5);
    editor.gotoTarget();
    EXPECT_EQ(lastMessage(), "No goto jump has the text of the selected goto target.");
    EXPECT_EQ(state.selectedBlock, 5);
}

} // namespace
} // namespace corvix
