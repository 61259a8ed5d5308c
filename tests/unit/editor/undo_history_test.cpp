#include "editor/undo_history.h"

#include "editor_fixture.h"
#include "support/capacity_diagram.h"

#include <gtest/gtest.h>

#include <string>

namespace corvix {
namespace {

using testing::snapshot;
using testing::Tables;

Block textBlock(std::string text)
{
    Block b;
    b.kind = BlockKind::Action;
    b.text = std::move(text);
    return b;
}

TEST(UndoHistory, KeepsTheNewest100Steps)
{
    EditorState state;
    UndoHistory history;
    history.perform(state, changes::appendBlock(textBlock("start")));
    for (int i = 1; i <= 105; ++i)
        history.perform(state, changes::replaceBlock(0, textBlock("step " + std::to_string(i))));

    EXPECT_EQ(history.undoSteps(), UndoHistory::kDepth);
    while (history.undo(state)) {
    }
    EXPECT_EQ(state.blocks[0].text, "step 5");
    EXPECT_EQ(history.redoSteps(), UndoHistory::kDepth);
    EXPECT_TRUE(state.modified);  // the saved state was forgotten with the oldest steps
}

TEST(UndoHistory, MemoryStaysWithinTheBudget)
{
    EditorState state;
    UndoHistory history;
    history.perform(state, changes::appendBlock(textBlock("")));
    const std::string megabyte(size_t(1) << 20, 'x');
    for (int i = 0; i < 80; ++i)
        history.perform(state, changes::replaceBlock(0, textBlock(megabyte + std::to_string(i))));

    EXPECT_LE(history.bytes(), UndoHistory::kByteBudget);
    EXPECT_LT(history.undoSteps(), size_t(80));
    EXPECT_GT(history.undoSteps(), size_t(40));
    while (history.undo(state)) {
    }
    EXPECT_EQ(state.blocks[0].text.size(), megabyte.size() + 2);
}

TEST(UndoHistory, StepLargerThanTheBudgetLeavesNothingToUndo)
{
    EditorState state;
    UndoHistory history;
    history.perform(state, changes::appendBlock(textBlock(std::string(UndoHistory::kByteBudget, 'x'))));
    history.perform(state, changes::replaceBlock(0, textBlock("small")));
    EXPECT_FALSE(history.canUndo());
    EXPECT_EQ(history.bytes(), 0u);
    EXPECT_EQ(state.blocks[0].text, "small");
}

TEST(UndoHistory, CapacityDrawingHistoryFitsIn64MiB)
{
    // Deleting block 0 renumbers nearly every link: the largest step short of long texts.
    EditorState state;
    testing::makeCapacityDiagram(state, testing::RecordingTarget());
    const Tables original = snapshot(state);
    UndoHistory history;
    history.clear();

    for (int i = 0; i < 90; ++i)
        history.perform(state, changes::removeBlock(0));
    for (int i = 0; i < 10; ++i)
        history.perform(state, changes::moveAllBlocks(13, -5));

    ASSERT_EQ(history.undoSteps(), 100u);
    EXPECT_LE(history.bytes(), size_t(64) << 20);
    RecordProperty("historyBytes", std::to_string(history.bytes()));

    while (history.undo(state)) {
    }
    EXPECT_EQ(snapshot(state), original);
    EXPECT_FALSE(state.modified);
}

} // namespace
} // namespace corvix
