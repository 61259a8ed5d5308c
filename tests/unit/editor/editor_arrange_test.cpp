#include "editor_fixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvix {
namespace {

using testing::snapshot;
using testing::Tables;

// Arrange with a stand-in for the layout, which has tests of its own: what the editor
// asked for, and what it answers.
class EditorArrange : public testing::ThreeBlocks {
protected:
    EditorArrange() { editor.undoHistory().clear(); }

    Arranger arranger(Arrangement answer)
    {
        return [this, answer](const EditorState&, std::span<const int32_t> blocks) {
            asked.push_back(std::vector<int32_t>(blocks.begin(), blocks.end()));
            return answer;
        };
    }

    void arrangeWith(Arrangement answer)
    {
        editor.setArranger(arranger(std::move(answer)));
        editor.arrange();
    }

    std::vector<std::vector<int32_t>> asked;
    const Arrangement lowered{true, {{0, 400, 1200}, {1, 200, 1120}, {2, 400, 1304}}, {}};
};

TEST_F(EditorArrange, MovesTheBlocksAsOneStepThatUndoTakesBackExactly)
{
    const Tables before = snapshot(state);
    arrangeWith(lowered);

    ASSERT_EQ(asked, (std::vector<std::vector<int32_t>>{{}}));
    EXPECT_EQ(state.blocks[1].x, 200);
    EXPECT_EQ(state.blocks[1].y, 1120);
    EXPECT_TRUE(state.modified);
    EXPECT_EQ(editor.undoHistory().undoSteps(), 1u);
    // The arranged blocks' top shows near the canvas's top.
    EXPECT_GT(editor.viewport().viewOffsetY(), 1000);

    const Tables arranged = snapshot(state);
    ASSERT_TRUE(editor.undo());
    EXPECT_EQ(snapshot(state), before);
    EXPECT_FALSE(state.modified);
    ASSERT_TRUE(editor.redo());
    EXPECT_EQ(snapshot(state), arranged);
}

TEST_F(EditorArrange, ArrangesSeveralSelectedBlocksOnlyAndOneSelectedAsTheWholeDrawing)
{
    editor.selectBlock(1);
    arrangeWith(lowered);
    editor.undo();
    editor.selectAll();
    arrangeWith(lowered);
    EXPECT_EQ(asked, (std::vector<std::vector<int32_t>>{{}, {0, 1, 2}}));
}

TEST_F(EditorArrange, ShowsARefusalAndChangesNothing)
{
    const Tables before = snapshot(state);
    arrangeWith({false, {}, {MessageId::TooLargeToArrange, {}}});
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "The drawing is too large to arrange on one page.");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(snapshot(state), before);
    EXPECT_FALSE(state.modified);
    EXPECT_FALSE(editor.canUndo());
}

TEST_F(EditorArrange, IsRefusedWhileAnOperationWaits)
{
    press(kActionBottom.x, kActionBottom.y);  // a connection starts
    ASSERT_EQ(state.editMode, EditMode::Connecting);
    EXPECT_FALSE(editor.canArrange());
    arrangeWith(lowered);
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(state.blocks[1].y, 200);
}

} // namespace
} // namespace corvix
